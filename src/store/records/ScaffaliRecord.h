#pragma once

#include "store/TableRecord.h"

// One row of Scaffali: a shelf.
struct ScaffaliRecord {
    static constexpr const char* kTable = "Scaffali";
    static constexpr const char* kKey = "IDScaffale";
    qint32 IDScaffale = 0;
    QString Scaffale;

    qint32& key() { return IDScaffale; }
    template <class V> void fields(V& v) {
        v("Scaffale", Scaffale);
    }
};
