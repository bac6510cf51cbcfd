#pragma once

#include "common/CurrencyAmount.h"
#include "print/PageFrame.h"
#include "print/PrintDocument.h"

#include <QDateTime>
#include <QList>
#include <QVector>

// One movement of the printed movements list.
struct MovementListLine {
    int key = 0;
    QDateTime date;
    QString number;
    int type = -1;
    QString counterpart; // Movimenti.CliFor as stored
    CurrencyAmount prezzo, imposta, totale;
};

// The list of movements (PrintKind::MovementList): a line per movement in the list's order,
// 38 a page, and on the last page the count and the sums by kind with the profit.
class MovementListDocument : public PrintDocument {
public:
    MovementListDocument(const PrintSource& source, QVector<MovementListLine> lines);

    // The movements with these keys, in the keys' order (the list's); keys not found are left
    // out. Read a few hundred at a time. False when a query fails (db.lastError()).
    static bool LoadLines(Database& db, const QList<int>& keys, QVector<MovementListLine>* lines);
    // The movements a query selects, in its order; the statement selects IDMovimento, Data,
    // Numero, Tipo, CliFor, Prezzo, Imposta, Totale in this order.
    static bool LoadLines(Database& db, const QString& sql, const QVariantList& values,
                          QVector<MovementListLine>* lines);
    static QString SelectColumns();

    int pageCount() const override;
    void drawPage(PageFrame& frame, int page) override;
    QString fileBaseName() const override;

    // The footer's figures, in the company currency.
    struct Totals {
        int count = 0;
        CurrencyAmount loads, sales, returns, profit;
    };
    const Totals& totals() const { return m_totals; }

private:
    struct LineText {
        QString date, number, type, counterpart, prezzo, imposta, totale;
    };
    CompanyHeader m_company;
    QVector<LineText> m_texts;
    Totals m_totals;
    QStringList m_footer;
    QString m_today;
};
