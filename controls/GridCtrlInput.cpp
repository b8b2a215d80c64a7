// Keyboard, mouse, clipboard, drag and drop and title tips of CGridCtrl.
#include "controls/GridCtrl.h"

#include "controls/GridCellPainter.h"
#include "controls/GridHeader.h"
#include "controls/GridModel.h"
#include "controls/InPlaceEditor.h"
#include "controls/TitleTip.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {

bool IsCtrlKey(const QKeyEvent* e, int key)
{
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    return e->key() == key && mods == Qt::ControlModifier;
}

bool IsClipboardKey(const QKeyEvent* e)
{
    return IsCtrlKey(e, Qt::Key_C) || IsCtrlKey(e, Qt::Key_Insert) || IsCtrlKey(e, Qt::Key_X) ||
           IsCtrlKey(e, Qt::Key_V) || IsCtrlKey(e, Qt::Key_A);
}

} // namespace

bool CGridCtrl::event(QEvent* e)
{
    if (e->type() == platform::WM_NOTIFY) {
        auto* message = static_cast<platform::CMessageEvent*>(e);
        const auto* info = reinterpret_cast<const GV_DISPINFO*>(message->lParam());
        if (info && info->hdr.code == platform::LVN_ENDLABELEDITW)
            OnEditorNotify(*info);
        return true;
    }
    if (e->type() == QEvent::ShortcutOverride) {
        // The grid's own keys win over window shortcuts while it has the focus.
        auto* key = static_cast<QKeyEvent*>(e);
        if (IsClipboardKey(key) || key->key() == Qt::Key_F2 || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape) {
            e->accept();
            return true;
        }
    }
    return QTableView::event(e);
}

void CGridCtrl::keyPressEvent(QKeyEvent* e)
{
    HideTitleTip();
    const int key = e->key();
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & (Qt::AltModifier | Qt::MetaModifier);
    const CCellID focus = GetFocusCell();

    if (IsCtrlKey(e, Qt::Key_C) || IsCtrlKey(e, Qt::Key_Insert)) {
        OnEditCopy();
    } else if (IsCtrlKey(e, Qt::Key_X)) {
        OnEditCut();
    } else if (IsCtrlKey(e, Qt::Key_V)) {
        OnEditPaste();
    } else if (IsCtrlKey(e, Qt::Key_A)) {
        SelectAllCells();
    } else if (key == Qt::Key_F2 && !ctrl && !alt) {
        BeginEdit(focus.row, focus.col, EditStart::Key, nullptr);
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !ctrl && !alt) {
        BeginEdit(focus.row, focus.col, EditStart::Key, nullptr);
    } else if (key == Qt::Key_Escape) {
        // Consumed, so that Escape in the grid never closes its dialog.
    } else if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        if (!tabKeyNavigation() || ctrl || alt || !Navigate(key, mods)) {
            e->ignore(); // on to the next control
            return;
        }
    } else if (IsNavigationKey(key)) {
        Navigate(key, mods);
    } else if (!ctrl && !alt && !e->text().isEmpty() && e->text().at(0).isPrint()) {
        BeginEdit(focus.row, focus.col, EditStart::Typed, e);
    } else {
        e->ignore(); // Delete, F5 and the like belong to the owner
        return;
    }
    e->accept();
}

void CGridCtrl::inputMethodEvent(QInputMethodEvent* e)
{
    // Text committed by an input method is typing: it starts an edit of the
    // focus cell like a typed character (never a keyboard search). A
    // composition still in progress waits for its commit.
    if (!m_editor && !e->commitString().isEmpty()) {
        HideTitleTip();
        const CCellID focus = GetFocusCell();
        BeginEdit(focus.row, focus.col, EditStart::Typed, e);
    }
    e->accept();
}

