#include "database/Records.h"

bool IsNumberField(LedgerField field)
{
    switch (field) {
    case LedgerField::Miles:
    case LedgerField::Amount:
    case LedgerField::Price:
    case LedgerField::FuelMeter1:
    case LedgerField::FuelMeter2:
    case LedgerField::Count:
        return true;
    default:
        return false;
    }
}

double& LedgerRecord::Number(LedgerField field)
{
    switch (field) {
    case LedgerField::Amount:
        return amount;
    case LedgerField::Price:
        return price;
    case LedgerField::FuelMeter1:
        return fuelMeter1;
    case LedgerField::FuelMeter2:
        return fuelMeter2;
    case LedgerField::Count:
        return count;
    default:
        return miles;
    }
}

double LedgerRecord::Number(LedgerField field) const
{
    return const_cast<LedgerRecord*>(this)->Number(field);
}

QString& LedgerRecord::Text(LedgerField field)
{
    switch (field) {
    case LedgerField::CarId:
        return carId;
    case LedgerField::RecId:
        return recId;
    case LedgerField::Date:
        return date;
    case LedgerField::Content:
        return content;
    case LedgerField::Provider:
        return provider;
    case LedgerField::Name:
        return name;
    default:
        return mark;
    }
}

const QString& LedgerRecord::Text(LedgerField field) const
{
    return const_cast<LedgerRecord*>(this)->Text(field);
}
