#include "movements/MovementEntry.h"

#include "items/ItemNames.h"
#include "store/Database.h"
#include "store/LikePattern.h"
#include "store/PostgresKeys.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"
#include "store/records/ItemEditRecord.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <climits>
#include <vector>

namespace MovementEntry {

namespace {

// Suppliers for a load, customers otherwise; workers are in neither list. A flag never set
// reads as clear, as in the counterparts list.
QString KindFilter(const Database& db, int mode, QVariantList* values) {
    const QVariant no = Record::BindBit(false, db.backend());
    *values << no << Record::BindBit(mode != 0, db.backend()) << no << no;
    return QStringLiteral(" AND COALESCE(CliFor, ?) = ? AND COALESCE(Operaio, ?) = ?");
}

// Alphabetically, a name missing first on both back ends: the form of the name indexes.
QString ByName(const Database& db, const char* column) {
    return TextOrder::Term(db.backend(), QLatin1String(column)) +
           (db.isPostgres() ? QStringLiteral(" NULLS FIRST") : QString());
}

} // namespace

bool Counterparts(Database& db, int mode, QList<Counterpart>* list) {
    list->clear();
    // The order comes from the name index alone (it holds the key): read with the other columns
    // through it, every record would cost a look-up in the table. The records themselves are
    // then read in the table's own order.
    QHash<int, int> rank;
    const QString order =
        QStringLiteral("SELECT IDCliFor FROM CliFor WHERE IDCliFor > ? ORDER BY ") +
        ByName(db, "RagSoc") + QStringLiteral(", IDCliFor");
    std::vector<qint32> keys;
    QString error;
    QSqlQuery q;
    if (PostgresKeys::Read(db, order, {0}, &keys, &error)) {
        rank.reserve(qsizetype(keys.size()));
        for (qint32 key : keys)
            rank.insert(key, int(rank.size()));
    } else if (!error.isEmpty()) {
        db.setError(QSqlError(QString(), error, QSqlError::StatementError));
        return false;
    } else {
        q.setForwardOnly(true);
        if (!db.query(q, order, {0}))
            return false;
        while (q.next())
            rank.insert(q.value(0).toInt(), int(rank.size()));
        if (q.lastError().isValid())
            return false;
        q.finish();
    }
    QVariantList values{0};
    const QString kind = KindFilter(db, mode, &values);
    if (!db.query(q,
                  QStringLiteral("SELECT IDCliFor, RagSoc, Codice, Sconto FROM CliFor WHERE "
                                 "IDCliFor > ?") +
                      kind,
                  values))
        return false;
    std::vector<std::pair<int, Counterpart>> ranked;
    while (q.next()) {
        const int key = q.value(0).toInt();
        ranked.push_back({rank.value(key, INT_MAX),
                          {key, Record::ReadText(q.value(1), 100), Record::ReadText(q.value(2), 20),
                           Record::ReadReal(q.value(3)).value_or(0)}});
    }
    if (q.lastError().isValid())
        return false;
    std::sort(ranked.begin(), ranked.end(), [](const auto& x, const auto& y) {
        return x.first != y.first ? x.first < y.first : x.second.key < y.second.key;
    });
    list->reserve(qsizetype(ranked.size()));
    for (auto& r : ranked)
        list->append(std::move(r.second));
    return true;
}

bool Items(Database& db, QList<ListEntry>* list) {
    list->clear();
    QList<ItemName> names;
    if (!ItemNamesByDescription(db, &names))
        return false;
    list->reserve(names.size());
    for (ItemName& n : names)
        list->append({n.key, std::move(n.description)});
    return true;
}

bool Units(Database& db, QList<ListEntry>* list) {
    list->clear();
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT IDUM, Sigla FROM UnMis WHERE IDUM > ? ORDER BY ") +
                      ByName(db, "Sigla") + QStringLiteral(", IDUM"),
                  {0}))
        return false;
    while (q.next())
        list->append({q.value(0).toInt(), Record::ReadText(q.value(1), 5)});
    return !q.lastError().isValid();
}

int ItemByCode(Database& db, CodeField field, const QString& text, bool exact) {
    if (text.isEmpty())
        return 0;
    const QString column = field == CodeField::Matricola ? QStringLiteral("Matricola")
                           : field == CodeField::CodForn ? QStringLiteral("CodForn")
                                                         : QStringLiteral("CodBarre");
    QSqlQuery q;
    const QString condition = exact ? column + QStringLiteral(" = ?") : column + LikeOperator(db);
    if (!db.query(q,
                  QStringLiteral("SELECT IDArticolo FROM Articoli WHERE IDArticolo > ? AND ") +
                      condition + QStringLiteral(" ORDER BY ") + ByName(db, "Descrizione") +
                      QStringLiteral(", IDArticolo LIMIT 1"),
                  {0, exact ? QVariant(text) : QVariant(LikePattern(text))}) ||
        !q.next())
        return 0;
    return q.value(0).toInt();
}

