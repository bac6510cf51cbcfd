#pragma once

#include "store/TableRecord.h"

// One row of MacchProd: a machine of a production run.
struct MacchProdRecord {
    static constexpr const char* kTable = "MacchProd";
    static constexpr const char* kKey = "IDMacchina";
    qint32 IDMacchina = 0;
    std::optional<qint32> IDProduzione;
    QString Macchina;
    QString Programma;
    std::optional<float> Ore;

    qint32& key() { return IDMacchina; }
    template <class V> void fields(V& v) {
        v("IDProduzione", IDProduzione);
        v("Macchina", Macchina);
        v("Programma", Programma);
        v("Ore", Ore);
    }
};
