#include "items/ArtFind.h"

#include "items/ArtFilter.h"
#include "store/Database.h"
#include "store/LikePattern.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

namespace ArtFind {

int Find(Database& db, const Texts& texts) {
    const QString like = LikeOperator(db);
    QStringList conditions;
    QVariantList values;
    auto add = [&](const QString& column, const QString& text, bool exactWhenLiteral) {
        const QString t = text.trimmed();
        if (t.isEmpty())
            return;
        if (!t.endsWith(QLatin1Char('%'))) {
            conditions << column + like;
            values << LikePattern(t);
        } else if (t.contains(QLatin1Char('*'))) {
            QString p = t;
            p.replace(QLatin1Char('*'), QLatin1Char('%'));
            conditions << column + like;
            values << p;
        } else {
            conditions << column + (exactWhenLiteral ? QStringLiteral(" = ?") : like);
            values << t;
        }
    };
    add(QStringLiteral("Matricola"), texts.code, true);
    add(QStringLiteral("Descrizione"), texts.description, false);
    add(QStringLiteral("CodBarre"), texts.barcode, false);
    if (conditions.isEmpty())
        return 0;
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT MIN(IDArticolo) FROM Articoli WHERE IDArticolo > 0 AND ") +
                      conditions.join(QStringLiteral(" AND ")),
                  values))
        return -1;
    if (!q.next())
        return q.lastError().isValid() ? -1 : 0;
    return q.value(0).isNull() ? 0 : q.value(0).toInt();
}

} // namespace ArtFind
