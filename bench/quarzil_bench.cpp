// Times named operations on generated archives and prints the median of each.
//
//   quarzil_bench [--backend sqlite|postgres] [--server CONNECTION] [--dir FOLDER]
//                 [--scale FACTOR] [--only NAME]
//
// PostgreSQL needs a server connection string (--server, or QUARZIL_TEST_PG as tools/pgtest.sh
// sets it); the benchmark makes its own catalog there and drops it at the end. --scale shrinks
// or grows every size (0.01 for a quick check).
#include "BenchData.h"
#include "OldArchive.h"

#include "agenda/AgendaStore.h"
#include "agenda/ui/CAgendaView.h"
#include "agenda/ui/CCalAppBar.h"
#include "common/ChangeNotifier.h"
#include "common/IBrowser.h"
#include "common/IFileDialogs.h"
#include "common/IPrompt.h"
#include "common/Profile.h"
#include "common/ui/CMainDoc.h"
#include "counterparts/AnaListModel.h"
#include "counterparts/ui/CAnaMovBar.h"
#include "counterparts/ui/CAnagraficheView.h"
#include "exchange/ItemExport.h"
#include "exchange/ItemImport.h"
#include "items/ArtListModel.h"
#include "items/StockCounters.h"
#include "items/UpdateAllArtInfo.h"
#include "items/ui/CArticoliView.h"
#include "items/ui/CArticoloDialog.h"
#include "movements/MovListModel.h"
#include "movements/MovementStore.h"
#include "movements/MovementTypes.h"
#include "movements/ui/CMovRowBar.h"
#include "movements/ui/CMovimentiDialog.h"
#include "movements/ui/CMovimentiView.h"
#include "print/ItemListDocument.h"
#include "print/ItemReportData.h"
#include "print/PrintDocument.h"
#include "print/StockValueDocument.h"
#include "store/ArchiveBackup.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/SchemaUpgrade.h"
#include "store/TableRecord.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <vector>

namespace {

QTextStream out(stdout);
// --keep: every archive stays for a look afterwards.
bool keepArchives = false;

struct Result {
    QString name;
    double medianMs = 0;
    int runs = 0;
    QString setting;
};

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Keeps and prints the median of times measured elsewhere.
void report(const QString& name, const QString& setting, const std::vector<double>& times,
            std::vector<Result>& results) {
    results.push_back({name, median(times), int(times.size()), setting});
    out << QStringLiteral("%1  %2 ms  (median of %3; %4)\n")
               .arg(name, -18)
               .arg(median(times), 10, 'f', 3)
               .arg(times.size())
               .arg(setting);
    out.flush();
}

// Runs `op` `runs` times (each run may fail) and keeps the median time in milliseconds.
bool timeRuns(const QString& name, const QString& setting, int runs,
              const std::function<bool(int)>& op, std::vector<Result>& results) {
    std::vector<double> times;
    times.reserve(runs);
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        const bool ok = op(i);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!ok) {
            out << name << ": run " << i << " failed\n";
            return false;
        }
    }
    report(name, setting, times, results);
    return true;
}

bool stage(const QString& what, const std::function<bool()>& work) {
    QElapsedTimer timer;
    timer.start();
    out << what << " ... ";
    out.flush();
    const bool ok = work();
    out << (ok ? QStringLiteral("%1 s\n").arg(double(timer.elapsed()) / 1000, 0, 'f', 1)
               : QStringLiteral("failed\n"));
    out.flush();
    return ok;
}

// Resident set size of the process in kilobytes (Linux).
qint64 residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Answers every question with its default: the benchmark never deletes anything.
class SilentPrompt : public IPrompt {
public:
    Answer ask(const QString&, Icon, Buttons, Answer defaultAnswer) override {
        return defaultAnswer;
    }
    void balloon(QObject*, const QString&, const QString&, Icon) override {}
};

class NoBrowser : public IBrowser {
public:
    bool open(const QUrl&) override { return false; }
};

