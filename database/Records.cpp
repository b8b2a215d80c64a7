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
    case LedgerField::Marks:
        return marks;
    default:
        return mark;
    }
}

const QString& LedgerRecord::Text(LedgerField field) const
{
    return const_cast<LedgerRecord*>(this)->Text(field);
}

namespace {
QLatin1String markWord(RefuelMark mark)
{
    return mark == RefuelMark::MissedBefore ? QLatin1String("missed") : QLatin1String("nogauge");
}
} // namespace

bool HasMark(const LedgerRecord& record, RefuelMark mark)
{
    return !record.marks.isEmpty() &&
           record.marks.split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(markWord(mark));
}

void SetMark(LedgerRecord& record, RefuelMark mark, bool set)
{
    QStringList words = record.marks.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    words.removeAll(markWord(mark));
    if (set)
        words << markWord(mark);
    record.marks = words.join(QLatin1Char(' '));
}

QString RecordIdText(qint64 number)
{
    return QString::number(number).rightJustified(7, QLatin1Char('0'));
}
