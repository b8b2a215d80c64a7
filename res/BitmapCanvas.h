#pragma once

#include <QImage>

namespace res {

// The device pixel ratio bitmaps are drawn for: that of the sharpest screen
// (1 without a screen), so that they are never enlarged on a scaled screen.
qreal BitmapScale();

// A blank bitmap of a size in the window's pixels, held in the pixels of
// BitmapScale(); a painter on it draws in the window's pixels.
QImage NewBitmap(int width, int height, QImage::Format format);

} // namespace res
