#include "ledgers/DlgMaintain.h"

CDlgMaintain::CDlgMaintain(QWidget* parent)
    : CCostPage(MaintainPage(), &CostTotals::maintain, parent)
{
}

int CDlgMaintain::InsertRecord(int row, const QString& recordId)
{
    return Database()->InsertMaintain(ServiceRecordOf(row, recordId));
}
