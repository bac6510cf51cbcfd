#pragma once

#include "store/records/MovimentiRecord.h"
#include "store/records/SottoMovimentiRecord.h"

#include <QString>
#include <QStringList>
#include <QVector>

class Database;

// One row of a movement document: the row as stored, with its item's code and description and
// the sign of its unit of measure (empty when the item or unit is gone).
struct MovementPrintRow {
    SottoMovimentiRecord row;
    QString code;        // Articoli.Matricola
    QString description; // Articoli.Descrizione
    QString unit;        // UnMis.Sigla
};

// The counterpart as a document names it.
struct MovementPrintCounterpart {
    bool present = false;
    QString code, name, address, town, vatNumber, taxCode;
};

// Everything a movement document prints, read once when the document is made.
struct MovementPrintData {
    MovimentiRecord header;
    MovementPrintCounterpart counterpart;
    QVector<MovementPrintRow> rows; // in IDSottoMovimento order

    int type() const { return header.Tipo.value_or(-1); }
    // The movement carries a currency of its own (SimbVal set).
    bool hasOwnCurrency() const { return !header.SimbVal.isEmpty(); }
    // The invoice without VAT: there are rows and none has a VAT rate above 0.
    bool reducedRegime() const;
    int rowsWithNote() const;
    // The footer lines whose emptiness gives the invoice more rows: Riga1SX, Riga2, Riga3,
    // Riga4, and for the reduced-regime form Riga1Min, Riga2Min, Riga3Min too.
    QStringList countedFooterLines(bool reducedRegime) const;
};

// Reads the movement's header, its counterpart and its rows. Every query is finished before it
// returns. False when a query fails or the movement is missing (db.lastError() tells which).
bool LoadMovementPrintData(Database& db, int movementKey, MovementPrintData* data);
