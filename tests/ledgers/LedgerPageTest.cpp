#include "LedgerFixture.h"

#include "ledgers/DlgOil.h"
#include "ledgers/DlgRepair.h"
#include "platform/StoreFailure.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

using namespace platform;

TEST_F(LedgerTest, EmptyLedgerShowsHeaderAndNewRecordRow)
{
    CDlgRepair page(context);
    EXPECT_LE(page.Grid()->GetRowCount(), 1); // never shown: no rows
    show(page);
    ASSERT_EQ(page.Grid()->GetRowCount(), 2);
    EXPECT_EQ(row(page, 0),
              QStringList({"", "日期", "里程表", "总金额", "内容", "服务商", "备注", ""}));
    EXPECT_EQ(row(page, 1), QStringList({"1 *", "2024/05/20", "", "", "", "", "", ""}));
    EXPECT_EQ(page.Caption(), "维修记录 【合计：▲总金额 0.00 元】");
    EXPECT_EQ(page.accessibleName(), page.Caption());
    EXPECT_EQ(page.Grid()->GetColumnWidth(7), 0);
}

TEST_F(LedgerTest, TypingIntoTheNewRowStoresARecord)
{
    CDlgRepair page(context);
    show(page);
    type(page, 1, 4, "换刹车片");
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(
        readBack(
            "select CarID, RecID, DateTimee, Mark, Content, Provider, Miles, Amount from Repair"),
        (std::vector<QStringList>{
            {"CAR0001", "0000001", "2024/05/20", "", "换刹车片", "", "0.00000000", "0.00000000"}}));
    // The values left empty are stored as zeros and shown so, as a reload
    // shows them.
    ASSERT_EQ(page.Grid()->GetRowCount(), 3);
    const QStringList shown{"1", "2024/05/20", "0 KM", "￥ 0.00", "换刹车片", "", "", "0000001"};
    EXPECT_EQ(row(page, 1), shown);
    EXPECT_EQ(row(page, 2).first(), "2 *");
    page.RefreshPage();
    EXPECT_EQ(row(page, 1), shown);

    // Further edits write just their column; amounts are re-totalled at once.
    type(page, 1, 3, "125.5");
    EXPECT_EQ(page.Grid()->GetItemText(1, 3), "￥ 125.50");
    EXPECT_EQ(page.Caption(), "维修记录 【合计：▲总金额 125.50 元】");
    EXPECT_DOUBLE_EQ(context.m_costTotals.repair, 125.5);
    type(page, 1, 6, "it's 100% \\ done");
    EXPECT_EQ(readBack("select Amount, Mark from Repair"),
              (std::vector<QStringList>{{"125.50000000", "it's 100% \\ done"}}));
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(LedgerTest, OpeningAndClosingAnEditorWithoutChangeWritesNothing)
{
    CDlgRepair page(context);
    show(page);
    type(page, 1, 3, "80");
    type(page, 1, 4, "轮胎");
    type(page, 1, 2, "5000");
    // Any further write would now fail loudly.
    context.m_database.Connection().Execute("CREATE TRIGGER frozen BEFORE UPDATE ON Repair "
                                            "BEGIN SELECT RAISE(ABORT, 'frozen'); END");
    for (int c : {1, 2, 3, 4}) {
        ASSERT_TRUE(page.Grid()->EditCell(1, c));
        page.Grid()->EndEditing();
    }
    EXPECT_EQ(page.Grid()->GetItemText(1, 3), "￥ 80.00");
    // An untouched editor on the new-record row makes no record either.
    for (int c : {1, 2, 3, 4}) {
        ASSERT_TRUE(page.Grid()->EditCell(2, c));
        page.Grid()->EndEditing();
    }
    EXPECT_EQ(row(page, 2), QStringList({"2 *", "2024/05/20", "", "", "", "", "", ""}));
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(readBack("select count(*) from Repair"), (std::vector<QStringList>{{"1"}}));
}

TEST_F(LedgerTest, EditingADateReordersAndKeepsTheRecordSelected)
{
    CDlgRepair page(context);
    show(page);
    type(page, 1, 4, "A");
    type(page, 2, 4, "B");
    type(page, 3, 4, "C");
    type(page, 2, 1, "2023/01/09"); // B moves to the top
    EXPECT_EQ(page.Grid()->GetItemText(1, 4), "B");
    EXPECT_EQ(page.Grid()->GetItemText(1, 1), "2023/01/09");
    EXPECT_EQ(page.Grid()->GetItemText(2, 4), "A");
    EXPECT_EQ(page.Grid()->GetItemText(3, 4), "C");
    const CCellRange selected = page.Grid()->GetSelectedCellRange();
    EXPECT_EQ(selected.minRow, 1);
    EXPECT_EQ(selected.maxRow, 1);
    EXPECT_EQ(readBack("select DateTimee from Repair where Content='B'"),
              (std::vector<QStringList>{{"2023/01/09"}}));
}

TEST_F(LedgerTest, DeletingRecords)
{
    CDlgRepair page(context);
    show(page);
    for (const char* content : {"A", "B", "C"})
        type(page, page.Grid()->GetRowCount() - 1, 4, content);

    page.Grid()->SetSelectedRange(1, 0, 2, 7);
    page.DeleteSelectedRecord(); // two rows: nothing, no message
    EXPECT_TRUE(boxes.boxes().empty());

    page.Grid()->SetSelectedRange(4, 0, 4, 7);
    page.DeleteSelectedRecord();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "请首先选择要删除的记录！");
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OKCANCEL | MB_ICONERROR);

    boxes.clear();
    boxes.answer(IDCANCEL);
    page.Grid()->SetSelectedRange(2, 0, 2, 7);
    page.DeleteSelectedRecord();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "记录【2-2024/05/20】将会被删除且不可恢复，确认要删除吗？");
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OKCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(readBack("select count(*) from Repair"), (std::vector<QStringList>{{"3"}}));

    // Confirmed with the Delete key: the row goes, the numbers keep their gap.
    page.Grid()->setFocus();
    QTest::keyClick(page.Grid(), Qt::Key_Delete);
    EXPECT_EQ(readBack("select Content from Repair order by Content"),
              (std::vector<QStringList>{{"A"}, {"C"}}));
    ASSERT_EQ(page.Grid()->GetRowCount(), 4);
    EXPECT_EQ(page.Grid()->GetItemText(1, 0), "1");
    EXPECT_EQ(page.Grid()->GetItemText(2, 0), "3");
    EXPECT_EQ(page.Grid()->GetItemText(3, 0), "4 *");

    // F5 renumbers.
    QTest::keyClick(page.Grid(), Qt::Key_F5);
    EXPECT_EQ(page.Grid()->GetItemText(2, 0), "2");
    EXPECT_EQ(page.Grid()->GetItemText(3, 0), "3 *");
}

