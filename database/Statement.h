#pragma once

#include "database/StorageFault.h"

#include <QByteArray>
#include <QString>
#include <map>

struct sqlite3;
struct sqlite3_stmt;
typedef struct Mem sqlite3_value; // as sqlite3.h declares it

// A statement of the connection's cache, in use until the handle goes (then it
// is reset for the next use). Values are bound as parameters, never spliced
// into the text. Failures are returned as a status; nothing is shown.
class CStatement
{
public:
    // lastError, when given, follows the outcome of every step (the
    // connection's LastError()).
    CStatement(sqlite3* db, sqlite3_stmt* stmt, SqlStatus status, SqlStatus* lastError = nullptr);
    ~CStatement();
    CStatement(CStatement&& other) noexcept;
    CStatement(const CStatement&) = delete;
    CStatement& operator=(const CStatement&) = delete;
    CStatement& operator=(CStatement&&) = delete;

    // The outcome of preparing, binding and the last step.
    const SqlStatus& Status() const { return m_status; }
    bool ok() const { return m_status.ok(); }

    // Parameters are numbered from 1.
    CStatement& Bind(int index, const QString& text);
    CStatement& BindEmptyText(int index);
    CStatement& Bind(int index, double number);
    CStatement& Bind(int index, qint64 number);
    CStatement& BindBlob(int index, const QByteArray& bytes);

    // Steps to the next row: true while there is one; false at the end or on a
    // failure (then Status() says which).
    bool Next();
    // Runs a statement without rows to its end; its status.
    SqlStatus Run();
    // Makes a statement that ran ready to run again, with new values bound.
    void Reset();

    // Values of the current row. Numbers stored as text read as their leading
    // number, integers as 32-bit values; texts of numbers as the store prints them.
    double Number(int column) const;
    QString Text(int column) const;
    // The same reads of a value taken once from the row (fewer calls per column).
    sqlite3_value* Value(int column) const;
    static double Number(sqlite3_value* value);
    static QString Text(sqlite3_value* value);

private:
    void failed();

    sqlite3* m_db;
    sqlite3_stmt* m_stmt;
    SqlStatus m_status;
    SqlStatus* m_lastError;
};

// Whether the text of a statement that could not be prepared is a query (then
// its failure is a failed read, else a failed write).
bool IsQueryText(const QByteArray& sql);

// The prepared statements of one connection, by their text.
class CStatementCache
{
public:
    ~CStatementCache() { Clear(); }
    CStatement Get(sqlite3* db, const QByteArray& sql, SqlStatus* lastError);
    // Finalises every statement (before the connection closes).
    void Clear();

private:
    std::map<QByteArray, sqlite3_stmt*> m_statements;
};
