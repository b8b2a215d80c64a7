#include "app/UpdateCheck.h"
#include "app/MainFrame.h"
#include "app/MainMenu.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "tests/app/pageserver/LoopbackPageServer.h"
#include "tests/support/TestEnvironment.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QTest>
#include <QUrl>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>

using namespace platform;

namespace {

const QString kNoPage = QStringLiteral("抱歉，无法获取到服务器上的版本信息，请检查网络！");
const QString kParseErrorText = QStringLiteral("此版本已经是最新版本，无需升级！");
const QString kAskDownload = QStringLiteral("发现有新版本，是否现在下载最新版本？");
const QString kSameVersion = QStringLiteral("您的版本已经是最新版本，无需升级！");
const QString kOlderServer = QStringLiteral("该版本已经是最新版本，无需升级！");
constexpr int kWaitMs = 30000;

// Stands in for the browser: records the addresses the program opens.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void open(const QUrl& url) { urls << url.toString(); }
};

void writeSysfile(qint32 mask, qint32 autoCheck)
{
    QDir().mkpath(ConfigFolder());
    QFile file(ConfigFolder() + "/sysfile.cfg");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const qint32 values[2] = {qToLittleEndian(mask), qToLittleEndian(autoCheck)};
    file.write(reinterpret_cast<const char*>(values), sizeof values);
}

class UpdateCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isListening());
        qputenv("ORVYN_UPDATE_URL", server.url().toUtf8());
        QDesktopServices::setUrlHandler("http", &browser, "open");
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler("http");
        qunsetenv("ORVYN_UPDATE_URL");
        SetClock({});
    }

    // Chooses "检查新版本" in the menu and waits for its one message box.
    bool checkNow(CMainFrame& frame)
    {
        const size_t before = boxes.boxes().size();
        QAction* item = nullptr;
        for (QAction* action : frame.menuBar()->findChildren<QAction*>())
            if (action->data().toInt() == cmd::ID_CHECK_UPDATE)
                item = action;
        if (!item || !item->isEnabled())
            return false;
        item->trigger();
        return QTest::qWaitFor([&] { return boxes.boxes().size() > before; }, kWaitMs) &&
               !frame.UpdateCheck().IsBusy();
    }
    QString lastText() const { return boxes.boxes().empty() ? QString() : boxes.texts().last(); }
    bool idle(CMainFrame& frame)
    {
        const bool done = QTest::qWaitFor([&] { return !frame.UpdateCheck().IsBusy(); }, kWaitMs);
        QCoreApplication::sendPostedEvents(); // a notice posted at the end
        return done;
    }

    TestFolders folders;
    MessageBoxRecorder boxes;
    LoopbackPageServer server;
    UrlRecorder browser;
};

} // namespace

TEST_F(UpdateCheckTest, ManualCheckAnswersForEveryPage)
{
    struct Case
    {
        QByteArray page;
        int status;
        int answer;
        QString text;
        unsigned flags;
        QString stored;
    };
    const unsigned error = MB_OK | MB_ICONERROR;
    const Case cases[] = {
        {"<b>-----> [orvynQrV1.2.09,x]</b>", 200, IDCANCEL, kAskDownload,
         MB_OKCANCEL | MB_ICONQUESTION, "V1.2.09"},
        {"-----> [tool,orvynQrV1.2.10]", 200, IDOK, kAskDownload, MB_OKCANCEL | MB_ICONQUESTION,
         "V1.2.10"},
        {"-----> [orvynQrV1.2.08,x]", 200, IDOK, kSameVersion, error, "V1.2.08"},
        {"-----> [orvynQrV1.10,x]", 200, IDOK, kOlderServer, error, "V1.10"},
        {"-----> [orvynQrV1.2,x]", 200, IDOK, kParseErrorText, error, "PARSE_ERROR"},
        {"<html>maintenance</html>", 200, IDOK, kParseErrorText, error, "PARSE_ERROR"},
        // An error page is no page, whatever it says.
        {"-----> [orvynQrV1.2.09,x]", 404, IDOK, kNoPage, error, ""},
        {"", 200, IDOK, kNoPage, error, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page.toStdString() + " " + std::to_string(c.status));
        server.setPage(c.page, c.status);
        boxes.clear();
        browser.urls.clear();
        CMainFrame frame;
        boxes.answer(c.answer);
        ASSERT_TRUE(checkNow(frame));
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, c.text);
        EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
        EXPECT_EQ(boxes.boxes()[0].flags, c.flags);
        EXPECT_EQ(frame.ServerVersion, c.stored);
        const bool opens = c.text == kAskDownload && c.answer == IDOK;
        EXPECT_EQ(browser.urls, opens ? QStringList{server.url()} : QStringList{});
        EXPECT_TRUE(frame.Reminders().Entries().empty()); // the manual check queues nothing
    }
}

