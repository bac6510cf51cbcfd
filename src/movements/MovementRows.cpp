#include "movements/MovementRows.h"

#include "company/Formats.h"
#include "movements/MovementTotals.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/records/SottoMovimentiRecord.h"

#include <QSqlQuery>

namespace MovementRows {

bool Load(Database& db, const Profile& profile, int movementId, QList<Row>* rows) {
    rows->clear();
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral(
                      "SELECT SottoMovimenti.IDSottoMovimento, Articoli.Descrizione, UnMis.Sigla, "
                      "SottoMovimenti.Qt, SottoMovimenti.Prezzo, SottoMovimenti.Sconto, "
                      "SottoMovimenti.Iva FROM (SottoMovimenti LEFT JOIN Articoli ON "
                      "SottoMovimenti.IDArticolo = Articoli.IDArticolo) LEFT JOIN UnMis ON "
                      "SottoMovimenti.IDUM = UnMis.IDUM WHERE SottoMovimenti.IDMovimento = ? "
                      "ORDER BY SottoMovimenti.IDSottoMovimento"),
                  {movementId}))
        return false;
    while (q.next()) {
        SottoMovimentiRecord record;
        record.Qt = Record::ReadReal(q.value(3));
        record.Prezzo = Record::ReadCurrency(q.value(4));
        record.Sconto = Record::ReadReal(q.value(5));
        record.Iva = Record::ReadReal(q.value(6));
        const RowAmounts amounts = ComputeRowAmounts(record);
        Row row;
        row.rowId = q.value(0).toInt();
        row.texts[0] = Record::ReadText(q.value(1), 100);
        const QString quantity = FormatNumber(profile, double(record.Qt.value_or(0)));
        const QString unit = Record::ReadText(q.value(2), 5);
        row.texts[1] = unit.isEmpty() ? quantity : QStringLiteral("%1 %2").arg(quantity, unit);
        row.texts[2] = record.Prezzo.isValid() ? FormatCurrency(profile, record.Prezzo) : QString();
        row.texts[3] = FormatNumber(profile, double(record.Sconto.value_or(0)), -1, true);
        row.texts[4] = FormatCurrency(profile, amounts.tax);
        const CurrencyAmount total =
            amounts.net.isValid() && amounts.tax.isValid()
                ? CurrencyAmount::fromUnits(amounts.net.units() + amounts.tax.units())
                : amounts.net;
        row.texts[5] = total.isValid() ? FormatCurrency(profile, total) : QString();
        rows->append(row);
    }
    return !q.lastError().isValid();
}

} // namespace MovementRows
