#pragma once

#include "store/TableRecord.h"

// One row of Offerte: a promotion.
struct OfferteRecord {
    static constexpr const char* kTable = "Offerte";
    static constexpr const char* kKey = "IDOfferta";
    qint32 IDOfferta = 0;
    std::optional<qint32> IDArticolo;
    QDateTime DataInit;
    QDateTime DataEnd;
    std::optional<bool> Attivo;
    std::optional<bool> Sempre;
    std::optional<bool> TreXDue;
    std::optional<bool> DueXUno;
    std::optional<float> Sconto;

    qint32& key() { return IDOfferta; }
    template <class V> void fields(V& v) {
        v("IDArticolo", IDArticolo);
        v("DataInit", DataInit);
        v("DataEnd", DataEnd);
        v("Attivo", Attivo);
        v("Sempre", Sempre);
        v("TreXDue", TreXDue);
        v("DueXUno", DueXUno);
        v("Sconto", Sconto);
    }
};
