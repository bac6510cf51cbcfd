#include "print/MovementReportDocument.h"

#include "company/Formats.h"
#include "print/PageCount.h"
#include "store/Database.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// Columns, left edges and the right edge of the last one; the name column takes what the six
// figures leave.
constexpr double kColumns[] = {50, 530, 772, 1015, 1257, 1500, 1742, 1985};
constexpr int kColumnCount = 7;
const char* const kFigureHeadings[] = {"Giacenza Iniz.", "Valore Iniz.",    "Giacenza Finale",
                                       "Valore Finale",  "Qt. Movimentata", "Val. Movimentato"};

constexpr double kTableTop = -340;
constexpr double kHeadingBottom = -420;
constexpr double kLineHeight = 55;
constexpr double kCellPadding = 12;
constexpr double kTableBottom = kHeadingBottom - kListLinesPerPage * kLineHeight - 10;

// The totals' boxes at the foot of the page.
constexpr double kTotalsTop = -2670, kTotalsBottom = -2740;

} // namespace

MovementReportDocument::MovementReportDocument(const Profile& profile, const MovementReport& report)
    : m_company(CompanyHeader::FromProfile(profile)), m_grouping(report.request.grouping),
      m_from(report.request.from.date()), m_to(report.request.to.date()) {
    m_fromText = FormatLongDate(m_from);
    m_toText = FormatLongDate(m_to);
    m_lines.reserve(report.lines.size());
    for (const MovementReportLine& l : report.lines) {
        auto quantity = [&](double q) { return l.unitPrefix + FormatNumber(profile, q); };
        m_lines.append({l.name,
                        {quantity(l.initialStock), FormatCurrency(profile, l.initialValue),
                         quantity(l.finalStock), FormatCurrency(profile, l.finalValue),
                         quantity(l.movedStock()), FormatCurrency(profile, l.movedValue())}});
    }
    m_movedStockTotal = QStringLiteral("Totale Caricato: X.%1")
                            .arg(FormatNumber(profile, report.totalMovedStock()));
    m_movedValueTotal = QStringLiteral("Totale Guadagnato: %1")
                            .arg(FormatCurrency(profile, report.totalMovedValue()));
}

std::unique_ptr<MovementReportDocument>
MovementReportDocument::Make(PrintSource& source, const MovementReportRequest& request,
                             QString* error) {
    MovementReport report;
    if (!BuildMovementReport(source.db, request, &report)) {
        if (error)
            *error = source.db.errorText();
        return nullptr;
    }
    return std::make_unique<MovementReportDocument>(source.profile, report);
}

QString MovementReportDocument::NameHeading(MovementGrouping grouping) {
    switch (grouping) {
    case MovementGrouping::Item:
        return QStringLiteral("Articolo");
    case MovementGrouping::Counterpart:
        return QStringLiteral("Cliente/Fornitore");
    case MovementGrouping::Department:
        return QStringLiteral("Reparto");
    case MovementGrouping::Shelf:
        return QStringLiteral("Scaffale");
    default:
        return QStringLiteral("Categoria");
    }
}

int MovementReportDocument::pageCount() const {
    return ReportPageCount(int(m_lines.size()));
}

QString MovementReportDocument::fileBaseName() const {
    return QStringLiteral("Situazione Movimenti %1 %2")
        .arg(m_from.toString(Qt::ISODate), m_to.toString(Qt::ISODate));
}

void MovementReportDocument::drawPage(PageFrame& frame, int page) {
    frame.setThinPen();
    drawHeader(frame);
    drawTable(frame, page);
    drawFooter(frame, page);
}

