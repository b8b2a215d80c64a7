#pragma once

#include <QStyledItemDelegate>

class CGridCtrl;

// Paints the ordinary cells and lets each cell create its own in-place editor.
// The editing protocol itself (keys, notifications) belongs to the grid and the
// editors, so this delegate filters no editor events.
class CGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CGridDelegate(CGridCtrl& grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject*, QEvent*) override { return false; }
    bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&,
                     const QModelIndex&) override
    {
        return false;
    }

private:
    CGridCtrl& m_grid;
};
