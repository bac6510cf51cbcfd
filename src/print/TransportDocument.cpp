#include "print/TransportDocument.h"

#include <QPainter>

namespace {

constexpr double kLeft = 50, kRight = 1985, kPad = 10;
constexpr double kTableTop = -600, kHeaderBottom = -640, kLinePitch = 48;
constexpr double kCodeLeft = 60, kItemLeft = 400, kQuantityLeft = 1600, kQuantityRight = 1975;

} // namespace

TransportDocument::TransportDocument(const PrintSource& source, MovementPrintData data,
                                     PrintKind kind)
    : MovementDocument(source, std::move(data), PrintCurrency::Company), m_kind(kind) {
    if (m_kind != PrintKind::LoadTransportDocument)
        m_kind = PrintKind::TransportDocument;
    paginate(RowsPerPage(m_kind));
    for (const MovementPrintRow& r : std::as_const(m_data.rows))
        m_rowTexts.append(
            {r.code, r.description,
             QStringLiteral("%1 %2").arg(m_money.number(double(r.row.Qt.value_or(0))), r.unit),
             r.row.Notes.trimmed()});
}

QString TransportDocument::fileBaseName() const {
    return baseName(QStringLiteral("DDT"));
}

void TransportDocument::drawPage(PageFrame& frame, int page) {
    if (m_kind == PrintKind::LoadTransportDocument)
        frame.drawCompanyBlock(m_company, 50);
    else
        frame.drawHeader(m_company, m_logoFile);

    // The title is wider than the room beside the company block: the abbreviation goes under.
    frame.painter().setFont(frame.titleFont());
    frame.drawText(1200, -50, 2050, -110, Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("DOCUMENTO DI TRASPORTO"));
    frame.drawText(1200, -110, 2050, -170, Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("( d.d.t. )"));

    // Number, date and page.
    const double top = -400, bottom = -500, c1 = 450, c2 = 850, r = 1247;
    drawBox(frame, kLeft, top, r, bottom);
    drawLine(frame, c1, top, c1, bottom);
    drawLine(frame, c2, top, c2, bottom);
    drawField(frame, kLeft, top, c1, QStringLiteral("Numero"), m_data.header.Numero);
    drawField(frame, c1, top, c2, QStringLiteral("Data"), dateText());
    drawField(frame, c2, top, r, QStringLiteral("Pagina"), PageShortText(page, pageCount()));

    const MovementPrintCounterpart& c = m_data.counterpart;
    drawBlock(frame, 1280, -240, 1970, -280, QStringLiteral("DESTINATARIO"),
              {c.name, c.address, c.town});
    const MovimentiRecord& h = m_data.header;
    if (!(h.RagSocDiv + h.IndirizzoDiv + h.ComuneDiv).trimmed().isEmpty())
        drawBlock(frame, 1280, -420, 1970, -460, QStringLiteral("Destinazione Diversa"),
                  {h.RagSocDiv, h.IndirizzoDiv, h.ComuneDiv});

    // Rows.
    const double tableBottom = kHeaderBottom - rowsPerPage() * kLinePitch;
    drawBox(frame, kLeft, kTableTop, kRight, tableBottom);
    drawLine(frame, kLeft, kHeaderBottom, kRight, kHeaderBottom);
    drawLine(frame, kItemLeft, kTableTop, kItemLeft, tableBottom);
    drawLine(frame, kQuantityLeft, kTableTop, kQuantityLeft, tableBottom);
    frame.painter().setFont(frame.labelFont());
    const int left = Qt::AlignLeft | Qt::AlignVCenter, right = Qt::AlignRight | Qt::AlignVCenter;
    frame.drawText(kCodeLeft, kTableTop, kItemLeft - kPad, kHeaderBottom, left,
                   QStringLiteral("Codice"));
    frame.drawText(kItemLeft + kPad, kTableTop, kQuantityLeft - kPad, kHeaderBottom, left,
                   QStringLiteral("Articolo"));
    frame.drawText(kQuantityLeft + kPad, kTableTop, kQuantityRight, kHeaderBottom, right,
                   QStringLiteral("Quantità"));
    QFont noteFont = frame.pointFont(7.5);
    noteFont.setItalic(true);
    double y = kHeaderBottom;
    for (const Line& line : linesOfPage(page)) {
        const RowText& t = m_rowTexts[line.row];
        if (line.note) {
            frame.painter().setFont(noteFont);
            drawFitted(frame, kItemLeft + kPad, y, kQuantityLeft - kPad, y - kLinePitch, left,
                       t.note);
        } else {
            frame.painter().setFont(frame.bodyFont());
            drawFitted(frame, kCodeLeft, y, kItemLeft - kPad, y - kLinePitch, left, t.code);
            drawFitted(frame, kItemLeft + kPad, y, kQuantityLeft - kPad, y - kLinePitch, left,
                       t.description);
            drawFitted(frame, kQuantityLeft + kPad, y, kQuantityRight, y - kLinePitch, right,
                       t.quantity);
        }
        y -= kLinePitch;
    }
    drawTransportBlock(frame);
}

