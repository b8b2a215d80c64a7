#include "DatabaseFixture.h"

#include "database/BackupPoints.h"
#include "database/LedgerFile.h"
#include "tests/support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <ostream>
#include <sqlite3.h>

// Readable texts in failure messages.
static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString kKey = CMyDatabase::kDatabasePassword;

// Every entry of the folder, hidden ones included, sorted.
QStringList entriesIn(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

class BackupPointTest : public DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        folder = folders.data() + QStringLiteral("/backup");
    }
    SqlStatus backup(const QString& name = QStringLiteral("CAR20261207-101010.bpt"))
    {
        return MakeBackupPoint(path, folder, name, kKey);
    }
    std::vector<QStringList> carsIn(const QString& file)
    {
        return ReadBack(file, "select Name from CarList order by CarID");
    }
    QString point(const QString& name = QStringLiteral("CAR20261207-101010.bpt"))
    {
        return folder + '/' + name;
    }

    QString folder;
};

} // namespace

TEST(BackupPointNames, NameFromTheLocalTimeAndRowTimeFromFixedPositions)
{
    EXPECT_EQ(BackupPointName(QDateTime(QDate(2026, 12, 7), QTime(10, 10, 10))),
              "CAR20261207-101010.bpt");
    EXPECT_EQ(BackupPointName(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))),
              "CAR20260102-030405.bpt");

    const std::vector<std::pair<QString, QString>> rows = {
        {"CAR20260102-030405.bpt", "CAR20260102-030405.bpt【备份时间：2026/01/02 03:04:05】"},
        // A longer name reads the same positions.
        {"CAR20261207-101010.bpt.old",
         "CAR20261207-101010.bpt.old【备份时间：2026/12/07 10:10:10】"},
        {"notes.txt", "notes.txt【备份时间：0/00/00 00:00:00】"},
        // Digits up to the first other character; nothing past the end.
        {"CAR2026.bpt", "CAR2026.bpt【备份时间：2026/00/00 00:00:00】"},
        {"CAR9x991231-2359", "CAR9x991231-2359【备份时间：9/12/31 23:59:00】"},
        {"CAR-2026", "CAR-2026【备份时间：0/06/00 00:00:00】"},
        {"CAR２０２６0101-000000.bpt", "CAR２０２６0101-000000.bpt【备份时间：0/01/01 00:00:00】"},
        {"a", "a【备份时间：0/00/00 00:00:00】"},
    };
    for (const auto& [name, text] : rows)
        EXPECT_EQ(BackupPointRowText(name), text);
}

TEST(BackupPointNames, OnlyABareFileNameIsPlain)
{
    for (const QString name : {"CAR20261207-101010.bpt", "notes.txt", ".hidden", "..x", "名 字"})
        EXPECT_TRUE(IsPlainFileName(name)) << name.toStdString();
    for (const QString& name :
         {QString(), QString("."), QString(".."), QString("../config/CAR.mdb"), QString("/etc/x"),
          QString("a/b"), QString("a") + QChar(u'\0') + "b"})
        EXPECT_FALSE(IsPlainFileName(name)) << name.toStdString();
}

TEST_F(BackupPointTest, CopyOfTheOpenLedgerHoldsEveryCommittedRow)
{
    // Written through the program's own connection, which stays open.
    ASSERT_TRUE(db.NewCar("甲"));
    ASSERT_TRUE(db.NewCar("O'乙"));
    const SqlStatus made = backup();
    ASSERT_TRUE(made.ok()) << made.message.toStdString();
    EXPECT_EQ(entriesIn(folder), QStringList{"CAR20261207-101010.bpt"});
    EXPECT_TRUE(IsCompleteLedgerFile(point(), kKey));
    EXPECT_EQ(carsIn(point()), (std::vector<QStringList>{{"甲"}, {"O'乙"}}));
    // Keyed like the ledger.
    CAdoConnection plain;
    EXPECT_FALSE(plain.Open(point(), QString()));
    // The ledger goes on working on its own connection.
    EXPECT_TRUE(db.NewCar("丙"));
    EXPECT_EQ(carsIn(path).size(), 3u);
}

