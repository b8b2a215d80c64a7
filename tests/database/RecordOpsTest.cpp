#include "DatabaseFixture.h"

#include "database/Names.h"
#include "database/SqlText.h"
#include "database/Transaction.h"

#include <sqlite3.h>

namespace {

RefuelRecord refuel(const QString& car, const QString& id, const QString& date, double amount,
                    double price, const QString& mark = QString())
{
    RefuelRecord r;
    r.carId = car;
    r.recId = id;
    r.date = date;
    r.mark = mark;
    r.amount = amount;
    r.price = price;
    return r;
}

QString nextId(CMyDatabase& db, LedgerKind kind)
{
    return Value(db.GetNextRecID(kind));
}

constexpr auto kInserted = InsertOutcome::Inserted;

} // namespace

TEST_F(DatabaseTest, RecordIdentifiersAreSharedByAllCarsOfATable)
{
    EXPECT_EQ(nextId(db, LedgerKind::Refuel), "0000001");
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(insert(LedgerKind::Refuel,
                         refuel("CAR0001", nextId(db, LedgerKind::Refuel), "2024/01/01", 1, 1)),
                  kInserted);
    EXPECT_EQ(nextId(db, LedgerKind::Refuel), "0000003");
    EXPECT_EQ(nextId(db, LedgerKind::Repair), "0000001");

    // The same identifier twice for one car is refused; another car may use it.
    EXPECT_EQ(insert(LedgerKind::Refuel, refuel("CAR0001", "0000002", "2024/01/02", 5, 5)),
              InsertOutcome::Duplicate);
    EXPECT_EQ(insert(LedgerKind::Refuel, refuel("CAR0002", "0000002", "2024/01/02", 5, 5)),
              kInserted);
    EXPECT_EQ(readBack("select CarID, RecID, Amount from Refuel order by NO"),
              (std::vector<QStringList>{{"CAR0001", "0000001", "1.00000000"},
                                        {"CAR0001", "0000002", "1.00000000"},
                                        {"CAR0002", "0000002", "5.00000000"}}));

    // Deleting needs an identifier; a deleted number leaves a gap.
    EXPECT_EQ(db.DeleteRecord(LedgerKind::Refuel, "CAR0001", "").code, SQLITE_MISUSE);
    EXPECT_TRUE(Succeeded(db.DeleteRecord(LedgerKind::Refuel, "CAR0001", "0000001")));
    EXPECT_EQ(readBack("select RecID from Refuel where CarID='CAR0001'"),
              (std::vector<QStringList>{{"0000002"}}));
    EXPECT_EQ(nextId(db, LedgerKind::Refuel), "0000003");
}

TEST_F(DatabaseTest, EveryLedgerStoresItsRecordExactly)
{
    const QString note =
        QStringLiteral("it's 100% \\n '; drop table Refuel; -- 😀 ") + QString(1000, QChar(u'注'));
    ServiceRecord service;
    service.carId = "CAR0001";
    service.recId = "0000001";
    service.date = "2024/03/09";
    service.mark = note;
    service.miles = 1234.567;
    service.amount = 99.994;
    service.content = "换'机油";
    service.provider = "4S店";
    EXPECT_EQ(insert(LedgerKind::Repair, service), kInserted);
    EXPECT_EQ(insert(LedgerKind::Maintain, service), kInserted);

    CostRecord cost;
    cost.carId = "CAR0001";
    cost.recId = "0000001";
    cost.date = "2024/03/10";
    cost.mark = note;
    cost.amount = 20;
    cost.content = "停车费";
    EXPECT_EQ(insert(LedgerKind::Accident, cost), kInserted);
    EXPECT_EQ(insert(LedgerKind::DailyCost, cost), kInserted);

    CarLogRecord log;
    log.carId = "CAR0001";
    log.recId = "0000001";
    log.mark = note;
    log.miles = 10;
    EXPECT_EQ(insert(LedgerKind::CarLog, log), kInserted);

    AccessoryRecord accessory;
    accessory.carId = "CAR0001";
    accessory.recId = "0000001";
    accessory.date = "2024/03/11";
    accessory.price = 12.5;
    accessory.count = 2.6;
    accessory.name = "脚垫";
    accessory.provider = "O'Reilly";
    EXPECT_EQ(insert(LedgerKind::Accessory, accessory), kInserted);

    RefuelRecord fuel = refuel("CAR0001", "0000001", "2024/03/12", 300, 7.5);
    fuel.mark = note;
    fuel.fuelMeter1 = 1;
    fuel.fuelMeter2 = 8;
    EXPECT_EQ(insert(LedgerKind::Refuel, fuel), kInserted);

    for (const char* table : {"Repair", "Maintain"})
        EXPECT_EQ(
            readBack(QString("select DateTimee, Mark, Miles, Amount, Content, Provider from ") +
                     table),
            (std::vector<QStringList>{
                {"2024/03/09", note, "1234.57000000", "99.99000000", "换'机油", "4S店"}}));
    for (const char* table : {"Accident", "DailyCost"})
        EXPECT_EQ(readBack(QString("select Mark, Miles, Amount, Content from ") + table),
                  (std::vector<QStringList>{{note, "0.00000000", "20.00000000", "停车费"}}));
    EXPECT_EQ(readBack("select Mark, Miles, Reserved1 from CarLog"),
              (std::vector<QStringList>{{note, "10.00000000", ""}}));
    EXPECT_EQ(readBack("select Price, Countt, Name, Provider from Accessory"),
              (std::vector<QStringList>{{"12.50000000", "3.00000000", "脚垫", "O'Reilly"}}));
    EXPECT_EQ(readBack("select Mark, Amount, Price, FuelMeter1, FuelMeter2 from Refuel"),
              (std::vector<QStringList>{
                  {note, "300.00000000", "7.50000000", "1.00000000", "8.00000000"}}));
}

