#pragma once

#include "print/ItemTable.h"
#include "print/PageFrame.h"
#include "print/PrintDocument.h"

#include <QDate>
#include <QStringList>
#include <vector>

// An item report of one line per item: the company header and the report's title on every page,
// the table, the closing lines (totals) after the last row, "Pagina %d di %d" at the bottom.
// The reports fill the rows and closing lines when they are made.
class ItemTableDocument : public PrintDocument {
public:
    static constexpr int kRowsPerPage = 54;
    static constexpr double kTableTop = -380;

    int pageCount() const override;
    void drawPage(PageFrame& frame, int page) override;
    QString fileBaseName() const override;

    QString title() const { return m_title; }
    // Why the report could not be read; empty when it was.
    QString errorText() const { return m_error; }
    // The printed texts, one list of cells per line, and the closing lines.
    const std::vector<QStringList>& rows() const { return m_rows; }
    const QStringList& closingLines() const { return m_closing; }

protected:
    ItemTableDocument(const PrintSource& source, const QString& title,
                      std::vector<ItemTableColumn> columns);

    void setRows(std::vector<QStringList> rows) { m_rows = std::move(rows); }
    void setClosingLines(const QStringList& lines) { m_closing = lines; }
    void setError(const QString& text) { m_error = text; }

private:
    CompanyHeader m_company;
    QString m_logoFile;
    QString m_title;
    QDate m_made;
    ItemTable m_table;
    std::vector<QStringList> m_rows;
    QStringList m_closing;
    QString m_error;
};
