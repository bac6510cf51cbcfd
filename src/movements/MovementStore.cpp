#include "movements/MovementStore.h"

#include "common/Profile.h"
#include "movements/MovementMessages.h"
#include "movements/MovementTotals.h"
#include "movements/MovementTypes.h"
#include "store/Database.h"
#include "store/TransactionGuard.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

namespace {

// Rows read or attached by one statement, well under either back end's limit of bound values.
constexpr int kRowsPerStatement = 200;

QString placeholders(qsizetype count) {
    return QStringList(count, QStringLiteral("?")).join(QStringLiteral(", "));
}

} // namespace

QString NextMovementNumber(Database& db, int type, const QDate& today) {
    const int year = today.year();
    // The whole year, its last day included at any hour.
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT COUNT(IDMovimento) AS Totale FROM Movimenti WHERE "
                                 "Tipo = ? AND Data >= ? AND Data < ?"),
                  {type, QDateTime(QDate(year, 1, 1), QTime(0, 0)),
                   QDateTime(QDate(year + 1, 1, 1), QTime(0, 0))}) ||
        !q.next())
        return QString();
    return QStringLiteral("%1/%2").arg(q.value(0).toLongLong() + 1).arg(year);
}

bool MovementNumberTaken(Database& db, int type, const QString& number, int year, int movementKey) {
    if (number.trimmed().isEmpty())
        return false;
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT COUNT(IDMovimento) FROM Movimenti WHERE Tipo = ? AND "
                                 "Numero = ? AND Data >= ? AND Data < ? AND IDMovimento <> ?"),
                  {type, number, QDateTime(QDate(year, 1, 1), QTime(0, 0)),
                   QDateTime(QDate(year + 1, 1, 1), QTime(0, 0)), movementKey}) ||
        !q.next())
        return false;
    return q.value(0).toLongLong() > 0;
}

FooterLines NewUnloadFooter(const Profile& profile) {
    using S = Profile::Section;
    if (profile.integer(S::Settings, QStringLiteral("RowsSaved")) != 0) {
        auto saved = [&](const char* name) {
            return profile.string(S::Settings, QLatin1String(name));
        };
        return {saved("Riga1SX"), saved("Riga1DX"),  saved("Riga2"),    saved("Riga3"),
                saved("Riga4"),   saved("Riga1Min"), saved("Riga2Min"), saved("Riga3Min")};
    }
    return DefaultUnloadFooter();
}

FooterLines DefaultUnloadFooter() {
    return {
        QStringLiteral("CONTRIBUTO AMBIENTALE CONAI ASSOLTO OVE DOVUTO"),
        QStringLiteral("CONTRIBUTO RAEE ADDEBITATO OVE DOVUTO"),
        QStringLiteral("Vi informiamo che i vostri dati sono trattati solo per finalità consentite "
                       "dalla legge e per scopi contrattuali. Detti dati non sono soggetti"),
        QStringLiteral("a diffusione, ma possono essere comunicati a soggetti che operano "
                       "all'interno dell'azienda incaricati di gestione di pagamenti o che "
                       "svolgono"),
        QStringLiteral("attività di consulenza. Vi sono riconosciuti i diritti di cui all'art.7 "
                       "della legge 196/03. Maggiori informazioni potete trovarle presso i nostri "
                       "uffici."),
        QStringLiteral("Operazione effettuata da soggetto appartenente a regime fiscale di "
                       "vantaggio per l’imprenditoria giovanile e per i lavoratori"),
        QStringLiteral("in mobilità di cui all’art. 27 commi 1 e 2 D.L. 98/2011"),
        QStringLiteral("Bollo di €. 2,00 su originale"),
    };
}

void ApplyFooter(const FooterLines& f, MovimentiRecord& h) {
    h.Riga1SX = f.riga1SX;
    h.Riga1DX = f.riga1DX;
    h.Riga2 = f.riga2;
    h.Riga3 = f.riga3;
    h.Riga4 = f.riga4;
    h.Riga1Min = f.riga1Min;
    h.Riga2Min = f.riga2Min;
    h.Riga3Min = f.riga3Min;
}

// --- One edit ----------------------------------------------------------------------------------

MovementEdit::MovementEdit(Database& db, int type) : m_db(db), m_type(type) {}

MovementEdit::~MovementEdit() = default;

