#pragma once

#include "store/TableRecord.h"

// One row of Movimenti: a movement (document header).
struct MovimentiRecord {
    static constexpr const char* kTable = "Movimenti";
    static constexpr const char* kKey = "IDMovimento";
    qint32 IDMovimento = 0;
    QString Numero;
    QDateTime Data;
    std::optional<qint32> IDCliFor;
    std::optional<qint32> Tipo;
    QString Causale;
    QString Vettore;
    QString Aspetto;
    QString Colli;
    QString Peso;
    QString Riga1SX;
    QString Riga1DX;
    QString Riga2;
    QString Riga3;
    QString Riga4;
    QString Riga1Min;
    QString Riga2Min;
    QString Riga3Min;
    std::optional<bool> Contabilizzato;
    QString CliFor;
    CurrencyAmount Prezzo;
    CurrencyAmount Imposta;
    CurrencyAmount Totale;
    QString SimbVal;
    std::optional<qint32> DecVal;
    QString SepDecVal;
    QString SepMigVal;
    std::optional<qint32> DecNum;
    QString SepDecNum;
    QString SepMigNum;
    std::optional<float> ValCambio;
    QString Porto;
    QString Banca;
    QString IBAN;
    QString CondPag;
    QString Titolo;
    QString RagSocDiv;
    QString IndirizzoDiv;
    QString ComuneDiv;

    qint32& key() { return IDMovimento; }
    template <class V> void fields(V& v) {
        v("Numero", Numero);
        v("Data", Data);
        v("IDCliFor", IDCliFor);
        v("Tipo", Tipo);
        v("Causale", Causale);
        v("Vettore", Vettore);
        v("Aspetto", Aspetto);
        v("Colli", Colli);
        v("Peso", Peso);
        v("Riga1SX", Riga1SX);
        v("Riga1DX", Riga1DX);
        v("Riga2", Riga2);
        v("Riga3", Riga3);
        v("Riga4", Riga4);
        v("Riga1Min", Riga1Min);
        v("Riga2Min", Riga2Min);
        v("Riga3Min", Riga3Min);
        v("Contabilizzato", Contabilizzato);
        v("CliFor", CliFor);
        v("Prezzo", Prezzo);
        v("Imposta", Imposta);
        v("Totale", Totale);
        v("SimbVal", SimbVal);
        v("DecVal", DecVal);
        v("SepDecVal", SepDecVal);
        v("SepMigVal", SepMigVal);
        v("DecNum", DecNum);
        v("SepDecNum", SepDecNum);
        v("SepMigNum", SepMigNum);
        v("ValCambio", ValCambio);
        v("Porto", Porto);
        v("Banca", Banca);
        v("IBAN", IBAN);
        v("CondPag", CondPag);
        v("Titolo", Titolo);
        v("RagSocDiv", RagSocDiv);
        v("IndirizzoDiv", IndirizzoDiv);
        v("ComuneDiv", ComuneDiv);
    }
};
