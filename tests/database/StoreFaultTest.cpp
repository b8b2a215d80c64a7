#include "DatabaseFixture.h"

#include "database/Names.h"
#include "database/SqlText.h"
#include "database/StorageFault.h"
#include "database/Transaction.h"

#include <sqlite3.h>

using namespace platform;

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

// Every box shown was the one plain sentence, with the program's caption.
void expectOnly(const StoreMessageRecorder& boxes, const QString& text, size_t count)
{
    ASSERT_EQ(boxes.boxes().size(), count) << boxes.texts().join('|').toStdString();
    for (const auto& box : boxes.boxes()) {
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, "Qinmo");
        EXPECT_EQ(box.flags, MB_OK | MB_ICONERROR);
    }
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
    ASSERT_EQ(db.InsertRefuel(refuel("0000001")), 2);
    EXPECT_FALSE(db.IsReadOnly());
    exec(db, "PRAGMA query_only=1");
    EXPECT_TRUE(db.IsReadOnly());

    // Changing and removing a record answer the cause; the page tells the user.
    EXPECT_EQ(db.UpdateRecordField(tbl::Refuel, amountOf("0000001", 5), LedgerField::Amount).code &
                  0xFF,
              SQLITE_READONLY);
    EXPECT_EQ(db.Connection().LastError().code & 0xFF, SQLITE_READONLY);
    EXPECT_EQ(db.DeleteRecord(tbl::Refuel, "CAR0001", "0000001").code & 0xFF, SQLITE_READONLY);
    EXPECT_EQ(db.InsertRefuel(refuel("0000002")), 0);
    EXPECT_EQ(db.InsertInputHistory({"CAR0001", "0000001", "x", "Refuel", 1, "", ""}), 0);
    EXPECT_FALSE(db.NewCar("丙"));
    db.SetCurrentCar("CAR0002");
    EXPECT_FALSE(db.DeleteCar("CAR0002")); // eleven statements, one message
    expectOnly(boxes, kReadOnly, 5);

    // Reading goes on without a word.
    boxes.clear();
    EXPECT_EQ(db.GetRecordCount(tbl::Refuel, "CAR0001"), 1);
    EXPECT_EQ(db.GetCurrentCarID(), "CAR0001");
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(readBack("select RecID, Amount from Refuel"),
              (std::vector<QStringList>{{"0000001", "1.00000000"}}));
    EXPECT_EQ(readBack("select CarID, Used from CarList order by CarID"),
              (std::vector<QStringList>{{"CAR0001", "YES"}, {"CAR0002", "NO"}}));
    EXPECT_TRUE(readBack("select * from InputHistory").empty());
}

