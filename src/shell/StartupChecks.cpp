#include "shell/StartupChecks.h"

#include "common/AppPaths.h"
#include "common/Profile.h"
#include "store/ConnectionString.h"
#include "store/DatabaseOpener.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QNetworkInformation>

namespace StartupChecks {

std::optional<QString> DisplayProblem(const QSize& size, int depth) {
    if (size.width() < 800 || size.height() < 600)
        return QCoreApplication::translate(
                   "StartupChecks",
                   "La risoluzione attuale del video è di %1x%2 pixel. La risoluzione "
                   "minima del programma per funzionare è di 800x600 pixel!")
            .arg(size.width())
            .arg(size.height());
    if (depth <= 15) {
        const qlonglong colours = depth > 0 ? (qlonglong(1) << std::min(depth, 62)) : 1;
        return QCoreApplication::translate(
                   "StartupChecks",
                   "La scheda video è configurata a %1 colori per pixel. Si consiglia di "
                   "impostarla ad almeno 65.536 colori!")
            .arg(QLocale(QLocale::Italian, QLocale::Italy).toString(colours));
    }
    return std::nullopt;
}

InternetState TestInternetState() {
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend())
        return InternetState::Unknown;
    auto* info = QNetworkInformation::instance();
    if (!info || !info->supports(QNetworkInformation::Feature::Reachability))
        return InternetState::Unknown;
    switch (info->reachability()) {
    case QNetworkInformation::Reachability::Disconnected:
        return InternetState::Disconnected;
    case QNetworkInformation::Reachability::Unknown:
        return InternetState::Unknown;
    default:
        return InternetState::Connected;
    }
}

void SyncInstallation(Profile& profile, const QString& executableFolder) {
    using S = Profile::Section;
    QString machineDirectory;
    int machineVersion = 0;
    if (profile.machineKeyExists()) {
        machineDirectory = profile.machineDirectory();
        machineVersion = profile.machineVersion();
    } else {
        // No installer on Linux writes machine settings unless the administrator does: the
        // program finds its own folder instead.
        machineDirectory = AppPaths::FindInstallationFolder(executableFolder);
        machineVersion = kProgramVersion;
    }
    if (!machineDirectory.isEmpty() && !machineDirectory.endsWith(u'/'))
        machineDirectory += u'/';
    const QString directory = profile.string(S::Settings, QStringLiteral("Directory"));
    if (directory.isEmpty()) {
        if (!machineDirectory.isEmpty())
            profile.setValue(S::Settings, QStringLiteral("Directory"), machineDirectory);
        if (machineVersion > 0)
            profile.setValue(S::Application, QStringLiteral("Versione"), machineVersion);
    } else {
        if (!machineDirectory.isEmpty() && machineDirectory != directory)
            profile.setValue(S::Settings, QStringLiteral("Directory"), machineDirectory);
        if (machineVersion > profile.integer(S::Application, QStringLiteral("Versione")))
            profile.setValue(S::Application, QStringLiteral("Versione"), machineVersion);
    }
}

QString ReleaseNotesHtml(const QString& installationFolder) {
    if (installationFolder.isEmpty())
        return QString();
    QFile f(installationFolder + QStringLiteral("RelNotes.html"));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

QString OpeningFailedText(const OpeningReport& report) {
    QString text =
        QCoreApplication::translate("StartupChecks", "Impossibile aprire l'archivio dei dati!");
    for (const OpeningReport::Failure& f : report.failures)
        text += QStringLiteral("\n%1: %2").arg(f.archive, f.error);
    return text;
}

QString ChosenArchiveFailedText(const OpeningReport& report, const QString& openConnection) {
    const OpeningReport::Failure* chosen = report.chosenFailure();
    if (!chosen)
        return QString();
    return QCoreApplication::translate("StartupChecks",
                                       "Impossibile aprire l'archivio dei dati scelto:\n%1\n%2\n\n"
                                       "È aperto invece l'archivio:\n%3\n"
                                       "I dati inseriti ora saranno salvati in questo archivio.")
        .arg(chosen->archive, chosen->error, ConnectionString::Describe(openConnection));
}

QString ProfileNotSavedText(const QString& profileFile) {
    return QCoreApplication::translate(
               "StartupChecks",
               "Impossibile salvare le impostazioni nel file %1 (file o cartella in "
               "sola lettura, oppure disco pieno): le modifiche alle impostazioni non "
               "saranno conservate.")
        .arg(profileFile);
}

QString OpenArchiveText(const QString& openConnection) {
    return QCoreApplication::translate("StartupChecks", "Archivio: %1")
        .arg(ConnectionString::Describe(openConnection));
}

} // namespace StartupChecks
