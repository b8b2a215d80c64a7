#include "csv/CsvExport.h"

#include "csv/CsvLedgers.h"
#include "csv/CsvWriter.h"
#include "csv/ReminderFile.h"
#include "database/Figures.h"
#include "database/MyDatabase.h"
#include "database/Names.h"
#include "database/StorageFault.h"
#include "platform/Folders.h"
#include "platform/PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <sqlite3.h>

namespace {

QString derivedCell(const std::optional<double>& value)
{
    return value ? PlainNumber(ShownNumber(*value, 2)) : QString();
}

// The refuelling page's estimates need the car's tank: litres per gauge division.
double litresPerDivision(const CARPROPERTY& property)
{
    return property.fuelVolume / (property.meterRules < 1 ? 1.0 : property.meterRules);
}

class Exporter
{
public:
    Exporter(CMyDatabase& db, const CsvExportRequest& request, const CsvProgress& progress)
        : m_db(db), m_request(request), m_progress(progress)
    {
    }
    ~Exporter()
    {
        for (const auto& file : m_written)
            QFile::remove(file.temporary);
    }

    CsvExportResult run()
    {
        Expected<std::vector<CARLIST>> listed = m_db.GetCarList();
        if (!listed) {
            readFailed(listed.error());
            return m_result;
        }
        std::vector<CARLIST> cars = std::move(listed).value();
        std::sort(cars.begin(), cars.end(),
                  [](const CARLIST& a, const CARLIST& b) { return a.carId < b.carId; });
        if (!m_request.carId.isEmpty())
            std::erase_if(cars, [&](const CARLIST& c) { return c.carId != m_request.carId; });
        if (cars.empty())
            return failed(m_request.carId.isEmpty()
                              ? QCoreApplication::translate(
                                    "CsvExport", "账本里还没有车辆，没有可以导出的记录。")
                              : QCoreApplication::translate("CsvExport", "账本里没有这辆车：") +
                                    m_request.carId);
        const bool newFolder = !QFileInfo(m_request.folder).isDir();
        if (!platform::MakeFolder(m_request.folder))
            return failed(QCoreApplication::translate("CsvExport", "无法创建文件夹 ") +
                          QDir::toNativeSeparators(m_request.folder));
        if (newFolder && sharedFolder())
            platform::ShareFile(m_request.folder);

        for (const CARLIST& car : cars)
            for (const auto& ledger : LedgerKinds()) {
                const Expected<int> count = m_db.GetRecordCount(ledger.kind, car.carId);
                if (!count) {
                    readFailed(count.error());
                    return m_result;
                }
                m_total += *count;
            }

        if (!writeCarFile(cars) || !writeReminderFile(cars))
            return m_result;
        for (const CARLIST& car : cars)
            for (const auto& ledger : LedgerKinds())
                if (!writeLedger(car, ledger))
                    return m_result;
        return finish();
    }

private:
    struct Written
    {
        QString temporary;
        QString final;
    };

    CsvExportResult& failed(const QString& why)
    {
        m_result.outcome = CsvExportResult::Failed;
        m_result.error = why;
        return m_result;
    }

    bool advance(qint64 rows)
    {
        m_done += rows;
        if (m_progress && !m_progress(m_done, m_total)) {
            m_result.outcome = CsvExportResult::Cancelled;
            return false;
        }
        return true;
    }

    // Opens the file under its temporary name and writes the byte-order mark.
    bool open(QFile& file, const QString& name)
    {
        const QString final = QDir(m_request.folder).filePath(name);
        const QString temporary =
            QDir(m_request.folder).filePath(QLatin1Char('.') + name + QStringLiteral(".part"));
        m_written.push_back({temporary, final});
        file.setFileName(temporary);
        return (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write("\xEF\xBB\xBF") == 3) ||
               writeFailed(file);
    }

    // Appends the text as UTF-8.
    bool put(QFile& file, const QString& text)
    {
        const QByteArray bytes = text.toUtf8();
        return file.write(bytes) == bytes.size() || writeFailed(file);
    }

    bool close(QFile& file)
    {
        if (!file.flush())
            return writeFailed(file);
        file.close();
        return file.error() == QFileDevice::NoError || writeFailed(file);
    }

