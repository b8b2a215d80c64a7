#include "csv/CsvLedgers.h"

#include "database/Names.h"
#include "ledgers/LedgerFormat.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <charconv>
#include <cmath>

namespace {

// The captions of our files with the English the interface shows for them
// (the catalogue's translations of the context "CsvCaptions"): an import
// reads a file captioned either way.
struct EnglishCaption
{
    const char* ours;
    const char* english;
};
const EnglishCaption kEnglishCaptions[] = {
    {QT_TRANSLATE_NOOP("CsvCaptions", "日期"), "Date"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "里程表"), "Odometer"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "总金额"), "Amount"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "单价"), "Price"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "加油量"), "Litres"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "加前油表"), "Gauge before"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "加后油表"), "Gauge after"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "油耗估算"), "Est. consumption"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "成本估算"), "Est. cost/km"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "备注"), "Note"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "内容"), "Content"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "服务商"), "Provider"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "事故费用"), "Accident cost"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "事故说明"), "Description"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "消费金额"), "Amount"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "消费说明"), "Description"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "日志信息"), "Log entry"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "商品名称"), "Item"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "数量"), "Quantity"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "总价"), "Total"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "车辆"), "Car"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "记录类型"), "Record type"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "加油记录"), "Refuelling"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "维修记录"), "Repairs"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "保养记录"), "Maintenance"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "事故记录"), "Accidents"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "日常杂费"), "Daily costs"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "汽车用品"), "Accessories"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "爱车日志"), "Car log"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "当前车辆"), "Current car"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "汽车制造商"), "Manufacturer"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "汽车型号"), "Model"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "汽车识别代码(VIN)"), "VIN"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "车身颜色"), "Body colour"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "发动机编号"), "Engine number"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "发动机排量"), "Engine size"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "汽车牌照"), "Number plate"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "使用燃油标识"), "Fuel grade"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "油箱容积(升)"), "Tank capacity (L)"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "油表量程(格)"), "Fuel gauge divisions"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "当前里程(KM)"), "Current odometer (km)"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "购买日期"), "Purchase date"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "购买时里程(KM)"), "Odometer at purchase (km)"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "裸车总价格"), "Car price"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "购置税"), "Purchase tax"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "首次保险费用总计"), "First insurance total"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "上牌费"), "Registration fee"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "保险公司"), "Insurer"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "主要内容摘要"), "Cover summary"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "保险联系信息"), "Insurer contact"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "贷款银行"), "Lender"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "贷款总金额"), "Loan amount"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "贷款年限"), "Loan term (years)"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "还贷总利息"), "Total interest"},
    {QT_TRANSLATE_NOOP("CsvCaptions", "贷款联系信息"), "Lender contact"},
};

} // namespace

QString ShownFileCaption(const QString& caption)
{
    return QCoreApplication::translate("CsvCaptions", caption.toUtf8().constData());
}

QStringList CaptionsFromEnglish(const QString& caption)
{
    QStringList ours;
    const QString wanted = caption.trimmed();
    for (const EnglishCaption& c : kEnglishCaptions)
        if (wanted.compare(QLatin1String(c.english), Qt::CaseInsensitive) == 0)
            ours << QString::fromUtf8(c.ours);
    return ours;
}

const std::vector<LedgerKindInfo>& LedgerKinds()
{
    static const std::vector<LedgerKindInfo> kinds = {
        {LedgerKind::Refuel, "refuel", QStringLiteral("加油记录"), RefuelPage},
        {LedgerKind::Repair, "repair", QStringLiteral("维修记录"), RepairPage},
        {LedgerKind::Maintain, "maintain", QStringLiteral("保养记录"), MaintainPage},
        {LedgerKind::Accident, "accident", QStringLiteral("事故记录"), AccidentPage},
        {LedgerKind::DailyCost, "dailycost", QStringLiteral("日常杂费"), DailyCostPage},
        {LedgerKind::Accessory, "accessory", QStringLiteral("汽车用品"), AccessoryPage},
        {LedgerKind::CarLog, "carlog", QStringLiteral("爱车日志"), CarLogPage},
    };
    return kinds;
}

const LedgerKindInfo& InfoOf(LedgerKind kind)
{
    return LedgerKinds()[static_cast<size_t>(kind)];
}

const LedgerKindInfo* FindLedgerKind(const QString& keyOrName)
{
    const QString wanted = keyOrName.trimmed();
    for (const auto& info : LedgerKinds())
        if (wanted.compare(QLatin1String(info.key), Qt::CaseInsensitive) == 0 ||
            wanted == info.name || CaptionsFromEnglish(wanted).contains(info.name))
            return &info;
    return nullptr;
}

const std::vector<LedgerColumn>& ExportColumns(LedgerKind kind)
{
    static const auto all = [] {
        std::array<std::vector<LedgerColumn>, kLedgerKinds.size()> columns;
        for (LedgerKind ledger : kLedgerKinds)
            for (const LedgerColumn& column : InfoOf(ledger).page().columns)
                if (column.kind != CellKind::RowNumber && column.kind != CellKind::RecordId)
                    columns[size_t(ledger)].push_back(column);
        return columns;
    }();
    return all.at(size_t(kind));
}

