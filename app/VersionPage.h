#pragma once

#include <QByteArray>
#include <QString>

// The update server's version page: how much of it is read, how its text is
// decoded and how the version text is picked out of it. Pure functions, safe
// on any thread.
//
// The page carries, anywhere in its text, a list "-----> [item,item,...]"
// whose item "orvynQrV1.2.09" announces the version "V1.2.09".
namespace versionpage {

// At most this many bytes of page text are kept ...
constexpr qsizetype kReadLimit = 10239;
// ... read a line or at most this many bytes at a time.
constexpr qsizetype kPieceSize = 512;

inline const QString kParseError = QStringLiteral("PARSE_ERROR");

// The bytes of a page that are kept: whole pieces (a line, or kPieceSize
// bytes of a longer one) from the start, up to the first piece that would
// take the total past kReadLimit; that piece and everything after it are
// dropped. Only the first kReadLimit + 1 bytes of a page matter.
QByteArray TakePageText(const QByteArray& raw);

// Page bytes as text, decoded from the local 8-bit encoding.
QString DecodePage(const QByteArray& bytes);

// The version text the page announces ("V" and at least four more
// characters), or kParseError when the page has no usable list or item.
QString ParseServerVersion(const QString& page);

// True when the server's version orders after the program's in a plain
// code-unit comparison ("V1.2.10" is newer than "V1.2.08", "V1.10" is not).
bool IsNewerVersion(const QString& programVersion, const QString& serverVersion);

} // namespace versionpage
