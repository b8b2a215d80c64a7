#include "DatabaseFixture.h"

#include "database/Names.h"
#include "database/SqlText.h"
#include "database/StorageFault.h"
#include "database/Transaction.h"

#include <sqlite3.h>

namespace {

const QString kReadOnly = QStringLiteral("修改没有保存：账本文件是只读的，无法写入。");
const QString kDiskFull = QStringLiteral("修改没有保存：磁盘空间已满。");

void exec(CMyDatabase& db, const QString& sql)
{
    ASSERT_EQ(
        sqlite3_exec(db.Connection().handle(), sql.toUtf8().constData(), nullptr, nullptr, nullptr),
        SQLITE_OK)
        << sql.toStdString();
}

int pragma(CMyDatabase& db, const char* name)
{
    auto result = db.Connection().Execute(QStringLiteral("PRAGMA ") + name);
    return result && !result->rows.empty() ? result->rows[0][0].toInt() : -1;
}

RefuelRecord refuel(const QString& id, const QString& mark = QString())
{
    RefuelRecord r;
    r.carId = "CAR0001";
    r.recId = id;
    r.date = "2024/05/01";
    r.mark = mark;
    r.amount = 1;
    r.price = 1;
    return r;
}

// The filling with another amount, as a page would write it.
RefuelRecord amountOf(const QString& id, double amount)
{
    RefuelRecord r = refuel(id);
    r.amount = amount;
    return r;
}

// The sentence the user is told for a failed operation.
QString faultOf(const SqlStatus& status)
{
    return StorageFaultMessage(status.code, status.writing);
}

} // namespace

TEST(StorageFault, EachCodeNamesItsCause)
{
    struct Case
    {
        int code;
        const char* written;
        const char* read;
    };
    const char* const damaged = "账本文件已损坏。";
    const char* const unreadable = "无法读取账本文件。";
    const std::vector<Case> cases = {
        {SQLITE_READONLY, "账本文件是只读的，无法写入。", unreadable},
        {SQLITE_READONLY_ROLLBACK, "账本文件是只读的，无法写入。", unreadable},
        {SQLITE_CANTOPEN, "账本文件是只读的，无法写入。", unreadable},
        {SQLITE_PERM, "账本文件是只读的，无法写入。", unreadable},
        {SQLITE_AUTH, "账本文件是只读的，无法写入。", unreadable},
        {SQLITE_FULL, "磁盘空间已满。", unreadable},
        {SQLITE_CORRUPT, damaged, damaged},
        {SQLITE_NOTADB, damaged, damaged},
        {SQLITE_BUSY, "账本文件正被其他程序使用。", unreadable},
        {SQLITE_BUSY_RECOVERY, "账本文件正被其他程序使用。", unreadable},
        {SQLITE_LOCKED, "账本文件正被其他程序使用。", unreadable},
        {SQLITE_IOERR, "无法写入账本文件。", unreadable},
        {SQLITE_IOERR_FSYNC, "无法写入账本文件。", unreadable},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StorageFaultMessage(c.code, true), QStringLiteral("修改没有保存：") + c.written)
            << c.code;
        EXPECT_EQ(StorageFaultMessage(c.code, false), QStringLiteral("读取账本失败：") + c.read)
            << c.code;
    }
    // Failures of the statement itself are no storage fault.
    for (int code : {SQLITE_OK, SQLITE_ERROR, SQLITE_CONSTRAINT, SQLITE_MISUSE, SQLITE_ABORT}) {
        EXPECT_EQ(ClassifyStorageFault(code), StorageFault::None) << code;
        EXPECT_TRUE(StorageFaultMessage(code, true).isEmpty()) << code;
    }
    // Start-up names the cause after its own first words.
    EXPECT_EQ(StorageFaultCause(SQLITE_FULL, StorageAction::Create), "磁盘空间已满。");
    EXPECT_EQ(StorageFaultCause(SQLITE_CANTOPEN, StorageAction::Create), "账本文件夹无法写入。");
    EXPECT_EQ(StorageFaultCause(SQLITE_NOTADB, StorageAction::Open), damaged);
    EXPECT_EQ(StorageFaultCause(SQLITE_BUSY, StorageAction::Open), "账本文件正被其他程序使用。");
}

