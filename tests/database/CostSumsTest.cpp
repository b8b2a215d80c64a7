#include "DatabaseFixture.h"

#include "database/Figures.h"
#include "database/Names.h"
#include "database/RecordChange.h"
#include "database/Transaction.h"

#include <memory>
#include <random>

namespace {

constexpr LedgerKind kCostKinds[] = {LedgerKind::Refuel,   LedgerKind::Repair,
                                     LedgerKind::Maintain, LedgerKind::Accident,
                                     LedgerKind::DailyCost, LedgerKind::Accessory};
// Dates inside and just outside February as the month queries compare texts.
const char* const kDates[] = {"2024/01/31", "2024/02/01", "2024/02/1", "2024/02/15",
                              "2024/02/31", "2024/02/31x", "2024/02/00", "2024/2/15",
                              "2024/03/02", ""};
const char* const kCars[] = {"CAR0001", "CAR0002", "CAR0003"};

class RandomWork
{
public:
    explicit RandomWork(CMyDatabase& db) : m_db(db) {}

    int Pick(int count) { return int(m_random() % unsigned(count)); }

    LedgerRecord Record(LedgerKind kind, const QString& car)
    {
        LedgerRecord r;
        r.carId = car;
        r.recId = Value(m_db.GetNextRecID(kind));
        r.date = kDates[Pick(std::size(kDates))];
        r.amount = Pick(8) == 0 ? -12.5 : Pick(50000) / 100.0;
        r.price = Pick(9) == 0 ? 0 : Pick(2000) / 100.0 + 0.01;
        r.count = Pick(4);
        return r;
    }

    // A stored record of the ledger, if the car has one.
    std::optional<LedgerRecord> Stored(LedgerKind kind, const QString& car, qint64* row = nullptr)
    {
        std::vector<LedgerRecord> records;
        EXPECT_TRUE(m_db.LoadRecords(kind, car, records).ok());
        if (records.empty())
            return std::nullopt;
        LedgerRecord r;
        bool found = false;
        EXPECT_TRUE(m_db.ReadStoredRecord(kind, car, records[size_t(Pick(int(records.size())))].recId,
                                          r, found, row)
                        .ok());
        return r;
    }

    // One step of work on a random ledger of a random car.
    void Step()
    {
        const LedgerKind kind = kCostKinds[Pick(6)];
        const QString car = kCars[Pick(3)];
        switch (Pick(9)) {
        case 0:
        case 1: {
            const LedgerRecord r = Record(kind, car);
            ASSERT_TRUE(Succeeded(m_db.InsertRecord(kind, r)));
            done(CRecordChange::Add(kind, r, "add"));
            break;
        }
        case 2:
        case 3:
            if (std::optional<LedgerRecord> before = Stored(kind, car)) {
                std::vector<LedgerField> fields;
                for (const LedgerField f : {LedgerField::Date, LedgerField::Amount,
                                            LedgerField::Price, LedgerField::Count,
                                            LedgerField::Mark})
                    if (FindTable(LedgerTable(kind))->Field(f))
                        fields.push_back(f);
                const LedgerField field = fields[size_t(Pick(int(fields.size())))];
                LedgerRecord after = Record(kind, car);
                after.recId = before->recId;
                ASSERT_TRUE(Succeeded(m_db.UpdateRecordField(kind, after, field)));
                done(CRecordChange::Edit(kind, *before, after, {field}, "edit"));
            }
            break;
        case 4: {
            qint64 row = 0;
            if (std::optional<LedgerRecord> r = Stored(kind, car, &row)) {
                ASSERT_TRUE(Succeeded(m_db.DeleteRecord(kind, car, r->recId)));
                done(CRecordChange::Remove(kind, *r, "delete", row));
            }
            break;
        }
        case 5: // undo, then sometimes redo; a record gone since is refused
            if (!m_done.empty()) {
                m_done.back()->Write(m_db, true);
                if (Pick(2) == 0)
                    m_done.back()->Write(m_db, false);
                m_done.pop_back();
            }
            break;
        case 6: { // an import, kept or rolled back
            CTransaction transaction(m_db.Connection());
            std::vector<LedgerRecord> records;
            for (const char* each : kCars)
                records.push_back(Record(kind, each));
            ASSERT_TRUE(Succeeded(m_db.InsertRecords(kind, records)));
            if (Pick(3) > 0) {
                ASSERT_TRUE(transaction.Commit());
            }
            break;
        }
        case 7: { // a value another program wrote, on this connection or its own
            const QString table = LedgerTable(kind);
            const QString change =
                kind == LedgerKind::Accessory
                    ? QStringList{"Price=1.555", "Countt='2x'", "DateTimee='2024/02/2'"}[Pick(3)]
                    : QStringList{"Amount=Amount+0.001", "Amount='12abc'", "Amount=NULL",
                                  "DateTimee='2024/02/2'"}[Pick(4)];
            const QString sql = "update \"" + table + "\" set " + change +
                                " where rowid=(select max(rowid) from \"" + table + "\")";
            CAdoConnection other;
            CAdoConnection& connection =
                Pick(2) == 0 && other.Open(m_db.FilePath(), CMyDatabase::kDatabasePassword)
                    ? other
                    : m_db.Connection();
            ASSERT_TRUE(connection.Execute(sql));
            break;
        }
        default:
            if (car != kCars[0] && Pick(4) == 0) {
                ASSERT_TRUE(Succeeded(m_db.DeleteCar(car)));
            }
            break;
        }
    }

private:
    void done(CRecordChange* change) { m_done.emplace_back(change); }

