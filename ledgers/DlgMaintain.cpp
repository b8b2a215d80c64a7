#include "ledgers/DlgMaintain.h"

CDlgMaintain::CDlgMaintain(LedgerContext& context, QWidget* parent)
    : CCostPage(MaintainPage(), &CostTotals::maintain, context, parent)
{
}
