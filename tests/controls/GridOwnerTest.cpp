// How the grid behaves when its owner changes it while answering a
// notification, the way the ledger pages do.
#include "tests/controls/GridFixture.h"

#include "controls/GridCellCombo.h"
#include "controls/GridCellDateTime.h"
#include "controls/InPlaceEdit.h"
#include "controls/InPlaceList.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTest>

using platform::LVN_BEGINLABELEDITW;
using platform::LVN_ENDLABELEDITW;

TEST_F(GridTest, OwnerMayRebuildTheGridWhileAnsweringEndEdit)
{
    QAbstractItemModelTester tester(m_grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    // Like a page that re-reads all rows after a date edit.
    m_owner.answer = [](const NotifyRecorder::Note& n, CGridCtrl& grid) -> qintptr {
        if (n.code == LVN_ENDLABELEDITW && n.col == 1) {
            grid.SetRowCount(1);
            grid.SetRowCount(6);
            for (int r = 1; r < 6; ++r) {
                grid.SetItemText(r, 0, QString::number(r));
                grid.SetCellType<CGridCellDateTime>(r, 1);
                grid.SetItemText(r, 1, QStringLiteral("2011/0%1/01").arg(r));
            }
            grid.SetSelectedRange(n.row, 0, n.row, 4); // selects the edited record again
        }
        return 0;
    };
    m_grid->SetFocusCell(2, 1);
    Key(Qt::Key_9);
    KeyToFocus(Qt::Key_Tab);
    EXPECT_EQ(m_grid->GetItemText(2, 1), "2011/02/01");
    EXPECT_EQ(m_grid->GetRowCount(), 6);
    // The edit moved on to the next cell of the rebuilt grid.
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(2, 2));
    KeyToFocus(Qt::Key_Escape);
}

TEST_F(GridTest, OwnerTurnsACellIntoAComboForTheEditAndBackAfterwards)
{
    // Like a history column: combo while editing, plain text between edits.
    m_owner.answer = [](const NotifyRecorder::Note& n, CGridCtrl& grid) -> qintptr {
        if (n.col != 4)
            return 0;
        if (n.code == LVN_BEGINLABELEDITW) {
            grid.SetCellType<CGridCellCombo>(n.row, n.col);
            auto* combo = grid.GetCellAs<CGridCellCombo>(n.row, n.col);
            combo->SetOptions({QStringLiteral("中石化"), QStringLiteral("中石油")});
            combo->SetStyle(CBS_DROPDOWN);
        } else if (n.code == LVN_ENDLABELEDITW) {
            grid.SetCellType<CGridCell>(n.row, n.col);
        }
        return 0;
    };
    m_grid->SetFocusCell(3, 4);
    Key(Qt::Key_F2);
    auto* list = qobject_cast<CInPlaceList*>(m_grid->GetEditor());
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(1);
    KeyToFocus(Qt::Key_Return);
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetItemText(3, 4), QStringLiteral("中石油"));
    EXPECT_EQ(m_grid->GetCellAs<CGridCellCombo>(3, 4), nullptr);
    EXPECT_TRUE(m_grid->GetModified(3, 4));
}

TEST_F(GridTest, ShrinkingTheGridEndsTheEditWithANotification)
{
    m_grid->SetFocusCell(5, 2);
    Key(Qt::Key_Q);
    ASSERT_TRUE(m_grid->IsEditingCell());
    m_grid->SetRowCount(3);
    EXPECT_FALSE(m_grid->IsEditingCell());
    ASSERT_EQ(m_owner.Edits().size(), 2u);
    EXPECT_EQ(m_owner.Edits()[1].code, LVN_ENDLABELEDITW);
    EXPECT_EQ(m_owner.Edits()[1].text, "q");
}

