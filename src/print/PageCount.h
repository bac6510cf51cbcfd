#pragma once

#include <QStringList>

// What the movements view prints; the numbers are the print selector's own values.
enum class PrintKind {
    Invoice = 1,
    MovementReport = 2,
    TransportDocument = 3,
    Receipt = 4,
    MovementList = 5,
    PurchaseInvoice = 6,
    LoadTransportDocument = 7,
};

// Shown when a page count comes out as zero: nothing is printed then.
inline constexpr const char* kNoPrintDataMessage =
    QT_TRANSLATE_NOOP("PageCount", "Non ci sono dati da stampare!");

// Lines a movement list or a movement report holds on one page.
inline constexpr int kListLinesPerPage = 38;

// Rows of a document on one page. emptyFooterLines counts the footer lines of the movement left
// empty (see EmptyFooterLines); only invoices of a sale gain a row for each of them.
// reducedRegime: the invoice form without VAT. Returns 0 for a kind that has no document rows.
int RowsPerPage(PrintKind kind, bool reducedRegime = false, int emptyFooterLines = 0);

// How many of the given footer texts are empty (blank counts as empty, as it prints nothing).
int EmptyFooterLines(const QStringList& lines);

// A movement document: each row takes a line and a row note takes one more.
int DocumentPageCount(int rows, int rowsWithNote, int rowsPerPage);
// The movement list: listed / 38 + 1, so a full last page is followed by one holding only the
// totals; no listed movement gives 0.
int MovementListPageCount(int listedMovements);
// The movement report: lines / 38, rounded up.
int ReportPageCount(int reportLines);
