#include "cli/PrintJobs.h"
#include "common/AppPaths.h"
#include "common/Profile.h"
#include "company/CompanyLogo.h"
#include "print/PageCount.h"
#include "print/PageFrame.h"
#include "print/PrintDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const std::vector<PrintJob>& printJobs() {
    static const std::vector<PrintJob> jobs = [] {
        std::vector<PrintJob> all;
        AddMovementPrintJobs(all);
        AddMovementReportPrintJobs(all);
        AddItemPrintJobs(all);
        AddLabelAndCounterpartPrintJobs(all);
        return all;
    }();
    return jobs;
}

int runPrint(CliContext& c) {
    if (c.args.isEmpty())
        return CliError(c, ExitUsage,
                        QStringLiteral("manca cosa stampare (\"quarzil-cli print --help\")."));
    const QString what = c.args.takeFirst();
    const PrintJob* job = nullptr;
    for (const PrintJob& j : printJobs())
        if (what == QLatin1String(j.name))
            job = &j;
    if (!job)
        return CliError(c, ExitUsage,
                        QStringLiteral("stampa sconosciuta: %1 (\"quarzil-cli print --help\" le "
                                       "elenca).")
                            .arg(what));
    QString pdf;
    if (!TakeOption(c.args, QStringLiteral("--pdf"), &pdf) || pdf.isEmpty())
        return CliError(c, ExitUsage, QStringLiteral("--pdf FILE.pdf è obbligatorio."));
    const QString fontProblem = CheckPrintFont();
    if (!fontProblem.isEmpty())
        return CliError(c, ExitFailed, fontProblem);

    // The company block comes from the user's profile, read as it stands: a missing profile is
    // never created here, the pages then carry no company data.
    QTemporaryDir scratch;
    const QString userFile = QFileInfo::exists(Profile::DefaultUserFile())
                                 ? Profile::DefaultUserFile()
                                 : scratch.filePath(QStringLiteral("Quarzil.ini"));
    Profile profile(userFile, Profile::DefaultMachineFile());

    PrintSource source{*c.db, profile, CompanyLogoFile(AppPaths::ApplicationDataFolder())};
    std::unique_ptr<PrintDocument> document;
    if (const int code = job->make(c, source, &document))
        return code;
    if (!c.args.isEmpty())
        return CliError(c, ExitUsage, QStringLiteral("argomento inatteso: %1").arg(c.args.first()));
    if (!document || document->pageCount() <= 0)
        return CliError(c, ExitFailed, QString::fromUtf8(kNoPrintDataMessage));
    const QString error = WritePdf(*document, pdf);
    if (!error.isEmpty())
        return CliError(c, ExitFailed, error);
    if (c.json)
        c.out << QStringLiteral("{\"file\":\"%1\",\"pages\":%2}\n")
                     .arg(QDir::fromNativeSeparators(QFileInfo(pdf).absoluteFilePath())
                              .replace(u'\\', QStringLiteral("\\\\"))
                              .replace(u'"', QStringLiteral("\\\"")))
                     .arg(document->pageCount());
    else
        c.out << (document->pageCount() == 1
                      ? QStringLiteral("%1: 1 pagina\n").arg(pdf)
                      : QStringLiteral("%1: %2 pagine\n").arg(pdf).arg(document->pageCount()));
    return ExitOk;
}

QByteArray printHelp() {
    QByteArray help = "Scrive un documento o un resoconto come file PDF, con lo stesso disegno "
                      "delle stampe del programma.\n\nStampe:\n";
    for (const PrintJob& j : printJobs())
        help += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(j.name), -12)
                    .arg(QString::fromUtf8(j.options), QString::fromUtf8(j.summary))
                    .toUtf8();
    help += "\nLe date: AAAA-MM-GG o GG/MM/AAAA. I dati dell'azienda vengono dal profilo "
            "dell'utente.\n";
    return help;
}

} // namespace

bool TakeDayOption(CliContext& c, const QString& name, QDate* day) {
    QString text;
    if (!TakeOption(c.args, name, &text)) {
        CliError(c, ExitUsage, QStringLiteral("%1 vuole una data.").arg(name));
        return false;
    }
    if (text.isNull())
        return true;
    *day = QDate::fromString(text, Qt::ISODate);
    if (!day->isValid())
        *day = QDate::fromString(text, QStringLiteral("d/M/yyyy"));
    if (!day->isValid()) {
        CliError(c, ExitUsage,
                 QStringLiteral("data non valida per %1: %2 (AAAA-MM-GG o GG/MM/AAAA).")
                     .arg(name, text));
        return false;
    }
    return true;
}

bool TakeKeyOption(CliContext& c, const QString& name, int* key) {
    QString text;
    if (!TakeOption(c.args, name, &text)) {
        CliError(c, ExitUsage, QStringLiteral("%1 vuole un numero.").arg(name));
        return false;
    }
    if (text.isNull())
        return true;
    bool ok = false;
    *key = text.toInt(&ok);
    if (!ok || *key <= 0) {
        CliError(c, ExitUsage, QStringLiteral("%1 vuole un numero positivo: %2").arg(name, text));
        return false;
    }
    return true;
}

bool TakeKeysOption(CliContext& c, const QString& name, QList<int>* keys) {
    QString text;
    if (!TakeOption(c.args, name, &text)) {
        CliError(c, ExitUsage, QStringLiteral("%1 vuole un elenco di numeri.").arg(name));
        return false;
    }
    if (text.isNull())
        return true;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int key = part.trimmed().toInt(&ok);
        if (!ok || key <= 0) {
            CliError(
                c, ExitUsage,
                QStringLiteral("%1 vuole numeri positivi separati da virgole: %2").arg(name, text));
            return false;
        }
        keys->append(key);
    }
    return true;
}

CliCommand PrintCommand() {
    static const QByteArray help = printHelp();
    return {"print",
            "stampa un documento, una lista o un resoconto in un file PDF",
            help.constData(),
            "quarzil-cli print STAMPA [opzioni] --pdf FILE.pdf [--json]",
            CliCommand::Archive::Current,
            true,
            runPrint};
}
