#pragma once

#include "database/Figures.h"
#include "ledgers/LedgerPage.h"

// A ledger of costs (repair, maintenance, accident, daily cost, accessories):
// the caption and the cost totals record carry the page's total, re-totalled
// after every saved edit, load and deletion. What one record adds to it is the
// share function's: its amount unless the page says otherwise.
class CCostPage : public CLedgerPage
{
    Q_OBJECT
public:
    using Share = qint64 (*)(const LedgerRecord&);
    CCostPage(const LedgerPageInfo& info, double CostTotals::*figure, LedgerContext& context,
              QWidget* parent, Share share = AmountShare);

protected:
    void RecordChanged(int index, const LedgerRecord* before, const LedgerRecord* after) override;

private:
    double CostTotals::*m_figure;
    CRunningTotal m_total;
};
