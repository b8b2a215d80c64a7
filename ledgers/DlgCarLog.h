#pragma once

#include "ledgers/LedgerPage.h"

// The car log: dated notes with the odometer reading; no amounts, no total.
class CDlgCarLog : public CLedgerPage
{
    Q_OBJECT
public:
    explicit CDlgCarLog(LedgerContext& context, QWidget* parent = nullptr);

protected:
    void RecordChanged(int, const LedgerRecord*, const LedgerRecord*) override {}
};
