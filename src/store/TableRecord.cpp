#include "store/TableRecord.h"

#include <QMetaType>
#include <QStringList>

#include <charconv>

namespace Record {

QString CutText(const QString& text, int width) {
    if (width <= 0 || text.size() <= width)
        return text;
    QString cut = text.left(width);
    if (cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

bool AmountFits(const CurrencyAmount& amount) {
    return !amount.isValid() ||
           (amount.units() <= kLargestStoredUnits && amount.units() >= -kLargestStoredUnits);
}

double StoredReal(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double stored = double(value);
    if (written.ec == std::errc())
        std::from_chars(text, written.ptr, stored);
    return stored;
}

bool SameRate(double a, double b) {
    return float(a) == float(b);
}

QString ReadText(const QVariant& v, int width) {
    if (v.isNull())
        return QString();
    return CutText(v.toString(), width > 0 ? width : kMemoChars);
}

std::optional<qint32> ReadInt(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = v.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return qint32(value);
}

std::optional<float> ReadReal(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    bool ok = false;
    const double value = v.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return float(value);
}

CurrencyAmount ReadCurrency(const QVariant& v) {
    if (v.isNull())
        return CurrencyAmount::null();
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        const qlonglong whole = v.toLongLong();
        if (whole > std::numeric_limits<qint64>::max() / CurrencyAmount::kScale ||
            whole < std::numeric_limits<qint64>::min() / CurrencyAmount::kScale)
            return CurrencyAmount::invalid();
        return CurrencyAmount::fromUnits(whole * CurrencyAmount::kScale);
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return CurrencyAmount::fromDouble(v.toDouble());
    default:
        break;
    }
    // Exact decimal text (PostgreSQL numeric, or SQLite text).
    const CurrencyAmount exact = CurrencyAmount::fromDecimalString(v.toString());
    if (exact.isValid())
        return exact;
    bool ok = false;
    const double d = v.toString().toDouble(&ok);
    return ok ? CurrencyAmount::fromDouble(d) : CurrencyAmount::invalid();
}

QDateTime ReadDateTime(const QVariant& v) {
    if (v.isNull())
        return QDateTime();
    QDateTime dt;
    if (v.typeId() == QMetaType::QDateTime) {
        dt = v.toDateTime();
    } else if (v.typeId() == QMetaType::QDate) {
        dt = v.toDate().startOfDay();
    } else {
        QString text = v.toString().trimmed();
        if (text.size() > 10 && text.at(10) == u' ')
            text[10] = u'T';
        dt = QDateTime::fromString(text, Qt::ISODateWithMs);
        if (!dt.isValid())
            dt = QDateTime::fromString(text, Qt::ISODate);
    }
    if (dt.isValid() && dt.timeSpec() != Qt::LocalTime)
        dt = dt.toLocalTime();
    return dt;
}

std::optional<bool> ReadBit(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        if (s == QLatin1String("t") || s == QLatin1String("true"))
            return true;
        if (s == QLatin1String("f") || s == QLatin1String("false"))
            return false;
    }
    // Jet wrote true as -1; any non-zero value counts.
    return v.toLongLong() != 0;
}

QByteArray ReadBinary(const QVariant& v) {
    if (v.isNull())
        return QByteArray();
    return v.toByteArray().left(kMaxBinaryBytes);
}

QVariant BindText(const QString& text, int width) {
    // PostgreSQL cannot take U+0000 in a text at all; SQLite would keep it, so neither does.
    QString kept = text;
    kept.remove(QChar(0));
    if (kept.isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return CutText(kept, width > 0 ? width : kMemoChars);
}

QVariant BindInt(const std::optional<qint32>& value) {
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<int>());
}

QVariant BindReal(const std::optional<float>& value) {
    return value ? QVariant(StoredReal(*value)) : QVariant(QMetaType::fromType<double>());
}

QVariant BindCurrency(const CurrencyAmount& amount, Database::Backend backend) {
    if (!amount.isValid())
        return QVariant(QMetaType::fromType<double>());
    // PostgreSQL takes the exact decimal text; SQLite keeps amounts as numbers.
    if (backend == Database::Backend::PostgreSQL)
        return amount.toDecimalString();
    return amount.toDouble();
}

QVariant BindDateTime(const QDateTime& value) {
    if (!value.isValid())
        return QVariant(QMetaType::fromType<QDateTime>());
    // Stored dates carry no offset: always bind local time (Database::bindable() sends it to
    // PostgreSQL as the wall clock).
    return value.timeSpec() == Qt::LocalTime ? value : value.toLocalTime();
}

QVariant BindBit(const std::optional<bool>& value, Database::Backend backend) {
    if (!value)
        return backend == Database::Backend::PostgreSQL ? QVariant(QMetaType::fromType<bool>())
                                                        : QVariant(QMetaType::fromType<int>());
    if (backend == Database::Backend::PostgreSQL)
        return *value;
    return *value ? 1 : 0;
}

QVariant BindBinary(const QByteArray& value) {
    if (value.isEmpty())
        return QVariant(QMetaType::fromType<QByteArray>());
    return value.left(kMaxBinaryBytes);
}

void LayoutCollector::add(const char* name) {
    Field f;
    f.name = QLatin1String(name);
    f.column = Schema::FindColumn(m_table, f.name);
    if (f.column) {
        if (f.column->type == Schema::ColumnType::Text)
            f.width = f.column->width;
        else if (f.column->type == Schema::ColumnType::Memo)
            f.width = kMemoChars;
    }
    fields.push_back(f);
}

QVariant RowReader::next() {
    const int index = m_index[m_i++];
    return index >= 0 ? m_q.value(index) : QVariant();
}

std::vector<int> ColumnIndexes(const QSqlRecord& record, const std::vector<Field>& layout,
                               const QString& key) {
    // QSqlRecord matches names without regard to case; PostgreSQL reports them in lower case.
    std::vector<int> index;
    index.reserve(layout.size() + 1);
    index.push_back(key.isEmpty() ? -1 : record.indexOf(key));
    for (const Field& f : layout)
        index.push_back(record.indexOf(f.name));
    return index;
}

QString InsertStatement(const QString& table, const QString& key,
                        const std::vector<Field>& layout) {
    QStringList names;
    QStringList marks;
    for (const Field& f : layout) {
        names << f.name;
        marks << QStringLiteral("?");
    }
    QString sql =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    if (!key.isEmpty())
        sql += QStringLiteral(" RETURNING ") + key;
    return sql;
}

QString UpdateStatement(const QString& table, const QString& key,
                        const std::vector<Field>& layout) {
    QStringList sets;
    for (const Field& f : layout)
        sets << f.name + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
        .arg(table, sets.join(QStringLiteral(", ")), key);
}

} // namespace Record
