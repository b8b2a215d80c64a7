#include "CsvFixture.h"

#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "csv/CsvLedgers.h"
#include "csv/CsvWriter.h"
#include "csv/ImportSummary.h"
#include "platform/Clock.h"

#include <QDir>

namespace {

// Every stored value of a ledger but the record identifier, in date order.
std::vector<QStringList> ledgerRows(const QString& path, LedgerKind kind, const QString& car)
{
    return ReadBack(path, QStringLiteral("select * from \"%1\" where CarID='%2' order by "
                                         "DateTimee, NO")
                              .arg(QLatin1String(LedgerTable(kind)), car));
}

std::vector<QStringList> withoutIds(std::vector<QStringList> rows)
{
    for (QStringList& row : rows) {
        row.removeAt(2); // RecID
        row.removeAt(0); // NO
    }
    return rows;
}

} // namespace

// A car with profile, purchase, records in every ledger (texts that need
// quoting, a formula-like note, a multi-line log) and remembered entries.
class CsvImportTest : public CsvTest
{
protected:
    void SetUp() override
    {
        CsvTest::SetUp();
        car = addCar(QStringLiteral("家用车"));
        db.SetCurrentCar(car);
        CARPROPERTY property;
        property.manufacture = QStringLiteral("一汽");
        property.vin = QStringLiteral("LFV2A21K");
        property.fuelVolume = 55;
        property.meterRules = 8;
        ASSERT_TRUE(db.InsertCarProperty(car, property).ok());
        PURCHASEINFO purchase;
        purchase.buyDateText = QStringLiteral("2019/12/31");
        purchase.carPrice = 123456.78;
        purchase.loanBank = QStringLiteral("工商银行, 支行");
        ASSERT_TRUE(db.InsertPurchaseInfo(car, purchase).ok());

        LedgerRecord r;
        r.miles = 1000;
        r.amount = 300;
        r.price = 7.5;
        r.fuelMeter1 = 1.5;
        r.fuelMeter2 = 8;
        r.mark = QStringLiteral("=SUM(A1)");
        add(LedgerKind::Refuel, car, "2024/01/10", r);
        r.miles = 1500;
        r.amount = 250.55;
        r.fuelMeter1 = 2.25;
        r.mark = QStringLiteral("'引号'");
        add(LedgerKind::Refuel, car, "2024/01/03", r);
        LedgerRecord service;
        service.miles = 1200;
        service.amount = 680;
        service.content = QStringLiteral("换机油, 机滤");
        service.provider = QStringLiteral("4S店");
        service.mark = QStringLiteral("说\"好\"的");
        add(LedgerKind::Maintain, car, "2024/01/05", service);
        service.provider = QStringLiteral("路边店");
        add(LedgerKind::Repair, car, "2024/01/06", service);
        LedgerRecord cost;
        cost.amount = 15;
        cost.content = QStringLiteral("停车费");
        add(LedgerKind::DailyCost, car, "2024/01/07", cost);
        add(LedgerKind::DailyCost, car, "2024/01/07", cost); // the same twice is allowed
        cost.amount = 3200;
        cost.content = QStringLiteral("追尾");
        add(LedgerKind::Accident, car, "2024/01/08", cost);
        LedgerRecord part;
        part.name = QStringLiteral("行车记录仪");
        part.price = 399;
        part.count = 2;
        part.provider = QStringLiteral("京东");
        add(LedgerKind::Accessory, car, "2024/01/09", part);
        LedgerRecord log;
        log.miles = 1600;
        log.mark = QStringLiteral("年检通过\n下次 2026 年");
        add(LedgerKind::CarLog, car, "2024/01/11", log);

        ASSERT_EQ(ExportCsv(db, {out, QString()}).outcome, CsvExportResult::Done);
        for (const QString& name : QDir(out).entryList(QDir::Files))
            exported << out + "/" + name;

        freshPath = inData("fresh/CAR.mdb");
        QDir().mkpath(inData("fresh"));
        fresh.SetFilePath(freshPath);
        fresh.CreateOrOpen();
        ASSERT_TRUE(fresh.IsOpen());
        backups = inData("fresh/backup");
    }

