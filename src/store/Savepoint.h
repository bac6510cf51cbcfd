#pragma once

#include <QString>

class Database;

// A point inside the active transaction to which its later writes can be undone while the
// transaction itself goes on: a sub-dialog's writes are taken back when it is cancelled, the
// edit around it is not. Rolls back in its destructor unless released. Savepoints nest; an outer
// one rolled back takes the inner ones with it.
class Savepoint {
public:
    explicit Savepoint(Database& db);
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    // False when no transaction was active or the savepoint could not be set; then release()
    // and rollback() do nothing.
    bool isActive() const { return m_active; }
    const QString& name() const { return m_name; }
    // Keeps the writes since the savepoint (they stay part of the transaction).
    bool release();
    // Undoes the writes since the savepoint.
    void rollback();

private:
    Database& m_db;
    QString m_name;
    bool m_active = false;
};
