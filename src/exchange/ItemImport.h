#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class Database;
class Profile;

// Reads items from a spreadsheet file (CSV) whose columns the user has mapped to item fields,
// and inserts them in one transaction. Lines that cannot make an item are rejected and counted;
// the caller decides whether the rest is kept.
class ItemImport {
public:
    // The fields a column can go to, in the order of the mapping boxes.
    enum Target : int {
        None = 0,
        Matricola,
        Descrizione,
        CodiceBarre,
        Prezzo,
        Iva,
        Ricarico,
        Categoria,
        Reparto,
        Scaffale,
        UnMis,
        QtMinima,
        GiacenzaIniz,
        CodiceForn,
        Gruppo,
        TargetCount
    };
    // How many columns of a file can be mapped.
    static constexpr int kColumns = 14;

    // The names of the targets as the boxes list them ("<Nessuno>", "Matricola", ...).
    static QStringList TargetNames();
    // The target a name or number stands for (without regard to case; also the headings the
    // export writes); -1 for none.
    static int TargetFromName(const QString& name);
    // The separators (";", ",", ".") and delimiters (none, '"', "'") of the dialog's choices.
    static QChar SeparatorOf(int index);
    static QChar DelimiterOf(int index);

    struct Mapping {
        QChar separator = u';';
        QChar delimiter;      // QChar() for none
        bool heading = false; // the first line names the columns and is skipped
        std::array<int, kColumns> targets{};
    };
    enum class MappingProblem { None, Duplicate, NoCode, NoDescription, NoUnit };
    // The checks made before an import, in their order.
    static MappingProblem Check(const Mapping& mapping);
    static QString ProblemMessage(MappingProblem problem);

    // The first line's fields as the separator and delimiter split them (for the samples
    // beside the boxes); empty when the file cannot be read.
    static QStringList FirstLineFields(const QString& file, QChar separator, QChar delimiter);

    struct Rejected {
        int line = 0; // in the file, from 1
        QString reason;
    };
    struct Result {
        enum class Status {
            Imported,   // committed
            Declined,   // lines were rejected and the user chose not to keep the rest
            Cancelled,  // stopped by the user; nothing kept
            Unreadable, // the file, or its needed first lines, could not be read
            Failed,     // the transaction could not be started or committed
        };
        Status status = Status::Failed;
        int imported = 0; // items inserted (kept only when Imported)
        QList<Rejected> rejected;
        int truncatedLines = 0; // lines with a value cut to its column's width
        QList<int> keys;        // of the items inserted
        bool countersFailed = false;
        QString error; // why it failed, for the log and the command line
    };

    ItemImport(Database& db, Profile& profile);

    // Called now and then while the lines are read, with the characters read and their total;
    // false stops the import (nothing is kept).
    std::function<bool(qint64 done, qint64 total)> progress;
    // Asked once after the last line when lines were rejected: true keeps the items of the
    // other lines. Unset: nothing is kept.
    std::function<bool(const Result& sofar)> acceptErrors;
    // Above this many items the counters are recomputed for the whole archive in one pass.
    int bulkRecomputeFrom = 2000;

    Result run(const QString& file, const Mapping& mapping);

    // The messages of the window and the command line.
    static QString UnreadableMessage();
    static QString ErrorsQuestion();
    static QString TruncatedMessage();
    static QString ImportedMessage(int count);
    static QString XmlMessage();
    // "12 righe scartate: 3 (matricola mancante), 9 (...), ..." with the first few lines.
    static QString RejectedSummary(const Result& result, int shown = 5);

private:
    Database& m_db;
    Profile& m_profile;
};
