#pragma once

#include <QCursor>
#include <QIcon>
#include <QList>
#include <QPixmap>

// The program's bitmaps, icons and cursors by resource number. Every image is
// drawn by code the first time it is asked for and kept for the rest of the run.
namespace res {

enum : int
{
    IDI_PROGRAM = 128,               // program icon, 48 x 48
    IDB_TREE_DEFAULTS = 144,         // tree default images: 2 of 16 x 16 (folder, blank sheet)
    IDB_SMALL_IMAGES = 145,          // 16-pixel image list: 12 of 16 x 16 (ImageLists.h)
    IDB_DIGITS_GREEN_ON_BLACK = 151, // odometer glyphs, 14 cells of 12 x 15, green on black
    IDB_DIGITS_LARGE_BLACK = 152,    // odometer glyphs, 14 cells of 18 x 26, black on LCD
    IDB_DIGITS_LARGE_BLUE = 153,     // odometer glyphs, 14 cells of 18 x 26, blue on LCD
    IDB_DIGITS_LARGE_RED = 154,      // odometer glyphs, 14 cells of 18 x 26, red on LCD
    IDB_DIGITS_SMALL_BLACK = 155,    // odometer glyphs, 14 cells of 13 x 19, black on LCD
    IDB_DIGITS_SMALL_RED = 156,      // odometer glyphs, 14 cells of 13 x 19, red on LCD
    IDB_DIGITS_SMALL_BLUE = 157,     // odometer glyphs, 14 cells of 13 x 19, blue on LCD
    IDB_NAVIGATION = 310,            // navigation button strip: 9 columns of 120 x 40, 3 rows
    IDC_HAND = 312,                  // hand cursor over clickable items
    IDB_TIP_CONFIRM = 318,           // tip button "我知道啦!": 77 x 21, corners RGB(255,0,255)
    IDB_TIP_CONFIRM_HOVER = 319,     // tip button under the mouse: brighter
    IDB_TIP_BACKGROUND = 320,        // tip window background, 193 x 107
    IDI_LOGIN = 328,                 // login button: a key
    IDI_LOGIN_HOVER = 329,           // login button under the mouse: a brighter key
    IDI_LOGIN_WINDOW = 331,          // small icon of the login window: a padlock
    IDI_APPLY = 332,                 // apply button: a tick
    IDI_EDIT_MILEAGE_HOVER = 335,    // edit-mileage button under the mouse: a brighter pencil
    IDI_EDIT_MILEAGE = 336,          // edit-mileage button: a pencil
    IDI_APPLY_HOVER = 338,           // apply button under the mouse: a brighter tick
};

// A null pixmap for an unknown number. Icons come 32 x 32.
QPixmap Bitmap(int id);
// An icon drawn for 16 and 32 pixels (any bitmap is an icon of its own size);
// a null icon for an unknown number.
QIcon Icon(int id);
// A strip bitmap cut into images `width` pixels wide, left to right.
QList<QPixmap> ImageList(int id, int width);
// A bitmap's size in the window's pixels (bitmaps are held in the pixels of
// the sharpest screen).
QSize LogicalSize(const QPixmap& bitmap);
// A part of a bitmap given in the window's pixels, in the bitmap's own.
QRect BitmapRect(const QPixmap& bitmap, const QRect& logical);
// The standard arrow for an unknown number.
QCursor Cursor(int id);

} // namespace res
