#pragma once

#include <QImage>

// The 16-pixel image lists, each a strip of 16 x 16 images side by side on a
// transparent background.
namespace res {

constexpr int kSmallImageSize = 16;
constexpr int kSmallImageCount = 12;

// Bitmap 145: 0 document, 1 gear, 2 pencil, 3 car, 4 chart, 5 wrench,
// 6 backup disk, 7 calendar, 8 information, 9 padlock, 10 profile card, 11 coin.
QImage DrawSmallImageStrip();
// Bitmap 144: 0 a folder for tree nodes without a page, 1 a blank sheet for
// pages without an image of their own.
QImage DrawTreeDefaultStrip();

} // namespace res
