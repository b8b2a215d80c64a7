#include "settings/PropPageFrame.h"

#include <QFontDatabase>
#include <QPainter>
#include <QWidget>

CPropPageFrame::~CPropPageFrame() = default;

void CPropPageFrame::invalidate(const QRect& rect)
{
    if (QWidget* wnd = GetWnd())
        wnd->update(rect);
}

void CPropPageFrame::ShowCaption(bool show)
{
    m_showCaption = show;
    invalidate(CalcCaptionArea());
    // Showing or hiding the band moves the message area too.
    invalidate(CalcMsgArea());
}

void CPropPageFrame::SetCaptionHeight(int height)
{
    m_captionHeight = height;
    invalidate(CalcCaptionArea());
}

void CPropPageFrame::SetCaption(const QString& text, const QIcon& icon)
{
    m_captionText = text;
    m_captionIcon = icon;
    invalidate(CalcCaptionArea());
    if (QWidget* wnd = GetWnd())
        wnd->setAccessibleName(text);
}

void CPropPageFrame::SetMsgText(const QString& text)
{
    m_msgText = text;
    invalidate(CalcMsgArea());
    if (QWidget* wnd = GetWnd())
        wnd->setAccessibleDescription(text);
}

void CPropPageFrame::SetMsgFormat(int format)
{
    m_msgFormat = format;
    invalidate(CalcMsgArea());
}

void CPropPageFrame::Draw(QPainter& painter)
{
    if (m_showCaption)
        DrawCaption(painter, CalcCaptionArea(), m_captionText, m_captionIcon);
    DrawMsg(painter, CalcMsgArea(), m_msgText, m_msgFormat);
}

QRect CPropPageFrame::CalcMsgArea()
{
    QWidget* wnd = GetWnd();
    if (!wnd)
        return {};
    QRect rect = wnd->rect();
    if (m_showCaption)
        rect.setTop(rect.top() + m_captionHeight);
    return rect;
}

void CPropPageFrame::DrawMsg(QPainter& painter, const QRect& rect, const QString& text, int format)
{
    painter.save();
    painter.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    painter.setBackgroundMode(Qt::TransparentMode);
    if (QWidget* wnd = GetWnd())
        painter.setPen(wnd->palette().color(QPalette::WindowText));
    painter.drawText(rect, format, text);
    painter.restore();
}

QRect CPropPageFrame::CalcCaptionArea()
{
    QWidget* wnd = GetWnd();
    if (!wnd)
        return {};
    QRect rect = wnd->rect();
    rect.setHeight(m_showCaption ? m_captionHeight : 0);
    return rect;
}

void CPropPageFrame::DrawCaption(QPainter&, const QRect&, const QString&, const QIcon&) {}