// An insert that does not happen: how the ledger stands in its way, how that is
// removed, and the message the page shows.
struct RefusedInsert
{
    const char* obstacle;
    const char* removal;
    MessageBoxRecorder::Box message;
};

void PrintTo(const RefusedInsert& refused, std::ostream* os)
{
    *os << refused.obstacle;
}

class RefusedInsertTest : public LedgerTest, public ::testing::WithParamInterface<RefusedInsert>
{
};

TEST_P(RefusedInsertTest, LeavesAnEmptyNewRecordRow)
{
    context.m_database.Connection().Execute("INSERT INTO Repair (CarID, RecID, DateTimee, Amount) "
                                          "VALUES ('CAR0001', '0000010', '2024/05/01', 1)");
    context.m_database.Connection().Execute(GetParam().obstacle);
    CDlgRepair page(context);
    show(page);
    type(page, 2, 4, "lost?");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, GetParam().message.text);
    EXPECT_EQ(boxes.boxes()[0].caption, GetParam().message.caption);
    EXPECT_EQ(boxes.boxes()[0].flags, GetParam().message.flags);
    // Nothing was stored, so nothing stays shown.
    ASSERT_EQ(page.Grid()->GetRowCount(), 3);
    EXPECT_EQ(row(page, 2), QStringList({"2 *", "2024/05/20", "", "", "", "", "", ""}));
    EXPECT_EQ(readBack("select count(*) from Repair where CarID='CAR0001'"),
              (std::vector<QStringList>{{"1"}}));

    context.m_database.Connection().Execute(GetParam().removal);
    type(page, 2, 3, "9");
    EXPECT_EQ(readBack("select Content, Amount from Repair where Amount=9"),
              (std::vector<QStringList>{{"", "9.00000000"}}));
    EXPECT_EQ(page.Grid()->GetRowCount(), 4);
}