bool CGridCtrl::NextTabCell(CCellID from, bool forward, CCellID& next) const
{
    const int firstRow = m_fixedRows;
    const int firstCol = m_fixedCols;
    const int rows = GetRowCount();
    const int cols = GetColumnCount();
    if (firstRow >= rows || firstCol >= cols)
        return false;
    int row = from.row;
    int col = from.col;
    if (!IsValid(from) || row < firstRow) {
        row = forward ? firstRow : rows - 1;
        col = forward ? firstCol - 1 : cols;
    }
    while (true) {
        col += forward ? 1 : -1;
        if (col >= cols) {
            col = firstCol;
            ++row;
        } else if (col < firstCol) {
            col = cols - 1;
            --row;
        }
        if (row < firstRow || row >= rows)
            return false;
        if (!IsColumnHidden(col) && IsRowShown(row)) {
            next = {row, col};
            return true;
        }
    }
}

bool CGridCtrl::Navigate(int key, Qt::KeyboardModifiers modifiers)
{
    if (m_model->rowCount() == 0 || m_model->columnCount() == 0)
        return false;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        const bool forward = key == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier);
        CCellID next;
        if (!NextTabCell(GetFocusCell(), forward, next))
            return false;
        MoveFocusTo(ModelIndex(next.row, next.col), false);
        return true;
    }
    CursorAction action;
    switch (key) {
    case Qt::Key_Up:
        action = MoveUp;
        break;
    case Qt::Key_Down:
        action = MoveDown;
        break;
    case Qt::Key_Left:
        action = MoveLeft;
        break;
    case Qt::Key_Right:
        action = MoveRight;
        break;
    case Qt::Key_PageUp:
        action = MovePageUp;
        break;
    case Qt::Key_PageDown:
        action = MovePageDown;
        break;
    case Qt::Key_Home:
        action = MoveHome;
        break;
    case Qt::Key_End:
        action = MoveEnd;
        break;
    default:
        return false;
    }
    const QModelIndex target = moveCursor(action, modifiers);
    if (target.isValid())
        MoveFocusTo(target, (modifiers & Qt::ShiftModifier) && selectionMode() != SingleSelection);
    return true;
}

void CGridCtrl::MoveFocusTo(const QModelIndex& target, bool extend)
{
    if (!target.isValid())
        return;
    const CCellID cell = CellOf(target);
    SendNotify(platform::GVN_SELCHANGING, cell.row, cell.col);
    QItemSelectionModel::SelectionFlags rows =
        m_listMode ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate;
    if (!m_selectionEnabled) {
        selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    } else if (extend && IsValid(m_anchor)) {
        const QModelIndex anchor = ModelIndex(m_anchor.row, m_anchor.col);
        if (anchor.isValid())
            selectionModel()->select(QItemSelection(anchor, target),
                                     QItemSelectionModel::ClearAndSelect | rows);
        selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    } else {
        selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | rows);
        m_anchor = cell;
    }
    scrollTo(target);
    SendNotify(platform::GVN_SELCHANGED, cell.row, cell.col);
}

// --- mouse -------------------------------------------------------------------

void CGridCtrl::mousePressEvent(QMouseEvent* e)
{
    HideTitleTip();
    EndEditing();
    const QModelIndex index = indexAt(e->position().toPoint());
    const CCellID cell = CellOf(index);
    if (e->button() == Qt::RightButton) {
        // A right click leaves focus and selection alone.
        SendNotify(platform::NM_RCLICK, cell.row, cell.col);
        e->accept();
        return;
    }
    const bool left = e->button() == Qt::LeftButton && index.isValid();
    if (left)
        SendNotify(platform::GVN_SELCHANGING, cell.row, cell.col);
    QTableView::mousePressEvent(e);
    if (left) {
        if (!(e->modifiers() & Qt::ShiftModifier) || !IsValid(m_anchor))
            m_anchor = cell;
        SendNotify(platform::GVN_SELCHANGED, cell.row, cell.col);
    }
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* e)
{
    QTableView::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton) {
        const CCellID cell = CellOf(indexAt(e->position().toPoint()));
        SendNotify(platform::NM_CLICK, cell.row, cell.col);
    }
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* e)
{
    HideTitleTip();
    const QModelIndex index = indexAt(e->position().toPoint());
    if (!index.isValid() || e->button() != Qt::LeftButton) {
        QTableView::mouseDoubleClickEvent(e);
        return;
    }
    const CCellID cell = CellOf(index);
    SendNotify(platform::NM_DBLCLK, cell.row, cell.col);
    BeginEdit(cell.row, cell.col, EditStart::Mouse, nullptr);
    e->accept();
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* e)
{
    QTableView::mouseMoveEvent(e);
    TrackTitleTip(viewport(), e->position().toPoint(), e->buttons());
}

