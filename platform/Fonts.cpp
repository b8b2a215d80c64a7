#include "platform/Fonts.h"

#include <QFont>
#include <QFontDatabase>

namespace platform {
namespace {

// Faces of the packages the program depends on (fonts-noto-cjk,
// fonts-wqy-microhei, fonts-wqy-zenhei) and of others often installed, best
// first.
//
// The grids' column widths are made for "宋体", whose Latin letters and
// digits are half an em wide (6 pixels in a 12-pixel cell). Noto Sans Mono CJK
// and WenQuanYi Zen Hei Mono keep them so; the proportional faces set digits
// about a tenth wider, which clips "12345 KM" in a 60-pixel odometer column, so
// they only stand in where neither is installed. WenQuanYi Micro Hei Mono is no
// narrower than Micro Hei at grid sizes (7-pixel digits in both, wider Latin
// letters), so the proportional one comes first.
const QStringList& preferred(FaceRole role)
{
    static const QStringList song = {
        QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("WenQuanYi Zen Hei Mono"),
        QStringLiteral("Noto Serif CJK SC"),     QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("AR PL UMing CN"),        QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("WenQuanYi Zen Hei"),     QStringLiteral("WenQuanYi Micro Hei Mono"),
        QStringLiteral("Droid Sans Fallback"),
    };
    static const QStringList hei = {
        QStringLiteral("Noto Sans CJK SC"),       QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("WenQuanYi Zen Hei"),      QStringLiteral("Droid Sans Fallback"),
        QStringLiteral("Noto Sans Mono CJK SC"),  QStringLiteral("WenQuanYi Micro Hei Mono"),
        QStringLiteral("WenQuanYi Zen Hei Mono"),
    };
    return role == FaceRole::Song ? song : hei;
}

QString installedAs(const QString& face, const QStringList& installed)
{
    for (const QString& family : installed)
        if (family.compare(face, Qt::CaseInsensitive) == 0)
            return family;
    return QString();
}

void substitute(const QString& family, const QString& face)
{
    QFont::removeSubstitutions(family);
    if (!face.isEmpty())
        QFont::insertSubstitution(family, face);
}

} // namespace

QString ChooseFace(FaceRole role, const QStringList& installed, const QStringList& chinese)
{
    for (const QString& face : preferred(role)) {
        const QString family = installedAs(face, installed);
        if (!family.isEmpty())
            return family;
    }
    // Any other Chinese face; for "宋体" a monospaced one first.
    if (role == FaceRole::Song)
        for (const QString& family : chinese)
            if (family.contains(QLatin1String("Mono"), Qt::CaseInsensitive))
                return family;
    return chinese.isEmpty() ? QString() : chinese.first();
}

void RegisterFontSubstitutions()
{
    const QStringList installed = QFontDatabase::families();
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    substitute(QStringLiteral("宋体"), ChooseFace(FaceRole::Song, installed, chinese));
    substitute(QStringLiteral("黑体"), ChooseFace(FaceRole::Hei, installed, chinese));
}

} // namespace platform