TEST_F(DatabaseTest, InputHistoryRefusesDuplicatesSilently)
{
    const std::pair<InputHistoryEntry, InsertOutcome> rows[] = {
        {{"CAR0001", "0000001", "张三's 修理厂", "Maintain", 1, "", ""}, kInserted},
        {{"CAR0001", "0000002", "张三's 修理厂", "Maintain", 1, "", ""}, InsertOutcome::Duplicate},
        {{"CAR0001", "0000001", "张三's 修理厂", "Maintain", 2, "", ""}, kInserted},
        {{"CAR0001", "0000001", "B", "Maintain", 1, "", ""}, kInserted},
        {{"CAR0002", "0000001", "other car", "Maintain", 1, "", ""}, kInserted},
    };
    for (const auto& [entry, outcome] : rows)
        EXPECT_EQ(Value(db.InsertInputHistory(entry)), outcome) << entry.content.toStdString();

    QStringList entries{"stale"};
    ASSERT_TRUE(Succeeded(db.GetInputHistory("CAR0001", 1, entries)));
    EXPECT_EQ(entries, QStringList({"张三's 修理厂", "B"}));
    EXPECT_EQ(readBack("select ClassName, ClassID from InputHistory where NO=1"),
              (std::vector<QStringList>{{"Maintain", "1"}}));
}

TEST_F(DatabaseTest, CountsAndSums)
{
    const auto rowSum = [&](const char* op, const QString& car) {
        return Value(db.SumRowResults(LedgerKind::Refuel, col::Amount, col::Price, op, car));
    };
    const auto monthSum = [&](int month, const QString& car) {
        return Value(db.SumColumnInMonth(2024, month, LedgerKind::Refuel, col::Amount, car));
    };
    EXPECT_EQ(Value(db.GetRecordCount(LedgerKind::Refuel, "CAR0001")), 0);
    EXPECT_EQ(Value(db.SumColumn(LedgerKind::Refuel, col::Amount, "CAR0001")), 0.0);
    EXPECT_EQ(rowSum("/", "CAR0001"), 0.0);

    for (const LedgerRecord& r :
         {refuel("CAR0001", "0000001", "2024/02/01", 300, 7.5),
          refuel("CAR0001", "0000002", "2024/02/29", 100, 4e-7), // stored as 0.000000: no quotient
          refuel("CAR0001", "0000003", "2024/03/01", 80, 8),
          refuel("CAR0001", "0000004", "2024/2/15", 1, 1), // not zero-padded: outside any month
          refuel("CAR0002", "0000005", "2024/02/10", 1000, 10)})
        ASSERT_EQ(insert(LedgerKind::Refuel, r), kInserted);
    db.Connection().Execute("insert into Refuel (CarID, Amount, Price) values "
                            "('CAR0003', 10, 0.0001), ('CAR0003', 10, 0.0002)");

    EXPECT_EQ(Value(db.GetRecordCount(LedgerKind::Refuel, "CAR0001")), 4);
    const std::pair<double, double> sums[] = {
        {Value(db.SumColumn(LedgerKind::Refuel, col::Amount, "CAR0001")), 481},
        {rowSum("/", "CAR0001"), 40 + 10 + 1},
        {rowSum("*", "CAR0001"), 2250 + 0 + 640 + 1},
        {rowSum("+", "CAR0001"), 307.5 + 100 + 88 + 2},
        {rowSum("-", "CAR0001"), 292.5 + 100 + 72 + 0},
        {rowSum("%", "CAR0001"), 0},
        {rowSum("/", "CAR0003"), 50000},
        {monthSum(2, "CAR0001"), 400},
        {monthSum(3, "CAR0001"), 80},
        {monthSum(4, "CAR0001"), 0},
        {Value(db.SumRowResultsInMonth(2024, 2, LedgerKind::Refuel, col::Amount, col::Price, "/",
                                       "CAR0001")),
         40},
        {Value(db.SumRowResultsInMonth(2024, 2, LedgerKind::Refuel, col::Amount, col::Price, "/",
                                       "CAR0002")),
         100},
    };
    for (size_t i = 0; i < std::size(sums); ++i)
        EXPECT_DOUBLE_EQ(sums[i].first, sums[i].second) << "row " << i;
}

