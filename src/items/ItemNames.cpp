#include "items/ItemNames.h"

#include "store/Database.h"
#include "store/PostgresKeys.h"
#include "store/TextOrder.h"

#include <QSqlError>
#include <QSqlQuery>

bool ItemNamesByDescription(Database& db, QList<ItemName>* list) {
    list->clear();
    // The order of the description index, which holds the key: the list is read from it alone.
    const QString sql = QStringLiteral("SELECT IDArticolo, Descrizione FROM Articoli WHERE "
                                       "IDArticolo > ? ORDER BY ") +
                        TextOrder::Term(db.backend(), QStringLiteral("Descrizione")) +
                        (db.isPostgres() ? QStringLiteral(" NULLS FIRST") : QString()) +
                        QStringLiteral(", IDArticolo");
    if (db.isPostgres()) {
        // A hundred thousand names through the driver cost twice what libpq does.
        std::vector<std::pair<qint32, QString>> rows;
        QString error;
        if (PostgresKeys::ReadKeyTexts(db, sql, {0}, &rows, &error)) {
            list->reserve(qsizetype(rows.size()));
            for (auto& [key, text] : rows)
                list->append({key, std::move(text)});
            return true;
        }
        if (!error.isEmpty()) {
            db.setError(QSqlError(QString(), error, QSqlError::StatementError));
            return false;
        }
    }
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!db.query(q, sql, {0}))
        return false;
    while (q.next())
        list->append({q.value(0).toInt(), q.value(1).toString()});
    return !q.lastError().isValid();
}
