#include "app/VersionPage.h"

#include <algorithm>

namespace versionpage {
namespace {

const QString kListMarker = QStringLiteral("-----> [");
const QString kProductMarker = QStringLiteral("orvynQrV");
constexpr QChar kListEnd = u']';
constexpr QChar kSeparator = u',';
// Both the list and the version must be longer than this.
constexpr qsizetype kShortest = 4;

} // namespace

QByteArray TakePageText(const QByteArray& raw)
{
    qsizetype held = 0;
    while (held < raw.size()) {
        qsizetype end = std::min(held + kPieceSize, raw.size());
        const qsizetype newline = raw.indexOf('\n', held);
        if (newline >= 0 && newline < end)
            end = newline + 1;
        if (end > kReadLimit)
            break;
        held = end;
    }
    return raw.left(held);
}

QString DecodePage(const QByteArray& bytes)
{
    return QString::fromLocal8Bit(bytes);
}

QString ParseServerVersion(const QString& page)
{
    const qsizetype marker = page.indexOf(kListMarker);
    const qsizetype listEnd = page.indexOf(kListEnd);
    if (marker < 0 || listEnd < 0)
        return kParseError;
    const qsizetype listStart = marker + kListMarker.size();
    const qsizetype listLength = listEnd - listStart;
    if (listLength <= kShortest)
        return kParseError;

    // The last item ends at the closing bracket as the others end at a comma.
    const QString list = page.mid(listStart, listLength) + kSeparator;
    const qsizetype item = list.indexOf(kProductMarker);
    if (item < 0)
        return kParseError;
    // The version starts at the marker's closing "V".
    const qsizetype versionStart = item + kProductMarker.size() - 1;
    const qsizetype versionEnd = list.indexOf(kSeparator, versionStart);
    if (versionEnd - versionStart <= kShortest)
        return kParseError;
    return list.mid(versionStart, versionEnd - versionStart);
}

bool IsNewerVersion(const QString& programVersion, const QString& serverVersion)
{
    return QString::compare(programVersion, serverVersion, Qt::CaseSensitive) < 0;
}

} // namespace versionpage
