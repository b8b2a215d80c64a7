#include "app/MainFrame.h"
#include "app/EditMenu.h"
#include "app/FramePlacement.h"
#include "app/HelpFile.h"
#include "app/MainMenu.h"
#include "app/OrvynView.h"
#include "app/RibbonToolsEx.h"
#include "database/RecordChange.h"
#include "platform/Folders.h"
#include "platform/MessageEvent.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class MainFrameTest : public ::testing::Test
{
protected:
    TestFolders folders;
    MessageBoxRecorder boxes;
};

} // namespace

TEST(FramePlacement, FollowsTheScreenSize)
{
    FramePlacement small = PlaceMainFrame({800, 600});
    EXPECT_EQ(small.geometry, QRect(0, 0, 800, 600));
    EXPECT_EQ(small.minimumSize, QSize(800, 600));

    FramePlacement medium = PlaceMainFrame({1024, 768});
    EXPECT_EQ(medium.geometry, QRect(62, 34, 900, 700));
    EXPECT_EQ(medium.minimumSize, QSize(900, 600));

    // Centred for 700 rows, but never lower than 800 on this screen.
    FramePlacement large = PlaceMainFrame({1280, 1024});
    EXPECT_EQ(large.geometry, QRect(190, 162, 900, 700));
    EXPECT_EQ(large.minimumSize, QSize(900, 800));

    EXPECT_EQ(PlaceMainFrame({1023, 767}).geometry.size(), QSize(800, 600));
    EXPECT_EQ(PlaceMainFrame({1024, 999}).minimumSize, QSize(900, 600));
}

TEST(FramePlacement, FitsTheAvailableArea)
{
    struct Row
    {
        QSize screen;
        QRect available;
        QRect geometry;
        QSize minimumSize;
    };
    const Row rows[] = {
        // Unscaled 1920x1080 with a panel: nothing changes.
        {{1920, 1080}, {0, 0, 1920, 1040}, {510, 190, 900, 700}, {900, 800}},
        // Scale 2 on 1920x1080: 960x540 device-independent pixels.
        {{960, 540}, {0, 0, 960, 540}, {80, 24, 800, 492}, {800, 492}},
        // Scale 1.25 on 1366x768 with a panel at the bottom.
        {{1093, 614}, {0, 0, 1093, 590}, {96, 24, 900, 542}, {900, 542}},
    };
    for (const Row& row : rows) {
        const FramePlacement placement = PlaceMainFrame(row.screen, row.available);
        EXPECT_EQ(placement.geometry, row.geometry) << row.screen.width();
        EXPECT_EQ(placement.minimumSize, row.minimumSize) << row.screen.width();
        EXPECT_TRUE(row.available.contains(placement.geometry));
    }
}

