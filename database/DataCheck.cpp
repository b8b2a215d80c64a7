#include "database/DataCheck.h"

#include "database/MyDatabase.h"
#include "database/StoredValue.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <sqlite3.h>
#include <tuple>

namespace {

// One record as the check reads it. Identifiers of seven digits and dates
// written "yyyy/MM/dd" are kept as numbers; other texts beside the rows.
struct Row
{
    int car; // index into the car table of the run
    LedgerKind kind;
    int date;       // yyyymmdd; 0 for a text that is no date
    int number;     // the identifier's number; -1 when it is not seven digits
    int texts = -1; // the stored identifier and date, when either is not as above
    double miles = 0;
    double amount = 0;
    double price = 0;
    double gaugeBefore = 0;
    double gaugeAfter = 0;
    bool gaugesUnknown = false;
};

struct Car
{
    QString id;
    QString name;
    bool listed = false;
    double tank = 0;
};

// "yyyy/m/d" as yyyymmdd; 0 for anything else.
int dateKey(QByteArrayView text)
{
    int parts[3] = {0, 0, 0};
    int part = 0, digits = 0;
    for (char c : text) {
        if (c == '/') {
            if (digits == 0 || ++part > 2)
                return 0;
            digits = 0;
        } else if (c >= '0' && c <= '9' && digits < 4) {
            parts[part] = parts[part] * 10 + (c - '0');
            ++digits;
        } else {
            return 0;
        }
    }
    if (part != 2 || digits == 0 || parts[1] < 1 || parts[1] > 12 || parts[2] < 1 || parts[2] > 31)
        return 0;
    return parts[0] * 10000 + parts[1] * 100 + parts[2];
}

// The bytes of a text value; empty for any other value.
QByteArrayView textBytes(sqlite3_value* value)
{
    if (sqlite3_value_type(value) != SQLITE_TEXT)
        return {};
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QByteArrayView(text, sqlite3_value_bytes(value));
}

// The number of an identifier of seven digits; -1 for any other text.
int idNumber(QByteArrayView text)
{
    if (text.size() != 7)
        return -1;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

bool hasWord(QByteArrayView text, QByteArrayView word)
{
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1))
        if ((at == 0 || text[at - 1] == ' ') &&
            (at + word.size() == text.size() || text[at + word.size()] == ' '))
            return true;
    return false;
}

QString dateText(int key)
{
    return QStringLiteral("%1/%2/%3")
        .arg(key / 10000, 4, 10, QLatin1Char('0'))
        .arg(key / 100 % 100, 2, 10, QLatin1Char('0'))
        .arg(key % 100, 2, 10, QLatin1Char('0'));
}

QString kilometres(double miles)
{
    return QString::number(qint64(std::llround(miles)));
}

class Checker
{
public:
    Checker(CMyDatabase& db, const QDate& today, std::vector<CheckFinding>& findings)
        : m_db(db), m_today(today.year() * 10000 + today.month() * 100 + today.day()),
          m_findings(findings)
    {
    }

    SqlStatus Run()
    {
        if (const SqlStatus cars = readCars(); !cars.ok())
            return cars;
        for (LedgerKind kind : kLedgerKinds)
            if (const SqlStatus read = readLedger(kind); !read.ok())
                return read;
        checkRows();
        checkOdometers();
        std::stable_sort(m_found.begin(), m_found.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [order, finding] : m_found)
            m_findings.push_back(std::move(finding));
        return {};
    }

private:
    int carIndex(const QString& id)
    {
        const auto known = m_carIndex.constFind(id);
        if (known != m_carIndex.constEnd())
            return *known;
        m_cars.push_back({id, QString(), false, 0});
        m_carIndex.insert(id, int(m_cars.size() - 1));
        return int(m_cars.size() - 1);
    }

    SqlStatus readCars()
    {
        CStatement list = m_db.Connection().Prepare("select \"CarID\", \"Name\" from \"CarList\"");
        while (list.Next()) {
            Car& car = m_cars[size_t(carIndex(RightTrimmed(list.Text(0))))];
            car.name = RightTrimmed(list.Text(1));
            car.listed = true;
        }
        if (!list.ok())
            return list.Status();
        CStatement tanks =
            m_db.Connection().Prepare("select \"CarID\", \"FuelVolume\" from \"CarProperty\"");
        while (tanks.Next())
            m_cars[size_t(carIndex(RightTrimmed(tanks.Text(0))))].tank = tanks.Number(1);
        return tanks.Status();
    }

