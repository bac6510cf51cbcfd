#include "print/MovementListDocument.h"

#include "common/Profile.h"
#include "company/Formats.h"
#include "movements/MovementTypes.h"
#include "print/PageCount.h"
#include "store/Database.h"
#include "store/TableRecord.h"

#include <QHash>
#include <QPainter>
#include <QSqlQuery>

namespace {

constexpr double kHeadTop = -330, kHeadBottom = -375, kLinePitch = 55;
constexpr double kFooterTop = kHeadBottom - kListLinesPerPage * kLinePitch - 30;

struct Column {
    const char* heading;
    double left, right;
    bool number;
};
constexpr Column kColumns[] = {
    {"Data", 60, 320, false},     {"Numero", 330, 560, false},
    {"Tipo", 570, 760, false},    {"Cliente/Fornitore", 770, 1185, false},
    {"Prezzo", 1195, 1455, true}, {"Imposta", 1465, 1715, true},
    {"Totale", 1725, 1975, true},
};

// Chunks small enough for any back end's limit on bound values.
constexpr int kKeysPerQuery = 500;

bool readLines(Database& db, const QString& sql, const QVariantList& values,
               QVector<MovementListLine>* lines) {
    QSqlQuery q;
    if (!db.query(q, sql, values))
        return false;
    while (q.next()) {
        MovementListLine l;
        l.key = q.value(0).toInt();
        l.date = Record::ReadDateTime(q.value(1));
        l.number = Record::ReadText(q.value(2), 20);
        l.type = Record::ReadInt(q.value(3)).value_or(-1);
        l.counterpart = Record::ReadText(q.value(4), 100);
        l.prezzo = Record::ReadCurrency(q.value(5));
        l.imposta = Record::ReadCurrency(q.value(6));
        l.totale = Record::ReadCurrency(q.value(7));
        lines->append(l);
    }
    const bool failed = q.lastError().isValid();
    if (failed)
        db.setError(q.lastError());
    q.finish();
    return !failed;
}

qint64 unitsOf(const CurrencyAmount& a) {
    return a.isValid() ? a.units() : 0;
}

} // namespace

QString MovementListDocument::SelectColumns() {
    return QStringLiteral("IDMovimento, Data, Numero, Tipo, CliFor, Prezzo, Imposta, Totale");
}

bool MovementListDocument::LoadLines(Database& db, const QString& sql, const QVariantList& values,
                                     QVector<MovementListLine>* lines) {
    QVector<MovementListLine> read;
    if (!readLines(db, sql, values, &read))
        return false;
    *lines = std::move(read);
    return true;
}

bool MovementListDocument::LoadLines(Database& db, const QList<int>& keys,
                                     QVector<MovementListLine>* lines) {
    QHash<int, MovementListLine> byKey;
    for (qsizetype first = 0; first < keys.size(); first += kKeysPerQuery) {
        const QList<int> chunk = keys.mid(first, kKeysPerQuery);
        QStringList marks;
        QVariantList values;
        for (int key : chunk) {
            marks << QStringLiteral("?");
            values << key;
        }
        QVector<MovementListLine> read;
        if (!readLines(db,
                       QStringLiteral("SELECT %1 FROM Movimenti WHERE IDMovimento IN (%2)")
                           .arg(SelectColumns(), marks.join(QStringLiteral(", "))),
                       values, &read))
            return false;
        for (const MovementListLine& l : std::as_const(read))
            byKey.insert(l.key, l);
    }
    QVector<MovementListLine> ordered;
    ordered.reserve(keys.size());
    for (int key : keys) {
        const auto it = byKey.constFind(key);
        if (it != byKey.constEnd())
            ordered.append(*it);
    }
    *lines = std::move(ordered);
    return true;
}

