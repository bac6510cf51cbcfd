#include "exchange/ItemImport.h"
#include <QCoreApplication>

#include "company/Formats.h"
#include "exchange/CsvText.h"
#include "items/Classifications.h"
#include "items/ItemStore.h"
#include "items/StockCounters.h"
#include "items/UnitsOfMeasure.h"
#include "items/UpdateAllArtInfo.h"
#include "store/Database.h"
#include "store/Savepoint.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"
#include "store/TransactionGuard.h"
#include "store/records/ItemEditRecord.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <vector>

namespace {

const char* const kTargetNames[ItemImport::TargetCount] = {
    QT_TRANSLATE_NOOP("ItemImport", "<Nessuno>"),
    QT_TRANSLATE_NOOP("ItemImport", "Matricola"),
    QT_TRANSLATE_NOOP("ItemImport", "Descrizione"),
    QT_TRANSLATE_NOOP("ItemImport", "Codice a barre"),
    QT_TRANSLATE_NOOP("ItemImport", "Prezzo"),
    QT_TRANSLATE_NOOP("ItemImport", "I.V.A."),
    QT_TRANSLATE_NOOP("ItemImport", "Ricarico"),
    QT_TRANSLATE_NOOP("ItemImport", "Categoria"),
    QT_TRANSLATE_NOOP("ItemImport", "Reparto"),
    QT_TRANSLATE_NOOP("ItemImport", "Scaffale"),
    QT_TRANSLATE_NOOP("ItemImport", "Un.di Misura"),
    QT_TRANSLATE_NOOP("ItemImport", "Qt.Minima"),
    QT_TRANSLATE_NOOP("ItemImport", "Giacenza Iniz."),
    QT_TRANSLATE_NOOP("ItemImport", "Codice Forn."),
    QT_TRANSLATE_NOOP("ItemImport", "Gruppo")};

constexpr int kDescriptionWidth = 100;
constexpr int kBatch = 500;
// How many characters between two progress calls.
constexpr qsizetype kProgressStep = 64 * 1024;

// The lookup tables a line names rows of, by name: the four classifications and the units.
enum Lookup { LookCategoria, LookReparto, LookScaffale, LookGruppo, LookUnMis, LookCount };

Classifications::Table TableOf(int lookup) {
    switch (lookup) {
    case LookReparto:
        return Classifications::Table::Reparti;
    case LookScaffale:
        return Classifications::Table::Scaffali;
    case LookGruppo:
        return Classifications::Table::Gruppi;
    default:
        return Classifications::Table::Categorie;
    }
}

// The lookup a classification column names rows of.
int LookupOf(int target) {
    switch (target) {
    case ItemImport::Reparto:
        return LookReparto;
    case ItemImport::Scaffale:
        return LookScaffale;
    case ItemImport::Gruppo:
        return LookGruppo;
    default:
        return LookCategoria;
    }
}

// One line made into an item, before its lookup names have keys.
struct Parsed {
    int line = 0;
    ItemEditRecord record;
    QString names[LookCount];
};

// Keys of the lookup rows by name, found or created once per import. The rows created since a
// mark can be forgotten again when the writes after the mark are undone.
class Lookups {
public:
    explicit Lookups(Database& db) : m_db(db) {}

    // 0 for an empty name, -1 when the row could neither be found nor created.
    int key(int lookup, const QString& name) {
        if (name.isEmpty())
            return 0;
        const QString folded = name.toCaseFolded();
        const auto found = m_cache[lookup].constFind(folded);
        if (found != m_cache[lookup].constEnd())
            return *found;
        int key = -1;
        if (lookup == LookUnMis) {
            const auto same = TextOrder::KeysIgnoringCase(
                m_db, QStringLiteral("UnMis"), QStringLiteral("IDUM"), QStringLiteral("Sigla"),
                name, UnitsOfMeasure::kSiglaWidth);
            if (!same)
                return -1;
            for (int k : *same)
                if (k > 0) {
                    key = k;
                    break;
                }
            if (key < 0) {
                UnitsOfMeasure::Unit unit{0, name, QString()};
                if (UnitsOfMeasure::Insert(m_db, unit) != UnitsOfMeasure::Result::Ok)
                    return -1;
                key = unit.id;
            }
        } else {
            key = Classifications::CreateByName(m_db, TableOf(lookup), name);
            if (key <= 0)
                return -1;
        }
        m_cache[lookup].insert(folded, key);
        m_created.append({lookup, folded});
        return key;
    }

