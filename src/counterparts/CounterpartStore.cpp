#include "counterparts/CounterpartStore.h"

#include "items/ArtFilter.h"
#include "store/Database.h"

#include <QSqlQuery>

CliForRecord CounterpartStore::NewRecord(Kind kind) {
    CliForRecord r;
    r.CliFor = kind == Kind::Customer;
    r.Operaio = kind == Kind::Worker;
    return r;
}

CounterpartStore::Kind CounterpartStore::KindOf(const CliForRecord& record) {
    if (record.CliFor.value_or(false))
        return Kind::Customer;
    return record.Operaio.value_or(false) ? Kind::Worker : Kind::Supplier;
}

bool CounterpartStore::load(qint32 id, CliForRecord& record) {
    return LoadRecord(m_db, id, record);
}

bool CounterpartStore::save(CliForRecord& record) {
    if (record.Sconto && !(*record.Sconto > 0.0f))
        record.Sconto.reset();
    TableRecordSet<CliForRecord> set(m_db);
    return record.IDCliFor > 0 ? set.change(record) : set.insert(record);
}

std::optional<int> CounterpartStore::codeCount(const QString& code) {
    // An empty code is stored as NULL, which no code equals.
    if (code.isEmpty())
        return 0;
    QSqlQuery q;
    if (!m_db.query(q,
                    QStringLiteral("SELECT COUNT(IDCliFor) AS Totale FROM CliFor WHERE Codice = ?"),
                    {Record::CutText(code, kCodeWidth)}) ||
        !q.next())
        return std::nullopt;
    return q.value(0).toInt();
}

QString CounterpartStore::completeCode(const QString& typed) {
    if (!Completes(typed))
        return QString();
    const QString like = QStringLiteral(" FROM CliFor WHERE Codice") + ArtLikeOperator(m_db);
    const QVariantList pattern{ArtLikePattern(typed)};
    QSqlQuery q;
    if (!m_db.query(q, QStringLiteral("SELECT COUNT(IDCliFor) AS Totale") + like, pattern) ||
        !q.next())
        return QString();
    const int count = q.value(0).toInt();
    if (count <= 0)
        return QString();
    QSqlQuery g;
    if (!m_db.query(g,
                    QStringLiteral("SELECT Codice") + like +
                        QStringLiteral(" ORDER BY Codice DESC LIMIT 1"),
                    pattern) ||
        !g.next())
        return QString();
    return ProposeCode(typed, count, Record::ReadText(g.value(0), kCodeWidth));
}

QString CounterpartStore::ProposeCode(const QString& typed, int count, const QString& greatest) {
    if (!Completes(typed) || count <= 0 || greatest.isEmpty() || typed.size() >= greatest.size())
        return QString();
    const QString next = QString::number(count + 1);
    if (next.size() < greatest.size())
        return greatest.left(greatest.size() - next.size()) + next;
    return greatest + next;
}

bool CounterpartStore::Completes(const QString& typed) {
    return !typed.isEmpty() && !(typed.front() >= u'1' && typed.front() <= u'9');
}
