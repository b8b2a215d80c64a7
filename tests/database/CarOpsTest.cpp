#include "DatabaseFixture.h"

#include "database/Names.h"
#include "database/Transaction.h"

#include <QBuffer>
#include <QDateTime>
#include <sqlite3.h>

using namespace platform;

namespace {
QStringList carIds(CMyDatabase& db)
{
    std::vector<CARLIST> cars;
    db.GetCarList(cars);
    QStringList ids;
    for (const auto& car : cars)
        ids << car.carId;
    return ids;
}

QByteArray bitmapFile(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
} // namespace

TEST_F(DatabaseTest, CarsAreNumberedAfterTheHighestIdentifier)
{
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(db.NewCar(QString("car %1").arg(i + 1)));
    EXPECT_EQ(carIds(db).first(), "CAR0008");
    EXPECT_EQ(carIds(db).last(), "CAR0001");

    db.DeleteCar("CAR0002");
    ASSERT_TRUE(db.NewCar("nine"));
    EXPECT_EQ(carIds(db).first(), "CAR0009");
    db.DeleteCar("CAR0009");
    ASSERT_TRUE(db.NewCar("nine again"));
    EXPECT_EQ(carIds(db).first(), "CAR0009");
    EXPECT_EQ(readBack("select Name, Used from CarList where CarID='CAR0009'"),
              (std::vector<QStringList>{{"nine again", "NO"}}));
}

TEST_F(DatabaseTest, CarNumbersGoOnPastCAR9999)
{
    // Numbers compare as numbers; identifiers of another form take no part.
    for (const char* id : {"CAR9999", "CAR12x", "XCAR20000", "CAR0500"})
        db.Connection().Execute(QString("insert into CarList (CarID, Name, Used) values "
                                        "('%1', 'old', 'NO')")
                                    .arg(id));
    ASSERT_TRUE(db.NewCar("first"));
    ASSERT_TRUE(db.NewCar("second"));
    EXPECT_EQ(readBack("select CarID from CarList where Name<>'old' order by NO"),
              (std::vector<QStringList>{{"CAR10000"}, {"CAR10001"}}));
}

TEST_F(DatabaseTest, CurrentCarIsTheOneMarkedYes)
{
    db.NewCar("甲");
    db.NewCar("乙");
    EXPECT_EQ(db.GetCurrentCarID(), "");
    EXPECT_EQ(db.GetCurrentCarName(), "");

    db.SetCurrentCar("CAR0001");
    db.SetCurrentCar("CAR0002");
    EXPECT_EQ(db.GetCurrentCarID(), "CAR0002");
    EXPECT_EQ(db.GetCurrentCarName(), "乙");
    EXPECT_EQ(readBack("select CarID from CarList where Used='YES'"),
              (std::vector<QStringList>{{"CAR0002"}}));

    db.SetCurrentCar("CAR0099");
    EXPECT_EQ(db.GetCurrentCarID(), "");
    EXPECT_TRUE(readBack("select CarID from CarList where Used='YES'").empty());

    std::vector<CARLIST> cars;
    db.GetCarList(cars);
    ASSERT_EQ(cars.size(), 2u);
    EXPECT_EQ(cars[0].name, "乙");
    EXPECT_EQ(cars[0].used, "NO");
}

TEST_F(DatabaseTest, NamesAreStoredExactlyAsTyped)
{
    const QString tricky = QStringLiteral("O'Brien's \\ 100% \"车\" ' or '1'='1 😀");
    const QString longName = QString(1000, QChar(u'长')) + "'";
    ASSERT_TRUE(db.NewCar(tricky));
    ASSERT_TRUE(db.NewCar("plain"));
    db.RenameCar(longName, "CAR0002");
    db.SetCurrentCar("CAR0001");
    EXPECT_EQ(db.GetCurrentCarName(), tricky);
    EXPECT_EQ(readBack("select Name from CarList order by CarID"),
              (std::vector<QStringList>{{tricky}, {longName}}));
    EXPECT_TRUE(boxes.boxes().empty());

    // Trailing blanks are trimmed on reading, as every text of the ledger.
    db.RenameCar("padded   ", "CAR0002");
    db.SetCurrentCar("CAR0002");
    EXPECT_EQ(db.GetCurrentCarName(), "padded");
}

TEST_F(DatabaseTest, DeletingACarRemovesItsRowsFromEveryTable)
{
    db.NewCar("keep");
    db.NewCar("drop");
    for (const char* car : {"CAR0001", "CAR0002"}) {
        for (const char* table : {"CarProperty", "PurchaseInfo", "Refuel", "Repair", "Maintain",
                                  "Accident", "DailyCost", "CarLog", "Accessory", "InputHistory"})
            db.Connection().Execute(
                QString("insert into %1 (CarID) values ('%2')").arg(table, car));
    }
    db.SetCurrentCar("CAR0001");

    EXPECT_FALSE(db.DeleteCar("CAR0001"));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "不能删除当前正在使用的车辆！");
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);

    EXPECT_TRUE(db.DeleteCar("CAR0002"));
    for (const QString& table : db.Connection().TableNames()) {
        EXPECT_TRUE(readBack("select * from " + table + " where CarID='CAR0002'").empty())
            << table.toStdString();
        EXPECT_EQ(readBack("select * from " + table + " where CarID='CAR0001'").size(), 1u)
            << table.toStdString();
    }

    // With no current car any car can go.
    db.SetCurrentCar("none");
    EXPECT_TRUE(db.DeleteCar("CAR0001"));
    EXPECT_TRUE(readBack("select * from CarList").empty());
}

