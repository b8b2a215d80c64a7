#include "app/MainFrame.h"
#include "app/OrvynApp.h"
#include "database/Names.h"
#include "platform/Folders.h"
#include "platform/PasswordScramble.h"
#include "platform/Profile.h"
#include "platform/SingleInstance.h"
#include "platform/StoredPassword.h"
#include "settings/DlgLogin.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSysInfo>
#include <QTest>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

const QString kTooMany = QStringLiteral("对不起，您尝试次数过多，对话框将自动关闭！");

void setPin(const QString& clear)
{
    WriteProfileString("User", "Pin", ScramblePassword(clear));
}

// A login that types the given passwords one after another.
std::function<int(CDlgLogin&)> typing(QStringList passwords, int* shown = nullptr)
{
    return [passwords, shown](CDlgLogin& dialog) {
        if (shown)
            ++*shown;
        for (const QString& p : passwords) {
            dialog.passwordEdit()->setText(p);
            dialog.OnLogin();
            if (dialog.result() == QDialog::Accepted || dialog.attempts() >= 10)
                break;
        }
        return dialog.result();
    };
}

// Another process that holds a file locked as a running copy holds its lock
// file, until it is let go.
class LockHolder
{
public:
    explicit LockHolder(const QString& path)
    {
        int ready[2], release[2];
        if (pipe(ready) != 0 || pipe(release) != 0)
            return;
        const QByteArray name = QFile::encodeName(path);
        m_pid = fork();
        if (m_pid == 0) {
            close(ready[0]);
            close(release[1]);
            const int fd = open(name.constData(), O_RDWR | O_CREAT, 0644);
            const char held = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0 ? '1' : '0';
            char done = 0;
            const bool told = write(ready[1], &held, 1) == 1;
            _exit(told && read(release[0], &done, 1) >= 0 ? 0 : 1);
        }
        close(ready[1]);
        close(release[0]);
        char held = 0;
        m_held = m_pid > 0 && read(ready[0], &held, 1) == 1 && held == '1';
        close(ready[0]);
        m_release = release[1];
    }
    ~LockHolder()
    {
        if (m_release >= 0)
            close(m_release);
        if (m_pid > 0)
            waitpid(m_pid, nullptr, 0);
    }
    bool held() const { return m_held; }

private:
    pid_t m_pid = -1;
    int m_release = -1;
    bool m_held = false;
};

} // namespace

TEST(Startup, FirstStartCreatesTheLedgerAndShowsTheWindow)
{
    TestFolders folders;
    MessageBoxRecorder boxes;
    COrvynApp app;
    int logins = 0;
    ASSERT_TRUE(app.InitInstance("orvyn", typing({}, &logins)));
    EXPECT_EQ(logins, 0); // no password set: no dialog
    ASSERT_NE(app.mainFrame(), nullptr);
    EXPECT_TRUE(app.mainFrame()->isVisible());
    EXPECT_EQ(app.mainFrame()->windowTitle(), "Qinmo【请选择或创建管理车辆】");
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
    app.ExitInstance(0);
    EXPECT_EQ(app.mainFrame(), nullptr); // the frame and its ledger are gone

    CMyDatabase db;
    db.SetFilePath(folders.data() + "/config/CAR.mdb");
    ASSERT_TRUE(db.Open());
    EXPECT_EQ(db.Connection().TableNames().size(), 12);
}

TEST(Startup, TitleAndTotalsComeFromTheCurrentCar)
{
    TestFolders folders;
    MessageBoxRecorder boxes;
    {
        QDir().mkpath(ConfigFolder());
        CMyDatabase db;
        db.SetFilePath(DatabasePath());
        db.CreateOrOpen();
        db.NewCar("老'爷车");
        db.SetCurrentCar("CAR0001");
        RefuelRecord r;
        r.carId = "CAR0001";
        r.recId = "0000001";
        r.amount = 300;
        r.price = 7.5;
        db.InsertRecord(LedgerKind::Refuel, r);
    }
    COrvynApp app;
    ASSERT_TRUE(app.InitInstance("orvyn /nopassword"));
    EXPECT_EQ(app.mainFrame()->windowTitle(), "Qinmo【老'爷车】");
    EXPECT_DOUBLE_EQ(app.mainFrame()->Context().m_costTotals.fuelAmount, 300);
    EXPECT_DOUBLE_EQ(app.mainFrame()->Context().m_costTotals.fuelVolume, 40);
}

