#pragma once

#include "store/TableRecord.h"

// The columns of an item that people edit (ArticoliRecord adds the derived stock counters).
// The item dialog saves an opened item through this record, so the counters another computer
// may be recomputing meanwhile are never written back stale.
struct ItemEditRecord {
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
        v("IDCategoria", IDCategoria);
        v("IDReparto", IDReparto);
        v("IDScaffale", IDScaffale);
        v("IDGruppo", IDGruppo);
        v("Notes", Notes);
        v("IDFornitore", IDFornitore);
        v("CodForn", CodForn);
    }
};
