#include "csv/ImportFormats.h"

#include "csv/ForeignFormats.h"
#include "csv/ImportCells.h"
#include "csv/ReminderFile.h"

#include "csv/CsvReader.h"
#include "csv/CsvWriter.h"
#include "database/Names.h"
#include "ledgers/LedgerFormat.h"

#include <QCoreApplication>
#include <QHash>
#include <array>
#include <cmath>

namespace {

// --- our own files ------------------------------------------------------------------

void readOwnLedgerFile(int source, const CsvTable& records,
                       const ImportOptions& options, ImportPlan& plan)
{
    const QStringList header = records.front().fields;
    const QHash<QString, int> index = headerIndex(header);
    const int carColumn = index.value(kCarColumn, -1);
    const int ledgerColumn = index.value(kLedgerColumn, -1);
    plan.sources[size_t(source)].format =
        QCoreApplication::translate("CsvImport", "Orvyn 导出的记录");
    if (options.ledger)
        plan.notes << QCoreApplication::translate("CsvImport",
                                                  "%1 写明了每条记录的类型，按文件里的类型导入。")
                          .arg(plan.sourceName(source));
    // The file's column of each of a ledger's columns (-1 when it has none).
    std::array<std::vector<int>, kLedgerKinds.size()> cellOf;
    for (LedgerKind kind : kLedgerKinds)
        for (const LedgerColumn& column : ExportColumns(kind))
            cellOf[size_t(kind)].push_back(index.value(column.header, -1));
    QSet<QString> missing;
    for (size_t i = 1; i < records.size(); ++i) {
        const CsvRecord record = records[i];
        if (allEmpty(record.fields) || !wellFormed(source, record, int(header.size()), plan))
            continue;
        const QString kindText = record.fields[ledgerColumn].trimmed();
        const LedgerKindInfo* kind = FindLedgerKind(kindText);
        if (!kind) {
            plan.rejected.push_back(
                {source, record.line,
                 QCoreApplication::translate("CsvImport", "记录类型“%1”无法识别").arg(kindText)});
            continue;
        }
        ImportRow row;
        row.source = source;
        row.line = record.line;
        row.ledger = kind->kind;
        if (carColumn >= 0)
            row.car = FromSpreadsheetSafeText(record.fields[carColumn]).trimmed();
        QString problem;
        bool gaugesGiven = false;
        bool missed = false;
        const std::vector<LedgerColumn>& columns = ExportColumns(kind->kind);
        const std::vector<int>& cells = cellOf[size_t(kind->kind)];
        for (size_t k = 0; k < columns.size(); ++k) {
            const LedgerColumn& column = columns[k];
            const int c = cells[k];
            const QString cell = c < 0 ? QString() : record.fields[c];
            // The export's words for what is not known of a filling: both
            // gauge cells empty, and "漏记" for the consumption after a missed one.
            if (column.kind == CellKind::Gauge)
                gaugesGiven = gaugesGiven || !cell.trimmed().isEmpty();
            else if (column.kind == CellKind::Consumption)
                missed = cell.trimmed() == kMissedFillingCell;
            if (column.field == LedgerField::None)
                continue; // derived: the ledger computes it again
            if (c < 0) {
                missing.insert(ShownFileCaption(column.header));
                if (column.field != LedgerField::Date)
                    continue;
            }
            if (column.field == LedgerField::Date) {
                QDate date;
                if (!readDate(cell, date, problem))
                    break;
                row.record.date = StoredDate(date);
            } else if (IsNumberField(column.field)) {
                if (!readNumber(cell, ShownFileCaption(column.header),
                                row.record.Number(column.field), problem))
                    break;
            } else {
                row.record.Text(column.field) = FromSpreadsheetSafeText(cell);
            }
        }
        if (!problem.isEmpty()) {
            plan.rejected.push_back({source, record.line, problem});
            continue;
        }
        if (row.ledger == LedgerKind::Refuel) {
            SetMark(row.record, RefuelMark::GaugesUnknown, !gaugesGiven);
            SetMark(row.record, RefuelMark::MissedBefore, missed);
        }
        flagNumbers(row);
        plan.addRow(std::move(row));
    }
    for (const QString& caption : missing)
        plan.notes << QCoreApplication::translate("CsvImport",
                                                  "%1 没有“%2”一栏，这一栏按空白导入。")
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

void readOwnCarFile(int source, const CsvTable& records, ImportPlan& plan)
{
    const QStringList header = records.front().fields;
    const QHash<QString, int> index = headerIndex(header);
    plan.sources[size_t(source)].format =
        QCoreApplication::translate("CsvImport", "Orvyn 导出的车辆信息");
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
                    car.current = readFlag(cell);
                else
                    car.name = FromSpreadsheetSafeText(cell).trimmed();
                continue;
            }
            const bool isProperty = column.table == tbl::CarProperty;
            (isProperty ? hasProperty : hasPurchase) |= given;
            if (column.kind == CarFileColumn::Number) {
                double* number = isProperty ? propertyNumber(property, column.column)
                                            : purchaseNumber(purchase, column.column);
                if (!readNumber(cell, ShownFileCaption(column.header), *number, problem))
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
            problem = QCoreApplication::translate("CsvImport", "没有车辆名称");
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

// Reads the records in the format their content tells: our own headers,
// sections, then the header's names.
void readRecords(int source, const CsvTable& records, const ImportOptions& options,
                 ImportPlan& plan)
{
    QStringList header;
    for (const QString& cell : records.front().fields)
        header << cell.trimmed();
    const QHash<QString, int> ours = headerIndex(header);
    if (ours.contains(kLedgerColumn))
        readOwnLedgerFile(source, records, options, plan);
    else if (ours.contains(kCarColumn) && ours.contains(kCurrentCarColumn))
        readOwnCarFile(source, records, plan);
    else if (IsReminderFileHeader(header))
        ReadReminderFile(source, records, plan);
    else if (!ReadFuelio(source, records, options, plan) &&
             !ReadLubeLogger(source, records, options, plan))
        ReadGeneric(source, records, options, plan);
}

} // namespace

void ReadImportText(int source, const CsvTable& records, const ImportOptions& options,
                    ImportPlan& plan)
{
    const QString name = plan.sourceName(source);
    if (!records.ok()) {
        // The refusal names the kind of file, told from the records before the open quote.
        QString& format = plan.sources[size_t(source)].format;
        if (!records.empty()) {
            ImportPlan before;
            before.sources = plan.sources;
            readRecords(source, records, options, before);
            format = before.sources[size_t(source)].format;
        }
        if (format.isEmpty())
            format = QCoreApplication::translate("CsvImport", "CSV 文件");
        plan.refusal = name + QCoreApplication::translate("CsvImport", "：") + records.error();
        return;
    }
    if (records.empty()) {
        plan.refusal =
            name + QCoreApplication::translate("CsvImport", "：文件是空的，没有可以导入的内容。");
        return;
    }
    readRecords(source, records, options, plan);
}

QString* CarFileText(ImportCarRow& car, const CarFileColumn& column)
{
    if (column.kind != CarFileColumn::Text)
        return nullptr;
    if (column.table == tbl::CarProperty)
        return car.property ? propertyText(*car.property, column.column) : nullptr;
    if (column.table == tbl::PurchaseInfo)
        return car.purchase ? purchaseText(*car.purchase, column.column) : nullptr;
    return &car.name;
}
