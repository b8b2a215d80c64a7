#include "csv/CsvImport.h"

#include "csv/CsvTable.h"
#include "csv/CsvWriter.h"
#include "csv/ImportFormats.h"
#include "database/BackupPoints.h"
#include "database/CareReminders.h"
#include "database/Figures.h"
#include "database/MyDatabase.h"
#include "database/Names.h"
#include "database/Schema.h"
#include "database/StorageFault.h"
#include "database/Transaction.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <map>
#include <set>
#include <sqlite3.h>
#include <tuple>

namespace {

// --- cars --------------------------------------------------------------------------

struct LedgerCars
{
    std::vector<CARLIST> cars;
    QString currentId;
};

// The ledger's car for a name or identifier: its identifier, an empty text
// when there is none, or no answer when several cars have the name.
std::optional<QString> findCar(const LedgerCars& ledger, const QString& wanted)
{
    const QString name = wanted.trimmed();
    for (const CARLIST& car : ledger.cars)
        if (car.carId == name)
            return car.carId;
    QStringList matches;
    for (const CARLIST& car : ledger.cars)
        if (car.name.trimmed() == name)
            matches << car.carId;
    if (matches.size() > 1)
        return std::nullopt;
    return matches.isEmpty() ? QString() : matches.first();
}

int targetIndex(ImportPlan& plan, const LedgerCars& ledger, const QString& wanted)
{
    const QString name = wanted.trimmed();
    for (size_t i = 0; i < plan.targets.size(); ++i)
        if (plan.targets[i].name == name ||
            (!plan.targets[i].carId.isEmpty() && plan.targets[i].carId == name))
            return int(i);
    const std::optional<QString> found = findCar(ledger, name);
    if (!found) {
        plan.refusal = QCoreApplication::translate(
                           "CsvImport", "账本里有不止一辆车叫“%1”，请指定车辆编号（如 CAR0001）。")
                           .arg(name);
        return -1;
    }
    ImportTarget target;
    target.carId = *found;
    target.name = name;
    if (!found->isEmpty())
        for (const CARLIST& car : ledger.cars)
            if (car.carId == *found)
                target.name = car.name.trimmed();
    plan.targets.push_back(target);
    return int(plan.targets.size() - 1);
}

// Keeps a failed read of the ledger as the plan's refusal; false then.
bool readOk(const SqlStatus& status, ImportPlan& plan)
{
    if (status.ok())
        return true;
    plan.refusal = QCoreApplication::translate("CsvImport", "读取账本失败：") + status.message;
    return false;
}

void resolveTargets(CMyDatabase& db, const ImportOptions& options, ImportPlan& plan)
{
    LedgerCars ledger;
    Expected<std::vector<CARLIST>> cars = db.GetCarList();
    const Expected<QString> current = db.GetCurrentCarID();
    if (!readOk(cars.status(), plan) || !readOk(current.status(), plan))
        return;
    ledger.cars = std::move(cars).value();
    ledger.currentId = RightTrimmed(*current);

    const QString chosen = options.car.trimmed();
    if (!chosen.isEmpty() && !plan.cars.empty()) {
        // Every record goes to the chosen car: the files' cars are not made.
        // A chosen car that is new takes the profile of the file's only car.
        const int t = targetIndex(plan, ledger, chosen);
        if (t < 0)
            return;
        ImportTarget& target = plan.targets[size_t(t)];
        if (target.carId.isEmpty() && plan.cars.size() == 1)
            target.carRow = 0;
        QStringList names;
        for (const ImportCarRow& car : plan.cars)
            if (car.name.trimmed() != target.name)
                names << QCoreApplication::translate("CsvImport", "“%1”").arg(car.name.trimmed());
        if (!names.isEmpty())
            plan.notes << QCoreApplication::translate(
                              "CsvImport", "所有记录都导入到“%1”：文件里的车辆%2不新建。")
                              .arg(target.name,
                                   names.join(QCoreApplication::translate("CsvImport", "、")));
    }
    for (size_t i = 0; i < plan.cars.size() && chosen.isEmpty(); ++i) {
        const int t = targetIndex(plan, ledger, plan.cars[i].name);
        if (t < 0)
            return;
        ImportTarget& target = plan.targets[size_t(t)];
        if (!target.carId.isEmpty())
            plan.notes << QCoreApplication::translate(
                              "CsvImport", "车辆“%1”已在账本里，它的档案和购入信息保持不变。")
                              .arg(target.name);
        else if (target.carRow < 0)
            target.carRow = int(i);
    }
    std::map<QString, int> byCar; // the target of each car a row names
    for (size_t i = 0; i < plan.rows.size(); ++i) {
        const QString car = plan.rows.car(i);
        auto found = byCar.find(car);
        if (found == byCar.end()) {
            QString wanted = options.car.trimmed();
            if (wanted.isEmpty())
                wanted = car;
            if (wanted.isEmpty()) {
                if (ledger.currentId.isEmpty()) {
                    plan.refusal = QCoreApplication::translate(
                        "CsvImport", "文件没有写明是哪辆车的记录，账本里也没有当前车辆："
                                     "请指定要导入到哪辆车。");
                    return;
                }
                wanted = ledger.currentId;
            }
            const int target = targetIndex(plan, ledger, wanted);
            if (target < 0)
                return;
            found = byCar.emplace(car, target).first;
        }
        plan.rows.setTarget(i, found->second);
    }
    for (ImportReminderRow& reminder : plan.reminders) {
        QString wanted = options.car.trimmed();
        if (wanted.isEmpty())
            wanted = reminder.car.isEmpty() ? ledger.currentId : reminder.car;
        if (wanted.isEmpty()) {
            plan.refusal = QCoreApplication::translate(
                "CsvImport", "文件没有写明是哪辆车的保养提醒，账本里也没有当前车辆："
                             "请指定要导入到哪辆车。");
            return;
        }
        reminder.target = targetIndex(plan, ledger, wanted);
        if (reminder.target < 0)
            return;
    }
}

// Reminders a car of the ledger has already: the same item and marks.
void markReminderDuplicates(CMyDatabase& db, ImportPlan& plan)
{
    std::map<int, std::vector<CareReminder>> held;
    for (ImportReminderRow& row : plan.reminders) {
        const ImportTarget& target = plan.targets[size_t(row.target)];
        if (target.carId.isEmpty())
            continue;
        auto found = held.find(row.target);
        if (found == held.end()) {
            found = held.emplace(row.target, std::vector<CareReminder>()).first;
            if (!readOk(LoadCareReminders(db, target.carId, found->second), plan))
                return;
        }
        const CareReminder& r = row.reminder;
        row.duplicate = std::any_of(found->second.begin(), found->second.end(), [&](const auto& h) {
            return h.title == r.title && h.dueDate == r.dueDate &&
                   qRound64(h.dueMiles * 100) == qRound64(r.dueMiles * 100);
        });
    }
}

// --- texts beyond what a page shows whole --------------------------------------------

// The text's first `count` characters.
QString firstCharacters(const QString& text, qsizetype count)
{
    qsizetype end = 0;
    for (qsizetype taken = 0; end < text.size() && taken < count; ++taken)
        end += text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    return text.left(end);
}

// A text longer than kLongestText refuses its line, or with `cut` keeps its
// beginning and says so in the row's flags; false when the line is refused.
bool checkLength(QString& text, const QString& caption, bool cut, QStringList& flags,
                 QString& problem, int& longTexts)
{
    const qsizetype length = TextCharacters(text);
    if (length <= kLongestText)
        return true;
    ++longTexts;
    if (!cut) {
        problem = QCoreApplication::translate("CsvImport", "“%1”有 %2 字，超过了 %3 字的上限")
                      .arg(caption)
                      .arg(length)
                      .arg(kLongestText);
        return false;
    }
    text = firstCharacters(text, kLongestText);
    flags << QCoreApplication::translate("CsvImport", "“%1”有 %2 字，只导入前 %3 字")
                 .arg(caption)
                 .arg(length)
                 .arg(kLongestText);
    return true;
}

void checkCarTextLengths(ImportPlan& plan)
{
    std::erase_if(plan.cars, [&](ImportCarRow& car) {
        QString problem;
        for (const CarFileColumn& column : CarFileColumns())
            if (QString* text = CarFileText(car, column);
                text && !checkLength(*text, ShownFileCaption(column.header), plan.cutLongTexts,
                                     car.flags, problem, plan.longTexts)) {
                plan.rejected.push_back({car.source, car.line, problem});
                return true;
            }
        return false;
    });
}

// --- records already in the ledger --------------------------------------------------

QString normalDate(const QString& date)
{
    const std::optional<QDate> day = ReadIsoDate(date);
    return day ? StoredDate(*day) : date.trimmed();
}

// Records are the same when date, odometer and amount agree; on ledgers
// without an amount the price and count, or the log text, stand for it.
QString duplicateKey(LedgerKind ledger, const LedgerRecord& r)
{
    QString key = normalDate(r.date) + QLatin1Char('|') + QString::number(Hundredths(r.miles)) +
                  QLatin1Char('|');
    switch (ledger) {
    case LedgerKind::CarLog:
        return key + firstCharacters(r.mark, kLongestText).trimmed();
    case LedgerKind::Accessory:
        return key + QString::number(Hundredths(r.price)) + QLatin1Char('x') +
               QString::number(Hundredths(r.count));
    default:
        return key + QString::number(Hundredths(r.amount));
    }
}

void markDuplicates(CMyDatabase& db, ImportPlan& plan)
{
    std::map<std::pair<int, int>, std::map<QString, int>> held;
    for (size_t i = 0; i < plan.rows.size(); ++i) {
        const ImportRows::Key key = plan.rows.key(i);
        const ImportTarget& target = plan.targets[size_t(key.target)];
        if (target.carId.isEmpty())
            continue; // a new car holds nothing yet
        const auto slot = std::make_pair(key.target, int(key.ledger));
        auto found = held.find(slot);
        if (found == held.end()) {
            std::map<QString, int> keys;
            const SqlStatus read = db.ReadRecords(key.ledger, target.carId, [&](const LedgerRecord& r) {
                ++keys[duplicateKey(key.ledger, r)];
                return true;
            });
            if (!readOk(read, plan))
                return;
            found = held.emplace(slot, std::move(keys)).first;
        }
        if (found->second.empty())
            continue;
        // As many rows are the same as records are held: a record twice in
        // the file and once in the ledger is imported once more.
        const ImportRow row = plan.rows[i];
        const auto same = found->second.find(duplicateKey(row.ledger, row.record));
        if (same == found->second.end())
            continue;
        plan.rows.setDuplicate(i, true);
        if (--same->second == 0)
            found->second.erase(same);
    }
}

// --- order ------------------------------------------------------------------------------

// The order records of a ledger are numbered in, which is the order a page
// shows the records of one day in: by date, then, for files of other
// programs, by time of day and odometer; our own files keep their order.
struct Order
{
    int day = 0;    // yyyymmdd
    int second = 0; // of the day, for files of other programs
    double miles = 0;
    size_t index = 0; // of the row

