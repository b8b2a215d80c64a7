#include "database/MyDatabase.h"

#include "database/LedgerFile.h"
#include "database/StoreReport.h"
#include "database/Transaction.h"
#include "platform/MessageCodes.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <unistd.h>

using namespace platform;

namespace {

void reportError(const QString& message)
{
    ReportStoreMessage(message, kCaption, MB_OK | MB_ICONERROR);
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
    if (!m_connection.IsOpen())
        RecoverLedgerFile(m_filePath, m_openPassword);
    if (!QFileInfo(m_filePath).isFile()) {
        const SqlStatus created = CreateLedgerFile(m_filePath, m_databasePassword);
        if (!created.ok()) {
            reportError(QStringLiteral("数据库创建失败！") +
                        StorageFaultCause(created.code, StorageAction::Create));
            return;
        }
    }
    if (!Open()) {
        reportError(QStringLiteral("数据库打开失败！") +
                    StorageFaultCause(m_connection.LastError().code, StorageAction::Open));
        return;
    }
    createMissingTables();
}

void CMyDatabase::createMissingTables()
{
    const QStringList existing = m_connection.TableNames();
    std::vector<const TableDefinition*> missing;
    for (const auto& definition : LedgerTables())
        if (!existing.contains(definition.table.name, Qt::CaseSensitive))
            missing.push_back(&definition);
    if (!missing.empty() && !createTables(missing))
        return;
    addMissingColumns();
    ensureIndexes();
}

void CMyDatabase::addMissingColumns()
{
    m_missingColumns.clear();
    std::vector<std::pair<const CMyTable*, const CMyField*>> lacking;
    for (const auto& definition : LedgerTables()) {
        const CMyTable& table = definition.table;
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
        CTransaction transaction(m_connection, CTransaction::Quiet);
        added = transaction.Begun();
        for (const auto& [table, field] : lacking) {
            names << table->name + QLatin1Char('.') + field->name;
            added = added && m_connection.Execute(table->AddColumnStatement(*field));
        }
        added = added && transaction.Commit();
    }
    if (added) {
        reportError(QStringLiteral("账本文件缺少以下各列，已经补上（内容为空）：%1。")
                        .arg(names.join(QStringLiteral("、"))));
        return;
    }
    for (const auto& [table, field] : lacking)
        m_missingColumns[table->name] << field->name;
    reportError(QStringLiteral("账本文件缺少以下各列，无法补上：%1。这些内容不能显示，"
                               "对它们的修改也不能保存。")
                    .arg(names.join(QStringLiteral("、"))) +
                StorageFaultCause(m_connection.LastError().code, StorageAction::Write));
}

bool CMyDatabase::createTables(const std::vector<const TableDefinition*>& tables)
{
    bool created = false;
    if (m_connection.IsOpen()) {
        // Quiet: the first table's own message says what failed.
        CTransaction transaction(m_connection, CTransaction::Quiet);
        created = transaction.Begun();
        for (const TableDefinition* definition : tables)
            created = created && m_connection.Execute(definition->table.CreateStatement());
        created = created && transaction.Commit();
    }
    // On failure none of them was made.
    if (!created)
        reportError(tables.front()->failureMessage +
                    StorageFaultCause(m_connection.LastError().code, StorageAction::Write));
    return created;
}

bool CMyDatabase::Open()
{
    if (m_connection.IsOpen())
        return true;
    return m_connection.Open(m_filePath, m_openPassword);
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

bool CMyDatabase::EnsureTable(const TableDefinition& definition)
{
    return TableExists(definition.table.name) || createTables({&definition});
}

bool CMyDatabase::CreateDatabaseFile(const QString& path)
{
    return CreateLedgerFile(path, m_databasePassword).ok();
}

void CMyDatabase::SetDatabasePassword(const QString& oldPassword, const QString& newPassword,
                                      const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    const SqlStatus changed = ChangeLedgerKey(path, oldPassword, newPassword);
    if (!changed.ok())
        ReportStoreMessage(QStringLiteral("error descirbe: ") + changed.message, QString(), MB_OK);
}
