#include "ledgers/DlgRepair.h"

CDlgRepair::CDlgRepair(QWidget* parent) : CCostPage(RepairPage(), &CostTotals::repair, parent) {}

int CDlgRepair::InsertRecord(int row, const QString& recordId)
{
    return Database()->InsertRepair(ServiceRecordOf(row, recordId));
}