    // The plan, written into the empty ledger, gives the car and records of
    // the test's ledger exactly.
    void expectImportedAsTheLedgerHoldsThem(const ImportPlan& plan)
    {
        ASSERT_FALSE(plan.refused()) << plan.refusal.toStdString();
        EXPECT_TRUE(plan.rejected.empty());
        const ImportResult result = ApplyImport(fresh, plan, backups);
        ASSERT_EQ(result.outcome, ImportResult::Done) << result.error.toStdString();
        EXPECT_EQ(result.written, 9);
        EXPECT_EQ(result.carsMade, 1);
        EXPECT_TRUE(result.backupPoint.endsWith("-导入前.bpt"));
        EXPECT_TRUE(QFileInfo::exists(backups + "/" + result.backupPoint));

        EXPECT_EQ(ReadBack(freshPath, "select CarID, Name, Used from CarList"),
                  (std::vector<QStringList>{{"CAR0001", "家用车", "YES"}}));
        for (const auto& ledger : LedgerKinds())
            EXPECT_EQ(withoutIds(ledgerRows(freshPath, ledger.kind, "CAR0001")),
                      withoutIds(ledgerRows(path, ledger.kind, car)))
                << ledger.key;
        // Numbered as the ledger numbers them: from 1, in date order.
        EXPECT_EQ(ReadBack(freshPath, "select RecID, DateTimee from Refuel order by RecID"),
                  (std::vector<QStringList>{{"0000001", "2024/01/03"}, {"0000002", "2024/01/10"}}));
        const QString profile = "select Manufacture, VIN, FuelVolume, MeterRules from CarProperty";
        EXPECT_EQ(ReadBack(freshPath, profile), ReadBack(path, profile));
        const QString purchase = "select BuyDate, CarPrice, LoanBank, InsuNote from PurchaseInfo";
        EXPECT_EQ(ReadBack(freshPath, purchase), ReadBack(path, purchase));
        // The remembered entries the pages would have learned.
        EXPECT_EQ(ReadBack(freshPath, "select Content, ClassID from InputHistory order by ClassID"),
                  (std::vector<QStringList>{{"停车费", "1"}, {"4S店", "2"}, {"京东", "3"}}));
    }

    QString car;
    QStringList exported;
    QString freshPath;
    QString backups;
    CMyDatabase fresh;
};

TEST_F(CsvImportTest, AnExportImportedIntoAnEmptyLedgerGivesTheSameRecordsExactly)
{
    const ImportPlan plan = PlanImport(fresh, exported, {});
    ASSERT_FALSE(plan.refused()) << plan.refusal.toStdString();
    EXPECT_TRUE(plan.rejected.empty());
    EXPECT_EQ(plan.rows.size(), 9u);
    EXPECT_EQ(plan.duplicateCount(), 0);
    ASSERT_EQ(plan.targets.size(), 1u);
    EXPECT_EQ(plan.targets[0].name, "家用车");
    EXPECT_TRUE(plan.targets[0].carId.isEmpty()); // to be made

    expectImportedAsTheLedgerHoldsThem(plan);
}

// A file captioned as the English interface captions the columns (and
// naming the ledgers and the current car in English) is read as the export.
TEST_F(CsvImportTest, FilesCaptionedInEnglishImportAsTheChineseOnes)
{
    const QHash<QString, QString> english = {
        {"日期", "Date"},
        {"里程表", "Odometer"},
        {"总金额", "Amount"},
        {"单价", "Price"},
        {"加油量", "Litres"},
        {"加前油表", "Gauge before"},
        {"加后油表", "Gauge after"},
        {"油耗估算", "Est. consumption"},
        {"成本估算", "Est. cost/km"},
        {"备注", "Note"},
        {"内容", "Content"},
        {"服务商", "Provider"},
        {"事故费用", "Accident cost"},
        {"事故说明", "Description"},
        {"消费金额", "amount"},
        {"消费说明", "description"},
        {"日志信息", "Log entry"},
        {"商品名称", "Item"},
        {"数量", "Quantity"},
        {"总价", "Total"},
        {"车辆", "Car"},
        {"记录类型", "Record type"},
        {"加油记录", "Refuelling"},
        {"维修记录", "Repairs"},
        {"保养记录", "Maintenance"},
        {"事故记录", "Accidents"},
        {"日常杂费", "Daily costs"},
        {"汽车用品", "Accessories"},
        {"爱车日志", "Car log"},
        {"当前车辆", "Current car"},
        {"是", "Yes"},
        {"汽车制造商", "Manufacturer"},
        {"汽车识别代码(VIN)", "VIN"},
        {"油箱容积(升)", "Tank capacity (L)"},
        {"油表量程(格)", "Fuel gauge divisions"},
        {"购买日期", "Purchase date"},
        {"裸车总价格", "Car price"},
        {"贷款银行", "Lender"},
        {"主要内容摘要", "Cover summary"},
    };
    QStringList files;
    for (const QString& file : exported) {
        const std::vector<QStringList> rows = CsvRowsOf(file);
        const QStringList& header = rows.front();
        QString text;
        for (const QStringList& row : rows) {
            QStringList cells;
            for (qsizetype c = 0; c < row.size(); ++c) {
                // The captions, and the ledger and current-car cells under them.
                const bool named = &row == &header || header[c] == kLedgerColumn ||
                                   header[c] == QStringLiteral("当前车辆");
                cells << (named ? english.value(row[c], row[c]) : row[c]);
            }
            text += CsvLine(cells);
        }
        files << inData("english-" + QFileInfo(file).fileName());
        WriteFile(files.back(), text.toUtf8());
    }
    const ImportPlan plan = PlanImport(fresh, files, {});
    EXPECT_TRUE(plan.notes.filter("按空白导入").isEmpty()) << plan.notes.join('\n').toStdString();
    expectImportedAsTheLedgerHoldsThem(plan);
}

