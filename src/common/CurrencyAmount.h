#pragma once

#include <QString>
#include <QtGlobal>

// An amount of money: a signed 64-bit count of ten-thousandths with a status. Every price and
// total of the program is held in this type, so four decimals are exact.
class CurrencyAmount {
public:
    enum class Status { Valid, Invalid, Null };

    static constexpr qint64 kScale = 10000;

    CurrencyAmount() = default;
    static CurrencyAmount null() { return CurrencyAmount(); }
    static CurrencyAmount invalid();
    static CurrencyAmount fromUnits(qint64 tenThousandths);
    // Rounds half away from zero to the nearest ten-thousandth; out of range gives invalid.
    static CurrencyAmount fromDouble(double value);
    // Reads a plain decimal text ("-12345678.5834", "1e3" is not accepted); more than four
    // decimals are rounded. Anything else gives invalid.
    static CurrencyAmount fromDecimalString(const QString& text);

    Status status() const { return m_status; }
    bool isValid() const { return m_status == Status::Valid; }
    bool isNull() const { return m_status == Status::Null; }
    qint64 units() const { return m_units; }
    double toDouble() const { return double(m_units) / double(kScale); }
    // Plain decimal text with four decimals and '.' ("-0.0001"); empty unless valid.
    QString toDecimalString() const;

    friend bool operator==(const CurrencyAmount& a, const CurrencyAmount& b) {
        return a.m_status == b.m_status && (a.m_status != Status::Valid || a.m_units == b.m_units);
    }

private:
    Status m_status = Status::Null;
    qint64 m_units = 0;
};
