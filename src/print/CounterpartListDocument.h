#pragma once

#include "print/PageFrame.h"
#include "print/PrintDocument.h"

#include <QColor>
#include <QList>
#include <QString>

class Database;

// The counterparts list on paper: code, kind letter, name, address with town, tax code and VAT
// number, one line per record, customers in green and the others in red, under the company
// header.
class CounterpartListDocument : public PrintDocument {
public:
    struct Line {
        QString code; // Codice
        bool customer = false;
        QString name;      // RagSoc
        QString address;   // Indirizzo and Comune joined by a space
        QString taxCode;   // CodFisc
        QString vatNumber; // PartIva
    };

    static constexpr int kLinesPerPage = 50;
    static const QColor kCustomerColour; // RGB(38, 82, 0)
    static const QColor kOtherColour;    // RGB(159, 0, 0)

    CounterpartListDocument(const PrintSource& source, QList<Line> lines);

    // The records with these keys read again from CliFor, in the order of the keys; a record
    // that is gone is left out. False when a query failed (db.errorText() tells why).
    static bool ReadLines(Database& db, const QList<int>& keys, QList<Line>* lines);

    int pageCount() const override;
    void drawPage(PageFrame& frame, int page) override;
    QString fileBaseName() const override;

    // A name wider than its column steps down from 10 pt to this size before it is cut.
    static constexpr double kSmallestNamePoints = 6;

private:
    CompanyHeader m_company;
    QString m_logoFile;
    QList<Line> m_lines;
};
