// Ledger record operations and aggregate queries of the ledger database. Every
// statement is generated from the table's description, prepared once and run
// with bound values.
#include "database/Figures.h"
#include "database/MyDatabase.h"
#include "database/Names.h"

#include <cmath>
#include <string>
#include <string_view>
#include <sqlite3.h>

static_assert(store::kStopped == SQLITE_INTERRUPT);

namespace {

const CMyTable& tableOf(LedgerKind kind)
{
    const CMyTable* description = FindTable(LedgerTable(kind));
    Q_ASSERT(description);
    return *description;
}

// Binds a record field's value as its column stores it.
void bindField(CStatement& statement, int index, const CMyField& field, const LedgerRecord& r)
{
    if (field.field == LedgerField::None)
        statement.BindEmptyText(index); // the spares are written empty
    else if (field.type == adDouble || field.type == adInteger)
        statement.Bind(index, ShownNumber(r.Number(field.field), field.decimals));
    else
        statement.Bind(index, r.Text(field.field));
}

// A stored text as the pages read it: blanks at its end dropped, and a text
// longer than kLongestText cut to its first kLongestText characters (counted
// as the store's substr() counts them, by UTF-8 lead bytes), with `cut` set.
QString shownText(sqlite3_value* value, bool& cut)
{
    cut = false;
    if (sqlite3_value_type(value) != SQLITE_TEXT)
        return RightTrimmed(CStatement::Text(value));
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    const int size = sqlite3_value_bytes(value);
    int characters = 0;
    int end = 0;
    for (; end < size; ++end)
        if ((bytes[end] & 0xC0) != 0x80 && characters++ == kLongestText)
            break;
    cut = end < size;
    const QString text = QString::fromUtf8(bytes, end);
    return cut ? text : RightTrimmed(text);
}

// The bound fields of a ledger table, in the order its select names them.
std::vector<LedgerField> boundFields(const CMyTable& description)
{
    std::vector<LedgerField> fields;
    for (const auto& f : description.fields)
        if (f.field != LedgerField::None)
            fields.push_back(f.field);
    return fields;
}

// Reads the selected row into r with every text exactly as stored.
void readStoredRecord(const CStatement& select, const std::vector<LedgerField>& fields,
                      LedgerRecord& r)
{
    for (int i = 0; i < int(fields.size()); ++i) {
        const LedgerField field = fields[size_t(i)];
        sqlite3_value* value = select.Value(i);
        if (IsNumberField(field))
            r.Number(field) = CStatement::Number(value);
        else if (field != LedgerField::CarId)
            r.Text(field) = CStatement::Text(value);
    }
}

// Reads selected rows with their texts as the pages show them. A text whose
// bytes are those the same column held in the row before shares that row's
// text instead of being made again: dates, notes and places repeat from one
// record to the next.
class ShownRowReader
{
public:
    explicit ShownRowReader(std::vector<LedgerField> fields)
        : m_fields(std::move(fields)), m_last(m_fields.size())
    {
    }

    void Read(const CStatement& select, LedgerRecord& r)
    {
        for (int i = 0; i < int(m_fields.size()); ++i) {
            const LedgerField field = m_fields[size_t(i)];
            sqlite3_value* value = select.Value(i);
            if (IsNumberField(field)) {
                r.Number(field) = CStatement::Number(value);
                continue;
            }
            if (field == LedgerField::CarId)
                continue;
            Last& last = m_last[size_t(i)];
            const bool isText = sqlite3_value_type(value) == SQLITE_TEXT;
            const char* bytes =
                isText ? reinterpret_cast<const char*>(sqlite3_value_text(value)) : nullptr;
            const std::string_view stored(bytes ? bytes : "",
                                          bytes ? size_t(sqlite3_value_bytes(value)) : 0);
            if (!isText || !last.known || stored != last.bytes) {
                last.text = shownText(value, last.cut);
                last.bytes.assign(stored);
                last.known = isText;
            }
            r.Text(field) = last.text;
            if (last.cut)
                r.cut |= 1u << unsigned(field);
        }
    }

private:
    struct Last
    {
        std::string bytes;
        QString text;
        bool cut = false;
        bool known = false;
    };
    std::vector<LedgerField> m_fields;
    std::vector<Last> m_last;
};

} // namespace