    SqlStatus readLedger(LedgerKind kind)
    {
        const bool refuel = kind == LedgerKind::Refuel;
        const bool amount = kind != LedgerKind::CarLog && kind != LedgerKind::Accessory;
        QByteArray sql = "select \"CarID\", \"RecID\", \"DateTimee\", \"Miles\", ";
        sql += amount ? "\"Amount\"" : "0";
        sql += refuel ? ", \"Price\", \"FuelMeter1\", \"FuelMeter2\", \"Reserved1\"" : "";
        sql += QByteArray(" from \"") + LedgerTable(kind) + '"';
        CStatement select = m_db.Connection().Prepare(sql);
        QByteArray lastCar;
        int car = -1;
        while (select.Next()) {
            const QByteArrayView carBytes = textBytes(select.Value(0));
            if (car < 0 || carBytes != lastCar) {
                lastCar = carBytes.toByteArray();
                car = carIndex(RightTrimmed(select.Text(0)));
            }
            Row& row = m_rows.emplace_back();
            row.car = car;
            row.kind = kind;
            const QByteArrayView recId = textBytes(select.Value(1));
            const QByteArrayView date = textBytes(select.Value(2));
            row.number = idNumber(recId);
            row.date = dateKey(date);
            if (row.number < 0 || date.size() != 10 || row.date == 0) {
                row.texts = int(m_texts.size());
                m_texts.emplace_back(select.Text(1), select.Text(2));
            }
            row.miles = select.Number(3);
            row.amount = select.Number(4);
            if (refuel) {
                row.price = select.Number(5);
                row.gaugeBefore = select.Number(6);
                row.gaugeAfter = select.Number(7);
                row.gaugesUnknown = hasWord(textBytes(select.Value(8)), "nogauge");
            }
        }
        return select.Status();
    }

    QString recIdOf(const Row& row) const
    {
        return row.texts >= 0 ? m_texts[size_t(row.texts)].first : RecordIdText(row.number);
    }
    QString dateOf(const Row& row) const
    {
        return row.texts >= 0 ? m_texts[size_t(row.texts)].second : dateText(row.date);
    }

    void add(const Row& row, CheckFault fault, const QString& problem)
    {
        const Car& car = m_cars[size_t(row.car)];
        const QString recId = recIdOf(row);
        m_found.emplace_back(std::tuple(row.car, int(row.kind), recId),
                             CheckFinding{fault, row.kind, car.id,
                                          car.listed ? car.name : QString(), recId, dateOf(row),
                                          problem});
    }

