// The cost totals and the month values of the cost ledgers, from the figures
// the store keeps summed by car (database/CostSums.h), and the writes that
// keep them up.
#include "database/Figures.h"
#include "database/MyDatabase.h"
#include "database/Names.h"

#include <cstring>
#include <sqlite3.h>
#include <string_view>
#include <tuple>

namespace {

// The columns a record's cost is read from, in this order; a column the
// ledger has not (or the file lacks) reads as NULL, as the pages read it.
constexpr LedgerField kCostFields[] = {LedgerField::Amount, LedgerField::Price,
                                       LedgerField::Count};

QByteArray costSelect(LedgerKind kind, const QStringList& missing, const char* where)
{
    const CMyTable* description = FindTable(LedgerTable(kind));
    QByteArray sql = "select \"CarID\", \"DateTimee\"";
    for (const LedgerField field : kCostFields) {
        const CMyField* column = description ? description->Field(field) : nullptr;
        sql += column && !missing.contains(column->name)
                   ? ", \"" + column->name.toLatin1() + '"'
                   : QByteArray(", NULL");
    }
    return sql + " from \"" + LedgerTable(kind) + "\" where " + where;
}

// The month a stored date falls in as the month queries compare texts: one
// whose first eight bytes and day 01 to 31 (compared as bytes) enclose it.
std::optional<quint64> monthOf(sqlite3_value* date)
{
    if (sqlite3_value_type(date) != SQLITE_TEXT)
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(date));
    const int size = sqlite3_value_bytes(date);
    if (size <= 8)
        return std::nullopt;
    const std::string_view day(bytes + 8, size_t(size - 8));
    if (day < "01" || day > "31")
        return std::nullopt;
    return MonthKey(bytes);
}

// What the selected row (costSelect's columns) adds to its ledger's figures:
// the page totals' shares of the record as the pages read it, and the month
// value as the month queries sum it.
RecordCost costOf(LedgerKind kind, const CStatement& row)
{
    LedgerRecord r;
    r.amount = CStatement::Number(row.Value(2));
    r.price = CStatement::Number(row.Value(3));
    r.count = CStatement::Number(row.Value(4));
    RecordCost cost;
    cost.month = monthOf(row.Value(1));
    if (kind == LedgerKind::Accessory) {
        cost.cost = AccessoryCostShare(r);
        cost.monthValue = WholeHundredths(r.count * r.price);
        return cost;
    }
    cost.cost = AmountShare(r);
    if (kind == LedgerKind::Refuel)
        cost.volume = FuelVolumeShare(r);
    // SUM() adds stored doubles and skips nulls; texts and integers it sums
    // its own way, and so does the month's query.
    sqlite3_value* amount = row.Value(2);
    if (sqlite3_value_type(amount) == SQLITE_FLOAT)
        cost.monthValue = WholeHundredths(sqlite3_value_double(amount));
    else if (sqlite3_value_type(amount) == SQLITE_NULL)
        cost.monthValue = 0;
    return cost;
}

} // namespace

SqlStatus CMyDatabase::keptCosts(LedgerKind kind, const QString& carId, LedgerCost*& figures)
{
    figures = nullptr;
    if (!IsOpen())
        return store::Closed();
    {
        // Another connection's commit may have changed any record.
        CStatement version = m_connection.Prepare("PRAGMA data_version");
        const qint64 dataVersion = version.Next() ? sqlite3_value_int64(version.Value(0)) : -1;
        if (dataVersion != m_dataVersion || dataVersion < 0)
            m_costSums.Forget();
        m_dataVersion = dataVersion;
    }

    const QByteArray car = carId.toUtf8();
    figures = m_costSums.Find(kind, car);
    if (figures)
        return {};
    LedgerCost sums;
    CStatement select = m_connection.Prepare(
        costSelect(kind, m_missingColumns.value(QString::fromLatin1(LedgerTable(kind))), "\"CarID\"=?1"));
    select.Bind(1, carId);
    while (select.Next())
        sums.Add(costOf(kind, select), 1);
    if (!select.ok())
        return select.Status();
    figures = &m_costSums.Keep(kind, car, std::move(sums));
    return {};
}

SqlStatus CMyDatabase::LoadCostTotals(const QString& carId, CostTotals& t)
{
    // A ledger that cannot be read counts nothing; the first failure is answered.
    SqlStatus first;
    const auto figures = [&](LedgerKind kind) {
        LedgerCost* kept = nullptr;
        const SqlStatus status = keptCosts(kind, carId, kept);
        if (first.ok())
            first = status;
        return kept ? std::pair{kept->cost / 100.0, kept->volume / 100.0} : std::pair{0.0, 0.0};
    };
    t.repair = figures(LedgerKind::Repair).first;
    t.maintain = figures(LedgerKind::Maintain).first;
    t.accident = figures(LedgerKind::Accident).first;
    t.dailyCost = figures(LedgerKind::DailyCost).first;
    std::tie(t.fuelAmount, t.fuelVolume) = figures(LedgerKind::Refuel);
    t.accessory = figures(LedgerKind::Accessory).first;
    return first;
}