TEST_F(DatabaseTest, ReadOnlyLedgerRefusesEveryWriteWithOnePlainSentence)
{
    ASSERT_TRUE(db.NewCar("甲"));
    ASSERT_TRUE(db.NewCar("乙"));
    db.SetCurrentCar("CAR0001");
    ASSERT_EQ(insert(LedgerKind::Refuel, refuel("0000001")), InsertOutcome::Inserted);
    EXPECT_FALSE(db.IsReadOnly());
    exec(db, "PRAGMA query_only=1");
    EXPECT_TRUE(db.IsReadOnly());

    // Refused in this order, each with the cause (deleting a car runs eleven
    // statements and answers the first failure).
    const std::pair<const char*, SqlStatus> writes[] = {
        {"change",
         db.UpdateRecordField(LedgerKind::Refuel, amountOf("0000001", 5), LedgerField::Amount)},
        {"remove", db.DeleteRecord(LedgerKind::Refuel, "CAR0001", "0000001")},
        {"insert", db.InsertRecord(LedgerKind::Refuel, refuel("0000002")).status()},
        {"history",
         db.InsertInputHistory({"CAR0001", "0000001", "x", "Refuel", 1, "", ""}).status()},
        {"new car", db.NewCar("丙").status()},
        {"current car", db.SetCurrentCar("CAR0002")},
        {"delete car", db.DeleteCar("CAR0002")},
    };
    for (const auto& [what, refused] : writes) {
        EXPECT_EQ(refused.code & 0xFF, SQLITE_READONLY) << what;
        EXPECT_EQ(faultOf(refused), kReadOnly) << what;
    }
    EXPECT_EQ(db.Connection().LastError().code & 0xFF, SQLITE_READONLY);

    // Reading goes on.
    EXPECT_EQ(Value(db.GetRecordCount(LedgerKind::Refuel, "CAR0001")), 1);
    EXPECT_EQ(Value(db.GetCurrentCarID()), "CAR0001");
    EXPECT_EQ(readBack("select RecID, Amount from Refuel"),
              (std::vector<QStringList>{{"0000001", "1.00000000"}}));
    EXPECT_EQ(readBack("select CarID, Used from CarList order by CarID"),
              (std::vector<QStringList>{{"CAR0001", "YES"}, {"CAR0002", "NO"}}));
    EXPECT_TRUE(readBack("select * from InputHistory").empty());
}

TEST_F(DatabaseTest, FullDiskRefusesTheWriteAndSaysSo)
{
    ASSERT_EQ(insert(LedgerKind::Refuel, refuel("0000001")), InsertOutcome::Inserted);
    exec(db, QStringLiteral("PRAGMA max_page_count=%1").arg(pragma(db, "page_count")));
    const QString longNote(3000, QChar(u'满'));

    EXPECT_EQ(faultOf(db.InsertRecord(LedgerKind::Refuel, refuel("0000002", longNote)).status()),
              kDiskFull);
    EXPECT_EQ(db.Connection().LastError().code & 0xFF, SQLITE_FULL);
    LedgerRecord noted = amountOf("0000001", 1);
    noted.mark = longNote;
    EXPECT_EQ(faultOf(db.UpdateRecordField(LedgerKind::Refuel, noted, LedgerField::Mark)),
              kDiskFull);
    EXPECT_EQ(readBack("select RecID, Mark from Refuel"),
              (std::vector<QStringList>{{"0000001", ""}}));

    // With room again the same writes are saved.
    exec(db, "PRAGMA max_page_count=1000000");
    EXPECT_EQ(insert(LedgerKind::Refuel, refuel("0000002", longNote)), InsertOutcome::Inserted);
    EXPECT_TRUE(db.Connection().LastError().ok());
}

