#include "ledgers/DlgRepair.h"

CDlgRepair::CDlgRepair(QWidget* parent) : CCostPage(RepairPage(), &CostTotals::repair, parent) {}
