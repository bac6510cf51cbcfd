#include "store/CodeCompletion.h"

#include "store/LikePattern.h"

#include "store/Database.h"
#include "store/TableRecord.h"

#include <QSqlQuery>

namespace CodeCompletion {

bool Completes(const QString& typed) {
    return !typed.isEmpty() && !(typed.front() >= u'1' && typed.front() <= u'9');
}

QString Propose(const QString& typed, int count, const QString& greatest) {
    if (!Completes(typed) || count <= 0 || greatest.isEmpty() || typed.size() >= greatest.size())
        return QString();
    const QString next = QString::number(count + 1);
    if (next.size() < greatest.size())
        return greatest.left(greatest.size() - next.size()) + next;
    return greatest + next;
}

QString Complete(Database& db, const QString& table, const QString& keyColumn,
                 const QString& column, int width, const QString& typed) {
    if (!Completes(typed))
        return QString();
    const QString where = QStringLiteral(" FROM %1 WHERE %2").arg(table, column) + LikeOperator(db);
    const QVariantList pattern{LikePattern(typed)};
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("SELECT COUNT(%1) AS Totale").arg(keyColumn) + where,
                  pattern) ||
        !q.next())
        return QString();
    const int count = q.value(0).toInt();
    if (count <= 0)
        return QString();
    QSqlQuery g;
    if (!db.query(g,
                  QStringLiteral("SELECT %1").arg(column) + where +
                      QStringLiteral(" ORDER BY %1 DESC LIMIT 1").arg(column),
                  pattern) ||
        !g.next())
        return QString();
    return Propose(typed, count, Record::ReadText(g.value(0), width));
}

} // namespace CodeCompletion
