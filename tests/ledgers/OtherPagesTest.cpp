#include "LedgerFixture.h"

#include "ledgers/DlgAccessory.h"
#include "ledgers/DlgCarLog.h"
#include "ledgers/DlgDayCost.h"
#include "ledgers/DlgMaintain.h"
#include "ledgers/DlgRepair.h"

using namespace platform;

TEST_F(LedgerTest, AccessoryTotals)
{
    CDlgAccessory page(context);
    show(page);
    type(page, 1, 3, "脚垫");
    type(page, 1, 4, "12.5");
    type(page, 1, 5, "4");
    EXPECT_EQ(page.Grid()->GetItemText(1, 6), "￥ 50.00");
    EXPECT_EQ(page.Caption(), "汽车用品 【合计：▲总金额 50.00 元】");
    EXPECT_DOUBLE_EQ(context.m_costTotals.accessory, 50);

    type(page, 2, 4, "10");
    // A count is a whole number: the cell, the row total and the caption show
    // the count the file holds.
    type(page, 2, 5, "2.5");
    EXPECT_EQ(page.Grid()->GetItemText(2, 5), "3");
    EXPECT_EQ(page.Grid()->GetItemText(2, 6), "￥ 30.00");
    EXPECT_EQ(page.Caption(), "汽车用品 【合计：▲总金额 80.00 元】");
    EXPECT_DOUBLE_EQ(context.m_costTotals.accessory, 80);
    EXPECT_EQ(readBack("select Name, Price, Countt from Accessory order by NO"),
              (std::vector<QStringList>{{"脚垫", "12.50000000", "4.00000000"},
                                        {"", "10.00000000", "3.00000000"}}));
}

TEST_F(LedgerTest, CostPagesTotalAfterEveryEdit)
{
    CDlgDayCost page(context);
    EXPECT_EQ(page.Caption(), "日常杂费 【合计：▲总金额 0.00 元】");
    show(page);
    type(page, 1, 3, "15");
    type(page, 2, 3, "5.5");
    EXPECT_EQ(page.Caption(), "日常杂费 【合计：▲总金额 20.50 元】");
    EXPECT_DOUBLE_EQ(context.m_costTotals.dailyCost, 20.5);
    for (int i = 0; i < 2; ++i) {
        page.Grid()->SetSelectedRange(1, 0, 1, 6);
        page.DeleteSelectedRecord();
    }
    EXPECT_EQ(page.Caption(), "日常杂费 【合计：▲总金额 0.00 元】");
    EXPECT_EQ(context.m_costTotals.dailyCost, 0.0);

    CDlgCarLog log(context);
    show(log);
    type(log, 1, 3, "洗车");
    type(log, 1, 2, "12345.6");
    EXPECT_EQ(log.Grid()->GetItemText(1, 2), "12346 KM");
    EXPECT_EQ(log.Caption(), "爱车日志");
    // What is stored is what the grid shows.
    EXPECT_EQ(readBack("select Mark, Miles from CarLog"),
              (std::vector<QStringList>{{"洗车", "12346.00000000"}}));
}

TEST_F(LedgerTest, RememberedEntriesPerCarAndClass)
{
    CDlgMaintain page(context);
    show(page);
    type(page, 1, 5, "张三's 修理厂");
    type(page, 2, 5, "A 店");
    type(page, 3, 5, "A 店"); // known already: nothing new
    EXPECT_EQ(readBack("select CarID, Content, ClassName, ClassID from InputHistory order by NO"),
              (std::vector<QStringList>{{"CAR0001", "张三's 修理厂", "汽车服务商", "2"},
                                        {"CAR0001", "A 店", "汽车服务商", "2"}}));

    // The next provider cell offers them, sorted.
    ASSERT_TRUE(page.Grid()->EditCell(4, 5));
    auto* combo = qobject_cast<QComboBox*>(page.Grid()->GetEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    QStringList offered;
    for (int i = 0; i < combo->count(); ++i)
        offered << combo->itemText(i);
    EXPECT_EQ(offered, QStringList({"A 店", "张三's 修理厂"}));
    page.Grid()->EndEditing();

    // Not on the repair page, and not for another car.
    CDlgRepair repair(context);
    show(repair);
    ASSERT_TRUE(repair.Grid()->EditCell(1, 5));
    EXPECT_NE(qobject_cast<QLineEdit*>(repair.Grid()->GetEditor()), nullptr);
    repair.Grid()->EndEditing();

    context.m_database.SetCurrentCar("CAR0002");
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    ASSERT_TRUE(page.Grid()->EditCell(1, 5));
    combo = qobject_cast<QComboBox*>(page.Grid()->GetEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 0);
    page.Grid()->EndEditing();
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

TEST_F(LedgerTest, HiddenOdometerWidensTheLastColumn)
{
    CDlgRepair page(context);
    show(page, 1008); // grid 1000 wide
    const int odometer = page.Grid()->GetColumnWidth(2), last = page.Grid()->GetColumnWidth(6);
    EXPECT_GE(odometer, 75);
    context.OdometerColumnMask = 0x3F & ~0x01;
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    EXPECT_EQ(page.Grid()->GetColumnWidth(2), 0);
    EXPECT_EQ(page.Grid()->GetColumnWidth(6), last + odometer);
}

TEST_F(LedgerTest, ReadingsAboveTheOdometerMoveIt)
{
    context.m_database.Connection().Execute(
        "insert into CarProperty (CarID, CurMiles) values ('CAR0001', 1000)");
    std::vector<std::tuple<QString, double, double>> raised;
    context.OdometerRaised = [&raised](const QString& car, double from, double to) {
        raised.emplace_back(car, from, to);
    };
    CDlgCarLog page(context);
    show(page);
    const int odometer = page.Info().columnOf(LedgerField::Miles);
    struct Step
    {
        int row; // 0: the new-record row
        const char* typed;
        bool follow;
        const char* stored;
    };
    const Step steps[] = {
        {0, "2400", true, "2400.00000000"},  // a new record above the reading
        {0, "1800", true, "2400.00000000"},  // below it: kept
        {2, "2500", true, "2500.00000000"},  // an edited reading
        {0, "3000", false, "2500.00000000"}, // the setting off
    };
    for (const Step& step : steps) {
        context.OdometerFollowsRecords = step.follow;
        const int row = step.row ? step.row : page.Grid()->GetRowCount() - 1;
        type(page, row, odometer, step.typed);
        EXPECT_EQ(readBack("select CurMiles from CarProperty"),
                  (std::vector<QStringList>{{step.stored}}))
            << step.typed;
    }
    EXPECT_TRUE(context.OdometerSchemeDue);

    // A car whose profile was never applied gets a row with the reading.
    context.OdometerFollowsRecords = true;
    context.m_database.SetCurrentCar("CAR0002");
    platform::SendMessage(&page, platform::WM_PAGE_SHOW, 0, 1);
    type(page, page.Grid()->GetRowCount() - 1, odometer, "700");
    EXPECT_EQ(
        readBack("select CarID, CurMiles from CarProperty order by CarID"),
        (std::vector<QStringList>{{"CAR0001", "2500.00000000"}, {"CAR0002", "700.00000000"}}));
    using Raise = std::tuple<QString, double, double>;
    EXPECT_EQ(raised, (std::vector<Raise>{Raise{"CAR0001", 1000, 2400},
                                          Raise{"CAR0001", 2400, 2500}, Raise{"CAR0002", 0, 700}}));
}
