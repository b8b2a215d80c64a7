// Texts computed on demand, rows that share their cells, and change signals
// for the cells that changed.
#include "tests/controls/GridFixture.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace {

// A grid of 5 rows x 4 columns, a header row and a row-number column.
void setUp(CGridCtrl& grid)
{
    grid.SetRowCount(5);
    grid.SetColumnCount(4);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.SetItemText(0, 1, "H1");
}

} // namespace

TEST(GridTextSource, CellsWithoutTextOfTheirOwnShowTheSource)
{
    CGridCtrl grid;
    setUp(grid);
    QAbstractItemModelTester tester(grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.SetTextSource([](int row, int col) { return QString("%1:%2").arg(row).arg(col); });
    EXPECT_EQ(grid.GetItemText(0, 1), "H1"); // header rows keep their texts
    EXPECT_EQ(grid.GetItemText(2, 0), "2:0");
    EXPECT_EQ(grid.GetItemText(3, 2), "3:2");
    EXPECT_EQ(grid.model()->data(grid.model()->index(2, 1)).toString(), "3:2");

    // A text of the cell's own stands, even an empty one, until a null text
    // hands the cell back.
    grid.SetItemText(3, 2, "own");
    EXPECT_EQ(grid.GetItemText(3, 2), "own");
    grid.SetItemText(3, 2, QStringLiteral(""));
    EXPECT_EQ(grid.GetItemText(3, 2), "");
    grid.SetItemText(3, 2, QString());
    EXPECT_EQ(grid.GetItemText(3, 2), "3:2");
}

TEST(GridTextSource, AnEditorOpensOnTheSourceTextAndAnEmptiedCellStaysEmpty)
{
    CGridCtrl grid;
    setUp(grid);
    grid.SetEditable(true);
    grid.resize(400, 300);
    grid.show();
    grid.SetTextSource([](int row, int col) { return QString("%1:%2").arg(row).arg(col); });
    ASSERT_TRUE(grid.EditCell(2, 2));
    auto* line = qobject_cast<QLineEdit*>(grid.GetEditor());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), "2:2");
    line->clear();
    grid.EndEditing();
    EXPECT_EQ(grid.GetItemText(2, 2), "");
}

TEST(GridSharedRows, RowsMadeAlikeChangeOneByOne)
{
    CGridCtrl grid;
    setUp(grid);
    QAbstractItemModelTester tester(grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.SetItemText(1, 2, "a");
    grid.SetItemState(1, 3, GVIS_READONLY);
    grid.SetItemFgColour(1, 3, RGB(128, 128, 128));
    grid.MakeRowsLike(1, 2, 4);
    for (int r = 2; r <= 4; ++r) {
        EXPECT_EQ(grid.GetItemText(r, 2), "a");
        EXPECT_EQ(grid.GetItemState(r, 3) & GVIS_READONLY, GVIS_READONLY);
        EXPECT_EQ(grid.GetItemFgColour(r, 3), RGB(128, 128, 128));
        EXPECT_EQ(grid.GetItemState(r, 0) & GVIS_FIXEDCOL, GVIS_FIXEDCOL);
    }
    // Writing one row, or a cell object in it, leaves the others as they were.
    grid.SetItemText(3, 2, "b");
    grid.SetItemState(2, 3, 0);
    ASSERT_TRUE(grid.SetCellType<CGridCell>(4, 1));
    grid.SetItemText(4, 1, "object");
    EXPECT_EQ(grid.GetItemText(1, 2), "a");
    EXPECT_EQ(grid.GetItemText(2, 2), "a");
    EXPECT_EQ(grid.GetItemText(3, 2), "b");
    EXPECT_EQ(grid.GetItemText(4, 2), "a");
    EXPECT_EQ(grid.GetItemText(2, 1), "");
    EXPECT_EQ(grid.GetItemState(3, 3) & GVIS_READONLY, GVIS_READONLY);
    EXPECT_EQ(grid.GetItemState(2, 3) & GVIS_READONLY, 0u);

    // Columns come and go in every row alike; removed rows take only themselves.
    grid.InsertColumn("new", DT_LEFT, 2);
    grid.DeleteRow(1);
    EXPECT_EQ(grid.GetColumnCount(), 5);
    EXPECT_EQ(grid.GetItemText(0, 2), "new");
    EXPECT_EQ(grid.GetItemText(1, 3), "a");
    EXPECT_EQ(grid.GetItemText(2, 3), "b");
    EXPECT_EQ(grid.GetItemText(2, 2), "");
    EXPECT_EQ(grid.GetItemText(3, 1), "object");
    grid.SetItemText(2, 2, "c");
    EXPECT_EQ(grid.GetItemText(3, 2), "");
}

TEST(GridChangeSignals, AChangedCellIsToldAlone)
{
    CGridCtrl grid;
    setUp(grid);
    QCoreApplication::processEvents();
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    grid.SetItemText(3, 2, "x");
    QCoreApplication::processEvents();
    ASSERT_EQ(changed.size(), 1);
    const QModelIndex cell = grid.model()->index(2, 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), cell);
    EXPECT_EQ(changed[0][1].toModelIndex(), cell);

    // Changes of one pass are told once, as the range that covers them.
    changed.clear();
    grid.SetItemText(1, 1, "y");
    grid.SetItemText(4, 3, "z");
    QCoreApplication::processEvents();
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), grid.model()->index(0, 0));
    EXPECT_EQ(changed[0][1].toModelIndex(), grid.model()->index(3, 2));
}
