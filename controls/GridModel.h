#pragma once

#include <QAbstractTableModel>

class CGridCtrl;

// The item model the grid's view shows: the ordinary cells as items, the
// fixed header row and column as header data. It reads the grid's cell store
// directly, so it holds no copy of any cell.
class CGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit CGridModel(CGridCtrl& grid);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

    // Structural changes, announced by the grid around its own work.
    void BeginInsertRows(int first, int last) { beginInsertRows({}, first, last); }
    void EndInsertRows() { endInsertRows(); }
    void BeginRemoveRows(int first, int last) { beginRemoveRows({}, first, last); }
    void EndRemoveRows() { endRemoveRows(); }
    void BeginInsertColumns(int first, int last) { beginInsertColumns({}, first, last); }
    void EndInsertColumns() { endInsertColumns(); }
    void BeginRemoveColumns(int first, int last) { beginRemoveColumns({}, first, last); }
    void EndRemoveColumns() { endRemoveColumns(); }
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    void BeginLayoutChange() { emit layoutAboutToBeChanged(); }
    void EndLayoutChange() { emit layoutChanged(); }
    // Tells the views that any cell may have changed.
    void AllChanged();
    // Tells the views about the items (model rows and columns) of a range;
    // an empty range tells nothing.
    void CellsChanged(int firstRow, int firstCol, int lastRow, int lastCol);
    void HeaderChanged(Qt::Orientation orientation, int first, int last);

private:
    CGridCtrl& m_grid;
};
