#include "print/InvoiceDocument.h"

#include <QFontMetricsF>
#include <QPainter>
#include <map>

namespace {

// A column of the rows table, from its left edge to its right edge.
struct Column {
    const char* heading;
    double left, right;
    bool number;
};

constexpr Column kInvoiceColumns[] = {
    {"Codice", 60, 290, false},   {"Articolo", 290, 790, false},
    {"Quantità", 790, 990, true}, {"Prezzo Un.", 990, 1237, true},
    {"Sconto", 1237, 1440, true}, {"Importo Netto", 1440, 1790, true},
    {"IVA", 1790, 1967, true},
};
constexpr Column kReducedColumns[] = {
    {"Codice", 60, 290, false},    {"Descrizione Prodotto", 290, 990, false},
    {"Quantità", 990, 1237, true}, {"Prezzo Un.", 1237, 1490, true},
    {"Sconto", 1490, 1690, true},  {"Importo", 1690, 1967, true},
};

constexpr double kLeft = 50, kRight = 1985;
constexpr double kTableTop = -755, kHeaderBottom = -795;
// Rows and footer lines share one pitch, so that an empty footer line makes room for one row.
constexpr double kLinePitch = 45;
constexpr double kPad = 10;

CurrencyAmount plus(const CurrencyAmount& a, const CurrencyAmount& b) {
    return CurrencyAmount::fromUnits((a.isValid() ? a.units() : 0) + (b.isValid() ? b.units() : 0));
}

QString joinNonEmpty(const QStringList& parts, const QString& separator) {
    QStringList kept;
    for (const QString& p : parts)
        if (!p.trimmed().isEmpty())
            kept << p;
    return kept.join(separator);
}

} // namespace

InvoiceDocument::InvoiceDocument(const PrintSource& source, MovementPrintData data, PrintKind kind,
                                 PrintCurrency currency)
    : MovementDocument(source, std::move(data), currency), m_kind(kind) {
    if (m_kind != PrintKind::PurchaseInvoice)
        m_kind = PrintKind::Invoice;
    m_reduced = m_kind == PrintKind::Invoice && m_data.reducedRegime();
    const int empty = EmptyFooterLines(m_data.countedFooterLines(m_reduced));
    paginate(RowsPerPage(m_kind, m_reduced, empty));

    m_goods = m_discount = m_net = m_tax = CurrencyAmount::fromUnits(0);
    std::map<float, VatLine> byRate;
    for (const MovementPrintRow& r : std::as_const(m_data.rows)) {
        const RowAmounts a = m_money.rowAmounts(r.row);
        RowText t;
        t.code = r.code;
        t.description = r.description;
        t.quantity =
            QStringLiteral("%1 %2").arg(m_money.number(double(r.row.Qt.value_or(0))), r.unit);
        t.price = m_money.unitPrice(m_money.price(r.row.Prezzo));
        t.discount = m_money.percent(double(r.row.Sconto.value_or(0)));
        t.net = m_money.amount(a.net);
        t.vat = m_money.percent(double(r.row.Iva.value_or(0)));
        t.note = r.row.Notes.trimmed();
        m_rowTexts.append(t);

        m_goods = plus(m_goods, a.amount);
        m_discount = plus(m_discount, a.discount);
        m_net = plus(m_net, a.net);
        m_tax = plus(m_tax, a.tax);
        // A rate missing from a row written by other means adds no tax: it counts as 0.
        const float rate = r.row.Iva.value_or(0.0f);
        VatLine& line = byRate[rate];
        line.rate = double(rate);
        line.net = plus(line.net, a.net);
        line.tax = plus(line.tax, a.tax);
    }
    for (const auto& [rate, line] : byRate)
        m_vat.append(line);
    m_total = plus(m_net, m_tax);
}

QString InvoiceDocument::fileBaseName() const {
    return baseName(m_kind == PrintKind::PurchaseInvoice ? QStringLiteral("Fattura Acquisto")
                                                         : QStringLiteral("Fattura"));
}