class NoFileDialogs : public IFileDialogs {
public:
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

// The counterparts view as the frame shows it (offscreen, with its movements pane): its
// refresh command, a sort on the telephone column, a find that runs through the whole list
// without a match, and the memory the window holds.
bool benchCounterparts(Database& db, int count, Profile& profile, std::vector<Result>& results,
                       QString* error) {
    if (!stage(QStringLiteral("Generating %1 counterparts").arg(count),
               [&] { return BenchData::AddCounterparts(db, count, 3, error); }))
        return false;
    ChangeNotifier notifier;
    SilentPrompt prompt;
    NoBrowser browser;
    CMainDoc doc(profile, db, notifier);
    profile.setValue(Profile::Section::Settings, QStringLiteral("FilterAna"), 4);
    const qint64 before = residentKb();
    CAnaMovBar bar(32800, db, profile);
    CAnagraficheView view(doc, prompt, browser);
    view.setAnaMovBar(&bar);
    view.resize(1200, 600);
    view.show();
    view.becameVisible();
    QCoreApplication::processEvents();
    const int rows = view.model()->rowCount();
    out << QStringLiteral("%1  %2 MB  (resident growth with the view showing %3 records)\n")
               .arg(QStringLiteral("CounterpartsMemory"), -18)
               .arg(double(residentKb() - before) / 1024, 10, 'f', 1)
               .arg(rows);
    out.flush();
    if (rows != count) {
        *error = QStringLiteral("the view lists %1 of %2 records").arg(rows).arg(count);
        return false;
    }
    const QString setting = QStringLiteral("%1 records, all kinds").arg(rows);
    bool ok = timeRuns(
        QStringLiteral("CounterpartsRefresh"), setting + QStringLiteral(", the view's F5"), 7,
        [&](int) {
            view.onUpdate();
            QCoreApplication::processEvents();
            return view.model()->rowCount() == rows;
        },
        results);
    if (ok)
        ok = timeRuns(
            QStringLiteral("CounterpartsSort"), setting + QStringLiteral(", telephone column"), 7,
            [&](int) {
                const bool sorted = view.model()->sortBy(AnaListModel::Telefono);
                QCoreApplication::processEvents();
                return sorted;
            },
            results);
    if (ok)
        ok = timeRuns(
            QStringLiteral("CounterpartsFind"), setting + QStringLiteral(", no match"), 7,
            [&](int) {
                return view.model()->findRow(0, QStringLiteral("nessuno"),
                                             QStringLiteral("nessuno")) < 0;
            },
            results);
    // The item dialog lists every supplier in its box; a third of the records are suppliers.
    if (ok)
        ok = timeRuns(
            QStringLiteral("ItemDialogOpen"),
            QStringLiteral("%1 suppliers, a new item shown").arg(rows / 3), 7,
            [&](int) {
                NoFileDialogs files;
                CArticoloDialog dialog(db, profile, prompt, browser, files, ItemStore::NewRecord());
                dialog.show();
                QCoreApplication::processEvents();
                return dialog.combo(QStringLiteral("IDFornitore"))->count() > 1;
            },
            results);
    return ok;
}

// The items view itself, as the main frame shows it (offscreen): the refresh command with its
// header and selection work, and the memory the whole window holds (its list included).
bool benchItemsWindow(Database& db, Profile& profile, std::vector<Result>& results) {
    ChangeNotifier notifier;
    SilentPrompt prompt;
    CMainDoc doc(profile, db, notifier);
    const qint64 before = residentKb();
    int rows = 0;
    {
        CArticoliView view(doc, prompt);
        view.resize(1200, 600);
        view.show();
        view.becameVisible();
        QCoreApplication::processEvents();
        rows = view.model()->rowCount();
        const qint64 after = residentKb();
        out << QStringLiteral("%1  %2 MB  (resident growth with the items view showing %3 "
                              "items)\n")
                   .arg(QStringLiteral("ItemsViewMemory"), -18)
                   .arg(double(after - before) / 1024, 10, 'f', 1)
                   .arg(rows);
        out.flush();
        if (!timeRuns(
                QStringLiteral("ItemsViewRefresh"),
                QStringLiteral("%1 items, the view's F5").arg(rows), 7,
                [&](int) {
                    view.onUpdate();
                    QCoreApplication::processEvents();
                    return view.model()->rowCount() == rows;
                },
                results))
            return false;
    }
    return rows > 0;
}

BenchData::Sizes sizesOf(qint64 itemCount, qint64 rowCount) {
    BenchData::Sizes sizes;
    sizes.items = int(itemCount);
    sizes.rows = rowCount;
    return sizes;
}

// Runs `work` on a new archive of its own (a file beside the main one, or a catalog on the same
// server) filled with the generator, and drops the archive afterwards.
bool onArchiveOfItsOwn(const QString& target, const QString& catalog, const QString& suffix,
                       const BenchData::Sizes& sizes, QString* error,
                       const std::function<bool(Database&, const BenchData::Counts&,
                                                const QString& connection)>& work) {
    const bool onServer = target.contains(QLatin1String("QPSQL"));
    const QString ownTarget = onServer ? target : target + u'.' + suffix + QStringLiteral(".db");
    const QString ownCatalog = catalog + u'_' + suffix;
    const QString connection = BenchData::CreateArchive(ownTarget, ownCatalog, error);
    if (connection.isEmpty())
        return false;
    bool ok = true;
    {
        Database db(QStringLiteral("bench_") + suffix);
        ok = db.open(connection);
        BenchData::Counts counts;
        if (ok)
            ok = stage(
                QStringLiteral("Generating %1 items, %2 rows").arg(sizes.items).arg(sizes.rows),
                [&] { return BenchData::Generate(db, sizes, &counts, error); });
        if (ok)
            ok = work(db, counts, connection);
        if (!ok && error->isEmpty())
            *error = db.errorText();
    }
    if (keepArchives)
        out << "kept: " << connection << "\n";
    else
        BenchData::DropArchive(ownTarget, ownCatalog);
    return ok;
}

// Refresh of the items list (the key query and the key list), the first screen of rows after
// it, and what the list holds in memory.
bool benchItemsView(const QString& target, const QString& catalog, qint64 itemCount,
                    qint64 rowCount, Profile& profile, std::vector<Result>& results,
                    QString* error) {
    return onArchiveOfItsOwn(
        target, catalog, QStringLiteral("items"), sizesOf(itemCount, rowCount), error,
        [&](Database& db, const BenchData::Counts& counts, const QString&) {
            bool ok = true;
            const QString setting = QStringLiteral("%1 items").arg(counts.items);
            const int screen = 40;
            const qint64 before = residentKb();
            ArtListModel model(db, profile);
            if (ok)
                ok = timeRuns(
                    QStringLiteral("ItemsRefresh"), setting, 7,
                    [&](int) { return model.refresh() && model.rowCount() == counts.items; },
                    results);
            auto firstScreen = [&] {
                for (int r = 0; r < screen && r < model.rowCount(); ++r)
                    for (int c = 0; c < ArtListModel::ColumnCount; ++c)
                        if (model.data(model.index(r, c)).toString().isNull())
                            return false;
                return true;
            };
            // The first showing of a generated archive also gives its rows their counters; the
            // figure is the showing that follows every later refresh.
            if (ok)
                ok = firstScreen();
            if (ok)
                ok = timeRuns(
                    QStringLiteral("ItemsFirstScreen"), setting + QStringLiteral(", 40 rows"), 21,
                    [&](int) {
                        model.dropCache();
                        return firstScreen();
                    },
                    results);
            if (ok) {
                // Scrolled through a few screens, so the cache is as full as it gets.
                for (int r = 0; r < ArtListModel::kBlockRows * ArtListModel::kMaxBlocks * 2 &&
                                r < model.rowCount();
                     r += ArtListModel::kBlockRows)
                    model.data(model.index(r, 0));
                const qint64 after = residentKb();
                out << QStringLiteral("%1  %2 MB  (resident growth with the list of %3 items; key "
                                      "list %4 MB)\n")
                           .arg(QStringLiteral("ItemsMemory"), -18)
                           .arg(double(after - before) / 1024, 10, 'f', 1)
                           .arg(model.rowCount())
                           .arg(double(model.rowCount()) * sizeof(qint32) / 1048576, 0, 'f', 1);
                out.flush();
            }
            if (ok)
                ok = benchItemsWindow(db, profile, results);
            return ok;
        });
}

// Opening the movement dialog of a new unload on a shop's archive: its customer list and its
// item list filled, the window shown.
bool benchMovementDialog(const QString& target, const QString& catalog, qint64 itemCount,
                         int counterparts, Profile& profile, std::vector<Result>& results,
                         QString* error) {
    return onArchiveOfItsOwn(
        target, catalog, QStringLiteral("dialog"), sizesOf(itemCount, itemCount), error,
        [&](Database& db, const BenchData::Counts& counts, const QString&) {
            if (!stage(QStringLiteral("Adding %1 counterparts").arg(counterparts),
                       [&] { return BenchData::AddCounterparts(db, counterparts, 3, error); }))
                return false;
            QSqlQuery q;
            int customers = 0;
            if (db.query(q, QStringLiteral("SELECT COUNT(*) FROM CliFor WHERE CliFor = ?"),
                         {Record::BindBit(true, db.backend())}) &&
                q.next())
                customers = q.value(0).toInt();
            q.finish();
            SilentPrompt prompt;
            NoBrowser browser;
            NoFileDialogs files;
            int listed = 0;
            const bool ok = timeRuns(
                QStringLiteral("MovementDialogOpen"),
                QStringLiteral("%1 items, %2 customers").arg(counts.items).arg(customers), 7,
                [&](int) {
                    MovementEdit edit(db, MovementType::Scarico);
                    if (!edit.begin())
                        return false;
                    CMovimentiDialog dialog(db, profile, prompt, browser, files, edit);
                    dialog.show();
                    QCoreApplication::processEvents();
                    listed = dialog.itemList()->count();
                    const bool full =
                        listed == counts.items && dialog.counterpartList()->count() == customers;
                    dialog.hide();
                    edit.cancel();
                    return full;
                },
                results);
            return ok && customers > 0;
        });
}

// quarzil-cli, built beside the program (the bench runner lives in bench/ below it).
QString cliPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../quarzil-cli");
}