    bool writeFailed(const QFile& file)
    {
        // A full disk is said in the words of the backup, whatever the system said.
        const QStorageInfo storage(m_request.folder);
        const bool full = file.error() == QFileDevice::ResourceError ||
                          (storage.isValid() && storage.bytesAvailable() < 65536);
        failed(QCoreApplication::translate("CsvExport", "无法写入文件 %1：%2")
                   .arg(QDir::toNativeSeparators(m_written.back().final),
                        StorageFaultText(full ? SQLITE_FULL : SQLITE_IOERR, file.errorString())));
        return false;
    }

    void readFailed(const SqlStatus& status)
    {
        failed(QCoreApplication::translate("CsvExport", "读取账本失败：") + status.message);
    }

    // The car's rows of CarProperty and PurchaseInfo, read by the columns of the car file.
    std::optional<QStringList> carRow(const CARLIST& car)
    {
        QStringList cells;
        std::map<QString, QStringList> rows;
        for (const char* table : {tbl::CarProperty, tbl::PurchaseInfo}) {
            std::vector<CarColumnRead> reads;
            std::vector<const CarFileColumn*> columns;
            for (const auto& column : CarFileColumns())
                if (column.table == table) {
                    reads.push_back({column.column, column.kind == CarFileColumn::Number});
                    columns.push_back(&column);
                }
            std::vector<QVariant> values;
            const CarTable carTable =
                table == tbl::CarProperty ? CarTable::Property : CarTable::Purchase;
            if (const SqlStatus status = m_db.ReadCarColumns(carTable, car.carId, reads, values);
                !status.ok()) {
                readFailed(status);
                return std::nullopt;
            }
            QStringList& row = rows[QString::fromLatin1(table)];
            for (size_t i = 0; i < values.size(); ++i) {
                const CarFileColumn& column = *columns[i];
                if (column.kind == CarFileColumn::Number)
                    row << PlainNumber(values[i].toDouble());
                else if (column.kind == CarFileColumn::Date)
                    row << IsoDateText(values[i].toString());
                else
                    row << SpreadsheetSafeText(values[i].toString());
            }
        }
        qsizetype property = 0, purchase = 0;
        for (const auto& column : CarFileColumns()) {
            if (column.table == tbl::CarList) {
                cells << (column.kind == CarFileColumn::Current
                              ? (car.used == QLatin1String("YES") ? QStringLiteral("是")
                                                                  : QStringLiteral("否"))
                              : SpreadsheetSafeText(car.name));
                continue;
            }
            const bool isProperty = column.table == tbl::CarProperty;
            const QStringList& row = rows[QString::fromLatin1(column.table)];
            qsizetype& i = isProperty ? property : purchase;
            cells << (i < row.size() ? row[i] : QString());
            ++i;
        }
        return cells;
    }

    bool writeCarFile(const std::vector<CARLIST>& cars)
    {
        QString text = CsvLine(CarFileHeader());
        for (const CARLIST& car : cars) {
            const std::optional<QStringList> row = carRow(car);
            if (!row)
                return false;
            text += CsvLine(*row);
        }
        QFile file;
        return open(file, kCarFileName + QStringLiteral(".csv")) && put(file, text) &&
               close(file) && advance(0);
    }

    // The cars' care reminders, when they have any: "保养提醒.csv".
    bool writeReminderFile(const std::vector<CARLIST>& cars)
    {
        QString text;
        for (const CARLIST& car : cars) {
            std::vector<CareReminder> reminders;
            if (const SqlStatus read = LoadCareReminders(m_db, car.carId, reminders); !read.ok()) {
                readFailed(read);
                return false;
            }
            for (const CareReminder& reminder : reminders)
                text += CsvLine(ReminderFileRow(reminder, car.name));
        }
        if (text.isEmpty())
            return true;
        QFile file;
        return open(file, kReminderFileName + QStringLiteral(".csv")) &&
               put(file, CsvLine(ReminderFileHeader()) + text) && close(file);
    }

