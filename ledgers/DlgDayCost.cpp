#include "ledgers/DlgDayCost.h"

CDlgDayCost::CDlgDayCost(QWidget* parent)
    : CCostPage(DailyCostPage(), &CostTotals::dailyCost, parent)
{
}

int CDlgDayCost::InsertRecord(int row, const QString& recordId)
{
    return Database()->InsertDailyCost(CostRecordOf(row, recordId));
}
