#include "tests/controls/GridFixture.h"

#include "controls/GridCellCombo.h"
#include "controls/GridCellDateTime.h"
#include "controls/GridCellPainter.h"

#include <QAbstractItemModelTester>
#include <QFontMetrics>
#include <QHeaderView>

TEST(GridCellTypeTest, SetCellTypeCopiesAttributesAndRefusesOutsidePositions)
{
    CGridCtrl grid;
    grid.SetRowCount(3);
    grid.SetColumnCount(3);
    grid.SetItemText(1, 2, "provider");
    grid.SetItemFgColour(1, 2, RGB(0x80, 0x80, 0x80));
    grid.SetItemBkColour(1, 2, RGB(255, 255, 224));
    grid.SetItemFormat(1, 2, DT_VCENTER | DT_SINGLELINE);
    grid.SetItemState(1, 2, GVIS_READONLY);
    QFont bold = grid.GetItemFont(1, 2);
    bold.setBold(true);
    grid.SetItemFont(1, 2, bold);

    ASSERT_TRUE(grid.SetCellType<CGridCellCombo>(1, 2));
    CGridCellBase* cell = grid.GetCell(1, 2);
    ASSERT_NE(dynamic_cast<CGridCellCombo*>(cell), nullptr);
    EXPECT_EQ(cell->GetText(), "provider");
    EXPECT_EQ(cell->GetTextClr(), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(cell->GetBackClr(), RGB(255, 255, 224));
    EXPECT_EQ(cell->GetFormat(), DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(cell->GetState(), GVIS_READONLY);
    ASSERT_NE(cell->GetFont(), nullptr);
    EXPECT_TRUE(cell->GetFont()->bold());
    EXPECT_EQ(dynamic_cast<CGridCellCombo*>(cell)->GetStyle(), CBS_DROPDOWN);

    // And back to a plain cell, keeping what the combo cell held.
    ASSERT_TRUE(grid.SetCellType<CGridCell>(1, 2));
    EXPECT_EQ(dynamic_cast<CGridCellCombo*>(grid.GetCell(1, 2)), nullptr);
    EXPECT_EQ(grid.GetItemText(1, 2), "provider");
    EXPECT_EQ(grid.GetItemFgColour(1, 2), RGB(0x80, 0x80, 0x80));

    EXPECT_FALSE(grid.SetCellType<CGridCellDateTime>(3, 0));
    EXPECT_FALSE(grid.SetCellType<CGridCellDateTime>(0, -1));
    EXPECT_FALSE(grid.SetCellType(1, 1, nullptr));
    EXPECT_EQ(grid.GetCell(5, 5), nullptr);
}

TEST(GridCellTypeTest, NewCellTypeStillFollowsTheDefaultCell)
{
    CGridCtrl grid;
    grid.SetRowCount(3);
    grid.SetColumnCount(3);
    grid.SetItemText(1, 1, "2011/03/05");
    grid.SetItemFgColour(1, 1, RGB(0, 0, 255));
    ASSERT_TRUE(grid.SetCellType<CGridCellDateTime>(1, 1));
    // Attributes the old cell left to the default cell stay with it.
    CGridDefaultCell* def = grid.GetDefaultCell(false, false);
    def->SetFormat(DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    def->SetMargin(7);
    EXPECT_EQ(grid.GetItemFormat(1, 1), quint32(DT_RIGHT | DT_VCENTER | DT_SINGLELINE));
    EXPECT_EQ(grid.GetCellLook(1, 1).margin, 7);
    EXPECT_EQ(grid.GetItemText(1, 1), "2011/03/05");
    EXPECT_EQ(grid.GetItemFgColour(1, 1), RGB(0, 0, 255));
    EXPECT_EQ(grid.GetCellAs<CGridCellDateTime>(1, 1)->GetDate(), QDate(2011, 3, 5));

    // A date cell never given a value shows no text and holds today.
    ASSERT_TRUE(grid.SetCellType<CGridCellDateTime>(2, 2));
    EXPECT_EQ(grid.GetItemText(2, 2), "");
    EXPECT_EQ(grid.GetCellAs<CGridCellDateTime>(2, 2)->GetDate(), QDate::currentDate());
}

TEST(GridCellTypeTest, DateCellTextFollowsItsValue)
{
    CGridCellDateTime cell;
    cell.SetTime(QDateTime(QDate(2009, 12, 31), QTime(23, 59)));
    EXPECT_EQ(cell.GetText(), "2009/12/31");
    cell.SetText("2011/7/12");
    EXPECT_EQ(cell.GetTimeValue().date(), QDate(2011, 7, 12));
    cell.SetText("not a date");
    EXPECT_EQ(cell.GetText(), "not a date");
    EXPECT_EQ(cell.GetTimeValue().date(), QDate(2011, 7, 12));
}

TEST(GridStructureTest, CountsRowsAndFixedCellsLikeTheLedgerPagesUseThem)
{
    CGridCtrl grid;
    QAbstractItemModelTester tester(grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.SetColumnCount(1);
    grid.SetColumnCount(12);
    EXPECT_EQ(grid.GetRowCount(), 1);
    EXPECT_EQ(grid.GetColumnCount(), 12);
    grid.SetRowCount(4);
    EXPECT_TRUE(grid.GetItemState(0, 3) & GVIS_FIXEDROW);
    EXPECT_TRUE(grid.GetItemState(2, 0) & GVIS_FIXEDCOL);
    EXPECT_FALSE(grid.GetItemState(2, 3) & GVIS_FIXED);
    EXPECT_TRUE(grid.IsCellFixed(0, 0));

    grid.SetItemText(3, 0, "3 *");
    EXPECT_EQ(grid.InsertRow("4 *"), 4);
    EXPECT_EQ(grid.GetItemText(4, 0), "4 *");
    EXPECT_TRUE(grid.GetItemState(4, 0) & GVIS_FIXEDCOL);
    grid.SetItemText(2, 5, "second");
    EXPECT_TRUE(grid.DeleteRow(1));
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetItemText(1, 5), "second");
    EXPECT_FALSE(grid.DeleteRow(9));

    EXPECT_FALSE(grid.SetItemText(4, 0, "x"));
    EXPECT_EQ(grid.GetItemText(-1, 0), "");
    EXPECT_FALSE(grid.SetColumnWidth(12, 10));

    grid.SetRowCount(100);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.GetItemText(1, 5), "second");
    grid.SetColumnCount(3);
    EXPECT_EQ(grid.GetColumnCount(), 3);
    grid.DeleteNonFixedRows();
    EXPECT_EQ(grid.GetRowCount(), 1);
    grid.SetFixedRowCount(0);
    grid.DeleteAllItems();
    EXPECT_EQ(grid.GetRowCount(), 0);
}

TEST(GridStructureTest, HeadersFollowInsertsAndDeletesWhenOnlyTheHeaderColumnOrRowIsThere)
{
    CGridCtrl grid;
    QAbstractItemModelTester tester(grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto inStep = [&grid] {
        EXPECT_EQ(grid.verticalHeader()->count(), grid.model()->rowCount());
        EXPECT_EQ(grid.horizontalHeader()->count(), grid.model()->columnCount());
        EXPECT_EQ(grid.model()->rowCount(), grid.GetRowCount() - 1);
        EXPECT_EQ(grid.model()->columnCount(), grid.GetColumnCount() - 1);
    };
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    // Only the header column: rows still get their row-header sections.
    EXPECT_EQ(grid.InsertRow("1"), 1);
    EXPECT_EQ(grid.InsertRow("2"), 2);
    inStep();
    EXPECT_EQ(grid.model()->headerData(1, Qt::Vertical).toString(), "2");
    EXPECT_TRUE(grid.DeleteRow(1));
    inStep();
    EXPECT_EQ(grid.model()->headerData(0, Qt::Vertical).toString(), "2");

    // Only the header row: likewise for columns.
    grid.SetRowCount(1);
    EXPECT_EQ(grid.InsertColumn("A"), 1);
    EXPECT_EQ(grid.InsertColumn("B"), 2);
    inStep();
    EXPECT_TRUE(grid.DeleteColumn(1));
    inStep();
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), "B");
    EXPECT_EQ(grid.InsertRow("1"), 1);
    inStep();
}

TEST(GridStructureTest, SetItemWritesTheMaskedMembersAndDefaultsFillTheRest)
{
    CGridCtrl grid;
    grid.SetRowCount(2);
    grid.SetColumnCount(2);
    GV_ITEM item;
    item.row = 1;
    item.col = 1;
    item.mask = GVIF_TEXT | GVIF_FORMAT;
    item.nFormat = DT_VCENTER | DT_SINGLELINE;
    item.strText = "12345 KM";
    item.crFgClr = RGB(255, 0, 0); // not in the mask
    EXPECT_TRUE(grid.SetItem(item));
    EXPECT_EQ(grid.GetItemText(1, 1), "12345 KM");
    EXPECT_EQ(grid.GetItemFormat(1, 1), DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(grid.GetItemFgColour(1, 1), CLR_DEFAULT);

    // Unset attributes come from the default cell.
    EXPECT_EQ(grid.GetItemFormat(0, 0), DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    grid.GetDefaultCell(false, false)->SetBackClr(RGB(255, 255, 224));
    EXPECT_EQ(grid.GetCellLook(1, 1).backColour, QColor(255, 255, 224));
    grid.SetItemBkColour(1, 0, RGB(192, 192, 192));
    EXPECT_EQ(grid.GetCellLook(1, 0).backColour, QColor(192, 192, 192));
}

TEST(GridLookTest, DefaultCellIsMeasuredFromTheDefaultFont)
{
    CGridCtrl grid;
    const CGridDefaultCell* def = grid.GetDefaultCell(false, false);
    const QFont font = *def->GetFont();
    EXPECT_EQ(font.family(), QStringLiteral("宋体"));
    EXPECT_EQ(font.pixelSize(), 12);
    const QFontMetrics metrics(font);
    EXPECT_EQ(def->GetHeight(), int(metrics.height() * 1.8));
    EXPECT_EQ(def->GetWidth(), metrics.horizontalAdvance(QStringLiteral(" 中")));
    EXPECT_EQ(grid.GetGridLineColor(), 0x00C0C0C0u);
    grid.SetRowCount(3);
    grid.SetColumnCount(2);
    EXPECT_EQ(grid.GetRowHeight(2), def->GetHeight());
}

TEST(GridLookTest, FormatsBecomeAlignmentsAndEllipsis)
{
    EXPECT_EQ(AlignmentFromFormat(DT_VCENTER | DT_SINGLELINE), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(AlignmentFromFormat(DT_RIGHT | DT_VCENTER | DT_SINGLELINE),
              Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(AlignmentFromFormat(DT_CENTER | DT_WORDBREAK),
              Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
    const QFontMetrics metrics(CGridDefaultCell::StandardFont());
    const QString shown = DisplayText("a very long remark\nover two lines",
                                      DT_SINGLELINE | DT_END_ELLIPSIS, metrics, 40);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_FALSE(shown.contains('\n'));
    EXPECT_EQ(DisplayText("a\nb", DT_SINGLELINE, metrics, 400), "a b");
}