INSTANTIATE_TEST_SUITE_P(Ledger, RefusedInsertTest,
                         ::testing::Values(
                             // The file refuses the row.
                             RefusedInsert{"CREATE TRIGGER refuse BEFORE INSERT ON Repair "
                                           "BEGIN SELECT RAISE(ABORT, 'refused'); END",
                                           "DROP TRIGGER refuse",
                                           {"修改没有保存。\n" + ExecuteWarning("refused"), "Orvyn",
                                            MB_OK | MB_ICONERROR}},
                             // The next identifier, counted on from another car's odd one, is
                             // this car's own already.
                             RefusedInsert{
                                 "INSERT INTO Repair (CarID, RecID, DateTimee) "
                                 "VALUES ('CAR0002', '9', '2024/05/01')",
                                 "DELETE FROM Repair WHERE RecID='9'",
                                 {"记录已经存在，插入失败！", "Qinmo", MB_OK | MB_ICONERROR}}));

TEST_F(LedgerTest, CarsNeverSeeEachOthersRecords)
{
    CDlgRepair page(context);
    show(page);
    type(page, 1, 4, "for 甲");
    context.m_database.SetCurrentCar("CAR0002");
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    EXPECT_EQ(page.PageCar(), "CAR0002");
    EXPECT_EQ(page.Grid()->GetRowCount(), 2);
    type(page, 1, 4, "for 乙");
    EXPECT_EQ(readBack("select CarID, RecID, Content from Repair order by NO"),
              (std::vector<QStringList>{{"CAR0001", "0000001", "for 甲"},
                                        {"CAR0002", "0000002", "for 乙"}}));

    // Showing again with the same car reads nothing new.
    context.m_database.Connection().Execute("delete from Repair");
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    EXPECT_EQ(page.Grid()->GetRowCount(), 3);
    SendMessage(&page, WM_PAGE_SHOW, 0, 0);
    EXPECT_EQ(page.Grid()->GetRowCount(), 3);
}

TEST_F(LedgerTest, KeysTypedIntoAnOpenedCellMakeItsValue)
{
    CDlgRepair page(context);
    show(page);
    // F2 opens an empty amount cell empty, with the caret at the end.
    ASSERT_TRUE(page.Grid()->EditCell(1, 3));
    auto* editor = qobject_cast<QLineEdit*>(page.Grid()->GetEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "");
    QTest::keyClicks(editor, "250");
    QTest::keyClick(editor, Qt::Key_Tab); // on to the content cell
    ASSERT_EQ(page.Grid()->GetEditCell(), CCellID(1, 4));
    qobject_cast<QLineEdit*>(page.Grid()->GetEditor())->insert("换油");
    QTest::keyClick(page.Grid()->GetEditor(), Qt::Key_Return);
    EXPECT_EQ(readBack("select Amount, Content from Repair"),
              (std::vector<QStringList>{{"250.00000000", "换油"}}));

    // A filled amount opens on its bare number; typed keys follow it.
    ASSERT_TRUE(page.Grid()->EditCell(1, 3));
    editor = qobject_cast<QLineEdit*>(page.Grid()->GetEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "250.00");
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, "5");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(page.Grid()->GetItemText(1, 3), "￥ 250.50");
    EXPECT_EQ(readBack("select Amount from Repair"), (std::vector<QStringList>{{"250.50000000"}}));
}

TEST_F(LedgerTest, RefreshKeepsTheViewWhereItWas)
{
    for (int i = 1; i <= 80; ++i)
        context.m_database.Connection().Execute(
            QString("insert into Repair (CarID, RecID, DateTimee, Content, Miles, Amount) values "
                    "('CAR0001', '%1', '2024/01/%2', 'r%3', 0, 1)")
                .arg(i, 7, 10, QChar('0'))
                .arg(1 + i % 28, 2, 10, QChar('0'))
                .arg(i));
    CDlgRepair page(context);
    show(page);
    QScrollBar* bar = page.Grid()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 40);
    bar->setValue(40);
    QTest::keyClick(page.Grid(), Qt::Key_F5);
    EXPECT_EQ(bar->value(), 40);
    EXPECT_EQ(page.Caption(), "维修记录 【合计：▲总金额 80.00 元】");
}

