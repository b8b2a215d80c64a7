#pragma once

#include <QHeaderView>

class CGridCtrl;

// The fixed header row (horizontal) or column (vertical), drawn from the grid's
// row 0 or column 0 cells with the raised look of fixed cells.
class CGridHeader : public QHeaderView
{
    Q_OBJECT

public:
    CGridHeader(Qt::Orientation orientation, CGridCtrl& grid);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    CGridCtrl& m_grid;
};
