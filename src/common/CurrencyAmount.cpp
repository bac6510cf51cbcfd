#include "common/CurrencyAmount.h"

#include <cmath>
#include <limits>

CurrencyAmount CurrencyAmount::invalid() {
    CurrencyAmount a;
    a.m_status = Status::Invalid;
    return a;
}

CurrencyAmount CurrencyAmount::fromUnits(qint64 tenThousandths) {
    CurrencyAmount a;
    a.m_status = Status::Valid;
    a.m_units = tenThousandths;
    return a;
}

CurrencyAmount CurrencyAmount::fromDouble(double value) {
    if (!std::isfinite(value))
        return invalid();
    const double scaled = std::round(value * double(kScale));
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (scaled >= 9223372036854775808.0 || scaled < -9223372036854775808.0)
        return invalid();
    return fromUnits(qint64(scaled));
}

CurrencyAmount CurrencyAmount::fromDecimalString(const QString& input) {
    const QString text = input.trimmed();
    if (text.isEmpty())
        return invalid();
    int i = 0;
    bool negative = false;
    if (text[0] == u'-' || text[0] == u'+') {
        negative = text[0] == u'-';
        ++i;
    }
    // Accumulate as an unsigned magnitude to keep the exact value of the most negative amount.
    quint64 whole = 0;
    int digits = 0;
    const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + 1;
    for (; i < text.size() && text[i].isDigit(); ++i, ++digits) {
        whole = whole * 10 + quint64(text[i].digitValue());
        if (whole > limit / quint64(kScale))
            return invalid();
    }
    quint64 fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        for (; i < text.size() && text[i].isDigit(); ++i, ++digits) {
            if (fractionDigits < 4) {
                fraction = fraction * 10 + quint64(text[i].digitValue());
                ++fractionDigits;
            } else if (fractionDigits == 4) {
                roundUp = text[i].digitValue() >= 5;
                ++fractionDigits;
            }
        }
    }
    if (i != text.size() || digits == 0)
        return invalid();
    for (int d = std::min(fractionDigits, 4); d < 4; ++d)
        fraction *= 10;
    quint64 magnitude = whole * quint64(kScale) + fraction + (roundUp ? 1 : 0);
    if (magnitude > limit || (!negative && magnitude == limit))
        return invalid();
    return fromUnits(negative ? qint64(0 - magnitude) : qint64(magnitude));
}

QString CurrencyAmount::toDecimalString() const {
    if (!isValid())
        return QString();
    const bool negative = m_units < 0;
    const quint64 magnitude = negative ? 0 - quint64(m_units) : quint64(m_units);
    const QString fraction = QString::number(magnitude % quint64(kScale)).rightJustified(4, u'0');
    return (negative ? QStringLiteral("-") : QString()) +
           QString::number(magnitude / quint64(kScale)) + u'.' + fraction;
}
