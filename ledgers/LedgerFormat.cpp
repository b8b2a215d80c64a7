#include "ledgers/LedgerFormat.h"

#include "database/ExtAdo.h"
#include "platform/Clock.h"

#include <QStringList>

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
