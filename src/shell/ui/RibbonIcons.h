#pragma once

#include <QIcon>

// Command icons: the desktop's icon theme when it has the name, else a picture drawn here.
namespace RibbonIcons {

QIcon Icon(const QString& themeName);
// The drawn picture alone (the application button, tests).
QIcon Drawn(const QString& themeName);
// The program's own icon, for its windows: the pictures of its desktop entry, in the sizes
// panels and window lists ask for.
inline constexpr int kApplicationIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
QIcon Application();

} // namespace RibbonIcons
