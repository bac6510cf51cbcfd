#pragma once

#include <QList>
#include <QString>

// Every command of the program with its text, tooltip, key and icon. Widget-free, and below
// every view, so a view names its commands here and the ribbon places them.
namespace Commands {

// Command ids. The frame handles its own; the others belong to a view.
enum Id : int {
    ConnData = 32802,
    ImportaMdb = 32990,
    // The check box that turns the usage ping on and off.
    Statistiche = 32991,
    LettoreBarre = 32992,
    DatiAziendali = 32796,
    UnitaMisura = 32774,
    BackupDati = 32804,
    Aggiornamenti = 32834,
    Manuale = 32918,
    Commenti = 32963,
    Facebook = 32788,
    YouTube = 32789,
    Twitter = 32831,
    PaginaWeb = 32792,
    Donazioni = 32966,
    About = 57664,
    Exit = 57665,
    Help = 57670,
    StatusBar = 59393,
    MovArtBar = 32797,
    MovRowBar = 32798,
    AnaMovBar = 32800,
    CalAppBar = 32813,
    AiutoMagazzino = 32967,
    AiutoMovimenti = 32968,
    AiutoAnagrafiche = 32969,
    AiutoAgenda = 32970,
    Aggiorna = 32805,

    // Shared by the list views.
    Trova = 32794,
    Filtro = 32806,
    // The items view.
    ArtNuovo = 32771,
    ArtApri = 32772,
    ArtElimina = 32773,
    VariazioniVeloci = 32873,
    CategoriaReparto = 32880,
    OffertePromozioni = 32881,
    // The movements view.
    MovNuovoCarico = 32776,
    MovNuovoScarico = 32777,
    MovNuovoReso = 32778,
    MovApri = 32779,
    MovElimina = 32780,
    MovTutti = 32863,
    MovSoloCarichi = 32861,
    MovSoloScarichi = 32862,
    MovSoloResi = 32850,
    MovFatturaElettronica = 32964,
    // The counterparts view.
    AnaNuovoCliente = 32784,
    AnaNuovoFornitore = 32785,
    AnaApri = 32786,
    AnaElimina = 32787,
    AnaSoloOperai = 32823,
    AnaSoloClienti = 32824,
    AnaSoloFornitori = 32825,
    AnaTutti = 32826,

    // The items' export and import.
    ArtEsporta = 32830,
    ArtImporta = 32951,

    // Prints: a preview and a print command for each.
    ArtAnteprimaLista = 32878,
    ArtStampaLista = 32879,
    ArtAnteprimaValore = 32899,
    ArtStampaValore = 32816,
    ArtAnteprimaStorico = 32874,
    ArtStampaStorico = 32877,
    ArtAnteprimaEtichette = 32940,
    ArtStampaEtichette = 32829,
    ArtAnteprimaPrezzi = 32954,
    ArtStampaPrezzi = 32955,
    Ristampa = 57607,
    MovAnteprimaFattura = 32864,
    MovStampaFattura = 32865,
    MovAnteprimaDdt = 32866,
    MovStampaDdt = 32867,
    MovAnteprimaLista = 32960,
    MovStampaLista = 32961,
    MovAnteprimaRapporto = 32853,
    MovStampaRapporto = 32855,
    AnaAnteprimaLista = 32942,
    AnaStampaLista = 32943,
    AnaAnteprimaSituazione = 32875,
    AnaStampaSituazione = 32876,
};

struct Command {
    int id = 0;
    QString text; // with its access key ("&")
    QString tip;  // tooltip; the key is added when the command has one
    QString key;  // portable key sequence text ("F3", "Ctrl+D"), may be empty
    QString icon; // freedesktop icon name
    bool checkable = false;
};

// A command is the frame's own when any category may show it; a view's command is made once
// per category (its text can differ: "Trova" is "Cerca Prodotto" or "Trova Anagrafica").
bool IsFrameCommand(int id);
// The frame's commands, and a category's view commands (id, text, ...).
QList<Command> FrameCommands();
QList<Command> ViewCommands(int viewIndex);

// The online help page of each view ("/aiuto/Quarzil/...").
QString HelpPath(int viewIndex);

} // namespace Commands
