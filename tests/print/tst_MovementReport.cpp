// label: db
#include "ArchiveTestCase.h"
#include "PdfTesting.h"
#include "TestSupport.h"
#include "common/Profile.h"
#include "print/MovementReport.h"
#include "print/MovementReportDocument.h"
#include "print/PrintDocument.h"
#include "store/ConnectionString.h"
#include "store/TableRecord.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

using G = MovementGrouping;
using S = Profile::Section;

QVariant none() {
    return QVariant(QMetaType::fromType<int>());
}

int insert(Database& db, const QString& sql, const QVariantList& values) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toInt();
}

int named(Database& db, const char* table, const char* key, const char* column,
          const QString& name) {
    return insert(db,
                  QStringLiteral("INSERT INTO %1 (%2) VALUES (?) RETURNING %3")
                      .arg(QLatin1String(table), QLatin1String(column), QLatin1String(key)),
                  {name});
}

struct Item {
    QString name;
    double giacInit = 0;
    QString price;
    double discount = 0;
    double vat = 0;
    QVariant unit = none();
    QVariant category = none(), department = none(), shelf = none();
};

int addItem(Database& db, const Item& i) {
    return insert(
        db,
        QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, GiacInit, Prezzo, "
                       "Sconto, Iva, IDUM, IDCategoria, IDReparto, IDScaffale) VALUES "
                       "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING IDArticolo"),
        {TestSupport::UniqueName(QStringLiteral("M")), i.name, Record::BindReal(float(i.giacInit)),
         Record::BindCurrency(i.price.isEmpty() ? CurrencyAmount::null()
                                                : CurrencyAmount::fromDecimalString(i.price),
                              db.backend()),
         Record::BindReal(float(i.discount)), Record::BindReal(float(i.vat)), i.unit, i.category,
         i.department, i.shelf});
}

struct Row {
    int item;
    double qt;
    QString price; // empty: NULL
    std::optional<float> discount, vat;
};

int addMovement(Database& db, int tipo, const QDateTime& when, const QVariant& counterpart,
                const QList<Row>& rows) {
    const int id = insert(db,
                          QStringLiteral("INSERT INTO Movimenti (Numero, Tipo, Data, IDCliFor) "
                                         "VALUES (?, ?, ?, ?) RETURNING IDMovimento"),
                          {QStringLiteral("1"), tipo, when, counterpart});
    for (const Row& r : rows) {
        const CurrencyAmount price =
            r.price.isEmpty() ? CurrencyAmount::null() : CurrencyAmount::fromDecimalString(r.price);
        if (!db.execute(QStringLiteral("INSERT INTO SottoMovimenti (IDMovimento, IDArticolo, Qt, "
                                       "Prezzo, Sconto, Iva) VALUES (?, ?, ?, ?, ?, ?)"),
                        {id, r.item, Record::BindReal(float(r.qt)),
                         Record::BindCurrency(price, db.backend()), Record::BindReal(r.discount),
                         Record::BindReal(r.vat)}))
            return -1;
    }
    return id;
}

QDateTime at(int month, int day, int hour = 10) {
    return QDateTime(QDate(2026, month, day), QTime(hour, 0));
}

// A line as "name | prefix | initial stock | initial value | final stock | final value".
QString dump(const MovementReport& report) {
    QStringList out;
    for (const MovementReportLine& l : report.lines)
        out << QStringLiteral("%1 | %2 | %3 | %4 | %5 | %6")
                   .arg(l.name, l.unitPrefix)
                   .arg(l.initialStock)
                   .arg(l.initialValue.toDecimalString())
                   .arg(l.finalStock)
                   .arg(l.finalValue.toDecimalString());
    return out.join(u'\n');
}

const char* const kTables[] = {"Imei",  "SottoMovimenti", "Movimenti", "Articoli", "CliFor",
                               "UnMis", "Categorie",      "Reparti",   "Scaffali"};

} // namespace

class tst_MovementReport : public ArchiveTestCase {
    Q_OBJECT

    // Two dates, 1 and 10 March 2026, and around them: a load before the start, a sale at the
    // start's midnight exactly (counted at the start), a second sale at the same price, VAT and
    // discount, a receipt and a return in between, and a big sale on the end day after
    // midnight (counted nowhere).
    struct Example {
        int alfa = 0, beta = 0, itemA = 0, itemB = 0;
        MovementReportRequest request;
    };

