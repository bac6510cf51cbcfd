// The maker's services from the command line: the update check, the usage ping and the
// system report, with the program's own endpoints and texts.
#include "cli/CliCommand.h"
#include "common/MakerSite.h"
#include "common/Profile.h"
#include "shell/PublishedVersion.h"
#include "shell/StartupChecks.h"
#include "shell/SystemReport.h"
#include "shell/UsagePing.h"
#include "shell/WebRequests.h"
#include "store/Database.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <memory>

namespace {

using Endpoint = MakerSite::Endpoint;

// The profile as it stands; a missing one is never created here.
std::unique_ptr<Profile> UserProfile(QTemporaryDir& scratch) {
    const QString userFile = QFileInfo::exists(Profile::DefaultUserFile())
                                 ? Profile::DefaultUserFile()
                                 : scratch.filePath(QStringLiteral("Quarzil.ini"));
    return std::make_unique<Profile>(userFile, Profile::DefaultMachineFile());
}

struct Answer {
    bool ok = false;
    QByteArray body;
    QString error;
};

// One request, waited for: the command line has nothing else to do meanwhile.
Answer Send(const QNetworkRequest& request, const QByteArray* upload = nullptr) {
    QNetworkAccessManager network;
    QEventLoop loop;
    Answer answer;
    const auto done = [&](bool ok, const QByteArray& body, const QString& error) {
        answer = {ok, body, error};
        loop.quit();
    };
    if (upload)
        WebRequests::Put(network, request, *upload, &loop, done);
    else
        WebRequests::Get(network, request, &loop, done);
    loop.exec();
    return answer;
}

QString VersionText(int number) {
    return QStringLiteral("%1.%2.%3").arg(number / 100).arg(number / 10 % 10).arg(number % 10);
}

int runUpdateCheck(CliContext& c) {
    if (!c.args.isEmpty())
        return CliError(c, ExitUsage, QStringLiteral("argomento inatteso: %1").arg(c.args.first()));
    QTemporaryDir scratch;
    const auto profile = UserProfile(scratch);
    const QUrl url = MakerSite::Url(*profile, Endpoint::VersionFile);
    const Answer a = Send(
        WebRequests::Make(url, QStringLiteral("NorviskUpdate"), MakerSite::TimeoutMs(*profile)));
    if (!a.ok)
        return CliError(c, ExitFailed,
                        QStringLiteral("impossibile leggere la versione pubblicata (%1): %2")
                            .arg(url.toString(), a.error));
    const PublishedVersion v = PublishedVersion::Parse(a.body, false);
    if (c.json) {
        QJsonObject o;
        o.insert(QStringLiteral("published"), v.text);
        o.insert(QStringLiteral("publishedNumber"), v.number);
        o.insert(QStringLiteral("own"), VersionText(v.own));
        o.insert(QStringLiteral("ownNumber"), v.own);
        o.insert(QStringLiteral("updateAvailable"), v.updateAvailable());
        o.insert(QStringLiteral("package"), MakerSite::Url(*profile, Endpoint::Package).toString());
        c.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
        return ExitOk;
    }
    c.out << "Versione pubblicata: " << v.text << " (" << v.number << ")\n"
          << "Questa versione: " << VersionText(v.own) << " (" << v.own << ")\n"
          << "Aggiornamento disponibile: " << (v.updateAvailable() ? "Si" : "No") << "\n";
    if (v.updateAvailable())
        c.out << "Pacchetto: " << MakerSite::Url(*profile, Endpoint::Package).toString() << "\n";
    return ExitOk;
}

int Count(Database& db, const QString& sql) {
    QSqlQuery q(db.handle());
    if (!db.query(q, sql) || !q.next())
        return 0;
    return q.value(0).toInt();
}

int runPing(CliContext& c) {
    const bool show = TakeFlag(c.args, QStringLiteral("--show"));
    if (!c.args.isEmpty())
        return CliError(c, ExitUsage, QStringLiteral("argomento inatteso: %1").arg(c.args.first()));
    QTemporaryDir scratch;
    const auto profile = UserProfile(scratch);
    const int items =
        Count(*c.db, QStringLiteral("SELECT COUNT(IDArticolo) AS Totale FROM Articoli"));
    const int movements =
        Count(*c.db, QStringLiteral("SELECT COUNT(IDMovimento) AS Totale FROM Movimenti"));
    const UsagePing::Facts facts = UsagePing::FromSystem(
        SystemFacts::Collect(),
        profile->string(Profile::Section::Settings, QStringLiteral("Directory")), items, movements);
    const QUrl url = UsagePing::Url(MakerSite::Url(*profile, Endpoint::Ping), facts);
    if (show) {
        c.out << url.toString(QUrl::FullyEncoded) << "\n";
        return ExitOk;
    }
    if (!MakerSite::UsagePingEnabled(*profile)) {
        c.out << "Statistiche d'uso disattivate ([Web] Statistiche=0): non è stato inviato "
                 "nulla.\n";
        return ExitOk;
    }
    const Answer a = Send(WebRequests::Make(url, QStringLiteral("NorviskStatistica"),
                                            MakerSite::TimeoutMs(*profile)));
    if (!a.ok)
        return CliError(c, ExitFailed,
                        QStringLiteral("statistiche non inviate (%1): %2")
                            .arg(url.toString(QUrl::FullyEncoded), a.error));
    c.out << "Inviato: " << url.toString(QUrl::FullyEncoded) << "\n";
    return ExitOk;
}

int runReport(CliContext& c) {
    QString errorInfo, comment;
    if (!TakeOption(c.args, QStringLiteral("--errore"), &errorInfo) ||
        !TakeOption(c.args, QStringLiteral("--commento"), &comment))
        return CliError(c, ExitUsage, QStringLiteral("opzione senza valore."));
    const bool send = TakeFlag(c.args, QStringLiteral("--invia"));
    if (c.args.size() != 1)
        return CliError(c, ExitUsage,
                        c.args.isEmpty() ? QStringLiteral("manca il file del rapporto.")
                                         : QStringLiteral("argomento inatteso: %1").arg(c.args[1]));
    QTemporaryDir scratch;
    const auto profile = UserProfile(scratch);
    SystemReport::Input input = SystemReport::FromProfile(
        *profile, SystemFacts::Collect(),
        StartupChecks::TestInternetState() != StartupChecks::InternetState::Disconnected);
    input.errorInfo = errorInfo.trimmed().left(200);
    input.comment = comment.trimmed().left(200);
    if (send && !input.hasUserText())
        return CliError(c, ExitUsage,
                        QStringLiteral("--invia vuole un testo: --errore o --commento."));
    const QString file = QFileInfo(c.args.first()).absoluteFilePath();
    const QString text = SystemReport::Text(input);
    QString error;
    if (!SystemReport::WriteFile(file, text, &error))
        return CliError(c, ExitFailed,
                        QStringLiteral("impossibile scrivere %1: %2").arg(file, error));
    c.out << "Rapporto scritto in " << file << "\n";
    if (!send)
        return ExitOk;
    if (!input.facts.anonymousId)
        return CliError(c, ExitFailed,
                        QStringLiteral("il computer non ha un identificativo (/etc/machine-id): "
                                       "rapporto non inviato."));
    QString base = MakerSite::Url(*profile, Endpoint::Report).toString();
    if (!base.endsWith(u'/'))
        base += u'/';
    const QUrl target(base + SystemReport::UploadName(*input.facts.anonymousId));
    const QByteArray data = text.toUtf8();
    const Answer a = Send(
        WebRequests::Make(target, QStringLiteral("BreloReport"), MakerSite::TimeoutMs(*profile)),
        &data);
    if (!a.ok)
        return CliError(
            c, ExitFailed,
            QStringLiteral("rapporto non inviato (%1): %2").arg(target.toString(), a.error));
    c.out << "Rapporto inviato a " << target.toString() << "\n";
    return ExitOk;
}

} // namespace