bool MovementEdit::begin() {
    m_guard = std::make_unique<TransactionGuard>(m_db);
    return m_guard->isActive();
}

bool MovementEdit::open(int movementKey) {
    if (!begin())
        return false;
    MovimentiRecord header;
    if (!LoadRecord(m_db, movementKey, header) || header.IDMovimento != movementKey) {
        cancel();
        return false;
    }
    m_header = header;
    m_type = header.Tipo.value_or(MovementType::Carico);
    m_wasNew = false;
    QSqlQuery q;
    if (!m_db.query(q,
                    QStringLiteral("SELECT IDSottoMovimento, IDArticolo FROM SottoMovimenti "
                                   "WHERE IDMovimento = ? ORDER BY IDSottoMovimento"),
                    {movementKey})) {
        cancel();
        return false;
    }
    while (q.next()) {
        m_rows << q.value(0).toInt();
        const int item = q.value(1).toInt();
        if (!m_openedItems.contains(item))
            m_openedItems << item;
    }
    if (q.lastError().isValid()) {
        cancel();
        return false;
    }
    return true;
}

namespace {

bool PointCodes(Database& db, const QList<int>& codes, int rowKey) {
    for (int code : codes) {
        QSqlQuery q;
        if (!db.query(q, QStringLiteral("UPDATE Imei SET IDSottoMovimento = ? WHERE IDImei = ?"),
                      {rowKey, code}) ||
            q.numRowsAffected() != 1)
            return false;
    }
    return true;
}

} // namespace

bool MovementEdit::insertRow(SottoMovimentiRecord& row, const QList<int>& serialCodes) {
    row.IDMovimento = 0;
    TableRecordSet<SottoMovimentiRecord> set(m_db);
    if (!set.insert(row) || row.IDSottoMovimento <= 0 ||
        !PointCodes(m_db, serialCodes, row.IDSottoMovimento)) {
        if (row.IDSottoMovimento > 0)
            m_db.execute(QStringLiteral("DELETE FROM SottoMovimenti WHERE IDSottoMovimento = ?"),
                         {row.IDSottoMovimento});
        for (int code : serialCodes)
            m_db.execute(QStringLiteral("DELETE FROM Imei WHERE IDImei = ?"), {code});
        row.IDSottoMovimento = 0;
        return false;
    }
    m_rows << row.IDSottoMovimento;
    return true;
}

bool MovementEdit::changeRow(SottoMovimentiRecord& row, const QList<int>* serialCodes) {
    if (!m_rows.contains(row.IDSottoMovimento))
        return false;
    TableRecordSet<SottoMovimentiRecord> set(m_db);
    return set.change(row) &&
           (!serialCodes || PointCodes(m_db, *serialCodes, row.IDSottoMovimento));
}

bool MovementEdit::loadRow(int rowKey, SottoMovimentiRecord* row) {
    return LoadRecord(m_db, rowKey, *row);
}

bool MovementEdit::deleteMovementRow(int rowKey) {
    if (!m_db.execute(QStringLiteral("DELETE FROM Imei WHERE IDSottoMovimento = ?"), {rowKey}) ||
        !m_db.execute(QStringLiteral("DELETE FROM SottoMovimenti WHERE IDSottoMovimento = ?"),
                      {rowKey}))
        return false;
    m_rows.removeAll(rowKey);
    return true;
}