void InvoiceDocument::drawPage(PageFrame& frame, int page) {
    if (m_kind == PrintKind::PurchaseInvoice)
        frame.drawCompanyBlock(m_company, 50, false);
    else
        frame.drawHeader(m_company, m_logoFile, true);
    drawTitle(frame);
    drawDocumentBox(frame, page);
    drawParties(frame);
    const double bottom = drawRows(frame, page);
    drawFooter(frame, bottom - 10, page == pageCount());
}

void InvoiceDocument::drawTitle(PageFrame& frame) {
    const QString title = m_data.header.Titolo.trimmed();
    frame.painter().setFont(frame.titleFont());
    if (!title.isEmpty()) {
        // A title of up to 30 characters may need three lines, or hold a word wider than the
        // box: the font shrinks until the title, wrapped at its spaces, fits the box. A little
        // width is kept in hand, as the device's metrics and the drawn text differ slightly.
        const double width = 500 * 0.92, height = 100;
        const QStringList words = title.split(u' ', Qt::SkipEmptyParts);
        QStringList lines;
        double pitch = 0;
        for (double size = 50; size >= 25; size -= 2.5) {
            frame.painter().setFont(frame.unitFont(size, true));
            const QFontMetricsF metrics(frame.painter().font(), frame.painter().device());
            lines.clear();
            for (const QString& word : words) {
                if (!lines.isEmpty() &&
                    metrics.horizontalAdvance(lines.last() + u' ' + word) <= width)
                    lines.last() += u' ' + word;
                else
                    lines << word;
            }
            pitch = metrics.height();
            bool fits = lines.size() * pitch <= height;
            for (const QString& line : std::as_const(lines))
                fits = fits && metrics.horizontalAdvance(line) <= width;
            if (fits)
                break;
        }
        double y = -100;
        for (const QString& line : std::as_const(lines)) {
            frame.drawText(1400, y, 1900, y - pitch,
                           Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, line);
            y -= pitch;
        }
        return;
    }
    frame.drawText(1200, -50, QStringLiteral("DOCUMENTO DI TRASPORTO"));
    frame.drawText(1280, -100, QStringLiteral("FATTURA IMMEDIATA"));
    frame.painter().setFont(frame.bodyFont());
    frame.drawText(1310, -150, QStringLiteral("D.P.R. 633 del 26-10-1972"));
}

void InvoiceDocument::drawDocumentBox(PageFrame& frame, int page) {
    const double l = 50, r = 1247, top = -400, bottom = -747;
    const double c1 = 450, c2 = 850, row2 = -500, row3 = -600;
    drawBox(frame, l, top, r, bottom);
    drawLine(frame, l, row2, r, row2);
    drawLine(frame, l, row3, r, row3);
    drawLine(frame, c1, top, c1, row3);
    drawLine(frame, c2, top, c2, row3);
    const MovementPrintCounterpart& c = m_data.counterpart;
    drawField(frame, l, top, c1, QStringLiteral("Numero"), m_data.header.Numero);
    drawField(frame, c1, top, c2, QStringLiteral("Data"), dateText());
    drawField(frame, c2, top, r, QStringLiteral("Pagina"), PageShortText(page, pageCount()));
    drawField(frame, l, row2, c1, QStringLiteral("Cod.Cliente"), c.code);
    drawField(frame, c1, row2, c2, QStringLiteral("P.IVA Cliente"), c.vatNumber);
    drawField(frame, c2, row2, r, QStringLiteral("Cod.Fisc. Cliente"), c.taxCode);
    drawField(frame, l, row3, r, QStringLiteral("Condizioni di Pagamento - Banca D'Appoggio"),
              joinNonEmpty({m_data.header.CondPag, m_data.header.Banca}, QStringLiteral(" - ")));
    if (!m_data.header.IBAN.trimmed().isEmpty()) {
        frame.painter().setFont(frame.bodyFont());
        drawFitted(frame, l + kPad, row3 - 90, r - kPad, row3 - 130,
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("IBAN: %1").arg(m_data.header.IBAN));
    }
}

