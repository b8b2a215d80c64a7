#include "DatabaseFixture.h"

#include "database/Names.h"
#include "tests/support/TestFiles.h"

#include <QFile>
#include <QFileInfo>

namespace {

// "name TYPE" of every column of a table, in order.
QString columnsOf(CAdoConnection& c, const QString& table)
{
    auto result = c.Execute("PRAGMA table_info(" + table + ")");
    QStringList columns;
    for (const auto& row : result->rows)
        columns << row[1].toString() + ' ' + row[2].toString();
    return columns.join(',');
}

const char* const kSpares3 = "Reserved1 VARCHAR(32),Reserved2 VARCHAR(32),Reserved3 VARCHAR(32)";
const char* const kHead =
    "NO INTEGER,CarID VARCHAR(10),RecID VARCHAR(10),DateTimee VARCHAR(32),Mark VARCHAR(255)";

} // namespace

TEST_F(DatabaseTest, NewFileHasItsTablesWithTheirColumnsInOrder)
{
    CAdoConnection c;
    ASSERT_TRUE(c.Open(path, "vorpa"));
    EXPECT_EQ(c.TableNames(), QStringList({"CarList", "CarProperty", "PurchaseInfo", "Refuel",
                                           "Repair", "Maintain", "Accident", "DailyCost", "CarLog",
                                           "Accessory", "InputHistory", "CareReminder"}));

    const QString spares3 = kSpares3;
    const QString spares4 = spares3 + ",Reserved4 VARCHAR(32)";
    const QString head = kHead;
    EXPECT_EQ(columnsOf(c, "CarList"),
              "NO INTEGER,CarID VARCHAR(10),Name VARCHAR(255),Used VARCHAR(10),"
              "Reserved1 VARCHAR(32),Reserved2 VARCHAR(32)");
    EXPECT_EQ(
        columnsOf(c, "CarProperty"),
        "NO INTEGER,CarID VARCHAR(10),Manufacture VARCHAR(255),CarType VARCHAR(128),VIN "
        "VARCHAR(255),"
        "MotorID VARCHAR(128),BodyColor VARCHAR(64),CarNo VARCHAR(64),FuelType VARCHAR(64),"
        "Emission VARCHAR(64),FuelVolume DOUBLE,MeterRules DOUBLE,CurMiles DOUBLE,Picture BLOB," +
            spares4);
    EXPECT_EQ(columnsOf(c, "PurchaseInfo"),
              "NO INTEGER,CarID VARCHAR(10),BuyDate VARCHAR(32),InsuCompany VARCHAR(255),"
              "InsuNote VARCHAR(255),InsuTouchInfo VARCHAR(255),LoanBank VARCHAR(255),"
              "LoanTouchInfo VARCHAR(255),BuyMiles DOUBLE,CarPrice DOUBLE,CarLicense DOUBLE,CarTax "
              "DOUBLE,"
              "InsuAmount DOUBLE,LoanAmount DOUBLE,LoanYears DOUBLE,LoanInterest DOUBLE," +
                  spares4);
    EXPECT_EQ(columnsOf(c, "Refuel"),
              head +
                  ",Miles DOUBLE,Amount DOUBLE,Price DOUBLE,FuelMeter1 DOUBLE,FuelMeter2 DOUBLE," +
                  spares4);
    for (const char* t : {"Repair", "Maintain"})
        EXPECT_EQ(columnsOf(c, t),
                  head + ",Content VARCHAR(255),Provider VARCHAR(255),Miles DOUBLE,Amount DOUBLE," +
                      spares3);
    for (const char* t : {"Accident", "DailyCost"})
        EXPECT_EQ(columnsOf(c, t),
                  head + ",Content VARCHAR(255),Miles DOUBLE,Amount DOUBLE," + spares3);
    EXPECT_EQ(columnsOf(c, "CarLog"), head + ",Miles DOUBLE," + spares3);
    EXPECT_EQ(columnsOf(c, "Accessory"),
              head +
                  ",Name VARCHAR(255),Provider VARCHAR(255),Miles DOUBLE,"
                  "Countt DOUBLE,Price DOUBLE," +
                  spares4);
    EXPECT_EQ(
        columnsOf(c, "InputHistory"),
        "NO INTEGER,CarID VARCHAR(10),RecID VARCHAR(10),Content VARCHAR(128),ClassName VARCHAR(32),"
        "ClassID INTEGER,Reserved1 VARCHAR(32),Reserved2 VARCHAR(32)");

    // "NO" numbers the rows by itself.
    c.Execute("insert into CarLog (CarID) values ('CAR0001')");
    c.Execute("insert into CarLog (CarID) values ('CAR0001')");
    auto result = c.Execute("select NO from CarLog order by NO");
    ASSERT_EQ(result->rows.size(), 2u);
    EXPECT_EQ(result->rows[0][0].toInt(), 1);
    EXPECT_EQ(result->rows[1][0].toInt(), 2);
}

TEST_F(DatabaseTest, TableExistsComparesExactNamesOfTablesOnly)
{
    EXPECT_TRUE(db.TableExists("CarList"));
    EXPECT_FALSE(db.TableExists("carlist"));
    EXPECT_FALSE(db.TableExists("sqlite_sequence"));
    db.Connection().Execute("CREATE VIEW CarView AS SELECT * FROM CarList");
    EXPECT_FALSE(db.TableExists("CarView"));
}

