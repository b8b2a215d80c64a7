#include "ledgers/DlgRepair.h"

CDlgRepair::CDlgRepair(LedgerContext& context, QWidget* parent)
    : CCostPage(RepairPage(), &CostTotals::repair, context, parent)
{
}
