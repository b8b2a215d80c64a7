#pragma once

#include <QByteArray>
#include <QImage>

// A BMP file image as stored for a car's picture: "BM", the file header, the
// information header at byte 14 and the pixels at the offset written at byte
// 10. A null image for anything that is not a whole, readable BMP.
QImage ReadBitmapFile(const QByteArray& file);
