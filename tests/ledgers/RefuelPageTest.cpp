#include "LedgerFixture.h"

#include "ledgers/DlgOil.h"

using namespace platform;

class RefuelTest : public LedgerTest
{
protected:
    // A filling typed into the new-record row, column by column.
    void addFilling(CDlgOil& page, const QString& date, double odometer, double amount,
                    double price, double before = 0, double after = 0)
    {
        const int r = page.Grid()->GetRowCount() - 1;
        type(page, r, 1, date);
        type(page, page.Grid()->GetRowCount() - 2, 2, QString::number(odometer));
        const int s = page.Grid()->GetRowCount() - 2;
        type(page, s, 3, QString::number(amount));
        type(page, s, 4, QString::number(price));
        type(page, s, 6, QString::number(before));
        type(page, s, 7, QString::number(after));
    }
    QStringList column(CDlgOil& page, int c)
    {
        QStringList texts;
        for (int r = 1; r < page.Grid()->GetRowCount() - 1; ++r)
            texts << page.Grid()->GetItemText(r, c);
        return texts;
    }
};

TEST_F(RefuelTest, QuantityConsumptionAndTotals)
{
    context.m_database.Connection().Execute(
        "insert into CarProperty (CarID, FuelVolume, MeterRules) values ('CAR0001', 50, 10)");
    CDlgOil page(context);
    EXPECT_EQ(page.Caption(), "加油记录 【合计：▲加油总量 0.00 升 ▲加油金额 0.00 元】");
    show(page);
    EXPECT_EQ(page.TankVolume(), 50);
    EXPECT_EQ(page.GaugeDivisions(), 10);
    // An empty page: the estimates of row 1 (the new-record row) read "--".
    EXPECT_EQ(page.Grid()->GetItemText(1, 8), "--");
    EXPECT_EQ(page.Grid()->GetItemText(1, 9), "--");

    addFilling(page, "2024/05/01", 1000, 300, 7.5, 2, 10);
    addFilling(page, "2024/05/10", 1400, 200, 5, 4, 10);
    EXPECT_EQ(page.Grid()->GetItemText(2, 5), "40.00 升");
    EXPECT_EQ(page.Grid()->GetItemText(2, 8), "7.50  L"); // (50 / 10) * (10 - 4) * 100 / 400
    EXPECT_EQ(page.Grid()->GetItemText(1, 8), "--");
    EXPECT_EQ(page.Caption(), "加油记录 【合计：▲加油总量 80.00 升 ▲加油金额 500.00 元】");
    EXPECT_DOUBLE_EQ(context.m_costTotals.fuelVolume, 80);
    EXPECT_DOUBLE_EQ(context.m_costTotals.fuelAmount, 500);
    EXPECT_EQ(readBack("select DateTimee, Miles, Amount, Price, FuelMeter1, FuelMeter2 from Refuel "
                       "order by DateTimee"),
              (std::vector<QStringList>{{"2024/05/01", "1000.00000000", "300.00000000",
                                         "7.50000000", "2.00000000", "10.00000000"},
                                        {"2024/05/10", "1400.00000000", "200.00000000",
                                         "5.00000000", "4.00000000", "10.00000000"}}));

    // No price: no quantity; fuel from nowhere: no consumption.
    type(page, 2, 4, "0");
    EXPECT_EQ(page.Grid()->GetItemText(2, 5), "--");
    type(page, 2, 6, "12");
    EXPECT_EQ(page.Grid()->GetItemText(2, 8), "--");
    EXPECT_EQ(page.Caption(), "加油记录 【合计：▲加油总量 40.00 升 ▲加油金额 500.00 元】");
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

TEST_F(RefuelTest, CostEstimatesSumEveryEarlierFilling)
{
    CDlgOil page(context);
    show(page);
    addFilling(page, "2024/01/01", 1000, 100, 5);
    addFilling(page, "2024/02/01", 2000, 200, 5);
    addFilling(page, "2024/03/01", 3000, 300, 5);
    addFilling(page, "2024/04/01", 4000, 400, 5);
    EXPECT_EQ(column(page, 9), QStringList({"--", "￥ 0.05", "￥ 0.10", "￥ 0.15"}));

    type(page, 3, 2, "2500");
    EXPECT_EQ(column(page, 9), QStringList({"--", "￥ 0.05", "￥ 0.12", "￥ 0.15"}));
    EXPECT_EQ(readBack("select Miles from Refuel where DateTimee='2024/03/01'"),
              (std::vector<QStringList>{{"2500.00000000"}}));

    // The same figures after a reload from the file.
    page.OnCommand(ID_LEDGER_REFRESH);
    EXPECT_EQ(column(page, 9), QStringList({"--", "￥ 0.05", "￥ 0.12", "￥ 0.15"}));
    EXPECT_EQ(column(page, 2), QStringList({"1000 KM", "2000 KM", "2500 KM", "4000 KM"}));

    // A filling deleted in the middle, one added and the one after the gap
    // edited: the page shows what a reload from the file shows.
    page.Grid()->SetSelectedRange(2, 0, 2, 11);
    page.DeleteSelectedRecord();
    addFilling(page, "2024/05/01", 5000, 500, 5);
    type(page, 2, 2, "2600");
    const QStringList odometers = column(page, 2);
    const QStringList costs = column(page, 9);
    EXPECT_EQ(odometers, QStringList({"1000 KM", "2600 KM", "4000 KM", "5000 KM"}));
    page.OnCommand(ID_LEDGER_REFRESH);
    EXPECT_EQ(column(page, 2), odometers);
    EXPECT_EQ(column(page, 9), costs);

    // Deleting every record brings the totals back to zero.
    for (int i = 0; i < 4; ++i) {
        page.Grid()->SetSelectedRange(1, 0, 1, 11);
        page.DeleteSelectedRecord();
    }
    EXPECT_EQ(page.Caption(), "加油记录 【合计：▲加油总量 0.00 升 ▲加油金额 0.00 元】");
    EXPECT_EQ(readBack("select count(*) from Refuel"), (std::vector<QStringList>{{"0"}}));
}

TEST_F(RefuelTest, ALongerFilterFindsEstimatesAnEditChanged)
{
    CDlgOil page(context);
    show(page);
    for (int i = 1; i <= 4; ++i)
        addFilling(page, QString("2024/0%1/01").arg(i), 1000 * i, 100 * i, 5);
    const auto shownRows = [&page] {
        QList<int> rows;
        for (int r = 1; r <= 4; ++r)
            if (page.Grid()->IsRowShown(r))
                rows << r;
        return rows;
    };
    page.FilterBox()->setText("0.10");
    EXPECT_EQ(shownRows(), QList<int>({3}));
    // A smaller third filling brings the fourth one's estimate to ￥ 0.10.
    type(page, 3, 3, "100");
    EXPECT_EQ(column(page, 9), QStringList({"--", "￥ 0.05", "￥ 0.10", "￥ 0.10"}));
    page.FilterBox()->setText("￥ 0.10");
    EXPECT_EQ(shownRows(), QList<int>({3, 4}));
}

TEST_F(RefuelTest, GaugeDivisionsBelowOneCountAsOne)
{
    context.m_database.Connection().Execute(
        "insert into CarProperty (CarID, FuelVolume, MeterRules) values ('CAR0001', 60, 0)");
    CDlgOil page(context);
    show(page);
    EXPECT_EQ(page.GaugeDivisions(), 1);
    addFilling(page, "2024/05/01", 100, 10, 1, 0, 1);
    addFilling(page, "2024/05/02", 700, 10, 1, 0, 1);
    EXPECT_EQ(page.Grid()->GetItemText(2, 8), "10.00  L"); // 60 * 1 * 100 / 600
}

TEST_F(RefuelTest, OneFuelVolumeOnThePageAndAtStartUp)
{
    // 100 / 7.30 shows as 13.70 litres; three fillings make 41.10 on the page
    // and in the totals the program starts with, never the unrounded 41.0959.
    CDlgOil page(context);
    show(page);
    addFilling(page, "2024/05/01", 1000, 100, 7.3);
    addFilling(page, "2024/05/02", 1500, 100, 7.3);
    addFilling(page, "2024/05/03", 2000, 100, 7.3);
    EXPECT_EQ(column(page, 5), QStringList({"13.70 升", "13.70 升", "13.70 升"}));
    EXPECT_EQ(page.Caption(), "加油记录 【合计：▲加油总量 41.10 升 ▲加油金额 300.00 元】");
    EXPECT_EQ(context.m_costTotals.fuelVolume, 41.1);
    CostTotals atStart;
    context.m_database.LoadCostTotals("CAR0001", atStart);
    EXPECT_EQ(atStart.fuelVolume, 41.1);

    // A refund shows no quantity and adds no litres; its amount counts.
    type(page, 2, 3, "-50");
    EXPECT_EQ(page.Grid()->GetItemText(2, 5), "--");
    EXPECT_EQ(page.Caption(), "加油记录 【合计：▲加油总量 27.40 升 ▲加油金额 150.00 元】");
    context.m_database.LoadCostTotals("CAR0001", atStart);
    EXPECT_EQ(atStart.fuelVolume, context.m_costTotals.fuelVolume);
    EXPECT_EQ(atStart.fuelAmount, context.m_costTotals.fuelAmount);

    // An earlier amount moves every later cost estimate.
    EXPECT_EQ(column(page, 9), QStringList({"--", "￥ 0.07", "￥ 0.03"}));
    type(page, 1, 3, "1,000");
    EXPECT_EQ(column(page, 9), QStringList({"--", "￥ 0.67", "￥ 0.47"})); // 950 / 2000
    EXPECT_EQ(page.Caption(), "加油记录 【合计：▲加油总量 150.69 升 ▲加油金额 1050.00 元】");
}

TEST_F(RefuelTest, UnknownReadingsAndMissedFillingsShowNoEstimateAndPricesKeepTheirDigits)
{
    auto& connection = context.m_database.Connection();
    connection.Execute(
        "insert into CarProperty (CarID, FuelVolume, MeterRules) values ('CAR0001', 50, 10)");
    connection.Execute(
        "insert into Refuel (CarID, RecID, DateTimee, Mark, Miles, Amount, Price, FuelMeter1, "
        "FuelMeter2, Reserved1) values "
        "('CAR0001', '0000001', '2024/05/01', '', 1000, 11.21, 0.094012, 0, 0, 'nogauge'),"
        "('CAR0001', '0000002', '2024/05/10', '', 1400, 200, 5, 4, 10, 'missed'),"
        "('CAR0001', '0000003', '2024/05/20', '', 1800, 200, 5, 4, 10, '')");
    CDlgOil page(context);
    show(page);
    // Quantity, gauge before and after, consumption of each filling.
    const std::vector<QStringList> expected = {{"119.24 升", "--", "--", "--"},
                                               {"40.00 升", "4.00 格", "10.00 格", "--"},
                                               {"40.00 升", "4.00 格", "10.00 格", "7.50  L"}};
    for (int r = 1; r <= 3; ++r) {
        const QStringList texts = row(page, r);
        EXPECT_EQ((QStringList{texts[5], texts[6], texts[7], texts[8]}), expected[size_t(r - 1)]);
    }

    // The price editor opens with the six digits the file holds; confirming
    // it leaves the record as it was.
    ASSERT_TRUE(page.Grid()->EditCell(1, 4));
    EXPECT_EQ(qobject_cast<QLineEdit*>(page.Grid()->GetEditor())->text(), "0.094012");
    page.Grid()->EndEditing();
    // A reading typed into a filling whose readings were unknown makes them known.
    type(page, 1, 6, "3");
    EXPECT_EQ(readBack("select Price, FuelMeter1, Reserved1 from Refuel where RecID='0000001'"),
              (std::vector<QStringList>{{"0.09401200", "3.00000000", ""}}));
    EXPECT_EQ(page.Grid()->GetItemText(1, 6), "3.00 格");
    EXPECT_EQ(page.Grid()->GetItemText(1, 7), "0.00 格");
    EXPECT_EQ(page.Grid()->GetItemText(1, 5), "119.24 升");
}
