// The vehicle summary page as a user sees it: the figures in the grid, the
// odometer display and the new-reading entry, and the ledger file read back.
#include "analysis/DlgBaseInfo.h"
#include "analysis/MileageEntry.h"
#include "controls/DigitStatic.h"
#include "controls/GridCtrl.h"
#include "controls/HoverButton.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/MessageEvent.h"
#include "tests/support/PageContext.h"
#include "tests/support/ReadBack.h"
#include "tests/support/TestEnvironment.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

class BaseInfoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::SetClock([] { return QDateTime(QDate(2024, 5, 20), QTime(15, 0)); });
        path = folders.data() + "/CAR.mdb";
        ASSERT_TRUE(OpenLedger(context, path));
        context.m_database.NewCar("甲");
        context.m_database.SetCurrentCar("CAR0001");
    }
    void TearDown() override { platform::SetClock({}); }

    QStringList values(CDlgBaseInfo& page)
    {
        QStringList texts;
        for (int r = 0; r < CDlgBaseInfo::kRows; ++r)
            texts << page.Grid()->GetItemText(r, 1);
        return texts;
    }
    // Types a new reading the way the page offers it and presses Enter.
    void enterReading(CDlgBaseInfo& page, const QString& text)
    {
        page.EditButton()->click();
        ASSERT_TRUE(page.NewMilesEdit()->isVisibleTo(&page));
        page.NewMilesEdit()->insert(text); // as an input method commits it
        QTest::keyClick(page.NewMilesEdit(), Qt::Key_Return);
    }
    QString storedMiles()
    {
        const auto rows = ReadBack(path, "select CurMiles from CarProperty where CarID='CAR0001'");
        return rows.empty() ? QString() : rows[0][0];
    }

    TestFolders folders;
    MessageBoxRecorder boxes;
    QString path;
    LedgerContext context;
};

TEST_F(BaseInfoTest, ACarWithoutRecordsOrPurchase)
{
    CDlgBaseInfo page(context);
    page.resize(900, 700);
    page.show();
    EXPECT_EQ(page.Caption(), "基本信息");
    EXPECT_EQ(page.Display()->Text(), "0");
    EXPECT_EQ(values(page),
              QStringList({"统计信息", "",        "",        "",        "",        "",
                           "",         "0 天",    "0 公里",  "0.00 升", "",        "￥ 0.00",
                           "￥ 0.00",  "￥ 0.00", "￥ 0.00", "￥ 0.00", "￥ 0.00", "￥ 0.00",
                           "￥ 0.00",  "",        "--",      "--",      "--",      "--"}));
    EXPECT_EQ(page.Grid()->GetItemText(18, 0), "费用合计");
    EXPECT_EQ(page.Grid()->GetItemFgColour(18, 1), RGB(192, 0, 0));
    // The grid's columns follow the page when it is wider than 508 pixels.
    EXPECT_EQ(page.Grid()->GetColumnWidth(0), 180);
    EXPECT_EQ(page.Grid()->GetColumnWidth(1), 900 - 8 - 205);
    page.resize(508, 600);
    EXPECT_EQ(page.Grid()->GetColumnWidth(1), 900 - 8 - 205);
    // First shown narrower (twice the scale on a small screen), the columns
    // are still readable.
    CDlgBaseInfo narrow(context);
    narrow.resize(400, 600);
    narrow.show();
    EXPECT_EQ(narrow.Grid()->GetColumnWidth(0), 180);
    EXPECT_EQ(narrow.Grid()->GetColumnWidth(1), 180);
}

// The page as the main window lays it out at its design sizes (900 x 800 on a
// 1280 x 1024 screen, 900 x 700 and 800 x 600 on smaller ones), drawn with the
// faces the program uses: every row shows whole, without scrolling.
TEST_F(BaseInfoTest, AllRowsShowInTheMainWindow)
{
    platform::RegisterFontSubstitutions();
    for (const QSize window : {QSize(900, 800), QSize(900, 700), QSize(800, 600)}) {
        // The page lies 6 pixels inside the view right of the navigation
        // column; the menu bar takes at most 30 pixels above the view.
        const QSize pageSize = window - QSize(168 + 6, 30 + 12);
        CDlgBaseInfo page(context);
        page.resize(pageSize);
        page.show();
        QCoreApplication::processEvents();
        CGridCtrl* grid = page.Grid();
        EXPECT_EQ(grid->verticalScrollBar()->maximum(), 0) << window.height();
        const int lastRow = grid->rowViewportPosition(CDlgBaseInfo::kRows - 2) +
                            grid->rowHeight(CDlgBaseInfo::kRows - 2);
        EXPECT_LE(lastRow, grid->viewport()->height()) << window.height();
        for (int r = 0; r < CDlgBaseInfo::kRows; ++r)
            for (int c = 0; c < 2; ++c)
                EXPECT_GE(grid->GetRowHeight(r), QFontMetrics(grid->GetItemFont(r, c)).height())
                    << r;
    }
}

