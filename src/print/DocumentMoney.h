#pragma once

#include "common/CurrencyAmount.h"
#include "movements/MovementTotals.h"

#include <QString>

class Profile;
struct MovimentiRecord;
struct SottoMovimentiRecord;

// The currency a movement document is printed in: the company's, or the movement's own
// (SimbVal ... ValCambio). A movement without a currency of its own prints in the company's
// whatever is asked.
enum class PrintCurrency { Company, Document };

// How one document writes its money and numbers. Stored prices are in the company currency;
// in the movement's own currency each unit price is converted first (price x ValCambio) and the
// row amounts are computed from the converted price, as the movement window shows them, so that
// every printed line reads quantity x price = amount.
class DocumentMoney {
public:
    DocumentMoney(const Profile& profile, const MovimentiRecord& header, PrintCurrency currency);

    // True when amounts are converted and written in the movement's own format.
    bool inDocumentCurrency() const { return m_document; }
    double rate() const { return m_rate; }

    // A stored unit price in the printed currency.
    CurrencyAmount price(const CurrencyAmount& stored) const;
    // The row's amounts from its price in the printed currency.
    RowAmounts rowAmounts(const SottoMovimentiRecord& row) const;

    QString amount(const CurrencyAmount& amount) const;
    // Unit prices keep one more decimal than amounts of one or two decimals (as on screen).
    QString unitPrice(const CurrencyAmount& printedPrice) const;
    QString number(double value) const;
    // A rate held as a fraction (0.22) written as a percentage.
    QString percent(double fraction) const;

private:
    const Profile& m_profile;
    bool m_document = false;
    double m_rate = 1.0;
    QString m_symbol, m_decimal, m_grouping;
    int m_decimals = -1;
    QString m_numberDecimal, m_numberGrouping;
    int m_numberDecimals = -1;
};
