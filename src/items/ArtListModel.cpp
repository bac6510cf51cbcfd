#include "items/ArtListModel.h"

#include "company/Formats.h"
#include "items/ArtRowIcon.h"
#include "items/StockCounters.h"
#include "shell/Profile.h"
#include "store/Database.h"
#include "store/SqliteKeys.h"
#include "store/TableRecord.h"

#include <QSqlQuery>
#include <algorithm>

namespace {

using S = Profile::Section;

// Sort columns by |LastArtSort| - 1: the seven list columns, then Riordino and Ordinato. The
// category column sorts by key.
const char* const kSortColumns[] = {"Matricola", "Descrizione", "IDCategoria",
                                    "Carichi",   "Scarichi",    "Resi",
                                    "Giacenza",  "Riordino",    "Ordinato"};
constexpr int kSortColumnCount = int(std::size(kSortColumns));

const char* const kHeadings[] = {"Matricola", "Descrizione", "Categoria", "Carichi",
                                 "Scarichi",  "Resi",        "Giacenza"};
const char* const kWidthKeys[] = {"ColArt1", "ColArt2", "ColArt8", "ColArt3",
                                  "ColArt4", "ColArt5", "ColArt6"};
const int kDefaultWidths[] = {150, 200, 100, 100, 100, 100, 100};

const QString kRowColumns = QStringLiteral(
    "IDArticolo, Matricola, Descrizione, IDCategoria, UnMis, Carichi, Scarichi, Resi, Giacenza, "
    "Riordino, Ordinato, Imei");

int SortIndex(const QString& name) {
    for (int i = 0; i < kSortColumnCount; ++i)
        if (name.compare(QLatin1String(kSortColumns[i]), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// A stored clause ("Descrizione DESC") as a sort column and direction; -1 when it is not one
// the list makes (the profile is a file anyone can edit, and this text ends up in SQL).
int ParseClause(const QString& clause, bool* descending) {
    const QStringList words = clause.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty() || words.size() > 2)
        return -1;
    *descending =
        words.size() == 2 && words.at(1).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
    if (words.size() == 2 && !*descending &&
        words.at(1).compare(QLatin1String("ASC"), Qt::CaseInsensitive) != 0)
        return -1;
    return SortIndex(words.at(0));
}

// SQLite puts NULLs first in ascending order; PostgreSQL is told to do the same for the numeric
// columns, so both back ends list a never-recomputed item in the same place. Code and
// description are required, and left plain there so that their indexes give the order.
QString SortTerm(const Database& db, int index, bool descending) {
    QString t = QLatin1String(kSortColumns[index]);
    if (descending)
        t += QStringLiteral(" DESC");
    if (db.isPostgres() && index >= 2)
        t += descending ? QStringLiteral(" NULLS LAST") : QStringLiteral(" NULLS FIRST");
    return t;
}

} // namespace

ArtListModel::ArtListModel(Database& db, Profile& profile, QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_profile(profile) {
    setLastArtSort(m_profile.integer(S::Settings, QStringLiteral("LastArtSort"), 1));
    m_filter = ArtFilter::Load(m_profile);
}

QString ArtListModel::Heading(int column) {
    return column >= 0 && column < ColumnCount ? QLatin1String(kHeadings[column]) : QString();
}

QString ArtListModel::WidthKey(int column) {
    return column >= 0 && column < ColumnCount ? QLatin1String(kWidthKeys[column]) : QString();
}

int ArtListModel::DefaultWidth(int column) {
    return column >= 0 && column < ColumnCount ? kDefaultWidths[column] : 100;
}

// --- Sort ---------------------------------------------------------------------------------------

void ArtListModel::setLastArtSort(int value) {
    if (value == 0 || qAbs(value) > kSortColumnCount)
        value = 1;
    m_sort = value;
    m_profile.setValue(S::Settings, QStringLiteral("LastArtSort"), m_sort);
    m_profile.setValue(S::Settings, QStringLiteral("LastArtAsc"), m_sort < 0 ? 1 : 0);
}

void ArtListModel::clickColumn(int column) {
    if (column < 0 || column >= kSortColumnCount)
        return;
    const int c = column + 1;
    setLastArtSort(qAbs(m_sort) == c ? -m_sort : c);
}

QString ArtListModel::orderClause() {
    const int index = sortColumn();
    const bool descending = !ascending();
    const QString current =
        QLatin1String(kSortColumns[index]) + (descending ? QStringLiteral(" DESC") : QString());
    const QString actKey = QStringLiteral("Sort2DataAct");
    const QString prevKey = QStringLiteral("Sort2DataArt");
    bool actDescending = false;
    if (ParseClause(m_profile.string(S::Settings, actKey), &actDescending) != index)
        // The sort column changed: the one before becomes the second key.
        m_profile.setValue(S::Settings, prevKey, m_profile.string(S::Settings, actKey));
    m_profile.setValue(S::Settings, actKey, current);

    QString sql = QStringLiteral(" ORDER BY ") + SortTerm(m_db, index, descending);
    bool prevDescending = false;
    const int prev = ParseClause(m_profile.string(S::Settings, prevKey), &prevDescending);
    if (prev >= 0 && prev != index)
        sql += QStringLiteral(", ") + SortTerm(m_db, prev, prevDescending);
    // Equal keys still come in one order, the same on every refresh.
    if (index != 0 || prev >= 0)
        sql += QStringLiteral(", IDArticolo");
    return sql;
}

// --- Filter -------------------------------------------------------------------------------------

void ArtListModel::setFilter(const ArtFilter& filter) {
    m_filter = filter;
    if (m_filter.isActive())
        m_filter.save(m_profile);
    else
        clearFilter();
}

void ArtListModel::clearFilter() {
    m_filter = ArtFilter();
    ArtFilter::Clear(m_profile);
}

// --- Refresh ------------------------------------------------------------------------------------

bool ArtListModel::refresh() {
    beginResetModel();
    m_blocks.clear();
    m_blockOrder.clear();
    m_keys.clear();
    m_categories.clear();
    m_error.clear();

    QSqlQuery q;
    if (m_db.query(q,
                   QStringLiteral("SELECT IDCategoria, Categoria FROM Categorie "
                                  "WHERE IDCategoria > ?"),
                   {0}))
        while (q.next())
            m_categories.insert(q.value(0).toInt(), q.value(1).toString());

    QString sql = QStringLiteral("SELECT IDArticolo FROM Articoli WHERE IDArticolo > ?");
    QVariantList values{0};
    m_filter.appendConditions(m_db, &sql, &values);
    sql += orderClause();
    m_profile.logStep(QStringLiteral("ArticoliView:FillData"), QStringLiteral("Query"));
    QString sqliteError;
    bool ok = SqliteKeys::Read(m_db, sql, values, &m_keys, &sqliteError);
    if (!ok && !sqliteError.isEmpty()) {
        m_db.setError(QSqlError(QString(), sqliteError, QSqlError::StatementError));
    } else if (!ok) {
        // PostgreSQL: through the driver.
        ok = m_db.query(q, sql, values);
        while (ok && q.next())
            m_keys.push_back(q.value(0).toInt());
        if (ok && q.lastError().isValid()) {
            m_db.setError(q.lastError());
            ok = false;
        }
    }
    if (!ok) {
        m_error = m_db.errorText();
        m_keys.clear();
    }
    m_keys.shrink_to_fit();
    m_profile.deleteLog(QStringLiteral("ArticoliView:FillData"));
    endResetModel();
    return ok;
}

// --- Rows ---------------------------------------------------------------------------------------

int ArtListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_keys.size());
}

int ArtListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

int ArtListModel::keyAt(int r) const {
    return r >= 0 && r < int(m_keys.size()) ? m_keys[size_t(r)] : 0;
}

int ArtListModel::rowOfKey(int key) const {
    const auto it = std::find(m_keys.begin(), m_keys.end(), key);
    return it == m_keys.end() ? -1 : int(it - m_keys.begin());
}

void ArtListModel::readRows(const std::vector<int>& keys, QHash<int, Row>* rows,
                            std::vector<int>* withoutUnit) const {
    if (keys.empty())
        return;
    QString marks = QStringLiteral("?");
    QVariantList values{keys.front()};
    for (size_t i = 1; i < keys.size(); ++i) {
        marks += QStringLiteral(", ?");
        values << keys[i];
    }
    QSqlQuery q;
    if (!m_db.query(q,
                    QStringLiteral("SELECT %1 FROM Articoli WHERE IDArticolo IN (%2)")
                        .arg(kRowColumns, marks),
                    values))
        return;
    while (q.next()) {
        Row r;
        const int key = q.value(0).toInt();
        r.text[Matricola] = q.value(1).toString();
        r.text[Descrizione] = q.value(2).toString();
        const int category = Record::ReadInt(q.value(3)).value_or(0);
        r.text[Categoria] =
            category > 0 ? m_categories.value(category) : QStringLiteral("Standard");
        const QVariant unitValue = q.value(4);
        const QString unit = unitValue.toString();
        if (withoutUnit && unitValue.isNull())
            withoutUnit->push_back(key);
        auto quantity = [&](int column) {
            return QStringLiteral("%1 %2").arg(
                FormatNumber(m_profile, Record::ReadReal(q.value(column)).value_or(0.0f)), unit);
        };
        r.text[Carichi] = quantity(5);
        r.text[Scarichi] = quantity(6);
        r.text[Resi] = quantity(7);
        r.text[Giacenza] = quantity(8);
        const std::optional<float> riordino = Record::ReadReal(q.value(9));
        const std::optional<float> ordinato = Record::ReadReal(q.value(10));
        if (riordino.value_or(0) > 0)
            r.text[RiordinoField] = quantity(9);
        if (ordinato.value_or(0) > 0)
            r.text[OrdinatoField] = quantity(10);
        r.icon = ArtRowIcon(riordino, ordinato, Record::ReadBit(q.value(11)));
        rows->insert(key, r);
    }
}

void ArtListModel::fetchBlock(int block) const {
    const size_t first = size_t(block) * kBlockRows;
    const size_t end = std::min(m_keys.size(), first + kBlockRows);
    std::vector<int> keys(m_keys.begin() + first, m_keys.begin() + end);
    QHash<int, Row> rows;
    std::vector<int> withoutUnit;
    readRows(keys, &rows, &withoutUnit);
    // Rows never recomputed (no unit copied yet) get their counters now, once per fetch rather
    // than on every repaint; an item without a unit stays that way.
    if (!withoutUnit.empty()) {
        for (int key : withoutUnit)
            UpdateArtInfo(m_db, &m_profile, key);
        readRows(withoutUnit, &rows, nullptr);
    }
    std::vector<Row> texts(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        texts[i] = rows.value(keys[i]);
    if (m_blocks.size() >= kMaxBlocks && !m_blockOrder.isEmpty())
        m_blocks.remove(m_blockOrder.takeFirst());
    m_blocks.insert(block, std::move(texts));
    m_blockOrder.append(block);
}

const ArtListModel::Row* ArtListModel::row(int r) const {
    if (r < 0 || r >= int(m_keys.size()))
        return nullptr;
    const int block = r / kBlockRows;
    auto it = m_blocks.find(block);
    if (it == m_blocks.end()) {
        fetchBlock(block);
        it = m_blocks.find(block);
    } else if (m_blockOrder.last() != block) {
        m_blockOrder.removeOne(block);
        m_blockOrder.append(block);
    }
    return &it.value()[size_t(r % kBlockRows)];
}

QString ArtListModel::fieldText(int r, int field) const {
    const Row* data = row(r);
    return data && field >= 0 && field < FieldCount ? data->text[field] : QString();
}

QVariant ArtListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(m_keys.size()) || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (const Row* r = row(index.row()))
            return r->text[index.column()];
        return {};
    case Qt::DecorationRole:
        if (index.column() == 0)
            if (const Row* r = row(index.row()))
                if (r->icon < m_icons.size())
                    return m_icons.at(r->icon);
        return {};
    case Qt::BackgroundRole:
        if (index.column() == sortColumn() && m_tint.isValid())
            return m_tint;
        return {};
    case KeyRole:
        return keyAt(index.row());
    case IconIndexRole:
        if (const Row* r = row(index.row()))
            return r->icon;
        return {};
    default:
        return {};
    }
}

QVariant ArtListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return Heading(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

// --- Changes ------------------------------------------------------------------------------------

bool ArtListModel::recomputeItem(int key) {
    const bool ok = UpdateArtInfo(m_db, &m_profile, key);
    const int r = rowOfKey(key);
    if (r >= 0) {
        const int block = r / kBlockRows;
        m_blocks.remove(block);
        m_blockOrder.removeOne(block);
        Q_EMIT dataChanged(index(r, 0), index(r, ColumnCount - 1));
    }
    return ok;
}

void ArtListModel::dropCache() {
    m_blocks.clear();
    m_blockOrder.clear();
    if (!m_keys.empty())
        Q_EMIT dataChanged(index(0, 0), index(int(m_keys.size()) - 1, ColumnCount - 1));
}

void ArtListModel::setIcons(const QList<QIcon>& icons) {
    m_icons = icons;
}

void ArtListModel::setSortTint(const QColor& tint) {
    m_tint = tint;
}
