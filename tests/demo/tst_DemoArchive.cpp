// label: db
#include "DemoArchive.h"
#include "TestSupport.h"
#include "items/CounterCheck.h"
#include "movements/MovementTypes.h"
#include "store/Database.h"

#include <QSqlQuery>
#include <QTest>

namespace {

QVariant Value(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return QVariant();
    return q.value(0);
}

} // namespace

class tst_DemoArchive : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fill_data() { TestSupport::AddBackendRows(); }
    void fill();
};

// The pictures and the guide are only as good as the archive they show: a plausible shop whose
// stock follows from its movements, on either back end.
void tst_DemoArchive::fill() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    const QDate today(2026, 3, 15);
    DemoArchive::Contents contents;
    QString error;
    QVERIFY2(DemoArchive::Fill(db, today, &contents, &error), qPrintable(error));

    QCOMPARE(Value(db, QStringLiteral("SELECT COUNT(*) FROM Articoli")).toInt(), contents.items);
    QCOMPARE(contents.items, 25);
    QCOMPARE(Value(db, QStringLiteral("SELECT COUNT(*) FROM CliFor")).toInt(), 10);
    QCOMPARE(Value(db, QStringLiteral("SELECT COUNT(*) FROM Movimenti")).toInt(),
             contents.movements);
    QCOMPARE(Value(db, QStringLiteral("SELECT COUNT(*) FROM Scadenze")).toInt(),
             contents.agendaEntries);
    // Six categories, each created once although several items share it.
    QCOMPARE(Value(db, QStringLiteral("SELECT COUNT(*) FROM Categorie")).toInt(), 6);

    // Every stored counter is the one the ledger gives, and nothing was sold that was not there.
    CounterCheckResult check;
    QVERIFY2(CheckArtCounters(db, 0, &check), qPrintable(db.errorText()));
    QCOMPARE(check.items, 25);
    QVERIFY(check.differences.empty());
    QVERIFY(Value(db, QStringLiteral("SELECT MIN(Giacenza) FROM Articoli")).toDouble() >= 0);
    // The cable: 100 m at the start, 200 bought, 120 and 80 sold.
    QCOMPARE(Value(db, QStringLiteral("SELECT Giacenza FROM Articoli WHERE Matricola = ?"),
                   {QStringLiteral("EL004")})
                 .toDouble(),
             100.0);
    // Some item below its minimum stock, so the list shows what to reorder.
    QVERIFY(Value(db, QStringLiteral("SELECT COUNT(*) FROM Articoli WHERE Riordino > 0")).toInt() >
            0);
    QCOMPARE(Value(db, QStringLiteral("SELECT COUNT(*) FROM Articoli WHERE LENGTH(CodBarre) = 13"))
                 .toInt(),
             25);

    // Yesterday's invoice, as the pictures and the guide open it.
    QCOMPARE(Value(db, QStringLiteral("SELECT Tipo FROM Movimenti WHERE IDMovimento = ?"),
                   {contents.invoice})
                 .toInt(),
             int(MovementType::Scarico));
    QCOMPARE(Value(db, QStringLiteral("SELECT CliFor FROM Movimenti WHERE IDMovimento = ?"),
                   {contents.invoice})
                 .toString(),
             QString::fromUtf8(DemoArchive::kInvoiceCustomer));
    QCOMPARE(Value(db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti WHERE IDMovimento = ?"),
                   {contents.invoice})
                 .toInt(),
             6);
    QCOMPARE(Value(db, QStringLiteral("SELECT Prezzo FROM Movimenti WHERE IDMovimento = ?"),
                   {contents.invoice})
                 .toDouble(),
             260.8);
    // Receipts name nobody; nothing lies in the future.
    QCOMPARE(Value(db,
                   QStringLiteral("SELECT COUNT(*) FROM Movimenti WHERE Tipo = ? AND "
                                  "IDCliFor IS NOT NULL"),
                   {int(MovementType::Ricevuta)})
                 .toInt(),
             0);
    QCOMPARE(Value(db, QStringLiteral("SELECT COUNT(*) FROM Movimenti WHERE Tipo = ?"),
                   {int(MovementType::Ricevuta)})
                 .toInt(),
             2);
    QVERIFY(Value(db, QStringLiteral("SELECT MAX(Data) FROM Movimenti")).toDateTime() <
            QDateTime(today, QTime(0, 0)));
}

QTEST_MAIN(tst_DemoArchive)
#include "tst_DemoArchive.moc"
