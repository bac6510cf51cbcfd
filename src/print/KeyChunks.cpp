#include "print/KeyChunks.h"

#include "store/Database.h"

#include <QSqlError>
#include <QSqlQuery>

QList<QList<int>> KeyChunks(const QList<int>& keys) {
    QList<QList<int>> chunks;
    for (qsizetype from = 0; from < keys.size(); from += kKeysPerQuery)
        chunks.append(keys.mid(from, kKeysPerQuery));
    return chunks;
}

QString KeyPlaceholders(const QList<int>& keys, QVariantList* values) {
    QString marks;
    marks.reserve(keys.size() * 3);
    for (int key : keys) {
        if (!marks.isEmpty())
            marks += QStringLiteral(", ");
        marks += u'?';
        values->append(key);
    }
    return marks;
}

bool FinishedRows(Database& db, QSqlQuery& q) {
    const bool failed = q.lastError().isValid();
    if (failed)
        db.setError(q.lastError());
    q.finish();
    return !failed;
}
