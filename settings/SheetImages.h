#pragma once

#include <QList>
#include <QPixmap>

// The settings sheet's images: the page icons of the 16-pixel image list
// (bitmap 145) and the tree's two default images (bitmap 144).
namespace sheetimages {

constexpr int kImageSize = 16;
constexpr int kPageIconCount = 12;

// Page icon strip: 0 document, 1 gear, 2 pencil, 3 car, 4 chart, 5 wrench,
// 6 backup disk, 7 calendar, 8 information, 9 padlock, 10 profile card, 11 coin.
QPixmap PageIcon(int index);
// 0: a folder for tree nodes without a page; 1: a blank sheet for pages
// without an icon of their own.
QList<QPixmap> DefaultImages();

} // namespace sheetimages
