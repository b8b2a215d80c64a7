#include "ledgers/CostPage.h"

#include "database/Figures.h"
#include "ledgers/FrameState.h"

CCostPage::CCostPage(const LedgerPageInfo& info, double CostTotals::*figure, QWidget* parent)
    : CLedgerPage(info, parent), m_figure(figure)
{
}

void CCostPage::RecordsChanged(int, LedgerField field)
{
    if (field != LedgerField::None && field != LedgerField::Amount)
        return;
    const double total = TotalAmount(Records());
    if (CFrameState* frame = Frame())
        frame->m_costTotals.*m_figure = total;
    SetCaption(QString::asprintf(Info().captionFormat.toUtf8().constData(), total));
}
