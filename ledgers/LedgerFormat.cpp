#include "ledgers/LedgerFormat.h"

#include "database/ExtAdo.h"
#include "platform/Clock.h"

#include <QStringList>
#include <charconv>
#include <cmath>
#include <string>

QString FormatNumber(double value, int decimals)
{
    return QString::number(value, 'f', qBound(0, decimals, 7));
}

QString FormatWithUnit(double value, int decimals, const QString& unit, bool unitAfter)
{
    const QString number = QString::number(value, 'f', qBound(0, decimals, 7));
    return unitAfter ? number + QLatin1Char(' ') + unit : unit + QLatin1Char(' ') + number;
}

double ParseNumber(const QString& text)
{
    return LeadingNumber(text);
}

TypedNumber ReadTypedNumber(const QString& typed)
{
    // Compatibility folding turns full-width digits, "．", "，" and "－" into
    // their ASCII forms.
    const QString text = typed.normalized(QString::NormalizationForm_KC);
    const qsizetype size = text.size();
    auto digit = [&](qsizetype k) { return k < size && text[k] >= u'0' && text[k] <= u'9'; };
    auto point = [&](qsizetype k) { return k < size && (text[k] == u'.' || text[k] == u'。'); };
    auto isChar = [&](qsizetype k, char16_t c) { return k < size && text[k] == c; };

    qsizetype i = 0;
    while (i < size && !digit(i) && !point(i) && !isChar(i, u'-'))
        ++i;
    std::string number;
    if (isChar(i, u'-')) {
        number += '-';
        ++i;
    }
    int digits = 0;
    while (true) {
        if (digit(i)) {
            number += char(text[i++].unicode());
            ++digits;
        } else if (isChar(i, u',') && digits > 0 && digit(i + 1) && digit(i + 2) && digit(i + 3) &&
                   !digit(i + 4)) {
            ++i; // a thousands separator: a comma before a group of three digits
        } else {
            break;
        }
    }
    if (point(i) && (digits > 0 || digit(i + 1))) {
        number += '.';
        for (++i; digit(i); ++i, ++digits)
            number += char(text[i].unicode());
    }
    if (digits == 0)
        return {};
    if ((isChar(i, u'e') || isChar(i, u'E')) &&
        (digit(i + 1) || ((isChar(i + 1, u'+') || isChar(i + 1, u'-')) && digit(i + 2)))) {
        number += 'e';
        for (++i; isChar(i, u'+') || isChar(i, u'-') || digit(i); ++i)
            number += char(text[i].unicode());
    }
    TypedNumber result;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), result.value);
    if (error == std::errc::result_out_of_range) {
        // Beyond what a double holds: vanishingly small or absurdly large.
        const size_t e = number.find('e');
        const bool small = e != std::string::npos
                               ? number.compare(e, 2, "e-") == 0
                               : number.find_first_of("123456789") >= number.find('.');
        result.value = small ? 0.0 : HUGE_VAL;
    }
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
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

QString MoneyText(double value)
{
    return FormatWithUnit(value, 2, QStringLiteral("￥"), false);
}
QString OdometerText(double value)
{
    return FormatWithUnit(value, 0, QStringLiteral("KM"), true);
}
QString GaugeText(double value)
{
    return FormatWithUnit(value, 2, QStringLiteral("格"), true);
}
QString QuantityText(double value)
{
    return FormatWithUnit(value, 2, QStringLiteral("升"), true);
}
QString ConsumptionText(double value)
{
    return FormatWithUnit(value, 2, QStringLiteral(" L"), true);
}