TEST_F(MainFrameTest, OpensPlacedForTheScreenOnTheSummaryPage)
{
    CMainFrame frame;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const FramePlacement expected = PlaceMainFrame(screen->size(), screen->availableGeometry());
    EXPECT_EQ(frame.minimumSize(), expected.minimumSize);
    EXPECT_EQ(frame.size(), expected.geometry.size().expandedTo(expected.minimumSize));
    EXPECT_EQ(frame.pos(), expected.geometry.topLeft());
    EXPECT_EQ(frame.centralWidget(), frame.View());
    EXPECT_EQ(frame.View()->ShownPage(), 0);
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

TEST_F(MainFrameTest, TitleNamesTheCurrentCar)
{
    {
        CMainFrame frame;
        EXPECT_EQ(frame.windowTitle(), "Qinmo【请选择或创建管理车辆】");
        frame.Context().m_database.NewCar("小白");
        frame.Context().m_database.NewCar("");
        frame.Context().m_database.SetCurrentCar("CAR0001");
        frame.SetTitle();
        EXPECT_EQ(frame.windowTitle(), "Qinmo【小白】");
        frame.Context().m_database.SetCurrentCar("CAR0002"); // a car without a name
        frame.SetTitle();
        EXPECT_EQ(frame.windowTitle(), "Qinmo【请选择或创建管理车辆】");
        frame.Context().m_database.SetCurrentCar("CAR0001");
    }
    CMainFrame again;
    EXPECT_EQ(again.windowTitle(), "Qinmo【小白】");
}

TEST_F(MainFrameTest, MenuCarriesEveryCommand)
{
    CMainFrame frame;
    QStringList items;
    for (QAction* top : frame.menuBar()->actions()) {
        items << "[" + top->text() + "]";
        for (QAction* a : top->menu()->actions())
            items << (a->isSeparator()
                          ? QString("-")
                          : a->text() + "=" + a->data().toString() +
                                (a->shortcut().isEmpty() ? QString()
                                                         : "=" + a->shortcut().toString()));
    }
    EXPECT_EQ(items.join(' '),
              "[设置(&S)] 车辆管理(&C)=32782 爱车档案(&P)=32783 购入信息(&B)=32784 - "
              "系统设置(&Y)=32773 密码设置(&W)=32789 - 输入记录(&I)=32785 - "
              "备份与恢复(&R)=32787 保养提醒(&M)=32815 - 退出系统(&X)=57665=Ctrl+Q "
              "[编辑(&E)] 撤销(&U)=57643=Ctrl+Z 重做(&R)=57644=Ctrl+Y "
              "[数据(&D)] 导出为 CSV(&E)…=32810 从 CSV 导入(&I)…=32811 - "
              "打印(&P)…=32812=Ctrl+P 导出为 PDF(&F)…=32813 - 数据检查(&C)…=32814 "
              "[帮助(&H)] 关于(&A)=57664 帮助(&H)=32790=F1 - 检查新版本(&U)=32776");
}

TEST_F(MainFrameTest, CreationLoadsSysfileWhenThereIsOne)
{
    {
        CMainFrame frame; // missing: the defaults stay
        EXPECT_EQ(frame.Context().OdometerColumnMask, 63);
        EXPECT_EQ(frame.Context().AutoCheckUpdate, 0);
        EXPECT_FALSE(QFile::exists(ConfigFolder() + "/sysfile.cfg"));
    }
    WriteConfigFile("sysfile.cfg", Int32Bytes({5}));
    CMainFrame frame; // 4 bytes: the mask only, nothing reported
    EXPECT_EQ(frame.Context().OdometerColumnMask, 5);
    EXPECT_EQ(frame.Context().AutoCheckUpdate, 0);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(MainFrameTest, TimerThreeWritesSysfileOnceWhileDirty)
{
    CMainFrame frame;
    EXPECT_EQ(frame.Timer(1).interval(), 60000);
    EXPECT_EQ(frame.Timer(2).interval(), 10000);
    EXPECT_EQ(frame.Timer(3).interval(), 60000);
    for (int id : {1, 2, 3})
        EXPECT_TRUE(frame.Timer(id).isActive()) << id;

    frame.OnTimer(1);
    frame.OnTimer(2);
    EXPECT_FALSE(QFile::exists(ConfigFolder() + "/sysfile.cfg"));
    frame.OnTimer(3);
    EXPECT_EQ(ConfigFileBytes("sysfile.cfg"), Int32Bytes({63, 0}));
    EXPECT_EQ(frame.Context().SettingsDirty, 0);

    QFile::remove(ConfigFolder() + "/sysfile.cfg");
    frame.OnTimer(3); // clean: nothing written
    EXPECT_FALSE(QFile::exists(ConfigFolder() + "/sysfile.cfg"));

    frame.Context().OdometerColumnMask = 0x12;
    frame.Context().AutoCheckUpdate = 1;
    frame.Context().SettingsDirty = 1;
    frame.OnTimer(3);
    EXPECT_EQ(ConfigFileBytes("sysfile.cfg"), Int32Bytes({0x12, 1}));
}

TEST_F(MainFrameTest, RefusedCloseKeepsRunningAndWritesNothing)
{
    CMainFrame frame;
    frame.show();
    boxes.answer(IDNO);
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "确定要退出程序吗?");
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_TRUE(QDir(ConfigFolder()).entryList({"*.cfg"}).isEmpty());
}

TEST_F(MainFrameTest, ConfirmedCloseWritesBothFiles)
{
    CMainFrame frame;
    frame.show();
    frame.Context().m_chartOptions = {1, 2, 3, 4}; // type, grid, tips, gradient
    boxes.answer(IDYES);
    EXPECT_TRUE(frame.close());
    EXPECT_FALSE(frame.isVisible());
    EXPECT_EQ(ConfigFileBytes("sysfile.cfg"), Int32Bytes({63, 0}));
    EXPECT_EQ(frame.Context().SettingsDirty, 1); // the close leaves the flag as it is
    EXPECT_EQ(ConfigFileBytes("chart.cfg"), Int32Bytes({1, 2, 3, 4}));
}

TEST_F(MainFrameTest, CloseWithoutQuestionAfterARestoreAndCleanSettingsKept)
{
    WriteConfigFile("sysfile.cfg", Int32Bytes({1, 0}));
    CMainFrame frame;
    frame.ConfirmExit = 0;
    frame.Context().SettingsDirty = 0;
    frame.Context().OdometerColumnMask = 2; // not dirty: not written
    EXPECT_TRUE(frame.OnClose());
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(ConfigFileBytes("sysfile.cfg"), Int32Bytes({1, 0}));
    // No chart.cfg yet: a pie with grid lines, tips and gradient is written.
    EXPECT_EQ(ConfigFileBytes("chart.cfg"), Int32Bytes({1, 1, 1, 1}));
}

TEST_F(MainFrameTest, ChartOptionsSurviveARunThatNeverShowsThem)
{
    WriteConfigFile("chart.cfg", Int32Bytes({0, 1, 0, 1}));
    CMainFrame frame;
    EXPECT_EQ(frame.Context().m_chartOptions.chartType, 0);
    EXPECT_EQ(frame.Context().m_chartOptions.gridLines, 1);
    EXPECT_EQ(frame.Context().m_chartOptions.tips, 0);
    EXPECT_EQ(frame.Context().m_chartOptions.gradientFill, 1);
    boxes.answer(IDYES);
    EXPECT_TRUE(frame.OnClose());
    EXPECT_EQ(ConfigFileBytes("chart.cfg"), Int32Bytes({0, 1, 0, 1}));
}

// A restore ends the program through PostClose: no question, the settings
// written as at every close.
TEST_F(MainFrameTest, PostCloseClosesWithoutAskingOnceTheEventIsHandled)
{
    CMainFrame frame;
    frame.show();
    frame.PostClose();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.isVisible(); }, 10000));
    EXPECT_EQ(frame.ConfirmExit, 0);
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(ConfigFileBytes("sysfile.cfg"), Int32Bytes({63, 0}));
    EXPECT_EQ(ConfigFileBytes("chart.cfg"), Int32Bytes({1, 1, 1, 1}));
}

