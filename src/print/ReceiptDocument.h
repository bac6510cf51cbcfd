#pragma once

#include "print/MovementDocument.h"

// The receipt ("RICEVUTA") of a receipt sale: 42 rows a page of code, item, quantity, unit
// price and amount with VAT (row net + row tax), and "Totale da Pagare" on the last page.
class ReceiptDocument : public MovementDocument {
public:
    ReceiptDocument(const PrintSource& source, MovementPrintData data, PrintCurrency currency);

    void drawPage(PageFrame& frame, int page) override;
    QString fileBaseName() const override;
    const CurrencyAmount& total() const { return m_total; }

private:
    struct RowText {
        QString code, description, quantity, price, amount, note;
    };
    QVector<RowText> m_rowTexts;
    CurrencyAmount m_total;
};
