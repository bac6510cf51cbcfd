#pragma once

#include "store/TableRecord.h"

// One row of SottoOrdini: an order row.
struct SottoOrdiniRecord {
    static constexpr const char* kTable = "SottoOrdini";
    static constexpr const char* kKey = "IDSottoOrdine";
    qint32 IDSottoOrdine = 0;
    std::optional<qint32> IDOrdine;
    std::optional<qint32> IDArticolo;
    std::optional<qint32> IDUM;
    std::optional<float> Qt;
    CurrencyAmount Prezzo;
    std::optional<float> Iva;
    std::optional<float> Sconto;
    QString Notes;

    qint32& key() { return IDSottoOrdine; }
    template <class V> void fields(V& v) {
        v("IDOrdine", IDOrdine);
        v("IDArticolo", IDArticolo);
        v("IDUM", IDUM);
        v("Qt", Qt);
        v("Prezzo", Prezzo);
        v("Iva", Iva);
        v("Sconto", Sconto);
        v("Notes", Notes);
    }
};
