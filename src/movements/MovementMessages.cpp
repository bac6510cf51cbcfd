#include "movements/MovementMessages.h"

#include "movements/MovementTypes.h"

#include <QCoreApplication>

namespace MovementMessages {

MovementMessage Get(int id) {
    using I = IPrompt::Icon;
    auto m = [id](const char* text, I icon) {
        return MovementMessage{id, QCoreApplication::translate("MovementMessages", text), icon};
    };
    switch (id) {
    case TooManyRows:
        return m(
            QT_TRANSLATE_NOOP(
                "MovementMessages",
                "Numero massimo di righe permesse per movimento 250, creare un nuovo movimento!"),
            I::Information);
    case QuantityMissing:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Occorre inserire la quantità!"),
                 I::Information);
    case QuantityNotPositive:
        return m(QT_TRANSLATE_NOOP("MovementMessages",
                                   "Occorre inserire una quantità superiore a zero!"),
                 I::Information);
    case RowInsertFailed:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Errore nell'inserimento della riga!"),
                 I::Warning);
    case RowSaveFailed:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Errore nel salvataggio della riga!"),
                 I::Warning);
    case RowDeleteFailed:
        return m(
            QT_TRANSLATE_NOOP("MovementMessages", "Impossibile eliminare la riga selezionata!"),
            I::Warning);
    case CaricoInsertFailed:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Impossibile inserire il carico!"),
                 I::Warning);
    case NoUnits:
        return m(
            QT_TRANSLATE_NOOP("MovementMessages", "Non ci sono le unità di misura in archivio!"),
            I::Information);
    case TransactionStartFailed:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Impossibile avviare la transazione!"),
                 I::Information);
    case CaricoSaveFailed:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Impossibile salvare il carico!"), I::Error);
    case TransactionSaveFailed:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Impossibile salvare la transazione!"),
                 I::Information);
    case ScaricoInsertFailed:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Impossibile inserire lo scarico!"),
                 I::Warning);
    case ScaricoSaveFailed:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Impossibile salvare lo scarico!"),
                 I::Error);
    case ResoInsertFailed:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Impossibile inserire il reso!"),
                 I::Warning);
    case ResoSaveFailed:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Impossibile salvare il reso!"), I::Error);
    case MovementSaveFailed:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Impossibile salvare il movimento!"),
                 I::Error);
    case DeleteQuestion:
        return m(QT_TRANSLATE_NOOP(
                     "MovementMessages",
                     "Si desidera eliminare definitivamente il valore o i valori selezionati?"),
                 I::Question);
    case MovementNotFound:
        return m(QT_TRANSLATE_NOOP("MovementMessages", "Movimento non trovato!"), I::Information);
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
