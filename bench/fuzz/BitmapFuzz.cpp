// Feeds arbitrary bytes to the car picture reader: it must refuse or read
// them without a crash, a read past the buffer or a huge allocation.
#include "database/BitmapFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QImage image = ReadBitmapFile(bytes);
    if (!image.isNull() && (image.width() > 32768 || image.height() > 32768))
        __builtin_trap();
    return 0;
}
