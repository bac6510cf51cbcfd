#pragma once

#include <QHash>
#include <QList>
#include <vector>

// The rows of a long list held a block at a time, a few blocks at most: the least recently
// used block makes room for the next one read.
template <typename Row> class RowBlockCache {
public:
    RowBlockCache(int blockRows, int maxBlocks) : m_blockRows(blockRows), m_maxBlocks(maxBlocks) {}

    // The row, its block read through read(block) -> std::vector<Row> when not held; null past
    // the end of a block read short.
    template <typename Read> const Row* row(int r, Read&& read) {
        const int block = r / m_blockRows;
        auto it = m_blocks.find(block);
        if (it == m_blocks.end()) {
            std::vector<Row> rows = read(block);
            if (m_blocks.size() >= m_maxBlocks && !m_order.isEmpty())
                m_blocks.remove(m_order.takeFirst());
            it = m_blocks.insert(block, std::move(rows));
            m_order.append(block);
        } else if (m_order.last() != block) {
            m_order.removeOne(block);
            m_order.append(block);
        }
        const size_t i = size_t(r % m_blockRows);
        return i < it.value().size() ? &it.value()[i] : nullptr;
    }

    void dropBlock(int block) {
        m_blocks.remove(block);
        m_order.removeOne(block);
    }
    void clear() {
        m_blocks.clear();
        m_order.clear();
    }

private:
    int m_blockRows;
    int m_maxBlocks;
    QHash<int, std::vector<Row>> m_blocks;
    QList<int> m_order; // least recently fetched first
};