TEST_F(DatabaseTest, CostTotalsOfACar)
{
    const auto record = [](double amount, double price = 0, double count = 0) {
        LedgerRecord r;
        r.carId = "CAR0001";
        r.recId = "0000001";
        r.amount = amount;
        r.price = price;
        r.count = count;
        return r;
    };
    const std::pair<LedgerKind, LedgerRecord> records[] = {
        {LedgerKind::Refuel, refuel("CAR0001", "0000001", "2024/02/01", 300, 7.5)},
        {LedgerKind::Refuel, refuel("CAR0001", "0000002", "2024/02/02", 50, 0)}, // no litres
        {LedgerKind::Repair, record(120)},
        {LedgerKind::Maintain, record(80)},
        {LedgerKind::Accident, record(1000)},
        {LedgerKind::DailyCost, record(15)},
        {LedgerKind::Accessory, record(0, 12.5, 4)},
    };
    for (const auto& [kind, r] : records)
        ASSERT_EQ(insert(kind, r), kInserted);

    CostTotals totals;
    ASSERT_TRUE(Succeeded(db.LoadCostTotals("CAR0001", totals)));
    EXPECT_DOUBLE_EQ(totals.fuelVolume, 40);
    EXPECT_DOUBLE_EQ(totals.fuelAmount, 350);
    EXPECT_DOUBLE_EQ(totals.repair, 120);
    EXPECT_DOUBLE_EQ(totals.maintain, 80);
    EXPECT_DOUBLE_EQ(totals.accident, 1000);
    EXPECT_DOUBLE_EQ(totals.dailyCost, 15);
    EXPECT_DOUBLE_EQ(totals.accessory, 50);

    CostTotals none;
    ASSERT_TRUE(Succeeded(db.LoadCostTotals("CAR0002", none)));
    EXPECT_EQ(none.fuelAmount + none.fuelVolume + none.accessory, 0.0);
}

// A closed ledger answers every operation with its own status and changes nothing.
TEST(ClosedLedger, EveryOperationAnswersClosed)
{
    CMyDatabase db;
    std::vector<LedgerRecord> records(1);
    QStringList entries;
    CostTotals totals;
    const std::vector<std::pair<const char*, SqlStatus>> answers = {
        {"next identifier", db.GetNextRecID(LedgerKind::Refuel).status()},
        {"insert", db.InsertRecord(LedgerKind::Refuel, LedgerRecord{}).status()},
        {"insert many", db.InsertRecords(LedgerKind::Refuel, records)},
        {"input history", db.InsertInputHistory(InputHistoryEntry{}).status()},
        {"entries", db.GetInputHistory("CAR0001", 1, entries)},
        {"load", db.LoadRecords(LedgerKind::Refuel, "CAR0001", records)},
        {"delete record", db.DeleteRecord(LedgerKind::Refuel, "CAR0001", "0000001")},
        {"new car", db.NewCar("x").status()},
        {"delete car", db.DeleteCar("CAR0001")},
        {"count", db.GetRecordCount(LedgerKind::Refuel, "CAR0001").status()},
        {"sum", db.SumColumn(LedgerKind::Refuel, col::Amount, "CAR0001").status()},
        {"totals", db.LoadCostTotals("CAR0001", totals)},
    };
    for (const auto& [what, status] : answers)
        EXPECT_EQ(status.code, store::kClosed) << what;
    EXPECT_TRUE(records.empty());
    EXPECT_FALSE(db.TableExists("CarList"));
}

