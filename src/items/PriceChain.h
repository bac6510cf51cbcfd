#pragma once

#include <QCoreApplication>
#include <QString>

class Profile;

// The item dialog's two price lines: from the purchase price, through VAT, mark-up and
// discount, to the final selling price. Every product is a currency amount times a real, so
// the lines round as the documents do.
struct PriceChain {
    QString purchaseLine; // "Prezzo netto acquisto: ..." or "Prezzo totale acquisto: ..."
    QString sellingLine;  // "Prezzo totale vendita: ..."

    // The texts as typed: price as an amount, VAT, mark-up and discount as percentages (an
    // empty mark-up or discount counts as 0). A price that is not an amount gives
    // "Impossibile calcolare!" on both lines.
    static PriceChain Compute(const Profile& profile, const QString& price, const QString& vat,
                              bool vatIncluded, const QString& markup, const QString& discount);

    static QString Impossible() {
        return QCoreApplication::translate("PriceChain", "Impossibile calcolare!");
    }
};
