#pragma once

#include <QHeaderView>
#include <utility>

class CGridCtrl;

// The fixed header row (horizontal) or column (vertical), drawn from the grid's
// row 0 or column 0 cells with the raised look of fixed cells.
class CGridHeader : public QHeaderView
{
    Q_OBJECT

public:
    CGridHeader(Qt::Orientation orientation, CGridCtrl& grid);

    // The grid fixes the header's depth (its row's height or its column's
    // width): then that is the hint, without measuring the sections' texts.
    QSize sizeHint() const override;
    // The sections from `first` to `last` that lie in sight; first > last
    // when none does.
    std::pair<int, int> SectionsInSight(int first, int last) const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    CGridCtrl& m_grid;
};
