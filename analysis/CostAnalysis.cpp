#include "analysis/CostAnalysis.h"

#include "analysis/DlgSysSetting.h"
#include "database/MyDatabase.h"

#include <QCoreApplication>

namespace costanalysis {
namespace {

struct AnalysisText
{
    const char* selector;
    const char* title;
};
constexpr AnalysisText kAnalyses[CDlgSysSetting::AnalysisCount] = {
    {QT_TRANSLATE_NOOP("CostAnalysis", "汽车总成本分析"),
     QT_TRANSLATE_NOOP("CostAnalysis", "汽车成本分析")},
    {QT_TRANSLATE_NOOP("CostAnalysis", "费用月度汇总分析"),
     QT_TRANSLATE_NOOP("CostAnalysis", "月度总费用分析")},
    {QT_TRANSLATE_NOOP("CostAnalysis", "加油费用月度分析"),
     QT_TRANSLATE_NOOP("CostAnalysis", "油费消耗分析")},
    {QT_TRANSLATE_NOOP("CostAnalysis", "维修费用月度分析"),
     QT_TRANSLATE_NOOP("CostAnalysis", "维修费用分析")},
    {QT_TRANSLATE_NOOP("CostAnalysis", "事故费用月度分析"),
     QT_TRANSLATE_NOOP("CostAnalysis", "事故费用分析")},
    {QT_TRANSLATE_NOOP("CostAnalysis", "保养费用月度分析"),
     QT_TRANSLATE_NOOP("CostAnalysis", "保养费用分析")},
    {QT_TRANSLATE_NOOP("CostAnalysis", "杂费费用月度分析"),
     QT_TRANSLATE_NOOP("CostAnalysis", "日常费用分析")},
    {QT_TRANSLATE_NOOP("CostAnalysis", "爱车用品费用月度分析"),
     QT_TRANSLATE_NOOP("CostAnalysis", "汽车日用品费用分析")},
};

// The bar labels of January to November; a December bar is labelled with its
// year ("2025/12").
constexpr const char* kMonthLabels[11] = {
    QT_TRANSLATE_NOOP("CostAnalysis", "1月"),  QT_TRANSLATE_NOOP("CostAnalysis", "2月"),
    QT_TRANSLATE_NOOP("CostAnalysis", "3月"),  QT_TRANSLATE_NOOP("CostAnalysis", "4月"),
    QT_TRANSLATE_NOOP("CostAnalysis", "5月"),  QT_TRANSLATE_NOOP("CostAnalysis", "6月"),
    QT_TRANSLATE_NOOP("CostAnalysis", "7月"),  QT_TRANSLATE_NOOP("CostAnalysis", "8月"),
    QT_TRANSLATE_NOOP("CostAnalysis", "9月"),  QT_TRANSLATE_NOOP("CostAnalysis", "10月"),
    QT_TRANSLATE_NOOP("CostAnalysis", "11月"),
};

QString translated(const char* text)
{
    return QCoreApplication::translate("CostAnalysis", text);
}

// The colour of the n-th monthly bar (bar 1 is the latest month).
const QColor kMonthColours[12] = {
    {255, 0, 255}, {255, 255, 0},   {0, 255, 255},   {255, 0, 0},
    {0, 255, 0},   {150, 240, 80},  {128, 128, 128}, {255, 100, 255},
    {0, 0, 255},   {192, 192, 192}, {255, 200, 128}, {128, 128, 255},
};

bool known(int analysis)
{
    return analysis >= 0 && analysis < CDlgSysSetting::AnalysisCount;
}

} // namespace

QString AnalysisSelectorText(int analysis)
{
    return known(analysis) ? translated(kAnalyses[analysis].selector) : QString();
}

QString AnalysisTitle(int analysis)
{
    return known(analysis) ? translated(kAnalyses[analysis].title) : QString();
}

std::vector<LedgerKind> AnalysisKinds(int analysis)
{
    switch (analysis) {
    case CDlgSysSetting::AllMonthly:
        return {LedgerKind::Refuel,   LedgerKind::Repair,    LedgerKind::Accident,
                LedgerKind::Maintain, LedgerKind::DailyCost, LedgerKind::Accessory};
    case CDlgSysSetting::RefuelMonthly:
        return {LedgerKind::Refuel};
    case CDlgSysSetting::RepairMonthly:
        return {LedgerKind::Repair};
    case CDlgSysSetting::AccidentMonthly:
        return {LedgerKind::Accident};
    case CDlgSysSetting::MaintainMonthly:
        return {LedgerKind::Maintain};
    case CDlgSysSetting::DailyCostMonthly:
        return {LedgerKind::DailyCost};
    case CDlgSysSetting::AccessoryMonthly:
        return {LedgerKind::Accessory};
    default:
        return {};
    }
}

Expected<double> MonthValue(CMyDatabase& db, const QString& carId, int analysis, int year,
                            int month)
{
    double total = 0;
    for (const LedgerKind kind : AnalysisKinds(analysis)) {
        const Expected<double> sum = db.CostInMonth(kind, carId, year, month);
        if (!sum)
            return sum.error();
        total += *sum;
    }
    return total;
}

std::vector<BarMonth> TwelveMonths(const QDate& last)
{
    std::vector<BarMonth> months;
    int month = last.month();
    int year = last.year();
    for (int bar = 0; bar < 12; ++bar) {
        const QString label = month == 12 ? QString::asprintf("%04d/%02d", year, 12)
                                          : translated(kMonthLabels[month - 1]);
        months.push_back({year, month, label, kMonthColours[bar]});
        if (--month == 0) {
            month = 12;
            --year;
        }
    }
    return months;
}

std::vector<ChartBar> TotalCostBars(const CostTotals& totals)
{
    return {
        {translated(QT_TRANSLATE_NOOP("CostAnalysis", "加油费用")), QColor(0, 255, 0),
         totals.fuelAmount},
        {translated(QT_TRANSLATE_NOOP("CostAnalysis", "维修费用")), QColor(255, 0, 0),
         totals.repair},
        {translated(QT_TRANSLATE_NOOP("CostAnalysis", "事故费用")), QColor(100, 100, 200),
         totals.accident},
        {translated(QT_TRANSLATE_NOOP("CostAnalysis", "保养费用")), QColor(255, 255, 255),
         totals.maintain},
        {translated(QT_TRANSLATE_NOOP("CostAnalysis", "日常杂费")), QColor(200, 255, 255),
         totals.dailyCost},
        {translated(QT_TRANSLATE_NOOP("CostAnalysis", "爱车用品")), QColor(150, 240, 80),
         totals.accessory},
    };
}

} // namespace costanalysis
