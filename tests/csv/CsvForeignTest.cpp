#include "CsvFixture.h"

#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "csv/CsvLedgers.h"
#include "database/Figures.h"

#include <cmath>

// The current car "自家车" with a tank of 50 litres in 10 divisions.
class CsvForeignTest : public CsvTest
{
protected:
    void SetUp() override
    {
        CsvTest::SetUp();
        car = addCar(QStringLiteral("自家车"));
        db.SetCurrentCar(car);
        CARPROPERTY property;
        property.fuelVolume = 50;
        property.meterRules = 10;
        ASSERT_TRUE(db.InsertCarProperty(car, property).ok());
    }

    ImportPlan plan(const QByteArray& bytes, const ImportOptions& options = {})
    {
        WriteFile(inData("in.csv"), bytes);
        return PlanImport(db, {inData("in.csv")}, options);
    }

    QString car;
};

namespace {
QByteArray dataFile(const char* name)
{
    return FileBytes(QStringLiteral(ORVYN_CSV_TEST_DATA "/") + QLatin1String(name));
}
// The litres a refuelling row's page will show, "%.2f".
QString QuantityOf(const ImportRow& row)
{
    return QString::number(ShownFuelQuantity(row.record), 'f', 2);
}
} // namespace

TEST_F(CsvForeignTest, LubeLoggerFuelRecordsGetGaugeReadingsThatGiveThePagesConsumption)
{
    const ImportPlan fuel =
        plan("\xEF\xBB\xBF"
             "Date,Odometer,FuelConsumed,Cost,FuelEconomy,IsFillToFull,MissedFuelUp,Notes,Tags,"
             "extrafield_Station\r\n"
             "1/5/2024,1000,30,210.00,0,True,False,,,Shell\r\n"
             "1/12/2024,1300,10,\"$75.50\",0,False,False,\"Rain, heavy traffic\",trip,\r\n"
             "1/19/2024,1600,20,140,0,True,False,,,\r\n"
             "1/26/2024,1900,15,100,0,True,True,,,\r\n");
    ASSERT_FALSE(fuel.refused()) << fuel.refusal.toStdString();
    EXPECT_EQ(fuel.sources[0].format, "LubeLogger 加油记录");
    EXPECT_TRUE(fuel.hasUnits);
    EXPECT_FALSE(fuel.asksForLedger);
    EXPECT_TRUE(Problems(fuel).empty());
    ASSERT_EQ(fuel.rows.size(), 4u);
    const LedgerRecord& a = fuel.rows[0].record;
    const LedgerRecord& b = fuel.rows[1].record;
    const LedgerRecord& c = fuel.rows[2].record;
    EXPECT_EQ(a.date, "2024/01/05");
    EXPECT_EQ(a.amount, 210);
    EXPECT_EQ(a.price, 7); // per litre
    EXPECT_EQ(a.mark, "Station：Shell");
    EXPECT_EQ(b.amount, 75.5);
    EXPECT_EQ(b.mark, "Rain, heavy traffic；标签：trip");
    EXPECT_EQ(fuel.targets[0].carId, car);

    // A full tank reads all 10 divisions after filling and 30 litres (6
    // divisions) less before; the partial filling between two full tanks is
    // read as if the fuel went evenly per kilometre.
    EXPECT_EQ(std::make_pair(a.fuelMeter1, a.fuelMeter2), std::make_pair(4.0, 10.0));
    EXPECT_EQ(std::make_pair(b.fuelMeter1, b.fuelMeter2), std::make_pair(7.0, 9.0));
    EXPECT_EQ(std::make_pair(c.fuelMeter1, c.fuelMeter2), std::make_pair(6.0, 10.0));
    EXPECT_NEAR(*FuelConsumption(a, b, 5), 5.0, 1e-9); // 30 litres over 600 km
    EXPECT_NEAR(*FuelConsumption(b, c, 5), 5.0, 1e-9);
    // After a missed filling no consumption can be known; the mark says so.
    EXPECT_TRUE(fuel.rows[3].missedBefore);
    EXPECT_EQ(fuel.rows[3].record.marks, "missed");
    EXPECT_FALSE(FuelConsumption(c, fuel.rows[3].record, 5));
    EXPECT_TRUE(fuel.notes.contains("车辆“自家车”：4 条加油记录的油表读数按油箱容积 50 "
                                    "升、油表量程 10 格由加油量和是否加满推算。"));

    // In miles and US gallons, chosen in the preview.
    ImportOptions us;
    us.distance = DistanceUnit::Miles;
    us.volume = VolumeUnit::UsGallons;
    const ImportPlan converted =
        plan("Date,Odometer,FuelConsumed,Cost,FuelEconomy,IsFillToFull,MissedFuelUp,Notes,Tags\n"
             "1/5/2024,100,10,35.00,0,True,False,,\n",
             us);
    ASSERT_EQ(converted.rows.size(), 1u);
    // As the ledger stores them: kilometres with 2 decimals, the price with 6.
    EXPECT_EQ(converted.rows[0].record.miles, 160.93);
    EXPECT_NEAR(*converted.rows[0].litres, 37.85411784, 1e-9);
    EXPECT_EQ(converted.rows[0].record.price, 0.924602);
    EXPECT_EQ(converted.distance, DistanceUnit::Miles);
}

