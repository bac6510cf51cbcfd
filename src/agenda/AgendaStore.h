#pragma once

#include "store/records/ScadenzeRecord.h"

#include <QDate>
#include <set>
#include <vector>

class Database;

// Reading and writing agenda entries. An entry belongs to every day its time range overlaps,
// so that one crossing midnight or lasting several days is never lost from view. Every query is
// finished before a call returns, so a dialog can open straight after.
class AgendaStore {
public:
    explicit AgendaStore(Database& db) : m_db(db) {}

    // The entries that overlap the day, ordered by start and then key (the same on both back
    // ends). False when the query fails; entries is then empty.
    bool loadDay(const QDate& day, std::vector<ScadenzeRecord>* entries);
    // False when the query fails or the entry is gone (IsMissingRow(db.lastError())).
    bool load(qint32 key, ScadenzeRecord& entry);
    // The entry receives its new key.
    bool insert(ScadenzeRecord& entry);
    // Fails when no row has the entry's key.
    bool update(ScadenzeRecord& entry);
    bool remove(qint32 key);
    // The days from first to last (inclusive) that some entry covers, for the calendar's bold
    // days. False when the query fails.
    bool daysWithEntries(const QDate& first, const QDate& last, std::set<QDate>* days);

    // The instant a day begins, and the one after its end: overlap is tested on the half-open
    // range, so an entry ending at midnight does not reach into the next day.
    static QDateTime DayStart(const QDate& day);
    static QDateTime DayAfter(const QDate& day);

private:
    // The earliest start an entry overlapping `first` can have; `none` when there are no
    // entries at all.
    bool earliestStart(const QDate& first, QDateTime* lower, bool* none);

    Database& m_db;
};