    explicit Order(const ImportRows::Key& key, size_t row)
        : day(key.day), second(key.foreign ? key.second : 0), miles(key.foreign ? key.miles : 0),
          index(row)
    {
    }
    bool operator<(const Order& o) const
    {
        return std::tie(day, second, miles) < std::tie(o.day, o.second, o.miles);
    }
};

// --- gauge readings -------------------------------------------------------------------

// A filling whose gauge readings are derived, in the order of its day (as Order).
struct Filling
{
    quint32 row = 0;
    qint32 day = 0;
    qint32 second = 0;
    bool fullTank = true;
    bool missedBefore = false;
    bool derived = false;
    double miles = 0;
    double litres = 0;
    double before = 0;
    double after = 0;

    bool operator<(const Filling& o) const
    {
        return std::tie(day, second, miles) < std::tie(o.day, o.second, o.miles);
    }
};

// The gauge readings before and after each filling, from the litres bought
// and the full-tank flags: a full tank reads all divisions after filling and
// the litres bought less before it; between two full tanks the fuel is
// taken as used evenly per kilometre, so that the page's consumption
// estimate comes out as litres bought over distance driven.
void deriveGauges(std::vector<Filling>& fillings, double tank, double divisions)
{
    const double perDivision = tank / divisions;
    auto clampLevel = [&](double level) { return std::clamp(level, 0.0, divisions); };
    int lastFull = -1;
    for (int i = 0; i < int(fillings.size()); ++i) {
        Filling& row = fillings[size_t(i)];
        if (row.missedBefore)
            lastFull = -1;
        if (!row.fullTank)
            continue;
        row.after = divisions;
        row.before = clampLevel(divisions - row.litres / perDivision);
        row.derived = true;
        if (lastFull >= 0) {
            const Filling& start = fillings[size_t(lastFull)];
            const double distance = row.miles - start.miles;
            double bought = 0;
            for (int j = lastFull + 1; j <= i; ++j)
                bought += fillings[size_t(j)].litres;
            const double perKm = distance > 0 ? bought / distance : 0;
            double sum = 0;
            for (int j = lastFull + 1; j < i; ++j) {
                Filling& partial = fillings[size_t(j)];
                sum += partial.litres;
                const double after =
                    divisions - (perKm * (partial.miles - start.miles) - sum) / perDivision;
                partial.after = clampLevel(after);
                partial.before = clampLevel(after - partial.litres / perDivision);
                partial.derived = true;
            }
        }
        lastFull = i;
    }
}

void deriveGaugeReadings(CMyDatabase& db, ImportPlan& plan)
{
    // Fillings of another tank, or without litres, keep their readings
    // unknown (as the readers marked them); so do partial fillings that no
    // full tank before and after encloses.
    std::map<int, std::vector<Filling>> byTarget;
    for (size_t i = 0; i < plan.rows.size(); ++i)
        if (const ImportRows::Key key = plan.rows.key(i); key.derivable)
            byTarget[key.target].emplace_back(); // counted first: a million fit exactly
    for (auto& [target, fillings] : byTarget) {
        const size_t count = fillings.size();
        fillings.clear();
        fillings.reserve(count);
    }
    for (size_t i = 0; i < plan.rows.size(); ++i) {
        const ImportRows::Key key = plan.rows.key(i);
        if (!key.derivable)
            continue;
        const ImportRow row = plan.rows[i];
        const Order order(key, i);
        byTarget[key.target].push_back(Filling{quint32(i), order.day, order.second, row.fullTank,
                                               row.missedBefore, false, row.record.miles,
                                               *row.litres});
    }
    for (auto& [t, fillings] : byTarget) {
        const ImportTarget& target = plan.targets[size_t(t)];
        CARPROPERTY property;
        if (!target.carId.isEmpty()) {
            if (!readOk(db.GetCarProperty(target.carId, property), plan))
                return;
        } else if (target.carRow >= 0 && plan.cars[size_t(target.carRow)].property)
            property = *plan.cars[size_t(target.carRow)].property;
        if (property.fuelVolume <= 0 || property.meterRules < 1) {
            plan.notes << QCoreApplication::translate(
                              "CsvImport",
                              "车辆“%1”的油箱容积或油表量程未知：%2 条加油记录的加前油表和"
                              "加后油表记为未知，页面上显示“--”，油耗估算算不出来。"
                              "在爱车档案里填好这两项后再导入，就能推算出油表读数。")
                              .arg(target.name)
                              .arg(fillings.size());
            continue;
        }
        std::stable_sort(fillings.begin(), fillings.end());
        deriveGauges(fillings, property.fuelVolume, property.meterRules);
        for (const Filling& filling : fillings) {
            if (!filling.derived)
                continue;
            ImportRow row = plan.rows[filling.row];
            row.record.fuelMeter1 = ShownNumber(filling.before, 2);
            row.record.fuelMeter2 = ShownNumber(filling.after, 2);
            SetMark(row.record, RefuelMark::GaugesUnknown, false);
            plan.rows.set(filling.row, row);
        }
        plan.notes << QCoreApplication::translate(
                          "CsvImport",
                          "车辆“%1”：%2 条加油记录的油表读数按油箱容积 %3 升、油表量程 %4 "
                          "格由加油量和是否加满推算。")
                          .arg(target.name)
                          .arg(fillings.size())
                          .arg(PlainNumber(property.fuelVolume), PlainNumber(property.meterRules));
    }
}

// --- writing ----------------------------------------------------------------------------

class Writer
{
public:
    Writer(CMyDatabase& db, const ImportPlan& plan, const CsvProgress& progress)
        : m_db(db), m_plan(plan), m_progress(progress)
    {
    }

