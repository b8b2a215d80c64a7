#include "app/OrvynView.h"
#include "app/RibbonToolsEx.h"
#include "database/LedgerContext.h"
#include "platform/MessageEvent.h"
#include "tests/support/TestEnvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// A page that records the WM_PAGE_SHOW messages it receives.
class RecordingPage : public QWidget
{
public:
    using QWidget::QWidget;
    std::vector<qintptr> shows;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == WM_PAGE_SHOW) {
            shows.push_back(static_cast<CMessageEvent*>(e)->lParam());
            return true;
        }
        return QWidget::event(e);
    }
};

class NavigationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PageFactories factories;
        for (size_t i = 0; i < factories.size(); ++i)
            factories[i] = [this, i](QWidget* parent) {
                pages[i] = new RecordingPage(parent);
                return pages[i];
            };
        view = std::make_unique<COrvynView>(context, nullptr, factories);
        view->resize(736, 560);
        view->show();
        view->OnInitialUpdate();
    }

    void clearShows()
    {
        for (RecordingPage* p : pages)
            p->shows.clear();
    }

    QPoint centreOf(int button) const
    {
        return view->NavigationPanel().Buttons()[static_cast<size_t>(button)].rect.center();
    }

    std::vector<int> visiblePages() const
    {
        std::vector<int> shown;
        for (int i = 0; i < kPageCount; ++i)
            if (view->Page(i)->isVisible())
                shown.push_back(i);
        return shown;
    }

    quint32 stateOf(int button) const
    {
        return view->NavigationPanel().Buttons()[static_cast<size_t>(button)].state;
    }

    TestFolders folders;
    LedgerContext context;
    std::array<RecordingPage*, kPageCount> pages{};
    std::unique_ptr<COrvynView> view;
};

} // namespace

TEST(ButtonLayout, FloatingPointGapAndRows)
{
    const auto rects = LayoutButtonGrid(RectLTRB(2, 104, 162, 598), 120, 36, 1, 9);
    ASSERT_EQ(rects.size(), 9u);
    for (size_t i = 0; i < rects.size(); ++i)
        EXPECT_EQ(rects[i], QRect(22, 150 + 41 * static_cast<int>(i), 120, 36)) << i;

    // Two columns fitted into 100 pixels: gap 20/3, positions truncated.
    const auto grid = LayoutButtonGrid(RectLTRB(0, 0, 100, 200), 40, 20, 0, 3);
    ASSERT_EQ(grid.size(), 3u);
    EXPECT_EQ(grid[0], QRect(6, 30, 40, 20));
    EXPECT_EQ(grid[1], QRect(53, 30, 40, 20));
    EXPECT_EQ(grid[2], QRect(6, 55, 40, 20));
    // A panel too short for nine rows brings them closer, not past its bottom.
    const auto tight = LayoutButtonGrid(RectLTRB(2, 104, 162, 468), 120, 36, 1, 9);
    EXPECT_EQ(tight[1].top() - tight[0].top(), 35);
    EXPECT_LE(tight[8].bottom(), 468 - 4);
    EXPECT_EQ(LayoutButtonGrid(RectLTRB(2, 104, 162, 200), 120, 36, 1, 9)[1].top() - 104, 5 + 27 * 2);
    // Wider buttons than the panel still get one column.
    EXPECT_EQ(LayoutButtonGrid(RectLTRB(0, 0, 30, 100), 40, 20, 0, 2)[1].x(), -5);

    // Images of 120 x 40 in cells of 120 x 36 stick out by 2 above and below.
    EXPECT_EQ(ButtonImageRect(QRect(22, 150, 120, 36), {120, 40}), QRect(22, 148, 120, 40));
    EXPECT_EQ(ButtonImageRect(QRect(0, 0, 20, 20), {16, 16}), QRect(1, 2, 16, 16));
    EXPECT_EQ(CRibbonToolsEx::HighlightRect(QRect(22, 150, 120, 36)), RectLTRB(17, 145, 168, 191));
}