bool CGridCtrl::viewportEvent(QEvent* e)
{
    if (e->type() == QEvent::Leave)
        HideTitleTip();
    return QTableView::viewportEvent(e);
}

void CGridCtrl::wheelEvent(QWheelEvent* e)
{
    HideTitleTip();
    QTableView::wheelEvent(e);
}

bool CGridCtrl::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::Paint && watched == findChild<QAbstractButton*>()) {
        PaintCorner(static_cast<QWidget*>(watched));
        return true;
    }
    if (watched == m_hHeader->viewport() || watched == m_vHeader->viewport()) {
        if (e->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(e);
            TrackTitleTip(static_cast<QWidget*>(watched), move->position().toPoint(),
                          move->buttons());
        } else if (e->type() == QEvent::Leave || e->type() == QEvent::MouseButtonPress) {
            HideTitleTip();
        }
    }
    return QTableView::eventFilter(watched, e);
}

// --- title tips ----------------------------------------------------------------

void CGridCtrl::TrackTitleTip(QWidget* source, const QPoint& pos, Qt::MouseButtons buttons)
{
    m_tipSource = source;
    m_lastMousePos = source->mapTo(this, pos);
    if (buttons != Qt::NoButton) {
        HideTitleTip();
        return;
    }
    if (m_titleTip->isVisible()) {
        const QRect tipCell(mapFromGlobal(m_titleTip->CellRect().topLeft()),
                            m_titleTip->CellRect().size());
        if (!tipCell.contains(m_lastMousePos))
            HideTitleTip();
    }
    if (m_titleTips)
        m_titleTipTimer.start();
}

void CGridCtrl::UpdateTitleTip()
{
    if (!m_titleTips || m_editor || !m_tipSource || !m_tipSource->underMouse()) {
        HideTitleTip();
        return;
    }
    const CCellID cell = GetCellFromPt(m_lastMousePos);
    const QRect rect = GetCellRect(cell.row, cell.col);
    if (rect.isEmpty()) {
        HideTitleTip();
        return;
    }
    const CGridCellLook look = GetCellLook(cell.row, cell.col);
    const int imageWidth =
        look.image >= 0 && look.image < m_images.size() ? m_images.at(look.image).width() : 0;
    if (!IsTextClipped(look, rect, imageWidth)) {
        HideTitleTip();
        return;
    }
    m_titleTip->Show(QRect(mapToGlobal(rect.topLeft()), rect.size()), look.text, look.font,
                     look.margin);
}

void CGridCtrl::HideTitleTip()
{
    m_titleTipTimer.stop();
    if (m_titleTip && m_titleTip->isVisible())
        m_titleTip->hide();
}

// --- clipboard -------------------------------------------------------------------

QString CGridCtrl::CopyTextFromGrid() const
{
    const CCellRange range = GetSelectedCellRange();
    if (!range.IsValid())
        return {};
    QStringList lines;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        QStringList cells;
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            if (IsColumnHidden(col))
                continue;
            cells << (IsCellSelected(row, col) ? GetItemText(row, col) : QString());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1String("\r\n"));
}