    ImportResult run()
    {
        CTransaction transaction(m_db.Connection());
        if (!transaction.Begun()) {
            failed(m_db.Connection().LastError());
            return m_result;
        }
        if (!makeCars() || !writeRecords() || !writeReminders() || !learnEntries() ||
            !chooseCurrentCar()) {
            m_result.written = m_result.carsMade = 0; // all of it rolled back
            return m_result;
        }
        if (!transaction.Commit())
            failed(m_db.Connection().LastError());
        else
            m_result.outcome = ImportResult::Done;
        return m_result;
    }

private:
    // Keeps the failure as the result; false.
    bool failed(const SqlStatus& status)
    {
        m_result.outcome = ImportResult::Failed;
        m_result.error =
            QCoreApplication::translate("CsvImport", "写入账本失败，没有导入任何记录：") +
            status.message;
        return false;
    }

    bool makeCars()
    {
        m_carIds.clear();
        for (const ImportTarget& target : m_plan.targets) {
            if (!target.carId.isEmpty()) {
                m_carIds << target.carId;
                continue;
            }
            const Expected<QString> made = m_db.NewCar(target.name);
            if (!made)
                return failed(made.error());
            const QString carId = *made;
            m_carIds << carId;
            ++m_result.carsMade;
            if (target.carRow >= 0) {
                const ImportCarRow& row = m_plan.cars[size_t(target.carRow)];
                if (row.property)
                    if (const SqlStatus status = m_db.InsertCarProperty(carId, *row.property);
                        !status.ok())
                        return failed(status);
                if (row.purchase)
                    if (const SqlStatus status = m_db.InsertPurchaseInfo(carId, *row.purchase);
                        !status.ok())
                        return failed(status);
                if (row.current)
                    m_currentWanted = carId;
            }
        }
        return true;
    }

