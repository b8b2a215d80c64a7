#include "controls/GridCellPainter.h"
#include "controls/GridCtrl.h"
#include "platform/Fonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>

// The ledger texts fit the column widths the pages give them, in the grid's
// own cell font and text rectangle (cell less margins and grid line).
TEST(GridFont, LedgerTextsFitTheirColumns)
{
    platform::RegisterFontSubstitutions();
    CGridCtrl grid;
    grid.SetRowCount(2);
    grid.SetColumnCount(2);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);

    struct Case
    {
        const char* text;
        int columnWidth;
    };
    // The widths of the wide, middle and narrow page layouts.
    const Case cases[] = {
        {"12345 KM", 75},    {"12345 KM", 60},   {"12345 KM", 55},
        {"2026/02/15", 100}, {"2026/02/15", 85}, {"￥ 1234.50", 70},
        {"￥ 12345.50", 85}, {"45.50 升", 55},   {"更换机油 5W-30 4L，机滤 PH6017A", 200},
    };
    for (const Case& c : cases) {
        grid.SetItemText(1, 1, QString::fromUtf8(c.text));
        const CGridCellLook look = grid.GetCellLook(1, 1);
        EXPECT_FALSE(IsTextClipped(look, QRect(0, 0, c.columnWidth, 30), 0))
            << c.text << " in " << c.columnWidth << " px, font "
            << QFontInfo(look.font).family().toStdString() << " " << look.font.pixelSize() << " px";
    }
}