    bool fill(Database& db, Example* e) {
        for (const char* table : kTables)
            if (!db.execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))))
                return false;
        const int pz = named(db, "UnMis", "IDUM", "Sigla", QStringLiteral("Pz"));
        e->beta = named(db, "Categorie", "IDCategoria", "Categoria", QStringLiteral("Beta"));
        e->alfa = named(db, "Categorie", "IDCategoria", "Categoria", QStringLiteral("alfa"));
        const int r1 = named(db, "Reparti", "IDReparto", "Reparto", QStringLiteral("Banco"));
        named(db, "Reparti", "IDReparto", "Reparto", QStringLiteral("Cassa"));
        const int s1 = named(db, "Scaffali", "IDScaffale", "Scaffale", QStringLiteral("A1"));
        named(db, "Scaffali", "IDScaffale", "Scaffale", QStringLiteral("B2"));
        const int supplier = named(db, "CliFor", "IDCliFor", "RagSoc", QStringLiteral("Fornitore"));
        const int customer = named(db, "CliFor", "IDCliFor", "RagSoc", QStringLiteral("cliente"));
        named(db, "CliFor", "IDCliFor", "RagSoc", QStringLiteral("Senza movimenti"));
        e->itemA = addItem(
            db, {QStringLiteral("Vite"), 5, QStringLiteral("10"), 0, 0.22, pz, e->alfa, r1, s1});
        e->itemB = addItem(db, {QStringLiteral("Bullone"), 3, QStringLiteral("20"), 0.10, 0, none(),
                                e->alfa, r1, s1});
        addItem(db,
                {QStringLiteral("Mai mosso"), 7, QStringLiteral("1"), 0, 0, pz, e->alfa, r1, s1});
        const QString ten = QStringLiteral("10");
        const bool ok =
            addMovement(db, 0, at(2, 20), supplier,
                        {{e->itemA, 10, QStringLiteral("8"), 0, 0.22f}}) > 0 &&
            addMovement(db, 1, at(3, 1, 0), customer, {{e->itemA, 3, ten, 0.10f, 0.22f}}) > 0 &&
            addMovement(db, 1, at(3, 2), customer, {{e->itemA, 2, ten, 0.10f, 0.22f}}) > 0 &&
            addMovement(db, 3, at(3, 5), none(), {{e->itemB, 2, QStringLiteral("20"), 0, 0}}) > 0 &&
            addMovement(db, 2, at(3, 8), customer, {{e->itemA, 1, ten, 0.10f, 0.22f}}) > 0 &&
            addMovement(db, 1, QDateTime(QDate(2026, 3, 10), QTime(0, 0, 1)), customer,
                        {{e->itemA, 100, ten, 0.10f, 0.22f}}) > 0;
        // A pending row of an interrupted edit joins no header and counts nowhere.
        const bool pending = db.execute(
            QStringLiteral("INSERT INTO SottoMovimenti (IDMovimento, IDArticolo, Qt, Prezzo) "
                           "VALUES (0, ?, 50, 1)"),
            {e->itemB});
        e->request.from = QDateTime(QDate(2026, 3, 1), QTime(18, 30));
        e->request.to = QDateTime(QDate(2026, 3, 10), QTime(23, 0));
        return ok && pending;
    }

    MovementReport build(Database& db, MovementReportRequest request, G grouping) {
        request.grouping = grouping;
        MovementReport report;
        if (!BuildMovementReport(db, request, &report))
            qWarning() << db.errorText();
        return report;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Profile> m_profile;

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_profile = std::make_unique<Profile>(m_dir->filePath(QStringLiteral("q.ini")),
                                              m_dir->filePath(QStringLiteral("none.ini")));
        const std::pair<const char*, const char*> values[] = {{"SimbVal", "€"},
                                                              {"NDecVal", "2"},
                                                              {"DecVal", ","},
                                                              {"MigVal", "."},
                                                              {"NDecValNum", "2"},
                                                              {"DecValNum", ","},
                                                              {"MigValNum", "."},
                                                              {"RagSoc", "Ferramenta Rossi Srl"},
                                                              {"Indirizzo", "Via Roma 1"},
                                                              {"Comune", "Torino"},
                                                              {"CodFisc", "RSSMRA80A01L219X"},
                                                              {"PartIva", "01234567890"},
                                                              {"Telefono", "011 555"}};
        for (const auto& [key, value] : values)
            m_profile->setValue(S::Azienda, QString::fromUtf8(key), QString::fromUtf8(value));
    }

    void periodRule() {
        const QDateTime start(QDate(2026, 3, 1), QTime(12, 0));
        const QString equal = QStringLiteral("La data finale deve essere maggiore della data "
                                             "iniziale!");
        const QString oneDay = QStringLiteral("La data finale deve essere maggiore di almeno un "
                                              "giorno della data iniziale!");
        QCOMPARE(MovementReportPeriodError(start, start), equal);
        QCOMPARE(MovementReportPeriodError(start, start.addSecs(23 * 3600)), oneDay);
        QCOMPARE(MovementReportPeriodError(start, start.addDays(-3)), oneDay);
        // Half a second short of a day still counts as one.
        QCOMPARE(MovementReportPeriodError(start, start.addMSecs(86400000 - 400)), QString());
        QCOMPARE(MovementReportPeriodError(start, start.addMSecs(86400000 - 600)), oneDay);
        QCOMPARE(MovementReportPeriodError(start, start.addDays(1)), QString());
        QCOMPARE(MovementReportCutoff(start), QDateTime(QDate(2026, 3, 1), QTime(0, 0)));
    }

    // Categories, departments and shelves: every one gets a line, those without items zeros;
    // the opening value is the sum of GiacInit at the averages of price, discount and VAT.
    void classificationsByHand_data() {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<int>("grouping");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("empty");
        for (const char* backend : {"sqlite", "postgres"}) {
            const QString b = QLatin1String(backend);
            QTest::newRow(qPrintable(b + QStringLiteral(" category")))
                << b << int(G::Category) << QStringLiteral("alfa") << QStringLiteral("Beta");
            QTest::newRow(qPrintable(b + QStringLiteral(" department")))
                << b << int(G::Department) << QStringLiteral("Banco") << QStringLiteral("Cassa");
            QTest::newRow(qPrintable(b + QStringLiteral(" shelf")))
                << b << int(G::Shelf) << QStringLiteral("A1") << QStringLiteral("B2");
        }
    }
    void classificationsByHand() {
        QUARZIL_FETCH_ARCHIVE(m_archives, db);
        QFETCH(int, grouping);
        QFETCH(QString, full);
        QFETCH(QString, empty);
        Example e;
        QVERIFY2(fill(*db, &e), qPrintable(db->errorText()));
        // s0 = 5 + 3 + 7 = 15 at 31/3 (price), 0.1/3 (discount), 0.22/3 (VAT):
        // 15 x 10.3333 x (1 - 0.1 / 3) x (1 + 0.22 / 3) = 160.8206.
        // At the start: 10 in at 8.00 x 1.22 = 97.60, 3 out at 10 x 0.9 x 1.22 = 32.94.
        // At the end: also 2 out at 21.96, 2 out by receipt at 40.00, 1 back at 10.98.
        const QString line = QStringLiteral("%1 | X. | 22 | -225.4806 | 19 | -174.5006");
        const QString zero = QStringLiteral("%1 | X. | 0 | 0.0000 | 0 | 0.0000");
        const MovementReport r = build(*db, e.request, G(grouping));
        // Names in alphabetical order whatever their case, on both back ends.
        QCOMPARE(dump(r), line.arg(full) + u'\n' + zero.arg(empty));
    }

    void itemsByHand_data() { TestSupport::AddBackendRows(); }
    void itemsByHand() {
        QUARZIL_FETCH_ARCHIVE(m_archives, db);
        Example e;
        QVERIFY2(fill(*db, &e), qPrintable(db->errorText()));
        // Only items with rows; each its own opening stock at its own price, discount and VAT:
        // Vite 5 x 10 x 1.22 = 61.00, Bullone 3 x 20 x 0.9 = 54.00. The pending row of Bullone
        // and the sale after the end's midnight count nowhere.
        QCOMPARE(dump(build(*db, e.request, G::Item)),
                 QStringLiteral("Bullone | X. | 3 | -54.0000 | 1 | -14.0000\n"
                                "Vite | Pz | 12 | -125.6600 | 11 | -114.6800"));
    }

    // A counterpart has no opening stock: purchases and returns minus sales. The receipts make
    // a line of their own, first.
    void counterpartsByHand_data() { TestSupport::AddBackendRows(); }
    void counterpartsByHand() {
        QUARZIL_FETCH_ARCHIVE(m_archives, db);
        Example e;
        QVERIFY2(fill(*db, &e), qPrintable(db->errorText()));
        QCOMPARE(dump(build(*db, e.request, G::Counterpart)),
                 QStringLiteral("- Ricevuta - | X. | 0 | 0.0000 | -2 | 40.0000\n"
                                "cliente | X. | -3 | 32.9400 | -4 | 43.9200\n"
                                "Fornitore | X. | 10 | -97.6000 | 10 | -97.6000"));
    }

    // Rows written by other means: no price is worth nothing, no discount or VAT is none.
    void nullPriceDiscountAndVat_data() { TestSupport::AddBackendRows(); }
    void nullPriceDiscountAndVat() {
        QUARZIL_FETCH_ARCHIVE(m_archives, db);
        for (const char* table : kTables)
            QVERIFY(db->execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))));
        const int item = addItem(*db, {QStringLiteral("Sfuso"), 0, QString(), 0, 0});
        QVERIFY(db->execute(QStringLiteral("UPDATE Articoli SET GiacInit = NULL, Prezzo = NULL, "
                                           "Sconto = NULL, Iva = NULL WHERE IDArticolo = ?"),
                            {item}));
        QVERIFY(addMovement(*db, 1, at(3, 3), none(),
                            {{item, 2, QString(), 0.5f, 0.5f},
                             {item, 1, QStringLiteral("5"), std::nullopt, std::nullopt},
                             {item, 4, QStringLiteral("5"), std::nullopt, 0.1f}}) > 0);
        // A movement without rows changes nothing.
        QVERIFY(addMovement(*db, 0, at(3, 3), none(), {}) > 0);
        MovementReportRequest request{at(3, 1), at(3, 9), G::Item};
        QCOMPARE(dump(build(*db, request, G::Item)),
                 QStringLiteral("Sfuso | X. | 0 | 0.0000 | -7 | 27.0000"));
        QCOMPARE(dump(build(*db, request, G::Counterpart)),
                 QStringLiteral("- Ricevuta - | X. | 0 | 0.0000 | -7 | 27.0000"));
        // The category of no item: a zero line; no category: no line and no page.
        QCOMPARE(dump(build(*db, request, G::Category)), QString());
        named(*db, "Categorie", "IDCategoria", "Categoria", QStringLiteral("Vuota"));
        QCOMPARE(dump(build(*db, request, G::Category)),
                 QStringLiteral("Vuota | X. | 0 | 0.0000 | 0 | 0.0000"));
    }

    // The printed report: title, company block, the two dates, the columns, a line's figures
    // and the totals of the whole report on every page.
    void printedPages_data() { TestSupport::AddBackendRows(); }
    void printedPages() {
        QUARZIL_FETCH_ARCHIVE(m_archives, db);
        Example e;
        QVERIFY2(fill(*db, &e), qPrintable(db->errorText()));
        // Enough categories for a second page: 38 lines a page.
        for (int i = 0; i < 37; ++i)
            named(*db, "Categorie", "IDCategoria", "Categoria",
                  QStringLiteral("Zona %1").arg(i, 2, 10, QLatin1Char('0')));
        PrintSource source{*db, *m_profile, QString()};
        MovementReportRequest request = e.request;
        QString error;
        auto doc = MovementReportDocument::Make(source, request, &error);
        QVERIFY2(doc, qPrintable(error));
        QCOMPARE(doc->pageCount(), 2);
        QCOMPARE(doc->fileBaseName(), QStringLiteral("Situazione Movimenti 2026-03-01 2026-03-10"));
        const QString pdf = m_dir->filePath(QStringLiteral("report.pdf"));
        QCOMPARE(WritePdf(*doc, pdf), QString());
        QCOMPARE(TestSupport::PdfPageCount(pdf), 2);

        const QString first = TestSupport::PdfText(pdf, 1);
        static const QRegularExpression spaces(QStringLiteral("\\s+"));
        const QString flat = QString(first).replace(spaces, QStringLiteral(" "));
        for (const QString& text :
             {QStringLiteral("Situazione Movimenti"), QStringLiteral("Ferramenta Rossi Srl"),
              QStringLiteral("Via Roma 1"), QStringLiteral("Cod.Fisc. RSSMRA80A01L219X"),
              QStringLiteral("Part.Iva 01234567890"), QStringLiteral("Tel. 011 555"),
              QStringLiteral("Movimenti in Data"),
              QStringLiteral("Dal giorno Domenica 1 Marzo 2026"),
              QStringLiteral("Al giorno Martedì 10 Marzo 2026"), QStringLiteral("Categoria"),
              QStringLiteral("Pagina 1 di 2"),
              // 19 - 22 = -3 moved; -174.50 - -225.48 = 50.98.
              QStringLiteral("Totale Caricato: X.-3,00"),
              QStringLiteral("Totale Guadagnato: € 50,98")})
            QVERIFY2(flat.contains(text), qPrintable(text + QStringLiteral("\n") + first));
        for (const QString& text :
             {QStringLiteral("alfa X.22,00 € -225,48 X.19,00 € -174,50 X.-3,00 € 50,98"),
              QStringLiteral("Beta X.0,00 € 0,00 X.0,00 € 0,00 X.0,00 € 0,00")})
            QVERIFY2(flat.contains(text), qPrintable(text + QStringLiteral("\n") + flat));
        // Headings wrap inside their columns: each word of them is there.
        for (const char* word :
             {"Giacenza", "Iniz.", "Valore", "Finale", "Qt.", "Movimentata", "Val.", "Movimentato"})
            QVERIFY2(first.contains(QLatin1String(word)), word);

        const QString second = TestSupport::PdfText(pdf, 2);
        QVERIFY(second.contains(QStringLiteral("Pagina 2 di 2")));
        QVERIFY(second.contains(QStringLiteral("Zona 36")));
        QVERIFY(!second.contains(QStringLiteral("Zona 35")));
        QVERIFY(second.contains(QStringLiteral("Totale Guadagnato: € 50,98")));

        // Nothing to report, nothing to print.
        for (const char* table : kTables)
            QVERIFY(db->execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))));
        doc = MovementReportDocument::Make(source, request, &error);
        QVERIFY(doc);
        QCOMPARE(doc->pageCount(), 0);
    }

    // quarzil-cli print report: the dialog's period rule as usage errors, then a report by
    // counterpart written whole.
    void commandLine_data() { TestSupport::AddBackendRows(); }
    void commandLine() {
        QUARZIL_FETCH_ARCHIVE(m_archives, db);
        Example e;
        QVERIFY2(fill(*db, &e), qPrintable(db->errorText()));
        const QString connection = m_archives.connectionString(backend);
        const QStringList archive =
            ConnectionString::TypeOf(connection) == 0
                ? QStringList{QStringLiteral("--archive"),
                              ConnectionString::Value(connection, QStringLiteral("Data Source"))}
                : QStringList{QStringLiteral("--connection"), connection};
        const QString pdf = m_dir->filePath(QStringLiteral("cli.pdf"));
        auto run = [&](const QString& from, const QString& to, const QString& group, QString* err) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir->filePath(QStringLiteral("cfg")));
            env.insert(QStringLiteral("QUARZIL_MACHINE_CONFIG"),
                       m_dir->filePath(QStringLiteral("none.ini")));
            p.setProcessEnvironment(env);
            p.start(TestSupport::CliPath(),
                    archive + QStringList{QStringLiteral("print"), QStringLiteral("report"),
                                          QStringLiteral("--from"), from, QStringLiteral("--to"),
                                          to, QStringLiteral("--group"), group,
                                          QStringLiteral("--pdf"), pdf});
            if (!p.waitForFinished(60000))
                return -1;
            *err = QString::fromUtf8(p.readAllStandardError());
            return p.exitCode();
        };
        QString err;
        QCOMPARE(run(QStringLiteral("2026-03-05"), QStringLiteral("5/3/2026"),
                     QStringLiteral("item"), &err),
                 2);
        QVERIFY2(err.contains(QStringLiteral("La data finale deve essere maggiore della data "
                                             "iniziale!")),
                 qPrintable(err));
        QCOMPARE(run(QStringLiteral("2026-03-05"), QStringLiteral("2026-03-04"),
                     QStringLiteral("item"), &err),
                 2);
        QVERIFY2(err.contains(QStringLiteral("di almeno un giorno")), qPrintable(err));
        QCOMPARE(run(QStringLiteral("2026-03-01"), QStringLiteral("2026-03-10"),
                     QStringLiteral("cassa"), &err),
                 2);
        QCOMPARE(run(QStringLiteral("2026-03-01"), QStringLiteral("2026-03-10"),
                     QStringLiteral("counterpart"), &err),
                 0);
        static const QRegularExpression spaces(QStringLiteral("\\s+"));
        const QString text = TestSupport::PdfText(pdf).replace(spaces, QStringLiteral(" "));
        QVERIFY2(text.contains(QStringLiteral("Cliente/Fornitore")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("- Ricevuta - X.0")), qPrintable(text));
    }
};

QTEST_MAIN(tst_MovementReport)
#include "tst_MovementReport.moc"
