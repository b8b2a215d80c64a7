#include "csv/ImportFormats.h"

#include "csv/CsvReader.h"
#include "csv/CsvWriter.h"
#include "database/Names.h"
#include "ledgers/LedgerFormat.h"

#include <QHash>
#include <cmath>

namespace {

// --- cells ---------------------------------------------------------------------------

// A number cell as a person or a spreadsheet writes it ("12,345", "￥5.5",
// full-width digits); an empty cell is 0. False, with the reason, for a cell
// without a number or one far beyond any amount.
bool readNumber(const QString& cell, const QString& caption, double& value, QString& problem)
{
    const QString text = cell.trimmed();
    value = 0;
    if (text.isEmpty())
        return true;
    const QString folded = text.normalized(QString::NormalizationForm_KC);
    if (std::none_of(folded.begin(), folded.end(), [](QChar c) { return c.isDigit(); })) {
        problem = QStringLiteral("“%1”一栏的“%2”不是数字").arg(caption, cell);
        return false;
    }
    const TypedNumber number = ReadTypedNumber(text);
    if (number.outOfRange) {
        problem = QStringLiteral("“%1”一栏的“%2”大得不合理").arg(caption, cell);
        return false;
    }
    value = number.value;
    return true;
}

bool readDate(const QString& cell, QDate& date, QString& problem)
{
    const std::optional<QDate> day = ReadIsoDate(cell);
    if (day) {
        date = *day;
        return true;
    }
    problem = cell.trimmed().isEmpty()
                  ? QStringLiteral("没有日期")
                  : QStringLiteral("日期“%1”不存在或看不懂（应写成 2024-01-31）").arg(cell);
    return false;
}

// Numbers that are possible but hardly right: shown in the preview.
void flagNumbers(ImportRow& row)
{
    const LedgerPageInfo& page = InfoOf(row.ledger).page();
    for (const LedgerColumn& column : page.columns) {
        if (!IsNumberField(column.field))
            continue;
        const double value = row.record.Number(column.field);
        double limit = 1e6;
        switch (column.field) {
        case LedgerField::Miles:
            limit = 2e6;
            break;
        case LedgerField::Price:
            limit = row.ledger == LedgerKind::Refuel ? 100 : 1e6;
            break;
        case LedgerField::FuelMeter1:
        case LedgerField::FuelMeter2:
            limit = 100;
            break;
        case LedgerField::Count:
            limit = 1e4;
            break;
        default:
            break;
        }
        if (value < 0)
            row.flags << QStringLiteral("%1是负数（%2）").arg(column.header, PlainNumber(value));
        else if (value > limit)
            row.flags
                << QStringLiteral("%1大得不合理（%2）").arg(column.header, PlainNumber(value));
    }
}

bool allEmpty(const QStringList& fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString& f) { return f.trimmed().isEmpty(); });
}

// The index of each header cell, by its trimmed text.
QHash<QString, int> headerIndex(const QStringList& header)
{
    QHash<QString, int> index;
    for (int i = 0; i < header.size(); ++i)
        index.insert(header[i].trimmed(), i);
    return index;
}

// A record's fields against its header: false (and a problem) when the
// record is malformed or has too many or too few fields.
bool wellFormed(int source, const CsvRecord& record, int headerSize, ImportPlan& plan)
{
    if (!record.defect.isEmpty()) {
        plan.rejected.push_back({source, record.line, record.defect});
        return false;
    }
    if (record.fields.size() != headerSize) {
        plan.rejected.push_back({source, record.line,
                                 QStringLiteral("这一行有 %1 个字段，标题行有 %2 个")
                                     .arg(record.fields.size())
                                     .arg(headerSize)});
        return false;
    }
    return true;
}

// --- our own files ------------------------------------------------------------------

