#pragma once

#include "common/CurrencyAmount.h"

#include <optional>

struct ActivePromotion;

// What a movement row's proposed price, VAT and discount come from: the item's columns.
struct ItemPricing {
    CurrencyAmount prezzo;
    std::optional<float> ricarico;
    std::optional<float> iva;
    std::optional<float> sconto;
    bool incIva = false;
};

// The proposal for a row of a movement in a mode (0 load, 1 unload, 2 return, 3 receipt).
struct RowPrice {
    CurrencyAmount net;
    CurrencyAmount gross;
    float vat = 0.22f;
    float discount = 0;
    // False when the discount field keeps what it shows (a cascade that gives nothing).
    bool discountSet = true;
};

// The price after the promotion for n pieces: a discount rate wins; two for one charges n / 2
// pieces of an even n and n / 2 + 1 of an odd one; three for two charges two of every three.
CurrencyAmount PromotedPrice(const CurrencyAmount& price, const ActivePromotion& promotion, int n);

// The item's discount and the counterpart's, in cascade, in single precision.
float CascadeDiscount(std::optional<float> itemDiscount, float counterpartDiscount, bool* set);

// Sales (modes 1 and 3) add the mark-up, the promotion and the discounts; loads and returns
// take the item's price as it is. VAT is the item's, or 22 % when it has none; a price that
// includes VAT is split into net and gross.
RowPrice PriceRow(const ItemPricing& item, int mode, const ActivePromotion* promotion, int quantity,
                  float counterpartDiscount);
