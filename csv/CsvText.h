#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The text of a CSV file a user hands the program, decoded from its bytes.
// The encoding is told from the file itself: a byte-order mark (UTF-8,
// UTF-16), UTF-16 without a mark when its zero bytes show it, else UTF-8 when
// the bytes are valid UTF-8, else GB18030 or Windows-1252, whichever the
// bytes are valid in; when they are valid in both, Windows-1252 is taken if
// most characters GB18030 would read are rare ones outside GB2312 (as
// "Müller" read as GB18030 gives "M黮ler"), and a note says which was taken
// and why. An empty file, a binary file and bytes that fit none of these are
// refused with a sentence for the user.
struct DecodedText
{
    QString text;     // without the byte-order mark
    QString encoding; // one of CsvEncodings()
    QString error;    // empty when the text could be read
    QString note;     // when another encoding would have read the bytes too

    bool ok() const { return error.isEmpty(); }
};

// "UTF-8", "GB18030", "Windows-1252", "UTF-16LE", "UTF-16BE".
const QStringList& CsvEncodings();

// Decodes the bytes in the given encoding (one of CsvEncodings(), any case),
// or in the one told from the bytes when it is empty.
DecodedText DecodeCsvBytes(const QByteArray& bytes, const QString& encoding = {});

// The bytes of a text in GB18030; empty when the text cannot be written so
// (never for valid Unicode). Tests and tools write such files with it.
QByteArray EncodeGb18030(const QString& text);
