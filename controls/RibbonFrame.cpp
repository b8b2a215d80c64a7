#include "controls/RibbonFrame.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace {

const QColor kBand(214, 228, 238);
const QColor kBandHot(234, 248, 255);
// Body gradient: top colour, middle colour, bottom colour.
const QColor kBodyTop(199, 216, 235), kBodyMiddle(226, 234, 243), kBodyBottom(214, 228, 238);
const QColor kBodyTopHot(209, 226, 245), kBodyMiddleHot(236, 244, 253),
    kBodyBottomHot(224, 238, 248);

// The title font's cell height. Wide-coverage CJK fonts report a taller line
// than the classic 12-pixel face, so the band is sized by the pixel size.
int titleTextHeight(const QFont& font)
{
    return font.pixelSize();
}

} // namespace

CRibbonFrame::CRibbonFrame()
{
    m_font.setFamily(QStringLiteral("宋体"));
    m_font.setPixelSize(12);
    m_font.setWeight(QFont::Normal);
    m_font.setStyleHint(QFont::SansSerif);
}

CRibbonFrame::~CRibbonFrame() = default;

int CRibbonFrame::TitleBandBottom() const
{
    return m_rect.top() + titleTextHeight(m_font) + 6;
}

void CRibbonFrame::FillGradient(QPainter& painter, int left, int right, int top, int bottom,
                                const QColor& start, const QColor& end)
{
    const int rows = bottom - top;
    if (rows <= 0 || right <= left)
        return;
    if (rows == 1) {
        painter.fillRect(RectLTRB(left, top, right, bottom), end);
        return;
    }
    const int n = rows - 1;
    for (int i = 0; i < rows; ++i) {
        const QColor c(start.red() + i * (end.red() - start.red()) / n,
                       start.green() + i * (end.green() - start.green()) / n,
                       start.blue() + i * (end.blue() - start.blue()) / n);
        painter.fillRect(RectLTRB(left, top + i, right, top + i + 1), c);
    }
}

void CRibbonFrame::Draw(QPainter& painter)
{
    if (m_rect.isEmpty())
        return;
    const int left = m_rect.left();
    const int top = m_rect.top();
    const int right = m_rect.left() + m_rect.width();
    const int bottom = m_rect.top() + m_rect.height();
    painter.save();

    // Title band.
    const int bandBottom = TitleBandBottom();
    const QRect band = RectLTRB(left + 1, top + 1, right - 1, bandBottom);
    painter.fillRect(band, m_hover ? kBandHot : kBand);
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    painter.drawText(band.adjusted(0, 0, -m_titleRightMargin, 0),
                     Qt::AlignCenter | Qt::TextSingleLine, m_title);

    // Body: two gradients, then six rows of the bottom colour.
    const QColor& a = m_hover ? kBodyTopHot : kBodyTop;
    const QColor& b = m_hover ? kBodyMiddleHot : kBodyMiddle;
    const QColor& c = m_hover ? kBodyBottomHot : kBodyBottom;
    const int bodyEnd = std::max(bandBottom, bottom - 6);
    const int middle = (bandBottom + bodyEnd) / 2;
    FillGradient(painter, left + 1, right - 1, bandBottom, middle, a, b);
    FillGradient(painter, left + 1, right - 1, middle, bodyEnd, b, c);
    painter.fillRect(RectLTRB(left + 1, bodyEnd, right - 1, bottom - 1), c);

    // Rounded border: highlight one pixel right and down, then the shadow.
    const QPalette palette = QApplication::palette();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(palette.color(QPalette::Light));
    painter.drawRoundedRect(QRect(left + 1, top + 1, m_rect.width() - 1, m_rect.height() - 1), 2.5,
                            2.5);
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawRoundedRect(QRect(left, top, m_rect.width() - 1, m_rect.height() - 1), 2.5, 2.5);
    painter.restore();
}

void CRibbonFrame::MouseMove(const QPoint& point)
{
    SetHover(m_rect.contains(point));
}

void CRibbonFrame::LButtonUp(const QPoint&) {}

void CRibbonFrame::LButtonDown(const QPoint&) {}

void CRibbonFrame::SetHover(bool hover)
{
    if (hover == m_hover)
        return;
    m_hover = hover;
    Invalidate(m_rect);
}

void CRibbonFrame::Invalidate(const QRect& rect) const
{
    if (m_owner)
        m_owner->update(rect);
}
