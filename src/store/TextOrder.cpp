#include "store/TextOrder.h"

#include "store/TableRecord.h"

#include <QSqlQuery>
#include <algorithm>

namespace TextOrder {

namespace {

char32_t NextCodePoint(QStringView s, qsizetype& i) {
    const char16_t c = s[i++].unicode();
    if (QChar::isHighSurrogate(c) && i < s.size() && QChar::isLowSurrogate(s[i].unicode()))
        return QChar::surrogateToUcs4(c, s[i++].unicode());
    return c;
}

// Code-point order, which is PostgreSQL's byte order of UTF-8 for the texts the rules call
// equal.
int CompareCodePoints(QStringView a, QStringView b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = NextCodePoint(a, i);
        const char32_t y = NextCodePoint(b, j);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return i < a.size() ? 1 : j < b.size() ? -1 : 0;
}

} // namespace

QCollator Collator() {
    // Case-sensitive: case is the rules' third level, after letters and accents.
    QCollator collator(QLocale(QLocale::Italian, QLocale::Italy));
    collator.setCaseSensitivity(Qt::CaseSensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

int Compare(QStringView a, QStringView b) {
    thread_local const QCollator collator = Collator();
    const int byRules = collator.compare(a, b);
    return byRules != 0 ? byRules : CompareCodePoints(a, b);
}

std::vector<qsizetype> Sorted(const QList<QString>& texts, bool ascending) {
    const QCollator collator = Collator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(texts.size()));
    for (const QString& t : texts)
        keys.push_back(collator.sortKey(t));
    std::vector<qsizetype> order(size_t(texts.size()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = qsizetype(i);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        if (!ascending)
            std::swap(a, b);
        const int byRules = keys[size_t(a)].compare(keys[size_t(b)]);
        return (byRules != 0 ? byRules : CompareCodePoints(texts.at(a), texts.at(b))) < 0;
    });
    return order;
}

bool SameIgnoringCase(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString Term(Database::Backend backend, const QString& expression) {
    return backend == Database::Backend::PostgreSQL
               ? QStringLiteral("%1 COLLATE \"%2\"")
                     .arg(expression, QLatin1String(kPostgresCollation))
               : QStringLiteral("%1 COLLATE %2").arg(expression, QLatin1String(kSqliteCollation));
}

std::optional<QList<int>> KeysIgnoringCase(Database& db, const QString& table,
                                           const QString& keyColumn, const QString& column,
                                           const QString& value, int width) {
    const QString wanted = Record::CutText(value, width);
    QList<int> keys;
    // An empty text is stored as NULL, which nothing equals.
    if (wanted.isEmpty())
        return keys;
    // The value itself always lies between the bounds, even where a capital form sorts before
    // it (ß and its capital SS).
    QString low = wanted.toLower();
    QString high = wanted.toUpper();
    for (const QString& form : {wanted, wanted.toLower(), wanted.toUpper()}) {
        if (Compare(form, low) < 0)
            low = form;
        if (Compare(form, high) > 0)
            high = form;
    }
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT %1, %2 FROM %3 WHERE %4 BETWEEN ? AND ? ORDER BY %1")
                      .arg(keyColumn, column, table, Term(db.backend(), column)),
                  {low, high}))
        return std::nullopt;
    while (q.next())
        if (SameIgnoringCase(q.value(1).toString(), wanted))
            keys.append(q.value(0).toInt());
    if (q.lastError().isValid())
        return std::nullopt;
    return keys;
}

} // namespace TextOrder
