#include "movements/RowPricing.h"

#include "company/Formats.h"
#include "items/ActivePromotion.h"

namespace {

CurrencyAmount plus(const CurrencyAmount& a, const CurrencyAmount& b) {
    if (!a.isValid() || !b.isValid())
        return a.isValid() ? a : b;
    return CurrencyAmount::fromUnits(a.units() + b.units());
}

CurrencyAmount minus(const CurrencyAmount& a, const CurrencyAmount& b) {
    if (!a.isValid() || !b.isValid())
        return a;
    return CurrencyAmount::fromUnits(a.units() - b.units());
}

bool isSale(int mode) {
    return mode == 1 || mode == 3;
}

} // namespace

CurrencyAmount PromotedPrice(const CurrencyAmount& p, const ActivePromotion& promotion, int n) {
    if (!promotion.found || !p.isValid())
        return p;
    if (promotion.sconto)
        return minus(p, MultiplyCurrency(p, double(*promotion.sconto)));
    if (promotion.dueXUno) {
        if (n < 2)
            return p;
        if (n % 2 == 0)
            return minus(p, MultiplyCurrency(p, 0.5));
        return DivideCurrency(plus(MultiplyCurrency(p, n / 2), MultiplyCurrency(p, n % 2)), n);
    }
    if (promotion.treXDue) {
        if (n < 3)
            return p;
        if (n % 3 == 0)
            return minus(p, MultiplyCurrency(p, 0.333334));
        return DivideCurrency(plus(MultiplyCurrency(p, 2 * (n / 3)), MultiplyCurrency(p, n % 3)),
                              n);
    }
    return p;
}

float CascadeDiscount(std::optional<float> itemDiscount, float c, bool* set) {
    *set = true;
    const float s = itemDiscount.value_or(0.0f);
    if (s <= 0)
        return c > 0 ? c : 0.0f;
    if (c <= 0)
        return s;
    const float d = (100.0f - (100.0f - 100.0f * s) * (1.0f - c)) / 100.0f;
    if (d <= 0) {
        *set = false;
        return 0;
    }
    return d;
}

RowPrice PriceRow(const ItemPricing& item, int mode, const ActivePromotion* promotion, int quantity,
                  float counterpartDiscount) {
    RowPrice r;
    CurrencyAmount p = item.prezzo.isValid() ? item.prezzo : CurrencyAmount::fromUnits(0);
    if (isSale(mode)) {
        if (item.ricarico)
            p = plus(p, MultiplyCurrency(p, double(*item.ricarico)));
        if (promotion)
            p = PromotedPrice(p, *promotion, quantity);
    }
    r.vat = item.iva.value_or(0.22f);
    if (item.incIva) {
        r.net = DivideCurrency(p, 1.0 + double(r.vat));
        r.gross = p;
    } else {
        r.net = p;
        r.gross = plus(MultiplyCurrency(p, double(r.vat)), p);
    }
    if (isSale(mode))
        r.discount = CascadeDiscount(item.sconto, counterpartDiscount, &r.discountSet);
    else
        r.discountSet = false;
    return r;
}
