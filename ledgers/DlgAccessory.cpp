#include "ledgers/DlgAccessory.h"

#include "database/Figures.h"
#include "ledgers/FrameState.h"
#include "ledgers/LedgerFormat.h"

CDlgAccessory::CDlgAccessory(QWidget* parent) : CLedgerPage(AccessoryPage(), parent) {}

QString CDlgAccessory::DerivedText(int index, int) const
{
    return index < Count() ? MoneyText(AccessoryCost(Records()[size_t(index)])) : QString();
}

void CDlgAccessory::RecordsChanged(int, LedgerField field)
{
    if (field != LedgerField::None && field != LedgerField::Price && field != LedgerField::Count)
        return;
    const double total = TotalAccessoryCost(Records());
    if (CFrameState* frame = Frame())
        frame->m_costTotals.accessory = total;
    SetCaption(QString::asprintf(Info().captionFormat.toUtf8().constData(), total));
}
