#include "print/LabelSheetDocument.h"

#include "barcode/BarcodeSymbol.h"
#include "print/KeyChunks.h"
#include "print/PageFrame.h"
#include "store/Database.h"
#include "store/TableRecord.h"

#include <QDate>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QSqlQuery>

namespace {

constexpr double kCornerRadius = 50; // an ellipse of 100 by 100 in each corner
constexpr double kTextMargin = 5;
// Bands from the label's top: code, description, barcode.
constexpr double kCodeTop = 5, kCodeBottom = 95;
constexpr double kDescriptionTop = 105, kDescriptionBottom = 195;
constexpr double kBarcodeTop = 205, kBarcodeBottom = 380;
// The bars stop this far above the barcode band's bottom, leaving the room for the digits.
constexpr double kTextUnderBars = 40;
// EAN guard bars run into the digits' room, as on screen.
constexpr double kGuardExtra = 25;
constexpr double kModule = 3;
// White left on either side of a Code 39 that has to be narrowed, for the reader's quiet zone.
constexpr double kQuietZone = 40;

const QColor kFrameColour(196, 196, 196);

// The text cut with "..." until it fits the box when wrapped at word boundaries.
QString fitWrapped(const QString& text, const QFont& font, QPaintDevice* device, double width,
                   double height) {
    const QFontMetricsF metrics(font, device);
    const auto fits = [&](const QString& t) {
        return metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, t).height() <=
                   height &&
               metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, t).width() <= width;
    };
    if (fits(text))
        return text;
    QString cut = text;
    const QString dots = QStringLiteral("...");
    while (!cut.isEmpty() && !fits(cut + dots))
        cut.chop(1);
    return cut.trimmed() + dots;
}

} // namespace

LabelSheetDocument::LabelSheetDocument(QList<Item> items) : m_items(std::move(items)) {}

bool LabelSheetDocument::ReadItems(Database& db, const QList<int>& keys, QList<Item>* items) {
    items->clear();
    QHash<int, Item> byKey;
    for (const QList<int>& chunk : KeyChunks(keys)) {
        QVariantList values;
        const QString marks = KeyPlaceholders(chunk, &values);
        QSqlQuery q;
        if (!db.query(q,
                      QStringLiteral("SELECT IDArticolo, Matricola, Descrizione, CodBarre FROM "
                                     "Articoli WHERE IDArticolo IN (%1)")
                          .arg(marks),
                      values))
            return false;
        while (q.next())
            byKey.insert(q.value(0).toInt(),
                         {Record::ReadText(q.value(1), 30), Record::ReadText(q.value(2), 100),
                          Record::ReadText(q.value(3), 30)});
        if (!FinishedRows(db, q))
            return false;
    }
    for (int key : keys) {
        const auto it = byKey.constFind(key);
        if (it != byKey.constEnd())
            items->append(*it);
    }
    return true;
}

double LabelSheetDocument::DescriptionWidth() {
    return qMin(kColumnRight[0] - kColumnLeft[0], kColumnRight[1] - kColumnLeft[1]) -
           2 * kTextMargin;
}

QString LabelSheetDocument::fileBaseName() const {
    return QStringLiteral("Etichette ") + QDate::currentDate().toString(Qt::ISODate);
}

void LabelSheetDocument::drawPage(PageFrame& frame, int page) {
    if (page < 1 || page > m_items.size())
        return;
    const Item& item = m_items.at(page - 1);
    const BarcodeSymbol symbol = BarcodeSymbol::Encode(item.barcode);
    // The description is laid out once for the page: the narrower column decides the cut.
    const QString description =
        fitWrapped(item.description, frame.pointFont(10), frame.painter().device(),
                   DescriptionWidth(), kDescriptionBottom - kDescriptionTop);
    for (double top : kRowTops)
        for (int column = 0; column < 2; ++column)
            drawLabel(frame, item, description, symbol, kColumnLeft[column], kColumnRight[column],
                      top);
}

void LabelSheetDocument::drawLabel(PageFrame& frame, const Item& item, const QString& description,
                                   const BarcodeSymbol& symbol, double left, double right,
                                   double top) {
    QPainter& painter = frame.painter();
    painter.save();
    QPen pen(kFrameColour);
    pen.setStyle(Qt::SolidLine);
    pen.setWidthF(1);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(QPointF(left, top - kLabelHeight), QPointF(right, top)),
                            kCornerRadius, kCornerRadius, Qt::AbsoluteSize);
    painter.restore();

    const double textLeft = left + kTextMargin, textRight = right - kTextMargin;
    painter.setPen(Qt::black);
    painter.setFont(frame.pointFont(10));
    if (!item.code.isEmpty())
        frame.drawText(textLeft, top - kCodeTop, textRight, top - kCodeBottom,
                       Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                       frame.fitText(item.code, textRight - textLeft));
    if (!description.isEmpty()) {
        // Wrapped in the same width in both columns, so that the twelve labels read alike.
        const double centre = (left + right) / 2, half = DescriptionWidth() / 2;
        frame.drawText(centre - half, top - kDescriptionTop, centre + half,
                       top - kDescriptionBottom, Qt::AlignCenter | Qt::TextWordWrap, description);
    }
    DrawBarcode(frame, symbol, left, right, top - kBarcodeTop, top - kBarcodeBottom);
}

void LabelSheetDocument::DrawBarcode(PageFrame& frame, const BarcodeSymbol& symbol, double left,
                                     double right, double top, double bottom) {
    if (symbol.type == BarcodeSymbol::Type::None || symbol.modules.isEmpty())
        return;
    const bool ean = symbol.type != BarcodeSymbol::Type::Code39;
    const int count = int(symbol.modules.size());
    double module = kModule;
    if (!ean)
        module = qMin(kModule, (right - left - 2 * kQuietZone) / count);
    const double start = (left + right - count * module) / 2;
    const double dataBottom = bottom + kTextUnderBars;
    const double guardBottom = ean ? dataBottom - kGuardExtra : dataBottom;

    QPainter& painter = frame.painter();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    // Each run of bar modules is one solid bar: no seams between modules at any resolution.
    for (int i = 0; i < count;) {
        if (!symbol.modules.at(i)) {
            ++i;
            continue;
        }
        const bool guard = symbol.guard.at(i);
        int end = i + 1;
        while (end < count && symbol.modules.at(end) && symbol.guard.at(end) == guard)
            ++end;
        painter.drawRect(QRectF(QPointF(start + i * module, guard ? guardBottom : dataBottom),
                                QPointF(start + end * module, top)));
        i = end;
    }
    painter.restore();

    painter.setPen(Qt::black);
    painter.setFont(frame.pointFont(8));
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    if (ean) {
        if (!symbol.leadingDigit.isEmpty())
            frame.drawText(start - 10 * module, dataBottom, start - 2 * module, bottom,
                           Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                           symbol.leadingDigit);
        for (const BarcodeSymbol::Digit& digit : symbol.digits)
            frame.drawText(start + digit.start * module, dataBottom,
                           start + (digit.start + digit.width) * module, bottom, flags,
                           QString(digit.digit));
    } else {
        frame.drawText(left, dataBottom, right, bottom, flags,
                       frame.fitText(symbol.caption, right - left - 2 * kTextMargin));
    }
}
