#pragma once

#include "store/TableRecord.h"

// One row of PrimaNota: a cash-book row.
struct PrimaNotaRecord {
    static constexpr const char* kTable = "PrimaNota";
    static constexpr const char* kKey = "IDPrimaNota";
    qint32 IDPrimaNota = 0;
    QDateTime Data;
    std::optional<qint32> IDMovimento;
    CurrencyAmount Importo;
    CurrencyAmount Iva;
    std::optional<bool> DarAve;

    qint32& key() { return IDPrimaNota; }
    template <class V> void fields(V& v) {
        v("Data", Data);
        v("IDMovimento", IDMovimento);
        v("Importo", Importo);
        v("Iva", Iva);
        v("DarAve", DarAve);
    }
};
