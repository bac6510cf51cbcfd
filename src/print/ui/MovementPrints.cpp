#include "print/ui/MovementPrints.h"

#include "common/Commands.h"
#include "common/ui/CMainDoc.h"
#include "company/ui/CSceltaValuta.h"
#include "movements/MovListModel.h"
#include "movements/ui/CMovRowBar.h"
#include "movements/ui/CMovimentiView.h"
#include "print/MovementDocuments.h"
#include "print/MovementPrintChoice.h"
#include "print/MovementReport.h"
#include "print/MovementReportDocument.h"
#include "print/PageCount.h"
#include "print/ui/CRappMovDialog.h"
#include "store/Database.h"
#include "store/ui/DbErrorDisplay.h"

MovementPrints::MovementPrints(CMovimentiView& view, IPrompt& prompt, IBrowser& browser,
                               DocumentPrinter& printer, QString logoFile)
    : ViewPrints(view, *view.model(), prompt, browser, printer, std::move(logoFile)),
      m_movements(view) {
    askCurrency = [this](PrintCurrency* currency) {
        CSceltaValuta dialog(parentWindow());
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *currency = dialog.choice() == CSceltaValuta::DocumentCurrency ? PrintCurrency::Document
                                                                       : PrintCurrency::Company;
        return true;
    };
    askReport = [this](MovementReportRequest* request) {
        return CRappMovDialog::Run(m_doc.profile(), m_prompt, m_browser, parentWindow(), request);
    };
    view.printAfterSave = [this](int key, int choice) { printSaved(key, choice); };
}

void MovementPrints::run(int commandId) {
    const bool preview =
        commandId == Commands::MovAnteprimaFattura || commandId == Commands::MovAnteprimaDdt ||
        commandId == Commands::MovAnteprimaLista || commandId == Commands::MovAnteprimaRapporto;
    switch (commandId) {
    case Commands::MovAnteprimaFattura:
    case Commands::MovStampaFattura: {
        QString counterpart;
        if (const int key = selectedMovement(&counterpart))
            printInvoice(key, counterpart, preview);
        return;
    }
    case Commands::MovAnteprimaDdt:
    case Commands::MovStampaDdt:
        if (const int key = selectedMovement(nullptr))
            printTransport(key, preview);
        return;
    case Commands::MovAnteprimaLista:
    case Commands::MovStampaLista:
        printList(preview);
        return;
    case Commands::MovAnteprimaRapporto:
    case Commands::MovStampaRapporto:
        printReport(preview);
        return;
    default:
        return;
    }
}

void MovementPrints::printSaved(int movementKey, int printChoice) {
    if (printChoice == 1) {
        printTransport(movementKey, false);
    } else if (printChoice == 2) {
        MovementPrintFacts facts;
        if (!ReadMovementPrintFacts(m_doc.database(), movementKey, &facts)) {
            ShowDbError(m_prompt, m_doc.database().lastError());
            return;
        }
        printInvoice(movementKey, facts.counterpartColumnText, false);
    }
}

int MovementPrints::selectedMovement(QString* counterpartText) {
    const QList<int> keys = selectedKeys();
    if (keys.isEmpty()) {
        sayNothingToPrint();
        return 0;
    }
    const int key = keys.first();
    if (counterpartText) {
        const int row = m_movements.model()->rowOfKey(key);
        *counterpartText = m_movements.model()->text(row, MovListModel::CliFor);
    }
    return key;
}

void MovementPrints::printInvoice(int movementKey, const QString& counterpartText, bool preview) {
    Database& db = m_doc.database();
    MovementPrintFacts facts;
    if (!ReadMovementPrintFacts(db, movementKey, &facts)) {
        ShowDbError(m_prompt, db.lastError());
        return;
    }
    const PrintKind kind = InvoiceCommandKind(facts.type, facts.hasCounterpart, counterpartText);
    PrintCurrency currency = PrintCurrency::Company;
    if (facts.ownCurrency && !askCurrency(&currency))
        return;
    QString error;
    std::unique_ptr<PrintDocument> document =
        MakeMovementDocument(source(), kind, movementKey, currency, &error);
    showDocument(std::move(document), error, preview);
}

void MovementPrints::printTransport(int movementKey, bool preview) {
    Database& db = m_doc.database();
    MovementPrintFacts facts;
    if (!ReadMovementPrintFacts(db, movementKey, &facts)) {
        ShowDbError(m_prompt, db.lastError());
        return;
    }
    QString error;
    std::unique_ptr<PrintDocument> document =
        MakeMovementDocument(source(), TransportCommandKind(facts.type, facts.hasCounterpart),
                             movementKey, PrintCurrency::Company, &error);
    showDocument(std::move(document), error, preview);
}

void MovementPrints::printList(bool preview) {
    const QList<int> keys = listedKeys();
    if (keys.isEmpty()) {
        sayNothingToPrint();
        return;
    }
    QString error;
    showDocument(MakeMovementListDocument(source(), keys, &error), error, preview);
}

void MovementPrints::printReport(bool preview) {
    MovementReportRequest request;
    if (!askReport(&request))
        return;
    QString error;
    PrintSource from = source();
    std::unique_ptr<PrintDocument> document = MovementReportDocument::Make(from, request, &error);
    if (document && document->pageCount() <= 0) {
        sayNothingToPrint(IPrompt::Icon::Information);
        return;
    }
    showDocument(std::move(document), error, preview);
}

void MovementPrints::showDocument(std::unique_ptr<PrintDocument> document, const QString& error,
                                  bool preview) {
    if (!document) {
        m_prompt.message(error.isEmpty() ? tr("Impossibile leggere i dati da stampare.") : error,
                         IPrompt::Icon::Error);
        return;
    }
    output(*document, preview);
}
