#include "report/ReportContent.h"

#include "analysis/DlgSysSetting.h"
#include "csv/CsvLedgers.h"
#include "database/Figures.h"
#include "database/MyDatabase.h"
#include "ledgers/DerivedText.h"
#include "ledgers/LedgerFormat.h"

#include <algorithm>

namespace {

// The totals a ledger's caption names, under the columns that show them.
std::vector<ReportTotal> totalsOf(const ReportSection& section)
{
    auto columnOf = [&section](CellKind kind, LedgerField field) {
        for (size_t c = 0; c < section.columns.size(); ++c)
            if (section.columns[c].kind == kind && section.columns[c].field == field)
                return int(c);
        return -1;
    };
    std::vector<ReportTotal> totals;
    switch (section.kind) {
    case LedgerKind::Refuel:
        totals.push_back({columnOf(CellKind::Money, LedgerField::Amount), AmountShare, MoneyText});
        totals.push_back(
            {columnOf(CellKind::Quantity, LedgerField::None), FuelVolumeShare, QuantityText});
        break;
    case LedgerKind::Accessory:
        totals.push_back(
            {columnOf(CellKind::DerivedMoney, LedgerField::None), AccessoryCostShare, MoneyText});
        break;
    case LedgerKind::CarLog:
    case LedgerKind::InputHistory:
        break;
    default:
        totals.push_back({columnOf(CellKind::Money, LedgerField::Amount), AmountShare, MoneyText});
    }
    return totals;
}

ReportSection sectionOf(LedgerKind kind, int odometerMask)
{
    const LedgerKindInfo& info = InfoOf(kind);
    const LedgerPageInfo& page = info.page();
    const bool odometerShown = page.odometerBit == 0 || (odometerMask & page.odometerBit) != 0;
    // The page's proportions on a wide screen.
    const std::vector<int> widths = LedgerColumnWidths(page, 1000, odometerShown);
    ReportSection section;
    section.kind = kind;
    section.name = info.shownName();
    for (size_t c = 0; c < page.columns.size(); ++c) {
        const LedgerColumn& column = page.columns[c];
        if (column.kind == CellKind::RecordId || c >= widths.size() || widths[c] <= 0)
            continue;
        section.columns.push_back(column);
        section.columns.back().header = ShownCaption(column.header); // as the page heads it
        section.widths.push_back(widths[c]);
    }
    section.totals = totalsOf(section);
    return section;
}

} // namespace

qint64 ReportContent::RecordCount() const
{
    qint64 count = 0;
    for (const ReportSection& section : sections)
        count += qint64(section.rows.size());
    return count;
}

SqlStatus LoadReport(CMyDatabase& db, const ReportRequest& request, int odometerMask,
                     const ChartOptions& chart, const QDateTime& now, ReportContent& content,
                     const ReportProgress& progress)
{
    content = ReportContent();
    content.request = request;
    content.madeAt = now;
    content.chart = chart;
    const QString& carId = request.carId;

    const Expected<std::vector<CARLIST>> cars = db.GetCarList();
    if (!cars)
        return cars.error();
    for (const CARLIST& car : *cars)
        if (car.carId.trimmed() == carId.trimmed())
            content.carName = car.name.trimmed();
    if (SqlStatus read = db.GetCarProperty(carId, content.car); !read.ok())
        return read;
    if (const Expected<bool> bought = db.HasCarRow(CarTable::Purchase, carId); !bought)
        return bought.error();
    else if (*bought) {
        if (SqlStatus read = db.GetPurchaseInfo(carId, content.purchase); !read.ok())
            return read;
        content.bought = true;
    }
    if (SqlStatus read = db.LoadCostTotals(carId, content.totals); !read.ok())
        return read;
    content.figures = ComputeSummary(content.car, content.bought ? &content.purchase : nullptr,
                                     content.totals, now.toSecsSinceEpoch());

    // The chosen ledgers in the navigation's order, each once.
    std::vector<LedgerKind> kinds;
    for (LedgerKind kind : kLedgerKinds)
        if (std::find(request.ledgers.begin(), request.ledgers.end(), kind) !=
            request.ledgers.end())
            kinds.push_back(kind);

    const double perDivision = LitresPerDivision(content.car);
    std::vector<LedgerRecord> records;
    for (size_t k = 0; k < kinds.size(); ++k) {
        if (progress && !progress(qint64(k), qint64(kinds.size())))
            return {store::kStopped, QStringLiteral("cancelled")};
        ReportSection section = sectionOf(kinds[k], odometerMask);
        if (SqlStatus read = db.LoadRecords(section.kind, carId, records); !read.ok())
            return read;
        double spent = 0;
        for (size_t i = 0; i < records.size(); ++i) {
            const LedgerRecord& r = records[i];
            const LedgerRecord* previous = i > 0 ? &records[i - 1] : nullptr;
            if (request.InPeriod(r.date)) {
                QStringList cells;
                cells.reserve(qsizetype(section.columns.size()));
                for (const LedgerColumn& column : section.columns) {
                    if (column.kind == CellKind::RowNumber)
                        cells << QString::number(i + 1); // the page's row number
                    else if (section.kind == LedgerKind::Accessory &&
                             column.kind == CellKind::DerivedMoney)
                        cells << AccessoryDerivedText(r);
                    else if (IsDerivedKind(column.kind))
                        cells << RefuelDerivedText(column.kind, previous, r, spent, perDivision);
                    else
                        cells << FieldText(column, r);
                }
                section.rows.push_back(std::move(cells));
                for (const ReportTotal& total : section.totals)
                    section.shares.push_back(total.share(r));
            }
            spent += r.amount;
        }
        content.sections.push_back(std::move(section));
    }
    records = {};

    // The charts end with the period's last month, or this month.
    QDate last = now.date();
    if (request.to.isValid() && request.to < last)
        last = request.to;
    for (const costanalysis::BarMonth& month : costanalysis::TwelveMonths(last)) {
        const Expected<double> value = costanalysis::MonthValue(
            db, carId, CDlgSysSetting::AllMonthly, month.year, month.month);
        if (!value)
            return value.error();
        content.monthBars.push_back({month.label, month.colour, *value});
    }
    content.costBars = costanalysis::TotalCostBars(content.totals);
    return {};
}
