#pragma once

#include "store/records/MovimentiRecord.h"
#include "store/records/SottoMovimentiRecord.h"

#include <QDate>
#include <QList>
#include <QString>
#include <memory>

class Database;
class Profile;
class TransactionGuard;

// The proposed number of a new movement of a type: "n/y", n this year's movements of the type
// plus one, y today's year. Empty when the count fails.
QString NextMovementNumber(Database& db, int type, const QDate& today = QDate::currentDate());
// Whether another movement of the type, dated in the year, already carries the number: two
// computers that start a movement of one type at once are proposed the same number, and
// nothing in the archive keeps numbers unique. False when the query fails.
bool MovementNumberTaken(Database& db, int type, const QString& number, int year, int movementKey);

// The footer lines a new unload starts with: the saved ones when "RowsSaved" is set, else the
// defaults.
struct FooterLines {
    QString riga1SX, riga1DX, riga2, riga3, riga4, riga1Min, riga2Min, riga3Min;
};
FooterLines NewUnloadFooter(const Profile& profile);
// The lines a new unload starts with while none have been saved.
FooterLines DefaultUnloadFooter();
void ApplyFooter(const FooterLines& lines, MovimentiRecord& header);

// One edit of a movement, new or existing: the transaction around it (started only when none is
// active, and ended only when started here), the rows written at once as the user works, and
// the save that attaches them to the header. Destroying an edit that was not saved rolls back.
class MovementEdit {
public:
    enum class SaveResult { Saved, HeaderFailed, RowFailed, CommitFailed };

    // A new movement of type 0, 1 or 2.
    MovementEdit(Database& db, int type);
    ~MovementEdit();
    MovementEdit(const MovementEdit&) = delete;
    MovementEdit& operator=(const MovementEdit&) = delete;

    // Starts the transaction; false when it cannot (message 20080).
    bool begin();
    // Starts the transaction and reads an existing movement with its rows; false (rolled back)
    // when it cannot be read.
    bool open(int movementKey);

    bool isNew() const { return m_header.IDMovimento == 0; }
    // The dialog's type: an unload becomes a receipt (3) and back.
    int type() const { return m_type; }
    void setType(int type) { m_type = type; }
    MovimentiRecord& header() { return m_header; }
    const QList<int>& rowKeys() const { return m_rows; }

    // A new row, pending until the save (IDMovimento 0); its key joins the list. The serial
    // codes written for it beforehand (by their Imei keys) are pointed at it; when the row cannot
    // be written they are removed, so no code is left without a row.
    bool insertRow(SottoMovimentiRecord& row, const QList<int>& serialCodes = {});
    // Rewrites a row of the list, and points the serial codes given at it.
    bool changeRow(SottoMovimentiRecord& row, const QList<int>* serialCodes = nullptr);
    bool loadRow(int rowKey, SottoMovimentiRecord* row);
    // Removes a row and its serial codes; the row leaves the list.
    bool deleteMovementRow(int rowKey);

    // Writes the header with its totals and the counterpart's name, attaches every row of the
    // list, and commits. On failure everything of the edit is rolled back.
    SaveResult save();
    // The message of a failed save (20081, 20085, 20087, 20088 or 20082); 0 otherwise.
    int failureMessage(SaveResult result) const;
    void cancel();
    // The distinct items whose ledger the save changed, each to be recomputed once: those of the
    // saved rows in row order, then those of rows the edit removed or moved to another item.
    const QList<int>& touchedItems() const { return m_items; }

private:
    Database& m_db;
    std::unique_ptr<TransactionGuard> m_guard;
    int m_type;
    MovimentiRecord m_header;
    QList<int> m_rows;
    QList<int> m_items;
    // The items of an opened movement's rows as they were committed: a row removed or given
    // another item takes its quantity away from them.
    QList<int> m_openedItems;
    bool m_wasNew = true;
};

// Sets a movement header's counterpart name and totals again from its counterpart and rows (a
// total that is zero is stored as NULL). False when the header cannot be read or written.
bool UpdateMovimento(Database& db, int movementKey);

// The stock the stock warning compares with: committed loads - unloads + returns of the item,
// leaving out one row, plus its initial stock, plus or minus the open edit's pending rows.
double AvailableStock(Database& db, int itemId, int leftOutRow, MovementEdit* edit);

// Deletes movements with their rows, cash-book rows and serial codes. Each movement goes in one
// transaction of its own, so it is whole or gone; deleted lists those that went, items the
// distinct items of their rows.
struct DeleteOutcome {
    QList<int> deleted;
    QList<int> failed;
    QList<int> items;
};
DeleteOutcome DeleteMovements(Database& db, const QList<int>& movementKeys);
