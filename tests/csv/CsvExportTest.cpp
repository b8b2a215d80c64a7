#include "CsvFixture.h"

#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "csv/CsvLedgers.h"
#include "csv/ImportCells.h"

#include <QCoreApplication>
#include <QTranslator>
#include <map>

namespace {

LedgerRecord filling(double miles, double amount, double price, double before, double after,
                     const QString& mark = QString())
{
    LedgerRecord r;
    r.miles = miles;
    r.amount = amount;
    r.price = price;
    r.fuelMeter1 = before;
    r.fuelMeter2 = after;
    r.mark = mark;
    return r;
}

} // namespace

// A car whose name needs quoting, its profile and purchase, fillings out of
// date order with a tank of 50 litres in 10 divisions, and notes a
// spreadsheet would misread.
class CsvExportTest : public CsvTest
{
protected:
    void SetUp() override
    {
        CsvTest::SetUp();
        car = addCar(QStringLiteral("小车, \"蓝\""));
        other = addCar(QStringLiteral("旧车/二手"));
        db.SetCurrentCar(car);
        CARPROPERTY property;
        property.manufacture = QStringLiteral("东风");
        property.carNo = QStringLiteral("粤A12345");
        property.fuelVolume = 50;
        property.meterRules = 10;
        property.curMiles = 4100;
        ASSERT_TRUE(db.InsertCarProperty(car, property).ok());
        PURCHASEINFO purchase;
        purchase.buyDateText = QStringLiteral("2020/3/8");
        purchase.carPrice = 98765.43;
        purchase.insuNote = QStringLiteral("交强险\n商业险");
        ASSERT_TRUE(db.InsertPurchaseInfo(car, purchase).ok());

        add(LedgerKind::Refuel, car, "2024/02/01", filling(1400, 300, 6, 4, 10, "=1+1"));
        add(LedgerKind::Refuel, car, "2024/01/01", filling(1000, 200, 5, 2, 10, "首次, 加满"));
        add(LedgerKind::Refuel, car, "2024/03/01", filling(1400, 0, 0, 5, 9));
        LedgerRecord part;
        part.name = QStringLiteral("脚垫");
        part.price = 12.5;
        part.count = 4;
        part.provider = QStringLiteral("车品店");
        add(LedgerKind::Accessory, car, "2024/01/05", part);
        LedgerRecord log;
        log.miles = 1234;
        log.mark = QStringLiteral("第一行\r\n第二行 \"引\"");
        add(LedgerKind::CarLog, car, "2024/01/06", log);
        LedgerRecord repair;
        repair.amount = 880;
        repair.content = QStringLiteral("换刹车片");
        add(LedgerKind::Repair, other, "2023/12/31", repair);
    }

    QString car, other;
};