int CounterpartByCode(Database& db, int mode, const QString& text) {
    if (text.isEmpty())
        return 0;
    QVariantList values{0, LikePattern(text)};
    const QString kind = KindFilter(db, mode, &values);
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT IDCliFor FROM CliFor WHERE IDCliFor > ? AND Codice") +
                      LikeOperator(db) + kind + QStringLiteral(" ORDER BY ") +
                      ByName(db, "RagSoc") + QStringLiteral(", IDCliFor LIMIT 1"),
                  values) ||
        !q.next())
        return 0;
    return q.value(0).toInt();
}

bool LoadItem(Database& db, int key, Item* item) {
    ItemEditRecord r;
    if (key <= 0 || !LoadRecord(db, key, r))
        return false;
    item->key = r.IDArticolo;
    item->description = r.Descrizione;
    item->matricola = r.Matricola;
    item->codBarre = r.CodBarre;
    item->codForn = r.CodForn;
    item->unit = r.IDUM.value_or(0);
    item->serialCodes = r.Imei.value_or(false);
    item->photo = r.Foto;
    item->pricing = {r.Prezzo, r.Ricarico, r.Iva, r.Sconto, r.IncIva.value_or(false)};
    return true;
}

std::optional<CurrencyAmount> HistoricPrice(Database& db, int command, int itemId) {
    const bool purchase =
        command == AveragePurchase || command == WeightedPurchase || command == LastPurchase;
    const QString types = purchase ? QStringLiteral("Movimenti.Tipo = 0")
                                   : QStringLiteral("(Movimenti.Tipo = 1 OR Movimenti.Tipo = 3)");
    const QString from =
        QStringLiteral(" FROM Movimenti LEFT JOIN SottoMovimenti ON Movimenti.IDMovimento = "
                       "SottoMovimenti.IDMovimento WHERE ") +
        types + QStringLiteral(" AND SottoMovimenti.IDArticolo = ?");
    QString sql;
    switch (command) {
    case AveragePurchase:
    case AverageSale:
        sql = QStringLiteral("SELECT AVG(SottoMovimenti.Prezzo)") + from;
        break;
    case WeightedPurchase:
    case WeightedSale:
        sql = QStringLiteral("SELECT SUM(SottoMovimenti.Prezzo * SottoMovimenti.Qt), "
                             "SUM(SottoMovimenti.Qt)") +
              from;
        break;
    case LastPurchase:
    case LastSale:
        sql = QStringLiteral("SELECT SottoMovimenti.Prezzo") + from +
              QStringLiteral(" ORDER BY Movimenti.IDMovimento DESC, "
                             "SottoMovimenti.IDSottoMovimento DESC LIMIT 1");
        break;
    default:
        return std::nullopt;
    }
    QSqlQuery q;
    if (!db.query(q, sql, {itemId}) || !q.next() || q.value(0).isNull())
        return std::nullopt;
    if (command == WeightedPurchase || command == WeightedSale) {
        const double quantity = q.value(1).toDouble();
        if (quantity == 0)
            return std::nullopt;
        return CurrencyAmount::fromDouble(q.value(0).toDouble() / quantity);
    }
    if (command == LastPurchase || command == LastSale)
        return Record::ReadCurrency(q.value(0));
    return CurrencyAmount::fromDouble(q.value(0).toDouble());
}

} // namespace MovementEntry

void KeyTextListModel::setEntries(QList<MovementEntry::ListEntry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    m_rows.clear();
    m_rows.reserve(m_entries.size());
    for (int i = 0; i < m_entries.size(); ++i)
        m_rows.insert(m_entries[i].key, i);
    endResetModel();
}

int KeyTextListModel::keyAt(int row) const {
    return row >= 0 && row < m_entries.size() ? m_entries[row].key : 0;
}

int KeyTextListModel::findPrefix(const QString& prefix, int from) const {
    for (int i = qMax(0, from); i < m_entries.size(); ++i)
        if (m_entries[i].text.startsWith(prefix, Qt::CaseInsensitive))
            return i;
    return -1;
}

int KeyTextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant KeyTextListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_entries[index.row()].text;
    if (role == Qt::UserRole)
        return m_entries[index.row()].key;
    return {};
}
