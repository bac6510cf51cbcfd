#pragma once

#include <QIcon>

// Command icons: the desktop's icon theme when it has the name, else a picture drawn here.
namespace RibbonIcons {

QIcon Icon(const QString& themeName);
// The drawn picture alone (the application button, tests).
QIcon Drawn(const QString& themeName);
// The program's own icon, for its windows: the theme's "quarzil" when one is installed, else
// the drawn box of the application button, in the sizes panels and window lists ask for.
QIcon Application();

} // namespace RibbonIcons