TEST_F(DatabaseTest, ProfileAndPurchaseInformationAreReadBack)
{
    db.NewCar("甲");
    CARPROPERTY property;
    property.manufacture = "unchanged";
    EXPECT_TRUE(db.GetCarProperty("CAR0001", property)); // no row: left as it was
    EXPECT_EQ(property.manufacture, "unchanged");

    db.Connection().Execute(
        "insert into CarProperty (CarID, Manufacture, VIN, FuelVolume, MeterRules, CurMiles) "
        "values ('CAR0001', '一汽  ', 'LFV''123', 55, 8, 0)");
    db.SetCurMiles("CAR0001", 12345.678);
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    ASSERT_TRUE(db.SetCarPicture("CAR0001", bmp));

    ASSERT_TRUE(db.GetCarProperty("CAR0001", property));
    EXPECT_EQ(property.manufacture, "一汽");
    EXPECT_EQ(property.vin, "LFV'123");
    EXPECT_EQ(property.fuelVolumeText, "55.00");
    EXPECT_EQ(property.meterRulesText, "8.00");
    EXPECT_EQ(property.curMilesText, "12345.68");
    EXPECT_EQ(property.picture.size(), QSize(3, 2));
    EXPECT_EQ(property.picture.pixelColor(0, 0), QColor(Qt::red));

    db.Connection().Execute(
        "insert into PurchaseInfo (CarID, BuyDate, CarPrice, LoanYears, InsuCompany) "
        "values ('CAR0001', '2020/1/5', 123456.789, 3, '平安 ')");
    PURCHASEINFO info;
    ASSERT_TRUE(db.GetPurchaseInfo("CAR0001", info));
    EXPECT_EQ(info.buyDateText, "2020/1/5");
    EXPECT_EQ(QDateTime::fromSecsSinceEpoch(info.buyDate),
              QDateTime(QDate(2020, 1, 5), QTime(0, 0)));
    EXPECT_EQ(info.carPriceText, "123456.79");
    EXPECT_EQ(info.loanYearsText, "3.00");
    EXPECT_EQ(info.buyMilesText, "0.00");
    EXPECT_EQ(info.insuCompany, "平安");
}

TEST(PurchaseDate, OnlyYearMonthDayParses)
{
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    for (const char* text : {"2021/12/31", "2021-12-31"})
        EXPECT_EQ(CMyDatabase::ParsePurchaseDate(text),
                  QDateTime(QDate(2021, 12, 31), QTime(0, 0)).toSecsSinceEpoch());
    for (const char* text : {"1900/01/01", "2021/13/01", "2021/1", "21/1/1", ""})
        EXPECT_GE(CMyDatabase::ParsePurchaseDate(text), before) << text;
}