TEST(Startup, OneRunningCopyPerLedger)
{
    TestFolders folders;
    MessageBoxRecorder boxes;
    const QString lockPath = DataFolder() + "/OrvynSingleInstance.lock";
    {
        LockHolder running(lockPath);
        ASSERT_TRUE(running.held());
        COrvynApp second;
        EXPECT_FALSE(second.InitInstance("orvyn /nopassword"));
        EXPECT_EQ(second.mainFrame(), nullptr);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text,
                  "程序已经运行！这个账本正被另一个程序使用（它锁定了文件 " + lockPath + "）。");
        EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
        EXPECT_EQ(boxes.boxes()[0].flags, MB_OK);
        EXPECT_FALSE(QFile::exists(DatabasePath()));
    }
    // The lock dies with its holder.
    boxes.clear();
    COrvynApp app;
    EXPECT_TRUE(app.InitInstance("orvyn /nopassword"));
    EXPECT_TRUE(boxes.boxes().empty());
    // ... and is held while the program runs, in this process as in any other.
    SingleInstanceLock third(DataFolder());
    EXPECT_FALSE(third.tryAcquire());
    EXPECT_EQ(third.refusal(), SingleInstanceLock::Refusal::AnotherCopyRuns);

    // A later start says so, then the running copy's window comes forward,
    // also from the task bar.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    app.mainFrame()->showMinimized();
    QTRY_VERIFY(elsewhere.isActiveWindow());
    {
        COrvynApp later;
        EXPECT_FALSE(later.InitInstance("orvyn /nopassword"));
        EXPECT_EQ(later.mainFrame(), nullptr);
    }
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith("程序已经运行！"));
    EXPECT_FALSE(app.mainFrame()->isMinimized());
    QTRY_VERIFY(app.mainFrame()->isActiveWindow());
    app.ExitInstance(0);
    EXPECT_FALSE(QFile::exists(lockPath));
    EXPECT_TRUE(third.tryAcquire());
}

// What a lock file says never keeps the program out when no process holds it:
// process ids are used again (in a container the starting program may get the
// id of the copy that wrote the file), and a copy may die while writing it.
TEST(Startup, StaleLockFilesAreTakenOver)
{
    const QByteArray self = QByteArray::number(getpid());
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray contents[] = {
        self + "\nOrvyn\n" + host + "\n",
        self + "\norvyn\n" + host + "\n" + QSysInfo::machineUniqueId() + "\n" +
            QSysInfo::bootUniqueId() + "\n",
        "1\nOrvyn\n\n",
        "kaputt",
        "",
    };
    for (const QByteArray& content : contents) {
        SCOPED_TRACE(content.toStdString());
        TestFolders folders;
        MessageBoxRecorder boxes;
        WriteFile(DataFolder() + "/OrvynSingleInstance.lock", content);
        COrvynApp app;
        EXPECT_TRUE(app.InitInstance("orvyn /nopassword"));
        EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
    }
}

TEST(Startup, LockOfAKilledCopyIsTakenOver)
{
    TestFolders folders;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto* lock = new SingleInstanceLock(DataFolder()); // never released: the copy dies
        _exit(lock->tryAcquire() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(DataFolder() + "/OrvynSingleInstance.lock"));

    MessageBoxRecorder boxes;
    COrvynApp app;
    EXPECT_TRUE(app.InitInstance("orvyn /nopassword"));
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST(Startup, PasswordGate)
{
    TestFolders folders;
    MessageBoxRecorder boxes;
    setPin("abc");
    EXPECT_EQ(GetProfileString("User", "Pin"), "def");

    {
        int logins = 0;
        COrvynApp app; // "/nopassword" anywhere, also inside a longer argument
        EXPECT_TRUE(app.InitInstance("orvyn --opt=x/nopasswordy", typing({"wrong"}, &logins)));
        EXPECT_EQ(logins, 0);
    }
    {
        COrvynApp app; // the right password after a wrong one
        EXPECT_TRUE(app.InitInstance("orvyn", typing({"ABC", "abc"})));
        EXPECT_NE(app.mainFrame(), nullptr);
    }
    {
        COrvynApp app; // cancelled
        EXPECT_FALSE(app.InitInstance("orvyn", [](CDlgLogin&) { return int(QDialog::Rejected); }));
        EXPECT_EQ(app.mainFrame(), nullptr);
        EXPECT_TRUE(boxes.boxes().empty());
    }
    {
        COrvynApp app; // ten wrong attempts end start-up
        EXPECT_FALSE(app.InitInstance("orvyn", typing(QStringList(12, "abcd"))));
        EXPECT_EQ(app.mainFrame(), nullptr);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, kTooMany);
        EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
        EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
    }
}

