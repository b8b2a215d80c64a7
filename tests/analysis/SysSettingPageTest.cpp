// The analysis page as a user sees it: which bars the chart gets for each
// analysis, the month labels and sums, and the four options kept in the ledger
// context and "chart.cfg".
#include "analysis/BarChart.h"
#include "analysis/DlgSysSetting.h"
#include "platform/Clock.h"
#include "platform/MessageEvent.h"
#include "platform/StoreFailure.h"
#include "tests/support/PageContext.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/TestFiles.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace platform;

class SysSettingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // January: the bars reach back into the previous year.
        platform::SetClock([] { return QDateTime(QDate(2025, 1, 15), QTime(9, 0)); });
        ASSERT_TRUE(OpenLedger(context, folders.data() + "/CAR.mdb"));
        context.m_database.NewCar("甲");
        context.m_database.NewCar("乙");
        context.m_database.SetCurrentCar("CAR0001");
    }
    void TearDown() override { platform::SetClock({}); }

    void insert(const char* table, const QString& car, const QString& date, double amount)
    {
        context.m_database.Connection().Execute(
            QString(
                "insert into %1 (CarID, RecID, DateTimee, Amount) values ('%2', '%3', '%4', %5)")
                .arg(table, car, QString::number(++recId), date, QString::number(amount)));
    }
    static QStringList bars(const CDlgSysSetting& page)
    {
        return page.Chart()->accessibleDescription().split('\n', Qt::SkipEmptyParts);
    }
    static void showPage(CDlgSysSetting& page)
    {
        page.resize(900, 700);
        page.show();
        SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    }
    // Picks an entry of the selector as a user does: in its open list.
    static void pick(CDlgSysSetting& page, int analysis)
    {
        QComboBox* selector = page.Selector();
        selector->showPopup();
        selector->view()->setCurrentIndex(selector->model()->index(analysis, 0));
        QTest::keyClick(selector->view(), Qt::Key_Return);
    }

    TestFolders folders;
    MessageBoxRecorder boxes;
    LedgerContext context;
    int recId = 0;
};

