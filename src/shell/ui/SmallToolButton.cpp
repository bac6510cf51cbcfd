#include "shell/ui/SmallToolButton.h"

#include <QIcon>
#include <QToolButton>

QToolButton* SmallToolButton(const QString& iconName, QStyle::StandardPixmap fallback,
                             const QString& toolTip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(QIcon::fromTheme(iconName, parent->style()->standardIcon(fallback)));
    button->setToolTip(toolTip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}
