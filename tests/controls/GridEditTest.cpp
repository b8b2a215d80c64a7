#include "tests/controls/GridFixture.h"

#include "controls/GridCellCombo.h"
#include "controls/GridCellDateTime.h"
#include "controls/InPlaceDateTime.h"
#include "controls/InPlaceEdit.h"
#include "controls/InPlaceList.h"

#include <QApplication>
#include <QTest>

using platform::LVN_BEGINLABELEDITW;
using platform::LVN_ENDLABELEDITW;

TEST_F(GridTest, ReadOnlyCellOpensNoEditorWhicheverWayEditingIsAsked)
{
    m_grid->SetItemState(2, 2, m_grid->GetItemState(2, 2) | GVIS_READONLY);
    m_grid->SetFocusCell(2, 2);
    DoubleClick(2, 2);
    Key(Qt::Key_F2);
    Key(Qt::Key_Return);
    Key(Qt::Key_X);
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_TRUE(m_owner.Edits().empty());
    EXPECT_EQ(m_grid->GetItemText(2, 2), "2,2");
    EXPECT_FALSE(m_grid->EditCell(2, 2));

    // A grid that is not editable refuses every cell.
    m_grid->SetEditable(false);
    EXPECT_FALSE(m_grid->EditCell(1, 1));
    EXPECT_TRUE(m_owner.Edits().empty());
}

TEST_F(GridTest, TypedCharacterOpensEditorAndReplacesText)
{
    m_grid->SetFocusCell(1, 2);
    Key(Qt::Key_7);
    ASSERT_TRUE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(1, 2));
    EXPECT_EQ(EditorText(), "7");
    TypeToFocus("5");
    KeyToFocus(Qt::Key_Return);

    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetItemText(1, 2), "75");
    EXPECT_TRUE(m_grid->GetModified(1, 2));
    const auto edits = m_owner.Edits();
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[0].code, LVN_BEGINLABELEDITW);
    EXPECT_EQ(edits[0].text, "1,2"); // the owner sees the text before the edit
    EXPECT_EQ(edits[1].code, LVN_ENDLABELEDITW);
    EXPECT_EQ(edits[1].text, "75"); // and the edited text in the cell at the end
}

TEST_F(GridTest, CtrlCharacterEscapeAndTabStartNoEdit)
{
    m_grid->SetFocusCell(1, 1);
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_Escape);
    Key(Qt::Key_Tab);
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_TRUE(m_owner.Edits().empty());
}

TEST_F(GridTest, F2EnterAndDoubleClickOpenOnTheUnchangedText)
{
    // The caret waits at the end of the text: what is typed is appended.
    m_grid->SetFocusCell(1, 1);
    Key(Qt::Key_F2);
    TypeToFocus("x");
    EXPECT_EQ(EditorText(), "1,1x");
    KeyToFocus(Qt::Key_Escape);
    Key(Qt::Key_Return);
    TypeToFocus("y");
    EXPECT_EQ(EditorText(), "1,1y");
    KeyToFocus(Qt::Key_Escape);
    DoubleClick(3, 3);
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(3, 3));
    TypeToFocus("z");
    EXPECT_EQ(EditorText(), "3,3z");
    KeyToFocus(Qt::Key_Escape);

    // Likewise in the edit field of a drop-down combo.
    m_grid->SetCellType<CGridCellCombo>(2, 2);
    m_grid->SetFocusCell(2, 2);
    Key(Qt::Key_F2);
    TypeToFocus("w");
    EXPECT_EQ(EditorText(), "2,2w");
    KeyToFocus(Qt::Key_Escape);
    EXPECT_EQ(m_grid->GetItemText(2, 2), "2,2");
}

TEST_F(GridTest, NegativeBeginAnswerPreventsTheEdit)
{
    m_owner.answer = [](const NotifyRecorder::Note& n, CGridCtrl&) -> qintptr {
        return n.code == LVN_BEGINLABELEDITW ? -1 : 0;
    };
    m_grid->SetFocusCell(1, 1);
    Key(Qt::Key_F2);
    EXPECT_FALSE(m_grid->IsEditingCell());
    ASSERT_EQ(m_owner.Edits().size(), 1u);
    EXPECT_EQ(m_owner.Edits()[0].code, LVN_BEGINLABELEDITW);
}

