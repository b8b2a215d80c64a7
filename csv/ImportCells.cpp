#include "csv/ImportCells.h"

#include "csv/CsvLedgers.h"
#include "ledgers/LedgerFormat.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

// A number cell as a person or a spreadsheet writes it ("12,345", "￥5.5",
// full-width digits); an empty cell is 0. False, with the reason, for a cell
// without a number or one far beyond any amount.
bool readNumber(const QString& cell, const QString& caption, double& value, QString& problem)
{
    const QString text = cell.trimmed();
    value = 0;
    if (text.isEmpty())
        return true;
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QString folded = ascii ? text : text.normalized(QString::NormalizationForm_KC);
    if (std::none_of(folded.begin(), folded.end(), [](QChar c) { return c.isDigit(); })) {
        problem =
            QCoreApplication::translate("CsvImport", "“%1”一栏的“%2”不是数字").arg(caption, cell);
        return false;
    }
    const TypedNumber number = ReadTypedNumber(text);
    if (number.outOfRange) {
        problem =
            QCoreApplication::translate("CsvImport", "“%1”一栏的“%2”大得不合理").arg(caption, cell);
        return false;
    }
    value = number.value;
    return true;
}

bool readDate(const QString& cell, QDate& date, QString& problem)
{
    const std::optional<QDate> day = ReadIsoDate(cell);
    if (day) {
        date = *day;
        return true;
    }
    problem = cell.trimmed().isEmpty()
                  ? QCoreApplication::translate("CsvImport", "没有日期")
                  : QCoreApplication::translate("CsvImport",
                                                "日期“%1”不存在或看不懂（应写成 2024-01-31）")
                        .arg(cell);
    return false;
}

// Numbers that are possible but hardly right: shown in the preview.
void flagNumbers(ImportRow& row)
{
    const LedgerPageInfo& page = InfoOf(row.ledger).page();
    for (const LedgerColumn& column : page.columns) {
        if (!IsNumberField(column.field))
            continue;
        const double value = row.record.Number(column.field);
        double limit = 1e6;
        switch (column.field) {
        case LedgerField::Miles:
            limit = 2e6;
            break;
        case LedgerField::Price:
            limit = row.ledger == LedgerKind::Refuel ? 100 : 1e6;
            break;
        case LedgerField::FuelMeter1:
        case LedgerField::FuelMeter2:
            limit = 100;
            break;
        case LedgerField::Count:
            limit = 1e4;
            break;
        default:
            break;
        }
        if (value < 0)
            row.flags << QCoreApplication::translate("CsvImport", "%1是负数（%2）")
                             .arg(ShownFileCaption(column.header), PlainNumber(value));
        else if (value > limit)
            row.flags << QCoreApplication::translate("CsvImport", "%1大得不合理（%2）")
                             .arg(ShownFileCaption(column.header), PlainNumber(value));
    }
}

bool allEmpty(const QStringList& fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString& f) { return f.trimmed().isEmpty(); });
}

// The index of each header cell, by its trimmed text.
QHash<QString, int> headerIndex(const QStringList& header)
{
    QHash<QString, int> index;
    for (int i = 0; i < header.size(); ++i)
        index.insert(header[i].trimmed(), i);
    for (int i = 0; i < header.size(); ++i)
        for (const QString& ours : CaptionsFromEnglish(header[i]))
            if (!index.contains(ours))
                index.insert(ours, i);
    return index;
}

// A record's fields against its header: false (and a problem) when the
// record is malformed or has too many or too few fields.
bool wellFormed(int source, const CsvRecord& record, int headerSize, ImportPlan& plan)
{
    if (!record.defect.isEmpty()) {
        plan.rejected.push_back({source, record.line, record.defect});
        return false;
    }
    if (record.fields.size() != headerSize) {
        plan.rejected.push_back(
            {source, record.line,
             QCoreApplication::translate("CsvImport", "这一行有 %1 个字段，标题行有 %2 个")
                 .arg(record.fields.size())
                 .arg(headerSize)});
        return false;
    }
    return true;
}

QString foldHeader(const QString& header)
{
    QString folded = header.trimmed().toLower();
    folded.remove(QLatin1Char(' '));
    folded.remove(QLatin1Char('_'));
    folded.remove(QLatin1Char('-'));
    return folded;
}

void DecimalMarkGuess::add(const QString& cell)
{
    static const QRegularExpression comma(QStringLiteral("\\d,\\d{1,2}(?!\\d)|\\d\\.\\d{3},\\d"));
    static const QRegularExpression point(QStringLiteral("\\d\\.\\d{1,2}(?!\\d)|\\d,\\d{3}\\.\\d"));
    m_commas += comma.match(cell).hasMatch();
    m_points += point.match(cell).hasMatch();
}

DecimalMark DecimalMarkGuess::mark() const
{
    return m_commas > m_points ? DecimalMark::Comma : DecimalMark::Point;
}

