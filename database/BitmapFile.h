#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>

// A BMP file image as stored for a car's picture: "BM", the file header, the
// information header at byte 14 and the pixels at the offset written at byte
// 10. A null image for anything that is not a whole, readable BMP.
QImage ReadBitmapFile(const QByteArray& file);

// How many first bytes of a file BitmapFileSize reads at most: the file
// header and the longest information header.
inline constexpr qsizetype kBitmapHeadBytes = 14 + 124;

// The picture size a well-formed BMP file declares, read from its headers
// alone: head holds the file's first bytes (kBitmapHeadBytes of them, or the
// whole file when shorter) and fileSize its length. Well-formed: the "BM"
// signature, a known information header, a width, height, plane count, bit
// depth and compression that fit together, a colour table before the pixels,
// and a file long enough for the pixels declared. None for anything else.
// Nothing is decoded, so a size is known for pictures of any size.
std::optional<QSize> BitmapFileSize(const QByteArray& head, qint64 fileSize);
