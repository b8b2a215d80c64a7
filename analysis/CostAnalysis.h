#pragma once

#include "database/Expected.h"
#include "database/LedgerKind.h"
#include "database/Records.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <vector>

class CMyDatabase;

// The cost analyses of the analysis page as values, for the page's chart and
// for anything else that draws them (the printed report): which ledgers an
// analysis adds up, a month's value, and the bars with their labels and colours.
namespace costanalysis {

// One bar of a chart: its label, colour and value.
struct ChartBar
{
    QString label;
    QColor colour;
    double value = 0;
};

// The background the analysis charts are drawn on.
inline const QColor kChartBackground(255, 255, 240);

// The selector's entry and the chart's title of an analysis (CDlgSysSetting::Analysis).
QString AnalysisSelectorText(int analysis);
QString AnalysisTitle(int analysis);

// The ledgers whose month sums a monthly analysis adds up, in the order they are added.
std::vector<LedgerKind> AnalysisKinds(int analysis);

// The month value of an analysis for the car: the sum over its ledgers of
// the amounts (accessories: count times price) dated "yyyy/mm/01" to "yyyy/mm/31".
Expected<double> MonthValue(CMyDatabase& db, const QString& carId, int analysis, int year,
                            int month);

// The months of the twelve bars, the month of `last` first and going back.
struct BarMonth
{
    int year = 0;
    int month = 0;
    QString label; // "3月", or "2025/12" for a December
    QColor colour;
};
std::vector<BarMonth> TwelveMonths(const QDate& last);

// The total-cost analysis: one bar per kind of cost, from the cost totals.
std::vector<ChartBar> TotalCostBars(const CostTotals& totals);

} // namespace costanalysis
