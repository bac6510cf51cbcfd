#include "movements/OtherData.h"

#include "common/Profile.h"
#include "store/records/MovimentiRecord.h"

namespace {

using G = OtherDataField::Group;

// The header column of each text, in the same order as OtherDataFields().
constexpr std::array<QString MovimentiRecord::*, kOtherDataFieldCount> kColumns{
    &MovimentiRecord::Causale,   &MovimentiRecord::Vettore,   &MovimentiRecord::Aspetto,
    &MovimentiRecord::Porto,     &MovimentiRecord::Colli,     &MovimentiRecord::Peso,
    &MovimentiRecord::Banca,     &MovimentiRecord::IBAN,      &MovimentiRecord::CondPag,
    &MovimentiRecord::Titolo,    &MovimentiRecord::RagSocDiv, &MovimentiRecord::IndirizzoDiv,
    &MovimentiRecord::ComuneDiv, &MovimentiRecord::Riga1SX,   &MovimentiRecord::Riga1DX,
    &MovimentiRecord::Riga2,     &MovimentiRecord::Riga3,     &MovimentiRecord::Riga4,
    &MovimentiRecord::Riga1Min,  &MovimentiRecord::Riga2Min,  &MovimentiRecord::Riga3Min,
};

} // namespace

const std::array<OtherDataField, kOtherDataFieldCount>& OtherDataFields() {
    static const std::array<OtherDataField, kOtherDataFieldCount> fields{{
        {"Causale", 20, G::Transport, &OtherData::causale},
        {"Vettore", 100, G::Transport, &OtherData::vettore},
        {"Aspetto", 20, G::Transport, &OtherData::aspetto},
        {"Porto", 20, G::Transport, &OtherData::porto},
        {"Colli", 10, G::Transport, &OtherData::colli},
        {"Peso", 10, G::Transport, &OtherData::peso},
        {"Banca", 200, G::Invoice, &OtherData::banca},
        {"IBAN", 50, G::Invoice, &OtherData::iban},
        {"CondPag", 30, G::Invoice, &OtherData::condPag},
        {"Titolo", 30, G::Invoice, &OtherData::titolo},
        {"RagSocDiv", 100, G::Destination, &OtherData::ragSocDiv},
        {"IndirizzoDiv", 100, G::Destination, &OtherData::indirizzoDiv},
        {"ComuneDiv", 100, G::Destination, &OtherData::comuneDiv},
        {"Riga1SX", 50, G::Footer, &OtherData::riga1SX},
        {"Riga1DX", 50, G::Footer, &OtherData::riga1DX},
        {"Riga2", 200, G::Footer, &OtherData::riga2},
        {"Riga3", 200, G::Footer, &OtherData::riga3},
        {"Riga4", 200, G::Footer, &OtherData::riga4},
        {"Riga1Min", 150, G::Footer, &OtherData::riga1Min},
        {"Riga2Min", 150, G::Footer, &OtherData::riga2Min},
        {"Riga3Min", 150, G::Footer, &OtherData::riga3Min},
    }};
    return fields;
}

const OtherDataField* FindOtherDataField(const QString& column) {
    for (const OtherDataField& f : OtherDataFields())
        if (column == QLatin1String(f.column))
            return &f;
    return nullptr;
}

OtherData OtherDataOf(const MovimentiRecord& header) {
    OtherData data;
    for (size_t i = 0; i < kColumns.size(); ++i)
        data.*(OtherDataFields()[i].text) = header.*kColumns[i];
    return data;
}

void ApplyOtherData(const OtherData& data, MovimentiRecord& header) {
    for (size_t i = 0; i < kColumns.size(); ++i) {
        const QString& text = data.*(OtherDataFields()[i].text);
        header.*kColumns[i] = text.isEmpty() ? QString() : text;
    }
}

FooterLines FooterOf(const OtherData& d) {
    return {d.riga1SX, d.riga1DX, d.riga2, d.riga3, d.riga4, d.riga1Min, d.riga2Min, d.riga3Min};
}

void ApplyFooter(const FooterLines& f, OtherData& d) {
    d.riga1SX = f.riga1SX;
    d.riga1DX = f.riga1DX;
    d.riga2 = f.riga2;
    d.riga3 = f.riga3;
    d.riga4 = f.riga4;
    d.riga1Min = f.riga1Min;
    d.riga2Min = f.riga2Min;
    d.riga3Min = f.riga3Min;
}

FooterLines DefaultInvoiceFooter() {
    // The first five lines are those of a new unload; the reduced-regime ones are newer.
    FooterLines lines = DefaultUnloadFooter();
    lines.riga1Min = QStringLiteral("Imposta di bollo assolta ai sensi dell’art. 13 della Tariffa "
                                    "allegata al DPR 26.10.72 n. 642");
    lines.riga2Min = QStringLiteral(
        "Operazione fuori campo IVA ai sensi dell'art. 1, commi 54-89, L. 23/12/2014, n.190");
    lines.riga3Min = QStringLiteral("Bollo di €. 2,00 su originale");
    return lines;
}

void SaveInvoiceFooter(Profile& profile, const FooterLines& f) {
    using S = Profile::Section;
    const std::pair<const char*, const QString*> lines[] = {
        {"Riga1SX", &f.riga1SX},   {"Riga1DX", &f.riga1DX},   {"Riga2", &f.riga2},
        {"Riga3", &f.riga3},       {"Riga4", &f.riga4},       {"Riga1Min", &f.riga1Min},
        {"Riga2Min", &f.riga2Min}, {"Riga3Min", &f.riga3Min},
    };
    for (const auto& [name, text] : lines)
        profile.setValue(S::Settings, QLatin1String(name), *text);
    profile.setValue(S::Settings, QStringLiteral("RowsSaved"), 1);
}
