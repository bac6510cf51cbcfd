#pragma once

#include <QString>
#include <QStyle>

class QToolButton;
class QWidget;

// A small flat button beside a field, with the desktop theme's icon, or the style's own where the
// theme has none.
QToolButton* SmallToolButton(const QString& iconName, QStyle::StandardPixmap fallback,
                             const QString& toolTip, QWidget* parent);
