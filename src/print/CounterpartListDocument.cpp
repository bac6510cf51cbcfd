#include "print/CounterpartListDocument.h"

#include "print/KeyChunks.h"
#include "store/Database.h"
#include "store/TableRecord.h"

#include <QDate>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QSqlQuery>

namespace {

struct Column {
    const char* title;
    double left, right;
};
// Left and right edges; the texts keep 10 units clear of the next column.
constexpr Column kColumns[] = {
    {"Matricola", 50, 240},         {"Tipo", 240, 330},
    {"Ragione Sociale", 330, 860},  {"Indirizzo", 860, 1390},
    {"Codice Fiscale", 1390, 1800}, {"Partita IVA", 1800, 2050},
};
enum { CodeColumn, KindColumn, NameColumn, AddressColumn, TaxColumn, VatColumn };
constexpr double kGap = 10;
constexpr double kHeadingTop = -400;
constexpr double kFirstLineTop = -460;
constexpr double kLineHeight = 47;
constexpr double kListPoints = 10;

double columnWidth(int column) {
    return kColumns[column].right - kColumns[column].left - kGap;
}

} // namespace

const QColor CounterpartListDocument::kCustomerColour(38, 82, 0);
const QColor CounterpartListDocument::kOtherColour(159, 0, 0);

CounterpartListDocument::CounterpartListDocument(const PrintSource& source, QList<Line> lines)
    : m_company(CompanyHeader::FromProfile(source.profile)), m_logoFile(source.logoFile),
      m_lines(std::move(lines)) {}

bool CounterpartListDocument::ReadLines(Database& db, const QList<int>& keys, QList<Line>* lines) {
    lines->clear();
    QHash<int, Line> byKey;
    for (const QList<int>& chunk : KeyChunks(keys)) {
        QVariantList values;
        const QString marks = KeyPlaceholders(chunk, &values);
        QSqlQuery q;
        if (!db.query(q,
                      QStringLiteral("SELECT IDCliFor, Codice, CliFor, RagSoc, Indirizzo, Comune, "
                                     "CodFisc, PartIva FROM CliFor WHERE IDCliFor IN (%1)")
                          .arg(marks),
                      values))
            return false;
        while (q.next()) {
            Line line;
            line.code = Record::ReadText(q.value(1), 20);
            line.customer = Record::ReadBit(q.value(2)).value_or(false);
            line.name = Record::ReadText(q.value(3), 100);
            const QString address = Record::ReadText(q.value(4), 100);
            const QString town = Record::ReadText(q.value(5), 100);
            line.address = (address + u' ' + town).trimmed();
            line.taxCode = Record::ReadText(q.value(6), 16);
            line.vatNumber = Record::ReadText(q.value(7), 30);
            byKey.insert(q.value(0).toInt(), line);
        }
        if (!FinishedRows(db, q))
            return false;
    }
    for (int key : keys) {
        const auto it = byKey.constFind(key);
        if (it != byKey.constEnd())
            lines->append(*it);
    }
    return true;
}

int CounterpartListDocument::pageCount() const {
    return int((m_lines.size() + kLinesPerPage - 1) / kLinesPerPage);
}

QString CounterpartListDocument::fileBaseName() const {
    return QStringLiteral("Lista Anagrafiche ") + QDate::currentDate().toString(Qt::ISODate);
}

void CounterpartListDocument::drawPage(PageFrame& frame, int page) {
    QPainter& painter = frame.painter();
    frame.drawHeader(m_company, m_logoFile);

    painter.setPen(Qt::black);
    painter.setFont(frame.pointFont(kListPoints, true));
    for (const Column& c : kColumns)
        frame.drawText(c.left, kHeadingTop,
                       frame.fitText(QLatin1String(c.title), c.right - c.left));
    const double ruleY = kHeadingTop - kLineHeight + 5;
    frame.setThinPen();
    painter.drawLine(QPointF(50, ruleY), QPointF(2050, ruleY));

    const QFont font = frame.pointFont(kListPoints);
    const qsizetype first = qsizetype(page - 1) * kLinesPerPage;
    const qsizetype last = qMin(first + kLinesPerPage, m_lines.size());
    double y = kFirstLineTop;
    for (qsizetype i = first; i < last; ++i, y -= kLineHeight) {
        const Line& line = m_lines.at(i);
        painter.setPen(line.customer ? kCustomerColour : kOtherColour);
        painter.setFont(font);
        const auto cell = [&](int column, const QString& text) {
            if (!text.isEmpty())
                frame.drawText(kColumns[column].left, y, frame.fitText(text, columnWidth(column)));
        };
        cell(CodeColumn, line.code);
        if (line.customer)
            cell(KindColumn, QStringLiteral("C"));
        cell(AddressColumn, line.address);
        cell(TaxColumn, line.taxCode);
        cell(VatColumn, line.vatNumber);

        // A long name gets smaller type first, and is cut only when even the smallest is too
        // wide. The smaller line sits on the same baseline as its neighbours.
        double points = kListPoints;
        QFont nameFont = font;
        while (points > kSmallestNamePoints &&
               QFontMetricsF(nameFont, painter.device()).horizontalAdvance(line.name) >
                   columnWidth(NameColumn)) {
            points -= 0.5;
            nameFont = frame.pointFont(points);
        }
        painter.setFont(nameFont);
        const double baselineShift = QFontMetricsF(font, painter.device()).ascent() -
                                     QFontMetricsF(nameFont, painter.device()).ascent();
        if (!line.name.isEmpty())
            frame.drawText(kColumns[NameColumn].left, y - baselineShift,
                           frame.fitText(line.name, columnWidth(NameColumn)));
    }
    painter.setPen(Qt::black);
    frame.drawPageNumber(page, pageCount());
}
