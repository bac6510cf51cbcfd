#pragma once

#include "print/SituationRequest.h"
#include "print/ui/ViewPrints.h"

#include <functional>

class CAnagraficheView;

// The print commands of the counterparts view: the list and the situation of the records, each
// as preview or print.
class CounterpartPrints : public ViewPrints {
    Q_OBJECT
public:
    CounterpartPrints(CAnagraficheView& view, IPrompt& prompt, IBrowser& browser,
                      DocumentPrinter& printer, QString logoFile);

    void run(int commandId) override;

    // All rows or the selected ones: false when cancelled. The default shows CStampaDialog.
    std::function<bool(bool hasSelection, bool* selectedOnly)> askRows;
    // The situation's period and rows: false when cancelled. The default shows CStampaAnaDialog.
    std::function<bool(bool hasSelection, SituationRequest*)> askSituation;

private:
    void printList(bool preview);
    void printSituation(bool preview);
    // The keys the user chose, in list order; empty after telling the user there is nothing.
    QList<int> chosenKeys(bool selectedOnly);

    // The last period asked, offered again within the session.
    SituationRequest m_lastSituation;
};