TEST_F(DatabaseTest, LedgerHeldByAnotherProgramIsNamed)
{
    ASSERT_EQ(insert(LedgerKind::Refuel, refuel("0000001")), InsertOutcome::Inserted);
    CAdoConnection other;
    ASSERT_TRUE(other.Open(path, CMyDatabase::kDatabasePassword));
    ASSERT_TRUE(other.BeginTransaction()); // holds the write lock
    sqlite3_busy_timeout(db.Connection().handle(), 0);

    const SqlStatus held =
        db.UpdateRecordField(LedgerKind::Refuel, amountOf("0000001", 5), LedgerField::Amount);
    EXPECT_EQ(faultOf(held), QStringLiteral("修改没有保存：账本文件正被其他程序使用。"));
    EXPECT_EQ(Value(db.GetRecordCount(LedgerKind::Refuel, "CAR0001")), 1); // reading still works

    other.RollbackTransaction();
    EXPECT_TRUE(
        db.UpdateRecordField(LedgerKind::Refuel, amountOf("0000001", 5), LedgerField::Amount).ok());
    EXPECT_EQ(readBack("select Amount from Refuel"), (std::vector<QStringList>{{"5.00000000"}}));
}

TEST_F(DatabaseTest, DamagedPageIsReportedAsDamaged)
{
    for (int i = 1; i <= 20; ++i)
        ASSERT_EQ(
            insert(LedgerKind::Refuel, refuel(QString::asprintf("%07d", i), QString(200, 'n'))),
            InsertOutcome::Inserted);
    const int root = db.Connection()
                         .Execute("select rootpage from sqlite_master where name='Refuel'")
                         ->rows[0][0]
                         .toInt();
    const int pageSize = pragma(db, "page_size");
    db.Close();
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.seek(qint64(root - 1) * pageSize + 100));
        file.write(QByteArray(64, 'x'));
    }
    ASSERT_TRUE(db.Open());
    const Expected<double> sum = db.SumColumn(LedgerKind::Refuel, col::Amount, "CAR0001");
    ASSERT_FALSE(sum.has_value());
    EXPECT_EQ(sum.error().code & 0xFF, SQLITE_CORRUPT);
    EXPECT_EQ(faultOf(sum.error()), QStringLiteral("读取账本失败：账本文件已损坏。"));
}

