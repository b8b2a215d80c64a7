#include "app/TitledPage.h"

#include "platform/MessageEvent.h"

#include <QPainter>

CTitledPage::CTitledPage(const QString& caption, QWidget* parent) : QWidget(parent)
{
    m_band.SetTitle(caption);
    m_band.SetOwner(this);
    setAccessibleName(caption);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CTitledPage::event(QEvent* event)
{
    if (event->type() == platform::WM_PAGE_SHOW) {
        static_cast<platform::CMessageEvent*>(event)->setResult(0);
        return true;
    }
    return QWidget::event(event);
}

void CTitledPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The band's rounded corners leave the corner pixels to the background.
    painter.fillRect(rect(), palette().window());
    m_band.SetRect(rect());
    m_band.Draw(painter);
}
