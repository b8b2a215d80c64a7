#include "csv/ReminderFile.h"

#include "csv/CsvLedgers.h"
#include "csv/CsvTable.h"
#include "csv/CsvWriter.h"
#include "csv/ImportCells.h"
#include "csv/ImportPlan.h"

#include <QCoreApplication>

namespace {

const QString kTitle = QStringLiteral("项目");
const QString kDueDate = QStringLiteral("到期日期");
const QString kDueMiles = QStringLiteral("到期里程");
const QString kRepeatMonths = QStringLiteral("每隔月数");
const QString kRepeatMiles = QStringLiteral("每隔里程");
const QString kLeadDays = QStringLiteral("提前天数");
const QString kLeadMiles = QStringLiteral("提前里程");
const QString kDone = QStringLiteral("已完成");

} // namespace

QStringList ReminderFileHeader()
{
    return {kCarColumn,   kTitle,    kDueDate,   kDueMiles, kRepeatMonths,
            kRepeatMiles, kLeadDays, kLeadMiles, kDone};
}

QStringList ReminderFileRow(const CareReminder& r, const QString& carName)
{
    return {SpreadsheetSafeText(carName),
            SpreadsheetSafeText(r.title),
            IsoDateText(r.dueDate),
            PlainNumber(r.dueMiles),
            PlainNumber(r.repeatMonths),
            PlainNumber(r.repeatMiles),
            PlainNumber(r.leadDays),
            PlainNumber(r.leadMiles),
            r.done ? QStringLiteral("是") : QStringLiteral("否")};
}

bool IsReminderFileHeader(const QStringList& header)
{
    return header.contains(kCarColumn) && header.contains(kTitle) && header.contains(kDueDate);
}

void ReadReminderFile(int source, const CsvTable& records, ImportPlan& plan)
{
    const QStringList header = records.front().fields;
    const QHash<QString, int> index = headerIndex(header);
    plan.sources[size_t(source)].format =
        QCoreApplication::translate("CsvImport", "Orvyn 导出的保养提醒");
    for (size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        if (allEmpty(record.fields) || !wellFormed(source, record, int(header.size()), plan))
            continue;
        const auto cell = [&](const QString& name) {
            const int c = index.value(name, -1);
            return c < 0 ? QString() : record.fields[c];
        };
        ImportReminderRow row;
        row.source = source;
        row.line = record.line;
        row.car = FromSpreadsheetSafeText(cell(kCarColumn)).trimmed();
        CareReminder& r = row.reminder;
        r.title = FromSpreadsheetSafeText(cell(kTitle)).trimmed();
        QString problem;
        QDate date;
        if (!cell(kDueDate).trimmed().isEmpty() && readDate(cell(kDueDate), date, problem))
            r.dueDate = StoredDate(date);
        double months = 0, leadDays = kDefaultLeadDays;
        const auto number = [&](const QString& name, double& value) {
            return problem.isEmpty() &&
                   (cell(name).trimmed().isEmpty() || readNumber(cell(name), name, value, problem));
        };
        if (number(kDueMiles, r.dueMiles) && number(kRepeatMonths, months) &&
            number(kRepeatMiles, r.repeatMiles) && number(kLeadDays, leadDays) &&
            number(kLeadMiles, r.leadMiles)) {
            r.repeatMonths = int(months);
            r.leadDays = int(leadDays);
            r.done = cell(kDone).trimmed() == QStringLiteral("是");
            if (months != r.repeatMonths || leadDays != r.leadDays)
                problem = QCoreApplication::translate("CsvImport", "月数和天数必须是整数");
            else
                problem = CareReminderMistake(r);
        }
        if (!problem.isEmpty()) {
            plan.rejected.push_back({source, record.line, problem});
            continue;
        }
        plan.reminders.push_back(std::move(row));
    }
}
