#pragma once

#include "items/ArtFilter.h"
#include "items/ArtFind.h"
#include "store/KeyedListModel.h"
#include "store/RowBlockCache.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QSet>

class Database;
class Profile;

// The items list: the ordered keys of the listed items, filled by one query that honours the
// filter and the sort, and the texts of a few screenfuls of rows, read by key a block at a
// time and dropped when the cache is full. Nothing else of the items is held.
class ArtListModel : public KeyedListModel {
    Q_OBJECT
public:
    enum Column {
        Matricola,
        Descrizione,
        Categoria,
        Carichi,
        Scarichi,
        Resi,
        Giacenza,
        ColumnCount
    };
    // Display fields without a column, read by code.
    enum Field { RiordinoField = 7, OrdinatoField = 8, FieldCount = 9 };
    enum Role { KeyRole = Qt::UserRole + 1, IconIndexRole, PromotionRole };

    ArtListModel(Database& db, Profile& profile, QObject* parent = nullptr);

    // Reloads the category names and the key list. False when the key query failed (the list
    // is then empty; errorText() tells why).
    bool refresh() override;
    QString errorText() const { return m_error; }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text of a column or of one of the two extra fields.
    QString fieldText(int row, int field) const;

    // Sort: "LastArtSort" is 1 + the sort column (or field), negative when descending.
    int lastArtSort() const { return m_sort; }
    // A click on a heading: the same column reverses, another sorts ascending on it. Stores the
    // sort; the caller refreshes.
    void clickColumn(int column);
    void setLastArtSort(int value);
    // The ORDER BY part the next refresh uses (and, as a refresh does, moves the previous
    // clause into Sort2DataArt when the sort column changed).
    QString orderClause();

    const ArtFilter& filter() const { return m_filter; }
    bool filterActive() const { return m_filter.isActive(); }
    // Stores the filter (or clears it) in the profile; the caller refreshes.
    void setFilter(const ArtFilter& filter);
    void clearFilter();

    // Find: the first listed row, from `from` to the end, whose item matches the texts; -1 when
    // none does (*failed tells a failed query apart).
    int findRow(int from, const ArtFind::Texts& texts, bool* failed = nullptr) const;

    // Recomputes one item's counters and redraws its row.
    bool recomputeItem(int key);
    // Several items in one transaction, then their rows.
    bool recomputeItems(const QList<int>& keys);
    void dropCache();

    // The row icons by index (0 to 7), then the same marked as on promotion (8 to 15).
    void setIcons(const QList<QIcon>& icons);
    // Whether the item has a promotion in force today (as of the last refresh).
    bool onPromotion(int key) const { return m_promoted.contains(key); }

    static QString Heading(int column);
    // Puts the headings up again in the current language.
    void retranslate() { Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1); }
    static QString WidthKey(int column);
    static int DefaultWidth(int column);

private:
    struct Row {
        QString text[FieldCount];
        int icon = 0;
    };
    const Row* row(int r) const;
    std::vector<Row> fetchBlock(int block) const;
    void dropBlock(int block) override { m_rows.dropBlock(block); }
    void dropBlocks() override { m_rows.clear(); }
    void readRows(const std::vector<int>& keys, QHash<int, Row>* rows,
                  std::vector<int>* withoutUnit) const;

    Profile& m_profile;
    QHash<int, QString> m_categories;
    // The items with a promotion in force, read once per refresh rather than once per row.
    QSet<int> m_promoted;
    ArtFilter m_filter;
    QList<QIcon> m_icons;
    QString m_error;
    mutable RowBlockCache<Row> m_rows{kBlockRows, kMaxBlocks};
};
