#include "print/PageCount.h"

int RowsPerPage(PrintKind kind, bool reducedRegime, int emptyFooterLines) {
    switch (kind) {
    case PrintKind::Invoice:
        return (reducedRegime ? 30 : 27) + emptyFooterLines;
    case PrintKind::PurchaseInvoice:
        return 27;
    case PrintKind::TransportDocument:
    case PrintKind::LoadTransportDocument:
        return 30;
    case PrintKind::Receipt:
        return 42;
    case PrintKind::MovementList:
    case PrintKind::MovementReport:
        return kListLinesPerPage;
    }
    return 0;
}

int EmptyFooterLines(const QStringList& lines) {
    int empty = 0;
    for (const QString& line : lines)
        if (line.trimmed().isEmpty())
            ++empty;
    return empty;
}

int DocumentPageCount(int rows, int rowsWithNote, int rowsPerPage) {
    const int lines = rows + rowsWithNote;
    if (lines <= 0 || rowsPerPage <= 0)
        return 0;
    return (lines + rowsPerPage - 1) / rowsPerPage;
}

int MovementListPageCount(int listedMovements) {
    if (listedMovements <= 0)
        return 0;
    return listedMovements / kListLinesPerPage + 1;
}

int ReportPageCount(int reportLines) {
    if (reportLines <= 0)
        return 0;
    return (reportLines + kListLinesPerPage - 1) / kListLinesPerPage;
}
