#include "BenchData.h"

#include "common/CurrencyAmount.h"
#include "store/ArchiveCreator.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/TransactionGuard.h"

#include <QFile>
#include <QSqlQuery>
#include <QThread>
#include <random>

namespace BenchData {

namespace {

constexpr int kCategorie = 40, kReparti = 12, kScaffali = 25, kGruppi = 10;
constexpr int kStarterUnits = 15;
// A unit key that no row of UnMis has: an item whose unit was deleted.
constexpr int kMissingUnit = 9999;
// Rows per multi-row INSERT: few round trips, well under the drivers' parameter limits.
constexpr int kBatch = 200;

using Rng = std::mt19937;

int uniform(Rng& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}
bool chance(Rng& rng, double p) {
    return std::uniform_real_distribution<double>(0, 1)(rng) < p;
}

// Quantities that are exact in binary, so sums do not depend on the order they are added in.
float quantity(Rng& rng) {
    return chance(rng, 0.8) ? float(uniform(rng, 1, 20)) : float(uniform(rng, 1, 80)) * 0.25f;
}

// A few items move far more than the rest.
int pickItem(Rng& rng, int items) {
    if (chance(rng, 0.2))
        return uniform(rng, 1, std::max(1, items / 20));
    return uniform(rng, 1, items);
}

// 0 load, 1 unload, 2 return, 3 receipt.
int movementType(Rng& rng) {
    const int p = uniform(rng, 0, 99);
    return p < 30 ? 0 : p < 80 ? 1 : p < 88 ? 2 : 3;
}

QDateTime randomDate(Rng& rng) {
    static const QDate first(2019, 1, 1);
    return QDateTime(first.addDays(uniform(rng, 0, 6 * 365 - 1)),
                     QTime(uniform(rng, 8, 18), uniform(rng, 0, 59), uniform(rng, 0, 59)));
}

// A prepared multi-row INSERT, sent whenever kBatch rows are queued; the tail goes in a
// statement of its own size.
class BatchInsert {
public:
    BatchInsert(Database& db, const QString& table, const QStringList& columns)
        : m_db(db), m_table(table), m_columns(columns) {}
    bool add(const QVariantList& row) {
        m_values << row;
        if (m_values.size() < kBatch * m_columns.size())
            return true;
        return flush();
    }
    bool flush() {
        if (m_values.isEmpty())
            return true;
        const int rows = int(m_values.size() / m_columns.size());
        QSqlQuery* q = &m_full;
        QSqlQuery tail;
        if (rows != kBatch) {
            q = &tail;
            if (!prepare(tail, rows))
                return false;
        } else if (!m_fullReady) {
            if (!prepare(m_full, rows))
                return false;
            m_fullReady = true;
        }
        for (int i = 0; i < m_values.size(); ++i)
            q->bindValue(i, m_values.at(i));
        m_values.clear();
        if (!q->exec()) {
            m_db.setError(q->lastError());
            return false;
        }
        return true;
    }

private:
    bool prepare(QSqlQuery& q, int rows) {
        const QString one = QStringLiteral("(") +
                            QStringList(m_columns.size(), QStringLiteral("?")).join(u',') +
                            QStringLiteral(")");
        q = QSqlQuery(m_db.handle());
        if (!q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                           .arg(m_table, m_columns.join(QStringLiteral(", ")),
                                QStringList(rows, one).join(u',')))) {
            m_db.setError(q.lastError());
            return false;
        }
        return true;
    }