TEST_F(MainFrameTest, HelpFileMissingIsReportedWithItsPath)
{
    CMainFrame frame;
    ASSERT_FALSE(QFile::exists(InstallFolder() + "/help.html"));
    frame.OnCommand(cmd::ID_HELP);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "帮助文件不存在：" + InstallFolder() + "/help.html");
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONEXCLAMATION);
}

// The guide is opened by xdg-open where there is one (a stand-in here), else
// by Qt, which finds nothing to open it with on this PATH.
TEST_F(MainFrameTest, AGuideThatNoProgramOpensIsReportedWithItsPath)
{
    const QString guide = folders.data() + "/帮助 help.html";
    WriteFile(guide, "<html></html>");
    const QString bin = folders.data() + "/bin";
    ASSERT_TRUE(QDir().mkpath(bin));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin));
    const QString cannot =
        "无法打开帮助文件：" + guide +
        "\n没有找到打开网页文件的程序。请安装一个网页浏览器，或者直接用浏览器打开"
        "这个文件。";
    const struct
    {
        const char* opener; // the stand-in's last line; none: no xdg-open
        QStringList boxes;
    } rows[] = {
        {nullptr, {cannot}},
        {"exit 3", {cannot}}, // xdg-open found no program for HTML
        {"exit 0", {}},
        {"exit 4", {}}, // the browser's own failure, after it ran
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.opener ? row.opener : "no xdg-open");
        boxes.clear();
        QFile::remove(bin + "/opened");
        if (row.opener) {
            WriteFile(bin + "/xdg-open", "#!/bin/sh\necho \"$1\" > '" + QFile::encodeName(bin) +
                                             "/opened'\n" + row.opener + "\n");
            QFile::setPermissions(bin + "/xdg-open", QFile::ReadOwner | QFile::ExeOwner);
        }
        QWidget parent;
        OpenHelpFile(&parent, guide);
        EXPECT_TRUE(QTest::qWaitFor(
            [] { return QCoreApplication::instance()->findChildren<QProcess*>().isEmpty(); },
            60000));
        EXPECT_EQ(boxes.texts(), row.boxes);
        if (!row.boxes.isEmpty()) {
            EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
        }
        if (row.opener) {
            EXPECT_EQ(FileBytes(bin + "/opened"), QUrl::fromLocalFile(guide).toEncoded() + "\n");
        }
    }
    qputenv("PATH", path);
}

