#pragma once

#include <QEvent>
#include <QtGlobal>

class QObject;

// Window messages between the program's windows. The event type is the message
// number, so a handler switches on the same numbers a message map would.
namespace platform {

constexpr int WM_USER = 0x0400;
constexpr int WM_PAGE_SELECT = WM_USER + 1; // navigation panel -> main view, wParam 1000 + page
constexpr int WM_TIP_ACK = WM_USER + 2;     // tip window -> main frame, reminder acknowledged
constexpr int WM_PAGE_SHOW = WM_USER + 100; // main view -> content page, lParam != 0: shown
constexpr int WM_VERSION_NOTICE = 0x0D98;   // update worker -> main frame, newer version exists
// Grid notifications to the grid's owner (begin/end label edit and friends).
constexpr int WM_NOTIFY = WM_USER + 0x0B00;

constexpr qintptr LVN_BEGINLABELEDITW = -175;
constexpr qintptr LVN_ENDLABELEDITW = -176;

// Further notification codes a grid sends its owner with WM_NOTIFY.
constexpr qintptr NM_CLICK = -2;          // left click on a cell
constexpr qintptr NM_DBLCLK = -3;         // double click on a cell
constexpr qintptr NM_RCLICK = -5;         // right click on a cell
constexpr qintptr GVN_SELCHANGING = -100; // focus cell or selection is about to change
constexpr qintptr GVN_SELCHANGED = -101;  // focus cell or selection has changed
constexpr qintptr GVN_BEGINDRAG = -109;   // a drag of cells begins

// The record every WM_NOTIFY carries in lParam: who sends it and what about.
struct NMHDR
{
    QObject* hwndFrom = nullptr; // the sending control
    qintptr idFrom = 0;          // its control id (also the message's wParam)
    qintptr code = 0;            // LVN_..., NM_..., GVN_...
};

// WM_NOTIFY record of a grid: the header followed by the cell concerned.
struct NM_GRIDVIEW
{
    NMHDR hdr;
    qint32 iRow = -1;
    qint32 iColumn = -1;
};

class CMessageEvent : public QEvent
{
public:
    CMessageEvent(int message, qintptr wParam = 0, qintptr lParam = 0);

    int message() const { return static_cast<int>(type()); }
    qintptr wParam() const { return m_wParam; }
    qintptr lParam() const { return m_lParam; }
    qintptr result() const { return m_result; }
    void setResult(qintptr result) { m_result = result; }

private:
    qintptr m_wParam;
    qintptr m_lParam;
    qintptr m_result = 0;
};

// Delivers the message at once and returns the receiver's result.
qintptr SendMessage(QObject* receiver, int message, qintptr wParam = 0, qintptr lParam = 0);
// Queues the message for the receiver's thread; safe to call from any thread.
void PostMessage(QObject* receiver, int message, qintptr wParam = 0, qintptr lParam = 0);

} // namespace platform
