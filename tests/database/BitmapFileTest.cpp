#include "database/BitmapFile.h"
#include "tests/support/BitmapBytes.h"

#include <QBuffer>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace {

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

    const std::vector<std::pair<const char*, std::function<void(BitmapBytes&)>>> lies = {
        {"a huge allocation if believed", [](BitmapBytes& b) { b.width = 1'000'000'000; }},
        {"far more pixels than the file holds", [](BitmapBytes& b) { b.width = b.height = 30000; }},
        {"most negative height",
         [](BitmapBytes& b) { b.height = std::numeric_limits<qint32>::min(); }},
        {"negative width", [](BitmapBytes& b) { b.width = -2; }},
        {"no rows", [](BitmapBytes& b) { b.height = 0; }},
        {"pixels past the end", [](BitmapBytes& b) { b.pixelOffset = 1 << 30; }},
        {"pixels inside the information header", [](BitmapBytes& b) { b.pixelOffset = 20; }},
        {"unknown header size", [](BitmapBytes& b) { b.headerSize = 41; }},
        {"unknown depth", [](BitmapBytes& b) { b.bitCount = 7; }},
        {"JPEG inside a BMP", [](BitmapBytes& b) { b.compression = 4; }},
        {"a colour table longer than the depth allows",
         [](BitmapBytes& b) {
             b.bitCount = 8;
             b.coloursUsed = 100000;
         }},
        {"run-length data stored top-down does not exist",
         [](BitmapBytes& b) {
             b.bitCount = 8;
             b.compression = 1;
             b.height = -2;
             b.table = QByteArray(1024, '\0');
         }},
    };
    for (const auto& [what, lie] : lies) {
        BitmapBytes b = good;
        lie(b);
        EXPECT_TRUE(refused(b.build())) << what;
    }
}

TEST(BitmapFileTest, HeadersAloneGiveTheSizeOfAWellFormedFileOfAnySize)
{
    const auto bitmap = &BitmapBytes::Of;
    BitmapBytes core = bitmap(400, 200, 8);
    core.headerSize = 12;
    core.table = QByteArray(256 * 3, '\0');
    BitmapBytes runs = bitmap(5000, 5000, 8);
    runs.compression = 1;
    const qint32 most = std::numeric_limits<qint32>::max();

    struct Row
    {
        const char* what;
        BitmapBytes bitmap;
        qint64 pixelBytes; // the file's length after its headers and table
        std::optional<QSize> size;
    };
    const std::vector<Row> rows = {
        {"24 bits, 36 MB", bitmap(4000, 3000, 24), 36'000'000, QSize(4000, 3000)},
        {"one byte short", bitmap(4000, 3000, 24), 35'999'999, std::nullopt},
        {"1 bit, rows padded to 520 bytes", bitmap(4100, 4100, 1), 2'132'000, QSize(4100, 4100)},
        {"top-down", bitmap(300, -151, 32), 181'200, QSize(300, 151)},
        {"core header", core, 80'000, QSize(400, 200)},
        {"run-length data ends where it ends", runs, 1, QSize(5000, 5000)},
        {"no pixels at all", runs, 0, std::nullopt},
        {"largest sides of a tiny file", bitmap(most, most, 32), 1 << 20, std::nullopt},
        {"largest sides of a huge file", bitmap(most, most, 32), qint64(1) << 40, std::nullopt},
        {"most negative height", bitmap(2, std::numeric_limits<qint32>::min(), 24), 1 << 20,
         std::nullopt},
    };
    for (const Row& row : rows) {
        const QByteArray head = row.bitmap.build();
        EXPECT_EQ(BitmapFileSize(head.left(kBitmapHeadBytes), head.size() + row.pixelBytes),
                  row.size)
            << row.what;
    }

    // A header cut short is no BMP, whatever the file's length.
    EXPECT_EQ(BitmapFileSize(rows[0].bitmap.build().left(40), 1 << 30), std::nullopt);

    // Decoding stops at a size no screen shows, however well formed the file.
    const BitmapBytes huge = rows[2].bitmap;
    EXPECT_TRUE(ReadBitmapFile(huge.build() + QByteArray(2'132'000, '\0')).isNull());
}