    bool writeRecords()
    {
        // Each ledger is numbered on from its highest identifier, in date order.
        std::vector<std::pair<LedgerKind, Order>> rows;
        for (size_t i = 0; i < m_plan.rows.size(); ++i) {
            const ImportRows::Key key = m_plan.rows.key(i);
            if (!(key.duplicate && m_plan.skipDuplicates))
                rows.emplace_back(key.ledger, Order(key, i));
        }
        std::stable_sort(rows.begin(), rows.end());
        const qint64 total = qint64(rows.size());
        LedgerRecord record;
        for (size_t first = 0; first < rows.size();) {
            // One ledger's rows at a time, numbered on from its highest identifier.
            const LedgerKind kind = rows[first].first;
            size_t end = first;
            while (end < rows.size() && rows[end].first == kind)
                ++end;
            size_t at = first;
            const qint64 before = m_result.written;
            const SqlStatus status = m_db.InsertRecords(
                kind, qint64(end - first),
                [&]() -> LedgerRecord& {
                    ImportRow row = m_plan.rows[rows[at++].second.index];
                    record = std::move(row.record);
                    record.carId = m_carIds[row.target];
                    remember(kind, record);
                    return record;
                },
                [&](qint64 inserted) { return !m_progress || m_progress(before + inserted, total); });
            if (status.code == store::kStopped) {
                m_result.outcome = ImportResult::Cancelled;
                return false;
            }
            if (status.code == store::kIdsExhausted) {
                m_result.outcome = ImportResult::Failed;
                m_result.error =
                    QCoreApplication::translate("CsvImport",
                                                "“%1”的记录编号将超过 9999999，没有导入任何记录。")
                        .arg(InfoOf(kind).shownName());
                return false;
            }
            if (!status.ok())
                return failed(status);
            m_result.written += qint64(end - first);
            first = end;
        }
        if (m_progress && !m_progress(total, total)) {
            m_result.outcome = ImportResult::Cancelled;
            return false;
        }
        return true;
    }

