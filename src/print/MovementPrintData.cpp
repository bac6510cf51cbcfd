#include "print/MovementPrintData.h"

#include "store/Database.h"
#include "store/DbError.h"
#include "store/TableRecord.h"

#include <QSqlQuery>

bool MovementPrintData::reducedRegime() const {
    if (rows.isEmpty())
        return false;
    for (const MovementPrintRow& r : rows)
        if (r.row.Iva.value_or(0.0f) > 0.0f)
            return false;
    return true;
}

int MovementPrintData::rowsWithNote() const {
    int n = 0;
    for (const MovementPrintRow& r : rows)
        if (!r.row.Notes.trimmed().isEmpty())
            ++n;
    return n;
}

QStringList MovementPrintData::countedFooterLines(bool reduced) const {
    QStringList lines{header.Riga1SX, header.Riga2, header.Riga3, header.Riga4};
    if (reduced)
        lines << header.Riga1Min << header.Riga2Min << header.Riga3Min;
    return lines;
}

namespace {

bool loadCounterpart(Database& db, int key, MovementPrintCounterpart* c) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT Codice, RagSoc, Indirizzo, Comune, PartIva, CodFisc "
                                 "FROM CliFor WHERE IDCliFor = ?"),
                  {key}))
        return false;
    if (q.next()) {
        c->present = true;
        c->code = Record::ReadText(q.value(0), 0);
        c->name = Record::ReadText(q.value(1), 0);
        c->address = Record::ReadText(q.value(2), 0);
        c->town = Record::ReadText(q.value(3), 0);
        c->vatNumber = Record::ReadText(q.value(4), 0);
        c->taxCode = Record::ReadText(q.value(5), 0);
    }
    const bool failed = q.lastError().isValid();
    if (failed)
        db.setError(q.lastError());
    q.finish();
    return !failed;
}

bool loadRows(Database& db, int movementKey, QVector<MovementPrintRow>* rows) {
    // Rows whose item or unit has gone still print, with empty texts.
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral(
                      "SELECT SottoMovimenti.IDSottoMovimento, SottoMovimenti.IDMovimento, "
                      "SottoMovimenti.Qt, SottoMovimenti.IDArticolo, SottoMovimenti.IDUM, "
                      "SottoMovimenti.Prezzo, SottoMovimenti.Iva, SottoMovimenti.Sconto, "
                      "SottoMovimenti.Notes, Articoli.Matricola, Articoli.Descrizione, UnMis.Sigla "
                      "FROM (SottoMovimenti LEFT JOIN Articoli ON SottoMovimenti.IDArticolo = "
                      "Articoli.IDArticolo) LEFT JOIN UnMis ON SottoMovimenti.IDUM = UnMis.IDUM "
                      "WHERE SottoMovimenti.IDMovimento = ? "
                      "ORDER BY SottoMovimenti.IDSottoMovimento ASC"),
                  {movementKey}))
        return false;
    while (q.next()) {
        MovementPrintRow r;
        r.row.IDSottoMovimento = Record::ReadInt(q.value(0)).value_or(0);
        r.row.IDMovimento = Record::ReadInt(q.value(1));
        r.row.Qt = Record::ReadReal(q.value(2));
        r.row.IDArticolo = Record::ReadInt(q.value(3));
        r.row.IDUM = Record::ReadInt(q.value(4));
        r.row.Prezzo = Record::ReadCurrency(q.value(5));
        r.row.Iva = Record::ReadReal(q.value(6));
        r.row.Sconto = Record::ReadReal(q.value(7));
        r.row.Notes = Record::ReadText(q.value(8), 100);
        r.code = Record::ReadText(q.value(9), 0);
        r.description = Record::ReadText(q.value(10), 0);
        r.unit = Record::ReadText(q.value(11), 0);
        rows->append(r);
    }
    const bool failed = q.lastError().isValid();
    if (failed)
        db.setError(q.lastError());
    q.finish();
    return !failed;
}

} // namespace

bool LoadMovementPrintData(Database& db, int movementKey, MovementPrintData* data) {
    MovementPrintData d;
    if (!LoadRecord(db, movementKey, d.header))
        return false;
    if (d.header.IDCliFor.value_or(0) > 0 &&
        !loadCounterpart(db, *d.header.IDCliFor, &d.counterpart))
        return false;
    if (!loadRows(db, movementKey, &d.rows))
        return false;
    *data = std::move(d);
    return true;
}
