#include "ledgers/DlgMaintain.h"

CDlgMaintain::CDlgMaintain(QWidget* parent)
    : CCostPage(MaintainPage(), &CostTotals::maintain, parent)
{
}