void readOwnLedgerFile(int source, const std::vector<CsvRecord>& records,
                       const ImportOptions& options, ImportPlan& plan)
{
    const QStringList& header = records.front().fields;
    const QHash<QString, int> index = headerIndex(header);
    const int carColumn = index.value(kCarColumn, -1);
    const int ledgerColumn = index.value(kLedgerColumn, -1);
    plan.sources[size_t(source)].format = QStringLiteral("Orvyn 导出的记录");
    if (options.ledger)
        plan.notes << QStringLiteral("%1 写明了每条记录的类型，按文件里的类型导入。")
                          .arg(plan.sourceName(source));
    QSet<QString> missing;
    for (size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        if (allEmpty(record.fields) || !wellFormed(source, record, int(header.size()), plan))
            continue;
        const QString kindText = record.fields[ledgerColumn].trimmed();
        const LedgerKindInfo* kind = FindLedgerKind(kindText);
        if (!kind) {
            plan.rejected.push_back(
                {source, record.line, QStringLiteral("记录类型“%1”无法识别").arg(kindText)});
            continue;
        }
        ImportRow row;
        row.source = source;
        row.line = record.line;
        row.ledger = kind->kind;
        if (carColumn >= 0)
            row.car = FromSpreadsheetSafeText(record.fields[carColumn]).trimmed();
        QString problem;
        for (const LedgerColumn& column : ExportColumns(kind->kind)) {
            if (column.field == LedgerField::None)
                continue; // derived: the ledger computes it again
            const int c = index.value(column.header, -1);
            if (c < 0) {
                missing.insert(column.header);
                if (column.field != LedgerField::Date)
                    continue;
            }
            const QString cell = c < 0 ? QString() : record.fields[c];
            if (column.field == LedgerField::Date) {
                QDate date;
                if (!readDate(cell, date, problem))
                    break;
                row.record.date = StoredDate(date);
            } else if (IsNumberField(column.field)) {
                if (!readNumber(cell, column.header, row.record.Number(column.field), problem))
                    break;
            } else {
                row.record.Text(column.field) = FromSpreadsheetSafeText(cell);
            }
        }
        if (!problem.isEmpty()) {
            plan.rejected.push_back({source, record.line, problem});
            continue;
        }
        flagNumbers(row);
        plan.rows.push_back(std::move(row));
    }
    for (const QString& caption : missing)
        plan.notes << QStringLiteral("%1 没有“%2”一栏，这一栏按空白导入。")
                          .arg(plan.sourceName(source), caption);
}

QString* propertyText(CARPROPERTY& p, const char* column)
{
    const QLatin1String c(column);
    if (c == QLatin1String(col::Manufacture))
        return &p.manufacture;
    if (c == QLatin1String(col::CarType))
        return &p.carType;
    if (c == QLatin1String(col::VIN))
        return &p.vin;
    if (c == QLatin1String(col::BodyColor))
        return &p.bodyColor;
    if (c == QLatin1String(col::MotorID))
        return &p.motorId;
    if (c == QLatin1String(col::Emission))
        return &p.emission;
    if (c == QLatin1String(col::CarNo))
        return &p.carNo;
    if (c == QLatin1String(col::FuelType))
        return &p.fuelType;
    return nullptr;
}
double* propertyNumber(CARPROPERTY& p, const char* column)
{
    const QLatin1String c(column);
    if (c == QLatin1String(col::FuelVolume))
        return &p.fuelVolume;
    if (c == QLatin1String(col::MeterRules))
        return &p.meterRules;
    if (c == QLatin1String(col::CurMiles))
        return &p.curMiles;
    return nullptr;
}
QString* purchaseText(PURCHASEINFO& p, const char* column)
{
    const QLatin1String c(column);
    if (c == QLatin1String(col::BuyDate))
        return &p.buyDateText;
    if (c == QLatin1String(col::InsuCompany))
        return &p.insuCompany;
    if (c == QLatin1String(col::InsuNote))
        return &p.insuNote;
    if (c == QLatin1String(col::InsuTouchInfo))
        return &p.insuTouchInfo;
    if (c == QLatin1String(col::LoanBank))
        return &p.loanBank;
    if (c == QLatin1String(col::LoanTouchInfo))
        return &p.loanTouchInfo;
    return nullptr;
}
double* purchaseNumber(PURCHASEINFO& p, const char* column)
{
    const QLatin1String c(column);
    if (c == QLatin1String(col::BuyMiles))
        return &p.buyMiles;
    if (c == QLatin1String(col::CarPrice))
        return &p.carPrice;
    if (c == QLatin1String(col::CarTax))
        return &p.carTax;
    if (c == QLatin1String(col::CarLicense))
        return &p.carLicense;
    if (c == QLatin1String(col::InsuAmount))
        return &p.insuAmount;
    if (c == QLatin1String(col::LoanAmount))
        return &p.loanAmount;
    if (c == QLatin1String(col::LoanYears))
        return &p.loanYears;
    if (c == QLatin1String(col::LoanInterest))
        return &p.loanInterest;
    return nullptr;
}

