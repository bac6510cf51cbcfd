#pragma once

#include "store/Database.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QIcon>
#include <QList>
#include <vector>

class Profile;

// The counterparts list: the ordered keys of the listed records and the texts of a few
// screenfuls of rows, read by key a block at a time. Sorting compares the shown texts code
// unit by code unit, in memory, so both back ends order alike.
class AnaListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        RagSoc,
        Indirizzo,
        Comune,
        Telefono,
        Cellulare,
        EMail,
        CodFisc,
        PartIva,
        ColumnCount
    };
    // The kind filter, as "FilterAna" keeps it.
    enum Filter { Customers = 1, Suppliers = 2, Workers = 3, All = 4 };
    enum class Kind { Customer, Supplier, Worker };
    enum Role { KeyRole = Qt::UserRole + 1, KindRole };

    static constexpr int kBlockRows = 64;
    static constexpr int kMaxBlocks = 8;

    AnaListModel(Database& db, Profile& profile, QObject* parent = nullptr);

    // Any stored value outside 1 to 4 shows everything.
    static int NormalizedFilter(int stored);
    // The key query of a filter, in the back end's own text; one bound value (0).
    static QString KeySql(Database::Backend backend, int filter);

    int filter() const { return m_filter; }
    // Stores the filter in the profile; the caller refreshes.
    void setFilter(int filter);

    // Reloads the keys in name order and resets the sort to the first column, ascending. False
    // when the query failed (the list is then empty).
    bool refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int keyAt(int row) const;
    int rowOfKey(int key) const;
    QString text(int row, int column) const;
    Kind kindAt(int row) const;

    // The sort as a signed 1-based column: positive ascending, negative descending.
    int sortValue() const { return m_sort; }
    int sortColumn() const { return qAbs(m_sort) - 1; }
    bool ascending() const { return m_sort > 0; }
    // A click on a heading: the same column reverses, another sorts ascending. Rows with equal
    // texts keep their order.
    bool sortBy(int column);

    // Patches between refreshes: a new record goes at the end whatever the filter and order.
    void appendKey(int key);
    // Removes the rows of these records; many scattered rows are removed in one reset.
    void removeKeys(const QList<int>& keys);
    // The record was rewritten: its row is read again.
    void recordChanged(int key);

    // Find: from `from` to the end, the first row whose lower-cased name contains `name`;
    // failing that (or with no name), the first whose tax code contains `taxCode`. -1 when
    // none does.
    int findRow(int from, const QString& name, const QString& taxCode) const;

    // Icons by kind, and the sort column's background on even and odd rows.
    void setIcons(const QIcon& customer, const QIcon& supplier, const QIcon& worker);
    void setSortTints(const QColor& even, const QColor& odd);

    static QString Heading(int column);
    static QString WidthKey(int column);
    static int DefaultWidth(int column);

private:
    struct Row {
        QString text[ColumnCount];
        Kind kind = Kind::Supplier;
    };
    const Row* row(int r) const;
    void fetchBlock(int block) const;
    void dropCache();
    // The texts of one column of every record, by key.
    bool readColumn(int column, QHash<int, QString>* texts) const;

    Database& m_db;
    Profile& m_profile;
    std::vector<qint32> m_keys;
    int m_filter = All;
    int m_sort = 1;
    QIcon m_icons[3];
    QColor m_tints[2];
    mutable QHash<int, std::vector<Row>> m_blocks;
    mutable QList<int> m_blockOrder; // least recently fetched first
};
