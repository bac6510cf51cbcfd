#pragma once

#include "store/TableRecord.h"

// One row of Ordini: an order.
struct OrdiniRecord {
    static constexpr const char* kTable = "Ordini";
    static constexpr const char* kKey = "IDOrdine";
    qint32 IDOrdine = 0;
    QString Numero;
    QDateTime Data;
    std::optional<qint32> IDCliFor;
    std::optional<bool> Evaso;
    QString SimbVal;
    std::optional<qint32> DecVal;
    QString SepDecVal;
    QString SepMigVal;
    std::optional<qint32> DecNum;
    QString SepDecNum;
    QString SepMigNum;
    std::optional<float> ValCambio;
    QString Notes;

    qint32& key() { return IDOrdine; }
    template <class V> void fields(V& v) {
        v("Numero", Numero);
        v("Data", Data);
        v("IDCliFor", IDCliFor);
        v("Evaso", Evaso);
        v("SimbVal", SimbVal);
        v("DecVal", DecVal);
        v("SepDecVal", SepDecVal);
        v("SepMigVal", SepMigVal);
        v("DecNum", DecNum);
        v("SepDecNum", SepDecNum);
        v("SepMigNum", SepMigNum);
        v("ValCambio", ValCambio);
        v("Notes", Notes);
    }
};
