#pragma once

#include "store/TableRecord.h"

// One row of Fatture: an invoice.
struct FattureRecord {
    static constexpr const char* kTable = "Fatture";
    static constexpr const char* kKey = "IDFattura";
    qint32 IDFattura = 0;
    QString Numero;
    QDateTime Data;
    std::optional<qint32> IDCliFor;
    std::optional<qint32> Tipo;
    QString Banca;
    QString IBAN;
    QString SimbVal;
    std::optional<qint32> DecVal;
    QString SepDecVal;
    QString SepMigVal;
    std::optional<qint32> DecNum;
    QString SepDecNum;
    QString SepMigNum;
    std::optional<float> ValCambio;
    QString CondPag;
    QString Titolo;

    qint32& key() { return IDFattura; }
    template <class V> void fields(V& v) {
        v("Numero", Numero);
        v("Data", Data);
        v("IDCliFor", IDCliFor);
        v("Tipo", Tipo);
        v("Banca", Banca);
        v("IBAN", IBAN);
        v("SimbVal", SimbVal);
        v("DecVal", DecVal);
        v("SepDecVal", SepDecVal);
        v("SepMigVal", SepMigVal);
        v("DecNum", DecNum);
        v("SepDecNum", SepDecNum);
        v("SepMigNum", SepMigNum);
        v("ValCambio", ValCambio);
        v("CondPag", CondPag);
        v("Titolo", Titolo);
    }
};
