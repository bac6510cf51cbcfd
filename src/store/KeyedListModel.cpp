#include "store/KeyedListModel.h"

#include "store/Database.h"
#include "store/SqliteKeys.h"

#include <QSet>
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
    const bool ok = SqliteKeys::ReadAny(m_db, sql, values, &m_keys);
    m_keys.shrink_to_fit();
    return ok;
}

int KeyedListModel::firstListedRow(int from, std::vector<qint32> keys) const {
    if (keys.empty() || from >= int(m_keys.size()))
        return -1;
    from = std::max(from, 0);
    const qint32 top = *std::max_element(keys.begin(), keys.end());
    // A flag per key when the keys are dense enough, as they are in an archive's own numbering;
    // a sorted list otherwise.
    if (top >= 0 && size_t(top) <= 8 * (m_keys.size() + keys.size()) + 1024) {
        std::vector<bool> wanted(size_t(top) + 1);
        for (qint32 k : keys)
            if (k >= 0)
                wanted[size_t(k)] = true;
        for (int r = from; r < int(m_keys.size()); ++r) {
            const qint32 k = m_keys[size_t(r)];
            if (k >= 0 && k <= top && wanted[size_t(k)])
                return r;
        }
        return -1;
    }
    std::sort(keys.begin(), keys.end());
    for (int r = from; r < int(m_keys.size()); ++r)
        if (std::binary_search(keys.begin(), keys.end(), m_keys[size_t(r)]))
            return r;
    return -1;
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