TEST_F(DatabaseTest, FailedWritesAreNotReportedAsDone)
{
    db.Connection().Execute("CREATE TRIGGER no_insert BEFORE INSERT ON Repair "
                            "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    db.Connection().Execute("CREATE TRIGGER no_delete BEFORE DELETE ON Refuel "
                            "BEGIN SELECT RAISE(ABORT, 'kept'); END");
    ServiceRecord s;
    s.carId = "CAR0001";
    s.recId = "0000001";
    ASSERT_EQ(insert(LedgerKind::Refuel, s), kInserted);
    for (const SqlStatus& refused : {db.InsertRecord(LedgerKind::Repair, s).status(),
                                     db.DeleteRecord(LedgerKind::Refuel, "CAR0001", "0000001")}) {
        EXPECT_EQ(refused.code, SQLITE_CONSTRAINT_TRIGGER);
        EXPECT_TRUE(refused.writing);
    }
    EXPECT_EQ(db.Connection().LastError().message, "kept");
    EXPECT_TRUE(readBack("select * from Repair").empty());
    EXPECT_EQ(readBack("select RecID from Refuel").size(), 1u);
}

TEST_F(DatabaseTest, TextsWithANulCharacterReachTheFileWhole)
{
    // A crafted file: one identifier is another one followed by a NUL and more.
    const QString plainId = "0000003";
    const QString nulId = QString("0000003") + QChar(u'\0') + "x";
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db.Connection().handle(),
                                 "insert into Refuel (CarID, RecID, Mark) values ('CAR0001', ?, ?)",
                                 -1, &stmt, nullptr),
              SQLITE_OK);
    for (const auto& [id, mark] : {std::pair{plainId, "plain"}, std::pair{nulId, "nul"}}) {
        const QByteArray bytes = id.toUtf8();
        sqlite3_bind_text(stmt, 1, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, mark, -1, SQLITE_STATIC);
        ASSERT_EQ(sqlite3_step(stmt), SQLITE_DONE);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);

    LedgerRecord changed;
    changed.carId = "CAR0001";
    changed.recId = nulId;
    changed.mark = "changed";
    EXPECT_TRUE(db.UpdateRecordField(LedgerKind::Refuel, changed, LedgerField::Mark).ok());
    EXPECT_EQ(readBack("select RecID, Mark from Refuel order by NO"),
              (std::vector<QStringList>{{plainId, "plain"}, {nulId, "changed"}}));
    EXPECT_TRUE(db.DeleteRecord(LedgerKind::Refuel, "CAR0001", plainId).ok());
    EXPECT_EQ(readBack("select RecID from Refuel"), (std::vector<QStringList>{{nulId}}));

    // A note holding a NUL is stored and read back whole.
    const QString note = QString("前") + QChar(u'\0') + "后'";
    ASSERT_EQ(insert(LedgerKind::Refuel, refuel("CAR0001", "0000004", "2024/01/01", 1, 1, note)),
              kInserted);
    EXPECT_EQ(readBack("select Mark from Refuel where RecID='0000004'"),
              (std::vector<QStringList>{{note}}));
    EXPECT_EQ(SqlText(note), QString("前'||char(0)||'后''"));
}

