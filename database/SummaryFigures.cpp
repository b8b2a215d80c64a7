#include "database/SummaryFigures.h"

#include "database/Figures.h"

#include <QDateTime>
#include <QStringList>

qint64 SummaryPurchaseTime(const QString& buyDate, qint64 now)
{
    if (buyDate.size() < 8 || buyDate.size() > 10)
        return now;
    // Written yyyy/m/d, or yyyy-mm-dd by other programs: the same date.
    const QStringList parts =
        QString(buyDate).replace(QLatin1Char('-'), QLatin1Char('/')).split(QLatin1Char('/'),
                                                                           Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return now;
    bool okYear = false, okMonth = false, okDay = false;
    const int year = parts[0].toInt(&okYear);
    const int month = parts[1].toInt(&okMonth);
    const int day = parts[2].toInt(&okDay);
    if (!okYear || !okMonth || !okDay || year < 1901 || year > 2098 || month < 1 || month > 12 ||
        day < 1 || day > 31)
        return now;
    const QDate date = QDate(year, month, 1).addDays(day - 1);
    return QDateTime(date, QTime(0, 0)).toSecsSinceEpoch();
}

SummaryFigures ComputeSummary(const CARPROPERTY& car, const PURCHASEINFO* purchase,
                              const CostTotals& totals, qint64 now)
{
    SummaryFigures f;
    f.odometer = car.curMiles;
    f.fuelVolume = totals.fuelVolume;
    if (purchase) {
        f.days = (now - SummaryPurchaseTime(purchase->buyDateText, now)) / 86400;
        f.purchaseTotal = ShownNumber(
            purchase->carTax + purchase->carPrice + purchase->carLicense + purchase->insuAmount, 2);
    }
    f.costTotal = f.purchaseTotal + totals.fuelAmount + totals.maintain + totals.repair +
                  totals.accident + totals.accessory + totals.dailyCost;
    if (f.odometer > 0.1) {
        f.litresPer100Km = f.fuelVolume * 100 / f.odometer;
        f.costPerKm = f.costTotal / f.odometer;
    }
    if (f.days > 0) {
        f.kmPerDay = f.odometer / double(f.days);
        f.costPerDay = f.costTotal / double(f.days);
    }
    return f;
}
