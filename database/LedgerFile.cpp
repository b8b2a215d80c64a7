#include "database/LedgerFile.h"

#include "database/MyDatabase.h"
#include "database/Names.h"
#include "database/Schema.h"
#include "database/SqlText.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

// A connection of its own to one file, closed on every path.
class FileConnection
{
public:
    FileConnection() = default;
    ~FileConnection() { close(); }
    FileConnection(const FileConnection&) = delete;
    FileConnection& operator=(const FileConnection&) = delete;

    SqlStatus open(const QString& path, int flags, const QString& key)
    {
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
        if (rc != SQLITE_OK)
            return m_db ? status() : SqlStatus{rc, QString::fromUtf8(sqlite3_errstr(rc))};
        const QByteArray bytes = key.toUtf8();
        if (!bytes.isEmpty())
            sqlite3_key(m_db, bytes.constData(), bytes.size());
        sqlite3_busy_timeout(m_db, 5000);
        return {};
    }
    void close()
    {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    bool exec(const QString& sql) const
    {
        return sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    // The first column of every row; empty when the query fails.
    QStringList column(const char* sql) const
    {
        QStringList values;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) == SQLITE_OK)
            while (sqlite3_step(stmt) == SQLITE_ROW)
                values << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return values;
    }
    SqlStatus status() const
    {
        return {sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db))};
    }
    sqlite3* handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

QString keyLiteral(const QString& password)
{
    return QLatin1Char('\'') + SqlText(password) + '\'';
}

// A failed system call as the SQLite code of the same cause.
SqlStatus systemFailure(int error, const QString& what)
{
    int code = SQLITE_IOERR;
    if (error == ENOSPC || error == EDQUOT)
        code = SQLITE_FULL;
    else if (error == EROFS || error == EACCES || error == EPERM)
        code = SQLITE_READONLY;
    return {code, what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error))};
}

bool flush(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

void removeWithJournal(const QString& path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

// Renames a complete file over target, after its bytes and before the folder
// entry are on the disk.
SqlStatus moveIntoPlace(const QString& from, const QString& target)
{
    if (!flush(from, O_RDONLY))
        return systemFailure(errno, QStringLiteral("fsync ") + from);
    // A journal left without its ledger belongs to no file; it must not be
    // played into the file that takes the ledger's place.
    if (!QFileInfo::exists(target))
        QFile::remove(target + QStringLiteral("-journal"));
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(target).constData()) !=
        0)
        return systemFailure(errno, QStringLiteral("rename ") + from);
    // The rename itself is done; a folder that cannot be flushed only makes it
    // less certain to survive a power cut, and either name holds a whole ledger.
    flush(QFileInfo(target).absolutePath(), O_RDONLY | O_DIRECTORY);
    return {};
}

// The file behind the connection passes SQLite's quick check (a hot journal of
// the file is rolled back first, and a wrong key fails).
bool readsBack(const FileConnection& c)
{
    return c.column("PRAGMA quick_check") == QStringList{QStringLiteral("ok")};
}

bool isCompleteLedger(const QString& path, const QString& key)
{
    FileConnection c;
    if (!c.open(path, SQLITE_OPEN_READWRITE, key).ok() || !readsBack(c))
        return false;
    const QStringList names = c.column("SELECT name FROM sqlite_master WHERE type='table'");
    // The care reminders came later: a file made before them is complete
    // without them (opening makes them).
    for (const CMyTable& table : LedgerTables())
        if (table.name != QLatin1String(tbl::CareReminder) &&
            !names.contains(table.name, Qt::CaseSensitive))
            return false;
    return true;
}

bool isUnencryptedDatabase(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16);
}

SqlStatus buildLedger(const QString& path, const QString& key)
{
    FileConnection c;
    if (SqlStatus opened = c.open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, key);
        !opened.ok())
        return opened;
    bool built = c.exec(QStringLiteral("PRAGMA synchronous=EXTRA")) &&
                 c.exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (const CMyTable& table : LedgerTables())
        built = built && c.exec(table.CreateStatement());
    if (!built || !c.exec(QStringLiteral("COMMIT")))
        return c.status();
    return {};
}

SqlStatus described(const SqlStatus& status, const QString& step)
{
    return {status.code ? status.code : SQLITE_ERROR,
            QCoreApplication::translate("LedgerFile", "%1：%2")
                .arg(step, StorageFaultText(status.code, status.message))};
}

