#include "cli/PrintJobs.h"

#include "counterparts/AnaListModel.h"
#include "print/CounterpartListDocument.h"
#include "print/LabelSheetDocument.h"
#include "print/SituationDocument.h"
#include "print/SituationRequest.h"
#include "store/SqliteKeys.h"
#include "store/TextOrder.h"

namespace {

int failed(CliContext& c) {
    return CliError(c, ExitFailed, c.db->errorText());
}

// Keys given, or every key of the query in its order.
bool keysOrAll(CliContext& c, const QList<int>& given, const QString& sql, QList<int>* keys) {
    if (!given.isEmpty()) {
        *keys = given;
        return true;
    }
    std::vector<qint32> all;
    if (!SqliteKeys::ReadAny(*c.db, sql, {0}, &all))
        return false;
    *keys = QList<int>(all.begin(), all.end());
    return true;
}

// The items list's own first order: by code, alphabetically, the oldest item first among equal
// codes.
QString itemListSql(Database::Backend backend) {
    return QStringLiteral("SELECT IDArticolo FROM Articoli WHERE IDArticolo > ? ORDER BY ") +
           TextOrder::Term(backend, QStringLiteral("Matricola")) +
           (backend == Database::Backend::PostgreSQL ? QStringLiteral(" NULLS FIRST, IDArticolo")
                                                     : QStringLiteral(", IDArticolo"));
}

bool takeCounterpartKeys(CliContext& c, QList<int>* keys, int* exitCode) {
    QList<int> given;
    int filter = 0;
    if (!TakeKeysOption(c, QStringLiteral("--keys"), &given) ||
        !TakeKeyOption(c, QStringLiteral("--filter"), &filter)) {
        *exitCode = ExitUsage;
        return false;
    }
    if (filter > AnaListModel::All) {
        *exitCode = CliError(c, ExitUsage,
                             QStringLiteral("--filter vuole 1 (clienti), 2 (fornitori), "
                                            "3 (operai) o 4 (tutti)."));
        return false;
    }
    if (!keysOrAll(c, given,
                   AnaListModel::KeySql(c.db->backend(), filter ? filter : AnaListModel::All),
                   keys)) {
        *exitCode = failed(c);
        return false;
    }
    return true;
}

int makeLabels(CliContext& c, PrintSource&, std::unique_ptr<PrintDocument>* document) {
    QList<int> given, keys;
    if (!TakeKeysOption(c, QStringLiteral("--items"), &given))
        return ExitUsage;
    QList<LabelSheetDocument::Item> items;
    if (!keysOrAll(c, given, itemListSql(c.db->backend()), &keys) ||
        !LabelSheetDocument::ReadItems(*c.db, keys, &items))
        return failed(c);
    *document = std::make_unique<LabelSheetDocument>(std::move(items));
    return ExitOk;
}

int makeCounterparts(CliContext& c, PrintSource& source, std::unique_ptr<PrintDocument>* document) {
    QList<int> keys;
    int code = ExitOk;
    if (!takeCounterpartKeys(c, &keys, &code))
        return code;
    QList<CounterpartListDocument::Line> lines;
    if (!CounterpartListDocument::ReadLines(*c.db, keys, &lines))
        return failed(c);
    *document = std::make_unique<CounterpartListDocument>(source, std::move(lines));
    return ExitOk;
}

int makeSituation(CliContext& c, PrintSource& source, std::unique_ptr<PrintDocument>* document) {
    SituationRequest period;
    if (!TakeDayOption(c, QStringLiteral("--from"), &period.from) ||
        !TakeDayOption(c, QStringLiteral("--to"), &period.to))
        return ExitUsage;
    if (period.from.isNull() || period.to.isNull())
        return CliError(c, ExitUsage, QStringLiteral("--from e --to sono obbligatori."));
    const QString problem = SituationRequest::PeriodProblem(period.from, period.to);
    if (!problem.isEmpty())
        return CliError(c, ExitUsage, problem);
    QList<int> keys;
    int code = ExitOk;
    if (!takeCounterpartKeys(c, &keys, &code))
        return code;
    QList<SituationDocument::Counterpart> records;
    if (!SituationDocument::ReadRecords(*c.db, source.profile, keys, period, &records))
        return failed(c);
    *document =
        std::make_unique<SituationDocument>(source, period.from, period.to, std::move(records));
    return ExitOk;
}

} // namespace

void AddLabelAndCounterpartPrintJobs(std::vector<PrintJob>& jobs) {
    jobs.push_back({"labels", "[--items KEYS]",
                    "fogli di etichette con codice, descrizione e codice a barre, uno per "
                    "articolo (senza --items: tutti, in ordine di matricola)",
                    makeLabels});
    jobs.push_back({"counterparts", "[--keys KEYS] [--filter 1..4]",
                    "lista delle anagrafiche (senza --keys: quelle del filtro, 4 = tutte, in "
                    "ordine di ragione sociale)",
                    makeCounterparts});
    jobs.push_back({"situation", "[--keys KEYS] [--filter 1..4] --from DATA --to DATA",
                    "situazione delle anagrafiche nel periodo: gli articoli movimentati, una "
                    "pagina per anagrafica",
                    makeSituation});
}
