#include "controls/XHyperLink.h"

#include "platform/MessageEvent.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

CXHyperLink::CXHyperLink(const QString& text, QWidget* parent, const QString& url)
    : QLabel(text, parent), m_url(url)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    if (text.isEmpty() && !url.isEmpty())
        setText(url);
    applyLook();
    updateTooltip();
    if (m_adjustSize)
        fitToText();
}

int CXHyperLink::ClickedMessage()
{
    static const int type = QEvent::registerEventType();
    return type;
}

void CXHyperLink::SetURL(const QString& url)
{
    m_url = url;
    if (text().isEmpty())
        setText(url);
    updateTooltip();
    if (m_adjustSize)
        fitToText();
}

void CXHyperLink::SetColours(const QColor& link, const QColor& visited, const QColor& hover)
{
    m_linkColour = link;
    m_visitedColour = visited;
    if (hover.isValid())
        m_hoverColour = hover;
    applyLook();
}

void CXHyperLink::SetBackgroundColour(const QColor& colour)
{
    m_backgroundColour = colour;
    applyLook();
}

void CXHyperLink::SetVisited(bool visited)
{
    m_visited = visited;
    applyLook();
}

void CXHyperLink::SetUnderline(int mode)
{
    m_underline = mode;
    applyLook();
}

void CXHyperLink::EnableTooltip(bool enable)
{
    m_tooltip = enable;
    updateTooltip();
}

QColor CXHyperLink::CurrentColour() const
{
    if (m_hovering)
        return m_hoverColour;
    return m_visited ? m_visitedColour : m_linkColour;
}

void CXHyperLink::applyLook()
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, CurrentColour());
    if (m_backgroundColour.isValid())
        p.setColor(QPalette::Window, m_backgroundColour);
    setPalette(p);
    setAutoFillBackground(m_backgroundColour.isValid());

    QFont f = font();
    f.setUnderline(m_underline == UnderlineAlways || (m_underline == UnderlineHover && m_hovering));
    setFont(f);
    update();
}

void CXHyperLink::fitToText()
{
    const QRect before = geometry();
    const QSize wanted = sizeHint();
    QRect after(before.topLeft(), wanted);
    const Qt::Alignment a = alignment();
    if (a & Qt::AlignHCenter)
        after.moveLeft(before.left() + (before.width() - wanted.width()) / 2);
    else if (a & Qt::AlignRight)
        after.moveRight(before.right());
    if (a & Qt::AlignVCenter)
        after.moveTop(before.top() + (before.height() - wanted.height()) / 2);
    setGeometry(after);
}

void CXHyperLink::updateTooltip()
{
    setToolTip(m_tooltip ? GetURL() : QString());
    setAccessibleDescription(GetURL());
}

bool CXHyperLink::GotoURL()
{
    const bool opened = platform::OpenUrl(GetURL());
    if (opened)
        SetVisited(true);
    else
        QApplication::beep();
    return opened;
}

void CXHyperLink::click()
{
    GotoURL();
    if (m_notifyParent)
        platform::SendMessage(parentWidget(), ClickedMessage(), m_controlId);
    emit clicked();
}

void CXHyperLink::setHovering(bool hovering)
{
    if (hovering == m_hovering)
        return;
    m_hovering = hovering;
    applyLook();
}

void CXHyperLink::enterEvent(QEnterEvent* event)
{
    setHovering(true);
    QLabel::enterEvent(event);
}

void CXHyperLink::leaveEvent(QEvent* event)
{
    setHovering(false);
    QLabel::leaveEvent(event);
}

void CXHyperLink::mouseMoveEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        setHovering(true);
    QLabel::mouseMoveEvent(event);
}

void CXHyperLink::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CXHyperLink::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        click();
}

void CXHyperLink::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        click();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}
