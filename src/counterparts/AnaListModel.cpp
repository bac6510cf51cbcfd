#include "counterparts/AnaListModel.h"

#include "common/Profile.h"
#include "store/LikePattern.h"
#include "store/SqliteKeys.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"

#include <QSqlQuery>
#include <algorithm>

namespace {

using S = Profile::Section;

const char* const kColumns[] = {"RagSoc",    "Indirizzo", "Comune",  "Telefono",
                                "Cellulare", "EMail",     "CodFisc", "PartIva"};
const char* const kHeadings[] = {QT_TRANSLATE_NOOP("AnaListModel", "Ragione Sociale"),
                                 QT_TRANSLATE_NOOP("AnaListModel", "Indirizzo"),
                                 QT_TRANSLATE_NOOP("AnaListModel", "Comune"),
                                 QT_TRANSLATE_NOOP("AnaListModel", "Telefono"),
                                 QT_TRANSLATE_NOOP("AnaListModel", "Cellulare"),
                                 QT_TRANSLATE_NOOP("AnaListModel", "E-Mail"),
                                 QT_TRANSLATE_NOOP("AnaListModel", "Codice Fiscale"),
                                 QT_TRANSLATE_NOOP("AnaListModel", "Partita IVA")};
const int kDefaultWidths[] = {150, 200, 100, 100, 100, 100, 100, 100};
const int kWidths[] = {100, 100, 100, 20, 20, 50, 16, 30};

const QString kFilterKey = QStringLiteral("FilterAna");

// Whether folding ASCII letters only finds the same records as folding every letter: the
// only other letters whose small letter is ASCII are İ (i) and the Kelvin sign (k), so a text
// of ASCII characters without i or k cannot tell the two apart.
bool AsciiFoldingSuffices(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80 || c.toLower() == u'i' || c.toLower() == u'k')
            return false;
    return true;
}

} // namespace

AnaListModel::AnaListModel(Database& db, Profile& profile, QObject* parent)
    : KeyedListModel(db, parent), m_profile(profile) {
    m_filter = NormalizedFilter(m_profile.integer(S::Settings, kFilterKey, All));
}

int AnaListModel::NormalizedFilter(int stored) {
    return stored >= Customers && stored <= All ? stored : All;
}

QString AnaListModel::KeySql(Database::Backend backend, int filter) {
    // A kind flag left NULL counts as false, as the row's icon reads it. Names in alphabetical
    // order without regard to case, as the name index holds them, the same on both back ends
    // whatever the catalog's collation; ties keep one order on every refresh.
    const bool pg = backend == Database::Backend::PostgreSQL;
    QString sql = QStringLiteral("SELECT IDCliFor FROM CliFor WHERE IDCliFor > ?");
    const QString t = pg ? QStringLiteral("TRUE") : QStringLiteral("1");
    const QString f = pg ? QStringLiteral("FALSE") : QStringLiteral("0");
    auto kind = [&](bool customer, bool worker) {
        return QStringLiteral(" AND COALESCE(CliFor, %1) = %2 AND COALESCE(Operaio, %1) = %3")
            .arg(f, customer ? t : f, worker ? t : f);
    };
    switch (NormalizedFilter(filter)) {
    case Customers:
        sql += kind(true, false);
        break;
    case Suppliers:
        sql += kind(false, false);
        break;
    case Workers:
        sql += kind(false, true);
        break;
    default:
        break;
    }
    sql += QStringLiteral(" ORDER BY ") + TextOrder::Term(backend, QStringLiteral("RagSoc")) +
           (pg ? QStringLiteral(" NULLS FIRST, IDCliFor") : QStringLiteral(", IDCliFor"));
    return sql;
}

QString AnaListModel::Heading(int column) {
    return column >= 0 && column < ColumnCount ? tr(kHeadings[column]) : QString();
}

QString AnaListModel::WidthKey(int column) {
    return QStringLiteral("ColAna%1").arg(column + 1);
}

int AnaListModel::DefaultWidth(int column) {
    return column >= 0 && column < ColumnCount ? kDefaultWidths[column] : 100;
}

void AnaListModel::setFilter(int filter) {
    m_filter = NormalizedFilter(filter);
    m_profile.setValue(S::Settings, kFilterKey, m_filter);
}

// --- Refresh ------------------------------------------------------------------------------------

bool AnaListModel::refresh() {
    beginResetModel();
    m_rows.clear();
    m_sort = 1;
    m_profile.logStep(QStringLiteral("AnagraficheView:FillData"), QStringLiteral("Query"));
    const bool ok = readKeys(KeySql(m_db.backend(), m_filter), {0});
    m_profile.deleteLog(QStringLiteral("AnagraficheView:FillData"));
    endResetModel();
    return ok;
}

// --- Rows ---------------------------------------------------------------------------------------

int AnaListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

std::vector<AnaListModel::Row> AnaListModel::fetchBlock(int block) const {
    const std::vector<int> keys = blockKeys(block);
    std::vector<Row> rows(keys.size());
    if (!keys.empty()) {
        QVariantList values;
        const QString marks = Placeholders(keys, &values);
        QHash<int, Row> byKey;
        QSqlQuery q;
        if (m_db.query(q,
                       QStringLiteral("SELECT IDCliFor, RagSoc, Indirizzo, Comune, Telefono, "
                                      "Cellulare, EMail, CodFisc, PartIva, CliFor, Operaio "
                                      "FROM CliFor WHERE IDCliFor IN (%1)")
                           .arg(marks),
                       values))
            while (q.next()) {
                Row r;
                for (int c = 0; c < ColumnCount; ++c)
                    r.text[c] = Record::ReadText(q.value(c + 1), kWidths[c]);
                r.kind = Record::ReadBit(q.value(10)).value_or(false)  ? Kind::Worker
                         : Record::ReadBit(q.value(9)).value_or(false) ? Kind::Customer
                                                                       : Kind::Supplier;
                byKey.insert(q.value(0).toInt(), r);
            }
        for (size_t i = 0; i < keys.size(); ++i)
            rows[i] = byKey.value(keys[i]);
    }
    return rows;
}

