#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

class Database;
class QSqlQuery;

// Records read back by key for a print come in IN lists of at most this many keys: one query
// for a short list, a few for the whole archive, never one per record, and never more bound
// values than a back end takes at once.
inline constexpr int kKeysPerQuery = 500;

// The keys cut into runs of at most kKeysPerQuery, in their order.
QList<QList<int>> KeyChunks(const QList<int>& keys);

// "?, ?, ?" for the keys, which are appended to values in the same order.
QString KeyPlaceholders(const QList<int>& keys, QVariantList* values);

// After the last q.next(): false, with the error in db, when the rows stopped on a failure
// rather than at their end (the loop cannot tell the two apart). Finishes q either way.
bool FinishedRows(Database& db, QSqlQuery& q);
