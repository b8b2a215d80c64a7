// Ledger record operations and aggregate queries of the ledger database. Every
// statement is generated from the table's description, prepared once and run
// with bound values.
#include "database/Figures.h"
#include "database/MyDatabase.h"
#include "database/Names.h"
#include "database/StoreReport.h"
#include "platform/MessageCodes.h"

#include <cmath>
#include <sqlite3.h>

static_assert(CMyDatabase::kStopped == SQLITE_INTERRUPT);

namespace {

const CMyTable& tableOf(const char* table)
{
    const CMyTable* description = FindTable(table);
    Q_ASSERT(description);
    return *description;
}

// Binds a record field's value as its column stores it.
void bindField(CStatement& statement, int index, const CMyField& field, const LedgerRecord& r)
{
    if (field.field == LedgerField::None)
        statement.Bind(index, QString(QLatin1String(""))); // the spares are written empty
    else if (field.type == adDouble || field.type == adInteger)
        statement.Bind(index, ShownNumber(r.Number(field.field), field.decimals));
    else
        statement.Bind(index, r.Text(field.field));
}

} // namespace

bool CMyDatabase::readOk(const CStatement& query)
{
    // On a closed ledger every operation quietly answers empty.
    if (!query.ok() && IsOpen())
        m_connection.ReportFailure(query.Status(), false);
    return query.ok();
}

bool CMyDatabase::written(CStatement& statement)
{
    const SqlStatus status = statement.Run();
    if (!status.ok())
        m_connection.ReportFailure(status, true);
    return status.ok();
}

double CMyDatabase::firstNumber(CStatement& query)
{
    const double number = query.Next() ? query.Number(0) : 0.0;
    readOk(query);
    return number;
}

void CMyDatabase::ensureIndexes()
{
    // Lookups by record and the date-ordered reads of one car need no table
    // scan. An old file gains the indexes on its first open; a file that
    // cannot be written simply goes without.
    for (const char* table : {tbl::Refuel, tbl::Repair, tbl::Maintain, tbl::Accident,
                              tbl::DailyCost, tbl::CarLog, tbl::Accessory}) {
        for (const char* column : {col::RecID, col::DateTimee}) {
            const QByteArray sql = QByteArray("CREATE INDEX IF NOT EXISTS \"") + table + "_CarID_" +
                                   column + "\" ON \"" + table + "\" (\"CarID\", \"" + column +
                                   "\")";
            sqlite3_exec(m_connection.handle(), sql.constData(), nullptr, nullptr, nullptr);
        }
    }
}

int CMyDatabase::checkDuplicate(const char* table, const QString& carId, const QString& recId)
{
    if (!IsOpen())
        return 0;
    CStatement find = m_connection.Prepare(QByteArray("select 1 from \"") + table +
                                           "\" where \"CarID\"=?1 and \"RecID\"=?2");
    find.Bind(1, carId).Bind(2, recId);
    const bool found = find.Next();
    if (!readOk(find))
        return 0;
    if (found) {
        ReportStoreMessage(QStringLiteral("记录已经存在，插入失败！"), platform::kCaption,
                           platform::MB_OK | platform::MB_ICONERROR);
        return 1;
    }
    return -1;
}

int CMyDatabase::InsertRecord(const char* table, const LedgerRecord& r)
{
    if (int found = checkDuplicate(table, r.carId, r.recId); found >= 0)
        return found;
    const CMyTable& description = tableOf(table);
    CStatement insert = m_connection.Prepare(description.InsertStatement());
    for (size_t i = 0; i < description.fields.size(); ++i)
        bindField(insert, int(i + 1), description.fields[i], r);
    return written(insert) ? 2 : 0;
}

SqlStatus CMyDatabase::InsertRecords(LedgerKind kind, std::vector<LedgerRecord>& records,
                                     const std::function<bool(qint64 inserted)>& progress)
{
    if (!IsOpen())
        return {SQLITE_MISUSE, QStringLiteral("the ledger is not open")};
    const char* table = LedgerTable(kind);
    QString first;
    GetNextRecID(table, first);
    const qint64 next = first.toLongLong();
    if (next <= 0)
        return m_connection.LastError();
    if (next - 1 + qint64(records.size()) > 9999999)
        return {kIdsExhausted, QStringLiteral("record identifiers beyond 9999999")};
    const CMyTable& description = tableOf(table);
    const QByteArray sql = description.InsertStatement();
    qint64 inserted = 0;
    for (LedgerRecord& r : records) {
        r.recId = QString::asprintf("%07lld", next + inserted);
        // The cached statement, reset for each record.
        CStatement insert = m_connection.Prepare(sql);
        for (size_t i = 0; i < description.fields.size(); ++i)
            bindField(insert, int(i + 1), description.fields[i], r);
        if (const SqlStatus status = insert.Run(); !status.ok())
            return status;
        ++inserted;
        if (inserted % 1000 == 0 && progress && !progress(inserted))
            return {kStopped, QStringLiteral("stopped")};
    }
    return {};
}

