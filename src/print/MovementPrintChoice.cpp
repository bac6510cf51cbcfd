#include "print/MovementPrintChoice.h"

#include "movements/MovementTypes.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/TableRecord.h"

#include <QSqlQuery>

PrintKind InvoiceCommandKind(int movementType, bool hasCounterpart,
                             const QString& counterpartColumnText) {
    if (counterpartColumnText.compare(QStringLiteral("- ricevuta -"), Qt::CaseInsensitive) == 0)
        return PrintKind::Receipt;
    if (movementType == MovementType::Carico && hasCounterpart)
        return PrintKind::PurchaseInvoice;
    return PrintKind::Invoice;
}

PrintKind TransportCommandKind(int movementType, bool hasCounterpart) {
    return movementType == MovementType::Carico && hasCounterpart ? PrintKind::LoadTransportDocument
                                                                  : PrintKind::TransportDocument;
}

bool ReadMovementPrintFacts(Database& db, int movementKey, MovementPrintFacts* facts) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT Tipo, IDCliFor, CliFor, SimbVal FROM Movimenti WHERE "
                                 "IDMovimento = ?"),
                  {movementKey}))
        return false;
    const bool found = q.next();
    if (!found) {
        db.setError(q.lastError().isValid() ? q.lastError() : MissingRowError(MissingRow::Read));
        q.finish();
        return false;
    }
    MovementPrintFacts f;
    f.type = Record::ReadInt(q.value(0)).value_or(-1);
    f.hasCounterpart = Record::ReadInt(q.value(1)).value_or(0) > 0;
    f.counterpartColumnText = f.type == MovementType::Ricevuta ? QStringLiteral("- Ricevuta -")
                                                               : Record::ReadText(q.value(2), 100);
    f.ownCurrency = !q.value(3).isNull();
    q.finish();
    *facts = f;
    return true;
}

namespace {

// Whether the statement finds a row; false when it fails.
bool finds(Database& db, const QString& sql, int key, bool* found) {
    QSqlQuery q;
    if (!db.query(q, sql, {key}))
        return false;
    *found = q.next();
    const bool failed = q.lastError().isValid();
    if (failed)
        db.setError(q.lastError());
    q.finish();
    return !failed;
}

} // namespace

bool IsReturnMovement(Database& db, int movementKey, bool* isReturn) {
    return finds(
        db,
        QStringLiteral("SELECT IDMovimento FROM Movimenti WHERE (Tipo = 2) AND IDMovimento = ?"),
        movementKey, isReturn);
}

bool MovementHasOwnCurrency(Database& db, int movementKey, bool* ownCurrency) {
    return finds(db,
                 QStringLiteral("SELECT SimbVal FROM Movimenti WHERE IDMovimento = ? AND "
                                "SimbVal IS NOT NULL"),
                 movementKey, ownCurrency);
}
