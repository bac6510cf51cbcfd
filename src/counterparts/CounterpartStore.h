#pragma once

#include "store/records/CliForRecord.h"

#include <QString>
#include <optional>

class Database;

// Reading and writing customers, suppliers and workers, and the two code look-ups of their
// dialog. Every text the user typed travels as a bound value.
class CounterpartStore {
public:
    enum class Kind { Customer, Supplier, Worker };

    // Longest code, as the column holds it.
    static constexpr int kCodeWidth = 20;

    explicit CounterpartStore(Database& db) : m_db(db) {}

    // An empty record of the given kind; the kind is written only when it is inserted.
    static CliForRecord NewRecord(Kind kind);
    static Kind KindOf(const CliForRecord& record);

    bool load(qint32 id, CliForRecord& record);
    // Inserts a record without a key (it receives the new one), otherwise rewrites its row. A
    // discount of 0 or less is stored as NULL.
    bool save(CliForRecord& record);

    // How many records have this code, compared without regard to case ("c001" is "C001");
    // none when the query fails.
    std::optional<int> codeCount(const QString& code);

    // The completion proposed for a typed code, or a null text when there is none (including
    // when a query fails, so the field stays as typed).
    QString completeCode(const QString& typed);

    // The completion rule itself: count is how many codes begin with the typed text and
    // greatest the greatest of them. The proposal follows the count, not the highest number.
    static QString ProposeCode(const QString& typed, int count, const QString& greatest);
    // A code typed from a digit 1 to 9 is typed in full; "0" and letters start completion.
    static bool Completes(const QString& typed);

private:
    Database& m_db;
};