TEST_F(GridTest, PasteSkipsCellsWhoseEditTheOwnerRefuses)
{
    m_owner.answer = [](const NotifyRecorder::Note& n, CGridCtrl&) -> qintptr {
        return n.code == LVN_BEGINLABELEDITW && n.col == 2 ? -1 : 0;
    };
    m_grid->SetSelectedRange(1, 1, 1, 1);
    QGuiApplication::clipboard()->setText("x\ty\tz");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_grid->GetItemText(1, 1), "x");
    EXPECT_EQ(m_grid->GetItemText(1, 2), "1,2");
    EXPECT_EQ(m_grid->GetItemText(1, 3), "z");
}

TEST_F(GridTest, LineEditorWidensForLongTextUpToTheGridEdge)
{
    m_grid->SetFocusCell(1, 3);
    Key(Qt::Key_F2);
    auto* edit = qobject_cast<CInPlaceEdit*>(m_grid->GetEditor());
    ASSERT_NE(edit, nullptr);
    const int cellWidth = m_grid->GetColumnWidth(3);
    EXPECT_EQ(edit->width(), cellWidth);
    edit->setText(QString(30, QLatin1Char('w')));
    EXPECT_GT(edit->width(), cellWidth);
    edit->setText(QString(300, QLatin1Char('w')));
    EXPECT_LE(edit->geometry().right(), m_grid->viewport()->width());
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(1, 3), QString(300, QLatin1Char('w')));
}

TEST_F(GridTest, CellObjectAndItemAccessorsShowTheSameCell)
{
    m_grid->SetItemFgColour(2, 2, RGB(0, 0, 255));
    CGridCellBase* cell = m_grid->GetCell(2, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetText(), "2,2");
    EXPECT_EQ(cell->GetTextClr(), RGB(0, 0, 255));
    cell->SetText("changed");
    cell->SetState(GVIS_READONLY);
    EXPECT_EQ(m_grid->GetItemText(2, 2), "changed");
    EXPECT_FALSE(m_grid->IsCellEditable(2, 2));
    EXPECT_EQ(m_grid->GetCell(2, 2), cell); // the same object every time
    EXPECT_EQ(cell->GetDefaultCell(), m_grid->GetDefaultCell(false, false));
    EXPECT_EQ(m_grid->GetCell(0, 2)->GetDefaultCell(), m_grid->GetDefaultCell(true, false));
}

