#pragma once

#include "store/MdbImportSource.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// Brings an archive of the Windows program (a Jet .mdb file, any schema version) into a new
// SQLite archive: every user table with its names, columns and rows, then the schema upgrade.
// The new file is built under a temporary name beside the target and renamed only when
// everything worked: a failure or a cancel leaves no file behind.
class MdbImport {
public:
    enum class Mode {
        // Only an archive of this program, brought to the current schema version.
        Quarzil,
        // Any Jet file, data only: no upgrade.
        AnyArchive,
    };

    struct Progress {
        qint64 rowsDone = 0;
        qint64 rowsTotal = 0;
        QString table;
    };
    // Called before each table and every few hundred rows; returning false cancels.
    using ProgressCallback = std::function<bool(const Progress&)>;

    // Whether a file's tables are this program's.
    struct Check {
        bool readable = false;
        QString error; // when not readable
        bool quarzil = false;
        QStringList tables;  // the file's user tables
        QStringList missing; // what an archive of this program has and the file lacks
    };

    struct Result {
        bool ok = false;
        bool cancelled = false;
        QString error; // why it failed; empty on success and on a cancel
        Check check;
        int tables = 0;
        qint64 rows = 0;
        // The schema version the file held, and the one the new archive is at after the
        // upgrade; -1 when not known (a foreign file).
        int versionFound = -1;
        int versionReached = -1;
    };

    // The tables (and their key columns) every version of this program's archive has had.
    static QStringList RequiredTables();
    static Check Inspect(MdbImportSource& source);
    static Check Inspect(const QString& mdbFile);

    // Imports into target (replaced when it exists). Mode::Quarzil refuses a foreign file
    // before writing anything.
    static Result Run(MdbImportSource& source, const QString& target, Mode mode,
                      const ProgressCallback& progress = {});
    static Result Run(const QString& mdbFile, const QString& target, Mode mode,
                      const ProgressCallback& progress = {});

    // The message for a file that is not this program's archive.
    static QString NotQuarzilText(const QString& file, const Check& check);

    // The local wall clock an OLE date number stands for, in the form the archive keeps dates
    // in ("yyyy-MM-ddTHH:mm:ss.zzz"); empty when the number is no date.
    static QString OleDateText(double oleDate);

    // Opens a file with the real reader; null with *error set when it cannot be read.
    static std::unique_ptr<MdbImportSource> OpenFile(const QString& mdbFile, QString* error);
};
