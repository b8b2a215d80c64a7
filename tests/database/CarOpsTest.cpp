#include "DatabaseFixture.h"

#include "database/Names.h"
#include "database/Transaction.h"

#include <QBuffer>
#include <QDateTime>
#include <functional>
#include <optional>
#include <sqlite3.h>

namespace {
QStringList carIds(CMyDatabase& db)
{
    QStringList ids;
    for (const auto& car : Value(db.GetCarList()))
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

    ASSERT_TRUE(Succeeded(db.DeleteCar("CAR0002")));
    EXPECT_EQ(Value(db.NewCar("nine")), "CAR0009");
    ASSERT_TRUE(Succeeded(db.DeleteCar("CAR0009")));
    EXPECT_EQ(Value(db.NewCar("nine again")), "CAR0009");
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
    EXPECT_EQ(Value(db.GetCurrentCarID()), "");
    EXPECT_EQ(Value(db.GetCurrentCarName()), "");

    ASSERT_TRUE(Succeeded(db.SetCurrentCar("CAR0001")));
    ASSERT_TRUE(Succeeded(db.SetCurrentCar("CAR0002")));
    EXPECT_EQ(Value(db.GetCurrentCarID()), "CAR0002");
    EXPECT_EQ(Value(db.GetCurrentCarName()), "乙");
    EXPECT_EQ(readBack("select CarID from CarList where Used='YES'"),
              (std::vector<QStringList>{{"CAR0002"}}));

    EXPECT_TRUE(Succeeded(db.SetCurrentCar("CAR0099")));
    EXPECT_EQ(Value(db.GetCurrentCarID()), "");
    EXPECT_TRUE(readBack("select CarID from CarList where Used='YES'").empty());

    const std::vector<CARLIST> cars = Value(db.GetCarList());
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
    ASSERT_TRUE(Succeeded(db.RenameCar(longName, "CAR0002")));
    db.SetCurrentCar("CAR0001");
    EXPECT_EQ(Value(db.GetCurrentCarName()), tricky);
    EXPECT_EQ(readBack("select Name from CarList order by CarID"),
              (std::vector<QStringList>{{tricky}, {longName}}));

    // Trailing blanks are trimmed on reading, as every text of the ledger.
    db.RenameCar("padded   ", "CAR0002");
    db.SetCurrentCar("CAR0002");
    EXPECT_EQ(Value(db.GetCurrentCarName()), "padded");
}

TEST_F(DatabaseTest, DeletingACarRemovesItsRowsFromEveryTable)
{
    db.NewCar("keep");
    db.NewCar("drop");
    for (const char* car : {"CAR0001", "CAR0002"}) {
        for (const char* table :
             {"CarProperty", "PurchaseInfo", "Refuel", "Repair", "Maintain", "Accident",
              "DailyCost", "CarLog", "Accessory", "InputHistory", "CareReminder"})
            db.Connection().Execute(
                QString("insert into %1 (CarID) values ('%2')").arg(table, car));
    }
    db.SetCurrentCar("CAR0001");

    EXPECT_EQ(db.DeleteCar("CAR0001").code, store::kCurrentCar);

    EXPECT_TRUE(Succeeded(db.DeleteCar("CAR0002")));
    for (const QString& table : db.Connection().TableNames()) {
        EXPECT_TRUE(readBack("select * from " + table + " where CarID='CAR0002'").empty())
            << table.toStdString();
        EXPECT_EQ(readBack("select * from " + table + " where CarID='CAR0001'").size(), 1u)
            << table.toStdString();
    }

    // With no current car any car can go.
    db.SetCurrentCar("none");
    EXPECT_TRUE(Succeeded(db.DeleteCar("CAR0001")));
    EXPECT_TRUE(readBack("select * from CarList").empty());
}

TEST_F(DatabaseTest, ProfileAndPurchaseInformationAreReadBack)
{
    db.NewCar("甲");
    CARPROPERTY property;
    property.manufacture = "unchanged";
    EXPECT_TRUE(Succeeded(db.GetCarProperty("CAR0001", property))); // no row: left as it was
    EXPECT_EQ(property.manufacture, "unchanged");

    db.Connection().Execute(
        "insert into CarProperty (CarID, Manufacture, VIN, FuelVolume, MeterRules, CurMiles) "
        "values ('CAR0001', '一汽  ', 'LFV''123', 55, 8, 0)");
    ASSERT_TRUE(Succeeded(db.SetCurMiles("CAR0001", 12345.678)));
    ASSERT_TRUE(Succeeded(db.SetCarPicture("CAR0001", bitmapFile(3, 2))));

    ASSERT_TRUE(Succeeded(db.GetCarProperty("CAR0001", property)));
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
    ASSERT_TRUE(Succeeded(db.GetPurchaseInfo("CAR0001", info)));
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
        EXPECT_TRUE(Succeeded(db.RenameCar("renamed", car)));
        EXPECT_TRUE(Succeeded(db.SetCurMiles(car, 5)));
        EXPECT_TRUE(Succeeded(db.DeleteCar(car)));
    }

    EXPECT_EQ(readBack("select CarID, Name, Used from CarList order by CarID"),
              (std::vector<QStringList>{{"CAR0001", withNul, "YES"}, {"CAR0002", drop, "NO"}}));
    EXPECT_EQ(readBack("select CarID, CurMiles from CarProperty order by CarID"),
              (std::vector<QStringList>{{"CAR0001", "1.00000000"}, {"CAR0002", "2.67000000"}}));
    EXPECT_EQ(db.Connection().TableNames().size(), 12);
    EXPECT_EQ(Value(db.GetCurrentCarName()), withNul);
    const std::vector<CARLIST> cars = Value(db.GetCarList());
    ASSERT_EQ(cars.size(), 2u);
    EXPECT_EQ(cars[0].name, drop);
    EXPECT_EQ(cars[1].name, withNul);
}

