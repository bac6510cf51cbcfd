#pragma once

#include "print/MovementDocument.h"
#include "print/PageCount.h"

// The invoice of a sale (PrintKind::Invoice), in its reduced-regime form when the movement has
// rows and none with VAT, or of a load (PrintKind::PurchaseInvoice: no logo, no share capital in
// the company block, 27 rows a page).
class InvoiceDocument : public MovementDocument {
public:
    InvoiceDocument(const PrintSource& source, MovementPrintData data, PrintKind kind,
                    PrintCurrency currency);

    bool reducedRegime() const { return m_reduced; }
    PrintKind kind() const { return m_kind; }

    void drawPage(PageFrame& frame, int page) override;
    QString fileBaseName() const override;

    // One line of the VAT summary: the rate and the sums of nets and taxes of its rows.
    struct VatLine {
        double rate = 0;
        CurrencyAmount net, tax;
    };
    const QVector<VatLine>& vatSummary() const { return m_vat; }

private:
    struct RowText {
        QString code, description, quantity, price, discount, net, vat, note;
    };
    void drawTitle(PageFrame& frame);
    void drawDocumentBox(PageFrame& frame, int page);
    void drawParties(PageFrame& frame);
    double drawRows(PageFrame& frame, int page);
    void drawFooter(PageFrame& frame, double top, bool lastPage);

    PrintKind m_kind;
    bool m_reduced = false;
    QVector<RowText> m_rowTexts;
    QVector<VatLine> m_vat;
    CurrencyAmount m_goods, m_discount, m_net, m_tax, m_total;
};
