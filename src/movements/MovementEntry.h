#pragma once

#include "common/CurrencyAmount.h"
#include "movements/RowPricing.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

class Database;

// What the movement dialog reads from the archive: its three lists, the look-ups of its code
// fields, the item a row is proposed from, and the suggested prices of the price menu. Every
// text typed travels as a bound value; lists come in the alphabetical order of the lists.
namespace MovementEntry {

struct ListEntry {
    int key = 0;
    QString text;
};

struct Counterpart {
    int key = 0;
    QString name;
    QString code;
    float discount = 0; // Sconto, 0 when NULL
};

// Suppliers for a load (mode 0), customers for the other modes, by name. False on failure.
bool Counterparts(Database& db, int mode, QList<Counterpart>* list);
// Every item by description. False on failure.
bool Items(Database& db, QList<ListEntry>* list);
// Every unit of measure by abbreviation. False on failure.
bool Units(Database& db, QList<ListEntry>* list);

enum class CodeField { Matricola, CodForn, CodBarre };
// The first item by description whose code begins with the text ("*" the only wildcard), or
// whose barcode is exactly the text (a reader's scan); 0 when none or the query fails.
int ItemByCode(Database& db, CodeField field, const QString& text, bool exact);
// The first counterpart of the mode's kind by name whose code begins with the text.
int CounterpartByCode(Database& db, int mode, const QString& text);

// The item as a row is proposed from it.
struct Item {
    int key = 0;
    QString description;
    QString matricola;
    QString codBarre;
    QString codForn;
    int unit = 0;
    bool serialCodes = false;
    QByteArray photo;
    ItemPricing pricing;
};
bool LoadItem(Database& db, int key, Item* item);

// The price menu, by its command ids.
enum SuggestedPrice : int {
    PurchasePrice = 1937,
    SalePrice = 1938,
    AveragePurchase = 1939,
    AverageSale = 1940,
    WeightedPurchase = 1941,
    WeightedSale = 1942,
    LastPurchase = 1943,
    LastSale = 1944,
};
// The price of the menu's queries (1939 to 1944) for the item; none when no row gives one.
std::optional<CurrencyAmount> HistoricPrice(Database& db, int command, int itemId);

} // namespace MovementEntry

// A list box's entries, key and text, shown from memory: a hundred thousand items fill it at
// once instead of one insertion at a time.
class KeyTextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    void setEntries(QList<MovementEntry::ListEntry> entries);
    const QList<MovementEntry::ListEntry>& entries() const { return m_entries; }
    int rowOfKey(int key) const { return m_rows.value(key, -1); }
    int keyAt(int row) const;
    // The first row at or after from whose text begins with prefix, case-blind; -1 for none.
    int findPrefix(const QString& prefix, int from) const;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<MovementEntry::ListEntry> m_entries;
    QHash<int, int> m_rows;
};
