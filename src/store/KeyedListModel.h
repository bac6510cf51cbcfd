#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QVariantList>
#include <vector>

class Database;

// A list of records held as their ordered keys only; the subclass reads the shown texts by key,
// a block of rows at a time, and keeps them in a RowBlockCache. The sort is a signed 1-based
// column: positive ascending, negative descending.
class KeyedListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kBlockRows = 64;
    static constexpr int kMaxBlocks = 8;

    // Reads the keys again; false when the query failed (the list is then empty).
    virtual bool refresh() = 0;

    int rowCount(const QModelIndex& parent = {}) const override;

    int keyAt(int row) const;
    // -1 when the record is not listed.
    int rowOfKey(int key) const;

    int sortColumn() const { return qAbs(m_sort) - 1; }
    bool ascending() const { return m_sort > 0; }
    // The sort column's background on even and odd rows.
    void setSortTints(const QColor& even, const QColor& odd);

    // Patches between refreshes: a new record goes at the end whatever the filter and order.
    void appendKey(int key);
    // Removes the rows of these records; many scattered rows are removed in one reset.
    void removeKeys(const QList<int>& keys);

protected:
    KeyedListModel(Database& db, QObject* parent);

    // Replaces the keys with the first column of the query, straight through the SQLite library
    // when the archive is one. False when the query failed: no keys, the error in the database.
    // The caller resets the model around it.
    bool readKeys(const QString& sql, const QVariantList& values);
    // The first row from `from` to the end whose record is one of keys; -1 when none is.
    int firstListedRow(int from, std::vector<qint32> keys) const;
    bool hasRow(int row) const { return row >= 0 && row < int(m_keys.size()); }
    // The keys of one block of rows, and the "?, ?" list that binds them to values.
    std::vector<int> blockKeys(int block) const;
    static QString Placeholders(const std::vector<int>& keys, QVariantList* values);
    // The row's texts changed: its block is read again and the views redraw it.
    void rowChanged(int row);
    // The sort column's background for a cell, none elsewhere.
    QVariant sortTint(const QModelIndex& index) const;

    // The subclass's block cache.
    virtual void dropBlock(int block) = 0;
    virtual void dropBlocks() = 0;

    Database& m_db;
    std::vector<qint32> m_keys;
    int m_sort = 1;

private:
    QColor m_tints[2];
};
