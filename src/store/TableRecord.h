#pragma once

// The pattern every table access follows: a record is a plain structure whose data columns are
// listed, by name, in its fields() member; the key is a separate member that is read but never
// written. Widths and types come from the schema source, so a record can bind fewer columns
// than its table has.
//
//   struct UnMisRecord {
//       static constexpr const char* kTable = "UnMis";
//       static constexpr const char* kKey = "IDUM";
//       qint32 IDUM = 0;
//       QString Sigla, Descrizione;
//       qint32& key() { return IDUM; }
//       template <class V> void fields(V& v) { v("Sigla", Sigla); v("Descrizione", Descrizione); }
//   };
//
// Member types: QString for TEXT and MEMO (null = NULL; empty is stored as NULL),
// std::optional<qint32> for INTEGER and SMALLINT, std::optional<float> for REAL, CurrencyAmount
// for CURRENCY, QDateTime for DATETIME (null = NULL), std::optional<bool> for BIT, QByteArray
// for LONGBINARY (empty = NULL).

#include "common/CurrencyAmount.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/Schema.h"

#include <QByteArray>
#include <QDateTime>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace Record {

// Notes are held in a buffer of this many characters; pictures in this many bytes.
constexpr int kMemoChars = 150000;
constexpr int kMaxBinaryBytes = 150001;

// Cuts a text to at most `width` UTF-16 characters, never leaving half a surrogate pair.
QString CutText(const QString& text, int width);

// The largest amount, in ten-thousandths and either sign, that both back ends keep exactly:
// SQLite holds amounts as doubles, whose steps grow wider than a ten-thousandth beyond 2^38
// units. The catalog could hold more, but an archive must be able to move between the two.
constexpr qint64 kLargestStoredUnits = (qint64(1) << 38) * CurrencyAmount::kScale - 1;
bool AmountFits(const CurrencyAmount& amount);

// A single-precision value (rates, quantities) as it is stored: the double of its shortest
// decimal text, so that 22 % is 0.22 on both back ends whichever path wrote it, not the float
// 0.219999998807907 widened.
double StoredReal(float value);
// Whether two rates are the same rate: compared as the floats the records hold.
bool SameRate(double a, double b);

// Conversions between column values as the drivers return them and the in-memory forms.
QString ReadText(const QVariant& v, int width);
std::optional<qint32> ReadInt(const QVariant& v);
std::optional<float> ReadReal(const QVariant& v);
CurrencyAmount ReadCurrency(const QVariant& v);
QDateTime ReadDateTime(const QVariant& v);
std::optional<bool> ReadBit(const QVariant& v);
QByteArray ReadBinary(const QVariant& v);

QVariant BindText(const QString& text, int width);
QVariant BindInt(const std::optional<qint32>& value);
QVariant BindReal(const std::optional<float>& value);
QVariant BindCurrency(const CurrencyAmount& amount, Database::Backend backend);
QVariant BindDateTime(const QDateTime& value);
QVariant BindBit(const std::optional<bool>& value, Database::Backend backend);
QVariant BindBinary(const QByteArray& value);

struct Field {
    QString name;
    const Schema::Column* column = nullptr; // null when the schema has no such column
    int width = 0;                          // characters for texts
};

// Collects a record's field names in binding order.
class LayoutCollector {
public:
    explicit LayoutCollector(const char* table) : m_table(QLatin1String(table)) {}
    template <class T> void operator()(const char* name, T&) { add(name); }
    std::vector<Field> fields;

private:
    void add(const char* name);
    QString m_table;
};

template <class R> const std::vector<Field>& Layout() {
    static const std::vector<Field> layout = [] {
        R r;
        LayoutCollector c(R::kTable);
        r.fields(c);
        return c.fields;
    }();
    return layout;
}

// Fills a record from the current row of a query, finding the columns by name.
class RowReader {
public:
    RowReader(const QSqlQuery& q, const std::vector<Field>& layout, const std::vector<int>& index)
        : m_q(q), m_layout(layout), m_index(index) {}
    void operator()(const char*, QString& v) {
        // next() moves to the field read, so it must run before the width is looked up.
        const QVariant value = next();
        v = ReadText(value, m_layout[m_i - 1].width);
    }
    void operator()(const char*, std::optional<qint32>& v) { v = ReadInt(next()); }
    void operator()(const char*, std::optional<float>& v) { v = ReadReal(next()); }
    void operator()(const char*, CurrencyAmount& v) { v = ReadCurrency(next()); }
    void operator()(const char*, QDateTime& v) { v = ReadDateTime(next()); }
    void operator()(const char*, std::optional<bool>& v) { v = ReadBit(next()); }
    void operator()(const char*, QByteArray& v) { v = ReadBinary(next()); }

private:
    QVariant next();
    const QSqlQuery& m_q;
    const std::vector<Field>& m_layout;
    const std::vector<int>& m_index;
    size_t m_i = 0;
};

// Turns a record's data columns into bound values, in layout order. An amount too large to be
// stored exactly is kept in refused, and the record must not be written.
class RowWriter {
public:
    RowWriter(Database::Backend backend, const std::vector<Field>& layout)
        : m_backend(backend), m_layout(layout) {}
    void operator()(const char*, QString& v) {
        values << BindText(v, m_layout[values.size()].width);
    }
    void operator()(const char*, std::optional<qint32>& v) { values << BindInt(v); }
    void operator()(const char*, std::optional<float>& v) { values << BindReal(v); }
    void operator()(const char*, CurrencyAmount& v) {
        if (!AmountFits(v) && !refused)
            refused = v;
        values << BindCurrency(v, m_backend);
    }
    void operator()(const char*, QDateTime& v) { values << BindDateTime(v); }
    void operator()(const char*, std::optional<bool>& v) { values << BindBit(v, m_backend); }
    void operator()(const char*, QByteArray& v) { values << BindBinary(v); }
    QVariantList values;
    std::optional<CurrencyAmount> refused;

private:
    Database::Backend m_backend;
    const std::vector<Field>& m_layout;
};

