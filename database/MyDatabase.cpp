#include "database/MyDatabase.h"

#include "database/LedgerFile.h"
#include "database/Transaction.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <unistd.h>

CMyDatabase::CMyDatabase() = default;

CMyDatabase::~CMyDatabase()
{
    Close();
}

void CMyDatabase::SetFilePath(const QString& path)
{
    m_filePath = path;
}

void CMyDatabase::SetOpenPassword(const QString& password)
{
    m_openPassword = password;
}

LedgerOpening CMyDatabase::CreateOrOpen()
{
    LedgerOpening opening;
    if (!m_connection.IsOpen())
        RecoverLedgerFile(m_filePath, m_openPassword);
    if (!QFileInfo(m_filePath).isFile()) {
        const SqlStatus created = CreateLedgerFile(m_filePath, m_databasePassword);
        if (!created.ok()) {
            opening.step = LedgerOpening::CreateFailed;
            opening.status = created;
            return opening;
        }
    }
    if (!Open()) {
        opening.step = LedgerOpening::OpenFailed;
        opening.status = m_connection.LastError();
        return opening;
    }
    createMissingTables(opening);
    return opening;
}

void CMyDatabase::createMissingTables(LedgerOpening& opening)
{
    const QStringList existing = m_connection.TableNames();
    std::vector<const CMyTable*> missing;
    for (const CMyTable& table : LedgerTables())
        if (!existing.contains(table.name, Qt::CaseSensitive))
            missing.push_back(&table);
    if (!missing.empty()) {
        // All or none of them.
        bool created = false;
        {
            CTransaction transaction(m_connection);
            created = transaction.Begun();
            for (const CMyTable* table : missing)
                created = created && m_connection.Execute(table->CreateStatement());
            created = created && transaction.Commit();
        }
        if (!created) {
            opening.step = LedgerOpening::TablesFailed;
            opening.status = m_connection.LastError();
            opening.status.writing = true;
            opening.failedTable = missing.front()->name;
            return;
        }
    }
    addMissingColumns(opening);
    ensureIndexes();
}

void CMyDatabase::addMissingColumns(LedgerOpening& opening)
{
    m_missingColumns.clear();
    std::vector<std::pair<const CMyTable*, const CMyField*>> lacking;
    for (const CMyTable& table : LedgerTables()) {
        // The record tables, which the pages read and write column by column.
        if (!table.Field(LedgerField::Date))
            continue;
        CStatement info =
            m_connection.Prepare("PRAGMA table_info(\"" + table.name.toLatin1() + "\")");
        QStringList present;
        while (info.Next())
            present << info.Text(1);
        if (!info.ok() || present.isEmpty())
            continue;
        for (const CMyField& field : table.fields)
            if (!present.contains(field.name, Qt::CaseInsensitive))
                lacking.emplace_back(&table, &field);
    }
    if (lacking.empty())
        return;
    QStringList names;
    bool added = false;
    {
        CTransaction transaction(m_connection);
        added = transaction.Begun();
        for (const auto& [table, field] : lacking) {
            names << table->name + QLatin1Char('.') + field->name;
            added = added && m_connection.Execute(table->AddColumnStatement(*field));
        }
        added = added && transaction.Commit();
    }
    if (added) {
        opening.addedColumns = names;
        return;
    }
    for (const auto& [table, field] : lacking)
        m_missingColumns[table->name] << field->name;
    opening.lostColumns = names;
    opening.status = m_connection.LastError();
    opening.status.writing = true;
}

SqlStatus CMyDatabase::ChangeLedgerKeyTo(const QString& newKey)
{
    const bool wasOpen = m_connection.IsOpen();
    Close();
    const SqlStatus changed = ChangeLedgerKey(m_filePath, m_openPassword, newKey);
    if (changed.ok())
        m_openPassword = m_databasePassword = newKey;
    if (wasOpen && !Open() && changed.ok())
        return m_connection.LastError();
    return changed;
}

bool CMyDatabase::Open()
{
    if (m_connection.IsOpen())
        return true;
    if (!m_connection.Open(m_filePath, m_openPassword))
        return false;
    m_costSums.Watch(m_connection.handle());
    return true;
}

void CMyDatabase::Close()
{
    m_costSums.Forget();
    m_connection.Close();
}

bool CMyDatabase::IsReadOnly() const
{
    if (!m_connection.IsOpen())
        return false;
    sqlite3* db = m_connection.handle();
    if (sqlite3_db_readonly(db, "main") == 1)
        return true;
    sqlite3_stmt* stmt = nullptr;
    bool queryOnly = false;
    if (sqlite3_prepare_v2(db, "PRAGMA query_only", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        queryOnly = sqlite3_column_int(stmt, 0) != 0;
    sqlite3_finalize(stmt);
    // Every write first makes a journal beside the file, in its folder.
    const QString path = m_connection.path();
    return queryOnly || ::access(QFile::encodeName(path).constData(), W_OK) != 0 ||
           ::access(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), W_OK | X_OK) !=
               0;
}

bool CMyDatabase::TableExists(const QString& name)
{
    if (!m_connection.IsOpen())
        return false;
    return m_connection.TableNames().contains(name, Qt::CaseSensitive);
}

SqlStatus CMyDatabase::CreateDatabaseFile(const QString& path)
{
    return CreateLedgerFile(path, m_databasePassword);
}

SqlStatus CMyDatabase::SetDatabasePassword(const QString& oldPassword, const QString& newPassword,
                                           const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    return ChangeLedgerKey(path, oldPassword, newPassword);
}
