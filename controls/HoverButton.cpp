#include "controls/HoverButton.h"

#include "res/Resources.h"

#include <QEnterEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// Pixels of the transparent colour become see-through.
QPixmap keyedOut(const QPixmap& source, const QColor& transparent)
{
    if (source.isNull() || !transparent.isValid())
        return source;
    QPixmap keyed = source;
    keyed.setMask(source.createMaskFromColor(transparent, Qt::MaskInColor));
    return keyed;
}

constexpr int kIconTextGap = 2;

} // namespace

CHoverButton::CHoverButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    rebuildFont();
}

void CHoverButton::SetBitmaps(int normalId, int hoverId, const QColor& transparent)
{
    m_normalBitmap = keyedOut(res::Bitmap(normalId), transparent);
    m_hoverBitmap = keyedOut(res::Bitmap(hoverId), transparent);
    updateGeometry();
    update();
}

void CHoverButton::SetIcons(int normalId, int hoverId, int width, int height)
{
    const QSize size(width, height);
    setIconPixmaps(res::Icon(normalId).pixmap(size), res::Icon(hoverId).pixmap(size), size);
}

void CHoverButton::SetIcons(const QIcon& normal, const QIcon& hover, int width, int height)
{
    const QSize size(width, height);
    setIconPixmaps(normal.pixmap(size), hover.pixmap(size, QIcon::Active), size);
}

void CHoverButton::setIconPixmaps(const QPixmap& normal, const QPixmap& hover, const QSize& size)
{
    m_iconWidth = size.width();
    m_iconHeight = size.height();
    m_normalIcon = normal;
    m_hoverIcon = hover;
    m_iconMode = true;
    updateGeometry();
    update();
}

void CHoverButton::SizeToContent()
{
    resize(IsBitmapMode() ? res::LogicalSize(m_normalBitmap) : sizeHint());
}

void CHoverButton::SetLayout(int layout)
{
    m_layout = layout == IconAbove ? IconAbove : IconLeft;
    updateGeometry();
    update();
}

void CHoverButton::SetMargins(int left, int top)
{
    m_leftMargin = left;
    m_topMargin = top;
    updateGeometry();
    update();
}

void CHoverButton::SetTextColours(const QColor& hover, const QColor& normal)
{
    m_hoverText = hover;
    m_normalText = normal;
    update();
}

void CHoverButton::SetBold(bool bold)
{
    m_bold = bold;
    rebuildFont();
}

void CHoverButton::SetFontHeight(int pixels)
{
    m_fontHeight = pixels;
    rebuildFont();
}

void CHoverButton::SetItalic(bool italic)
{
    m_italic = italic;
    rebuildFont();
}

void CHoverButton::SetUnderline(bool underline)
{
    m_underline = underline;
    rebuildFont();
}

void CHoverButton::SetStandardFrame(bool on)
{
    m_standardFrame = on;
    update();
}

void CHoverButton::SetFlatFrame(bool on)
{
    m_flatFrame = on;
    update();
}

void CHoverButton::SetParentBackground(bool on)
{
    m_parentBackground = on;
    update();
}

void CHoverButton::SetHoverCursor(const QCursor& cursor)
{
    setCursor(cursor);
}

void CHoverButton::rebuildFont()
{
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(std::max(1, m_fontHeight));
    f.setWeight(m_bold ? QFont::Bold : QFont::Normal);
    f.setItalic(m_italic);
    f.setUnderline(m_underline);
    f.setStyleStrategy(QFont::PreferQuality);
    setFont(f);
    updateGeometry();
    update();
}

QSize CHoverButton::sizeHint() const
{
    if (IsBitmapMode())
        return res::LogicalSize(m_normalBitmap);
    const QFontMetrics fm(font());
    const int textWidth = fm.horizontalAdvance(text());
    const int textHeight = fm.height();
    if (!m_iconMode)
        return {textWidth + 16, textHeight + 10};
    if (m_layout == IconAbove)
        return {std::max(m_iconWidth, textWidth) + 2 * m_leftMargin,
                2 * m_topMargin + m_iconHeight + kIconTextGap + textHeight};
    return {3 * m_leftMargin + m_iconWidth + textWidth,
            std::max(m_iconHeight, textHeight) + 2 * m_leftMargin};
}