TEST(Startup, ALedgerKeyedWithThePasswordOpensWithWhatIsTypedOnly)
{
    struct Case
    {
        const char* what;
        bool rekeyed;    // the ledger has the owner's key (else the change ended first)
        const char* pin; // the start-up password of the fixed key still stored
        QStringList typed;
        bool opens;
        QString key; // the key the window's ledger opens with
    };
    const Case cases[] = {
        {"the password", true, "", {"wrong", "钥匙'9"}, true, "钥匙'9"},
        {"a wrong password and cancel", true, "", {"vorpa"}, false, ""},
        // Ended after the mark, before the ledger was re-keyed: the password of
        // before still guards it.
        {"a change that ended early", false, "abc", {"钥匙'9", "abc"}, true, "vorpa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolders folders;
        MessageBoxRecorder boxes;
        {
            CMyDatabase maker;
            maker.SetFilePath(platform::DatabasePath());
            ASSERT_TRUE(QDir().mkpath(platform::ConfigFolder()));
            ASSERT_TRUE(maker.CreateOrOpen().status.ok());
            if (c.rekeyed) {
                ASSERT_TRUE(maker.ChangeLedgerKeyTo("钥匙'9").ok());
            }
            maker.Close();
        }
        ASSERT_TRUE(WriteOwnerKeyed(true));
        setPin(c.pin);
        int logins = 0;
        QString notice;
        COrvynApp app; // "/nopassword" cannot skip it
        const bool opened = app.InitInstance("orvyn /nopassword", [&](CDlgLogin& dialog) {
            for (QLabel* label : dialog.findChildren<QLabel*>())
                if (label->text().contains("/nopassword"))
                    notice = label->text();
            return typing(c.typed, &logins)(dialog);
        });
        EXPECT_EQ(opened, c.opens);
        EXPECT_EQ(logins, 1);
        EXPECT_EQ(notice, "账本已用密码加密，只有密码能打开它：/nopassword 不能跳过密码。");
        if (opened) {
            EXPECT_EQ(app.mainFrame()->Context().m_database.LedgerKey(), c.key);
            EXPECT_TRUE(app.mainFrame()->Context().m_database.IsOpen());
        }
    }
}

TEST(PasswordScramble, ShiftsEveryUnitByTheLength)
{
    EXPECT_EQ(ScramblePassword("abc"), "def");
    EXPECT_EQ(UnscramblePassword("def"), "abc");
    for (const QString& clear :
         {QString("密码'123"), QString("x"), QString(QChar(0xFFFF)) + "a", QString()})
        EXPECT_EQ(UnscramblePassword(ScramblePassword(clear)), clear);
}

TEST(LoginDialog, KeyboardAndErrorLabel)
{
    MessageBoxRecorder boxes;
    CDlgLogin dialog;
    dialog.setExpectedPassword("pw");
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.passwordEdit()->setFocus();
    EXPECT_EQ(dialog.windowTitle(), "Qinmo - 登陆");

    QTest::keyClicks(dialog.passwordEdit(), "nope");
    QTest::keyClick(dialog.passwordEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.attempts(), 1); // one Enter, one attempt
    EXPECT_TRUE(dialog.errorShown());
    EXPECT_EQ(dialog.passwordEdit()->text(), "");
    bool errorVisible = false;
    for (auto* label : dialog.findChildren<QLabel*>())
        if (label->text() == "密码输入错误！")
            errorVisible = label->isVisible();
    EXPECT_TRUE(errorVisible);

    QTest::keyClick(dialog.passwordEdit(), Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()); // Escape never cancels

    QTest::keyClicks(dialog.passwordEdit(), "p");
    EXPECT_FALSE(dialog.errorShown()); // typing hides the error
    QTest::keyClicks(dialog.passwordEdit(), "w");
    QTest::keyClick(dialog.passwordEdit(), Qt::Key_Enter);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.attempts(), 2);
}

// Without the single-instance lock nothing is touched: one message, no window,
// no ledger.
TEST(Startup, UnusableDataFolderEndsStartUp)
{
    TestFolders folders;
    const QString file = folders.data() + "/not-a-folder";
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    qputenv("ORVYN_HOME", (file + "/orvyn").toUtf8());
    MessageBoxRecorder boxes;
    COrvynApp app;
    EXPECT_FALSE(app.InitInstance("orvyn /nopassword"));
    EXPECT_EQ(app.mainFrame(), nullptr);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "无法创建锁文件 " + file +
                                         "/orvyn/OrvynSingleInstance.lock，程序不能运行：无法创建"
                                         "数据文件夹 " +
                                         file + "/orvyn");
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(QDir(folders.data()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"not-a-folder"});
}

