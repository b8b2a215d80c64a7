#include "database/BitmapFile.h"

QImage ReadBitmapFile(const QByteArray& file)
{
    if (!file.startsWith("BM"))
        return {};
    return QImage::fromData(file, "BMP");
}