TEST_F(CsvImportTest, ANewCarAfterCar9999IsCar10000AndGetsTheRecords)
{
    ASSERT_TRUE(fresh.Connection().Execute(
        "insert into CarList (CarID, Name, Used, Reserved1, Reserved2) values "
        "('CAR9999', '旧车', 'YES', '', '')"));
    ASSERT_EQ(ApplyImport(fresh, PlanImport(fresh, exported, {}), backups).outcome,
              ImportResult::Done);
    EXPECT_EQ(ReadBack(freshPath, "select CarID, Name from CarList order by NO"),
              (std::vector<QStringList>{{"CAR9999", "旧车"}, {"CAR10000", "家用车"}}));
    EXPECT_EQ(ReadBack(freshPath, "select distinct CarID from Refuel"),
              (std::vector<QStringList>{{"CAR10000"}}));
}

TEST_F(CsvImportTest, RecordsTheLedgerHoldsAreSkippedUnlessAskedFor)
{
    ASSERT_EQ(ApplyImport(fresh, PlanImport(fresh, exported, {}), backups).outcome,
              ImportResult::Done);
    const ImportPlan again = PlanImport(fresh, exported, {});
    EXPECT_EQ(again.duplicateCount(), 9);
    EXPECT_EQ(again.writtenCount(), 0);
    EXPECT_EQ(again.targets[0].carId, "CAR0001");
    const ImportResult nothing = ApplyImport(fresh, again, backups);
    EXPECT_EQ(nothing.outcome, ImportResult::Done);
    EXPECT_EQ(nothing.written, 0);
    EXPECT_TRUE(nothing.backupPoint.isEmpty()); // nothing to write, nothing to back up
    EXPECT_EQ(ReadBack(freshPath, "select count(*) from DailyCost"),
              (std::vector<QStringList>{{"2"}}));

    // One of the two equal parking fees is gone from the ledger: one comes back.
    ASSERT_TRUE(fresh.DeleteRecord(LedgerKind::DailyCost, "CAR0001", "0000001").ok());
    ImportOptions keep;
    const ImportPlan refill = PlanImport(fresh, exported, keep);
    EXPECT_EQ(refill.writtenCount(), 1);
    keep.skipDuplicates = false;
    EXPECT_EQ(PlanImport(fresh, exported, keep).writtenCount(), 9);
}

TEST_F(CsvImportTest, TwoImportsInOneSecondKeepTheBackupPointOfEach)
{
    platform::SetClock([] { return QDateTime(QDate(2026, 12, 7), QTime(10, 10, 10)); });
    ImportOptions keep;
    keep.skipDuplicates = false;
    const ImportResult first = ApplyImport(fresh, PlanImport(fresh, exported, keep), backups);
    const ImportResult second = ApplyImport(fresh, PlanImport(fresh, exported, keep), backups);
    platform::SetClock({});
    ASSERT_EQ(first.outcome, ImportResult::Done) << first.error.toStdString();
    ASSERT_EQ(second.outcome, ImportResult::Done) << second.error.toStdString();
    EXPECT_EQ(first.backupPoint, "CAR20261207-101010-导入前.bpt");
    EXPECT_EQ(second.backupPoint, "CAR20261207-101010-导入前-2.bpt");
    // Each holds the ledger as it was before its import.
    EXPECT_EQ(ReadBack(backups + "/" + first.backupPoint, "select count(*) from Refuel"),
              (std::vector<QStringList>{{"0"}}));
    EXPECT_EQ(ReadBack(backups + "/" + second.backupPoint, "select count(*) from Refuel"),
              (std::vector<QStringList>{{"2"}}));
}