TEST_F(UpdateCheckTest, ReadsAgainAfterNoPageButNeverAfterAStoredResult)
{
    CMainFrame frame;
    server.setPage("-----> [orvynQrV1.2.09,x]", 503);
    ASSERT_TRUE(checkNow(frame));
    EXPECT_EQ(lastText(), kNoPage);
    EXPECT_TRUE(frame.ServerVersion.isEmpty());

    server.setPage("-----> [orvynQrV1.2,x]");
    ASSERT_TRUE(checkNow(frame));
    EXPECT_EQ(lastText(), kParseErrorText);
    EXPECT_EQ(server.requests(), 2);

    // "PARSE_ERROR" is kept for the rest of the run.
    server.setPage("-----> [orvynQrV1.2.09,x]");
    ASSERT_TRUE(checkNow(frame));
    EXPECT_EQ(lastText(), kParseErrorText);
    EXPECT_EQ(server.requests(), 2);
}

TEST_F(UpdateCheckTest, OnlyTheStartOfALongPageIsRead)
{
    const QByteArray list = "-----> [orvynQrV1.2.09,x]\n";
    {
        server.setPage(list + QByteArray(50000, 'a'));
        CMainFrame frame;
        boxes.answer(IDCANCEL);
        ASSERT_TRUE(checkNow(frame));
        EXPECT_EQ(frame.ServerVersion, "V1.2.09");
    }
    {
        server.setPage(QByteArray(10300, ' ') + list);
        CMainFrame frame;
        ASSERT_TRUE(checkNow(frame));
        EXPECT_EQ(frame.ServerVersion, "PARSE_ERROR");
        EXPECT_EQ(lastText(), kParseErrorText);
    }
}

TEST_F(UpdateCheckTest, BackgroundCheckQueuesOneReminderForANewerVersion)
{
    SetClock([] { return QDateTime(QDate(2024, 3, 1), QTime(9, 5, 42)); });
    writeSysfile(63, 1);
    server.setPage("-----> [orvynQrV1.2.09,x]");
    CMainFrame frame;
    ASSERT_TRUE(idle(frame));
    EXPECT_EQ(frame.ServerVersion, "V1.2.09");
    ASSERT_EQ(frame.Reminders().Entries().size(), 1u);
    const CRemindUnit& entry = *frame.Reminders().Entries()[0];
    EXPECT_EQ(entry.title, "升级提示");
    EXPECT_EQ(entry.message, "您好，系统检测到新版本，请右键点击任务栏中的图标，在弹出菜单中选择"
                             "“在线升级”选项，下载最新版本！");
    EXPECT_EQ(entry.minuteOfDay, 9 * 60 + 5);
    EXPECT_EQ(entry.systemKind, 1);
    EXPECT_TRUE(boxes.boxes().empty()); // the background check never speaks

    // The manual check uses what the background check found.
    boxes.answer(IDCANCEL);
    ASSERT_TRUE(checkNow(frame));
    EXPECT_EQ(lastText(), kAskDownload);
    EXPECT_EQ(server.requests(), 1);
}

