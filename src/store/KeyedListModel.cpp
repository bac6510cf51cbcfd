#include "store/KeyedListModel.h"

#include "store/Database.h"
#include "store/SqliteKeys.h"

#include <QSet>
#include <QSqlQuery>
#include <algorithm>

KeyedListModel::KeyedListModel(Database& db, QObject* parent)
    : QAbstractTableModel(parent), m_db(db) {}

int KeyedListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_keys.size());
}

int KeyedListModel::keyAt(int r) const {
    return hasRow(r) ? m_keys[size_t(r)] : 0;
}

int KeyedListModel::rowOfKey(int key) const {
    const auto it = std::find(m_keys.begin(), m_keys.end(), key);
    return it == m_keys.end() ? -1 : int(it - m_keys.begin());
}

void KeyedListModel::setSortTints(const QColor& even, const QColor& odd) {
    m_tints[0] = even;
    m_tints[1] = odd;
}

QVariant KeyedListModel::sortTint(const QModelIndex& index) const {
    if (index.column() == sortColumn() && m_tints[0].isValid())
        return m_tints[index.row() % 2];
    return {};
}

bool KeyedListModel::readKeys(const QString& sql, const QVariantList& values) {
    m_keys.clear();
    QString sqliteError;
    bool ok = SqliteKeys::Read(m_db, sql, values, &m_keys, &sqliteError);
    if (!ok && !sqliteError.isEmpty()) {
        m_db.setError(QSqlError(QString(), sqliteError, QSqlError::StatementError));
    } else if (!ok) {
        // PostgreSQL: through the driver.
        QSqlQuery q;
        ok = m_db.query(q, sql, values);
        while (ok && q.next())
            m_keys.push_back(q.value(0).toInt());
        if (ok && q.lastError().isValid()) {
            m_db.setError(q.lastError());
            ok = false;
        }
    }
    if (!ok)
        m_keys.clear();
    m_keys.shrink_to_fit();
    return ok;
}

std::vector<int> KeyedListModel::blockKeys(int block) const {
    const size_t first = std::min(m_keys.size(), size_t(block) * kBlockRows);
    const size_t end = std::min(m_keys.size(), first + kBlockRows);
    return std::vector<int>(m_keys.begin() + qsizetype(first), m_keys.begin() + qsizetype(end));
}

QString KeyedListModel::Placeholders(const std::vector<int>& keys, QVariantList* values) {
    QString marks;
    for (int key : keys) {
        marks += marks.isEmpty() ? QStringLiteral("?") : QStringLiteral(", ?");
        *values << key;
    }
    return marks;
}

void KeyedListModel::rowChanged(int r) {
    if (r < 0)
        return;
    dropBlock(r / kBlockRows);
    Q_EMIT dataChanged(index(r, 0), index(r, columnCount() - 1));
}

void KeyedListModel::appendKey(int key) {
    const int r = int(m_keys.size());
    beginInsertRows({}, r, r);
    m_keys.push_back(key);
    // The last block may have been read short.
    dropBlock(r / kBlockRows);
    endInsertRows();
}

void KeyedListModel::removeKeys(const QList<int>& keys) {
    const QSet<int> gone(keys.begin(), keys.end());
    // Runs of listed rows to remove, top to bottom, found in one pass.
    QList<QPair<int, int>> runs;
    for (int r = 0; r < int(m_keys.size()); ++r) {
        if (!gone.contains(m_keys[size_t(r)]))
            continue;
        if (!runs.isEmpty() && runs.last().second == r - 1)
            runs.last().second = r;
        else
            runs.append({r, r});
    }
    if (runs.isEmpty())
        return;
    // Each run removed on its own costs a pass over the keys and one round of the views'
    // bookkeeping; past a few runs one reset is cheaper.
    constexpr int kMaxRuns = 32;
    if (runs.size() > kMaxRuns) {
        beginResetModel();
        m_keys.erase(std::remove_if(m_keys.begin(), m_keys.end(),
                                    [&](qint32 key) { return gone.contains(key); }),
                     m_keys.end());
        dropBlocks();
        endResetModel();
        return;
    }
    for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
        beginRemoveRows({}, run->first, run->second);
        m_keys.erase(m_keys.begin() + run->first, m_keys.begin() + run->second + 1);
        // Views may read rows while told of the removal: the blocks from here on moved.
        dropBlocks();
        endRemoveRows();
    }
}