TEST_F(CsvImportTest, AFailureHalfwayLeavesTheLedgerAsItWas)
{
    // The ledger refuses the last refuelling, after the car and other records were written.
    ASSERT_TRUE(fresh.Connection().Execute(
        "CREATE TRIGGER refuse BEFORE INSERT ON Refuel WHEN NEW.DateTimee='2024/01/10' "
        "BEGIN SELECT RAISE(ABORT, 'refused by test'); END"));
    const ImportResult result = ApplyImport(fresh, PlanImport(fresh, exported, {}), backups);
    EXPECT_EQ(result.outcome, ImportResult::Failed);
    EXPECT_EQ(result.error, "写入账本失败，没有导入任何记录：refused by test");
    EXPECT_EQ(result.written, 0);
    for (const char* table :
         {tbl::CarList, tbl::CarProperty, tbl::Refuel, tbl::Maintain, tbl::InputHistory})
        EXPECT_EQ(ReadBack(freshPath, QStringLiteral("select count(*) from %1").arg(table)),
                  (std::vector<QStringList>{{"0"}}))
            << table;
    EXPECT_TRUE(QFileInfo::exists(backups + "/" + result.backupPoint));
}

TEST_F(CsvImportTest, AReadOnlyLedgerIsRefusedBeforeABackupPointIsMade)
{
    const ImportPlan plan = PlanImport(fresh, exported, {});
    ASSERT_TRUE(fresh.Connection().Execute("PRAGMA query_only=1"));
    const ImportResult refused = ApplyImport(fresh, plan, backups);
    ASSERT_TRUE(fresh.Connection().Execute("PRAGMA query_only=0"));
    EXPECT_EQ(refused.outcome, ImportResult::Failed);
    EXPECT_EQ(refused.error, "写入账本失败，没有导入任何记录：账本文件是只读的，无法写入。");
    EXPECT_EQ(refused.backupPoint, "");
    EXPECT_FALSE(QFileInfo::exists(backups));
}

TEST_F(CsvImportTest, APreviewCancelledAtAnyStepImportsNothing)
{
    std::vector<std::pair<qint64, qint64>> told;
    const ImportPlan whole = PlanImport(fresh, exported, {}, [&](qint64 done, qint64 total) {
        told.emplace_back(done, total);
        return true;
    });
    ASSERT_FALSE(whole.refused());
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_EQ(told.back().first, told.back().second);
    for (size_t stop = 1; stop <= told.size(); ++stop) {
        size_t calls = 0;
        const ImportPlan plan =
            PlanImport(fresh, exported, {}, [&](qint64, qint64) { return ++calls < stop; });
        EXPECT_TRUE(plan.cancelled) << stop;
        EXPECT_EQ(plan.refusal, "预览已取消，没有导入任何记录。");
        EXPECT_EQ(plan.writtenCount(), 0);
        EXPECT_EQ(ApplyImport(fresh, plan, backups).error, "预览已取消，没有导入任何记录。");
    }
    EXPECT_FALSE(QFileInfo::exists(backups));
    EXPECT_EQ(ReadBack(freshPath, "select count(*) from CarList"),
              (std::vector<QStringList>{{"0"}}));
}

TEST_F(CsvImportTest, ACancelledImportAndAFileChangedAfterThePreviewWriteNothing)
{
    const ImportPlan plan = PlanImport(fresh, exported, {});
    EXPECT_EQ(ApplyImport(fresh, plan, backups, [](qint64, qint64) { return false; }).outcome,
              ImportResult::Cancelled);
    EXPECT_EQ(ReadBack(freshPath, "select count(*) from CarList"),
              (std::vector<QStringList>{{"0"}}));

    QFile changed(exported.last());
    ASSERT_TRUE(changed.open(QIODevice::Append));
    changed.write("\r\n");
    changed.close();
    const ImportResult refused = ApplyImport(fresh, plan, inData("other-backups"));
    EXPECT_EQ(refused.outcome, ImportResult::Failed);
    EXPECT_EQ(refused.error,
              "文件“" + QFileInfo(exported.last()).fileName() +
                  "”在预览之后被修改过，为了不导入与预览不同的内容，没有导入任何记录。"
                  "请重新导入。");
    EXPECT_FALSE(QFileInfo::exists(inData("other-backups")));
    EXPECT_EQ(ReadBack(freshPath, "select count(*) from CarList"),
              (std::vector<QStringList>{{"0"}}));
}

