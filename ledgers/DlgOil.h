#pragma once

#include "database/Figures.h"
#include "ledgers/LedgerPage.h"

#include <vector>

// The refuelling ledger: per filling the quantity bought, and estimates of the
// consumption since the previous filling and of the fuel cost per kilometre.
class CDlgOil : public CLedgerPage
{
    Q_OBJECT
public:
    explicit CDlgOil(LedgerContext& context, QWidget* parent = nullptr);

    void RefreshPage() override;
    double TankVolume() const { return m_tankVolume; }
    double GaugeDivisions() const { return m_gaugeDivisions; }

protected:
    QString DerivedText(int index, int col) const override;
    void RecordChanged(int index, const LedgerRecord* before, const LedgerRecord* after) override;

private:
    // What the fillings before the one at index cost, from running sums kept
    // up to the last index asked for.
    double spentBefore(int index) const;

    double m_tankVolume = 1.0;
    double m_gaugeDivisions = 1.0;
    mutable std::vector<double> m_spent{0.0};
    CRunningTotal m_amount{AmountShare};
    CRunningTotal m_volume{FuelVolumeShare};
};
