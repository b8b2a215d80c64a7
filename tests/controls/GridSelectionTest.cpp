#include "tests/controls/GridFixture.h"

#include "controls/TitleTip.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTest>

TEST_F(GridTest, ListModeSelectsWholeRowsAndReportsTheRange)
{
    m_grid->SetListMode(true);
    m_grid->SetSingleRowSelection(true);
    Click(2, 3);
    EXPECT_EQ(m_grid->GetSelectedCellRange(), CCellRange(2, 1, 2, 4));
    EXPECT_TRUE(m_grid->IsCellSelected(2, 1));
    EXPECT_EQ(m_grid->GetFocusCell(), CCellID(2, 3));

    // A click on the header row selects nothing.
    QHeaderView* header = m_grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    EXPECT_EQ(m_grid->GetSelectedCellRange(), CCellRange(2, 1, 2, 4));

    // Shift+click cannot extend a single-row selection.
    Click(4, 2, Qt::ShiftModifier);
    EXPECT_EQ(m_grid->GetSelectedCellRange(), CCellRange(4, 1, 4, 4));

    // Setting a range selects it (clipped to the ordinary cells) and moves the focus.
    m_grid->SetSelectedRange(3, 0, 3, 4);
    EXPECT_EQ(m_grid->GetSelectedCellRange(), CCellRange(3, 1, 3, 4));
    EXPECT_EQ(m_grid->GetFocusCell().row, 3);
    m_grid->SetSelectedRange(CCellRange());
    EXPECT_EQ(m_grid->GetSelectedCellRange(), CCellRange());
}

TEST_F(GridTest, KeyboardSelectionExtendsWithShiftAndNotifies)
{
    Click(1, 1);
    m_owner.Clear();
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(m_grid->GetSelectedCellRange(), CCellRange(1, 1, 2, 2));
    ASSERT_EQ(m_owner.notes.size(), 4u);
    EXPECT_EQ(m_owner.notes[0].code, platform::GVN_SELCHANGING);
    EXPECT_EQ(m_owner.notes[1].code, platform::GVN_SELCHANGED);
    EXPECT_EQ(m_owner.notes[3].row, 2);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(m_grid->GetFocusCell(), CCellID(5, 4));
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(m_grid->GetFocusCell(), CCellID(1, 1));
}

TEST_F(GridTest, HiddenColumnIsNeverReachedByArrowsOrClicks)
{
    m_grid->SetColumnWidth(3, 0);
    EXPECT_TRUE(m_grid->GetCellRect(1, 3).isEmpty());
    m_grid->SetFocusCell(1, 2);
    Key(Qt::Key_Right);
    EXPECT_EQ(m_grid->GetFocusCell(), CCellID(1, 4));
    Key(Qt::Key_Left);
    EXPECT_EQ(m_grid->GetFocusCell(), CCellID(1, 2));
    EXPECT_FALSE(m_grid->EditCell(1, 3));
    // The column comes back with its width.
    m_grid->SetColumnWidth(3, 60);
    EXPECT_EQ(m_grid->GetCellRect(1, 3).width(), 60);
}

TEST_F(GridTest, RightClickKeepsSelectionAndNotifies)
{
    m_grid->SetListMode(true);
    Click(2, 2);
    m_owner.Clear();
    QTest::mouseClick(m_grid->viewport(), Qt::RightButton, {}, CellCentre(4, 4));
    EXPECT_EQ(m_grid->GetSelectedCellRange(), CCellRange(2, 1, 2, 4));
    ASSERT_FALSE(m_owner.notes.empty());
    EXPECT_EQ(m_owner.notes[0].code, platform::NM_RCLICK);
    EXPECT_EQ(m_owner.notes[0].row, 4);
}

