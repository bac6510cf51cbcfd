#include "items/QuickChange.h"

#include "company/Formats.h"
#include "store/Database.h"
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

namespace {

// The value a row's column takes, with the typed value as its parameter.
QString NewValue(Field field, Operation operation, bool percent) {
    const QString c = ColumnOf(field);
    // Rates change by a share of themselves whatever was typed; only a price takes an amount.
    const bool share = percent || field != Field::Prezzo;
    switch (operation) {
    case Operation::Increase:
        return (share ? QStringLiteral("%1 + %1 * ?") : QStringLiteral("%1 + ?")).arg(c);
    case Operation::Decrease:
        return (share ? QStringLiteral("%1 - %1 * ?") : QStringLiteral("%1 - ?")).arg(c);
    case Operation::Fixed:
        break;
    }
    return QStringLiteral("?");
}

// No price may grow beyond what the archive keeps exactly: the change is refused as a whole
// (and the database's error says why) before any row is written.
bool PricesFit(Database& db, Operation operation, const Value& value, Base base, int key) {
    CurrencyAmount largest = CurrencyAmount::fromDouble(value.value);
    if (operation != Operation::Fixed) {
        QSqlQuery q;
        if (!db.query(q,
                      QStringLiteral("SELECT MAX(ABS(") +
                          NewValue(Field::Prezzo, operation, value.percent) +
                          QStringLiteral(")) FROM Articoli WHERE ") + KeyColumnOf(base) +
                          QStringLiteral(" = ?"),
                      {QVariant(value.value), QVariant(key)}) ||
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

QString Statement(Field field, Operation operation, bool percent, Base base) {
    return QStringLiteral("UPDATE Articoli SET ") + ColumnOf(field) + QStringLiteral(" = ") +
           NewValue(field, operation, percent) + QStringLiteral(" WHERE ") + KeyColumnOf(base) +
           QStringLiteral(" = ?");
}

bool Apply(Database& db, Field field, Operation operation, const Value& value, Base base, int key) {
    if (!value.valid)
        return false;
    if (field == Field::Prezzo && !PricesFit(db, operation, value, base, key))
        return false;
    return db.execute(Statement(field, operation, value.percent, base),
                      {QVariant(value.value), QVariant(key)});
}

} // namespace QuickChange
