#include "ledgers/CostPage.h"

#include "controls/GridCtrl.h"
#include "ledgers/FrameState.h"
#include "database/Names.h"

CCostPage::CCostPage(const LedgerPageInfo& info, double CostTotals::*figure, QWidget* parent)
    : CLedgerPage(info, parent), m_figure(figure)
{
}

void CCostPage::Recompute(int, int, bool)
{
    double total = 0;
    for (int i = 1; i < DataRowEnd(); ++i)
        total += Number(i, col::Amount);
    if (CFrameState* frame = Frame())
        frame->m_costTotals.*m_figure = total;
    SetCaption(QString::asprintf(Info().captionFormat.toUtf8().constData(), total));
}

ServiceRecord CCostPage::ServiceRecordOf(int row, const QString& recordId) const
{
    ServiceRecord record;
    static_cast<LedgerRecordHead&>(record) = RecordHead(row, recordId);
    record.miles = Number(row, col::Miles);
    record.amount = Number(row, col::Amount);
    record.content = Text(row, col::Content);
    record.provider = Text(row, col::Provider);
    return record;
}

CostRecord CCostPage::CostRecordOf(int row, const QString& recordId) const
{
    CostRecord record;
    static_cast<LedgerRecordHead&>(record) = RecordHead(row, recordId);
    record.miles = Number(row, col::Miles);
    record.amount = Number(row, col::Amount);
    record.content = Text(row, col::Content);
    return record;
}
