#include "ledgers/DlgOil.h"

#include "database/Figures.h"
#include "database/LedgerContext.h"
#include "ledgers/DerivedText.h"
#include "ledgers/LedgerFormat.h"
#include "platform/StoreFailure.h"

namespace {
const QString kNone = QStringLiteral("--");

} // namespace

CDlgOil::CDlgOil(LedgerContext& context, QWidget* parent)
    : CLedgerPage(RefuelPage(), context, parent)
{
}

void CDlgOil::RefreshPage()
{
    if (CMyDatabase* db = Database()) {
        CARPROPERTY property;
        platform::ShowStoreFailure(db->GetCarProperty(PageCar(), property), this);
        m_tankVolume = property.fuelVolume;
        m_gaugeDivisions = property.meterRules < 1 ? 1.0 : property.meterRules;
    }
    CLedgerPage::RefreshPage();
}

double CDlgOil::spentBefore(int index) const
{
    const auto& records = Records();
    while (int(m_spent.size()) <= index)
        m_spent.push_back(m_spent.back() + records[m_spent.size() - 1].amount);
    return m_spent[size_t(index)];
}

QString CDlgOil::DerivedText(int index, int col) const
{
    const CellKind kind = Info().columns[size_t(col)].kind;
    if (index == Count()) // the new-record row: estimates start at the first row
        return index == 0 && kind != CellKind::Quantity ? kNone : QString();
    const LedgerRecord* previous = index > 0 ? &Records()[size_t(index) - 1] : nullptr;
    return RefuelDerivedText(kind, previous, Records()[size_t(index)],
                             kind == CellKind::DerivedMoney && previous ? spentBefore(index) : 0,
                             m_tankVolume / m_gaugeDivisions);
}

void CDlgOil::RecordChanged(int index, const LedgerRecord* before, const LedgerRecord* after)
{
    // Running sums up to the changed filling stay good.
    m_spent.resize(std::min(m_spent.size(), size_t(index) + 1));
    if (!before && !after) {
        m_amount.Reset(Records());
        m_volume.Reset(Records());
    } else {
        m_amount.Replace(before, after);
        m_volume.Replace(before, after);
    }
    const double amount = m_amount.Value();
    const double quantity = m_volume.Value();
    Context().m_costTotals.fuelAmount = amount;
    Context().m_costTotals.fuelVolume = quantity;
    SetCaption(QString::asprintf(
        tr("加油记录 【合计：▲加油总量 %.2f 升 ▲加油金额 %.2f 元】").toUtf8().constData(), quantity,
        amount));
}