SqlStatus CMyDatabase::ReadCarColumns(const char* table, const QString& carId,
                                      const std::vector<CarColumnRead>& columns,
                                      std::vector<QVariant>& values)
{
    values.clear();
    QByteArray names;
    for (const CarColumnRead& column : columns)
        names += (names.isEmpty() ? "\"" : ", \"") + QByteArray(column.column) + '"';
    CStatement select = m_connection.Prepare("select " + names + " from \"" + table +
                                             "\" where \"CarID\"=?1 limit 1");
    select.Bind(1, carId);
    if (select.Next())
        for (int i = 0; i < int(columns.size()); ++i) {
            sqlite3_value* value = select.Value(i);
            values.push_back(columns[size_t(i)].number
                                 ? QVariant(CStatement::Number(value))
                                 : QVariant(RightTrimmed(CStatement::Text(value))));
        }
    return select.Status();
}

int CMyDatabase::InsertInputHistory(const InputHistoryEntry& e)
{
    if (!IsOpen())
        return 0;
    CStatement find = m_connection.Prepare("select 1 from \"InputHistory\" where \"CarID\"=?1 and "
                                           "\"Content\"=?2 and \"ClassID\"=?3");
    find.Bind(1, e.carId).Bind(2, e.content).Bind(3, qint64(e.classId));
    const bool found = find.Next();
    if (!readOk(find))
        return 0;
    if (found)
        return 1;
    CStatement insert = m_connection.Prepare(tableOf(tbl::InputHistory).InsertStatement());
    insert.Bind(1, e.carId)
        .Bind(2, e.recId)
        .Bind(3, e.content)
        .Bind(4, e.className)
        .Bind(5, qint64(e.classId))
        .Bind(6, e.reserved1)
        .Bind(7, e.reserved2);
    return written(insert) ? 2 : 0;
}

SqlStatus CMyDatabase::LoadRecords(const char* table, const QString& carId,
                                   std::vector<LedgerRecord>& records, const QByteArray& orderBy)
{
    records.clear();
    const CMyTable& description = tableOf(table);
    // The bound fields, in the order the select names them.
    std::vector<LedgerField> fields;
    for (const auto& f : description.fields)
        if (f.field != LedgerField::None)
            fields.push_back(f.field);
    CStatement select = m_connection.Prepare(
        description.SelectStatement(orderBy, m_missingColumns.value(description.name)));
    select.Bind(1, carId);
    std::vector<bool> numbers;
    for (LedgerField f : fields)
        numbers.push_back(IsNumberField(f));
    while (select.Next()) {
        LedgerRecord& r = records.emplace_back();
        r.carId = carId; // one shared text for every record
        for (int i = 0; i < int(fields.size()); ++i) {
            const LedgerField field = fields[size_t(i)];
            if (numbers[size_t(i)])
                r.Number(field) = CStatement::Number(select.Value(i));
            else if (field != LedgerField::CarId)
                r.Text(field) = RightTrimmed(CStatement::Text(select.Value(i)));
        }
    }
    // Room left by the growing list goes back.
    records.shrink_to_fit();
    return select.Status();
}

SqlStatus CMyDatabase::UpdateRecordField(const char* table, const LedgerRecord& r,
                                         LedgerField field)
{
    const CMyTable& description = tableOf(table);
    const CMyField* column = description.Field(field);
    if (!column)
        return {SQLITE_MISUSE, QStringLiteral("no such column")};
    CStatement update = m_connection.Prepare(description.UpdateStatement(*column));
    bindField(update, 1, *column, r);
    update.Bind(2, r.carId).Bind(3, r.recId);
    return update.Run();
}

SqlStatus CMyDatabase::DeleteRecord(const char* table, const QString& carId, const QString& recId)
{
    if (recId.isEmpty())
        return {SQLITE_MISUSE, QStringLiteral("no record identifier")};
    CStatement remove = m_connection.Prepare(tableOf(table).DeleteStatement());
    remove.Bind(1, carId).Bind(2, recId);
    return remove.Run();
}

