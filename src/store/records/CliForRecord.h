#pragma once

#include "store/TableRecord.h"

// One row of CliFor: a customer, supplier or worker.
struct CliForRecord {
    static constexpr const char* kTable = "CliFor";
    static constexpr const char* kKey = "IDCliFor";
    qint32 IDCliFor = 0;
    QString RagSoc;
    QString Indirizzo;
    QString Comune;
    QString Telefono;
    QString Cellulare;
    QString EMail;
    QString Web;
    QString CodFisc;
    QString PartIva;
    std::optional<bool> CliFor;
    QString Codice;
    std::optional<bool> Operaio;
    std::optional<float> Sconto;
    QString Notes;
    QString Banca;
    QString IBAN;

    qint32& key() { return IDCliFor; }
    template <class V> void fields(V& v) {
        v("RagSoc", RagSoc);
        v("Indirizzo", Indirizzo);
        v("Comune", Comune);
        v("Telefono", Telefono);
        v("Cellulare", Cellulare);
        v("EMail", EMail);
        v("Web", Web);
        v("CodFisc", CodFisc);
        v("PartIva", PartIva);
        v("CliFor", CliFor);
        v("Codice", Codice);
        v("Operaio", Operaio);
        v("Sconto", Sconto);
        v("Notes", Notes);
        v("Banca", Banca);
        v("IBAN", IBAN);
    }
};