MovementEdit::SaveResult MovementEdit::save() {
    MovimentiRecord& h = m_header;
    h.Tipo = m_type;
    if (m_type == MovementType::Ricevuta)
        h.IDCliFor.reset();
    if (m_type == MovementType::Carico) {
        // A supplier's document carries no bank, destination or invoice footer.
        for (QString* text : {&h.Banca, &h.IBAN, &h.CondPag, &h.Titolo, &h.RagSocDiv,
                              &h.IndirizzoDiv, &h.ComuneDiv, &h.Riga1SX, &h.Riga1DX, &h.Riga2,
                              &h.Riga3, &h.Riga4, &h.Riga1Min, &h.Riga2Min, &h.Riga3Min})
            *text = QString();
    }
    if (h.ValCambio && *h.ValCambio < 0)
        h.ValCambio.reset();

    TableRecordSet<MovimentiRecord> headers(m_db);
    const bool written = isNew() ? headers.insert(h) && h.IDMovimento > 0 : headers.change(h);
    if (!written) {
        if (isNew())
            h.IDMovimento = 0;
        cancel();
        return SaveResult::HeaderFailed;
    }

    // The rows are read and attached a few hundred at a time: a statement per row would cost a
    // round trip each on a server, and a movement may have hundreds of rows.
    QHash<int, SottoMovimentiRecord> rows;
    for (qsizetype first = 0; first < m_rows.size(); first += kRowsPerStatement) {
        QVariantList keys;
        for (int key : m_rows.mid(first, kRowsPerStatement))
            keys << key;
        TableRecordSet<SottoMovimentiRecord> set(m_db);
        if (!set.open(QStringLiteral("SELECT * FROM SottoMovimenti WHERE IDSottoMovimento IN (%1)")
                          .arg(placeholders(keys.size())),
                      keys)) {
            cancel();
            return SaveResult::RowFailed;
        }
        for (; !set.atEnd(); set.moveNext())
            rows.insert(set.current().IDSottoMovimento, set.current());
        if (set.failed()) {
            cancel();
            return SaveResult::RowFailed;
        }
    }
    MovementTotals totals;
    m_items.clear();
    for (int key : std::as_const(m_rows)) {
        const auto row = rows.constFind(key);
        if (row == rows.constEnd()) {
            cancel();
            return SaveResult::RowFailed;
        }
        totals.add(*row);
        const int item = row->IDArticolo.value_or(0);
        if (!m_items.contains(item))
            m_items << item;
    }
    for (qsizetype first = 0; first < m_rows.size(); first += kRowsPerStatement) {
        QVariantList values{h.IDMovimento};
        for (int key : m_rows.mid(first, kRowsPerStatement))
            values << key;
        QSqlQuery attach;
        // Every row of the list must be attached; one that is gone fails the save.
        if (!m_db.query(attach,
                        QStringLiteral("UPDATE SottoMovimenti SET IDMovimento = ? WHERE "
                                       "IDSottoMovimento IN (%1)")
                            .arg(placeholders(values.size() - 1)),
                        values) ||
            attach.numRowsAffected() != values.size() - 1) {
            cancel();
            return SaveResult::RowFailed;
        }
    }
    for (int item : std::as_const(m_openedItems))
        if (!m_items.contains(item))
            m_items << item;

    h.Prezzo = totals.prezzo();
    h.Imposta = totals.imposta();
    h.Totale = totals.totale();
    h.CliFor = QString();
    if (m_type != MovementType::Ricevuta && h.IDCliFor) {
        QSqlQuery q;
        if (m_db.query(q, QStringLiteral("SELECT RagSoc FROM CliFor WHERE IDCliFor = ?"),
                       {*h.IDCliFor}) &&
            q.next())
            h.CliFor = Record::ReadText(q.value(0), 100);
    }
    if (!headers.change(h)) {
        cancel();
        return SaveResult::HeaderFailed;
    }
    if (!m_guard->commit()) {
        cancel();
        return SaveResult::CommitFailed;
    }
    return SaveResult::Saved;
}

int MovementEdit::failureMessage(SaveResult result) const {
    switch (result) {
    case SaveResult::RowFailed:
        return m_wasNew ? MovementMessages::SaveFailedFor(m_type)
                        : int(MovementMessages::MovementSaveFailed);
    case SaveResult::CommitFailed:
        return MovementMessages::TransactionSaveFailed;
    default:
        return 0;
    }
}

void MovementEdit::cancel() {
    if (m_guard)
        m_guard->rollback();
    m_items.clear();
    if (m_wasNew)
        m_header.IDMovimento = 0;
}

bool UpdateMovimento(Database& db, int movementKey) {
    MovimentiRecord h;
    if (!LoadRecord(db, movementKey, h))
        return false;
    h.CliFor = QString();
    QSqlQuery q;
    if (h.IDCliFor) {
        if (!db.query(q, QStringLiteral("SELECT RagSoc FROM CliFor WHERE IDCliFor = ?"),
                      {*h.IDCliFor}))
            return false;
        if (q.next())
            h.CliFor = Record::ReadText(q.value(0), 100);
        q.finish();
    }
    MovementTotals totals;
    TableRecordSet<SottoMovimentiRecord> rows(db);
    if (!rows.open(QStringLiteral("SELECT * FROM SottoMovimenti WHERE IDMovimento = ?"),
                   {movementKey}))
        return false;
    for (; !rows.atEnd(); rows.moveNext())
        totals.add(rows.current());
    if (rows.failed())
        return false;
    auto orNull = [](const CurrencyAmount& a) {
        return a.isValid() && a.units() == 0 ? CurrencyAmount::null() : a;
    };
    h.Prezzo = orNull(totals.prezzo());
    h.Imposta = orNull(totals.imposta());
    h.Totale = orNull(totals.totale());
    TableRecordSet<MovimentiRecord> headers(db);
    return headers.change(h);
}