TEST_F(GridTest, CellFromPointKnowsFixedCells)
{
    const QRect corner = m_grid->GetCellRect(0, 0);
    const QRect header = m_grid->GetCellRect(0, 2);
    const QRect rowHead = m_grid->GetCellRect(3, 0);
    const QRect body = m_grid->GetCellRect(3, 2);
    ASSERT_FALSE(corner.isEmpty());
    EXPECT_EQ(m_grid->GetCellFromPt(corner.center()), CCellID(0, 0));
    EXPECT_EQ(m_grid->GetCellFromPt(header.center()), CCellID(0, 2));
    EXPECT_EQ(m_grid->GetCellFromPt(rowHead.center()), CCellID(3, 0));
    EXPECT_EQ(m_grid->GetCellFromPt(body.center()), CCellID(3, 2));
    EXPECT_EQ(m_grid->GetCellFromPt(header.center(), false), CCellID());
    EXPECT_EQ(m_grid->GetCellFromPt(QPoint(690, 350)), CCellID()); // below the last row
    EXPECT_EQ(header.height(), m_grid->GetRowHeight(0));
    EXPECT_EQ(rowHead.width(), m_grid->GetColumnWidth(0));
}

TEST_F(GridTest, CopyCutAndPasteWorkOnTheSelectedCells)
{
    m_grid->SetColumnWidth(3, 0);
    m_grid->SetSelectedRange(1, 2, 2, 4);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,2\t1,4\r\n2,2\t2,4");
    QGuiApplication::clipboard()->clear();
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,2\t1,4\r\n2,2\t2,4");

    // Paste goes into editable cells only, through the edit notifications.
    m_grid->SetItemState(4, 2, GVIS_READONLY);
    QGuiApplication::clipboard()->setText("a\tb\r\nc\td\r\n");
    m_grid->SetSelectedRange(3, 1, 3, 1);
    m_owner.Clear();
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_grid->GetItemText(3, 1), "a");
    EXPECT_EQ(m_grid->GetItemText(3, 2), "b");
    EXPECT_EQ(m_grid->GetItemText(4, 1), "c");
    EXPECT_EQ(m_grid->GetItemText(4, 2), "4,2");
    EXPECT_EQ(m_owner.Edits().size(), 6u);
    EXPECT_TRUE(m_grid->GetModified(3, 1));

    // Cut empties the editable cells it copied.
    m_grid->SetSelectedRange(4, 1, 4, 2);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "c\t4,2");
    EXPECT_EQ(m_grid->GetItemText(4, 1), "");
    EXPECT_EQ(m_grid->GetItemText(4, 2), "4,2");

    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(m_grid->GetSelectedCellRange(), CCellRange(1, 1, 5, 4));
}

TEST_F(GridTest, UnusedKeysGoToTheOwner)
{
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(m_grid, &del);
    EXPECT_FALSE(del.isAccepted());
    QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QApplication::sendEvent(m_grid, &f5);
    EXPECT_FALSE(f5.isAccepted());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(m_grid, &enter);
    EXPECT_TRUE(enter.isAccepted()); // Escape never closes the page
}

TEST_F(GridTest, ClippedTextShowsTitleTip)
{
    m_grid->SetItemText(2, 2, QStringLiteral("一段很长很长的备注文字，格子里放不下"));
    QTest::mouseMove(m_grid->viewport(), CellCentre(2, 2));
    CTitleTip* tip = m_grid->findChild<CTitleTip*>();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tip->isVisible(); }, 2000));
    EXPECT_EQ(tip->Text(), m_grid->GetItemText(2, 2));
    Key(Qt::Key_Down);
    EXPECT_FALSE(tip->isVisible());

    // A text that fits shows none.
    QTest::mouseMove(m_grid->viewport(), CellCentre(3, 3));
    QTest::qWait(500);
    EXPECT_FALSE(tip->isVisible());
}