TEST_F(NavigationTest, PanelsAndPagesFollowTheViewSize)
{
    EXPECT_EQ(view->PhotoPanel().Rect(), RectLTRB(2, 2, 162, 102));
    EXPECT_EQ(view->NavigationPanel().Rect(), RectLTRB(2, 104, 162, 558));
    EXPECT_EQ(view->NavigationPanel().PageArea(), RectLTRB(164, 2, 734, 558));
    EXPECT_EQ(view->PhotoArea(), QRect(6, 22, 152, 76));
    const auto& buttons = view->NavigationPanel().Buttons();
    ASSERT_EQ(buttons.size(), 9u);
    EXPECT_EQ(buttons[0].rect, QRect(22, 150, 120, 36));
    EXPECT_EQ(buttons[1].rect.top() - buttons[0].rect.top(), 41);
    EXPECT_EQ(buttons[8].id, 1008);

    view->resize(900, 700);
    for (int i = 0; i < kPageCount; ++i)
        EXPECT_EQ(view->Page(i)->geometry(), RectLTRB(168, 6, 894, 694)) << i;
    EXPECT_EQ(view->NavigationPanel().Rect(), RectLTRB(2, 104, 162, 698));
}

TEST_F(NavigationTest, StartsOnTheSummaryPage)
{
    EXPECT_EQ(view->ShownPage(), 0);
    EXPECT_EQ(visiblePages(), std::vector<int>{0});
    EXPECT_EQ(stateOf(0), quint32(RibbonButton::Selected));
    EXPECT_EQ(pages[0]->shows, std::vector<qintptr>{1});
    for (int i = 1; i < kPageCount; ++i)
        EXPECT_EQ(pages[static_cast<size_t>(i)]->shows, std::vector<qintptr>{0}) << i;
    EXPECT_EQ(view->NavigationPanel().SelectionRect(), RectLTRB(17, 145, 168, 191));
}

TEST_F(NavigationTest, PressOnOneReleaseOnAnotherSelectsTheSecond)
{
    clearShows();
    QTest::mousePress(view.get(), Qt::LeftButton, {}, centreOf(2));
    EXPECT_EQ(stateOf(2), quint32(RibbonButton::Pressed));
    EXPECT_EQ(stateOf(0), 0u); // the old selection is let go while pressing
    EXPECT_TRUE(pages[2]->shows.empty());

    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, centreOf(5));
    EXPECT_EQ(stateOf(2), 0u);
    EXPECT_EQ(stateOf(5), quint32(RibbonButton::Selected));
    EXPECT_EQ(view->ShownPage(), 5);
    EXPECT_EQ(visiblePages(), std::vector<int>{5});
    for (int i = 0; i < kPageCount; ++i)
        EXPECT_EQ(pages[static_cast<size_t>(i)]->shows, std::vector<qintptr>{i == 5 ? 1 : 0}) << i;
}

TEST_F(NavigationTest, ClicksOutsideButtonsChangeNothing)
{
    clearShows();
    const QPoint gap = centreOf(3) + QPoint(0, 20); // between buttons 3 and 4
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, gap);
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(80, 60)); // photo panel
    EXPECT_EQ(view->ShownPage(), 0);
    EXPECT_EQ(stateOf(0), quint32(RibbonButton::Selected));
    for (RecordingPage* p : pages)
        EXPECT_TRUE(p->shows.empty());

    // A press given up outside every button gives the selection back.
    QTest::mousePress(view.get(), Qt::LeftButton, {}, centreOf(4));
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(80, 60));
    EXPECT_EQ(stateOf(4), 0u);
    EXPECT_EQ(stateOf(0), quint32(RibbonButton::Selected));
    EXPECT_EQ(view->ShownPage(), 0);

    // Disabled buttons do not take clicks.
    view->NavigationPanel().Buttons()[6].state = RibbonButton::Disabled;
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, centreOf(6));
    EXPECT_EQ(view->ShownPage(), 0);
}