Expected<double> CMyDatabase::firstNumber(CStatement& query)
{
    const double number = query.Next() ? query.Number(0) : 0.0;
    if (!query.ok())
        return query.Status();
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

Expected<bool> CMyDatabase::hasRecord(LedgerKind kind, const QString& carId, const QString& recId)
{
    if (!IsOpen())
        return store::Closed();
    CStatement find = m_connection.Prepare(QByteArray("select 1 from \"") + LedgerTable(kind) +
                                           "\" where \"CarID\"=?1 and \"RecID\"=?2");
    find.Bind(1, carId).Bind(2, recId);
    const bool found = find.Next();
    if (!find.ok())
        return find.Status();
    return found;
}

Expected<InsertOutcome> CMyDatabase::InsertRecord(LedgerKind kind, const LedgerRecord& r)
{
    const Expected<bool> found = hasRecord(kind, r.carId, r.recId);
    if (!found)
        return found.error();
    if (*found)
        return InsertOutcome::Duplicate;
    const CMyTable& description = tableOf(kind);
    CStatement insert = m_connection.Prepare(description.InsertStatement());
    for (size_t i = 0; i < description.fields.size(); ++i)
        bindField(insert, int(i + 1), description.fields[i], r);
    if (const SqlStatus status =
            writeKeepingCosts(kind, r.carId, r.recId, true, [&] { return insert.Run(); });
        !status.ok())
        return status;
    return InsertOutcome::Inserted;
}

SqlStatus CMyDatabase::InsertRecords(LedgerKind kind, std::vector<LedgerRecord>& records,
                                     const std::function<bool(qint64 inserted)>& progress)
{
    auto next = records.begin();
    return InsertRecords(
        kind, qint64(records.size()), [&]() -> LedgerRecord& { return *next++; }, progress);
}

SqlStatus CMyDatabase::InsertRecords(LedgerKind kind, qint64 count,
                                     const std::function<LedgerRecord&()>& next,
                                     const std::function<bool(qint64 inserted)>& progress)
{
    return insertKeepingCosts(kind, [&] { return insertRecords(kind, count, next, progress); });
}

SqlStatus CMyDatabase::insertRecords(LedgerKind kind, qint64 count,
                                     const std::function<LedgerRecord&()>& next,
                                     const std::function<bool(qint64 inserted)>& progress)
{
    const Expected<QString> first = GetNextRecID(kind);
    if (!first)
        return first.error();
    const qint64 id = first->toLongLong();
    if (id - 1 + count > 9999999)
        return {store::kIdsExhausted, QStringLiteral("record identifiers beyond 9999999"), true};
    const CMyTable& description = tableOf(kind);
    // Fifty rows a statement (a ledger row has at most 19 columns: SQLite takes
    // up to 999 parameters), reset after each; the progress falls on thousands.
    const int fields = int(description.fields.size());
    const int perStatement = 999 / fields >= 50 ? 50 : 1;
    CStatement many = m_connection.Prepare(description.InsertStatement(perStatement));
    CStatement one = m_connection.Prepare(description.InsertStatement());
    for (qint64 inserted = 0; inserted < count;) {
        const bool full = count - inserted >= perStatement;
        CStatement& insert = full ? many : one;
        const int rows = full ? perStatement : 1;
        for (int row = 0; row < rows; ++row) {
            LedgerRecord& r = next();
            r.recId = RecordIdText(id + inserted + row);
            for (int i = 0; i < fields; ++i)
                bindField(insert, row * fields + i + 1, description.fields[size_t(i)], r);
        }
        if (const SqlStatus status = insert.Run(); !status.ok())
            return status;
        insert.Reset();
        const qint64 before = inserted;
        inserted += rows;
        if (inserted / 1000 != before / 1000 && progress && !progress(inserted))
            return {store::kStopped, QStringLiteral("stopped"), true};
    }
    return {};
}

SqlStatus CMyDatabase::ReadCarColumns(CarTable table, const QString& carId,
                                      const std::vector<CarColumnRead>& columns,
                                      std::vector<QVariant>& values)
{
    values.clear();
    if (!IsOpen())
        return store::Closed();
    QByteArray names;
    for (const CarColumnRead& column : columns)
        names += (names.isEmpty() ? "\"" : ", \"") + QByteArray(column.column) + '"';
    CStatement select = m_connection.Prepare("select " + names + " from \"" + CarTableName(table) +
                                             "\" where \"CarID\"=?1 limit 1");
    select.Bind(1, carId);
    if (select.Next())
        for (int i = 0; i < int(columns.size()); ++i) {
            sqlite3_value* value = select.Value(i);
            values.push_back(columns[size_t(i)].number ? QVariant(CStatement::Number(value))
                                                       : QVariant(CStatement::Text(value)));
        }
    return select.Status();
}

Expected<InsertOutcome> CMyDatabase::InsertInputHistory(const InputHistoryEntry& e)
{
    if (!IsOpen())
        return store::Closed();
    CStatement find = m_connection.Prepare("select 1 from \"InputHistory\" where \"CarID\"=?1 and "
                                           "\"Content\"=?2 and \"ClassID\"=?3");
    find.Bind(1, e.carId).Bind(2, e.content).Bind(3, qint64(e.classId));
    const bool found = find.Next();
    if (!find.ok())
        return find.Status();
    if (found)
        return InsertOutcome::Duplicate;
    CStatement insert = m_connection.Prepare(tableOf(LedgerKind::InputHistory).InsertStatement());
    insert.Bind(1, e.carId)
        .Bind(2, e.recId)
        .Bind(3, e.content)
        .Bind(4, e.className)
        .Bind(5, qint64(e.classId))
        .Bind(6, e.reserved1)
        .Bind(7, e.reserved2);
    if (const SqlStatus status = insert.Run(); !status.ok())
        return status;
    return InsertOutcome::Inserted;
}

SqlStatus CMyDatabase::LoadRecords(LedgerKind kind, const QString& carId,
                                   std::vector<LedgerRecord>& records, const QByteArray& orderBy)
{
    records.clear();
    if (!IsOpen())
        return store::Closed();
    const CMyTable& description = tableOf(kind);
    const std::vector<LedgerField> fields = boundFields(description);
    CStatement select = m_connection.Prepare(
        description.SelectStatement(orderBy, m_missingColumns.value(description.name)));
    select.Bind(1, carId);
    ShownRowReader reader(fields);
    while (select.Next()) {
        LedgerRecord& r = records.emplace_back();
        r.carId = carId; // one shared text for every record
        reader.Read(select, r);
    }
    // Room left by the growing list goes back.
    records.shrink_to_fit();
    return select.Status();
}

SqlStatus CMyDatabase::ReadRecords(LedgerKind kind, const QString& carId,
                                   const std::function<bool(const LedgerRecord&)>& each)
{
    if (!IsOpen())
        return store::Closed();
    const CMyTable& description = tableOf(kind);
    const std::vector<LedgerField> fields = boundFields(description);
    CStatement select = m_connection.Prepare(
        description.SelectStatement("\"DateTimee\"", m_missingColumns.value(description.name)));
    select.Bind(1, carId);
    LedgerRecord r;
    r.carId = carId;
    while (select.Next()) {
        readStoredRecord(select, fields, r);
        if (!each(r))
            return {store::kStopped, QStringLiteral("stopped"), true};
    }
    return select.Status();
}

SqlStatus CMyDatabase::ReadStoredRecord(LedgerKind kind, const QString& carId, const QString& recId,
                                        LedgerRecord& r, bool& found, qint64* rowNumber)
{
    found = false;
    if (!IsOpen())
        return store::Closed();
    const CMyTable& description = tableOf(kind);
    const std::vector<LedgerField> fields = boundFields(description);
    CStatement select = m_connection.Prepare(
        "select * from (" +
        description.SelectStatement("\"NO\"", m_missingColumns.value(description.name)) +
        ") where \"RecID\"=?2");
    select.Bind(1, carId).Bind(2, recId);
    if (select.Next()) {
        r = LedgerRecord();
        r.carId = carId;
        readStoredRecord(select, fields, r);
        found = true;
    }
    if (!select.ok() || !found || !rowNumber)
        return select.Status();
    CStatement row = m_connection.Prepare(QByteArray("select rowid from \"") + LedgerTable(kind) +
                                          "\" where \"CarID\"=?1 and \"RecID\"=?2");
    row.Bind(1, carId).Bind(2, recId);
    *rowNumber = row.Next() ? qint64(row.Number(0)) : 0;
    return row.Status();
}

SqlStatus CMyDatabase::MoveRecordToRow(LedgerKind kind, const QString& carId, const QString& recId,
                                       qint64 rowNumber)
{
    if (!IsOpen())
        return store::Closed();
    const QByteArray table = QByteArray("\"") + LedgerTable(kind) + '"';
    CStatement move = m_connection.Prepare("update " + table +
                                           " set rowid=?1 where \"CarID\"=?2 and \"RecID\"=?3 "
                                           "and not exists (select 1 from " +
                                           table + " where rowid=?1)");
    move.Bind(1, rowNumber).Bind(2, carId).Bind(3, recId);
    return writeKeepingCosts(kind, carId, recId, false, [&] { return move.Run(); });
}

SqlStatus CMyDatabase::UpdateRecordField(LedgerKind kind, const LedgerRecord& r, LedgerField field,
                                         int keptAfter)
{
    if (!IsOpen())
        return store::Closed();
    const CMyTable& description = tableOf(kind);
    const CMyField* column = description.Field(field);
    if (!column)
        return {SQLITE_MISUSE, QStringLiteral("no such column"), true};
    CStatement update = m_connection.Prepare(description.UpdateStatement(*column, keptAfter));
    bindField(update, 1, *column, r);
    update.Bind(2, r.carId).Bind(3, r.recId);
    const bool figures = field == LedgerField::Date || field == LedgerField::Amount ||
                         field == LedgerField::Price || field == LedgerField::Count;
    return writeKeepingCosts(kind, r.carId, r.recId, figures, [&] { return update.Run(); });
}

SqlStatus CMyDatabase::DeleteRecord(LedgerKind kind, const QString& carId, const QString& recId)
{
    if (!IsOpen())
        return store::Closed();
    if (recId.isEmpty())
        return {SQLITE_MISUSE, QStringLiteral("no record identifier"), true};
    CStatement remove = m_connection.Prepare(tableOf(kind).DeleteStatement());
    remove.Bind(1, carId).Bind(2, recId);
    return writeKeepingCosts(kind, carId, recId, true, [&] { return remove.Run(); });
}

Expected<QString> CMyDatabase::GetNextRecID(LedgerKind kind)
{
    if (!IsOpen())
        return store::Closed();
    CStatement last =
        m_connection.Prepare(QByteArray("select \"RecID\" from \"") + LedgerTable(kind) +
                             "\" order by \"RecID\" DESC LIMIT 1");
    const QString highest = last.Next() ? last.Text(0) : QString();
    if (!last.ok())
        return last.Status();
    return RecordIdText(static_cast<qint64>(LeadingNumber(highest)) + 1);
}

Expected<int> CMyDatabase::GetRecordCount(LedgerKind kind, const QString& carId)
{
    if (!IsOpen())
        return store::Closed();
    CStatement count = m_connection.Prepare(QByteArray("select count(*) from \"") +
                                            LedgerTable(kind) + "\" where \"CarID\"=?1");
    count.Bind(1, carId);
    const Expected<double> number = firstNumber(count);
    if (!number)
        return number.error();
    return int(*number);
}

Expected<double> CMyDatabase::SumColumn(LedgerKind kind, const char* column, const QString& carId)
{
    if (!IsOpen())
        return store::Closed();
    CStatement sum = m_connection.Prepare(QByteArray("select SUM(\"") + column + "\") from \"" +
                                          LedgerTable(kind) + "\" where \"CarID\"=?1");
    sum.Bind(1, carId);
    return firstNumber(sum);
}

Expected<double> CMyDatabase::SumColumnInMonth(int year, int month, LedgerKind kind,
                                               const char* column, const QString& carId)
{
    if (!IsOpen())
        return store::Closed();
    const MonthRange range = MonthDates(year, month);
    CStatement sum = m_connection.Prepare(
        QByteArray("select SUM(\"") + column + "\") from \"" + LedgerTable(kind) +
        "\" where \"CarID\"=?1 and \"DateTimee\">=?2 and \"DateTimee\"<=?3");
    sum.Bind(1, carId).Bind(2, range.first).Bind(3, range.last);
    return firstNumber(sum);
}

Expected<double> CMyDatabase::sumRows(CStatement& rows, const QString& op)
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
    if (!rows.ok())
        return rows.Status();
    return total;
}

