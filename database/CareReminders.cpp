#include "database/CareReminders.h"

#include "database/Figures.h"
#include "database/MyDatabase.h"
#include "database/Transaction.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString kDateFormat = QStringLiteral("yyyy/MM/dd");
constexpr const char* kColumns =
    "\"CarID\", \"RecID\", \"Title\", \"DueDate\", \"DueMiles\", \"RepeatMonths\", "
    "\"RepeatMiles\", \"LeadDays\", \"LeadMiles\", \"Done\"";
// Kilometres a snooze puts an odometer mark off by.
constexpr double kSnoozeMiles = 500;

QString kilometres(double miles)
{
    return QString::number(qint64(std::llround(miles)));
}

void bindReminder(CStatement& statement, int first, const CareReminder& r)
{
    statement.Bind(first, r.carId)
        .Bind(first + 1, r.recId)
        .Bind(first + 2, r.title)
        .Bind(first + 3, r.dueDate)
        .Bind(first + 4, ShownNumber(r.dueMiles, 2))
        .Bind(first + 5, qint64(r.repeatMonths))
        .Bind(first + 6, ShownNumber(r.repeatMiles, 2))
        .Bind(first + 7, qint64(r.leadDays))
        .Bind(first + 8, ShownNumber(r.leadMiles, 2))
        .Bind(first + 9, qint64(r.done ? 1 : 0));
}

Expected<qint64> highestNumber(CMyDatabase& db)
{
    CStatement query = db.Connection().Prepare("select max(cast(\"RecID\" as integer)) from "
                                               "\"CareReminder\"");
    const qint64 highest = query.Next() ? qint64(query.Number(0)) : 0;
    if (!query.ok())
        return query.Status();
    return highest;
}

} // namespace

std::optional<QDate> ReadReminderDate(const QString& text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('/'));
    if (parts.size() != 3)
        return std::nullopt;
    bool ok[3] = {};
    const int year = parts[0].toInt(&ok[0]);
    const int month = parts[1].toInt(&ok[1]);
    const int day = parts[2].toInt(&ok[2]);
    const QDate date(year, month, day);
    if (!ok[0] || !ok[1] || !ok[2] || !date.isValid() || year < 1901 || year > 2098)
        return std::nullopt;
    return date;
}

QString CareReminderMistake(const CareReminder& r)
{
    if (r.title.trimmed().isEmpty())
        return QCoreApplication::translate("CareReminders", "请输入提醒的项目名称。");
    if (!r.HasDate() && !r.HasMiles())
        return QCoreApplication::translate("CareReminders",
                                           "请给出到期日期或到期里程（至少一项）。");
    if (r.HasDate() && !ReadReminderDate(r.dueDate))
        return QCoreApplication::translate("CareReminders",
                                           "到期日期应写成“年/月/日”，年份在 1901 到 2098 之间。");
    if (r.dueMiles < 0)
        return QCoreApplication::translate("CareReminders", "到期里程不能是负数。");
    if (r.repeatMonths < 0 || r.repeatMiles < 0)
        return QCoreApplication::translate("CareReminders", "重复间隔必须大于 0；不重复时请留空。");
    if (r.repeatMonths > 0 && !r.HasDate())
        return QCoreApplication::translate("CareReminders", "按月重复的提醒需要一个到期日期。");
    if (r.repeatMiles > 0 && !r.HasMiles())
        return QCoreApplication::translate("CareReminders", "按里程重复的提醒需要一个到期里程。");
    if (r.leadDays < 0 || r.leadMiles < 0)
        return QCoreApplication::translate("CareReminders", "提前提醒的天数和里程不能是负数。");
    return QString();
}

bool IsCareReminderDue(const CareReminder& r, const QDate& today, double odometer)
{
    if (r.done)
        return false;
    if (const std::optional<QDate> date = ReadReminderDate(r.dueDate);
        date && today >= date->addDays(-r.leadDays))
        return true;
    return r.HasMiles() && odometer > 0 && odometer >= r.dueMiles - r.leadMiles;
}

bool PassesCareReminderMark(const CareReminder& r, double from, double to)
{
    if (r.done || !r.HasMiles())
        return false;
    const double due = r.dueMiles - r.leadMiles;
    return from < due && to >= due;
}

CareReminder CareReminderDone(const CareReminder& reminder, const QDate& date, double miles)
{
    CareReminder next = reminder;
    if (!reminder.Repeats()) {
        next.done = true;
        return next;
    }
    if (reminder.repeatMonths > 0) {
        const QDate base =
            date.isValid() ? date : ReadReminderDate(reminder.dueDate).value_or(date);
        next.dueDate = base.addMonths(reminder.repeatMonths).toString(kDateFormat);
    } else {
        next.dueDate.clear(); // a date that does not repeat is used up
    }
    if (reminder.repeatMiles > 0)
        next.dueMiles = (miles > 0 ? miles : reminder.dueMiles) + reminder.repeatMiles;
    else
        next.dueMiles = 0;
    return next;
}