TEST_F(GridTest, ReadOnlySummaryGridShowsLabelsButEditsNothing)
{
    // Like the summary page: 2 columns, every cell read-only, labels in column 0.
    m_grid->SetColumnCount(2);
    m_grid->SetRowCount(24);
    m_grid->SetItemText(0, 0, QStringLiteral("统计类别"));
    m_grid->SetItemText(18, 0, QStringLiteral("费用合计"));
    m_grid->SetItemFormat(18, 0, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    for (int r = 0; r < 24; ++r)
        for (int c = 0; c < 2; ++c)
            m_grid->SetItemState(r, c, m_grid->GetItemState(r, c) | GVIS_READONLY);
    m_grid->SetColumnWidth(0, 180);
    EXPECT_EQ(m_grid->GetCellRect(5, 0).width(), 180);
    EXPECT_EQ(m_grid->model()->headerData(17, Qt::Vertical).toString(), QStringLiteral("费用合计"));
    EXPECT_EQ(m_grid->GetCellLook(0, 0).text, QStringLiteral("统计类别"));
    DoubleClick(7, 1);
    m_grid->SetFocusCell(7, 1);
    Key(Qt::Key_F2);
    Key(Qt::Key_1);
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_TRUE(m_owner.Edits().empty());
}

TEST_F(GridTest, DeletingAColumnKeepsHiddenColumnsHidden)
{
    m_grid->SetColumnWidth(4, 0);
    EXPECT_TRUE(m_grid->DeleteColumn(2));
    EXPECT_EQ(m_grid->GetColumnCount(), 4);
    EXPECT_EQ(m_grid->GetItemText(0, 2), "H3");
    EXPECT_EQ(m_grid->GetColumnWidth(3), 0);
    EXPECT_TRUE(m_grid->GetCellRect(1, 3).isEmpty());
    m_grid->SetFocusCell(1, 2);
    Key(Qt::Key_Right);
    EXPECT_EQ(m_grid->GetFocusCell(), CCellID(1, 2));
    EXPECT_EQ(m_grid->InsertColumn("new", DT_CENTER, 2), 2);
    EXPECT_EQ(m_grid->GetItemText(0, 2), "new");
    EXPECT_EQ(m_grid->GetColumnWidth(4), 0);
}

// Structural calls end the open edit before they look at the table: the
// owner's end-edit answer may have resized it by then.
TEST_F(GridTest, StructuralCallsEndTheEditBeforeLookingAtTheTable)
{
    QAbstractItemModelTester tester(m_grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto inStep = [this] {
        EXPECT_EQ(m_grid->verticalHeader()->count(), m_grid->model()->rowCount());
        EXPECT_EQ(m_grid->horizontalHeader()->count(), m_grid->model()->columnCount());
        EXPECT_EQ(m_grid->model()->rowCount(), m_grid->GetRowCount() - 1);
        EXPECT_EQ(m_grid->model()->columnCount(), m_grid->GetColumnCount() - 1);
    };
    const auto editThenAnswer = [this](int row, int col, std::function<void(CGridCtrl&)> change) {
        m_owner.answer = [change](const NotifyRecorder::Note& n, CGridCtrl& grid) -> qintptr {
            if (n.code == LVN_ENDLABELEDITW)
                change(grid);
            return 0;
        };
        ASSERT_TRUE(m_grid->EditCell(row, col));
    };

    editThenAnswer(5, 2, [](CGridCtrl& grid) { grid.SetRowCount(3); });
    EXPECT_FALSE(m_grid->DeleteRow(5));
    EXPECT_EQ(m_grid->GetRowCount(), 3);
    inStep();

    editThenAnswer(2, 2, [](CGridCtrl& grid) { grid.SetRowCount(2); });
    EXPECT_FALSE(m_grid->SetCellType<CGridCellDateTime>(2, 2));
    EXPECT_EQ(m_grid->GetRowCount(), 2);
    inStep();

    editThenAnswer(1, 2, [](CGridCtrl& grid) {
        grid.InsertRow("2");
        grid.InsertRow("3");
    });
    EXPECT_TRUE(m_grid->SetRowCount(10));
    EXPECT_EQ(m_grid->GetRowCount(), 10);
    inStep();

    editThenAnswer(1, 4, [](CGridCtrl& grid) { grid.SetColumnCount(3); });
    EXPECT_FALSE(m_grid->DeleteColumn(4));
    EXPECT_EQ(m_grid->GetColumnCount(), 3);
    inStep();

    editThenAnswer(1, 2, [](CGridCtrl& grid) { grid.SetColumnCount(2); });
    EXPECT_FALSE(m_grid->SetColumnWidth(2, 0));
    inStep();

    editThenAnswer(1, 1, [](CGridCtrl& grid) { grid.InsertColumn("H2"); });
    EXPECT_TRUE(m_grid->SetColumnCount(6));
    EXPECT_EQ(m_grid->GetColumnCount(), 6);
    inStep();
    EXPECT_FALSE(m_grid->IsEditingCell());
}

TEST_F(GridTest, AnswerAfterARebuildLeavesTheNewCellAlone)
{
    // The owner re-reads its records while answering: another record now
    // sits at the edited position.
    bool refuse = true;
    m_owner.answer = [&refuse](const NotifyRecorder::Note& n, CGridCtrl& grid) -> qintptr {
        if (n.code != LVN_ENDLABELEDITW)
            return 0;
        grid.SetRowCount(1);
        grid.SetRowCount(6);
        grid.SetItemText(n.row, n.col, "other record");
        return refuse ? -1 : 0;
    };
    m_grid->SetFocusCell(2, 2);
    Key(Qt::Key_N);
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(2, 2), "other record"); // not the text before the edit
    EXPECT_FALSE(m_grid->GetModified(2, 2));

    refuse = false;
    m_grid->SetFocusCell(2, 2);
    Key(Qt::Key_M);
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(2, 2), "other record");
    EXPECT_FALSE(m_grid->GetModified(2, 2));
}
