#include "shell/RibbonLayout.h"

#include <QRegularExpression>

namespace RibbonLayout {

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

Entry Big(int id) {
    return Entry{id, true, {}, {}, {}};
}
Entry Small(int id) {
    return Entry{id, false, {}, {}, {}};
}
Entry Drop(const char* text, const char* icon, QList<int> menu) {
    return Entry{0, true, QString::fromUtf8(text), QString::fromLatin1(icon), std::move(menu)};
}

Command Refresh() {
    return C(Aggiorna, "Aggiorna", "Aggiorna la lista", "F5", "view-refresh");
}

QList<Category> MakeCategories() {
    const Panel visualizzaItems{
        "Visualizza", "preferences-system-windows", {Small(MovArtBar), Small(StatusBar)}};
    return {
        {QStringLiteral("Magazzino"),
         0,
         {{QStringLiteral("Articoli"),
           QStringLiteral("package-x-generic"),
           {Big(32771), Big(32772), Big(32773), Small(Aggiorna), Small(32794), Small(32806)}},
          {QStringLiteral("Strumenti"),
           QStringLiteral("applications-utilities"),
           {Big(32873), Big(32880), Big(32881),
            Drop("Stampe", "document-print",
                 {32878, 32879, 0, 32899, 32816, 0, 32874, 32877, 0, 32940, 32829, 0, 32954, 32955,
                  0, 57607}),
            Small(32830), Small(32951), Small(AiutoMagazzino)}},
          {QStringLiteral("Social"),
           QStringLiteral("applications-internet"),
           {Small(Facebook), Small(YouTube), Small(Twitter), Small(PaginaWeb), Small(Donazioni)}},
          visualizzaItems}},
        {QStringLiteral("Movimenti / Fatture"),
         1,
         {{QStringLiteral("Merce"),
           QStringLiteral("package-x-generic"),
           {Big(32776), Big(32777), Big(32778), Small(32779), Small(32780), Small(Aggiorna),
            Small(32794), Small(32806),
            Drop("Tipo di Movimento", "view-list", {32863, 32861, 32862, 32850})}},
          {QStringLiteral("Strumenti"),
           QStringLiteral("applications-utilities"),
           {Drop("Documento", "x-office-document", {32864, 32865, 0, 32866, 32867}),
            Drop("Stampe", "document-print", {32960, 32961, 0, 32853, 32855}), Big(32964),
            Small(AiutoMovimenti)}},
          {QStringLiteral("Visualizza"),
           QStringLiteral("preferences-system-windows"),
           {Small(MovRowBar), Small(StatusBar)}}}},
        {QStringLiteral("Anagrafiche"),
         2,
         {{QStringLiteral("Anagrafiche"),
           QStringLiteral("x-office-address-book"),
           {Big(32784), Big(32785), Big(32786), Big(32787), Small(Aggiorna), Small(32794),
            Small(32824), Small(32825), Small(32826)}},
          {QStringLiteral("Strumenti"),
           QStringLiteral("applications-utilities"),
           {Big(32942), Big(32943), Small(AiutoAnagrafiche)}},
          {QStringLiteral("Visualizza"),
           QStringLiteral("preferences-system-windows"),
           {Small(AnaMovBar), Small(StatusBar)}}}},
        {QStringLiteral("Agenda"),
         3,
         {{QStringLiteral("Scadenze"),
           QStringLiteral("x-office-calendar"),
           {Big(32812), Big(32814), Big(32815), Small(Aggiorna), Small(AiutoAgenda)}},
          {QStringLiteral("Visualizza"),
           QStringLiteral("preferences-system-windows"),
           {Small(CalAppBar), Small(StatusBar)}}}},
    };
}

} // namespace

QList<Command> FrameCommands() {
    return {
        C(ConnData, "Connessione Dati", "Scegli l'archivio dei dati", "", "network-server"),
        C(DatiAziendali, "Dati Aziendali", "Dati dell'azienda, valute e formati dei numeri", "",
          "x-office-address-book"),
        C(UnitaMisura, "Unità di Misura", "Gestione delle unità di misura", "",
          "accessories-calculator"),
        C(BackupDati, "Backup Dati", "Salva una copia dell'archivio dei dati", "",
          "document-save-as"),
        C(Aggiornamenti, "A&ggiornamenti", "Controlla la presenza di aggiornamenti", "",
          "system-software-update"),
        C(Manuale, "Manuale &utente", "Apre il manuale online", "", "help-contents"),
        C(Commenti, "Commenti e &suggerimenti", "Invia un commento o un suggerimento", "",
          "mail-message-new"),
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

const QList<Category>& Categories() {
    static const QList<Category> categories = MakeCategories();
    return categories;
}

QList<int> ApplicationMenu() {
    return {ConnData, DatiAziendali, UnitaMisura, BackupDati, 0, Facebook, YouTube, PaginaWeb};
}

QList<int> ProgrammaGroup() {
    return {Aggiornamenti, Manuale, Commenti};
}

QList<int> StileGroup() {
    return {215, 216, 217, 218, 219};
}

QList<int> QuickAccess() {
    return {ConnData, DatiAziendali, UnitaMisura, BackupDati};
}

QList<int> CategoryCommands(int viewIndex) {
    QList<int> ids;
    for (const Category& c : Categories()) {
        if (c.viewIndex != viewIndex)
            continue;
        for (const Panel& p : c.panels)
            for (const Entry& e : p.entries) {
                if (e.id)
                    ids << e.id;
                for (int m : e.menu)
                    if (m)
                        ids << m;
            }
    }
    return ids;
}

QString Caption(const QString& text, bool large) {
    QString plain = text;
    plain.remove(u'&');
    static const QRegularExpression wideGap(QStringLiteral(" {2,}"));
    if (!large)
        return plain.replace(wideGap, QStringLiteral(" "));
    if (plain.contains(wideGap))
        return plain.replace(wideGap, QStringLiteral("\n"));
    if (plain.size() <= 10)
        return plain;
    int best = -1;
    for (int i = 0; i < plain.size(); ++i)
        if ((plain.at(i) == u' ' || plain.at(i) == u'/') &&
            (best < 0 || qAbs(i - plain.size() / 2) < qAbs(best - plain.size() / 2)))
            best = i;
    if (best < 0)
        return plain;
    if (plain.at(best) == u'/')
        return plain.left(best + 1) + u'\n' + plain.mid(best + 1);
    return plain.left(best) + u'\n' + plain.mid(best + 1);
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

} // namespace RibbonLayout