// One run of quarzil-cli on the archive: the whole command, start-up and exit included.
bool runCli(const QString& connection, const QStringList& args, int wantedCode) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(cliPath(), QStringList{QStringLiteral("--connection"), connection} + args);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit)
        return false;
    p.readAllStandardOutput();
    return p.exitCode() == wantedCode;
}

// quarzil-cli recompute of every item, then the check that writes nothing, on the archive the
// caller filled.
bool benchCliRecompute(const QString& connection, const QString& suffix, const QString& setting,
                       std::vector<Result>& results) {
    return timeRuns(
               QStringLiteral("CliRecompute") + suffix, setting, 3,
               [&](int) { return runCli(connection, {QStringLiteral("recompute")}, 0); },
               results) &&
           timeRuns(
               QStringLiteral("CliRecomputeCheck") + suffix, setting, 3,
               [&](int) {
                   return runCli(connection,
                                 {QStringLiteral("recompute"), QStringLiteral("--check")}, 0);
               },
               results);
}

// The same at 1,000,000 items and 5,000,000 rows, on an archive of its own.
bool benchCliRecomputeLarge(const QString& target, const QString& catalog, qint64 itemCount,
                            qint64 rowCount, std::vector<Result>& results, QString* error) {
    return onArchiveOfItsOwn(
        target, catalog, QStringLiteral("large"), sizesOf(itemCount, rowCount), error,
        [&](Database& db, const BenchData::Counts& counts, const QString& connection) {
            // The command line opens the archive itself.
            db.close();
            return benchCliRecompute(
                connection, QStringLiteral("Large"),
                QStringLiteral("%1 items, %2 movement rows").arg(counts.items).arg(counts.rows),
                results);
        });
}