void InvoiceDocument::drawParties(PageFrame& frame) {
    const MovementPrintCounterpart& c = m_data.counterpart;
    drawBlock(frame, 1280, -240, 1970, -280, QStringLiteral("ACQUIRENTE"),
              {c.name, c.address, c.town});
    auto either = [](const QString& own, const QString& fallback) {
        return own.trimmed().isEmpty() ? fallback : own;
    };
    drawBlock(frame, 1280, -420, 1970, -460, QStringLiteral("DESTINATARIO"),
              {either(m_data.header.RagSocDiv, c.name),
               either(m_data.header.IndirizzoDiv, c.address),
               either(m_data.header.ComuneDiv, c.town)});
}

double InvoiceDocument::drawRows(PageFrame& frame, int page) {
    const Column* columns = m_reduced ? kReducedColumns : kInvoiceColumns;
    const int columnCount =
        m_reduced ? int(std::size(kReducedColumns)) : int(std::size(kInvoiceColumns));
    const double bottom = kHeaderBottom - rowsPerPage() * kLinePitch;
    drawBox(frame, kLeft, kTableTop, kRight, bottom);
    drawLine(frame, kLeft, kHeaderBottom, kRight, kHeaderBottom);
    frame.painter().setFont(frame.labelFont());
    for (int i = 0; i < columnCount; ++i) {
        const Column& col = columns[i];
        if (i > 0)
            drawLine(frame, col.left, kTableTop, col.left, bottom);
        drawFitted(frame, col.left + kPad, kTableTop, col.right - kPad, kHeaderBottom,
                   (col.number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                   QString::fromUtf8(col.heading));
    }

    QFont noteFont = frame.pointFont(7.5);
    noteFont.setItalic(true);
    double y = kHeaderBottom;
    for (const Line& line : linesOfPage(page)) {
        const RowText& t = m_rowTexts[line.row];
        if (line.note) {
            // The note spans the description and the figures beside it, under its row.
            frame.painter().setFont(noteFont);
            drawFitted(frame, columns[1].left + kPad, y, columns[columnCount - 2].right - kPad,
                       y - kLinePitch, Qt::AlignLeft | Qt::AlignVCenter, t.note);
        } else {
            const QString texts[] = {t.code,     t.description, t.quantity, t.price,
                                     t.discount, t.net,         t.vat};
            frame.painter().setFont(frame.bodyFont());
            for (int i = 0; i < columnCount; ++i)
                drawFitted(frame, columns[i].left + kPad, y, columns[i].right - kPad,
                           y - kLinePitch,
                           (columns[i].number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                           texts[i]);
        }
        y -= kLinePitch;
    }
    return bottom;
}

void InvoiceDocument::drawFooter(PageFrame& frame, double top, bool lastPage) {
    const MovimentiRecord& h = m_data.header;
    // Transport data.
    struct Cell {
        const char* label;
        QString value;
        double left, right;
    };
    QVector<Cell> cells;
    if (m_reduced)
        cells = {{"Causale", h.Causale, 50, 480},    {"Vettore", h.Vettore, 480, 1050},
                 {"Aspetto", h.Aspetto, 1050, 1350}, {"N.Colli", h.Colli, 1350, 1560},
                 {"Peso", h.Peso, 1560, 1770},       {"Porto", h.Porto, 1770, 1985}};
    else
        cells = {{"Causale", h.Causale, 50, 600},
                 {"Vettore", h.Vettore, 600, 1300},
                 {"Aspetto", h.Aspetto, 1300, 1580},
                 {"N.Colli", h.Colli, 1580, 1780},
                 {"Peso", h.Peso, 1780, 1985}};
    drawBox(frame, kLeft, top, kRight, top - 100);
    for (const Cell& c : cells) {
        if (c.left > kLeft)
            drawLine(frame, c.left, top, c.left, top - 100);
        drawField(frame, c.left, top, c.right, QString::fromUtf8(c.label), c.value);
    }

    // Totals on the right, the VAT summary on the left; the figures on the last page only.
    const double area = top - 110;
    struct Total {
        const char* label;
        CurrencyAmount value;
        bool bold;
    };
    QVector<Total> totals;
    if (m_reduced)
        totals = {{"Totale Merce", m_goods, false},
                  {"Totale Sconto", m_discount, false},
                  {"Totale Fattura", m_total, true}};
    else
        totals = {{"Totale Merce", m_goods, false},
                  {"Totale Sconto", m_discount, false},
                  {"Totale Imponibile", m_net, false},
                  {"Totale IVA", m_tax, false},
                  {"Totale Fattura", m_total, true}};
    const double totalPitch = 46;
    const double areaHeight = totals.size() * totalPitch + 10;
    drawBox(frame, 1120, area, kRight, area - areaHeight);
    double y = area - 5;
    for (const Total& t : totals) {
        frame.painter().setFont(frame.pointFont(9, t.bold));
        frame.drawText(1130, y, 1600, y - totalPitch, Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromUtf8(t.label));
        if (lastPage)
            drawFitted(frame, 1600, y, kRight - kPad, y - totalPitch,
                       Qt::AlignRight | Qt::AlignVCenter, m_money.amount(t.value));
        y -= totalPitch;
    }

    if (!m_reduced) {
        const double l = kLeft, r = 1100, headBottom = area - 40;
        drawBox(frame, l, area, r, area - areaHeight);
        drawLine(frame, l, headBottom, r, headBottom);
        struct VatColumn {
            const char* heading;
            double left, right;
        };
        const VatColumn vc[] = {{"Imponibile", 60, 480}, {"IVA", 480, 700}, {"Imposta", 700, 1090}};
        frame.painter().setFont(frame.labelFont());
        for (const VatColumn& c : vc)
            frame.drawText(c.left, area, c.right, headBottom, Qt::AlignRight | Qt::AlignVCenter,
                           QString::fromUtf8(c.heading));
        if (lastPage && !m_vat.isEmpty()) {
            const double room = areaHeight - 45;
            const double pitch = qMin(38.0, room / m_vat.size());
            frame.painter().setFont(pitch < 30 ? frame.pointFont(6) : frame.bodyFont());
            double vy = headBottom - 2;
            for (const VatLine& v : std::as_const(m_vat)) {
                const QString texts[] = {m_money.amount(v.net), m_money.percent(v.rate),
                                         m_money.amount(v.tax)};
                for (int i = 0; i < 3; ++i)
                    drawFitted(frame, vc[i].left, vy, vc[i].right, vy - pitch,
                               Qt::AlignRight | Qt::AlignVCenter, texts[i]);
                vy -= pitch;
            }
        }
    }

    // The footer lines one under the other; an empty one leaves no gap.
    double fy = area - areaHeight - 10;
    const int lineFlags = Qt::AlignLeft | Qt::AlignVCenter;
    auto smallLine = [&](const QString& text) {
        if (text.trimmed().isEmpty())
            return;
        frame.painter().setFont(frame.pointFont(6));
        drawFitted(frame, kLeft, fy, kRight, fy - kLinePitch, lineFlags, text);
        fy -= kLinePitch;
    };
    if (m_reduced) {
        smallLine(h.Riga1Min);
        smallLine(h.Riga2Min);
        smallLine(h.Riga3Min);
    }
    if (!h.Riga1SX.trimmed().isEmpty() || !h.Riga1DX.trimmed().isEmpty()) {
        frame.painter().setFont(frame.pointFont(7.5));
        drawFitted(frame, kLeft, fy, 1010, fy - kLinePitch, lineFlags, h.Riga1SX);
        drawFitted(frame, 1020, fy, kRight, fy - kLinePitch, Qt::AlignRight | Qt::AlignVCenter,
                   h.Riga1DX);
        fy -= kLinePitch;
    }
    smallLine(h.Riga2);
    smallLine(h.Riga3);
    smallLine(h.Riga4);
}