TEST_F(MainFrameTest, AcknowledgedTipStopsTheReminderTimers)
{
    CMainFrame frame;
    EXPECT_EQ(SendMessage(&frame, WM_VERSION_NOTICE), 0);
    EXPECT_EQ(SendMessage(&frame, WM_TIP_ACK, 0), 0); // no entry: nothing changes
    EXPECT_TRUE(frame.Timer(1).isActive());
    int entry = 0;
    EXPECT_EQ(SendMessage(&frame, WM_TIP_ACK, reinterpret_cast<qintptr>(&entry)), 0);
    EXPECT_FALSE(frame.Timer(1).isActive());
    EXPECT_FALSE(frame.Timer(2).isActive());
    EXPECT_TRUE(frame.Timer(3).isActive());
}

namespace {
// Makes a file immutable (even for root) for its lifetime; needs the
// privilege to set the attribute, which root has on common file systems.
struct ImmutableFile
{
    explicit ImmutableFile(const QString& path) : m_path(path)
    {
        m_set = QProcess::execute("chattr", {"+i", m_path}) == 0;
    }
    ~ImmutableFile()
    {
        if (m_set)
            QProcess::execute("chattr", {"-i", m_path});
    }
    QString m_path;
    bool m_set = false;
};
} // namespace

TEST_F(MainFrameTest, ALedgerThatCannotBeWrittenIsSaidOnceAtStartUp)
{
    {
        CMainFrame first;
    }
    ASSERT_TRUE(boxes.boxes().empty());
    ImmutableFile locked(DatabasePath());
    if (!locked.m_set)
        GTEST_SKIP() << "cannot make the ledger file read-only here";
    CMainFrame frame;
    EXPECT_EQ(frame.windowTitle(), "Qinmo【请选择或创建管理车辆】（只读）");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.texts()[0],
              "账本文件是只读的，修改将无法保存：" + QDir::toNativeSeparators(DatabasePath()));
    EXPECT_EQ(boxes.boxes()[0].flags, unsigned(MB_OK | MB_ICONWARNING));
}

