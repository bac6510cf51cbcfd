#include "items/ArtListModel.h"
#include "items/UpdateAllArtInfo.h"

#include "common/Profile.h"
#include "company/Formats.h"
#include "items/ArtRowIcon.h"
#include "items/Promotions.h"
#include "items/StockCounters.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"

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

const char* const kHeadings[] = {QT_TRANSLATE_NOOP("ArtListModel", "Matricola"),
                                 QT_TRANSLATE_NOOP("ArtListModel", "Descrizione"),
                                 QT_TRANSLATE_NOOP("ArtListModel", "Categoria"),
                                 QT_TRANSLATE_NOOP("ArtListModel", "Carichi"),
                                 QT_TRANSLATE_NOOP("ArtListModel", "Scarichi"),
                                 QT_TRANSLATE_NOOP("ArtListModel", "Resi"),
                                 QT_TRANSLATE_NOOP("ArtListModel", "Giacenza")};
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

// Code and description sort alphabetically without regard to case, as their indexes hold them.
// SQLite puts NULLs first in ascending order; PostgreSQL is told to do the same, so both back
// ends list a never-recomputed item in the same place.
QString SortTerm(const Database& db, int index, bool descending) {
    const QString column = QLatin1String(kSortColumns[index]);
    QString t = index < 2 ? TextOrder::Term(db.backend(), column) : column;
    if (descending)
        t += QStringLiteral(" DESC");
    if (db.isPostgres())
        t += descending ? QStringLiteral(" NULLS LAST") : QStringLiteral(" NULLS FIRST");
    return t;
}

} // namespace

ArtListModel::ArtListModel(Database& db, Profile& profile, QObject* parent)
    : KeyedListModel(db, parent), m_profile(profile) {
    setLastArtSort(m_profile.integer(S::Settings, QStringLiteral("LastArtSort"), 1));
    m_filter = ArtFilter::Load(m_profile);
}

QString ArtListModel::Heading(int column) {
    return column >= 0 && column < ColumnCount ? tr(kHeadings[column]) : QString();
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
    // Equal keys still come in one order, the same on every refresh, reversed with the sort so
    // that the description's index serves both directions. Codes alone are left to their
    // index, which gives equal codes in the order the rows were added.
    if (index != 0 || prev >= 0)
        sql += descending ? QStringLiteral(", IDArticolo DESC") : QStringLiteral(", IDArticolo");
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
    m_rows.clear();
    m_categories.clear();
    m_error.clear();

    QSqlQuery q;
    if (m_db.query(q,
                   QStringLiteral("SELECT IDCategoria, Categoria FROM Categorie "
                                  "WHERE IDCategoria > ?"),
                   {0}))
        while (q.next())
            m_categories.insert(q.value(0).toInt(), q.value(1).toString());
    q.finish();
    Promotions::ActiveItemKeys(m_db, QDateTime::currentDateTime(), &m_promoted);

    QString sql = QStringLiteral("SELECT IDArticolo FROM Articoli WHERE IDArticolo > ?");
    QVariantList values{0};
    m_filter.appendConditions(m_db, &sql, &values);
    sql += orderClause();
    m_profile.logStep(QStringLiteral("ArticoliView:FillData"), QStringLiteral("Query"));
    const bool ok = readKeys(sql, values);
    if (!ok)
        m_error = m_db.errorText();
    m_profile.deleteLog(QStringLiteral("ArticoliView:FillData"));
    endResetModel();
    return ok;
}

int ArtListModel::findRow(int from, const ArtFind::Texts& texts, bool* failed) const {
    std::vector<int> keys;
    const bool ok = ArtFind::MatchingKeys(m_db, texts, &keys);
    if (failed)
        *failed = !ok;
    return ok ? firstListedRow(from, std::move(keys)) : -1;
}

// --- Rows ---------------------------------------------------------------------------------------

int ArtListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

void ArtListModel::readRows(const std::vector<int>& keys, QHash<int, Row>* rows,
                            std::vector<int>* withoutUnit) const {
    if (keys.empty())
        return;
    QVariantList values;
    const QString marks = Placeholders(keys, &values);
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
        r.text[Categoria] = category > 0 ? m_categories.value(category) : tr("Standard");
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

std::vector<ArtListModel::Row> ArtListModel::fetchBlock(int block) const {
    const std::vector<int> keys = blockKeys(block);
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
    return texts;
}

const ArtListModel::Row* ArtListModel::row(int r) const {
    return hasRow(r) ? m_rows.row(r, [this](int block) { return fetchBlock(block); }) : nullptr;
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
            if (const Row* r = row(index.row())) {
                const int icon = r->icon + (onPromotion(keyAt(index.row())) ? 8 : 0);
                if (icon < m_icons.size())
                    return m_icons.at(icon);
            }
        return {};
    case Qt::BackgroundRole:
        return sortTint(index);
    case KeyRole:
        return keyAt(index.row());
    case IconIndexRole:
        if (const Row* r = row(index.row()))
            return r->icon;
        return {};
    case PromotionRole:
        return onPromotion(keyAt(index.row()));
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
    rowChanged(rowOfKey(key));
    return ok;
}

bool ArtListModel::recomputeItems(const QList<int>& keys) {
    const bool ok = UpdateArtInfoList(m_db, &m_profile, keys);
    for (int key : keys)
        rowChanged(rowOfKey(key));
    return ok;
}

void ArtListModel::dropCache() {
    m_rows.clear();
    if (!m_keys.empty())
        Q_EMIT dataChanged(index(0, 0), index(int(m_keys.size()) - 1, ColumnCount - 1));
}

void ArtListModel::setIcons(const QList<QIcon>& icons) {
    m_icons = icons;
}
