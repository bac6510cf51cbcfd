#include "cli/CliCommand.h"
#include "movements/MovementTypes.h"
#include "store/Database.h"
#include "store/TableRecord.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

namespace {

// A day given on the command line: ISO (2026-03-05) or the Italian way (5/3/2026, 05/03/2026).
QDate parseDay(const QString& text) {
    QDate day = QDate::fromString(text, Qt::ISODate);
    if (!day.isValid())
        day = QDate::fromString(text, QStringLiteral("d/M/yyyy"));
    return day;
}

// An amount as exact decimal text with a '.' point: two decimals at least, four at most, so
// that cents read as usual and no ten-thousandth is lost. Empty for NULL.
QString amountText(const CurrencyAmount& amount) {
    QString text = amount.toDecimalString();
    if (text.isEmpty())
        return text;
    while (text.endsWith(u'0') && text.indexOf(u'.') < text.size() - 3)
        text.chop(1);
    return text;
}

QJsonValue amountJson(const CurrencyAmount& amount) {
    return amount.isValid() ? QJsonValue(amountText(amount)) : QJsonValue(QJsonValue::Null);
}

// One field of a tab-separated line: tabs and line breaks would split it.
QString cell(QString text) {
    for (QChar& c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return text;
}

int list(CliContext& c) {
    QString fromText, toText, typeText;
    if (!TakeOption(c.args, QStringLiteral("--from"), &fromText) ||
        !TakeOption(c.args, QStringLiteral("--to"), &toText) ||
        !TakeOption(c.args, QStringLiteral("--type"), &typeText))
        return CliError(c, ExitUsage, QStringLiteral("--from, --to e --type vogliono un valore."));
    if (!c.args.isEmpty())
        return CliError(c, ExitUsage, QStringLiteral("argomento inatteso: %1").arg(c.args.first()));

    QStringList where;
    QVariantList values;
    QDate from, to;
    if (!fromText.isNull()) {
        from = parseDay(fromText);
        if (!from.isValid())
            return CliError(
                c, ExitUsage,
                QStringLiteral("data non valida per --from: %1 (AAAA-MM-GG o GG/MM/AAAA).")
                    .arg(fromText));
        where << QStringLiteral("Data >= ?");
        values << QDateTime(from, QTime(0, 0));
    }
    if (!toText.isNull()) {
        to = parseDay(toText);
        if (!to.isValid())
            return CliError(
                c, ExitUsage,
                QStringLiteral("data non valida per --to: %1 (AAAA-MM-GG o GG/MM/AAAA).")
                    .arg(toText));
        // The whole last day, to its last instant.
        where << QStringLiteral("Data < ?");
        values << QDateTime(to.addDays(1), QTime(0, 0));
    }
    if (from.isValid() && to.isValid() && from > to)
        return CliError(c, ExitUsage, QStringLiteral("--from viene dopo --to."));
    if (!typeText.isNull()) {
        if (typeText == QLatin1String("load"))
            where << QStringLiteral("Tipo = 0");
        else if (typeText == QLatin1String("sale"))
            where << QStringLiteral("(Tipo = 1 OR Tipo = 3)");
        else if (typeText == QLatin1String("return"))
            where << QStringLiteral("Tipo = 2");
        else
            return CliError(
                c, ExitUsage,
                QStringLiteral("--type vuole load, sale o return, non %1.").arg(typeText));
    }
    QString sql = QStringLiteral("SELECT IDMovimento, Data, Tipo, Numero, CliFor, Contabilizzato, "
                                 "Prezzo, Imposta, Totale FROM Movimenti");
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    // A movement without a date (written by other means) comes last on both back ends, which
    // would otherwise place NULL at opposite ends.
    sql += QStringLiteral(" ORDER BY CASE WHEN Data IS NULL THEN 1 ELSE 0 END, Data, IDMovimento");

    QSqlQuery q;
    if (!c.db->query(q, sql, values))
        return CliError(
            c, ExitFailed,
            QStringLiteral("impossibile leggere i movimenti: %1").arg(c.db->errorText()));
    QJsonArray rows;
    if (!c.json)
        c.out << "Chiave\tData\tTipo\tNumero\tControparte\tPagato\tPrezzo\tImposta\tTotale\n";
    while (q.next()) {
        const int key = q.value(0).toInt();
        const QDateTime date = Record::ReadDateTime(q.value(1));
        const std::optional<qint32> type = Record::ReadInt(q.value(2));
        const QString typeName = type ? MovementType::Name(*type) : QString();
        const QString number = Record::ReadText(q.value(3), 0);
        const QString counterpart = Record::ReadText(q.value(4), 0);
        const bool paid = Record::ReadBit(q.value(5)).value_or(false);
        const CurrencyAmount prezzo = Record::ReadCurrency(q.value(6));
        const CurrencyAmount imposta = Record::ReadCurrency(q.value(7));
        const CurrencyAmount totale = Record::ReadCurrency(q.value(8));
        if (c.json) {
            rows.append(QJsonObject{
                {QStringLiteral("key"), key},
                {QStringLiteral("date"), date.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))},
                {QStringLiteral("type"), typeName},
                {QStringLiteral("typeCode"), type ? QJsonValue(*type) : QJsonValue()},
                {QStringLiteral("number"), number},
                {QStringLiteral("counterpart"),
                 counterpart.isNull() ? QJsonValue() : QJsonValue(counterpart)},
                {QStringLiteral("paid"), paid},
                {QStringLiteral("taxable"), amountJson(prezzo)},
                {QStringLiteral("tax"), amountJson(imposta)},
                {QStringLiteral("total"), amountJson(totale)},
            });
        } else {
            c.out << key << '\t' << date.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << '\t'
                  << typeName << '\t' << cell(number) << '\t' << cell(counterpart) << '\t'
                  << (paid ? QStringLiteral("sì") : QStringLiteral("no")) << '\t'
                  << amountText(prezzo) << '\t' << amountText(imposta) << '\t' << amountText(totale)
                  << '\n';
        }
    }
    if (q.lastError().isValid())
        return CliError(
            c, ExitFailed,
            QStringLiteral("impossibile leggere i movimenti: %1").arg(q.lastError().text()));
    if (c.json)
        c.out << QJsonDocument(rows).toJson(QJsonDocument::Indented);
    return ExitOk;
}

