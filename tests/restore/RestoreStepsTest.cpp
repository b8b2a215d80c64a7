#include "restore/RestoreSteps.h"
#include "database/BackupPoints.h"
#include "database/LedgerFile.h"
#include "database/MyDatabase.h"
#include "platform/Folders.h"
#include "platform/SingleInstance.h"
#include "platform/StoredPassword.h"
#include "tests/database/HotJournal.h"
#include "tests/support/CoreTestEnvironment.h"
#include "tests/support/ReadBack.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <future>
#include <gtest/gtest.h>
#include <ostream>

using namespace std::chrono_literals;
using platform::SingleInstanceLock;

// Readable texts in failure messages.
static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString kKey = CMyDatabase::kDatabasePassword;
const QString kPoint = QStringLiteral("CAR20261207-101010.bpt");
const QDateTime kNow(QDate(2026, 12, 8), QTime(9, 0, 0));

// A data folder whose ledger holds the car "现在" and whose backup folder
// holds the point kPoint with the car "以前".
class RestoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(platform::ConfigFolder()));
        ASSERT_TRUE(QDir().mkpath(backups));
        MakeLedgerWithCar(ledger, "现在");
        MakeLedgerWithCar(backups + '/' + kPoint, "以前");
    }
    std::vector<QStringList> carsIn(const QString& file)
    {
        return ReadBack(file, "select Name from CarList order by CarID");
    }
    RestoreOutcome restore(const QString& name, const QDateTime& now = kNow)
    {
        return RestoreBackupPoint(backups, name, ledger, now);
    }
    QStringList filesIn(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    TestFolders folders;
    const QString ledger = platform::DatabasePath();
    const QString backups = platform::BackupFolder();
};

} // namespace

TEST(RestoreArguments, NameFollowsTheSlashOfTheFirstArgument)
{
    const std::vector<std::pair<QStringList, QString>> rows = {
        {{"/" + kPoint}, kPoint},
        {{"  /" + kPoint}, kPoint},
        {{"/名 字.bpt", "ignored"}, "名 字.bpt"},
        // Blanks after the slash belong to the name, at either end.
        {{"/" + kPoint + " "}, kPoint + " "},
        {{" / " + kPoint + "  "}, " " + kPoint + "  "},
        {{}, ""},
        {{kPoint}, ""},
        {{"   "}, ""},
    };
    for (const auto& [arguments, name] : rows)
        EXPECT_EQ(BackupPointFromArguments(arguments), name) << arguments.join('|').toStdString();
}

TEST_F(RestoreTest, ReplacesTheLedgerAndKeepsTheReplacedOneAsABackupPoint)
{
    const RestoreOutcome outcome = restore(kPoint);
    ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(outcome.keptName, "CAR20261208-090000.bpt");
    EXPECT_EQ(carsIn(ledger), (std::vector<QStringList>{{"以前"}}));
    EXPECT_EQ(carsIn(backups + "/CAR20261208-090000.bpt"), (std::vector<QStringList>{{"现在"}}));
    EXPECT_EQ(filesIn(backups), (QStringList{kPoint, "CAR20261208-090000.bpt"}));
    EXPECT_EQ(filesIn(platform::ConfigFolder()), QStringList{"CAR.mdb"});
    EXPECT_TRUE(IsCompleteLedgerFile(ledger, kKey));
}

TEST_F(RestoreTest, KeptPointTakesTheNextFreeSecond)
{
    // The current second names the point being restored, the next one a
    // foreign file: both stay as they are.
    const QDateTime sameSecond(QDate(2026, 12, 7), QTime(10, 10, 10));
    WriteFile(backups + "/CAR20261207-101011.bpt", "foreign");
    const RestoreOutcome outcome = restore(kPoint, sameSecond);
    ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(outcome.keptName, "CAR20261207-101012.bpt");
    EXPECT_EQ(carsIn(backups + '/' + kPoint), (std::vector<QStringList>{{"以前"}}));
    EXPECT_EQ(FileBytes(backups + "/CAR20261207-101011.bpt"), "foreign");
    EXPECT_EQ(carsIn(backups + "/CAR20261207-101012.bpt"), (std::vector<QStringList>{{"现在"}}));
}

