#pragma once

#include "database/LedgerContext.h"

#include <QDate>
#include <QString>
#include <sqlite3.h>

// The ledger context of the benchmarks' pages: a new ledger in the folder
// with one car, "bench" (CAR0001), as the current car.
class BenchLedger : public LedgerContext
{
public:
    explicit BenchLedger(const QString& folder)
    {
        m_database.SetFilePath(folder + "/CAR.mdb");
        m_database.CreateOrOpen();
        m_database.NewCar("bench");
        m_database.SetCurrentCar("CAR0001");
    }
};

// Adds records refuellings of CAR0001 in one transaction, three a day from
// 2000/01/01, every fourth with the note.
inline void FillRefuelLedger(CMyDatabase& db, int records, const QByteArray& note)
{
    sqlite3* h = db.Connection().handle();
    sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(h,
                       "insert into Refuel (CarID, RecID, DateTimee, Mark, Miles, Amount, Price, "
                       "FuelMeter1, FuelMeter2, Reserved1, Reserved2, Reserved3, Reserved4) "
                       "values ('CAR0001', ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, '', '', '', '')",
                       -1, &stmt, nullptr);
    for (int i = 0; i < records; ++i) {
        const QByteArray id = QByteArray::number(i + 1).rightJustified(7, '0');
        const QByteArray date = QDate(2000, 1, 1).addDays(i / 3).toString("yyyy/MM/dd").toLatin1();
        sqlite3_bind_text(stmt, 1, id.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, date.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 3, i % 4 == 0 ? note.constData() : "", -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(stmt, 4, 1000.0 + i * 450 + (i % 7) * 0.5);
        sqlite3_bind_double(stmt, 5, 250.0 + (i * 37) % 200 + (i % 100) / 100.0);
        sqlite3_bind_double(stmt, 6, 7.0 + (i % 90) / 100.0);
        sqlite3_bind_double(stmt, 7, 1 + i % 3);
        sqlite3_bind_double(stmt, 8, 8 + i % 3);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
}
