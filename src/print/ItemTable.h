#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class PageFrame;

// One column of an item report: its heading, its width in page units and which side its texts
// keep to (amounts and quantities to the right).
struct ItemTableColumn {
    QString heading;
    double width = 0;
    bool right = false;
};

// The table of the item reports: a band of headings between two rules, then one line per row in
// 8 pt, each text cut with "..." to its column. The columns run from the left margin on and
// should add up to the printable width.
class ItemTable {
public:
    static constexpr double kLeft = 50;
    static constexpr double kRight = 2050;
    static constexpr double kWidth = kRight - kLeft;
    static constexpr double kHeadingHeight = 110; // room for a heading on three lines
    static constexpr double kRowHeight = 40;
    static constexpr double kFontPoints = 8;

    explicit ItemTable(std::vector<ItemTableColumn> columns);

    const std::vector<ItemTableColumn>& columns() const { return m_columns; }
    // The left edge of a column.
    double columnLeft(int column) const;

    // The headings band with its top at `top`; returns the y under it.
    double drawHeadings(PageFrame& frame, double top) const;
    // One row with its top at `top`; missing cells print nothing. bold: a total line.
    void drawRow(PageFrame& frame, double top, const QStringList& cells, bool bold = false) const;
    // A rule across the table.
    void drawRule(PageFrame& frame, double y) const;

private:
    std::vector<ItemTableColumn> m_columns;
};