TEST_F(RestoreTest, DamagedOrMissingPointLeavesTheLedgerByteForByte)
{
    const QByteArray before = FileBytes(ledger);
    WriteFile(backups + "/random.bpt", QByteArray::fromHex("5a17c3").repeated(4000));
    const QByteArray good = FileBytes(backups + '/' + kPoint);
    WriteFile(backups + "/truncated.bpt", good.left(good.size() / 2));
    WriteFile(backups + "/empty.bpt", QByteArray());

    for (const QString name : {"random.bpt", "truncated.bpt", "empty.bpt"}) {
        const RestoreOutcome outcome = restore(name);
        EXPECT_FALSE(outcome.ok) << name.toStdString();
        EXPECT_EQ(outcome.message,
                  "备份点【" + name + "】已损坏或不是本程序的账本，无法恢复；现有数据没有改变。");
    }
    const RestoreOutcome missing = restore("CAR20990101-000000.bpt");
    EXPECT_EQ(missing.message,
              "备份点【" + backups + "/CAR20990101-000000.bpt】不存在，数据没有恢复。");
    for (const QString name : {"", "..", "../config/CAR.mdb", "sub/x.bpt"}) {
        const RestoreOutcome refused = restore(name);
        EXPECT_EQ(refused.message, "备份点名称【" + name + "】无效，数据没有恢复。");
    }

    EXPECT_EQ(FileBytes(ledger), before);
    EXPECT_EQ(filesIn(backups), (QStringList{kPoint, "empty.bpt", "random.bpt", "truncated.bpt"}));
    EXPECT_EQ(filesIn(platform::ConfigFolder()), QStringList{"CAR.mdb"});
}

TEST_F(RestoreTest, HotJournalOfTheOldLedgerNeverReachesTheRestoredOne)
{
    LeaveHotJournal(ledger);
    const RestoreOutcome outcome = restore(kPoint);
    ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(filesIn(platform::ConfigFolder()), QStringList{"CAR.mdb"});
    EXPECT_TRUE(IsCompleteLedgerFile(ledger, kKey));
    EXPECT_EQ(carsIn(ledger), (std::vector<QStringList>{{"以前"}}));
    // The kept point is the old ledger as last committed.
    EXPECT_EQ(carsIn(backups + '/' + outcome.keptName), (std::vector<QStringList>{{"现在"}}));
}

TEST_F(RestoreTest, DamagedLedgerIsKeptAsItIsAndReplaced)
{
    const QByteArray damaged = QByteArray::fromHex("00ff").repeated(2048);
    WriteFile(ledger, damaged);
    WriteFile(ledger + "-journal", "journal bytes");
    const RestoreOutcome outcome = restore(kPoint);
    ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(carsIn(ledger), (std::vector<QStringList>{{"以前"}}));
    EXPECT_EQ(filesIn(platform::ConfigFolder()), QStringList{"CAR.mdb"});
    // The damaged ledger byte for byte, for whoever can mend it.
    EXPECT_EQ(FileBytes(backups + '/' + outcome.keptName), damaged);
}

TEST_F(RestoreTest, MissingLedgerIsSimplyRestored)
{
    ASSERT_TRUE(QFile::remove(ledger));
    const RestoreOutcome outcome = restore(kPoint);
    ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_TRUE(outcome.keptName.isEmpty());
    EXPECT_EQ(carsIn(ledger), (std::vector<QStringList>{{"以前"}}));
    EXPECT_EQ(filesIn(backups), QStringList{kPoint});
}

