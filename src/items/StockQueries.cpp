#include "items/StockQueries.h"

#include "store/Database.h"

namespace StockQueries {

namespace {
// Jet summed its single-precision column in double precision; PostgreSQL would keep a real.
QString qt(const Database& db) {
    return db.isPostgres() ? QStringLiteral("CAST(SottoMovimenti.Qt AS DOUBLE PRECISION)")
                           : QStringLiteral("SottoMovimenti.Qt");
}
QString orderQt(const Database& db) {
    return db.isPostgres() ? QStringLiteral("CAST(SottoOrdini.Qt AS DOUBLE PRECISION)")
                           : QStringLiteral("SottoOrdini.Qt");
}
// An order never marked is open: Jet had no null flag.
QString openOrder(const Database& db) {
    return db.isPostgres() ? QStringLiteral("(Ordini.Evaso = FALSE OR Ordini.Evaso IS NULL)")
                           : QStringLiteral("(Ordini.Evaso = 0 OR Ordini.Evaso IS NULL)");
}
} // namespace

QString MovementSum(const Database& db, Sum kind) {
    QString where;
    switch (kind) {
    case Sum::Carichi:
        where = QStringLiteral("Movimenti.Tipo = 0");
        break;
    case Sum::Scarichi:
        // A receipt takes goods out of stock exactly like an unload.
        where = QStringLiteral("(Movimenti.Tipo = 1 OR Movimenti.Tipo = 3)");
        break;
    case Sum::Resi:
        where = QStringLiteral("Movimenti.Tipo = 2");
        break;
    }
    return QStringLiteral("SELECT SUM(%1) AS Totale FROM Movimenti INNER JOIN SottoMovimenti "
                          "ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
                          "WHERE %2 AND SottoMovimenti.IDArticolo = ?")
        .arg(qt(db), where);
}

QString OpenOrderSum(const Database& db) {
    return QStringLiteral("SELECT SUM(%1) AS Totale FROM Ordini INNER JOIN SottoOrdini "
                          "ON Ordini.IDOrdine = SottoOrdini.IDOrdine "
                          "WHERE %2 AND SottoOrdini.IDArticolo = ?")
        .arg(orderQt(db), openOrder(db));
}

QString LastMovement() {
    return QStringLiteral("SELECT MAX(Movimenti.Data) AS Data FROM Movimenti INNER JOIN "
                          "SottoMovimenti ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
                          "WHERE SottoMovimenti.IDArticolo = ?");
}

QString ItemInputs() {
    return QStringLiteral("SELECT Articoli.IDUM, Articoli.ScortaMin, Articoli.GiacInit, "
                          "UnMis.Sigla FROM Articoli LEFT JOIN UnMis ON UnMis.IDUM = Articoli.IDUM "
                          "WHERE Articoli.IDArticolo = ?");
}

QString AllMovementSums(const Database& db) {
    const QString q = qt(db);
    return QStringLiteral("SELECT SottoMovimenti.IDArticolo, "
                          "SUM(CASE WHEN Movimenti.Tipo = 0 THEN %1 END), "
                          "SUM(CASE WHEN Movimenti.Tipo = 1 OR Movimenti.Tipo = 3 THEN %1 END), "
                          "SUM(CASE WHEN Movimenti.Tipo = 2 THEN %1 END), MAX(Movimenti.Data) "
                          "FROM Movimenti INNER JOIN SottoMovimenti "
                          "ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
                          "WHERE SottoMovimenti.IDArticolo > 0 "
                          "GROUP BY SottoMovimenti.IDArticolo ORDER BY SottoMovimenti.IDArticolo")
        .arg(q);
}

QString AllOpenOrderSums(const Database& db) {
    return QStringLiteral("SELECT SottoOrdini.IDArticolo, SUM(%1) FROM Ordini INNER JOIN "
                          "SottoOrdini ON Ordini.IDOrdine = SottoOrdini.IDOrdine "
                          "WHERE %2 AND SottoOrdini.IDArticolo > 0 "
                          "GROUP BY SottoOrdini.IDArticolo")
        .arg(orderQt(db), openOrder(db));
}

QString AllItemInputs() {
    return QStringLiteral("SELECT Articoli.IDArticolo, Articoli.IDUM, Articoli.ScortaMin, "
                          "Articoli.GiacInit, UnMis.Sigla FROM Articoli LEFT JOIN UnMis "
                          "ON UnMis.IDUM = Articoli.IDUM WHERE Articoli.IDArticolo > 0 "
                          "ORDER BY Articoli.IDArticolo");
}

} // namespace StockQueries
