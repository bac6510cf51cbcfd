#pragma once

#include "store/TableRecord.h"

// One row of ArtProd: an item of a production run.
struct ArtProdRecord {
    static constexpr const char* kTable = "ArtProd";
    static constexpr const char* kKey = "IDArtProd";
    qint32 IDArtProd = 0;
    std::optional<qint32> IDProduzione;
    std::optional<qint32> IDArticolo;
    std::optional<qint32> IDUM;
    std::optional<float> Qt;

    qint32& key() { return IDArtProd; }
    template <class V> void fields(V& v) {
        v("IDProduzione", IDProduzione);
        v("IDArticolo", IDArticolo);
        v("IDUM", IDUM);
        v("Qt", Qt);
    }
};
