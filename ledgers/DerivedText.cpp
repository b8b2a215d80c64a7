#include "ledgers/DerivedText.h"

#include "database/Figures.h"
#include "ledgers/LedgerFormat.h"

namespace {

const QString kNone = QStringLiteral("--");

QString shown(const std::optional<double>& value, QString (*format)(double))
{
    return value ? format(*value) : kNone;
}

} // namespace

QString RefuelDerivedText(CellKind kind, const LedgerRecord* previous, const LedgerRecord& filling,
                          double spentBefore, double litresPerDivision)
{
    switch (kind) {
    case CellKind::Quantity:
        return shown(FuelQuantity(filling), QuantityText);
    case CellKind::Consumption:
        return previous
                   ? shown(FuelConsumption(*previous, filling, litresPerDivision), ConsumptionText)
                   : kNone;
    case CellKind::DerivedMoney:
        return previous ? shown(FuelCostPerKm(spentBefore, filling), MoneyText) : kNone;
    default:
        return QString();
    }
}

QString AccessoryDerivedText(const LedgerRecord& accessory)
{
    return MoneyText(AccessoryCost(accessory));
}

double LitresPerDivision(const CARPROPERTY& car)
{
    return car.fuelVolume / (car.meterRules < 1 ? 1.0 : car.meterRules);
}