    // Streams the car's records of the ledger into its file, one line each,
    // texts and numbers as stored.
    bool writeLedger(const CARLIST& car, const LedgerKindInfo& ledger)
    {
        double perDivision = 1.0;
        if (ledger.kind == LedgerKind::Refuel) {
            CARPROPERTY property;
            if (const SqlStatus read = m_db.GetCarProperty(car.carId, property); !read.ok()) {
                readFailed(read);
                return false;
            }
            perDivision = litresPerDivision(property);
        }
        QFile file;
        if (!open(file, LedgerFileName(car.carId, car.name, ledger.name)) ||
            !put(file, CsvLine(LedgerFileHeader(ledger.kind))))
            return false;
        const std::vector<LedgerColumn> columns = ExportColumns(ledger.kind);
        const QString carName = SpreadsheetSafeText(car.name);
        double spent = 0;
        qint64 count = 0;
        std::optional<LedgerRecord> previous;
        QStringList cells;
        QString lines;
        bool written = true;
        const SqlStatus status =
            m_db.ReadRecords(ledger.kind, car.carId, [&](const LedgerRecord& r) {
                cells.clear();
                for (const LedgerColumn& column : columns) {
                    switch (column.kind) {
                    case CellKind::Date:
                        cells << IsoDateText(r.date);
                        break;
                    case CellKind::Quantity:
                        cells << derivedCell(FuelQuantity(r));
                        break;
                    case CellKind::Consumption:
                        // A filling after a missed one has no figure, and says why.
                        cells << (HasMark(r, RefuelMark::MissedBefore) ? kMissedFillingCell
                                  : previous
                                      ? derivedCell(FuelConsumption(*previous, r, perDivision))
                                      : QString());
                        break;
                    case CellKind::DerivedMoney:
                        if (ledger.kind == LedgerKind::Accessory)
                            cells << PlainNumber(AccessoryCost(r));
                        else
                            cells << (previous ? derivedCell(FuelCostPerKm(spent, r)) : QString());
                        break;
                    case CellKind::Gauge:
                        // Readings the ledger does not know are empty, as the page shows "--".
                        cells << (HasMark(r, RefuelMark::GaugesUnknown)
                                      ? QString()
                                      : PlainNumber(r.Number(column.field)));
                        break;
                    default:
                        cells << (IsNumberField(column.field)
                                      ? PlainNumber(r.Number(column.field))
                                      : SpreadsheetSafeText(r.Text(column.field)));
                    }
                }
                cells << carName << ledger.name;
                lines += CsvLine(cells);
                spent += r.amount;
                if (ledger.kind == LedgerKind::Refuel)
                    previous = r;
                if (++count % 1000 != 0)
                    return true;
                written = put(file, lines) && advance(1000);
                lines.clear();
                return written;
            });
        if (!written)
            return false;
        if (!status.ok()) {
            readFailed(status);
            return false;
        }
        m_result.records += count;
        return put(file, lines) && close(file) && advance(count % 1000);
    }

    // Files written where the user chose get the user's usual modes; in the
    // data folder they stay private like the ledger.
    bool sharedFolder() const
    {
        const QString inData = QDir(platform::DataFolder()).relativeFilePath(m_request.folder);
        return inData.startsWith(QStringLiteral("..")) || QDir::isAbsolutePath(inData);
    }

    CsvExportResult finish()
    {
        for (const auto& file : m_written) {
            // rename() replaces an older export of the same name in one step.
            if (std::rename(QFile::encodeName(file.temporary).constData(),
                            QFile::encodeName(file.final).constData()) != 0) {
                failed(QCoreApplication::translate("CsvExport", "无法写入文件 ") +
                       QDir::toNativeSeparators(file.final));
                return m_result;
            }
            if (sharedFolder())
                platform::ShareFile(file.final);
            m_result.files << QFileInfo(file.final).fileName();
        }
        platform::SyncFolder(m_request.folder);
        m_written.clear();
        m_result.outcome = CsvExportResult::Done;
        return m_result;
    }

    CMyDatabase& m_db;
    const CsvExportRequest& m_request;
    const CsvProgress& m_progress;
    CsvExportResult m_result;
    std::vector<Written> m_written;
    qint64 m_total = 0;
    qint64 m_done = 0;
};

} // namespace

QString LedgerFileName(const QString& carId, const QString& carName, const QString& ledgerName)
{
    QString name = carName.trimmed();
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    name = name.left(60); // behind the identifier, so never "." or ".."
    return carId + QLatin1Char('_') + (name.isEmpty() ? QString() : name + QLatin1Char('_')) +
           ledgerName + QStringLiteral(".csv");
}

CsvExportResult ExportCsv(CMyDatabase& db, const CsvExportRequest& request,
                          const CsvProgress& progress)
{
    if (!db.IsOpen())
        return {CsvExportResult::Failed,
                QCoreApplication::translate("CsvExport", "账本没有打开，无法导出。"),
                {},
                0};
    return Exporter(db, request, progress).run();
}
