#include "items/ArtFind.h"

#include "store/Database.h"
#include "store/LikePattern.h"
#include "store/SqliteKeys.h"

#include <QStringList>
#include <QVariantList>

namespace ArtFind {

bool MatchingKeys(Database& db, const Texts& texts, std::vector<int>* keys) {
    keys->clear();
    const QString like = LikeOperator(db);
    QStringList conditions;
    QVariantList values;
    for (const auto& [column, text] : {std::pair{QStringLiteral("Matricola"), texts.code},
                                       std::pair{QStringLiteral("Descrizione"), texts.description},
                                       std::pair{QStringLiteral("CodBarre"), texts.barcode}}) {
        const QString t = text.trimmed();
        if (t.isEmpty())
            continue;
        conditions << column + like;
        values << (t.endsWith(u'%') ? LikeWhole(t) : LikePattern(t));
    }
    if (conditions.isEmpty())
        return true;
    return SqliteKeys::ReadAny(db,
                               QStringLiteral("SELECT IDArticolo FROM Articoli WHERE IDArticolo "
                                              "> ? AND ") +
                                   conditions.join(QStringLiteral(" AND ")),
                               QVariantList{0} + values, keys);
}

} // namespace ArtFind