    Database& m_db;
    QString m_table;
    QStringList m_columns;
    QVariantList m_values;
    QSqlQuery m_full;
    bool m_fullReady = false;
};

qint64 scalar(Database& db, const QString& sql) {
    QSqlQuery q;
    if (!db.query(q, sql) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

// PostgreSQL's autovacuum would gather statistics on a loaded archive soon after the load, and
// mark its pages all-visible, so that an index that holds every column a query reads answers it
// alone; the benchmark must not time the moments before.
bool analyze(Database& db) {
    if (!db.isPostgres())
        return true;
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (!db.execute(QStringLiteral("VACUUM ANALYZE")))
            return false;
        // A snapshot another session held meanwhile (autovacuum's own, often) keeps VACUUM from
        // marking the new rows visible to all; it goes again until they are.
        if (scalar(db, QStringLiteral("SELECT COUNT(*) FROM pg_class WHERE relname IN "
                                      "('articoli', 'movimenti', 'sottomovimenti') AND "
                                      "relallvisible < relpages")) == 0)
            break;
        QThread::msleep(1000);
    }
    return true;
}

// Keys were written explicitly; PostgreSQL's identity sequences must catch up with them.
bool syncSequences(Database& db) {
    if (!db.isPostgres())
        return true;
    static const char* const keys[][2] = {
        {"Articoli", "IDArticolo"},   {"Movimenti", "IDMovimento"}, {"Ordini", "IDOrdine"},
        {"Categorie", "IDCategoria"}, {"Reparti", "IDReparto"},     {"Scaffali", "IDScaffale"},
        {"Gruppi", "IDGruppo"},
    };
    for (const auto& k : keys) {
        const QString sql =
            QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), "
                           "COALESCE((SELECT MAX(%2) FROM %1), 0) + 1, false)")
                .arg(QString::fromLatin1(k[0]).toLower(), QString::fromLatin1(k[1]).toLower());
        if (!db.execute(sql))
            return false;
    }
    return true;
}

bool fail(Database& db, QString* error) {
    *error = db.errorText();
    return false;
}

bool addMovements(Database& db, int items, qint64 fromRows, qint64 totalRows, int rowsPerMovement,
                  Rng& rng, Counts* counts) {
    const Database::Backend backend = db.backend();
    qint64 nextMovement =
        scalar(db, QStringLiteral("SELECT COALESCE(MAX(IDMovimento), 0) FROM Movimenti")) + 1;
    if (nextMovement <= 0)
        return false;
    BatchInsert movements(db, QStringLiteral("Movimenti"),
                          {QStringLiteral("IDMovimento"), QStringLiteral("Numero"),
                           QStringLiteral("Data"), QStringLiteral("Tipo"),
                           QStringLiteral("IDCliFor"), QStringLiteral("Contabilizzato")});
    BatchInsert rows(db, QStringLiteral("SottoMovimenti"),
                     {QStringLiteral("IDMovimento"), QStringLiteral("Qt"),
                      QStringLiteral("IDArticolo"), QStringLiteral("IDUM"),
                      QStringLiteral("Prezzo")});
    qint64 written = fromRows;
    while (written < totalRows) {
        const qint64 id = nextMovement++;
        if (!movements.add({qint32(id), QString::number(id), Record::BindDateTime(randomDate(rng)),
                            movementType(rng), uniform(rng, 0, 50),
                            Record::BindBit(false, backend)}))
            return false;
        const int n = int(std::min<qint64>(uniform(rng, 1, rowsPerMovement), totalRows - written));
        for (int i = 0; i < n; ++i) {
            if (!rows.add({qint32(id), double(quantity(rng)), pickItem(rng, items),
                           uniform(rng, 1, kStarterUnits),
                           Record::BindCurrency(
                               CurrencyAmount::fromUnits(uniform(rng, 1, 99999) * 100), backend)}))
                return false;
        }
        written += n;
        ++counts->movements;
    }
    counts->rows = written;
    return movements.flush() && rows.flush();
}

} // namespace

