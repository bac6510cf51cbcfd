#pragma once

#include "store/TableRecord.h"

// One row of SottoMovimenti: a movement row.
struct SottoMovimentiRecord {
    static constexpr const char* kTable = "SottoMovimenti";
    static constexpr const char* kKey = "IDSottoMovimento";
    qint32 IDSottoMovimento = 0;
    std::optional<qint32> IDMovimento;
    std::optional<float> Qt;
    std::optional<qint32> IDArticolo;
    std::optional<qint32> IDUM;
    CurrencyAmount Prezzo;
    std::optional<float> Iva;
    std::optional<float> Sconto;
    QString Notes;

    qint32& key() { return IDSottoMovimento; }
    template <class V> void fields(V& v) {
        v("IDMovimento", IDMovimento);
        v("Qt", Qt);
        v("IDArticolo", IDArticolo);
        v("IDUM", IDUM);
        v("Prezzo", Prezzo);
        v("Iva", Iva);
        v("Sconto", Sconto);
        v("Notes", Notes);
    }
};
