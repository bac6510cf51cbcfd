#pragma once

#include "common/Commands.h"

#include <QList>
#include <QString>

// What the ribbon holds: every command with its text, tooltip, key and icon, the application
// menu, the quick-access bar and the four categories with their panels. Widget-free, so the
// layout can be checked without building windows.
namespace RibbonLayout {

// The command table and ids are the common ground's; the ribbon only places them.
using namespace Commands;

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

const QList<Category>& Categories();

// The application menu: commands, with 0 as a separator and the groups below.
QList<int> ApplicationMenu();
QList<int> ProgrammaGroup();
QList<int> StileGroup();
QList<int> QuickAccess();

// Every command a category reaches, drop-downs included.
QList<int> CategoryCommands(int viewIndex);

// Titles above hold the Italian source text; this gives one in the language in use.
QString Translated(const QString& source);

// The large buttons' caption: the text without its access key, split over two lines at the
// space nearest the middle when long (a wide run of spaces in a text marks the break).
QString Caption(const QString& text, bool large);

} // namespace RibbonLayout
