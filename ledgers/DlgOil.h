#pragma once

#include "ledgers/LedgerPage.h"

// The refuelling ledger: per filling the quantity bought, and estimates of the
// consumption since the previous filling and of the fuel cost per kilometre.
class CDlgOil : public CLedgerPage
{
    Q_OBJECT
public:
    explicit CDlgOil(QWidget* parent = nullptr);

    void RefreshPage() override;
    double TankVolume() const { return m_tankVolume; }
    double GaugeDivisions() const { return m_gaugeDivisions; }

protected:
    void NormaliseDerived(int row, int col) override;
    void Recompute(int row, int col, bool full) override;
    int InsertRecord(int row, const QString& recordId) override;

private:
    // "40.00 升" for amount / price, "--" when there is no sensible quantity.
    QString quantityText(int row) const;

    double m_tankVolume = 1.0;
    double m_gaugeDivisions = 1.0;
};
