// Times the consistency check ("数据检查", orvyn --check) on a ledger with the
// given number of records in each of the seven ledgers (100 000 unless told),
// one car, a reading that rises day by day and a few planted faults. Prints
// the best and the median of five runs and the findings, with the floor: a
// plain read of the same rows, measured in the same run.
//
//   check_bench [records-per-ledger]
#include "bench/BenchLedger.h"
#include "bench/FilledLedgers.h"
#include "database/DataCheck.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <vector>

namespace {

void fill(CMyDatabase& db, LedgerKind kind, int records)
{
    const bool amount = kind != LedgerKind::CarLog && kind != LedgerKind::Accessory;
    const bool refuel = kind == LedgerKind::Refuel;
    QByteArray sql = QByteArray("insert into \"") + LedgerTable(kind) +
                     "\" (CarID, RecID, DateTimee, Miles" + (amount ? ", Amount" : "") +
                     (refuel ? ", Price, FuelMeter1, FuelMeter2" : "") +
                     ") values ('CAR0001', ?1, ?2, ?3" + (amount ? ", ?4" : "") +
                     (refuel ? ", ?5, ?6, ?7" : "") + ")";
    sqlite3* h = db.Connection().handle();
    sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(h, sql.constData(), -1, &stmt, nullptr);
    for (int i = 0; i < records; ++i) {
        const QByteArray id = QByteArray::number(i + 1).rightJustified(7, '0');
        const int day = i / 8;
        const QByteArray date = QDate(1950, 1, 1).addDays(day).toString("yyyy/MM/dd").toLatin1();
        // Every 10 000th reading goes back: a fault the check reports.
        const double miles = 1000.0 + day * 40 + int(kind) - (i % 10000 == 9999 ? 500 : 0);
        sqlite3_bind_text(stmt, 1, id.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, date.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(stmt, 3, miles);
        if (amount)
            sqlite3_bind_double(stmt, 4, 100.0 + i % 250 + int(kind) * 0.01);
        if (refuel) {
            sqlite3_bind_double(stmt, 5, 7.5);
            sqlite3_bind_double(stmt, 6, 1 + i % 3);
            sqlite3_bind_double(stmt, 7, 8 + i % 3);
        }
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    QTemporaryDir folder;
    BenchLedger ledger(folder.path());
    CMyDatabase& db = ledger.m_database;
    db.Connection().Execute("insert into CarProperty (CarID, FuelVolume) values ('CAR0001', 50)");
    for (LedgerKind kind : kLedgerKinds)
        fill(db, kind, records);

    std::vector<double> times;
    std::vector<CheckFinding> findings;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        CheckLedgerData(db, QDate(2026, 1, 1), findings);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    // The floor: every ledger's rows read by their stored types, nothing kept.
    const double floor = TypedReadMs(db, {kLedgerKinds.begin(), kLedgerKinds.end()},
                                     "CarID, RecID, DateTimee, Miles", "1");
    std::printf("check of %d records in each of 7 ledgers: best %.0f ms, median %.0f ms "
                "(plain read %.0f ms, %.1fx), %zu findings\n",
                records, times.front(), times[2], floor, floor > 0 ? times[2] / floor : 0.0,
                findings.size());
    return 0;
}
