#include "database/Statement.h"

#include "database/StoredValue.h"

#include <sqlite3.h>

bool IsQueryText(const QByteArray& sql)
{
    const QByteArray text = sql.trimmed().toLower();
    return text.startsWith("select") || text.startsWith("pragma table_info");
}

CStatement::CStatement(sqlite3* db, sqlite3_stmt* stmt, SqlStatus status, SqlStatus* lastError)
    : m_db(db), m_stmt(stmt), m_status(std::move(status)), m_lastError(lastError)
{
    if (m_lastError)
        *m_lastError = m_status;
}

CStatement::CStatement(CStatement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_status(std::move(other.m_status)),
      m_lastError(other.m_lastError)
{
    other.m_stmt = nullptr;
}

CStatement::~CStatement()
{
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
}

void CStatement::failed()
{
    if (m_status.ok())
        m_status = {sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)),
                    !sqlite3_stmt_readonly(m_stmt)};
    if (m_lastError)
        *m_lastError = m_status;
}

CStatement& CStatement::Bind(int index, const QString& text)
{
    if (m_stmt && m_status.ok()) {
        const QByteArray utf8 = text.toUtf8();
        if (sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()),
                              SQLITE_TRANSIENT) != SQLITE_OK)
            failed();
    }
    return *this;
}

CStatement& CStatement::BindEmptyText(int index)
{
    if (m_stmt && m_status.ok() && sqlite3_bind_text(m_stmt, index, "", 0, SQLITE_STATIC) != SQLITE_OK)
        failed();
    return *this;
}

CStatement& CStatement::Bind(int index, double number)
{
    if (m_stmt && m_status.ok() && sqlite3_bind_double(m_stmt, index, number) != SQLITE_OK)
        failed();
    return *this;
}

CStatement& CStatement::Bind(int index, qint64 number)
{
    if (m_stmt && m_status.ok() && sqlite3_bind_int64(m_stmt, index, number) != SQLITE_OK)
        failed();
    return *this;
}

CStatement& CStatement::BindBlob(int index, const QByteArray& bytes)
{
    if (m_stmt && m_status.ok() &&
        sqlite3_bind_blob(m_stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT) !=
            SQLITE_OK)
        failed();
    return *this;
}

bool CStatement::Next()
{
    if (!m_stmt || !m_status.ok())
        return false;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        failed();
    return false;
}

SqlStatus CStatement::Run()
{
    while (Next()) {
    }
    return m_status;
}

void CStatement::Reset()
{
    if (m_stmt)
        sqlite3_reset(m_stmt);
}

double CStatement::Number(int column) const
{
    return Number(Value(column));
}

QString CStatement::Text(int column) const
{
    return Text(Value(column));
}

sqlite3_value* CStatement::Value(int column) const
{
    return sqlite3_column_value(m_stmt, column);
}

double CStatement::Number(sqlite3_value* value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_FLOAT:
        return sqlite3_value_double(value);
    case SQLITE_INTEGER:
        return static_cast<qint32>(static_cast<quint32>(sqlite3_value_int64(value)));
    case SQLITE_TEXT:
        return TextToNumber(Text(value));
    default:
        return 0.0;
    }
}

QString CStatement::Text(sqlite3_value* value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        return QString::fromUtf8(text, sqlite3_value_bytes(value));
    }
    case SQLITE_INTEGER:
        return StoredText(QVariant(qlonglong(sqlite3_value_int64(value))));
    case SQLITE_FLOAT:
        return StoredText(QVariant(sqlite3_value_double(value)));
    case SQLITE_BLOB:
        return StoredText(QVariant(QByteArray()));
    default:
        return QString();
    }
}

CStatement CStatementCache::Get(sqlite3* db, const QByteArray& sql, SqlStatus* lastError)
{
    if (!db)
        return {nullptr, nullptr,
                SqlStatus{SQLITE_MISUSE,
                          QStringLiteral("Operation is not allowed when the object is closed.")},
                lastError};
    auto found = m_statements.find(sql);
    if (found != m_statements.end())
        return {db, found->second, {}, lastError};
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        // Without a statement, only a query's text tells that it does not write.
        SqlStatus status{sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)),
                         !IsQueryText(sql)};
        sqlite3_finalize(stmt);
        return {db, nullptr, std::move(status), lastError};
    }
    m_statements.emplace(sql, stmt);
    return {db, stmt, {}, lastError};
}

void CStatementCache::Clear()
{
    for (auto& [sql, stmt] : m_statements)
        sqlite3_finalize(stmt);
    m_statements.clear();
}
