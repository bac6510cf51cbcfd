#include "items/ArtCounters.h"

#include "store/TableRecord.h"

namespace {
// A sum as it enters the arithmetic: narrowed to single precision, 0 when not positive.
float positivePart(const std::optional<double>& sum) {
    const float value = sum ? float(*sum) : 0.0f;
    return value > 0.0f ? value : 0.0f;
}

std::optional<float> storedSum(float value) {
    return value > 0.0f ? std::optional<float>(value) : std::nullopt;
}
} // namespace

std::optional<double> ReadSum(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

ArtCounters ComputeArtCounters(const ArtCounterInputs& in) {
    ArtCounters out;
    out.UnMis = in.unitSigla.isEmpty() ? QString() : Record::CutText(in.unitSigla, 5);
    const float car = positivePart(in.carichi);
    const float sca = positivePart(in.scarichi);
    const float res = positivePart(in.resi);
    out.Carichi = storedSum(car);
    out.Scarichi = storedSum(sca);
    out.Resi = storedSum(res);
    out.Giacenza = (car + res + in.giacInit.value_or(0.0f)) - sca;
    if (in.scortaMin) {
        const float r = *in.scortaMin - out.Giacenza;
        if (r > 0.0f)
            out.Riordino = r;
    } else if (out.Giacenza < 0.0f) {
        // A negative stock is always to be reordered, minimum or not.
        out.Riordino = -out.Giacenza;
    }
    out.Ordinato = storedSum(positivePart(in.ordinato));
    if (in.lastMov.isValid())
        out.LastMov = in.lastMov;
    return out;
}

QString ArtCountersUpdateStatement() {
    // Only the derived columns: a recomputation must never write back what a user may have
    // changed on another computer since the row was read.
    return QStringLiteral("UPDATE Articoli SET UnMis = ?, Carichi = ?, Scarichi = ?, Resi = ?, "
                          "Giacenza = ?, Riordino = ?, Ordinato = ?, LastMov = ? "
                          "WHERE IDArticolo = ?");
}

QVariantList ArtCountersValues(const ArtCounters& c, int itemId) {
    return {
        Record::BindText(c.UnMis, 5), Record::BindReal(c.Carichi),     Record::BindReal(c.Scarichi),
        Record::BindReal(c.Resi),     Record::BindReal(c.Giacenza),    Record::BindReal(c.Riordino),
        Record::BindReal(c.Ordinato), Record::BindDateTime(c.LastMov), QVariant(itemId)};
}
