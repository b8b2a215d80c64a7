#include "res/DigitStrips.h"

#include "res/BitmapCanvas.h"

#include "res/Resources.h"

#include <QPainter>
#include <array>

namespace res {
namespace {

const QColor kLcd(179, 183, 139);

// Segments a to g: top, upper right, lower right, bottom, lower left, upper
// left, middle.
enum Segment
{
    A = 1 << 0,
    B = 1 << 1,
    C = 1 << 2,
    D = 1 << 3,
    E = 1 << 4,
    F = 1 << 5,
    G = 1 << 6,
};
constexpr std::array<int, 10> kDigitSegments = {
    A | B | C | D | E | F, B | C,         A | B | D | E | G,
    A | B | C | D | G,     B | C | F | G, A | C | D | F | G,
    A | C | D | E | F | G, A | B | C,     A | B | C | D | E | F | G,
    A | B | C | D | F | G,
};
constexpr int kAllSegments = A | B | C | D | E | F | G;

// Where the segments of one cell lie. Horizontal bars run between the vertical
// ones, which leaves the corners empty and keeps the bars apart at small sizes.
struct CellGeometry
{
    int left, right, top, bottom, thickness, middle;

    explicit CellGeometry(int width, int height)
    {
        left = (width * 17 + 50) / 100;
        right = width - left;
        top = std::max(1, (height * 8 + 50) / 100);
        bottom = height - top;
        thickness = std::max(2, (height + 4) / 9);
        middle = (top + bottom - thickness) / 2;
    }

    QRect segment(Segment s) const
    {
        const int t = thickness;
        const int barLength = right - left - 2 * t;
        switch (s) {
        case A:
            return QRect(left + t, top, barLength, t);
        case G:
            return QRect(left + t, middle, barLength, t);
        case D:
            return QRect(left + t, bottom - t, barLength, t);
        case F:
            return QRect(left, top + t, t, middle - top - t);
        case B:
            return QRect(right - t, top + t, t, middle - top - t);
        case E:
            return QRect(left, middle + t, t, bottom - t - middle - t);
        case C:
            return QRect(right - t, middle + t, t, bottom - t - middle - t);
        }
        return {};
    }
};

// A colour a little darker than the background: the unlit segments.
QColor unlitColour(const QColor& background)
{
    if (background.lightness() < 40)
        return QColor(background.red() + 10, background.green() + 38, background.blue() + 10);
    return background.darker(108);
}

void drawSegments(QPainter& p, const CellGeometry& g, QPoint origin, int segments,
                  const QColor& colour)
{
    for (Segment s : {A, B, C, D, E, F, G})
        if (segments & s)
            p.fillRect(g.segment(s).translated(origin), colour);
}

} // namespace

DigitStripLook DigitStripLookOf(int id)
{
    switch (id) {
    case IDB_DIGITS_SMALL_BLACK:
        return {13, 19, Qt::black, kLcd};
    case IDB_DIGITS_SMALL_RED:
        return {13, 19, QColor(210, 0, 0), kLcd};
    case IDB_DIGITS_SMALL_BLUE:
        return {13, 19, QColor(0, 0, 210), kLcd};
    case IDB_DIGITS_GREEN_ON_BLACK:
        return {12, 15, QColor(0, 255, 0), Qt::black};
    case IDB_DIGITS_LARGE_BLACK:
        return {18, 26, Qt::black, kLcd};
    case IDB_DIGITS_LARGE_RED:
        return {18, 26, QColor(210, 0, 0), kLcd};
    case IDB_DIGITS_LARGE_BLUE:
        return {18, 26, QColor(0, 0, 210), kLcd};
    default:
        return {0, 0, {}, {}};
    }
}

QImage DrawDigitStrip(const DigitStripLook& look)
{
    if (look.cellWidth <= 0 || look.cellHeight <= 0)
        return {};
    QImage strip = NewBitmap(kDigitStripCells * look.cellWidth, look.cellHeight, QImage::Format_RGB32);
    strip.fill(look.background);
    const CellGeometry g(look.cellWidth, look.cellHeight);
    const QColor unlit = unlitColour(look.background);
    const int t = g.thickness;
    const int dotX = (look.cellWidth - t) / 2;

    QPainter p(&strip);
    for (int cell = 0; cell < kDigitStripCells; ++cell) {
        const QPoint origin(cell * look.cellWidth, 0);
        if (cell <= 10) { // the digits and the blank, over the unlit segments
            drawSegments(p, g, origin, kAllSegments, unlit);
            if (cell < 10)
                drawSegments(p, g, origin, kDigitSegments[static_cast<size_t>(cell)], look.digit);
            continue;
        }
        switch (cell) {
        case 11: { // ":" one dot in each half
            const int upper = (g.top + t + g.middle - t) / 2;
            const int lower = (g.middle + t + g.bottom - t) / 2;
            p.fillRect(QRect(dotX, upper, t, t).translated(origin), look.digit);
            p.fillRect(QRect(dotX, lower, t, t).translated(origin), look.digit);
            break;
        }
        case 12: // "-"
            drawSegments(p, g, origin, G, look.digit);
            break;
        case 13: // "." on the base line
            p.fillRect(QRect(dotX, g.bottom - t, t, t).translated(origin), look.digit);
            break;
        }
    }
    return strip;
}

} // namespace res