    void mark() { m_mark = m_created.size(); }
    void forgetSinceMark() {
        for (qsizetype i = m_mark; i < m_created.size(); ++i)
            m_cache[m_created[i].first].remove(m_created[i].second);
        m_created.resize(m_mark);
    }

private:
    Database& m_db;
    QHash<QString, int> m_cache[LookCount];
    QList<QPair<int, QString>> m_created;
    qsizetype m_mark = 0;
};

// A rate as typed: 22 or "22 %" is a percentage, 0,22 a fraction.
std::optional<float> Rate(const Profile& profile, const QString& decimal, const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    double value = ParseNumber(profile, text, false, false, decimal);
    if (text.contains(u'%') || value >= 1.0)
        value /= 100.0;
    if (!(value > 0.0))
        return std::nullopt;
    return float(value);
}

std::optional<float> Positive(const Profile& profile, const QString& decimal, const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    const double value = ParseNumber(profile, text, false, false, decimal);
    if (!(value > 0.0) || value > 3.0e38)
        return std::nullopt;
    return float(value);
}

// A value cut to width; *cut tells that something was cut.
QString Cut(const QString& text, int width, bool* cut) {
    const QString kept = Record::CutText(text, width);
    if (kept.size() != text.size())
        *cut = true;
    return kept;
}

bool AllEmpty(const QStringList& fields) {
    for (const QString& f : fields)
        if (!f.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

QStringList ItemImport::TargetNames() {
    QStringList names;
    for (const char* name : kTargetNames)
        names << QString::fromUtf8(name);
    return names;
}

int ItemImport::TargetFromName(const QString& name) {
    const QString wanted = name.trimmed();
    bool number = false;
    const int index = wanted.toInt(&number);
    if (number)
        return index >= 0 && index < TargetCount ? index : -1;
    const QStringList names = TargetNames();
    for (int i = 0; i < names.size(); ++i)
        if (wanted.compare(names[i], Qt::CaseInsensitive) == 0)
            return i;
    // The headings of the export, which name some fields otherwise.
    static const QList<QPair<QString, int>> headings = {
        {QStringLiteral("Codice Fornitore"), CodiceForn},
        {QStringLiteral("Un.Mis."), UnMis},
        {QStringLiteral("Qt.Min."), QtMinima},
        {QStringLiteral("Nessuno"), None}};
    for (const auto& [heading, target] : headings)
        if (wanted.compare(heading, Qt::CaseInsensitive) == 0)
            return target;
    return -1;
}

QChar ItemImport::SeparatorOf(int index) {
    return index == 1 ? u',' : index == 2 ? u'.' : u';';
}

QChar ItemImport::DelimiterOf(int index) {
    return index == 1 ? QChar(u'"') : index == 2 ? QChar(u'\'') : QChar();
}

ItemImport::MappingProblem ItemImport::Check(const Mapping& mapping) {
    bool seen[TargetCount] = {};
    for (int target : mapping.targets) {
        if (target <= None || target >= TargetCount)
            continue;
        if (seen[target])
            return MappingProblem::Duplicate;
        seen[target] = true;
    }
    if (!seen[Matricola])
        return MappingProblem::NoCode;
    if (!seen[Descrizione])
        return MappingProblem::NoDescription;
    if (!seen[UnMis])
        return MappingProblem::NoUnit;
    return MappingProblem::None;
}

QString ItemImport::ProblemMessage(MappingProblem problem) {
    switch (problem) {
    case MappingProblem::Duplicate:
        return QCoreApplication::translate("ItemImport", "Non ci possono essere due campi uguali!");
    case MappingProblem::NoCode:
        return QCoreApplication::translate("ItemImport",
                                           "Il campo matricola deve essere inserito!");
    case MappingProblem::NoDescription:
        return QCoreApplication::translate("ItemImport",
                                           "Il campo descrizione deve essere inserito!");
    case MappingProblem::NoUnit:
        return QCoreApplication::translate("ItemImport",
                                           "Il campo unità di misura deve essere inserito!");
    case MappingProblem::None:
        break;
    }
    return QString();
}

QStringList ItemImport::FirstLineFields(const QString& file, QChar separator, QChar delimiter) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.read(4 * 1024 * 1024);
    if (CsvText::LooksBinary(bytes))
        return {};
    CsvText::Reader reader(CsvText::Decode(bytes), separator, delimiter);
    CsvText::Record record;
    if (!reader.next(&record))
        return {};
    for (QString& field : record.fields) {
        field.remove(QChar(0));
        field = field.trimmed();
    }
    return record.fields;
}

ItemImport::ItemImport(Database& db, Profile& profile) : m_db(db), m_profile(profile) {}

ItemImport::Result ItemImport::run(const QString& file, const Mapping& mapping) {
    Result result;
    const auto unreadable = [&](const QString& why) {
        result.status = Result::Status::Unreadable;
        result.error = why;
        return result;
    };
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return unreadable(f.errorString());
    const QByteArray bytes = f.readAll();
    f.close();
    if (CsvText::LooksBinary(bytes))
        return unreadable(QCoreApplication::translate("ItemImport", "il file non contiene testo"));
    CsvText::Reader reader(CsvText::Decode(bytes), mapping.separator, mapping.delimiter);
    CsvText::Record line;
    if (!reader.next(&line) || (mapping.heading && !reader.next(&line)))
        return unreadable(
            QCoreApplication::translate("ItemImport", "il file non ha righe da importare"));

    // The conventions are read once: looking them up for every value costs more than the rest.
    const QString amountDecimal = CurrencyDecimalSymbol(m_profile);
    const QString numberDecimal = NumberDecimalSymbol(m_profile);
    // A large import outgrows SQLite's page cache, which then spills pages into the log in the
    // middle of the transaction; a larger cache for its duration keeps the writes for the commit.
    struct LargerCache {
        Database& db;
        QVariant before;
        explicit LargerCache(Database& d) : db(d) {
            QSqlQuery q;
            if (db.backend() != Database::Backend::SQLite ||
                !db.query(q, QStringLiteral("PRAGMA cache_size")) || !q.next())
                return;
            before = q.value(0);
            q.finish();
            db.execute(QStringLiteral("PRAGMA cache_size = -65536"));
        }
        ~LargerCache() {
            if (before.isValid())
                db.execute(QStringLiteral("PRAGMA cache_size = %1").arg(before.toLongLong()));
        }
    } largerCache(m_db);
    TransactionGuard transaction(m_db);
    if (!transaction.isActive()) {
        result.error = m_db.errorText();
        return result;
    }

    // Codes already there, compared as the item dialog does, without regard to case.
    QSet<QString> codes;
    {
        QSqlQuery q;
        if (!m_db.query(q, QStringLiteral("SELECT Matricola FROM Articoli WHERE IDArticolo > ?"),
                        {0})) {
            result.error = m_db.errorText();
            return result;
        }
        while (q.next())
            codes.insert(q.value(0).toString().toCaseFolded());
        if (q.lastError().isValid()) {
            result.error = q.lastError().text();
            return result;
        }
    }

    Lookups lookups(m_db);
    TableRecordSet<ItemEditRecord> items(m_db);
    const auto reject = [&](int lineNumber, const QString& reason) {
        result.rejected.append({lineNumber, reason});
    };
    // Writes one item with its lookup rows; false on a failed statement (a refused unit is a
    // failure too: its row could not be created).
    const auto store = [&](Parsed& p) {
        const int unit = lookups.key(LookUnMis, p.names[LookUnMis]);
        if (unit <= 0)
            return false;
        p.record.IDUM = unit;
        std::optional<qint32>* columns[4] = {&p.record.IDCategoria, &p.record.IDReparto,
                                             &p.record.IDScaffale, &p.record.IDGruppo};
        for (int l = LookCategoria; l <= LookGruppo; ++l) {
            const int key = lookups.key(l, p.names[l]);
            if (key < 0)
                return false;
            *columns[l] = key > 0 ? std::optional<qint32>(key) : std::nullopt;
        }
        p.record.IDArticolo = 0;
        if (!items.insert(p.record))
            return false;
        result.keys.append(p.record.IDArticolo);
        return true;
    };
    std::vector<Parsed> batch;
    batch.reserve(kBatch);
    // A batch is written under one savepoint; when a statement fails (on PostgreSQL that
    // spoils everything after it), the batch is undone and written again line by line, so
    // only the failing line is lost.
    const auto flush = [&] {
        if (batch.empty())
            return;
        const qsizetype keysBefore = result.keys.size();
        bool whole = true;
        {
            Savepoint point(m_db);
            lookups.mark();
            for (Parsed& p : batch)
                if (!store(p)) {
                    whole = false;
                    break;
                }
            if (whole && point.isActive() && point.release()) {
                batch.clear();
                return;
            }
            whole = false;
            point.rollback();
            lookups.forgetSinceMark();
            result.keys.resize(keysBefore);
        }
        for (Parsed& p : batch) {
            Savepoint point(m_db);
            lookups.mark();
            const qsizetype before = result.keys.size();
            if (point.isActive() && store(p) && point.release())
                continue;
            const QString why = m_db.errorText();
            point.rollback();
            lookups.forgetSinceMark();
            result.keys.resize(before);
            reject(p.line,
                   p.names[LookUnMis].isEmpty() || why.isEmpty()
                       ? QCoreApplication::translate("ItemImport", "scrittura non riuscita")
                       : QCoreApplication::translate("ItemImport", "scrittura non riuscita: %1")
                             .arg(why));
        }
        batch.clear();
    };

    qsizetype nextProgress = 0;
    bool more = true;
    while (more) {
        if (progress && reader.position() >= nextProgress) {
            nextProgress = reader.position() + kProgressStep;
            if (!progress(reader.position(), reader.size())) {
                transaction.rollback();
                result.status = Result::Status::Cancelled;
                result.keys.clear();
                return result;
            }
        }
        const int lineNumber = line.line;
        const QStringList fields = line.fields;
        more = reader.next(&line);
        // A line with nothing in it (a spreadsheet's trailing ";;;") is no item and no error.
        if (AllEmpty(fields))
            continue;

        Parsed p;
        p.line = lineNumber;
        p.record.IncIva = false;
        p.record.Imei = false;
        bool cut = false;
        const int columns = qMin<int>(kColumns, fields.size());
        for (int i = 0; i < columns; ++i) {
            const int target = mapping.targets[i];
            if (target <= None || target >= TargetCount)
                continue;
            QString value = fields[i];
            value.remove(QChar(0));
            value = value.trimmed();
            switch (target) {
            case Matricola:
                p.record.Matricola = Cut(value, ItemStore::kCodeWidth, &cut);
                break;
            case Descrizione:
                p.record.Descrizione = Cut(value, kDescriptionWidth, &cut);
                break;
            case CodiceBarre:
                p.record.CodBarre =
                    value.isEmpty() ? QString() : Cut(value, ItemStore::kBarcodeWidth, &cut);
                break;
            case Prezzo:
                p.record.Prezzo = ParseCurrency(m_profile, value, amountDecimal);
                break;
            case Iva:
                p.record.Iva = Rate(m_profile, numberDecimal, value);
                break;
            case Ricarico:
                p.record.Ricarico = Rate(m_profile, numberDecimal, value);
                break;
            case Categoria:
            case Reparto:
            case Scaffale:
            case Gruppo: {
                const int lookup = LookupOf(target);
                p.names[lookup] = Cut(value, Classifications::NameWidth(TableOf(lookup)), &cut);
                break;
            }
            case UnMis:
                p.names[LookUnMis] = Cut(value, UnitsOfMeasure::kSiglaWidth, &cut);
                break;
            case QtMinima:
                p.record.ScortaMin = Positive(m_profile, numberDecimal, value);
                break;
            case GiacenzaIniz:
                p.record.GiacInit = Positive(m_profile, numberDecimal, value);
                break;
            case CodiceForn:
                p.record.CodForn =
                    value.isEmpty() ? QString() : Cut(value, ItemStore::kCodeWidth, &cut);
                break;
            default:
                break;
            }
        }
        if (p.record.Matricola.isEmpty()) {
            reject(lineNumber, QCoreApplication::translate("ItemImport", "matricola mancante"));
            continue;
        }
        if (p.record.Descrizione.isEmpty()) {
            reject(lineNumber, QCoreApplication::translate("ItemImport", "descrizione mancante"));
            continue;
        }
        if (p.names[LookUnMis].isEmpty()) {
            reject(lineNumber,
                   QCoreApplication::translate("ItemImport", "unità di misura mancante"));
            continue;
        }
        if (!Record::AmountFits(p.record.Prezzo)) {
            reject(lineNumber, QCoreApplication::translate("ItemImport", "prezzo troppo grande"));
            continue;
        }
        const QString folded = p.record.Matricola.toCaseFolded();
        if (codes.contains(folded)) {
            reject(lineNumber, QCoreApplication::translate("ItemImport", "matricola già presente"));
            continue;
        }
        codes.insert(folded);
        if (cut)
            ++result.truncatedLines;
        batch.push_back(std::move(p));
        if (int(batch.size()) >= kBatch)
            flush();
    }
    flush();
    if (progress)
        progress(reader.size(), reader.size());

    result.imported = int(result.keys.size());
    if (!result.rejected.isEmpty() && !(acceptErrors && acceptErrors(result))) {
        transaction.rollback();
        result.status = Result::Status::Declined;
        result.keys.clear();
        return result;
    }
    // The counters (stock from the initial stock, the unit's abbreviation) in the import's own
    // transaction: a program stopped at any point leaves no imported item without them.
    bool counted = true;
    if (!result.keys.isEmpty())
        counted = result.keys.size() >= bulkRecomputeFrom
                      ? UpdateAllArtInfo(m_db, &m_profile) >= 0
                      : UpdateArtInfoList(m_db, &m_profile, result.keys);
    if (!counted || !transaction.commit()) {
        result.error = m_db.errorText();
        transaction.rollback();
        result.status = Result::Status::Failed;
        result.keys.clear();
        return result;
    }
    result.status = Result::Status::Imported;
    return result;
}

QString ItemImport::UnreadableMessage() {
    return QCoreApplication::translate("ItemImport", "Impossibile importare i dati!");
}

QString ItemImport::ErrorsQuestion() {
    return QCoreApplication::translate(
        "ItemImport", "Ci sono stati degli errori ed alcuni prodotti non sono stati importati, "
                      "salvare comunque l'importazione?");
}

QString ItemImport::TruncatedMessage() {
    return QCoreApplication::translate("ItemImport",
                                       "Alcuni valori erano troppo lunghi e sono stati troncati!");
}

QString ItemImport::ImportedMessage(int count) {
    return QCoreApplication::translate("ItemImport",
                                       "Sono stati importati con successo %1 prodotti!")
        .arg(count);
}

QString ItemImport::XmlMessage() {
    return QCoreApplication::translate("ItemImport", "Non ancora implementato!");
}

QString ItemImport::RejectedSummary(const Result& result, int shown) {
    if (result.rejected.isEmpty())
        return QString();
    QStringList parts;
    for (int i = 0; i < result.rejected.size() && i < shown; ++i)
        parts << QCoreApplication::translate("ItemImport", "riga %1 (%2)")
                     .arg(result.rejected[i].line)
                     .arg(result.rejected[i].reason);
    if (result.rejected.size() > shown)
        parts << QStringLiteral("...");
    return QCoreApplication::translate("ItemImport", "Righe scartate: %1: %2")
        .arg(result.rejected.size())
        .arg(parts.join(QStringLiteral(", ")));
}
