#include "app/CommandLine.h"
#include "database/MyDatabase.h"
#include "platform/Language.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QProcessEnvironment environment(const QStringList& variables)
{
    QProcessEnvironment env;
    for (const QString& variable : variables)
        env.insert(variable.section('=', 0, 0), variable.section('=', 1));
    return env;
}

struct Outcome
{
    int code;
    QString out;
    QString err;
};

// The built program, started as from a terminal with no display: only the
// variables given are set besides the test's folders and PATH.
Outcome runProgram(const TestFolders& folders, const QStringList& arguments,
                   const QStringList& variables)
{
    QProcessEnvironment env = environment(variables);
    env.insert("PATH", qEnvironmentVariable("PATH"));
    env.insert("HOME", folders.config());
    env.insert("ORVYN_HOME", folders.data() + "/home");
    env.insert("XDG_CONFIG_HOME", folders.config());
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(ORVYN_PROGRAM, arguments);
    program.closeWriteChannel();
    if (!program.waitForFinished(120000))
        program.kill();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

} // namespace

// Only the window needs a display; nothing but an export or import goes near
// the data folder. Texts follow the language of the environment.
TEST(CommandLine, AnswersWithoutADisplayAndWithoutTheDataFolder)
{
    TestFolders folders;
    const Outcome chineseHelp = runProgram(folders, {"--help"}, {"LANG=zh_CN.UTF-8"});
    const Outcome englishHelp = runProgram(folders, {"-h"}, {"LANG=C.UTF-8"});
    EXPECT_EQ(chineseHelp.out, UsageText());
    EXPECT_TRUE(englishHelp.out.startsWith("Usage:\n  orvyn [/nopassword]"))
        << englishHelp.out.toStdString();
    EXPECT_FALSE(englishHelp.out.contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]")));
    const QString zh = UsageText(), en = englishHelp.out;
    const QString noDisplay = "orvyn: no display found, the program window cannot open (start it "
                              "on a graphical desktop, or set DISPLAY)\n";
    const QString ledger = folders.data() + "/home/config/CAR.mdb";

    const struct
    {
        QStringList arguments;
        QStringList variables;
        int code;
        QString out, err;
    } rows[] = {
        {{"--help"}, {"LANG=zh_CN.UTF-8"}, 0, zh, ""},
        {{"--version"}, {}, 0, "Qinmo " ORVYN_VERSION "\n", ""},
        {{"-v", "/nopassword"}, {"LANG=zh_CN.UTF-8"}, 0, "Qinmo " ORVYN_VERSION "\n", ""},
        {{"--bogus"}, {}, 2, "", "orvyn: unknown option '--bogus'\n" + en},
        {{"-x"},
         {"LANG=en_US.UTF-8", "LANGUAGE=zh_CN:en"},
         2,
         "",
         "orvyn: 不认识的选项“-x”。\n" + zh},
        {{"--car", "x"},
         {"LC_ALL=C", "LANGUAGE=zh_CN"},
         2,
         "",
         "orvyn: give either --export or --import\n" + en},
        {{"--import"}, {"LC_MESSAGES=zh_CN.UTF-8"}, 2, "", "orvyn: --import 后面缺少参数。\n" + zh},
        {{"--export", folders.data() + "/out"},
         {},
         1,
         "",
         "There is no ledger file " + ledger + " yet, so there is nothing to export.\n"},
        {{"--check"},
         {"LANG=zh_CN.UTF-8"},
         0,
         "还没有账本文件 " + ledger + "，没有可以检查的记录。\n",
         ""},
        {{"--check", "--car", "x"},
         {},
         2,
         "",
         "orvyn: --check takes no option but /nopassword and --password-file\n" + en},
        {{}, {}, 1, "", noDisplay},
        {{"/nopassword"}, {"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=wayland-0"}, 1, "", noDisplay},
        {{}, {"DISPLAY=:9999"}, 1, "", noDisplay}, // named, but no X server is there
        {{},
         {"LANG=zh_CN.UTF-8"},
         1,
         "",
         "orvyn: 找不到图形显示，不能打开程序窗口（请在图形桌面上启动，或者设置 DISPLAY）。\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE((row.arguments + row.variables).join(' ').toStdString());
        const Outcome outcome = runProgram(folders, row.arguments, row.variables);
        EXPECT_EQ(outcome.code, row.code);
        EXPECT_EQ(outcome.out, row.out);
        EXPECT_EQ(outcome.err, row.err);
        EXPECT_FALSE(QFileInfo::exists(folders.data() + "/home"));
    }

    // The manual page names every option the help names.
    const QString manual = QString::fromUtf8(FileBytes(ORVYN_MANUAL)).remove('\\');
    QRegularExpressionMatchIterator options =
        QRegularExpression("(?<![\\w-])(--?[a-z][a-z-]*|/nopassword)").globalMatch(en);
    while (options.hasNext()) {
        const QString option = options.next().captured(1);
        EXPECT_TRUE(manual.contains(option)) << option.toStdString();
    }
}

// orvyn --check on a clean ledger and on one with a fault of each kind: one
// line per finding on standard output, exit status 1 when there are any; the
// ledger is only read.
TEST(CommandLine, CheckReportsEachPlantedFault)
{
    TestFolders folders;
    const QString ledger = folders.data() + "/home/config/CAR.mdb";
    QDir().mkpath(folders.data() + "/home/config");
    CMyDatabase db;
    db.SetFilePath(ledger);
    ASSERT_EQ(db.CreateOrOpen().step, LedgerOpening::Opened);
    db.NewCar("甲");
    db.SetCurrentCar("CAR0001");
    auto& c = db.Connection();
    c.Execute("insert into CarProperty (CarID, FuelVolume) values ('CAR0001', 40)");
    c.Execute("insert into Refuel (CarID, RecID, DateTimee, Miles, Amount, Price, FuelMeter1, "
              "FuelMeter2) values ('CAR0001', '0000001', '2024/01/05', 1000, 150, 7.5, 2, 8)");
    c.Execute("insert into CarLog (CarID, RecID, DateTimee, Miles) values "
              "('CAR0001', '0000001', '2024/02/01', 1500)");
    const Outcome clean = runProgram(folders, {"--check", "/nopassword"}, {"LANG=zh_CN.UTF-8"});
    EXPECT_EQ(clean.code, 0);
    EXPECT_EQ(clean.out, "没有发现问题。\n");

    c.Execute("insert into Refuel (CarID, RecID, DateTimee, Miles, Amount, Price, FuelMeter1, "
              "FuelMeter2) values ('CAR0001', '0000002', '2024/03/01', 1400, 150, 7.5, 8, 2),"
              "('CAR0001', '0000003', '2024/03/02', 1600, 450, 7.5, 1, 8),"
              "('CAR0001', '0000004', '2024/03/03', 1700, 80, 0, 1, 8),"
              "('CAR0001', '0000005', '2099/01/01', 1800, 80, 8, 1, 8),"
              "('CAR0001', '0000006', '2024/03/03', 1700, 80, 0, 1, 8),"
              "('CAR0005', '0000007', '2024/03/03', 10, 80, 8, 1, 8)");
    const Outcome found = runProgram(folders, {"--check", "/nopassword"}, {"LANG=zh_CN.UTF-8"});
    EXPECT_EQ(found.code, 1);
    EXPECT_EQ(found.out,
              "【甲】加油记录 0000002（2024/03/01）：加后油表 2.00 格低于加前油表 8.00 格\n"
              "【甲】加油记录 0000002（2024/03/01）：里程 1400 公里小于此前 2024/02/01 爱车日志 "
              "0000001 的 1500 公里\n"
              "【甲】加油记录 0000003（2024/03/02）：加油量 60.00 升大于油箱容积 40.00 升\n"
              "【甲】加油记录 0000004（2024/03/03）：有金额 80.00 元，单价却是 0\n"
              "【甲】加油记录 0000005（2099/01/01）：日期在今天之后\n"
              "【甲】加油记录 0000006（2024/03/03）：有金额 80.00 元，单价却是 0\n"
              "【甲】加油记录 0000006（2024/03/03）：与另一条记录的日期、里程和金额都相同\n"
              "【CAR0005】加油记录 0000007（2024/03/03）：车辆 CAR0005 已不存在\n"
              "发现 8 处可能的问题。\n");
    EXPECT_EQ(found.err, "");
}

TEST(CommandLine, OptionsAndMistakes)
{
    using Action = CommandLine::Action;
    const struct
    {
        QStringList arguments;
        Action action;
        QString mistake;
    } rows[] = {
        {{}, Action::Window, ""},
        {{"--opt=x/nopasswordy", "word"}, Action::Window, ""},
        {{"-platform", "offscreen", "--style", "fusion", "-reverse"}, Action::Window, ""},
        {{"-style"}, Action::Mistake, "-style 后面缺少参数。"},
        {{"--bogus", "--help"}, Action::Help, ""},
        {{"--export", "x", "-v"}, Action::Version, ""},
        {{"--export", "x", "--car", "c", "/nopassword"}, Action::Csv, ""},
        {{"--export", "x", "-platform", "offscreen"}, Action::Mistake, "不认识的选项“-platform”。"},
        {{"-"}, Action::Mistake, "不认识的选项“-”。"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const CommandLine command = ParseCommandLine(row.arguments);
        EXPECT_EQ(command.action, row.action);
        EXPECT_EQ(command.mistake, row.mistake);
    }
}

TEST(CommandLine, DisplayAndLanguageComeFromTheEnvironment)
{
    const struct
    {
        QStringList arguments;
        QStringList variables;
        bool display;
    } displays[] = {
        {{}, {}, false},
        {{}, {"DISPLAY=:0"}, true},
        {{}, {"WAYLAND_DISPLAY=wayland-0"}, true},
        {{}, {"QT_QPA_PLATFORM=offscreen"}, true},
        {{}, {"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=wayland-0"}, false},
        {{}, {"QT_QPA_PLATFORM=wayland;xcb:nograb", "DISPLAY=:0"}, true},
        {{"-platform", "offscreen"}, {"QT_QPA_PLATFORM=xcb"}, true},
        {{"--display", ":1"}, {}, true},
    };
    for (const auto& row : displays) {
        SCOPED_TRACE((row.arguments + row.variables).join(' ').toStdString());
        EXPECT_EQ(MissingDisplayText(ParseCommandLine(row.arguments), environment(row.variables))
                      .isEmpty(),
                  row.display);
    }

    const struct
    {
        QStringList variables;
        bool chinese;
    } languages[] = {
        {{}, false},
        {{"LANG=zh_CN.UTF-8"}, true},
        {{"LANG=zh_CN.UTF-8", "LANGUAGE=en"}, false},
        {{"LANG=en_US.UTF-8", "LANGUAGE=zh_TW:en"}, true},
        {{"LC_ALL=C", "LANGUAGE=zh_CN"}, false},
        {{"LC_ALL=en_US.UTF-8", "LANG=zh_CN.UTF-8"}, false},
        {{"LC_MESSAGES=zh_CN.UTF-8", "LANG=en_US.UTF-8"}, true},
    };
    for (const auto& row : languages)
        EXPECT_EQ(platform::LocaleAsksForChinese(environment(row.variables)), row.chinese)
            << row.variables.join(' ').toStdString();
}

TEST(CommandLine, TheDataFolderIsTheUsersAloneAndExportsElsewhereAreShared)
{
    TestFolders folders;
    const QString home = folders.data() + "/home";
    // Left readable to all by an earlier version.
    ASSERT_TRUE(QDir().mkpath(home + "/config"));
    QFile loose(home + "/config/sysfile.cfg");
    ASSERT_TRUE(loose.open(QIODevice::WriteOnly));
    loose.close();
    const auto everyone =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(loose.fileName(), everyone));
    ASSERT_TRUE(QFile::setPermissions(home, everyone | QFile::ExeOwner | QFile::ExeGroup |
                                                QFile::ExeOther));

    QFile cars(folders.data() + "/cars.csv");
    ASSERT_TRUE(cars.open(QIODevice::WriteOnly));
    cars.write("\xef\xbb\xbf车辆,当前车辆\r\n小白,是\r\n");
    cars.close();
    ASSERT_EQ(runProgram(folders, {"--import", cars.fileName()}, {}).code, 0);
    ASSERT_EQ(runProgram(folders, {"--export", home + "/exports"}, {}).code, 0);
    ASSERT_EQ(runProgram(folders, {"--export", folders.data() + "/shared"}, {}).code, 0);

    QStringList open;
    QDirIterator all(home, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                     QDirIterator::Subdirectories);
    int files = 0;
    for (QFileInfo entry(home); !entry.filePath().isEmpty();
         entry = all.hasNext() ? QFileInfo(all.next()) : QFileInfo()) {
        files += entry.isFile();
        if (entry.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                   QFile::ReadOther | QFile::WriteOther | QFile::ExeOther))
            open << QDir(home).relativeFilePath(entry.filePath());
    }
    EXPECT_GE(files, 4); // the ledger, the backup point, the settings file, an export
    EXPECT_EQ(open.join(", ").toStdString(), "");

    const mode_t mask = ::umask(0);
    ::umask(mask);
    const QFileInfoList shared = QDir(folders.data() + "/shared").entryInfoList(QDir::Files);
    ASSERT_FALSE(shared.isEmpty());
    for (const QFileInfo& file : shared)
        EXPECT_EQ(file.permissions() & (QFile::ReadOther | QFile::ReadGroup),
                  (mask & 044) == 0 ? (QFile::ReadOther | QFile::ReadGroup) : QFile::Permissions())
            << file.fileName().toStdString();
}

