#pragma once

#include "ledgers/CostPage.h"

// The maintenance ledger; its service providers are remembered per car.
class CDlgMaintain : public CCostPage
{
    Q_OBJECT
public:
    explicit CDlgMaintain(LedgerContext& context, QWidget* parent = nullptr);
};
