#include "DatabaseFixture.h"

#include "database/AutoBackup.h"
#include "database/BackupPoints.h"
#include "platform/Folders.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

const QString kKey = CMyDatabase::kDatabasePassword;

QDateTime at(int minute)
{
    return QDateTime(QDate(2026, 12, 8), QTime(7, minute, 0));
}

QStringList pointsIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

class AutoBackupTest : public DatabaseTest
{
protected:
    ExitBackup exitBackup(int minute) { return BackUpAtExit(path, settings, at(minute), kKey); }

    BackupSettings settings;
};

} // namespace

TEST_F(AutoBackupTest, AtExitOnlyWhenTheLedgerChangedSinceTheLastPoint)
{
    ASSERT_TRUE(Succeeded(db.NewCar("甲")));
    const QString folder = platform::BackupFolder();
    ASSERT_FALSE(QDir(folder).exists()); // the data folder's own is made

    ExitBackup backup = exitBackup(0);
    EXPECT_EQ(backup.result, ExitBackup::Made) << backup.message.toStdString();
    EXPECT_EQ(backup.name, "CAR20261208-070000-auto.bpt");
    EXPECT_EQ(ReadBack(folder + "/" + backup.name, "select Name from CarList"),
              (std::vector<QStringList>{{"甲"}}));

    EXPECT_EQ(exitBackup(1).result, ExitBackup::Unchanged);
    ASSERT_TRUE(Succeeded(db.NewCar("乙")));
    EXPECT_EQ(exitBackup(2).result, ExitBackup::Made);
    // A point made by hand after the last change counts as well.
    ASSERT_TRUE(Succeeded(db.NewCar("丙")));
    ASSERT_TRUE(Succeeded(MakeBackupPoint(path, folder, BackupPointName(at(3)), kKey)));
    EXPECT_EQ(exitBackup(4).result, ExitBackup::Unchanged);
    EXPECT_EQ(pointsIn(folder),
              (QStringList{"CAR20261208-070000-auto.bpt", "CAR20261208-070200-auto.bpt",
                           "CAR20261208-070300.bpt"}));

    settings.autoAtExit = false;
    ASSERT_TRUE(Succeeded(db.NewCar("丁")));
    EXPECT_EQ(exitBackup(5).result, ExitBackup::Off);
    EXPECT_EQ(pointsIn(folder).size(), 3);
}

TEST_F(AutoBackupTest, OnlyTheOldestAutomaticPointsArePruned)
{
    const QString folder = folders.data() + "/elsewhere";
    QDir().mkpath(folder);
    QStringList automatic;
    for (int minute = 0; minute < 5; ++minute) {
        automatic << AutoBackupPointName(at(minute));
        WriteFile(folder + "/" + automatic.back(), "x");
    }
    const QStringList others = {"CAR20261208-065900.bpt", "CAR20991231-235959.bpt", "notes.txt",
                                "CAR20261208-070000-auto.bpt.old"};
    for (const QString& name : others)
        WriteFile(folder + "/" + name, "x");

    EXPECT_EQ(PruneAutoBackupPoints(folder, 3), automatic.mid(0, 2));
    EXPECT_EQ(PruneAutoBackupPoints(folder, 3), QStringList());

    // At exit: the new point counts among those kept.
    settings.folder = folder;
    settings.keepAutomatic = 2;
    ASSERT_TRUE(Succeeded(db.NewCar("甲")));
    const ExitBackup backup = exitBackup(30);
    ASSERT_EQ(backup.result, ExitBackup::Made) << backup.message.toStdString();
    QStringList expected = others + QStringList{automatic[4], backup.name};
    expected.sort();
    EXPECT_EQ(pointsIn(folder), expected);
}

TEST_F(AutoBackupTest, AMissingOrUnwritableFolderFailsWithOneSentenceAndTouchesNothing)
{
    ASSERT_TRUE(Succeeded(db.NewCar("甲")));
    const QString unplugged = folders.data() + "/usb/backup";
    const QString aFile = folders.data() + "/plain";
    WriteFile(aFile, "x");
    const struct
    {
        QString folder;
        QString message;
    } cases[] = {
        {unplugged, "备份文件夹【" + QDir::toNativeSeparators(unplugged) +
                        "】不存在（移动硬盘或 U 盘是否已拔出？）。"},
        {aFile, "备份文件夹【" + QDir::toNativeSeparators(aFile) + "】无法写入。"},
    };
    for (const auto& c : cases) {
        settings.folder = c.folder;
        const ExitBackup backup = exitBackup(0);
        EXPECT_EQ(backup.result, ExitBackup::Failed);
        EXPECT_EQ(backup.message, c.message);
    }
    EXPECT_FALSE(QDir(folders.data() + "/usb").exists());
    EXPECT_EQ(ReadBack(path, "select Name from CarList"), (std::vector<QStringList>{{"甲"}}));
}

TEST(BackupSettingsFile, DefaultsKeysAndOlderFiles)
{
    TestFolders folders;
    BackupSettings loaded = LoadBackupSettings();
    EXPECT_TRUE(loaded.IsDataFolderBackup());
    EXPECT_EQ(loaded.Folder(), platform::BackupFolder());
    EXPECT_TRUE(loaded.autoAtExit);
    EXPECT_EQ(loaded.keepAutomatic, 20);

    BackupSettings chosen;
    chosen.folder = folders.data() + "/usb";
    chosen.autoAtExit = false;
    chosen.keepAutomatic = 5;
    ASSERT_TRUE(SaveBackupSettings(chosen));
    loaded = LoadBackupSettings();
    EXPECT_EQ(loaded.Folder(), chosen.folder);
    EXPECT_FALSE(loaded.autoAtExit);
    EXPECT_EQ(loaded.keepAutomatic, 5);

    // A file that has only some keys (or nonsense) keeps the defaults for the rest.
    WriteFile(BackupSettingsPath(), "[Backup]\nFolder=\nKeepAutomatic=many\nOther=1\n");
    loaded = LoadBackupSettings();
    EXPECT_TRUE(loaded.IsDataFolderBackup());
    EXPECT_TRUE(loaded.autoAtExit);
    EXPECT_EQ(loaded.keepAutomatic, 20);
}