int run(CliContext& c) {
    if (c.args.isEmpty() || c.args.first() != QLatin1String("list"))
        return CliError(c, ExitUsage,
                        c.args.isEmpty()
                            ? QStringLiteral("movements vuole un'azione: list.")
                            : QStringLiteral("azione sconosciuta: %1 (movements conosce list).")
                                  .arg(c.args.first()));
    c.args.removeFirst();
    return list(c);
}

} // namespace

CliCommand MovementsCommand() {
    return {"movements",
            "Elenca i movimenti con i loro totali.",
            "list elenca le testate dei movimenti per data, poi per chiave: chiave (IDMovimento),\n"
            "data, tipo (Carico, Scarico, Reso, Ricevuta), numero, controparte (la ragione\n"
            "sociale registrata nel movimento; vuota per le ricevute), pagato (sì/no), imponibile\n"
            "(Prezzo), imposta e totale. Gli importi sono esatti, con il punto decimale e da due\n"
            "a quattro decimali; un importo non registrato resta vuoto.\n"
            "  --from DATA     dal giorno indicato (AAAA-MM-GG o GG/MM/AAAA)\n"
            "  --to DATA       fino al giorno indicato, compreso per intero\n"
            "  --type TIPO     load (carichi), sale (scarichi e ricevute), return (resi)\n"
            "  --json          un array di oggetti con le chiavi key, date, type, typeCode,\n"
            "                  number, counterpart, paid, taxable, tax, total (gli importi come\n"
            "                  testo, per non perdere decimali; null se non registrati)\n"
            "Senza --json una tabella separata da tabulazioni, con una riga di intestazione.\n"
            "\nEsempio, le vendite di ieri al commercialista:\n"
            "  quarzil-cli movements list --type sale --from \"$(date -d yesterday +%F)\" \\\n"
            "      --to \"$(date -d yesterday +%F)\" > vendite.tsv\n",
            "quarzil-cli [--archive FILE.db | --connection STRINGA] movements list [--from DATA] "
            "[--to DATA] [--type load|sale|return] "
            "[--json]",
            CliCommand::Archive::Current,
            true,
            run};
}