TEST_F(DatabaseTest, ChangedAssignmentsFormOneUpdate)
{
    QString list, manufacturer = "old", price = "1.00", years = "3";
    EXPECT_FALSE(
        CMyDatabase::AppendChangedAssignment(list, manufacturer, "old", col::Manufacture, true, 0));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(CMyDatabase::AppendChangedAssignment(list, manufacturer, "It's new",
                                                     col::Manufacture, true, 0));
    EXPECT_EQ(manufacturer, "It's new");
    EXPECT_TRUE(CMyDatabase::AppendChangedAssignment(list, price, "2.123456789", col::FuelVolume,
                                                     false, 9));
    EXPECT_TRUE(
        CMyDatabase::AppendChangedAssignment(list, years, "4.6", col::MeterRules, false, -1));
    EXPECT_EQ(list, "Manufacture='It''s new',FuelVolume=2.1234568,MeterRules=5");

    db.NewCar("甲");
    db.Connection().Execute("insert into CarProperty (CarID) values ('CAR0001')");
    db.Connection().Execute("update CarProperty set " + list +
                            " where CarProperty.CarID='CAR0001'");
    EXPECT_EQ(readBack("select Manufacture, FuelVolume, MeterRules from CarProperty"),
              (std::vector<QStringList>{{"It's new", "2.12345680", "5.00000000"}}));
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(DatabaseTest, TextsThatLookLikeStatementsAreStoredAsTheyAre)
{
    const QString withNul = QStringLiteral("前") + QChar(u'\0') + QStringLiteral("后");
    const QString drop = QStringLiteral("x'; drop table CarList; --");
    ASSERT_TRUE(db.NewCar(withNul));
    ASSERT_TRUE(db.NewCar(QStringLiteral("乙")));
    db.RenameCar(drop, "CAR0002");
    for (const char* car : {"CAR0001", "CAR0002"})
        db.Connection().Execute(
            QString("insert into CarProperty (CarID, CurMiles) values ('%1', 1)").arg(car));
    db.SetCurrentCar("CAR0001");
    db.SetCurMiles("CAR0002", 2.675); // stored as shown: 2.67

    // Identifiers that would widen or end a condition match no car.
    for (const QString& car : {QStringLiteral("x' or '1'='1"), drop}) {
        db.RenameCar("renamed", car);
        db.SetCurMiles(car, 5);
        EXPECT_TRUE(db.DeleteCar(car));
    }

    EXPECT_EQ(readBack("select CarID, Name, Used from CarList order by CarID"),
              (std::vector<QStringList>{{"CAR0001", withNul, "YES"}, {"CAR0002", drop, "NO"}}));
    EXPECT_EQ(readBack("select CarID, CurMiles from CarProperty order by CarID"),
              (std::vector<QStringList>{{"CAR0001", "1.00000000"}, {"CAR0002", "2.67000000"}}));
    EXPECT_EQ(db.Connection().TableNames().size(), 11);
    EXPECT_EQ(db.GetCurrentCarName(), withNul);
    std::vector<CARLIST> cars;
    db.GetCarList(cars);
    ASSERT_EQ(cars.size(), 2u);
    EXPECT_EQ(cars[0].name, drop);
    EXPECT_EQ(cars[1].name, withNul);
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

TEST_F(DatabaseTest, PictureTheLedgerCannotHoldLeavesTheStoredOne)
{
    db.NewCar("甲");
    db.Connection().Execute("insert into CarProperty (CarID) values ('CAR0001')");
    ASSERT_TRUE(db.SetCarPicture("CAR0001", bitmapFile(3, 2)));
    sqlite3_limit(db.Connection().handle(), SQLITE_LIMIT_LENGTH, 4096);

    EXPECT_FALSE(db.SetCarPicture("CAR0001", bitmapFile(64, 64)));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("修改没有保存。\nWarning: Execute 方法发生异常. 错误信息: string or "
                             "blob too big; 文件: .\\database\\ExtAdo; 行: 526\n"));
    EXPECT_EQ(boxes.boxes()[0].caption, "Orvyn");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(readBack("select length(Picture) from CarProperty"),
              (std::vector<QStringList>{{QString::number(bitmapFile(3, 2).size())}}));
}

TEST_F(DatabaseTest, CarOperationsInATransactionShowAtMostOneFailure)
{
    db.NewCar("甲");
    CAdoConnection& c = db.Connection();
    c.Execute("CREATE TRIGGER refuse BEFORE UPDATE ON CarList BEGIN SELECT RAISE(ABORT, "
              "'refused'); END");
    {
        CTransaction transaction(c);
        db.RenameCar("乙", "CAR0001");
        db.SetCurrentCar("CAR0001");
        db.SetCurMiles("CAR0001", 1); // no row: changes nothing, fails nothing
    }
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("修改没有保存。\nWarning: Execute 方法发生异常. 错误信息: refused; "
                             "文件: .\\database\\ExtAdo; 行: 526\n"));
    {
        // The caller of a quiet transaction reports the failure itself.
        CTransaction transaction(c, CTransaction::Quiet);
        db.SetCurrentCar("CAR0001");
        EXPECT_EQ(c.LastError().message, "refused");
    }
    EXPECT_EQ(boxes.boxes().size(), 1u);

    db.RenameCar("乙", "CAR0001"); // outside a transaction every failure is shown
    EXPECT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(readBack("select Name, Used from CarList"), (std::vector<QStringList>{{"甲", "NO"}}));
}

