#include "database/StorageFault.h"

#include <QCoreApplication>
#include <sqlite3.h>

StorageFault ClassifyStorageFault(int sqliteCode)
{
    switch (sqliteCode & 0xFF) {
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return StorageFault::ReadOnly;
    case SQLITE_FULL:
        return StorageFault::DiskFull;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return StorageFault::Damaged;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return StorageFault::Locked;
    case SQLITE_IOERR:
        return StorageFault::Io;
    default:
        return StorageFault::None;
    }
}

QString StorageFaultCause(int sqliteCode, StorageAction action)
{
    const StorageFault fault = ClassifyStorageFault(sqliteCode);
    if (fault == StorageFault::None)
        return QString();
    if (fault == StorageFault::Damaged)
        return QCoreApplication::translate("StorageFault", "账本文件已损坏。");
    if (action == StorageAction::Read)
        return QCoreApplication::translate("StorageFault", "无法读取账本文件。");
    switch (fault) {
    case StorageFault::ReadOnly:
        if (action == StorageAction::Create)
            return QCoreApplication::translate("StorageFault", "账本文件夹无法写入。");
        if (action == StorageAction::Open)
            return QCoreApplication::translate("StorageFault", "无法读取账本文件。");
        return QCoreApplication::translate("StorageFault", "账本文件是只读的，无法写入。");
    case StorageFault::DiskFull:
        return QCoreApplication::translate("StorageFault", "磁盘空间已满。");
    case StorageFault::Locked:
        return QCoreApplication::translate("StorageFault", "账本文件正被其他程序使用。");
    default:
        return action == StorageAction::Open
                   ? QCoreApplication::translate("StorageFault", "无法读取账本文件。")
                   : QCoreApplication::translate("StorageFault", "无法写入账本文件。");
    }
}

QString StorageFaultMessage(int sqliteCode, bool writing)
{
    const QString cause =
        StorageFaultCause(sqliteCode, writing ? StorageAction::Write : StorageAction::Read);
    if (cause.isEmpty())
        return cause;
    return (writing ? QCoreApplication::translate("StorageFault", "修改没有保存：%1")
                    : QCoreApplication::translate("StorageFault", "读取账本失败：%1"))
        .arg(cause);
}

QString StorageFaultText(int sqliteCode, const QString& systemText)
{
    switch (ClassifyStorageFault(sqliteCode)) {
    case StorageFault::DiskFull:
        return QCoreApplication::translate("StorageFault", "磁盘空间已满");
    case StorageFault::ReadOnly:
        return QCoreApplication::translate("StorageFault", "没有写入权限（%1）").arg(systemText);
    case StorageFault::Damaged:
        return QCoreApplication::translate("StorageFault", "文件已损坏或密码不符");
    case StorageFault::Locked:
        return QCoreApplication::translate("StorageFault", "文件正被其他程序使用");
    default:
        return systemText;
    }
}
