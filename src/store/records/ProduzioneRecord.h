#pragma once

#include "store/TableRecord.h"

// One row of Produzione: a production run.
struct ProduzioneRecord {
    static constexpr const char* kTable = "Produzione";
    static constexpr const char* kKey = "IDProduzione";
    qint32 IDProduzione = 0;
    QString Codice;
    QString NumLotto;
    QString Descrizione;
    std::optional<qint32> IDArticolo;
    std::optional<qint32> Stato;
    QDateTime DataAvvio;
    QDateTime DataSca;
    QDateTime DataLastSca;
    QDateTime DataLastPause;
    QDateTime DataTotPause;

    qint32& key() { return IDProduzione; }
    template <class V> void fields(V& v) {
        v("Codice", Codice);
        v("NumLotto", NumLotto);
        v("Descrizione", Descrizione);
        v("IDArticolo", IDArticolo);
        v("Stato", Stato);
        v("DataAvvio", DataAvvio);
        v("DataSca", DataSca);
        v("DataLastSca", DataLastSca);
        v("DataLastPause", DataLastPause);
        v("DataTotPause", DataTotPause);
    }
};
