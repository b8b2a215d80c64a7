#pragma once

#include "database/MyDatabase.h"
#include "database/Schema.h"

#include <QByteArray>
#include <QDate>
#include <QElapsedTimer>
#include <algorithm>
#include <sqlite3.h>
#include <vector>

// The six ledgers whose records cost money: the totals and the monthly analyses read them.
inline constexpr LedgerKind kCostLedgers[] = {LedgerKind::Refuel,   LedgerKind::Repair,
                                              LedgerKind::Maintain, LedgerKind::Accident,
                                              LedgerKind::DailyCost, LedgerKind::Accessory};

// Adds `records` records of CAR0001 to the ledger in one transaction, every
// column filled as the pages write it: dates from `last` back over 360 days,
// amounts and prices with two decimals, counts of 1 to 3, short texts.
inline void FillLedger(CMyDatabase& db, LedgerKind kind, int records, const QDate& last)
{
    const CMyTable* table = FindTable(LedgerTable(kind));
    sqlite3* h = db.Connection().handle();
    sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(h, table->InsertStatement().constData(), -1, &stmt, nullptr);
    const bool refuel = kind == LedgerKind::Refuel;
    for (int i = 0; i < records; ++i) {
        const QByteArray id = QByteArray::number(i + 1).rightJustified(7, '0');
        const QByteArray date = last.addDays(-(i % 360)).toString("yyyy/MM/dd").toLatin1();
        for (int c = 0; c < int(table->fields.size()); ++c) {
            const int index = c + 1;
            switch (table->fields[size_t(c)].field) {
            case LedgerField::CarId:
                sqlite3_bind_text(stmt, index, "CAR0001", -1, SQLITE_STATIC);
                break;
            case LedgerField::RecId:
                sqlite3_bind_text(stmt, index, id.constData(), -1, SQLITE_TRANSIENT);
                break;
            case LedgerField::Date:
                sqlite3_bind_text(stmt, index, date.constData(), -1, SQLITE_TRANSIENT);
                break;
            case LedgerField::Miles:
                sqlite3_bind_double(stmt, index, 1000.0 + i * 10);
                break;
            case LedgerField::Amount:
                sqlite3_bind_double(stmt, index, 10 + i % 97 + (i % 100) / 100.0);
                break;
            case LedgerField::Price:
                sqlite3_bind_double(stmt, index, (refuel ? 7 : 5 + i % 50) + (i % 90) / 100.0);
                break;
            case LedgerField::Count:
                sqlite3_bind_double(stmt, index, 1 + i % 3);
                break;
            case LedgerField::FuelMeter1:
                sqlite3_bind_double(stmt, index, 1 + i % 3);
                break;
            case LedgerField::FuelMeter2:
                sqlite3_bind_double(stmt, index, 8 + i % 3);
                break;
            case LedgerField::Content:
            case LedgerField::Provider:
            case LedgerField::Name:
                sqlite3_bind_text(stmt, index, "高速服务区", -1, SQLITE_STATIC);
                break;
            default:
                sqlite3_bind_text(stmt, index, "", 0, SQLITE_STATIC);
                break;
            }
        }
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
}

// The floor of a figure: the ledgers' rows read by their stored types
// (numbers as doubles, texts as their bytes), nothing kept; by default every
// column of CAR0001's records. Milliseconds.
inline double TypedReadMs(CMyDatabase& db, const std::vector<LedgerKind>& kinds,
                          const QByteArray& columns = "*",
                          const QByteArray& where = "CarID='CAR0001'")
{
    QElapsedTimer timer;
    timer.start();
    double sink = 0;
    for (LedgerKind kind : kinds) {
        const QByteArray sql = "select " + columns + " from \"" + LedgerTable(kind) +
                               "\" where " + where;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db.Connection().handle(), sql.constData(), -1, &stmt, nullptr);
        const int count = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            for (int c = 0; c < count; ++c)
                sink += sqlite3_column_type(stmt, c) == SQLITE_TEXT
                            ? double(sqlite3_column_text(stmt, c) != nullptr)
                            : sqlite3_column_double(stmt, c);
        sqlite3_finalize(stmt);
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    return sink != 0.5 ? ms : 0;
}

inline double MedianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}
