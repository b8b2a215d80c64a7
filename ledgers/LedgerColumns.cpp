#include "ledgers/LedgerColumns.h"

#include "database/Figures.h"
#include "database/Names.h"
#include "ledgers/LedgerFormat.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

bool IsNumericKind(CellKind kind)
{
    return kind == CellKind::Odometer || kind == CellKind::Money || kind == CellKind::Gauge ||
           kind == CellKind::Count;
}

bool IsDerivedKind(CellKind kind)
{
    return kind == CellKind::Quantity || kind == CellKind::Consumption ||
           kind == CellKind::DerivedMoney;
}

int EditDecimals(CellKind kind)
{
    return kind == CellKind::Odometer || kind == CellKind::Count ? 0 : 2;
}

QString EditText(CellKind kind, double value)
{
    const int decimals = EditDecimals(kind);
    // Money the file holds with more digits (a unit price worked out on
    // import) opens with all of them, so that confirming it changes nothing.
    if (kind == CellKind::Money && ShownNumber(value, decimals) != value) {
        QString text = FormatNumber(value, 7);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        return text;
    }
    return FormatNumber(value, decimals);
}

QString DisplayText(CellKind kind, double value)
{
    switch (kind) {
    case CellKind::Odometer:
        return OdometerText(value);
    case CellKind::Money:
    case CellKind::DerivedMoney:
        return MoneyText(value);
    case CellKind::Gauge:
        return GaugeText(value);
    case CellKind::Count:
        return FormatNumber(value, 0);
    case CellKind::Quantity:
        return QuantityText(value);
    case CellKind::Consumption:
        return ConsumptionText(value);
    default:
        return FormatNumber(value, 2);
    }
}

int LedgerPageInfo::columnOf(LedgerField field) const
{
    for (int c = 0; c < columnCount(); ++c)
        if (columns[c].field == field)
            return c;
    return -1;
}

QString FieldText(const LedgerColumn& column, const LedgerRecord& record)
{
    if (!IsNumberField(column.field))
        return record.Text(column.field);
    if (column.kind == CellKind::Label)
        return FormatNumber(record.Number(column.field), 0);
    if (column.kind == CellKind::Gauge && HasMark(record, RefuelMark::GaugesUnknown))
        return QStringLiteral("--");
    return DisplayText(column.kind, record.Number(column.field));
}

QString ShownCaption(const QString& text)
{
    return QCoreApplication::translate("LedgerColumns", text.toUtf8().constData());
}

// The names are stored with the remembered entries: they stay as written.
QString HistoryClassName(int classId)
{
    switch (classId) {
    case 1:
        return QStringLiteral("杂费消费说明");
    case 2:
        return QStringLiteral("汽车服务商");
    case 3:
        return QStringLiteral("商品提供商");
    default:
        return QString();
    }
}

namespace {

LedgerColumn rowNumber()
{
    return {QString(), LedgerField::None, CellKind::RowNumber, 0};
}
LedgerColumn date()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "日期")), LedgerField::Date,
            CellKind::Date, 0};
}
LedgerColumn odometer()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "里程表")), LedgerField::Miles,
            CellKind::Odometer, 0};
}
LedgerColumn recordId(const QString& header = QString())
{
    return {header, LedgerField::RecId, CellKind::RecordId, 0};
}

// A cost page's caption before its records are read, and its format.
struct CostCaption
{
    QString initial;
    QString format;
};

LedgerPageInfo servicePage(LedgerKind kind, const CostCaption& caption, int bit,
                           int providerHistory, LedgerWidths widths)
{
    return {kind,
            caption.initial,
            caption.format,
            bit,
            {rowNumber(),
             date(),
             odometer(),
             {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "总金额")), LedgerField::Amount,
              CellKind::Money, 0},
             {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "内容")), LedgerField::Content,
              CellKind::Text, 0},
             {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "服务商")), LedgerField::Provider,
              CellKind::Text, providerHistory},
             {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "备注")), LedgerField::Mark,
              CellKind::Text, 0},
             recordId()},
            std::move(widths)};
}

