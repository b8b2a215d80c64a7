#include "database/BitmapFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>
#include <limits>

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

} // namespace

std::optional<QSize> BitmapFileSize(const QByteArray& head, qint64 fileSize)
{
    if (head.size() < kFileHeaderSize + 12 || !head.startsWith("BM"))
        return std::nullopt;
    const qint64 pixelOffset = u32At(head, 10);
    const quint32 headerSize = u32At(head, kFileHeaderSize);
    if (!knownHeaderSize(headerSize) || kFileHeaderSize + headerSize > head.size() ||
        kFileHeaderSize + headerSize > fileSize)
        return std::nullopt;

    const bool core = headerSize == 12;
    const qint64 width = core ? u16At(head, 18) : i32At(head, 18);
    const qint64 signedHeight = core ? u16At(head, 20) : i32At(head, 22);
    const quint16 planes = u16At(head, core ? 22 : 26);
    const quint16 bitCount = u16At(head, core ? 24 : 28);
    const quint32 compression = core ? Rgb : u32At(head, 30);
    const quint32 coloursUsed = core ? 0 : u32At(head, 46);

    // A top-down picture has a negative height; the most negative one has
    // no positive counterpart.
    const qint64 height = std::llabs(signedHeight);
    if (width <= 0 || height == 0 || height > std::numeric_limits<qint32>::max() || planes != 1)
        return std::nullopt;

    switch (compression) {
    case Rgb:
        if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
            bitCount != 32)
            return std::nullopt;
        break;
    case Rle8:
    case Rle4:
        // Run-length pixels are stored bottom-up only.
        if (bitCount != (compression == Rle8 ? 8 : 4) || signedHeight < 0)
            return std::nullopt;
        break;
    case BitFields:
        if (bitCount != 16 && bitCount != 32)
            return std::nullopt;
        break;
    default:
        return std::nullopt;
    }

    // The colour table (or the three masks of a Windows 3 header) lies between
    // the header and the pixels.
    qint64 tableSize = 0;
    if (bitCount <= 8) {
        const qint64 colours = coloursUsed ? coloursUsed : (1 << bitCount);
        if (colours > (1 << bitCount))
            return std::nullopt;
        tableSize = colours * (core ? 3 : 4);
    } else if (compression == BitFields && headerSize == 40) {
        tableSize = 12;
    }
    if (pixelOffset < kFileHeaderSize + headerSize + tableSize || pixelOffset >= fileSize)
        return std::nullopt;

    // Run-length pixels end where their data ends; rows of other pixels are
    // padded to four bytes, and the file holds every one of them. (A row
    // takes at most 2^33 bytes: compared by division, nothing overflows.)
    const qint64 stride = (width * bitCount + 31) / 32 * 4;
    if (compression != Rle8 && compression != Rle4 && height > (fileSize - pixelOffset) / stride)
        return std::nullopt;
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

QImage ReadBitmapFile(const QByteArray& file)
{
    // Only a size the screen can hold is decoded: a header that lies about
    // its sizes never gets the decoder to allocate for pixels it does not have.
    const std::optional<QSize> size = BitmapFileSize(file, file.size());
    if (!size || size->width() > kLargestSide || size->height() > kLargestSide ||
        qint64(size->width()) * size->height() > kLargestArea)
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
