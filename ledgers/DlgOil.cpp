#include "ledgers/DlgOil.h"

#include "controls/GridCtrl.h"
#include "ledgers/FrameState.h"
#include "ledgers/LedgerFormat.h"

#include <algorithm>

namespace {
// Columns of the refuelling grid.
enum : int
{
    Odometer = 2,
    Amount = 3,
    Price = 4,
    Quantity = 5,
    GaugeBefore = 6,
    GaugeAfter = 7,
    Consumption = 8,
    CostPerKm = 9,
};
const QString kNone = QStringLiteral("--");
} // namespace

CDlgOil::CDlgOil(QWidget* parent) : CLedgerPage(RefuelPage(), parent) {}

void CDlgOil::RefreshPage()
{
    if (CMyDatabase* db = Database()) {
        CARPROPERTY property;
        db->GetCarProperty(PageCar(), property);
        m_tankVolume = property.fuelVolume;
        m_gaugeDivisions = property.meterRules < 1 ? 1.0 : property.meterRules;
    }
    CLedgerPage::RefreshPage();
}

QString CDlgOil::quantityText(int row) const
{
    const double price = Number(row, Price);
    const double amount = Number(row, Amount);
    return price > 0 && amount >= 0 ? QuantityText(amount / price) : kNone;
}

void CDlgOil::NormaliseDerived(int row, int col)
{
    if ((col == Amount || col == Price) && !Text(row, Amount).isEmpty() &&
        !Text(row, Price).isEmpty())
        SetText(row, Quantity, quantityText(row));
}

void CDlgOil::Recompute(int row, int col, bool full)
{
    const int n = m_grid->GetRowCount();
    if (n < 2)
        return;
    const int lastData = n - 2;

    if (full && n >= 3)
        for (int i = 1; i <= lastData; ++i)
            SetText(i, Quantity, quantityText(i));

    if (full || col == Amount || col == Price) {
        double amount = 0, quantity = 0;
        for (int i = 1; i <= lastData; ++i) {
            amount += Number(i, Amount);
            quantity += Number(i, Quantity);
        }
        if (CFrameState* frame = Frame()) {
            frame->m_costTotals.fuelAmount = amount;
            frame->m_costTotals.fuelVolume = quantity;
        }
        SetCaption(QString::asprintf("加油记录 【合计：▲加油总量 %.2f 升 ▲加油金额 %.2f 元】",
                                     quantity, amount));
    }

    if (full || col == Odometer || col == GaugeBefore || col == GaugeAfter) {
        if (full)
            SetText(1, Consumption, kNone);
        const double litresPerDivision = m_tankVolume / m_gaugeDivisions;
        for (int m = full ? 2 : std::max(row, 2); m <= lastData; ++m) {
            const double before = Number(m, GaugeBefore);
            const double previousAfter = Number(m - 1, GaugeAfter);
            const double reading = Number(m, Odometer);
            const double previousReading = Number(m - 1, Odometer);
            if (before <= previousAfter && reading > previousReading + 0.00001)
                SetText(m, Consumption,
                        ConsumptionText(litresPerDivision * (previousAfter - before) * 100 /
                                        (reading - previousReading)));
            else
                SetText(m, Consumption, kNone);
        }
    }

    if (full || col == Odometer || col == Amount) {
        if (full)
            SetText(1, CostPerKm, kNone);
        const int start = full ? 2 : std::max(row, 2);
        // Money spent on every earlier filling, kept as a running sum.
        double spent = 0;
        for (int i = 1; i < start; ++i)
            spent += Number(i, Amount);
        for (int t = start; t <= lastData; ++t) {
            const double reading = Number(t, Odometer);
            SetText(t, CostPerKm,
                    reading > 0.00001 && spent >= 0 ? MoneyText(spent / reading) : kNone);
            spent += Number(t, Amount);
        }
    }
}

int CDlgOil::InsertRecord(int row, const QString& recordId)
{
    RefuelRecord record;
    static_cast<LedgerRecordHead&>(record) = RecordHead(row, recordId);
    record.miles = Number(row, Odometer);
    record.amount = Number(row, Amount);
    record.price = Number(row, Price);
    record.fuelMeter1 = Number(row, GaugeBefore);
    record.fuelMeter2 = Number(row, GaugeAfter);
    return Database()->InsertRefuel(record);
}
