#pragma once

#include "store/TableRecord.h"

// One row of SottoFatture: an invoice row.
struct SottoFattureRecord {
    static constexpr const char* kTable = "SottoFatture";
    static constexpr const char* kKey = "IDSottoFattura";
    qint32 IDSottoFattura = 0;
    std::optional<qint32> IDFattura;
    QString Descrizione;
    CurrencyAmount Prezzo;
    std::optional<float> Iva;
    std::optional<float> Inps;
    std::optional<float> RitAcc;
    QString Notes;

    qint32& key() { return IDSottoFattura; }
    template <class V> void fields(V& v) {
        v("IDFattura", IDFattura);
        v("Descrizione", Descrizione);
        v("Prezzo", Prezzo);
        v("Iva", Iva);
        v("Inps", Inps);
        v("RitAcc", RitAcc);
        v("Notes", Notes);
    }
};