TEST_F(CsvExportTest, EveryLedgerOfACarIsWrittenAsThePageShowsItWithPlainNumbers)
{
    qint64 lastDone = -1, total = -1;
    const CsvExportResult result = ExportCsv(db, {out, car}, [&](qint64 done, qint64 all) {
        EXPECT_GE(done, lastDone);
        lastDone = done;
        total = all;
        return true;
    });
    ASSERT_EQ(result.outcome, CsvExportResult::Done) << result.error.toStdString();
    EXPECT_EQ(result.records, 5);
    EXPECT_EQ(lastDone, 5);
    EXPECT_EQ(total, 5);
    const QString prefix = car + QStringLiteral("_小车, _蓝__");
    EXPECT_EQ(result.files, (QStringList{"车辆信息.csv", prefix + "加油记录.csv",
                                         prefix + "维修记录.csv", prefix + "保养记录.csv",
                                         prefix + "事故记录.csv", prefix + "日常杂费.csv",
                                         prefix + "汽车用品.csv", prefix + "爱车日志.csv"}));
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), [&] {
        QStringList sorted = result.files;
        sorted.sort();
        return sorted;
    }());

    // UTF-8 with a byte-order mark, CRLF line ends, quoting where needed.
    EXPECT_TRUE(FileBytes(out + "/" + prefix + "加油记录.csv")
                    .startsWith("\xEF\xBB\xBF" +
                                LedgerFileHeader(LedgerKind::Refuel).join(',').toUtf8() + "\r\n"));
    const QString name = QStringLiteral("小车, \"蓝\"");
    // In date order; quantity amount/price; consumption (50/10) x (10-4) x 100 / 400 = 7.5;
    // cost 200 / 1400; the third has no price and the same odometer: empty cells.
    EXPECT_EQ(CsvRowsOf(out + "/" + prefix + "加油记录.csv"),
              (std::vector<QStringList>{LedgerFileHeader(LedgerKind::Refuel),
                                        {"2024-01-01", "1000", "200", "5", "40", "2", "10", "", "",
                                         "首次, 加满", name, "加油记录"},
                                        {"2024-02-01", "1400", "300", "6", "50", "4", "10", "7.5",
                                         "0.14", "'=1+1", name, "加油记录"},
                                        {"2024-03-01", "1400", "0", "0", "", "5", "9", "", "0.36",
                                         "", name, "加油记录"}}));
    EXPECT_EQ(CsvRowsOf(out + "/" + prefix + "汽车用品.csv"),
              (std::vector<QStringList>{
                  LedgerFileHeader(LedgerKind::Accessory),
                  {"2024-01-05", "0", "脚垫", "12.5", "4", "50", "车品店", "", name, "汽车用品"}}));
    EXPECT_EQ(CsvRowsOf(out + "/" + prefix + "爱车日志.csv"),
              (std::vector<QStringList>{
                  LedgerFileHeader(LedgerKind::CarLog),
                  {"2024-01-06", "1234", "第一行\r\n第二行 \"引\"", name, "爱车日志"}}));
    EXPECT_EQ(CsvRowsOf(out + "/" + prefix + "维修记录.csv"),
              (std::vector<QStringList>{LedgerFileHeader(LedgerKind::Repair)}));

    const std::vector<QStringList> cars = CsvRowsOf(out + "/车辆信息.csv");
    ASSERT_EQ(cars.size(), 2u);
    EXPECT_EQ(cars[0], CarFileHeader());
    const QStringList expected = {name, "是",       "东风", "",   "",   "",     "",
                                  "",   "粤A12345", "",     "50", "10", "4100", "2020-03-08",
                                  "0",  "98765.43", "0",    "0",  "0",  "",     "交强险\n商业险",
                                  "",   "",         "0",    "0",  "0",  ""};
    EXPECT_EQ(cars[1], expected);
}

TEST_F(CsvExportTest, AllCarsGoIntoOneFolderAndACarWithoutProfileHasEmptyCells)
{
    const CsvExportResult result = ExportCsv(db, {out, QString()});
    ASSERT_EQ(result.outcome, CsvExportResult::Done);
    EXPECT_EQ(result.files.size(), 1 + 2 * 7);
    EXPECT_EQ(result.records, 6);
    const std::vector<QStringList> cars = CsvRowsOf(out + "/车辆信息.csv");
    ASSERT_EQ(cars.size(), 3u);
    EXPECT_EQ(cars[2].mid(0, 3), (QStringList{"旧车/二手", "否", ""}));
    EXPECT_EQ(cars[2].size(), CarFileHeader().size());
    EXPECT_EQ(CsvRowsOf(out + "/" + other + "_旧车_二手_维修记录.csv")[1],
              (QStringList{"2023-12-31", "0", "880", "换刹车片", "", "", "旧车/二手", "维修记录"}));
}

// Files other programs read are the same whatever language the interface
// speaks: a translator that changes every text leaves every byte as it was.
TEST_F(CsvExportTest, AnInterfaceInAnotherLanguageWritesTheSameFiles)
{
    class EveryTextTranslated : public QTranslator
    {
    public:
        bool isEmpty() const override { return false; }
        QString translate(const char*, const char* source, const char*, int) const override
        {
            return QStringLiteral("translated ") + QString::fromUtf8(source);
        }
    };
    const auto exported = [&](const QString& folder) {
        EXPECT_EQ(ExportCsv(db, {folder, QString()}).outcome, CsvExportResult::Done);
        std::map<QString, QByteArray> files;
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
            files[name] = FileBytes(folder + "/" + name);
        return files;
    };
    const std::map<QString, QByteArray> chinese = exported(out);
    // Translators need the application object these tests otherwise do without.
    int argc = 1;
    char name[] = "csv_core_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    EveryTextTranslated translator;
    QCoreApplication::installTranslator(&translator);
    const std::map<QString, QByteArray> translated = exported(out + "-translated");
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(translated.size(), 15u); // the cars, and seven ledgers of each of two
    EXPECT_EQ(translated, chinese);
}

