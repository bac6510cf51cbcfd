#include "barcode/BarcodeReader.h"
#include "barcode/SerialBarcodePort.h"
#include "cli/CliCommand.h"
#include "common/Profile.h"
#include "items/ItemPhoto.h"
#include "items/ScannerAcquisition.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTimer>

namespace {

int scan(CliContext& c) {
    const bool list = TakeFlag(c.args, QStringLiteral("--list"));
    QString device;
    if (!TakeOption(c.args, QStringLiteral("--device"), &device))
        return CliError(c, ExitUsage, QStringLiteral("--device senza valore."));
    if (!list && c.args.size() != 1)
        return CliError(c, ExitUsage, QStringLiteral("occorre il file dell'immagine da scrivere."));
    if (list && !c.args.isEmpty())
        return CliError(c, ExitUsage, QStringLiteral("argomento inatteso: %1").arg(c.args.first()));

    QString error;
    const QList<ScannerAcquisition::Device> devices = ScannerAcquisition::Devices(&error);
    if (!error.isEmpty())
        return CliError(c, ExitFailed,
                        QStringLiteral("impossibile usare scanner e fotocamere: %1").arg(error));
    if (list) {
        for (const ScannerAcquisition::Device& d : devices)
            c.out << d.name << '\t' << QStringLiteral("%1 %2").arg(d.vendor, d.model).trimmed()
                  << '\n';
        return ExitOk;
    }
    if (devices.isEmpty())
        return CliError(c, ExitFailed, QStringLiteral("nessuno scanner o fotocamera trovato."));
    if (device.isNull()) {
        if (devices.size() > 1) {
            QStringList names;
            for (const ScannerAcquisition::Device& d : devices)
                names << d.name;
            return CliError(
                c, ExitUsage,
                QStringLiteral("ci sono più dispositivi, sceglierne uno con --device: %1")
                    .arg(names.join(QStringLiteral(", "))));
        }
        device = devices.first().name;
    }
    ScannerAcquisition scanner;
    const ScannerAcquisition::Result scanned = scanner.acquire(device);
    if (scanned.status != ScannerAcquisition::Status::Ok)
        return CliError(c, ExitFailed,
                        QStringLiteral("impossibile acquisire l'immagine da %1: %2")
                            .arg(device, scanned.error));
    // The picture as an item would keep it.
    const ItemPhoto::Result picture = ItemPhoto::FitImage(scanned.image);
    if (picture.status != ItemPhoto::Status::Ok)
        return CliError(c, ExitFailed, QStringLiteral("impossibile codificare l'immagine."));
    QSaveFile file(c.args.first());
    if (!file.open(QIODevice::WriteOnly) || file.write(picture.jpeg) != picture.jpeg.size() ||
        !file.commit())
        return CliError(
            c, ExitFailed,
            QStringLiteral("impossibile scrivere %1: %2").arg(c.args.first(), file.errorString()));
    c.err << QStringLiteral("%1: %2 x %3 pixel, %4 byte\n")
                 .arg(c.args.first())
                 .arg(picture.pixels.width())
                 .arg(picture.pixels.height())
                 .arg(picture.jpeg.size());
    return ExitOk;
}

int reader(CliContext& c) {
    QString port, count, timeout;
    if (!TakeOption(c.args, QStringLiteral("--port"), &port) ||
        !TakeOption(c.args, QStringLiteral("--count"), &count) ||
        !TakeOption(c.args, QStringLiteral("--timeout"), &timeout))
        return CliError(c, ExitUsage, QStringLiteral("opzione senza valore."));
    if (!c.args.isEmpty())
        return CliError(c, ExitUsage, QStringLiteral("argomento inatteso: %1").arg(c.args.first()));
    bool ok = true;
    const int wanted = count.isNull() ? 0 : count.toInt(&ok);
    if (!ok || wanted < 0)
        return CliError(c, ExitUsage, QStringLiteral("--count vuole un numero di codici."));
    const double seconds = timeout.isNull() ? 0 : timeout.toDouble(&ok);
    if (!ok || seconds < 0)
        return CliError(c, ExitUsage, QStringLiteral("--timeout vuole un numero di secondi."));

    // The reader the program uses, from the profile as it stands (never created here); --port
    // names another port with the same settings.
    BarcodeReader settings;
    const QString userFile = Profile::DefaultUserFile();
    if (QFileInfo::exists(userFile)) {
        const Profile profile(userFile, Profile::DefaultMachineFile());
        settings = BarcodeReader::Read(profile);
    }
    if (!port.isNull())
        settings.port = port;
    if (settings.isKeyboard())
        return CliError(c, ExitFailed,
                        QStringLiteral("nessun lettore su porta seriale: il lettore impostato "
                                       "scrive come una tastiera (--port ne sceglie uno)."));

    SerialBarcodePort serial;
    int read = 0;
    int code = ExitOk;
    QObject::connect(&serial, &SerialBarcodePort::codeRead, [&](const QString& text) {
        c.out << text << '\n';
        c.out.flush();
        if (wanted > 0 && ++read >= wanted)
            QCoreApplication::exit(0);
    });
    if (!serial.start(settings))
        return CliError(c, ExitFailed,
                        QStringLiteral("impossibile aprire la porta %1: %2")
                            .arg(settings.port, serial.lastError()));
    QObject::connect(&serial, &SerialBarcodePort::lost, [&](const QString& name) {
        c.err << QStringLiteral("quarzil-cli: la porta %1 non risponde (%2): riprovo finché "
                                "non torna.\n")
                     .arg(name, serial.lastError());
        c.err.flush();
    });
    QObject::connect(&serial, &SerialBarcodePort::restored, [&](const QString& name) {
        c.err << QStringLiteral("quarzil-cli: porta %1 di nuovo aperta.\n").arg(name);
        c.err.flush();
    });
    if (seconds > 0)
        QTimer::singleShot(int(seconds * 1000), [&] {
            if (wanted > 0 && read < wanted)
                code = ExitFailed;
            QCoreApplication::exit(0);
        });
    c.err << QStringLiteral("In ascolto: %1\n").arg(settings.description());
    c.err.flush();
    QCoreApplication::exec();
    serial.stop();
    if (code != ExitOk)
        CliError(c, code, QStringLiteral("letti %1 codici su %2.").arg(read).arg(wanted));
    return code;
}

} // namespace

CliCommand ScanCommand() {
    return {"scan",
            "Acquisisce un'immagine da uno scanner o da una fotocamera.",
            "Acquisisce un'immagine attraverso SANE e la scrive come JPEG nel FILE, ridotta\n"
            "come l'immagine di un articolo (al massimo 150000 byte). Con più dispositivi\n"
            "--device sceglie quale (il nome che --list mostra); --list elenca i dispositivi\n"
            "con il loro nome e non acquisisce nulla.\n",
            "quarzil-cli scan [--device NOME] FILE | scan --list",
            CliCommand::Archive::None,
            false,
            scan};
}

CliCommand ReaderCommand() {
    return {"reader",
            "Legge i codici dal lettore di codici a barre su porta seriale.",
            "Apre la porta del lettore impostato nel programma (\"Lettore a Barre\") con le sue\n"
            "impostazioni e scrive ogni codice letto su una riga. --port sceglie un'altra\n"
            "porta; --count N termina dopo N codici, --timeout S dopo S secondi (con --count,\n"
            "l'uscita è 1 se i codici letti sono meno di N). Una porta che scompare è\n"
            "segnalata e riaperta appena torna.\n",
            "quarzil-cli reader [--port PORTA] [--count N] [--timeout SECONDI]",
            CliCommand::Archive::None,
            false,
            reader};
}