// --- Stock and deletion ------------------------------------------------------------------------

double AvailableStock(Database& db, int itemId, int leftOutRow, MovementEdit* edit) {
    if (itemId <= 0)
        return 0;
    double loads = 0, unloads = 0, returns = 0;
    QSqlQuery q;
    if (db.query(q,
                 QStringLiteral("SELECT SUM(SottoMovimenti.Qt) AS Totale, Movimenti.Tipo FROM "
                                "Movimenti LEFT JOIN SottoMovimenti ON Movimenti.IDMovimento = "
                                "SottoMovimenti.IDMovimento WHERE SottoMovimenti.IDArticolo = ? "
                                "AND SottoMovimenti.IDSottoMovimento <> ? GROUP BY "
                                "SottoMovimenti.IDArticolo, Movimenti.Tipo"),
                 {itemId, leftOutRow})) {
        while (q.next()) {
            const double sum = q.value(0).toDouble();
            switch (q.value(1).toInt()) {
            case MovementType::Carico:
                loads += sum;
                break;
            case MovementType::Reso:
                returns += sum;
                break;
            default:
                unloads += sum;
            }
        }
    }
    q.finish();
    double stock = loads - unloads + returns;
    if (db.query(q, QStringLiteral("SELECT GiacInit FROM Articoli WHERE IDArticolo = ?"),
                 {itemId}) &&
        q.next() && !q.value(0).isNull())
        stock += double(q.value(0).toFloat());
    q.finish();
    // The edit's pending rows of the item, in one read: one read per row of the list would
    // make every row added to a long movement slower than the one before.
    if (edit && !edit->rowKeys().isEmpty() &&
        db.query(q,
                 QStringLiteral("SELECT IDSottoMovimento, Qt FROM SottoMovimenti WHERE "
                                "IDArticolo = ? AND IDMovimento = 0"),
                 {itemId})) {
        const QSet<int> listed(edit->rowKeys().begin(), edit->rowKeys().end());
        while (q.next()) {
            const int key = q.value(0).toInt();
            if (key == leftOutRow || !listed.contains(key))
                continue;
            const double qt = double(Record::ReadReal(q.value(1)).value_or(0));
            stock += MovementType::IsSale(edit->type()) ? -qt : qt;
        }
    }
    return stock;
}

DeleteOutcome DeleteMovements(Database& db, const QList<int>& movementKeys) {
    DeleteOutcome outcome;
    for (int key : movementKeys) {
        TransactionGuard guard(db);
        if (!guard.isActive()) {
            outcome.failed << key;
            continue;
        }
        QList<int> items, rows;
        QSqlQuery q;
        bool ok = db.query(q,
                           QStringLiteral("SELECT IDArticolo, IDSottoMovimento FROM "
                                          "SottoMovimenti WHERE IDMovimento = ?"),
                           {key});
        while (ok && q.next()) {
            const int item = q.value(0).toInt();
            if (!items.contains(item))
                items << item;
            rows << q.value(1).toInt();
        }
        ok = ok && !q.lastError().isValid();
        q.finish();
        ok =
            ok &&
            db.execute(QStringLiteral("DELETE FROM Movimenti WHERE IDMovimento = ?"), {key}) &&
            db.execute(QStringLiteral("DELETE FROM SottoMovimenti WHERE IDMovimento = ?"), {key}) &&
            db.execute(QStringLiteral("DELETE FROM PrimaNota WHERE IDMovimento = ?"), {key});
        for (int row : std::as_const(rows))
            ok = ok &&
                 db.execute(QStringLiteral("DELETE FROM Imei WHERE IDSottoMovimento = ?"), {row});
        if (!ok || !guard.commit()) {
            guard.rollback();
            outcome.failed << key;
            continue;
        }
        outcome.deleted << key;
        for (int item : std::as_const(items))
            if (!outcome.items.contains(item))
                outcome.items << item;
    }
    return outcome;
}
