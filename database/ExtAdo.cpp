#include "database/ExtAdo.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace {

QVariant columnValue(sqlite3_stmt* stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_TEXT:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                              sqlite3_column_bytes(stmt, i)));
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, i));
        return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, i)));
    }
    default:
        return QVariant();
    }
}

} // namespace

int AdoResult::columnIndex(const QString& name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

CAdoConnection::CAdoConnection() = default;

CAdoConnection::~CAdoConnection()
{
    Close();
}

bool CAdoConnection::Open(const QString& path, const QString& password)
{
    Close();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        m_lastError = {SQLITE_CANTOPEN, QString::fromUtf8(sqlite3_errstr(SQLITE_CANTOPEN))};
        return false;
    }
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        const QByteArray key = password.toUtf8();
        if (!key.isEmpty())
            sqlite3_key(db, key.constData(), key.size());
        sqlite3_busy_timeout(db, 5000);
        // The key is only tried by the first read: a wrong key or a file that is
        // not a database fails here.
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        // Up to 64 MB of decrypted pages stay in memory, so the page that
        // reads a ledger just after the start-up totals read it decrypts it
        // once, not twice.
        if (rc == SQLITE_OK)
            rc = sqlite3_exec(db, "PRAGMA synchronous=EXTRA; PRAGMA cache_size=-65536", nullptr,
                              nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        m_lastError =
            db ? SqlStatus{sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db))}
               : SqlStatus{rc, QString::fromUtf8(sqlite3_errstr(rc))};
        sqlite3_close(db);
        return false;
    }
    m_db = db;
    m_path = path;
    m_lastError = {};
    return true;
}

void CAdoConnection::Close()
{
    m_statements.Clear();
    if (m_db) {
        sqlite3_close_v2(m_db); // an open transaction is rolled back
        m_db = nullptr;
    }
    m_inTransaction = false;
}

std::shared_ptr<AdoResult> CAdoConnection::Execute(const QString& sql)
{
    return run(sql, nullptr);
}

bool CAdoConnection::ExecuteWithBlob(const QString& sql, const QByteArray& blob)
{
    return run(sql, &blob) != nullptr;
}

CStatement CAdoConnection::Prepare(const QByteArray& sql)
{
    return m_statements.Get(m_db, sql, &m_lastError);
}

QStringList CAdoConnection::TableNames()
{
    QStringList names;
    auto result = run(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' "
                                     "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"),
                      nullptr);
    if (result)
        for (const auto& row : result->rows)
            names << row[0].toString();
    return names;
}

std::shared_ptr<AdoResult> CAdoConnection::run(const QString& sql, const QByteArray* blob)
{
    if (!m_db) {
        fail(SQLITE_MISUSE, QStringLiteral("Operation is not allowed when the object is closed."),
             false);
        return nullptr;
    }

    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, text.constData(), text.size(), &stmt, nullptr) != SQLITE_OK) {
        const int code = sqlite3_extended_errcode(m_db);
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_finalize(stmt);
        fail(code, message, !IsQueryText(text));
        return nullptr;
    }
    if (!stmt) { // only white space or a comment
        m_lastError = {};
        return std::make_shared<AdoResult>();
    }
    if (blob)
        sqlite3_bind_blob(stmt, 1, blob->constData(), blob->size(), SQLITE_TRANSIENT);

    auto result = std::make_shared<AdoResult>();
    const int columnCount = sqlite3_column_count(stmt);
    for (int i = 0; i < columnCount; ++i)
        result->columns << QString::fromUtf8(sqlite3_column_name(stmt, i));

    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        std::vector<QVariant> row;
        row.reserve(columnCount);
        for (int i = 0; i < columnCount; ++i)
            row.push_back(columnValue(stmt, i));
        result->rows.push_back(std::move(row));
    }
    const bool writing = !sqlite3_stmt_readonly(stmt);
    if (rc != SQLITE_DONE) {
        const int code = sqlite3_extended_errcode(m_db);
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_finalize(stmt);
        fail(code, message, writing);
        return nullptr;
    }
    sqlite3_finalize(stmt);
    m_lastError = {};
    return result;
}