    bool writeReminders()
    {
        std::vector<CareReminder> reminders;
        for (const ImportReminderRow& row : m_plan.reminders) {
            if (row.duplicate && m_plan.skipDuplicates)
                continue;
            CareReminder& r = reminders.emplace_back(row.reminder);
            r.carId = m_carIds[row.target];
            r.recId.clear();
        }
        if (reminders.empty())
            return true;
        if (const SqlStatus status = InsertCareReminders(m_db, reminders); !status.ok())
            return failed(status);
        m_result.written += int(reminders.size());
        return true;
    }

    // The remembered entries the pages would have learned from these records.
    void remember(LedgerKind ledger, const LedgerRecord& r)
    {
        for (const LedgerColumn& column : InfoOf(ledger).page().columns)
            if (column.historyClass != 0 && !r.Text(column.field).isEmpty())
                m_entries.insert({r.carId, column.historyClass, r.Text(column.field)});
    }

    bool learnEntries()
    {
        for (const auto& [carId, classId, content] : m_entries) {
            InputHistoryEntry entry;
            entry.carId = carId;
            entry.classId = classId;
            entry.className = HistoryClassName(classId);
            entry.content = content.left(128);
            const Expected<QString> next = m_db.GetNextRecID(LedgerKind::InputHistory);
            if (!next)
                return failed(next.error());
            entry.recId = *next;
            if (const Expected<InsertOutcome> inserted = m_db.InsertInputHistory(entry); !inserted)
                return failed(inserted.error());
        }
        return true;
    }

