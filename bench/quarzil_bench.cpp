// Times named operations on generated archives and prints the median of each.
//
//   quarzil_bench [--backend sqlite|postgres] [--server CONNECTION] [--dir FOLDER]
//                 [--scale FACTOR] [--only NAME]
//
// PostgreSQL needs a server connection string (--server, or QUARZIL_TEST_PG as tools/pgtest.sh
// sets it); the benchmark makes its own catalog there and drops it at the end. --scale shrinks
// or grows every size (0.01 for a quick check).
#include "BenchData.h"

#include "items/StockCounters.h"
#include "items/UpdateAllArtInfo.h"
#include "shell/Profile.h"
#include "store/Database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

QTextStream out(stdout);

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
    results.push_back({name, median(times), runs, setting});
    out << QStringLiteral("%1  %2 ms  (median of %3; %4)\n")
               .arg(name, -18)
               .arg(median(times), 10, 'f', 3)
               .arg(runs)
               .arg(setting);
    out.flush();
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
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
    const QCommandLineOption keepOpt(QStringLiteral("keep"),
                                     QStringLiteral("keep the archive and print its connection"));
    parser.addOptions({backendOpt, serverOpt, dirOpt, scaleOpt, onlyOpt, keepOpt});
    parser.process(app);

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
        bool ok = stage(QStringLiteral("Generating %1 items, %2 rows").arg(items).arg(sizes.rows),
                        [&] { return BenchData::Generate(db, sizes, &counts, &error); });
        if (ok && wanted("UpdateAllArtInfo"))
            ok = timeRuns(
                QStringLiteral("UpdateAllArtInfo"), generated(), 3,
                [&](int) { return UpdateAllArtInfo(db, &profile) == counts.items; }, results);

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

        // The items view's operations (refresh with the key list and first screen of rows at
        // 1,000,000 items, and its resident memory) are timed here once the view exists.

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
