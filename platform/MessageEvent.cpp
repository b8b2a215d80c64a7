#include "platform/MessageEvent.h"

#include <QCoreApplication>

namespace platform {

CMessageEvent::CMessageEvent(int message, qintptr wParam, qintptr lParam)
    : QEvent(static_cast<QEvent::Type>(message)), m_wParam(wParam), m_lParam(lParam)
{
}

qintptr SendMessage(QObject* receiver, int message, qintptr wParam, qintptr lParam)
{
    if (!receiver)
        return 0;
    CMessageEvent event(message, wParam, lParam);
    QCoreApplication::sendEvent(receiver, &event);
    return event.result();
}

void PostMessage(QObject* receiver, int message, qintptr wParam, qintptr lParam)
{
    if (receiver)
        QCoreApplication::postEvent(receiver, new CMessageEvent(message, wParam, lParam));
}

} // namespace platform
