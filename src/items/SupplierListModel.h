#pragma once

#include "items/ItemStore.h"

#include <QAbstractListModel>

// The item dialog's supplier box: "<Nessuno>" (key 0) and then every supplier by name. A model
// of its own so that tens of thousands of suppliers fill the box at once, not one insertion
// at a time.
class SupplierListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    static QString noneText() { return QStringLiteral("<Nessuno>"); }

    // Reads the suppliers again; false on failure (the box then offers "<Nessuno>" only).
    bool load(Database& db);
    const QList<ItemStore::Supplier>& suppliers() const { return m_suppliers; }
    // The row of a supplier's key, 0 ("<Nessuno>") when it is not listed.
    int rowOfKey(int key) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<ItemStore::Supplier> m_suppliers;
};
