#include "print/ItemTable.h"

#include "print/PageFrame.h"

#include <QPainter>

namespace {
// Space between a column's edge and its text.
constexpr double kPad = 8;
} // namespace

ItemTable::ItemTable(std::vector<ItemTableColumn> columns) : m_columns(std::move(columns)) {}

double ItemTable::columnLeft(int column) const {
    double x = kLeft;
    for (int c = 0; c < column && c < int(m_columns.size()); ++c)
        x += m_columns[size_t(c)].width;
    return x;
}

void ItemTable::drawRule(PageFrame& frame, double y) const {
    frame.setThinPen();
    frame.painter().drawLine(QPointF(kLeft, y), QPointF(kRight, y));
}

double ItemTable::drawHeadings(PageFrame& frame, double top) const {
    const double bottom = top - kHeadingHeight;
    drawRule(frame, top);
    drawRule(frame, bottom);
    frame.painter().setFont(frame.pointFont(kFontPoints, true));
    double x = kLeft;
    for (const ItemTableColumn& c : m_columns) {
        const int align = (c.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        frame.drawText(x + kPad, top, x + c.width - kPad, bottom, align | Qt::TextWordWrap,
                       c.heading);
        x += c.width;
    }
    return bottom;
}

void ItemTable::drawRow(PageFrame& frame, double top, const QStringList& cells, bool bold) const {
    frame.painter().setFont(frame.pointFont(kFontPoints, bold));
    double x = kLeft;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        const ItemTableColumn& column = m_columns[c];
        const QString text = qsizetype(c) < cells.size() ? cells.at(qsizetype(c)) : QString();
        if (!text.isEmpty()) {
            const int align = (column.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            frame.drawText(x + kPad, top, x + column.width - kPad, top - kRowHeight, align,
                           frame.fitText(text, column.width - 2 * kPad));
        }
        x += column.width;
    }
}