MovementListDocument::MovementListDocument(const PrintSource& source,
                                           QVector<MovementListLine> lines)
    : m_company(CompanyHeader::FromProfile(source.profile)),
      m_today(QDate::currentDate().toString(Qt::ISODate)) {
    const Profile& profile = source.profile;
    auto money = [&](const CurrencyAmount& a) {
        return a.isValid() ? FormatCurrency(profile, a) : QString();
    };
    qint64 loads = 0, sales = 0, returns = 0;
    for (const MovementListLine& l : std::as_const(lines)) {
        LineText t;
        t.date =
            l.date.isValid() ? l.date.date().toString(QStringLiteral("dd/MM/yyyy")) : QString();
        t.number = l.number;
        t.type = MovementType::Name(l.type);
        // As the list shows it: a receipt has no named customer.
        t.counterpart =
            l.type == MovementType::Ricevuta ? QStringLiteral("- Ricevuta -") : l.counterpart;
        t.prezzo = money(l.prezzo);
        t.imposta = money(l.imposta);
        t.totale = money(l.totale);
        m_texts.append(t);
        if (l.type == MovementType::Carico)
            loads += unitsOf(l.totale);
        else if (MovementType::IsSale(l.type))
            sales += unitsOf(l.totale);
        else if (l.type == MovementType::Reso)
            returns += unitsOf(l.totale);
    }
    m_totals.count = int(lines.size());
    m_totals.loads = CurrencyAmount::fromUnits(loads);
    m_totals.sales = CurrencyAmount::fromUnits(sales);
    m_totals.returns = CurrencyAmount::fromUnits(returns);
    m_totals.profit = CurrencyAmount::fromUnits(sales - (loads + returns));
    m_footer = {
        QStringLiteral("Movimenti: %1").arg(FormatInteger(profile, m_totals.count)),
        QStringLiteral("Carichi: %1").arg(FormatCurrency(profile, m_totals.loads)),
        QStringLiteral("Scarichi: %1").arg(FormatCurrency(profile, m_totals.sales)),
        QStringLiteral("Resi: %1").arg(FormatCurrency(profile, m_totals.returns)),
        QStringLiteral("Guadagno: %1").arg(FormatCurrency(profile, m_totals.profit)),
    };
}

int MovementListDocument::pageCount() const {
    return MovementListPageCount(int(m_texts.size()));
}

QString MovementListDocument::fileBaseName() const {
    return SafeFileName(QStringLiteral("Lista Movimenti %1").arg(m_today));
}

void MovementListDocument::drawPage(PageFrame& frame, int page) {
    // The company block of the list: 9 pt, no logo.
    const QStringList block = {
        m_company.address,
        m_company.town,
        m_company.taxCode.isEmpty() ? QString()
                                    : QStringLiteral("Cod.Fisc. %1").arg(m_company.taxCode),
        m_company.vatNumber.isEmpty() ? QString()
                                      : QStringLiteral("Part.IVA %1").arg(m_company.vatNumber),
        m_company.phone.isEmpty() ? QString() : QStringLiteral("Tel. %1").arg(m_company.phone),
    };
    double y = -50;
    frame.painter().setFont(frame.pointFont(9, true));
    frame.drawText(50, y, 1500, y - 40, Qt::AlignLeft | Qt::AlignVCenter,
                   frame.fitText(CutCompanyName(m_company.name), 1450));
    frame.painter().setFont(frame.bodyFont());
    for (const QString& line : block) {
        if (line.isEmpty())
            continue;
        y -= 40;
        frame.drawText(50, y, 1500, y - 40, Qt::AlignLeft | Qt::AlignVCenter,
                       frame.fitText(line, 1450));
    }

    frame.setThinPen();
    frame.painter().drawLine(QPointF(50, kHeadTop), QPointF(1985, kHeadTop));
    frame.painter().drawLine(QPointF(50, kHeadBottom), QPointF(1985, kHeadBottom));
    frame.painter().setFont(frame.pointFont(10, true));
    for (const Column& c : kColumns)
        frame.drawText(c.left, kHeadTop, c.right, kHeadBottom,
                       (c.number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                       QString::fromUtf8(c.heading));

    frame.painter().setFont(frame.pointFont(10));
    const int first = (page - 1) * kListLinesPerPage;
    double ly = kHeadBottom;
    for (int i = first; i < qMin(int(m_texts.size()), first + kListLinesPerPage); ++i) {
        const LineText& t = m_texts[i];
        const QString texts[] = {t.date,   t.number,  t.type,  t.counterpart,
                                 t.prezzo, t.imposta, t.totale};
        for (int c = 0; c < int(std::size(kColumns)); ++c) {
            const Column& col = kColumns[c];
            frame.drawText(col.left, ly, col.right, ly - kLinePitch,
                           (col.number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                           frame.fitText(texts[c], col.right - col.left));
        }
        ly -= kLinePitch;
    }

    if (page == pageCount()) {
        frame.setThinPen();
        frame.painter().drawLine(QPointF(50, kFooterTop + 10), QPointF(1985, kFooterTop + 10));
        frame.painter().setFont(frame.pointFont(10, true));
        double fy = kFooterTop;
        for (const QString& line : m_footer) {
            frame.drawText(60, fy, 1975, fy - 50, Qt::AlignLeft | Qt::AlignVCenter, line);
            fy -= 50;
        }
    }
    frame.drawPageNumber(page, pageCount());
}
