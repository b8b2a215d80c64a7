#include "database/Figures.h"

#include <cmath>

double ShownNumber(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, decimals);
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

double TotalAmount(const std::vector<LedgerRecord>& records)
{
    double total = 0;
    for (const auto& r : records)
        total += r.amount;
    return total;
}

double TotalFuelVolume(const std::vector<LedgerRecord>& records)
{
    double total = 0;
    for (const auto& r : records)
        total += ShownFuelQuantity(r);
    return total;
}

double TotalAccessoryCost(const std::vector<LedgerRecord>& records)
{
    double total = 0;
    for (const auto& r : records)
        total += AccessoryCost(r);
    return total;
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
