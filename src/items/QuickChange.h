#pragma once

#include "store/Database.h"

#include <QString>
#include <QVariant>

class Profile;

// One statement that raises, lowers or sets the price, VAT, mark-up or discount of every item of
// one category, department or shelf.
namespace QuickChange {

enum class Field { Prezzo, Iva, Ricarico, Sconto };
enum class Operation { Increase, Decrease, Fixed };
enum class Base { Categoria, Reparto, Scaffale };

struct Value {
    bool valid = false;
    bool percent = false; // a fraction of the present value (20% gives 0.20)
    double value = 0;     // rounded to two decimals, as the statement takes it
};

// A "%" after the first character makes a percentage; anything else is an amount. Empty text,
// text without a digit and negative values are not valid.
Value ParseValue(const Profile& profile, const QString& text);

// A decrease of more than 100 % would turn every value of the group negative.
inline bool Fits(Operation operation, const Value& value) {
    return value.valid && !(value.percent && operation == Operation::Decrease && value.value > 1.0);
}

// The statement in the back end's own text, with BoundValue() and the key as its two
// parameters. A price is stored rounded to four decimals.
QString Statement(Database::Backend backend, Field field, Operation operation, bool percent,
                  Base base);
// What the statement binds: a rate's share or value as it is, a price change as an integer
// (hundredths of a percentage, or ten-thousandths of an amount).
QVariant BoundValue(Field field, Operation operation, const Value& value);

// Runs the change; false when the value is not valid, when a price would grow beyond what the
// archive keeps exactly (IsStoreRefusal(db.lastError())), or when the statement fails.
bool Apply(Database& db, Field field, Operation operation, const Value& value, Base base, int key);

} // namespace QuickChange
