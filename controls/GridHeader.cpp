#include "controls/GridHeader.h"

#include "controls/GridCellPainter.h"
#include "controls/GridCtrl.h"

#include <QPainter>

CGridHeader::CGridHeader(Qt::Orientation orientation, CGridCtrl& grid)
    : QHeaderView(orientation, &grid), m_grid(grid)
{
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMinimumSectionSize(0);
}

void CGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    const int row = orientation() == Qt::Horizontal ? 0 : logicalIndex + m_grid.HeaderRows();
    const int col = orientation() == Qt::Horizontal ? logicalIndex + m_grid.HeaderCols() : 0;
    if (!m_grid.IsValid(row, col))
        return;
    CGridPaintState state;
    state.fixed = true;
    PaintGridCell(*painter, rect, m_grid.GetCellLook(row, col), state, palette(),
                  m_grid.GetImageList());
}