LedgerPageInfo costPage(LedgerKind kind, const CostCaption& caption, const QString& amount,
                        const QString& content, int bit, int contentHistory, LedgerWidths widths)
{
    return {kind,
            caption.initial,
            caption.format,
            bit,
            {rowNumber(),
             date(),
             odometer(),
             {amount, LedgerField::Amount, CellKind::Money, 0},
             {content, LedgerField::Content, CellKind::Text, contentHistory},
             {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "备注")), LedgerField::Mark,
              CellKind::Text, 0},
             recordId()},
            std::move(widths)};
}

} // namespace

const LedgerPageInfo& RefuelPage()
{
    static const LedgerPageInfo page{
        LedgerKind::Refuel,
        QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns",
                                         "加油记录 【合计：▲加油总量 0.00 升 ▲加油金额 0.00 元】")),
        QString(), // the refuelling caption carries two totals; the page builds it
        0,
        {rowNumber(),
         date(),
         odometer(),
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "总金额")), LedgerField::Amount,
          CellKind::Money, 0},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "单价")), LedgerField::Price,
          CellKind::Money, 0},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "加油量")), LedgerField::None,
          CellKind::Quantity, 0},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "加前油表")), LedgerField::FuelMeter1,
          CellKind::Gauge, 0},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "加后油表")), LedgerField::FuelMeter2,
          CellKind::Gauge, 0},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "油耗估算")), LedgerField::None,
          CellKind::Consumption, 0},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "成本估算")), LedgerField::None,
          CellKind::DerivedMoney, 0},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "备注")), LedgerField::Mark,
          CellKind::Text, 0},
         recordId(QStringLiteral("RecID-hiden"))},
        {{{50, 100, 75, 70, 60, 70, 80, 80, 80, 80}, 770},
         {{40, 90, 60, 60, 50, 60, 70, 70, 70, 70}, 665},
         {{40, 85, 55, 55, 45, 55, 60, 60, 60, 60}, 600},
         true}};
    return page;
}

const LedgerPageInfo& RepairPage()
{
    static const LedgerPageInfo page = servicePage(
        LedgerKind::Repair,
        {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "维修记录 【合计：▲总金额 0.00 元】")),
         QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "维修记录 【合计：▲总金额 %.2f 元】"))},
        0x01, 0,
        {{{50, 100, 75, 85, 200, 150}, 690}, {{40, 90, 60, 60, 160, 130}, 570}, {}, false});
    return page;
}

const LedgerPageInfo& MaintainPage()
{
    static const LedgerPageInfo page = servicePage(
        LedgerKind::Maintain,
        {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "保养记录 【合计：▲总金额 0.00 元】")),
         QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "保养记录 【合计：▲总金额 %.2f 元】"))},
        0x02, 2,
        {{{50, 100, 75, 80, 200, 150}, 680}, {{40, 90, 60, 70, 160, 130}, 580}, {}, false});
    return page;
}

const LedgerPageInfo& AccidentPage()
{
    static const LedgerPageInfo page = costPage(
        LedgerKind::Accident,
        {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "事故记录 【合计：▲总金额 0.00 元】")),
         QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "事故记录 【合计：▲总金额 %.2f 元】"))},
        QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "事故费用")),
        QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "事故说明")), 0x04, 0,
        {{{50, 100, 75, 85, 500}, 840}, {{40, 90, 60, 70, 300}, 590}, {}, false});
    return page;
}

const LedgerPageInfo& DailyCostPage()
{
    static const LedgerPageInfo page = costPage(
        LedgerKind::DailyCost,
        {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "日常杂费 【合计：▲总金额 0.00 元】")),
         QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "日常杂费 【合计：▲总金额 %.2f 元】"))},
        QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "消费金额")),
        QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "消费说明")), 0x08, 1,
        {{{50, 100, 75, 85, 220}, 560}, {{40, 90, 60, 70, 200}, 490}, {}, false});
    return page;
}

const LedgerPageInfo& CarLogPage()
{
    static const LedgerPageInfo page{
        LedgerKind::CarLog,
        QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "爱车日志")),
        QString(),
        0x20,
        {rowNumber(),
         date(),
         odometer(),
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "日志信息")), LedgerField::Mark,
          CellKind::Text, 0},
         recordId()},
        {{{50, 100, 75}, 255}, {{40, 90, 70}, 230}, {}, false}};
    return page;
}