    // A ledger without a current car shows the imported car.
    bool chooseCurrentCar()
    {
        const Expected<QString> current = m_db.GetCurrentCarID();
        if (!current)
            return failed(current.error());
        if (!RightTrimmed(*current).isEmpty() || m_carIds.isEmpty())
            return true;
        const SqlStatus status =
            m_db.SetCurrentCar(m_currentWanted.isEmpty() ? m_carIds.first() : m_currentWanted);
        return status.ok() || failed(status);
    }

    CMyDatabase& m_db;
    const ImportPlan& m_plan;
    const CsvProgress& m_progress;
    ImportResult m_result;
    QStringList m_carIds;
    QString m_currentWanted;
    std::set<std::tuple<QString, int, QString>> m_entries;
};

} // namespace

// --- the plan ---------------------------------------------------------------------------

double KilometresPer(DistanceUnit unit)
{
    return unit == DistanceUnit::Miles ? 1.609344 : 1.0;
}
double LitresPer(VolumeUnit unit)
{
    switch (unit) {
    case VolumeUnit::UsGallons:
        return 3.785411784;
    case VolumeUnit::ImperialGallons:
        return 4.54609;
    default:
        return 1.0;
    }
}
QString UnitName(DistanceUnit unit)
{
    return unit == DistanceUnit::Miles ? QCoreApplication::translate("CsvImport", "英里")
                                       : QCoreApplication::translate("CsvImport", "公里");
}
QString UnitName(VolumeUnit unit)
{
    switch (unit) {
    case VolumeUnit::UsGallons:
        return QCoreApplication::translate("CsvImport", "美制加仑");
    case VolumeUnit::ImperialGallons:
        return QCoreApplication::translate("CsvImport", "英制加仑");
    default:
        return QCoreApplication::translate("CsvImport", "升");
    }
}

const std::vector<GenericField>& GenericFields()
{
    static const std::vector<GenericField> fields = {
        GenericField::Ignore, GenericField::Date,     GenericField::Odometer,
        GenericField::Amount, GenericField::Price,    GenericField::Quantity,
        GenericField::Note,   GenericField::Provider, GenericField::Content};
    return fields;
}

