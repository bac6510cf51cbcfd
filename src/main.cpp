#include "common/Language.h"
#include "shell/ui/CMainApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {
bool HasArgument(int argc, char** argv, const char* name) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return true;
    return false;
}

// "--lang en" or "--lang=en": the interface language for this run only.
QString LanguageArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == u"--lang" && i + 1 < argc)
            return QString::fromLocal8Bit(argv[i + 1]);
        if (arg.startsWith(u"--lang="))
            return arg.mid(7);
    }
    return QString();
}
} // namespace

int main(int argc, char** argv) {
    // Answered before any window system is needed, so that it works from a plain terminal.
    if (HasArgument(argc, argv, "--version")) {
        std::printf("Quarzil %s\n", QUARZIL_VERSION);
        return 0;
    }
    QElapsedTimer startClock;
    startClock.start();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Norvisk"));
    QApplication::setApplicationName(QStringLiteral("Quarzil"));
    QApplication::setApplicationVersion(QStringLiteral(QUARZIL_VERSION));
    // The desktop entry's name: window lists and docks match the window to its menu entry.
    QApplication::setDesktopFileName(QStringLiteral(QUARZIL_APP_ID));
    bool qtMissing = false;
    Language::Apply(QStringLiteral("it"), &qtMissing);
    if (qtMissing)
        // Said on the terminal only: the program works, its standard buttons are English.
        std::fprintf(stderr, "quarzil: Qt's own Italian texts (qtbase_it.qm, package "
                             "qt6-translations-l10n) are not installed\n");

    MainAppEnvironment env = MainAppEnvironment::FromSystem();
    const QString typed = LanguageArgument(argc, argv);
    if (!typed.isEmpty()) {
        env.language = Language::FromArgument(typed);
        if (env.language.isEmpty())
            std::fprintf(stderr, "quarzil: --lang %s: the languages are it, en, es, fr\n",
                         qPrintable(typed));
    }
    CMainApp mainApp(std::move(env), startClock);
    if (!mainApp.initInstance())
        return mainApp.isTerminationRequested() ? 0 : 1;
    // A whole start and a regular exit, for checking an installation from a script.
    if (HasArgument(argc, argv, "--quit-after-start"))
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    if (!mainApp.isTerminationRequested())
        QApplication::exec();
    return mainApp.exitInstance();
}
