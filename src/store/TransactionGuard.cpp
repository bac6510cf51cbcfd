#include "store/TransactionGuard.h"

#include "store/Database.h"

TransactionGuard::TransactionGuard(Database& db) : m_db(db) {
    if (m_db.inTransaction()) {
        m_active = true;
    } else {
        m_owner = m_db.beginTransaction();
        m_active = m_owner;
    }
}

TransactionGuard::~TransactionGuard() {
    if (!m_done)
        rollback();
}

bool TransactionGuard::commit() {
    m_done = true;
    if (!m_owner)
        return m_active;
    m_owner = false;
    return m_db.commit();
}

void TransactionGuard::rollback() {
    m_done = true;
    if (m_owner) {
        m_owner = false;
        m_db.rollback();
    }
}