CliCommand UpdateCheckCommand() {
    return {"update-check",
            "Legge la versione pubblicata e dice se c'è un aggiornamento.",
            "Legge il file della versione del sito del produttore ([Web] Sito, o l'indirizzo\n"
            "[Web] Versione del profilo) e lo confronta con questa versione. Con --json un\n"
            "oggetto con published, publishedNumber, own, ownNumber, updateAvailable, package.\n"
            "Non scarica nulla. Uscita 1 quando il sito non risponde.\n",
            "quarzil-cli update-check [--json]",
            CliCommand::Archive::None,
            true,
            &runUpdateCheck};
}

CliCommand PingCommand() {
    return {"ping",
            "Invia le statistiche d'uso anonime (o, con --show, le mostra soltanto).",
            "Conta articoli e movimenti dell'archivio e invia la richiesta che il programma\n"
            "invia ogni minuto ([Web] Ping): processore, identificativo anonimo, i due numeri e\n"
            "il sistema operativo. Con --show stampa l'indirizzo senza inviarlo. Con\n"
            "[Web] Statistiche=0 non invia nulla.\n",
            "quarzil-cli ping [--show]",
            CliCommand::Archive::Current,
            false,
            &runPing};
}

CliCommand ReportCommand() {
    return {"report",
            "Scrive il rapporto sul sistema in un file (e, con --invia, lo invia).",
            "Scrive in FILE (leggibile solo dal proprietario) il rapporto che il programma\n"
            "offre di inviare dopo una chiusura inaspettata: sistema, processori, memoria,\n"
            "versione di SQLite, cartella e connessioni (senza password), conteggi, tempo di\n"
            "avvio, voci del registro \"Log\". --errore e --commento aggiungono i testi\n"
            "dell'utente (200 caratteri al più); --invia lo carica ([Web] Rapporto) e vuole\n"
            "almeno uno dei due testi.\n",
            "quarzil-cli report FILE [--errore TESTO] [--commento TESTO] [--invia]",
            CliCommand::Archive::None,
            false,
            &runReport};
}
