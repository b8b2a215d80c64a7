#pragma once

#include "ledgers/CostPage.h"

// The daily-cost ledger; its descriptions are remembered per car.
class CDlgDayCost : public CCostPage
{
    Q_OBJECT
public:
    explicit CDlgDayCost(LedgerContext& context, QWidget* parent = nullptr);
};