void MovementReportDocument::drawHeader(PageFrame& frame) {
    QPainter& p = frame.painter();
    p.setFont(frame.unitFont(70, true));
    frame.drawText(1190, -50, 1985, -140, Qt::AlignRight | Qt::AlignTop,
                   QStringLiteral("Situazione Movimenti"));

    // The company block of the lists: no logo, each line cut to the block's width.
    const double x = 50, width = PageFrame::kCompanyBlockRight - x;
    double y = -50;
    p.setFont(frame.headingFont());
    frame.drawText(x, y, frame.fitText(CutCompanyName(m_company.name), width));
    y -= 50;
    auto labelled = [](const char* format, const QString& value) {
        return value.isEmpty() ? QString() : QString::fromLatin1(format).arg(value);
    };
    const QStringList lines{
        m_company.address, m_company.town, labelled("Cod.Fisc. %1", m_company.taxCode),
        labelled("Part.Iva %1", m_company.vatNumber), labelled("Tel. %1", m_company.phone)};
    p.setFont(frame.bodyFont());
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        frame.drawText(x, y, frame.fitText(line, width));
        y -= 40;
    }

    // The two dates, under the title on the right.
    const double right = 1985, left = 1250;
    p.setFont(frame.headingFont());
    frame.drawText(left, -170, right, -215, Qt::AlignRight | Qt::AlignTop,
                   QStringLiteral("Movimenti in Data"));
    p.setFont(frame.bodyFont());
    frame.drawText(left, -225, right, -265, Qt::AlignRight | Qt::AlignTop,
                   frame.fitText(QStringLiteral("Dal giorno %1").arg(m_fromText), right - left));
    frame.drawText(left, -265, right, -305, Qt::AlignRight | Qt::AlignTop,
                   frame.fitText(QStringLiteral("Al giorno %1").arg(m_toText), right - left));
}

void MovementReportDocument::drawTable(PageFrame& frame, int page) {
    QPainter& p = frame.painter();
    const double left = kColumns[0], right = kColumns[kColumnCount];
    p.drawRect(QRectF(QPointF(left, kTableBottom), QPointF(right, kTableTop)));
    p.drawLine(QPointF(left, kHeadingBottom), QPointF(right, kHeadingBottom));
    for (int c = 1; c < kColumnCount; ++c)
        p.drawLine(QPointF(kColumns[c], kTableBottom), QPointF(kColumns[c], kTableTop));

    // Headings, wrapped onto two lines where one is too narrow.
    p.setFont(frame.labelFont());
    for (int c = 0; c < kColumnCount; ++c) {
        const QString heading =
            c == 0 ? NameHeading(m_grouping) : QLatin1String(kFigureHeadings[c - 1]);
        frame.drawText(kColumns[c] + 14, kTableTop - 4, kColumns[c + 1] - 14, kHeadingBottom + 4,
                       Qt::AlignCenter | Qt::TextWordWrap, heading);
    }

    const QFont body = frame.bodyFont();
    const qsizetype first = qsizetype(page - 1) * kListLinesPerPage;
    const qsizetype last = qMin(first + kListLinesPerPage, m_lines.size());
    double y = kHeadingBottom - 5;
    for (qsizetype i = first; i < last; ++i, y -= kLineHeight) {
        const Line& line = m_lines.at(i);
        p.setFont(body);
        const double nameWidth = kColumns[1] - kColumns[0] - 2 * kCellPadding;
        frame.drawText(kColumns[0] + kCellPadding, y, kColumns[1] - kCellPadding, y - kLineHeight,
                       Qt::AlignLeft | Qt::AlignVCenter, frame.fitText(line.name, nameWidth));
        for (int c = 1; c < kColumnCount; ++c) {
            const QString& text = line.cells.at(c - 1);
            const double width = kColumns[c + 1] - kColumns[c] - 2 * kCellPadding;
            // A figure is never cut: one too wide for its column is written smaller.
            p.setFont(body);
            const double advance = QFontMetricsF(body, p.device()).horizontalAdvance(text);
            if (advance > width) {
                QFont smaller = body;
                smaller.setPointSizeF(body.pointSizeF() * width / advance);
                p.setFont(smaller);
            }
            frame.drawText(kColumns[c] + kCellPadding, y, kColumns[c + 1] - kCellPadding,
                           y - kLineHeight, Qt::AlignRight | Qt::AlignVCenter, text);
        }
    }
}

void MovementReportDocument::drawFooter(PageFrame& frame, int page) {
    QPainter& p = frame.painter();
    p.setFont(frame.pointFont(10));
    struct Box {
        double left, right;
        const QString& text;
    };
    for (const Box& b : {Box{50, 1000, m_movedStockTotal}, Box{1050, 1980, m_movedValueTotal}}) {
        p.drawRect(QRectF(QPointF(b.left, kTotalsBottom), QPointF(b.right, kTotalsTop)));
        frame.drawText(b.left, kTotalsTop, b.right, kTotalsBottom,
                       Qt::AlignHCenter | Qt::AlignVCenter,
                       frame.fitText(b.text, b.right - b.left - 20));
    }
    frame.drawPageNumber(page, pageCount());
}