void readOwnCarFile(int source, const std::vector<CsvRecord>& records, ImportPlan& plan)
{
    const QStringList& header = records.front().fields;
    const QHash<QString, int> index = headerIndex(header);
    plan.sources[size_t(source)].format = QStringLiteral("Orvyn 导出的车辆信息");
    for (size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        if (allEmpty(record.fields) || !wellFormed(source, record, int(header.size()), plan))
            continue;
        ImportCarRow car;
        car.source = source;
        car.line = record.line;
        CARPROPERTY property;
        PURCHASEINFO purchase;
        bool hasProperty = false, hasPurchase = false;
        QString problem;
        for (const CarFileColumn& column : CarFileColumns()) {
            const int c = index.value(column.header, -1);
            const QString cell = c < 0 ? QString() : record.fields[c];
            const bool given = !cell.trimmed().isEmpty();
            if (column.table == tbl::CarList) {
                if (column.kind == CarFileColumn::Current)
                    car.current = cell.trimmed() == QStringLiteral("是");
                else
                    car.name = FromSpreadsheetSafeText(cell).trimmed();
                continue;
            }
            const bool isProperty = column.table == tbl::CarProperty;
            (isProperty ? hasProperty : hasPurchase) |= given;
            if (column.kind == CarFileColumn::Number) {
                double* number = isProperty ? propertyNumber(property, column.column)
                                            : purchaseNumber(purchase, column.column);
                if (!readNumber(cell, column.header, *number, problem))
                    break;
            } else if (column.kind == CarFileColumn::Date) {
                QDate date;
                if (given && !readDate(cell, date, problem))
                    break;
                purchase.buyDateText = given ? StoredDate(date) : QString();
            } else {
                QString* text = isProperty ? propertyText(property, column.column)
                                           : purchaseText(purchase, column.column);
                *text = FromSpreadsheetSafeText(cell);
            }
        }
        if (problem.isEmpty() && car.name.isEmpty())
            problem = QStringLiteral("没有车辆名称");
        if (!problem.isEmpty()) {
            plan.rejected.push_back({source, record.line, problem});
            continue;
        }
        if (hasProperty)
            car.property = property;
        if (hasPurchase)
            car.purchase = purchase;
        plan.cars.push_back(std::move(car));
    }
}

} // namespace

void ReadImportText(int source, const QString& text, const ImportOptions& options, ImportPlan& plan)
{
    const CsvParseResult parsed = ParseCsv(text, GuessCsvDelimiter(text));
    const QString name = plan.sourceName(source);
    if (!parsed.ok()) {
        plan.refusal = name + QStringLiteral("：") + parsed.error;
        return;
    }
    if (parsed.records.empty()) {
        plan.refusal = name + QStringLiteral("：文件是空的，没有可以导入的内容。");
        return;
    }
    QStringList header;
    for (const QString& cell : parsed.records.front().fields)
        header << cell.trimmed();
    if (header.contains(kLedgerColumn))
        readOwnLedgerFile(source, parsed.records, options, plan);
    else if (header.contains(kCarColumn) && header.contains(QStringLiteral("当前车辆")))
        readOwnCarFile(source, parsed.records, plan);
    else
        plan.refusal = name + QStringLiteral("：看不出这是哪种 CSV 文件（标题行是“%1”）。")
                                  .arg(header.join(QLatin1Char(',')));
}
