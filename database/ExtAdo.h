#pragma once

#include "database/Statement.h"
#include "database/StorageFault.h"
#include "database/StoredValue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

struct sqlite3;

// The rows of one query, held in memory (a static cursor): values keep SQLite's
// storage class (null, integer, real, text, blob) in a QVariant.
struct AdoResult
{
    QStringList columns;
    std::vector<std::vector<QVariant>> rows;

    int columnIndex(const QString& name) const; // -1 when there is no such column
};

// One connection to the encrypted ledger file. Failures never escape: they
// become false or an empty result, and LastError() tells what failed. Nothing
// is shown to the user here.
class CAdoConnection
{
public:
    CAdoConnection();
    ~CAdoConnection();
    CAdoConnection(const CAdoConnection&) = delete;
    CAdoConnection& operator=(const CAdoConnection&) = delete;

    // Opens an existing file with the password as its key. A file that is not a
    // database, or that needs another key, does not open; LastError() says why.
    bool Open(const QString& path, const QString& password);
    bool IsOpen() const { return m_db != nullptr; }
    void Close();

    // Runs one statement. The result holds its rows (none for statements without
    // rows); a failure answers nullptr.
    std::shared_ptr<AdoResult> Execute(const QString& sql);
    // Runs one statement whose single parameter ?1 is bound to the bytes.
    bool ExecuteWithBlob(const QString& sql, const QByteArray& blob);
    // A statement prepared once on this connection and reused; it shows no
    // failure, its status tells.
    CStatement Prepare(const QByteArray& sql);
    // Names of the user tables of the file (type 'table', no internal tables).
    QStringList TableNames();

    // The outcome of the last statement (or opening): SQLITE_OK after a success.
    const SqlStatus& LastError() const { return m_lastError; }

    // Transactions, used through CTransaction. Begin takes the write lock at
    // once (BEGIN IMMEDIATE). A failed Commit leaves the transaction to Rollback.
    bool BeginTransaction();
    bool CommitTransaction();
    void RollbackTransaction();
    bool InTransaction() const { return m_inTransaction; }

    QString path() const { return m_path; }
    sqlite3* handle() const { return m_db; }

private:
    std::shared_ptr<AdoResult> run(const QString& sql, const QByteArray* blob);
    // Runs a transaction control statement, whose failure counts as a failed write.
    bool control(const char* sql);
    // Keeps the failure as LastError().
    void fail(int code, const QString& message, bool writing);

    sqlite3* m_db = nullptr;
    CStatementCache m_statements;
    QString m_path;
    SqlStatus m_lastError;
    bool m_inTransaction = false;
};

// Reads the current row of one result column by column.
class CAdoRecordSet
{
public:
    explicit CAdoRecordSet(CAdoConnection* connection = nullptr);

    void Attach(std::shared_ptr<AdoResult> result);
    // Runs the query on the connection and holds its rows.
    bool Open(const QString& sql = QString());
    bool IsOpen() const { return m_result != nullptr; }
    bool IsEOF() const;
    bool MoveFirst();
    bool MoveNext();
    int GetRecordCount() const;
    void Close();

    bool GetCollect(const QString& column, QString& value) const;
    bool GetCollect(const QString& column, int& value) const;
    bool GetCollect(const QString& column, double& value) const;
    // The same reads by column position (see ColumnIndex), for walking many rows.
    int ColumnIndex(const QString& column) const;
    bool GetCollect(int column, QString& value) const;
    bool GetCollect(int column, double& value) const;
    // The bytes of a long binary column; false when it holds none.
    bool GetChunk(const QString& column, QByteArray& value) const;

private:
    const QVariant* value(const QString& column) const;
    const QVariant* value(int column) const;

    CAdoConnection* m_connection;
    std::shared_ptr<AdoResult> m_result;
    QString m_source;
    size_t m_row = 0;
};