TEST_F(LedgerTest, WithoutACurrentCarThePageShowsItsHeadersAndTakesNoRecord)
{
    context.m_database.Connection().Execute("update CarList set Used='NO'");
    CDlgRepair page(context);
    show(page);
    ASSERT_EQ(page.Grid()->GetRowCount(), 2);
    EXPECT_EQ(row(page, 0),
              QStringList({"", "日期", "里程表", "总金额", "内容", "服务商", "备注", ""}));
    EXPECT_FALSE(page.Grid()->IsCellEditable(1, 3));
}

// Keys as a user presses them: the first character opens the focus cell's
// editor, the rest go to whatever has the key focus then.
static void keys(CGridCtrl* grid, const QString& text)
{
    for (const QChar ch : text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : grid;
        QTest::keyClick(target, ch.toLatin1());
    }
}
static void key(CGridCtrl* grid, Qt::Key k)
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : grid, k);
}

TEST_F(LedgerTest, TypingGoesOnInTheRecordTheDateMade)
{
    const QString records = "insert into Repair (CarID, RecID, DateTimee, Content, Miles, Amount) "
                            "values ('CAR0001', '0000001', '2024/01/10', 'A', 1000, 1), "
                            "('CAR0001', '0000002', '2024/03/10', 'B', 3000, 2)";
    const std::vector<QStringList> kept = {{"2024/01/10", "1000.00000000", "1.00000000"},
                                           {"2024/03/10", "3000.00000000", "2.00000000"}};
    // The key that closes the date: Tab goes on to the new record's next cell,
    // Enter stays on its date.
    for (const Qt::Key after : {Qt::Key_Tab, Qt::Key_Return}) {
        SCOPED_TRACE(after == Qt::Key_Tab ? "Tab" : "Enter");
        context.m_database.Connection().Execute("delete from Repair");
        context.m_database.Connection().Execute(records);
        CDlgRepair page(context);
        show(page);
        QApplication::setActiveWindow(&page);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
        CGridCtrl* grid = page.Grid();
        grid->setFocus();
        grid->SetFocusCell(3, 1); // the new-record row
        keys(grid, "2024/02/01");
        key(grid, after);
        // The new record sorts between the two: the focus went with it.
        EXPECT_EQ(grid->GetItemText(2, 1), "2024/02/01");
        EXPECT_EQ(grid->GetFocusCell(), CCellID(2, after == Qt::Key_Tab ? 2 : 1));
        EXPECT_EQ(grid->GetSelectedCellRange().minRow, 2);
        EXPECT_TRUE(grid->hasFocus() || grid->IsEditingCell());
        if (after == Qt::Key_Return)
            key(grid, Qt::Key_Right);
        keys(grid, "16000");
        key(grid, Qt::Key_Tab);
        keys(grid, "300");
        key(grid, Qt::Key_Return);
        EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
        EXPECT_EQ(readBack("select DateTimee, Miles, Amount from Repair order by DateTimee"),
                  (std::vector<QStringList>{
                      kept[0], {"2024/02/01", "16000.00000000", "300.00000000"}, kept[1]}));
        EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 3));
    }
}

TEST_F(LedgerTest, TheFocusFollowsItsRecordThroughEveryRefill)
{
    CDlgRepair page(context);
    show(page);
    for (const char* content : {"A", "B", "C"})
        type(page, page.Grid()->GetRowCount() - 1, 4, content);
    CGridCtrl* grid = page.Grid();
    grid->setFocus();

    // F5 after the file changed behind the page: B now sorts first.
    context.m_database.Connection().Execute(
        "update Repair set DateTimee='2024/01/01' where Content='B'");
    grid->SetFocusCell(2, 3);
    QTest::keyClick(grid, Qt::Key_F5);
    EXPECT_EQ(grid->GetItemText(1, 4), "B");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 3));

    // A deleted record hands the focus to the row that takes its place.
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(grid->GetItemText(1, 4), "A");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 3));
    EXPECT_EQ(grid->GetSelectedCellRange().minRow, 1);

    // Another car's page: none of its records was focused, so the focus goes
    // to the new-record row, where typing changes no record.
    context.m_database.SetCurrentCar("CAR0002");
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 3));
    EXPECT_EQ(grid->GetItemText(1, 0), "1 *");
}