// One unload of 250 rows as the dialog saves it: the rows written through the edit while the
// dialog is open (reported apart), then the save and one recompute of each item it touched,
// which is the wait after the user's OK. The rows go to items drawn from the whole list, so
// nearly every row touches an item of its own.
bool benchMovementSave(Database& db, const BenchData::Counts& counts, Profile& profile,
                       std::vector<Result>& results, QString* error) {
    if (!BenchData::AddCounterparts(db, 1000, 5, error))
        return false;
    int customer = 0;
    {
        QSqlQuery q;
        if (!db.query(q, QStringLiteral("SELECT MIN(IDCliFor) FROM CliFor WHERE CliFor = ?"),
                      {Record::BindBit(true, db.backend())}) ||
            !q.next())
            return false;
        customer = q.value(0).toInt();
    }
    constexpr int kRows = 250, kRuns = 21;
    std::mt19937 rng(11);
    std::vector<double> rowTimes, saveTimes, counterTimes, oneByOneTimes, totalTimes;
    QElapsedTimer timer;
    auto lap = [&] {
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        timer.restart();
        return ms;
    };
    for (int run = 0; run < kRuns; ++run) {
        MovementEdit edit(db, MovementType::Scarico);
        if (!edit.begin())
            return false;
        const QDateTime now = QDateTime::currentDateTime();
        edit.header().Numero = NextMovementNumber(db, MovementType::Scarico, now.date());
        edit.header().Data = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()));
        edit.header().IDCliFor = customer;
        timer.start();
        for (int r = 0; r < kRows; ++r) {
            SottoMovimentiRecord row;
            row.IDArticolo = int(rng() % unsigned(counts.items)) + 1;
            row.Qt = float(rng() % 20 + 1);
            row.IDUM = 1;
            row.Prezzo = CurrencyAmount::fromUnits(qint64(rng() % 100000 + 1) * 100);
            row.Iva = 0.22f;
            row.Sconto = 0.0f;
            if (!edit.insertRow(row))
                return false;
        }
        rowTimes.push_back(lap());
        if (edit.save() != MovementEdit::SaveResult::Saved)
            return false;
        saveTimes.push_back(lap());
        // The touched items in one call, and again one call per item (the notifier's way);
        // the two take turns at going first, so neither always finds the pages warm.
        auto list = [&] {
            const bool ok = UpdateArtInfoList(db, &profile, edit.touchedItems());
            counterTimes.push_back(lap());
            return ok;
        };
        auto oneByOne = [&] {
            for (int item : edit.touchedItems())
                if (!UpdateArtInfo(db, &profile, item))
                    return false;
            oneByOneTimes.push_back(lap());
            return true;
        };
        if (run % 2 ? !(oneByOne() && list()) : !(list() && oneByOne()))
            return false;
        totalTimes.push_back(saveTimes.back() + counterTimes.back());
    }
    const QString setting = QStringLiteral("%1 rows, %2 items, %3 movement rows")
                                .arg(kRows)
                                .arg(counts.items)
                                .arg(counts.rows);
    report(QStringLiteral("MovementSave250"), setting + QStringLiteral(", save and counters"),
           totalTimes, results);
    report(QStringLiteral("  save"), QStringLiteral("header, rows attached, commit"), saveTimes,
           results);
    report(QStringLiteral("  counters"), QStringLiteral("UpdateArtInfoList of the touched items"),
           counterTimes, results);
    report(QStringLiteral("  one by one"),
           QStringLiteral("UpdateArtInfo for each touched item, as the notifier does"),
           oneByOneTimes, results);
    report(QStringLiteral("MovementRows250"),
           QStringLiteral("the rows written while the dialog is open"), rowTimes, results);
    return true;
}

// The movements list at its default (no period, newest first): the model's refresh with the
// first screen after it, the memory it holds, and the window's own refresh command.
bool benchMovementsList(Database& db, const BenchData::Counts& counts, Profile& profile,
                        bool window, std::vector<Result>& results) {
    const QString setting = QStringLiteral("%1 movements").arg(counts.movements);
    const qint64 before = residentKb();
    {
        MovListModel model(db, profile);
        auto firstScreen = [&] {
            for (int r = 0; r < 40 && r < model.rowCount(); ++r)
                for (int c = 0; c < MovListModel::ColumnCount; ++c)
                    model.text(r, c);
            return !model.text(0, MovListModel::Numero).isEmpty();
        };
        if (!timeRuns(
                QStringLiteral("MovementsRefresh"), setting + QStringLiteral(", first screen"), 7,
                [&](int) {
                    return model.refresh() && model.rowCount() == counts.movements && firstScreen();
                },
                results))
            return false;
        out << QStringLiteral("%1  %2 MB  (resident growth with the list of %3 movements; key "
                              "list %4 MB)\n")
                   .arg(QStringLiteral("MovementsMemory"), -18)
                   .arg(double(residentKb() - before) / 1024, 10, 'f', 1)
                   .arg(model.rowCount())
                   .arg(double(model.rowCount()) * sizeof(qint32) / 1048576, 0, 'f', 1);
        out.flush();
    }
    if (!window)
        return true;
    ChangeNotifier notifier;
    SilentPrompt prompt;
    NoBrowser browser;
    CMainDoc doc(profile, db, notifier);
    NoFileDialogs files;
    CMovimentiView view(doc, prompt, browser, files);
    view.resize(1200, 600);
    view.show();
    view.becameVisible();
    QCoreApplication::processEvents();
    const int rows = view.model()->rowCount();
    return rows == counts.movements && timeRuns(
                                           QStringLiteral("MovementsViewRefresh"),
                                           setting + QStringLiteral(", the view's F5"), 7,
                                           [&](int) {
                                               view.onUpdate();
                                               QCoreApplication::processEvents();
                                               return view.model()->rowCount() == rows;
                                           },
                                           results);
}

// Both on one archive of its own: 1,000,000 movements of one row each.
bool benchMovements(const QString& target, const QString& catalog, qint64 itemCount,
                    qint64 movementCount, bool save, bool list, bool window, Profile& profile,
                    std::vector<Result>& results, QString* error) {
    BenchData::Sizes sizes = sizesOf(itemCount, movementCount);
    sizes.rowsPerMovement = 1;
    return onArchiveOfItsOwn(
        target, catalog, QStringLiteral("movements"), sizes, error,
        [&](Database& db, const BenchData::Counts& counts, const QString&) {
            // The counters start as a recompute of every item leaves them.
            if (!stage(QStringLiteral("Recomputing every item"),
                       [&] { return UpdateAllArtInfo(db, nullptr) == counts.items; }))
                return false;
            if ((list || window) && !benchMovementsList(db, counts, profile, window, results))
                return false;
            return !save || benchMovementSave(db, counts, profile, results, error);
        });
}