    void checkRows()
    {
        // The same date, reading and amount in one ledger of one car: sorted
        // by them, the later rows of a run of equal ones are reported.
        struct Key
        {
            int car, kind, date;
            qint64 miles, amount;
            size_t index;
            auto tie() const { return std::tie(car, kind, date, miles, amount); }
        };
        std::vector<Key> keys;
        keys.reserve(m_rows.size());
        for (size_t i = 0; i < m_rows.size(); ++i) {
            const Row& row = m_rows[i];
            const Car& car = m_cars[size_t(row.car)];
            if (!car.listed)
                add(row, CheckFault::NoCar,
                    QCoreApplication::translate("DataCheck", "车辆 %1 已不存在").arg(car.id));
            if (row.date > m_today)
                add(row, CheckFault::FutureDate,
                    QCoreApplication::translate("DataCheck", "日期在今天之后"));
            if (row.kind == LedgerKind::Refuel)
                checkFilling(row, car);
            if ((row.miles > 0 || row.amount > 0) && row.kind != LedgerKind::CarLog &&
                row.kind != LedgerKind::Accessory)
                keys.push_back({row.car, int(row.kind), row.date, std::llround(row.miles * 100),
                                std::llround(row.amount * 100), i});
        }
        std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
            return a.tie() != b.tie() ? a.tie() < b.tie() : a.index < b.index;
        });
        for (size_t i = 1; i < keys.size(); ++i)
            if (keys[i].tie() == keys[i - 1].tie())
                add(m_rows[keys[i].index], CheckFault::Duplicate,
                    QCoreApplication::translate("DataCheck",
                                                "与另一条记录的日期、里程和金额都相同"));
    }

    void checkFilling(const Row& row, const Car& car)
    {
        if (row.price == 0 && row.amount > 0)
            add(row, CheckFault::NoPrice,
                QCoreApplication::translate("DataCheck", "有金额 %1 元，单价却是 0")
                    .arg(row.amount, 0, 'f', 2));
        if (!row.gaugesUnknown && row.gaugeAfter < row.gaugeBefore)
            add(row, CheckFault::GaugeFell,
                QCoreApplication::translate("DataCheck", "加后油表 %1 格低于加前油表 %2 格")
                    .arg(row.gaugeAfter, 0, 'f', 2)
                    .arg(row.gaugeBefore, 0, 'f', 2));
        if (car.tank > 0 && row.price > 0) {
            const double litres = row.amount / row.price;
            if (std::round(litres * 100) > std::round(car.tank * 100))
                add(row, CheckFault::OverTank,
                    QCoreApplication::translate("DataCheck", "加油量 %1 升大于油箱容积 %2 升")
                        .arg(litres, 0, 'f', 2)
                        .arg(car.tank, 0, 'f', 2));
        }
    }

    // Across all ledgers of a car, by date: a reading below the highest of
    // an earlier date. Records of one date may come in any order.
    void checkOdometers()
    {
        struct Reading
        {
            int car, date;
            size_t index;
        };
        std::vector<Reading> read;
        read.reserve(m_rows.size());
        for (size_t i = 0; i < m_rows.size(); ++i)
            if (m_rows[i].miles > 0 && m_rows[i].date > 0)
                read.push_back({m_rows[i].car, m_rows[i].date, i});
        std::sort(read.begin(), read.end(), [](const Reading& a, const Reading& b) {
            return std::tie(a.car, a.date, a.index) < std::tie(b.car, b.date, b.index);
        });
        const Row* highest = nullptr;      // of the dates before the current one
        const Row* highestOfDay = nullptr; // of the current date
        for (size_t i = 0; i < read.size(); ++i) {
            const Row* row = &m_rows[read[i].index];
            if (i == 0 || read[i].car != read[i - 1].car) {
                highest = nullptr;
                highestOfDay = nullptr;
            } else if (read[i].date != read[i - 1].date) {
                if (highestOfDay && (!highest || highestOfDay->miles > highest->miles))
                    highest = highestOfDay;
                highestOfDay = nullptr;
            }
            if (highest && std::round(row->miles * 100) < std::round(highest->miles * 100))
                add(*row, CheckFault::OdometerBackwards,
                    QCoreApplication::translate("DataCheck",
                                                "里程 %1 公里小于此前 %2 %3 %4 的 %5 公里")
                        .arg(kilometres(row->miles), dateOf(*highest), LedgerName(highest->kind),
                             recIdOf(*highest), kilometres(highest->miles)));
            if (!highestOfDay || row->miles > highestOfDay->miles)
                highestOfDay = row;
        }
    }

    CMyDatabase& m_db;
    int m_today;
    std::vector<CheckFinding>& m_findings;
    std::vector<Car> m_cars;
    QHash<QString, int> m_carIndex;
    std::vector<Row> m_rows;
    std::vector<std::pair<QString, QString>> m_texts; // identifier and date
    std::vector<std::pair<std::tuple<int, int, QString>, CheckFinding>> m_found;
};

} // namespace

SqlStatus CheckLedgerData(CMyDatabase& db, const QDate& today, std::vector<CheckFinding>& findings)
{
    findings.clear();
    if (!db.IsOpen())
        return store::Closed();
    return Checker(db, today, findings).Run();
}

QString CheckFindingText(const CheckFinding& f)
{
    return QCoreApplication::translate("DataCheck", "【%1】%2 %3（%4）：%5")
        .arg(f.carName.isEmpty() ? f.carId : f.carName, LedgerName(f.kind), f.recId, f.date,
             f.problem);
}
