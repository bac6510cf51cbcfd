#include "print/ui/CounterpartPrints.h"

#include "common/Commands.h"
#include "common/ui/CMainDoc.h"
#include "counterparts/AnaListModel.h"
#include "counterparts/ui/CAnaMovBar.h"
#include "counterparts/ui/CAnagraficheView.h"
#include "print/CounterpartListDocument.h"
#include "print/SituationDocument.h"
#include "print/ui/CStampaAnaDialog.h"
#include "print/ui/CStampaDialog.h"
#include "store/Database.h"

CounterpartPrints::CounterpartPrints(CAnagraficheView& view, IPrompt& prompt, IBrowser& browser,
                                     DocumentPrinter& printer, QString logoFile)
    : ViewPrints(view, *view.model(), prompt, browser, printer, std::move(logoFile)) {
    askRows = [this](bool hasSelection, bool* selectedOnly) {
        return CStampaDialog::Run(hasSelection, parentWindow(), selectedOnly);
    };
    askSituation = [this](bool hasSelection, SituationRequest* request) {
        return CStampaAnaDialog::Run(m_prompt, hasSelection, parentWindow(), request);
    };
}

void CounterpartPrints::run(int commandId) {
    switch (commandId) {
    case Commands::AnaAnteprimaLista:
    case Commands::AnaStampaLista:
        printList(commandId == Commands::AnaAnteprimaLista);
        return;
    case Commands::AnaAnteprimaSituazione:
    case Commands::AnaStampaSituazione:
        printSituation(commandId == Commands::AnaAnteprimaSituazione);
        return;
    default:
        return;
    }
}

QList<int> CounterpartPrints::chosenKeys(bool selectedOnly) {
    const QList<int> keys = selectedOnly ? selectedKeys() : listedKeys();
    if (keys.isEmpty())
        sayNothingToPrint();
    return keys;
}

void CounterpartPrints::printList(bool preview) {
    if (m_model.rowCount() == 0) {
        sayNothingToPrint();
        return;
    }
    bool selectedOnly = false;
    if (!askRows(!selectedKeys().isEmpty(), &selectedOnly))
        return;
    const QList<int> keys = chosenKeys(selectedOnly);
    if (keys.isEmpty())
        return;
    QList<CounterpartListDocument::Line> lines;
    if (!CounterpartListDocument::ReadLines(m_doc.database(), keys, &lines)) {
        m_prompt.message(m_doc.database().errorText(), IPrompt::Icon::Error);
        return;
    }
    CounterpartListDocument document(source(), std::move(lines));
    output(document, preview);
}

void CounterpartPrints::printSituation(bool preview) {
    if (m_model.rowCount() == 0) {
        sayNothingToPrint();
        return;
    }
    SituationRequest request = m_lastSituation;
    if (!askSituation(!selectedKeys().isEmpty(), &request))
        return;
    m_lastSituation = request;
    const QList<int> keys = chosenKeys(request.selectedOnly);
    if (keys.isEmpty())
        return;
    QList<SituationDocument::Counterpart> records;
    if (!SituationDocument::ReadRecords(m_doc.database(), m_doc.profile(), keys, request,
                                        &records)) {
        m_prompt.message(m_doc.database().errorText(), IPrompt::Icon::Error);
        return;
    }
    SituationDocument document(source(), request.from, request.to, std::move(records));
    output(document, preview);
}
