// The editing protocol of CGridCtrl: starting an edit, the editor's end
// notification, putting the text into the cell and moving on.
#include "controls/GridCtrl.h"

#include "controls/InPlaceEditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

bool CGridCtrl::EditCell(int row, int col)
{
    if (m_editor)
        EndEditing();
    return BeginEdit(row, col, EditStart::Key, nullptr);
}

bool CGridCtrl::BeginEdit(int row, int col, EditStart start, const QEvent* typed)
{
    HideTitleTip();
    if (m_editor || !IsCellEditable(row, col) || IsColumnHidden(col) || !IsRowShown(row))
        return false;
    EnsureVisible(row, col);
    if (!IsCellVisible(row, col))
        return false;
    if (SendNotify(platform::LVN_BEGINLABELEDITW, row, col) < 0)
        return false;
    // The owner may have changed the grid while answering.
    if (m_editor || !IsCellEditable(row, col) || IsColumnHidden(col))
        return false;
    const QModelIndex index = ModelIndex(row, col);
    if (!index.isValid())
        return false;
    if (currentIndex() != index)
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    m_editCell = {row, col};
    m_editStart = start;
    if (!QTableView::edit(index, AllEditTriggers, nullptr) || !m_editor)
        return false;
    if (start == EditStart::Mouse || start == EditStart::Key) {
        // The view selects a line editor's whole text; an edit started by the
        // mouse, F2 or Enter keeps the text with the caret at its end.
        QWidget* focus = m_editor;
        while (focus->focusProxy())
            focus = focus->focusProxy();
        if (auto* line = qobject_cast<QLineEdit*>(focus))
            line->end(false);
    }
    if (typed) {
        QWidget* target = m_editor;
        QWidget* focus = QApplication::focusWidget();
        if (focus && m_editor->isAncestorOf(focus))
            target = focus;
        if (typed->type() == QEvent::KeyPress) {
            const auto* key = static_cast<const QKeyEvent*>(typed);
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text(),
                           key->isAutoRepeat(), ushort(key->count()));
            QApplication::sendEvent(target, &copy);
        } else if (typed->type() == QEvent::InputMethod) {
            QInputMethodEvent copy;
            copy.setCommitString(static_cast<const QInputMethodEvent*>(typed)->commitString());
            QApplication::sendEvent(target, &copy);
        }
    }
    return true;
}

QWidget* CGridCtrl::CreateCellEditor(QWidget* parent, CCellID cell)
{
    if (!IsValid(cell))
        return nullptr;
    const QString text = GetItemText(cell.row, cell.col);
    CGridCellBase* object = m_store.Promote(cell.row, cell.col, this);
    // A text from the text source becomes the cell's own while it is edited.
    if (object->GetText().isNull())
        object->SetText(text);
    m_editor = object->Edit(parent, cell.row, cell.col, this, m_editStart);
    return m_editor;
}

void CGridCtrl::EndEditing()
{
    if (auto* editor = dynamic_cast<CInPlaceEditorBase*>(m_editor.data())) {
        editor->EndEdit(0);
    } else if (QWidget* other = m_editor) {
        // An editor that cannot report its end: close it, keeping the cell.
        m_editor.clear();
        QTableView::closeEditor(other, QAbstractItemDelegate::NoHint);
    }
}

void CGridCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor && editor == m_editor) {
        EndEditing(); // reports back through OnEditorNotify, which closes it
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void CGridCtrl::OnEditorNotify(const GV_DISPINFO& info)
{
    if (!m_editor || info.hdr.hwndFrom != m_editor.data())
        return;
    QWidget* editor = m_editor;
    const CCellID cell = m_editCell;
    // Typing goes on in the grid once its editor has gone, also when the key
    // focus was on a part of the editor (the date editor's text field).
    const QWidget* focus = QApplication::focusWidget();
    const bool hadFocus = focus && (focus == editor || editor->isAncestorOf(focus));
    m_editor.clear();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (hadFocus && !hasFocus())
        setFocus();
    if (IsValid(cell))
        if (CGridCellBase* object = m_store.At(cell.row, cell.col).cell.get())
            object->OnEndEdit();
    OnEndInPlaceEdit(cell.row, cell.col, info.text, info.lastKey);
}

void CGridCtrl::OnEndInPlaceEdit(int row, int col, const QString& text, int lastKey)
{
    if (IsValid(row, col)) {
        const QString previous = GetItemText(row, col);
        // An empty edit is the cell's own (empty) text, never the null text
        // that would hand the cell back to the text source.
        SetItemText(row, col, text.isNull() ? QStringLiteral("") : text);
        RedrawCell(row, col);
        CGridCellBase* object = m_store.At(row, col).cell.get();
        const bool valid = !object || object->ValidateEdit(text);
        const bool accepted = valid && SendNotify(platform::LVN_ENDLABELEDITW, row, col) >= 0;
        // The owner may have rebuilt the grid while answering: a cell that no
        // longer holds the edited text is another cell now, left alone.
        if (IsValid(row, col) && GetItemText(row, col) == text) {
            if (accepted)
                SetModified(true, row, col);
            else
                SetItemText(row, col, previous);
            RedrawCell(row, col);
        }
    }

    const int key = lastKey & ~int(Qt::KeyboardModifierMask);
    const auto modifiers = Qt::KeyboardModifiers(lastKey & int(Qt::KeyboardModifierMask));
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        // On to the next editable cell; past the last one, to the next control.
        const bool forward = key == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier);
        CCellID next = GetFocusCell();
        while (NextTabCell(next, forward, next)) {
            if (IsCellEditable(next.row, next.col)) {
                MoveFocusTo(ModelIndex(next.row, next.col), false);
                BeginEdit(next.row, next.col, EditStart::Moved, nullptr);
                return;
            }
        }
        QAbstractScrollArea::focusNextPrevChild(forward);
    } else if (IsNavigationKey(key)) {
        const CCellID before = GetFocusCell();
        if (Navigate(key, modifiers)) {
            const CCellID after = GetFocusCell();
            if (after.IsValid() && !(after == before))
                BeginEdit(after.row, after.col, EditStart::Moved, nullptr);
        }
    }
}

bool CGridCtrl::ChangeCellText(int row, int col, const QString& text)
{
    if (!IsCellEditable(row, col) || IsColumnHidden(col))
        return false;
    if (SendNotify(platform::LVN_BEGINLABELEDITW, row, col) < 0)
        return false;
    if (!IsCellEditable(row, col))
        return false;
    OnEndInPlaceEdit(row, col, text, 0);
    return true;
}
