#include "items/SupplierListModel.h"

bool SupplierListModel::load(Database& db) {
    beginResetModel();
    const bool ok = ItemStore(db).suppliers(&m_suppliers);
    if (!ok)
        m_suppliers.clear();
    endResetModel();
    return ok;
}

int SupplierListModel::rowOfKey(int key) const {
    if (key > 0)
        for (qsizetype i = 0; i < m_suppliers.size(); ++i)
            if (m_suppliers.at(i).key == key)
                return int(i) + 1;
    return 0;
}

int SupplierListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_suppliers.size()) + 1;
}

QVariant SupplierListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() > m_suppliers.size())
        return QVariant();
    const int row = index.row();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return row == 0 ? noneText() : m_suppliers.at(row - 1).name;
    if (role == Qt::UserRole)
        return row == 0 ? 0 : m_suppliers.at(row - 1).key;
    return QVariant();
}