TEST_F(DatabaseTest, FullDiskRefusesTheWriteAndSaysSo)
{
    ASSERT_EQ(db.InsertRefuel(refuel("0000001")), 2);
    exec(db, QStringLiteral("PRAGMA max_page_count=%1").arg(pragma(db, "page_count")));
    const QString longNote(3000, QChar(u'满'));

    EXPECT_EQ(db.InsertRefuel(refuel("0000002", longNote)), 0);
    EXPECT_EQ(db.Connection().LastError().code & 0xFF, SQLITE_FULL);
    LedgerRecord noted = amountOf("0000001", 1);
    noted.mark = longNote;
    EXPECT_EQ(db.UpdateRecordField(tbl::Refuel, noted, LedgerField::Mark).code & 0xFF, SQLITE_FULL);
    expectOnly(boxes, kDiskFull, 1);
    EXPECT_EQ(readBack("select RecID, Mark from Refuel"),
              (std::vector<QStringList>{{"0000001", ""}}));

    // With room again the same writes are saved.
    boxes.clear();
    exec(db, "PRAGMA max_page_count=1000000");
    EXPECT_EQ(db.InsertRefuel(refuel("0000002", longNote)), 2);
    EXPECT_TRUE(db.Connection().LastError().ok());
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(DatabaseTest, LedgerHeldByAnotherProgramIsNamed)
{
    ASSERT_EQ(db.InsertRefuel(refuel("0000001")), 2);
    CAdoConnection other;
    ASSERT_TRUE(other.Open(path, CMyDatabase::kDatabasePassword));
    ASSERT_TRUE(other.BeginTransaction(false)); // holds the write lock
    sqlite3_busy_timeout(db.Connection().handle(), 0);

    const SqlStatus held =
        db.UpdateRecordField(tbl::Refuel, amountOf("0000001", 5), LedgerField::Amount);
    EXPECT_EQ(StorageFaultMessage(held.code, true),
              QStringLiteral("修改没有保存：账本文件正被其他程序使用。"));
    EXPECT_EQ(db.GetRecordCount(tbl::Refuel, "CAR0001"), 1); // reading still works

    other.RollbackTransaction();
    EXPECT_TRUE(
        db.UpdateRecordField(tbl::Refuel, amountOf("0000001", 5), LedgerField::Amount).ok());
    EXPECT_EQ(readBack("select Amount from Refuel"), (std::vector<QStringList>{{"5.00000000"}}));
}

TEST_F(DatabaseTest, DamagedPageIsReportedAsDamaged)
{
    for (int i = 1; i <= 20; ++i)
        ASSERT_EQ(db.InsertRefuel(refuel(QString::asprintf("%07d", i), QString(200, 'n'))), 2);
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
    EXPECT_EQ(db.SumColumn(tbl::Refuel, col::Amount, "CAR0001"), 0.0);
    EXPECT_EQ(db.Connection().LastError().code & 0xFF, SQLITE_CORRUPT);
    expectOnly(boxes, QStringLiteral("读取账本失败：账本文件已损坏。"), 1);
}

TEST_F(DatabaseTest, SettingTheCurrentCarIsAllOrNothing)
{
    db.NewCar("甲");
    db.NewCar("乙");
    db.SetCurrentCar("CAR0001");
    // The second of its two statements fails, as if the program died between them.
    db.Connection().Execute("CREATE TRIGGER refuse BEFORE UPDATE ON CarList WHEN new.Used='YES' "
                            "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    db.SetCurrentCar("CAR0002");
    EXPECT_EQ(readBack("select CarID from CarList where Used='YES'"),
              (std::vector<QStringList>{{"CAR0001"}}));
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

TEST_F(DatabaseTest, DeletingACarIsAllOrNothing)
{
    db.NewCar("甲");
    for (const char* table : {"CarProperty", "PurchaseInfo", "Refuel", "Repair", "Maintain",
                              "Accident", "DailyCost", "CarLog", "Accessory", "InputHistory"})
        db.Connection().Execute(QString("insert into %1 (CarID) values ('CAR0001')").arg(table));
    // CarList comes late in the cascade: the earlier deletes must be undone.
    db.Connection().Execute("CREATE TRIGGER keep BEFORE DELETE ON CarList "
                            "BEGIN SELECT RAISE(ABORT, 'kept'); END");

    EXPECT_FALSE(db.DeleteCar("CAR0001"));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(boxes.boxes()[0].text.contains("kept"));
    for (const QString& table : db.Connection().TableNames())
        EXPECT_EQ(readBack("select * from " + table + " where CarID='CAR0001'").size(), 1u)
            << table.toStdString();

    db.Connection().Execute("DROP TRIGGER keep");
    EXPECT_TRUE(db.DeleteCar("CAR0001"));
    for (const QString& table : db.Connection().TableNames())
        EXPECT_TRUE(readBack("select * from " + table).empty()) << table.toStdString();
}

TEST_F(DatabaseTest, TransactionShowsOneFailureAndUndoesItsWork)
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
    EXPECT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(readBack("select * from CarList").empty());

    // Outside a transaction every failure is shown again.
    EXPECT_FALSE(c.Execute("insert into Nowhere values (1)"));
    EXPECT_EQ(boxes.boxes().size(), 2u);

    {
        CTransaction transaction(c);
        c.Execute("insert into CarList (CarID) values ('CAR0002')");
        EXPECT_TRUE(transaction.Commit());
    }
    EXPECT_EQ(readBack("select CarID from CarList"), (std::vector<QStringList>{{"CAR0002"}}));
}

TEST_F(DatabaseTest, MissingTablesAreMadeTogetherWithOneMessage)
{
    for (const QString& table : db.Connection().TableNames())
        if (table != "CarList")
            db.Connection().Execute("DROP TABLE " + table);
    db.Connection().Execute("VACUUM"); // no free page left to reuse
    exec(db, QStringLiteral("PRAGMA max_page_count=%1").arg(pragma(db, "page_count")));

    db.CreateOrOpen(); // the connection is open: only the tables are made
    ASSERT_EQ(boxes.texts(), QStringList{"创建汽车属性数据库库表失败！磁盘空间已满。"});
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(readBack("select name from sqlite_master where type='table' and name not like "
                       "'sqlite%'"),
              (std::vector<QStringList>{{"CarList"}}));

    boxes.clear();
    exec(db, "PRAGMA max_page_count=1000000");
    db.CreateOrOpen();
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(db.Connection().TableNames().size(), 11);
}

// A file whose ledger table lacks a column (an old or damaged file): the
// column is added when the file can be written, and never read as its name.
TEST_F(DatabaseTest, AMissingColumnIsSaidOnceAtOpenAndNeverShownAsData)
{
    struct Case
    {
        bool readOnly;
        QString message;
        QString mark; // the note read back
    };
    const Case cases[] = {
        {false, "账本文件缺少以下各列，已经补上（内容为空）：Refuel.Mark、Refuel.Price。", ""},
        {true,
         "账本文件缺少以下各列，无法补上：Refuel.Mark、Refuel.Price。这些内容不能显示，"
         "对它们的修改也不能保存。账本文件是只读的，无法写入。",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.readOnly ? "read-only" : "writable");
        exec(db, "PRAGMA query_only=0");
        exec(db, "delete from Refuel");
        ASSERT_EQ(db.InsertRefuel(refuel("0000001", "note")), 2);
        QStringList kept;
        const auto columns = db.Connection().Execute("PRAGMA table_info(Refuel)");
        ASSERT_NE(columns, nullptr) << boxes.texts().join('|').toStdString();
        for (const auto& column : columns->rows)
            if (column[1] != "Mark" && column[1] != "Price")
                kept << column[1].toString();
        exec(db, "CREATE TABLE Old AS SELECT " + kept.join(',') + " FROM Refuel");
        exec(db, "DROP TABLE Refuel");
        exec(db, "ALTER TABLE Old RENAME TO Refuel");
        if (c.readOnly)
            exec(db, "PRAGMA query_only=1");
        boxes.clear();
        db.CreateOrOpen(); // the connection is open: only the tables are checked
        EXPECT_EQ(boxes.texts(), QStringList{c.message});

        std::vector<LedgerRecord> records;
        ASSERT_TRUE(db.LoadRecords(tbl::Refuel, "CAR0001", records).ok());
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].mark, c.mark);
        EXPECT_EQ(records[0].amount, 1.0);
        EXPECT_EQ(records[0].price, 0.0);
        if (!c.readOnly) {
            EXPECT_EQ(readBack("select Mark, Price from Refuel"),
                      (std::vector<QStringList>{{"", ""}}));
        }
    }
}
