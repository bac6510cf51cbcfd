#pragma once

#include <QString>
#include <QVariantList>
#include <functional>

class Database;
class QSqlQuery;

// The statements of one schema upgrade, sent through one place: whoever watches (a test) sees
// each text as it goes, and the first failure is kept with the statement that caused it.
class UpgradeSession {
public:
    using Observer = std::function<void(const QString& sql)>;

    UpgradeSession(Database& db, Observer observer);

    Database& db() { return m_db; }
    bool isPostgres() const;

    bool execute(const QString& sql, const QVariantList& values = {});
    bool query(QSqlQuery& query, const QString& sql, const QVariantList& values = {});
    // A statement run once per row (the migration's updates): prepared the first time only.
    bool executePrepared(const QString& sql, const QVariantList& values);

    // The version whose step is running, for the failure report (-1 outside the steps).
    void setStep(int version) { m_step = version; }
    int step() const { return m_step; }

    // A failure that no statement reported (a column missing from the catalog).
    void fail(const QString& what, const QString& error);
    bool failed() const { return !m_failedWhat.isEmpty(); }
    const QString& failedWhat() const { return m_failedWhat; }
    const QString& failedError() const { return m_failedError; }
    int failedStep() const { return m_failedStep; }

private:
    void noteFailure(const QString& sql);

    Database& m_db;
    Observer m_observer;
    int m_step = -1;
    int m_failedStep = -1;
    QString m_failedWhat;
    QString m_failedError;
};
