#include "controls/GridModel.h"

#include "controls/GridCellPainter.h"
#include "controls/GridCtrl.h"

#include <QMimeData>

CGridModel::CGridModel(CGridCtrl& grid) : QAbstractTableModel(&grid), m_grid(grid) {}

int CGridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return std::max(0, m_grid.GetRowCount() - m_grid.HeaderRows());
}

int CGridModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return std::max(0, m_grid.GetColumnCount() - m_grid.HeaderCols());
}

static QVariant CellData(const CGridCtrl& grid, int row, int col, int role)
{
    if (!grid.IsValid(row, col))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return grid.GetItemText(row, col);
    case Qt::FontRole:
        return grid.GetItemFont(row, col);
    case Qt::ForegroundRole: {
        const QColor c = grid.GetCellLook(row, col).textColour;
        return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::BackgroundRole: {
        const QColor c = grid.GetCellLook(row, col).backColour;
        return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return AlignmentFromFormat(grid.GetItemFormat(row, col)) & ~int(Qt::TextWordWrap);
    case Qt::UserRole:
        return QVariant::fromValue<qlonglong>(grid.GetItemData(row, col));
    default:
        return {};
    }
}

QVariant CGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const CCellID cell = m_grid.CellOf(index);
    return CellData(m_grid, cell.row, cell.col, role);
}

QVariant CGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (m_grid.HeaderRows() == 0)
            return {};
        return CellData(m_grid, 0, section + m_grid.HeaderCols(), role);
    }
    if (m_grid.HeaderCols() == 0)
        return {};
    return CellData(m_grid, section + m_grid.HeaderRows(), 0, role);
}

Qt::ItemFlags CGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const CCellID cell = m_grid.CellOf(index);
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (m_grid.IsCellFixed(cell.row, cell.col))
        return f;
    if (m_grid.IsSelectable())
        f |= Qt::ItemIsSelectable;
    if (m_grid.IsCellEditable(cell.row, cell.col))
        f |= Qt::ItemIsEditable;
    if (m_grid.GetDragAndDrop())
        f |= Qt::ItemIsDragEnabled;
    return f;
}

QStringList CGridModel::mimeTypes() const
{
    return {QStringLiteral("text/plain")};
}

QMimeData* CGridModel::mimeData(const QModelIndexList&) const
{
    auto* mime = new QMimeData;
    mime->setText(m_grid.CopyTextFromGrid());
    return mime;
}

void CGridModel::AllChanged()
{
    const int rows = rowCount();
    const int cols = columnCount();
    if (rows > 0 && cols > 0)
        emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
    if (cols > 0)
        emit headerDataChanged(Qt::Horizontal, 0, cols - 1);
    if (rows > 0)
        emit headerDataChanged(Qt::Vertical, 0, rows - 1);
}

void CGridModel::CellsChanged(int firstRow, int firstCol, int lastRow, int lastCol)
{
    lastRow = std::min(lastRow, rowCount() - 1);
    lastCol = std::min(lastCol, columnCount() - 1);
    if (firstRow <= lastRow && firstCol <= lastCol)
        emit dataChanged(index(firstRow, firstCol), index(lastRow, lastCol));
}

void CGridModel::HeaderChanged(Qt::Orientation orientation, int first, int last)
{
    last = std::min(last, (orientation == Qt::Horizontal ? columnCount() : rowCount()) - 1);
    if (first <= last)
        emit headerDataChanged(orientation, first, last);
}
