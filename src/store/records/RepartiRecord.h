#pragma once

#include "store/TableRecord.h"

// One row of Reparti: a department.
struct RepartiRecord {
    static constexpr const char* kTable = "Reparti";
    static constexpr const char* kKey = "IDReparto";
    qint32 IDReparto = 0;
    QString Reparto;

    qint32& key() { return IDReparto; }
    template <class V> void fields(V& v) {
        v("Reparto", Reparto);
    }
};
