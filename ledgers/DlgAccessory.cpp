#include "ledgers/DlgAccessory.h"

#include "database/Figures.h"
#include "ledgers/DerivedText.h"

CDlgAccessory::CDlgAccessory(LedgerContext& context, QWidget* parent)
    : CCostPage(AccessoryPage(), &CostTotals::accessory, context, parent, AccessoryCostShare)
{
}

QString CDlgAccessory::DerivedText(int index, int) const
{
    return index < Count() ? AccessoryDerivedText(Records()[size_t(index)]) : QString();
}