TEST_F(CsvImportTest, BadRowsAreListedWithLineAndReasonAndOddNumbersAreFlagged)
{
    const QString header = LedgerFileHeader(LedgerKind::DailyCost).join(",");
    const QString file = inData("bad.csv");
    WriteFile(file, (header + "\r\n"
                              "2024-01-01,100,20,洗车,,家用车,日常杂费\r\n"
                              "2023-02-29,0,5,停车,,家用车,日常杂费\r\n"
                              "2024/13/01,0,5,停车,,家用车,日常杂费\r\n"
                              "2024-03-01,0,五元,停车,,家用车,日常杂费\r\n"
                              "2024-03-02,0,5,停车,,家用车\r\n"
                              "2024-03-03,0,5,停车,,家用车,日常杂费,多\r\n"
                              "2024-03-04,0,-12.5,退款,\"备注\r\n两行\",家用车,日常杂费\r\n"
                              ",,,,,,\r\n"
                              "2024-03-05,0,5,停车,,家用车,加油站\r\n"
                              "2024-03-06,3000000,１２,３,,家用车,日常杂费\r\n")
                        .toUtf8());
    const ImportPlan plan = PlanImport(db, {file}, {});
    ASSERT_FALSE(plan.refused()) << plan.refusal.toStdString();
    EXPECT_EQ(Problems(plan), (std::vector<std::pair<int, QString>>{
                                  {3, "日期“2023-02-29”不存在或看不懂（应写成 2024-01-31）"},
                                  {4, "日期“2024/13/01”不存在或看不懂（应写成 2024-01-31）"},
                                  {5, "“消费金额”一栏的“五元”不是数字"},
                                  {6, "这一行有 6 个字段，标题行有 7 个"},
                                  {7, "这一行有 8 个字段，标题行有 7 个"},
                                  {11, "记录类型“加油站”无法识别"}}));
    ASSERT_EQ(plan.rows.size(), 3u);
    EXPECT_EQ(plan.rows[0].line, 2);
    EXPECT_TRUE(plan.rows[0].flags.isEmpty());
    EXPECT_EQ(plan.rows[1].line, 8);
    EXPECT_EQ(plan.rows[1].record.mark, "备注\r\n两行");
    EXPECT_EQ(plan.rows[1].flags, QStringList{"消费金额是负数（-12.5）"});
    EXPECT_EQ(plan.rows[2].record.amount, 12); // full-width digits as typed
    EXPECT_EQ(plan.rows[2].record.content, "３");
    EXPECT_EQ(plan.rows[2].flags, QStringList{"里程表大得不合理（3000000）"});

    // Thousands of bad or flagged lines: the first thousand of each are listed.
    QString many = header + "\r\n";
    for (int i = 0; i < 1002; ++i)
        many += "2023-02-29,0,5,停车,,家用车,日常杂费\r\n2024-03-06,3000000,5,停车,,家用车,日常杂费\r\n";
    WriteFile(file, many.toUtf8());
    const QStringList summary = ImportSummaryText(PlanImport(db, {file}, {})).split('\n');
    EXPECT_EQ(summary.filter("不存在或看不懂").size(), 1000);
    EXPECT_EQ(summary.filter("里程表大得不合理").size(), 1000);
    EXPECT_EQ(summary.filter("  ……另有 2 行").size(), 2);
}

