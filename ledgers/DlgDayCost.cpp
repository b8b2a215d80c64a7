#include "ledgers/DlgDayCost.h"

CDlgDayCost::CDlgDayCost(QWidget* parent)
    : CCostPage(DailyCostPage(), &CostTotals::dailyCost, parent)
{
}
