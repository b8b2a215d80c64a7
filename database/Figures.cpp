#include "database/Figures.h"

#include <algorithm>
#include <cmath>

double ShownNumber(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    static constexpr double kScales[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7};
    const double scale = kScales[qBound(0, decimals, 7)];
    const double scaled = value * scale;
    if (std::fabs(scaled) < 1e12) {
        // Away from a half the product's rounding error cannot matter.
        const double error = std::fabs(scaled) * 0x1p-52 + 0x1p-60;
        const double fraction = std::fabs(scaled - std::trunc(scaled));
        if (std::fabs(fraction - 0.5) > 4 * error)
            return std::round(scaled) / scale;
    }
    return QString::number(value, 'f', decimals).toDouble();
}

std::optional<double> FuelQuantity(const LedgerRecord& filling)
{
    if (filling.price > 0 && filling.amount >= 0)
        return filling.amount / filling.price;
    return std::nullopt;
}

double ShownFuelQuantity(const LedgerRecord& filling)
{
    const std::optional<double> quantity = FuelQuantity(filling);
    return quantity ? ShownNumber(*quantity, 2) : 0.0;
}

std::optional<double> FuelConsumption(const LedgerRecord& previous, const LedgerRecord& filling,
                                      double litresPerDivision)
{
    if (HasMark(filling, RefuelMark::MissedBefore) || HasMark(filling, RefuelMark::GaugesUnknown) ||
        HasMark(previous, RefuelMark::GaugesUnknown))
        return std::nullopt;
    if (filling.fuelMeter1 <= previous.fuelMeter2 && filling.miles > previous.miles + 0.00001)
        return litresPerDivision * (previous.fuelMeter2 - filling.fuelMeter1) * 100 /
               (filling.miles - previous.miles);
    return std::nullopt;
}

std::optional<double> FuelCostPerKm(double spentBefore, const LedgerRecord& filling)
{
    if (filling.miles > 0.00001 && spentBefore >= 0)
        return spentBefore / filling.miles;
    return std::nullopt;
}

double AccessoryCost(const LedgerRecord& accessory)
{
    return ShownNumber(accessory.count * accessory.price, 2);
}

qint64 Hundredths(double value)
{
    if (!std::isfinite(value))
        return 0;
    // Far beyond any amount the ledger takes: held where the sum cannot overflow.
    return std::llround(std::clamp(value, -1e15, 1e15) * 100);
}

qint64 AmountShare(const LedgerRecord& record)
{
    return Hundredths(record.amount);
}

qint64 FuelVolumeShare(const LedgerRecord& filling)
{
    return Hundredths(ShownFuelQuantity(filling));
}

qint64 AccessoryCostShare(const LedgerRecord& accessory)
{
    return Hundredths(AccessoryCost(accessory));
}

void CRunningTotal::Replace(const LedgerRecord* before, const LedgerRecord* after)
{
    if (before)
        m_sum -= m_share(*before);
    if (after)
        m_sum += m_share(*after);
}

namespace {
double total(const std::vector<LedgerRecord>& records, qint64 (*share)(const LedgerRecord&))
{
    CRunningTotal sum(share);
    sum.Reset(records);
    return sum.Value();
}
} // namespace

double TotalAmount(const std::vector<LedgerRecord>& records)
{
    return total(records, AmountShare);
}

double TotalFuelVolume(const std::vector<LedgerRecord>& records)
{
    return total(records, FuelVolumeShare);
}

double TotalAccessoryCost(const std::vector<LedgerRecord>& records)
{
    return total(records, AccessoryCostShare);
}

MonthRange MonthDates(int year, int month)
{
    return {QString::asprintf("%04d/%02d/%02d", year, month, 1),
            QString::asprintf("%04d/%02d/%02d", year, month, 31)};
}

bool InMonth(const LedgerRecord& record, const MonthRange& month)
{
    return record.date >= month.first && record.date <= month.last;
}

double MonthSum(const std::vector<LedgerRecord>& records, int year, int month,
                double (*figure)(const LedgerRecord&))
{
    const MonthRange range = MonthDates(year, month);
    double total = 0;
    for (const auto& r : records)
        if (InMonth(r, range))
            total += figure(r);
    return total;
}
