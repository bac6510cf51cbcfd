#pragma once

class Database;

// Starts a transaction only when none is active and ends only the one it started: a routine run
// inside an outer transaction leaves the ending to the outer one. Rolls back in its destructor
// unless committed.
class TransactionGuard {
public:
    explicit TransactionGuard(Database& db);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    // False when a transaction was needed and could not be started.
    bool isActive() const { return m_active; }
    bool ownsTransaction() const { return m_owner; }
    // Commits the transaction this guard started; inside an outer one it only marks success.
    bool commit();
    void rollback();

private:
    Database& m_db;
    bool m_owner = false;
    bool m_active = false;
    bool m_done = false;
};
