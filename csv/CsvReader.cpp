#include "csv/CsvReader.h"

#include <QCoreApplication>

namespace {

class Parser
{
public:
    Parser(QStringView text, QChar delimiter) : m_text(text), m_delimiter(delimiter) {}

    CsvParseResult run()
    {
        CsvParseResult result;
        while (m_pos < m_text.size()) {
            if (atLineEnd()) { // an empty line is no record
                skipLineEnd();
                continue;
            }
            CsvRecord record;
            record.line = m_line;
            if (!readRecord(record, result))
                return result;
            result.records.push_back(std::move(record));
        }
        return result;
    }

private:
    bool atLineEnd() const
    {
        const QChar c = m_text[m_pos];
        return c == u'\n' || c == u'\r';
    }
    void skipLineEnd()
    {
        if (m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    // Reads fields up to the end of the record; false when a quote is left open.
    bool readRecord(CsvRecord& record, CsvParseResult& result)
    {
        for (;;) {
            QString field;
            if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
                const int startLine = m_line;
                if (!readQuoted(field, record)) {
                    result.error = UnclosedQuoteError(startLine);
                    result.errorLine = startLine;
                    return false;
                }
            } else {
                readPlain(field);
            }
            record.fields << field;
            if (m_pos >= m_text.size())
                return true;
            if (m_text[m_pos] == m_delimiter) {
                ++m_pos;
                continue;
            }
            skipLineEnd();
            return true;
        }
    }

    void readPlain(QString& field)
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != m_delimiter && !atLineEnd())
            ++m_pos;
        field = m_text.sliced(start, m_pos - start).toString();
    }

    bool readQuoted(QString& field, CsvRecord& record)
    {
        ++m_pos; // the opening quote
        for (;;) {
            if (m_pos >= m_text.size())
                return false;
            const QChar c = m_text[m_pos];
            if (c == u'"') {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'"') {
                    field += u'"';
                    m_pos += 2;
                    continue;
                }
                ++m_pos; // the closing quote
                break;
            }
            if (c == u'\r' || c == u'\n') {
                // A line break inside the field is kept as it is written.
                if (c == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n') {
                    field += u'\r';
                    ++m_pos;
                }
                field += m_text[m_pos];
                ++m_pos;
                ++m_line;
                continue;
            }
            field += c;
            ++m_pos;
        }
        if (m_pos < m_text.size() && m_text[m_pos] != m_delimiter && !atLineEnd()) {
            if (record.defect.isEmpty())
                record.defect =
                    QCoreApplication::translate("CsvImport", "引号后面紧跟着多余的字符");
            QString rest;
            readPlain(rest);
            field += rest;
        }
        return true;
    }

    QStringView m_text;
    QChar m_delimiter;
    qsizetype m_pos = 0;
    int m_line = 1;
};

} // namespace

QString UnclosedQuoteError(int line)
{
    return QCoreApplication::translate("CsvImport",
                                       "第 %1 行：引号没有结束，从这里到文件末尾都没有配对的引号。")
        .arg(line);
}

CsvParseResult ParseCsv(QStringView text, QChar delimiter)
{
    return Parser(text, delimiter).run();
}

QChar GuessCsvDelimiter(QStringView text)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted && c == u',')
            ++comma;
        else if (!quoted && c == u';')
            ++semicolon;
        else if (!quoted && c == u'\t')
            ++tab;
    }
    if (semicolon > comma && semicolon >= tab)
        return QLatin1Char(';');
    if (tab > comma && tab > semicolon)
        return QLatin1Char('\t');
    return QLatin1Char(',');
}