TEST_F(CsvForeignTest, LubeLoggerServiceRecordsGoToTheLedgerTheUserChooses)
{
    const QByteArray service =
        "Date,Description,Cost,Notes,Odometer,Tags,extrafield_Shop\n"
        "9/1/2026,Oil change,\"$1,234.56\",\"Synthetic, 5 qt\",71000,oil,Jiffy\n"
        "9/31/2026,Bad date,$10.00,,71001,,\n"
        "9/3/2026,Short row,$1.00\n"
        "9/2/2026,Wipers,twelve,,71002,,\n";
    const ImportPlan asDefault = plan(service);
    EXPECT_TRUE(asDefault.asksForLedger);
    ASSERT_EQ(asDefault.rows.size(), 1u);
    EXPECT_EQ(asDefault.rows[0].ledger, LedgerKind::Maintain);
    const LedgerRecord& r = asDefault.rows[0].record;
    EXPECT_EQ(r.date, "2026/09/01");
    EXPECT_EQ(r.amount, 1234.56);
    EXPECT_EQ(r.content, "Oil change");
    EXPECT_EQ(r.miles, 71000);
    EXPECT_EQ(r.mark, "Synthetic, 5 qt；标签：oil；Shop：Jiffy");
    EXPECT_EQ(Problems(asDefault),
              (std::vector<std::pair<int, QString>>{{3, "日期“9/31/2026”不存在"},
                                                    {4, "这一行有 3 个字段，标题行有 7 个"},
                                                    {5, "“Cost”一栏的“twelve”不是数字"}}));

    ImportOptions repair;
    repair.ledger = LedgerKind::Repair;
    EXPECT_EQ(plan(service, repair).rows[0].ledger, LedgerKind::Repair);
    ImportOptions upgrade;
    upgrade.ledger = LedgerKind::Accessory;
    const LedgerRecord part = plan(service, upgrade).rows[0].record;
    EXPECT_EQ(part.name, "Oil change");
    EXPECT_EQ(part.count, 1);
    EXPECT_EQ(part.price, 1234.56);

    // A German server writes decimal commas and dotted dates.
    const ImportPlan german = plan("Date,Description,Cost,Notes,Odometer,Tags\n"
                                   "05.01.2024,Inspektion,\"1.234,50 €\",,45210,\n"
                                   "28.02.2024,Reifen,\"89,90\",,46000,\n");
    ASSERT_EQ(german.rows.size(), 2u);
    EXPECT_EQ(german.rows[0].record.date, "2024/01/05");
    EXPECT_EQ(german.rows[0].record.amount, 1234.5);
    EXPECT_EQ(german.rows[1].record.amount, 89.9);
}

