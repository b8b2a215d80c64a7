#pragma once

#include <QByteArray>
#include <QtEndian>

// A BMP file built byte by byte: the file header, the Windows 3 information
// header (or the 12-byte core header), an optional colour table and the given
// pixel rows.
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

    // The headers of a picture of that size and depth, with a (black) colour
    // table for the depths that have one, and no pixel rows yet.
    static BitmapBytes Of(qint32 width, qint32 height, quint16 bits)
    {
        BitmapBytes b;
        b.width = width;
        b.height = height;
        b.bitCount = bits;
        if (bits <= 8)
            b.table = QByteArray(4 << bits, '\0');
        return b;
    }

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
