#pragma once

#include "print/DocumentMoney.h"
#include "print/PageCount.h"

#include <QList>
#include <QString>
#include <memory>

class PrintDocument;
struct PrintSource;

// The movement document of a kind for one movement, read whole from the archive now:
// Invoice (1; the reduced-regime form is chosen by the rows), PurchaseInvoice (6),
// TransportDocument (3), LoadTransportDocument (7), Receipt (4). The currency applies to
// invoices and receipts; transport documents carry no amounts. Null, with *error telling why,
// when the movement cannot be read or the kind is not a movement document.
std::unique_ptr<PrintDocument> MakeMovementDocument(const PrintSource& source, PrintKind kind,
                                                    int movementKey, PrintCurrency currency,
                                                    QString* error);

// The list of movements (5) with these keys, in this order (the list's). Null with *error when
// the archive cannot be read.
std::unique_ptr<PrintDocument>
MakeMovementListDocument(const PrintSource& source, const QList<int>& movementKeys, QString* error);