namespace {

// A field's name as the ledger's Chinese writes it (also on the command
// line's --map), translated where it is shown.
const char* genericFieldSource(GenericField field)
{
    switch (field) {
    case GenericField::Date:
        return QT_TRANSLATE_NOOP("CsvImport", "日期");
    case GenericField::Odometer:
        return QT_TRANSLATE_NOOP("CsvImport", "里程表");
    case GenericField::Amount:
        return QT_TRANSLATE_NOOP("CsvImport", "金额");
    case GenericField::Price:
        return QT_TRANSLATE_NOOP("CsvImport", "单价");
    case GenericField::Quantity:
        return QT_TRANSLATE_NOOP("CsvImport", "数量（升或件）");
    case GenericField::Note:
        return QT_TRANSLATE_NOOP("CsvImport", "备注");
    case GenericField::Provider:
        return QT_TRANSLATE_NOOP("CsvImport", "服务商");
    case GenericField::Content:
        return QT_TRANSLATE_NOOP("CsvImport", "内容或商品名称");
    default:
        return QT_TRANSLATE_NOOP("CsvImport", "不导入");
    }
}

} // namespace

QString GenericFieldName(GenericField field)
{
    return QCoreApplication::translate("CsvImport", genericFieldSource(field));
}

std::optional<GenericField> FindGenericField(const QString& name)
{
    static const std::pair<const char*, GenericField> aliases[] = {
        {"date", GenericField::Date},         {"odometer", GenericField::Odometer},
        {"amount", GenericField::Amount},     {"price", GenericField::Price},
        {"quantity", GenericField::Quantity}, {"数量", GenericField::Quantity},
        {"note", GenericField::Note},         {"provider", GenericField::Provider},
        {"content", GenericField::Content},   {"内容", GenericField::Content},
        {"商品名称", GenericField::Content},  {"ignore", GenericField::Ignore},
    };
    const QString wanted = name.trimmed();
    for (GenericField field : GenericFields())
        if (QString::fromUtf8(genericFieldSource(field)) == wanted ||
            GenericFieldName(field).compare(wanted, Qt::CaseInsensitive) == 0)
            return field;
    for (const auto& [alias, field] : aliases)
        if (wanted.compare(QString::fromUtf8(alias), Qt::CaseInsensitive) == 0)
            return field;
    return std::nullopt;
}

void ImportPlan::addRow(ImportRow row)
{
    QString problem;
    for (const LedgerColumn& column : ExportColumns(row.ledger))
        if (column.field != LedgerField::None && !IsNumberField(column.field) &&
            !checkLength(row.record.Text(column.field), ShownFileCaption(column.header),
                         cutLongTexts, row.flags, problem, longTexts)) {
            rejected.push_back({row.source, row.line, problem});
            return;
        }
    rows.push_back(row);
}

int ImportPlan::duplicateCount() const
{
    int count = 0;
    for (size_t i = 0; i < rows.size(); ++i)
        count += rows.key(i).duplicate;
    return count;
}

int ImportPlan::writtenCount() const
{
    return int(rows.size()) - (skipDuplicates ? duplicateCount() : 0) + reminderCount();
}

int ImportPlan::reminderCount() const
{
    return int(std::count_if(reminders.begin(), reminders.end(),
                             [this](const auto& r) { return !(r.duplicate && skipDuplicates); }));
}

QString ImportPlan::sourceName(int source) const
{
    return source >= 0 && source < int(sources.size())
               ? QFileInfo(sources[size_t(source)].path).fileName()
               : QString();
}

