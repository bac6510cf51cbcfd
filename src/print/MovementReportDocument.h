#pragma once

#include "print/MovementReport.h"
#include "print/PageFrame.h"
#include "print/PrintDocument.h"

#include <QStringList>
#include <memory>

class Profile;

// "Situazione Movimenti": the movement report printed 38 lines a page, under the company block
// and the two dates, with the moved totals of the whole report at the foot of every page.
// Every text is formatted when the document is made, so drawing reads nothing.
class MovementReportDocument : public PrintDocument {
public:
    MovementReportDocument(const Profile& profile, const MovementReport& report);

    // Computes the report the request asks for and makes its document; null when a query fails,
    // with *error telling why. A report without lines gives a document of no page.
    static std::unique_ptr<MovementReportDocument>
    Make(PrintSource& source, const MovementReportRequest& request, QString* error);

    int pageCount() const override;
    void drawPage(PageFrame& frame, int page) override;
    QString fileBaseName() const override;

    // The heading of the name column for a grouping ("Categoria", "Articolo", ...).
    static QString NameHeading(MovementGrouping grouping);

private:
    struct Line {
        QString name;
        QStringList cells; // the six figures, as printed
    };

    void drawHeader(PageFrame& frame);
    void drawTable(PageFrame& frame, int page);
    void drawFooter(PageFrame& frame, int page);

    CompanyHeader m_company;
    MovementGrouping m_grouping;
    QDate m_from, m_to;
    QString m_fromText, m_toText;
    QList<Line> m_lines;
    QString m_movedStockTotal, m_movedValueTotal;
};