TEST_F(CsvForeignTest, FuelioBackupsBringTheirVehicleUnitsLogAndCosts)
{
    const QByteArray fuelio =
        "\"## Vehicle\"\n"
        "\"Name\",\"Description\",\"DistUnit\",\"FuelUnit\",\"ConsumptionUnit\","
        "\"ImportCSVDateFormat\","
        "\"VIN\",\"Insurance\",\"Plate\",\"Make\",\"Model\",\"Year\",\"TankCount\",\"Tank1Type\","
        "\"Tank2Type\",\"Active\",\"Tank1Capacity\",\"Tank2Capacity\",\"FuelUnitTank2\","
        "\"FuelConsumptionTank2\"\n"
        "\"BMW "
        "Z3\",\"\",\"1\",\"0\",\"2\",\"yyyy-MM-dd\",\"\",\"\",\"AB12CDE\",\"BMW\",\"Z3\",\"1997\","
        "\"1\",\"100\",\"0\",\"1\",\"51.0\",\"0.0\",\"0\",\"0\"\n"
        "\"## Log\"\n"
        "\"Data\",\"Odo (mi)\",\"Fuel (litres)\",\"Full\",\"Price (optional)\",\"mpg (optional)\","
        "\"latitude (optional)\",\"longitude (optional)\",\"City (optional)\",\"Notes (optional)\","
        "\"Missed\",\"TankNumber\",\"FuelType\",\"VolumePrice\",\"StationID (optional)\","
        "\"ExcludeDistance\",\"UniqueId\",\"TankCalc\"\n"
        "\"2024-03-10 16:01\",\"212477.0\",\"46.301\",\"1\",\"67.09\",\"21.8\",\"51.16514\","
        "\"-2.99017\",\"Somerset\",\"\",\"0\",\"1\",\"-1\",\"1.449\",\"496456\",\"0.0\",\"218\","
        "\"0.0\"\n"
        "\"2024-02-30 "
        "10:00\",\"212100.0\",\"40\",\"1\",\"60\",\"\",\"\",\"\",\"\",\"\",\"0\",\"1\","
        "\"-1\",\"1.5\",\"\",\"0.0\",\"217\",\"0.0\"\n"
        "\"## CostCategories\"\n"
        "\"CostTypeID\",\"Name\",\"priority\",\"color\"\n"
        "\"1\",\"Service\",\"0\",\"\"\n"
        "\"31\",\"Insurance\",\"0\",\"\"\n"
        "\"32\",\"Accessories\",\"0\",\"#424242\"\n"
        "\"## Costs\"\n"
        "\"CostTitle\",\"Date\",\"Odo\",\"CostTypeID\",\"Notes\",\"Cost\",\"flag\",\"idR\","
        "\"read\","
        "\"RemindOdo\",\"RemindDate\",\"isTemplate\",\"RepeatOdo\",\"RepeatMonths\",\"isIncome\","
        "\"UniqueId\"\n"
        "\"Oil service\",\"2024-02-08 "
        "14:57\",\"212000\",\"1\",\"5W30\",\"180.0\",\"0\",\"0\",\"1\","
        "\"0\",\"2011-01-01\",\"0\",\"0\",\"0\",\"0\",\"51\"\n"
        "\"Policy\",\"2024-01-02\",\"0\",\"31\",\"\",\"420.5\",\"0\",\"0\",\"1\",\"0\",\"2011-01-"
        "01\","
        "\"0\",\"0\",\"0\",\"0\",\"52\"\n"
        "\"Roof "
        "box\",\"2024-01-03\",\"0\",\"32\",\"\",\"99\",\"0\",\"0\",\"1\",\"0\",\"2011-01-01\","
        "\"0\",\"0\",\"0\",\"0\",\"53\"\n"
        "\"Spark plugs\",\"2030-07-27\",\"0\",\"1\",\"\",\"0.0\",\"0\",\"0\",\"0\",\"107006\","
        "\"2030-07-27\",\"1\",\"60000\",\"48\",\"0\",\"54\"\n"
        "\"Refund\",\"2024-05-11\",\"0\",\"31\",\"\",\"50.0\",\"0\",\"0\",\"1\",\"0\",\"2011-01-"
        "01\","
        "\"0\",\"0\",\"0\",\"1\",\"55\"\n"
        "\"## FavStations\"\n"
        "\"NameBrand\",\"Latitude\"\n"
        "\"Morrisons\",\"51.16514\"\n";
    const ImportPlan p = plan(fuelio);
    ASSERT_FALSE(p.refused()) << p.refusal.toStdString();
    EXPECT_EQ(p.sources[0].format, "Fuelio 备份");
    EXPECT_EQ(p.distance, DistanceUnit::Miles);
    EXPECT_EQ(p.volume, VolumeUnit::Litres);
    EXPECT_EQ(Problems(p),
              (std::vector<std::pair<int, QString>>{{7, "日期“2024-02-30 10:00”不存在"}}));
    ASSERT_EQ(p.cars.size(), 1u);
    EXPECT_EQ(p.cars[0].name, "BMW Z3");
    ASSERT_TRUE(p.cars[0].property.has_value());
    EXPECT_EQ(p.cars[0].property->manufacture, "BMW");
    EXPECT_EQ(p.cars[0].property->carType, "Z3 1997");
    EXPECT_EQ(p.cars[0].property->carNo, "AB12CDE");
    EXPECT_EQ(p.cars[0].property->fuelVolume, 51);
    ASSERT_EQ(p.targets.size(), 1u);
    EXPECT_TRUE(p.targets[0].carId.isEmpty()); // made by the import

    ASSERT_EQ(p.rows.size(), 4u);
    const LedgerRecord& fill = p.rows[0].record;
    EXPECT_EQ(p.rows[0].ledger, LedgerKind::Refuel);
    EXPECT_EQ(fill.date, "2024/03/10");
    EXPECT_EQ(fill.miles, 341948.59);
    EXPECT_EQ(fill.amount, 67.09);
    EXPECT_EQ(fill.price, 1.448997);
    EXPECT_EQ(fill.mark, "Somerset");
    EXPECT_EQ(p.rows[1].ledger, LedgerKind::Maintain);
    EXPECT_EQ(p.rows[1].record.content, "Oil service");
    EXPECT_EQ(p.rows[1].record.mark, "5W30");
    EXPECT_EQ(p.rows[2].ledger, LedgerKind::DailyCost);
    EXPECT_EQ(p.rows[2].record.content, "Policy");
    EXPECT_EQ(p.rows[2].record.mark, "Insurance");
    EXPECT_EQ(p.rows[3].ledger, LedgerKind::Accessory);
    EXPECT_EQ(p.rows[3].record.name, "Roof box");
    EXPECT_TRUE(p.notes.contains("in.csv 里的 1 条提醒和 1 条收入不是费用，没有导入。"));
    // The new car's tank is known, its gauge divisions are not.
    EXPECT_TRUE(std::any_of(p.notes.begin(), p.notes.end(), [](const QString& n) {
        return n.startsWith("车辆“BMW Z3”的油箱容积或油表量程未知");
    }));

    const ImportResult written = ApplyImport(db, p, inData("backup"));
    ASSERT_EQ(written.outcome, ImportResult::Done) << written.error.toStdString();
    EXPECT_EQ(ReadBack(path, "select CarID, Name from CarList order by NO"),
              (std::vector<QStringList>{{car, "自家车"}, {"CAR0002", "BMW Z3"}}));
    EXPECT_EQ(ReadBack(path, "select Manufacture, CarNo, FuelVolume from CarProperty where "
                             "CarID='CAR0002'"),
              (std::vector<QStringList>{{"BMW", "AB12CDE", "51.00000000"}}));
}

