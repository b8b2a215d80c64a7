#include "ledgers/DlgAccessory.h"

#include "database/Figures.h"
#include "ledgers/LedgerFormat.h"

CDlgAccessory::CDlgAccessory(LedgerContext& context, QWidget* parent)
    : CCostPage(AccessoryPage(), &CostTotals::accessory, context, parent, AccessoryCostShare)
{
}

QString CDlgAccessory::DerivedText(int index, int) const
{
    return index < Count() ? MoneyText(AccessoryCost(Records()[size_t(index)])) : QString();
}