TEST_F(CsvExportTest, ACancelledOrFailedExportLeavesNothingBehindAndReplacesNothing)
{
    ASSERT_TRUE(QDir().mkpath(out));
    const QString earlier = out + "/车辆信息.csv";
    WriteFile(earlier, "earlier export");
    int calls = 0;
    const CsvExportResult result =
        ExportCsv(db, {out, QString()}, [&](qint64, qint64) { return ++calls < 3; });
    EXPECT_EQ(result.outcome, CsvExportResult::Cancelled);
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"车辆信息.csv"});
    EXPECT_EQ(FileBytes(earlier), "earlier export");

    // The car's tank cannot be read once the car file is written: no
    // refuelling file with estimates made up from an empty profile.
    const CsvExportResult unread = ExportCsv(db, {out, car}, [&](qint64, qint64) {
        db.Connection().Execute("drop table if exists CarProperty");
        return true;
    });
    EXPECT_EQ(unread.outcome, CsvExportResult::Failed);
    EXPECT_EQ(unread.error, "读取账本失败：no such table: CarProperty");
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"车辆信息.csv"});
    EXPECT_EQ(FileBytes(earlier), "earlier export");

    // A folder that cannot be made is refused with its name.
    WriteFile(inData("plain-file"), "x");
    const CsvExportResult refused = ExportCsv(db, {inData("plain-file/sub"), QString()});
    EXPECT_EQ(refused.outcome, CsvExportResult::Failed);
    EXPECT_EQ(refused.error, "无法创建文件夹 " + inData("plain-file/sub"));
    EXPECT_EQ(ExportCsv(db, {out, "CAR9999"}).error, "账本里没有这辆车：CAR9999");
}

TEST_F(CsvExportTest, AFullDiskIsSaidAsSuchAndLeavesNothingBehind)
{
    // Every byte written to /dev/full finds the disk full.
    ASSERT_TRUE(QDir().mkpath(out));
    ASSERT_TRUE(QFile::link("/dev/full", out + "/.车辆信息.csv.part"));
    const CsvExportResult result = ExportCsv(db, {out, car});
    EXPECT_EQ(result.outcome, CsvExportResult::Failed);
    EXPECT_EQ(result.error, "无法写入文件 " + out + "/车辆信息.csv：磁盘空间已满")
        << result.error.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
}

TEST_F(CsvExportTest, TextsAndNumbersAreWrittenAsTheFileHoldsThem)
{
    // Blanks at either end and digits beyond the page's two decimals, as
    // another writer may have left them.
    for (const char* sql :
         {"update Refuel set Mark='加满  ', Amount=12.3456, Price=0.094 where Miles=1000",
          "update CarProperty set Manufacture='东风  ', CurMiles=4100.456",
          "update PurchaseInfo set InsuCompany=' 平安 ', CarPrice=98765.4321"})
        db.Connection().Execute(QString::fromUtf8(sql));
    ASSERT_EQ(ExportCsv(db, {out, car}).outcome, CsvExportResult::Done);
    const std::vector<QStringList> fillings =
        CsvRowsOf(out + "/" + car + QStringLiteral("_小车, _蓝__加油记录.csv"));
    ASSERT_EQ(fillings.size(), 4u);
    EXPECT_EQ(fillings[1].mid(0, 4), (QStringList{"2024-01-01", "1000", "12.3456", "0.094"}));
    EXPECT_EQ(fillings[1][9], "加满  ");
    const QStringList profile = CsvRowsOf(out + "/车辆信息.csv")[1];
    EXPECT_EQ(profile[2], "东风  ");
    EXPECT_EQ(profile[12], "4100.456");
    EXPECT_EQ(profile[15], "98765.4321");
    EXPECT_EQ(profile[19], " 平安 ");
}