TEST_F(SysSettingTest, MonthlyBarsFromThisMonthBack)
{
    insert("Refuel", "CAR0001", "2025/01/31", 10); // the 31st counts
    insert("Refuel", "CAR0001", "2024/12/01", 1);
    insert("Refuel", "CAR0001", "2024/12/31", 20.5);
    insert("Refuel", "CAR0001", "2024/5/3", 5);      // not zero-padded: in no month
    insert("Refuel", "CAR0002", "2025/01/02", 1000); // another car
    insert("Refuel", "CAR0001", "2024/01/20", 7);    // thirteen months back
    insert("Repair", "CAR0001", "2024/11/11", 100);
    context.m_database.Connection().Execute(
        "insert into Accessory (CarID, RecID, DateTimee, Price, Countt) values "
        "('CAR0001', '1', '2024/11/30', 33.33, 3)");
    CDlgSysSetting page(context);
    showPage(page);

    pick(page, CDlgSysSetting::RefuelMonthly);
    EXPECT_EQ(page.Chart()->Title(), "油费消耗分析");
    EXPECT_EQ(bars(page), QStringList({"1月 10.00", "2024/12 21.50", "11月 0.00", "10月 0.00",
                                       "9月 0.00", "8月 0.00", "7月 0.00", "6月 0.00", "5月 0.00",
                                       "4月 0.00", "3月 0.00", "2月 0.00"}));

    pick(page, CDlgSysSetting::AccessoryMonthly);
    EXPECT_EQ(bars(page).at(2), "11月 99.99");
    pick(page, CDlgSysSetting::AllMonthly);
    EXPECT_EQ(page.Chart()->Title(), "月度总费用分析");
    EXPECT_EQ(bars(page).mid(0, 3), QStringList({"1月 10.00", "2024/12 21.50", "11月 199.99"}));

    // Bars and pie show the same bars: nothing is read again.
    context.m_database.Connection().Execute("delete from Refuel");
    page.BarButton()->click();
    EXPECT_EQ(page.Chart()->m_pie, 0);
    page.PieButton()->click();
    EXPECT_EQ(bars(page).mid(0, 3), QStringList({"1月 10.00", "2024/12 21.50", "11月 199.99"}));
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(SysSettingTest, TotalCostByKindFromTheFile)
{
    context.m_costTotals = {1, 1, 1, 1, 1, 1, 1}; // not what the file holds
    insert("Refuel", "CAR0001", "2020/01/01", 300);
    insert("Repair", "CAR0001", "2024/06/01", 150.5);
    insert("Maintain", "CAR0001", "2024/06/02", 200);
    insert("DailyCost", "CAR0001", "2024/06/03", 20.5);
    insert("Accident", "CAR0002", "2024/06/04", 999);
    context.m_database.Connection().Execute(
        "insert into Accessory (CarID, RecID, DateTimee, Price, Countt) values "
        "('CAR0001', '1', '2024/11/30', 33.33, 3)");
    CDlgSysSetting page(context);
    EXPECT_EQ(page.Caption(), "分析统计");
    EXPECT_EQ(page.Chart()->BarCount(), 0); // nothing before the first showing
    showPage(page);
    EXPECT_EQ(page.Selector()->currentText(), "汽车总成本分析");
    EXPECT_EQ(page.Chart()->Title(), "汽车成本分析");
    EXPECT_EQ(bars(page), QStringList({"加油费用 300.00", "维修费用 150.50", "事故费用 0.00",
                                       "保养费用 200.00", "日常杂费 20.50", "爱车用品 99.99"}));
}

// Whenever the page is shown and whenever an entry is picked, the same one
// included, the chart shows the current car as the file holds it then.
TEST_F(SysSettingTest, TheChartFollowsTheCurrentCarAndTheFile)
{
    insert("Refuel", "CAR0001", "2025/01/10", 100);
    insert("Accident", "CAR0002", "2025/01/05", 300);
    CDlgSysSetting page(context);
    showPage(page);
    EXPECT_EQ(bars(page).mid(0, 3),
              QStringList({"加油费用 100.00", "维修费用 0.00", "事故费用 0.00"}));

    // Another car made current while the page is hidden.
    SendMessage(&page, WM_PAGE_SHOW, 0, 0);
    context.m_database.SetCurrentCar("CAR0002");
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    EXPECT_EQ(bars(page).mid(0, 3),
              QStringList({"加油费用 0.00", "维修费用 0.00", "事故费用 300.00"}));

    // A record added behind the page's back, then the shown entry picked again.
    insert("Accident", "CAR0002", "2025/01/20", 50);
    pick(page, CDlgSysSetting::TotalCost);
    EXPECT_EQ(bars(page).at(2), "事故费用 350.00");
    pick(page, CDlgSysSetting::AccidentMonthly);
    EXPECT_EQ(bars(page).at(0), "1月 350.00");
    insert("Accident", "CAR0002", "2024/12/24", 7);
    pick(page, CDlgSysSetting::AccidentMonthly);
    EXPECT_EQ(bars(page).mid(0, 2), QStringList({"1月 350.00", "2024/12 7.00"}));
    insert("Accident", "CAR0002", "2024/12/25", 1);
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    EXPECT_EQ(bars(page).at(1), "2024/12 8.00");

    // An index set by code is built as well, once, when the events run.
    page.Selector()->setCurrentIndex(CDlgSysSetting::RefuelMonthly);
    QCoreApplication::processEvents();
    EXPECT_EQ(page.Chart()->Title(), "油费消耗分析");
    EXPECT_EQ(bars(page).at(0), "1月 0.00");
}

// The first showing reads "chart.cfg" into the context; later ones do not.
TEST_F(SysSettingTest, OptionsComeFromChartCfgAndGoBackToTheContextAtOnce)
{
    WriteConfigFile("chart.cfg", Int32Bytes({0, 0, 1, 0})); // bars, no grid, tips, no gradient
    CDlgSysSetting page(context);
    EXPECT_TRUE(page.PieButton()->isChecked()); // the page's own start
    showPage(page);
    EXPECT_EQ(context.m_chartOptions.chartType, 0);
    EXPECT_TRUE(page.BarButton()->isChecked());
    EXPECT_FALSE(page.GridBox()->isChecked());
    EXPECT_TRUE(page.TipsBox()->isChecked());
    EXPECT_FALSE(page.GradientBox()->isChecked());
    EXPECT_EQ(page.Chart()->m_pie, 0);
    EXPECT_EQ(page.Chart()->m_grid, 0);
    EXPECT_EQ(page.Chart()->m_gradient, 0);

    page.PieButton()->click();
    page.GridBox()->click();
    page.TipsBox()->click();
    page.GradientBox()->click();
    EXPECT_EQ(context.m_chartOptions.chartType, 1);
    EXPECT_EQ(context.m_chartOptions.gridLines, 1);
    EXPECT_EQ(context.m_chartOptions.tips, 0);
    EXPECT_EQ(context.m_chartOptions.gradientFill, 1);
    EXPECT_EQ(page.Chart()->m_tips, 0);

    // Later showings read nothing again.
    WriteConfigFile("chart.cfg", Int32Bytes({0, 0, 0, 0}));
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    EXPECT_EQ(context.m_chartOptions.chartType, 1);
    EXPECT_EQ(context.m_chartOptions.tips, 0);
    EXPECT_TRUE(page.PieButton()->isChecked());
    EXPECT_TRUE(page.GridBox()->isChecked());
}

TEST_F(SysSettingTest, ALedgerThatCannotBeReadIsSaidOnceAndItsBarsStayEmpty)
{
    insert("Refuel", "CAR0001", "2025/01/10", 100);
    context.m_database.Connection().Execute("drop table Repair");
    CDlgSysSetting page(context);
    showPage(page);
    const QStringList once{ExecuteWarning("no such table: Repair")};
    EXPECT_EQ(boxes.texts(), once);

    // Twelve months of six ledgers: one message, no bar made up from the rest.
    boxes.clear();
    pick(page, CDlgSysSetting::AllMonthly);
    EXPECT_EQ(boxes.texts(), once);
    const QStringList shown = bars(page);
    ASSERT_EQ(shown.size(), 12);
    for (const QString& bar : shown)
        EXPECT_TRUE(bar.endsWith(" 0.00")) << bar.toStdString();
}

TEST_F(SysSettingTest, TabRunsLeftToRightAlongTheOptions)
{
    CDlgSysSetting page(context);
    const std::vector<QWidget*> row = {page.BarButton(), page.PieButton(),   page.GridBox(),
                                       page.TipsBox(),   page.GradientBox(), page.Selector()};
    std::vector<QWidget*> chain;
    for (QWidget* w = page.nextInFocusChain(); w != &page; w = w->nextInFocusChain())
        if (std::find(row.begin(), row.end(), w) != row.end())
            chain.push_back(w);
    EXPECT_EQ(chain, row);
}
