#include "print/SituationDocument.h"

#include "company/Formats.h"
#include "movements/MovementTypes.h"
#include "print/KeyChunks.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"

#include <QHash>
#include <QPainter>
#include <QSqlQuery>

namespace {

struct Column {
    const char* title;
    double left, right;
};
constexpr Column kColumns[] = {
    {"Matricola", 50, 420},
    {"Descrizione", 420, 1250},
    {"Categoria", 1250, 1660},
    {"Quantità", 1660, 2050},
};
constexpr double kGap = 10;
constexpr double kTitleTop = -400;
constexpr double kKindTop = -480;
constexpr double kFromTop = -525;
constexpr double kToTop = -570;
constexpr double kHeadingTop = -650;
constexpr double kFirstItemTop = -710;
constexpr double kLineHeight = 44;

QString dayText(const QDate& day) {
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

SituationDocument::SituationDocument(const PrintSource& source, const QDate& from, const QDate& to,
                                     QList<Counterpart> records)
    : m_company(CompanyHeader::FromProfile(source.profile)), m_logoFile(source.logoFile),
      m_from(from), m_to(to), m_records(std::move(records)) {
    // Every record starts a page of its own, with no items as well; one whose items do not fit
    // goes on over as many pages as they need, each with the record's heading again.
    for (int r = 0; r < int(m_records.size()); ++r) {
        const int items = int(m_records.at(r).items.size());
        for (int first = 0; first == 0 || first < items; first += kItemsPerPage)
            m_pages.push_back({r, first});
    }
}

QString SituationDocument::Title(const QString& name) {
    const QString title =
        QStringLiteral("Situazione di ") + (name.isEmpty() ? QStringLiteral("-") : name);
    if (title.size() <= kTitleMaxChars)
        return title;
    return title.left(kTitleCutChars) + QStringLiteral("...");
}

QString SituationDocument::NetQuantity(const Profile& profile, double total, double returned,
                                       const QString& unit) {
    return FormatNumber(profile, total - 2 * returned) + u' ' +
           (unit.isEmpty() ? QStringLiteral("XX.") : unit);
}

bool SituationDocument::ReadRecords(Database& db, const Profile& profile, const QList<int>& keys,
                                    const SituationRequest& period, QList<Counterpart>* records) {
    records->clear();
    QHash<int, Counterpart> byKey;
    const bool pg = db.isPostgres();
    const QString order = TextOrder::Term(db.backend(), QStringLiteral("Articoli.Descrizione")) +
                          (pg ? QStringLiteral(" NULLS FIRST, Articoli.IDArticolo")
                              : QStringLiteral(", Articoli.IDArticolo"));
    for (const QList<int>& chunk : KeyChunks(keys)) {
        QVariantList values;
        const QString marks = KeyPlaceholders(chunk, &values);
        QSqlQuery q;
        if (!db.query(q,
                      QStringLiteral("SELECT IDCliFor, RagSoc, CliFor, Operaio FROM CliFor "
                                     "WHERE IDCliFor IN (%1)")
                          .arg(marks),
                      values))
            return false;
        while (q.next()) {
            Counterpart c;
            c.key = q.value(0).toInt();
            c.name = Record::ReadText(q.value(1), 100);
            c.kind = Record::ReadBit(q.value(3)).value_or(false)   ? QStringLiteral("Operaio")
                     : Record::ReadBit(q.value(2)).value_or(false) ? QStringLiteral("Cliente")
                                                                   : QStringLiteral("Fornitore");
            byKey.insert(c.key, c);
        }
        if (!FinishedRows(db, q))
            return false;

        // The items of every record of the chunk in one query, each with its returned part, so
        // that the net quantity needs no second look at the movements.
        values.append(Record::BindDateTime(period.periodStart()));
        values.append(Record::BindDateTime(period.periodEnd()));
        if (!db.query(
                q,
                QStringLiteral(
                    "SELECT Movimenti.IDCliFor, Articoli.IDArticolo, Articoli.Matricola, "
                    "Articoli.Descrizione, Categorie.Categoria, UnMis.Sigla, "
                    "SUM(SottoMovimenti.Qt) AS Totale, "
                    "SUM(CASE WHEN Movimenti.Tipo = %1 THEN SottoMovimenti.Qt ELSE 0 END) AS Resi "
                    "FROM Articoli INNER JOIN SottoMovimenti ON Articoli.IDArticolo = "
                    "SottoMovimenti.IDArticolo INNER JOIN Movimenti ON SottoMovimenti.IDMovimento "
                    "= Movimenti.IDMovimento LEFT JOIN Categorie ON Articoli.IDCategoria = "
                    "Categorie.IDCategoria LEFT JOIN UnMis ON Articoli.IDUM = UnMis.IDUM "
                    "WHERE Movimenti.IDCliFor IN (%2) AND (Movimenti.Data BETWEEN ? AND ?) "
                    "GROUP BY Movimenti.IDCliFor, Articoli.Descrizione, Articoli.IDArticolo, "
                    "Articoli.Matricola, Categorie.Categoria, UnMis.Sigla ORDER BY %3")
                    .arg(MovementType::Reso)
                    .arg(marks, order),
                values))
            return false;
        while (q.next()) {
            const auto it = byKey.find(q.value(0).toInt());
            if (it == byKey.end())
                continue;
            ItemLine line;
            line.code = Record::ReadText(q.value(2), 30);
            line.description = Record::ReadText(q.value(3), 100);
            line.category = Record::ReadText(q.value(4), 30);
            if (line.category.isEmpty())
                line.category = QStringLiteral("Standard");
            line.quantity = NetQuantity(profile, q.value(6).toDouble(), q.value(7).toDouble(),
                                        Record::ReadText(q.value(5), 5));
            it->items.append(line);
        }
        if (!FinishedRows(db, q))
            return false;
    }
    for (int key : keys) {
        const auto it = byKey.constFind(key);
        if (it != byKey.constEnd())
            records->append(*it);
    }
    return true;
}

QString SituationDocument::fileBaseName() const {
    if (m_records.size() == 1)
        return Title(m_records.first().name) + u' ' + m_to.toString(Qt::ISODate);
    return QStringLiteral("Situazione Anagrafiche ") + m_to.toString(Qt::ISODate);
}

void SituationDocument::drawPage(PageFrame& frame, int page) {
    if (page < 1 || page > int(m_pages.size()))
        return;
    const Page& p = m_pages.at(size_t(page - 1));
    const Counterpart& record = m_records.at(p.record);
    QPainter& painter = frame.painter();
    frame.drawHeader(m_company, m_logoFile);

    painter.setPen(Qt::black);
    painter.setFont(frame.titleFont());
    frame.drawText(50, kTitleTop, frame.fitText(Title(record.name), 2000));
    painter.setFont(frame.bodyFont());
    frame.drawText(50, kKindTop, QStringLiteral("Tipo: ") + record.kind);
    frame.drawText(50, kFromTop, QStringLiteral("Da Data: %1").arg(dayText(m_from)));
    frame.drawText(50, kToTop, QStringLiteral("Fino a Data: %1").arg(dayText(m_to)));

    painter.setFont(frame.labelFont());
    for (const Column& c : kColumns) {
        const bool right = &c == &kColumns[3];
        frame.drawText(c.left, kHeadingTop, c.right, kHeadingTop - kLineHeight,
                       (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                       QString::fromUtf8(c.title));
    }
    frame.setThinPen();
    const double ruleY = kHeadingTop - kLineHeight - 5;
    painter.drawLine(QPointF(50, ruleY), QPointF(2050, ruleY));

    painter.setFont(frame.bodyFont());
    const int last = qMin(p.firstItem + kItemsPerPage, int(record.items.size()));
    double y = kFirstItemTop;
    for (int i = p.firstItem; i < last; ++i, y -= kLineHeight) {
        const ItemLine& line = record.items.at(i);
        const auto cell = [&](int column, const QString& text, int align) {
            const Column& c = kColumns[column];
            frame.drawText(c.left, y, c.right, y - kLineHeight,
                           align | Qt::AlignVCenter | Qt::TextSingleLine,
                           frame.fitText(text, c.right - c.left - kGap));
        };
        cell(0, line.code, Qt::AlignLeft);
        cell(1, line.description, Qt::AlignLeft);
        cell(2, line.category, Qt::AlignLeft);
        cell(3, line.quantity, Qt::AlignRight);
    }
    frame.drawPageNumber(page, pageCount());
}
