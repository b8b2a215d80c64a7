#pragma once

#include "analysis/CostAnalysis.h"
#include "database/LedgerContext.h"
#include "database/Records.h"
#include "database/StorageFault.h"
#include "database/SummaryFigures.h"
#include "ledgers/LedgerColumns.h"
#include "report/ReportRequest.h"

#include <QDateTime>
#include <QStringList>
#include <functional>
#include <vector>

class CMyDatabase;

// Reports how far a long piece of work has come; answering false cancels it.
using ReportProgress = std::function<bool(qint64 done, qint64 total)>;

// A total a ledger's table carries under one of its columns: what each record
// adds to it, in hundredths, and how the sum is written.
struct ReportTotal
{
    int column = 0;
    qint64 (*share)(const LedgerRecord&) = nullptr;
    QString (*text)(double) = nullptr;
};

// One ledger's records of the period as the ledger page shows them: its
// visible columns, their widths in the page's proportions, and the cell texts.
struct ReportSection
{
    LedgerKind kind = LedgerKind::Refuel;
    QString name;
    std::vector<LedgerColumn> columns;
    std::vector<double> widths;
    std::vector<ReportTotal> totals;
    std::vector<QStringList> rows;
    // Row by row, what the row adds to each total (rows × totals).
    std::vector<qint64> shares;

    qint64 Share(size_t row, size_t total) const { return shares[row * totals.size() + total]; }
};

// Everything a report shows, read from the ledger at one moment.
struct ReportContent
{
    ReportRequest request;
    QString carName;
    CARPROPERTY car;
    PURCHASEINFO purchase;
    bool bought = false;
    CostTotals totals;
    SummaryFigures figures;
    QDateTime madeAt;
    std::vector<ReportSection> sections;
    // The analysis page's twelve months of all costs (the latest first) and
    // its total cost by kind.
    std::vector<costanalysis::ChartBar> monthBars;
    std::vector<costanalysis::ChartBar> costBars;
    ChartOptions chart;

    qint64 RecordCount() const;
};

// Reads the car's profile, purchase and figures, and the records of the
// chosen ledgers in the period. The odometer mask hides odometer columns as
// the pages do; the chart options give the charts' grid and fill; `now` is
// the moment the figures are computed for. A cancelled read answers
// store::kStopped.
SqlStatus LoadReport(CMyDatabase& db, const ReportRequest& request, int odometerMask,
                     const ChartOptions& chart, const QDateTime& now, ReportContent& content,
                     const ReportProgress& progress = {});