CareReminder CareReminderSnoozed(const CareReminder& reminder, bool byWeek)
{
    CareReminder later = reminder;
    if (byWeek) {
        if (const std::optional<QDate> date = ReadReminderDate(reminder.dueDate))
            later.dueDate = date->addDays(7).toString(kDateFormat);
    } else if (reminder.HasMiles()) {
        later.dueMiles += kSnoozeMiles;
    }
    return later;
}

std::optional<LedgerRecord> CareReminderWork(const CareReminder& r,
                                             const std::vector<LedgerRecord>& records)
{
    const std::optional<QDate> due = ReadReminderDate(r.dueDate);
    const QString from = due ? due->addDays(-r.leadDays).toString(kDateFormat) : QString();
    const LedgerRecord* work = nullptr;
    for (const LedgerRecord& record : records) {
        if (!ReadReminderDate(record.date))
            continue;
        const bool byDate = due && record.date >= from;
        const bool byMiles =
            r.HasMiles() && record.miles > 0 && record.miles >= r.dueMiles - r.leadMiles;
        if ((byDate || byMiles) && (!work || record.date > work->date ||
                                    (record.date == work->date && record.miles > work->miles)))
            work = &record;
    }
    if (!work)
        return std::nullopt;
    return *work;
}

std::optional<CareReminder> SuggestCareReminder(const std::vector<LedgerRecord>& maintenance)
{
    std::vector<std::pair<QDate, double>> dated;
    for (const LedgerRecord& record : maintenance)
        if (const std::optional<QDate> date = ReadReminderDate(record.date))
            dated.emplace_back(*date, record.miles);
    if (dated.size() < 2)
        return std::nullopt;
    std::sort(dated.begin(), dated.end());
    CareReminder suggestion;
    suggestion.title = QCoreApplication::translate("CareReminders", "保养");
    const double days = double(dated.front().first.daysTo(dated.back().first)) / (dated.size() - 1);
    // Months of the average interval: 365.25 / 12 days each, at least one.
    suggestion.repeatMonths = std::max(1, int(std::lround(days / 30.4375)));
    suggestion.dueDate =
        dated.back().first.addMonths(suggestion.repeatMonths).toString(kDateFormat);

    std::vector<double> readings;
    for (const auto& [date, miles] : dated)
        if (miles > 0 && (readings.empty() || miles > readings.back()))
            readings.push_back(miles);
    if (readings.size() >= 2) {
        const double interval = (readings.back() - readings.front()) / double(readings.size() - 1);
        // To the hundred kilometres, at least a hundred.
        suggestion.repeatMiles = std::max(100.0, std::round(interval / 100) * 100);
        suggestion.dueMiles = readings.back() + suggestion.repeatMiles;
    }
    return suggestion;
}

QString CareReminderMarkText(const CareReminder& r)
{
    QStringList marks;
    if (r.HasDate())
        marks << r.dueDate;
    if (r.HasMiles())
        marks
            << QCoreApplication::translate("CareReminders", "%1 公里").arg(kilometres(r.dueMiles));
    return marks.join(QCoreApplication::translate("CareReminders", " 或 "));
}

QString CareReminderLeftText(const CareReminder& r, const QDate& today, double odometer)
{
    if (r.done)
        return QCoreApplication::translate("CareReminders", "已完成");
    QStringList left;
    if (const std::optional<QDate> date = ReadReminderDate(r.dueDate)) {
        const qint64 days = today.daysTo(*date);
        if (days == 0)
            return QCoreApplication::translate("CareReminders", "今天到期");
        if (days < 0)
            return QCoreApplication::translate("CareReminders", "已过期 %1 天").arg(-days);
        left << QCoreApplication::translate("CareReminders", "还有 %1 天").arg(days);
    }
    if (r.HasMiles() && odometer > 0) {
        const double miles = r.dueMiles - odometer;
        if (miles <= 0)
            return QCoreApplication::translate("CareReminders", "已超过 %1 公里")
                .arg(kilometres(-miles));
        left << QCoreApplication::translate("CareReminders", "还差 %1 公里").arg(kilometres(miles));
    }
    return left.join(QCoreApplication::translate("CareReminders", "，"));
}

QString CareReminderRepeatText(const CareReminder& r)
{
    if (r.repeatMonths > 0 && r.repeatMiles > 0)
        return QCoreApplication::translate("CareReminders", "每 %1 个月或 %2 公里")
            .arg(r.repeatMonths)
            .arg(kilometres(r.repeatMiles));
    if (r.repeatMonths > 0)
        return QCoreApplication::translate("CareReminders", "每 %1 个月").arg(r.repeatMonths);
    if (r.repeatMiles > 0)
        return QCoreApplication::translate("CareReminders", "每 %1 公里")
            .arg(kilometres(r.repeatMiles));
    return QCoreApplication::translate("CareReminders", "不重复");
}

