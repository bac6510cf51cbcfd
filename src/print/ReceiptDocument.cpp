#include "print/ReceiptDocument.h"

#include "print/PageCount.h"

#include <QPainter>

namespace {

constexpr double kLeft = 50, kRight = 1985, kPad = 10;
constexpr double kTableTop = -520, kHeaderBottom = -560, kLinePitch = 50;

struct Column {
    const char* heading;
    double left, right;
    bool number;
};
constexpr Column kColumns[] = {
    {"Codice", 60, 340, false},     {"Articolo", 340, 1180, false},
    {"Quantità", 1180, 1420, true}, {"Prezzo Un.", 1420, 1700, true},
    {"Importo", 1700, 1975, true},
};

} // namespace

ReceiptDocument::ReceiptDocument(const PrintSource& source, MovementPrintData data,
                                 PrintCurrency currency)
    : MovementDocument(source, std::move(data), currency) {
    paginate(RowsPerPage(PrintKind::Receipt));
    qint64 total = 0;
    for (const MovementPrintRow& r : std::as_const(m_data.rows)) {
        const RowAmounts a = m_money.rowAmounts(r.row);
        // The receipt shows what is paid: each amount includes its VAT.
        const qint64 units =
            (a.net.isValid() ? a.net.units() : 0) + (a.tax.isValid() ? a.tax.units() : 0);
        total += units;
        m_rowTexts.append(
            {r.code, r.description,
             QStringLiteral("%1 %2").arg(m_money.number(double(r.row.Qt.value_or(0))), r.unit),
             m_money.unitPrice(m_money.price(r.row.Prezzo)),
             m_money.amount(CurrencyAmount::fromUnits(units)), r.row.Notes.trimmed()});
    }
    m_total = CurrencyAmount::fromUnits(total);
}

QString ReceiptDocument::fileBaseName() const {
    return baseName(QStringLiteral("Ricevuta"));
}

void ReceiptDocument::drawPage(PageFrame& frame, int page) {
    frame.drawHeader(m_company, m_logoFile);
    frame.painter().setFont(frame.titleFont());
    frame.drawText(1300, -50, QStringLiteral("RICEVUTA"));
    frame.painter().setFont(frame.bodyFont());
    frame.drawText(1300, -110, QStringLiteral("D.P.R. 633 del 26-10-1972"));
    frame.drawText(1300, -150, QStringLiteral("D.M. 30 marzo 1992"));

    const double top = -400, bottom = -500, c1 = 450, c2 = 850, r = 1247;
    drawBox(frame, kLeft, top, r, bottom);
    drawLine(frame, c1, top, c1, bottom);
    drawLine(frame, c2, top, c2, bottom);
    drawField(frame, kLeft, top, c1, QStringLiteral("Numero"), m_data.header.Numero);
    drawField(frame, c1, top, c2, QStringLiteral("Data"), dateText());
    drawField(frame, c2, top, r, QStringLiteral("Pagina"), PageShortText(page, pageCount()));

    const double tableBottom = kHeaderBottom - rowsPerPage() * kLinePitch;
    drawBox(frame, kLeft, kTableTop, kRight, tableBottom);
    drawLine(frame, kLeft, kHeaderBottom, kRight, kHeaderBottom);
    frame.painter().setFont(frame.labelFont());
    for (int i = 0; i < int(std::size(kColumns)); ++i) {
        const Column& c = kColumns[i];
        if (i > 0)
            drawLine(frame, c.left, kTableTop, c.left, tableBottom);
        frame.drawText(c.left + kPad, kTableTop, c.right - kPad, kHeaderBottom,
                       (c.number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                       QString::fromUtf8(c.heading));
    }
    QFont noteFont = frame.pointFont(7.5);
    noteFont.setItalic(true);
    double y = kHeaderBottom;
    for (const Line& line : linesOfPage(page)) {
        const RowText& t = m_rowTexts[line.row];
        if (line.note) {
            frame.painter().setFont(noteFont);
            drawFitted(frame, kColumns[1].left + kPad, y, kColumns[3].right - kPad, y - kLinePitch,
                       Qt::AlignLeft | Qt::AlignVCenter, t.note);
        } else {
            frame.painter().setFont(frame.bodyFont());
            const QString texts[] = {t.code, t.description, t.quantity, t.price, t.amount};
            for (int i = 0; i < int(std::size(kColumns)); ++i)
                drawFitted(frame, kColumns[i].left + kPad, y, kColumns[i].right - kPad,
                           y - kLinePitch,
                           (kColumns[i].number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                           texts[i]);
        }
        y -= kLinePitch;
    }

    const double ft = tableBottom - 20, fb = ft - 80;
    drawBox(frame, 1180, ft, kRight, fb);
    frame.painter().setFont(frame.pointFont(9, true));
    frame.drawText(1190, ft, 1600, fb, Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Totale da Pagare"));
    if (page == pageCount())
        drawFitted(frame, 1600, ft, kRight - kPad, fb, Qt::AlignRight | Qt::AlignVCenter,
                   m_money.amount(m_total));
}
