#include "cli/PrintJobs.h"

#include "print/ItemHistoryDocument.h"
#include "print/ItemListDocument.h"
#include "print/ItemPriceDocument.h"
#include "print/ItemReportData.h"
#include "print/StockValueDocument.h"
#include "store/Database.h"

namespace {

// --items KEYS, or every item in the items list's default order.
bool takeItems(CliContext& c, PrintSource& source, QList<int>* keys) {
    if (!TakeKeysOption(c, QStringLiteral("--items"), keys))
        return false;
    if (!keys->isEmpty())
        return true;
    if (!ItemReportData::ListedKeys(source.db, keys)) {
        CliError(c, ExitFailed, source.db.errorText());
        return false;
    }
    return true;
}

template <class D>
int finish(CliContext& c, std::unique_ptr<D> doc, std::unique_ptr<PrintDocument>* document) {
    if (!doc->errorText().isEmpty())
        return CliError(c, ExitFailed, doc->errorText());
    *document = std::move(doc);
    return ExitOk;
}

int makeItems(CliContext& c, PrintSource& source, std::unique_ptr<PrintDocument>* document) {
    QList<int> keys;
    if (!takeItems(c, source, &keys))
        return ExitUsage;
    return finish(c, ItemListDocument::Make(source, keys), document);
}

int makeValue(CliContext& c, PrintSource& source, std::unique_ptr<PrintDocument>* document) {
    QList<int> keys;
    if (!takeItems(c, source, &keys))
        return ExitUsage;
    return finish(c, StockValueDocument::Make(source, keys), document);
}

int makePrices(CliContext& c, PrintSource& source, std::unique_ptr<PrintDocument>* document) {
    QList<int> keys;
    if (!takeItems(c, source, &keys))
        return ExitUsage;
    return finish(c, ItemPriceDocument::Make(source, keys), document);
}

int makeHistory(CliContext& c, PrintSource& source, std::unique_ptr<PrintDocument>* document) {
    HistoryPeriod period = HistoryPeriod::LastDays(QDate::currentDate());
    QDate from, to;
    if (!TakeDayOption(c, QStringLiteral("--from"), &from) ||
        !TakeDayOption(c, QStringLiteral("--to"), &to))
        return ExitUsage;
    if (from.isValid())
        period.from = from;
    if (to.isValid())
        period.to = to;
    if (!period.isValid())
        return CliError(
            c, ExitUsage,
            QStringLiteral("--to non può precedere --from (%1, %2).")
                .arg(period.from.toString(Qt::ISODate), period.to.toString(Qt::ISODate)));
    QList<int> keys;
    if (!takeItems(c, source, &keys))
        return ExitUsage;
    return finish(c, ItemHistoryDocument::Make(source, keys, period), document);
}

} // namespace

void AddItemPrintJobs(std::vector<PrintJob>& jobs) {
    jobs.push_back({"items", "[--items KEYS]",
                    "la lista della merce (senza --items: tutti gli articoli, per matricola)",
                    makeItems});
    jobs.push_back(
        {"value", "[--items KEYS]", "il valore del magazzino degli articoli", makeValue});
    jobs.push_back({"history", "[--items KEYS] [--from GIORNO] [--to GIORNO]",
                    "lo storico dei movimenti di ogni articolo (senza date: gli ultimi 30 giorni)",
                    makeHistory});
    jobs.push_back(
        {"prices", "[--items KEYS]", "i prezzi degli articoli, medi e dei fornitori", makePrices});
}