bool Generate(Database& db, const Sizes& sizes, Counts* counts, QString* error) {
    *counts = Counts();
    Rng rng(sizes.seed);
    const Database::Backend backend = db.backend();
    TransactionGuard guard(db);
    if (!guard.isActive())
        return fail(db, error);

    const struct {
        const char* table;
        const char* name;
        int count;
        const char* prefix;
    } lookups[] = {{"Categorie", "Categoria", kCategorie, "Categoria "},
                   {"Reparti", "Reparto", kReparti, "Reparto "},
                   {"Scaffali", "Scaffale", kScaffali, "Scaffale "},
                   {"Gruppi", "Gruppo", kGruppi, "Gruppo "}};
    for (const auto& l : lookups) {
        BatchInsert insert(db, QLatin1String(l.table), {QLatin1String(l.name)});
        for (int i = 1; i <= l.count; ++i)
            if (!insert.add({QLatin1String(l.prefix) + QString::number(i)}))
                return fail(db, error);
        if (!insert.flush())
            return fail(db, error);
    }

    BatchInsert items(
        db, QStringLiteral("Articoli"),
        {QStringLiteral("IDArticolo"), QStringLiteral("Matricola"), QStringLiteral("Descrizione"),
         QStringLiteral("IDUM"), QStringLiteral("Prezzo"), QStringLiteral("ScortaMin"),
         QStringLiteral("Iva"), QStringLiteral("IncIva"), QStringLiteral("Imei"),
         QStringLiteral("GiacInit"), QStringLiteral("IDCategoria"), QStringLiteral("IDReparto"),
         QStringLiteral("IDScaffale"), QStringLiteral("IDGruppo"), QStringLiteral("IDFornitore")});
    const QVariant nullInt = Record::BindInt(std::nullopt);
    const QVariant nullReal = Record::BindReal(std::nullopt);
    for (int i = 1; i <= sizes.items; ++i) {
        const int u = uniform(rng, 0, 99);
        const QVariant unit = u < 10   ? nullInt
                              : u < 12 ? QVariant(kMissingUnit)
                                       : QVariant(uniform(rng, 1, kStarterUnits));
        const QVariant scortaMin =
            chance(rng, 0.5) ? nullReal : QVariant(double(uniform(rng, 1, 50)));
        const QVariant giacInit =
            chance(rng, 0.3) ? nullReal : QVariant(double(uniform(rng, 0, 100)));
        if (!items.add({i, QStringLiteral("ART%1").arg(i, 7, 10, QLatin1Char('0')),
                        QStringLiteral("Articolo di prova numero %1").arg(i), unit,
                        Record::BindCurrency(
                            CurrencyAmount::fromUnits(uniform(rng, 100, 999999) * 100), backend),
                        scortaMin, 0.22, Record::BindBit(chance(rng, 0.3), backend),
                        Record::BindBit(chance(rng, 0.05), backend), giacInit,
                        chance(rng, 0.15) ? 0 : uniform(rng, 1, kCategorie),
                        chance(rng, 0.3) ? 0 : uniform(rng, 1, kReparti),
                        chance(rng, 0.3) ? 0 : uniform(rng, 1, kScaffali),
                        chance(rng, 0.5) ? 0 : uniform(rng, 1, kGruppi), 0}))
            return fail(db, error);
    }
    if (!items.flush())
        return fail(db, error);
    counts->items = sizes.items;

    const int orderCount = sizes.orders >= 0 ? sizes.orders : sizes.items / 10;
    BatchInsert orders(db, QStringLiteral("Ordini"),
                       {QStringLiteral("IDOrdine"), QStringLiteral("Numero"),
                        QStringLiteral("Data"), QStringLiteral("IDCliFor"),
                        QStringLiteral("Evaso")});
    BatchInsert orderRows(db, QStringLiteral("SottoOrdini"),
                          {QStringLiteral("IDOrdine"), QStringLiteral("IDArticolo"),
                           QStringLiteral("IDUM"), QStringLiteral("Qt")});
    for (int i = 1; i <= orderCount; ++i) {
        // Most orders have been fulfilled; a few were saved before the flag existed.
        const int state = uniform(rng, 0, 99);
        const QVariant evaso = state < 5 ? Record::BindBit(std::nullopt, backend)
                                         : Record::BindBit(state >= 35, backend);
        if (!orders.add({i, QString::number(i), Record::BindDateTime(randomDate(rng)),
                         uniform(rng, 1, 50), evaso}))
            return fail(db, error);
        for (int r = uniform(rng, 1, 5); r > 0; --r)
            if (!orderRows.add({i, pickItem(rng, sizes.items), uniform(rng, 1, kStarterUnits),
                                double(quantity(rng))}))
                return fail(db, error);
    }
    if (!orders.flush() || !orderRows.flush())
        return fail(db, error);
    counts->orders = orderCount;

    if (!addMovements(db, sizes.items, 0, sizes.rows, std::max(1, sizes.rowsPerMovement), rng,
                      counts) ||
        !syncSequences(db) || !guard.commit() || !analyze(db))
        return fail(db, error);
    return true;
}