TEST_F(GridTest, EditorOpensOnTextTheOwnerRewroteAtBeginEdit)
{
    m_grid->SetItemText(1, 2, QStringLiteral("￥ 125.50"));
    m_owner.answer = [](const NotifyRecorder::Note& n, CGridCtrl& grid) -> qintptr {
        if (n.code == LVN_BEGINLABELEDITW)
            grid.SetItemText(n.row, n.col, "125.50");
        return 0;
    };
    m_grid->SetFocusCell(1, 2);
    Key(Qt::Key_F2);
    EXPECT_EQ(EditorText(), "125.50");
}

TEST_F(GridTest, EndEditIsSentForUnchangedEditAndAfterEscape)
{
    m_grid->SetFocusCell(1, 1);
    Key(Qt::Key_F2);
    KeyToFocus(Qt::Key_Return);
    Key(Qt::Key_F2);
    TypeToFocus("zzz");
    KeyToFocus(Qt::Key_Escape);

    const auto edits = m_owner.Edits();
    ASSERT_EQ(edits.size(), 4u);
    EXPECT_EQ(edits[1].code, LVN_ENDLABELEDITW);
    EXPECT_EQ(edits[1].text, "1,1");
    EXPECT_EQ(edits[3].code, LVN_ENDLABELEDITW);
    EXPECT_EQ(edits[3].text, "1,1"); // Escape restored the initial text first
    EXPECT_EQ(m_grid->GetItemText(1, 1), "1,1");
}

TEST_F(GridTest, NegativeEndAnswerRestoresThePreviousText)
{
    m_owner.answer = [](const NotifyRecorder::Note& n, CGridCtrl&) -> qintptr {
        return n.code == LVN_ENDLABELEDITW ? -1 : 0;
    };
    m_grid->SetFocusCell(2, 1);
    Key(Qt::Key_N);
    TypeToFocus("ew");
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(2, 1), "2,1");
    EXPECT_FALSE(m_grid->GetModified(2, 1));
    ASSERT_EQ(m_owner.Edits().size(), 2u);
    EXPECT_EQ(m_owner.Edits()[1].text, "new"); // the owner saw the rejected text
}

TEST_F(GridTest, TabEndsTheEditAndEditsTheNextVisibleCell)
{
    m_grid->SetColumnWidth(3, 0);
    m_grid->SetFocusCell(1, 2);
    Key(Qt::Key_F2);
    KeyToFocus(Qt::Key_Tab);
    ASSERT_TRUE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(1, 4)); // column 3 is hidden
    KeyToFocus(Qt::Key_Tab);
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(2, 1)); // on to the next row
    KeyToFocus(Qt::Key_Backtab);
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(1, 4));
    for (const auto& note : m_owner.notes)
        EXPECT_NE(note.col, 3);
    // Arrived by Tab, the whole text is selected: what is typed replaces it.
    TypeToFocus("new");
    EXPECT_EQ(EditorText(), "new");
    KeyToFocus(Qt::Key_Escape);
    Key(Qt::Key_F2);
    // Read-only cells are passed over, both ways.
    m_grid->SetItemState(2, 1, GVIS_READONLY);
    m_grid->SetItemState(2, 2, GVIS_READONLY);
    KeyToFocus(Qt::Key_Tab);
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(2, 4));
    EXPECT_EQ(m_grid->GetFocusCell(), CCellID(2, 4));
    KeyToFocus(Qt::Key_Backtab);
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(1, 4));
    // With no editable cell left, Tab passes the focus on.
    for (int r = 2; r < 6; ++r)
        for (int c = 1; c < 5; ++c)
            m_grid->SetItemState(r, c, GVIS_READONLY);
    KeyToFocus(Qt::Key_Tab);
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_TRUE(m_other->hasFocus());
}

