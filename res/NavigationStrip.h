#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <array>

// Bitmap 310: the images of the nine navigation buttons. Column i belongs to
// page i; row 0 is the normal look, row 1 the hot look, row 2 the selected or
// pressed look. White is the transparent colour.
namespace res {

constexpr int kStripColumns = 9;
constexpr int kStripRows = 3;
constexpr int kStripCellWidth = 120;
constexpr int kStripCellHeight = 40;

// Captions of the navigation buttons, in page order, in the interface's
// language.
std::array<QString, kStripColumns> NavigationCaptions();

// Caption colour of a row: blue, magenta, red.
QColor StripCaptionColor(int row);

QImage DrawNavigationStrip();

// Draws the small icon of button `column` into a 24 x 24 square at `origin`.
void DrawNavigationIcon(QPainter& painter, int column, QPoint origin);

} // namespace res
