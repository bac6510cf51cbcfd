#include "shell/ui/CMainFrame.h"

#include "company/ui/CAziendaSheet.h"
#include "shell/ui/CMainApp.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

CMainFrame::CMainFrame(CMainApp& app, QWidget* parent) : QMainWindow(parent), m_app(app) {
    setObjectName(QStringLiteral("CMainFrame"));
    resize(1024, 700);
    auto* placeholder = new QLabel(QStringLiteral("Quarzil"), this);
    placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(placeholder);
    statusBar()->showMessage(m_app.database().connectionString().section(u';', 1));

    // Until the ribbon: the application menu with its commands.
    QMenu* application = menuBar()->addMenu(QStringLiteral("&Applicazione"));
    application->setObjectName(QStringLiteral("Applicazione"));
    QAction* companyData = application->addAction(QStringLiteral("&Dati Aziendali"));
    companyData->setObjectName(QStringLiteral("DatiAziendali"));
    connect(companyData, &QAction::triggered, this, [this] {
        CAziendaSheet sheet(CAziendaSheet::Mode::Sheet, m_app.profile(), m_app.prompt(),
                            m_app.fileDialogs(), m_app.browser(), m_app.applicationDataFolder(),
                            &m_app.notifier(), this);
        sheet.exec();
    });
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
