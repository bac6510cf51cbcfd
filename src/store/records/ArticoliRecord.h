#pragma once

#include "store/TableRecord.h"

// One row of Articoli: an item.
struct ArticoliRecord {
    static constexpr const char* kTable = "Articoli";
    static constexpr const char* kKey = "IDArticolo";
    qint32 IDArticolo = 0;
    QString Matricola;
    QString Descrizione;
    std::optional<qint32> IDUM;
    QString CodBarre;
    CurrencyAmount Prezzo;
    std::optional<float> ScortaMin;
    QByteArray Foto;
    std::optional<float> Iva;
    std::optional<bool> IncIva;
    std::optional<float> Sconto;
    std::optional<float> Ricarico;
    std::optional<bool> Imei;
    std::optional<float> GiacInit;
    QString UnMis;
    std::optional<float> Carichi;
    std::optional<float> Scarichi;
    std::optional<float> Resi;
    std::optional<float> Giacenza;
    std::optional<float> Riordino;
    std::optional<float> Ordinato;
    QDateTime LastMov;
    std::optional<qint32> IDCategoria;
    std::optional<qint32> IDReparto;
    std::optional<qint32> IDScaffale;
    std::optional<qint32> IDGruppo;
    QString Notes;
    std::optional<qint32> IDFornitore;
    QString CodForn;

    qint32& key() { return IDArticolo; }
    template <class V> void fields(V& v) {
        v("Matricola", Matricola);
        v("Descrizione", Descrizione);
        v("IDUM", IDUM);
        v("CodBarre", CodBarre);
        v("Prezzo", Prezzo);
        v("ScortaMin", ScortaMin);
        v("Foto", Foto);
        v("Iva", Iva);
        v("IncIva", IncIva);
        v("Sconto", Sconto);
        v("Ricarico", Ricarico);
        v("Imei", Imei);
        v("GiacInit", GiacInit);
        v("UnMis", UnMis);
        v("Carichi", Carichi);
        v("Scarichi", Scarichi);
        v("Resi", Resi);
        v("Giacenza", Giacenza);
        v("Riordino", Riordino);
        v("Ordinato", Ordinato);
        v("LastMov", LastMov);
        v("IDCategoria", IDCategoria);
        v("IDReparto", IDReparto);
        v("IDScaffale", IDScaffale);
        v("IDGruppo", IDGruppo);
        v("Notes", Notes);
        v("IDFornitore", IDFornitore);
        v("CodForn", CodForn);
    }
};
