#include "csv/CsvWriter.h"

QString CsvField(const QString& value)
{
    bool quote = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    for (QChar c : value) {
        if (c == u',' || c == u'"' || c == u'\n' || c == u'\r') {
            quote = true;
            break;
        }
    }
    if (!quote)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CsvLine(const QStringList& fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i)
            line += QLatin1Char(',');
        line += CsvField(fields[i]);
    }
    line += QLatin1String("\r\n");
    return line;
}

QString SpreadsheetSafeText(const QString& text)
{
    if (text.isEmpty())
        return text;
    const char16_t first = text.front().unicode();
    if (first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' ||
        first == u'\r' || first == u'\'')
        return QLatin1Char('\'') + text;
    return text;
}

QString FromSpreadsheetSafeText(const QString& cell)
{
    return cell.startsWith(QLatin1Char('\'')) ? cell.mid(1) : cell;
}