// Item reports: the list of every item and the stock value report, each to a PDF file, keys
// read in the list's order as the command line does, on 10,000 items and 1,000,000 rows.
bool benchItemReports(const QString& target, const QString& catalog, qint64 itemCount,
                      qint64 rowCount, bool list, bool value, Profile& profile,
                      std::vector<Result>& results, QString* error) {
    return onArchiveOfItsOwn(
        target, catalog, QStringLiteral("itemreports"), sizesOf(itemCount, rowCount), error,
        [&](Database& db, const BenchData::Counts& counts, const QString&) {
            if (!stage(QStringLiteral("Recomputing every item"),
                       [&] { return UpdateAllArtInfo(db, nullptr) == counts.items; }))
                return false;
            // The generator leaves rows without VAT and discount, which the value report passes
            // over: every row gets both, so that every group is counted.
            if (!stage(QStringLiteral("Giving every row VAT and a discount"), [&] {
                    return db.execute(
                        QStringLiteral("UPDATE SottoMovimenti SET Iva = ?, Sconto = CASE "
                                       "WHEN IDSottoMovimento % 3 = 0 THEN 0.1 ELSE 0 END"),
                        {0.22});
                }))
                return false;
            QTemporaryDir dir;
            const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
            const QString setting =
                QStringLiteral("%1 items, %2 rows, to PDF").arg(counts.items).arg(counts.rows);
            PrintSource source{db, profile, QString()};
            auto write = [&](auto make) {
                QList<int> keys;
                if (!ItemReportData::ListedKeys(db, &keys) || keys.size() != counts.items)
                    return false;
                const auto doc = make(keys);
                if (!doc->errorText().isEmpty() || int(doc->rows().size()) != counts.items)
                    return false;
                const QString failure = WritePdf(*doc, pdf);
                if (!failure.isEmpty())
                    *error = failure;
                return failure.isEmpty();
            };
            if (list && !timeRuns(
                            QStringLiteral("ItemListPdf"), setting, 5,
                            [&](int) {
                                return write([&](const QList<int>& keys) {
                                    return ItemListDocument::Make(source, keys);
                                });
                            },
                            results))
                return false;
            return !value || timeRuns(
                                 QStringLiteral("ValueReport"), setting, 5,
                                 [&](int) {
                                     return write([&](const QList<int>& keys) {
                                         return StockValueDocument::Make(source, keys);
                                     });
                                 },
                                 results);
        });
}
// Item reports end

} // namespace

// Movement report: the report by item over one year, 10,000 items and 1,000,000 rows, on an
// archive of its own.
#include "print/MovementReport.h"

