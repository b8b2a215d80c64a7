// What a user types into the date and combo editors is what the cell gets.
#include "tests/controls/GridFixture.h"

#include "controls/GridCellCombo.h"
#include "controls/GridCellDateTime.h"
#include "controls/InPlaceList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

namespace {

enum class Opening
{
    TypedFirstCharacter,
    F2,
    Enter,
    DoubleClick,
};

const Opening kOpenings[] = {Opening::TypedFirstCharacter, Opening::F2, Opening::Enter,
                             Opening::DoubleClick};

const char* Name(Opening opening)
{
    switch (opening) {
    case Opening::TypedFirstCharacter:
        return "typed first character";
    case Opening::F2:
        return "F2";
    case Opening::Enter:
        return "Enter";
    case Opening::DoubleClick:
        return "double click";
    }
    return "";
}

class InPlaceTypingTest : public GridTest
{
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        ASSERT_TRUE(m_grid->SetCellType<CGridCellDateTime>(1, 1));
        ResetDate();
    }

    void ResetDate()
    {
        DateCell()->SetTime(QDateTime(QDate(2026, 1, 30), QTime(9, 0)));
        m_grid->SetFocusCell(1, 1);
    }

    CGridCellDateTime* DateCell() const { return m_grid->GetCellAs<CGridCellDateTime>(1, 1); }

    // Opens the editor of the focus cell (1, 1) and types the text into it.
    void OpenAndType(Opening opening, const QString& text)
    {
        switch (opening) {
        case Opening::TypedFirstCharacter:
            QTest::keyClick(m_grid, text.at(0).toLatin1());
            ASSERT_TRUE(m_grid->IsEditingCell());
            TypeToFocus(text.mid(1));
            return;
        case Opening::F2:
            Key(Qt::Key_F2);
            break;
        case Opening::Enter:
            Key(Qt::Key_Return);
            break;
        case Opening::DoubleClick:
            DoubleClick(1, 1);
            break;
        }
        ASSERT_TRUE(m_grid->IsEditingCell());
        TypeToFocus(text);
    }

    void SetUpCombo(const QString& text)
    {
        ASSERT_TRUE(m_grid->SetCellType<CGridCellCombo>(2, 3));
        auto* combo = m_grid->GetCellAs<CGridCellCombo>(2, 3);
        combo->SetOptions({QStringLiteral("中石化"), QStringLiteral("FixShop")});
        combo->SetStyle(CBS_DROPDOWN);
        m_grid->SetItemText(2, 3, text);
        m_grid->SetFocusCell(2, 3);
    }

    QAbstractItemView* OpenPopup(CInPlaceList* list)
    {
        list->showPopup();
        QAbstractItemView* view = list->view();
        EXPECT_TRUE(QTest::qWaitFor([view] { return view->isVisible(); }, 5000));
        return view;
    }

    void WaitForPopupClosed(QAbstractItemView* view)
    {
        ASSERT_TRUE(QTest::qWaitFor([view] { return !view->isVisible(); }, 5000));
    }

    // Enter in the combo's edit field. (Sent there directly: the offscreen
    // platform hands no window the activation back when a popup closes.)
    void EnterInto(CInPlaceList* list) { QTest::keyClick(list->lineEdit(), Qt::Key_Return); }
};

} // namespace

TEST_F(InPlaceTypingTest, TypedDateIsSavedExactlyHoweverTheEditorWasOpened)
{
    for (const Opening opening : kOpenings) {
        for (const QString typed : {"2026/02/15", "2026/2/15", "20260215"}) {
            SCOPED_TRACE(std::string(Name(opening)) + ", " + typed.toStdString());
            ResetDate();
            OpenAndType(opening, typed);
            KeyToFocus(Qt::Key_Return);
            EXPECT_FALSE(m_grid->IsEditingCell());
            EXPECT_EQ(m_grid->GetItemText(1, 1), "2026/02/15");
            EXPECT_EQ(DateCell()->GetTimeValue().date(), QDate(2026, 2, 15));
        }
    }
    // A single-digit day and month, and the year the review typed.
    ResetDate();
    OpenAndType(Opening::DoubleClick, "2025/3/4");
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(1, 1), "2025/03/04");
}

TEST_F(InPlaceTypingTest, ImpossibleDateKeepsTheOldDate)
{
    for (const Opening opening : kOpenings) {
        for (const QString typed : {"2026/02/30", "2026/13/01", "2026/02", "2026/0/15", "20261301",
                                    "1900/12/31", "2099/01/01", "2026/02/15/1", "202602150"}) {
            SCOPED_TRACE(std::string(Name(opening)) + ", " + typed.toStdString());
            ResetDate();
            OpenAndType(opening, typed);
            KeyToFocus(Qt::Key_Return);
            EXPECT_FALSE(m_grid->IsEditingCell());
            // The text as typed, for the owner to refuse; the date stays.
            EXPECT_EQ(m_grid->GetItemText(1, 1), typed);
            EXPECT_EQ(DateCell()->GetTimeValue().date(), QDate(2026, 1, 30));
        }
    }
    // Letters never get in, so they cannot make the digits another date either.
    OpenAndType(Opening::F2, "2026/0x2/15");
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(1, 1), "2026/02/15");
}

