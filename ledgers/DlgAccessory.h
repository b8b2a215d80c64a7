#pragma once

#include "ledgers/LedgerPage.h"

// Accessories bought: unit price times count per row, and their total.
class CDlgAccessory : public CLedgerPage
{
    Q_OBJECT
public:
    explicit CDlgAccessory(QWidget* parent = nullptr);

protected:
    void NormaliseDerived(int row, int col) override;
    void Recompute(int row, int col, bool full) override;
    int InsertRecord(int row, const QString& recordId) override;
};
