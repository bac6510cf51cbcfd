#pragma once

#include <QPalette>
#include <QString>

// The visual styles the "Stile" commands choose (ids 205 to 219, stored as
// "Workspace"/"ApplicationLook"). The four Office 2007 colours are palettes on the Fusion style;
// 219 and the older looks without a colour of their own use the desktop's native style.
namespace ApplicationLook {

constexpr int kDefault = 215; // Office 2007, blue
constexpr int kFirst = 205;
constexpr int kLast = 219;

// 205 to 210 and 215 to 219; anything else is not a look.
bool IsLook(int id);
// The stored value made valid: an unknown one falls back to the default.
int Normalized(int id);
// True when the look draws with the desktop's own style and palette.
bool UsesNativeStyle(int id);
// The palette of a Fusion look (meaningless for a native one).
QPalette Palette(int id);

} // namespace ApplicationLook
