#include "print/MovementDocuments.h"

#include "print/InvoiceDocument.h"
#include "print/MovementListDocument.h"
#include "print/ReceiptDocument.h"
#include "print/TransportDocument.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QCoreApplication>

std::unique_ptr<PrintDocument> MakeMovementDocument(const PrintSource& source, PrintKind kind,
                                                    int movementKey, PrintCurrency currency,
                                                    QString* error) {
    switch (kind) {
    case PrintKind::Invoice:
    case PrintKind::PurchaseInvoice:
    case PrintKind::TransportDocument:
    case PrintKind::LoadTransportDocument:
    case PrintKind::Receipt:
        break;
    default:
        if (error)
            *error = QCoreApplication::translate(
                "MovementDocuments", "Questa stampa non è un documento di un movimento.");
        return nullptr;
    }
    MovementPrintData data;
    if (!LoadMovementPrintData(source.db, movementKey, &data)) {
        if (error)
            *error = IsMissingRow(source.db.lastError())
                         ? QCoreApplication::translate("MovementDocuments",
                                                       "Il movimento %1 non esiste.")
                               .arg(movementKey)
                         : QCoreApplication::translate("MovementDocuments",
                                                       "Impossibile leggere il movimento %1: %2")
                               .arg(movementKey)
                               .arg(source.db.errorText());
        return nullptr;
    }
    switch (kind) {
    case PrintKind::TransportDocument:
    case PrintKind::LoadTransportDocument:
        return std::make_unique<TransportDocument>(source, std::move(data), kind);
    case PrintKind::Receipt:
        return std::make_unique<ReceiptDocument>(source, std::move(data), currency);
    default:
        return std::make_unique<InvoiceDocument>(source, std::move(data), kind, currency);
    }
}

std::unique_ptr<PrintDocument> MakeMovementListDocument(const PrintSource& source,
                                                        const QList<int>& movementKeys,
                                                        QString* error) {
    QVector<MovementListLine> lines;
    if (!MovementListDocument::LoadLines(source.db, movementKeys, &lines)) {
        if (error)
            *error = QCoreApplication::translate("MovementDocuments",
                                                 "Impossibile leggere i movimenti: %1")
                         .arg(source.db.errorText());
        return nullptr;
    }
    return std::make_unique<MovementListDocument>(source, std::move(lines));
}
