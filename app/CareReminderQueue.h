#pragma once

#include <QDate>
#include <QSet>
#include <QString>
#include <vector>

class CRemind;
class LedgerContext;
struct CareReminder;

// Puts the care reminders that are due into the main frame's reminder queue
// as event reminders: every due one at start-up, and those whose odometer
// mark a car's new reading passes. Each reminder is queued once a run; past
// the first few, one entry tells how many more are due.
class CCareReminderQueue
{
public:
    static constexpr int kMostEntries = 10;

    CCareReminderQueue(LedgerContext& context, CRemind& remind);

    // Queues the reminders of every car that are due on `today`; the number
    // of entries added.
    int QueueDue(const QDate& today);
    // The car's odometer went from `from` to `to`: queues the reminders whose
    // odometer mark that passed; the number of entries added.
    int OdometerMoved(const QString& carId, double from, double to, const QDate& today);

    // The tip's body for a reminder of the named car.
    static QString TipText(const CareReminder& reminder, const QString& carName, const QDate& today,
                           double odometer);

private:
    struct Due
    {
        const CareReminder* reminder;
        QString carName;
        double odometer;
    };
    // Queues the reminders not queued before this run, the first kMostEntries
    // of the run one entry each, the rest told of in one entry; the entries added.
    int queueAll(const std::vector<Due>& due, const QDate& today);
    void queue(const CareReminder& reminder, const QString& carName, const QDate& today,
               double odometer);
    QString carName(const QString& carId);
    double odometer(const QString& carId);

    LedgerContext& m_context;
    CRemind& m_remind;
    QSet<QString> m_queued; // car and record identifiers
    int m_entries = 0;
};