Expected<double> CMyDatabase::CostInMonth(LedgerKind kind, const QString& carId, int year,
                                          int month)
{
    if (!IsOpen())
        return store::Closed();
    const bool accessory = kind == LedgerKind::Accessory;
    const QByteArray first = MonthDates(year, month).first.toUtf8();
    const QStringList missing = m_missingColumns.value(QString::fromLatin1(LedgerTable(kind)));
    // A month of eight-byte dates, of columns the file has, comes from the
    // kept figures unless a record of it is no whole number of hundredths.
    if (CCostSums::IsCostLedger(kind) && first.size() == 10 &&
        !missing.contains(QLatin1String(accessory ? col::Countt : col::Amount)) &&
        !(accessory && missing.contains(QLatin1String(col::Price)))) {
        LedgerCost* figures = nullptr;
        if (const SqlStatus status = keptCosts(kind, carId, figures); !status.ok())
            return status;
        const auto found = figures->months.constFind(MonthKey(first.constData()));
        if (found == figures->months.cend())
            return 0.0;
        if (found->unsummed == 0)
            return found->hundredths / 100.0;
    }
    return accessory ? SumRowResultsInMonth(year, month, kind, col::Countt, col::Price,
                                            QStringLiteral("*"), carId)
                     : SumColumnInMonth(year, month, kind, col::Amount, carId);
}

SqlStatus CMyDatabase::readRecordCosts(LedgerKind kind, const QString& carId, const QString& recId,
                                       std::vector<RecordCost>& costs)
{
    CStatement select =
        m_connection.Prepare(costSelect(kind, m_missingColumns.value(QString::fromLatin1(LedgerTable(kind))),
                                        "\"CarID\"=?1 and \"RecID\"=?2"));
    select.Bind(1, carId).Bind(2, recId);
    while (select.Next())
        costs.push_back(costOf(kind, select));
    return select.Status();
}

SqlStatus CMyDatabase::writeKeepingCosts(LedgerKind kind, const QString& carId,
                                         const QString& recId, bool figures,
                                         const std::function<SqlStatus()>& write)
{
    if (!CCostSums::IsCostLedger(kind))
        return write();
    const CCostSums::Writing writing(m_costSums, kind);
    const QByteArray car = carId.toUtf8();
    if (!figures || !m_costSums.Find(kind, car))
        return write();
    std::vector<RecordCost> before, after;
    const bool known = readRecordCosts(kind, carId, recId, before).ok();
    const SqlStatus status = write();
    if (!status.ok())
        return status;
    LedgerCost* kept = m_costSums.Find(kind, car); // a rollback drops them
    if (!known || !readRecordCosts(kind, carId, recId, after).ok()) {
        m_costSums.Forget(kind, car);
        return status;
    }
    if (kept) {
        for (const RecordCost& cost : before)
            kept->Add(cost, -1);
        for (const RecordCost& cost : after)
            kept->Add(cost, 1);
    }
    return status;
}

SqlStatus CMyDatabase::insertKeepingCosts(LedgerKind kind, const std::function<SqlStatus()>& insert)
{
    if (!CCostSums::IsCostLedger(kind))
        return insert();
    const CCostSums::Writing writing(m_costSums, kind);
    if (!m_costSums.KeepsAny(kind))
        return insert();
    // The new rows follow every row there is (the tables number their rows
    // on from the highest number ever used).
    CStatement highest = m_connection.Prepare(QByteArray("select max(rowid) from \"") +
                                              LedgerTable(kind) + '"');
    const qint64 last = highest.Next() ? sqlite3_value_int64(highest.Value(0)) : 0;
    if (!highest.ok()) {
        m_costSums.Forget(kind);
        return insert();
    }
    highest.Reset();
    // Whatever the insert came to, the rows it made are in the file.
    const SqlStatus status = insert();
    CStatement select = m_connection.Prepare(
        costSelect(kind, m_missingColumns.value(QString::fromLatin1(LedgerTable(kind))), "rowid>?1"));
    select.Bind(1, last);
    QByteArray car;
    LedgerCost* kept = nullptr;
    while (select.Next()) {
        // Only a text equals the car a statement binds.
        sqlite3_value* carId = select.Value(0);
        if (sqlite3_value_type(carId) != SQLITE_TEXT)
            continue;
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(carId));
        const int size = sqlite3_value_bytes(carId);
        if (size != car.size() || std::memcmp(bytes, car.constData(), size_t(size)) != 0) {
            car = QByteArray(bytes, size);
            kept = m_costSums.Find(kind, car);
        }
        if (kept)
            kept->Add(costOf(kind, select), 1);
    }
    if (!select.ok())
        m_costSums.Forget(kind);
    return status;
}
