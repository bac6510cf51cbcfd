#include "cli/PrintJobs.h"
#include "movements/MovementTypes.h"
#include "print/MovementDocuments.h"
#include "print/MovementListDocument.h"
#include "print/MovementPrintChoice.h"
#include "print/PrintDocument.h"
#include "store/Database.h"

#include <QDateTime>

namespace {

// --movement KEY, required, and what the movement is.
int takeMovement(CliContext& c, PrintSource& source, int* key, MovementPrintFacts* facts) {
    if (!TakeKeyOption(c, QStringLiteral("--movement"), key))
        return ExitUsage;
    if (*key == 0)
        return CliError(c, ExitUsage, QStringLiteral("--movement CHIAVE è obbligatorio."));
    if (!ReadMovementPrintFacts(source.db, *key, facts))
        return CliError(c, ExitFailed,
                        QStringLiteral("impossibile leggere il movimento %1: %2")
                            .arg(*key)
                            .arg(source.db.errorText()));
    return ExitOk;
}

// --currency base|document: the company's currency (the default) or the movement's own.
int takeCurrency(CliContext& c, PrintCurrency* currency) {
    QString text;
    if (!TakeOption(c.args, QStringLiteral("--currency"), &text))
        return CliError(c, ExitUsage, QStringLiteral("--currency vuole base o document."));
    if (text.isNull() || text == QLatin1String("base"))
        *currency = PrintCurrency::Company;
    else if (text == QLatin1String("document"))
        *currency = PrintCurrency::Document;
    else
        return CliError(c, ExitUsage,
                        QStringLiteral("--currency vuole base o document, non %1.").arg(text));
    return ExitOk;
}

int refuseReturn(CliContext& c, int key) {
    return CliError(c, ExitUsage,
                    QStringLiteral("il movimento %1 è un reso: non si stampa né fattura né "
                                   "documento di trasporto.")
                        .arg(key));
}

int make(CliContext& c, PrintSource& source, PrintKind kind, int key, PrintCurrency currency,
         std::unique_ptr<PrintDocument>* document) {
    QString error;
    *document = MakeMovementDocument(source, kind, key, currency, &error);
    if (!*document)
        return CliError(c, ExitFailed, error);
    return ExitOk;
}

int makeInvoice(CliContext& c, PrintSource& source, std::unique_ptr<PrintDocument>* document) {
    int key = 0;
    MovementPrintFacts facts;
    PrintCurrency currency = PrintCurrency::Company;
    if (const int code = takeCurrency(c, &currency))
        return code;
    if (const int code = takeMovement(c, source, &key, &facts))
        return code;
    if (facts.type == MovementType::Reso)
        return refuseReturn(c, key);
    const PrintKind kind =
        InvoiceCommandKind(facts.type, facts.hasCounterpart, facts.counterpartColumnText);
    return make(c, source, kind, key, currency, document);
}

int makeTransport(CliContext& c, PrintSource& source, std::unique_ptr<PrintDocument>* document) {
    int key = 0;
    MovementPrintFacts facts;
    if (const int code = takeMovement(c, source, &key, &facts))
        return code;
    if (facts.type == MovementType::Reso)
        return refuseReturn(c, key);
    return make(c, source, TransportCommandKind(facts.type, facts.hasCounterpart), key,
                PrintCurrency::Company, document);
}

int makeReceipt(CliContext& c, PrintSource& source, std::unique_ptr<PrintDocument>* document) {
    int key = 0;
    MovementPrintFacts facts;
    PrintCurrency currency = PrintCurrency::Company;
    if (const int code = takeCurrency(c, &currency))
        return code;
    if (const int code = takeMovement(c, source, &key, &facts))
        return code;
    return make(c, source, PrintKind::Receipt, key, currency, document);
}

int makeList(CliContext& c, PrintSource& source, std::unique_ptr<PrintDocument>* document) {
    QDate from, to;
    if (!TakeDayOption(c, QStringLiteral("--from"), &from) ||
        !TakeDayOption(c, QStringLiteral("--to"), &to))
        return ExitUsage;
    QString typeText;
    if (!TakeOption(c.args, QStringLiteral("--type"), &typeText))
        return CliError(c, ExitUsage, QStringLiteral("--type vuole un numero da 0 a 3."));
    int filter = 0;
    if (!typeText.isNull()) {
        // The names "movements list" takes, or the list's own filter numbers.
        const QStringList names{QStringLiteral("all"), QStringLiteral("load"),
                                QStringLiteral("sale"), QStringLiteral("return")};
        bool ok = false;
        filter = names.contains(typeText) ? int(names.indexOf(typeText)) : typeText.toInt(&ok);
        ok = ok || names.contains(typeText);
        if (!ok || filter < 0 || filter > 3)
            return CliError(
                c, ExitUsage,
                QStringLiteral("--type vuole load (o 1, carichi), sale (o 2, scarichi e "
                               "ricevute), return (o 3, resi) o all (o 0), non %1.")
                    .arg(typeText));
    }
    if (from.isValid() && to.isValid() && from > to)
        return CliError(c, ExitUsage, QStringLiteral("--from viene dopo --to."));

    // The list's own query: every movement after 1900 unless days are given, the type filter
    // of the list, and its first order (newest first).
    QString sql = QStringLiteral("SELECT %1 FROM Movimenti WHERE Data > ?")
                      .arg(MovementListDocument::SelectColumns());
    QVariantList values{QDateTime(QDate(1900, 1, 1), QTime(0, 0))};
    if (from.isValid()) {
        sql += QStringLiteral(" AND Data >= ?");
        values << QDateTime(from, QTime(0, 0));
    }
    if (to.isValid()) {
        sql += QStringLiteral(" AND Data < ?");
        values << QDateTime(to.addDays(1), QTime(0, 0));
    }
    static const char* const filters[] = {"", " AND Tipo = 0", " AND (Tipo = 1 OR Tipo = 3)",
                                          " AND Tipo = 2"};
    sql += QLatin1String(filters[filter]);
    sql += QStringLiteral(" ORDER BY Data DESC, IDMovimento DESC");

    QVector<MovementListLine> lines;
    if (!MovementListDocument::LoadLines(source.db, sql, values, &lines))
        return CliError(
            c, ExitFailed,
            QStringLiteral("impossibile leggere i movimenti: %1").arg(source.db.errorText()));
    *document = std::make_unique<MovementListDocument>(source, std::move(lines));
    return ExitOk;
}

} // namespace

void AddMovementPrintJobs(std::vector<PrintJob>& jobs) {
    jobs.push_back({"invoice", "--movement CHIAVE [--currency base|document]",
                    "fattura del movimento (d'acquisto per un carico, ricevuta per una ricevuta); "
                    "document: nella valuta del movimento",
                    makeInvoice});
    jobs.push_back(
        {"ddt", "--movement CHIAVE", "documento di trasporto del movimento", makeTransport});
    jobs.push_back({"receipt", "--movement CHIAVE [--currency base|document]",
                    "ricevuta del movimento", makeReceipt});
    jobs.push_back({"movements", "[--from GIORNO] [--to GIORNO] [--type load|sale|return]",
                    "lista dei movimenti, i più recenti prima; --type load i carichi, sale gli "
                    "scarichi e le ricevute, return i resi (o 1, 2, 3)",
                    makeList});
}
