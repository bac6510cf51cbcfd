#include "print/DocumentMoney.h"

#include "common/Profile.h"
#include "company/Formats.h"
#include "store/records/MovimentiRecord.h"
#include "store/records/SottoMovimentiRecord.h"

DocumentMoney::DocumentMoney(const Profile& profile, const MovimentiRecord& header,
                             PrintCurrency currency)
    : m_profile(profile) {
    m_document = currency == PrintCurrency::Document && !header.SimbVal.isEmpty();
    if (!m_document)
        return;
    // A rate of 0 or less (or none) means the two currencies are worth the same.
    const float rate = header.ValCambio.value_or(1.0f);
    m_rate = rate > 0.0f ? double(rate) : 1.0;
    m_symbol = header.SimbVal;
    m_decimal = header.SepDecVal;
    m_grouping = header.SepMigVal;
    m_decimals = header.DecVal.value_or(2);
    m_numberDecimal = header.SepDecNum;
    m_numberGrouping = header.SepMigNum;
    // The document's count of decimals goes with its own separators; without them the
    // company's number format applies whole.
    m_numberDecimals = header.SepDecNum.isEmpty() ? -1 : header.DecNum.value_or(2);
}

CurrencyAmount DocumentMoney::price(const CurrencyAmount& stored) const {
    const CurrencyAmount p = stored.isValid() ? stored : CurrencyAmount::fromUnits(0);
    return m_document ? MultiplyCurrency(p, m_rate) : p;
}

RowAmounts DocumentMoney::rowAmounts(const SottoMovimentiRecord& row) const {
    SottoMovimentiRecord printed = row;
    printed.Prezzo = price(row.Prezzo);
    return ComputeRowAmounts(printed);
}

QString DocumentMoney::amount(const CurrencyAmount& value) const {
    if (m_document)
        return FormatCurrency(m_profile, value, m_decimals, m_symbol, m_decimal, m_grouping);
    return FormatCurrency(m_profile, value);
}

QString DocumentMoney::unitPrice(const CurrencyAmount& printedPrice) const {
    const int d = m_document
                      ? m_decimals
                      : m_profile.integer(Profile::Section::Azienda, QStringLiteral("NDecVal"), -1);
    const int decimals = d == 1 || d == 2 ? d + 1 : d;
    if (m_document)
        return FormatCurrency(m_profile, printedPrice, decimals, m_symbol, m_decimal, m_grouping);
    return FormatCurrency(m_profile, printedPrice, decimals);
}

QString DocumentMoney::number(double value) const {
    return FormatNumber(m_profile, value, m_numberDecimals, false, m_numberDecimal,
                        m_numberGrouping);
}

QString DocumentMoney::percent(double fraction) const {
    return FormatNumber(m_profile, fraction, m_numberDecimals, true, m_numberDecimal,
                        m_numberGrouping);
}
