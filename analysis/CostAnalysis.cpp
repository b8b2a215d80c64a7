#include "analysis/CostAnalysis.h"

#include "analysis/DlgSysSetting.h"
#include "database/MyDatabase.h"

namespace costanalysis {
namespace {

struct AnalysisText
{
    const char16_t* selector;
    const char16_t* title;
};
constexpr AnalysisText kAnalyses[CDlgSysSetting::AnalysisCount] = {
    {u"汽车总成本分析", u"汽车成本分析"},   {u"费用月度汇总分析", u"月度总费用分析"},
    {u"加油费用月度分析", u"油费消耗分析"}, {u"维修费用月度分析", u"维修费用分析"},
    {u"事故费用月度分析", u"事故费用分析"}, {u"保养费用月度分析", u"保养费用分析"},
    {u"杂费费用月度分析", u"日常费用分析"}, {u"爱车用品费用月度分析", u"汽车日用品费用分析"},
};

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
    return known(analysis) ? QString::fromUtf16(kAnalyses[analysis].selector) : QString();
}

QString AnalysisTitle(int analysis)
{
    return known(analysis) ? QString::fromUtf16(kAnalyses[analysis].title) : QString();
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
                                          : QString::asprintf("%d月", month);
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
        {QStringLiteral("加油费用"), QColor(0, 255, 0), totals.fuelAmount},
        {QStringLiteral("维修费用"), QColor(255, 0, 0), totals.repair},
        {QStringLiteral("事故费用"), QColor(100, 100, 200), totals.accident},
        {QStringLiteral("保养费用"), QColor(255, 255, 255), totals.maintain},
        {QStringLiteral("日常杂费"), QColor(200, 255, 255), totals.dailyCost},
        {QStringLiteral("爱车用品"), QColor(150, 240, 80), totals.accessory},
    };
}

} // namespace costanalysis
