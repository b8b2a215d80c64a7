#include "SettingsFixture.h"

#include "database/BackupPoints.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/Folders.h"
#include "settings/PageRestroeData.h"
#include "settings/SettingsSheet.h"
#include "settings/TreePropSheet.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;

namespace {

const QString kPoint = QStringLiteral("CAR20261207-101010.bpt");

// The page on the program's own ledger, config/CAR.mdb of the data folder,
// held open in the ledger context as the program holds it; the clock stands at
// 2026-12-07 10:10:10.
class RestorePageTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        context.m_database.Close();
        path = DatabasePath();
        ASSERT_TRUE(QDir().mkpath(ConfigFolder()));
        ASSERT_TRUE(OpenLedger(context, path));
        // With a current car the sheet opens on the requested page.
        db().NewCar("甲");
        db().SetCurrentCar("CAR0001");
        SetClock([] { return QDateTime(QDate(2026, 12, 7), QTime(10, 10, 10)); });
    }
    void TearDown() override { SetClock({}); }

    void open()
    {
        sheet = createSheet(settingscommand::RestoreData);
        sheet->show();
        page = dynamic_cast<CPageRestroeData*>(sheet->GetActivePage());
        ASSERT_NE(page, nullptr);
    }
    QStringList rows() const
    {
        QStringList texts;
        for (int i = 0; i < page->backupList()->count(); ++i)
            texts << page->backupList()->item(i)->text();
        return texts;
    }
    void selectFile(const QString& name)
    {
        const int row = rows().indexOf(BackupPointRowText(name));
        ASSERT_GE(row, 0) << name.toStdString();
        page->backupList()->setCurrentRow(row);
    }
    // A file of the backup folder, made before the page lists it.
    void addFile(const QString& name, const QByteArray& bytes = "x")
    {
        ASSERT_TRUE(QDir().mkpath(BackupFolder()));
        WriteFile(BackupFolder() + '/' + name, bytes);
    }
    QStringList backupFiles() const
    {
        return QDir(BackupFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    void expectBoxes(const std::vector<MessageBoxRecorder::Box>& expected)
    {
        ASSERT_EQ(boxes.boxes().size(), expected.size()) << boxes.texts().join('|').toStdString();
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(boxes.boxes()[i].text, expected[i].text);
            EXPECT_EQ(boxes.boxes()[i].caption, expected[i].caption);
            EXPECT_EQ(boxes.boxes()[i].flags, expected[i].flags) << i;
        }
    }
    void expectStillRunning()
    {
        EXPECT_EQ(window.closeRequests, 0);
        EXPECT_TRUE(sheet->isVisible());
    }
    // A stand-in restore program that writes its arguments beside itself.
    QString fakeRestoreProgram(bool executable)
    {
        const QString program = programFolder.path() + "/restore";
        WriteFile(program, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.tmp\" && "
                           "mv \"$0.tmp\" \"$0.args\"\n");
        QFile::setPermissions(program, executable
                                           ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                           : QFile::ReadOwner | QFile::WriteOwner);
        page->SetProgramFolder(programFolder.path());
        return program;
    }

    QString question(const QString& what) const { return "备份点【" + kPoint + "】将会被" + what; }

    std::unique_ptr<CTreePropSheet> sheet;
    CPageRestroeData* page = nullptr;
    QTemporaryDir programFolder;
};

} // namespace