TEST_F(DatabaseTest, SettingTheCurrentCarIsAllOrNothing)
{
    db.NewCar("甲");
    db.NewCar("乙");
    db.SetCurrentCar("CAR0001");
    // The second of its two statements fails, as if the program died between them.
    db.Connection().Execute("CREATE TRIGGER refuse BEFORE UPDATE ON CarList WHEN new.Used='YES' "
                            "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const SqlStatus refused = db.SetCurrentCar("CAR0002");
    EXPECT_EQ(refused.message, "refused");
    EXPECT_TRUE(refused.writing);
    EXPECT_EQ(readBack("select CarID from CarList where Used='YES'"),
              (std::vector<QStringList>{{"CAR0001"}}));
}

TEST_F(DatabaseTest, DeletingACarIsAllOrNothing)
{
    db.NewCar("甲");
    for (const char* table :
         {"CarProperty", "PurchaseInfo", "Refuel", "Repair", "Maintain", "Accident", "DailyCost",
          "CarLog", "Accessory", "InputHistory", "CareReminder"})
        db.Connection().Execute(QString("insert into %1 (CarID) values ('CAR0001')").arg(table));
    // CarList comes late in the cascade: the earlier deletes must be undone.
    db.Connection().Execute("CREATE TRIGGER keep BEFORE DELETE ON CarList "
                            "BEGIN SELECT RAISE(ABORT, 'kept'); END");

    const SqlStatus refused = db.DeleteCar("CAR0001");
    EXPECT_EQ(refused.code, SQLITE_CONSTRAINT_TRIGGER);
    EXPECT_EQ(refused.message, "kept");
    for (const QString& table : db.Connection().TableNames())
        EXPECT_EQ(readBack("select * from " + table + " where CarID='CAR0001'").size(), 1u)
            << table.toStdString();

    db.Connection().Execute("DROP TRIGGER keep");
    EXPECT_TRUE(Succeeded(db.DeleteCar("CAR0001")));
    for (const QString& table : db.Connection().TableNames())
        EXPECT_TRUE(readBack("select * from " + table).empty()) << table.toStdString();
}

TEST_F(DatabaseTest, TransactionUndoesItsWorkUnlessCommitted)
{
    CAdoConnection& c = db.Connection();
    {
        CTransaction transaction(c);
        ASSERT_TRUE(transaction.Begun());
        EXPECT_TRUE(c.Execute("insert into CarList (CarID) values ('CAR0001')"));
        {
            CTransaction inner(c); // joins the running one
            EXPECT_TRUE(inner.Begun());
            EXPECT_TRUE(inner.Commit());
        }
        EXPECT_FALSE(c.Execute("insert into Nowhere values (1)"));
        EXPECT_FALSE(c.Execute("update Nowhere set x=1"));
        EXPECT_EQ(c.LastError().message, "no such table: Nowhere");
    } // not committed: rolled back
    EXPECT_TRUE(readBack("select * from CarList").empty());

    {
        CTransaction transaction(c);
        c.Execute("insert into CarList (CarID) values ('CAR0002')");
        EXPECT_TRUE(transaction.Commit());
    }
    EXPECT_EQ(readBack("select CarID from CarList"), (std::vector<QStringList>{{"CAR0002"}}));
}

TEST_F(DatabaseTest, MissingTablesAreMadeAllOrNone)
{
    for (const QString& table : db.Connection().TableNames())
        if (table != "CarList")
            db.Connection().Execute("DROP TABLE " + table);
    db.Connection().Execute("VACUUM"); // no free page left to reuse
    exec(db, QStringLiteral("PRAGMA max_page_count=%1").arg(pragma(db, "page_count")));

    // The connection is open: only the tables are made.
    LedgerOpening opening = db.CreateOrOpen();
    EXPECT_EQ(opening.step, LedgerOpening::TablesFailed);
    EXPECT_EQ(opening.failedTable, "CarProperty");
    EXPECT_EQ(StorageFaultCause(opening.status.code, StorageAction::Write), "磁盘空间已满。");
    EXPECT_EQ(readBack("select name from sqlite_master where type='table' and name not like "
                       "'sqlite%'"),
              (std::vector<QStringList>{{"CarList"}}));

    exec(db, "PRAGMA max_page_count=1000000");
    opening = db.CreateOrOpen();
    EXPECT_EQ(opening.step, LedgerOpening::Opened);
    EXPECT_EQ(db.Connection().TableNames().size(), 12);
}

// A file whose ledger table lacks a column (an old or damaged file): the
// column is added when the file can be written, and never read as its name.
TEST_F(DatabaseTest, AMissingColumnIsToldAtOpenAndNeverShownAsData)
{
    const QStringList lacking = {"Refuel.Mark", "Refuel.Price"};
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only" : "writable");
        exec(db, "PRAGMA query_only=0");
        exec(db, "delete from Refuel");
        ASSERT_EQ(insert(LedgerKind::Refuel, refuel("0000001", "note")), InsertOutcome::Inserted);
        QStringList kept;
        const auto columns = db.Connection().Execute("PRAGMA table_info(Refuel)");
        ASSERT_NE(columns, nullptr);
        for (const auto& column : columns->rows)
            if (column[1] != "Mark" && column[1] != "Price")
                kept << column[1].toString();
        exec(db, "CREATE TABLE Old AS SELECT " + kept.join(',') + " FROM Refuel");
        exec(db, "DROP TABLE Refuel");
        exec(db, "ALTER TABLE Old RENAME TO Refuel");
        if (readOnly)
            exec(db, "PRAGMA query_only=1");
        // The connection is open: only the tables are checked.
        const LedgerOpening opening = db.CreateOrOpen();
        EXPECT_EQ(opening.step, LedgerOpening::Opened);
        EXPECT_EQ(opening.addedColumns, readOnly ? QStringList() : lacking);
        EXPECT_EQ(opening.lostColumns, readOnly ? lacking : QStringList());
        if (readOnly) {
            EXPECT_EQ(StorageFaultCause(opening.status.code, StorageAction::Write),
                      "账本文件是只读的，无法写入。");
        }

        std::vector<LedgerRecord> records;
        ASSERT_TRUE(Succeeded(db.LoadRecords(LedgerKind::Refuel, "CAR0001", records)));
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].mark, "");
        EXPECT_EQ(records[0].amount, 1.0);
        EXPECT_EQ(records[0].price, 0.0);
        if (!readOnly) {
            EXPECT_EQ(readBack("select Mark, Price from Refuel"),
                      (std::vector<QStringList>{{"", ""}}));
        }
    }
}