// Copies every page of source into the new file at copy in one pass, retrying
// while a writer of source holds it locked for a moment.
SqlStatus onlineCopy(const QString& source, const QString& copy, const QString& key)
{
    if (!QFileInfo(source).isFile())
        return {SQLITE_CANTOPEN, QCoreApplication::translate("LedgerFile", "账本文件不存在")};
    FileConnection from;
    // The first read checks the key and rolls back a hot journal of source.
    if (SqlStatus opened = from.open(source, SQLITE_OPEN_READWRITE, key);
        !opened.ok() || !from.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return described(opened.ok() ? from.status() : opened,
                         QCoreApplication::translate("LedgerFile", "无法读取账本文件"));
    FileConnection to;
    if (SqlStatus opened = to.open(copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, key);
        !opened.ok())
        return described(opened, QCoreApplication::translate("LedgerFile", "无法创建副本文件"));
    sqlite3_backup* backup = sqlite3_backup_init(to.handle(), "main", from.handle(), "main");
    if (!backup)
        return described(to.status(), QCoreApplication::translate("LedgerFile", "无法复制账本"));
    QElapsedTimer waited;
    waited.start();
    int rc = SQLITE_OK;
    do {
        rc = sqlite3_backup_step(backup, -1);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(50);
    } while ((rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED) &&
             waited.elapsed() < 30000);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        // The copy's connection holds the message when it failed itself;
        // otherwise the step's result names the cause.
        const SqlStatus failure =
            to.status().ok() ? SqlStatus{rc, QString::fromUtf8(sqlite3_errstr(rc))} : to.status();
        return described(failure, QCoreApplication::translate("LedgerFile", "复制账本失败"));
    }
    return {};
}

// Rolls a journal beside target back into target: it belongs to the file
// about to be replaced and must never be played into the copy that takes its
// place. What is left of it afterwards is no hot journal and goes.
SqlStatus settleJournal(const QString& target, const QString& key)
{
    const QString journal = target + QStringLiteral("-journal");
    if (!QFileInfo::exists(target) || !QFileInfo::exists(journal))
        return {};
    {
        FileConnection c;
        if (SqlStatus opened = c.open(target, SQLITE_OPEN_READWRITE, key);
            !opened.ok() || !c.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            return described(opened.ok() ? c.status() : opened,
                             QCoreApplication::translate("LedgerFile", "被替换的文件无法读取"));
    }
    if (QFileInfo::exists(journal) && !QFile::remove(journal))
        return {SQLITE_IOERR,
                QCoreApplication::translate("LedgerFile", "无法删除文件 %1").arg(journal)};
    return {};
}

} // namespace

SqlStatus CreateLedgerFile(const QString& path, const QString& key)
{
    const SqlStatus exists{SQLITE_ERROR, QStringLiteral("a file exists at ") + path};
    if (QFileInfo::exists(path))
        return exists;
    const QString temporary = path + kCreatingSuffix;
    removeWithJournal(temporary);
    SqlStatus status = buildLedger(temporary, key);
    if (status.ok())
        status = QFileInfo::exists(path) ? exists : moveIntoPlace(temporary, path);
    if (!status.ok())
        removeWithJournal(temporary);
    return status;
}

bool LedgerOpensWithKey(const QString& path, const QString& key)
{
    if (!QFileInfo(path).isFile())
        return false;
    FileConnection c;
    return c.open(path, SQLITE_OPEN_READONLY, key).ok() &&
           !c.column("SELECT count(*) FROM sqlite_master").isEmpty();
}

QString OwnerLedgerKeyFor(const QString& path, const QString& typed, bool startupPasswordTyped)
{
    if (!typed.isEmpty() && LedgerOpensWithKey(path, typed))
        return typed;
    if (startupPasswordTyped && LedgerOpensWithKey(path, CMyDatabase::kDatabasePassword))
        return CMyDatabase::kDatabasePassword;
    return QString();
}

bool IsCompleteLedgerFile(const QString& path, const QString& key)
{
    return QFileInfo(path).isFile() && isCompleteLedger(path, key);
}