TEST_F(DatabaseTest, PictureTheLedgerCannotHoldLeavesTheStoredOne)
{
    db.NewCar("甲");
    db.Connection().Execute("insert into CarProperty (CarID) values ('CAR0001')");
    ASSERT_TRUE(Succeeded(db.SetCarPicture("CAR0001", bitmapFile(3, 2))));
    sqlite3_limit(db.Connection().handle(), SQLITE_LIMIT_LENGTH, 4096);

    const SqlStatus refused = db.SetCarPicture("CAR0001", bitmapFile(64, 64));
    EXPECT_EQ(refused.code, SQLITE_TOOBIG);
    EXPECT_EQ(refused.message, "string or blob too big");
    EXPECT_TRUE(refused.writing);
    EXPECT_EQ(readBack("select length(Picture) from CarProperty"),
              (std::vector<QStringList>{{QString::number(bitmapFile(3, 2).size())}}));
}

// A refused write answers the refusal, alone or inside a caller's transaction.
TEST_F(DatabaseTest, RefusedCarWritesAnswerTheRefusalAndChangeNothing)
{
    db.NewCar("甲");
    CAdoConnection& c = db.Connection();
    c.Execute("CREATE TRIGGER refuse BEFORE UPDATE ON CarList BEGIN SELECT RAISE(ABORT, "
              "'refused'); END");
    const std::vector<std::pair<const char*, std::function<SqlStatus()>>> writes = {
        {"rename", [&] { return db.RenameCar("乙", "CAR0001"); }},
        {"current car", [&] { return db.SetCurrentCar("CAR0001"); }},
    };
    for (const bool inTransaction : {true, false})
        for (const auto& [name, write] : writes) {
            SCOPED_TRACE(name);
            std::optional<CTransaction> transaction;
            if (inTransaction)
                transaction.emplace(c);
            const SqlStatus refused = write();
            EXPECT_EQ(refused.code, SQLITE_CONSTRAINT_TRIGGER);
            EXPECT_EQ(refused.message, "refused");
            EXPECT_TRUE(refused.writing);
        }
    EXPECT_TRUE(Succeeded(db.SetCurMiles("CAR0001", 1))); // no row: changes nothing, fails nothing
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
    ASSERT_TRUE(Succeeded(db.GetCarProperty("CAR0001", p)));
    // Changed behind the record's back: only a write of that column would undo it.
    db.Connection().Execute("update CarProperty set CarType='别处改的'");

    CCarRowChanges unchanged;
    EXPECT_FALSE(unchanged.Text(p.carType, "高尔夫", col::CarType));
    EXPECT_FALSE(unchanged.Number(p.fuelVolumeText, "55.00", 55, col::FuelVolume));
    EXPECT_TRUE(unchanged.IsEmpty());
    EXPECT_TRUE(Succeeded(db.UpdateCarRow(CarTable::Property, "CAR0001", unchanged)));

    CCarRowChanges changes;
    EXPECT_TRUE(changes.Text(p.manufacture, "It's 新", col::Manufacture));
    EXPECT_TRUE(changes.Number(p.meterRulesText, "１２,345", 12345.678, col::MeterRules));
    EXPECT_EQ(p.manufacture, "It's 新");
    EXPECT_EQ(p.meterRulesText, "１２,345");
    ASSERT_TRUE(Succeeded(db.UpdateCarRow(CarTable::Property, "CAR0001", changes)));
    EXPECT_EQ(readBack("select CarID, Manufacture, CarType, FuelVolume, MeterRules "
                       "from CarProperty order by CarID"),
              (std::vector<QStringList>{
                  {"CAR0001", "It's 新", "别处改的", "55.00000000", "12345.68000000"},
                  {"CAR0002", "别车", "别处改的", "", ""}}));
}

TEST_F(DatabaseTest, RefusedProfileWritesAnswerTheCauseAndChangeNothing)
{
    db.NewCar("甲");
    db.Connection().Execute(
        "insert into PurchaseInfo (CarID, InsuCompany) values ('CAR0001', '人保')");
    db.Connection().Execute("PRAGMA query_only=1");
    PURCHASEINFO info;
    ASSERT_TRUE(Succeeded(db.GetPurchaseInfo("CAR0001", info)));
    CCarRowChanges changes;
    changes.Text(info.insuCompany, "平安", col::InsuCompany);
    for (const SqlStatus& refused :
         {db.InsertCarProperty("CAR0001", CARPROPERTY(), bitmapFile(2, 1)),
          db.UpdateCarRow(CarTable::Purchase, "CAR0001", changes)})
        EXPECT_EQ(StorageFaultMessage(refused.code, refused.writing),
                  "修改没有保存：账本文件是只读的，无法写入。");
    EXPECT_TRUE(readBack("select * from CarProperty").empty());
    EXPECT_EQ(readBack("select InsuCompany from PurchaseInfo"),
              (std::vector<QStringList>{{"人保"}}));

    // A failed query gives no answer rather than "no row".
    db.Connection().Execute("PRAGMA query_only=0");
    db.Connection().Execute("drop table PurchaseInfo");
    const Expected<bool> row = db.HasCarRow(CarTable::Purchase, "CAR0001");
    ASSERT_FALSE(row.has_value());
    EXPECT_EQ(row.error().code, SQLITE_ERROR);
    EXPECT_FALSE(row.error().writing);
}
