#include "movements/MovementListQuery.h"

#include "common/Profile.h"
#include "store/TextOrder.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace {

using S = Profile::Section;

// The column a clause sorts on: the text after "ORDER BY", without its direction.
QString clauseColumn(QString clause) {
    clause.remove(QStringLiteral("ORDER BY"));
    clause = clause.trimmed();
    if (clause.endsWith(QLatin1String(" DESC")))
        clause.chop(5);
    else if (clause.endsWith(QLatin1String(" ASC")))
        clause.chop(4);
    return clause.trimmed();
}

// A stored clause is pasted into the statement, so only the forms this list writes are taken.
bool knownClause(const QString& clause) {
    static const QStringList columns{QStringLiteral("Data"),    QStringLiteral("Numero"),
                                     QStringLiteral("CliFor"),  QStringLiteral("Prezzo"),
                                     QStringLiteral("Imposta"), QStringLiteral("Totale")};
    for (const QString& c : columns)
        if (clause == c || clause == c + QStringLiteral(" DESC") ||
            clause == c + QStringLiteral(" ASC"))
            return true;
    return false;
}

QDateTime parseFilterDate(const QString& text) {
    const QLocale locale;
    const QDateTime written = locale.toDateTime(text, FilterDateFormat());
    if (written.isValid())
        return written;
    // A date typed into the profile by hand, with or without its time.
    for (QLocale::FormatType format : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QDateTime dt = locale.toDateTime(text, format);
        if (dt.isValid())
            return dt;
        const QDate d = locale.toDate(text, format);
        if (d.isValid())
            return QDateTime(d, QTime(0, 0));
    }
    return QDateTime::fromString(text, Qt::ISODate);
}

} // namespace

QString FilterDateFormat() {
    // The user's short date with a four-digit year (a two-digit one would read back as 19xx),
    // and the time to the second, so that the end of the last day is kept.
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format + QStringLiteral(" HH:mm:ss");
}

QString FilterDateText(const QDateTime& when) {
    return QLocale().toString(when, FilterDateFormat());
}

QString MovementSortClause(int column) {
    static const char* const columns[] = {"Data",   "Numero",  "CliFor",
                                          "Prezzo", "Imposta", "Totale"};
    if (column < 1 || column > 6)
        column = 2;
    return QStringLiteral(" ORDER BY %1").arg(QLatin1String(columns[column - 1]));
}

int NormalizedMovementSort(int stored) {
    return stored == 0 || stored < -6 || stored > 6 ? 2 : stored;
}

namespace {

// One term of the order as the back end is to run it: names alphabetically, and NULLs first
// going up and last going down on both back ends (SQLite's own way).
QString OrderTerm(const QString& term, std::optional<Database::Backend> backend) {
    if (!backend)
        return term;
    const bool descending = term.endsWith(QLatin1String(" DESC"));
    const QString column = clauseColumn(term);
    // Numbers by their characters on both (PostgreSQL's catalog order would skip the "/").
    QString text = column == QLatin1String("CliFor") ? TextOrder::Term(*backend, column)
                   : column == QLatin1String("Numero") && *backend == Database::Backend::PostgreSQL
                       ? column + QStringLiteral(" COLLATE \"C\"")
                       : column;
    if (descending)
        text += QStringLiteral(" DESC");
    // Dates are never NULL here (the query asks for dates after 1900), and the date index is
    // only walked for the plain order.
    if (*backend == Database::Backend::PostgreSQL && column != QLatin1String("Data"))
        text += descending ? QStringLiteral(" NULLS LAST") : QStringLiteral(" NULLS FIRST");
    return text;
}

} // namespace

MovementListQuery BuildMovementListQuery(Profile& profile, const QString& selectColumns,
                                         std::optional<Database::Backend> backend) {
    MovementListQuery q;
    const QString columns = selectColumns.isEmpty() ? QStringLiteral("*") : selectColumns;
    const QString start = profile.string(S::Settings, QStringLiteral("MovInitFilter"));
    const QString end = profile.string(S::Settings, QStringLiteral("MovEndFilter"));
    const QDateTime from = start.isEmpty() ? QDateTime() : parseFilterDate(start);
    const QDateTime to = end.isEmpty() ? QDateTime() : parseFilterDate(end);
    if (from.isValid() && to.isValid()) {
        q.sql = QStringLiteral("SELECT %1 FROM Movimenti WHERE Data BETWEEN ? AND ?").arg(columns);
        q.values = {from, to};
        q.dateFilterActive = true;
    } else {
        const QDateTime epoch(QDate(1900, 1, 1), QTime(0, 0));
        q.sql = QStringLiteral("SELECT %1 FROM Movimenti WHERE Data > ? AND Data > ?").arg(columns);
        q.values = {epoch, epoch};
    }
    switch (profile.integer(S::Settings, QStringLiteral("FilterMov"))) {
    case 1:
        q.sql += QStringLiteral(" AND Tipo = 0");
        break;
    case 2:
        q.sql += QStringLiteral(" AND (Tipo = 1 OR Tipo = 3)");
        break;
    case 3:
        q.sql += QStringLiteral(" AND Tipo = 2");
        break;
    default:
        break;
    }

    const int sort =
        NormalizedMovementSort(profile.integer(S::Settings, QStringLiteral("LastMovSort"), -1));
    QString clause = MovementSortClause(qAbs(sort));
    if (sort < 0)
        clause += QStringLiteral(" DESC");
    QStringList terms{
        OrderTerm(clause.mid(clause.indexOf(QLatin1String("ORDER BY ")) + 9), backend)};

    // Rows with equal keys keep the order of the previous sort column.
    const QString bare = clause.mid(clause.indexOf(QLatin1String("ORDER BY ")) + 9);
    const QString column = clauseColumn(clause);
    QString active = profile.string(S::Settings, QStringLiteral("Sort2MovAct")).trimmed();
    QString previous = profile.string(S::Settings, QStringLiteral("Sort2DataMov")).trimmed();
    if (!knownClause(active))
        active.clear();
    if (!knownClause(previous))
        previous.clear();
    if (active.isEmpty()) {
        profile.setValue(S::Settings, QStringLiteral("Sort2MovAct"), bare);
        profile.setValue(S::Settings, QStringLiteral("Sort2DataMov"), bare);
    } else if (clauseColumn(active) != column) {
        profile.setValue(S::Settings, QStringLiteral("Sort2DataMov"), active);
        profile.setValue(S::Settings, QStringLiteral("Sort2MovAct"), bare);
        terms << OrderTerm(active, backend);
    } else {
        profile.setValue(S::Settings, QStringLiteral("Sort2MovAct"), bare);
        if (clauseColumn(previous) != column && !previous.isEmpty())
            terms << OrderTerm(previous, backend);
    }
    q.sql += QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
    return q;
}