// Texts of up to 10000 characters (a surrogate pair counting as one) are
// taken whole; a longer one refuses its line, naming the column, or is cut
// to its beginning when asked; the preview shows every cell cut to a width.
TEST_F(CsvImportTest, TextsBeyondTheLimitRefuseTheirLineOrAreCutWhenAsked)
{
    const QString fits = "😀" + QString(kLongestText - 1, 'a');
    const QString longer = "😀" + QString(kLongestText, 'b');
    const QString file = inData("long.csv");
    WriteFile(file, (LedgerFileHeader(LedgerKind::CarLog).join(",") + "\r\n2024-01-01,1," + fits +
                     ",家用车,爱车日志\r\n2024-01-02,2," + longer + ",家用车,爱车日志\r\n")
                        .toUtf8());
    const QString cars = inData("cars.csv");
    WriteFile(cars,
              (CarFileHeader().mid(0, 3).join(",") + "\r\n新车,否," + longer + "\r\n").toUtf8());

    const ImportPlan refused = PlanImport(fresh, {file, cars}, {});
    ASSERT_FALSE(refused.refused()) << refused.refusal.toStdString();
    EXPECT_EQ(Problems(refused), (std::vector<std::pair<int, QString>>{
                                     {3, "“日志信息”有 10001 字，超过了 10000 字的上限"},
                                     {2, "“汽车制造商”有 10001 字，超过了 10000 字的上限"}}));
    ASSERT_EQ(refused.rows.size(), 1u);
    EXPECT_EQ(refused.rows[0].record.mark, fits);
    EXPECT_EQ(refused.longTexts, 2);

    ImportOptions cut;
    cut.cutLongTexts = true;
    const ImportPlan plan = PlanImport(fresh, {file, cars}, cut);
    EXPECT_TRUE(plan.rejected.empty());
    ASSERT_EQ(plan.rows.size(), 2u);
    EXPECT_EQ(plan.rows[1].record.mark, longer.left(kLongestText + 1));
    EXPECT_EQ(plan.rows[1].flags, QStringList{"“日志信息”有 10001 字，只导入前 10000 字"});
    ASSERT_EQ(plan.cars.size(), 1u);
    EXPECT_EQ(plan.cars[0].property->manufacture, longer.left(kLongestText + 1));
    const QString summary = ImportSummaryText(plan);
    EXPECT_TRUE(summary.contains("  2024/01/02 | 2 KM | 😀" + QString(38, 'b') + "…\n"))
        << summary.left(2000).toStdString();
    EXPECT_TRUE(summary.contains("请核对这些行：\n  cars.csv 第 2 行：“汽车制造商”有 10001 字，"
                                 "只导入前 10000 字\n  long.csv 第 3 行：“日志信息”有 10001 字，"
                                 "只导入前 10000 字\n"));
    EXPECT_LT(summary.size(), 2000);
    ASSERT_EQ(ApplyImport(fresh, plan, backups).outcome, ImportResult::Done);
    EXPECT_EQ(ReadBack(freshPath, "select length(Mark) from CarLog order by Miles"),
              (std::vector<QStringList>{{"10000"}, {"10000"}}));
}

TEST_F(CsvImportTest, UnreadableFilesAreRefusedBeforeAnythingIsRead)
{
    const std::pair<QByteArray, QString> files[] = {
        {"", "x.csv：文件是空的，没有可以导入的内容。"},
        {QByteArray("PK\x03\x04\x00\x00binary", 12),
         "x.csv：这不是文本文件（文件里有二进制数据），不能作为 CSV 导入。"},
        {"日期,备注,记录类型\n2024-01-01,\"没有结束,日常杂费\n",
         "x.csv：第 2 行：引号没有结束，从这里到文件末尾都没有配对的引号。"},
        {"a,b\n1,2\n", "x.csv：请在“各栏对应的内容”里指定哪一栏是日期。"},
    };
    for (const auto& [bytes, refusal] : files) {
        WriteFile(inData("x.csv"), bytes);
        EXPECT_EQ(PlanImport(fresh, {inData("x.csv")}, {}).refusal, refusal);
    }
    EXPECT_EQ(PlanImport(fresh, {inData("missing.csv")}, {}).refusal,
              "找不到文件 " + inData("missing.csv"));

    // A quote left open: the preview still names the kind of file.
    const std::pair<QByteArray, QString> openQuotes[] = {
        {"日期,备注,记录类型\n2024-01-01,\"没有结束,日常杂费\n", "Orvyn 导出的记录"},
        {"Date,Description,Cost,Notes,Tags\n1/5/2024,\"Tax,10,,\n", "LubeLogger 税费记录"},
        {"\"## Log\"\n\"Data\",\"Odo (km)\n", "Fuelio 备份"},
        {"\"Date,Cost\n", "CSV 文件"},
    };
    for (const auto& [bytes, format] : openQuotes) {
        WriteFile(inData("x.csv"), bytes);
        EXPECT_TRUE(ImportSummaryText(PlanImport(fresh, {inData("x.csv")}, {}))
                        .startsWith("文件：x.csv（" + format + "，UTF-8）\n"))
            << format.toStdString();
    }

    // The same file saved in GB18030 by an older spreadsheet program reads the same.
    QString dailyCost;
    for (const QString& file : exported)
        if (file.endsWith("日常杂费.csv"))
            dailyCost = file;
    const DecodedText text = DecodeCsvBytes(FileBytes(dailyCost));
    WriteFile(inData("gb.csv"), EncodeGb18030(text.text));
    const ImportPlan fromGb = PlanImport(fresh, {inData("gb.csv")}, {});
    EXPECT_EQ(fromGb.sources[0].encoding, "GB18030");
    ASSERT_EQ(fromGb.rows.size(), 2u);
    EXPECT_EQ(fromGb.rows[0].record.content, "停车费");
    EXPECT_EQ(fromGb.targets[0].name, "家用车");
}

