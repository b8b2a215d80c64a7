#pragma once

#include <QString>
#include <memory>
#include <vector>

class CMsgTipWnd;

// One reminder. The update check is its only producer.
struct CRemindUnit
{
    QString title;   // the tip's caption
    QString message; // the tip's body
    // Kept with the values every producer gives them; nothing reads them.
    QString reservedText;
    int reserved1 = 1;
    int reserved2 = 0;
    unsigned char reserved3 = 127;
    int acknowledged = 0; // 1 once the user confirmed the tip
    int minuteOfDay = 0;  // local hour * 60 + minute at creation
    int systemKind = 1;   // 1 system information, 0 event reminder
};

// The reminder queue of the main frame: every reminder of the run, and the
// pending ones that are shown in turn in the tip window. Nothing is stored.
class CRemind
{
public:
    CRemind();
    ~CRemind();
    CRemind(const CRemind&) = delete;
    CRemind& operator=(const CRemind&) = delete;

    // A system-information reminder stamped with the clock's hour and minute.
    CRemindUnit& AddReminder(const QString& title, const QString& message);

    // Timer 2: entries not yet pending become pending; acknowledged ones
    // leave the pending list and their flag is cleared.
    void ScanQueue();
    // Timer 1: takes the pending entry at the cursor and moves the cursor
    // on (round the list); shows the entry unless a tip is on the screen.
    void ShowNext(CMsgTipWnd& tip);
    // The user confirmed the tip of `entry`; false for an entry that is not
    // one of this queue's.
    bool Acknowledge(const CRemindUnit* entry);

    const std::vector<std::unique_ptr<CRemindUnit>>& Entries() const { return m_entries; }
    const std::vector<CRemindUnit*>& Pending() const { return m_pending; }

private:
    // The pending entry that is shown next, or null (start at the first).
    CRemindUnit* takeNext();

    std::vector<std::unique_ptr<CRemindUnit>> m_entries;
    std::vector<CRemindUnit*> m_pending;
    // The pending entry the cursor stands on; null: before the first.
    CRemindUnit* m_cursor = nullptr;
};

// "\r\n  [系统信息 9:05]" for a system-information entry, "\r\n  [事件提醒 9:05]"
// for an event reminder.
QString ReminderFooter(const CRemindUnit& entry);
