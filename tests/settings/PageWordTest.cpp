#include "SettingsFixture.h"

#include "controls/GridCtrl.h"
#include "settings/PageWord.h"
#include "settings/SettingsSheet.h"
#include "settings/TreePropSheet.h"
#include "tests/support/GridMenu.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <sqlite3.h>

using namespace platform;

namespace {

// Two cars, CAR0001 "甲" current; remembered entries of both, added in no
// particular order.
class PageWordTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        db().NewCar("甲");
        db().NewCar("乙");
        db().SetCurrentCar("CAR0001");
        add("CAR0001", "壳牌", 2);
        add("CAR0001", "停车费", 1);
        add("CAR0001", "洗车  ", 1);
        add("CAR0002", "别的车", 2);
        add("CAR0001", "4S店", 2);
        add("CAR0001", "京东", 3);
    }

    void add(const QString& car, const QString& content, int classId)
    {
        static const QString names[] = {"", "杂费消费说明", "汽车服务商", "商品提供商"};
        InputHistoryEntry entry;
        entry.carId = car;
        entry.content = content;
        entry.classId = classId;
        entry.className = names[classId];
        entry.recId = db().GetNextRecID(LedgerKind::InputHistory).value_or(QString());
        const Expected<InsertOutcome> inserted = db().InsertInputHistory(entry);
        ASSERT_TRUE(inserted && *inserted == InsertOutcome::Inserted);
    }

    void open()
    {
        page = std::make_unique<CPageWord>(context);
        page->resize(600, 400);
        page->show();
        page->EnsureCreated();
    }

    CGridCtrl* grid() const { return page->Grid(); }

    // Columns 0..4 of every row below the header.
    std::vector<QStringList> listed() const
    {
        std::vector<QStringList> rows;
        for (int r = 1; r < grid()->GetRowCount(); ++r) {
            QStringList texts;
            for (int c = 0; c < CPageWord::ColumnCount; ++c)
                texts << grid()->GetItemText(r, c);
            rows.push_back(texts);
        }
        return rows;
    }
    QStringList contents() const
    {
        QStringList texts;
        for (int r = 1; r < grid()->GetRowCount(); ++r)
            texts << grid()->GetItemText(r, CPageWord::ColContent);
        return texts;
    }
    std::vector<QStringList> stored()
    {
        return readBack("select CarID, Content, ClassID from InputHistory order by RecID");
    }

    // Types into a cell through the grid's own editor and closes it.
    void type(int row, const QString& text)
    {
        ASSERT_TRUE(grid()->EditCell(row, CPageWord::ColContent));
        auto* line = qobject_cast<QLineEdit*>(grid()->GetEditor());
        ASSERT_NE(line, nullptr);
        line->setText(text);
        grid()->EndEditing();
    }

    void selectRow(int row) { grid()->SetSelectedRange(row, 0, row, CPageWord::ColumnCount - 1); }

    QStringList rightClick(int row, int col, const QString& choice)
    {
        return RightClickCell(grid(), row, col, choice);
    }

    std::unique_ptr<CPageWord> page;
};

} // namespace