TEST_F(CsvForeignTest, AGenericFileIsReadAsTheUserMapsItsColumns)
{
    const QByteArray bytes = "时间;项目;金额;地点;说明\n"
                             "2024年3月5日;洗车;35;城东;\n"
                             "2024/3/6;停车;\"8,5\";机场;两小时\n";
    const ImportPlan guessed = plan(bytes);
    ASSERT_FALSE(guessed.refused()) << guessed.refusal.toStdString();
    EXPECT_TRUE(guessed.generic);
    EXPECT_EQ(guessed.genericHeader, (QStringList{"时间", "项目", "金额", "地点", "说明"}));
    // "说明" names a content too, which "项目" has taken already.
    EXPECT_EQ(guessed.mapping, (std::vector<GenericField>{
                                   GenericField::Date, GenericField::Content, GenericField::Amount,
                                   GenericField::Provider, GenericField::Ignore}));
    ASSERT_EQ(guessed.rows.size(), 2u);
    EXPECT_EQ(guessed.rows[0].ledger, LedgerKind::DailyCost);
    EXPECT_EQ(guessed.rows[0].record.date, "2024/03/05");
    EXPECT_EQ(guessed.rows[0].record.content, "洗车");
    EXPECT_EQ(guessed.rows[0].record.mark, "城东");
    EXPECT_EQ(guessed.rows[1].record.amount, 8.5);

    // The user maps "说明" to the note and chooses the maintenance ledger.
    ImportOptions mapped;
    mapped.mapping = guessed.mapping;
    mapped.mapping[4] = GenericField::Note;
    mapped.ledger = LedgerKind::Maintain;
    const ImportPlan chosen = plan(bytes, mapped);
    ASSERT_EQ(chosen.rows.size(), 2u);
    EXPECT_EQ(chosen.rows[1].ledger, LedgerKind::Maintain);
    EXPECT_EQ(chosen.rows[1].record.provider, "机场");
    EXPECT_EQ(chosen.rows[1].record.mark, "两小时");

    // A note is kept as written, a leading tab too.
    const ImportPlan tabbed = plan("Date,Cost,Notes\n2024-04-01,5,\"\tfirst\tsecond \"\n");
    ASSERT_EQ(tabbed.rows.size(), 1u);
    EXPECT_EQ(tabbed.rows[0].record.mark, "\tfirst\tsecond ");

    // Litres and a total make a refuelling record; no date column is asked for.
    const ImportPlan fuel = plan("Date,Mileage,Litres,Total\n2024-04-01,5000,40,280\n");
    ASSERT_EQ(fuel.rows.size(), 1u);
    EXPECT_EQ(fuel.rows[0].ledger, LedgerKind::Refuel);
    EXPECT_EQ(fuel.rows[0].record.price, 7);
    EXPECT_EQ(plan("Wann,Betrag\nheute,5\n").refusal,
              "in.csv：请在“各栏对应的内容”里指定哪一栏是日期。");
}

