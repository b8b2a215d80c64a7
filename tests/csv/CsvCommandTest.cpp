#include "CsvFixture.h"

#include "csv/CsvCommand.h"
#include "csv/CsvLedgers.h"
#include "platform/Folders.h"
#include "platform/PasswordScramble.h"
#include "platform/Profile.h"
#include "platform/SingleInstance.h"

// The program's own ledger in the test's data folder, driven from the command line.
class CsvCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(platform::ConfigFolder());
        CMyDatabase db;
        db.SetFilePath(platform::DatabasePath());
        db.CreateOrOpen();
        ASSERT_TRUE(db.IsOpen());
        db.NewCar(QStringLiteral("家用车"));
        db.SetCurrentCar("CAR0001");
        LedgerRecord r;
        r.carId = "CAR0001";
        r.recId = "0000001";
        r.date = "2024/05/01";
        r.miles = 5000;
        r.amount = 260;
        r.price = 6.5;
        ASSERT_TRUE(db.InsertRecord(LedgerKind::Refuel, r));
    }

    int run(const QStringList& arguments)
    {
        output.clear();
        errors.clear();
        QTextStream out(&output), err(&errors);
        CsvCommandIo io{out, err, [this](const QString&) -> std::optional<QString> {
                            if (passwords.isEmpty())
                                return std::nullopt;
                            return passwords.takeFirst();
                        }};
        const CsvRequest request = ParseCsvCommand(arguments);
        EXPECT_EQ(request.mistake, "");
        return RunCsvCommand(request, io);
    }

    int count(const char* table)
    {
        return ReadBack(platform::DatabasePath(), QStringLiteral("select count(*) from ") + table)
            .front()
            .front()
            .toInt();
    }

    TestFolders folders;
    QString output, errors;
    QStringList passwords;
};

TEST_F(CsvCommandTest, ExportAndImportRunWithoutAWindowAndSayWhatTheyDid)
{
    const QString folder = folders.data() + "/export";
    EXPECT_EQ(run({"--export", folder, "--car", "家用车"}), 0) << errors.toStdString();
    EXPECT_TRUE(output.startsWith("已导出 1 条记录到 " + folder + "：\n  车辆信息.csv\n"));
    EXPECT_TRUE(QFileInfo::exists(folder + "/CAR0001_家用车_加油记录.csv"));

    // The same records again: previewed, all skipped, nothing written.
    EXPECT_EQ(run({"--import", folder, "--dry-run"}), 0) << errors.toStdString();
    EXPECT_TRUE(output.contains("将导入 0 条记录：\n  家用车（CAR0001）  加油记录  0 条（另有 1 "
                                "条与账本里的记录相同，跳过）\n"))
        << output.toStdString();
    EXPECT_TRUE(output.contains("试运行：没有写入任何记录。"));

    // Into another car, made for it, after a backup point.
    EXPECT_EQ(run({"--import", folder + "/CAR0001_家用车_加油记录.csv", "--car", "新车"}), 0)
        << errors.toStdString();
    EXPECT_TRUE(output.contains("将新建车辆“新车”。"));
    EXPECT_TRUE(output.contains(
        "  2024/05/01 | 5000 KM | ￥ 260.00 | ￥ 6.50 | 40.00 升 | 0.00 格 | 0.00 格 |  |  | \n"))
        << output.toStdString();
    EXPECT_TRUE(output.contains("已导入 1 条记录。导入前的备份：CAR"));
    EXPECT_EQ(ReadBack(platform::DatabasePath(), "select CarID, Amount from Refuel order by NO"),
              (std::vector<QStringList>{{"CAR0001", "260.00000000"}, {"CAR0002", "260.00000000"}}));
    EXPECT_EQ(QDir(platform::BackupFolder()).entryList(QDir::Files).size(), 1);
}

TEST_F(CsvCommandTest, BadLinesRefuseTheWholeImportUnlessTheRestIsAskedFor)
{
    const QString file = folders.data() + "/bad.csv";
    WriteFile(file,
              (LedgerFileHeader(LedgerKind::CarLog).join(",") +
               "\n2024-06-01,5100,洗车,家用车,爱车日志\n2024-06-31,5200,年检,家用车,爱车日志\n")
                  .toUtf8());
    EXPECT_EQ(run({"--import", file}), 1);
    EXPECT_TRUE(output.contains("不能导入的 1 行：\n  bad.csv 第 3 "
                                "行：日期“2024-06-31”不存在或看不懂（应写成 2024-01-31）\n"))
        << output.toStdString();
    EXPECT_EQ(errors, "有 1 行不能导入，没有导入任何记录。改正这些行后再导入，或者加上 "
                      "--skip-bad-lines 只导入其余的记录。\n");
    EXPECT_EQ(count(tbl::CarLog), 0);
    EXPECT_EQ(run({"--import", file, "--skip-bad-lines"}), 0) << errors.toStdString();
    EXPECT_EQ(count(tbl::CarLog), 1);
}

TEST_F(CsvCommandTest, ColumnsTheGuessDoesNotKnowAreNamedWithMap)
{
    const QString file = folders.data() + "/kosten.csv";
    WriteFile(file, "Datum;Betrag;Notiz\n05.01.2024;12,50;Parken\n");
    EXPECT_EQ(run({"--import", file, "--ledger", "dailycost"}), 1);
    EXPECT_TRUE(output.contains("不能导入：kosten.csv：没有哪一栏是金额")) << output.toStdString();
    EXPECT_EQ(run({"--import", file, "--ledger", "dailycost", "--map", "Betrag=金额", "--map",
                   "Notiz=note"}),
              0)
        << errors.toStdString();
    EXPECT_EQ(ReadBack(platform::DatabasePath(), "select Amount, Mark from DailyCost"),
              (std::vector<QStringList>{{"12.50000000", "Parken"}}));
}

