#pragma once

#include "store/records/ItemEditRecord.h"

// One row of Articoli: an item, its edited columns and the stock counters derived from its
// movements.
struct ArticoliRecord : ItemEditRecord {
    QString UnMis;
    std::optional<float> Carichi;
    std::optional<float> Scarichi;
    std::optional<float> Resi;
    std::optional<float> Giacenza;
    std::optional<float> Riordino;
    std::optional<float> Ordinato;
    QDateTime LastMov;

    template <class V> void fields(V& v) {
        ItemEditRecord::fields(v);
        v("UnMis", UnMis);
        v("Carichi", Carichi);
        v("Scarichi", Scarichi);
        v("Resi", Resi);
        v("Giacenza", Giacenza);
        v("Riordino", Riordino);
        v("Ordinato", Ordinato);
        v("LastMov", LastMov);
    }
};