TEST_F(CsvForeignTest, AGenericFileWithoutAnAmountIsRefusedUntilItsColumnIsNamed)
{
    const QByteArray german = "Datum;Betrag;Notiz\n05.01.2024;12,50;Parken\n";
    const QString noAmount = "in.csv：没有哪一栏是金额，导入的日常杂费会没有金额。请在“各栏对应的"
                             "内容”里指定哪一栏是金额（命令行用 --map 栏名=金额）。";
    const struct
    {
        std::vector<std::pair<QString, GenericField>> named;
        std::optional<LedgerKind> ledger;
        QString refusal;
        QString mark; // of the one record imported
    } rows[] = {
        {{}, {}, noAmount, ""},
        {{{"betrag", GenericField::Amount}, {"3", GenericField::Note}}, {}, "", "Parken"},
        {{{"Betrag", GenericField::Price}}, LedgerKind::Accessory, "", ""},
        {{{"Betrag", GenericField::Amount}},
         LedgerKind::CarLog,
         "in.csv：没有哪一栏是里程表，导入的爱车日志会没有里程表。请在“各栏对应的内容”里指定哪一栏"
         "是里程表（命令行用 --map 栏名=里程表）。",
         ""},
        {{{"Preis", GenericField::Amount}}, {}, "in.csv：没有“Preis”这一栏。", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.refusal.toStdString());
        ImportOptions options;
        options.columnFields = row.named;
        options.ledger = row.ledger;
        const ImportPlan p = plan(german, options);
        EXPECT_EQ(p.refusal, row.refusal);
        if (!row.refusal.isEmpty())
            continue;
        ASSERT_EQ(p.rows.size(), 1u);
        EXPECT_EQ(row.ledger == LedgerKind::Accessory ? p.rows[0].record.price
                                                      : p.rows[0].record.amount,
                  12.5);
        EXPECT_EQ(p.rows[0].record.mark, row.mark);
    }
}

