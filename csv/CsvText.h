#pragma once

#include <QByteArray>
#include <QString>

// The text of a CSV file a user hands the program, decoded from its bytes.
// The encoding is told from the file itself: a byte-order mark (UTF-8,
// UTF-16), UTF-16 without a mark when its zero bytes show it, else UTF-8 when
// the bytes are valid UTF-8, else GB18030 when they are valid GB18030. An
// empty file, a binary file and bytes that fit none of these are refused with
// a sentence for the user.
struct DecodedText
{
    QString text;     // without the byte-order mark
    QString encoding; // "UTF-8", "UTF-16LE", "UTF-16BE" or "GB18030"
    QString error;    // empty when the text could be read

    bool ok() const { return error.isEmpty(); }
};

DecodedText DecodeCsvBytes(const QByteArray& bytes);

// The bytes of a text in GB18030; empty when the text cannot be written so
// (never for valid Unicode). Tests and tools write such files with it.
QByteArray EncodeGb18030(const QString& text);