// A filling after a missed one has no consumption figure; the export says
// why, and its import knows the filling as one after a missed one again.
TEST_F(CsvExportTest, AMissedFillingKeepsItsMarkThroughExportAndImport)
{
    db.Connection().Execute("update Refuel set Reserved1='missed' where DateTimee='2024/02/01'");
    ASSERT_EQ(ExportCsv(db, {out, car}).outcome, CsvExportResult::Done);
    const QString file = out + "/" + car + QStringLiteral("_小车, _蓝__加油记录.csv");
    const std::vector<QStringList> fillings = CsvRowsOf(file);
    ASSERT_EQ(fillings.size(), 4u);
    EXPECT_EQ(fillings[1][7], "");     // the first filling: no figure
    EXPECT_EQ(fillings[2][7], "漏记"); // after a missed one
    const ImportPlan back = PlanImport(db, {file}, {});
    ASSERT_EQ(back.rows.size(), 3u);
    QStringList missed;
    for (const ImportRow& row : back.rows)
        missed << (HasMark(row.record, RefuelMark::MissedBefore) ? row.record.date : QString());
    EXPECT_EQ(missed, (QStringList{"", "2024/02/01", ""}));
}

TEST(CsvNumbers, NumbersAreShortestPlainTextAndDatesReadOnlyWhenTheyExist)
{
    EXPECT_EQ(PlainNumber(125.5), "125.5");
    EXPECT_EQ(PlainNumber(0.1), "0.1");
    EXPECT_EQ(PlainNumber(-0.0), "0");
    EXPECT_EQ(PlainNumber(1e20), "100000000000000000000");
    EXPECT_EQ(PlainNumber(1234.567), "1234.567");
    EXPECT_EQ(PlainNumber(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(IsoDateText("2024/2/9"), "2024-02-09");
    EXPECT_EQ(IsoDateText("昨天"), "昨天");
    const std::pair<const char*, std::optional<QDate>> dates[] = {
        {"2024-02-29", QDate(2024, 2, 29)}, {" 2024/1/9 ", QDate(2024, 1, 9)},
        {"2024.01.09", QDate(2024, 1, 9)},  {"2024-1/9", QDate(2024, 1, 9)},
        {"2023-02-29", std::nullopt},       {"2024-13-01", std::nullopt},
        {"24-01-01", std::nullopt},         {"12024-01-01", std::nullopt},
        {"2024/001/09", std::nullopt},      {"2024/01/09/", std::nullopt},
        {"2024//09", std::nullopt},         {"2024/01/09 8:00", std::nullopt},
    };
    for (const auto& [cell, date] : dates)
        EXPECT_EQ(ReadIsoDate(QString::fromUtf8(cell)), date) << cell;
    EXPECT_EQ(StoredDate(QDate(2024, 1, 9)), "2024/01/09");
    EXPECT_EQ(StoredDate(QDate(1901, 12, 31)), "1901/12/31");
    // Numbers as people and spreadsheets write them, plain ones included.
    const std::pair<const char*, double> numbers[] = {
        {"12.5", 12.5}, {" -7 ", -7},       {"-0", 0},     {"0.10", 0.1}, {"12,345", 12345},
        {"￥5.5", 5.5}, {"１２．５", 12.5}, {"1e3", 1000}, {".5", 0.5},   {"", 0},
    };
    for (const auto& [cell, expected] : numbers) {
        double value = -1;
        QString problem;
        EXPECT_TRUE(readNumber(QString::fromUtf8(cell), "金额", value, problem)) << cell;
        EXPECT_EQ(value, expected) << cell;
        EXPECT_FALSE(expected == 0 && std::signbit(value)) << cell; // no "-0"
    }
    double value = 0;
    QString problem;
    EXPECT_FALSE(readNumber("1000000000001", "金额", value, problem));
    EXPECT_EQ(problem, "“金额”一栏的“1000000000001”大得不合理");
    EXPECT_EQ(LedgerFileName("CAR0002", " ..a:b*c ", "加油记录"), "CAR0002_..a_b_c_加油记录.csv");
}
