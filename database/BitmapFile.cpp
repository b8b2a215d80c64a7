#include "database/BitmapFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qint64 kLargestSide = 32768;
constexpr qint64 kLargestArea = 16 * 1024 * 1024; // pixels

enum Compression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
};

quint16 u16At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}
quint32 u32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}
qint32 i32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

bool knownHeaderSize(quint32 size)
{
    // core (12), Windows 3 (40), its extensions with masks (52, 56), OS/2 2 (64),
    // Windows 4 (108) and 5 (124)
    for (quint32 known : {12u, 40u, 52u, 56u, 64u, 108u, 124u})
        if (size == known)
            return true;
    return false;
}

// What the headers promise, checked against the file's length before a
// single pixel is read: a header that lies about its sizes is refused here,
// so the decoder never allocates for pixels the file does not hold.
bool headersHold(const QByteArray& file)
{
    const qint64 fileSize = file.size();
    if (fileSize < kFileHeaderSize + 12 || !file.startsWith("BM"))
        return false;
    const qint64 pixelOffset = u32At(file, 10);
    const quint32 headerSize = u32At(file, kFileHeaderSize);
    if (!knownHeaderSize(headerSize) || kFileHeaderSize + headerSize > fileSize)
        return false;

    const bool core = headerSize == 12;
    const qint64 width = core ? u16At(file, 18) : i32At(file, 18);
    const qint64 signedHeight = core ? u16At(file, 20) : i32At(file, 22);
    const quint16 planes = u16At(file, core ? 22 : 26);
    const quint16 bitCount = u16At(file, core ? 24 : 28);
    const quint32 compression = core ? Rgb : u32At(file, 30);
    const quint32 coloursUsed = core ? 0 : u32At(file, 46);

    const qint64 height = std::llabs(signedHeight);
    if (width <= 0 || height == 0 || width > kLargestSide || height > kLargestSide ||
        width * height > kLargestArea || planes != 1)
        return false;

    switch (compression) {
    case Rgb:
        if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
            bitCount != 32)
            return false;
        break;
    case Rle8:
    case Rle4:
        // Run-length pixels are stored bottom-up only.
        if (bitCount != (compression == Rle8 ? 8 : 4) || signedHeight < 0)
            return false;
        break;
    case BitFields:
        if (bitCount != 16 && bitCount != 32)
            return false;
        break;
    default:
        return false;
    }

    // The colour table (or the three masks of a Windows 3 header) lies between
    // the header and the pixels.
    qint64 tableSize = 0;
    if (bitCount <= 8) {
        const qint64 colours = coloursUsed ? coloursUsed : (1 << bitCount);
        if (colours > (1 << bitCount))
            return false;
        tableSize = colours * (core ? 3 : 4);
    } else if (compression == BitFields && headerSize == 40) {
        tableSize = 12;
    }
    if (pixelOffset < kFileHeaderSize + headerSize + tableSize || pixelOffset >= fileSize)
        return false;

    if (compression == Rle8 || compression == Rle4)
        return true; // runs end where the data ends; the decoder stops there
    const qint64 stride = (width * bitCount + 31) / 32 * 4;
    return stride * height <= fileSize - pixelOffset;
}

} // namespace

QImage ReadBitmapFile(const QByteArray& file)
{
    if (!headersHold(file))
        return {};
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoTransform(false);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    // As a picture for the screen: no alpha, the way a screen bitmap made from
    // the file shows it.
    return image.convertToFormat(QImage::Format_RGB32);
}
