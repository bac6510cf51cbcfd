#include "common/Commands.h"

namespace Commands {

namespace {

Command C(int id, const char* text, const char* tip, const char* key, const char* icon,
          bool checkable = false) {
    return Command{id,
                   QString::fromUtf8(text),
                   QString::fromUtf8(tip),
                   QString::fromLatin1(key),
                   QString::fromLatin1(icon),
                   checkable};
}

Command Refresh() {
    return C(Aggiorna, "Aggiorna", "Aggiorna la lista", "F5", "view-refresh");
}

} // namespace

QList<Command> FrameCommands() {
    return {
        C(ConnData, "Connessione Dati", "Scegli l'archivio dei dati", "", "network-server"),
        C(ImportaMdb, "Importa archivio Access (.mdb)...",
          "Importa in un nuovo archivio i dati del programma per Windows", "", "document-import"),
        C(DatiAziendali, "Dati Aziendali", "Dati dell'azienda, valute e formati dei numeri", "",
          "x-office-address-book"),
        C(UnitaMisura, "Unità di Misura", "Gestione delle unità di misura", "",
          "accessories-calculator"),
        C(BackupDati, "Backup Dati", "Salva una copia dell'archivio dei dati", "",
          "document-save-as"),
        C(LettoreBarre, "Lettore a Barre...",
          "Sceglie il lettore di codici a barre: a tastiera o su porta seriale", "", "scanner"),
        C(Aggiornamenti, "A&ggiornamenti", "Controlla la presenza di aggiornamenti", "",
          "system-software-update"),
        C(Manuale, "Manuale &utente", "Apre il manuale online", "", "help-contents"),
        C(Commenti, "Commenti e &suggerimenti", "Invia un commento o un suggerimento", "",
          "mail-message-new"),
        C(Statistiche, "Invia statistiche d'uso &anonime",
          "Invia ogni minuto al produttore il numero di articoli e di movimenti", "", "", true),
        C(Facebook, "Pagina Facebook", "Apre la pagina Facebook", "", "quarzil-facebook"),
        C(YouTube, "Canale YouTube", "Apre il canale YouTube", "", "quarzil-youtube"),
        C(Twitter, "Segui Twitter", "Apre la pagina Twitter", "", "quarzil-twitter"),
        C(PaginaWeb, "Pagina Web", "Apre il sito web", "", "applications-internet"),
        C(Donazioni, "Sostieni il Progetto", "Sostieni lo sviluppo del programma", "",
          "emblem-favorite"),
        C(About, "&Informazioni su Quarzil...", "Versione e informazioni sul programma", "",
          "help-about"),
        C(Exit, "&Esci", "Chiude il programma", "", "application-exit"),
        C(Help, "Aiuto", "Apre l'aiuto online della vista", "F1", "help-browser"),
        C(StatusBar, "Barra di stato", "Mostra o nasconde la barra di stato", "",
          "preferences-system-windows", true),
        C(MovArtBar, "Barra dei movimenti", "Mostra o nasconde i movimenti del prodotto", "",
          "view-list", true),
        C(MovRowBar, "Barra delle righe", "Mostra o nasconde le righe del movimento", "",
          "view-list", true),
        C(AnaMovBar, "Barra dei movimenti", "Mostra o nasconde gli ultimi movimenti", "",
          "view-list", true),
        C(CalAppBar, "Barra delle scadenze", "Mostra o nasconde il calendario", "",
          "x-office-calendar", true),
        C(AiutoMagazzino, "Aiuto Online", "Apre l'aiuto online del magazzino", "", "help-browser"),
        C(AiutoMovimenti, "Aiuto Online", "Apre l'aiuto online dei movimenti", "", "help-browser"),
        C(AiutoAnagrafiche, "Aiuto Online", "Apre l'aiuto online delle anagrafiche", "",
          "help-browser"),
        C(AiutoAgenda, "Aiuto Online", "Apre l'aiuto online dell'agenda", "", "help-browser"),
        C(215, "Office 2007 (stile &blu)", "Stile blu", "", "", true),
        C(216, "Office 2007 (sti&le nero)", "Stile nero", "", "", true),
        C(217, "Office 2007 (&stile grigio)", "Stile grigio", "", "", true),
        C(218, "Office 2007 (stile &azzurro)", "Stile azzurro", "", "", true),
        // "Windows 7" in the original: here the desktop's own style.
        C(219, "Stile del &desktop", "Stile del desktop", "", "", true),
    };
}

QList<Command> ViewCommands(int viewIndex) {
    switch (viewIndex) {
    case 0:
        return {
            C(32771, "Inserisci Nuovo Prodotto", "Inserisci un nuovo prodotto", "F3", "list-add"),
            C(32772, "Apri Prodotto", "Apri il prodotto selezionato (Invio)", "", "document-open"),
            C(32773, "Elimina Prodotto", "Elimina i prodotti selezionati", "Ctrl+D", "edit-delete"),
            Refresh(),
            C(32794, "Cerca Prodotto", "Cerca un prodotto", "F6", "edit-find"),
            C(32806, "Filtro Prodotti", "Imposta o toglie il filtro", "", "view-filter", true),
            C(32830, "Esporta", "Esporta i prodotti", "", "document-send"),
            C(32951, "Importa", "Importa i prodotti", "", "document-import"),
            C(32873, "Variazioni Veloci", "Variazioni di prezzi, IVA, ricarico e sconto", "",
              "accessories-calculator"),
            C(32880, "Categoria e Reparto", "Cambia categoria, reparto e scaffale", "",
              "folder-new"),
            C(32881, "Offerte e Promozioni", "Offerte e promozioni", "", "emblem-favorite"),
            C(32878, "Anteprima Lista Prodotti", "", "", "document-print-preview"),
            C(32879, "Stampa Lista Prodotti", "", "", "document-print"),
            C(32899, "Anteprima Valore Magazzino", "", "", "document-print-preview"),
            C(32816, "Stampa Valore Magazzino", "", "", "document-print"),
            C(32874, "Anteprima Storico Movimenti", "", "", "document-print-preview"),
            C(32877, "Stampa Storico Movimenti", "", "", "document-print"),
            C(32940, "Anteprima Etichette", "", "", "document-print-preview"),
            C(32829, "Stampa Etichette", "", "", "document-print"),
            C(32954, "Anteprima Listino Prezzi", "", "", "document-print-preview"),
            C(32955, "Stampa Listino Prezzi", "", "", "document-print"),
            C(57607, "Ristampa", "Stampa di nuovo l'ultima anteprima", "", "document-print"),
        };
    case 1:
        return {
            C(32776, "Nuovo Carico", "Nuovo carico di merce", "F2", "go-down"),
            C(32777, "Nuovo Scarico", "Nuova vendita", "F3", "go-up"),
            C(32778, "Nuovo Reso", "Nuovo reso di merce", "F4", "edit-undo"),
            C(32779, "Apri Movimento", "Apri il movimento selezionato (Invio)", "",
              "document-open"),
            C(32780, "Elimina Movimento", "Elimina i movimenti selezionati", "Ctrl+D",
              "edit-delete"),
            Refresh(),
            C(32794, "Trova Movimento", "Trova un movimento", "F6", "edit-find"),
            C(32806, "Filtro Date", "Mostra i movimenti di un periodo", "", "view-filter", true),
            C(32863, "Tutti i Movimenti", "", "", "view-list", true),
            C(32861, "Solo Carichi", "", "", "go-down", true),
            C(32862, "Solo Scarichi", "", "", "go-up", true),
            C(32850, "Solo Resi", "", "", "edit-undo", true),
            C(32864, "Anteprima Fattura / Ricevuta", "", "", "document-print-preview"),
            C(32865, "Stampa Fattura / Ricevuta", "", "", "document-print"),
            C(32866, "Anteprima Documento di Trasporto", "", "", "document-print-preview"),
            C(32867, "Stampa Documento di Trasporto", "", "", "document-print"),
            C(32960, "Anteprima Lista Movimenti", "", "", "document-print-preview"),
            C(32961, "Stampa Lista Movimenti", "", "", "document-print"),
            C(32853, "Anteprima Resoconto Movimenti", "", "", "document-print-preview"),
            C(32855, "Stampa Resoconto Movimenti", "", "", "document-print"),
            C(32964, "Fattura Elettronica", "Fatturazione elettronica", "", "mail-send"),
        };
    case 2:
        return {
            C(32784, "Inserisci Nuovo Cliente", "Inserisci un nuovo cliente", "F3", "contact-new"),
            C(32785, "Inserisci    Nuovo Fornitore", "Inserisci un nuovo fornitore", "F4",
              "contact-new"),
            C(32786, "Apri", "Apri l'anagrafica selezionata (Invio)", "", "document-open"),
            C(32787, "Elimina", "Elimina le anagrafiche selezionate", "Ctrl+D", "edit-delete"),
            Refresh(),
            C(32794, "Trova Anagrafica", "Trova un cliente o un fornitore", "F6", "edit-find"),
            C(32824, "Clienti", "Mostra solo i clienti", "", "view-filter", true),
            C(32825, "Fornitori", "Mostra solo i fornitori", "", "view-filter", true),
            C(32826, "Vedi Tutti", "Mostra tutte le anagrafiche", "", "view-list", true),
            C(32942, "Anteprima Lista", "Anteprima della lista", "", "document-print-preview"),
            C(32943, "Stampa Lista", "Stampa la lista", "", "document-print"),
            C(32875, "Anteprima Situazione", "Anteprima della situazione delle anagrafiche", "",
              "document-print-preview"),
            C(32876, "Stampa Situazione", "Stampa la situazione delle anagrafiche", "",
              "document-print"),
        };
    case 3:
        return {
            C(32812, "Inserisci Nuova Scadenza/Appuntamento",
              "Inserisci una nuova scadenza o un appuntamento", "F3", "appointment-new"),
            C(32814, "Apri", "Apri la scadenza selezionata (Invio)", "", "document-open"),
            C(32815, "Elimina", "Elimina la scadenza selezionata", "Ctrl+D", "edit-delete"),
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