TEST_F(BaseInfoTest, AFullCarFigureByFigure)
{
    context.m_database.Connection().Execute(
        "insert into CarProperty (CarID, CarType, MotorID, CarNo, CurMiles) values "
        "('CAR0001', '卡罗拉 1.8', 'M-4471', '京A·12345', 12345)");
    context.m_database.Connection().Execute(
        "insert into PurchaseInfo (CarID, BuyDate, CarPrice, CarTax, CarLicense, InsuAmount) "
        "values ('CAR0001', '2023/05/20', 100000, 8547.009, 500, 3456.78)");
    context.m_costTotals.fuelVolume = 41.1;
    context.m_costTotals.fuelAmount = 300;
    context.m_costTotals.maintain = 200;
    context.m_costTotals.repair = 150.5;
    context.m_costTotals.accessory = 99.99;
    context.m_costTotals.dailyCost = 20.5;
    CDlgBaseInfo page(context);
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    // 366 days; a total of 112503.79 + 770.99 = 113274.78.
    EXPECT_EQ(values(page), QStringList({"统计信息",
                                         "",
                                         "卡罗拉 1.8",
                                         "M-4471",
                                         "京A·12345",
                                         "2023/05/20",
                                         "",
                                         "366 天",
                                         "12345 公里",
                                         "41.10 升",
                                         "",
                                         "￥ 112503.79",
                                         "￥ 300.00",
                                         "￥ 200.00",
                                         "￥ 150.50",
                                         "￥ 0.00",
                                         "￥ 99.99",
                                         "￥ 20.50",
                                         "￥ 113274.78",
                                         "",
                                         "￥ 309.49",
                                         "33.73 公里/天",
                                         "￥ 9.18",
                                         "0.33 升/百公里"}));
    EXPECT_EQ(page.Display()->Text(), "12345");
}

TEST_F(BaseInfoTest, NewReadingsAreStoredAsWholeKilometres)
{
    context.m_database.Connection().Execute(
        "insert into CarProperty (CarID, CurMiles) values ('CAR0001', 8000)");
    CDlgBaseInfo page(context);
    page.resize(900, 700);
    page.show();
    EXPECT_FALSE(page.NewMilesEdit()->isVisible());

    enterReading(page, "12345.9");
    EXPECT_EQ(storedMiles(), "12345.00000000");
    EXPECT_EQ(page.Display()->Text(), "12345");
    EXPECT_EQ(page.Display()->Digit().Scheme(), 6);
    EXPECT_EQ(page.Grid()->GetItemText(8, 1), "12345 公里");
    EXPECT_TRUE(page.EditButton()->isVisible());
    EXPECT_FALSE(page.NewMilesEdit()->isVisible());

    // As people type it: thousands separators, a full-width input method.
    enterReading(page, "56,789");
    EXPECT_EQ(storedMiles(), "56789.00000000");
    EXPECT_EQ(page.Display()->Digit().Scheme(), 5);
    enterReading(page, QStringLiteral("９９９９"));
    EXPECT_EQ(storedMiles(), "9999.00000000");
    EXPECT_EQ(page.Display()->Digit().Scheme(), 4);
    EXPECT_TRUE(boxes.boxes().empty());

    // Nothing, or no digit at all, is no reading: the stored one stays.
    for (const QString& typed : {QString(), QStringLiteral("abc")}) {
        boxes.clear();
        enterReading(page, typed);
        ASSERT_EQ(boxes.boxes().size(), 1u) << typed.toStdString();
        EXPECT_EQ(boxes.boxes()[0].text, "输入错误！");
        EXPECT_EQ(boxes.boxes()[0].caption, "Error");
        EXPECT_EQ(boxes.boxes()[0].flags, MB_OK);
        EXPECT_EQ(storedMiles(), "9999.00000000");
        EXPECT_TRUE(page.EditButton()->isVisible());
    }

    // Escape leaves the entry without a change.
    page.EditButton()->click();
    QTest::keyClicks(page.NewMilesEdit(), "1");
    QTest::keyClick(page.NewMilesEdit(), Qt::Key_Escape);
    EXPECT_FALSE(page.NewMilesEdit()->isVisible());
    EXPECT_EQ(storedMiles(), "9999.00000000");
}

TEST_F(BaseInfoTest, WithoutACurrentCarAReadingIsShownButNotStored)
{
    context.m_database.Connection().Execute("update CarList set Used='NO'");
    CDlgBaseInfo page(context);
    page.show();
    enterReading(page, "777");
    EXPECT_EQ(page.Display()->Text(), "777");
    EXPECT_TRUE(ReadBack(path, "select * from CarProperty").empty());
}

TEST(MileageEntry, ReadsWholeKilometres)
{
    EXPECT_EQ(ReadMileageEntry("12345.9"), 12345);
    EXPECT_EQ(ReadMileageEntry(" 12,345 km"), 12345);
    EXPECT_EQ(ReadMileageEntry("-5"), -5);
    EXPECT_EQ(ReadMileageEntry("abc"), std::nullopt);
    EXPECT_EQ(ReadMileageEntry(""), std::nullopt);
    EXPECT_EQ(ReadMileageEntry("9e99"), std::nullopt);
}

TEST_F(BaseInfoTest, OddStoredValuesNeverShowAsInfOrNan)
{
    context.m_database.Connection().Execute(
        "insert into CarProperty (CarID, CurMiles) values ('CAR0001', 'abc')");
    context.m_database.Connection().Execute(
        "insert into PurchaseInfo (CarID, BuyDate, CarPrice, CarTax) values "
        "('CAR0001', '2090/01/01', 1e308, 1e308)");
    context.m_costTotals.repair = -500;
    CDlgBaseInfo page(context);
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    const QString shown = values(page).join('|');
    EXPECT_FALSE(shown.contains("inf", Qt::CaseInsensitive)) << shown.toStdString();
    EXPECT_FALSE(shown.contains("nan", Qt::CaseInsensitive)) << shown.toStdString();
    EXPECT_EQ(page.Grid()->GetItemText(7, 1), "-23966 天"); // bought in 2090, truncated toward zero
    EXPECT_EQ(page.Grid()->GetItemText(8, 1), "0 公里");
    EXPECT_EQ(page.Grid()->GetItemText(14, 1), "￥ -500.00");

    context.m_database.SetCurMiles("CAR0001", 1e15);
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    EXPECT_EQ(page.Display()->Digit().Line(), "10000000"); // cut on the right
    EXPECT_EQ(page.Grid()->GetItemText(8, 1), "1000000000000000 公里");
}