TEST_F(BackupPointTest, TwoBackupsInOneSecondLeaveOneFileWithTheLaterContent)
{
    ASSERT_TRUE(db.NewCar("甲"));
    ASSERT_TRUE(backup().ok());
    ASSERT_TRUE(db.NewCar("乙"));
    const SqlStatus again = backup();
    ASSERT_TRUE(again.ok()) << again.message.toStdString();
    EXPECT_EQ(entriesIn(folder), QStringList{"CAR20261207-101010.bpt"});
    EXPECT_EQ(carsIn(point()), (std::vector<QStringList>{{"甲"}, {"乙"}}));
}

TEST_F(BackupPointTest, CopiesAnEarlierRunLeftUnfinishedAreRemovedAnotherRunsAreKept)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    const QStringList left = {".CAR20261201-080000.bpt.part", ".CAR20261201-080000.bpt.part-journal",
                              ".CAR20261201-090000.bpt.part"};
    for (const QString& name : left) {
        QFile file(folder + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("half a ledger");
        file.flush();
        // The last one is being written by another run right now.
        if (name != left.last()) {
            ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                         QFileDevice::FileModificationTime));
        }
    }
    ASSERT_TRUE(backup().ok());
    EXPECT_EQ(entriesIn(folder),
              (QStringList{".CAR20261201-090000.bpt.part", "CAR20261207-101010.bpt"}));
}

TEST_F(BackupPointTest, OpenWriteTransactionOfAnotherConnectionGivesTheCommittedState)
{
    ASSERT_TRUE(db.NewCar("committed"));
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &writer), SQLITE_OK);
    sqlite3_key(writer, "vorpa", 5);
    ASSERT_EQ(sqlite3_exec(writer,
                           "BEGIN IMMEDIATE; INSERT INTO CarList (CarID, Name, Used) "
                           "VALUES ('CAR0099', 'uncommitted', 'NO');",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    const SqlStatus made = backup();
    EXPECT_EQ(sqlite3_exec(writer, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(writer);

    ASSERT_TRUE(made.ok()) << made.message.toStdString();
    EXPECT_TRUE(IsCompleteLedgerFile(point(), kKey));
    EXPECT_EQ(carsIn(point()), (std::vector<QStringList>{{"committed"}}));
    EXPECT_EQ(carsIn(path), (std::vector<QStringList>{{"committed"}, {"uncommitted"}}));
}

TEST_F(BackupPointTest, FailureLeavesNoTemporaryFileAndKeepsThePointOfThatName)
{
    ASSERT_TRUE(db.NewCar("甲"));
    ASSERT_TRUE(backup().ok());

    // A source that is no ledger: the copy fails after its file was made.
    const QString damaged = folders.data() + "/damaged.mdb";
    WriteFile(damaged, QByteArray(8192, '\x5a'));
    const SqlStatus failed = MakeBackupPoint(damaged, folder, "CAR20261207-101010.bpt", kKey);
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.message, "无法读取账本文件：文件已损坏或密码不符");
    EXPECT_EQ(entriesIn(folder), QStringList{"CAR20261207-101010.bpt"});
    EXPECT_EQ(carsIn(point()), (std::vector<QStringList>{{"甲"}}));

    // A missing ledger.
    const SqlStatus missing =
        MakeBackupPoint(folders.data() + "/none.mdb", folder, "CAR20261207-101011.bpt", kKey);
    EXPECT_EQ(missing.message, "账本文件不存在");
    EXPECT_EQ(entriesIn(folder), QStringList{"CAR20261207-101010.bpt"});

    // A backup folder that cannot exist: its parent is a regular file.
    const QString blocked = folders.data() + "/file";
    WriteFile(blocked, "x");
    const SqlStatus unwritable = MakeBackupPoint(path, blocked + "/backup", "a.bpt", kKey);
    EXPECT_EQ(unwritable.message, "无法创建备份文件夹 " + blocked + "/backup");
    EXPECT_EQ(entriesIn(folders.data()), (QStringList{"CAR.mdb", "backup", "damaged.mdb", "file"}));

    // A name with a folder in it is refused.
    EXPECT_FALSE(MakeBackupPoint(path, folder, "../escaped.bpt", kKey).ok());
    EXPECT_FALSE(QFile::exists(folders.data() + "/escaped.bpt"));
}
