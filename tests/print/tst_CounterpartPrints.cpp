// label: db
#include "ArchiveTestCase.h"
#include "PdfTesting.h"
#include "common/Profile.h"
#include "print/CounterpartListDocument.h"
#include "print/PageFrame.h"
#include "print/SituationDocument.h"
#include "store/TableRecord.h"

#include <QImage>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::FindPdfWord;
using TestSupport::PdfText;
using TestSupport::PdfWords;

namespace {

int insertReturning(Database& db, const QString& sql, const QVariantList& values) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toInt();
}

struct Party {
    QString name, code, address, town, taxCode, vat;
    bool customer = false, worker = false;
};

int addParty(Database& db, const Party& p) {
    return insertReturning(
        db,
        QStringLiteral("INSERT INTO CliFor (RagSoc, Codice, Indirizzo, Comune, CodFisc, PartIva, "
                       "CliFor, Operaio) VALUES (?, ?, ?, ?, ?, ?, ?, ?) RETURNING IDCliFor"),
        {Record::BindText(p.name, 100), Record::BindText(p.code, 20),
         Record::BindText(p.address, 100), Record::BindText(p.town, 100),
         Record::BindText(p.taxCode, 16), Record::BindText(p.vat, 30),
         Record::BindBit(p.customer, db.backend()), Record::BindBit(p.worker, db.backend())});
}

int addItem(Database& db, const QString& code, const QString& description, int unit = 0,
            int category = 0) {
    return insertReturning(
        db,
        QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, IDUM, IDCategoria) VALUES "
                       "(?, ?, ?, ?) RETURNING IDArticolo"),
        {code, description, unit ? QVariant(unit) : QVariant(QMetaType(QMetaType::Int)),
         category ? QVariant(category) : QVariant(QMetaType(QMetaType::Int))});
}

// A movement of one type with its rows, straight into the tables.
bool addMovement(Database& db, int type, int party, const QDateTime& when,
                 const QList<QPair<int, float>>& rows) {
    const int movement = insertReturning(
        db,
        QStringLiteral("INSERT INTO Movimenti (Numero, Data, IDCliFor, Tipo) VALUES (?, ?, ?, ?) "
                       "RETURNING IDMovimento"),
        {QStringLiteral("1"), Record::BindDateTime(when), party, type});
    if (movement < 0)
        return false;
    for (const auto& [item, qt] : rows)
        if (!db.execute(QStringLiteral("INSERT INTO SottoMovimenti (IDMovimento, IDArticolo, Qt) "
                                       "VALUES (?, ?, ?)"),
                        {movement, item, Record::BindReal(qt)}))
            return false;
    return true;
}

// The colour of the darkest pixel inside a word's box on a page rendered at 300 dpi: the ink
// itself, where the glyph covers the pixel whole.
QColor ink(const QString& pdf, const TestSupport::PdfWord& word, const QString& stem) {
    TestSupport::RunTool(QStringLiteral("pdftoppm"),
                         {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("300"),
                          QStringLiteral("-singlefile"), QStringLiteral("-f"),
                          QString::number(word.page), QStringLiteral("-l"),
                          QString::number(word.page), pdf, stem});
    const QImage image(stem + QStringLiteral(".png"));
    const double s = 300 / 254.0;
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = int(word.top * s); y < int(word.bottom * s); ++y)
        for (int x = int(word.left * s); x < int(word.right * s); ++x)
            if (qGray(image.pixel(x, y)) < qGray(darkest))
                darkest = image.pixel(x, y);
    return QColor(darkest);
}

bool near(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8 &&
           qAbs(a.blue() - b.blue()) <= 8;
}

} // namespace

class tst_CounterpartPrints : public ArchiveTestCase {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Profile> m_profile;

    PrintSource source(Database& db) { return {db, *m_profile, QString()}; }

    QString write(PrintDocument& doc, const QString& name) {
        const QString file = m_dir.filePath(name);
        const QString error = WritePdf(doc, file);
        return error.isEmpty() ? file : error;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY2(CheckPrintFont().isEmpty(), qPrintable(CheckPrintFont()));
        m_profile =
            std::make_unique<Profile>(m_dir.filePath("user.ini"), m_dir.filePath("machine.ini"));
        using S = Profile::Section;
        m_profile->setValue(S::Azienda, "RagSoc", "Ferramenta Bortolotti Snc");
        m_profile->setValue(S::Azienda, "Comune", "37100 Verona");
        m_profile->setValue(S::Azienda, "NDecValNum", 2);
        m_profile->setValue(S::Azienda, "DecValNum", ",");
        m_profile->setValue(S::Azienda, "MigValNum", ".");
    }

