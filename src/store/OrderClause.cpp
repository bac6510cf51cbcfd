#include "store/OrderClause.h"

#include <QRegularExpression>

QString GetOrderClause(const QString& sql, bool keepDirection) {
    QString clause = sql;
    const qsizetype at = sql.indexOf(QLatin1String("ORDER BY"), 0, Qt::CaseInsensitive);
    if (at >= 0)
        clause = sql.mid(at + 8);
    if (!keepDirection) {
        static const QRegularExpression direction(QStringLiteral("\\s*\\b(ASC|DESC)\\b"),
                                                  QRegularExpression::CaseInsensitiveOption);
        clause.remove(direction);
    }
    return clause.trimmed();
}