const LedgerPageInfo& AccessoryPage()
{
    static const LedgerPageInfo page{
        LedgerKind::Accessory,
        QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "汽车用品 【合计：▲总金额 0.00 元】")),
        QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "汽车用品 【合计：▲总金额 %.2f 元】")),
        0x10,
        {rowNumber(),
         date(),
         odometer(),
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "商品名称")), LedgerField::Name,
          CellKind::Text, 0},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "单价")), LedgerField::Price,
          CellKind::Money, 0},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "数量")), LedgerField::Count,
          CellKind::Count, 0},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "总价")), LedgerField::None,
          CellKind::DerivedMoney, 0},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "服务商")), LedgerField::Provider,
          CellKind::Text, 3},
         {QStringLiteral(QT_TRANSLATE_NOOP("LedgerColumns", "备注")), LedgerField::Mark,
          CellKind::Text, 0},
         recordId()},
        {{{50, 100, 75, 150, 70, 55, 80, 180}, 785},
         {{40, 90, 60, 140, 55, 45, 60, 150}, 655},
         {{40, 90, 60, 100, 55, 45, 60, 100}, 575},
         true}};
    return page;
}

std::vector<int> LedgerColumnWidths(const LedgerPageInfo& page, int w, bool odometerShown)
{
    const LedgerWidths& rules = page.widths;
    const LedgerWidthClass* cls = nullptr;
    bool wide = false;
    if (w > 900) {
        cls = &rules.wide;
        wide = true;
    } else if (rules.hasNarrow) {
        cls = w > 700 ? &rules.middle : &rules.narrow;
    } else if (w > 600) {
        cls = &rules.middle;
    } else {
        return {};
    }

    std::vector<int> widths = cls->widths;
    const bool narrowClass = cls == &rules.narrow;
    int rest = narrowClass && w <= 600 ? 10 : w - cls->restMinus;
    if (!odometerShown && page.odometerBit != 0) {
        const int odometer = page.columnOf(LedgerField::Miles);
        widths[odometer] = 0;
        rest += wide ? 75 : 60;
    }
    widths.push_back(rest);
    widths.push_back(0); // the record identifier
    return widths;
}

TextWidth MeasureTextWidth(const QFont& font)
{
    return [metrics = QFontMetricsF(font)](const QString& text) {
        return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
    };
}

QString SizingSample(CellKind kind)
{
    switch (kind) {
    case CellKind::RowNumber:
        return QStringLiteral("999 *");
    case CellKind::Date:
        return QStringLiteral("2026/12/31");
    case CellKind::Odometer:
        return QStringLiteral("188888 KM");
    case CellKind::Money:
        return QStringLiteral("￥ 888.88");
    case CellKind::Gauge:
        return GaugeText(8);
    case CellKind::Count:
        return QStringLiteral("888");
    case CellKind::Quantity:
        return QuantityText(88.88);
    case CellKind::Consumption:
        return QStringLiteral("8.88  L");
    case CellKind::DerivedMoney:
        return QStringLiteral("￥ 8.88");
    case CellKind::Text:
    case CellKind::RecordId:
    case CellKind::Label:
        break;
    }
    return {};
}

std::vector<int> FitColumnsToFont(const LedgerPageInfo& page, std::vector<int> widths,
                                  const TextWidth& textWidth, int rowCount)
{
    // A cell's text lies between two 3-pixel margins and the grid line.
    constexpr int kPadding = 7;
    const int last = std::min(static_cast<int>(widths.size()), page.recordIdColumn()) - 1;
    if (last < 0 || !textWidth)
        return widths;
    const auto needed = [&](const QString& text) {
        return text.isEmpty() ? 0 : textWidth(text) + kPadding;
    };
    int growth = 0;
    for (int c = 0; c < last; ++c) {
        int& width = widths[size_t(c)];
        if (width <= 0)
            continue;
        const LedgerColumn& column = page.columns[size_t(c)];
        QString sample = SizingSample(column.kind);
        if (column.kind == CellKind::RowNumber && rowCount > 999)
            sample = QString::number(rowCount) + QStringLiteral(" *");
        const int fitted = std::max({width, needed(ShownCaption(column.header)), needed(sample)});
        growth += fitted - width;
        width = fitted;
    }
    int& rest = widths[size_t(last)];
    rest = std::max(rest - growth, needed(ShownCaption(page.columns[size_t(last)].header)));
    return widths;
}
