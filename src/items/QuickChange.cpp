#include "items/QuickChange.h"

#include "company/Formats.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/TableRecord.h"

#include <QSqlQuery>

#include <cmath>

namespace QuickChange {

namespace {

QString ColumnOf(Field field) {
    switch (field) {
    case Field::Prezzo:
        return QStringLiteral("Prezzo");
    case Field::Iva:
        return QStringLiteral("Iva");
    case Field::Ricarico:
        return QStringLiteral("Ricarico");
    case Field::Sconto:
        return QStringLiteral("Sconto");
    }
    return QString();
}

QString KeyColumnOf(Base base) {
    switch (base) {
    case Base::Categoria:
        return QStringLiteral("IDCategoria");
    case Base::Reparto:
        return QStringLiteral("IDReparto");
    case Base::Scaffale:
        return QStringLiteral("IDScaffale");
    }
    return QString();
}

// Two decimals, halves away from zero.
double Hundredths(double v) {
    return std::round(v * 100.0) / 100.0;
}

// The new price of a row, with BoundValue() as its parameter.
QString PriceExpression(Database::Backend backend, Operation operation, bool percent) {
    const bool pg = backend == Database::Backend::PostgreSQL;
    // A price keeps four decimals, rounded half away from zero as PostgreSQL's numeric rounds.
    // SQLite holds it as a double, so it computes in whole ten-thousandths: a product such as
    // 10.5555 x 1.10 = 11.61105 is a tie that binary fractions would break either way.
    const QChar sign = operation == Operation::Decrease ? u'-' : u'+';
    if (operation == Operation::Fixed)
        return QStringLiteral("? / 10000.0");
    if (percent)
        // The server would type the parameter as an integer from "100 + ?", too small for a
        // huge percentage.
        return pg ? QStringLiteral("ROUND(Prezzo * (100 %1 CAST(? AS NUMERIC)) / 100, 4)").arg(sign)
                  : QStringLiteral("ROUND(ROUND(Prezzo * 10000) * (100 %1 ?) / 100.0) / 10000.0")
                        .arg(sign);
    return pg ? QStringLiteral("ROUND(Prezzo %1 CAST(? AS NUMERIC) / 10000.0, 4)").arg(sign)
              : QStringLiteral("(ROUND(Prezzo * 10000) %1 ?) / 10000.0").arg(sign);
}

} // namespace

Value ParseValue(const Profile& profile, const QString& text) {
    Value result;
    const QString t = text.trimmed();
    bool digit = false;
    for (const QChar c : t)
        digit = digit || c.isDigit();
    // The parsers drop or ignore a minus sign, which would turn a decrease the user typed as
    // "-10" into an increase.
    if (!digit || t.contains(u'-') || t.contains(QChar(0x2212)))
        return result;
    if (t.indexOf(u'%', 1) > 0) {
        const double v = ParseNumber(profile, t, true);
        if (!std::isfinite(v) || v < 0)
            return result;
        result.percent = true;
        result.value = Hundredths(v);
    } else {
        const CurrencyAmount amount = ParseCurrency(profile, t);
        if (!amount.isValid() || amount.units() < 0)
            return result;
        // Hundredths from the exact ten-thousandths, halves away from zero.
        result.value = double((amount.units() + 50) / 100) / 100.0;
    }
    result.valid = true;
    return result;
}

QString Statement(Database::Backend backend, Field field, Operation operation, bool percent,
                  Base base) {
    const QString c = ColumnOf(field);
    QString clause;
    if (field == Field::Prezzo) {
        clause = QStringLiteral("Prezzo = ") + PriceExpression(backend, operation, percent);
    } else {
        // Rates change by a share of themselves whatever was typed.
        switch (operation) {
        case Operation::Increase:
            clause = QStringLiteral("%1 = %1 + %1 * ?").arg(c);
            break;
        case Operation::Decrease:
            clause = QStringLiteral("%1 = %1 - %1 * ?").arg(c);
            break;
        case Operation::Fixed:
            clause = QStringLiteral("%1 = ?").arg(c);
            break;
        }
    }
    return QStringLiteral("UPDATE Articoli SET ") + clause + QStringLiteral(" WHERE ") +
           KeyColumnOf(base) + QStringLiteral(" = ?");
}

QVariant BoundValue(Field field, Operation operation, const Value& value) {
    if (field != Field::Prezzo)
        return value.value;
    // Whole hundredths of a percentage; an amount (or a fixed price) in ten-thousandths.
    if (value.percent && operation != Operation::Fixed)
        return qRound64(value.value * 100.0);
    return qRound64(value.value * 10000.0);
}

namespace {

// No price may grow beyond what the archive keeps exactly: the change is refused as a whole
// (and the database's error says why) before any row is written.
bool PricesFit(Database& db, Operation operation, const Value& value, Base base, int key) {
    CurrencyAmount largest = CurrencyAmount::fromDouble(value.value);
    if (operation != Operation::Fixed) {
        QSqlQuery q;
        if (!db.query(q,
                      QStringLiteral("SELECT MAX(ABS(") +
                          PriceExpression(db.backend(), operation, value.percent) +
                          QStringLiteral(")) FROM Articoli WHERE ") + KeyColumnOf(base) +
                          QStringLiteral(" = ?"),
                      {BoundValue(Field::Prezzo, operation, value), QVariant(key)}) ||
            !q.next())
            return false;
        largest =
            q.value(0).isNull() ? CurrencyAmount::fromUnits(0) : Record::ReadCurrency(q.value(0));
    }
    if (Record::AmountFits(largest) && largest.isValid())
        return true;
    db.setError(AmountTooLargeError(largest));
    return false;
}

} // namespace

bool Apply(Database& db, Field field, Operation operation, const Value& value, Base base, int key) {
    if (!value.valid)
        return false;
    if (field == Field::Prezzo && !PricesFit(db, operation, value, base, key))
        return false;
    return db.execute(Statement(db.backend(), field, operation, value.percent, base),
                      {BoundValue(field, operation, value), QVariant(key)});
}

} // namespace QuickChange
