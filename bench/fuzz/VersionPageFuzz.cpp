// Feeds arbitrary bytes to the update page reader: the kept text must be a
// prefix of the page within the read limit, and the parser must answer a
// version of at least five characters starting with "V" (and holding no
// separator) or "PARSE_ERROR", without a crash or a read past the buffer.
#include "app/VersionPage.h"

#include <cstddef>
#include <cstdint>

namespace {

void checkVersion(const QString& version)
{
    if (version == versionpage::kParseError)
        return;
    if (version.size() < 5 || !version.startsWith(QLatin1Char('V')) ||
        version.contains(QLatin1Char(',')) || version.contains(QLatin1Char(']')))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray raw =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray kept = versionpage::TakePageText(raw);
    if (kept.size() > versionpage::kReadLimit || !raw.startsWith(kept))
        __builtin_trap();
    const QString version = versionpage::ParseServerVersion(versionpage::DecodePage(kept));
    checkVersion(version);
    versionpage::IsNewerVersion(QStringLiteral("V1.2.08"), version);
    // The whole input as text, past the read limit too.
    checkVersion(versionpage::ParseServerVersion(QString::fromLatin1(raw)));
    return 0;
}
