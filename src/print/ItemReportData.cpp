#include "print/ItemReportData.h"

#include "company/Formats.h"
#include "items/ArtFilter.h"
#include "print/KeyChunks.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"

#include <QHash>
#include <QSqlQuery>

namespace {

// A report's query, reading numbers as binary reals rather than as the exact text the connection
// asks for (which the driver makes and the program parses back digit by digit, a million times
// in a big report). Every amount the archive can hold (see Record::kLargestStoredUnits) is a
// real that rounds back to its exact ten-thousandths, and quantities are reals anyway.
bool runQuery(Database& db, QSqlQuery& q, const QString& sql, const QVariantList& values) {
    q = QSqlQuery(db.handle());
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    bool ok = q.prepare(sql);
    for (qsizetype i = 0; ok && i < values.size(); ++i)
        q.addBindValue(db.bindable(values.at(i)));
    ok = ok && q.exec();
    if (!ok)
        db.setError(q.lastError());
    return ok;
}

} // namespace

bool ItemReportData::ListedKeys(Database& db, QList<int>* keys, const ArtFilter* filter) {
    keys->clear();
    QString sql = QStringLiteral("SELECT IDArticolo FROM Articoli WHERE IDArticolo > ?");
    QVariantList values{0};
    if (filter)
        filter->appendConditions(db, &sql, &values);
    // As the list orders by code; codes are unique, the key only settles the impossible tie.
    sql +=
        QStringLiteral(" ORDER BY ") + TextOrder::Term(db.backend(), QStringLiteral("Matricola"));
    if (db.isPostgres())
        sql += QStringLiteral(" NULLS FIRST");
    sql += QStringLiteral(", IDArticolo");
    QSqlQuery q;
    if (!db.query(q, sql, values))
        return false;
    while (q.next())
        keys->append(q.value(0).toInt());
    return FinishedRows(db, q);
}

bool ItemReportData::ForEachChunk(Database& db, const QList<int>& keys, const QString& sql,
                                  const QVariantList& before, const QVariantList& after,
                                  const std::function<void(const QSqlQuery&)>& onRow) {
    for (qsizetype start = 0; start < keys.size(); start += kChunkKeys) {
        const qsizetype end = qMin<qsizetype>(keys.size(), start + kChunkKeys);
        QVariantList values = before;
        QString marks;
        for (qsizetype i = start; i < end; ++i) {
            marks += i == start ? QStringLiteral("?") : QStringLiteral(", ?");
            values.append(keys.at(i));
        }
        values += after;
        QSqlQuery q;
        if (!runQuery(db, q, sql.arg(marks), values))
            return false;
        while (q.next())
            onRow(q);
        if (!FinishedRows(db, q))
            return false;
    }
    return true;
}

bool ItemReportData::ForEachItemRow(Database& db, const QList<int>& keys, const QString& sql,
                                    const QVariantList& before, const QVariantList& after,
                                    bool scanTable,
                                    const std::function<void(const QSqlQuery&)>& onRow) {
    if (keys.isEmpty())
        return true;
    if (NamesKeys(keys.size())) {
        QString text = sql;
        text.replace(QStringLiteral("{rows}"), QStringLiteral("SottoMovimenti"))
            .replace(QStringLiteral("{items}"),
                     QStringLiteral("SottoMovimenti.IDArticolo IN (%1)"));
        return ForEachChunk(db, keys, text, before, after, onRow);
    }
    QString text = sql;
    text.replace(QStringLiteral("{rows}"), scanTable && !db.isPostgres()
                                               ? QStringLiteral("SottoMovimenti NOT INDEXED")
                                               : QStringLiteral("SottoMovimenti"))
        .replace(QStringLiteral("{items}"), QStringLiteral("1 = 1"));
    QSqlQuery q;
    if (!runQuery(db, q, text, before + after))
        return false;
    while (q.next())
        onRow(q);
    return FinishedRows(db, q);
}

bool ItemReportData::ReadItems(Database& db, const QList<int>& keys,
                               std::vector<ItemReportItem>* items) {
    items->clear();
    QHash<int, QString> categories;
    {
        QSqlQuery q;
        if (!db.query(q,
                      QStringLiteral("SELECT IDCategoria, Categoria FROM Categorie "
                                     "WHERE IDCategoria > ?"),
                      {0}))
            return false;
        while (q.next())
            categories.insert(q.value(0).toInt(), q.value(1).toString());
        if (!FinishedRows(db, q))
            return false;
    }
    QHash<int, ItemReportItem> byKey;
    byKey.reserve(keys.size());
    // The unit's abbreviation from the units table; the copy in the item is a fallback for a
    // unit deleted since.
    const QString sql = QStringLiteral(
        "SELECT Articoli.IDArticolo, Articoli.Matricola, Articoli.Descrizione, "
        "Articoli.IDCategoria, UnMis.Sigla, Articoli.UnMis, Articoli.Carichi, Articoli.Scarichi, "
        "Articoli.Resi, Articoli.Giacenza, Articoli.Prezzo, Articoli.Iva, Articoli.IncIva, "
        "Articoli.Sconto, Articoli.Ricarico, Articoli.GiacInit "
        "FROM Articoli LEFT JOIN UnMis ON UnMis.IDUM = Articoli.IDUM "
        "WHERE Articoli.IDArticolo IN (%1)");
    const bool ok = ForEachChunk(db, keys, sql, {}, {}, [&](const QSqlQuery& q) {
        ItemReportItem item;
        item.key = q.value(0).toInt();
        item.matricola = Record::ReadText(q.value(1), 30);
        item.descrizione = Record::ReadText(q.value(2), 100);
        const int category = Record::ReadInt(q.value(3)).value_or(0);
        item.categoria = category > 0 ? categories.value(category) : QStringLiteral("Standard");
        item.unit = Record::ReadText(q.value(4), 5).trimmed();
        if (item.unit.isEmpty())
            item.unit = Record::ReadText(q.value(5), 5).trimmed();
        item.carichi = Record::ReadReal(q.value(6));
        item.scarichi = Record::ReadReal(q.value(7));
        item.resi = Record::ReadReal(q.value(8));
        item.giacenza = Record::ReadReal(q.value(9));
        item.prezzo = Record::ReadCurrency(q.value(10));
        item.iva = Record::ReadReal(q.value(11));
        item.incIva = Record::ReadBit(q.value(12)).value_or(false);
        item.sconto = Record::ReadReal(q.value(13));
        item.ricarico = Record::ReadReal(q.value(14));
        item.giacInit = Record::ReadReal(q.value(15));
        byKey.insert(item.key, std::move(item));
    });
    if (!ok)
        return false;
    items->reserve(keys.size());
    for (int key : keys) {
        // Taken out once used: a key given twice prints once.
        const auto it = byKey.find(key);
        if (it != byKey.end()) {
            items->push_back(std::move(*it));
            byKey.erase(it);
        }
    }
    return true;
}

QString ItemReportData::QuantityText(const Profile& profile, double quantity, const QString& unit) {
    const QString number = FormatNumber(profile, quantity);
    return unit.isEmpty() ? number : QStringLiteral("%1 %2").arg(number, unit);
}