ImportPlan PlanImport(CMyDatabase& db, const QStringList& files, const ImportOptions& options,
                      const CsvProgress& progress)
{
    ImportPlan plan;
    plan.skipDuplicates = options.skipDuplicates;
    plan.cutLongTexts = options.cutLongTexts;
    if (files.isEmpty()) {
        plan.refusal = QCoreApplication::translate("CsvImport", "没有选择要导入的文件。");
        return plan;
    }
    // One step per file, told as its records are read, then the checks of
    // the rows against the ledger.
    constexpr qint64 kStep = 1000;
    const qint64 steps = (qint64(files.size()) + 3) * kStep;
    qint64 done = 0;
    auto cancelled = [&] {
        plan = ImportPlan(); // what was read so far is dropped at once
        plan.cancelled = true;
        plan.refusal = QCoreApplication::translate("CsvImport", "预览已取消，没有导入任何记录。");
        return true;
    };
    auto stopped = [&] {
        done += kStep;
        return progress && !progress(done, steps) && cancelled();
    };
    for (const QString& path : files) {
        CsvFile file = ReadCsvFile(path, options.encoding);
        if (!file.ok()) {
            plan.refusal = file.error;
            return plan;
        }
        ImportSource source;
        source.path = path;
        source.digest = file.digest;
        source.encoding = file.encoding;
        if (!file.note.isEmpty())
            plan.notes << QFileInfo(path).fileName() +
                              QCoreApplication::translate("CsvImport", "：") + file.note;
        plan.sources.push_back(source);
        if (progress)
            file.table.SetProgress([&](qint64 read, qint64 total) {
                return progress(done + read * kStep / std::max<qint64>(total, 1), steps);
            });
        ReadImportText(int(plan.sources.size() - 1), file.table, options, plan);
        if (file.table.stopped()) {
            cancelled();
            return plan;
        }
        if (plan.refused() || stopped())
            return plan;
    }
    checkCarTextLengths(plan);
    if (plan.rows.empty() && plan.cars.empty() && plan.reminders.empty()) {
        plan.refusal =
            plan.rejected.empty()
                ? QCoreApplication::translate("CsvImport", "文件里没有可以导入的记录。")
                : QCoreApplication::translate(
                      "CsvImport", "文件里没有一行能够导入（%1 行有问题，见下面的列表）。")
                      .arg(plan.rejected.size());
        return plan;
    }
    if (stopped())
        return plan;
    resolveTargets(db, options, plan);
    if (plan.refused() || stopped())
        return plan;
    markDuplicates(db, plan);
    markReminderDuplicates(db, plan);
    if (plan.refused() || stopped())
        return plan;
    deriveGaugeReadings(db, plan);
    return plan;
}

QString ImportBackupPointName(const QDateTime& when, const QString& folder)
{
    QString stem = BackupPointName(when);
    stem.chop(4); // ".bpt"
    stem += QStringLiteral("-导入前");
    QString name = stem + QStringLiteral(".bpt");
    for (int n = 2; QFileInfo::exists(QDir(folder).filePath(name)); ++n)
        name = stem + QStringLiteral("-%1.bpt").arg(n);
    return name;
}

ImportResult ApplyImport(CMyDatabase& db, const ImportPlan& plan, const QString& backupFolder,
                         const CsvProgress& progress)
{
    ImportResult result;
    if (plan.refused()) {
        result.error = plan.refusal;
        return result;
    }
    if (!db.IsOpen()) {
        result.error = QCoreApplication::translate("CsvImport", "账本没有打开，无法导入。");
        return result;
    }
    for (const ImportSource& source : plan.sources) {
        const QByteArray digest = FileDigest(source.path);
        if (digest.isNull() || digest != source.digest) {
            result.error =
                QCoreApplication::translate(
                    "CsvImport", "文件“%1”在预览之后被修改过，为了不导入与预览不同的内容，"
                                 "没有导入任何记录。请重新导入。")
                    .arg(QFileInfo(source.path).fileName());
            return result;
        }
    }
    bool newCars = false;
    for (const ImportTarget& target : plan.targets)
        newCars = newCars || target.carId.isEmpty();
    if (plan.writtenCount() == 0 && !newCars) {
        result.outcome = ImportResult::Done; // everything is there already
        return result;
    }
    // A ledger that cannot be written gets no backup point of a change never made.
    if (db.IsReadOnly()) {
        result.error =
            QCoreApplication::translate("CsvImport", "写入账本失败，没有导入任何记录：") +
            StorageFaultCause(SQLITE_READONLY, StorageAction::Write);
        return result;
    }
    result.backupPoint = ImportBackupPointName(platform::CurrentDateTime(), backupFolder);
    const SqlStatus backup = MakeBackupPoint(db.FilePath(), backupFolder, result.backupPoint,
                                             db.LedgerKey());
    if (!backup.ok()) {
        result.error =
            QCoreApplication::translate("CsvImport", "导入前的备份没有做成，没有导入任何记录：") +
            backup.message;
        result.backupPoint.clear();
        return result;
    }
    ImportResult written = Writer(db, plan, progress).run();
    written.backupPoint = result.backupPoint;
    return written;
}
