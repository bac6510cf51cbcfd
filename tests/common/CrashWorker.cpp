// Saves until it is killed, the way the windows save: the crash test ends it at random moments
// and looks at what is left.
//
//   quarzil_crash_worker items CONNECTION SEED         item dialog saves (new and edited)
//   quarzil_crash_worker counterparts CONNECTION SEED  customer and supplier saves
//   quarzil_crash_worker autobackup CONNECTION FOLDER  the backup taken at exit, over and over
//
// Prints "saved KEY CODE" once a save has committed (for the automatic backup "done FILE").
// Exit codes above 1 say which step failed.
#include "common/Profile.h"
#include "counterparts/CounterpartStore.h"
#include "items/ItemStore.h"
#include "store/AutomaticBackup.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <random>
#include <vector>

namespace {

int failed(int code, const char* step, const Database& db) {
    std::fprintf(stderr, "quarzil_crash_worker: %s: %s\n", step, qPrintable(db.errorText()));
    return code;
}

std::vector<int> keys(Database& db, const QString& sql) {
    std::vector<int> out;
    QSqlQuery q;
    if (db.query(q, sql))
        while (q.next())
            out.push_back(q.value(0).toInt());
    return out;
}

void said(const char* what, int key, const QString& code) {
    std::printf("%s %d %s\n", what, key, qPrintable(code));
    std::fflush(stdout);
}

int items(Database& db, unsigned seed) {
    std::mt19937 rng(seed);
    ItemStore store(db);
    std::vector<int> known = keys(db, QStringLiteral("SELECT IDArticolo FROM Articoli WHERE "
                                                     "IDArticolo > 0 ORDER BY IDArticolo"));
    for (int n = 0;; ++n) {
        ItemStore::Save save;
        const bool edit = !known.empty() && rng() % 2 == 0;
        if (edit) {
            const int key = known[rng() % known.size()];
            if (!store.load(key, save.record))
                return failed(4, "load", db);
            save.previousCategory = save.record.IDCategoria.value_or(0);
            save.record.Descrizione = QStringLiteral("Modificato %1 %2").arg(seed).arg(n);
            save.record.ScortaMin = float(rng() % 20);
            save.record.GiacInit = float(rng() % 50);
        } else {
            save.record = ItemStore::NewRecord();
            save.record.Matricola = QStringLiteral("K%1-%2").arg(seed).arg(n);
            save.record.Descrizione = QStringLiteral("Nuovo %1").arg(n);
            save.record.Prezzo = CurrencyAmount::fromUnits(qint64(rng() % 100000 + 1) * 100);
            save.record.GiacInit = float(rng() % 50);
        }
        // A new classification row now and then: it is written in the item's transaction.
        if (rng() % 4 == 0)
            save.newCategory = QStringLiteral("Categoria %1-%2").arg(seed).arg(n);
        if (!store.save(save, nullptr))
            return failed(5, "save", db);
        if (!edit)
            known.push_back(save.record.IDArticolo);
        said("saved", save.record.IDArticolo, save.record.Matricola);
    }
}

int counterparts(Database& db, unsigned seed) {
    std::mt19937 rng(seed);
    CounterpartStore store(db);
    std::vector<int> known =
        keys(db, QStringLiteral("SELECT IDCliFor FROM CliFor WHERE IDCliFor > 0"));
    for (int n = 0;; ++n) {
        CliForRecord record;
        const bool edit = !known.empty() && rng() % 2 == 0;
        if (edit) {
            if (!store.load(known[rng() % known.size()], record))
                return failed(4, "load", db);
            record.Indirizzo = QStringLiteral("Via %1, %2").arg(seed).arg(n);
        } else {
            record = CounterpartStore::NewRecord(rng() % 2 ? CounterpartStore::Kind::Customer
                                                           : CounterpartStore::Kind::Supplier);
            record.Codice = QStringLiteral("C%1-%2").arg(seed).arg(n);
            record.RagSoc = QStringLiteral("Ditta %1 %2").arg(seed).arg(n);
        }
        if (!store.save(record))
            return failed(5, "save", db);
        if (!edit)
            known.push_back(record.IDCliFor);
        said("saved", record.IDCliFor, record.Codice);
    }
}

int autobackup(const QString& connection, const QString& folder) {
    QTemporaryDir home;
    Profile profile(home.filePath(QStringLiteral("user.ini")),
                    home.filePath(QStringLiteral("machine.ini")));
    for (int n = 0;; ++n) {
        // Always due: the last one a year ago.
        profile.setValue(Profile::Section::Settings, QStringLiteral("BackJet"),
                         AutomaticBackup::DateText(QDateTime::currentDateTime().addDays(-365)));
        AutomaticBackup backup(profile, folder);
        const AutomaticBackup::Outcome outcome = backup.run(connection);
        if (outcome != AutomaticBackup::Outcome::Done) {
            std::fprintf(stderr, "quarzil_crash_worker: automatic backup: outcome %d\n",
                         int(outcome));
            return 6;
        }
        said("done", n, AutomaticBackup::FileFor(folder, QDateTime::currentDateTime()));
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: quarzil_crash_worker items|counterparts|autobackup "
                             "CONNECTION SEED|FOLDER\n");
        return 2;
    }
    const QString mode = args.at(1);
    if (mode == QLatin1String("autobackup"))
        return autobackup(args.at(2), args.at(3));
    Database db(QStringLiteral("worker"));
    if (!db.open(args.at(2)))
        return failed(3, "open", db);
    if (mode == QLatin1String("items"))
        return items(db, args.at(3).toUInt());
    if (mode == QLatin1String("counterparts"))
        return counterparts(db, args.at(3).toUInt());
    std::fprintf(stderr, "quarzil_crash_worker: unknown mode %s\n", qPrintable(mode));
    return 2;
}
