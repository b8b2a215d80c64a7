#pragma once

#include <QString>

// What the outcome of one statement or file operation was: SQLite's (extended)
// result code, 0 (SQLITE_OK) for success, and the error text; `writing` tells
// whether the failed work would have changed the ledger. The store's own
// refusals have negative codes (below), which SQLite never uses.
struct SqlStatus
{
    int code = 0;
    QString message;
    bool writing = false;

    bool ok() const { return code == 0; }
};

namespace store {
// The ledger is closed: every operation answers this and nobody is told.
inline constexpr int kClosed = -1;
// An insert would number records beyond 9999999.
inline constexpr int kIdsExhausted = -2;
// The car in use cannot be deleted.
inline constexpr int kCurrentCar = -3;
// A bulk operation its caller stopped (SQLITE_INTERRUPT).
inline constexpr int kStopped = 9;
// An undo or redo found its record no longer in the ledger.
inline constexpr int kRecordGone = -4;
// An undo or redo would put back a record whose identifier another one has.
inline constexpr int kRecordTaken = -5;

inline SqlStatus Closed()
{
    return {kClosed, QStringLiteral("the ledger is not open")};
}
inline SqlStatus RecordGone()
{
    return {kRecordGone, QStringLiteral("the record is gone"), true};
}
inline SqlStatus RecordTaken()
{
    return {kRecordTaken, QStringLiteral("the record identifier is taken"), true};
}
} // namespace store

// The causes of a failure that lie in the ledger file or its disk rather than
// in the statement itself.
enum class StorageFault
{
    None,     // not a storage fault (an SQL error, a refused constraint, ...)
    ReadOnly, // the file or its folder cannot be written
    DiskFull,
    Damaged,
    Locked, // another program holds the file
    Io,     // any other input/output failure
};

// Sorts an SQLite result code (plain or extended) into its storage fault.
StorageFault ClassifyStorageFault(int sqliteCode);

// What was being done when the fault struck; the sentence naming the cause
// depends on it.
enum class StorageAction
{
    Read,   // a query
    Write,  // a statement that changes the ledger
    Create, // building a new ledger file
    Open,   // opening the existing ledger file
};

// The sentence naming the cause ("磁盘空间已满。"); empty when the code is no
// storage fault.
QString StorageFaultCause(int sqliteCode, StorageAction action);

// The message shown for a failed statement with a storage fault, e.g.
// "修改没有保存：磁盘空间已满。" or "读取账本失败：账本文件已损坏。"; empty when the
// code is no storage fault.
QString StorageFaultMessage(int sqliteCode, bool writing);

// The cause of a failed file step (a copy, a backup, a restore) in words the
// user reads, with the system's own text for anything less common.
QString StorageFaultText(int sqliteCode, const QString& systemText);
