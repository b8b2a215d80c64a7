#pragma once

#include "ledgers/CostPage.h"

// The accident ledger.
class CDlgAccident : public CCostPage
{
    Q_OBJECT
public:
    explicit CDlgAccident(LedgerContext& context, QWidget* parent = nullptr);
};