    CMyDatabase& m_db;
    std::mt19937 m_random{20241208};
    std::vector<std::unique_ptr<CRecordChange>> m_done;
};

// What the pages' totals and the month queries make of the file now.
void expectFiguresOfTheFile(CMyDatabase& db, int step)
{
    SCOPED_TRACE(step);
    for (const char* car : kCars) {
        SCOPED_TRACE(car);
        std::vector<LedgerRecord> records[6];
        for (int k = 0; k < 6; ++k)
            ASSERT_TRUE(db.LoadRecords(kCostKinds[k], car, records[k]).ok());
        CostTotals totals;
        ASSERT_TRUE(Succeeded(db.LoadCostTotals(car, totals)));
        EXPECT_EQ(totals.fuelAmount, TotalAmount(records[0]));
        EXPECT_EQ(totals.fuelVolume, TotalFuelVolume(records[0]));
        EXPECT_EQ(totals.repair, TotalAmount(records[1]));
        EXPECT_EQ(totals.maintain, TotalAmount(records[2]));
        EXPECT_EQ(totals.accident, TotalAmount(records[3]));
        EXPECT_EQ(totals.dailyCost, TotalAmount(records[4]));
        EXPECT_EQ(totals.accessory, TotalAccessoryCost(records[5]));
        for (const LedgerKind kind : kCostKinds)
            for (int month = 1; month <= 3; ++month) {
                const double plain =
                    kind == LedgerKind::Accessory
                        ? Value(db.SumRowResultsInMonth(2024, month, kind, col::Countt, col::Price,
                                                        "*", car))
                        : Value(db.SumColumnInMonth(2024, month, kind, col::Amount, car));
                EXPECT_NEAR(Value(db.CostInMonth(kind, car, 2024, month)), plain,
                            1e-9 * std::max(1.0, std::fabs(plain)))
                    << LedgerTable(kind) << " month " << month;
            }
    }
}

} // namespace

// The totals and month values the store keeps while records are added,
// edited, deleted, undone, imported and changed behind its back are those
// of the records in the file, step by step.
TEST_F(DatabaseTest, KeptCostFiguresFollowRandomWorkOnTheFile)
{
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(Succeeded(db.NewCar("car")));
    ASSERT_TRUE(Succeeded(db.SetCurrentCar(kCars[0])));
    RandomWork work(db);
    for (int step = 0; step < 400; ++step) {
        ASSERT_NO_FATAL_FAILURE(work.Step());
        ASSERT_NO_FATAL_FAILURE(expectFiguresOfTheFile(db, step));
        if (HasFailure())
            return;
    }
}
