#include "items/ArtMovementsLoader.h"

#include "store/Database.h"
#include "store/DisplayName.h"
#include "store/TableRecord.h"

#include <QSet>
#include <QSqlQuery>
#include <QThread>

namespace {
std::atomic<int> s_connectionSerial{0};
} // namespace

ArtMovementsLoader::ArtMovementsLoader(const Database& source, QObject* parent)
    : QObject(parent), m_source(source), m_generation(std::make_shared<std::atomic<int>>(0)) {}

ArtMovementsLoader::~ArtMovementsLoader() {
    abandon();
    for (QThread* t : std::as_const(m_workers)) {
        t->wait();
        delete t;
    }
}

int ArtMovementsLoader::runningWorkers() const {
    return int(m_workers.size());
}

void ArtMovementsLoader::abandon() {
    m_item = 0;
    ++*m_generation;
}

void ArtMovementsLoader::load(int itemId) {
    abandon();
    if (itemId <= 0)
        return;
    m_item = itemId;
    const int generation = *m_generation;
    auto current = m_generation;
    const Database* source = &m_source;
    QThread* worker = QThread::create([this, source, itemId, generation, current] {
        auto wanted = [&] { return current->load() == generation; };
        QList<Row> rows;
        bool ok = false;
        {
            Database db(QStringLiteral("quarzil_movart_%1").arg(++s_connectionSerial));
            if (wanted() && db.openClone(*source))
                ok = Read(db, itemId, wanted, &rows);
        }
        if (!ok || !wanted())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, itemId, generation, rows] {
                // Checked again here: the selection may have moved while the rows travelled.
                if (*m_generation == generation)
                    Q_EMIT loaded(itemId, rows);
            },
            Qt::QueuedConnection);
    });
    m_workers.append(worker);
    connect(worker, &QThread::finished, this, [this, worker] {
        m_workers.removeOne(worker);
        worker->deleteLater();
        Q_EMIT workerFinished();
    });
    worker->start(QThread::LowPriority);
}

QString ArtMovementsLoader::KindText(int tipo) {
    switch (tipo) {
    case 0:
        return tr("Carico");
    case 1:
    case 3:
        return tr("Scarico");
    case 2:
        return tr("Reso");
    default:
        return QString();
    }
}

bool ArtMovementsLoader::Read(Database& db, int itemId, const std::function<bool()>& wanted,
                              QList<Row>* rows) {
    rows->clear();
    QString unit;
    {
        QSqlQuery q;
        if (!db.query(q, QStringLiteral("SELECT UnMis FROM Articoli WHERE IDArticolo = ?"),
                      {itemId}))
            return false;
        if (q.next())
            unit = q.value(0).toString();
    }
    // Each movement once, however many of its rows hold the item.
    QList<int> ids;
    {
        QSqlQuery q;
        if (!db.query(
                q,
                QStringLiteral("SELECT Movimenti.IDMovimento, MAX(Movimenti.Data) AS Data "
                               "FROM Movimenti INNER JOIN SottoMovimenti "
                               "ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
                               "WHERE SottoMovimenti.IDArticolo = ? GROUP BY Movimenti.IDMovimento "
                               "ORDER BY Data DESC, Movimenti.IDMovimento DESC"),
                {itemId}))
            return false;
        while (ids.size() < kMaxMovements && q.next())
            ids << q.value(0).toInt();
    }
    QSqlQuery head;
    QSqlQuery sum;
    for (int id : std::as_const(ids)) {
        if (!wanted())
            return false;
        Row r;
        r.movementId = id;
        r.unit = unit;
        if (!db.query(head,
                      QStringLiteral("SELECT Numero, Data, Tipo, IDCliFor FROM Movimenti "
                                     "WHERE IDMovimento = ?"),
                      {id}) ||
            !head.next())
            return false;
        r.numero = head.value(0).toString();
        r.data = Record::ReadDateTime(head.value(1));
        r.tipo = Record::ReadInt(head.value(2)).value_or(-1);
        const int cliFor = Record::ReadInt(head.value(3)).value_or(0);
        if (!db.query(sum,
                      QStringLiteral("SELECT SUM(Qt) AS Totale FROM SottoMovimenti "
                                     "WHERE IDMovimento = ? AND IDArticolo = ?"),
                      {id, itemId}) ||
            !sum.next())
            return false;
        r.quantity = double(Record::ReadReal(sum.value(0)).value_or(0.0f));
        r.cliFor = GetDisplayName(db, cliFor, 4);
        rows->append(r);
        if (rows->size() >= kMaxRows)
            break;
    }
    return wanted();
}