bool readForeignNumber(const QString& cell, const QString& caption, DecimalMark mark, double& value,
                       QString& problem)
{
    if (mark == DecimalMark::Point)
        return readNumber(cell, caption, value, problem);
    QString text = cell;
    text.remove(QLatin1Char('.'));
    text.remove(QChar(0x00A0)); // no-break space between thousands
    text.remove(QChar(0x202F));
    text.remove(QLatin1Char(' '));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (readNumber(text, caption, value, problem))
        return true;
    problem = QCoreApplication::translate("CsvImport", "“%1”一栏的“%2”不是数字").arg(caption, cell);
    return false;
}

namespace {
const QRegularExpression& ymd()
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4})\\s*[-/.年]\\s*(\\d{1,2})\\s*[-/.月]\\s*(\\d{1,2})\\s*日?$"));
    return pattern;
}
const QRegularExpression& twoFirst()
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2})\\s*([/.])\\s*(\\d{1,2})\\s*[/.]\\s*(\\d{4})$"));
    return pattern;
}
// The date part of a cell: what stands before a time ("1/5/2024 12:00:00 AM",
// "2024-01-05 14:58", "2024-01-05T14:58").
QString datePart(const QString& cell)
{
    QString text = cell.trimmed();
    const qsizetype t = text.indexOf(QLatin1Char('T'));
    if (t == 10)
        text.truncate(t);
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank > 0 && text.indexOf(QLatin1Char(':'), blank) > 0)
        text.truncate(blank);
    return text;
}
} // namespace

void DateOrderGuesser::add(const QString& cell)
{
    if (m_dotted)
        return;
    const auto match = twoFirst().match(datePart(cell));
    if (!match.hasMatch())
        return;
    if (match.captured(2) == QLatin1String(".")) {
        m_dotted = true; // dotted dates are written day first
        m_dayExample = cell.trimmed();
        return;
    }
    m_slashed = true;
    const int first = match.captured(1).toInt(), second = match.captured(3).toInt();
    const int year = match.captured(4).toInt();
    const bool asDay = QDate(year, second, first).isValid();
    const bool asMonth = QDate(year, first, second).isValid();
    if (asDay == asMonth)
        return; // both orders read it, or neither
    QString& example = asDay ? m_dayExample : m_monthExample;
    if (example.isEmpty())
        example = cell.trimmed();
    ++(asDay ? m_dayFirst : m_monthFirst);
}

DateOrderGuess DateOrderGuesser::guess() const
{
    DateOrderGuess guess;
    guess.slashed = m_slashed;
    if (m_dotted) {
        guess.order = DateOrder::DayFirst;
        guess.decidedBy = m_dayExample;
        return guess;
    }
    guess.order = m_dayFirst > m_monthFirst ? DateOrder::DayFirst : DateOrder::MonthFirst;
    guess.decidedBy = guess.order == DateOrder::DayFirst ? m_dayExample : m_monthExample;
    guess.against = guess.order == DateOrder::DayFirst ? m_monthExample : m_dayExample;
    return guess;
}

bool readForeignDate(const QString& cell, DateOrder order, QDate& date, QString& problem)
{
    const QString text = datePart(cell);
    int y = 0, m = 0, d = 0;
    if (const auto match = ymd().match(text); match.hasMatch()) {
        y = match.captured(1).toInt();
        m = match.captured(2).toInt();
        d = match.captured(3).toInt();
    } else if (const auto other = twoFirst().match(text); other.hasMatch()) {
        const int first = other.captured(1).toInt(), second = other.captured(3).toInt();
        const bool dayFirst =
            order == DateOrder::DayFirst || other.captured(2) == QLatin1String(".");
        d = dayFirst ? first : second;
        m = dayFirst ? second : first;
        y = other.captured(4).toInt();
    } else {
        problem =
            text.isEmpty()
                ? QCoreApplication::translate("CsvImport", "没有日期")
                : QCoreApplication::translate("CsvImport", "日期“%1”看不懂").arg(cell.trimmed());
        return false;
    }
    date = QDate(y, m, d);
    if (!date.isValid()) {
        problem = QCoreApplication::translate("CsvImport", "日期“%1”不存在").arg(cell.trimmed());
        return false;
    }
    return true;
}

QString readTimeOfDay(const QString& cell)
{
    static const QRegularExpression pattern(
        QStringLiteral("[ T](\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*([AaPp][Mm])?"));
    const auto match = pattern.match(cell.trimmed());
    if (!match.hasMatch())
        return QString();
    int hour = match.captured(1).toInt();
    const QString half = match.captured(4).toLower();
    if (half == QLatin1String("pm") && hour < 12)
        hour += 12;
    else if (half == QLatin1String("am") && hour == 12)
        hour = 0;
    return QString::asprintf("%02d:%02d:%02d", hour, match.captured(2).toInt(),
                             match.captured(3).toInt());
}

bool readFlag(const QString& cell)
{
    const QString text = cell.trimmed().toLower();
    return text == QLatin1String("true") || text == QLatin1String("1") ||
           text == QLatin1String("yes") || text == QLatin1String("y") ||
           text == QStringLiteral("是");
}
