#pragma once

#include "store/TableRecord.h"

// One row of Scadenze: an agenda entry.
struct ScadenzeRecord {
    static constexpr const char* kTable = "Scadenze";
    static constexpr const char* kKey = "IDScadenza";
    qint32 IDScadenza = 0;
    QDateTime DataInit;
    QDateTime DataEnd;
    QString Oggetto;
    QString Descrizione;
    std::optional<qint32> Tipo;

    qint32& key() { return IDScadenza; }
    template <class V> void fields(V& v) {
        v("DataInit", DataInit);
        v("DataEnd", DataEnd);
        v("Oggetto", Oggetto);
        v("Descrizione", Descrizione);
        v("Tipo", Tipo);
    }
};
