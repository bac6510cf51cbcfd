#pragma once

#include "common/CurrencyAmount.h"

struct SottoMovimentiRecord;

// One row's amounts in currency arithmetic: amount = price x quantity, discount = amount x
// discount rate, net = amount - discount, tax = net x VAT rate (none when the rate is NULL).
struct RowAmounts {
    CurrencyAmount amount;
    CurrencyAmount discount;
    CurrencyAmount net;
    CurrencyAmount tax;
    bool hasTax = false;
};
RowAmounts ComputeRowAmounts(const SottoMovimentiRecord& row);

// A movement header's totals: Prezzo the taxable sum, Imposta the tax, Totale their sum.
class MovementTotals {
public:
    void add(const SottoMovimentiRecord& row);
    CurrencyAmount prezzo() const { return CurrencyAmount::fromUnits(m_net); }
    CurrencyAmount imposta() const { return CurrencyAmount::fromUnits(m_tax); }
    CurrencyAmount totale() const { return CurrencyAmount::fromUnits(m_net + m_tax); }

private:
    qint64 m_net = 0;
    qint64 m_tax = 0;
};