void CGridCtrl::OnEditCopy()
{
    const CCellRange range = GetSelectedCellRange();
    if (range.IsValid())
        QGuiApplication::clipboard()->setText(CopyTextFromGrid());
}

void CGridCtrl::OnEditCut()
{
    EndEditing();
    if (m_listMode) {
        // Whole rows are selected, but only the focus cell is cut.
        const CCellID focus = GetFocusCell();
        if (!IsValid(focus) || IsColumnHidden(focus.col))
            return;
        const QString text = GetItemText(focus.row, focus.col);
        QGuiApplication::clipboard()->setText(text);
        if (!text.isEmpty())
            ChangeCellText(focus.row, focus.col, QString());
        RedrawCell(focus.row, focus.col);
        return;
    }
    const CCellRange range = GetSelectedCellRange();
    if (!range.IsValid())
        return;
    OnEditCopy();
    for (int row = range.minRow; row <= range.maxRow; ++row)
        for (int col = range.minCol; col <= range.maxCol; ++col)
            if (IsCellSelected(row, col) && !GetItemText(row, col).isEmpty())
                ChangeCellText(row, col, QString());
    Refresh();
}

void CGridCtrl::OnEditPaste()
{
    QString text = QGuiApplication::clipboard()->text();
    if (m_listMode) {
        // Only the focus cell takes a value: the first one of the text.
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar ch = text.at(i);
            if (ch == QLatin1Char('\t') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
                text.truncate(i);
                break;
            }
        }
        PasteTextToGrid(GetFocusCell(), text);
        return;
    }
    const CCellRange range = GetSelectedCellRange();
    const CCellID topLeft = range.IsValid() ? range.GetTopLeft() : GetFocusCell();
    PasteTextToGrid(topLeft, text);
}

bool CGridCtrl::PasteTextToGrid(CCellID topLeft, const QString& text)
{
    EndEditing();
    if (!IsValid(topLeft) || text.isEmpty())
        return false;
    QString all = text;
    all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (all.endsWith(QLatin1Char('\n')))
        all.chop(1);
    bool changed = false;
    int row = topLeft.row;
    for (const QString& line : all.split(QLatin1Char('\n'))) {
        if (row >= GetRowCount())
            break;
        int col = topLeft.col;
        for (const QString& value : line.split(QLatin1Char('\t'))) {
            while (col < GetColumnCount() && IsColumnHidden(col))
                ++col;
            if (col >= GetColumnCount())
                break;
            if (GetItemText(row, col) != value)
                changed |= ChangeCellText(row, col, value);
            ++col;
        }
        ++row;
    }
    Refresh();
    return changed;
}

// --- drag and drop -------------------------------------------------------------

void CGridCtrl::startDrag(Qt::DropActions)
{
    if (!m_dragAndDrop)
        return;
    const CCellID focus = GetFocusCell();
    SendNotify(platform::GVN_BEGINDRAG, focus.row, focus.col);
    QTableView::startDrag(Qt::CopyAction);
}

void CGridCtrl::dragEnterEvent(QDragEnterEvent* e)
{
    if (m_dragAndDrop && e->mimeData()->hasText())
        e->acceptProposedAction();
    else
        e->ignore();
}

void CGridCtrl::dragMoveEvent(QDragMoveEvent* e)
{
    const CCellID cell = CellOf(indexAt(e->position().toPoint()));
    if (m_dragAndDrop && e->mimeData()->hasText() && IsCellEditable(cell.row, cell.col))
        e->acceptProposedAction();
    else
        e->ignore();
}

void CGridCtrl::dropEvent(QDropEvent* e)
{
    const CCellID cell = CellOf(indexAt(e->position().toPoint()));
    if (!m_dragAndDrop || !e->mimeData()->hasText() || !IsValid(cell)) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::CopyAction);
    e->accept();
    PasteTextToGrid(cell, e->mimeData()->text());
}
