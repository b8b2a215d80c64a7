#include "ledgers/LedgerFormat.h"

#include "database/ExtAdo.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

QString FormatNumber(double value, int decimals)
{
    return QString::number(value, 'f', qBound(0, decimals, 7));
}

QString FormatWithUnit(double value, int decimals, const QString& unit, bool unitAfter)
{
    const QString number = QString::number(value, 'f', qBound(0, decimals, 7));
    return unitAfter ? number + QLatin1Char(' ') + unit : unit + QLatin1Char(' ') + number;
}

namespace {

// "-12.5": a sign, digits and a fraction, nothing else; read as it stands.
bool isPlainNumber(QStringView text)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const qsizetype first = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    if (i == first)
        return false;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype point = ++i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        if (i == point)
            return false;
    }
    return i == text.size();
}

// The number in a typed text, in ASCII. Compatibility folding turns
// full-width digits, "．", "，" and "－" into their ASCII forms; what is left
// to do is the currency sign or other text before the number, "。" as the
// decimal point and thousands separators.
QString numberPart(const QString& typed)
{
    const bool ascii =
        std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QString text = ascii ? typed : typed.normalized(QString::NormalizationForm_KC);
    const qsizetype size = text.size();
    auto digit = [&](qsizetype k) { return k < size && text[k] >= u'0' && text[k] <= u'9'; };
    qsizetype i = 0;
    while (i < size && !digit(i) && text[i] != u'.' && text[i] != u'。' && text[i] != u'-')
        ++i;
    QString number;
    bool fraction = false;
    for (; i < size; ++i) {
        const QChar ch = text[i];
        if (ch == u'.' || ch == u'。') {
            fraction = true;
            number += u'.';
        } else if (ch == u',' && !fraction && i > 0 && digit(i - 1) && digit(i + 1) &&
                   digit(i + 2) && digit(i + 3) && !digit(i + 4)) {
            continue; // a comma before a group of three digits
        } else {
            number += ch;
        }
    }
    return number;
}

} // namespace

TypedNumber ReadTypedNumber(const QString& typed)
{
    const QStringView trimmed = QStringView(typed).trimmed();
    TypedNumber result;
    result.value = isPlainNumber(trimmed) ? TextToNumber(trimmed) : TextToNumber(numberPart(typed));
    result.outOfRange = !(std::fabs(result.value) <= kLargestTypedNumber);
    if (result.value == 0)
        result.value = 0; // no "-0.00"
    return result;
}

QDateTime ParseDateText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (text.size() >= 8 && text.size() <= 10 && parts.size() == 3) {
        const int y = parts[0].toInt(), m = parts[1].toInt(), d = parts[2].toInt();
        const QDate date(y, m, d);
        if (y >= 1901 && y <= 2098 && m >= 1 && m <= 12 && d >= 1 && d <= 31 && date.isValid())
            return QDateTime(date, QTime(0, 0));
    }
    return platform::CurrentDateTime();
}

QString DateText(const QDate& date)
{
    if (date.year() < 1000 || date.year() > 9999)
        return date.toString(QStringLiteral("yyyy/MM/dd"));
    // Written digit by digit: a million imported records are dated here.
    QString text = QStringLiteral("0000/00/00");
    auto put = [&](qsizetype end, int value) {
        for (qsizetype i = end; value > 0; --i, value /= 10)
            text[i] = QLatin1Char(char('0' + value % 10));
    };
    put(3, date.year());
    put(6, date.month());
    put(9, date.day());
    return text;
}

QString MoneyText(double value)
{
    return FormatWithUnit(value, 2, QStringLiteral("￥"), false);
}
QString OdometerText(double value)
{
    return FormatWithUnit(value, 0, QStringLiteral("KM"), true);
}
// The units a user reads after the number, in the interface's language
// (fixed for the run: looked up once).
QString GaugeText(double value)
{
    static const QString unit = QCoreApplication::translate("LedgerFormat", "格");
    return FormatWithUnit(value, 2, unit, true);
}
QString QuantityText(double value)
{
    static const QString unit = QCoreApplication::translate("LedgerFormat", "升");
    return FormatWithUnit(value, 2, unit, true);
}
QString ConsumptionText(double value)
{
    return FormatWithUnit(value, 2, QStringLiteral(" L"), true);
}
