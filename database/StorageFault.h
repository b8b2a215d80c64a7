#pragma once

#include <QString>

// What the outcome of one statement or file operation was: SQLite's (extended)
// result code, 0 (SQLITE_OK) for success, and the error text.
struct SqlStatus
{
    int code = 0;
    QString message;

    bool ok() const { return code == 0; }
};

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