TEST_F(CsvForeignTest, AChosenCarTakesEveryRecordAndNoCarOfTheFileIsMade)
{
    const QByteArray fuelio =
        "\"## Vehicle\"\n"
        "\"Name\",\"Make\",\"Tank1Capacity\"\n"
        "\"Panda\",\"Fiat\",\"35\"\n"
        "\"## Log\"\n"
        "\"Data\",\"Odo (km)\",\"Fuel (litres)\",\"Full\",\"Price (optional)\"\n"
        "\"2024-03-10 16:01\",\"1000\",\"30\",\"1\",\"54\"\n";
    const struct
    {
        QString chosen;
        std::vector<QStringList> cars; // the ledger's cars after the import
        QString profile;               // of the car the records went to
    } rows[] = {
        {"自家车", {{car, "自家车"}}, "|50.0"},
        {"新车", {{car, "自家车"}, {"CAR0002", "新车"}}, "Fiat|35.0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.chosen.toStdString());
        ImportOptions options;
        options.car = row.chosen;
        const ImportPlan p = plan(fuelio, options);
        ASSERT_FALSE(p.refused()) << p.refusal.toStdString();
        ASSERT_EQ(p.targets.size(), 1u);
        EXPECT_TRUE(
            p.notes.contains("所有记录都导入到“" + row.chosen + "”：文件里的车辆“Panda”不新建。"));
        ASSERT_EQ(ApplyImport(db, p, inData("backup")).outcome, ImportResult::Done);
        EXPECT_EQ(ReadBack(path, "select CarID, Name from CarList order by NO"), row.cars);
        const QString target = row.cars.back().front();
        EXPECT_EQ(ReadBack(path, "select count(*) from Refuel where CarID='" + target + "'"),
                  (std::vector<QStringList>{{"1"}}));
        EXPECT_EQ(ReadBack(path, "select Manufacture || '|' || FuelVolume from CarProperty where "
                                 "CarID='" +
                                     target + "'"),
                  (std::vector<QStringList>{{row.profile}}));
    }
}

TEST_F(CsvForeignTest, TheDateOrderIsToldByDatesThatExistAndThePreviewSaysWhy)
{
    const struct
    {
        QStringList dates;
        QStringList stored; // of the rows imported
        std::vector<std::pair<int, QString>> problems;
        QString note;
    } rows[] = {
        // A date that exists in no order tells nothing.
        {{"31/02/2024", "3/1/2024"},
         {"2024/03/01"},
         {{2, "日期“31/02/2024”不存在"}},
         "in.csv 的日期看不出是“月/日/年”还是“日/月/年”，按“月/日/年”导入，请核对预览里的日期。"},
        {{"3/1/2024", "13/1/2024"},
         {"2024/01/03", "2024/01/13"},
         {},
         "in.csv 的日期按“日/月/年”导入：“13/1/2024”只能这样读。"},
        {{"1/13/2024", "3/1/2024"},
         {"2024/01/13", "2024/03/01"},
         {},
         "in.csv 的日期按“月/日/年”导入：“1/13/2024”只能这样读。"},
        {{"1/13/2024", "13/1/2024", "14/1/2024"},
         {"2024/01/13", "2024/01/14"},
         {{2, "日期“1/13/2024”不存在"}},
         "in.csv 的日期有的只能按“日/月/年”读（如“13/1/2024”），有的只能按“月/日/年”读（如“1/"
         "13/2024”）；按多数的“日/月/年”导入，请核对预览里的日期。"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dates.join(' ').toStdString());
        QByteArray bytes = "Date,Description,Cost,Notes,Tags\n";
        for (const QString& date : row.dates)
            bytes += date.toUtf8() + ",Tax,10,,\n";
        const ImportPlan p = plan(bytes);
        QStringList stored;
        for (const ImportRow& r : p.rows)
            stored << r.record.date;
        EXPECT_EQ(stored, row.stored);
        EXPECT_EQ(Problems(p), row.problems);
        EXPECT_TRUE(p.notes.contains(row.note)) << p.notes.join('\n').toStdString();
    }
}

TEST_F(CsvForeignTest, ChosenUnitsApplyOnlyToFilesThatDoNotStateTheirs)
{
    WriteFile(inData("fuelio.csv"),
              "\"## Log\"\n"
              "\"Data\",\"Odo (km)\",\"Fuel (litres)\",\"Full\",\"Price (optional)\"\n"
              "\"2024-03-10 16:01\",\"1000\",\"30\",\"1\",\"54\"\n");
    WriteFile(inData("lube.csv"), "Date,Odometer,FuelConsumed,Cost,IsFillToFull,MissedFuelUp\n"
                                  "3/11/2024,700,10,35,True,False\n");
    ImportOptions us;
    us.distance = DistanceUnit::Miles;
    us.volume = VolumeUnit::UsGallons;
    const ImportPlan p = PlanImport(db, {inData("fuelio.csv"), inData("lube.csv")}, us);
    ASSERT_EQ(p.rows.size(), 2u);
    EXPECT_EQ(p.rows[0].record.miles, 1000);
    EXPECT_EQ(*p.rows[0].litres, 30);
    EXPECT_NEAR(p.rows[1].record.miles, 1126.54, 1e-9); // 700 miles, as the file stores it
    EXPECT_NEAR(*p.rows[1].litres, 37.85411784, 1e-9);
    EXPECT_TRUE(p.notes.contains(
        "fuelio.csv 写明了单位：里程按公里、油量按升换算，选择的单位只用于不写单位的文件。"));
    EXPECT_TRUE(p.distanceChosen && p.volumeChosen); // the LubeLogger file takes the choice
    EXPECT_FALSE(PlanImport(db, {inData("fuelio.csv")}, us).volumeChosen);
}

TEST_F(CsvForeignTest, ImportedFillingsShowTheSourcesLitresAndAmountsInTheOrderOfTheirDay)
{
    // A real Fuelio log written without its "## Log" line, newest first.
    const ImportPlan fuelio = plan(dataFile("fuelio-log-without-section-line.csv"));
    ASSERT_FALSE(fuelio.refused()) << fuelio.refusal.toStdString();
    EXPECT_EQ(fuelio.sources[0].format, "Fuelio 备份");
    EXPECT_TRUE(Problems(fuelio).empty());
    ASSERT_EQ(fuelio.rows.size(), 49u);
    double litres = 0, amount = 0;
    auto import = [&](const ImportPlan& p) {
        for (const ImportRow& row : p.rows) {
            litres += ShownNumber(*row.litres, 2);
            amount += row.record.amount;
        }
        const ImportResult result = ApplyImport(db, p, inData(&p == &fuelio ? "a" : "b"));
        EXPECT_EQ(result.outcome, ImportResult::Done) << result.error.toStdString();
    };
    import(fuelio);
    // US gallons at a low price per litre: 31.5 gal are 119.24 L at 0.094.
    ImportOptions us;
    us.volume = VolumeUnit::UsGallons;
    import(plan("Date,Odometer,FuelConsumed,Cost,FuelEconomy,IsFillToFull,MissedFuelUp,Notes,Tags\n"
                "2/1/2024,1000,31.5,11.21,0,True,False,,\n"
                "2/2/2024,1200,7.25,21.95,0,True,False,,\n",
                us));
    std::vector<LedgerRecord> stored;
    ASSERT_TRUE(db.LoadRecords(LedgerKind::Refuel, car, stored).ok());
    ASSERT_EQ(stored.size(), 51u);
    for (const LedgerRecord& r : stored) {
        const auto source =
            std::find_if(fuelio.rows.begin(), fuelio.rows.end(), [&](const ImportRow& row) {
                return row.record.date == r.date && row.record.miles == r.miles;
            });
        if (source != fuelio.rows.end()) {
            EXPECT_EQ(ShownFuelQuantity(r), ShownNumber(*(*source).litres, 2))
                << r.date.toStdString();
        }
    }
    auto on = [&](const char* date) {
        return *std::find_if(stored.begin(), stored.end(),
                             [&](const LedgerRecord& r) { return r.date == date; });
    };
    EXPECT_EQ(ShownFuelQuantity(on("2024/02/01")), 119.24);
    EXPECT_EQ(ShownFuelQuantity(on("2024/02/02")), 27.44);
    EXPECT_DOUBLE_EQ(TotalFuelVolume(stored), ShownNumber(litres, 2));
    EXPECT_DOUBLE_EQ(TotalAmount(stored), ShownNumber(amount, 2));

    // The 07:00 filling at 4725 km is numbered before the 18:00 one at 4945 km.
    EXPECT_EQ(
        ReadBack(path, "select Miles from Refuel where DateTimee='2022/10/23' order by RecID"),
        (std::vector<QStringList>{{"4725.00000000"}, {"4945.00000000"}}));
    // Every filling is a partial one: no full tanks enclose them, so their
    // gauge readings stay unknown and no consumption is shown.
    EXPECT_EQ(ReadBack(path, "select count(*) from Refuel where Reserved1='nogauge'"),
              (std::vector<QStringList>{{"49"}}));
    // The export leaves unknown readings and estimates empty, and its import
    // knows them as unknown again.
    ASSERT_EQ(ExportCsv(db, {out, car}).outcome, CsvExportResult::Done);
    const std::vector<QStringList> exported =
        CsvRowsOf(out + "/" + LedgerFileName(car, "自家车", "加油记录"));
    EXPECT_EQ(exported[1].mid(5, 3), (QStringList{"", "", ""})); // 加前油表, 加后油表, 油耗估算
    const ImportPlan back =
        PlanImport(db, {out + "/" + LedgerFileName(car, "自家车", "加油记录")}, {});
    EXPECT_EQ(back.rows[0].record.marks, "nogauge");
    for (size_t i = 1; i < stored.size(); ++i)
        if (stored[i].date != "2024/02/02") {
            EXPECT_FALSE(FuelConsumption(stored[i - 1], stored[i], 5))
                << stored[i].date.toStdString();
        }
}

TEST_F(CsvForeignTest, AFuelioCngCarWithTwoTanksBringsItsPetrolAsLitresAndItsGasAsCosts)
{
    const ImportPlan p = plan(dataFile("fuelio-cng-two-tanks-excerpt.csv"));
    ASSERT_FALSE(p.refused()) << p.refusal.toStdString();
    EXPECT_TRUE(Problems(p).empty());
    std::vector<std::tuple<LedgerKind, QString, QString, double>>
        rows; // ledger, date, text, amount
    for (const ImportRow& row : p.rows)
        rows.emplace_back(row.ledger, row.record.date,
                          row.ledger == LedgerKind::Refuel ? QuantityOf(row)
                          : row.ledger == LedgerKind::DailyCost
                              ? row.record.content + " " + row.record.mark
                              : row.record.content,
                          row.record.amount);
    const std::vector<std::tuple<LedgerKind, QString, QString, double>> expected = {
        {LedgerKind::DailyCost, "2024/12/03", "天然气 Metano Service - Metano Service；15.568 kg",
         21.78},
        {LedgerKind::Refuel, "2024/12/03", "17.56", 30.01},
        {LedgerKind::DailyCost, "2024/04/22", "天然气 IP 24 ORE -；15.101 kg", 17.2},
        {LedgerKind::Refuel, "2024/04/22", "15.47", 30},
        {LedgerKind::DailyCost, "2024/03/09", "天然气 Metano Service - Metano Service；14.612 kg",
         17.52},
        {LedgerKind::Refuel, "2024/03/09", "16.04", 30.14},
        {LedgerKind::Refuel, "2023/11/22", "28.43", 50.01},
        {LedgerKind::DailyCost, "2021/07/07", "天然气 Perugia - IP BALANZANO 24 ORE；13.199 kg",
         13.45},
        {LedgerKind::Refuel, "2021/07/07", "18.19", 30},
        {LedgerKind::DailyCost, "2020/11/02",
         "天然气 Stazione di Servizio IS - Ponte S. Giovanni -；15.66 kg；25 km con benzina",
         15.32},
        // Italian names of Fuelio's built-in categories 1 and 2.
        {LedgerKind::Maintain, "2024/01/03", "Revisione", 79},
        {LedgerKind::Maintain, "2024/01/03", "Rabbocco olio motore 1.5 Kg", 10},
        {LedgerKind::Maintain, "2024/10/01", "Tagliando 284000 presso Dino Bianchini", 120},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_TRUE(p.notes.contains("in.csv 里有 5 条加天然气的记录按千克计，不能当作升记入加油记录："
                                 "作为日常杂费导入，金额照旧，千克数写在备注里。"));
    // The petrol tank's capacity is not given: its gauge readings are unknown.
    ASSERT_TRUE(p.cars[0].property);
    EXPECT_EQ(p.cars[0].property->fuelVolume, 0);
    for (const ImportRow& row : p.rows)
        if (row.ledger == LedgerKind::Refuel) {
            EXPECT_TRUE(HasMark(row.record, RefuelMark::GaugesUnknown));
        }
}

TEST_F(CsvForeignTest, LubeLoggerSuppliesKeepTheirCostAndItsOdometerFileGoesToTheCarLog)
{
    const ImportPlan supplies =
        plan("Date,PartNumber,PartSupplier,PartQuantity,Description,Notes,Cost,Tags\n"
             "1/5/2024,,Shop,5.5,Oil,,38.50,\n"
             "1/6/2024,,Shop,3,Wipers,front,10.00,\n"
             "1/7/2024,,Shop,4,Bulbs,,20.00,\n");
    ASSERT_EQ(supplies.rows.size(), 3u);
    // Count, price, note and the line's total as the page shows it.
    const std::vector<std::tuple<double, double, QString, double>> expected = {
        {1, 38.5, "数量 5.5，单价 7", 38.5},
        {1, 10, "数量 3，单价 3.3333；front", 10},
        {4, 5, "", 20}};
    for (size_t i = 0; i < expected.size(); ++i) {
        const LedgerRecord& r = supplies.rows[i].record;
        EXPECT_EQ(std::make_tuple(r.count, r.price, r.mark, AccessoryCost(r)), expected[i]) << i;
    }

    const ImportPlan odometer = plan("Date,Odometer,Notes\n1/5/2024,1200,Tyres rotated\n");
    EXPECT_EQ(odometer.sources[0].format, "LubeLogger 里程记录");
    ASSERT_EQ(odometer.rows.size(), 1u);
    EXPECT_EQ(odometer.rows[0].ledger, LedgerKind::CarLog);
    EXPECT_EQ(odometer.rows[0].record.mark, "Tyres rotated");
    EXPECT_EQ(odometer.rows[0].record.miles, 1200);
}