bool AddMovements(Database& db, qint64 totalRows, unsigned seed, Counts* counts, QString* error) {
    Rng rng(seed);
    TransactionGuard guard(db);
    if (!guard.isActive())
        return fail(db, error);
    const qint64 items =
        scalar(db, QStringLiteral("SELECT COALESCE(MAX(IDArticolo), 0) FROM Articoli"));
    const qint64 rows = scalar(db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti"));
    if (items <= 0 || rows < 0)
        return fail(db, error);
    counts->items = int(items);
    if (!addMovements(db, int(items), rows, totalRows, 10, rng, counts) || !syncSequences(db) ||
        !guard.commit() || !analyze(db))
        return fail(db, error);
    return true;
}

bool AddAgendaEntries(Database& db, int count, unsigned seed, QString* error) {
    Rng rng(seed);
    TransactionGuard guard(db);
    if (!guard.isActive())
        return fail(db, error);
    static const char* const subjects[] = {"Riunione", "Consegna", "Pagamento fornitore",
                                           "Telefonata", "Scadenza fattura", "Inventario"};
    const int days = 3652;
    const QDate first(2019, 1, 1);
    BatchInsert insert(db, QStringLiteral("Scadenze"),
                       {QStringLiteral("DataInit"), QStringLiteral("DataEnd"),
                        QStringLiteral("Oggetto"), QStringLiteral("Descrizione"),
                        QStringLiteral("Tipo")});
    for (int i = 0; i < count; ++i) {
        const QDate day = first.addDays(uniform(rng, 0, days - 1));
        const int kind = uniform(rng, 0, 99);
        QDateTime start;
        QDateTime end;
        if (kind < 90) {
            start = QDateTime(day, QTime(uniform(rng, 7, 19), 30 * uniform(rng, 0, 1)));
            end = start.addSecs(60 * 15 * uniform(rng, 1, 12));
        } else if (kind < 95) {
            start = QDateTime(day, QTime(23, 0));
            end = start.addSecs(60 * 30 * uniform(rng, 2, 6));
        } else if (kind < 99) {
            start = QDateTime(day, QTime(9, 0));
            end = QDateTime(day.addDays(uniform(rng, 1, 7)), QTime(18, 0));
        } else {
            start = QDateTime(day, QTime(0, 0));
            end = QDateTime(day, QTime(23, 59, 59));
        }
        const QString subject = QString::fromLatin1(subjects[uniform(rng, 0, 5)]);
        if (!insert.add({Record::BindDateTime(start), Record::BindDateTime(end), subject,
                         subject + QStringLiteral(" n. %1").arg(i + 1), uniform(rng, 0, 2)}))
            return fail(db, error);
    }
    if (!insert.flush() || !guard.commit() || !analyze(db))
        return fail(db, error);
    return true;
}

bool AddCounterparts(Database& db, int count, unsigned seed, QString* error) {
    static const char* const surnames[] = {
        "Rossi",   "Russo",   "Ferrari",   "Esposito", "Bianchi",    "Romano",  "Colombo",
        "Ricci",   "Marino",  "Greco",     "Bruno",    "Gallo",      "Conti",   "De Luca",
        "Mancini", "Costa",   "Giordano",  "Rizzo",    "Lombardi",   "Moretti", "Barbieri",
        "Fontana", "Santoro", "Mariani",   "Rinaldi",  "Caruso",     "Ferrara", "Galli",
        "Martini", "Leone",   "Longo",     "Gentile",  "Martinelli", "Vitale",  "Lombardo",
        "Serra",   "Coppola", "De Santis", "D'Angelo", "Marchetti"};
    static const char* const names[] = {"Marco",  "Giulia", "Luca",    "Francesca", "Andrea",
                                        "Chiara", "Paolo",  "Sara",    "Giovanni",  "Elena",
                                        "Matteo", "Anna",   "Stefano", "Laura",     "Davide"};
    static const char* const companies[] = {
        "S.r.l.", "S.p.A.", "S.n.c.", "& C. S.a.s.", "Forniture", "Distribuzione", "Import Export"};
    static const char* const streets[] = {"Via Roma",     "Via Garibaldi", "Corso Italia",
                                          "Via Mazzini",  "Piazza Duomo",  "Via Verdi",
                                          "Viale Europa", "Via Dante",     "Via Cavour"};
    static const char* const towns[] = {
        "20121 Milano (MI)",  "00184 Roma (RM)",    "10121 Torino (TO)", "80133 Napoli (NA)",
        "40121 Bologna (BO)", "50123 Firenze (FI)", "16121 Genova (GE)", "30121 Venezia (VE)"};
    auto pick = [](Rng& rng, const auto& list) {
        return QString::fromUtf8(list[uniform(rng, 0, int(std::size(list)) - 1)]);
    };
    Rng rng(seed);
    const Database::Backend backend = db.backend();
    TransactionGuard guard(db);
    if (!guard.isActive())
        return fail(db, error);
    BatchInsert insert(
        db, QStringLiteral("CliFor"),
        {QStringLiteral("RagSoc"), QStringLiteral("Indirizzo"), QStringLiteral("Comune"),
         QStringLiteral("Telefono"), QStringLiteral("Cellulare"), QStringLiteral("EMail"),
         QStringLiteral("CodFisc"), QStringLiteral("PartIva"), QStringLiteral("CliFor"),
         QStringLiteral("Operaio"), QStringLiteral("Codice")});
    const QVariant none = Record::BindText(QString(), 10);
    auto maybe = [&](double p, const QString& text) {
        return chance(rng, p) ? QVariant(text) : none;
    };
    for (int i = 1; i <= count; ++i) {
        const int k = uniform(rng, 0, 99);
        const bool customer = k < 60, worker = k >= 95;
        const QString surname = pick(rng, surnames);
        const bool company = !worker && chance(rng, 0.4);
        const QString name = company ? surname + QLatin1Char(' ') + pick(rng, companies)
                                     : surname + QLatin1Char(' ') + pick(rng, names);
        const QString phone =
            QStringLiteral("0%1 %2").arg(uniform(rng, 2, 99)).arg(uniform(rng, 100000, 9999999));
        const QString mobile =
            QStringLiteral("3%1 %2").arg(uniform(rng, 20, 99)).arg(uniform(rng, 1000000, 9999999));
        const QString mail = QStringLiteral("%1.%2@esempio.it")
                                 .arg(surname.toLower().remove(QLatin1Char(' ')))
                                 .arg(i);
        const QString taxCode = QStringLiteral("%1%2%3")
                                    .arg(surname.left(3).toUpper())
                                    .arg(uniform(rng, 10, 99))
                                    .arg(uniform(rng, 1000000, 9999999))
                                    .left(16);
        const QString vat =
            QStringLiteral("IT%1").arg(uniform(rng, 10000000, 99999999), 11, 10, QLatin1Char('0'));
        if (!insert.add(
                {name,
                 maybe(0.9, pick(rng, streets) + QStringLiteral(", %1").arg(uniform(rng, 1, 200))),
                 maybe(0.9, pick(rng, towns)), maybe(0.8, phone), maybe(0.5, mobile),
                 maybe(0.6, mail), maybe(company ? 0.2 : 0.8, taxCode),
                 maybe(company ? 0.95 : 0.1, vat), Record::BindBit(customer, backend),
                 Record::BindBit(worker, backend),
                 QStringLiteral("%1%2")
                     .arg(QLatin1Char(customer ? 'C'
                                      : worker ? 'O'
                                               : 'F'))
                     .arg(i, 6, 10, QLatin1Char('0'))}))
            return fail(db, error);
    }
    if (!insert.flush() || !guard.commit() || !analyze(db))
        return fail(db, error);
    return true;
}

QString CreateArchive(const QString& target, const QString& catalog, QString* error) {
    if (target.contains(QLatin1String("QPSQL"))) {
        if (!ArchiveCreator::CreatePostgresCatalog(target, catalog, error))
            return QString();
        return ConnectionString::ForPostgres(
            ConnectionString::Value(target, QStringLiteral("Data Source")), catalog,
            ConnectionString::Value(target, QStringLiteral("User ID")),
            ConnectionString::Value(target, QStringLiteral("Password")));
    }
    if (!ArchiveCreator::CreateSqliteFile(target, error))
        return QString();
    return ConnectionString::ForSqlite(target);
}

void DropArchive(const QString& target, const QString& catalog) {
    if (target.contains(QLatin1String("QPSQL"))) {
        QString ignored;
        ArchiveCreator::DropPostgresCatalog(target, catalog, &ignored);
        return;
    }
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(target + QLatin1String(suffix));
}

} // namespace BenchData
