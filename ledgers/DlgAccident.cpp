#include "ledgers/DlgAccident.h"

CDlgAccident::CDlgAccident(QWidget* parent)
    : CCostPage(AccidentPage(), &CostTotals::accident, parent)
{
}

int CDlgAccident::InsertRecord(int row, const QString& recordId)
{
    return Database()->InsertAccident(CostRecordOf(row, recordId));
}
