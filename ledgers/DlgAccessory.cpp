#include "ledgers/DlgAccessory.h"

#include "database/Figures.h"
#include "ledgers/FrameState.h"
#include "ledgers/LedgerFormat.h"

CDlgAccessory::CDlgAccessory(QWidget* parent) : CLedgerPage(AccessoryPage(), parent) {}

QString CDlgAccessory::DerivedText(int index, int) const
{
    return index < Count() ? MoneyText(AccessoryCost(Records()[size_t(index)])) : QString();
}

void CDlgAccessory::RecordChanged(int, const LedgerRecord* before, const LedgerRecord* after)
{
    if (!before && !after)
        m_total.Reset(Records());
    else
        m_total.Replace(before, after);
    const double total = m_total.Value();
    if (CFrameState* frame = Frame())
        frame->m_costTotals.accessory = total;
    SetCaption(QString::asprintf(Info().captionFormat.toUtf8().constData(), total));
}
