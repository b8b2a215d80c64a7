#include "database/Transaction.h"

CTransaction::CTransaction(CAdoConnection& connection) : m_connection(connection)
{
    if (m_connection.InTransaction()) {
        m_begun = true;
        return;
    }
    m_owner = true;
    m_begun = m_connection.BeginTransaction();
}

CTransaction::~CTransaction()
{
    if (m_owner && m_begun && !m_committed)
        m_connection.RollbackTransaction();
}

bool CTransaction::Commit()
{
    if (!m_begun)
        return false;
    if (!m_owner)
        return true;
    if (!m_committed)
        m_committed = m_connection.CommitTransaction();
    return m_committed;
}
