#pragma once

#include "ledgers/CostPage.h"

// Accessories bought: unit price times count per row, and their total.
class CDlgAccessory : public CCostPage
{
    Q_OBJECT
public:
    explicit CDlgAccessory(LedgerContext& context, QWidget* parent = nullptr);

protected:
    QString DerivedText(int index, int col) const override;
};