// The reminders travel in their own file: exported with the cars, imported
// into the car of their row, once; a row that is no reminder is refused.
TEST_F(CsvImportTest, RemindersGoOutAndComeBackInTheirOwnFile)
{
    CareReminder yearly;
    yearly.carId = car;
    yearly.title = "=年检";
    yearly.dueDate = "2025/03/01";
    yearly.repeatMonths = 12;
    CareReminder oil = yearly;
    oil.title = "机油";
    oil.dueDate.clear();
    oil.dueMiles = 15000;
    oil.repeatMonths = 0;
    oil.repeatMiles = 5000;
    oil.leadMiles = 500;
    std::vector<CareReminder> reminders = {yearly, oil};
    ASSERT_TRUE(InsertCareReminders(db, reminders).ok());
    const QString folder = inData("again");
    ASSERT_EQ(ExportCsv(db, {folder, QString()}).outcome, CsvExportResult::Done);
    const QString file = folder + "/保养提醒.csv";
    EXPECT_EQ(CsvRowsOf(file),
              (std::vector<QStringList>{
                  {"车辆", "项目", "到期日期", "到期里程", "每隔月数", "每隔里程", "提前天数",
                   "提前里程", "已完成"},
                  {"家用车", "'=年检", "2025-03-01", "0", "12", "0", "30", "1000", "否"},
                  {"家用车", "机油", "", "15000", "0", "5000", "30", "500", "否"}}));
    {
        QFile bad(inData("bad.csv"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("车辆,项目,到期日期,到期里程,每隔月数\n家用车,空的,,,\n家用车,轮胎,2025-02-30,,\n"
                  "家用车,负的,2025-01-01,,-3\n");
    }
    const ImportPlan plan = PlanImport(fresh, {file, inData("bad.csv")}, {});
    ASSERT_FALSE(plan.refused()) << plan.refusal.toStdString();
    EXPECT_EQ(plan.reminders.size(), 2u);
    EXPECT_EQ(Problems(plan),
              (std::vector<std::pair<int, QString>>{{2, "请给出到期日期或到期里程（至少一项）。"},
                                                    {3, Problems(plan)[1].second},
                                                    {4, "重复间隔必须大于 0；不重复时请留空。"}}));
    EXPECT_TRUE(Problems(plan)[1].second.contains("2025-02-30"));
    const ImportResult result = ApplyImport(fresh, plan, backups);
    ASSERT_EQ(result.outcome, ImportResult::Done) << result.error.toStdString();
    EXPECT_EQ(result.written, 2);
    const QString reminderRows =
        "select CarID, RecID, Title, DueDate, DueMiles, RepeatMonths, RepeatMiles, LeadDays, "
        "LeadMiles, Done from CareReminder order by RecID";
    EXPECT_EQ(ReadBack(freshPath, reminderRows),
              (std::vector<QStringList>{{"CAR0001", "0000001", "=年检", "2025/03/01", "0.00000000",
                                         "12", "0.00000000", "30", "1000.00000000", "0"},
                                        {"CAR0001", "0000002", "机油", "", "15000.00000000", "0",
                                         "5000.00000000", "30", "500.00000000", "0"}}));
    // Imported again: the car has them, nothing is written twice.
    const ImportPlan again = PlanImport(fresh, {file}, {});
    EXPECT_EQ(again.reminderCount(), 0);
    EXPECT_EQ(ApplyImport(fresh, again, backups).written, 0);
    EXPECT_EQ(ReadBack(freshPath, "select count(*) from CareReminder"),
              (std::vector<QStringList>{{"2"}}));
}