void CHoverButton::setHovering(bool hovering)
{
    if (hovering == m_hovering)
        return;
    m_hovering = hovering;
    update();
}

void CHoverButton::enterEvent(QEnterEvent* event)
{
    setHovering(true);
    QAbstractButton::enterEvent(event);
}

void CHoverButton::leaveEvent(QEvent* event)
{
    setHovering(false);
    QAbstractButton::leaveEvent(event);
}

void CHoverButton::mouseMoveEvent(QMouseEvent* event)
{
    // A button that appears under a resting mouse gets no enter event.
    if (rect().contains(event->position().toPoint()))
        setHovering(true);
    QAbstractButton::mouseMoveEvent(event);
}

void CHoverButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QAbstractButton::changeEvent(event);
}

void CHoverButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Qt draws a child over its parent's pixels, so leaving the background
    // unpainted shows the parent behind the button.
    if (!m_parentBackground)
        painter.fillRect(rect(), palette().color(QPalette::Button));
    const bool pressed = isDown();
    if (IsBitmapMode())
        paintBitmap(painter, pressed);
    else
        paintIconAndText(painter, pressed);
    paintFrame(painter, pressed);
}

void CHoverButton::paintBitmap(QPainter& painter, bool pressed) const
{
    QPixmap bitmap = m_hovering ? m_hoverBitmap : m_normalBitmap;
    if (!isEnabled()) {
        QStyleOption option;
        option.initFrom(this);
        bitmap = style()->generatedIconPixmap(QIcon::Disabled, bitmap, &option);
    }
    const QPoint shift = pressed ? QPoint(1, 1) : QPoint();
    painter.drawPixmap(rect().translated(shift), bitmap);
}

void CHoverButton::paintIconAndText(QPainter& painter, bool pressed) const
{
    const QPoint shift = pressed ? QPoint(1, 1) : QPoint();
    const int w = width();
    const int h = height();
    if (m_iconMode) {
        QPixmap icon = m_hovering && !m_hoverIcon.isNull() ? m_hoverIcon : m_normalIcon;
        if (!isEnabled() && !icon.isNull()) {
            QStyleOption option;
            option.initFrom(this);
            icon = style()->generatedIconPixmap(QIcon::Disabled, icon, &option);
        }
        const QPoint at = m_layout == IconAbove ? QPoint((w - m_iconWidth) / 2, m_topMargin)
                                                : QPoint(m_leftMargin, (h - m_iconHeight) / 2);
        if (!icon.isNull())
            painter.drawPixmap(QRect(at + shift, iconSize()), icon);
    }

    const QString caption = text();
    if (caption.isEmpty())
        return;
    const QFontMetrics fm(font());
    const int textWidth = fm.horizontalAdvance(caption);
    const int textHeight = fm.height();
    QRect box;
    int alignment = Qt::AlignTop | Qt::AlignHCenter;
    if (!m_iconMode) {
        box = QRect(0, (h - textHeight) / 2, w, textHeight);
    } else if (m_layout == IconAbove) {
        box = QRect(0, m_topMargin + m_iconHeight + kIconTextGap, w, textHeight);
    } else {
        const int x = m_iconWidth + (w - m_leftMargin - textWidth - m_iconWidth) / 2 + m_leftMargin;
        box = QRect(x, (h - textHeight) / 2, std::max(0, w - x), textHeight);
        alignment = Qt::AlignTop | Qt::AlignLeft;
    }
    box.translate(shift);
    const int flags = alignment | Qt::TextSingleLine;
    if (isEnabled()) {
        painter.setPen(TextColour());
        painter.drawText(box, flags, caption);
        return;
    }
    // Greyed: a highlight copy one pixel down and right under the shadow colour.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(box.translated(1, 1), flags, caption);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawText(box, flags, caption);
}

void CHoverButton::paintFrame(QPainter& painter, bool pressed) const
{
    const QRect r = rect();
    if (m_flatFrame) {
        if (!m_hovering || !isEnabled())
            return;
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        const QColor topLeft = pressed ? dark : light;
        const QColor bottomRight = pressed ? light : dark;
        painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        return;
    }
    if (!m_standardFrame)
        return;
    QRect button = r;
    if (hasFocus()) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        button.adjust(1, 1, -1, -1);
    }
    qDrawWinButton(&painter, button, palette(), pressed);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