    void listLines_data() { TestSupport::AddBackendRows(); }
    void listLines() {
        QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "SottoMovimenti", "Movimenti", "CliFor");
        const QString longName = QStringLiteral("Forniture Industriali Venete del Garda S.p.A.");
        const QString endless = QString("Nome lunghissimo ").repeated(6).trimmed();
        const int customer = addParty(*db, {"Rossi Mario", "C001", "Via Roma 1", "Verona",
                                            "RSSMRA80A01L781X", "01234567890", true});
        const int supplier =
            addParty(*db, {longName, "F001", "Viale Po 3", QString(), QString(), "09876543210"});
        const int worker = addParty(
            *db, {endless, "O001", QString(), "Padova", QString(), QString(), false, true});
        QList<CounterpartListDocument::Line> lines;
        QVERIFY2(
            CounterpartListDocument::ReadLines(*db, {worker, customer, 424242, supplier}, &lines),
            qPrintable(db->errorText()));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0).code, QStringLiteral("O001"));
        QVERIFY(!lines.at(0).customer);
        QCOMPARE(lines.at(0).address, QStringLiteral("Padova"));
        QCOMPARE(lines.at(1).address, QStringLiteral("Via Roma 1 Verona"));
        QVERIFY(lines.at(1).customer);
        QCOMPARE(lines.at(2).address, QStringLiteral("Viale Po 3"));

        CounterpartListDocument doc(source(*db), lines);
        QCOMPARE(doc.pageCount(), 1);
        const QString pdf = write(doc, QStringLiteral("list-%1.pdf").arg(db->isPostgres()));
        const QString text = PdfText(pdf, 1);
        for (const char* heading :
             {"Matricola", "Tipo", "Ragione Sociale", "Indirizzo", "Codice Fiscale", "Partita IVA",
              "Ferramenta Bortolotti Snc", "Pagina 1 di 1"})
            QVERIFY2(text.contains(QLatin1String(heading)), heading);
        QVERIFY(text.contains("Via Roma 1 Verona"));
        QVERIFY(text.contains("RSSMRA80A01L781X"));

        const auto words = PdfWords(pdf);
        // Only the customer's line carries the letter C, under "Tipo".
        const auto tipo = FindPdfWord(words, "Tipo");
        int letters = 0;
        for (const auto& w : words)
            if (w.text == QLatin1String("C") && qAbs(w.left - tipo.left) < 5)
                ++letters;
        QCOMPARE(letters, 1);
        const auto rossi = FindPdfWord(words, "Rossi");
        const auto supplierName = FindPdfWord(words, "Forniture");
        const auto padova = FindPdfWord(words, "Padova");
        QVERIFY(!rossi.text.isEmpty() && !supplierName.text.isEmpty() && !padova.text.isEmpty());
        // A name wider than its column comes in smaller type, whole; on the same line as the
        // rest of its record.
        QVERIFY2(supplierName.bottom - supplierName.top < (rossi.bottom - rossi.top) * 0.9,
                 qPrintable(QString::number(supplierName.bottom - supplierName.top)));
        QVERIFY(text.contains("S.p.A."));
        const auto f001 = FindPdfWord(words, "F001");
        QVERIFY(qAbs(supplierName.bottom - f001.bottom) < 4);
        // One too long even for the smallest type is cut.
        QVERIFY(!text.contains(endless));
        QVERIFY(text.contains("..."));
        // Customers in green, every other line in red; headings in black.
        const QString stem = m_dir.filePath("list");
        QVERIFY(near(ink(pdf, rossi, stem), CounterpartListDocument::kCustomerColour));
        QVERIFY(near(ink(pdf, FindPdfWord(words, "C001"), stem),
                     CounterpartListDocument::kCustomerColour));
        QVERIFY(near(ink(pdf, f001, stem), CounterpartListDocument::kOtherColour));
        QVERIFY(near(ink(pdf, padova, stem), CounterpartListDocument::kOtherColour));
        QVERIFY(near(ink(pdf, tipo, stem), Qt::black));
    }

    void listPages_data() { TestSupport::AddBackendRows(); }
    void listPages() {
        QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "SottoMovimenti", "Movimenti", "CliFor");
        // More records than one query reads: the order of the keys holds across queries.
        QList<int> keys;
        QVERIFY(db->beginTransaction());
        for (int i = 0; i < 520; ++i)
            keys.prepend(addParty(*db, {QStringLiteral("Ditta %1").arg(i, 3, 10, QChar('0')),
                                        QStringLiteral("K%1").arg(i),
                                        {},
                                        {},
                                        {},
                                        {},
                                        i % 2 == 0}));
        QVERIFY(db->commit());
        QList<CounterpartListDocument::Line> lines;
        QVERIFY(CounterpartListDocument::ReadLines(*db, keys, &lines));
        QCOMPARE(lines.size(), 520);
        QCOMPARE(lines.first().name, QStringLiteral("Ditta 519"));
        QCOMPARE(lines.last().name, QStringLiteral("Ditta 000"));
        CounterpartListDocument doc(source(*db), lines.mid(0, 101));
        QCOMPARE(doc.pageCount(), 3);
        const QString pdf = write(doc, QStringLiteral("pages-%1.pdf").arg(db->isPostgres()));
        QCOMPARE(TestSupport::PdfPageCount(pdf), 3);
        QVERIFY(PdfText(pdf, 1).contains("Ditta 470"));
        QVERIFY(!PdfText(pdf, 1).contains("Ditta 469"));
        QVERIFY(PdfText(pdf, 3).contains("Ditta 419"));
        QVERIFY(PdfText(pdf, 3).contains("Pagina 3 di 3"));
        QCOMPARE(CounterpartListDocument(source(*db), {}).pageCount(), 0);
    }

    void situationTitles() {
        QCOMPARE(SituationDocument::Title(QString()), QStringLiteral("Situazione di -"));
        const QString fits(36, 'n');
        QCOMPARE(SituationDocument::Title(fits), QStringLiteral("Situazione di ") + fits);
        const QString title = SituationDocument::Title(QString(37, 'n'));
        QCOMPARE(title.size(), 50);
        QCOMPARE(title, QStringLiteral("Situazione di ") + QString(33, 'n') + "...");
        QCOMPARE(SituationDocument::NetQuantity(*m_profile, 13, 3, "Kg"),
                 QStringLiteral("7,00 Kg"));
        QCOMPARE(SituationDocument::NetQuantity(*m_profile, 2, 2, QString()),
                 QStringLiteral("-2,00 XX."));
    }

    void situation_data() { TestSupport::AddBackendRows(); }
    void situation() {
        QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "SottoMovimenti", "Movimenti", "CliFor",
                                      "Articoli", "Categorie");
        const int kg = insertReturning(*db,
                                       QStringLiteral("INSERT INTO UnMis (Sigla, Descrizione) "
                                                      "VALUES ('Kg', 'Chili') RETURNING IDUM"),
                                       {});
        const int viti = insertReturning(
            *db,
            QStringLiteral("INSERT INTO Categorie (Categoria) VALUES ('Viti') RETURNING "
                           "IDCategoria"),
            {});
        const int screws = addItem(*db, "V-01", "viti zincate", kg, viti);
        const int plugs = addItem(*db, "T-02", "Tasselli");
        const int customer =
            addParty(*db, {QStringLiteral("Bianchi Costruzioni Edili e Stradali Srl"),
                           "C9",
                           {},
                           {},
                           {},
                           {},
                           true});
        const int other = addParty(*db, {"Verdi", "C8", {}, {}, {}, {}, true});
        const int nameless = addParty(*db, {});
        const int worker = addParty(*db, {"Neri", "O1", {}, {}, {}, {}, false, true});

        const QDate from(2026, 3, 2), to(2026, 3, 6);
        QVERIFY(addMovement(*db, 1, customer, QDateTime(from, QTime(0, 0)),
                            {{screws, 10}, {plugs, 2}}));
        QVERIFY(addMovement(*db, 2, customer, QDateTime(to, QTime(23, 59, 59)), {{screws, 3}}));
        // Outside the period by a second, and another record's movement inside it.
        QVERIFY(addMovement(*db, 1, customer, QDateTime(from.addDays(-1), QTime(23, 59, 59)),
                            {{screws, 100}}));
        QVERIFY(
            addMovement(*db, 1, customer, QDateTime(to.addDays(1), QTime(0, 0)), {{screws, 100}}));
        QVERIFY(
            addMovement(*db, 1, other, QDateTime(from.addDays(1), QTime(12, 0)), {{screws, 50}}));
        // A record whose items fill more than one page.
        QList<QPair<int, float>> many;
        for (int i = 1; i <= 50; ++i)
            many.append({addItem(*db, QStringLiteral("P%1").arg(i),
                                 QStringLiteral("Pezzo %1").arg(i, 2, 10, QChar('0')), kg),
                         float(i)});
        QVERIFY(addMovement(*db, 1, worker, QDateTime(from.addDays(2), QTime(9, 30)), many));

        SituationRequest period{from, to, false};
        QList<SituationDocument::Counterpart> records;
        QVERIFY2(SituationDocument::ReadRecords(
                     *db, *m_profile, {customer, nameless, worker, 777777}, period, &records),
                 qPrintable(db->errorText()));
        QCOMPARE(records.size(), 3);
        const auto& c = records.at(0);
        QCOMPARE(c.kind, QStringLiteral("Cliente"));
        QCOMPARE(c.items.size(), 2);
        // By description, alphabetically whatever the case.
        QCOMPARE(c.items.at(0).code, QStringLiteral("T-02"));
        QCOMPARE(c.items.at(0).category, QStringLiteral("Standard"));
        QCOMPARE(c.items.at(0).quantity, QStringLiteral("2,00 XX."));
        QCOMPARE(c.items.at(1).description, QStringLiteral("viti zincate"));
        QCOMPARE(c.items.at(1).category, QStringLiteral("Viti"));
        // 10 sold and 3 returned: the return counts against the sale.
        QCOMPARE(c.items.at(1).quantity, QStringLiteral("7,00 Kg"));
        QCOMPARE(records.at(1).kind, QStringLiteral("Fornitore"));
        QVERIFY(records.at(1).items.isEmpty());
        QCOMPARE(records.at(2).kind, QStringLiteral("Operaio"));
        QCOMPARE(records.at(2).items.size(), 50);
        QCOMPARE(records.at(2).items.at(49).quantity, QStringLiteral("50,00 Kg"));

        SituationDocument doc(source(*db), from, to, records);
        // One page each, and the 50 items of the last record over two.
        QCOMPARE(doc.pageCount(), 4);
        const QString pdf = write(doc, QStringLiteral("situation-%1.pdf").arg(db->isPostgres()));
        QCOMPARE(TestSupport::PdfPageCount(pdf), 4);
        const QString first = PdfText(pdf, 1);
        QVERIFY2(first.contains("Situazione di Bianchi Costruzioni Edili e Strad..."),
                 qPrintable(first));
        QVERIFY(first.contains("Ferramenta Bortolotti Snc"));
        QVERIFY(first.contains("Tipo: Cliente"));
        QVERIFY(first.contains("Da Data: 02/03/2026"));
        QVERIFY(first.contains("Fino a Data: 06/03/2026"));
        for (const char* heading : {"Matricola", "Descrizione", "Categoria", "Quantità"})
            QVERIFY2(first.contains(QString::fromUtf8(heading)), heading);
        QVERIFY(first.contains("7,00 Kg"));
        QVERIFY(first.contains("2,00 XX."));
        QVERIFY(first.contains("Standard"));
        QVERIFY(!first.contains("Verdi"));
        const QString second = PdfText(pdf, 2);
        QVERIFY(second.contains("Situazione di -"));
        QVERIFY(second.contains("Tipo: Fornitore"));
        QVERIFY(!second.contains("Kg"));
        const QString third = PdfText(pdf, 3), fourth = PdfText(pdf, 4);
        QVERIFY(third.contains("Situazione di Neri") && fourth.contains("Situazione di Neri"));
        QVERIFY(third.contains("Pezzo 48") && !third.contains("Pezzo 49"));
        QVERIFY(fourth.contains("Pezzo 49") && fourth.contains("Pezzo 50"));
        QVERIFY(!fourth.contains("Pezzo 48"));
        QVERIFY(fourth.contains("Pagina 4 di 4"));

        // No record, no page.
        QVERIFY(SituationDocument::ReadRecords(*db, *m_profile, {}, period, &records));
        QCOMPARE(SituationDocument(source(*db), from, to, records).pageCount(), 0);
    }
};

QTEST_MAIN(tst_CounterpartPrints)
#include "tst_CounterpartPrints.moc"
