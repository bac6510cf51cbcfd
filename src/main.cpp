#include "shell/ui/CMainApp.h"
#include "shell/ui/QtTranslations.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char** argv) {
    QElapsedTimer startClock;
    startClock.start();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Norvisk"));
    QApplication::setApplicationName(QStringLiteral("Quarzil"));
    QApplication::setApplicationVersion(QStringLiteral("3.2.0"));
    QApplication::setDesktopFileName(QStringLiteral("quarzil"));
    InstallQtTranslations(app);

    CMainApp mainApp(MainAppEnvironment::FromSystem(), startClock);
    if (!mainApp.initInstance())
        return mainApp.isTerminationRequested() ? 0 : 1;
    if (!mainApp.isTerminationRequested())
        QApplication::exec();
    return mainApp.exitInstance();
}
