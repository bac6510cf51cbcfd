#pragma once

#include "movements/MovementStore.h"

#include <QString>
#include <array>

class Profile;

// The texts of a movement that "Altri Dati" edits: transport data, invoice data, an alternative
// destination of the goods and the footer lines printed on invoices. Each is held as typed; an
// empty text is stored as NULL.
struct OtherData {
    // Transport.
    QString causale, vettore, aspetto, porto, colli, peso;
    // Invoice.
    QString banca, iban, condPag, titolo;
    // Alternative destination.
    QString ragSocDiv, indirizzoDiv, comuneDiv;
    // Footer lines, then the footer lines of the reduced-regime invoice.
    QString riga1SX, riga1DX, riga2, riga3, riga4;
    QString riga1Min, riga2Min, riga3Min;

    friend bool operator==(const OtherData&, const OtherData&) = default;
};

OtherData OtherDataOf(const MovimentiRecord& header);
// Copies every text into the header; an empty text becomes NULL.
void ApplyOtherData(const OtherData& data, MovimentiRecord& header);

// One text of OtherData: its column in Movimenti, the most characters it takes, and the group it
// belongs to. Only the transport texts apply to every kind of movement; the others belong to an
// invoice and so to unloads alone.
struct OtherDataField {
    enum class Group { Transport, Invoice, Destination, Footer };
    const char* column;
    int limit;
    Group group;
    QString OtherData::*text;
};
inline constexpr int kOtherDataFieldCount = 21;
// Every text in the order of the dialog's checks.
const std::array<OtherDataField, kOtherDataFieldCount>& OtherDataFields();
// The field of a column ("Causale", "Riga1Min"), or null.
const OtherDataField* FindOtherDataField(const QString& column);

// The footer lines of OtherData, and back.
FooterLines FooterOf(const OtherData& data);
void ApplyFooter(const FooterLines& lines, OtherData& data);

// The texts of "Testo Default": the footer a user asks for again, which for the reduced-regime
// lines is the stamp-duty and out-of-scope notice of today's regime, not the older one a new
// unload starts with.
FooterLines DefaultInvoiceFooter();

// Keeps the footer lines for the next new unloads: each under its own name in "Settings", and
// "RowsSaved" set to 1.
void SaveInvoiceFooter(Profile& profile, const FooterLines& lines);

// What an invoice's data start as when it has no title yet.
namespace OtherDataDefaults {
inline const QString kAspetto = QStringLiteral("VISIBILE");
inline const QString kPorto = QStringLiteral("FRANCO");
inline const QString kTitolo = QStringLiteral("FATTURA IMMEDIATA");
} // namespace OtherDataDefaults
