#include "store/UpgradeSession.h"

#include "store/Database.h"

#include <QCoreApplication>
#include <QSqlQuery>

UpgradeSession::UpgradeSession(Database& db, Observer observer)
    : m_db(db), m_observer(std::move(observer)) {}

bool UpgradeSession::isPostgres() const {
    return m_db.isPostgres();
}

void UpgradeSession::noteFailure(const QString& sql) {
    // The first failure is the one that tells what went wrong; later ones follow from it.
    if (!failed())
        fail(sql, m_db.errorText());
}

void UpgradeSession::fail(const QString& what, const QString& error) {
    if (failed())
        return;
    m_failedWhat = what;
    m_failedError = error.trimmed().isEmpty()
                        ? QCoreApplication::translate("UpgradeSession", "errore sconosciuto")
                        : error.trimmed();
    m_failedStep = m_step;
}

bool UpgradeSession::execute(const QString& sql, const QVariantList& values) {
    if (m_observer)
        m_observer(sql);
    if (m_db.execute(sql, values))
        return true;
    noteFailure(sql);
    return false;
}

bool UpgradeSession::query(QSqlQuery& q, const QString& sql, const QVariantList& values) {
    if (m_observer)
        m_observer(sql);
    if (m_db.query(q, sql, values))
        return true;
    noteFailure(sql);
    return false;
}

bool UpgradeSession::executePrepared(const QString& sql, const QVariantList& values) {
    if (m_observer)
        m_observer(sql);
    QSqlQuery* q = m_db.queryPrepared(sql, values);
    if (!q) {
        noteFailure(sql);
        return false;
    }
    q->finish();
    return true;
}