namespace {

bool benchMovementReport(const QString& target, const QString& catalog, qint64 itemCount,
                         qint64 rowCount, std::vector<Result>& results, QString* error) {
    return onArchiveOfItsOwn(
        target, catalog, QStringLiteral("report"), sizesOf(itemCount, rowCount), error,
        [&](Database& db, const BenchData::Counts& counts, const QString&) {
            // The generator's dates run from 2019 to 2024: the last year, so that the end date
            // takes in nearly every row.
            const MovementReportRequest request{QDateTime(QDate(2024, 1, 1), QTime(0, 0)),
                                                QDateTime(QDate(2024, 12, 31), QTime(0, 0)),
                                                MovementGrouping::Item};
            qsizetype lines = 0;
            const bool ok = timeRuns(
                QStringLiteral("MovementReportByItem"),
                QStringLiteral("%1 items, %2 rows").arg(counts.items).arg(counts.rows), 5,
                [&](int) {
                    MovementReport report;
                    const bool built = BuildMovementReport(db, request, &report);
                    lines = report.lines.size();
                    return built;
                },
                results);
            out << "MovementReportByItem: " << lines << " lines\n";
            return ok;
        });
}

// The export of 100,000 items to CSV and XML, and the import of a 100,000-line file beside
// sqlite3's own .import of the same file into a scratch table.
bool benchExchange(const QString& target, const QString& catalog, qint64 itemCount,
                   Profile& profile, std::vector<Result>& results, QString* error) {
    return onArchiveOfItsOwn(
        target, catalog, QStringLiteral("exchange"), sizesOf(itemCount, itemCount), error,
        [&](Database& db, const BenchData::Counts& counts, const QString&) {
            if (!stage(QStringLiteral("Recomputing every item"),
                       [&] { return UpdateAllArtInfo(db, nullptr) == counts.items; }))
                return false;
            QTemporaryDir dir;
            QList<int> keys;
            if (!ItemReportData::ListedKeys(db, &keys))
                return false;
            const QString setting = QStringLiteral("%1 items").arg(keys.size());
            for (const QString& suffix : {QStringLiteral("csv"), QStringLiteral("xml")}) {
                if (!timeRuns(
                        QStringLiteral("ItemsExport") + suffix.toUpper(), setting, 3,
                        [&](int) {
                            ItemExport exporter(db, profile);
                            const auto r =
                                exporter.run(keys, dir.filePath(QStringLiteral("items.") + suffix));
                            if (r.status != ItemExport::Result::Status::Written)
                                *error = r.error;
                            return r.status == ItemExport::Result::Status::Written &&
                                   r.count == keys.size();
                        },
                        results))
                    return false;
            }

            // A supplier's list: code, description, barcode, price, VAT, category, unit.
            const int lines = int(itemCount);
            const QString file = dir.filePath(QStringLiteral("import.csv"));
            {
                QFile f(file);
                if (!f.open(QIODevice::WriteOnly))
                    return false;
                QByteArray text = "Codice;Descrizione;Barre;Prezzo;IVA;Categoria;UM\r\n";
                for (int i = 0; i < lines; ++i) {
                    text += QStringLiteral("\"IMP%1\";\"Articolo importato numero %1\";\"80%2\";"
                                           "%3,%4;22;Categoria %5;%6\r\n")
                                .arg(i, 6, 10, QChar(u'0'))
                                .arg(i, 11, 10, QChar(u'0'))
                                .arg(1 + i % 500)
                                .arg(i % 100, 2, 10, QChar(u'0'))
                                .arg(i % 40)
                                .arg(i % 3 ? QStringLiteral("Pz") : QStringLiteral("Kg"))
                                .toUtf8();
                    if (text.size() > (1 << 20)) {
                        f.write(text);
                        text.clear();
                    }
                }
                f.write(text);
            }
            const QString lineSetting =
                QStringLiteral("%1 lines, %2 items there").arg(lines).arg(counts.items);
            ItemImport::Mapping mapping;
            mapping.delimiter = u'"';
            mapping.heading = true;
            const int targets[] = {ItemImport::Matricola,   ItemImport::Descrizione,
                                   ItemImport::CodiceBarre, ItemImport::Prezzo,
                                   ItemImport::Iva,         ItemImport::Categoria,
                                   ItemImport::UnMis};
            for (int i = 0; i < int(std::size(targets)); ++i)
                mapping.targets[i] = targets[i];
            std::vector<double> readAndWrite;
            if (!timeRuns(
                    QStringLiteral("ItemsImport"), lineSetting, 1,
                    [&](int) {
                        QElapsedTimer clock;
                        clock.start();
                        ItemImport importer(db, profile);
                        // The last progress call comes when every line is written, before the
                        // commit and the counters.
                        importer.progress = [&](qint64 done, qint64 total) {
                            if (done == total)
                                readAndWrite.assign(1, double(clock.nsecsElapsed()) / 1e6);
                            return true;
                        };
                        const auto r = importer.run(file, mapping);
                        if (r.status != ItemImport::Result::Status::Imported)
                            *error = r.error;
                        return r.status == ItemImport::Result::Status::Imported &&
                               r.imported == lines;
                    },
                    results))
                return false;
            report(QStringLiteral("ItemsImportLines"), lineSetting + QStringLiteral(", lines only"),
                   readAndWrite, results);
            if (!timeRuns(
                    QStringLiteral("Sqlite3DotImport"), lineSetting, 3,
                    [&](int i) {
                        const QString scratch = dir.filePath(QStringLiteral("scratch%1.db").arg(i));
                        QProcess sqlite;
                        sqlite.start(QStringLiteral("sqlite3"),
                                     {scratch, QStringLiteral(".mode csv"),
                                      QStringLiteral(".separator ;"),
                                      QStringLiteral(".import %1 t").arg(file)});
                        return sqlite.waitForFinished(600000) && sqlite.exitCode() == 0;
                    },
                    results))
                return false;
            // The floor of any import into the items table: one INSERT ... SELECT of the same
            // lines into it, with its indexes and collations, undone afterwards.
            if (db.backend() != Database::Backend::SQLite)
                return true;
            if (!db.execute(QStringLiteral("ATTACH DATABASE ? AS scratch"),
                            {dir.filePath(QStringLiteral("scratch0.db"))}))
                return false;
            const bool ok = timeRuns(
                QStringLiteral("ArticoliInsertSelect"), lineSetting, 3,
                [&](int) {
                    if (!db.beginTransaction())
                        return false;
                    const bool written = db.execute(QStringLiteral(
                        "INSERT INTO Articoli (Matricola, Descrizione, CodBarre, Prezzo, Iva, "
                        "IDUM, IncIva, Imei) SELECT 'S' || Codice, Descrizione, Barre, 1, 0.22, "
                        "1, 0, 0 FROM scratch.t"));
                    db.rollback();
                    return written;
                },
                results);
            db.execute(QStringLiteral("DETACH DATABASE scratch"));
            return ok;
        });
}

// The agenda with 100,000 entries: showing a day (the day query, the layout and the paint), the
// next day from the keyboard, and the calendar's bold days of a month.
bool benchAgenda(const QString& target, const QString& catalog, int entries, Profile& profile,
                 std::vector<Result>& results, QString* error) {
    return onArchiveOfItsOwn(
        target, catalog, QStringLiteral("agenda"), sizesOf(10, 10), error,
        [&](Database& db, const BenchData::Counts&, const QString&) {
            if (!stage(QStringLiteral("Adding %1 agenda entries").arg(entries),
                       [&] { return BenchData::AddAgendaEntries(db, entries, 7, error); }))
                return false;
            const QString setting = QStringLiteral("%1 entries").arg(entries);
            AgendaStore store(db);
            if (!timeRuns(
                    QStringLiteral("AgendaDayQuery"), setting, 50,
                    [&](int i) {
                        std::vector<ScadenzeRecord> day;
                        return store.loadDay(QDate(2021, 1, 1).addDays(i * 37), &day);
                    },
                    results) ||
                !timeRuns(
                    QStringLiteral("AgendaMonthQuery"), setting, 24,
                    [&](int i) {
                        std::set<QDate> days;
                        const QDate first(2022 + i / 12, 1 + i % 12, 1);
                        return store.daysWithEntries(first.addDays(-7), first.addDays(49), &days);
                    },
                    results))
                return false;
            ChangeNotifier notifier;
            SilentPrompt prompt;
            NoBrowser browser;
            CMainDoc doc(profile, db, notifier);
            CCalAppBar bar(32813, QStringLiteral("Calendario"), db);
            CAgendaView view(doc, prompt, browser);
            view.setCalAppBar(&bar);
            view.resize(900, 700);
            view.show();
            bar.show();
            QCoreApplication::processEvents();
            size_t shown = 0;
            bool ok = timeRuns(
                QStringLiteral("AgendaShowDay"), setting, 50,
                [&](int i) {
                    view.showDay(QDate(2021, 1, 1).addDays(i * 37));
                    view.repaint();
                    shown += view.entries().size();
                    return true;
                },
                results);
            out << "AgendaShowDay: " << double(shown) / 50 << " entries a day on average\n";
            view.showDay(QDate(2024, 3, 1));
            ok = ok && timeRuns(
                           QStringLiteral("AgendaNextDay"), setting + QStringLiteral(", Right"), 50,
                           [&](int) {
                               QKeyEvent key(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
                               QCoreApplication::sendEvent(&view, &key);
                               view.repaint();
                               return !view.entries().empty();
                           },
                           results);
            ok = ok && timeRuns(
                           QStringLiteral("AgendaMonthBold"), setting, 24,
                           [&](int i) {
                               bar.calendar()->setCurrentPage(2022 + i / 12, 1 + i % 12);
                               return !bar.boldDays().empty();
                           },
                           results);
            return ok;
        });
}

} // namespace

// The schema upgrade from version 17 (the data migration included) and the copy of the whole
// archive, on an archive of their own. The upgrade runs on SQLite only: catalogs begin at 18.
bool benchUpgradeAndBackup(const QString& target, const QString& catalog, qint64 itemCount,
                           qint64 rowCount, bool upgrade, bool backup, std::vector<Result>& results,
                           QString* error) {
    BenchData::Sizes sizes;
    sizes.items = int(itemCount);
    sizes.rows = rowCount;
    return onArchiveOfItsOwn(
        target, catalog, QStringLiteral("upgrade"), sizes, error,
        [&](Database& db, const BenchData::Counts& counts, const QString& connection) {
            const QString setting =
                QStringLiteral("%1 items, %2 movement rows").arg(counts.items).arg(counts.rows);
            QTemporaryDir work;
            if (backup) {
                const QString copy = work.filePath(QStringLiteral("copia.db"));
                if (!timeRuns(
                        QStringLiteral("Backup"), setting, 3,
                        [&](int) { return ArchiveBackup::CopyTo(db, copy, error); }, results))
                    return false;
                out << "  copy: " << QFileInfo(copy).size() / (1024 * 1024) << " MB\n";
            }
            if (!upgrade)
                return true;
            if (db.isPostgres()) {
                out << "Upgrade17: SQLite only (catalogs begin at version 18)\n";
                return true;
            }
            const QString source =
                ConnectionString::Value(connection, QStringLiteral("Data Source"));
            std::vector<double> times;
            for (int run = 0; run < 3; ++run) {
                const QString old = work.filePath(QStringLiteral("v17-%1.db").arg(run));
                Database archive(QStringLiteral("bench_v17_%1").arg(run));
                bool ok = stage(QStringLiteral("Version-17 copy %1").arg(run + 1), [&] {
                    const QString c = OldArchive::Create(old, 17, error);
                    return !c.isEmpty() && archive.openRaw(c) &&
                           OldArchive::FillFromCurrent(archive, source, error);
                });
                if (!ok)
                    return false;
                SchemaUpgrade::Options options;
                options.dataFolder = work.path();
                SchemaUpgrade::Report upgraded;
                QElapsedTimer timer;
                timer.start();
                ok = SchemaUpgrade::Run(archive, options, &upgraded) == SchemaUpgrade::UpToDate;
                times.push_back(double(timer.nsecsElapsed()) / 1e6);
                if (!ok) {
                    *error = upgraded.describe();
                    return false;
                }
                archive.close();
                QFile::remove(old);
            }
            report(QStringLiteral("Upgrade17"), setting, times, results);
            return true;
        });
}

int main(int argc, char** argv) {
    // The items view is measured as a window, drawn offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption backendOpt(QStringLiteral("backend"),
                                        QStringLiteral("sqlite or postgres"),
                                        QStringLiteral("name"), QStringLiteral("sqlite"));
    const QCommandLineOption serverOpt(QStringLiteral("server"),
                                       QStringLiteral("PostgreSQL server connection string"),
                                       QStringLiteral("connection"));
    const QCommandLineOption dirOpt(QStringLiteral("dir"),
                                    QStringLiteral("folder for the SQLite file"),
                                    QStringLiteral("folder"));
    const QCommandLineOption scaleOpt(QStringLiteral("scale"), QStringLiteral("size factor"),
                                      QStringLiteral("factor"), QStringLiteral("1"));
    const QCommandLineOption onlyOpt(QStringLiteral("only"), QStringLiteral("run one operation"),
                                     QStringLiteral("name"));
    const QCommandLineOption keepOpt(
        QStringLiteral("keep"), QStringLiteral("keep the archives and print their connections"));
    parser.addOptions({backendOpt, serverOpt, dirOpt, scaleOpt, onlyOpt, keepOpt});
    parser.process(app);
    keepArchives = parser.isSet(keepOpt);