Expected<double> CMyDatabase::SumRowResults(LedgerKind kind, const char* a, const char* b,
                                            const QString& op, const QString& carId)
{
    if (!IsOpen())
        return store::Closed();
    CStatement rows =
        m_connection.Prepare(QByteArray("select \"") + a + "\", \"" + b + "\" from \"" +
                             LedgerTable(kind) + "\" where \"CarID\"=?1");
    rows.Bind(1, carId);
    return sumRows(rows, op);
}

Expected<double> CMyDatabase::SumRowResultsInMonth(int year, int month, LedgerKind kind,
                                                   const char* a, const char* b, const QString& op,
                                                   const QString& carId)
{
    if (!IsOpen())
        return store::Closed();
    const MonthRange range = MonthDates(year, month);
    CStatement rows = m_connection.Prepare(
        QByteArray("select \"") + a + "\", \"" + b + "\" from \"" + LedgerTable(kind) +
        "\" where \"CarID\"=?1 and \"DateTimee\">=?2 and \"DateTimee\"<=?3");
    rows.Bind(1, carId).Bind(2, range.first).Bind(3, range.last);
    return sumRows(rows, op);
}

SqlStatus CMyDatabase::GetInputHistory(const QString& carId, int classId, QStringList& entries)
{
    entries.clear();
    if (!IsOpen())
        return store::Closed();
    CStatement select = m_connection.Prepare(
        "select \"Content\" from \"InputHistory\" where \"CarID\"=?1 and \"ClassID\"=?2");
    select.Bind(1, carId).Bind(2, qint64(classId));
    while (select.Next())
        entries << RightTrimmed(select.Text(0));
    return select.Status();
}

SqlStatus CMyDatabase::LoadCurrentCarTotals(CostTotals& totals)
{
    const Expected<QString> car = GetCurrentCarID();
    if (!car) {
        totals = {};
        return car.error();
    }
    return LoadCostTotals(*car, totals);
}
