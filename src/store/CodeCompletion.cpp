#include "store/CodeCompletion.h"

#include "store/LikePattern.h"

#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"

#include <QSqlQuery>

namespace CodeCompletion {

bool Completes(const QString& typed) {
    return !typed.isEmpty() && !(typed.front() >= u'1' && typed.front() <= u'9');
}

QString Propose(const QString& typed, int count, const QString& greatest) {
    if (!Completes(typed) || count <= 0 || greatest.isEmpty() || typed.size() >= greatest.size())
        return QString();
    const QString next = QString::number(count + 1);
    const QString code = next.size() < greatest.size()
                             ? greatest.left(greatest.size() - next.size()) + next
                             : greatest + next;
    // Only an addition to what was typed: a proposal that would change a typed character (or
    // a wildcard) is no completion. Letters may take the case of the stored codes, which are
    // the same codes whatever their case.
    return code.startsWith(typed, Qt::CaseInsensitive) ? code : QString();
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
    // The greatest in the lists' own order; among codes that differ in case only, the last
    // in code-point order, so both back ends take the same.
    const QString order =
        db.isPostgres()
            ? QStringLiteral(" ORDER BY %1 DESC NULLS LAST, %2 COLLATE \"C\" DESC LIMIT 1")
            : QStringLiteral(" ORDER BY %1 DESC, %2 DESC LIMIT 1");
    QSqlQuery g;
    if (!db.query(g,
                  QStringLiteral("SELECT %1").arg(column) + where +
                      order.arg(TextOrder::Term(db.backend(), column), column),
                  pattern) ||
        !g.next())
        return QString();
    return Propose(typed, count, Record::ReadText(g.value(0), width));
}

} // namespace CodeCompletion