TEST_F(DatabaseTest, OnlyMissingTablesAreCreatedAndRowsSurvive)
{
    ASSERT_TRUE(db.NewCar("甲"));
    db.Connection().Execute("DROP TABLE Refuel");
    db.Connection().Execute("DROP TABLE InputHistory");
    db.Close();

    CMyDatabase again;
    again.SetFilePath(path);
    again.SetOpenPassword("vorpa");
    const LedgerOpening opening = again.CreateOrOpen();
    EXPECT_EQ(opening.step, LedgerOpening::Opened);
    EXPECT_TRUE(opening.addedColumns.isEmpty());
    EXPECT_TRUE(again.TableExists("Refuel"));
    EXPECT_TRUE(again.TableExists("InputHistory"));
    again.Close();
    EXPECT_EQ(readBack("select CarID, Name from CarList"),
              (std::vector<QStringList>{{"CAR0001", "甲"}}));
}

TEST(DatabaseFile, FailuresNameTheirCauseAndLeaveTheLedgerClosed)
{
    TestFolders folders;
    // Not a database at all.
    const QString garbage = folders.data() + "/CAR.mdb";
    WriteFile(garbage, QByteArray(8192, 'x'));
    // A ledger with another password.
    const QString other = folders.data() + "/other.mdb";
    {
        CMyDatabase maker;
        ASSERT_TRUE(maker.CreateDatabaseFile(other).ok());
        ASSERT_TRUE(maker.SetDatabasePassword("vorpa", "secret", other).ok());
    }
    struct Case
    {
        QString path;
        LedgerOpening::Step step;
        StorageAction action;
        QString cause;
    };
    const Case cases[] = {
        {garbage, LedgerOpening::OpenFailed, StorageAction::Open, "账本文件已损坏。"},
        {other, LedgerOpening::OpenFailed, StorageAction::Open, "账本文件已损坏。"},
        // A folder that cannot exist (its parent is a file).
        {garbage + "/config/CAR.mdb", LedgerOpening::CreateFailed, StorageAction::Create,
         "账本文件夹无法写入。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        CMyDatabase db;
        db.SetFilePath(c.path);
        const LedgerOpening opening = db.CreateOrOpen();
        EXPECT_FALSE(db.IsOpen());
        EXPECT_EQ(opening.step, c.step);
        EXPECT_EQ(StorageFaultCause(opening.status.code, c.action), c.cause);
        EXPECT_EQ(db.GetCurrentCarID().status().code, store::kClosed);
        EXPECT_EQ(db.NewCar("x").status().code, store::kClosed);
    }
    EXPECT_EQ(FileBytes(garbage), QByteArray(8192, 'x')); // left as it was
    EXPECT_FALSE(QFileInfo::exists(garbage + "/config/CAR.mdb.creating"));
}

TEST(DatabaseFile, PasswordChangesKeepTheData)
{
    TestFolders folders;
    const QString plain = folders.data() + "/plain.mdb";
    {
        CAdoConnection c;
        CMyDatabase maker;
        ASSERT_TRUE(maker.CreateDatabaseFile(plain).ok());  // made and keyed with "vorpa"
        ASSERT_FALSE(maker.CreateDatabaseFile(plain).ok()); // an existing file is never replaced
        ASSERT_TRUE(c.Open(plain, "vorpa"));
        c.Execute("CREATE TABLE Keep (v VARCHAR(10))");
        c.Execute("INSERT INTO Keep VALUES ('kept')");
    }
    CMyDatabase db;
    ASSERT_TRUE(db.SetDatabasePassword("vorpa", "", plain).ok()); // decrypt
    CAdoConnection c;
    ASSERT_TRUE(c.Open(plain, ""));
    c.Close();
    ASSERT_TRUE(
        db.SetDatabasePassword("", "vorpa", plain).ok()); // an unencrypted file is encrypted
    EXPECT_FALSE(c.Open(plain, ""));
    ASSERT_TRUE(c.Open(plain, "vorpa"));
    EXPECT_EQ(c.Execute("select v from Keep")->rows.at(0).at(0).toString(), "kept");
    c.Close();
    ASSERT_TRUE(db.SetDatabasePassword("vorpa", "新密码'", plain).ok());
    EXPECT_FALSE(c.Open(plain, "vorpa"));
    ASSERT_TRUE(c.Open(plain, "新密码'"));
    EXPECT_EQ(c.Execute("select v from Keep")->rows.size(), 1u);
    c.Close();
    EXPECT_FALSE(QFile::exists(plain + ".rekey"));

    // A wrong old password changes nothing and says so.
    EXPECT_EQ(ClassifyStorageFault(db.SetDatabasePassword("wrong", "x", plain).code),
              StorageFault::Damaged);
    EXPECT_TRUE(c.Open(plain, "新密码'"));
}

TEST_F(DatabaseTest, EveryOpenAddsTheMissingLookupIndexesAndNothingElse)
{
    const QString indexes = "select name from sqlite_master where type='index' and "
                            "name not like 'sqlite%' order by name";
    EXPECT_EQ(readBack(indexes).size(), 14u);
    EXPECT_EQ(readBack(indexes).front(), QStringList{"Accessory_CarID_DateTimee"});
    // A file without them (as older files are) gains them on its next open.
    db.Connection().Execute("DROP INDEX Refuel_CarID_RecID");
    db.Connection().Execute("DROP INDEX CarLog_CarID_DateTimee");
    const auto tables = readBack("select sql from sqlite_master where type='table' order by name");
    db.Close();
    ASSERT_EQ(readBack(indexes).size(), 12u);
    const LedgerOpening opening = db.CreateOrOpen();
    EXPECT_EQ(opening.step, LedgerOpening::Opened);
    EXPECT_TRUE(opening.addedColumns.isEmpty());
    EXPECT_EQ(readBack(indexes).size(), 14u);
    EXPECT_EQ(readBack("select sql from sqlite_master where type='table' order by name"), tables);
}