TEST_F(PageWordTest, ListsTheCurrentCarsEntriesByClassThenContent)
{
    open();
    EXPECT_EQ(page->PageCar(), "CAR0001");
    EXPECT_EQ(grid()->GetDlgCtrlID(), 1013);
    EXPECT_EQ(page->Hint()->text(), "提示：双击单元格可以进行编辑，点右键可以删除选中的项。");
    QStringList headers;
    for (int c = 0; c < CPageWord::ColumnCount; ++c)
        headers << grid()->GetItemText(0, c);
    EXPECT_EQ(headers, (QStringList{"", "内容", "类别", "ClassID-hiden", "RecID-hiden"}));
    EXPECT_EQ(grid()->GetItemFgColour(0, 1), RGB(0, 0, 255));

    // Class names in the file's text order, contents sorted within a class;
    // trailing blanks are not shown.
    EXPECT_EQ(listed(), (std::vector<QStringList>{
                            {"1", "京东", "商品提供商", "3", "0000006"},
                            {"2", "停车费", "杂费消费说明", "1", "0000002"},
                            {"3", "洗车", "杂费消费说明", "1", "0000003"},
                            {"4", "4S店", "汽车服务商", "2", "0000005"},
                            {"5", "壳牌", "汽车服务商", "2", "0000001"},
                        }));
    EXPECT_EQ(grid()->GetItemFgColour(1, 2), RGB(105, 105, 105));
    EXPECT_EQ(grid()->GetCellLook(1, 1).textColour, QColor(0, 0, 0));

    // Widths follow the page: number 40, content the rest, class 120, the
    // two identifying columns hidden.
    EXPECT_EQ(grid()->GetColumnWidth(0), 40);
    EXPECT_EQ(grid()->GetColumnWidth(1), 600 - 8 - 200);
    EXPECT_EQ(grid()->GetColumnWidth(2), 120);
    EXPECT_EQ(grid()->GetColumnWidth(3), 0);
    EXPECT_EQ(grid()->GetColumnWidth(4), 0);
    page->resize(800, 400);
    EXPECT_EQ(grid()->GetColumnWidth(1), 800 - 8 - 200);
    // Only the content is ever typed.
    EXPECT_FALSE(grid()->EditCell(1, 2));
    EXPECT_FALSE(grid()->EditCell(1, 3));
    EXPECT_FALSE(grid()->EditCell(1, 4));
}

TEST_F(PageWordTest, TheSheetOpensOnThePageAndFollowsACarChange)
{
    auto sheet = createSheet(settingscommand::Word);
    sheet->show();
    auto* shown = dynamic_cast<CPageWord*>(sheet->GetActivePage());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->GetTitle(), "输入记录");
    EXPECT_EQ(shown->Grid()->GetRowCount(), 6);

    // Another car made current on the car management page: coming back
    // lists that car's entries.
    sheet->SetActivePage(settingspage::CarManage);
    db().SetCurrentCar("CAR0002");
    sheet->SetActivePage(settingspage::Word);
    EXPECT_EQ(shown->PageCar(), "CAR0002");
    EXPECT_EQ(shown->Grid()->GetRowCount(), 2);
    EXPECT_EQ(shown->Grid()->GetItemText(1, 1), "别的车");
}

TEST_F(PageWordTest, AnEditedContentIsWrittenAtOnceQuotesIncluded)
{
    open();
    const auto before = stored();
    type(5, "Joe's 车行");
    EXPECT_EQ(grid()->GetItemText(5, 1), "Joe's 车行");
    auto expected = before;
    expected[0] = QStringList{"CAR0001", "Joe's 车行", "2"};
    EXPECT_EQ(stored(), expected);
    EXPECT_EQ(grid()->GetRowCount(), 6);

    // Unchanged and cleared texts.
    type(2, "停车费");
    EXPECT_EQ(stored(), expected);
    type(2, "");
    expected[1] = QStringList{"CAR0001", "", "1"};
    EXPECT_EQ(stored(), expected);

    // Read again from the file, the edited entries keep their rows' class.
    page->OnCommand(1201);
    EXPECT_EQ(contents(), (QStringList{"京东", "", "洗车", "4S店", "Joe's 车行"}));
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.texts().join('|').toStdString();
}

TEST_F(PageWordTest, AnEditThatCannotBeWrittenIsNotShown)
{
    open();
    const auto before = stored();
    sqlite3_exec(db().Connection().handle(), "PRAGMA query_only=1", nullptr, nullptr, nullptr);
    type(5, "新的");
    EXPECT_EQ(boxes.texts(), QStringList{"修改没有保存：账本文件是只读的，无法写入。"});
    EXPECT_EQ(grid()->GetItemText(5, 1), "壳牌");
    EXPECT_EQ(stored(), before);
}

