#include "database/BitmapFile.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A BMP file built byte by byte: Windows 3 header (or the 12-byte core
// header), an optional colour table and the given pixel rows.
struct BitmapBytes
{
    qint32 width = 2;
    qint32 height = 2;
    quint16 bitCount = 24;
    quint32 compression = 0;
    quint32 headerSize = 40;
    quint32 coloursUsed = 0;
    QByteArray table;
    QByteArray pixels;
    qint64 pixelOffset = -1; // -1: right after the table

    QByteArray build() const
    {
        QByteArray info(headerSize, '\0');
        auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, info.data() + at); };
        auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, info.data() + at); };
        put32(0, headerSize);
        if (headerSize == 12) {
            put16(4, static_cast<quint16>(width));
            put16(6, static_cast<quint16>(height));
            put16(8, 1);
            put16(10, bitCount);
        } else {
            put32(4, static_cast<quint32>(width));
            put32(8, static_cast<quint32>(height));
            put16(12, 1);
            put16(14, bitCount);
            put32(16, compression);
            put32(32, coloursUsed);
        }
        const qint64 offset = pixelOffset >= 0 ? pixelOffset : 14 + info.size() + table.size();
        QByteArray head(14, '\0');
        head[0] = 'B';
        head[1] = 'M';
        qToLittleEndian(static_cast<quint32>(14 + info.size() + table.size() + pixels.size()),
                        head.data() + 2);
        qToLittleEndian(static_cast<quint32>(offset), head.data() + 10);
        return head + info + table + pixels;
    }
};

QByteArray savedBitmap(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QByteArray pngBytes()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Two 24-bit rows of two pixels: red, green / blue, white (padded to 8 bytes).
QByteArray twoByTwoRows()
{
    return QByteArray::fromHex("0000ff00ff000000" // first stored row: red, green
                               "ff0000ffffff0000" // second stored row: blue, white
    );
}

} // namespace

TEST(BitmapFileTest, ReadsEveryDepthWithRowsInTheirStoredOrder)
{
    BitmapBytes bottomUp;
    bottomUp.pixels = twoByTwoRows();
    QImage image = ReadBitmapFile(bottomUp.build());
    ASSERT_EQ(image.size(), QSize(2, 2));
    // Bottom-up: the first stored row is the lowest one.
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));

    BitmapBytes topDown = bottomUp;
    topDown.height = -2;
    image = ReadBitmapFile(topDown.build());
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));

    // 1, 4 and 8 bits through a two-colour table: black and yellow.
    const QByteArray table = QByteArray::fromHex("0000000000ffff00");
    for (quint16 bits : {1, 4, 8}) {
        BitmapBytes indexed;
        indexed.bitCount = bits;
        indexed.coloursUsed = 2;
        indexed.table = table;
        // One row per stored row of four bytes; the first pixel is colour 1.
        const char first = static_cast<char>(bits == 1 ? 0x80 : bits == 4 ? 0x10 : 0x01);
        indexed.pixels = QByteArray(1, first) + QByteArray(3, '\0') + QByteArray(4, '\0');
        image = ReadBitmapFile(indexed.build());
        ASSERT_EQ(image.size(), QSize(2, 2)) << bits;
        EXPECT_EQ(image.pixel(0, 1), qRgb(255, 255, 0)) << bits;
        EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0)) << bits;
    }

    // 16 bits (5-5-5) and 32 bits, the last byte of a 32-bit pixel ignored.
    BitmapBytes sixteen;
    sixteen.bitCount = 16;
    sixteen.pixels = QByteArray::fromHex("007c1f00"
                                         "ff7f0000");
    image = ReadBitmapFile(sixteen.build());
    ASSERT_EQ(image.size(), QSize(2, 2));
    // Five bits per channel: 31 reads as 248, as a screen shows it.
    EXPECT_EQ(image.pixel(0, 1), qRgb(248, 0, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 248));

    BitmapBytes thirtyTwo;
    thirtyTwo.bitCount = 32;
    thirtyTwo.pixels = QByteArray::fromHex("0000ff00"
                                           "00ff0000"
                                           "ff000000"
                                           "ffffff00");
    image = ReadBitmapFile(thirtyTwo.build());
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(255, 255, 255));

    // The 12-byte core header with its three-byte table entries.
    BitmapBytes core;
    core.headerSize = 12;
    core.bitCount = 8;
    core.table = QByteArray(256 * 3, '\0');
    core.table[3] = '\x10';
    core.table[4] = '\x20';
    core.table[5] = '\x30';
    core.pixels = QByteArray::fromHex("01000000"
                                      "00000000");
    image = ReadBitmapFile(core.build());
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0x30, 0x20, 0x10));
}

TEST(BitmapFileTest, ReadsWhatQtWritesAtTheLargestPictureSize)
{
    QImage picture(300, 150, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    picture.setPixel(299, 0, qRgb(200, 100, 50));
    const QImage image = ReadBitmapFile(savedBitmap(picture));
    ASSERT_EQ(image.size(), QSize(300, 150));
    EXPECT_EQ(image.pixel(299, 0), qRgb(200, 100, 50));
    EXPECT_EQ(image.pixel(0, 149), qRgb(10, 20, 30));
}

TEST(BitmapFileTest, RefusesFilesWhoseHeadersLie)
{
    const BitmapBytes good = [] {
        BitmapBytes b;
        b.pixels = twoByTwoRows();
        return b;
    }();
    ASSERT_FALSE(ReadBitmapFile(good.build()).isNull());

    auto refused = [](const QByteArray& bytes) { return ReadBitmapFile(bytes).isNull(); };
    EXPECT_TRUE(refused({}));
    EXPECT_TRUE(refused("BM"));
    EXPECT_TRUE(refused(good.build().left(20)));
    EXPECT_TRUE(refused(pngBytes()));
    EXPECT_TRUE(refused("XM" + good.build().mid(2)));

    // Truncated pixel data: one byte short of the last row.
    EXPECT_TRUE(refused(good.build().chopped(1)));

    BitmapBytes b = good;
    b.width = 1'000'000'000; // a huge allocation if believed
    EXPECT_TRUE(refused(b.build()));
    b = good;
    b.width = 30000;
    b.height = 30000; // within each side's limit, far beyond the area's
    EXPECT_TRUE(refused(b.build()));
    b = good;
    b.height = std::numeric_limits<qint32>::min();
    EXPECT_TRUE(refused(b.build()));
    b = good;
    b.width = -2;
    EXPECT_TRUE(refused(b.build()));
    b = good;
    b.height = 0;
    EXPECT_TRUE(refused(b.build()));

    b = good;
    b.pixelOffset = 1 << 30; // past the end
    EXPECT_TRUE(refused(b.build()));
    b = good;
    b.pixelOffset = 20; // inside the information header
    EXPECT_TRUE(refused(b.build()));

    b = good;
    b.headerSize = 41;
    EXPECT_TRUE(refused(b.build()));
    b = good;
    b.bitCount = 7;
    EXPECT_TRUE(refused(b.build()));
    b = good;
    b.compression = 4; // JPEG inside a BMP
    EXPECT_TRUE(refused(b.build()));

    // A colour table longer than the depth allows.
    b = good;
    b.bitCount = 8;
    b.coloursUsed = 100000;
    EXPECT_TRUE(refused(b.build()));

    // Run-length data stored top-down does not exist.
    b = good;
    b.bitCount = 8;
    b.compression = 1;
    b.height = -2;
    b.table = QByteArray(1024, '\0');
    EXPECT_TRUE(refused(b.build()));
}
