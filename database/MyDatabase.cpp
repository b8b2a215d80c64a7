#include "database/MyDatabase.h"

#include "database/SqlText.h"
#include "platform/MessageBox.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sqlite3.h>

using namespace platform;

namespace {

void reportError(const QString& message)
{
    MessageBox(nullptr, message, kCaption, MB_OK | MB_ICONERROR);
}

// A connection of its own for changing the file's key, closed on every path.
struct KeyConnection
{
    sqlite3* db = nullptr;
    ~KeyConnection() { sqlite3_close_v2(db); }
    bool exec(const QString& sql) const
    {
        return sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    QString error() const { return QString::fromUtf8(sqlite3_errmsg(db)); }
};

QString keyLiteral(const QString& password)
{
    return QLatin1Char('\'') + SqlText(password) + '\'';
}

} // namespace

CMyDatabase::CMyDatabase() = default;

void CMyDatabase::SetFilePath(const QString& path)
{
    m_filePath = path;
}

void CMyDatabase::SetOpenPassword(const QString& password)
{
    m_openPassword = password;
}

void CMyDatabase::CreateOrOpen()
{
    if (!QFileInfo(m_filePath).isFile() && !CreateDatabaseFile(m_filePath)) {
        reportError(QStringLiteral("数据库创建失败！"));
        return;
    }
    if (!Open()) {
        reportError(QStringLiteral("数据库打开失败！"));
        return;
    }
    for (const auto& definition : LedgerTables())
        EnsureTable(definition);
}

bool CMyDatabase::Open()
{
    if (m_connection.IsOpen())
        return true;
    return m_connection.Open(m_filePath, m_openPassword);
}

bool CMyDatabase::TableExists(const QString& name)
{
    if (!m_connection.IsOpen())
        return false;
    return m_connection.TableNames().contains(name, Qt::CaseSensitive);
}

bool CMyDatabase::EnsureTable(const TableDefinition& definition)
{
    if (TableExists(definition.table.name))
        return true;
    // The statement fails quietly here: the table's own message says what failed.
    if (m_connection.IsOpen() &&
        sqlite3_exec(m_connection.handle(), definition.table.CreateStatement().toUtf8().constData(),
                     nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    reportError(definition.failureMessage);
    return false;
}

bool CMyDatabase::CreateDatabaseFile(const QString& path)
{
    if (QFileInfo::exists(path))
        return false;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    // Writing the schema cookie makes the file a real (empty) database file.
    const bool made = rc == SQLITE_OK &&
                      sqlite3_exec(db, "PRAGMA user_version=0; VACUUM;", nullptr, nullptr,
                                   nullptr) == SQLITE_OK &&
                      QFileInfo::exists(path);
    sqlite3_close_v2(db);
    if (!made) {
        QFile::remove(path);
        return false;
    }
    SetDatabasePassword(QString(), m_databasePassword, path);
    return true;
}

void CMyDatabase::SetDatabasePassword(const QString& oldPassword, const QString& newPassword,
                                      const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    auto fail = [](const QString& description) {
        MessageBox(nullptr, QStringLiteral("error descirbe: ") + description, QString(), MB_OK);
    };

    KeyConnection c;
    // The file exists; CREATE lets the re-keyed copy be attached as a new file.
    if (sqlite3_open_v2(path.toUtf8().constData(), &c.db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        return fail(c.error());
    const QByteArray oldKey = oldPassword.toUtf8();
    if (!oldKey.isEmpty())
        sqlite3_key(c.db, oldKey.constData(), oldKey.size());
    // Exclusive use: the key only changes while no other connection holds the file.
    if (!c.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")) ||
        !c.exec(QStringLiteral("BEGIN EXCLUSIVE")) ||
        !c.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) ||
        !c.exec(QStringLiteral("COMMIT")))
        return fail(c.error());

    if (!oldPassword.isEmpty() && !newPassword.isEmpty()) {
        if (!c.exec(QStringLiteral("PRAGMA rekey=") + keyLiteral(newPassword)))
            fail(c.error());
        return;
    }

    // Encrypting a plain file (or decrypting one) copies it into a new file with
    // the new key, which then replaces the old one; the old file stays intact
    // until the copy is complete.
    const QString copy = path + QStringLiteral(".rekey");
    QFile::remove(copy);
    const bool copied = c.exec(QStringLiteral("ATTACH DATABASE ") + keyLiteral(copy) +
                               QStringLiteral(" AS rekeyed KEY ") + keyLiteral(newPassword)) &&
                        c.exec(QStringLiteral("SELECT sqlcipher_export('rekeyed')")) &&
                        c.exec(QStringLiteral("DETACH DATABASE rekeyed"));
    if (!copied) {
        const QString description = c.error();
        QFile::remove(copy);
        return fail(description);
    }
    sqlite3_close_v2(c.db);
    c.db = nullptr;
    if (std::rename(QFile::encodeName(copy).constData(), QFile::encodeName(path).constData()) !=
        0) {
        QFile::remove(copy);
        fail(QStringLiteral("cannot replace ") + path);
    }
}

std::shared_ptr<AdoResult> CMyDatabase::query(const QString& sql)
{
    if (!m_connection.IsOpen())
        return nullptr;
    return m_connection.Execute(sql);
}
