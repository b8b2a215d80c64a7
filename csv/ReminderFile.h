#pragma once

#include "database/CareReminders.h"

#include <QString>
#include <QStringList>

class CsvTable;
struct ImportPlan;

// The care reminders' CSV file "保养提醒.csv": one row per reminder of the
// cars exported, with the car's name; read back by its header (车辆, 项目,
// 到期日期).
inline const QString kReminderFileName = QStringLiteral("保养提醒");

QStringList ReminderFileHeader();
// A reminder's cells, in header order: dates yyyy-mm-dd, numbers plain,
// "是"/"否" for done.
QStringList ReminderFileRow(const CareReminder& reminder, const QString& carName);
// Whether a header row (cells trimmed) is the reminder file's.
bool IsReminderFileHeader(const QStringList& header);
// Reads the file's reminders into the plan; a row that cannot be a reminder
// is refused with its line and the reason.
void ReadReminderFile(int source, const CsvTable& records, ImportPlan& plan);