SqlStatus CopyLedgerFile(const QString& source, const QString& target, const QString& temporary,
                         const QString& key)
{
    removeWithJournal(temporary);
    SqlStatus status = onlineCopy(source, temporary, key);
    if (status.ok() && !isCompleteLedger(temporary, key))
        status = {SQLITE_CORRUPT,
                  QCoreApplication::translate("LedgerFile", "副本检查未通过：复制的文件不完整")};
    if (status.ok())
        status = settleJournal(target, key);
    if (status.ok()) {
        status = moveIntoPlace(temporary, target);
        if (!status.ok())
            status = described(status, QCoreApplication::translate("LedgerFile", "无法保存副本"));
    }
    if (!status.ok())
        removeWithJournal(temporary);
    return status;
}

SqlStatus CopyFileBytes(const QString& source, const QString& target)
{
    const QFileInfo info(target);
    for (const QString& suffix : {QString(), QStringLiteral("-journal")}) {
        if (!suffix.isEmpty() && !QFileInfo::exists(source + suffix))
            break;
        // A leading dot keeps the unfinished copy out of folder listings.
        const QString part =
            info.absolutePath() + QStringLiteral("/.") + info.fileName() + suffix + ".part";
        QFile::remove(part);
        if (!QFile::copy(source + suffix, part)) {
            QFile::remove(part);
            return {
                SQLITE_IOERR,
                QCoreApplication::translate("LedgerFile", "无法复制文件 %1").arg(source + suffix)};
        }
        if (SqlStatus moved = moveIntoPlace(part, target + suffix); !moved.ok()) {
            QFile::remove(part);
            return moved;
        }
    }
    return {};
}

SqlStatus ChangeLedgerKey(const QString& path, const QString& oldKey, const QString& newKey)
{
    FileConnection c;
    // The file exists; CREATE lets the re-keyed copy be attached as a new file.
    if (SqlStatus opened = c.open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, oldKey);
        !opened.ok())
        return opened;
    // Exclusive use: the key only changes while no other connection holds the file.
    if (!c.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")) ||
        !c.exec(QStringLiteral("BEGIN EXCLUSIVE")) ||
        !c.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) ||
        !c.exec(QStringLiteral("COMMIT")))
        return c.status();

    if (!oldKey.isEmpty() && !newKey.isEmpty()) {
        // Every page is rewritten in one journaled transaction: a kill leaves
        // the file with the old key.
        if (!c.exec(QStringLiteral("PRAGMA rekey=") + keyLiteral(newKey)))
            return c.status();
        return {};
    }

    // Encrypting a plain file (or decrypting one) copies it into a new file
    // with the new key, which replaces the old one only once it reads back
    // whole; until then the old file stays as it was.
    const QString copy = path + kRekeySuffix;
    removeWithJournal(copy);
    const bool copied = c.exec(QStringLiteral("ATTACH DATABASE ") + keyLiteral(copy) +
                               QStringLiteral(" AS rekeyed KEY ") + keyLiteral(newKey)) &&
                        c.exec(QStringLiteral("SELECT sqlcipher_export('rekeyed')")) &&
                        c.exec(QStringLiteral("DETACH DATABASE rekeyed"));
    SqlStatus status = copied ? SqlStatus{} : c.status();
    c.close();
    if (status.ok()) {
        FileConnection check;
        if (!check.open(copy, SQLITE_OPEN_READWRITE, newKey).ok() || !readsBack(check))
            status = {SQLITE_CORRUPT, QStringLiteral("the re-keyed copy does not read back")};
    }
    if (status.ok())
        status = moveIntoPlace(copy, path);
    if (!status.ok())
        removeWithJournal(copy);
    return status;
}

void RecoverLedgerFile(const QString& path, const QString& key)
{
    // A key change's or a restore's copy first: they hold the ledger's data, a
    // creation's file holds none.
    for (const char* suffix : {kRekeySuffix, kRestoringSuffix, kCreatingSuffix}) {
        const QString leftover = path + suffix;
        if (!QFileInfo::exists(leftover) && !QFileInfo::exists(leftover + "-journal"))
            continue;
        const bool adopt = !QFileInfo::exists(path) && QFileInfo(leftover).isFile() &&
                           isCompleteLedger(leftover, key);
        if (adopt && !moveIntoPlace(leftover, path).ok())
            continue; // kept for the next start
        removeWithJournal(leftover);
    }
    if (!key.isEmpty() && isUnencryptedDatabase(path))
        ChangeLedgerKey(path, QString(), key);
}