void CAdoConnection::fail(int code, const QString& message, bool writing)
{
    m_lastError = {code, message, writing};
}

bool CAdoConnection::control(const char* sql)
{
    if (!m_db) {
        fail(SQLITE_MISUSE, QStringLiteral("Operation is not allowed when the object is closed."),
             true);
        return false;
    }
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        fail(sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)), true);
        return false;
    }
    m_lastError = {};
    return true;
}

bool CAdoConnection::BeginTransaction()
{
    m_inTransaction = true;
    if (control("BEGIN IMMEDIATE"))
        return true;
    m_inTransaction = false;
    return false;
}

bool CAdoConnection::CommitTransaction()
{
    if (!m_inTransaction || !control("COMMIT"))
        return false;
    m_inTransaction = false;
    return true;
}

void CAdoConnection::RollbackTransaction()
{
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    // A failed statement may have ended the transaction already. The rollback
    // keeps LastError() as the failure that led to it.
    if (m_db && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

CAdoRecordSet::CAdoRecordSet(CAdoConnection* connection) : m_connection(connection) {}

void CAdoRecordSet::Attach(std::shared_ptr<AdoResult> result)
{
    Close();
    m_result = std::move(result);
    m_row = 0;
}

bool CAdoRecordSet::Open(const QString& sql)
{
    if (!sql.isEmpty())
        m_source = sql;
    if (!m_connection || m_source.isEmpty())
        return false;
    Close();
    m_result = m_connection->Execute(m_source);
    m_row = 0;
    return m_result != nullptr;
}

bool CAdoRecordSet::IsEOF() const
{
    return !m_result || m_row >= m_result->rows.size();
}

bool CAdoRecordSet::MoveFirst()
{
    if (!m_result)
        return false;
    m_row = 0;
    return true;
}

bool CAdoRecordSet::MoveNext()
{
    if (IsEOF())
        return false;
    ++m_row;
    return true;
}

int CAdoRecordSet::GetRecordCount() const
{
    return m_result ? static_cast<int>(m_result->rows.size()) : -1;
}

void CAdoRecordSet::Close()
{
    m_result.reset();
}

const QVariant* CAdoRecordSet::value(const QString& column) const
{
    return value(ColumnIndex(column));
}

const QVariant* CAdoRecordSet::value(int column) const
{
    if (IsEOF() || column < 0 || column >= m_result->columns.size())
        return nullptr;
    return &m_result->rows[m_row][column];
}

int CAdoRecordSet::ColumnIndex(const QString& column) const
{
    return m_result ? m_result->columnIndex(column) : -1;
}

bool CAdoRecordSet::GetCollect(int column, QString& text) const
{
    const QVariant* v = value(column);
    if (!v)
        return false;
    text = StoredText(*v);
    return true;
}

bool CAdoRecordSet::GetCollect(int column, double& number) const
{
    number = 0.0;
    const QVariant* v = value(column);
    if (!v)
        return false;
    number = StoredNumber(*v);
    return true;
}

bool CAdoRecordSet::GetCollect(const QString& column, QString& text) const
{
    return GetCollect(ColumnIndex(column), text);
}

bool CAdoRecordSet::GetCollect(const QString& column, double& number) const
{
    return GetCollect(ColumnIndex(column), number);
}

bool CAdoRecordSet::GetCollect(const QString& column, int& number) const
{
    number = 0;
    const QVariant* v = value(column);
    if (!v)
        return false;
    if (v->typeId() == QMetaType::LongLong)
        number = static_cast<qint32>(static_cast<quint32>(v->toLongLong()));
    else
        number = static_cast<int>(qBound(-2147483648.0, StoredNumber(*v), 2147483647.0));
    return true;
}

bool CAdoRecordSet::GetChunk(const QString& column, QByteArray& bytes) const
{
    const QVariant* v = value(column);
    if (!v || v->typeId() != QMetaType::QByteArray || v->toByteArray().isEmpty())
        return false;
    bytes = v->toByteArray();
    return true;
}
