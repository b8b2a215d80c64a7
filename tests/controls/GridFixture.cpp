#include "tests/controls/GridFixture.h"

#include "controls/InPlaceEditor.h"

#include <QApplication>
#include <QTest>

bool NotifyRecorder::event(QEvent* e)
{
    if (e->type() != platform::WM_NOTIFY)
        return QWidget::event(e);
    auto* message = static_cast<platform::CMessageEvent*>(e);
    const auto* nm = reinterpret_cast<const platform::NM_GRIDVIEW*>(message->lParam());
    auto* grid = qobject_cast<CGridCtrl*>(nm->hdr.hwndFrom);
    EXPECT_NE(grid, nullptr);
    EXPECT_EQ(message->wParam(), nm->hdr.idFrom);
    Note note{nm->hdr.code, nm->iRow, nm->iColumn, grid->GetItemText(nm->iRow, nm->iColumn)};
    notes.push_back(note);
    if (answer)
        message->setResult(answer(note, *grid));
    return true;
}

std::vector<NotifyRecorder::Note> NotifyRecorder::Edits() const
{
    std::vector<Note> edits;
    for (const Note& n : notes)
        if (n.code == platform::LVN_BEGINLABELEDITW || n.code == platform::LVN_ENDLABELEDITW)
            edits.push_back(n);
    return edits;
}

void GridTest::SetUp()
{
    m_owner.resize(700, 400);
    m_grid = new CGridCtrl(&m_owner);
    m_grid->setGeometry(0, 0, 700, 360);
    m_other = new QLineEdit(&m_owner);
    m_other->setGeometry(0, 365, 200, 30);
    m_grid->SetDlgCtrlID(1013);
    m_grid->SetFixedRowCount(1);
    m_grid->SetFixedColumnCount(1);
    m_grid->SetColumnCount(5);
    m_grid->SetRowCount(6);
    for (int c = 0; c < 5; ++c)
        m_grid->SetColumnWidth(c, 80);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 5; ++c) {
            QString text = QStringLiteral("%1,%2").arg(r).arg(c);
            if (r == 0)
                text = c ? QStringLiteral("H%1").arg(c) : QString();
            else if (c == 0)
                text = QString::number(r);
            m_grid->SetItemText(r, c, text);
        }
    m_owner.show();
    QApplication::setActiveWindow(&m_owner);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_owner));
    m_grid->setFocus();
    m_grid->SetFocusCell(1, 1);
    QApplication::processEvents();
}

void GridTest::TearDown()
{
    m_owner.answer = nullptr;
}

QPoint GridTest::CellCentre(int row, int col) const
{
    return m_grid->visualRect(m_grid->ModelIndex(row, col)).center();
}

void GridTest::Click(int row, int col, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, modifiers, CellCentre(row, col));
}

void GridTest::DoubleClick(int row, int col)
{
    const QPoint at = CellCentre(row, col);
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, at);
}

void GridTest::Key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(m_grid, Qt::Key(key), modifiers);
}

void GridTest::KeyToFocus(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, Qt::Key(key), modifiers);
    QApplication::processEvents();
}

void GridTest::TypeToFocus(const QString& text)
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClicks(target, text);
}

QString GridTest::EditorText() const
{
    auto* editor = dynamic_cast<CInPlaceEditorBase*>(m_grid->GetEditor());
    return editor ? editor->EditorText() : QStringLiteral("<no editor>");
}