TEST_F(RestorePageTest, ListsEveryFileSortedWithoutHiddenOnesAndMakesTheFolder)
{
    EXPECT_FALSE(QFileInfo::exists(BackupFolder()));
    open();
    EXPECT_TRUE(QFileInfo(BackupFolder()).isDir());
    EXPECT_TRUE(rows().isEmpty());
    sheet.reset();

    ASSERT_TRUE(QDir().mkpath(BackupFolder() + "/CAR20250101-000000.dir"));
    for (const QString name : {"notes.txt", "CAR20260102-030405.bpt", "CAR20251231-235959.bpt",
                               ".CAR20260101-000000.bpt.part", ".hidden"})
        addFile(name);
    open();
    EXPECT_EQ(page->backupButton()->text(), "备份当前数据点");
    EXPECT_EQ(page->restoreButton()->text(), "恢复该被备份点");
    EXPECT_EQ(page->deleteButton()->text(), "删除该备份点");
    EXPECT_EQ(rows(), (QStringList{"CAR20251231-235959.bpt【备份时间：2025/12/31 23:59:59】",
                                   "CAR20260102-030405.bpt【备份时间：2026/01/02 03:04:05】",
                                   "notes.txt【备份时间：0/00/00 00:00:00】"}));
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(RestorePageTest, BackupCopiesTheOpenLedgerAndListsIt)
{
    open();
    db().NewCar("乙"); // written on the open connection just before
    page->backupButton()->click();
    expectBoxes({{"数据备份成功！", "Qinmo", MB_OK}});
    EXPECT_EQ(rows(), QStringList{"CAR20261207-101010.bpt【备份时间：2026/12/07 10:10:10】"});
    EXPECT_EQ(ReadBack(BackupFolder() + '/' + kPoint, "select Name from CarList order by CarID"),
              (std::vector<QStringList>{{"甲"}, {"乙"}}));
    EXPECT_EQ(backupFiles(), QStringList{kPoint});
}

TEST_F(RestorePageTest, BackupFailuresAreToldAndNothingIsListed)
{
    open();
    db().Close();
    ASSERT_TRUE(QFile::remove(path));
    page->backupButton()->click();
    expectBoxes({{"数据库文件不存在，无法备份！", "Qinmo", MB_OK | MB_ICONERROR}});
    EXPECT_TRUE(backupFiles().isEmpty());

    // A ledger that cannot be read, then a backup folder that cannot exist.
    boxes.clear();
    WriteFile(path, QByteArray(8192, 'z'));
    page->backupButton()->click();
    expectBoxes(
        {{"数据备份失败：无法读取账本文件：文件已损坏或密码不符", "Qinmo", MB_OK | MB_ICONERROR}});
    EXPECT_TRUE(backupFiles().isEmpty());

    boxes.clear();
    ASSERT_TRUE(QDir(BackupFolder()).removeRecursively());
    WriteFile(BackupFolder(), "a file where the folder was");
    page->backupButton()->click();
    expectBoxes({{"数据没有备份：备份文件夹【" + BackupFolder() + "】无法写入。", "Qinmo",
                  MB_OK | MB_ICONERROR}});
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(RestorePageTest, DeleteRemovesExactlyTheFileOfTheRow)
{
    // The first 22 characters of the longer name's row name the other file.
    for (const QString& name : {kPoint, kPoint + ".old", QString("CAR1.bpt")})
        addFile(name, name.toUtf8());
    open();

    page->deleteButton()->click();
    expectBoxes({{"请首先选择要删除的备份点！", "Qinmo", MB_OKCANCEL | MB_ICONERROR}});

    boxes.clear();
    selectFile(kPoint + ".old");
    boxes.answer(IDCANCEL);
    page->deleteButton()->click();
    EXPECT_EQ(backupFiles().size(), 3);

    boxes.clear();
    page->deleteButton()->click();
    expectBoxes({{"备份点【" + kPoint + ".old】将会被删除且不可恢复，确认要删除吗？", "Qinmo",
                  MB_OKCANCEL | MB_ICONQUESTION}});
    EXPECT_EQ(backupFiles(), (QStringList{"CAR1.bpt", kPoint}));

    boxes.clear();
    selectFile("CAR1.bpt");
    page->deleteButton()->click();
    EXPECT_EQ(backupFiles(), QStringList{kPoint});
    EXPECT_EQ(rows(), QStringList{BackupPointRowText(kPoint)});

    // A file removed meanwhile by someone else: told, and the list follows.
    boxes.clear();
    selectFile(kPoint);
    ASSERT_TRUE(QFile::remove(BackupFolder() + '/' + kPoint));
    page->deleteButton()->click();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_TRUE(boxes.boxes()[1].text.startsWith("删除备份点【" + kPoint + "】失败："));
    EXPECT_EQ(boxes.boxes()[1].flags, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(RestorePageTest, RestoreAsksAndChecksEverythingBeforeTheProgramCloses)
{
    addFile(kPoint);
    open();
    page->restoreButton()->click();
    expectBoxes({{"请首先选择要恢复的备份点！", "Qinmo", MB_OKCANCEL | MB_ICONERROR}});
    expectStillRunning();

    boxes.clear();
    selectFile(kPoint);
    boxes.answer(IDCANCEL);
    page->restoreButton()->click();
    const MessageBoxRecorder::Box asked{question("恢复，现有数据将会被覆盖，确认要恢复吗？"),
                                        "Qinmo", MB_OKCANCEL | MB_ICONQUESTION};
    expectBoxes({asked});
    expectStillRunning();

    // Each refusal comes before "程序将关闭…": the program keeps running, and
    // a restore program that would have run was never started.
    const QString program = programFolder.path() + "/restore";
    const QByteArray good = [&] {
        MakeLedgerWithCar(BackupFolder() + "/good.bpt", "甲");
        return FileBytes(BackupFolder() + "/good.bpt");
    }();
    struct Row
    {
        const char* what;
        QByteArray point;   // empty: the point is gone
        int restoreProgram; // 0 none, 1 not executable, 2 executable
        QString refusal;
    };
    const std::vector<Row> refusals = {
        {"damaged point", "x", 2, "备份点【" + kPoint + "】已损坏或不是本程序的账本，无法恢复！"},
        {"half a ledger", good.left(good.size() / 2), 2,
         "备份点【" + kPoint + "】已损坏或不是本程序的账本，无法恢复！"},
        {"point removed meanwhile", {}, 2, "备份点【" + kPoint + "】不存在，无法恢复！"},
        {"no restore program", good, 0, "文件【" + program + "】丢失，无法恢复数据文件！"},
        {"restore program not executable", good, 1,
         "恢复程序【" + program + "】无法启动，数据没有恢复。"},
    };
    for (const Row& row : refusals) {
        SCOPED_TRACE(row.what);
        boxes.clear();
        QFile::remove(program);
        if (row.restoreProgram)
            fakeRestoreProgram(row.restoreProgram == 2);
        else
            page->SetProgramFolder(programFolder.path());
        addFile(kPoint, row.point);
        page->FillList();
        selectFile(kPoint);
        if (row.point.isEmpty()) {
            ASSERT_TRUE(QFile::remove(BackupFolder() + '/' + kPoint));
        }
        page->restoreButton()->click();
        expectBoxes({asked, {row.refusal, "Qinmo", MB_OK | MB_ICONERROR}});
        expectStillRunning();
        EXPECT_FALSE(QFile::exists(program + ".args"));
        // A point that is gone leaves the list.
        EXPECT_EQ(rows().contains(BackupPointRowText(kPoint)), !row.point.isEmpty());
    }
}

TEST_F(RestorePageTest,
       ConfirmedRestoreHandsTheNameExactlyToTheRestoreProgramAndClosesWithoutAsking)
{
    // A name ending in a blank reaches the restore program as it is.
    const QString point = kPoint + ' ';
    ASSERT_TRUE(QDir().mkpath(BackupFolder()));
    MakeLedgerWithCar(BackupFolder() + '/' + point, "甲");
    open();
    const QString program = fakeRestoreProgram(true);
    selectFile(point);
    page->restoreButton()->click();
    expectBoxes({{"备份点【" + point + "】将会被恢复，现有数据将会被覆盖，确认要恢复吗？", "Qinmo",
                  MB_OKCANCEL | MB_ICONQUESTION},
                 {"程序将关闭并重新启动加载恢复的新数据...", "Qinmo", MB_OK}});
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(window.closeRequests, 1);

    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(program + ".args"); }, 60000));
    EXPECT_EQ(QString::fromUtf8(FileBytes(program + ".args")), "1\n/" + point + "\n");
}

// A backup folder on another drive: a missing one is told at the backup; a
// ledger copy chosen anywhere is checked, copied there as a point and handed
// to the restore program with the folder.
TEST_F(RestorePageTest, RestoreFromFileAndABackupFolderElsewhere)
{
    const QString usb = folders.data() + "/usb";
    context.m_backupSettings.folder = usb;
    open();
    EXPECT_EQ(page->folderLabel()->text(), "备份文件夹：" + usb);
    page->backupButton()->click();
    expectBoxes({{"数据没有备份：备份文件夹【" + usb + "】不存在（移动硬盘或 U 盘是否已拔出？）。",
                  "Qinmo", MB_OK | MB_ICONERROR}});
    EXPECT_FALSE(QDir(usb).exists());

    ASSERT_TRUE(QDir().mkpath(usb));
    const QString program = fakeRestoreProgram(true);
    const QString elsewhere = folders.data() + "/copies";
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    WriteFile(elsewhere + "/broken.mdb", "x");
    MakeLedgerWithCar(elsewhere + "/old.mdb", "乙");
    QString chosen;
    SetOpenFileHook([&](const OpenFileRequest&) { return chosen; });
    const auto asked = [](const QString& file) {
        return MessageBoxRecorder::Box{"文件【" + file +
                                           "】将会被恢复，现有数据将会被覆盖，确认要恢复吗？",
                                       "Qinmo", MB_OKCANCEL | MB_ICONQUESTION};
    };

    boxes.clear();
    chosen = elsewhere + "/broken.mdb";
    page->restoreFromFileButton()->click();
    expectBoxes({asked(chosen),
                 {"备份点【broken.mdb】已损坏或不是本程序的账本，无法恢复！", "Qinmo",
                  MB_OK | MB_ICONERROR}});
    EXPECT_TRUE(QDir(usb).isEmpty());
    expectStillRunning();

    boxes.clear();
    chosen = elsewhere + "/old.mdb";
    page->restoreFromFileButton()->click();
    SetOpenFileHook({});
    expectBoxes({asked(chosen), {"程序将关闭并重新启动加载恢复的新数据...", "Qinmo", MB_OK}});
    EXPECT_EQ(window.closeRequests, 1);
    EXPECT_EQ(ReadBack(usb + "/" + kPoint, "select Name from CarList"),
              (std::vector<QStringList>{{"乙"}}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(program + ".args"); }, 60000));
    EXPECT_EQ(QString::fromUtf8(FileBytes(program + ".args")), "2\n/" + kPoint + "\n" + usb + "\n");
}
