#include "DatabaseFixture.h"

#include "database/DataCheck.h"

namespace {

const QDate kToday(2024, 5, 20);

} // namespace

// One planted fault of each kind, beside records that are right, across two
// cars and every ledger with a reading.
TEST_F(DatabaseTest, CheckFindsEachPlantedFaultAndNothingElse)
{
    db.NewCar("甲");
    db.NewCar("乙");
    auto& c = db.Connection();
    c.Execute("insert into CarProperty (CarID, FuelVolume) values ('CAR0001', 50)");
    // A clean ledger first: readings rise across ledgers (the same day may
    // hold them in any order), fillings fit the tank, gauges rise.
    c.Execute("insert into Refuel (CarID, RecID, DateTimee, Miles, Amount, Price, FuelMeter1, "
              "FuelMeter2, Reserved1) values "
              "('CAR0001', '0000001', '2024/01/05', 1000, 300, 7.5, 2, 8, ''),"
              "('CAR0001', '0000002', '2024/02/05', 1600, 300, 7.5, 0, 0, 'nogauge'),"
              "('CAR0002', '0000003', '2024/01/05', 50, 800, 8, 1, 9, '')");
    c.Execute("insert into Maintain (CarID, RecID, DateTimee, Miles, Amount) values "
              "('CAR0001', '0000001', '2024/02/05', 1500, 200),"
              "('CAR0001', '0000002', '2024/03/01', 0, 90)");
    c.Execute(
        "insert into CarLog (CarID, RecID, DateTimee, Miles) values "
        "('CAR0001', '0000001', '2024/03/02', 1700), ('CAR0001', '0000002', '2024/03/02', 1700)");
    std::vector<CheckFinding> findings;
    ASSERT_TRUE(Succeeded(CheckLedgerData(db, kToday, findings)));
    EXPECT_TRUE(findings.empty()) << CheckFindingText(findings.front()).toStdString();

    c.Execute("insert into Refuel (CarID, RecID, DateTimee, Miles, Amount, Price, FuelMeter1, "
              "FuelMeter2, Reserved1) values "
              "('CAR0001', '0000004', '2024/02/10', 1550, 300, 7.5, 2, 8, ''),"
              "('CAR0001', '0000005', '2024/03/10', 1800, 120, 7.5, 6, 4, ''),"
              "('CAR0001', '0000006', '2024/03/20', 1900, 450, 7.5, 1, 9, ''),"
              "('CAR0001', '0000007', '2024/03/25', 2000, 100, 0, 1, 9, ''),"
              "('CAR0001', '0000008', '2024/05/21', 2100, 100, 7.5, 1, 9, '')");
    c.Execute("insert into Repair (CarID, RecID, DateTimee, Miles, Amount) values "
              "('CAR0001', '0000001', '2024/04/01', 2050, 60),"
              "('CAR0001', '0000002', '2024/04/01', 2050, 60),"
              "('CAR0009', '0000003', '2024/04/01', 10, 60)");
    ASSERT_TRUE(Succeeded(CheckLedgerData(db, kToday, findings)));
    QStringList texts;
    for (const CheckFinding& f : findings)
        texts << CheckFindingText(f);
    EXPECT_EQ(
        texts,
        QStringList({
            "【甲】加油记录 0000004（2024/02/10）：里程 1550 公里小于此前 2024/02/05 加油记录 "
            "0000002 的 1600 公里",
            "【甲】加油记录 0000005（2024/03/10）：加后油表 4.00 格低于加前油表 6.00 格",
            "【甲】加油记录 0000006（2024/03/20）：加油量 60.00 升大于油箱容积 50.00 升",
            "【甲】加油记录 0000007（2024/03/25）：有金额 100.00 元，单价却是 0",
            "【甲】加油记录 0000008（2024/05/21）：日期在今天之后",
            "【甲】维修记录 0000002（2024/04/01）：与另一条记录的日期、里程和金额都相同",
            "【CAR0009】维修记录 0000003（2024/04/01）：车辆 CAR0009 已不存在",
        }))
        << texts.join('\n').toStdString();
    EXPECT_EQ(findings.front().fault, CheckFault::OdometerBackwards);
    EXPECT_EQ(findings.back().carName, "");
    // The check only reads.
    EXPECT_EQ(readBack("select count(*) from Refuel"), (std::vector<QStringList>{{"8"}}));
}