    const bool postgres = parser.value(backendOpt) == QLatin1String("postgres");
    const double scale = parser.value(scaleOpt).toDouble();
    const QString only = parser.value(onlyOpt);
    auto wanted = [&](const char* name) { return only.isEmpty() || only == QLatin1String(name); };
    auto scaled = [&](qint64 n) { return std::max<qint64>(10, qint64(double(n) * scale)); };

    QTemporaryDir temp(parser.isSet(dirOpt)
                           ? parser.value(dirOpt) + QStringLiteral("/qzbench-XXXXXX")
                           : QString());
    QString target;
    const QString catalog =
        QStringLiteral("quarzil_bench_%1").arg(QCoreApplication::applicationPid());
    if (postgres) {
        target = parser.isSet(serverOpt) ? parser.value(serverOpt)
                                         : qEnvironmentVariable("QUARZIL_TEST_PG");
        if (target.isEmpty()) {
            out << "PostgreSQL needs --server or QUARZIL_TEST_PG\n";
            return 2;
        }
    } else {
        target = temp.filePath(QStringLiteral("bench.db"));
    }
    // The crash log is written as in the program, so its cost is in the figures.
    Profile profile(temp.filePath(QStringLiteral("profile.ini")),
                    temp.filePath(QStringLiteral("machine.ini")));

