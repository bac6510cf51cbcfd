#include "items/PriceChain.h"
#include <QCoreApplication>

#include "company/Formats.h"

PriceChain PriceChain::Compute(const Profile& profile, const QString& price, const QString& vat,
                               bool vatIncluded, const QString& markup, const QString& discount) {
    PriceChain lines;
    const CurrencyAmount p = ParseCurrency(profile, price);
    if (!p.isValid()) {
        lines.purchaseLine = lines.sellingLine = Impossible();
        return lines;
    }
    auto add = [](const CurrencyAmount& a, const CurrencyAmount& b, int sign = 1) {
        return a.isValid() && b.isValid() ? CurrencyAmount::fromUnits(a.units() + sign * b.units())
                                          : CurrencyAmount::invalid();
    };
    const double v = ParseNumber(profile, vat, true);
    CurrencyAmount n = p;
    if (vatIncluded) {
        n = DivideCurrency(p, 1.0 + v);
        lines.purchaseLine = QCoreApplication::translate("PriceChain", "Prezzo netto acquisto: %1")
                                 .arg(FormatCurrency(profile, n));
    } else {
        lines.purchaseLine = QCoreApplication::translate("PriceChain", "Prezzo totale acquisto: %1")
                                 .arg(FormatCurrency(profile, add(p, MultiplyCurrency(p, v))));
    }
    const double r = markup.trimmed().isEmpty() ? 0.0 : ParseNumber(profile, markup, true);
    n = add(n, MultiplyCurrency(n, r));
    const double d = discount.trimmed().isEmpty() ? 0.0 : ParseNumber(profile, discount, true);
    n = add(n, MultiplyCurrency(n, d), -1);
    n = add(n, MultiplyCurrency(n, v));
    lines.sellingLine = n.isValid()
                            ? QCoreApplication::translate("PriceChain", "Prezzo totale vendita: %1")
                                  .arg(FormatCurrency(profile, n))
                            : Impossible();
    return lines;
}