TEST_F(GridTest, HeaderClickSortsOnlyWhenSwitchedOn)
{
    m_grid->SetItemText(1, 2, "b");
    m_grid->SetItemText(2, 2, "c");
    m_grid->SetItemText(3, 2, "a");
    QHeaderView* header = m_grid->horizontalHeader();
    const QPoint onColumn2(header->sectionViewportPosition(1) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onColumn2);
    EXPECT_EQ(m_grid->GetItemText(1, 2), "b");

    m_grid->SetHeaderSort(true);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onColumn2);
    EXPECT_EQ(m_grid->GetSortColumn(), 2);
    EXPECT_EQ(m_grid->GetItemText(1, 2), "4,2"); // digits sort before letters
    EXPECT_EQ(m_grid->GetItemText(3, 2), "a");
    EXPECT_EQ(m_grid->GetItemText(3, 0), "3"); // whole rows move
    EXPECT_EQ(m_grid->GetItemText(5, 2), "c");
    EXPECT_EQ(m_grid->GetItemText(0, 2), "H2");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onColumn2);
    EXPECT_FALSE(m_grid->GetSortAscending());
    EXPECT_EQ(m_grid->GetItemText(1, 2), "c");
}

TEST_F(GridTest, TabPastTheLastCellPassesTheFocusOn)
{
    m_grid->SetFocusCell(5, 4);
    Key(Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(m_other->hasFocus());

    // Also when the Tab ends an edit in the last cell.
    m_grid->setFocus();
    m_grid->SetFocusCell(5, 4);
    Key(Qt::Key_F2);
    KeyToFocus(Qt::Key_Tab);
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_TRUE(m_other->hasFocus());
    EXPECT_EQ(m_owner.Edits().size(), 2u);
}

TEST_F(GridTest, ListModeCutAndPasteActOnTheFocusCellOnly)
{
    m_grid->SetListMode(true);
    m_grid->SetSingleRowSelection(true);
    Click(2, 3);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "2,1\t2,2\t2,3\t2,4"); // copy keeps the row

    m_owner.Clear();
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "2,3");
    EXPECT_EQ(m_grid->GetItemText(2, 3), "");
    EXPECT_EQ(m_grid->GetItemText(2, 1), "2,1");
    EXPECT_EQ(m_grid->GetItemText(2, 2), "2,2");
    EXPECT_EQ(m_grid->GetItemText(2, 4), "2,4");
    for (const auto& note : m_owner.Edits())
        EXPECT_EQ(note.col, 3);

    Click(3, 2);
    QGuiApplication::clipboard()->setText("p\tq\r\nr\ts\r\n");
    m_owner.Clear();
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_grid->GetItemText(3, 2), "p");
    EXPECT_EQ(m_grid->GetItemText(3, 1), "3,1");
    EXPECT_EQ(m_grid->GetItemText(3, 3), "3,3");
    EXPECT_EQ(m_grid->GetItemText(4, 2), "4,2");
    ASSERT_EQ(m_owner.Edits().size(), 2u);
    EXPECT_EQ(m_owner.Edits()[1].col, 2);
}

TEST_F(GridTest, ClippedHeaderTextShowsTitleTip)
{
    m_grid->SetItemText(0, 2, QStringLiteral("加油金额（元）与备注的很长表头"));
    m_grid->SetItemText(3, 0, QStringLiteral("第三条记录的很长行标题"));
    CTitleTip* tip = m_grid->findChild<CTitleTip*>();
    ASSERT_NE(tip, nullptr);

    QHeaderView* top = m_grid->horizontalHeader();
    QTest::mouseMove(top->viewport(),
                     QPoint(top->sectionViewportPosition(1) + 10, top->height() / 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tip->isVisible(); }, 2000));
    EXPECT_EQ(tip->Text(), m_grid->GetItemText(0, 2));
    QTest::mouseMove(m_grid->viewport(), CellCentre(3, 3)); // a text that fits
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tip->isVisible(); }, 2000));

    QHeaderView* side = m_grid->verticalHeader();
    QTest::mouseMove(side->viewport(),
                     QPoint(side->width() / 2, side->sectionViewportPosition(2) + 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tip->isVisible(); }, 2000));
    EXPECT_EQ(tip->Text(), m_grid->GetItemText(3, 0));
}