TEST_F(UpdateCheckTest, BackgroundCheckIsSilentWithoutANewerVersion)
{
    writeSysfile(63, 1);
    for (const QByteArray page :
         {"-----> [orvynQrV1.2.08,x]", "-----> [orvynQrV1.10,x]", "-----> [orvynQrV1.2,x]", ""}) {
        SCOPED_TRACE(page.toStdString());
        server.setPage(page);
        const int before = server.requests();
        CMainFrame frame;
        ASSERT_TRUE(idle(frame));
        EXPECT_EQ(server.requests(), before + 1);
        EXPECT_TRUE(frame.Reminders().Entries().empty());
        EXPECT_TRUE(boxes.boxes().empty());
    }
    writeSysfile(63, 0); // off: no read at all
    const int before = server.requests();
    CMainFrame frame;
    EXPECT_FALSE(frame.UpdateCheck().IsBusy());
    EXPECT_EQ(server.requests(), before);
}

TEST_F(UpdateCheckTest, ManualCheckWaitsForTheRunningBackgroundRead)
{
    writeSysfile(63, 1);
    server.setPage("-----> [orvynQrV1.2.09,x]");
    server.setSilent(true);
    CMainFrame frame;
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests() == 1; }, kWaitMs));
    boxes.answer(IDCANCEL);
    frame.OnCommand(cmd::ID_CHECK_UPDATE);
    EXPECT_TRUE(frame.UpdateCheck().IsBusy());
    EXPECT_TRUE(boxes.boxes().empty());

    server.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.boxes().empty(); }, kWaitMs));
    EXPECT_EQ(lastText(), kAskDownload);
    EXPECT_EQ(server.requests(), 1); // one read served both checks
    ASSERT_TRUE(idle(frame));
    EXPECT_EQ(frame.Reminders().Entries().size(), 1u);
}

TEST_F(UpdateCheckTest, ManualCheckReadsItselfWhenTheBackgroundReadGotNoPage)
{
    writeSysfile(63, 1);
    server.setPage("down", 500);
    server.setSilent(true);
    CMainFrame frame;
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests() == 1; }, kWaitMs));
    boxes.answer(IDCANCEL);
    frame.OnCommand(cmd::ID_CHECK_UPDATE);
    server.release();
    // The manual check's own read comes after the background one has ended.
    server.setPage("-----> [orvynQrV1.2.09,x]");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.boxes().empty(); }, kWaitMs));
    EXPECT_EQ(lastText(), kAskDownload);
    EXPECT_EQ(server.requests(), 2);
    ASSERT_TRUE(idle(frame));
    EXPECT_TRUE(frame.Reminders().Entries().empty()); // only the background check notifies
}

TEST_F(UpdateCheckTest, AServerThatNeverAnswersEndsTheCheck)
{
    server.setSilent(true);
    CMainFrame frame;
    frame.UpdateCheck().SetReadTimeout(300);
    ASSERT_TRUE(checkNow(frame));
    EXPECT_EQ(lastText(), kNoPage);
    EXPECT_TRUE(frame.ServerVersion.isEmpty());
}

TEST_F(UpdateCheckTest, ClosingDuringAReadNeitherWaitsNorSpeaks)
{
    writeSysfile(63, 1);
    server.setSilent(true);
    {
        auto frame = std::make_unique<CMainFrame>(); // its read may take 15 s
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests() == 1; }, kWaitMs));
        QElapsedTimer clock;
        clock.start();
        frame.reset();
        EXPECT_LT(clock.elapsed(), 10000);
    }

    CMainFrame frame;
    frame.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests() == 2; }, kWaitMs));
    frame.OnCommand(cmd::ID_CHECK_UPDATE); // waits for the background read
    boxes.answer(IDYES);
    EXPECT_TRUE(frame.close());
    EXPECT_FALSE(frame.UpdateCheck().IsBusy());
    server.setPage("-----> [orvynQrV1.2.09,x]");
    server.release();
    ASSERT_EQ(boxes.texts(), QStringList{"确定要退出程序吗?"});
    EXPECT_TRUE(frame.Reminders().Entries().empty());
}

#include "UpdateCheckTest.moc"