TEST_F(RestoreTest, RunningProgramKeepsTheLedgerAndIsNotStartedAgain)
{
    const QByteArray before = FileBytes(ledger);
    auto running = std::make_unique<SingleInstanceLock>(platform::DataFolder());
    ASSERT_TRUE(running->tryAcquire());

    const RestoreRun refused = RunRestore({"/" + kPoint}, 300ms);
    EXPECT_FALSE(refused.outcome.ok);
    EXPECT_FALSE(refused.startProgram);
    EXPECT_EQ(refused.outcome.message, "程序仍在运行，数据没有恢复。请退出程序后重新恢复。");
    EXPECT_EQ(FileBytes(ledger), before);
    EXPECT_EQ(filesIn(backups), QStringList{kPoint});

    // The program ends while the restore waits for it.
    auto waiting = std::async(std::launch::async, [] { return RunRestore({"/" + kPoint}, 60s); });
    running.reset();
    const RestoreRun run = waiting.get();
    ASSERT_TRUE(run.outcome.ok) << run.outcome.message.toStdString();
    EXPECT_TRUE(run.startProgram);
    EXPECT_EQ(carsIn(ledger), (std::vector<QStringList>{{"以前"}}));
    // The lock is free again for the program.
    SingleInstanceLock next(platform::DataFolder());
    EXPECT_TRUE(next.tryAcquire());
}

TEST_F(RestoreTest, FailedRestoreStillStartsTheProgram)
{
    const RestoreRun run = RunRestore({"/missing.bpt"}, 60s);
    EXPECT_FALSE(run.outcome.ok);
    EXPECT_TRUE(run.startProgram);
}

TEST_F(RestoreTest, NameEndingInABlankIsRestoredExactly)
{
    ASSERT_TRUE(QFile::rename(backups + '/' + kPoint, backups + '/' + kPoint + ' '));
    const RestoreRun run = RunRestore({"/" + kPoint + ' '}, 60s);
    ASSERT_TRUE(run.outcome.ok) << run.outcome.message.toStdString();
    EXPECT_EQ(carsIn(ledger), (std::vector<QStringList>{{"以前"}}));
}

TEST_F(RestoreTest, KeysComeOnTheInputAndThePointKeepsItsOwn)
{
    // Missing lines stand for the fixed key.
    EXPECT_EQ(ReadRestoreKeys("").ledger, kKey);
    const RestoreKeys keys = ReadRestoreKeys(RestoreKeysInput({"钥匙", kKey}));
    EXPECT_EQ(keys.ledger, "钥匙");
    EXPECT_EQ(keys.point, kKey);

    // A point made before the ledger was keyed with the owner's password.
    ASSERT_TRUE(ChangeLedgerKey(ledger, kKey, "钥匙").ok());
    ASSERT_TRUE(WriteOwnerKeyed(true));
    const RestoreOutcome outcome = RestoreBackupPoint(backups, kPoint, ledger, kNow, keys);
    ASSERT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(carsIn(ledger), (std::vector<QStringList>{{"以前"}}));
    EXPECT_FALSE(ReadStoredPassword().ownerKeyed);
    // The ledger it replaced is kept with the key it had.
    EXPECT_EQ(ReadBack(backups + '/' + outcome.keptName, "select Name from CarList", "钥匙"),
              (std::vector<QStringList>{{"现在"}}));
}

TEST_F(RestoreTest, ASecondArgumentNamesTheBackupFolder)
{
    const QString usb = folders.data() + "/usb";
    ASSERT_TRUE(QDir().mkpath(usb));
    ASSERT_TRUE(QFile::rename(backups + '/' + kPoint, usb + '/' + kPoint));
    const RestoreRun run = RunRestore({"/" + kPoint, usb}, 60s);
    ASSERT_TRUE(run.outcome.ok) << run.outcome.message.toStdString();
    EXPECT_EQ(carsIn(ledger), (std::vector<QStringList>{{"以前"}}));
    // The replaced ledger is kept beside the point restored.
    EXPECT_EQ(carsIn(usb + '/' + run.outcome.keptName), (std::vector<QStringList>{{"现在"}}));
}