QString NextDueText(const std::vector<CareReminder>& reminders, const QDate& today, double odometer)
{
    struct Place
    {
        bool due;
        qint64 days;  // before the date; the most there are without one
        double miles; // before the odometer mark
        const CareReminder* reminder;
    };
    std::vector<Place> open;
    for (const CareReminder& r : reminders) {
        if (r.done)
            continue;
        const std::optional<QDate> date = ReadReminderDate(r.dueDate);
        open.push_back({IsCareReminderDue(r, today, odometer),
                        date ? today.daysTo(*date) : std::numeric_limits<qint64>::max(),
                        r.HasMiles() ? r.dueMiles - odometer : std::numeric_limits<double>::max(),
                        &r});
    }
    const auto nearer = [](const Place& a, const Place& b) {
        if (a.due != b.due)
            return a.due;
        if (a.days != b.days)
            return a.days < b.days;
        return a.miles < b.miles;
    };
    const size_t shown = std::min<size_t>(2, open.size());
    std::partial_sort(open.begin(), open.begin() + qsizetype(shown), open.end(), nearer);
    QStringList items;
    for (size_t i = 0; i < shown; ++i) {
        const CareReminder& r = *open[i].reminder;
        items << QCoreApplication::translate("CareReminders", "%1 %2（%3）")
                     .arg(r.title, CareReminderMarkText(r),
                          CareReminderLeftText(r, today, odometer));
    }
    if (items.isEmpty())
        return QString();
    return QCoreApplication::translate("CareReminders", "下次到期：%1")
        .arg(items.join(QCoreApplication::translate("CareReminders", "；")));
}

SqlStatus LoadCareReminders(CMyDatabase& db, const QString& carId,
                            std::vector<CareReminder>& reminders)
{
    reminders.clear();
    if (!db.IsOpen())
        return store::Closed();
    const QByteArray select = QByteArray("select ") + kColumns + " from \"CareReminder\"";
    CStatement query = db.Connection().Prepare(
        carId.isEmpty() ? select + " order by \"CarID\", \"RecID\""
                        : select + " where \"CarID\"=?1 order by \"RecID\"");
    if (!carId.isEmpty())
        query.Bind(1, carId);
    while (query.Next()) {
        CareReminder& r = reminders.emplace_back();
        r.carId = query.Text(0);
        r.recId = query.Text(1);
        r.title = query.Text(2);
        r.dueDate = query.Text(3);
        r.dueMiles = query.Number(4);
        r.repeatMonths = int(query.Number(5));
        r.repeatMiles = query.Number(6);
        r.leadDays = int(query.Number(7));
        r.leadMiles = query.Number(8);
        r.done = query.Number(9) != 0;
    }
    return query.Status();
}

SqlStatus SaveCareReminder(CMyDatabase& db, CareReminder& reminder)
{
    if (!db.IsOpen())
        return store::Closed();
    if (reminder.recId.isEmpty()) {
        std::vector<CareReminder> one{reminder};
        const SqlStatus inserted = InsertCareReminders(db, one);
        if (inserted.ok())
            reminder.recId = one.front().recId;
        return inserted;
    }
    CStatement update = db.Connection().Prepare(
        "update \"CareReminder\" set \"CarID\"=?1, \"RecID\"=?2, \"Title\"=?3, \"DueDate\"=?4, "
        "\"DueMiles\"=?5, \"RepeatMonths\"=?6, \"RepeatMiles\"=?7, \"LeadDays\"=?8, "
        "\"LeadMiles\"=?9, \"Done\"=?10 where \"CarID\"=?1 and \"RecID\"=?2");
    bindReminder(update, 1, reminder);
    return update.Run();
}

SqlStatus InsertCareReminders(CMyDatabase& db, std::vector<CareReminder>& reminders)
{
    if (!db.IsOpen())
        return store::Closed();
    CTransaction transaction(db.Connection());
    if (!transaction.Begun())
        return db.Connection().LastError();
    const Expected<qint64> highest = highestNumber(db);
    if (!highest)
        return highest.error();
    if (*highest + qint64(reminders.size()) > 9999999)
        return {store::kIdsExhausted, QStringLiteral("record identifiers exhausted"), true};
    CStatement insert =
        db.Connection().Prepare(QByteArray("insert into \"CareReminder\" (") + kColumns +
                                ") values (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
    qint64 number = *highest;
    for (CareReminder& reminder : reminders) {
        reminder.recId = RecordIdText(++number);
        bindReminder(insert, 1, reminder);
        if (const SqlStatus status = insert.Run(); !status.ok())
            return status;
        insert.Reset();
    }
    return transaction.Commit() ? SqlStatus{} : db.Connection().LastError();
}

SqlStatus DeleteCareReminder(CMyDatabase& db, const QString& carId, const QString& recId)
{
    if (!db.IsOpen())
        return store::Closed();
    CStatement remove =
        db.Connection().Prepare("delete from \"CareReminder\" where \"CarID\"=?1 and \"RecID\"=?2");
    remove.Bind(1, carId).Bind(2, recId);
    return remove.Run();
}
