#include "LedgerFixture.h"

#include "ledgers/DlgAccessory.h"
#include "ledgers/DlgCarLog.h"
#include "ledgers/DlgMaintain.h"
#include "ledgers/DlgOil.h"
#include "ledgers/DlgRepair.h"
#include "tests/support/GridMenu.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTimer>
#include <sqlite3.h>

using namespace platform;

namespace {
const QString kOutOfRange = "输入的数值超出范围（绝对值不能超过 1000000000000），修改没有保存。";
}

TEST_F(LedgerTest, NumbersAreStoredAsTypedAndShownAsStored)
{
    CDlgRepair page(context);
    show(page);
    type(page, 1, 2, "12,345");
    type(page, 1, 3, "￥5.5");
    EXPECT_EQ(row(page, 1).mid(2, 2), QStringList({"12345 KM", "￥ 5.50"}));
    EXPECT_EQ(readBack("select Miles, Amount from Repair"),
              (std::vector<QStringList>{{"12345.00000000", "5.50000000"}}));

    type(page, 1, 3, "１２３．４"); // from a Chinese input method
    EXPECT_EQ(page.Grid()->GetItemText(1, 3), "￥ 123.40");
    EXPECT_EQ(page.Caption(), "维修记录 【合计：▲总金额 123.40 元】");
    EXPECT_EQ(readBack("select Amount from Repair"), (std::vector<QStringList>{{"123.40000000"}}));
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();

    // An absurd magnitude is refused; the stored value stays, on screen and in the file.
    type(page, 1, 3, "1e70");
    EXPECT_EQ(boxes.texts(), QStringList{kOutOfRange});
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(page.Grid()->GetItemText(1, 3), "￥ 123.40");
    EXPECT_EQ(readBack("select Amount from Repair"), (std::vector<QStringList>{{"123.40000000"}}));

    // Refused on the new-record row too: no record is made.
    boxes.clear();
    type(page, 2, 2, "99999999999999");
    EXPECT_EQ(boxes.texts(), QStringList{kOutOfRange});
    EXPECT_EQ(row(page, 2), QStringList({"2 *", "2024/05/20", "", "", "", "", "", ""}));
    EXPECT_EQ(readBack("select count(*) from Repair"), (std::vector<QStringList>{{"1"}}));

    // Text without a number is 0.
    type(page, 1, 3, "abc");
    EXPECT_EQ(page.Grid()->GetItemText(1, 3), "￥ 0.00");
    EXPECT_EQ(readBack("select Amount from Repair"), (std::vector<QStringList>{{"0.00000000"}}));
}

TEST_F(LedgerTest, AnImpossibleDateIsRefused)
{
    CDlgRepair page(context);
    show(page);
    type(page, 1, 4, "补胎");
    type(page, 1, 1, "2024/02/30");
    EXPECT_EQ(boxes.texts(),
              QStringList{"“2024/02/30”不是有效的日期，请按“年/月/日”输入，例如 2026/02/15。"
                          "修改没有保存。"});
    EXPECT_EQ(page.Grid()->GetItemText(1, 1), "2024/05/20");
    EXPECT_EQ(readBack("select DateTimee from Repair"), (std::vector<QStringList>{{"2024/05/20"}}));
    // The next edit of the cell starts from the stored date.
    type(page, 1, 1, "2024/2/29");
    EXPECT_EQ(page.Grid()->GetItemText(1, 1), "2024/02/29");
    EXPECT_EQ(readBack("select DateTimee from Repair"), (std::vector<QStringList>{{"2024/02/29"}}));
}

