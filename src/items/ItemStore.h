#pragma once

#include "store/records/ItemEditRecord.h"

#include <QList>
#include <QString>
#include <optional>

class Database;
class Profile;

// What the item dialog reads and writes: the item's own columns, the duplicate and completion
// look-ups, the usual-supplier list, and the save with the classification rows it creates.
// Every typed text travels as a bound value.
class ItemStore {
public:
    static constexpr int kCodeWidth = 30;
    static constexpr int kBarcodeWidth = 30;
    // Above this many items the dialog skips its duplicate checks and code completion, which
    // would each scan the archive on every keystroke.
    static constexpr int kLargeArchive = 2500;

    explicit ItemStore(Database& db) : m_db(db) {}

    // A new item as the dialog starts it: VAT 22 %, price without VAT, nothing chosen.
    static ItemEditRecord NewRecord();

    bool load(qint32 id, ItemEditRecord& record);

    std::optional<int> itemCount();
    // True when the archive holds more than kLargeArchive items (false when the count fails).
    bool isLarge();
    // How many items have this code or barcode, compared without regard to case; none when
    // the query fails.
    std::optional<int> codeCount(const QString& code);
    std::optional<int> barcodeCount(const QString& barcode);
    // The code proposed while a new item's code is typed; a null text when there is none.
    QString completeCode(const QString& typed);

    struct Supplier {
        int key = 0;
        QString code;
        QString name;
        QString taxCode;
    };
    // Suppliers (neither customers nor workers) by name. False on failure.
    bool suppliers(QList<Supplier>* list);
    // The first supplier by name whose code begins with prefix ("*" the only wildcard); 0 for
    // none.
    int supplierByCode(const QString& prefix);

    // One save of the dialog: the record with the keys of the chosen list entries, and the
    // names typed into the classification boxes that match no entry, whose rows are created
    // and whose keys go into the record.
    struct Save {
        ItemEditRecord record;
        QString newCategory;
        QString newGroup;
        QString newDepartment;
        QString newShelf;
        // The category the item had when it was opened (0 for a new item or none).
        int previousCategory = 0;
    };
    // Writes everything in one transaction: the new classification rows, the item (inserted
    // when it has no key, which it then receives), and, for an opened item, its recomputed
    // counters and the removal of the category it left when no item uses it any more. False
    // with nothing written when any step fails; the database's error says why.
    bool save(Save& save, Profile* profile);

private:
    Database& m_db;
};
