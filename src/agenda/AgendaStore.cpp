#include "agenda/AgendaStore.h"

#include "store/Database.h"
#include "store/DbError.h"
#include "store/TableRecord.h"

#include <QSqlQuery>
#include <algorithm>
#include <cmath>

namespace {
// Entries that start before the end of the range and end after its start; the first term
// bounds the scan of the start index (see earliestStart).
const QString kOverlapCondition = QStringLiteral("DataInit >= ? AND DataInit < ? AND DataEnd > ?");
// The day of a stored time and whether it is that day's midnight, without making a local
// date-time: a month of entries is thousands of values, and only their days count.
bool DayOf(const QVariant& v, QDate* day, bool* midnight) {
    if (v.typeId() == QMetaType::QString) {
        const QString text = v.toString();
        const QDate d = QDate::fromString(text.left(10), Qt::ISODate);
        const QStringView time = QStringView(text).mid(11);
        if (d.isValid() && (time.isEmpty() || time.at(0).isDigit())) {
            *day = d;
            *midnight = true;
            for (QChar c : time)
                if (c.isDigit() && c != u'0') {
                    *midnight = false;
                    break;
                }
            return true;
        }
    }
    const QDateTime t = Record::ReadDateTime(v);
    if (!t.isValid())
        return false;
    *day = t.date();
    *midnight = t.time() == QTime(0, 0);
    return true;
}

} // namespace

bool AgendaStore::earliestStart(const QDate& first, QDateTime* lower, bool* none) {
    // The longest entry, read from its own index: an entry still running on `first` began at
    // most that long before it. A day more covers a change of the clocks.
    const QString sql =
        m_db.isPostgres()
            ? QStringLiteral("SELECT EXTRACT(EPOCH FROM MAX(DataEnd - DataInit)) / 86400.0 FROM "
                             "Scadenze")
            : QStringLiteral("SELECT MAX(julianday(DataEnd) - julianday(DataInit)) FROM Scadenze");
    QSqlQuery q;
    if (!m_db.query(q, sql))
        return false;
    const bool read = q.next();
    const QVariant span = read ? q.value(0) : QVariant();
    if (!read && q.lastError().isValid()) {
        m_db.setError(q.lastError());
        return false;
    }
    q.finish();
    *none = span.isNull();
    const double days = qMax(0.0, span.toDouble());
    *lower = DayStart(first).addDays(-qint64(std::ceil(days)) - 1);
    return true;
}

QDateTime AgendaStore::DayStart(const QDate& day) {
    return QDateTime(day, QTime(0, 0));
}

QDateTime AgendaStore::DayAfter(const QDate& day) {
    return QDateTime(day.addDays(1), QTime(0, 0));
}

bool AgendaStore::loadDay(const QDate& day, std::vector<ScadenzeRecord>* entries) {
    entries->clear();
    QDateTime lower;
    bool none = false;
    if (!earliestStart(day, &lower, &none))
        return false;
    if (none)
        return true;
    TableRecordSet<ScadenzeRecord> set(m_db);
    if (!set.open(QStringLiteral("SELECT * FROM Scadenze WHERE %1 ORDER BY DataInit, IDScadenza")
                      .arg(kOverlapCondition),
                  {lower, DayAfter(day), DayStart(day)}))
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
    QDateTime lower;
    bool none = false;
    if (!earliestStart(first, &lower, &none))
        return false;
    if (none)
        return true;
    QSqlQuery q;
    if (!m_db.query(q,
                    QStringLiteral("SELECT DataInit, DataEnd FROM Scadenze WHERE %1")
                        .arg(kOverlapCondition),
                    {lower, DayAfter(last), DayStart(first)}))
        return false;
    while (q.next()) {
        QDate startDay;
        QDate endDay;
        bool startMidnight = false;
        bool endMidnight = false;
        if (!DayOf(q.value(0), &startDay, &startMidnight) ||
            !DayOf(q.value(1), &endDay, &endMidnight))
            continue;
        QDate from = std::max(startDay, first);
        // An end at midnight closes the day before.
        QDate to = endMidnight ? endDay.addDays(-1) : endDay;
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