const AnaListModel::Row* AnaListModel::row(int r) const {
    return hasRow(r) ? m_rows.row(r, [this](int block) { return fetchBlock(block); }) : nullptr;
}

QString AnaListModel::text(int r, int column) const {
    const Row* data = row(r);
    return data && column >= 0 && column < ColumnCount ? data->text[column] : QString();
}

AnaListModel::Kind AnaListModel::kindAt(int r) const {
    const Row* data = row(r);
    return data ? data->kind : Kind::Supplier;
}

QVariant AnaListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(m_keys.size()) || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return text(index.row(), index.column());
    case Qt::DecorationRole:
        if (index.column() == 0)
            return m_icons[int(kindAt(index.row()))];
        return {};
    case Qt::BackgroundRole:
        return sortTint(index);
    case KeyRole:
        return keyAt(index.row());
    case KindRole:
        return int(kindAt(index.row()));
    default:
        return {};
    }
}

void AnaListModel::languageChanged() {
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

QVariant AnaListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return Heading(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

// --- Sort ---------------------------------------------------------------------------------------

bool AnaListModel::readColumn(int column, QHash<int, QString>* texts) const {
    // The whole table, not the filter's part: a record added since the refresh may be of
    // another kind.
    QSqlQuery q;
    if (!m_db.query(q,
                    QStringLiteral("SELECT IDCliFor, %1 FROM CliFor WHERE IDCliFor > ?")
                        .arg(QLatin1String(kColumns[column])),
                    {0}))
        return false;
    texts->reserve(qsizetype(m_keys.size()));
    while (q.next())
        texts->insert(q.value(0).toInt(), Record::ReadText(q.value(1), kWidths[column]));
    return true;
}

bool AnaListModel::sortBy(int column) {
    if (column < 0 || column >= ColumnCount)
        return false;
    const int wanted = qAbs(m_sort) == column + 1 ? -m_sort : column + 1;
    QHash<int, QString> texts;
    if (!readColumn(column, &texts))
        return false;
    // In the refresh's order: alphabetical, without regard to case.
    QList<QString> shown;
    shown.reserve(qsizetype(m_keys.size()));
    for (qint32 key : m_keys)
        shown.append(texts.value(key));
    texts.clear();
    const std::vector<qsizetype> order = TextOrder::Sorted(shown, wanted > 0);
    shown.clear();
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Persistent indexes (selection, current row) follow their records.
    const QModelIndexList before = persistentIndexList();
    std::vector<qint32> beforeKeys;
    for (const QModelIndex& i : before)
        beforeKeys.push_back(keyAt(i.row()));
    const std::vector<qint32> keys = m_keys;
    QHash<qint32, int> newRow;
    newRow.reserve(qsizetype(order.size()));
    for (size_t i = 0; i < order.size(); ++i) {
        m_keys[i] = keys[size_t(order[i])];
        newRow.insert(m_keys[i], int(i));
    }
    m_sort = wanted;
    m_rows.clear();
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k)
        after << index(newRow.value(beforeKeys[size_t(k)], -1), before.at(k).column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return true;
}

// --- Patches ------------------------------------------------------------------------------------

void AnaListModel::recordChanged(int key) {
    rowChanged(rowOfKey(key));
}

// --- Find ---------------------------------------------------------------------------------------

int AnaListModel::findRow(int from, const QString& name, const QString& taxCode,
                          bool* failed) const {
    if (failed)
        *failed = false;
    if (from >= int(m_keys.size()))
        return -1;
    // The database finds the records whose text contains the wanted one, without regard to
    // case; the list's own order then picks the first of them from `from`. A text that matches
    // nothing costs one scan of the column and no walk of the list.
    for (const auto& [column, wanted] : {std::pair{QStringLiteral("RagSoc"), name},
                                         std::pair{QStringLiteral("CodFisc"), taxCode}}) {
        if (wanted.isEmpty())
            continue;
        // PostgreSQL: what its ILIKE does in a UTF-8 catalog, less its lowering of the pattern
        // again for every row; a text of ASCII characters without i or k is compared through
        // the C collation's ASCII folding, twice as fast and with the same result.
        const QString condition =
            !m_db.isPostgres() ? column + LikeOperator(m_db)
            : AsciiFoldingSuffices(wanted)
                ? QStringLiteral("%1 COLLATE \"C\" ILIKE ? ESCAPE '!'").arg(column)
                : QStringLiteral("lower(%1) LIKE lower(?) ESCAPE '!'").arg(column);
        std::vector<qint32> keys;
        if (!SqliteKeys::ReadAny(m_db,
                                 QStringLiteral("SELECT IDCliFor FROM CliFor WHERE IDCliFor > ? "
                                                "AND ") +
                                     condition,
                                 {0, LikeContains(wanted)}, &keys)) {
            if (failed)
                *failed = true;
            continue;
        }
        const int row = firstListedRow(from, std::move(keys));
        if (row >= 0)
            return row;
    }
    return -1;
}

void AnaListModel::setIcons(const QIcon& customer, const QIcon& supplier, const QIcon& worker) {
    m_icons[int(Kind::Customer)] = customer;
    m_icons[int(Kind::Supplier)] = supplier;
    m_icons[int(Kind::Worker)] = worker;
}
