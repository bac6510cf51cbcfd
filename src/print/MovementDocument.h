#pragma once

#include "print/DocumentMoney.h"
#include "print/MovementPrintData.h"
#include "print/PageFrame.h"
#include "print/PrintDocument.h"

#include <QVector>

// What the movement documents (invoice, transport document, receipt) share: the data read
// when the document is made, the money format, and rows laid out on pages, a row note taking
// the line under its row.
class MovementDocument : public PrintDocument {
public:
    int pageCount() const override { return m_pageCount; }
    const MovementPrintData& data() const { return m_data; }
    // The rows one page holds, as the page count was reckoned.
    int rowsPerPage() const { return m_rowsPerPage; }

protected:
    MovementDocument(const PrintSource& source, MovementPrintData data, PrintCurrency currency);

    // One printed line of the rows table: a row, or the note of the row above it.
    struct Line {
        int row = 0;
        bool note = false;
    };
    // Fixes the page count: every row takes a line, every note one more.
    void paginate(int rowsPerPage);
    QVector<Line> linesOfPage(int page) const;

    // "Fattura 7-2026 2026-03-05": the kind, the number and the movement's day.
    QString baseName(const QString& kind) const;
    QString dateText() const;

    // A frame from corner to corner (any order) in the thin pen.
    static void drawBox(PageFrame& frame, double x1, double y1, double x2, double y2);
    static void drawLine(PageFrame& frame, double x1, double y1, double x2, double y2);
    // A cell of a box: its label in bold 3 mm at the top, the value in 9 pt under it, both cut
    // to the cell's width.
    static void drawField(PageFrame& frame, double x1, double y1, double x2, const QString& label,
                          const QString& value);
    // Text cut to the box's width in the current font, then drawn with the flags.
    static void drawFitted(PageFrame& frame, double x1, double y1, double x2, double y2, int flags,
                           const QString& text);
    // A heading box (bold 4 mm) from (x1, y1) to (x2, y2) with the lines under it in 9 pt.
    static void drawBlock(PageFrame& frame, double x1, double y1, double x2, double y2,
                          const QString& heading, const QStringList& lines);

    CompanyHeader m_company;
    QString m_logoFile;
    MovementPrintData m_data;
    DocumentMoney m_money;

private:
    QVector<Line> m_lines;
    int m_rowsPerPage = 0;
    int m_pageCount = 0;
};
