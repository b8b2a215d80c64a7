#include "ledgers/CostPage.h"

#include "database/Figures.h"
#include "database/LedgerContext.h"

CCostPage::CCostPage(const LedgerPageInfo& info, double CostTotals::*figure, LedgerContext& context,
                     QWidget* parent, Share share)
    : CLedgerPage(info, context, parent), m_figure(figure), m_total(share)
{
}

void CCostPage::RecordChanged(int, const LedgerRecord* before, const LedgerRecord* after)
{
    if (!before && !after)
        m_total.Reset(Records());
    else
        m_total.Replace(before, after);
    const double total = m_total.Value();
    Context().m_costTotals.*m_figure = total;
    SetCaption(QString::asprintf(ShownCaption(Info().captionFormat).toUtf8().constData(), total));
}
