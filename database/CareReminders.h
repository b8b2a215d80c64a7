#pragma once

#include "database/Expected.h"
#include "database/Records.h"
#include "database/StorageFault.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class CMyDatabase;

// One care reminder of a car: a mark by date, by odometer or both (whichever
// comes first), repeating every so many months and/or kilometres or once.
// It is due a lead of days or kilometres before its mark.
struct CareReminder
{
    QString carId;
    QString recId; // "%07d"; empty until it is stored
    QString title;
    QString dueDate;        // "yyyy/MM/dd"; empty: no date
    double dueMiles = 0;    // kilometres; 0: no odometer mark
    int repeatMonths = 0;   // 0: the date does not repeat
    double repeatMiles = 0; // 0: the odometer mark does not repeat
    int leadDays = 30;
    double leadMiles = 1000;
    bool done = false; // a reminder without repeat that was done

    bool HasDate() const { return !dueDate.isEmpty(); }
    bool HasMiles() const { return dueMiles > 0; }
    bool Repeats() const { return repeatMonths > 0 || repeatMiles > 0; }
};

// The defaults of a new reminder's leads.
inline constexpr int kDefaultLeadDays = 30;
inline constexpr double kDefaultLeadMiles = 1000;

// What is wrong with a reminder as typed, one sentence; empty when nothing is.
QString CareReminderMistake(const CareReminder& reminder);
// A reminder date: "yyyy/m/d" in 1901..2098; none for anything else.
std::optional<QDate> ReadReminderDate(const QString& text);

// Whether the reminder is due on `today` at the odometer reading: within its
// lead of the date or of the odometer mark, or past one. Done ones never are.
bool IsCareReminderDue(const CareReminder& reminder, const QDate& today, double odometer);
// Whether moving the odometer from `from` to `to` makes the reminder due by
// its odometer mark (it was not due by it before).
bool PassesCareReminderMark(const CareReminder& reminder, double from, double to);

// The reminder after the work was done on `date` at `miles` (0: not known):
// a repeating reminder moves its marks on from there, one without repeat is
// done.
CareReminder CareReminderDone(const CareReminder& reminder, const QDate& date, double miles);
// The reminder put off by a week (its date) or 500 km (its odometer mark).
CareReminder CareReminderSnoozed(const CareReminder& reminder, bool byWeek);

// The maintenance or repair record that did a reminder's work: the latest one
// dated within the reminder's lead of its date or later, or with a reading
// within its lead of its odometer mark or beyond. None when no record fits.
std::optional<LedgerRecord> CareReminderWork(const CareReminder& reminder,
                                             const std::vector<LedgerRecord>& records);

// A first reminder from past maintenance records (by date): every average
// interval between them, marked after the last one. None for fewer than two
// records with dates.
std::optional<CareReminder> SuggestCareReminder(const std::vector<LedgerRecord>& maintenance);

// "2026/12/08" and/or "15000 公里", joined by " 或 ".
QString CareReminderMarkText(const CareReminder& reminder);
// What is left before the marks on `today` at the reading: "还有 5 天，还差
// 500 公里"; a mark reached alone: "今天到期", "已过期 3 天", "已超过 200 公里";
// "已完成" for a done reminder.
QString CareReminderLeftText(const CareReminder& reminder, const QDate& today, double odometer);
// "每 12 个月", "每 5000 公里", "每 12 个月或 5000 公里", "不重复".
QString CareReminderRepeatText(const CareReminder& reminder);

// The summary page's line of the next due reminders, the two nearest (due
// ones first, then by date, then by odometer): "下次到期：年检 2026/12/08
// （还有 5 天）；机油 15000 公里（还差 500 公里）". Empty without any open reminder.
QString NextDueText(const std::vector<CareReminder>& reminders, const QDate& today,
                    double odometer);

// The stored reminders: one car's (all cars' with an empty car), by car and
// identifier.
SqlStatus LoadCareReminders(CMyDatabase& db, const QString& carId,
                            std::vector<CareReminder>& reminders);
// Stores the reminder: a new one (empty identifier) is numbered and inserted,
// any other written over its row.
SqlStatus SaveCareReminder(CMyDatabase& db, CareReminder& reminder);
// Inserts many reminders in the caller's transaction, numbered on.
SqlStatus InsertCareReminders(CMyDatabase& db, std::vector<CareReminder>& reminders);
SqlStatus DeleteCareReminder(CMyDatabase& db, const QString& carId, const QString& recId);
