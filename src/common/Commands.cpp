#include "common/Commands.h"

#include <QCoreApplication>

namespace Commands {

namespace {

Command C(int id, const char* text, const char* tip, const char* key, const char* icon,
          bool checkable = false) {
    return Command{id,
                   QCoreApplication::translate("Commands", text),
                   *tip ? QCoreApplication::translate("Commands", tip) : QString(),
                   QString::fromLatin1(key),
                   QString::fromLatin1(icon),
                   checkable};
}

Command Refresh() {
    return C(Aggiorna, QT_TRANSLATE_NOOP("Commands", "Aggiorna"),
             QT_TRANSLATE_NOOP("Commands", "Aggiorna la lista"), "F5", "view-refresh");
}

} // namespace

QList<Command> FrameCommands() {
    return {
        C(ConnData, QT_TRANSLATE_NOOP("Commands", "Connessione Dati"),
          QT_TRANSLATE_NOOP("Commands", "Scegli l'archivio dei dati"), "", "network-server"),
        C(ImportaMdb, QT_TRANSLATE_NOOP("Commands", "Importa archivio Access (.mdb)..."),
          QT_TRANSLATE_NOOP("Commands",
                            "Importa in un nuovo archivio i dati del programma per Windows"),
          "", "document-import"),
        C(DatiAziendali, QT_TRANSLATE_NOOP("Commands", "Dati Aziendali"),
          QT_TRANSLATE_NOOP("Commands", "Dati dell'azienda, valute e formati dei numeri"), "",
          "x-office-address-book"),
        C(UnitaMisura, QT_TRANSLATE_NOOP("Commands", "Unità di Misura"),
          QT_TRANSLATE_NOOP("Commands", "Gestione delle unità di misura"), "",
          "accessories-calculator"),
        C(BackupDati, QT_TRANSLATE_NOOP("Commands", "Backup Dati"),
          QT_TRANSLATE_NOOP("Commands", "Salva una copia dell'archivio dei dati"), "",
          "document-save-as"),
        C(LettoreBarre, QT_TRANSLATE_NOOP("Commands", "Lettore a Barre..."),
          QT_TRANSLATE_NOOP("Commands",
                            "Sceglie il lettore di codici a barre: a tastiera o su porta seriale"),
          "", "scanner"),
        C(Aggiornamenti, QT_TRANSLATE_NOOP("Commands", "A&ggiornamenti"),
          QT_TRANSLATE_NOOP("Commands", "Controlla la presenza di aggiornamenti"), "",
          "system-software-update"),
        C(Manuale, QT_TRANSLATE_NOOP("Commands", "Manuale &utente"),
          QT_TRANSLATE_NOOP("Commands", "Apre il manuale online"), "", "help-contents"),
        C(Commenti, QT_TRANSLATE_NOOP("Commands", "Commenti e &suggerimenti"),
          QT_TRANSLATE_NOOP("Commands", "Invia un commento o un suggerimento"), "",
          "mail-message-new"),
        C(Statistiche, QT_TRANSLATE_NOOP("Commands", "Invia statistiche d'uso &anonime"),
          QT_TRANSLATE_NOOP("Commands",
                            "Invia ogni minuto al produttore il numero di articoli e di movimenti"),
          "", "", true),
        C(Facebook, QT_TRANSLATE_NOOP("Commands", "Pagina Facebook"),
          QT_TRANSLATE_NOOP("Commands", "Apre la pagina Facebook"), "", "quarzil-facebook"),
        C(YouTube, QT_TRANSLATE_NOOP("Commands", "Canale YouTube"),
          QT_TRANSLATE_NOOP("Commands", "Apre il canale YouTube"), "", "quarzil-youtube"),
        C(Twitter, QT_TRANSLATE_NOOP("Commands", "Segui Twitter"),
          QT_TRANSLATE_NOOP("Commands", "Apre la pagina Twitter"), "", "quarzil-twitter"),
        C(PaginaWeb, QT_TRANSLATE_NOOP("Commands", "Pagina Web"),
          QT_TRANSLATE_NOOP("Commands", "Apre il sito web"), "", "applications-internet"),
        C(Donazioni, QT_TRANSLATE_NOOP("Commands", "Sostieni il Progetto"),
          QT_TRANSLATE_NOOP("Commands", "Sostieni lo sviluppo del programma"), "",
          "emblem-favorite"),
        C(About, QT_TRANSLATE_NOOP("Commands", "&Informazioni su Quarzil..."),
          QT_TRANSLATE_NOOP("Commands", "Versione e informazioni sul programma"), "", "help-about"),
        C(Exit, QT_TRANSLATE_NOOP("Commands", "&Esci"),
          QT_TRANSLATE_NOOP("Commands", "Chiude il programma"), "", "application-exit"),
        C(Help, QT_TRANSLATE_NOOP("Commands", "Aiuto"),
          QT_TRANSLATE_NOOP("Commands", "Apre l'aiuto online della vista"), "F1", "help-browser"),
        C(StatusBar, QT_TRANSLATE_NOOP("Commands", "Barra di stato"),
          QT_TRANSLATE_NOOP("Commands", "Mostra o nasconde la barra di stato"), "",
          "preferences-system-windows", true),
        C(MovArtBar, QT_TRANSLATE_NOOP("Commands", "Barra dei movimenti"),
          QT_TRANSLATE_NOOP("Commands", "Mostra o nasconde i movimenti del prodotto"), "",
          "view-list", true),
        C(MovRowBar, QT_TRANSLATE_NOOP("Commands", "Barra delle righe"),
          QT_TRANSLATE_NOOP("Commands", "Mostra o nasconde le righe del movimento"), "",
          "view-list", true),
        C(AnaMovBar, QT_TRANSLATE_NOOP("Commands", "Barra dei movimenti"),
          QT_TRANSLATE_NOOP("Commands", "Mostra o nasconde gli ultimi movimenti"), "", "view-list",
          true),
        C(CalAppBar, QT_TRANSLATE_NOOP("Commands", "Barra delle scadenze"),
          QT_TRANSLATE_NOOP("Commands", "Mostra o nasconde il calendario"), "", "x-office-calendar",
          true),
        C(AiutoMagazzino, QT_TRANSLATE_NOOP("Commands", "Aiuto Online"),
          QT_TRANSLATE_NOOP("Commands", "Apre l'aiuto online del magazzino"), "", "help-browser"),
        C(AiutoMovimenti, QT_TRANSLATE_NOOP("Commands", "Aiuto Online"),
          QT_TRANSLATE_NOOP("Commands", "Apre l'aiuto online dei movimenti"), "", "help-browser"),
        C(AiutoAnagrafiche, QT_TRANSLATE_NOOP("Commands", "Aiuto Online"),
          QT_TRANSLATE_NOOP("Commands", "Apre l'aiuto online delle anagrafiche"), "",
          "help-browser"),
        C(AiutoAgenda, QT_TRANSLATE_NOOP("Commands", "Aiuto Online"),
          QT_TRANSLATE_NOOP("Commands", "Apre l'aiuto online dell'agenda"), "", "help-browser"),
        C(215, QT_TRANSLATE_NOOP("Commands", "Office 2007 (stile &blu)"),
          QT_TRANSLATE_NOOP("Commands", "Stile blu"), "", "", true),
        C(216, QT_TRANSLATE_NOOP("Commands", "Office 2007 (sti&le nero)"),
          QT_TRANSLATE_NOOP("Commands", "Stile nero"), "", "", true),
        C(217, QT_TRANSLATE_NOOP("Commands", "Office 2007 (&stile grigio)"),
          QT_TRANSLATE_NOOP("Commands", "Stile grigio"), "", "", true),
        C(218, QT_TRANSLATE_NOOP("Commands", "Office 2007 (stile &azzurro)"),
          QT_TRANSLATE_NOOP("Commands", "Stile azzurro"), "", "", true),
        // "Windows 7" in the original: here the desktop's own style.
        C(219, QT_TRANSLATE_NOOP("Commands", "Stile del &desktop"),
          QT_TRANSLATE_NOOP("Commands", "Stile del desktop"), "", "", true),
    };
}

QList<Command> ViewCommands(int viewIndex) {
    switch (viewIndex) {
    case 0:
        return {
            C(32771, QT_TRANSLATE_NOOP("Commands", "Inserisci Nuovo Prodotto"),
              QT_TRANSLATE_NOOP("Commands", "Inserisci un nuovo prodotto"), "F3", "list-add"),
            C(32772, QT_TRANSLATE_NOOP("Commands", "Apri Prodotto"),
              QT_TRANSLATE_NOOP("Commands", "Apri il prodotto selezionato (Invio)"), "",
              "document-open"),
            C(32773, QT_TRANSLATE_NOOP("Commands", "Elimina Prodotto"),
              QT_TRANSLATE_NOOP("Commands", "Elimina i prodotti selezionati"), "Ctrl+D",
              "edit-delete"),
            Refresh(),
            C(32794, QT_TRANSLATE_NOOP("Commands", "Cerca Prodotto"),
              QT_TRANSLATE_NOOP("Commands", "Cerca un prodotto"), "F6", "edit-find"),
            C(32806, QT_TRANSLATE_NOOP("Commands", "Filtro Prodotti"),
              QT_TRANSLATE_NOOP("Commands", "Imposta o toglie il filtro"), "", "view-filter", true),
            C(32830, QT_TRANSLATE_NOOP("Commands", "Esporta"),
              QT_TRANSLATE_NOOP("Commands", "Esporta i prodotti"), "", "document-send"),
            C(32951, QT_TRANSLATE_NOOP("Commands", "Importa"),
              QT_TRANSLATE_NOOP("Commands", "Importa i prodotti"), "", "document-import"),
            C(32873, QT_TRANSLATE_NOOP("Commands", "Variazioni Veloci"),
              QT_TRANSLATE_NOOP("Commands", "Variazioni di prezzi, IVA, ricarico e sconto"), "",
              "accessories-calculator"),
            C(32880, QT_TRANSLATE_NOOP("Commands", "Categoria e Reparto"),
              QT_TRANSLATE_NOOP("Commands", "Cambia categoria, reparto e scaffale"), "",
              "folder-new"),
            C(32881, QT_TRANSLATE_NOOP("Commands", "Offerte e Promozioni"),
              QT_TRANSLATE_NOOP("Commands", "Offerte e promozioni"), "", "emblem-favorite"),
            C(32878, QT_TRANSLATE_NOOP("Commands", "Anteprima Lista Prodotti"), "", "",
              "document-print-preview"),
            C(32879, QT_TRANSLATE_NOOP("Commands", "Stampa Lista Prodotti"), "", "",
              "document-print"),
            C(32899, QT_TRANSLATE_NOOP("Commands", "Anteprima Valore Magazzino"), "", "",
              "document-print-preview"),
            C(32816, QT_TRANSLATE_NOOP("Commands", "Stampa Valore Magazzino"), "", "",
              "document-print"),
            C(32874, QT_TRANSLATE_NOOP("Commands", "Anteprima Storico Movimenti"), "", "",
              "document-print-preview"),
            C(32877, QT_TRANSLATE_NOOP("Commands", "Stampa Storico Movimenti"), "", "",
              "document-print"),
            C(32940, QT_TRANSLATE_NOOP("Commands", "Anteprima Etichette"), "", "",
              "document-print-preview"),
            C(32829, QT_TRANSLATE_NOOP("Commands", "Stampa Etichette"), "", "", "document-print"),
            C(32954, QT_TRANSLATE_NOOP("Commands", "Anteprima Listino Prezzi"), "", "",
              "document-print-preview"),
            C(32955, QT_TRANSLATE_NOOP("Commands", "Stampa Listino Prezzi"), "", "",
              "document-print"),
            C(57607, QT_TRANSLATE_NOOP("Commands", "Ristampa"),
              QT_TRANSLATE_NOOP("Commands", "Stampa di nuovo l'ultima anteprima"), "",
              "document-print"),
        };
    case 1:
        return {
            C(32776, QT_TRANSLATE_NOOP("Commands", "Nuovo Carico"),
              QT_TRANSLATE_NOOP("Commands", "Nuovo carico di merce"), "F2", "go-down"),
            C(32777, QT_TRANSLATE_NOOP("Commands", "Nuovo Scarico"),
              QT_TRANSLATE_NOOP("Commands", "Nuova vendita"), "F3", "go-up"),
            C(32778, QT_TRANSLATE_NOOP("Commands", "Nuovo Reso"),
              QT_TRANSLATE_NOOP("Commands", "Nuovo reso di merce"), "F4", "edit-undo"),
            C(32779, QT_TRANSLATE_NOOP("Commands", "Apri Movimento"),
              QT_TRANSLATE_NOOP("Commands", "Apri il movimento selezionato (Invio)"), "",
              "document-open"),
            C(32780, QT_TRANSLATE_NOOP("Commands", "Elimina Movimento"),
              QT_TRANSLATE_NOOP("Commands", "Elimina i movimenti selezionati"), "Ctrl+D",
              "edit-delete"),
            Refresh(),
            C(32794, QT_TRANSLATE_NOOP("Commands", "Trova Movimento"),
              QT_TRANSLATE_NOOP("Commands", "Trova un movimento"), "F6", "edit-find"),
            C(32806, QT_TRANSLATE_NOOP("Commands", "Filtro Date"),
              QT_TRANSLATE_NOOP("Commands", "Mostra i movimenti di un periodo"), "", "view-filter",
              true),
            C(32863, QT_TRANSLATE_NOOP("Commands", "Tutti i Movimenti"), "", "", "view-list", true),
            C(32861, QT_TRANSLATE_NOOP("Commands", "Solo Carichi"), "", "", "go-down", true),
            C(32862, QT_TRANSLATE_NOOP("Commands", "Solo Scarichi"), "", "", "go-up", true),
            C(32850, QT_TRANSLATE_NOOP("Commands", "Solo Resi"), "", "", "edit-undo", true),
            C(32864, QT_TRANSLATE_NOOP("Commands", "Anteprima Fattura / Ricevuta"), "", "",
              "document-print-preview"),
            C(32865, QT_TRANSLATE_NOOP("Commands", "Stampa Fattura / Ricevuta"), "", "",
              "document-print"),
            C(32866, QT_TRANSLATE_NOOP("Commands", "Anteprima Documento di Trasporto"), "", "",
              "document-print-preview"),
            C(32867, QT_TRANSLATE_NOOP("Commands", "Stampa Documento di Trasporto"), "", "",
              "document-print"),
            C(32960, QT_TRANSLATE_NOOP("Commands", "Anteprima Lista Movimenti"), "", "",
              "document-print-preview"),
            C(32961, QT_TRANSLATE_NOOP("Commands", "Stampa Lista Movimenti"), "", "",
              "document-print"),
            C(32853, QT_TRANSLATE_NOOP("Commands", "Anteprima Resoconto Movimenti"), "", "",
              "document-print-preview"),
            C(32855, QT_TRANSLATE_NOOP("Commands", "Stampa Resoconto Movimenti"), "", "",
              "document-print"),
            C(32964, QT_TRANSLATE_NOOP("Commands", "Fattura Elettronica"),
              QT_TRANSLATE_NOOP("Commands", "Fatturazione elettronica"), "", "mail-send"),
        };
    case 2:
        return {
            C(32784, QT_TRANSLATE_NOOP("Commands", "Inserisci Nuovo Cliente"),
              QT_TRANSLATE_NOOP("Commands", "Inserisci un nuovo cliente"), "F3", "contact-new"),
            C(32785, QT_TRANSLATE_NOOP("Commands", "Inserisci    Nuovo Fornitore"),
              QT_TRANSLATE_NOOP("Commands", "Inserisci un nuovo fornitore"), "F4", "contact-new"),
            C(32786, QT_TRANSLATE_NOOP("Commands", "Apri"),
              QT_TRANSLATE_NOOP("Commands", "Apri l'anagrafica selezionata (Invio)"), "",
              "document-open"),
            C(32787, QT_TRANSLATE_NOOP("Commands", "Elimina"),
              QT_TRANSLATE_NOOP("Commands", "Elimina le anagrafiche selezionate"), "Ctrl+D",
              "edit-delete"),
            Refresh(),
            C(32794, QT_TRANSLATE_NOOP("Commands", "Trova Anagrafica"),
              QT_TRANSLATE_NOOP("Commands", "Trova un cliente o un fornitore"), "F6", "edit-find"),
            C(32824, QT_TRANSLATE_NOOP("Commands", "Clienti"),
              QT_TRANSLATE_NOOP("Commands", "Mostra solo i clienti"), "", "view-filter", true),
            C(32825, QT_TRANSLATE_NOOP("Commands", "Fornitori"),
              QT_TRANSLATE_NOOP("Commands", "Mostra solo i fornitori"), "", "view-filter", true),
            C(32826, QT_TRANSLATE_NOOP("Commands", "Vedi Tutti"),
              QT_TRANSLATE_NOOP("Commands", "Mostra tutte le anagrafiche"), "", "view-list", true),
            C(32942, QT_TRANSLATE_NOOP("Commands", "Anteprima Lista"),
              QT_TRANSLATE_NOOP("Commands", "Anteprima della lista"), "", "document-print-preview"),
            C(32943, QT_TRANSLATE_NOOP("Commands", "Stampa Lista"),
              QT_TRANSLATE_NOOP("Commands", "Stampa la lista"), "", "document-print"),
            C(32875, QT_TRANSLATE_NOOP("Commands", "Anteprima Situazione"),
              QT_TRANSLATE_NOOP("Commands", "Anteprima della situazione delle anagrafiche"), "",
              "document-print-preview"),
            C(32876, QT_TRANSLATE_NOOP("Commands", "Stampa Situazione"),
              QT_TRANSLATE_NOOP("Commands", "Stampa la situazione delle anagrafiche"), "",
              "document-print"),
        };
    case 3:
        return {
            C(32812, QT_TRANSLATE_NOOP("Commands", "Inserisci Nuova Scadenza/Appuntamento"),
              QT_TRANSLATE_NOOP("Commands", "Inserisci una nuova scadenza o un appuntamento"), "F3",
              "appointment-new"),
            C(32814, QT_TRANSLATE_NOOP("Commands", "Apri"),
              QT_TRANSLATE_NOOP("Commands", "Apri la scadenza selezionata (Invio)"), "",
              "document-open"),
            C(32815, QT_TRANSLATE_NOOP("Commands", "Elimina"),
              QT_TRANSLATE_NOOP("Commands", "Elimina la scadenza selezionata"), "Ctrl+D",
              "edit-delete"),
            Refresh(),
        };
    default:
        return {};
    }
}

bool IsFrameCommand(int id) {
    for (const Command& c : FrameCommands())
        if (c.id == id)
            return true;
    return false;
}

QString HelpPath(int viewIndex) {
    switch (viewIndex) {
    case 0:
        return QStringLiteral("/aiuto/Quarzil/magazzino.php");
    case 1:
        return QStringLiteral("/aiuto/Quarzil/movimenti.php");
    case 2:
        return QStringLiteral("/aiuto/Quarzil/clienti-fornitori.php");
    case 3:
        return QStringLiteral("/aiuto/Quarzil/scadenze-appuntamenti.php");
    default:
        return QString();
    }
}

} // namespace Commands