TEST_F(DatabaseTest, RecordsAreReadByTheirStoredTypes)
{
    // Rows as an old or edited file may hold them: a number stored as text, an
    // integer, a missing value, padded text, another car's row, dates out of order.
    db.Connection().Execute(
        "insert into Refuel (CarID, RecID, DateTimee, Mark, Miles, Amount, Price) values "
        "('CAR0001', '0000002', '2024/05/09', 'note  ', '12abc', 5, NULL), "
        "('CAR0002', '0000003', '2024/05/01', 'other', 1, 1, 1), "
        "('CAR0001', '0000001', '2024/05/01', '', 1000.5, 300.25, 7.3)");
    std::vector<LedgerRecord> records;
    ASSERT_TRUE(db.LoadRecords(LedgerKind::Refuel, "CAR0001", records).ok());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].recId, "0000001");
    EXPECT_EQ(records[0].miles, 1000.5);
    EXPECT_EQ(records[0].amount, 300.25);
    EXPECT_EQ(records[0].price, 7.3);
    EXPECT_EQ(records[1].carId, "CAR0001");
    EXPECT_EQ(records[1].date, "2024/05/09");
    EXPECT_EQ(records[1].mark, "note");
    EXPECT_EQ(records[1].miles, 12);
    EXPECT_EQ(records[1].amount, 5);
    EXPECT_EQ(records[1].price, 0);

    // One field is written, bound, rounded as the page shows it.
    LedgerRecord changed = records[1];
    changed.amount = 99.995;
    changed.mark = "it's -- '; drop table Refuel;";
    ASSERT_TRUE(db.UpdateRecordField(LedgerKind::Refuel, changed, LedgerField::Amount).ok());
    ASSERT_TRUE(db.UpdateRecordField(LedgerKind::Refuel, changed, LedgerField::Mark).ok());
    EXPECT_EQ(
        readBack("select Amount, Mark, Miles from Refuel where RecID='0000002'"),
        (std::vector<QStringList>{{"100.00000000", "it's -- '; drop table Refuel;", "12abc"}}));
}

// Many records at once: numbered on from the ledger's next identifier, stopped
// by their progress, refused whole beyond the last identifier.
TEST_F(DatabaseTest, ManyRecordsOfOneLedgerAtOnce)
{
    ASSERT_EQ(insert(LedgerKind::Refuel, refuel("CAR0001", "0000005", "2024/01/01", 1, 1)),
              kInserted);
    std::vector<LedgerRecord> records = {refuel("CAR0002", "", "2024/02/01", 2, 1, "a'b"),
                                         refuel("CAR0002", "", "2024/03/01", 3, 1)};
    ASSERT_TRUE(db.InsertRecords(LedgerKind::Refuel, records).ok());
    EXPECT_EQ(records[1].recId, "0000007");
    EXPECT_EQ(readBack("select CarID, RecID, DateTimee, Mark, Amount from Refuel order by NO"),
              (std::vector<QStringList>{{"CAR0001", "0000005", "2024/01/01", "", "1.00000000"},
                                        {"CAR0002", "0000006", "2024/02/01", "a'b", "2.00000000"},
                                        {"CAR0002", "0000007", "2024/03/01", "", "3.00000000"}}));

    std::vector<LedgerRecord> many(2500, refuel("CAR0003", "", "2024/04/01", 1, 1));
    std::vector<qint64> heard;
    {
        CTransaction transaction(db.Connection()); // the caller's, never committed
        const SqlStatus stopped = db.InsertRecords(LedgerKind::Repair, many, [&](qint64 done) {
            heard.push_back(done);
            return false;
        });
        EXPECT_EQ(stopped.code, store::kStopped);
    }
    EXPECT_EQ(readBack("select count(*) from Repair"), (std::vector<QStringList>{{"0"}}));
    EXPECT_EQ(heard, std::vector<qint64>{1000});

    // Rows go fifty a statement and the rest one by one: each keeps its own fields.
    std::vector<LedgerRecord> hundreds;
    std::vector<QStringList> expected;
    for (int i = 0; i < 103; ++i) {
        const QString date = QStringLiteral("2024/05/%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
        hundreds.push_back(refuel("CAR0004", "", date, i, 1, QString::number(i)));
        expected.push_back({QStringLiteral("%1").arg(i + 1, 7, 10, QLatin1Char('0')), date,
                            QString::number(i), QStringLiteral("%1.00000000").arg(i)});
    }
    ASSERT_TRUE(db.InsertRecords(LedgerKind::Accident, hundreds).ok());
    EXPECT_EQ(readBack("select RecID, DateTimee, Mark, Amount from Accident order by NO"), expected);

    ASSERT_EQ(insert(LedgerKind::Refuel, refuel("CAR0001", "9999999", "2024/01/01", 1, 1)),
              kInserted);
    ASSERT_EQ(readBack("select count(*) from Refuel"), (std::vector<QStringList>{{"4"}}));
    std::vector<LedgerRecord> beyond(1, refuel("CAR0001", "", "2024/05/01", 1, 1));
    EXPECT_EQ(db.InsertRecords(LedgerKind::Refuel, beyond).code, store::kIdsExhausted);
    EXPECT_EQ(readBack("select count(*) from Refuel"), (std::vector<QStringList>{{"4"}}));
}
