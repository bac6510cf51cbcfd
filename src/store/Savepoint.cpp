#include "store/Savepoint.h"

#include "store/Database.h"

#include <atomic>

namespace {
// Names are unique for the whole process, so that nested savepoints and those of clones on other
// threads never meet.
QString NextName() {
    static std::atomic<quint64> counter{0};
    return QStringLiteral("quarzil_sp_%1").arg(++counter);
}
} // namespace

Savepoint::Savepoint(Database& db) : m_db(db), m_name(NextName()) {
    m_active = m_db.inTransaction() && m_db.execute(QStringLiteral("SAVEPOINT ") + m_name);
}

Savepoint::~Savepoint() {
    rollback();
}

bool Savepoint::release() {
    if (!m_active)
        return false;
    m_active = false;
    // The transaction may have ended meanwhile; then there is nothing left to keep.
    return m_db.inTransaction() && m_db.execute(QStringLiteral("RELEASE SAVEPOINT ") + m_name);
}

void Savepoint::rollback() {
    if (!m_active)
        return;
    m_active = false;
    if (!m_db.inTransaction())
        return;
    // Rolling back to a savepoint keeps it on both back ends; releasing it afterwards leaves the
    // transaction as it was before the savepoint was set.
    if (m_db.execute(QStringLiteral("ROLLBACK TO SAVEPOINT ") + m_name))
        m_db.execute(QStringLiteral("RELEASE SAVEPOINT ") + m_name);
}
