#include "common/ui/CPaneBar.h"

#include <QCloseEvent>

CPaneBar::CPaneBar(int commandId, const QString& title, QWidget* parent)
    : QDockWidget(title, parent), m_commandId(commandId) {
    setObjectName(QStringLiteral("Pane-%1").arg(commandId));
}

void CPaneBar::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (event->isAccepted())
        Q_EMIT closedByUser();
}
