#include "app/Remind.h"

#include "app/MsgTipWnd.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <algorithm>

CRemind::CRemind() = default;
CRemind::~CRemind() = default;

CRemindUnit& CRemind::AddReminder(const QString& title, const QString& message)
{
    auto entry = std::make_unique<CRemindUnit>();
    entry->title = title;
    entry->message = message;
    const QTime now = platform::CurrentDateTime().time();
    entry->minuteOfDay = now.hour() * 60 + now.minute();
    m_entries.push_back(std::move(entry));
    return *m_entries.back();
}

void CRemind::ScanQueue()
{
    for (const auto& entry : m_entries)
        if (std::find(m_pending.begin(), m_pending.end(), entry.get()) == m_pending.end())
            m_pending.push_back(entry.get());
    std::erase_if(m_pending, [](CRemindUnit* entry) {
        if (!entry->acknowledged)
            return false;
        entry->acknowledged = 0;
        return true;
    });
}

CRemindUnit* CRemind::takeNext()
{
    if (m_pending.empty()) {
        m_cursor = nullptr;
        return nullptr;
    }
    auto at = std::find(m_pending.begin(), m_pending.end(), m_cursor);
    // An empty cursor, or one whose entry has left the list, starts again at
    // the first.
    if (!m_cursor || at == m_pending.end())
        at = m_pending.begin();
    CRemindUnit* taken = *at;
    ++at;
    m_cursor = at == m_pending.end() ? nullptr : *at;
    return taken;
}

void CRemind::ShowNext(CMsgTipWnd& tip)
{
    CRemindUnit* entry = takeNext();
    if (!entry || tip.IsOnScreen())
        return;
    tip.SetShowMode(CMsgTipWnd::Slide);
    tip.SetCloseMode(CMsgTipWnd::Slide);
    tip.ShowTip(entry, entry->title, entry->message, ReminderFooter(*entry));
}

bool CRemind::Acknowledge(const CRemindUnit* entry)
{
    const auto known = std::find_if(m_entries.begin(), m_entries.end(),
                                    [entry](const auto& own) { return own.get() == entry; });
    if (known == m_entries.end())
        return false;
    (*known)->acknowledged = 1;
    return true;
}

QString ReminderFooter(const CRemindUnit& entry)
{
    const QString kind = entry.systemKind ? QCoreApplication::translate("Remind", "系统信息")
                                          : QCoreApplication::translate("Remind", "事件提醒");
    return QStringLiteral("\r\n  [%1 %2:%3]")
        .arg(kind)
        .arg(entry.minuteOfDay / 60)
        .arg(entry.minuteOfDay % 60, 2, 10, QLatin1Char('0'));
}
