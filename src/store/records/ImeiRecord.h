#pragma once

#include "store/TableRecord.h"

// One row of Imei: a serial/IMEI code.
struct ImeiRecord {
    static constexpr const char* kTable = "Imei";
    static constexpr const char* kKey = "IDImei";
    qint32 IDImei = 0;
    std::optional<qint32> IDSottoMovimento;
    QString CodImei;
    std::optional<bool> Scaricato;

    qint32& key() { return IDImei; }
    template <class V> void fields(V& v) {
        v("IDSottoMovimento", IDSottoMovimento);
        v("CodImei", CodImei);
        v("Scaricato", Scaricato);
    }
};