TEST_F(LedgerTest, AFailedWritePutsTheStoredValueBack)
{
    CDlgOil page(context);
    show(page);
    type(page, 1, 3, "200");
    type(page, 1, 4, "5");
    ASSERT_EQ(page.Grid()->GetItemText(1, 5), "40.00 升");
    const QString caption = page.Caption();

    // Any further write fails as on a read-only ledger.
    ASSERT_EQ(sqlite3_exec(context.m_database.Connection().handle(), "PRAGMA query_only=1", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    type(page, 1, 4, "10");
    EXPECT_EQ(boxes.texts(), QStringList{"修改没有保存：账本文件是只读的，无法写入。"});
    EXPECT_EQ(row(page, 1).mid(3, 3), QStringList({"￥ 200.00", "￥ 5.00", "40.00 升"}));
    EXPECT_EQ(page.Caption(), caption);
    EXPECT_DOUBLE_EQ(context.m_costTotals.fuelVolume, 40);

    // A date edit and a new record fail the same way and leave nothing behind.
    boxes.clear();
    type(page, 1, 1, "2024/06/01");
    EXPECT_EQ(page.Grid()->GetItemText(1, 1), "2024/05/20");
    type(page, 2, 3, "300");
    EXPECT_EQ(page.Grid()->GetRowCount(), 3);
    EXPECT_EQ(page.Grid()->GetItemText(2, 3), "");
    EXPECT_EQ(boxes.boxes().size(), 2u);

    sqlite3_exec(context.m_database.Connection().handle(), "PRAGMA query_only=0", nullptr, nullptr,
                 nullptr);
    EXPECT_EQ(readBack("select DateTimee, Amount, Price from Refuel"),
              (std::vector<QStringList>{{"2024/05/20", "200.00000000", "5.00000000"}}));
}

TEST_F(LedgerTest, ARightClickSelectsTheClickedRecord)
{
    CDlgRepair page(context);
    show(page);
    for (const char* content : {"一", "二", "三"})
        type(page, page.Grid()->GetRowCount() - 1, 4, content);
    page.Grid()->SetSelectedRange(1, 0, 1, 7);

    EXPECT_EQ(RightClickCell(page.Grid(), 3, 4, "删除记录"), (QStringList{"刷新", "", "删除记录"}));
    EXPECT_EQ(boxes.texts(),
              QStringList{"记录【3-2024/05/20】将会被删除且不可恢复，确认要删除吗？"});
    EXPECT_EQ(readBack("select Content from Repair order by NO"),
              (std::vector<QStringList>{{"一"}, {"二"}}));

    // The row-number cell has the same menu and selects its row as well.
    boxes.clear();
    EXPECT_EQ(RightClickCell(page.Grid(), 2, 0, "删除记录").size(), 3);
    EXPECT_EQ(readBack("select Content from Repair order by NO"),
              (std::vector<QStringList>{{"一"}}));

    // The new-record row has none.
    EXPECT_TRUE(RightClickCell(page.Grid(), 2, 4, "删除记录").isEmpty());
    EXPECT_EQ(readBack("select count(*) from Repair"), (std::vector<QStringList>{{"1"}}));
}

TEST_F(LedgerTest, WithoutACarTheNewRecordRowTakesNoInput)
{
    CDlgRepair page(context);
    show(page);
    // The ledger changes behind the page: no car is current any more.
    context.m_database.SetCurrentCar("CAR0009");
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    EXPECT_EQ(page.PageCar(), "");
    ASSERT_EQ(page.Grid()->GetRowCount(), 2);
    for (int c = 1; c < 7; ++c)
        EXPECT_FALSE(page.Grid()->EditCell(1, c)) << c;
    EXPECT_EQ(readBack("select count(*) from Repair"), (std::vector<QStringList>{{"0"}}));

    // Once a car is current again, the row takes input for that car.
    context.m_database.SetCurrentCar("CAR0002");
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    type(page, 1, 4, "轮胎");
    EXPECT_EQ(readBack("select CarID, Content from Repair"),
              (std::vector<QStringList>{{"CAR0002", "轮胎"}}));
}

TEST_F(LedgerTest, EmptyTextsAreNotRemembered)
{
    CDlgMaintain page(context);
    show(page);
    type(page, 1, 5, "FixShop");
    type(page, 1, 5, "");
    EXPECT_EQ(readBack("select Content from InputHistory"),
              (std::vector<QStringList>{{"FixShop"}}));
    EXPECT_EQ(readBack("select Provider from Maintain"), (std::vector<QStringList>{{""}}));
}

TEST_F(LedgerTest, ANewRefuellingShowsWhatAReloadShows)
{
    CDlgOil page(context);
    show(page);
    type(page, 1, 3, "250");
    type(page, 2, 3, "100");
    const QStringList first = row(page, 1), second = row(page, 2);
    EXPECT_EQ(first.mid(2, 8), QStringList({"0 KM", "￥ 250.00", "￥ 0.00", "--", "0.00 格",
                                            "0.00 格", "--", "--"}));
    page.RefreshPage();
    EXPECT_EQ(row(page, 1), first);
    EXPECT_EQ(row(page, 2), second);
    // A zero opens empty, so the digits typed are the whole value.
    ASSERT_TRUE(page.Grid()->EditCell(1, 4));
    EXPECT_EQ(qobject_cast<QLineEdit*>(page.Grid()->GetEditor())->text(), "");
    page.Grid()->EndEditing();
    EXPECT_EQ(page.Grid()->GetItemText(1, 4), "￥ 0.00");
}

TEST_F(LedgerTest, AWriteTheLedgerRefusesSaysItWasNotSavedAndShowsTheStoredValue)
{
    CDlgOil page(context);
    show(page);
    type(page, 1, 3, "200");
    type(page, 1, 10, "旧");
    context.m_database.Connection().Execute("CREATE TRIGGER refuse BEFORE UPDATE ON Refuel "
                                            "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    type(page, 1, 3, "55");
    type(page, 1, 10, "新");
    ASSERT_EQ(boxes.boxes().size(), 2u);
    for (const auto& box : boxes.boxes())
        EXPECT_TRUE(box.text.startsWith("修改没有保存。\nWarning: Execute 方法发生异常. 错误信息: "
                                        "refused"))
            << box.text.toStdString();
    EXPECT_EQ(page.Grid()->GetItemText(1, 3), "￥ 200.00");
    EXPECT_EQ(page.Grid()->GetItemText(1, 10), "旧");
    EXPECT_EQ(readBack("select Amount, Mark from Refuel"),
              (std::vector<QStringList>{{"200.00000000", "旧"}}));
}

// A stored text of millions of characters (a surrogate pair first): the page
// reads, shows and edits its first 10000 characters and says so; an edit
// replaces that beginning and keeps the rest, edit after edit.
TEST_F(LedgerTest, AVeryLongStoredTextIsShownAndEditedByItsBeginning)
{
    context.m_database.Connection().Execute(
        "insert into CarLog (CarID, RecID, DateTimee, Mark, Miles, Reserved1, Reserved2, "
        "Reserved3) values ('CAR0001', '0000001', '2024/01/01', '😀开头' || "
        "replace(hex(zeroblob(1500000)), '0', 'x') || '结尾', 0, '', '', '')");
    const QString beginning = "😀开头" + QString(kLongestText - 3, 'x');
    const QString rest = "select length(Mark) - 10000, substr(Mark, -2) from CarLog";
    EXPECT_EQ(readBack(rest), (std::vector<QStringList>{{"2990005", "结尾"}}));
    CDlgCarLog page(context);
    show(page);
    EXPECT_EQ(page.Grid()->GetItemText(1, 3), "（过长，只显示前 10000 字）" + beginning);
    ASSERT_TRUE(page.Grid()->EditCell(1, 3));
    EXPECT_EQ(qobject_cast<QLineEdit*>(page.Grid()->GetEditor())->text(), beginning);
    page.Grid()->EndEditing();
    EXPECT_EQ(readBack("select substr(Mark, 1, 4) from CarLog"),
              (std::vector<QStringList>{{"😀开头x"}}));

    for (const QString typed : {"新的开头", "再改"}) {
        type(page, 1, 3, typed);
        EXPECT_EQ(page.Grid()->GetItemText(1, 3), "（过长，只显示前 10000 字）" + typed);
        EXPECT_EQ(readBack("select substr(Mark, 1, " + QString::number(typed.size() + 1) +
                           "), length(Mark) - " + QString::number(typed.size()) +
                           ", substr(Mark, -2) from CarLog"),
                  (std::vector<QStringList>{{typed + "x", "2990005", "结尾"}}));
    }
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

// Assistive technology finds the open record menu under its page and can
// press its items.
TEST_F(LedgerTest, TheRecordMenuIsReachableFromItsPage)
{
    CDlgRepair page(context);
    show(page);
    type(page, 1, 4, "一");
    type(page, 2, 4, "二");
    QAccessibleInterface* pageNode = QAccessible::queryAccessibleInterface(&page);
    const int closedChildren = pageNode->childCount();
    QStringList seen;
    const auto inspect = [&] {
        ASSERT_EQ(pageNode->childCount(), closedChildren + 1);
        QAccessibleInterface* menu = pageNode->child(closedChildren);
        ASSERT_EQ(menu->role(), QAccessible::PopupMenu);
        EXPECT_EQ(menu->parent(), pageNode);
        EXPECT_EQ(pageNode->indexOfChild(menu), closedChildren);
        for (int i = 0; i < menu->childCount(); ++i) {
            QAccessibleInterface* item = menu->child(i);
            EXPECT_EQ(item->parent(), menu);
            EXPECT_EQ(menu->indexOfChild(item), i);
            seen << QString::number(item->role()) + ":" + item->text(QAccessible::Name);
        }
        QAccessibleInterface* remove = menu->child(2);
        remove->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        inspect();
        if (QWidget* open = QApplication::activePopupWidget())
            open->close(); // also when a check failed
    });
    answer.start(0);
    const QPoint local = page.Grid()->GetCellRect(2, 4).center();
    QWidget* target = page.Grid()->childAt(local);
    QContextMenuEvent event(QContextMenuEvent::Mouse, target->mapFrom(page.Grid(), local),
                            page.Grid()->mapToGlobal(local));
    QApplication::sendEvent(target, &event);
    const auto item = QString::number(QAccessible::MenuItem) + ":";
    EXPECT_EQ(seen, QStringList({item + "刷新", QString::number(QAccessible::Separator) + ":",
                                 item + "删除记录"}));
    EXPECT_EQ(readBack("select Content from Repair"), (std::vector<QStringList>{{"一"}}));
    EXPECT_EQ(pageNode->childCount(), closedChildren);
}
