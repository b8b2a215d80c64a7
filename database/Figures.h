#pragma once

#include "database/Records.h"

#include <QString>
#include <optional>
#include <vector>

// The figures the ledgers show, each defined once over typed records and used
// by every page and total that shows it. An empty optional is a figure that
// has no sensible value (the pages show "--").

// A number as the ledger writes it with the given decimals (0 to 7), in the
// grids and in the file ("%.2f", "%.0f"): rounded half away from zero, as
// Qt's fixed-point text writes it.
double ShownNumber(double value, int decimals);

// Litres bought: amount / price, when the price is positive and the amount not negative.
std::optional<double> FuelQuantity(const LedgerRecord& filling);
// The quantity as the refuelling page's column shows it ("%.2f"), 0 where it shows "--".
double ShownFuelQuantity(const LedgerRecord& filling);
// Litres per 100 km since the previous filling: the gauge divisions used from
// the previous "after" reading to this "before" reading, in litres, over the
// distance driven. None when the gauge rose or the odometer did not advance,
// when a filling before this one was missed, or when a gauge reading it needs
// is not known (the records' marks).
std::optional<double> FuelConsumption(const LedgerRecord& previous, const LedgerRecord& filling,
                                      double litresPerDivision);
// Fuel money per kilometre: what every earlier filling cost, over this
// filling's odometer reading. None for a reading of zero or a negative sum.
std::optional<double> FuelCostPerKm(double spentBefore, const LedgerRecord& filling);
// An accessory line's cost as its column shows it: count × price, "%.2f".
double AccessoryCost(const LedgerRecord& accessory);

// What one record adds to a page total, in hundredths: totals are summed as
// whole numbers, so a total kept up to date edit by edit never drifts from
// the total of a fresh load. Amounts and prices are stored with two decimals.
qint64 Hundredths(double value);
qint64 AmountShare(const LedgerRecord& record);
qint64 FuelVolumeShare(const LedgerRecord& filling); // the quantity as shown
qint64 AccessoryCostShare(const LedgerRecord& accessory);

// A page total of record shares, kept up to date record by record.
class CRunningTotal
{
public:
    explicit CRunningTotal(qint64 (*share)(const LedgerRecord&)) : m_share(share) {}
    // Sums the shares of the records of any list indexed like a vector.
    template <class Records>
    void Reset(const Records& records)
    {
        m_sum = 0;
        for (size_t i = 0; i < records.size(); ++i)
            m_sum += m_share(records[i]);
    }
    // A record changed (both given), was added (no before) or removed (no after).
    void Replace(const LedgerRecord* before, const LedgerRecord* after);
    double Value() const { return m_sum / 100.0; }

private:
    qint64 (*m_share)(const LedgerRecord&);
    qint64 m_sum = 0;
};

// Totals over one car's records of a ledger.
double TotalAmount(const std::vector<LedgerRecord>& records);
// The refuelling page's fuel volume: the sum of the quantities as shown.
double TotalFuelVolume(const std::vector<LedgerRecord>& records);
double TotalAccessoryCost(const std::vector<LedgerRecord>& records);

// A month's date range as the ledger compares date texts: "yyyy/mm/01" to
// "yyyy/mm/31", both inclusive.
struct MonthRange
{
    QString first;
    QString last;
};
MonthRange MonthDates(int year, int month);
bool InMonth(const LedgerRecord& record, const MonthRange& month);
// The sum of a figure over the records dated in the month.
double MonthSum(const std::vector<LedgerRecord>& records, int year, int month,
                double (*figure)(const LedgerRecord&));
