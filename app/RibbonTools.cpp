#include "app/RibbonTools.h"

#include "platform/MessageEvent.h"
#include "res/Resources.h"

#include <QBitmap>
#include <algorithm>
#include <QPainter>
#include <QWidget>
#include <cmath>

std::vector<QRect> LayoutButtonGrid(const QRect& panel, int w, int h, int columns, int count)
{
    std::vector<QRect> rects;
    if (w <= 0 || h <= 0 || count <= 0)
        return rects;
    const int width = panel.width();
    int c = columns;
    if (c <= 0)
        c = std::max(1, width / w);
    const double gap = static_cast<double>(width - w * c) / (c + 1);
    // Rows closer together when the panel is too short for all of them (a
    // small or scaled screen), down to three quarters of a button's height.
    const int rows = (count + c - 1) / c;
    double step = h + 5.0;
    const double room = (panel.height() - 9.0 - h) / rows;
    if (room < step)
        step = std::max(room, h * 0.75);
    int row = 0;
    for (int i = 0; i < count; ++i) {
        if (i % c == 0)
            ++row;
        const int x = static_cast<int>(std::trunc(panel.left() + gap + (w + gap) * (i % c)));
        const int y = static_cast<int>(std::trunc(panel.top() + 5.0 + step * row));
        rects.emplace_back(x, y, w, h);
    }
    return rects;
}

QRect ButtonImageRect(const QRect& button, const QSize& image)
{
    // Integer division truncates toward zero, also for the negative offsets of
    // images larger than their cell.
    const int x = button.left() + (button.width() - image.width() - 3) / 2 + 1;
    const int y = button.top() + (button.height() - image.height() - 2) / 2 + 1;
    return QRect(QPoint(x, y), image);
}

CRibbonTools::CRibbonTools() = default;

CRibbonTools::~CRibbonTools() = default;

void CRibbonTools::CreateButtons(unsigned count, int baseId)
{
    m_baseId = baseId;
    m_buttons.assign(count, RibbonButton{});
    for (unsigned i = 0; i < count; ++i) {
        m_buttons[i].image = static_cast<int>(i);
        m_buttons[i].id = baseId + static_cast<int>(i);
    }
    LayoutButtons();
}

void CRibbonTools::LayoutButtons()
{
    const auto rects = LayoutButtonGrid(m_rect, m_buttonWidth, m_buttonHeight, m_columns,
                                        static_cast<int>(m_buttons.size()));
    for (size_t i = 0; i < rects.size(); ++i)
        m_buttons[i].rect = rects[i];
}

void CRibbonTools::SetButtonSize(int width, int height)
{
    m_buttonWidth = width;
    m_buttonHeight = height;
}

void CRibbonTools::SetImageSize(int width, int height)
{
    m_imageWidth = width;
    m_imageHeight = height;
}

void CRibbonTools::SetImageStrip(const QPixmap& strip)
{
    m_strip = strip;
    if (!m_strip.isNull())
        m_strip.setMask(strip.createMaskFromColor(Qt::white, Qt::MaskInColor));
}

int CRibbonTools::ButtonAt(const QPoint& point) const
{
    for (const RibbonButton& b : m_buttons)
        if (b.rect.contains(point))
            return b.id;
    return -1;
}

RibbonButton* CRibbonTools::ButtonById(int id)
{
    for (RibbonButton& b : m_buttons)
        if (b.id == id)
            return &b;
    return nullptr;
}

QRect CRibbonTools::StateRect(const RibbonButton& button) const
{
    return button.rect.united(ButtonImageRect(button.rect, ImageSize()));
}

void CRibbonTools::DrawButtonImage(QPainter& painter, const RibbonButton& button) const
{
    if (m_strip.isNull())
        return;
    int row = 0;
    if (button.state & (RibbonButton::Selected | RibbonButton::Pressed))
        row = 2;
    else if (button.id == m_hotButton)
        row = 1;
    const QRect source(button.image * m_imageWidth, row * m_imageHeight, m_imageWidth,
                       m_imageHeight);
    const QRect target = ButtonImageRect(button.rect, ImageSize());
    if (button.state & RibbonButton::Disabled) {
        // The strip has no disabled row: the normal image, faded.
        painter.save();
        painter.setOpacity(0.35);
        painter.drawPixmap(target, m_strip, res::BitmapRect(m_strip, source));
        painter.restore();
        return;
    }
    painter.drawPixmap(target, m_strip, res::BitmapRect(m_strip, source));
}

void CRibbonTools::Draw(QPainter& painter)
{
    CRibbonFrame::Draw(painter);
    for (const RibbonButton& b : m_buttons)
        DrawButtonImage(painter, b);
}

void CRibbonTools::MouseMove(const QPoint& point)
{
    HotTrack(point);
}

void CRibbonTools::LButtonUp(const QPoint& point)
{
    Click(point, false);
}

void CRibbonTools::LButtonDown(const QPoint& point)
{
    Click(point, true);
}

void CRibbonTools::HotTrack(const QPoint& point)
{
    const int id = ButtonAt(point);
    if (m_rect.contains(point) && m_owner) {
        if (id != -1)
            m_owner->setCursor(res::Cursor(res::IDC_HAND));
        else
            m_owner->unsetCursor();
    }
    if (id != m_hotButton) {
        if (const RibbonButton* now = ButtonById(id))
            Invalidate(StateRect(*now));
        if (const RibbonButton* before = ButtonById(m_hotButton))
            Invalidate(StateRect(*before));
        m_hotButton = id;
    }
    SetHover(m_rect.contains(point));
}

void CRibbonTools::Click(const QPoint& point, bool pressed)
{
    const RibbonButton* target = nullptr;
    for (const RibbonButton& b : m_buttons)
        if (b.rect.contains(point) && !(b.state & RibbonButton::Disabled))
            target = &b;

    if (!target) {
        // A press abandoned outside every button gives the selection back.
        if (pressed)
            return;
        bool abandoned = false;
        for (RibbonButton& b : m_buttons) {
            if (b.state & RibbonButton::Pressed) {
                b.state &= ~RibbonButton::Pressed;
                Invalidate(StateRect(b));
                abandoned = true;
            }
        }
        if (abandoned) {
            if (RibbonButton* previous = ButtonById(m_selectedBeforePress)) {
                previous->state |= RibbonButton::Selected;
                Invalidate(StateRect(*previous));
            }
        }
        return;
    }

    if (pressed) {
        m_selectedBeforePress = -1;
        for (const RibbonButton& b : m_buttons)
            if (b.state & RibbonButton::Selected)
                m_selectedBeforePress = b.id;
    }
    for (RibbonButton& b : m_buttons) {
        if (b.state != 0)
            Invalidate(StateRect(b));
        b.state &= ~(RibbonButton::Selected | RibbonButton::Pressed);
        if (b.rect.contains(point)) {
            b.state = pressed ? RibbonButton::Pressed : RibbonButton::Selected;
            Invalidate(StateRect(b));
            if (!pressed)
                platform::SendMessage(m_owner, platform::WM_PAGE_SELECT, b.id);
        }
    }
}
