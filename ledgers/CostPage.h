#pragma once

#include "database/Figures.h"
#include "ledgers/LedgerPage.h"

// A ledger of costs with a description (repair, maintenance, accident, daily
// cost): the caption and the cost totals record carry the page's total amount,
// re-totalled after every saved edit, load and deletion.
class CCostPage : public CLedgerPage
{
    Q_OBJECT
public:
    CCostPage(const LedgerPageInfo& info, double CostTotals::*figure, QWidget* parent);

protected:
    void RecordChanged(int index, const LedgerRecord* before, const LedgerRecord* after) override;

private:
    double CostTotals::*m_figure;
    CRunningTotal m_total{AmountShare};
};
