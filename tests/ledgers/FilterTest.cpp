#include "LedgerFixture.h"

#include "ledgers/DlgAccessory.h"
#include "ledgers/DlgAccident.h"
#include "ledgers/DlgCarLog.h"
#include "ledgers/DlgDayCost.h"
#include "ledgers/DlgMaintain.h"
#include "ledgers/DlgOil.h"
#include "ledgers/DlgRepair.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <functional>
#include <memory>

namespace {
// The content texts of the record rows shown, and whether the new-record row is.
QStringList shownContents(CLedgerPage& page)
{
    QStringList texts;
    CGridCtrl* grid = page.Grid();
    for (int r = 1; r < grid->GetRowCount() - 1; ++r)
        if (grid->IsRowShown(r))
            texts << grid->GetItemText(r, 4);
    if (grid->IsRowShown(grid->GetRowCount() - 1))
        texts << grid->GetItemText(grid->GetRowCount() - 1, 0);
    return texts;
}

void filter(CLedgerPage& page, const QString& text)
{
    QTest::keyClick(page.Grid(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), page.FilterBox());
    QTest::keyClick(page.FilterBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(page.FilterBox(), Qt::Key_Backspace);
    // Letters and digits key by key; Chinese and full-width text as an input
    // method commits it.
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(page.FilterBox(), char(ch.unicode()));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(ch);
            QApplication::sendEvent(page.FilterBox(), &commit);
        }
    }
}
} // namespace

class FilterTest : public LedgerTest
{
protected:
    // Three repairs: 换刹车片 ￥125.50, 洗车 at ＡＢ店, Brake fluid ￥80.
    void fill(CDlgRepair& page)
    {
        show(page);
        page.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
        type(page, 1, 4, "换刹车片");
        type(page, 1, 3, "125.5");
        type(page, 2, 4, "洗车");
        type(page, 2, 5, "ＡＢ店");
        type(page, 3, 4, "Brake fluid");
        type(page, 3, 3, "80");
        page.Grid()->setFocus();
        page.Grid()->SetFocusCell(4, 4);
    }
};

TEST_F(FilterTest, TypingHidesTheRowsWithoutTheText)
{
    CDlgRepair page(context);
    fill(page);
    const QString totals = "维修记录 【合计：▲总金额 205.50 元】";
    const std::vector<std::pair<QString, QStringList>> cases{
        {"刹车", {"换刹车片", "4 *"}},
        {"BRAKE", {"Brake fluid", "4 *"}},
        {"ab", {"洗车", "4 *"}},             // full-width in the cell
        {"１２５", {"换刹车片", "4 *"}},     // full-width typed: the amount ￥ 125.50
        {"车", {"换刹车片", "洗车", "4 *"}}, // the odometer column's "0 KM" is no match
        {"nothing", {"4 *"}},
    };
    for (const auto& [text, shown] : cases) {
        filter(page, text);
        EXPECT_EQ(shownContents(page), shown) << text.toStdString();
        EXPECT_EQ(page.Caption(),
                  totals + QString("（已筛选，显示 %1 条，共 3 条）").arg(shown.size() - 1))
            << text.toStdString();
    }
    // Escape clears the box and shows every row; a second one goes back to the rows.
    QTest::keyClick(page.FilterBox(), Qt::Key_Escape);
    EXPECT_EQ(page.FilterBox()->text(), "");
    EXPECT_EQ(shownContents(page), QStringList({"换刹车片", "洗车", "Brake fluid", "4 *"}));
    EXPECT_EQ(page.Caption(), totals);
    QTest::keyClick(page.FilterBox(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), page.Grid());
}

TEST_F(FilterTest, EditsInAFilteredViewReachTheirRecord)
{
    CDlgRepair page(context);
    fill(page);
    filter(page, "车");
    QTest::keyClick(page.FilterBox(), Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), page.Grid());
    // Up from the new-record row passes over the hidden Brake fluid row.
    QTest::keyClick(page.Grid(), Qt::Key_Up);
    const CCellID focus = page.Grid()->GetFocusCell();
    ASSERT_EQ(focus.row, 2);
    type(page, focus.row, 6, "打蜡");
    type(page, focus.row, 3, "30");
    EXPECT_EQ(readBack("select Content, Amount, Mark from Repair order by NO"),
              (std::vector<QStringList>{{"换刹车片", "125.50000000", ""},
                                        {"洗车", "30.00000000", "打蜡"},
                                        {"Brake fluid", "80.00000000", ""}}));
    EXPECT_EQ(page.Caption(), "维修记录 【合计：▲总金额 235.50 元】（已筛选，显示 2 条，共 3 条）");

    // A record typed into the new-record row stays in sight; a reload filters
    // again, all but the record the focus is on.
    type(page, 4, 4, "Tyres");
    EXPECT_EQ(shownContents(page), QStringList({"换刹车片", "洗车", "Tyres", "5 *"}));
    EXPECT_EQ(page.Caption(), "维修记录 【合计：▲总金额 235.50 元】（已筛选，显示 3 条，共 4 条）");
    QTest::keyClick(page.Grid(), Qt::Key_Up);
    QTest::keyClick(page.Grid(), Qt::Key_F5);
    EXPECT_EQ(shownContents(page), QStringList({"换刹车片", "洗车", "5 *"}));
    EXPECT_EQ(page.Caption(), "维修记录 【合计：▲总金额 235.50 元】（已筛选，显示 2 条，共 4 条）");
}

TEST_F(LedgerTest, EveryLedgerPageFilters)
{
    const std::vector<std::pair<std::function<CLedgerPage*()>, QString>> pages{
        {[this] { return new CDlgOil(context); },
         "加油记录 【合计：▲加油总量 0.00 升 ▲加油金额 0.00 元】"},
        {[this] { return new CDlgRepair(context); }, "维修记录 【合计：▲总金额 0.00 元】"},
        {[this] { return new CDlgMaintain(context); }, ""},
        {[this] { return new CDlgAccident(context); }, ""},
        {[this] { return new CDlgDayCost(context); }, "日常杂费 【合计：▲总金额 0.00 元】"},
        {[this] { return new CDlgAccessory(context); }, "汽车用品 【合计：▲总金额 0.00 元】"},
        {[this] { return new CDlgCarLog(context); }, "爱车日志"},
    };
    for (const auto& [make, caption] : pages) {
        std::unique_ptr<CLedgerPage> page(make());
        show(*page);
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
        page->Grid()->setFocus();
        const QString plain = page->Caption();
        if (!caption.isEmpty()) {
            EXPECT_EQ(plain, caption);
        }
        filter(*page, "x");
        EXPECT_EQ(page->Caption(), plain + "（已筛选，显示 0 条，共 0 条）");
        QTest::keyClick(page->FilterBox(), Qt::Key_Escape);
        EXPECT_EQ(page->Caption(), plain);
    }
}
