#include "controls/ExtStatic.h"

#include "controls/ReadableColours.h"

#include <QPainter>
#include <QStyle>

namespace {

constexpr int kIconSize = 16;
constexpr int kIconTextOffset = 18;

} // namespace

CExtStatic::CExtStatic(const QString& windowText, QWidget* parent)
    : QWidget(parent), m_windowText(windowText)
{
    RebuildFont();
    textChanged();
}

void CExtStatic::SetWindowText(const QString& text)
{
    m_windowText = text;
    textChanged();
}

void CExtStatic::SetText(const QString& text)
{
    m_text = text;
    textChanged();
}

void CExtStatic::textChanged()
{
    setAccessibleName(Text());
    updateGeometry();
    update();
}

void CExtStatic::SetTextColour(const QColor& c)
{
    m_textColour = c;
    update();
}

void CExtStatic::SetBackColour(const QColor& c)
{
    m_backColour = c;
    update();
}

QColor CExtStatic::BackColour() const
{
    return m_backColour.isValid() ? m_backColour
                                  : ReadableBackground(m_textColour, QPalette::Button, palette());
}

void CExtStatic::SetBackBrush(const QBrush& b)
{
    m_backBrush = b;
    update();
}

void CExtStatic::SetFaceName(const QString& face)
{
    m_faceName = face;
    RebuildFont();
}

void CExtStatic::SetFontHeight(int pixels)
{
    m_height = pixels;
    RebuildFont();
}

void CExtStatic::SetAlignment(int alignment)
{
    m_alignment = alignment;
    update();
}

void CExtStatic::SetBold(bool on)
{
    m_bold = on;
    RebuildFont();
}

void CExtStatic::SetItalic(bool on)
{
    m_italic = on;
    RebuildFont();
}

void CExtStatic::SetUnderline(bool on)
{
    m_underline = on;
    RebuildFont();
}

void CExtStatic::SetEmbossed(bool on)
{
    m_embossed = on;
    update();
}

void CExtStatic::SetTransparent(bool on)
{
    m_transparent = on;
    update();
}

void CExtStatic::SetIcon(const QPixmap& icon16)
{
    m_icon = icon16;
    updateGeometry();
    update();
}

void CExtStatic::RebuildFont()
{
    QFont f(m_faceName);
    f.setPixelSize(std::max(1, m_height));
    f.setWeight(m_bold ? QFont::Bold : QFont::Normal);
    f.setItalic(m_italic);
    f.setUnderline(m_underline);
    f.setStyleStrategy(QFont::PreferQuality);
    setFont(f);
    updateGeometry();
    update();
}

QSize CExtStatic::sizeHint() const
{
    const QFontMetrics fm(font());
    const int iconWidth = m_icon.isNull() ? 0 : kIconTextOffset;
    return {iconWidth + fm.horizontalAdvance(Text()) + 4, std::max(fm.height(), kIconSize) + 4};
}

void CExtStatic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect client = rect();
    if (!m_transparent) {
        if (m_backBrush.style() != Qt::NoBrush)
            painter.fillRect(client, m_backBrush);
        else
            painter.fillRect(client, BackColour());
    }

    int left = client.left();
    if (!m_icon.isNull()) {
        painter.drawPixmap(QRect(0, 0, kIconSize, kIconSize), m_icon);
        left += kIconTextOffset;
    }

    const QString shown = Text();
    if (shown.isEmpty())
        return;
    painter.setFont(font());
    int horizontal = Qt::AlignLeft;
    if (m_alignment == Centre)
        horizontal = Qt::AlignHCenter;
    else if (m_alignment == Right)
        horizontal = Qt::AlignRight;
    const int textHeight = QFontMetrics(font()).height();
    // One line, vertically centred in the client area whose left and top edges
    // are moved by (dx, dy): a raised top edge lifts the line by half as much.
    const auto draw = [&](int dx, int raise, const QColor& colour) {
        const int top = client.top() - raise;
        const int y = top + (client.bottom() + 1 - top - textHeight) / 2;
        const QRect box(left + dx, y, std::max(0, client.right() + 1 - left - dx), textHeight);
        painter.setPen(colour);
        painter.drawText(box, horizontal | Qt::AlignTop | Qt::TextSingleLine, shown);
    };
    if (m_embossed) {
        // The relief belongs to the background: the palette's edges on the
        // palette's own colour, else white and a darker shade of what stands in.
        const QColor back = BackColour();
        const bool ownBack = m_backColour.isValid() || back == palette().color(QPalette::Button);
        draw(0, 3, ownBack ? palette().color(QPalette::Light) : QColor(Qt::white));
        draw(2, 1, ownBack ? palette().color(QPalette::Dark) : back.darker(150));
    }
    draw(1, 2, m_textColour);
}
