#pragma once

#include "print/MovementDocument.h"
#include "print/PageCount.h"

// The transport document ("DOCUMENTO DI TRASPORTO ( d.d.t. )") of a sale
// (PrintKind::TransportDocument, with the logo) or of a load
// (PrintKind::LoadTransportDocument, without): 30 rows a page of code, item and quantity, and
// the transport block with the signatures.
class TransportDocument : public MovementDocument {
public:
    TransportDocument(const PrintSource& source, MovementPrintData data, PrintKind kind);

    PrintKind kind() const { return m_kind; }
    void drawPage(PageFrame& frame, int page) override;
    QString fileBaseName() const override;

private:
    struct RowText {
        QString code, description, quantity, note;
    };
    void drawTransportBlock(PageFrame& frame);

    PrintKind m_kind;
    QVector<RowText> m_rowTexts;
};
