#include "print/ItemHistoryDocument.h"

#include "company/Formats.h"
#include "movements/MovementTotals.h"
#include "movements/MovementTypes.h"
#include "print/ItemReportData.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/records/SottoMovimentiRecord.h"

#include <QHash>
#include <QLocale>
#include <QPainter>
#include <QSet>
#include <QSqlQuery>

namespace {

// The history names a receipt as the sale it is; the counterpart column tells it apart.
QString typeText(int type) {
    switch (type) {
    case MovementType::Carico:
        return QStringLiteral("Carico");
    case MovementType::Reso:
        return QStringLiteral("Reso");
    case MovementType::Scarico:
    case MovementType::Ricevuta:
        return QStringLiteral("Scarico");
    default:
        return QString();
    }
}

constexpr double kRightBlockLeft = PageFrame::kCompanyBlockRight + 20;

} // namespace

ItemHistoryDocument::ItemHistoryDocument(const PrintSource& source, const HistoryPeriod& period)
    : m_company(CompanyHeader::FromProfile(source.profile)), m_logoFile(source.logoFile),
      m_period(period), m_fromText(FormatLongDate(period.from)),
      m_toText(FormatLongDate(period.to)), m_table({{QStringLiteral("Data"), 220},
                                                    {QStringLiteral("Anagrafica"), 620},
                                                    {QStringLiteral("Tipo"), 200},
                                                    {QStringLiteral("Quantità"), 300, true},
                                                    {QStringLiteral("Prezzo"), 300, true},
                                                    {QStringLiteral("Valore"), 360, true}}) {}

std::unique_ptr<ItemHistoryDocument> ItemHistoryDocument::Make(const PrintSource& source,
                                                               const QList<int>& keys,
                                                               const HistoryPeriod& period) {
    std::unique_ptr<ItemHistoryDocument> doc(new ItemHistoryDocument(source, period));
    QList<int> unique;
    QSet<int> seen;
    for (int key : keys)
        if (!seen.contains(key)) {
            seen.insert(key);
            unique.append(key);
        }
    std::vector<ItemReportItem> items;
    if (!ItemReportData::ReadItems(source.db, unique, &items)) {
        doc->m_error = source.db.errorText();
        return doc;
    }
    QHash<int, size_t> itemOf;
    for (size_t i = 0; i < items.size(); ++i)
        itemOf.insert(items[i].key, i);

    // The rows of every card, a chunk of items per query, each item's in date order.
    struct Row {
        QDateTime date;
        int type = 0;
        QString counterpart;
        SottoMovimentiRecord amounts;
    };
    QHash<int, std::vector<Row>> rowsOf;
    const QString sql = QStringLiteral(
        "SELECT SottoMovimenti.IDArticolo, Movimenti.Data, Movimenti.Tipo, Movimenti.CliFor, "
        "SottoMovimenti.Qt, SottoMovimenti.Prezzo, SottoMovimenti.Iva, SottoMovimenti.Sconto "
        "FROM {rows} INNER JOIN Movimenti ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
        "WHERE Movimenti.Tipo >= ? AND {items} "
        "AND (Movimenti.Data BETWEEN ? AND ?) "
        "ORDER BY SottoMovimenti.IDArticolo, Movimenti.Data, SottoMovimenti.IDSottoMovimento");
    // Over many items the period's movements, found by their date, are fewer than the items'
    // rows.
    const bool ok =
        ItemReportData::ForEachItemRow(source.db, unique, sql, {0}, {period.start(), period.end()},
                                       false, [&](const QSqlQuery& q) {
                                           if (!itemOf.contains(q.value(0).toInt()))
                                               return;
                                           Row r;
                                           r.date = Record::ReadDateTime(q.value(1));
                                           r.type = Record::ReadInt(q.value(2)).value_or(-1);
                                           r.counterpart = r.type == MovementType::Ricevuta
                                                               ? QStringLiteral("- Ricevuta -")
                                                               : Record::ReadText(q.value(3), 100);
                                           r.amounts.Qt = Record::ReadReal(q.value(4));
                                           r.amounts.Prezzo = Record::ReadCurrency(q.value(5));
                                           r.amounts.Iva = Record::ReadReal(q.value(6));
                                           r.amounts.Sconto = Record::ReadReal(q.value(7));
                                           rowsOf[q.value(0).toInt()].push_back(std::move(r));
                                       });
    if (!ok) {
        doc->m_error = source.db.errorText();
        return doc;
    }

    const Profile& profile = source.profile;
    for (int key : unique) {
        Card card;
        const auto it = itemOf.constFind(key);
        if (it == itemOf.constEnd()) {
            card.title = QStringLiteral("Storico di Prodotto non Trovato");
            doc->m_cards.push_back(std::move(card));
            continue;
        }
        const ItemReportItem& item = items[*it];
        card.found = true;
        card.title = QStringLiteral("Storico di %1").arg(item.descrizione);
        if (unique.size() == 1)
            doc->m_singleCode = item.matricola;
        for (const Row& r : rowsOf.value(key)) {
            const int sign = MovementType::IsSale(r.type) ? -1 : 1;
            const double quantity = double(r.amounts.Qt.value_or(0.0f));
            const RowAmounts a = ComputeRowAmounts(r.amounts);
            QString valueText;
            if (a.net.isValid()) {
                const qint64 value =
                    a.net.units() + (a.hasTax && a.tax.isValid() ? a.tax.units() : 0);
                valueText = FormatCurrency(profile, CurrencyAmount::fromUnits(value));
                card.totalValue += sign * value;
            }
            card.totalQuantity += sign * quantity;
            card.rows.push_back(
                {r.date.date().toString(QStringLiteral("dd/MM/yyyy")), r.counterpart,
                 typeText(r.type), ItemReportData::QuantityText(profile, quantity, item.unit),
                 r.amounts.Prezzo.isValid() ? FormatCurrency(profile, r.amounts.Prezzo) : QString(),
                 valueText});
        }
        card.total = {QStringLiteral("Totale"),
                      QString(),
                      QString(),
                      ItemReportData::QuantityText(profile, card.totalQuantity, item.unit),
                      QString(),
                      FormatCurrency(profile, CurrencyAmount::fromUnits(card.totalValue))};
        // The rows and the total line.
        const int lines = int(card.rows.size()) + 1;
        card.pages = qMax(1, (lines + kRowsPerPage - 1) / kRowsPerPage);
        doc->m_cards.push_back(std::move(card));
    }
    int pages = 0;
    for (const Card& c : doc->m_cards)
        pages += c.pages;
    doc->m_pageCount = pages;
    return doc;
}