TEST_F(CsvCommandTest, TheRunningProgramAndTheStartUpPasswordAreRespected)
{
    {
        platform::SingleInstanceLock running(platform::DataFolder());
        ASSERT_TRUE(running.tryAcquire());
        EXPECT_EQ(run({"--export", folders.data() + "/x"}), 1);
        EXPECT_EQ(errors, "程序正在使用这个账本（" + running.lockFilePath() +
                              "），请先关闭程序再导出或导入。\n");
        EXPECT_FALSE(QFileInfo::exists(folders.data() + "/x"));
    }

    platform::WriteProfileString("User", "Pin", ScramblePassword("芝麻开门"));
    passwords = {"wrong", "also wrong", "still wrong", "芝麻开门"};
    EXPECT_EQ(run({"--export", folders.data() + "/x"}), 1);
    EXPECT_EQ(errors,
              "密码错误。\n密码错误。\n密码错误。\n没有输入正确的启动密码，程序不能继续。\n");
    EXPECT_FALSE(QFileInfo::exists(folders.data() + "/x"));
    EXPECT_EQ(run({"--export", folders.data() + "/x"}), 0) << errors.toStdString();
    passwords.clear();
    EXPECT_EQ(run({"--export", folders.data() + "/y"}), 1); // the end of input is no password
    EXPECT_EQ(run({"--export", folders.data() + "/y", "/nopassword"}), 0);

    // A profile that cannot be read (a folder in its place) may hold a
    // password: none is asked for, and only "/nopassword" passes.
    const QString profile = platform::ProfileFilePath();
    ASSERT_TRUE(QFile::remove(profile));
    ASSERT_TRUE(QDir().mkpath(profile));
    passwords = {"芝麻开门"};
    EXPECT_EQ(run({"--export", folders.data() + "/z"}), 1);
    EXPECT_EQ(errors, "无法读取设置文件 " + profile +
                          "，不能核对启动密码。请让该文件可以读取后重新启动，或者用 /nopassword "
                          "启动程序。\n");
    EXPECT_EQ(passwords.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(folders.data() + "/z"));
    EXPECT_EQ(run({"--export", folders.data() + "/z", "/nopassword"}), 0);
}

TEST_F(CsvCommandTest, MistakenArgumentsAreToldBeforeAnythingIsTouched)
{
    EXPECT_TRUE(IsCsvCommand({"--import", "x.csv"}));
    EXPECT_TRUE(IsCsvCommand({"--car", "x"}));
    EXPECT_FALSE(IsCsvCommand({"/nopassword"}));
    const struct
    {
        QStringList arguments;
        QString mistake;
    } rows[] = {
        {{"--import"}, "--import 后面缺少参数。"},
        {{"--import", "--dry-run"}, "--import 后面缺少参数。"},
        {{"--import", "a.csv", "--ledger", "飞机"}, "不认识的记录类型“飞机”。"},
        {{"--import", "a.csv", "--distance", "ft"}, "--distance 只能是 km 或 mi。"},
        {{"--import", "a.csv", "--volume", "cup"}, "--volume 只能是 l、usgal 或 impgal。"},
        {{"--import", "a.csv", "--encoding", "latin1"},
         "--encoding 只能是 UTF-8、GB18030、Windows-1252、UTF-16LE 或 UTF-16BE。"},
        {{"--import", "a.csv", "--encoding", "windows-1252"}, ""},
        {{"--export", "a", "--encoding", "UTF-8"}, "--export 只能和 --car、--password-file 一起使用。"},
        {{"--import", "a.csv", "--map", "Betrag"},
         "--map 要写成 "
         "栏名=字段，字段是日期、里程表、金额、单价、数量、备注、服务商、内容或不导入。"},
        {{"--import", "a.csv", "--map", "Betrag=Geld"},
         "--map 要写成 "
         "栏名=字段，字段是日期、里程表、金额、单价、数量、备注、服务商、内容或不导入。"},
        {{"--import", "a.csv", "--fast"}, "不认识的选项“--fast”。"},
        {{"--import", "a.csv", "b.csv"}, "不认识的参数“b.csv”。"},
        {{"--export", "a", "--import", "b"}, "请给出 --export 或 --import 其中之一。"},
        {{"--car", "x"}, "请给出 --export 或 --import 其中之一。"},
        {{"--export", "a", "--dry-run"}, "--export 只能和 --car、--password-file 一起使用。"},
        {{"--export", "a", "--cut-long-texts"}, "--export 只能和 --car、--password-file 一起使用。"},
        {{"--import", "a", "--cut-long-texts"}, ""},
        {{"--export", "a", "x/nopassword"}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseCsvCommand(row.arguments).mistake, row.mistake)
            << row.arguments.join(' ').toStdString();
    EXPECT_TRUE(ParseCsvCommand({"--export", "a", "x/nopassword"}).noPassword);
    EXPECT_EQ(ParseCsvCommand({"--import", "a.csv", "--encoding", "windows-1252"}).options.encoding,
              "Windows-1252");

    EXPECT_EQ(run({"--export", "a", "--car", "没有这辆车"}), 1);
    EXPECT_EQ(errors, "账本里没有车辆“没有这辆车”。\n");
    // A file that is not there is named before the ledger is opened.
    const QByteArray ledger = FileBytes(platform::DatabasePath());
    EXPECT_EQ(run({"--import", folders.data() + "/nowhere.csv"}), 1);
    EXPECT_EQ(errors, "文件 " + folders.data() + "/nowhere.csv 不存在。\n");
    EXPECT_EQ(FileBytes(platform::DatabasePath()), ledger);
}