std::vector<int> ColumnIndexes(const QSqlRecord& record, const std::vector<Field>& layout,
                               const QString& key);
QString InsertStatement(const QString& table, const QString& key, const std::vector<Field>& layout);
QString UpdateStatement(const QString& table, const QString& key, const std::vector<Field>& layout);

} // namespace Record

// An open set of rows of one table, read into a record of type R one at a time, through which
// rows are inserted, changed and deleted. Statements are prepared once and reused, so bulk work
// through one set stays fast.
template <class R> class TableRecordSet {
public:
    explicit TableRecordSet(Database& db) : m_db(db) {}

    // Runs a query that selects whole rows, usually "SELECT * FROM T WHERE key > ?" with 0, and
    // moves to the first row. False when the query fails; true with atEnd() when it has no rows.
    bool open(const QString& sql, const QVariantList& values = {QVariant(0)}) {
        m_failed = false;
        m_atEnd = true;
        if (!m_db.query(m_query, sql, values)) {
            m_failed = true;
            return false;
        }
        m_index = Record::ColumnIndexes(m_query.record(), Record::Layout<R>(), key());
        moveNext();
        return !m_failed;
    }
    // Opens the one row whose key is given.
    bool openKey(qint32 keyValue) {
        return open(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(table(), key()),
                    {QVariant(keyValue)});
    }
    bool atEnd() const { return m_atEnd; }
    bool failed() const { return m_failed; }
    R& current() { return m_current; }

    // Moves to the next row; false at the end of the rows or on a failure (see failed()).
    bool moveNext() {
        if (!m_query.next()) {
            m_atEnd = true;
            if (m_query.lastError().isValid()) {
                m_failed = true;
                m_db.setError(m_query.lastError());
            }
            return false;
        }
        m_atEnd = false;
        m_current = R();
        if (m_index.front() >= 0)
            keyOf(m_current) = Record::ReadInt(m_query.value(m_index.front())).value_or(0);
        std::vector<int> dataIndex(m_index.begin() + 1, m_index.end());
        Record::RowReader reader(m_query, Record::Layout<R>(), dataIndex);
        m_current.fields(reader);
        return true;
    }

    // Writes the record's data columns as a new row; the record receives the new key.
    bool insert(R& record) {
        const bool hasKey = !key().isEmpty();
        if (!prepare(m_insert, m_insertReady,
                     [] { return Record::InsertStatement(table(), key(), Record::Layout<R>()); }))
            return false;
        Record::RowWriter writer(m_db.backend(), Record::Layout<R>());
        record.fields(writer);
        if (writer.refused) {
            m_db.setError(AmountTooLargeError(*writer.refused));
            return false;
        }
        for (const QVariant& v : writer.values)
            m_insert.addBindValue(m_db.bindable(v));
        if (!m_insert.exec()) {
            m_db.setError(m_insert.lastError());
            return false;
        }
        if (hasKey && m_insert.next())
            keyOf(record) = Record::ReadInt(m_insert.value(0)).value_or(0);
        m_insert.finish();
        return true;
    }
    // Writes the record's data columns over the row with the record's key. A row that is no
    // longer there (another computer deleted it) is a failure: IsMissingRow(lastError()).
    bool change(R& record) {
        if (!prepare(m_update, m_updateReady,
                     [] { return Record::UpdateStatement(table(), key(), Record::Layout<R>()); }))
            return false;
        Record::RowWriter writer(m_db.backend(), Record::Layout<R>());
        record.fields(writer);
        if (writer.refused) {
            m_db.setError(AmountTooLargeError(*writer.refused));
            return false;
        }
        for (const QVariant& v : writer.values)
            m_update.addBindValue(m_db.bindable(v));
        m_update.addBindValue(keyOf(record));
        if (!m_update.exec()) {
            m_db.setError(m_update.lastError());
            return false;
        }
        const int changed = m_update.numRowsAffected();
        m_update.finish();
        if (changed == 0) {
            m_db.setError(MissingRowError(MissingRow::Write));
            return false;
        }
        return true;
    }
    bool remove(qint32 keyValue) {
        return m_db.execute(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table(), key()),
                            {QVariant(keyValue)});
    }

    static QString table() { return QLatin1String(R::kTable); }
    static QString key() { return QLatin1String(R::kKey); }

private:
    static qint32& keyOf(R& r) { return r.key(); }
    // The statement's text is built only the first time: in a bulk insert that is no small cost.
    template <class Sql> bool prepare(QSqlQuery& q, bool& ready, Sql sql) {
        if (ready)
            return true;
        q = QSqlQuery(m_db.handle());
        if (!q.prepare(sql())) {
            m_db.setError(q.lastError());
            return false;
        }
        ready = true;
        return true;
    }

    Database& m_db;
    QSqlQuery m_query;
    QSqlQuery m_insert;
    QSqlQuery m_update;
    bool m_insertReady = false;
    bool m_updateReady = false;
    std::vector<int> m_index;
    R m_current;
    bool m_atEnd = true;
    bool m_failed = false;
};

// Loads one row by key; false when the query fails or the row is missing (then
// IsMissingRow(db.lastError())).
template <class R> bool LoadRecord(Database& db, qint32 key, R& record) {
    TableRecordSet<R> set(db);
    if (!set.openKey(key))
        return false;
    if (set.atEnd()) {
        db.setError(MissingRowError(MissingRow::Read));
        return false;
    }
    record = set.current();
    return true;
}
