#include "controls/GridDelegate.h"

#include "controls/GridCellPainter.h"
#include "controls/GridCtrl.h"
#include "controls/InPlaceEdit.h"

#include <QPainter>

CGridDelegate::CGridDelegate(CGridCtrl& grid) : QStyledItemDelegate(&grid), m_grid(grid) {}

void CGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    const CCellID cell = m_grid.CellOf(index);
    if (!m_grid.IsValid(cell))
        return;
    const CGridCellLook look = m_grid.GetCellLook(cell.row, cell.col);
    CGridPaintState state;
    state.fixed = look.state & GVIS_FIXED;
    state.selected = option.state & QStyle::State_Selected;
    // The focus cell is framed also inside a highlighted row, so that the
    // cell the next key goes to can always be seen.
    state.focused = index == m_grid.currentIndex();
    state.gridLines = m_grid.GetGridLines();
    state.gridLineColour = ColorFromRef(m_grid.GetGridLineColor());
    PaintGridCell(*painter, option.rect, look, state, option.palette, m_grid.GetImageList());
}

QSize CGridDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const CCellID cell = m_grid.CellOf(index);
    return {m_grid.GetColumnWidth(cell.col), m_grid.GetRowHeight(cell.row)};
}

QWidget* CGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const
{
    return m_grid.CreateCellEditor(parent, m_grid.CellOf(index));
}

void CGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex&) const
{
    if (auto* edit = qobject_cast<CInPlaceEdit*>(editor))
        edit->SetCellRect(option.rect);
    else
        editor->setGeometry(option.rect);
}