TEST_F(PageWordTest, DeleteAsksFirstAndRemovesTheEntryFromTheFile)
{
    open();
    grid()->ResetSelectedRange();
    page->DeleteSelectedRecord();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "请首先选择要删除的记录！");
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(boxes.boxes()[0].flags, 0x11u);

    // Two rows at once: nothing, not even a message.
    boxes.clear();
    grid()->SetSingleRowSelection(false);
    grid()->SetSelectedRange(1, 0, 2, 4);
    page->DeleteSelectedRecord();
    EXPECT_TRUE(boxes.boxes().empty());
    grid()->SetSingleRowSelection(true);

    selectRow(2);
    boxes.answer(IDCANCEL);
    page->DeleteSelectedRecord();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "记录【2-停车费】将会被删除且不可恢复，确认要删除吗？");
    EXPECT_EQ(boxes.boxes()[0].caption, "Qinmo");
    EXPECT_EQ(boxes.boxes()[0].flags, 0x21u);
    EXPECT_EQ(stored().size(), 6u);

    boxes.clear();
    boxes.answer(IDOK);
    selectRow(2);
    page->DeleteSelectedRecord();
    EXPECT_EQ(boxes.texts(), QStringList{"记录【2-停车费】将会被删除且不可恢复，确认要删除吗？"});
    EXPECT_EQ(readBack("select Content from InputHistory where Content='停车费'").size(), 0u);
    EXPECT_EQ(stored().size(), 5u);
    EXPECT_EQ(contents(), (QStringList{"京东", "洗车", "4S店", "壳牌"}));
    EXPECT_EQ(grid()->GetItemText(2, 0), "3"); // numbers keep their gap until a refresh
}

TEST_F(PageWordTest, ContextMenuRefreshesAndDeletesTheSelectedRow)
{
    open();
    add("CAR0001", "加油站", 3); // written behind the page's back
    EXPECT_EQ(rightClick(1, 1, "刷新"), (QStringList{"刷新", "", "删除记录"}));
    EXPECT_EQ(contents(), (QStringList{"京东", "加油站", "停车费", "洗车", "4S店", "壳牌"}));
    EXPECT_EQ(grid()->GetItemText(6, 0), "6");

    // A right click selects the clicked row first, also on its row number.
    selectRow(6);
    rightClick(2, 0, "删除记录");
    EXPECT_EQ(boxes.texts(), QStringList{"记录【2-加油站】将会被删除且不可恢复，确认要删除吗？"});
    EXPECT_EQ(readBack("select Content from InputHistory where Content='加油站'").size(), 0u);
    EXPECT_EQ(readBack("select Content from InputHistory where Content='壳牌'").size(), 1u);

    // The header row offers the menu as well, so an empty list can be re-read.
    EXPECT_EQ(rightClick(0, 1, QString()).size(), 3);
}

TEST_F(PageWordTest, CtrlZUndoesEditsAndDeletesAsStored)
{
    open();
    const std::vector<QStringList> before = readBack(
        "select CarID, RecID, Content, ClassName, ClassID from InputHistory order by RecID");
    type(1, "京东商城");
    boxes.answer(IDOK);
    selectRow(3); // "洗车  ", stored with its blanks
    page->DeleteSelectedRecord();
    ASSERT_EQ(stored().size(), 5u);

    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(readBack("select CarID, RecID, Content, ClassName, ClassID from InputHistory order "
                       "by RecID"),
              before);
    EXPECT_EQ(contents(), (QStringList{"京东", "停车费", "洗车", "4S店", "壳牌"}));

    QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(contents(), (QStringList{"京东商城", "停车费", "洗车", "4S店", "壳牌"}));
    QTest::keyClick(grid(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(contents(), (QStringList{"京东商城", "停车费", "4S店", "壳牌"}));
    EXPECT_EQ(stored().size(), 5u);
    EXPECT_EQ(boxes.boxes().size(), 1u); // the question before the deletion only
}