TEST_F(DatabaseTest, AnUpdateWritesOnlyTheChangedColumns)
{
    db.NewCar("甲");
    db.Connection().Execute("insert into CarProperty (CarID, Manufacture, CarType, FuelVolume, "
                            "MeterRules) values ('CAR0001', '一汽', '高尔夫', 55, 8)");
    db.Connection().Execute(
        "insert into CarProperty (CarID, Manufacture) values ('CAR0002', '别车')");
    CARPROPERTY p;
    ASSERT_TRUE(db.GetCarProperty("CAR0001", p));
    // Changed behind the record's back: only a write of that column would undo it.
    db.Connection().Execute("update CarProperty set CarType='别处改的'");

    CCarRowChanges unchanged;
    EXPECT_FALSE(unchanged.Text(p.carType, "高尔夫", col::CarType));
    EXPECT_FALSE(unchanged.Number(p.fuelVolumeText, "55.00", 55, col::FuelVolume));
    EXPECT_TRUE(unchanged.IsEmpty());
    EXPECT_TRUE(db.UpdateCarRow(tbl::CarProperty, "CAR0001", unchanged));

    CCarRowChanges changes;
    EXPECT_TRUE(changes.Text(p.manufacture, "It's 新", col::Manufacture));
    EXPECT_TRUE(changes.Number(p.meterRulesText, "１２,345", 12345.678, col::MeterRules));
    EXPECT_EQ(p.manufacture, "It's 新");
    EXPECT_EQ(p.meterRulesText, "１２,345");
    ASSERT_TRUE(db.UpdateCarRow(tbl::CarProperty, "CAR0001", changes));
    EXPECT_EQ(readBack("select CarID, Manufacture, CarType, FuelVolume, MeterRules "
                       "from CarProperty order by CarID"),
              (std::vector<QStringList>{
                  {"CAR0001", "It's 新", "别处改的", "55.00000000", "12345.68000000"},
                  {"CAR0002", "别车", "别处改的", "", ""}}));
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

TEST_F(DatabaseTest, RefusedProfileWritesAreReportedAndChangeNothing)
{
    db.NewCar("甲");
    db.Connection().Execute(
        "insert into PurchaseInfo (CarID, InsuCompany) values ('CAR0001', '人保')");
    db.Connection().Execute("PRAGMA query_only=1");
    EXPECT_FALSE(db.InsertCarProperty("CAR0001", CARPROPERTY(), bitmapFile(2, 1)));
    PURCHASEINFO info;
    ASSERT_TRUE(db.GetPurchaseInfo("CAR0001", info));
    CCarRowChanges changes;
    changes.Text(info.insuCompany, "平安", col::InsuCompany);
    EXPECT_FALSE(db.UpdateCarRow(tbl::PurchaseInfo, "CAR0001", changes));
    EXPECT_EQ(boxes.texts(), (QStringList{"修改没有保存：账本文件是只读的，无法写入。",
                                          "修改没有保存：账本文件是只读的，无法写入。"}));
    EXPECT_TRUE(readBack("select * from CarProperty").empty());
    EXPECT_EQ(readBack("select InsuCompany from PurchaseInfo"),
              (std::vector<QStringList>{{"人保"}}));

    // A failed query gives no answer rather than "no row".
    db.Connection().Execute("PRAGMA query_only=0");
    db.Connection().Execute("drop table PurchaseInfo");
    boxes.clear();
    EXPECT_EQ(db.HasCarRow(tbl::PurchaseInfo, "CAR0001"), std::nullopt);
    EXPECT_EQ(boxes.boxes().size(), 1u);
}
