#include "agenda/AgendaStore.h"

#include "store/Database.h"
#include "store/DbError.h"
#include "store/TableRecord.h"

#include <QSqlQuery>
#include <algorithm>

namespace {
const QString kOverlapCondition = QStringLiteral("DataInit < ? AND DataEnd > ?");
} // namespace

QDateTime AgendaStore::DayStart(const QDate& day) {
    return QDateTime(day, QTime(0, 0));
}

QDateTime AgendaStore::DayAfter(const QDate& day) {
    return QDateTime(day.addDays(1), QTime(0, 0));
}

bool AgendaStore::loadDay(const QDate& day, std::vector<ScadenzeRecord>* entries) {
    entries->clear();
    TableRecordSet<ScadenzeRecord> set(m_db);
    if (!set.open(QStringLiteral("SELECT * FROM Scadenze WHERE %1 ORDER BY DataInit, IDScadenza")
                      .arg(kOverlapCondition),
                  {DayAfter(day), DayStart(day)}))
        return false;
    for (; !set.atEnd(); set.moveNext())
        entries->push_back(set.current());
    if (set.failed()) {
        entries->clear();
        return false;
    }
    return true;
}

bool AgendaStore::load(qint32 key, ScadenzeRecord& entry) {
    return LoadRecord(m_db, key, entry);
}

bool AgendaStore::insert(ScadenzeRecord& entry) {
    TableRecordSet<ScadenzeRecord> set(m_db);
    return set.insert(entry);
}

bool AgendaStore::update(ScadenzeRecord& entry) {
    TableRecordSet<ScadenzeRecord> set(m_db);
    return set.change(entry);
}

bool AgendaStore::remove(qint32 key) {
    TableRecordSet<ScadenzeRecord> set(m_db);
    return set.remove(key);
}

bool AgendaStore::daysWithEntries(const QDate& first, const QDate& last, std::set<QDate>* days) {
    days->clear();
    if (!first.isValid() || !last.isValid() || last < first)
        return true;
    QSqlQuery q;
    if (!m_db.query(q,
                    QStringLiteral("SELECT DataInit, DataEnd FROM Scadenze WHERE %1")
                        .arg(kOverlapCondition),
                    {DayAfter(last), DayStart(first)}))
        return false;
    while (q.next()) {
        const QDateTime start = Record::ReadDateTime(q.value(0));
        const QDateTime end = Record::ReadDateTime(q.value(1));
        if (!start.isValid() || !end.isValid())
            continue;
        QDate from = std::max(start.date(), first);
        // An end at midnight closes the day before.
        QDate to = end.time() == QTime(0, 0) ? end.date().addDays(-1) : end.date();
        to = std::min(to, last);
        for (QDate d = from; d <= to; d = d.addDays(1))
            days->insert(d);
    }
    const bool ok = !q.lastError().isValid();
    if (!ok) {
        m_db.setError(q.lastError());
        days->clear();
    }
    q.finish();
    return ok;
}