TEST_F(GridTest, ArrowsEndTheLineEditorAndMoveOn)
{
    m_grid->SetFocusCell(2, 2);
    Key(Qt::Key_F2);
    KeyToFocus(Qt::Key_Down);
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(3, 2));
    KeyToFocus(Qt::Key_Left); // moves the caret only
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(3, 2));
    KeyToFocus(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(3, 3));
}

TEST_F(GridTest, LosingTheFocusEndsTheEdit)
{
    m_grid->SetFocusCell(1, 1);
    Key(Qt::Key_A);
    m_other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetItemText(1, 1), "a");
    ASSERT_EQ(m_owner.Edits().size(), 2u);
    EXPECT_EQ(m_owner.Edits()[1].code, LVN_ENDLABELEDITW);
}

TEST_F(GridTest, ClickOnAnotherCellEndsTheEditFirst)
{
    m_grid->SetFocusCell(1, 1);
    Key(Qt::Key_B);
    Click(4, 4);
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetItemText(1, 1), "b");
    EXPECT_EQ(m_grid->GetFocusCell(), CCellID(4, 4));
}

TEST_F(GridTest, ComboCellOffersItsOptionsInItsStyle)
{
    ASSERT_TRUE(m_grid->SetCellType<CGridCellCombo>(2, 3));
    auto* combo = m_grid->GetCellAs<CGridCellCombo>(2, 3);
    ASSERT_NE(combo, nullptr);
    combo->SetOptions({QStringLiteral("中石化"), QStringLiteral("中石油")});
    combo->SetStyle(CBS_DROPDOWN);

    m_grid->SetFocusCell(2, 3);
    Key(Qt::Key_F2);
    auto* list = qobject_cast<CInPlaceList*>(m_grid->GetEditor());
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isEditable());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(1), QStringLiteral("中石油"));
    EXPECT_EQ(list->currentText(), "2,3");
    // An editable drop-down takes a text that is not listed.
    list->setEditText(QStringLiteral("壳牌"));
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(2, 3), QStringLiteral("壳牌"));

    // A drop-down list offers only its options.
    combo = m_grid->GetCellAs<CGridCellCombo>(2, 3);
    combo->SetStyle(CBS_DROPDOWNLIST);
    Key(Qt::Key_F2);
    list = qobject_cast<CInPlaceList*>(m_grid->GetEditor());
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEditable());
    list->setCurrentIndex(0);
    KeyToFocus(Qt::Key_Tab);
    EXPECT_EQ(m_grid->GetItemText(2, 3), QStringLiteral("中石化"));
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(2, 4)); // Tab ended the combo and moved on
}

TEST_F(GridTest, ComboEditorEndsOnCtrlArrowButNotOnPlainArrow)
{
    m_grid->SetCellType<CGridCellCombo>(2, 2);
    m_grid->GetCellAs<CGridCellCombo>(2, 2)->SetOptions({"a", "b", "c"});
    m_grid->SetFocusCell(2, 2);
    Key(Qt::Key_F2);
    KeyToFocus(Qt::Key_Down);
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(2, 2));
    KeyToFocus(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(3, 2));
    // Tab ends it as well, also when typed into its edit field.
    KeyToFocus(Qt::Key_Escape);
    m_grid->SetFocusCell(2, 2);
    Key(Qt::Key_F2);
    auto* field = m_grid->GetEditor()->findChild<CComboEdit*>();
    ASSERT_NE(field, nullptr);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(2, 3));
}

