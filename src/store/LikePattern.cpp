#include "store/LikePattern.h"

#include "store/Database.h"

QString LikePattern(const QString& typed) {
    QString p = typed;
    p.replace(QLatin1Char('*'), QLatin1Char('%'));
    return p + QLatin1Char('%');
}

QString LikeOperator(const Database& db) {
    return db.isPostgres() ? QStringLiteral(" ILIKE ? ESCAPE ''") : QStringLiteral(" LIKE ?");
}
