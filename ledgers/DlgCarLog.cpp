#include "ledgers/DlgCarLog.h"

#include "database/Names.h"

CDlgCarLog::CDlgCarLog(QWidget* parent) : CLedgerPage(CarLogPage(), parent) {}

int CDlgCarLog::InsertRecord(int row, const QString& recordId)
{
    CarLogRecord record;
    static_cast<LedgerRecordHead&>(record) = RecordHead(row, recordId);
    record.miles = Number(row, col::Miles);
    return Database()->InsertCarLog(record);
}
