#include "counterparts/AnaMovements.h"

#include <QCoreApplication>

#include "store/Database.h"
#include "store/TableRecord.h"

#include <QSqlQuery>

namespace AnaMovements {

bool Latest(Database& db, int cliForId, QList<Row>* rows) {
    rows->clear();
    // Both back ends take LIMIT; equal dates list the movement saved last first, so the cut at
    // the limit is the same every time.
    QSqlQuery q;
    if (!db.query(
            q,
            QStringLiteral("SELECT DISTINCT IDMovimento, Numero, Data, Tipo FROM Movimenti "
                           "WHERE IDCliFor = ? ORDER BY Data DESC NULLS LAST, IDMovimento DESC "
                           "LIMIT %1")
                .arg(kMaxMovements),
            {cliForId}))
        return false;
    while (q.next())
        rows->append({q.value(0).toInt(), Record::ReadText(q.value(1), 20),
                      Record::ReadDateTime(q.value(2)), Record::ReadInt(q.value(3)).value_or(-1)});
    return true;
}

QString TypeText(int tipo) {
    switch (tipo) {
    case 0:
        return QCoreApplication::translate("AnaMovements", "Carico");
    case 1:
        return QCoreApplication::translate("AnaMovements", "Scarico");
    case 2:
        return QCoreApplication::translate("AnaMovements", "Reso");
    default:
        return QString();
    }
}

} // namespace AnaMovements
