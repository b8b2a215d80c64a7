#include "HotJournal.h"

#include "database/LedgerFile.h"
#include "database/MyDatabase.h"
#include "tests/support/CoreTestEnvironment.h"
#include "tests/support/ReadBack.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kKey = CMyDatabase::kDatabasePassword;

// The file names in the folder, sorted.
QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// Starts as the program does; the ledger must then be open with nothing to tell.
void expectStartOpens(const QString& path)
{
    CMyDatabase db;
    db.SetFilePath(path);
    const LedgerOpening opening = db.CreateOrOpen();
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(opening.step, LedgerOpening::Opened) << opening.status.message.toStdString();
    EXPECT_TRUE(opening.addedColumns.isEmpty() && opening.lostColumns.isEmpty());
    EXPECT_EQ(db.Connection().TableNames().size(), 12);
}

} // namespace

TEST(LedgerFile, NewLedgerIsCompleteAndLeavesNoTemporaryFile)
{
    TestFolders folders;
    const QString path = folders.data() + "/CAR.mdb";
    const SqlStatus made = CreateLedgerFile(path, kKey);
    EXPECT_TRUE(made.ok()) << made.message.toStdString();
    EXPECT_EQ(filesIn(folders.data()), QStringList{"CAR.mdb"});
    CAdoConnection c;
    EXPECT_FALSE(c.Open(path, QString()));
    ASSERT_TRUE(c.Open(path, kKey));
    EXPECT_EQ(c.TableNames().size(), 12);

    // An existing file is never replaced.
    c.Execute("insert into CarList (CarID) values ('CAR0001')");
    c.Close();
    EXPECT_FALSE(CreateLedgerFile(path, kKey).ok());
    EXPECT_EQ(ReadBack(path, "select CarID from CarList"), (std::vector<QStringList>{{"CAR0001"}}));
    EXPECT_EQ(filesIn(folders.data()), QStringList{"CAR.mdb"});
}

TEST(LedgerFile, CompleteLeftoverOfACreationBecomesTheLedger)
{
    TestFolders folders;
    const QString path = folders.data() + "/CAR.mdb";
    MakeLedgerWithCar(path + ".creating", "made before the kill");
    WriteFile(path + "-journal", QByteArray(512, 'j')); // a journal of no ledger

    expectStartOpens(path);
    EXPECT_EQ(ReadBack(path, "select Name from CarList"),
              (std::vector<QStringList>{{"made before the kill"}}));
    EXPECT_EQ(filesIn(folders.data()), QStringList{"CAR.mdb"});
}

TEST(LedgerFile, IncompleteLeftoverOfACreationIsRemoved)
{
    TestFolders folders;
    const QString path = folders.data() + "/CAR.mdb";
    {
        // Keyed, but holding only one of the eleven tables.
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open((path + ".creating").toUtf8().constData(), &raw), SQLITE_OK);
        sqlite3_key(raw, "vorpa", 5);
        ASSERT_EQ(sqlite3_exec(raw, "CREATE TABLE CarList (CarID VARCHAR(10))", nullptr, nullptr,
                               nullptr),
                  SQLITE_OK);
        sqlite3_close(raw);
    }
    WriteFile(path + ".creating-journal", QByteArray());

    expectStartOpens(path);
    EXPECT_EQ(filesIn(folders.data()), QStringList{"CAR.mdb"});

    // An empty leftover (killed right after it was made) goes the same way.
    QFile::remove(path);
    WriteFile(path + ".creating", QByteArray());
    expectStartOpens(path);
    EXPECT_EQ(filesIn(folders.data()), QStringList{"CAR.mdb"});
}

TEST(LedgerFile, ExistingLedgerIsNeverReplacedByALeftover)
{
    TestFolders folders;
    const QString path = folders.data() + "/CAR.mdb";
    MakeLedgerWithCar(path, "mine");
    MakeLedgerWithCar(path + ".creating", "leftover");
    MakeLedgerWithCar(path + ".rekey", "copy");

    expectStartOpens(path);
    EXPECT_EQ(ReadBack(path, "select Name from CarList"), (std::vector<QStringList>{{"mine"}}));
    EXPECT_EQ(filesIn(folders.data()), QStringList{"CAR.mdb"});
}

TEST(LedgerFile, UnencryptedLedgerBesideAnUnfinishedKeyCopyOpens)
{
    // What a kill during the encryption of a first start used to leave: the
    // plain file, a half-written copy and its journal.
    TestFolders folders;
    const QString path = folders.data() + "/CAR.mdb";
    {
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &raw), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(raw,
                               "CREATE TABLE CarList (CarID VARCHAR(10), Name VARCHAR(255));"
                               "INSERT INTO CarList VALUES ('CAR0001', 'kept');",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(raw);
    }
    WriteFile(path + ".rekey", QByteArray(3072, 'r'));
    WriteFile(path + ".rekey-journal", QByteArray(512, 'j'));

    expectStartOpens(path);
    EXPECT_EQ(ReadBack(path, "select CarID, Name from CarList"),
              (std::vector<QStringList>{{"CAR0001", "kept"}}));
    EXPECT_EQ(filesIn(folders.data()), QStringList{"CAR.mdb"});
    CAdoConnection plain;
    EXPECT_FALSE(plain.Open(path, QString())); // encrypted now
}

