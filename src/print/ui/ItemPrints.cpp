#include "print/ui/ItemPrints.h"

#include "common/Commands.h"
#include "common/ui/CMainDoc.h"
#include "items/ArtListModel.h"
#include "items/ui/CArticoliView.h"
#include "print/ItemHistoryDocument.h"
#include "print/ItemListDocument.h"
#include "print/ItemPriceDocument.h"
#include "print/LabelSheetDocument.h"
#include "print/StockValueDocument.h"
#include "print/ui/CArtStoricoDialog.h"
#include "print/ui/CStampaDialog.h"
#include "print/ui/DocumentPrinter.h"
#include "store/Database.h"

ItemPrints::ItemPrints(CArticoliView& view, IPrompt& prompt, IBrowser& browser,
                       DocumentPrinter& printer, QString logoFile)
    : ViewPrints(view, *view.model(), prompt, browser, printer, std::move(logoFile)) {
    askRows = [this](bool hasSelection, bool* selectedOnly) {
        return CStampaDialog::Run(hasSelection, parentWindow(), selectedOnly);
    };
    askPeriod = [this](HistoryPeriod* period) {
        return CArtStoricoDialog::Run(m_prompt, parentWindow(), period);
    };
}

ItemPrints::~ItemPrints() = default;

void ItemPrints::run(int commandId) {
    switch (commandId) {
    case Commands::ArtAnteprimaLista:
    case Commands::ArtStampaLista:
        return print(Report::List, commandId == Commands::ArtAnteprimaLista);
    case Commands::ArtAnteprimaValore:
    case Commands::ArtStampaValore:
        return print(Report::Value, commandId == Commands::ArtAnteprimaValore);
    case Commands::ArtAnteprimaStorico:
    case Commands::ArtStampaStorico:
        return print(Report::History, commandId == Commands::ArtAnteprimaStorico);
    case Commands::ArtAnteprimaEtichette:
    case Commands::ArtStampaEtichette:
        return print(Report::Labels, commandId == Commands::ArtAnteprimaEtichette);
    case Commands::ArtAnteprimaPrezzi:
    case Commands::ArtStampaPrezzi:
        return print(Report::Prices, commandId == Commands::ArtAnteprimaPrezzi);
    case Commands::Ristampa:
        if (!m_lastPreviewed)
            sayNothingToPrint();
        else
            m_printer.print(*m_lastPreviewed);
        return;
    default:
        return;
    }
}

QList<int> ItemPrints::chooseItems(bool* cancelled) {
    *cancelled = false;
    if (m_model.rowCount() == 0) {
        sayNothingToPrint();
        return {};
    }
    const QList<int> selected = selectedKeys();
    bool selectedOnly = false;
    if (!askRows(!selected.isEmpty(), &selectedOnly)) {
        *cancelled = true;
        return {};
    }
    const QList<int> keys = selectedOnly ? selected : listedKeys();
    if (keys.isEmpty())
        sayNothingToPrint();
    return keys;
}

void ItemPrints::print(Report report, bool preview) {
    QList<int> keys;
    HistoryPeriod period = HistoryPeriod::LastDays(QDate::currentDate());
    if (report == Report::History) {
        // A card for each selected item.
        keys = selectedKeys();
        if (keys.isEmpty()) {
            sayNothingToPrint();
            return;
        }
        if (!askPeriod(&period))
            return;
    } else {
        bool cancelled = false;
        keys = chooseItems(&cancelled);
        if (keys.isEmpty())
            return;
    }
    QString error;
    std::unique_ptr<PrintDocument> document = make(report, keys, period, &error);
    if (!document) {
        m_prompt.message(error, IPrompt::Icon::Error);
        return;
    }
    if (document->pageCount() <= 0) {
        sayNothingToPrint(IPrompt::Icon::Information);
        return;
    }
    if (!preview) {
        m_printer.print(*document);
        return;
    }
    m_printer.preview(*document);
    m_lastPreviewed = std::move(document);
}

std::unique_ptr<PrintDocument> ItemPrints::make(Report report, const QList<int>& keys,
                                                const HistoryPeriod& period, QString* error) {
    const PrintSource from = source();
    Database& db = m_doc.database();
    const auto failed = [&](const QString& text) {
        *error = text.isEmpty() ? db.errorText() : text;
        return std::unique_ptr<PrintDocument>();
    };
    switch (report) {
    case Report::List: {
        auto document = ItemListDocument::Make(from, keys);
        if (!document || !document->errorText().isEmpty())
            return failed(document ? document->errorText() : QString());
        return document;
    }
    case Report::Value: {
        auto document = StockValueDocument::Make(from, keys);
        if (!document || !document->errorText().isEmpty())
            return failed(document ? document->errorText() : QString());
        return document;
    }
    case Report::Prices: {
        auto document = ItemPriceDocument::Make(from, keys);
        if (!document || !document->errorText().isEmpty())
            return failed(document ? document->errorText() : QString());
        return document;
    }
    case Report::History: {
        auto document = ItemHistoryDocument::Make(from, keys, period);
        if (!document)
            return failed({});
        return document;
    }
    case Report::Labels: {
        QList<LabelSheetDocument::Item> items;
        if (!LabelSheetDocument::ReadItems(db, keys, &items))
            return failed({});
        return std::make_unique<LabelSheetDocument>(std::move(items));
    }
    }
    return failed({});
}
