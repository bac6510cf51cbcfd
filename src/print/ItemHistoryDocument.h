#pragma once

#include "print/ItemTable.h"
#include "print/PageFrame.h"
#include "print/PrintDocument.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <memory>
#include <vector>

// The days a history covers: from the first day's start to the last day's end.
struct HistoryPeriod {
    QDate from;
    QDate to;

    QDateTime start() const { return QDateTime(from, QTime(0, 0)); }
    QDateTime end() const { return QDateTime(to, QTime(23, 59, 59, 999)); }
    bool isValid() const { return from.isValid() && to.isValid() && from <= to; }
    // The default: the last `days` days up to today, today included.
    static HistoryPeriod LastDays(const QDate& today, int days = 30) {
        return {today.addDays(-days), today};
    }
};

// The movement history of items: one card per item, of one page or more, headed "Storico di"
// with the item's description, the company data, the period and the card's number; a line per
// movement row of the period in date order and a "Totale" line of what came in less what went
// out. An item that cannot be read gets a card saying so.
class ItemHistoryDocument : public PrintDocument {
public:
    static constexpr int kRowsPerPage = 54;

    struct Card {
        bool found = false;
        QString title;                 // "Storico di ..."
        std::vector<QStringList> rows; // Data, Anagrafica, Tipo, Quantità, Prezzo, Valore
        QStringList total;             // the "Totale" line's cells
        double totalQuantity = 0;      // loads and returns less unloads and receipts
        qint64 totalValue = 0;         // the same in value, 1/10000
        int pages = 1;
    };

    // The cards of keys, in that order (each key once). A failed read leaves no page and
    // errorText() set.
    static std::unique_ptr<ItemHistoryDocument>
    Make(const PrintSource& source, const QList<int>& keys, const HistoryPeriod& period);

    int pageCount() const override { return m_pageCount; }
    void drawPage(PageFrame& frame, int page) override;
    QString fileBaseName() const override;

    QString errorText() const { return m_error; }
    const std::vector<Card>& cards() const { return m_cards; }

private:
    explicit ItemHistoryDocument(const PrintSource& source, const HistoryPeriod& period);

    CompanyHeader m_company;
    QString m_logoFile;
    HistoryPeriod m_period;
    QString m_fromText, m_toText;
    QString m_singleCode; // the item's code when there is one card
    ItemTable m_table;
    std::vector<Card> m_cards;
    int m_pageCount = 0;
    QString m_error;
};
