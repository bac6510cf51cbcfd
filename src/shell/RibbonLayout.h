#pragma once

#include <QList>
#include <QString>

// What the ribbon holds: every command with its text, tooltip, key and icon, the application
// menu, the quick-access bar and the four categories with their panels. Widget-free, so the
// layout can be checked without building windows.
namespace RibbonLayout {

// Commands the frame itself handles (the others belong to a view).
enum Id : int {
    ConnData = 32802,
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
};

struct Command {
    int id = 0;
    QString text; // with its access key ("&")
    QString tip;  // tooltip; the key is added when the command has one
    QString key;  // portable key sequence text ("F3", "Ctrl+D"), may be empty
    QString icon; // freedesktop icon name
    bool checkable = false;
};

// One place on a panel: a command (large or small button) or a drop-down of commands.
struct Entry {
    int id = 0; // the command, or 0 for a drop-down
    bool large = true;
    QString menuText; // drop-down caption
    QString menuIcon;
    QList<int> menu; // drop-down commands; 0 is a separator
};

struct Panel {
    QString title;
    QString icon; // shown when the panel collapses
    QList<Entry> entries;
};

struct Category {
    QString title;
    int viewIndex = 0;
    QList<Panel> panels;
};

// A command is the frame's own when any category may show it; a view's command is made once
// per category (its text can differ: "Trova" is "Cerca Prodotto" or "Trova Anagrafica").
bool IsFrameCommand(int id);
// The frame's commands, and a category's view commands (id, text, ...).
QList<Command> FrameCommands();
QList<Command> ViewCommands(int viewIndex);
const QList<Category>& Categories();

// The application menu: commands, with 0 as a separator and the groups below.
QList<int> ApplicationMenu();
QList<int> ProgrammaGroup();
QList<int> StileGroup();
QList<int> QuickAccess();

// Every command a category reaches, drop-downs included.
QList<int> CategoryCommands(int viewIndex);

// The large buttons' caption: the text without its access key, split over two lines at the
// space nearest the middle when long (a wide run of spaces in a text marks the break).
QString Caption(const QString& text, bool large);

// The online help page of each view ("/aiuto/Quarzil/...").
QString HelpPath(int viewIndex);

} // namespace RibbonLayout