TEST_F(NavigationTest, HotTrackingAndTheHandCursor)
{
    QTest::mouseMove(view.get(), centreOf(1));
    EXPECT_EQ(view->NavigationPanel().HotButton(), 1001);
    EXPECT_TRUE(view->NavigationPanel().IsHovered());
    EXPECT_EQ(view->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(view->cursor().hotSpot(), QPoint(11, 1));

    QTest::mouseMove(view.get(), centreOf(1) + QPoint(0, 20));
    EXPECT_EQ(view->NavigationPanel().HotButton(), -1);
    EXPECT_TRUE(view->NavigationPanel().IsHovered());
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);

    QTest::mouseMove(view.get(), QPoint(80, 60));
    EXPECT_FALSE(view->NavigationPanel().IsHovered());

    // Straight from a button onto the page: nothing stays hot.
    QTest::mouseMove(view.get(), centreOf(2));
    EXPECT_EQ(view->NavigationPanel().HotButton(), 1002);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(view->Page(0), &enter);
    EXPECT_EQ(view->NavigationPanel().HotButton(), -1);
    EXPECT_FALSE(view->NavigationPanel().IsHovered());
}

TEST_F(NavigationTest, SelectMessageShowsExactlyOnePage)
{
    clearShows();
    EXPECT_EQ(SendMessage(view.get(), WM_PAGE_SELECT, 1008), 0);
    EXPECT_EQ(visiblePages(), std::vector<int>{8});
    EXPECT_EQ(pages[8]->shows, std::vector<qintptr>{1});
    EXPECT_EQ(pages[0]->shows, std::vector<qintptr>{0});

    clearShows(); // after the settings sheet: the shown page hears it is still shown
    QString sheetTitle;
    QTimer::singleShot(0, [&sheetTitle] {
        if (QWidget* sheet = QApplication::activeModalWidget()) {
            sheetTitle = sheet->windowTitle();
            sheet->close();
        }
    });
    view->OnSettingsCommand(32782);
    EXPECT_TRUE(sheetTitle.startsWith("综合设置"));
    EXPECT_EQ(pages[8]->shows, std::vector<qintptr>{1});
    EXPECT_TRUE(pages[0]->shows.empty());
}

TEST_F(NavigationTest, ButtonsAndPagesAreAccessible)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view.get());
    ASSERT_NE(iface, nullptr);
    ASSERT_GE(iface->childCount(), kPageCount);
    const QStringList captions = {"基本信息", "加油记录", "维修记录", "保养记录", "事故记录",
                                  "日常杂费", "爱车用品", "爱车日志", "分析统计"};
    for (int i = 0; i < kPageCount; ++i) {
        QAccessibleInterface* button = iface->child(i);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->role(), QAccessible::Button);
        EXPECT_EQ(button->text(QAccessible::Name), captions[i]);
        EXPECT_EQ(button->state().checked, i == 0) << i;
        EXPECT_EQ(iface->indexOfChild(button), i);
    }
    EXPECT_EQ(iface->text(QAccessible::Description), "基本信息");

    auto* action = iface->child(7)->actionInterface();
    ASSERT_NE(action, nullptr);
    action->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(view->ShownPage(), 7);
    EXPECT_TRUE(iface->child(7)->state().checked);
    EXPECT_EQ(iface->text(QAccessible::Description), "爱车日志");
}

TEST(DefaultPages, EachPageIsNamedByItsCaption)
{
    TestFolders folders;
    LedgerContext context; // no ledger open
    COrvynView view(context, nullptr, DefaultPageFactories(context));
    view.resize(736, 560);
    view.OnInitialUpdate();
    // Ledger pages are named by their caption with its totals.
    const QStringList names = {"基本信息",
                               "加油记录 【合计：▲加油总量 0.00 升 ▲加油金额 0.00 元】",
                               "维修记录 【合计：▲总金额 0.00 元】",
                               "保养记录 【合计：▲总金额 0.00 元】",
                               "事故记录 【合计：▲总金额 0.00 元】",
                               "日常杂费 【合计：▲总金额 0.00 元】",
                               "汽车用品 【合计：▲总金额 0.00 元】",
                               "爱车日志",
                               "分析统计"};
    for (int i = 0; i < kPageCount; ++i)
        EXPECT_EQ(view.Page(i)->accessibleName(), names[i]) << i;
    EXPECT_EQ(SendMessage(view.Page(3), WM_PAGE_SHOW, 0, 1), 0);
}