TEST(LedgerFile, KilledFirstStartLeavesALedgerThatOpens)
{
    // The kill lands wherever the first start has got to when the watched file
    // shows up (or after it has finished); the next start must open either way.
    TestFolders folders;
    const QStringList watched = {"CAR.mdb.creating", "CAR.mdb.creating-journal", "CAR.mdb",
                                 "CAR.mdb.rekey"};
    for (int round = 0; round < 8; ++round) {
        const QString folder = folders.data() + QString("/round%1").arg(round);
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString path = folder + "/CAR.mdb";
        const QString target = folder + '/' + watched[round % watched.size()];

        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CMyDatabase db;
            db.SetFilePath(path);
            db.CreateOrOpen();
            _exit(db.IsOpen() ? 0 : 1);
        }
        QElapsedTimer waited;
        waited.start();
        int status = 0;
        pid_t ended = 0;
        while (!QFile::exists(target) && (ended = waitpid(child, &status, WNOHANG)) == 0 &&
               waited.elapsed() < 60000)
            QThread::usleep(50);
        // Only a child not yet reaped is killed: a reaped one's number may be
        // another process's by now.
        if (ended == 0) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
        }

        expectStartOpens(path);
        EXPECT_EQ(filesIn(folder), QStringList{"CAR.mdb"}) << round;
    }
}

TEST(LedgerFile, CopyOverALedgerWithAHotJournalNeverPlaysItIntoTheCopy)
{
    TestFolders folders;
    const QString path = folders.data() + "/CAR.mdb";
    const QString source = folders.data() + "/point.bpt";
    MakeLedgerWithCar(path, "old");
    MakeLedgerWithCar(source, "new");
    LeaveHotJournal(path);

    const SqlStatus copied = CopyLedgerFile(source, path, path + kRestoringSuffix, kKey);
    ASSERT_TRUE(copied.ok()) << copied.message.toStdString();
    EXPECT_EQ(filesIn(folders.data()), (QStringList{"CAR.mdb", "point.bpt"}));
    EXPECT_TRUE(IsCompleteLedgerFile(path, kKey));
    EXPECT_EQ(ReadBack(path, "select Name from CarList"), (std::vector<QStringList>{{"new"}}));
    expectStartOpens(path);
}

TEST(LedgerFile, LeftoverOfAnInterruptedRestoreNeverReplacesTheLedger)
{
    TestFolders folders;
    const QString path = folders.data() + "/CAR.mdb";
    MakeLedgerWithCar(path, "mine");
    MakeLedgerWithCar(path + kRestoringSuffix, "restoring");
    expectStartOpens(path);
    EXPECT_EQ(ReadBack(path, "select Name from CarList"), (std::vector<QStringList>{{"mine"}}));
    EXPECT_EQ(filesIn(folders.data()), QStringList{"CAR.mdb"});
}

TEST(LedgerFile, KilledKeyChangeLeavesALedgerThatOpensWithTheOldKeyOrTheNew)
{
    // Enough rows that re-keying takes a while; kills land across that time.
    TestFolders folders;
    const QString base = folders.data() + "/base.mdb";
    MakeLedgerWithCar(base, "小白");
    {
        CAdoConnection c;
        ASSERT_TRUE(c.Open(base, kKey));
        ASSERT_TRUE(c.Execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                              "WHERE i < 40000) INSERT INTO Refuel (CarID, RecID, DateTimee, Mark) "
                              "SELECT 'CAR0001', printf('%07d', i), '2026/01/01', 'note ' || i "
                              "FROM n"));
    }
    QElapsedTimer whole;
    whole.start();
    const QString timed = folders.data() + "/timed.mdb";
    ASSERT_TRUE(QFile::copy(base, timed));
    ASSERT_TRUE(ChangeLedgerKey(timed, kKey, "新钥匙").ok());
    const qint64 span = std::max<qint64>(whole.nsecsElapsed() / 1000, 1000);

    int oldKey = 0, newKey = 0;
    for (int round = 0; round < 12; ++round) {
        const QString path = folders.data() + QString("/round%1.mdb").arg(round);
        ASSERT_TRUE(QFile::copy(base, path));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            _exit(ChangeLedgerKey(path, kKey, "新钥匙").ok() ? 0 : 1);
        QThread::usleep(static_cast<unsigned long>(span * round / 12));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        // Opened as the program does: what a kill left is put right first.
        const bool old = IsCompleteLedgerFile(path, kKey);
        const bool renewed = !old && IsCompleteLedgerFile(path, "新钥匙");
        EXPECT_TRUE(old || renewed) << round;
        oldKey += old;
        newKey += renewed;
        const QString key = old ? kKey : QStringLiteral("新钥匙");
        EXPECT_EQ(ReadBack(path, "select count(*) from Refuel", key),
                  (std::vector<QStringList>{{"40000"}}))
            << round;
    }
    EXPECT_GT(oldKey, 0); // the kills did land during the change
}
