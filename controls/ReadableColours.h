#pragma once

#include "controls/GridCellPainter.h"

#include <QColor>
#include <QPalette>

// The pair of colours a grid cell is painted with.
struct CCellColours
{
    QColor text;
    QColor back;
};

// WCAG contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// The background of a fixed text colour: the palette's colour of the role, or
// the style's light palette's one when the text cannot be read on that, or a
// light or dark grey when it cannot be read on either.
QColor ReadableBackground(const QColor& text, QPalette::ColorRole role, const QPalette& palette);

// The colours a cell is drawn with. A look that fixes only one of the two
// colours is completed so the pair stays readable whatever the palette: text
// on a fixed background is black, a fixed text colour too faint on the
// palette's background gets the background of the style's light palette.
// Everything else follows the palette.
CCellColours ResolveCellColours(const CGridCellLook& look, const CGridPaintState& state,
                                const QPalette& palette);

// The red of warnings, dark on a light palette and light on a dark one.
QColor WarningTextColour(const QPalette& palette);
// A style sheet colouring a label's text in the warning red.
QString WarningStyleSheet();
