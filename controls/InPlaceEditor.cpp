#include "controls/InPlaceEditor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

CInPlaceEditorBase::CInPlaceEditorBase(QWidget* self, int row, int col, QObject* notify,
                                       const QString& initialText)
    : m_self(self), m_row(row), m_col(col), m_notify(notify), m_initialText(initialText)
{
}

CInPlaceEditorBase::~CInPlaceEditorBase() = default;

bool IsNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

void CInPlaceEditorBase::EndEdit(int lastKey)
{
    if (m_ended)
        return;
    m_ended = true;
    GV_DISPINFO info;
    info.hdr.hwndFrom = m_self;
    info.hdr.idFrom = IDC_INPLACE_CONTROL;
    info.hdr.code = platform::LVN_ENDLABELEDITW;
    info.row = m_row;
    info.col = m_col;
    info.text = m_cancelled ? m_initialText : EditorText();
    info.lastKey = lastKey;
    platform::SendMessage(m_notify, platform::WM_NOTIFY, IDC_INPLACE_CONTROL,
                          reinterpret_cast<qintptr>(&info));
}

bool CInPlaceEditorBase::EndsOnPlainKey(int) const
{
    return false;
}

void CInPlaceEditorBase::WatchChild(QWidget* child)
{
    if (child)
        child->installEventFilter(m_self);
}

bool CInPlaceEditorBase::FilterEditorEvent(QEvent* e)
{
    if (m_ended)
        return false;
    switch (e->type()) {
    case QEvent::ShortcutOverride: {
        // Keys that end the edit must reach the editor, not a window shortcut.
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter) {
            e->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress:
        return HandleKey(static_cast<QKeyEvent*>(e));
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            QTimer::singleShot(0, m_self, [this] { CheckFocus(); });
        return false;
    }
    default:
        return false;
    }
}

bool CInPlaceEditorBase::HandleKey(QKeyEvent* e)
{
    const int key = e->key();
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const int combined = e->keyCombination().toCombined();
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EndEdit(combined);
        return true;
    case Qt::Key_Escape:
        m_cancelled = true;
        RestoreInitialText();
        EndEdit(combined);
        return true;
    default:
        if (IsNavigationKey(key) && (ctrl || EndsOnPlainKey(key))) {
            EndEdit(combined);
            return true;
        }
        return false;
    }
}

void CInPlaceEditorBase::CheckFocus()
{
    if (m_ended || QApplication::activePopupWidget())
        return;
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !m_self->window()->isActiveWindow())
        return; // the window went inactive: the edit goes on when it comes back
    if (focus == m_self || m_self->isAncestorOf(focus))
        return;
    EndEdit(0);
}
