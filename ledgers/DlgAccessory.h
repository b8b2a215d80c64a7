#pragma once

#include "database/Figures.h"
#include "ledgers/LedgerPage.h"

// Accessories bought: unit price times count per row, and their total.
class CDlgAccessory : public CLedgerPage
{
    Q_OBJECT
public:
    explicit CDlgAccessory(QWidget* parent = nullptr);

protected:
    QString DerivedText(int index, int col) const override;
    void RecordChanged(int index, const LedgerRecord* before, const LedgerRecord* after) override;

private:
    CRunningTotal m_total{AccessoryCostShare};
};