void CMyDatabase::GetNextRecID(const char* table, QString& recId)
{
    recId = QStringLiteral("0000000");
    if (!IsOpen())
        return;
    CStatement last = m_connection.Prepare(QByteArray("select \"RecID\" from \"") + table +
                                           "\" order by \"RecID\" DESC LIMIT 1");
    if (last.Next())
        recId = last.Text(0);
    if (!readOk(last))
        return;
    recId = QString::asprintf("%07d", static_cast<int>(LeadingNumber(recId)) + 1);
}

int CMyDatabase::GetRecordCount(const char* table, const QString& carId)
{
    CStatement count = m_connection.Prepare(QByteArray("select count(*) from \"") + table +
                                            "\" where \"CarID\"=?1");
    count.Bind(1, carId);
    return int(firstNumber(count));
}

double CMyDatabase::SumColumn(const char* table, const char* column, const QString& carId)
{
    CStatement sum = m_connection.Prepare(QByteArray("select SUM(\"") + column + "\") from \"" +
                                          table + "\" where \"CarID\"=?1");
    sum.Bind(1, carId);
    return firstNumber(sum);
}

double CMyDatabase::SumColumnInMonth(int year, int month, const char* table, const char* column,
                                     const QString& carId)
{
    const MonthRange range = MonthDates(year, month);
    CStatement sum =
        m_connection.Prepare(QByteArray("select SUM(\"") + column + "\") from \"" + table +
                             "\" where \"CarID\"=?1 and \"DateTimee\">=?2 and \"DateTimee\"<=?3");
    sum.Bind(1, carId).Bind(2, range.first).Bind(3, range.last);
    return firstNumber(sum);
}

double CMyDatabase::sumRows(CStatement& rows, const QString& op)
{
    double total = 0;
    while (rows.Next()) {
        const double a = rows.Number(0);
        const double b = rows.Number(1);
        if (op == QLatin1String("+"))
            total += a + b;
        else if (op == QLatin1String("-"))
            total += a - b;
        else if (op == QLatin1String("*"))
            total += a * b;
        else if (op == QLatin1String("/") && std::fabs(b) > 0.0001)
            total += a / b;
    }
    readOk(rows);
    return total;
}

double CMyDatabase::SumRowResults(const char* table, const char* a, const char* b,
                                  const QString& op, const QString& carId)
{
    CStatement rows = m_connection.Prepare(QByteArray("select \"") + a + "\", \"" + b +
                                           "\" from \"" + table + "\" where \"CarID\"=?1");
    rows.Bind(1, carId);
    return sumRows(rows, op);
}

double CMyDatabase::SumRowResultsInMonth(int year, int month, const char* table, const char* a,
                                         const char* b, const QString& op, const QString& carId)
{
    const MonthRange range = MonthDates(year, month);
    CStatement rows =
        m_connection.Prepare(QByteArray("select \"") + a + "\", \"" + b + "\" from \"" + table +
                             "\" where \"CarID\"=?1 and \"DateTimee\">=?2 and \"DateTimee\"<=?3");
    rows.Bind(1, carId).Bind(2, range.first).Bind(3, range.last);
    return sumRows(rows, op);
}

void CMyDatabase::GetInputHistory(const QString& carId, int classId, QStringList& entries)
{
    entries.clear();
    CStatement select = m_connection.Prepare(
        "select \"Content\" from \"InputHistory\" where \"CarID\"=?1 and \"ClassID\"=?2");
    select.Bind(1, carId).Bind(2, qint64(classId));
    while (select.Next())
        entries << RightTrimmed(select.Text(0));
    readOk(select);
}

void CMyDatabase::LoadCostTotals(const QString& carId, CostTotals& t)
{
    std::vector<LedgerRecord> records;
    const auto total = [&](const char* table, double (*figure)(const std::vector<LedgerRecord>&)) {
        LoadRecords(table, carId, records);
        return figure(records);
    };
    t.repair = total(tbl::Repair, TotalAmount);
    t.maintain = total(tbl::Maintain, TotalAmount);
    t.accident = total(tbl::Accident, TotalAmount);
    t.dailyCost = total(tbl::DailyCost, TotalAmount);
    LoadRecords(tbl::Refuel, carId, records);
    t.fuelAmount = TotalAmount(records);
    t.fuelVolume = TotalFuelVolume(records);
    t.accessory = total(tbl::Accessory, TotalAccessoryCost);
}
