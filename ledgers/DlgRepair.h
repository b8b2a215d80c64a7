#pragma once

#include "ledgers/CostPage.h"

// The repair ledger.
class CDlgRepair : public CCostPage
{
    Q_OBJECT
public:
    explicit CDlgRepair(LedgerContext& context, QWidget* parent = nullptr);
};
