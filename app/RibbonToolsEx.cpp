#include "app/RibbonToolsEx.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kSelectionFill(214, 228, 238);
const QColor kSelectionFrame(190, 210, 230);
constexpr int kFrameWidth = 3;

QPainterPath roundedRegion(const QRect& rect)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(rect), 2.5, 2.5);
    return path;
}

} // namespace

CRibbonToolsEx::CRibbonToolsEx() = default;

CRibbonToolsEx::~CRibbonToolsEx() = default;

QRect CRibbonToolsEx::HighlightRect(const QRect& button)
{
    const int right = button.left() + button.width();
    const int bottom = button.top() + button.height();
    return RectLTRB(button.left() - 5, button.top() - 5, right + 26, bottom + 5);
}

QRect CRibbonToolsEx::StateRect(const RibbonButton& button) const
{
    return CRibbonTools::StateRect(button).united(HighlightRect(button.rect));
}

void CRibbonToolsEx::DrawSelection(QPainter& painter, const RibbonButton* button) const
{
    QPainterPath region = roundedRegion(m_pageArea);
    if (button)
        region = roundedRegion(HighlightRect(button->rect)).united(region).simplified();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(region, kSelectionFill);
    // A frame inside the outline: the outline stroked twice as wide, clipped
    // to the region itself.
    painter.setClipPath(region, Qt::IntersectClip);
    painter.strokePath(region, QPen(kSelectionFrame, 2 * kFrameWidth));
    painter.restore();
}

void CRibbonToolsEx::Draw(QPainter& painter)
{
    CRibbonFrame::Draw(painter);
    // The page area keeps its frame also while a press has no button selected.
    const RibbonButton* selected = nullptr;
    for (const RibbonButton& b : m_buttons)
        if (b.state & RibbonButton::Selected)
            selected = &b;
    if (!m_pageArea.isEmpty())
        DrawSelection(painter, selected);
    for (const RibbonButton& b : m_buttons)
        DrawButtonImage(painter, b);
}

void CRibbonToolsEx::Click(const QPoint& point, bool pressed)
{
    CRibbonTools::Click(point, pressed);
    UpdateSelectionRect();
}

void CRibbonToolsEx::UpdateSelectionRect()
{
    m_selectionRect = QRect();
    for (const RibbonButton& b : m_buttons)
        if (b.state & RibbonButton::Selected)
            m_selectionRect = HighlightRect(b.rect);
}
