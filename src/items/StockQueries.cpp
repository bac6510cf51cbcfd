#include "items/StockQueries.h"

#include "store/Database.h"

#include <QStringList>

namespace StockQueries {

namespace {
// SQLite sums the quantities in double precision, as Jet did, in the order of the item's index
// for one item and for all alike. PostgreSQL may split a grouped sum among workers, so it sums
// exactly, in decimal: the total then does not depend on the order the rows come in.
QString qt(const Database& db) {
    return db.isPostgres()
               ? QStringLiteral("CAST(CAST(SottoMovimenti.Qt AS DOUBLE PRECISION) AS NUMERIC)")
               : QStringLiteral("SottoMovimenti.Qt");
}
QString orderQt(const Database& db) {
    return db.isPostgres()
               ? QStringLiteral("CAST(CAST(SottoOrdini.Qt AS DOUBLE PRECISION) AS NUMERIC)")
               : QStringLiteral("SottoOrdini.Qt");
}
// An order never marked is open: Jet had no null flag.
QString openOrder(const Database& db) {
    return db.isPostgres() ? QStringLiteral("(Ordini.Evaso = FALSE OR Ordini.Evaso IS NULL)")
                           : QStringLiteral("(Ordini.Evaso = 0 OR Ordini.Evaso IS NULL)");
}
// The three sums by type (a receipt counts as an unload) and the last date, over the rows of one
// item or of every item.
QString totalsColumns(const Database& db) {
    return QStringLiteral("SUM(CASE WHEN Movimenti.Tipo = 0 THEN %1 END) AS Carichi, "
                          "SUM(CASE WHEN Movimenti.Tipo = 1 OR Movimenti.Tipo = 3 THEN %1 END) "
                          "AS Scarichi, SUM(CASE WHEN Movimenti.Tipo = 2 THEN %1 END) AS Resi, "
                          "MAX(Movimenti.Data) AS LastMov")
        .arg(qt(db));
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

QString ItemTotals(const Database& db) {
    // Aggregates without GROUP BY give exactly one row, so the joins keep the item's row.
    return QStringLiteral(
               "SELECT Articoli.IDUM, Articoli.ScortaMin, Articoli.GiacInit, UnMis.Sigla, "
               "t.Carichi, t.Scarichi, t.Resi, t.LastMov, o.Ordinato "
               "FROM Articoli LEFT JOIN UnMis ON UnMis.IDUM = Articoli.IDUM "
               "CROSS JOIN (SELECT %1 FROM Movimenti INNER JOIN SottoMovimenti "
               "ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
               "WHERE SottoMovimenti.IDArticolo = ?) t "
               "CROSS JOIN (SELECT SUM(%2) AS Ordinato FROM Ordini INNER JOIN SottoOrdini "
               "ON Ordini.IDOrdine = SottoOrdini.IDOrdine WHERE %3 AND SottoOrdini.IDArticolo = ?) "
               "o "
               "WHERE Articoli.IDArticolo = ?")
        .arg(totalsColumns(db), orderQt(db), openOrder(db));
}

QString ListedItemTotals(const Database& db, const std::vector<int>& keys, QVariantList* values) {
    const QString list =
        QStringList(qsizetype(keys.size()), QStringLiteral("?")).join(QStringLiteral(", "));
    const int lists = db.isPostgres() ? 1 : 3;
    for (int round = 0; round < lists; ++round)
        for (int key : keys)
            *values << key;
    if (db.isPostgres()) {
        // Each item's sums as ItemTotals takes them, an index walk per item: grouped over the
        // whole list, the planner would rather read every movement header once.
        return QStringLiteral(
                   "SELECT Articoli.IDArticolo, Articoli.IDUM, Articoli.ScortaMin, "
                   "Articoli.GiacInit, UnMis.Sigla, t.Carichi, t.Scarichi, t.Resi, t.LastMov, "
                   "o.Ordinato FROM Articoli LEFT JOIN UnMis ON UnMis.IDUM = Articoli.IDUM "
                   "CROSS JOIN LATERAL (SELECT %1 FROM Movimenti INNER JOIN SottoMovimenti "
                   "ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
                   "WHERE SottoMovimenti.IDArticolo = Articoli.IDArticolo) t "
                   "CROSS JOIN LATERAL (SELECT SUM(%2) AS Ordinato FROM Ordini INNER JOIN "
                   "SottoOrdini ON Ordini.IDOrdine = SottoOrdini.IDOrdine WHERE %3 AND "
                   "SottoOrdini.IDArticolo = Articoli.IDArticolo) o "
                   "WHERE Articoli.IDArticolo IN (%4)")
            .arg(totalsColumns(db), orderQt(db), openOrder(db), list);
    }
    // SQLite knows no LATERAL; each sum is grouped over the listed items only, and it walks
    // them by the item's index.
    return QStringLiteral(
               "SELECT Articoli.IDArticolo, Articoli.IDUM, Articoli.ScortaMin, Articoli.GiacInit, "
               "UnMis.Sigla, t.Carichi, t.Scarichi, t.Resi, t.LastMov, o.Ordinato "
               "FROM Articoli LEFT JOIN UnMis ON UnMis.IDUM = Articoli.IDUM "
               "LEFT JOIN (SELECT SottoMovimenti.IDArticolo AS IDArticolo, %1 FROM Movimenti "
               "INNER JOIN SottoMovimenti ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
               "WHERE SottoMovimenti.IDArticolo IN (%4) GROUP BY SottoMovimenti.IDArticolo) t "
               "ON t.IDArticolo = Articoli.IDArticolo "
               "LEFT JOIN (SELECT SottoOrdini.IDArticolo AS IDArticolo, SUM(%2) AS Ordinato "
               "FROM Ordini INNER JOIN SottoOrdini ON Ordini.IDOrdine = SottoOrdini.IDOrdine "
               "WHERE %3 AND SottoOrdini.IDArticolo IN (%4) GROUP BY SottoOrdini.IDArticolo) o "
               "ON o.IDArticolo = Articoli.IDArticolo "
               "WHERE Articoli.IDArticolo IN (%4)")
        .arg(totalsColumns(db), orderQt(db), openOrder(db), list);
}

QString AllMovementSums(const Database& db) {
    return QStringLiteral("SELECT SottoMovimenti.IDArticolo, %1 FROM Movimenti INNER JOIN "
                          "SottoMovimenti ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
                          "WHERE SottoMovimenti.IDArticolo > 0 GROUP BY SottoMovimenti.IDArticolo "
                          "ORDER BY SottoMovimenti.IDArticolo")
        .arg(totalsColumns(db));
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
