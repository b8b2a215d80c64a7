#include "analysis/SummaryRows.h"

#include "ledgers/LedgerFormat.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace summaryrows {
namespace {

struct SummaryRow
{
    const char* label;
    bool group;
};
constexpr SummaryRow kRowsTable[kRows] = {
    {QT_TRANSLATE_NOOP("SummaryRows", "统计类别"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "车辆信息摘要"), true},
    {QT_TRANSLATE_NOOP("SummaryRows", "车辆型号"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "发动机编号"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "车牌号"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "购买日期"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "车辆运行信息"), true},
    {QT_TRANSLATE_NOOP("SummaryRows", "已使用天数"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "已行驶里程"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "已加油总量"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "全部费用统计"), true},
    {QT_TRANSLATE_NOOP("SummaryRows", "购入总价"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "加油费用"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "保养费用"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "维修费用"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "事故费用"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "汽车用品"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "日常杂费"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "费用合计"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "平均费用统计"), true},
    {QT_TRANSLATE_NOOP("SummaryRows", "每天平均费用"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "每天平均里程"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "每公里平均费用"), false},
    {QT_TRANSLATE_NOOP("SummaryRows", "百公里平均油耗"), false},
};

// A figure with its unit, or "--" where there is none (or it is no number).
QString withUnit(std::optional<double> value, int decimals, const QString& unit)
{
    if (!value || !std::isfinite(*value))
        return QStringLiteral("--");
    return FormatWithUnit(*value, decimals, unit, true);
}
QString money(std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return QStringLiteral("--");
    return MoneyText(*value);
}

} // namespace

QString Label(int row)
{
    return row >= 0 && row < kRows
               ? QCoreApplication::translate("SummaryRows", kRowsTable[row].label)
               : QString();
}

bool IsGroup(int row)
{
    return row >= 0 && row < kRows && kRowsTable[row].group;
}

std::array<QString, kRows> ValueTexts(const CARPROPERTY& car, const PURCHASEINFO& purchase,
                                      const CostTotals& totals, const SummaryFigures& f)
{
    std::array<QString, kRows> v;
    v[2] = car.carType;
    v[3] = car.motorId;
    v[4] = car.carNo;
    v[5] = purchase.buyDateText;
    v[7] = withUnit(double(f.days), 0, QCoreApplication::translate("SummaryRows", "天"));
    v[8] = withUnit(f.odometer, 0, QCoreApplication::translate("SummaryRows", "公里"));
    v[9] = withUnit(f.fuelVolume, 2, QCoreApplication::translate("SummaryRows", "升"));
    const double costs[] = {f.purchaseTotal, totals.fuelAmount, totals.maintain,  totals.repair,
                            totals.accident, totals.accessory,  totals.dailyCost, f.costTotal};
    for (int i = 0; i < 8; ++i)
        v[size_t(11 + i)] = money(costs[i]);
    v[20] = money(f.costPerDay);
    v[21] = withUnit(f.kmPerDay, 2, QCoreApplication::translate("SummaryRows", "公里/天"));
    v[22] = money(f.costPerKm);
    v[23] = withUnit(f.litresPer100Km, 2, QCoreApplication::translate("SummaryRows", "升/百公里"));
    return v;
}

} // namespace summaryrows
