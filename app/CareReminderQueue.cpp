#include "app/CareReminderQueue.h"

#include "app/Remind.h"
#include "database/CareReminders.h"
#include "database/LedgerContext.h"
#include "database/Names.h"
#include "platform/StoreFailure.h"

#include <QCoreApplication>
#include <vector>

namespace {

QString tipTitle()
{
    return QCoreApplication::translate("CareReminderQueue", "保养提醒");
}

} // namespace

CCareReminderQueue::CCareReminderQueue(LedgerContext& context, CRemind& remind)
    : m_context(context), m_remind(remind)
{
}

QString CCareReminderQueue::TipText(const CareReminder& reminder, const QString& carName,
                                    const QDate& today, double odometer)
{
    return QCoreApplication::translate("CareReminderQueue", "【%1】%2：%3（%4）")
        .arg(carName, reminder.title, CareReminderMarkText(reminder),
             CareReminderLeftText(reminder, today, odometer));
}

QString CCareReminderQueue::carName(const QString& carId)
{
    CMyDatabase* db = m_context.OpenDatabase();
    if (!db)
        return carId;
    const Expected<std::vector<CARLIST>> cars = db->GetCarList();
    if (cars)
        for (const CARLIST& car : *cars)
            if (car.carId.trimmed() == carId.trimmed())
                return car.name.trimmed();
    return carId;
}

double CCareReminderQueue::odometer(const QString& carId)
{
    CMyDatabase* db = m_context.OpenDatabase();
    std::vector<QVariant> values;
    if (!db ||
        !db->ReadCarColumns(CarTable::Property, carId, {{col::CurMiles, true}}, values).ok() ||
        values.empty())
        return 0;
    return values.front().toDouble();
}

void CCareReminderQueue::queue(const CareReminder& reminder, const QString& name,
                               const QDate& today, double reading)
{
    CRemindUnit& entry = m_remind.AddReminder(tipTitle(), TipText(reminder, name, today, reading));
    entry.systemKind = 0;
    ++m_entries;
}

int CCareReminderQueue::queueAll(const std::vector<Due>& due, const QDate& today)
{
    int added = 0, more = 0;
    for (const Due& d : due) {
        const QString key = d.reminder->carId + QLatin1Char('/') + d.reminder->recId;
        if (m_queued.contains(key))
            continue;
        m_queued.insert(key);
        if (m_entries >= kMostEntries)
            ++more;
        else {
            queue(*d.reminder, d.carName, today, d.odometer);
            ++added;
        }
    }
    if (more > 0) {
        CRemindUnit& entry = m_remind.AddReminder(
            tipTitle(),
            QCoreApplication::translate("CareReminderQueue",
                                        "另有 %1 项保养提醒已到期，请在“设置 → 保养提醒”中查看。")
                .arg(more));
        entry.systemKind = 0;
        ++added;
    }
    return added;
}

int CCareReminderQueue::QueueDue(const QDate& today)
{
    CMyDatabase* db = m_context.OpenDatabase();
    if (!db || !db->TableExists(QString::fromLatin1(tbl::CareReminder)))
        return 0;
    std::vector<CareReminder> reminders;
    if (platform::ShowStoreFailure(LoadCareReminders(*db, QString(), reminders)))
        return 0;
    std::vector<Due> due;
    QString car, name;
    double reading = 0;
    for (const CareReminder& reminder : reminders) {
        if (reminder.done)
            continue;
        if (reminder.carId != car) {
            car = reminder.carId;
            name = carName(car);
            reading = odometer(car);
        }
        if (IsCareReminderDue(reminder, today, reading))
            due.push_back({&reminder, name, reading});
    }
    return queueAll(due, today);
}

int CCareReminderQueue::OdometerMoved(const QString& carId, double from, double to,
                                      const QDate& today)
{
    CMyDatabase* db = m_context.OpenDatabase();
    if (!db)
        return 0;
    // Car identifiers are read as stored, trailing blanks included.
    const QString car = carId.trimmed();
    std::vector<CareReminder> reminders;
    if (platform::ShowStoreFailure(LoadCareReminders(*db, car, reminders)))
        return 0;
    std::vector<Due> due;
    const QString name = carName(car);
    for (const CareReminder& reminder : reminders)
        if (PassesCareReminderMark(reminder, from, to))
            due.push_back({&reminder, name, to});
    return queueAll(due, today);
}
