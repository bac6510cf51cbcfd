#include "movements/MovementTotals.h"

#include "company/Formats.h"
#include "store/records/SottoMovimentiRecord.h"

namespace {
CurrencyAmount minus(const CurrencyAmount& a, const CurrencyAmount& b) {
    if (!a.isValid())
        return a;
    return CurrencyAmount::fromUnits(a.units() - (b.isValid() ? b.units() : 0));
}
qint64 unitsOf(const CurrencyAmount& a) {
    return a.isValid() ? a.units() : 0;
}
} // namespace

RowAmounts ComputeRowAmounts(const SottoMovimentiRecord& row) {
    RowAmounts r;
    r.amount = MultiplyCurrency(row.Prezzo, double(row.Qt.value_or(0)));
    r.discount = MultiplyCurrency(r.amount, double(row.Sconto.value_or(0)));
    r.net = minus(r.amount, r.discount);
    r.hasTax = row.Iva.has_value();
    r.tax = r.hasTax ? MultiplyCurrency(r.net, double(*row.Iva)) : CurrencyAmount::fromUnits(0);
    return r;
}

void MovementTotals::add(const SottoMovimentiRecord& row) {
    const RowAmounts r = ComputeRowAmounts(row);
    m_net += unitsOf(r.net);
    if (r.hasTax)
        m_tax += unitsOf(r.tax);
}
