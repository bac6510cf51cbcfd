#include "print/ItemTableDocument.h"

#include <QPainter>

namespace {
// The closing lines sit one line below the last row, after a rule.
constexpr int kClosingGap = 1;
} // namespace

ItemTableDocument::ItemTableDocument(const PrintSource& source, const QString& title,
                                     std::vector<ItemTableColumn> columns)
    : m_company(CompanyHeader::FromProfile(source.profile)), m_logoFile(source.logoFile),
      m_title(title), m_made(QDate::currentDate()), m_table(std::move(columns)) {}

int ItemTableDocument::pageCount() const {
    const int rows = int(m_rows.size());
    if (rows == 0)
        return 0;
    int pages = (rows + kRowsPerPage - 1) / kRowsPerPage;
    const int onLast = rows - (pages - 1) * kRowsPerPage;
    // Totals that would not fit under the last rows get a page of their own.
    if (!m_closing.isEmpty() && onLast + kClosingGap + int(m_closing.size()) > kRowsPerPage)
        ++pages;
    return pages;
}

void ItemTableDocument::drawPage(PageFrame& frame, int page) {
    const int pages = pageCount();
    frame.drawHeader(m_company, m_logoFile);
    frame.painter().setFont(frame.titleFont());
    frame.drawText(PageFrame::kCompanyBlockRight + 20, -50, ItemTable::kRight, -120,
                   Qt::AlignRight | Qt::AlignTop, m_title);

    double y = m_table.drawHeadings(frame, kTableTop);
    const int first = (page - 1) * kRowsPerPage;
    const int last = qMin(int(m_rows.size()), first + kRowsPerPage);
    for (int r = first; r < last; ++r) {
        m_table.drawRow(frame, y, m_rows[size_t(r)]);
        y -= ItemTable::kRowHeight;
    }
    if (page == pages && !m_closing.isEmpty()) {
        if (last > first)
            y -= kClosingGap * ItemTable::kRowHeight;
        m_table.drawRule(frame, y);
        frame.painter().setFont(frame.pointFont(ItemTable::kFontPoints + 1, true));
        for (const QString& line : m_closing) {
            frame.drawText(ItemTable::kLeft + 8, y, ItemTable::kRight - 8,
                           y - ItemTable::kRowHeight - 5, Qt::AlignLeft | Qt::AlignVCenter,
                           frame.fitText(line, ItemTable::kWidth - 16));
            y -= ItemTable::kRowHeight + 5;
        }
    }
    frame.drawPageNumber(page, pages);
}

QString ItemTableDocument::fileBaseName() const {
    return QStringLiteral("%1 %2").arg(m_title, m_made.toString(Qt::ISODate));
}
