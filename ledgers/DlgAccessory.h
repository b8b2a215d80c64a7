#pragma once

#include "ledgers/LedgerPage.h"

// Accessories bought: unit price times count per row, and their total.
class CDlgAccessory : public CLedgerPage
{
    Q_OBJECT
public:
    explicit CDlgAccessory(QWidget* parent = nullptr);

protected:
    QString DerivedText(int index, int col) const override;
    void RecordsChanged(int index, LedgerField field) override;
};
