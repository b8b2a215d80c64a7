#include "ledgers/DlgDayCost.h"

CDlgDayCost::CDlgDayCost(LedgerContext& context, QWidget* parent)
    : CCostPage(DailyCostPage(), &CostTotals::dailyCost, context, parent)
{
}
