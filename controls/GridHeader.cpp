#include "controls/GridHeader.h"

#include "controls/GridCellPainter.h"
#include "controls/GridCtrl.h"

#include <QPainter>
#include <algorithm>

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

QSize CGridHeader::sizeHint() const
{
    if (orientation() == Qt::Vertical && minimumWidth() == maximumWidth())
        return QSize(maximumWidth(), length());
    if (orientation() == Qt::Horizontal && minimumHeight() == maximumHeight())
        return QSize(length(), maximumHeight());
    return QHeaderView::sizeHint();
}

std::pair<int, int> CGridHeader::SectionsInSight(int first, int last) const
{
    const int extent = orientation() == Qt::Vertical ? viewport()->height() : viewport()->width();
    const int top = logicalIndexAt(0);
    const int bottom = logicalIndexAt(extent - 1);
    if (top < 0)
        return {0, -1};
    return {std::max(first, top), std::min(last, bottom < 0 ? count() - 1 : bottom)};
}
