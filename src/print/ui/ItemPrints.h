#pragma once

#include "print/ui/ViewPrints.h"

#include <functional>
#include <memory>

class CArticoliView;
struct HistoryPeriod;

// The print commands of the items view: the item list, the stock value, the history cards, the
// label sheets and the price list, each as preview or print, and the reprint of the document
// last previewed.
class ItemPrints : public ViewPrints {
    Q_OBJECT
public:
    ItemPrints(CArticoliView& view, IPrompt& prompt, IBrowser& browser, DocumentPrinter& printer,
               QString logoFile);
    ~ItemPrints() override;

    void run(int commandId) override;

    // All rows or the selected ones: false when cancelled. The default shows CStampaDialog.
    std::function<bool(bool hasSelection, bool* selectedOnly)> askRows;
    // The history's period: false when cancelled. The default shows CArtStoricoDialog.
    std::function<bool(HistoryPeriod*)> askPeriod;

    // The document "Ristampa" prints: the last one previewed, as it was shown.
    PrintDocument* lastPreviewed() const { return m_lastPreviewed.get(); }

private:
    enum class Report { List, Value, Labels, Prices, History };
    void print(Report report, bool preview);
    // The items the user chose through the options dialog; empty when cancelled or when there
    // is nothing (the user was told).
    QList<int> chooseItems(bool* cancelled);
    std::unique_ptr<PrintDocument> make(Report report, const QList<int>& keys,
                                        const HistoryPeriod& period, QString* error);

    std::unique_ptr<PrintDocument> m_lastPreviewed;
};
