#include "LedgerFixture.h"

#include "database/RecordChange.h"
#include "ledgers/DlgRepair.h"

#include <QUndoStack>
#include <sqlite3.h>

using namespace platform;

namespace {
const char* kRepairRow = "select RecID, DateTimee, Mark, Content, Provider, Miles, Amount from "
                         "Repair order by RecID";

void setQueryOnly(LedgerContext& context, bool on)
{
    ASSERT_EQ(sqlite3_exec(context.m_database.Connection().handle(),
                           on ? "PRAGMA query_only=1" : "PRAGMA query_only=0", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
}
} // namespace

// Each kind of change undone and redone: the file and the grid agree after
// every step, and the group's texts name the change.
TEST_F(LedgerTest, UndoAndRedoWriteTheOtherStateBack)
{
    struct Case
    {
        const char* name;
        std::function<void(CDlgRepair&)> change;
        QString undoText;
    };
    const std::vector<Case> cases = {
        {"edit", [](CDlgRepair& page) { type(page, 1, 3, "88"); },
         "修改 维修记录 2024/05/20 总金额"},
        {"add", [](CDlgRepair& page) { type(page, 3, 1, "2024/05/22"); },
         "新增 维修记录 2024/05/22"},
        {"delete",
         [this](CDlgRepair& page) {
             boxes.answer(IDOK);
             page.Grid()->SetSelectedRange(1, 0, 1, 7);
             page.DeleteSelectedRecord();
         },
         "删除 维修记录 2024/05/20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LedgerContext ledger;
        const QString file = folders.data() + "/" + c.name + ".mdb";
        ASSERT_TRUE(OpenLedger(ledger, file));
        ledger.m_database.NewCar("甲");
        ledger.m_database.SetCurrentCar("CAR0001");
        CDlgRepair page(ledger);
        show(page);
        type(page, 1, 4, "补胎");
        type(page, 1, 3, "10");
        type(page, 2, 4, "换油");
        // Both of one date: a record put back keeps its place among them.
        ledger.m_editHistory.Stack("CAR0001", LedgerKind::Repair)->clear();
        const auto before = ReadBack(file, kRepairRow);
        // Row numbers keep a deletion's gap until the next load: compared without them.
        const auto shown = [&page] {
            return row(page, 1).mid(1) + row(page, 2).mid(1) + row(page, 3).mid(1);
        };
        const QStringList shownBefore = shown();

        c.change(page);
        const auto after = ReadBack(file, kRepairRow);
        const QStringList shownAfter = shown();
        ASSERT_NE(after, before);
        EXPECT_EQ(ledger.m_editHistory.Group().undoText(), c.undoText);

        ASSERT_TRUE(page.Undo());
        EXPECT_EQ(ReadBack(file, kRepairRow), before);
        EXPECT_EQ(shown(), shownBefore);
        EXPECT_FALSE(page.Undo()); // nothing more to undo
        EXPECT_EQ(ledger.m_editHistory.Group().redoText(), c.undoText);

        ASSERT_TRUE(page.Redo());
        EXPECT_EQ(ReadBack(file, kRepairRow), after);
        EXPECT_EQ(shown(), shownAfter);
        EXPECT_TRUE(boxes.boxes().size() <= 1u) << boxes.texts().join('|').toStdString();
        boxes.clear();
    }
}

// A write that fails tells the user as an edit would and leaves the stacks
// as they were; once the ledger can be written the same undo works.
TEST_F(LedgerTest, RefusedUndoLeavesTheStacksAsTheyWere)
{
    CDlgRepair page(context);
    show(page);
    type(page, 1, 3, "10");
    type(page, 1, 3, "20");
    QUndoStack* stack = context.m_editHistory.Stack("CAR0001", LedgerKind::Repair);
    ASSERT_EQ(stack->count(), 2);

    setQueryOnly(context, true);
    EXPECT_FALSE(page.Undo());
    EXPECT_EQ(boxes.texts(), QStringList{"修改没有保存：账本文件是只读的，无法写入。"});
    EXPECT_EQ(stack->index(), 2);
    EXPECT_EQ(page.Grid()->GetItemText(1, 3), "￥ 20.00");
    EXPECT_EQ(readBack("select Amount from Repair"), (std::vector<QStringList>{{"20.00000000"}}));

    setQueryOnly(context, false);
    ASSERT_TRUE(page.Undo());
    EXPECT_EQ(stack->index(), 1);
    setQueryOnly(context, true);
    EXPECT_FALSE(page.Redo());
    EXPECT_EQ(stack->index(), 1);
    EXPECT_EQ(page.Grid()->GetItemText(1, 3), "￥ 10.00");
    setQueryOnly(context, false);
    EXPECT_EQ(readBack("select Amount from Repair"), (std::vector<QStringList>{{"10.00000000"}}));

    // The record deleted meanwhile by another way: told, the stack stays.
    boxes.clear();
    context.m_database.DeleteRecord(LedgerKind::Repair, "CAR0001", "0000001");
    EXPECT_FALSE(page.Undo());
    EXPECT_EQ(boxes.texts(), QStringList{"这条记录已经不在账本中，无法撤销或重做。"});
    EXPECT_EQ(stack->index(), 1);
}

// Each car keeps its own changes across car switches; a deleted record with a
// text longer than the page reads comes back whole.
TEST_F(LedgerTest, UndoFollowsTheCarAndKeepsLongTexts)
{
    CDlgRepair page(context);
    show(page);
    const QString longText = QString(kLongestText + 50, QChar(u'长'));
    type(page, 1, 4, "x");
    ASSERT_TRUE(context.m_database
                    .UpdateRecordField(
                        LedgerKind::Repair,
                        [&] {
                            LedgerRecord r = page.Records()[0];
                            r.mark = longText;
                            return r;
                        }(),
                        LedgerField::Mark)
                    .ok());
    page.RefreshPage();
    boxes.answer(IDOK);
    page.Grid()->SetSelectedRange(1, 0, 1, 7);
    page.DeleteSelectedRecord();

    context.m_database.SetCurrentCar("CAR0002");
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    EXPECT_FALSE(context.m_editHistory.Group().canUndo());
    EXPECT_FALSE(page.Undo());
    type(page, 1, 4, "乙的");

    context.m_database.SetCurrentCar("CAR0001");
    SendMessage(&page, WM_PAGE_SHOW, 0, 1);
    EXPECT_EQ(context.m_editHistory.Group().undoText(), "删除 维修记录 2024/05/20");
    ASSERT_TRUE(page.Undo());
    EXPECT_EQ(
        readBack("select CarID, RecID, Content, length(Mark) from Repair order by CarID"),
        (std::vector<QStringList>{{"CAR0001", "0000001", "x", QString::number(kLongestText + 50)},
                                  {"CAR0002", "0000001", "乙的", "0"}}));
    EXPECT_EQ(page.Grid()->GetItemText(1, 4), "x");
    // Hidden, the page leaves the menu nothing to undo.
    SendMessage(&page, WM_PAGE_SHOW, 0, 0);
    EXPECT_EQ(context.m_editHistory.Group().activeStack(), nullptr);
}