TEST(CommandLine, ALedgerKeyedWithThePasswordIsOpenedByThePasswordOnly)
{
    TestFolders folders;
    const QString home = folders.data() + "/home";
    {
        CMyDatabase maker;
        maker.SetFilePath(home + "/config/CAR.mdb");
        ASSERT_TRUE(QDir().mkpath(home + "/config"));
        ASSERT_TRUE(maker.CreateOrOpen().status.ok());
        ASSERT_TRUE(maker.NewCar("小白"));
        ASSERT_TRUE(maker.ChangeLedgerKeyTo("钥匙").ok());
    }
    QSettings(folders.config() + "/OrvynSoft/Orvyn.conf", QSettings::IniFormat)
        .setValue("User/OwnerKeyed", "1");
    const auto passwordFile = [&](const QByteArray& text) {
        QFile file(folders.data() + "/pw" + QString::number(qHash(text)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    };
    const QString refused = "没有给出能打开账本的密码，程序不能继续。\n";
    const struct
    {
        QStringList arguments;
        int code;
        QString err;
    } rows[] = {
        {{"--password-file", passwordFile("钥匙\r\n")}, 0, ""},
        {{"--password-file", passwordFile("vorpa\n")}, 1, "密码错误。\n" + refused},
        // No terminal to ask on, and "/nopassword" skips nothing.
        {{"/nopassword"}, 1, "请输入账本密码：" + refused},
        {{"--password-file", folders.data() + "/none"},
         1,
         "无法读取密码文件 " + folders.data() + "/none。\n" + refused},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const Outcome outcome =
            runProgram(folders, QStringList{"--export", folders.data() + "/out"} + row.arguments,
                       {"LANG=zh_CN.UTF-8"});
        EXPECT_EQ(outcome.code, row.code);
        EXPECT_EQ(outcome.err, row.err);
    }
    EXPECT_TRUE(QFileInfo::exists(folders.data() + "/out/车辆信息.csv"));
}
