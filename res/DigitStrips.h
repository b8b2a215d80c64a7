#pragma once

#include <QColor>
#include <QImage>

// The glyph strips of the odometer display: 14 cells of equal width side by
// side, "0" to "9", blank, ":", "-", "." in that order, drawn as lit
// seven-segment digits over faintly visible unlit segments.
namespace res {

constexpr int kDigitStripCells = 14;

struct DigitStripLook
{
    int cellWidth;
    int cellHeight;
    QColor digit;
    QColor background;
};

// The look of bitmaps 151 to 157; a zero cell size for any other number.
DigitStripLook DigitStripLookOf(int id);

QImage DrawDigitStrip(const DigitStripLook& look);

} // namespace res
