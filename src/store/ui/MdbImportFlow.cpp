#include "store/ui/MdbImportFlow.h"

#include "common/AppPaths.h"
#include "common/IFileDialogs.h"
#include "common/IPrompt.h"
#include "common/Profile.h"
#include "store/ConnectionString.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProgressDialog>
#include <QStandardPaths>

namespace {

QString Title() {
    return QCoreApplication::translate("MdbImportFlow", "Importa archivio Access");
}
// The progress bar's steps.
constexpr int kSteps = 1000;

bool sameFile(const QString& a, const QString& b) {
    return !a.isEmpty() && !b.isEmpty() &&
           QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

MdbImportFlow::MdbImportFlow(Profile& profile, IPrompt& prompt, IFileDialogs& files,
                             const QString& appDataFolder, const QString& currentConnection,
                             QWidget* parent)
    : openSource(&MdbImport::OpenFile), m_profile(profile), m_prompt(prompt), m_files(files),
      m_appData(appDataFolder), m_current(currentConnection), m_parent(parent) {}

QString MdbImportFlow::OpenFilter() {
    return QCoreApplication::translate("MdbImportFlow", "Archivio Access (*.mdb *.mde)");
}

bool MdbImportFlow::run() {
    m_imported.clear();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString mdb = m_files.openFile(Title(), documents, OpenFilter());
    if (mdb.isEmpty())
        return false;

    // The file's tables say whether it is an archive of this program, before anything is
    // asked or written.
    QString error;
    std::unique_ptr<MdbImportSource> source = openSource(mdb, &error);
    if (!source) {
        m_prompt.message(
            QCoreApplication::translate("MdbImportFlow", "Impossibile leggere il file %1: %2.")
                .arg(QFileInfo(mdb).fileName(), error),
            IPrompt::Icon::Error);
        return false;
    }
    const MdbImport::Check check = MdbImport::Inspect(*source);
    if (!check.readable) {
        m_prompt.message(
            QCoreApplication::translate("MdbImportFlow", "Impossibile leggere il file %1: %2.")
                .arg(QFileInfo(mdb).fileName(), check.error),
            IPrompt::Icon::Error);
        return false;
    }
    if (!check.quarzil) {
        m_prompt.message(MdbImport::NotQuarzilText(mdb, check), IPrompt::Icon::Warning);
        return false;
    }

    // By default beside the archives the program keeps: its data folder, named as the file.
    const QString folder = AppPaths::DataFolder(m_appData);
    QString target = m_files.saveFile(
        QCoreApplication::translate("MdbImportFlow", "Salva il nuovo archivio"), folder,
        QFileInfo(mdb).completeBaseName() + QStringLiteral(".db"),
        QCoreApplication::translate("MdbImportFlow", "Database Quarzil (*.db *.sqlite)"));
    if (target.isEmpty())
        return false;
    if (QFileInfo(target).suffix().isEmpty())
        target += QStringLiteral(".db");
    target = QFileInfo(target).absoluteFilePath();
    const QString inUse = ConnectionString::TypeOf(m_current) == 0
                              ? ConnectionString::Value(m_current, QStringLiteral("Data Source"))
                              : QString();
    if (sameFile(target, inUse) || sameFile(target, mdb)) {
        m_prompt.message(QCoreApplication::translate(
                             "MdbImportFlow", "Il file %1 è in uso: scegliere un altro nome per il "
                                              "nuovo archivio.")
                             .arg(QFileInfo(target).fileName()),
                         IPrompt::Icon::Error);
        return false;
    }
    QDir().mkpath(QFileInfo(target).absolutePath());

    QProgressDialog progress(m_parent);
    progress.setWindowTitle(Title());
    progress.setObjectName(QStringLiteral("MdbImportProgress"));
    progress.setLabelText(QCoreApplication::translate("MdbImportFlow", "Importazione di %1...")
                              .arg(QFileInfo(mdb).fileName()));
    progress.setCancelButtonText(QStringLiteral("Annulla"));
    progress.setRange(0, kSteps);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setValue(0);
    const QLocale locale;
    const MdbImport::Result r = MdbImport::Run(
        *source, target, MdbImport::Mode::Quarzil, [&](const MdbImport::Progress& p) {
            progress.setLabelText(
                QStringLiteral("Tabella %1: %2 di %3 righe")
                    .arg(p.table, locale.toString(p.rowsDone), locale.toString(p.rowsTotal)));
            // setValue lets the dialog take the user's click on Annulla.
            progress.setValue(p.rowsTotal > 0 ? int(p.rowsDone * kSteps / p.rowsTotal) : 0);
            QApplication::processEvents();
            return !progress.wasCanceled();
        });
    progress.close();

    if (r.cancelled) {
        m_prompt.message(
            QCoreApplication::translate("MdbImportFlow",
                                        "Importazione annullata: nessun archivio è stato creato."),
            IPrompt::Icon::Information);
        return false;
    }
    if (!r.ok) {
        m_prompt.message(
            QCoreApplication::translate(
                "MdbImportFlow", "Importazione non riuscita: %1. Nessun archivio è stato creato.")
                .arg(r.error),
            IPrompt::Icon::Error);
        return false;
    }
    m_imported = target;
    const QString question =
        QCoreApplication::translate(
            "MdbImportFlow", "L'archivio %1 è stato importato in %2 (%3 tabelle, %4 righe), alla "
                             "versione %5. Usare ora il nuovo archivio?")
            .arg(QFileInfo(mdb).fileName(), target)
            .arg(r.tables)
            .arg(locale.toString(r.rows))
            .arg(r.versionReached);
    if (!m_prompt.question(question))
        return true;
    const QString connection = ConnectionString::ForSqlite(target);
    m_profile.setValue(Profile::Section::Settings, QStringLiteral("MyConnection"), connection);
    m_profile.sync();
    if (reconnect)
        reconnect(connection);
    else
        m_prompt.message(
            QCoreApplication::translate(
                "MdbImportFlow", "Il nuovo archivio sarà aperto al prossimo avvio del programma."),
            IPrompt::Icon::Information);
    return true;
}