TEST(Startup, DataFolderWithoutWriteAccessEndsStartUp)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder";
    TestFolders folders;
    ASSERT_TRUE(QFile::setPermissions(folders.data(), QFile::ReadOwner | QFile::ExeOwner));
    MessageBoxRecorder boxes;
    COrvynApp app;
    EXPECT_FALSE(app.InitInstance("orvyn /nopassword"));
    QFile::setPermissions(folders.data(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(boxes.texts(), QStringList{"无法创建锁文件 " + folders.data() +
                                         "/OrvynSingleInstance.lock，程序不能运行：没有在数据"
                                         "文件夹中创建文件的权限"});
    EXPECT_FALSE(QFile::exists(DatabasePath()));
}

TEST(Startup, LockOfAnotherComputerIsNeverTakenOver)
{
    TestFolders folders;
    // A copy that ran on another computer and is gone; the lock carries this
    // machine's identifier, which alone would let QLockFile remove it.
    const pid_t gone = fork();
    ASSERT_GE(gone, 0);
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const QString lockPath = DataFolder() + "/OrvynSingleInstance.lock";
    const QByteArray contents = QByteArray::number(gone) + "\norvyn\nandere-pc\n" +
                                QSysInfo::machineUniqueId() + "\n" + QSysInfo::bootUniqueId() +
                                "\n";
    WriteFile(lockPath, contents);

    MessageBoxRecorder boxes;
    {
        COrvynApp app;
        EXPECT_FALSE(app.InitInstance("orvyn /nopassword"));
        EXPECT_EQ(app.mainFrame(), nullptr);
    }
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              "账本正被另一台电脑（andere-pc）上的程序使用。如果那台电脑上的程序已经不在运行，"
              "请删除文件 " +
                  lockPath + " 后重试。");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    EXPECT_EQ(lock.readAll(), contents);
    EXPECT_FALSE(QFile::exists(DatabasePath()));
}

// The profile as an editor or another program may leave it.
static void writeProfileByHand(const TestFolders& folders, const QByteArray& userSection)
{
    ASSERT_TRUE(QDir().mkpath(folders.config() + "/OrvynSoft"));
    QFile file(folders.config() + "/OrvynSoft/Orvyn.conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[User]\n" + userSection);
}

TEST(Startup, APinThatIsNoTextStillAsksForThePassword)
{
    const QByteArray unreadable[] = {
        "Pin=@Rect(1 2 3 4)\n",
        "Pin=a, b\n",
        "Pin=@Point(1 2)\n",
        "Pin=@Invalid()\n",
        "Pin=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x9QDateTime)\n",
        "Pin=\xff\xfe\x80\x01\n",
    };
    for (const QByteArray& pin : unreadable) {
        SCOPED_TRACE(pin.toStdString());
        TestFolders folders;
        MessageBoxRecorder boxes;
        writeProfileByHand(folders, pin);
        int logins = 0;
        {
            COrvynApp app; // an empty entry does not open the ledger
            EXPECT_FALSE(app.InitInstance("orvyn", typing({""}, &logins)));
            EXPECT_EQ(app.mainFrame(), nullptr);
        }
        EXPECT_EQ(logins, 1);
        COrvynApp app;
        EXPECT_TRUE(app.InitInstance("orvyn /nopassword", typing({}, &logins)));
        EXPECT_EQ(logins, 1);
    }

    for (const QByteArray& none : {QByteArray("Pin=\n"), QByteArray("Other=1\n")}) {
        SCOPED_TRACE(none.toStdString());
        TestFolders folders;
        MessageBoxRecorder boxes;
        writeProfileByHand(folders, none);
        int logins = 0;
        COrvynApp app;
        EXPECT_TRUE(app.InitInstance("orvyn", typing({}, &logins)));
        EXPECT_EQ(logins, 0);
    }
}

// A profile that exists but cannot be read may hold a password: the login is
// shown, says which file could not be read, and only "/nopassword" passes.
TEST(Startup, AProfileThatCannotBeReadStillAsksForThePassword)
{
    enum Unreadable
    {
        FolderInPlace,
        NoPermission, // as the file system answers a user who may not read it
    };
    for (const Unreadable way : {FolderInPlace, NoPermission}) {
        SCOPED_TRACE(way);
        TestFolders folders;
        MessageBoxRecorder boxes;
        const QString profile = ProfileFilePath();
        if (way == FolderInPlace) {
            ASSERT_TRUE(QDir().mkpath(profile));
        } else {
            setPin("");
            SetProfileReadableHook([](const QString&) { return false; });
        }
        QString notice;
        int logins = 0;
        const auto login = [&](CDlgLogin& dialog) {
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                if (!label->isHidden() && label->text().startsWith("无法读取"))
                    notice = label->text();
            return typing({"", "abc"}, &logins)(dialog);
        };
        {
            COrvynApp app;
            EXPECT_FALSE(app.InitInstance("orvyn", login));
            EXPECT_EQ(app.mainFrame(), nullptr);
        }
        EXPECT_EQ(logins, 1);
        EXPECT_EQ(notice, "无法读取设置文件 " + profile +
                              "，不能核对启动密码。请让该文件可以读取后重新启动，或者用 "
                              "/nopassword 启动程序。");
        COrvynApp app;
        EXPECT_TRUE(app.InitInstance("orvyn /nopassword", login));
        EXPECT_EQ(logins, 1);
        SetProfileReadableHook({});
    }
}
