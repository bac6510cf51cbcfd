#pragma once

#include "store/TableRecord.h"

// One row of Informazioni: the schema version row.
struct InformazioniRecord {
    static constexpr const char* kTable = "Informazioni";
    static constexpr const char* kKey = ""; // the table has no key
    std::optional<qint32> Versione;

    qint32& key() { return m_noKey; }
    template <class V> void fields(V& v) {
        v("Versione", Versione);
    }

private:
    qint32 m_noKey = 0;
};
