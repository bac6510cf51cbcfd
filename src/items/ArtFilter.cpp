#include "items/ArtFilter.h"

#include "common/Profile.h"
#include "store/Database.h"
#include "store/LikePattern.h"

#include <QSqlQuery>
#include <QStringList>

namespace {
const QString kFilterKey = QStringLiteral("ArtFilter");
const QString kGiacKey = QStringLiteral("ArtGiacFilter");
} // namespace

bool ArtFilter::isActive() const {
    return !code.isEmpty() || !description.isEmpty() || categoryId > 0 || stock != AnyStock;
}

ArtFilter ArtFilter::FromTexts(Database& db, const QString& codeText,
                               const QString& descriptionText, const QString& categoryText,
                               int stockChoice) {
    ArtFilter f;
    f.code = codeText;
    f.description = descriptionText;
    f.stock = stockChoice >= AnyStock && stockChoice <= ToReorder ? stockChoice : AnyStock;
    if (!categoryText.isEmpty()) {
        QSqlQuery q;
        if (db.query(q,
                     QStringLiteral("SELECT IDCategoria FROM Categorie WHERE Categoria") +
                         LikeOperator(db) +
                         QStringLiteral(" AND IDCategoria > ? ORDER BY IDCategoria"),
                     {LikePattern(categoryText), 0}) &&
            q.next())
            f.categoryId = q.value(0).toInt();
    }
    return f;
}

void ArtFilter::appendConditions(const Database& db, QString* sql, QVariantList* values) const {
    const QString like = LikeOperator(db);
    if (!code.isEmpty()) {
        *sql += QStringLiteral(" AND Matricola") + like;
        *values << LikePattern(code);
    }
    if (!description.isEmpty()) {
        *sql += QStringLiteral(" AND Descrizione") + like;
        *values << LikePattern(description);
    }
    if (categoryId > 0) {
        *sql += QStringLiteral(" AND IDCategoria = ?");
        *values << categoryId;
    }
    switch (stock) {
    case StockAboveZero:
        *sql += QStringLiteral(" AND Giacenza > 0");
        break;
    case StockBelowZero:
        *sql += QStringLiteral(" AND Giacenza < 0");
        break;
    case StockZero:
        *sql += QStringLiteral(" AND Giacenza = 0");
        break;
    case ToReorder:
        *sql += QStringLiteral(" AND Riordino > 0");
        break;
    default:
        break;
    }
}

ArtFilter ArtFilter::Load(const Profile& profile) {
    ArtFilter f;
    const QStringList fields = profile.value(Profile::Section::Settings, kFilterKey).toStringList();
    if (fields.size() == 3) {
        f.code = fields.at(0);
        f.description = fields.at(1);
        f.categoryId = fields.at(2).toInt();
    }
    const int giac = profile.integer(Profile::Section::Settings, kGiacKey, 20);
    if (giac >= 20 && (giac - 20) % 3 == 0 && (giac - 20) / 3 <= ToReorder)
        f.stock = (giac - 20) / 3;
    return f;
}

void ArtFilter::save(Profile& profile) const {
    profile.setValue(Profile::Section::Settings, kFilterKey,
                     QStringList{code, description, QString::number(categoryId)});
    profile.setValue(Profile::Section::Settings, kGiacKey, giacFilterValue());
}

void ArtFilter::Clear(Profile& profile) {
    profile.setValue(Profile::Section::Settings, kFilterKey, QString());
    profile.setValue(Profile::Section::Settings, kGiacKey, 20);
}
