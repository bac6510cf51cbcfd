#pragma once

#include "store/TableRecord.h"

// One row of UnMis: a unit of measure.
struct UnMisRecord {
    static constexpr const char* kTable = "UnMis";
    static constexpr const char* kKey = "IDUM";
    qint32 IDUM = 0;
    QString Sigla;
    QString Descrizione;

    qint32& key() { return IDUM; }
    template <class V> void fields(V& v) {
        v("Sigla", Sigla);
        v("Descrizione", Descrizione);
    }
};
