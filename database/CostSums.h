#pragma once

#include "database/LedgerKind.h"

#include <QByteArray>
#include <QHash>
#include <array>
#include <optional>

struct sqlite3;

// What one stored record of a cost ledger adds to its car's figures: its
// shares of the page totals (database/Figures.h, in hundredths) and its value
// in the monthly analyses with the month its date falls in.
struct RecordCost
{
    qint64 cost = 0;   // the amount, or an accessory line's cost as shown
    qint64 volume = 0; // a filling's litres as shown
    // The month as the first eight bytes of its date texts ("2024/05/"), when
    // the date lies within its day 01 to 31 as the month queries compare.
    std::optional<quint64> month;
    // The month value in hundredths, when it is a whole number of them (but
    // for the float noise of the double); else the month is summed by its query.
    std::optional<qint64> monthValue;
};

// The month key of "yyyy/mm/01"-style date bytes: their first eight bytes.
quint64 MonthKey(const char* firstEightBytes);
// The hundredths a value holds, when it is a whole number of them of at most
// a thousand million (so that no sum of a ledger can overflow).
std::optional<qint64> WholeHundredths(double value);

// The figures of one ledger of one car, summed from its records.
struct LedgerCost
{
    struct Month
    {
        qint64 hundredths = 0;
        qint64 unsummed = 0; // records whose value is no whole number of hundredths
    };
    qint64 cost = 0;
    qint64 volume = 0;
    QHash<quint64, Month> months;

    // Adds a record (sign 1) or takes it away (sign -1).
    void Add(const RecordCost& record, int sign);
};

// The cost figures of the cost ledgers (refuelling to accessories) by car,
// summed once from the file and kept up by the store's writes, so that the
// totals and the monthly analyses read no records. Anything the store did not
// account for drops what it touches: a row of a cost ledger changed by any
// other statement (the connection reports each one), a rolled back
// transaction; the figures are then summed from the file again.
class CCostSums
{
public:
    static_assert(int(LedgerKind::Refuel) == 0 && int(LedgerKind::Accessory) == 5,
                  "the cost ledgers come first among the kinds");
    static bool IsCostLedger(LedgerKind kind) { return int(kind) <= int(LedgerKind::Accessory); }

    // The kept figures of the car's ledger; null when they are not kept.
    LedgerCost* Find(LedgerKind kind, const QByteArray& car);
    bool KeepsAny(LedgerKind kind) const { return !m_ledgers[size_t(kind)].isEmpty(); }
    LedgerCost& Keep(LedgerKind kind, const QByteArray& car, LedgerCost figures);

    void Forget();
    void Forget(LedgerKind kind);
    void Forget(LedgerKind kind, const QByteArray& car);
    void ForgetCar(const QByteArray& car);

    // Hears every row change and every rollback of the connection.
    void Watch(sqlite3* connection);

    // While one lives, rows changed in the ledger (or, without one, in every
    // ledger) are the store's own writes, which keep the figures themselves.
    class Writing
    {
    public:
        explicit Writing(CCostSums& sums, std::optional<LedgerKind> kind = std::nullopt);
        ~Writing();
        Writing(const Writing&) = delete;
        Writing& operator=(const Writing&) = delete;

    private:
        CCostSums& m_sums;
        int m_before;
    };

private:
    static void rowChanged(void* sums, int operation, const char* database, const char* table,
                           qint64 row);
    static void rolledBack(void* sums);

    std::array<QHash<QByteArray, LedgerCost>, 6> m_ledgers;
    // The ledger being written by the store (-1: none; see Writing).
    int m_writing = -1;
};
