#pragma once

#include "store/Database.h"
#include "store/KeyedListModel.h"
#include "store/RowBlockCache.h"

#include <QHash>
#include <QIcon>

class Profile;

// The counterparts list: the ordered keys of the listed records and the texts of a few
// screenfuls of rows, read by key a block at a time. Sorting compares the shown texts in
// memory, alphabetically without regard to case as the refresh orders the names.
class AnaListModel : public KeyedListModel {
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
    bool refresh() override;

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The interface language changed: the headings are put up again.
    void languageChanged();
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    QString text(int row, int column) const;
    Kind kindAt(int row) const;

    // The sort as a signed 1-based column: positive ascending, negative descending.
    int sortValue() const { return m_sort; }
    // A click on a heading: the same column reverses, another sorts ascending. Rows with equal
    // texts keep their order.
    bool sortBy(int column);

    // The record was rewritten: its row is read again.
    void recordChanged(int key);

    // Find: from `from` to the end, the first row whose name contains `name` without regard to
    // case; failing that (or with no name), the first whose tax code contains `taxCode`. Every
    // character is literal. -1 when none does (*failed tells a failed query apart).
    int findRow(int from, const QString& name, const QString& taxCode,
                bool* failed = nullptr) const;

    // Icons by kind.
    void setIcons(const QIcon& customer, const QIcon& supplier, const QIcon& worker);

    static QString Heading(int column);
    static QString WidthKey(int column);
    static int DefaultWidth(int column);

private:
    struct Row {
        QString text[ColumnCount];
        Kind kind = Kind::Supplier;
    };
    const Row* row(int r) const;
    std::vector<Row> fetchBlock(int block) const;
    void dropBlock(int block) override { m_rows.dropBlock(block); }
    void dropBlocks() override { m_rows.clear(); }
    // The texts of one column of every record, by key.
    bool readColumn(int column, QHash<int, QString>* texts) const;

    Profile& m_profile;
    int m_filter = All;
    QIcon m_icons[3];
    mutable RowBlockCache<Row> m_rows{kBlockRows, kMaxBlocks};
};
