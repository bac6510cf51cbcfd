#include "shell/ui/CMainFrame.h"

#include "shell/ui/CMainApp.h"

#include <QLabel>
#include <QStatusBar>

CMainFrame::CMainFrame(CMainApp& app, QWidget* parent) : QMainWindow(parent), m_app(app) {
    setObjectName(QStringLiteral("CMainFrame"));
    resize(1024, 700);
    auto* placeholder = new QLabel(QStringLiteral("Quarzil"), this);
    placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(placeholder);
    statusBar()->showMessage(m_app.database().connectionString().section(u';', 1));
}

void CMainFrame::setVisible(bool visible) {
    // The frame stays hidden until the start-up has finished.
    if (visible && m_app.isStartupInProgress())
        return;
    QMainWindow::setVisible(visible);
}

void CMainFrame::showWithState(int style) {
    switch (style) {
    case 3:
        showMaximized();
        break;
    case 2:
    case 6:
    case 7:
        showMinimized();
        break;
    default:
        showNormal();
        break;
    }
}