void ItemHistoryDocument::drawPage(PageFrame& frame, int page) {
    // The card the page belongs to, and the page within it.
    int cardIndex = 0, first = 1;
    while (cardIndex < int(m_cards.size()) && page >= first + m_cards[size_t(cardIndex)].pages) {
        first += m_cards[size_t(cardIndex)].pages;
        ++cardIndex;
    }
    if (cardIndex >= int(m_cards.size()))
        return;
    const Card& card = m_cards[size_t(cardIndex)];
    const int cardPage = page - first; // 0-based

    frame.drawHeader(m_company, m_logoFile);
    frame.painter().setFont(frame.titleFont());
    frame.drawText(kRightBlockLeft, -50, ItemTable::kRight, -170,
                   Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap, card.title);
    frame.painter().setFont(frame.bodyFont());
    const double width = ItemTable::kRight - kRightBlockLeft;
    const QStringList info = {
        QStringLiteral("Scheda numero %1 su %2").arg(cardIndex + 1).arg(m_cards.size()),
        QStringLiteral("Dal giorno %1").arg(m_fromText),
        QStringLiteral("Al giorno %1").arg(m_toText)};
    double y = -190;
    for (const QString& line : info) {
        frame.drawText(kRightBlockLeft, y, ItemTable::kRight, y - 40, Qt::AlignRight | Qt::AlignTop,
                       frame.fitText(line, width));
        y -= 40;
    }

    if (card.found) {
        y = m_table.drawHeadings(frame, -380);
        const int from = cardPage * kRowsPerPage;
        const int to = qMin(int(card.rows.size()), from + kRowsPerPage);
        for (int r = from; r < to; ++r) {
            m_table.drawRow(frame, y, card.rows[size_t(r)]);
            y -= ItemTable::kRowHeight;
        }
        if (cardPage == card.pages - 1) {
            m_table.drawRule(frame, y);
            m_table.drawRow(frame, y, card.total, true);
        }
    }
    frame.drawPageNumber(page, m_pageCount);
}

QString ItemHistoryDocument::fileBaseName() const {
    const QString days = QStringLiteral("%1 %2").arg(m_period.from.toString(Qt::ISODate),
                                                     m_period.to.toString(Qt::ISODate));
    return m_singleCode.isEmpty() ? QStringLiteral("Storico %1").arg(days)
                                  : QStringLiteral("Storico %1 %2").arg(m_singleCode, days);
}