TEST_F(MainFrameTest, ALedgerThatCannotBeOpenedOrCreatedIsSaidOnceAndLeftAlone)
{
    const struct
    {
        QString inTheWay; // a file of bytes that are no ledger
        QString message;
    } cases[] = {
        {DatabasePath(), "数据库打开失败！账本文件已损坏。"},
        {ConfigFolder(), "数据库创建失败！账本文件夹无法写入。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inTheWay.toStdString());
        boxes.clear();
        QDir(ConfigFolder()).removeRecursively();
        QFile::remove(ConfigFolder());
        QDir().mkpath(QFileInfo(c.inTheWay).path());
        WriteFile(c.inTheWay, QByteArray(8192, 'x'));
        {
            CMainFrame frame;
            EXPECT_EQ(frame.windowTitle(), "Qinmo【请选择或创建管理车辆】");
        }
        ASSERT_EQ(boxes.boxes().size(), 1u) << boxes.texts().join('|').toStdString();
        EXPECT_EQ(boxes.boxes()[0].text, c.message);
        EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
        EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
        EXPECT_EQ(FileBytes(c.inTheWay), QByteArray(8192, 'x'));
    }
}

// Without a current car the page area holds the welcome; once a car is
// current it is gone and Ctrl+1 … Ctrl+9 pick the pages in navigation order.
TEST_F(MainFrameTest, WelcomeWithoutCarAndPageKeys)
{
    CMainFrame frame;
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    COrvynView* view = frame.View();
    ASSERT_TRUE(view->Welcome()->isVisible());
    EXPECT_EQ(view->AddFirstCarButton()->text(), "添加第一辆车");
    EXPECT_EQ(view->Welcome()->geometry(), view->Page(0)->geometry());
    EXPECT_TRUE(view->AddFirstCarButton()->hasFocus());

    frame.Context().m_database.NewCar("小白");
    frame.Context().m_database.SetCurrentCar("CAR0001");
    view->UpdateWelcome();
    EXPECT_FALSE(view->Welcome()->isVisible());

    for (int key : {3, 9, 1}) {
        QTest::keyClick(&frame, static_cast<Qt::Key>(Qt::Key_0 + key), Qt::ControlModifier);
        EXPECT_EQ(view->ShownPage(), key - 1) << key;
        EXPECT_TRUE(view->Page(key - 1)->isVisible()) << key;
        EXPECT_EQ(view->NavigationPanel().Buttons()[static_cast<size_t>(key - 1)].state,
                  quint32(RibbonButton::Selected))
            << key;
    }
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

TEST_F(MainFrameTest, TheEditMenuNamesWhatItUndoes)
{
    QMenuBar bar;
    BuildMainMenu(&bar, [](int) {});
    CEditHistory history;
    ConnectEditMenu(&bar, history);
    QAction* undo = MenuAction(&bar, cmd::ID_EDIT_UNDO);
    QAction* redo = MenuAction(&bar, cmd::ID_EDIT_REDO);
    ASSERT_TRUE(undo && redo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

    LedgerRecord record;
    record.carId = "CAR0001";
    record.recId = "0000001";
    history.Record(CRecordChange::Edit(LedgerKind::Refuel, record, record, {LedgerField::Amount},
                                       "修改 加油记录 2026/03/02 总金额"));
    history.Activate("CAR0001", LedgerKind::Refuel);
    EXPECT_EQ(undo->text(), "撤销 修改 加油记录 2026/03/02 总金额(&U)");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(redo->text(), "重做(&R)");
    EXPECT_FALSE(redo->isEnabled());
    // Another car's stack has nothing to undo.
    history.Activate("CAR0002", LedgerKind::Refuel);
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(MainFrameTest, TheCloseBacksUpAChangedLedgerAndTellsAMissingFolderOnce)
{
    const auto autoPoints = [] { return QDir(BackupFolder()).entryList({"*-auto.bpt"}); };
    {
        CMainFrame frame;
        ASSERT_TRUE(frame.Context().m_database.NewCar("甲").has_value());
        boxes.answer(IDYES);
        EXPECT_TRUE(frame.OnClose());
    }
    ASSERT_EQ(autoPoints().size(), 1);
    {
        CMainFrame frame; // nothing changed
        boxes.answer(IDYES);
        EXPECT_TRUE(frame.OnClose());
    }
    EXPECT_EQ(autoPoints().size(), 1);

    BackupSettings unplugged;
    unplugged.folder = DataFolder() + "/usb";
    ASSERT_TRUE(SaveBackupSettings(unplugged));
    boxes.clear();
    CMainFrame frame;
    ASSERT_TRUE(frame.Context().m_database.NewCar("乙").has_value());
    boxes.answer(IDYES);
    EXPECT_TRUE(frame.OnClose());
    EXPECT_EQ(boxes.texts(),
              (QStringList{"确定要退出程序吗?", "退出时的自动备份没有完成：备份文件夹【" +
                                                    unplugged.folder +
                                                    "】不存在（移动硬盘或 U 盘是否已拔出？）。\n"
                                                    "账本本身完好，下次退出时会再次备份。"}));
    EXPECT_FALSE(QDir(unplugged.folder).exists());
}
