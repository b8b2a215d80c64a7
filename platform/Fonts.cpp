#include "platform/Fonts.h"

#include <QFont>
#include <QStringList>

namespace platform {

void RegisterFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("Noto Serif CJK SC"),
                                                        QStringLiteral("Noto Sans CJK SC"),
                                                        QStringLiteral("AR PL UMing CN"),
                                                        QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitutions(QStringLiteral("黑体"), {QStringLiteral("Noto Sans CJK SC"),
                                                        QStringLiteral("WenQuanYi Zen Hei"),
                                                        QStringLiteral("Droid Sans Fallback")});
}

} // namespace platform
