#pragma once

#include <QCursor>
#include <QPixmap>

// The program's bitmaps and cursors by resource number. Every image is drawn by
// code the first time it is asked for and kept for the rest of the run.
namespace res {

enum : int
{
    IDI_PROGRAM = 128,    // program icon, 48 x 48
    IDB_NAVIGATION = 310, // navigation button strip: 9 columns of 120 x 40, 3 rows
    IDC_HAND = 312,       // hand cursor over clickable items
};

// A null pixmap for an unknown number.
QPixmap Bitmap(int id);
// The standard arrow for an unknown number.
QCursor Cursor(int id);

} // namespace res