QStringList LedgerFileHeader(LedgerKind kind)
{
    QStringList header;
    for (const LedgerColumn& column : ExportColumns(kind))
        header << column.header;
    header << kCarColumn << kLedgerColumn;
    return header;
}

QString PlainNumber(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0");
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return QString::fromLatin1(text, result.ptr - text);
}

std::optional<QDate> ReadIsoDate(const QString& cell)
{
    // Most cells are plain ASCII "2024/01/31": read without the pattern.
    QStringView text = QStringView(cell).trimmed();
    int parts[3] = {};
    int part = 0, digits = 0;
    bool plain = text.size() >= 8;
    for (qsizetype i = 0; plain && i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            parts[part] = parts[part] * 10 + (c - u'0');
            plain = ++digits <= (part == 0 ? 4 : 2);
        } else {
            plain = (c == u'-' || c == u'/' || c == u'.') && part < 2 &&
                    digits == (part == 0 ? 4 : digits) && digits > 0;
            ++part;
            digits = 0;
        }
    }
    if (plain && part == 2 && digits > 0) {
        const QDate date(parts[0], parts[1], parts[2]);
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{4})[-/.](\\d{1,2})[-/.](\\d{1,2})\\s*$"));
    const auto match = pattern.match(cell);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString StoredDate(const QDate& date)
{
    return DateText(date);
}

QString IsoDateText(const QString& storedDate)
{
    const std::optional<QDate> date = ReadIsoDate(storedDate);
    return date ? date->toString(QStringLiteral("yyyy-MM-dd")) : storedDate;
}

const std::vector<CarFileColumn>& CarFileColumns()
{
    using K = CarFileColumn;
    static const std::vector<CarFileColumn> columns = {
        {kCarColumn, tbl::CarList, col::Name, K::Text},
        {kCurrentCarColumn, tbl::CarList, col::Used, K::Current},
        {QStringLiteral("汽车制造商"), tbl::CarProperty, col::Manufacture, K::Text},
        {QStringLiteral("汽车型号"), tbl::CarProperty, col::CarType, K::Text},
        {QStringLiteral("汽车识别代码(VIN)"), tbl::CarProperty, col::VIN, K::Text},
        {QStringLiteral("车身颜色"), tbl::CarProperty, col::BodyColor, K::Text},
        {QStringLiteral("发动机编号"), tbl::CarProperty, col::MotorID, K::Text},
        {QStringLiteral("发动机排量"), tbl::CarProperty, col::Emission, K::Text},
        {QStringLiteral("汽车牌照"), tbl::CarProperty, col::CarNo, K::Text},
        {QStringLiteral("使用燃油标识"), tbl::CarProperty, col::FuelType, K::Text},
        {QStringLiteral("油箱容积(升)"), tbl::CarProperty, col::FuelVolume, K::Number},
        {QStringLiteral("油表量程(格)"), tbl::CarProperty, col::MeterRules, K::Number},
        {QStringLiteral("当前里程(KM)"), tbl::CarProperty, col::CurMiles, K::Number},
        {QStringLiteral("购买日期"), tbl::PurchaseInfo, col::BuyDate, K::Date},
        {QStringLiteral("购买时里程(KM)"), tbl::PurchaseInfo, col::BuyMiles, K::Number},
        {QStringLiteral("裸车总价格"), tbl::PurchaseInfo, col::CarPrice, K::Number},
        {QStringLiteral("购置税"), tbl::PurchaseInfo, col::CarTax, K::Number},
        {QStringLiteral("首次保险费用总计"), tbl::PurchaseInfo, col::InsuAmount, K::Number},
        {QStringLiteral("上牌费"), tbl::PurchaseInfo, col::CarLicense, K::Number},
        {QStringLiteral("保险公司"), tbl::PurchaseInfo, col::InsuCompany, K::Text},
        {QStringLiteral("主要内容摘要"), tbl::PurchaseInfo, col::InsuNote, K::Text},
        {QStringLiteral("保险联系信息"), tbl::PurchaseInfo, col::InsuTouchInfo, K::Text},
        {QStringLiteral("贷款银行"), tbl::PurchaseInfo, col::LoanBank, K::Text},
        {QStringLiteral("贷款总金额"), tbl::PurchaseInfo, col::LoanAmount, K::Number},
        {QStringLiteral("贷款年限"), tbl::PurchaseInfo, col::LoanYears, K::Number},
        {QStringLiteral("还贷总利息"), tbl::PurchaseInfo, col::LoanInterest, K::Number},
        {QStringLiteral("贷款联系信息"), tbl::PurchaseInfo, col::LoanTouchInfo, K::Text},
    };
    return columns;
}

QStringList CarFileHeader()
{
    QStringList header;
    for (const auto& column : CarFileColumns())
        header << column.header;
    return header;
}
