#include "ledgers/DlgAccessory.h"

#include "ledgers/FrameState.h"
#include "database/Names.h"
#include "ledgers/LedgerFormat.h"

namespace {
enum : int
{
    Price = 4,
    Count = 5,
    Total = 6
};
}

CDlgAccessory::CDlgAccessory(QWidget* parent) : CLedgerPage(AccessoryPage(), parent) {}

void CDlgAccessory::NormaliseDerived(int row, int col)
{
    if ((col == Price || col == Count) && !Text(row, Price).isEmpty() &&
        !Text(row, Count).isEmpty())
        SetText(row, Total, MoneyText(Number(row, Count) * Number(row, Price)));
}

void CDlgAccessory::Recompute(int, int col, bool full)
{
    if (full)
        for (int i = 1; i < DataRowEnd(); ++i)
            SetText(i, Total, MoneyText(Number(i, Count) * Number(i, Price)));
    if (!full && col != Price && col != Count)
        return;
    double total = 0;
    for (int i = 1; i < DataRowEnd(); ++i)
        total += Number(i, Total);
    if (CFrameState* frame = Frame())
        frame->m_costTotals.accessory = total;
    SetCaption(QString::asprintf(Info().captionFormat.toUtf8().constData(), total));
}

int CDlgAccessory::InsertRecord(int row, const QString& recordId)
{
    AccessoryRecord record;
    static_cast<LedgerRecordHead&>(record) = RecordHead(row, recordId);
    record.miles = Number(row, col::Miles);
    record.name = Text(row, col::Name);
    record.price = Number(row, Price);
    record.count = Number(row, Count);
    record.provider = Text(row, col::Provider);
    return Database()->InsertAccessory(record);
}
