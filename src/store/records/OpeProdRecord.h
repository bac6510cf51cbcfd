#pragma once

#include "store/TableRecord.h"

// One row of OpeProd: a worker of a production run.
struct OpeProdRecord {
    static constexpr const char* kTable = "OpeProd";
    static constexpr const char* kKey = "IDOpeProd";
    qint32 IDOpeProd = 0;
    std::optional<qint32> IDProduzione;
    std::optional<qint32> IDOperaio;
    QString Operazione;
    std::optional<float> Ore;

    qint32& key() { return IDOpeProd; }
    template <class V> void fields(V& v) {
        v("IDProduzione", IDProduzione);
        v("IDOperaio", IDOperaio);
        v("Operazione", Operazione);
        v("Ore", Ore);
    }
};
