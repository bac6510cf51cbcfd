#pragma once

#include "print/DocumentMoney.h"
#include "print/ui/ViewPrints.h"

#include <functional>

class CMovimentiView;
struct MovementReportRequest;

// The print commands of the movements view: invoice or receipt, transport document, the list of
// movements and the movement report, each as preview or print; and the document a sale's
// dialog asked for after its save.
class MovementPrints : public ViewPrints {
    Q_OBJECT
public:
    MovementPrints(CMovimentiView& view, IPrompt& prompt, IBrowser& browser,
                   DocumentPrinter& printer, QString logoFile);

    void run(int commandId) override;
    // Print choice 1: the transport document; 2: the invoice or receipt. Printed, not previewed.
    void printSaved(int movementKey, int printChoice);

    // The currency of a movement with its own: false when cancelled. The default asks with
    // CSceltaValuta.
    std::function<bool(PrintCurrency*)> askCurrency;
    // The report's dates and grouping: false when cancelled. The default shows CRappMovDialog.
    std::function<bool(MovementReportRequest*)> askReport;

private:
    void printInvoice(int movementKey, const QString& counterpartText, bool preview);
    void printTransport(int movementKey, bool preview);
    void printList(bool preview);
    void printReport(bool preview);
    // The first selected movement, with its counterpart column as the list shows it; 0 when
    // none is selected (the user was told).
    int selectedMovement(QString* counterpartText);
    void showDocument(std::unique_ptr<PrintDocument> document, const QString& error, bool preview);

    CMovimentiView& m_movements;
};
