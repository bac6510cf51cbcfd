#include "movements/MovementMessages.h"

#include "movements/MovementTypes.h"

namespace MovementMessages {

MovementMessage Get(int id) {
    using I = IPrompt::Icon;
    auto m = [id](const char* text, I icon) {
        return MovementMessage{id, QString::fromUtf8(text), icon};
    };
    switch (id) {
    case TooManyRows:
        return m("Numero massimo di righe permesse per movimento 250, creare un nuovo movimento!",
                 I::Information);
    case QuantityMissing:
        return m("Occorre inserire la quantità!", I::Information);
    case QuantityNotPositive:
        return m("Occorre inserire una quantità superiore a zero!", I::Information);
    case RowInsertFailed:
        return m("Errore nell'inserimento della riga!", I::Warning);
    case RowSaveFailed:
        return m("Errore nel salvataggio della riga!", I::Warning);
    case RowDeleteFailed:
        return m("Impossibile eliminare la riga selezionata!", I::Warning);
    case CaricoInsertFailed:
        return m("Impossibile inserire il carico!", I::Warning);
    case NoUnits:
        return m("Non ci sono le unità di misura in archivio!", I::Information);
    case TransactionStartFailed:
        return m("Impossibile avviare la transazione!", I::Information);
    case CaricoSaveFailed:
        return m("Impossibile salvare il carico!", I::Error);
    case TransactionSaveFailed:
        return m("Impossibile salvare la transazione!", I::Information);
    case ScaricoInsertFailed:
        return m("Impossibile inserire lo scarico!", I::Warning);
    case ScaricoSaveFailed:
        return m("Impossibile salvare lo scarico!", I::Error);
    case ResoInsertFailed:
        return m("Impossibile inserire il reso!", I::Warning);
    case ResoSaveFailed:
        return m("Impossibile salvare il reso!", I::Error);
    case MovementSaveFailed:
        return m("Impossibile salvare il movimento!", I::Error);
    case DeleteQuestion:
        return m("Si desidera eliminare definitivamente il valore o i valori selezionati?",
                 I::Question);
    case MovementNotFound:
        return m("Movimento non trovato!", I::Information);
    default:
        return MovementMessage{id, QString(), I::None};
    }
}

int InsertFailedFor(int type) {
    switch (type) {
    case MovementType::Carico:
        return CaricoInsertFailed;
    case MovementType::Reso:
        return ResoInsertFailed;
    default:
        return ScaricoInsertFailed;
    }
}

int SaveFailedFor(int type) {
    switch (type) {
    case MovementType::Carico:
        return CaricoSaveFailed;
    case MovementType::Reso:
        return ResoSaveFailed;
    default:
        return ScaricoSaveFailed;
    }
}

} // namespace MovementMessages