    out << "Quarzil benchmark on " << (postgres ? "PostgreSQL" : "SQLite") << "\n";
    QString error;
    const QString connection = BenchData::CreateArchive(target, catalog, &error);
    if (connection.isEmpty()) {
        out << "cannot create the archive: " << error << "\n";
        return 1;
    }
    int status = 0;
    std::vector<Result> results;
    {
        Database db(QStringLiteral("bench"));
        if (!db.open(connection)) {
            out << "cannot open the archive: " << db.errorText() << "\n";
            BenchData::DropArchive(target, catalog);
            return 1;
        }
        const int items = int(scaled(100000));
        BenchData::Counts counts;
        auto generated = [&] {
            return QStringLiteral("%1 items, %2 movement rows").arg(counts.items).arg(counts.rows);
        };

        // Recompute of every item: 100,000 items, 1,000,000 rows.
        BenchData::Sizes sizes;
        sizes.items = items;
        sizes.rows = scaled(1000000);
        const bool counters =
            wanted("UpdateAllArtInfo") || wanted("UpdateArtInfo") || wanted("CliRecompute");
        bool ok = !counters ||
                  stage(QStringLiteral("Generating %1 items, %2 rows").arg(items).arg(sizes.rows),
                        [&] { return BenchData::Generate(db, sizes, &counts, &error); });
        if (ok && wanted("UpdateAllArtInfo"))
            ok = timeRuns(
                QStringLiteral("UpdateAllArtInfo"), generated(), 3,
                [&](int) { return UpdateAllArtInfo(db, &profile) == counts.items; }, results);

        // The same through the command line, as a cron job runs it.
        if (ok && wanted("CliRecompute"))
            ok = benchCliRecompute(connection, QString(), generated(), results);

        // One item's recompute: the same archive grown to 5,000,000 rows.
        if (ok && wanted("UpdateArtInfo")) {
            ok = stage(QStringLiteral("Growing to %1 rows").arg(scaled(5000000)), [&] {
                return BenchData::AddMovements(db, scaled(5000000), 2, &counts, &error);
            });
            const int runs = std::min(1000, counts.items);
            if (ok)
                ok = timeRuns(
                    QStringLiteral("UpdateArtInfo"), generated(), runs,
                    [&](int i) {
                        const int id = 1 + int(qint64(i) * counts.items / runs);
                        return UpdateArtInfo(db, &profile, id);
                    },
                    results);
        }

        // The items view at 1,000,000 items, on an archive of its own.
        if (ok && (wanted("ItemsRefresh") || wanted("ItemsFirstScreen") || wanted("ItemsMemory")))
            ok = benchItemsView(target, catalog, scaled(1000000), scaled(100000), profile, results,
                                &error);

        // The command line's recompute at 1,000,000 items, 5,000,000 rows.
        if (ok && wanted("CliRecompute"))
            ok = benchCliRecomputeLarge(target, catalog, scaled(1000000), scaled(5000000), results,
                                        &error);

        // The movement dialog with 100,000 items and about 33,000 customers in its lists.
        if (ok && wanted("MovementDialogOpen"))
            ok = benchMovementDialog(target, catalog, scaled(100000), int(scaled(55000)), profile,
                                     results, &error);
        // Saving a 250-row unload and the movements list, at 1,000,000 movements.
        if (ok && (wanted("MovementSave250") || wanted("MovementsRefresh") ||
                   wanted("MovementsMemory") || wanted("MovementsViewRefresh")))
            ok = benchMovements(target, catalog, scaled(100000), scaled(1000000),
                                wanted("MovementSave250"),
                                wanted("MovementsRefresh") || wanted("MovementsMemory"),
                                wanted("MovementsViewRefresh"), profile, results, &error);

        // The counterparts view at 100,000 records.
        if (ok && (wanted("CounterpartsRefresh") || wanted("CounterpartsSort") ||
                   wanted("CounterpartsFind") || wanted("ItemDialogOpen")))
            ok = benchCounterparts(db, int(scaled(100000)), profile, results, &error);

        // Movement report
        if (ok && wanted("MovementReportByItem"))
            ok = benchMovementReport(target, catalog, scaled(10000), scaled(1000000), results,
                                     &error);

        // Item reports: the item list and the stock value report to PDF.
        if (ok && (wanted("ItemListPdf") || wanted("ValueReport")))
            ok = benchItemReports(target, catalog, scaled(10000), scaled(1000000),
                                  wanted("ItemListPdf"), wanted("ValueReport"), profile, results,
                                  &error);

        // The agenda: 100,000 entries.
        if (ok && (wanted("AgendaShowDay") || wanted("AgendaNextDay") ||
                   wanted("AgendaMonthBold") || wanted("AgendaDayQuery")))
            ok = benchAgenda(target, catalog, int(scaled(100000)), profile, results, &error);

        // Items export and import: 100,000 items and lines.
        if (ok && (wanted("ItemsExportCSV") || wanted("ItemsImport")))
            ok = benchExchange(target, catalog, scaled(100000), profile, results, &error);

        // The upgrade from version 17 and the backup, at 100,000 items and 1,000,000 rows.
        if (ok && (wanted("Upgrade17") || wanted("Backup")))
            ok = benchUpgradeAndBackup(target, catalog, scaled(100000), scaled(1000000),
                                       wanted("Upgrade17"), wanted("Backup"), results, &error);

        if (!ok) {
            out << "failed: " << (error.isEmpty() ? db.errorText() : error) << "\n";
            status = 1;
        }
    }
    if (parser.isSet(keepOpt)) {
        temp.setAutoRemove(false);
        out << "kept: " << connection << "\n";
    } else {
        BenchData::DropArchive(target, catalog);
    }
    return status;
}