void TransportDocument::drawTransportBlock(PageFrame& frame) {
    const MovimentiRecord& h = m_data.header;
    drawLine(frame, kLeft, -2150, 1980, -2150);

    // Left: the reason, the means of transport and the notes.
    frame.painter().setFont(frame.labelFont());
    frame.drawText(60, -2170, QStringLiteral("Causale"));
    drawBox(frame, 60, -2240, 940, -2290);
    frame.painter().setFont(frame.bodyFont());
    drawFitted(frame, 60 + kPad, -2240, 940 - kPad, -2290, Qt::AlignLeft | Qt::AlignVCenter,
               h.Causale);

    frame.painter().setFont(frame.labelFont());
    frame.drawText(60, -2305, QStringLiteral("Trasporto a Mezzo"));
    const double boxes[] = {100, 350, 650};
    const char* means[] = {"Mittente", "Destinatario", "Vettore"};
    for (int i = 0; i < 3; ++i) {
        drawBox(frame, boxes[i], -2350, boxes[i] + 40, -2390);
        frame.painter().setFont(frame.bodyFont());
        frame.drawText(boxes[i] + 55, -2350, boxes[i] + 290, -2390,
                       Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(means[i]));
    }
    if (!h.Vettore.trimmed().isEmpty()) {
        frame.painter().setFont(frame.labelFont());
        frame.drawText(650, -2350, 690, -2390, Qt::AlignCenter, QStringLiteral("X"));
    }
    drawBox(frame, kLeft, -2410, 990, -2520);
    drawField(frame, kLeft, -2410, 990, QStringLiteral("Annotazioni"), QString());

    // Right: carrier, parcels, weight, carriage, look and pick-up time.
    const double l = 1000, r = 1980;
    drawBox(frame, l, -2165, r, -2255);
    drawField(frame, l, -2165, r, QStringLiteral("Vettore"), h.Vettore);
    drawBox(frame, l, -2255, r, -2345);
    drawLine(frame, 1300, -2255, 1300, -2345);
    drawLine(frame, 1600, -2255, 1600, -2345);
    drawField(frame, l, -2255, 1300, QStringLiteral("Numero Colli"), h.Colli);
    drawField(frame, 1300, -2255, 1600, QStringLiteral("Peso"), h.Peso);
    drawField(frame, 1600, -2255, r, QStringLiteral("Porto"), h.Porto);
    drawBox(frame, l, -2345, r, -2435);
    drawLine(frame, 1450, -2345, 1450, -2435);
    drawField(frame, l, -2345, 1450, QStringLiteral("Aspetto"), h.Aspetto);
    drawField(frame, 1450, -2345, r, QStringLiteral("Data e Ora del Ritiro"), QString());

    // Signatures.
    const double st = -2560, sb = -2720;
    const double edges[] = {kLeft, 693, 1336, 1980};
    const char* signers[] = {"Firma del Conducente", "Firma del Vettore", "Firma del Destinatario"};
    for (int i = 0; i < 3; ++i) {
        drawBox(frame, edges[i], st, edges[i + 1], sb);
        drawField(frame, edges[i], st, edges[i + 1], QString::fromUtf8(signers[i]), QString());
    }
}
