#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

// Fills the 4-connected region around the seed with the colour, up to pixels of
// the boundary colour (alpha ignored). Nothing happens when the seed lies
// outside the image or on the boundary. Each pixel is visited at most once, so
// the time grows with the region, never with recursion depth. Returns the
// number of pixels filled.
qsizetype FloodFill(QImage& image, const QPoint& seed, const QColor& fill,
                    const QColor& boundary = Qt::black);
