#pragma once

#include "store/TableRecord.h"

// One row of Gruppi: a group.
struct GruppiRecord {
    static constexpr const char* kTable = "Gruppi";
    static constexpr const char* kKey = "IDGruppo";
    qint32 IDGruppo = 0;
    QString Gruppo;

    qint32& key() { return IDGruppo; }
    template <class V> void fields(V& v) {
        v("Gruppo", Gruppo);
    }
};
