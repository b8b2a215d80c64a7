#include "controls/ReadableColours.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * Linear(rgb.red()) + 0.7152 * Linear(rgb.green()) +
           0.0722 * Linear(rgb.blue());
}

constexpr double kReadable = 4.5;

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableBackground(const QColor& text, QPalette::ColorRole role, const QPalette& palette)
{
    // The palette's colour, else the style's own light one; a platform theme
    // can make that dark as well, so last the light or dark grey that reads best.
    const QColor candidates[] = {palette.color(role),
                                 QApplication::style()->standardPalette().color(role),
                                 QColor(240, 240, 240), QColor(40, 40, 40)};
    for (const QColor& back : candidates)
        if (ContrastRatio(text, back) >= kReadable)
            return back;
    return ContrastRatio(text, candidates[2]) >= ContrastRatio(text, candidates[3]) ? candidates[2]
                                                                                     : candidates[3];
}

CCellColours ResolveCellColours(const CGridCellLook& look, const CGridPaintState& state,
                                const QPalette& palette)
{
    if (state.selected && !state.fixed)
        return {palette.color(QPalette::HighlightedText), palette.color(QPalette::Highlight)};
    const QPalette::ColorRole backRole = state.fixed ? QPalette::Button : QPalette::Base;
    const QPalette::ColorRole textRole = state.fixed ? QPalette::ButtonText : QPalette::Text;
    CCellColours colours{look.textColour, look.backColour};
    if (colours.back.isValid() && !colours.text.isValid())
        colours.text = QColor(Qt::black);
    else if (colours.text.isValid() && !colours.back.isValid())
        colours.back = ReadableBackground(colours.text, backRole, palette);
    else if (!colours.text.isValid())
        colours = {palette.color(textRole), palette.color(backRole)};
    return colours;
}

QColor WarningTextColour(const QPalette& palette)
{
    const QColor dark(192, 0, 0);
    const QColor back = palette.color(QPalette::Window);
    return ContrastRatio(dark, back) >= kReadable ? dark : QColor(255, 128, 128);
}

QString WarningStyleSheet()
{
    return QStringLiteral("color: %1").arg(WarningTextColour(QApplication::palette()).name());
}
