#pragma once

#include "database/ExtAdo.h"

// Makes the statements of one operation all or nothing: begins a transaction
// (BEGIN IMMEDIATE) when made and rolls it back when destroyed unless Commit()
// succeeded. Made while a transaction already runs, it joins that one and
// leaves beginning, committing and rolling back to it.
class CTransaction
{
public:
    explicit CTransaction(CAdoConnection& connection);
    ~CTransaction();
    CTransaction(const CTransaction&) = delete;
    CTransaction& operator=(const CTransaction&) = delete;

    // False when the transaction could not begin (the connection's LastError() says why).
    bool Begun() const { return m_begun; }
    // True when every change is in the file (or, when joined, left to the outer one).
    bool Commit();

private:
    CAdoConnection& m_connection;
    bool m_owner = false;
    bool m_begun = false;
    bool m_committed = false;
};
