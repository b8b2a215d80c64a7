#include "platform/Fonts.h"

#include <QFont>
#include <QStringList>

namespace platform {

void RegisterFontSubstitutions()
{
    // The grids' column widths are made for "宋体", whose Latin letters and
    // digits are half an em wide (6 pixels in a 12-pixel cell). Of the Noto CJK
    // families only the Mono one keeps Latin at half an em; the serif and sans
    // families set digits about a tenth wider, which clips "12345 KM" in a
    // 60-pixel odometer column. The others stand in where it is missing.
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("Noto Sans Mono CJK SC"),
                                                        QStringLiteral("Noto Serif CJK SC"),
                                                        QStringLiteral("Noto Sans CJK SC"),
                                                        QStringLiteral("AR PL UMing CN"),
                                                        QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitutions(QStringLiteral("黑体"), {QStringLiteral("Noto Sans CJK SC"),
                                                        QStringLiteral("WenQuanYi Zen Hei"),
                                                        QStringLiteral("Droid Sans Fallback")});
}

} // namespace platform
