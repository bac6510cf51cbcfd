#include "movements/MovListModel.h"

#include "common/Profile.h"
#include "company/Formats.h"
#include "movements/MovementListQuery.h"
#include "movements/MovementTypes.h"
#include "store/Database.h"
#include "store/TableRecord.h"

#include <QHash>
#include <QLocale>
#include <QSqlQuery>

namespace {

using S = Profile::Section;

const char* const kHeadings[] = {QT_TRANSLATE_NOOP("MovListModel", "Data"),
                                 QT_TRANSLATE_NOOP("MovListModel", "Numero"),
                                 QT_TRANSLATE_NOOP("MovListModel", "Cliente / Fornitore"),
                                 QT_TRANSLATE_NOOP("MovListModel", "Prezzo"),
                                 QT_TRANSLATE_NOOP("MovListModel", "Imposta"),
                                 QT_TRANSLATE_NOOP("MovListModel", "Totale")};
const int kDefaultWidths[] = {150, 100, 200, 100, 100, 100};

} // namespace

MovListModel::MovListModel(Database& db, Profile& profile, QObject* parent)
    : KeyedListModel(db, parent), m_profile(profile) {
    m_sort =
        NormalizedMovementSort(m_profile.integer(S::Settings, QStringLiteral("LastMovSort"), -1));
}

QString MovListModel::Heading(int column) {
    return column >= 0 && column < ColumnCount ? tr(kHeadings[column]) : QString();
}

QString MovListModel::WidthKey(int column) {
    return QStringLiteral("ColMov%1").arg(column + 1);
}

int MovListModel::DefaultWidth(int column) {
    return column >= 0 && column < ColumnCount ? kDefaultWidths[column] : 100;
}

QString MovListModel::DateText(const QDateTime& when) {
    if (!when.isValid())
        return QString();
    const QLocale locale;
    if (when.time() == QTime(0, 0))
        return locale.toString(when.date(), QLocale::ShortFormat);
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(when.time(), QStringLiteral("HH:mm:ss"));
}

bool MovListModel::refresh() {
    beginResetModel();
    m_rows.clear();
    m_profile.logStep(QStringLiteral("MovimentiView:FillData"), QStringLiteral("Query"));
    m_sort =
        NormalizedMovementSort(m_profile.integer(S::Settings, QStringLiteral("LastMovSort"), -1));
    const MovementListQuery q =
        BuildMovementListQuery(m_profile, QStringLiteral("IDMovimento"), m_db.backend());
    m_dateFilter = q.dateFilterActive;
    const bool ok = readKeys(q.sql, q.values);
    m_profile.deleteLog(QStringLiteral("MovimentiView:FillData"));
    endResetModel();
    return ok;
}

void MovListModel::sortBy(int column) {
    if (column < 0 || column >= ColumnCount)
        return;
    m_sort = qAbs(m_sort) == column + 1 ? -m_sort : column + 1;
    m_profile.setValue(S::Settings, QStringLiteral("LastMovSort"), m_sort);
    m_profile.setValue(S::Settings, QStringLiteral("LastMovAsc"), m_sort < 0 ? 1 : 0);
}

int MovListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

std::vector<MovListModel::Row> MovListModel::fetchBlock(int block) const {
    const std::vector<int> keys = blockKeys(block);
    std::vector<Row> rows(keys.size());
    if (keys.empty())
        return rows;
    QVariantList values;
    const QString marks = Placeholders(keys, &values);
    QHash<int, Row> byKey;
    QSqlQuery q;
    if (m_db.query(q,
                   QStringLiteral("SELECT IDMovimento, Data, Numero, CliFor, Prezzo, Imposta, "
                                  "Totale, Tipo, Contabilizzato FROM Movimenti WHERE "
                                  "IDMovimento IN (%1)")
                       .arg(marks),
                   values))
        while (q.next()) {
            Row r;
            r.tipo = Record::ReadInt(q.value(7)).value_or(-1);
            r.paid = Record::ReadBit(q.value(8)).value_or(false);
            r.text[Data] = DateText(Record::ReadDateTime(q.value(1)));
            r.text[Numero] = Record::ReadText(q.value(2), 20);
            r.text[CliFor] = r.tipo == MovementType::Ricevuta ? tr("- Ricevuta -")
                                                              : Record::ReadText(q.value(3), 100);
            for (int c = Prezzo; c <= Totale; ++c) {
                // The amounts follow the key in the query: one place further on.
                const CurrencyAmount amount = Record::ReadCurrency(q.value(c + 1));
                r.text[c] = amount.isValid() ? FormatCurrency(m_profile, amount) : QString();
            }
            byKey.insert(q.value(0).toInt(), r);
        }
    for (size_t i = 0; i < keys.size(); ++i)
        rows[i] = byKey.value(keys[i]);
    return rows;
}

const MovListModel::Row* MovListModel::row(int r) const {
    if (m_busy || !hasRow(r))
        return nullptr;
    return m_rows.row(r, [this](int block) { return fetchBlock(block); });
}

QString MovListModel::text(int r, int column) const {
    const Row* data = row(r);
    return data && column >= 0 && column < ColumnCount ? data->text[column] : QString();
}

int MovListModel::typeAt(int r) const {
    const Row* data = row(r);
    return data ? data->tipo : -1;
}

int MovListModel::iconAt(int r) const {
    const Row* data = row(r);
    if (!data)
        return NoIcon;
    switch (data->tipo) {
    case MovementType::Carico:
        return LoadIcon;
    case MovementType::Reso:
        return ReturnIcon;
    case MovementType::Scarico:
    case MovementType::Ricevuta:
        return data->paid ? SaleIcon : UnpaidIcon;
    default:
        return NoIcon;
    }
}

QVariant MovListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !hasRow(index.row()) || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (index.column() >= Prezzo)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::DecorationRole:
        if (index.column() == 0) {
            const int icon = iconAt(index.row());
            if (icon >= 0 && icon < m_icons.size())
                return m_icons.at(icon);
        }
        return {};
    case Qt::BackgroundRole:
        return sortTint(index);
    case KeyRole:
        return keyAt(index.row());
    case TipoRole:
        return typeAt(index.row());
    case IconRole:
        return iconAt(index.row());
    default:
        return {};
    }
}

QVariant MovListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return Heading(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void MovListModel::setBusy(bool busy) {
    if (m_busy == busy)
        return;
    m_busy = busy;
    m_rows.clear();
    if (!m_keys.empty())
        Q_EMIT dataChanged(index(0, 0), index(int(m_keys.size()) - 1, ColumnCount - 1));
}

void MovListModel::languageChanged() {
    // The headings are computed when asked; the rows' texts are read again.
    m_rows.clear();
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!m_keys.empty())
        Q_EMIT dataChanged(index(0, 0), index(int(m_keys.size()) - 1, ColumnCount - 1));
}

void MovListModel::recordChanged(int key) {
    rowChanged(rowOfKey(key));
}

int MovListModel::findRow(int from, const QString& date, const QString& number) const {
    const int count = int(m_keys.size());
    from = qMax(0, from);
    for (const auto& [column, wanted] :
         {std::pair{int(Data), date.toLower()}, std::pair{int(Numero), number.toLower()}}) {
        if (wanted.isEmpty())
            continue;
        for (int r = from; r < count; ++r)
            if (text(r, column).toLower().contains(wanted))
                return r;
    }
    return -1;
}
