#pragma once

#include <QIcon>

// Command icons: the desktop's icon theme when it has the name, else a picture drawn here.
namespace RibbonIcons {

QIcon Icon(const QString& themeName);
// The drawn picture alone (the application button, tests).
QIcon Drawn(const QString& themeName);

} // namespace RibbonIcons