TEST_F(InPlaceTypingTest, LosingTheFocusSavesTheTypedDateOrKeepsTheOldOne)
{
    OpenAndType(Opening::TypedFirstCharacter, "2026/2/15");
    m_other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetItemText(1, 1), "2026/02/15");

    m_grid->setFocus();
    m_grid->SetFocusCell(1, 1);
    OpenAndType(Opening::F2, "2026/02/31");
    m_other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_EQ(DateCell()->GetTimeValue().date(), QDate(2026, 2, 15));
}

TEST_F(InPlaceTypingTest, UpAndDownStepTheSectionUnderTheCaret)
{
    // The editor opens with the day under the caret.
    Key(Qt::Key_F2);
    KeyToFocus(Qt::Key_Up);
    KeyToFocus(Qt::Key_Up);
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(1, 1), "2026/02/01");

    Key(Qt::Key_F2);
    KeyToFocus(Qt::Key_Home);
    KeyToFocus(Qt::Key_Down);
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(1, 1), "2025/02/01");

    // Stepping starts from a typed date, in any of its forms.
    Key(Qt::Key_Return);
    TypeToFocus("2026/2/15");
    KeyToFocus(Qt::Key_Left);
    KeyToFocus(Qt::Key_Left);
    KeyToFocus(Qt::Key_Left);
    KeyToFocus(Qt::Key_Up);
    EXPECT_EQ(EditorText(), "2026/03/15");
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(1, 1), "2026/03/15");
    EXPECT_EQ(DateCell()->GetTimeValue().date(), QDate(2026, 3, 15));

    // Not past the last year the ledger takes.
    DateCell()->SetTime(QDateTime(QDate(2098, 12, 31), QTime(9, 0)));
    Key(Qt::Key_F2);
    KeyToFocus(Qt::Key_Up);
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(1, 1), "2098/12/31");
}

TEST_F(InPlaceTypingTest, EscapeKeepsTheOldDateAfterTypingAndStepping)
{
    for (const Opening opening : kOpenings) {
        SCOPED_TRACE(Name(opening));
        ResetDate();
        OpenAndType(opening, "2025/03/04");
        KeyToFocus(Qt::Key_Up);
        KeyToFocus(Qt::Key_Escape);
        EXPECT_FALSE(m_grid->IsEditingCell());
        EXPECT_EQ(m_grid->GetItemText(1, 1), "2026/01/30");
        EXPECT_EQ(DateCell()->GetTimeValue().date(), QDate(2026, 1, 30));
    }
}

TEST_F(InPlaceTypingTest, ComboSavesTheTypedPrefixOfAnOption)
{
    SetUpCombo("");
    QTest::keyClick(m_grid, 'F');
    TypeToFocus("ix");
    EXPECT_EQ(EditorText(), "Fix");
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(2, 3), "Fix");

    Key(Qt::Key_F2);
    TypeToFocus("S");
    KeyToFocus(Qt::Key_Tab);
    EXPECT_EQ(m_grid->GetItemText(2, 3), "FixS");
}

TEST_F(InPlaceTypingTest, ComboKeepsTheLetterCaseAsTyped)
{
    SetUpCombo("");
    Key(Qt::Key_F2);
    TypeToFocus("fixshop");
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(m_grid->GetItemText(2, 3), "fixshop");

    // Also when the edit ends by leaving the grid.
    SetUpCombo("");
    Key(Qt::Key_F2);
    TypeToFocus("FIXSHOP");
    m_other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetItemText(2, 3), "FIXSHOP");
}

TEST_F(InPlaceTypingTest, ComboOptionPickedFromTheListIsSaved)
{
    SetUpCombo("Fi");
    Key(Qt::Key_F2);
    auto* list = qobject_cast<CInPlaceList*>(m_grid->GetEditor());
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2); // the remembered entries are offered
    QAbstractItemView* view = OpenPopup(list);
    const QRect item = view->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    WaitForPopupClosed(view);
    EXPECT_EQ(EditorText(), "FixShop");
    EnterInto(list);
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetItemText(2, 3), "FixShop");

    // By keyboard in the list.
    Key(Qt::Key_F2);
    list = qobject_cast<CInPlaceList*>(m_grid->GetEditor());
    ASSERT_NE(list, nullptr);
    view = OpenPopup(list);
    QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
    WaitForPopupClosed(view);
    EXPECT_EQ(EditorText(), QStringLiteral("中石化"));
    EnterInto(list);
    EXPECT_FALSE(m_grid->IsEditingCell());
    EXPECT_EQ(m_grid->GetItemText(2, 3), QStringLiteral("中石化"));
}