TEST_F(GridTest, DateCellShowsAndEditsYearMonthDay)
{
    ASSERT_TRUE(m_grid->SetCellType<CGridCellDateTime>(1, 1));
    auto* date = m_grid->GetCellAs<CGridCellDateTime>(1, 1);
    date->SetTime(QDateTime(QDate(2011, 7, 2), QTime(15, 30)));
    EXPECT_EQ(m_grid->GetItemText(1, 1), "2011/07/02");

    m_grid->SetFocusCell(1, 1);
    Key(Qt::Key_F2);
    auto* picker = qobject_cast<CInPlaceDateTime*>(m_grid->GetEditor());
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->Date(), QDate(2011, 7, 2));
    picker->SetDate(QDate(2012, 1, 5));
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(1, 1), "2012/01/05");
    date = m_grid->GetCellAs<CGridCellDateTime>(1, 1);
    EXPECT_EQ(date->GetTimeValue().date(), QDate(2012, 1, 5));
    EXPECT_EQ(m_owner.Edits().back().text, "2012/01/05");

    // Escape puts the date back; the owner still hears of the edit.
    Key(Qt::Key_F2);
    qobject_cast<CInPlaceDateTime*>(m_grid->GetEditor())->SetDate(QDate(2020, 2, 2));
    KeyToFocus(Qt::Key_Escape);
    EXPECT_EQ(m_grid->GetItemText(1, 1), "2012/01/05");
    EXPECT_EQ(m_owner.Edits().back().code, LVN_ENDLABELEDITW);
}

TEST_F(GridTest, InputMethodTextStartsAnEditOnTheFocusCell)
{
    EXPECT_TRUE(m_grid->testAttribute(Qt::WA_InputMethodEnabled));
    m_grid->SetFocusCell(1, 2);
    // A composition in progress opens nothing yet.
    QInputMethodEvent preedit(QStringLiteral("zhong"), {});
    QApplication::sendEvent(m_grid, &preedit);
    EXPECT_FALSE(m_grid->IsEditingCell());

    // "3" would match row 3 in a keyboard search; the committed text goes to
    // the focus cell's editor instead.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("3中"));
    QApplication::sendEvent(m_grid, &commit);
    ASSERT_TRUE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetEditCell(), CCellID(1, 2));
    EXPECT_EQ(m_grid->GetFocusCell(), CCellID(1, 2));
    EXPECT_EQ(EditorText(), QStringLiteral("3中"));
    QInputMethodEvent more;
    more.setCommitString(QStringLiteral("石油"));
    QApplication::sendEvent(QApplication::focusWidget(), &more);
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(1, 2), QStringLiteral("3中石油"));
    EXPECT_TRUE(m_grid->testAttribute(Qt::WA_InputMethodEnabled));

    // A read-only cell takes no input and the focus stays.
    m_grid->SetItemState(1, 3, GVIS_READONLY);
    m_grid->SetFocusCell(1, 3);
    QInputMethodEvent refused;
    refused.setCommitString(QStringLiteral("4"));
    QApplication::sendEvent(m_grid, &refused);
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetFocusCell(), CCellID(1, 3));
}

TEST_F(GridTest, EscapePutsBackTheCellsOwnTextExactly)
{
    // A date cell without a date yet: the picker shows some date, but Escape
    // leaves the cell empty.
    m_grid->SetCellType<CGridCellDateTime>(1, 1);
    m_grid->SetItemText(1, 1, "");
    m_grid->SetFocusCell(1, 1);
    Key(Qt::Key_F2);
    ASSERT_NE(qobject_cast<CInPlaceDateTime*>(m_grid->GetEditor()), nullptr);
    KeyToFocus(Qt::Key_Up);
    KeyToFocus(Qt::Key_Escape);
    EXPECT_EQ(m_grid->GetItemText(1, 1), "");
    EXPECT_EQ(m_owner.Edits().back().text, "");

    // A drop-down list whose text is none of its options.
    m_grid->SetCellType<CGridCellCombo>(2, 2);
    auto* combo = m_grid->GetCellAs<CGridCellCombo>(2, 2);
    combo->SetOptions({QStringLiteral("中石化"), QStringLiteral("中石油")});
    combo->SetStyle(CBS_DROPDOWNLIST);
    m_grid->SetItemText(2, 2, QStringLiteral("壳牌"));
    m_grid->SetFocusCell(2, 2);
    Key(Qt::Key_F2);
    auto* list = qobject_cast<CInPlaceList*>(m_grid->GetEditor());
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(1);
    KeyToFocus(Qt::Key_Escape);
    EXPECT_EQ(m_grid->GetItemText(2, 2), QStringLiteral("壳牌"));
    EXPECT_EQ(m_owner.Edits().back().text, QStringLiteral("壳牌"));
}
