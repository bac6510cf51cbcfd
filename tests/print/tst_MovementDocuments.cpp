// label: db
#include "ArchiveTestCase.h"
#include "PdfTesting.h"
#include "TestSupport.h"
#include "common/Profile.h"
#include "movements/MovementTypes.h"
#include "print/InvoiceDocument.h"
#include "print/MovementDocuments.h"
#include "print/MovementListDocument.h"
#include "print/MovementPrintChoice.h"
#include "print/PrintDocument.h"
#include "print/ReceiptDocument.h"
#include "print/TransportDocument.h"
#include "store/ConnectionString.h"
#include "store/TableRecord.h"
#include "store/records/MovimentiRecord.h"
#include "store/records/SottoMovimentiRecord.h"
#include "store/records/UnMisRecord.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

using TestSupport::FindPdfWord;
using TestSupport::PdfPageCount;
using TestSupport::PdfText;
using TestSupport::PdfWords;

int insertReturning(Database& db, const QString& sql, const QVariantList& values) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toInt();
}

// One document's archive: a unit, items coded M001, M002 ... and the counterparts.
struct Archive {
    Database& db;
    int unit = 0;

    int item(int n, const QString& description = {}) {
        return insertReturning(
            db,
            QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione) VALUES (?, ?) "
                           "RETURNING IDArticolo"),
            {QStringLiteral("M%1").arg(n, 3, 10, QLatin1Char('0')),
             description.isEmpty() ? QStringLiteral("Articolo %1").arg(n) : description});
    }
    int counterpart(bool customer, const QString& code, const QString& name) {
        return insertReturning(
            db,
            QStringLiteral("INSERT INTO CliFor (RagSoc, Indirizzo, Comune, PartIva, CodFisc, "
                           "CliFor, Codice) VALUES (?, ?, ?, ?, ?, ?, ?) RETURNING IDCliFor"),
            {name, QStringLiteral("Via Garibaldi 3"), QStringLiteral("20100 Milano"),
             QStringLiteral("IT09876543210"), QStringLiteral("RSSMRA70A01F205X"),
             Record::BindBit(customer, db.backend()), code});
    }
    int movement(MovimentiRecord h) {
        if (h.Numero.isEmpty())
            h.Numero = QStringLiteral("7/2026");
        if (!h.Data.isValid())
            h.Data = QDateTime(QDate(2026, 3, 5), QTime(10, 30));
        TableRecordSet<MovimentiRecord> set(db);
        return set.insert(h) ? h.IDMovimento : -1;
    }
    bool row(int movement, int item, float qt, const QString& price, std::optional<float> iva,
             float sconto = 0, const QString& note = {}) {
        SottoMovimentiRecord r;
        r.IDMovimento = movement;
        r.IDArticolo = item;
        r.IDUM = unit;
        r.Qt = qt;
        r.Prezzo = CurrencyAmount::fromDecimalString(price);
        r.Iva = iva;
        r.Sconto = sconto;
        r.Notes = note;
        TableRecordSet<SottoMovimentiRecord> set(db);
        return set.insert(r);
    }
    // n rows of one piece at 10.00 with 22 % VAT, items 1 to n.
    bool rows(int movement, int n, std::optional<float> iva = 0.22f) {
        for (int i = 1; i <= n; ++i)
            if (!row(movement, item(i), 1, QStringLiteral("10.00"), iva))
                return false;
        return true;
    }
};

MovimentiRecord sale(int customer) {
    MovimentiRecord h;
    h.Tipo = MovementType::Scarico;
    h.IDCliFor = customer;
    h.CliFor = QStringLiteral("Bar Sport di Rossi");
    h.Riga1SX = QStringLiteral("CONTRIBUTO AMBIENTALE CONAI ASSOLTO OVE DOVUTO");
    h.Riga1DX = QStringLiteral("CONTRIBUTO RAEE ADDEBITATO OVE DOVUTO");
    h.Riga2 = QStringLiteral("Seconda riga del piede");
    h.Riga3 = QStringLiteral("Terza riga del piede");
    h.Riga4 = QStringLiteral("Quarta riga del piede");
    h.Riga1Min = QStringLiteral("Prima riga regime agevolato");
    h.Riga2Min = QStringLiteral("Seconda riga regime agevolato");
    h.Riga3Min = QStringLiteral("Bollo di €. 2,00 su originale");
    return h;
}

// The lines of a page's text that hold a word.
int countLines(const QString& text, const QString& word) {
    int n = 0;
    for (const QString& line : text.split(u'\n'))
        if (line.contains(word))
            ++n;
    return n;
}

} // namespace

class tst_MovementDocuments : public ArchiveTestCase {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Profile> m_profile;
    QString m_logo;

    Archive archive(Database* db) {
        Archive a{*db};
        UnMisRecord u;
        u.Sigla = QStringLiteral("pz");
        u.Descrizione = QStringLiteral("Pezzi");
        TableRecordSet<UnMisRecord> set(*db);
        if (set.insert(u))
            a.unit = u.IDUM;
        return a;
    }
    PrintSource source(Database& db, const QString& logo = {}) {
        return PrintSource{db, *m_profile, logo};
    }
    // Writes the document and returns the PDF's path (kept in QUARZIL_KEEP_PDF when set).
    QString write(PrintDocument& document, const QString& name) {
        const QString keep = qEnvironmentVariable("QUARZIL_KEEP_PDF");
        const QString path = keep.isEmpty() ? m_dir.filePath(name + QStringLiteral(".pdf"))
                                            : QDir(keep).filePath(name + QStringLiteral(".pdf"));
        const QString error = WritePdf(document, path);
        if (!error.isEmpty())
            qWarning("%s", qPrintable(error));
        return error.isEmpty() ? path : QString();
    }
    std::unique_ptr<PrintDocument> make(Database& db, PrintKind kind, int key,
                                        PrintCurrency currency = PrintCurrency::Company,
                                        const QString& logo = {}) {
        QString error;
        auto document = MakeMovementDocument(source(db, logo), kind, key, currency, &error);
        if (!document)
            qWarning("%s", qPrintable(error));
        return document;
    }

private Q_SLOTS:
    void initTestCase();
    void invoicePagination_data() { TestSupport::AddBackendRows(); }
    void invoicePagination();
    void invoiceContentAndVatSummary_data() { TestSupport::AddBackendRows(); }
    void invoiceContentAndVatSummary();
    void reducedRegimeInvoice_data() { TestSupport::AddBackendRows(); }
    void reducedRegimeInvoice();
    void purchaseInvoiceAndLogo_data() { TestSupport::AddBackendRows(); }
    void purchaseInvoiceAndLogo();
    void transportDocument_data() { TestSupport::AddBackendRows(); }
    void transportDocument();
    void receipt_data() { TestSupport::AddBackendRows(); }
    void receipt();
    void documentCurrency_data() { TestSupport::AddBackendRows(); }
    void documentCurrency();
    void movementList_data() { TestSupport::AddBackendRows(); }
    void movementList();
    void kindChoice_data() { TestSupport::AddBackendRows(); }
    void kindChoice();
    void commandLine_data() { TestSupport::AddBackendRows(); }
    void commandLine();
};

#define EMPTIED_ARCHIVE(db)                                                                        \
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Imei", "SottoMovimenti", "PrimaNota",           \
                                  "Movimenti", "Articoli", "CliFor", "UnMis")

void tst_MovementDocuments::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY2(CheckPrintFont().isEmpty(), qPrintable(CheckPrintFont()));
    m_profile = std::make_unique<Profile>(m_dir.filePath(QStringLiteral("p.ini")),
                                          m_dir.filePath(QStringLiteral("m.ini")));
    using S = Profile::Section;
    const QList<QPair<const char*, QString>> company = {
        {"RagSoc", QStringLiteral("Ferramenta Bortolotti Snc")},
        {"Indirizzo", QStringLiteral("Via Roma 12")},
        {"Comune", QStringLiteral("37100 Verona")},
        {"Telefono", QStringLiteral("045 123456")},
        {"Cellulare", QStringLiteral("333 9876543")},
        {"CodFisc", QStringLiteral("BRTGNN60A01L781X")},
        {"PartIva", QStringLiteral("01234567890")},
        {"CapSoc", QStringLiteral("Cap. Soc. 10.000")},
        {"SimbVal", QStringLiteral("€")},
        {"NDecVal", QStringLiteral("2")},
        {"DecVal", QStringLiteral(",")},
        {"MigVal", QStringLiteral(".")},
        {"NDecValNum", QStringLiteral("2")},
        {"DecValNum", QStringLiteral(",")},
        {"MigValNum", QStringLiteral(".")},
    };
    for (const auto& [key, value] : company)
        m_profile->setValue(S::Azienda, QLatin1String(key), value);
    QImage logo(380, 220, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    m_logo = m_dir.filePath(QStringLiteral("logo.png"));
    QVERIFY(logo.save(m_logo));
}

void tst_MovementDocuments::invoicePagination() {
    EMPTIED_ARCHIVE(db);
    Archive a = archive(db);
    const int customer = a.counterpart(true, QStringLiteral("C01"), QStringLiteral("Bar Sport"));

    // All four counted footer lines filled: 27 rows fill one page.
    const int full = a.movement(sale(customer));
    QVERIFY(a.rows(full, 27));
    auto doc = make(*db, PrintKind::Invoice, full);
    QVERIFY(doc);
    QCOMPARE(doc->pageCount(), 1);
    QString pdf = write(*doc, QStringLiteral("invoice27"));
    QCOMPARE(PdfPageCount(pdf), 1);
    QString page = PdfText(pdf, 1);
    QVERIFY(page.contains(QStringLiteral("M027")));
    QVERIFY(page.contains(QStringLiteral("1 di 1")));
    QVERIFY(page.contains(QStringLiteral("Quarta riga del piede")));
    // One row more needs a second page, which holds only it.
    QVERIFY(a.row(full, a.item(28), 1, QStringLiteral("10.00"), 0.22f));
    doc = make(*db, PrintKind::Invoice, full);
    QCOMPARE(doc->pageCount(), 2);
    pdf = write(*doc, QStringLiteral("invoice28"));
    QCOMPARE(PdfPageCount(pdf), 2);
    QVERIFY(!PdfText(pdf, 1).contains(QStringLiteral("M028")));
    page = PdfText(pdf, 2);
    QVERIFY(page.contains(QStringLiteral("M028")));
    QVERIFY(!page.contains(QStringLiteral("M027")));
    QVERIFY(page.contains(QStringLiteral("2 di 2")));
    // The totals close the last page only.
    QVERIFY(!PdfText(pdf, 1).contains(QStringLiteral("€ 341,60")));
    QVERIFY(page.contains(QStringLiteral("€ 341,60")));

    // Riga4 empty: one more row fits, so 28 rows still print on one page, 29 on two.
    MovimentiRecord h = sale(customer);
    h.Riga4.clear();
    const int shorter = a.movement(h);
    QVERIFY(a.rows(shorter, 28));
    doc = make(*db, PrintKind::Invoice, shorter);
    QCOMPARE(doc->pageCount(), 1);
    pdf = write(*doc, QStringLiteral("invoice28short"));
    QCOMPARE(PdfPageCount(pdf), 1);
    QVERIFY(PdfText(pdf, 1).contains(QStringLiteral("M028")));
    QVERIFY(a.row(shorter, a.item(29), 1, QStringLiteral("10.00"), 0.22f));
    QCOMPARE(make(*db, PrintKind::Invoice, shorter)->pageCount(), 2);

    // A row note takes the line under its row: 26 rows and a note fill the page, one more
    // note does not fit.
    const int noted = a.movement(sale(customer));
    QVERIFY(a.rows(noted, 25));
    QVERIFY(a.row(noted, a.item(26), 1, QStringLiteral("10.00"), 0.22f, 0,
                  QStringLiteral("Consegna al piano")));
    doc = make(*db, PrintKind::Invoice, noted);
    QCOMPARE(doc->pageCount(), 1);
    pdf = write(*doc, QStringLiteral("invoiceNote"));
    page = PdfText(pdf, 1);
    QVERIFY(page.contains(QStringLiteral("Consegna al piano")));
    const auto words = PdfWords(pdf);
    // The note is written under its row.
    QVERIFY(FindPdfWord(words, QStringLiteral("Consegna")).top >
            FindPdfWord(words, QStringLiteral("M026")).bottom);
    QVERIFY(a.row(noted, a.item(27), 1, QStringLiteral("10.00"), 0.22f));
    QCOMPARE(make(*db, PrintKind::Invoice, noted)->pageCount(), 2);
}

void tst_MovementDocuments::invoiceContentAndVatSummary() {
    EMPTIED_ARCHIVE(db);
    Archive a = archive(db);
    const int customer =
        a.counterpart(true, QStringLiteral("C042"), QStringLiteral("Bar Sport di Rossi"));
    MovimentiRecord h = sale(customer);
    h.Numero = QStringLiteral("12/2026");
    h.CondPag = QStringLiteral("Bonifico 30 gg");
    h.Banca = QStringLiteral("Banca Popolare");
    h.IBAN = QStringLiteral("IT60X0542811101000000123456");
    h.Causale = QStringLiteral("Vendita");
    h.Vettore = QStringLiteral("Trasporti Veloci");
    h.Colli = QStringLiteral("3");
    h.Peso = QStringLiteral("12 kg");
    h.ComuneDiv = QStringLiteral("Cantiere di Lodi");
    const int key = a.movement(h);
    // 3 x 10.00, 10 % off, 22 %: 30.00, 3.00 off, 27.00 net, 5.94 tax.
    QVERIFY(a.row(key, a.item(1), 3, QStringLiteral("10.00"), 0.22f, 0.10f));
    QVERIFY(a.row(key, a.item(2), 2, QStringLiteral("50.00"), 0.10f));
    QVERIFY(a.row(key, a.item(3), 1, QStringLiteral("7.00"), 0.04f));
    // 22 % written by other means as a double: the same rate in the summary.
    QVERIFY(db->execute(QStringLiteral("INSERT INTO SottoMovimenti (IDMovimento, Qt, IDArticolo, "
                                       "IDUM, Prezzo, Iva, Sconto) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                        {key, 1.0, a.item(4), a.unit, 84.0, 0.22, 0.0}));
    // A description longer than its column is cut with "...".
    QVERIFY(a.row(key,
                  a.item(5, QStringLiteral("Trapano avvitatore a batteria con valigetta e "
                                           "due batterie di ricambio")),
                  1, QStringLiteral("1.00"), 0.0f));

    auto doc = make(*db, PrintKind::Invoice, key);
    QVERIFY(doc);
    auto* invoice = dynamic_cast<InvoiceDocument*>(doc.get());
    QVERIFY(invoice);
    QVERIFY(!invoice->reducedRegime());
    const auto& vat = invoice->vatSummary();
    QCOMPARE(vat.size(), 4);
    QCOMPARE(vat[0].rate, 0.0);
    QVERIFY(qAbs(vat[1].rate - 0.04) < 1e-6);
    QVERIFY(qAbs(vat[2].rate - 0.10) < 1e-6);
    QVERIFY(qAbs(vat[3].rate - 0.22) < 1e-6);
    QCOMPARE(vat[3].net.toDecimalString(), QStringLiteral("111.0000"));
    QCOMPARE(vat[3].tax.toDecimalString(), QStringLiteral("24.4200"));

    const QString pdf = write(*doc, QStringLiteral("invoice"));
    const QString text = PdfText(pdf, 1);
    for (const char* label : {"FATTURA IMMEDIATA",
                              "DOCUMENTO DI TRASPORTO",
                              "D.P.R. 633 del 26-10-1972",
                              "Numero",
                              "Data",
                              "Pagina",
                              "Cod.Cliente",
                              "P.IVA Cliente",
                              "Cod.Fisc. Cliente",
                              "Condizioni di Pagamento - Banca D'Appoggio",
                              "ACQUIRENTE",
                              "DESTINATARIO",
                              "Codice",
                              "Articolo",
                              "Quantità",
                              "Prezzo Un.",
                              "Sconto",
                              "Importo Netto",
                              "Causale",
                              "Vettore",
                              "Aspetto",
                              "N.Colli",
                              "Peso",
                              "Totale Merce",
                              "Totale Sconto",
                              "Totale Imponibile",
                              "Totale IVA",
                              "Totale Fattura",
                              "Imponibile",
                              "Imposta"})
        QVERIFY2(text.contains(QString::fromUtf8(label)), label);
    for (const char* value :
         {"12/2026", "05/03/2026", "1 di 1", "C042", "IT09876543210", "RSSMRA70A01F205X",
          "Bonifico 30 gg - Banca Popolare", "IBAN: IT60X0542811101000000123456",
          "Trasporti Veloci", "12 kg", "Cantiere di Lodi", "3,00 pz", "€ 10,000", "10,00%",
          "€ 27,00", "22,00%", "CONTRIBUTO AMBIENTALE CONAI", "CONTRIBUTO RAEE",
          "Terza riga del piede"})
        QVERIFY2(text.contains(QString::fromUtf8(value)), value);
    // Totals: goods 30 + 100 + 7 + 84 + 1 = 222, discount 3, net 219, tax 5.94 + 10 + 0.28
    // + 18.48 = 34.70, invoice 253.70.
    for (const char* total : {"€ 222,00", "€ 3,00", "€ 219,00", "€ 34,70", "€ 253,70"})
        QVERIFY2(text.contains(QString::fromUtf8(total)), total);
    // One summary line per rate, in rising order: net, rate, tax.
    const QStringList summary = {QStringLiteral("€ 1,00\\s+0,00%\\s+€ 0,00"),
                                 QStringLiteral("€ 7,00\\s+4,00%\\s+€ 0,28"),
                                 QStringLiteral("€ 100,00\\s+10,00%\\s+€ 10,00"),
                                 QStringLiteral("€ 111,00\\s+22,00%\\s+€ 24,42")};
    qsizetype previous = -1;
    for (const QString& line : summary) {
        const qsizetype at = text.indexOf(QRegularExpression(line));
        QVERIFY2(at > previous, qPrintable(line));
        previous = at;
    }
    // The destination falls back to the customer's own name and street.
    QCOMPARE(countLines(text, QStringLiteral("Bar Sport di Rossi")), 2);
    QCOMPARE(countLines(text, QStringLiteral("Via Garibaldi 3")), 2);
    QVERIFY(text.contains(QStringLiteral("Trapano avvitatore")));
    QVERIFY(!text.contains(QStringLiteral("di ricambio")));
    QVERIFY(
        text.contains(QRegularExpression(QStringLiteral("Trapano avvitatore[^\\n]*\\.\\.\\."))));
    QCOMPARE(doc->fileBaseName(), QStringLiteral("Fattura 12_2026 2026-03-05"));
}

void tst_MovementDocuments::reducedRegimeInvoice() {
    EMPTIED_ARCHIVE(db);
    Archive a = archive(db);
    const int customer = a.counterpart(true, QStringLiteral("C01"), QStringLiteral("Bar Sport"));
    MovimentiRecord titled = sale(customer);
    titled.Titolo = QStringLiteral("FATTURA ACCOMPAGNATORIA BIS");
    const int key = a.movement(titled);
    // No row with VAT (0, or none at all from a row written by other means).
    QVERIFY(a.row(key, a.item(1), 3, QStringLiteral("10.00"), 0.0f, 0.10f));
    QVERIFY(a.row(key, a.item(2), 1, QStringLiteral("5.00"), std::nullopt));
    auto doc = make(*db, PrintKind::Invoice, key);
    auto* invoice = dynamic_cast<InvoiceDocument*>(doc.get());
    QVERIFY(invoice && invoice->reducedRegime());
    const QString pdf = write(*doc, QStringLiteral("reduced"));
    const QString text = PdfText(pdf, 1);
    for (const char* label :
         {"Descrizione Prodotto", "Importo", "Porto", "Totale Merce", "Totale Sconto",
          "Totale Fattura", "Prima riga regime agevolato", "Seconda riga regime agevolato",
          "Bollo di €. 2,00 su originale", "Quarta riga del piede", "€ 32,00"})
        QVERIFY2(text.contains(QString::fromUtf8(label)), label);
    for (const char* absent :
         {"Importo Netto", "Totale IVA", "Totale Imponibile", "Imponibile", "Imposta"})
        QVERIFY2(!text.contains(QString::fromUtf8(absent)), absent);
    QCOMPARE(FindPdfWord(PdfWords(pdf), QStringLiteral("IVA")).text, QString());
    // A title of the movement's own replaces the three title lines, wrapped in its box.
    QVERIFY(text.contains(QStringLiteral("ACCOMPAGNATORIA BIS")));
    QVERIFY(!text.contains(QStringLiteral("DOCUMENTO DI TRASPORTO")));
    QVERIFY(!text.contains(QStringLiteral("D.P.R. 633")));
    const auto title = FindPdfWord(PdfWords(pdf), QStringLiteral("BIS"));
    QVERIFY(title.left >= 1400 && title.right <= 1900 && title.top >= 100 && title.bottom <= 200);

    // 30 rows with all seven lines, one more for each empty line.
    const int full = a.movement(sale(customer));
    QVERIFY(a.rows(full, 30, 0.0f));
    QCOMPARE(make(*db, PrintKind::Invoice, full)->pageCount(), 1);
    QVERIFY(a.row(full, a.item(31), 1, QStringLiteral("1.00"), 0.0f));
    QCOMPARE(make(*db, PrintKind::Invoice, full)->pageCount(), 2);
    MovimentiRecord h = sale(customer);
    h.Riga2Min.clear();
    h.Riga3.clear();
    const int shorter = a.movement(h);
    QVERIFY(a.rows(shorter, 32, 0.0f));
    QCOMPARE(make(*db, PrintKind::Invoice, shorter)->pageCount(), 1);
    QCOMPARE(
        PdfPageCount(write(*make(*db, PrintKind::Invoice, shorter), QStringLiteral("reduced32"))),
        1);

    // A sale without rows is no reduced-regime invoice, and has nothing to print.
    const int none = a.movement(sale(customer));
    doc = make(*db, PrintKind::Invoice, none);
    QVERIFY(!dynamic_cast<InvoiceDocument*>(doc.get())->reducedRegime());
    QCOMPARE(doc->pageCount(), 0);
    QCOMPARE(WritePdf(*doc, m_dir.filePath(QStringLiteral("none.pdf"))),
             QString::fromUtf8(kNoPrintDataMessage));
}

void tst_MovementDocuments::purchaseInvoiceAndLogo() {
    EMPTIED_ARCHIVE(db);
    Archive a = archive(db);
    const int supplier =
        a.counterpart(false, QStringLiteral("F07"), QStringLiteral("Utensili Rossi Spa"));
    MovimentiRecord h;
    h.Tipo = MovementType::Carico;
    h.IDCliFor = supplier;
    h.CliFor = QStringLiteral("Utensili Rossi Spa");
    const int load = a.movement(h);
    QVERIFY(a.rows(load, 28));
    // Always 27 rows a page, even with every footer line empty.
    auto doc = make(*db, PrintKind::PurchaseInvoice, load, PrintCurrency::Company, m_logo);
    QCOMPARE(doc->pageCount(), 2);
    QString pdf = write(*doc, QStringLiteral("purchase"));
    QString text = PdfText(pdf, 1);
    QVERIFY(text.contains(QStringLiteral("Cod. Fisc. BRTGNN60A01L781X - P.IVA 01234567890")));
    QVERIFY(!text.contains(QStringLiteral("Cap. Soc.")));
    QVERIFY(text.contains(QStringLiteral("Utensili Rossi Spa")));
    // No logo: the company block starts at the left edge although the logo file is there.
    auto words = PdfWords(pdf);
    QVERIFY(qAbs(FindPdfWord(words, QStringLiteral("Ferramenta")).left - 50) < 10);

    // A sale invoice draws the logo and moves the block beside it; a missing logo file leaves
    // the block at the left edge.
    const int customer = a.counterpart(true, QStringLiteral("C01"), QStringLiteral("Bar Sport"));
    const int key = a.movement(sale(customer));
    QVERIFY(a.rows(key, 1));
    pdf = write(*make(*db, PrintKind::Invoice, key, PrintCurrency::Company, m_logo),
                QStringLiteral("logo"));
    words = PdfWords(pdf);
    QVERIFY(qAbs(FindPdfWord(words, QStringLiteral("Ferramenta")).left - 450) < 10);
    pdf = write(*make(*db, PrintKind::Invoice, key, PrintCurrency::Company,
                      m_dir.filePath(QStringLiteral("missing.jpg"))),
                QStringLiteral("nologo"));
    words = PdfWords(pdf);
    QVERIFY(qAbs(FindPdfWord(words, QStringLiteral("Ferramenta")).left - 50) < 10);
}

void tst_MovementDocuments::transportDocument() {
    EMPTIED_ARCHIVE(db);
    Archive a = archive(db);
    const int customer =
        a.counterpart(true, QStringLiteral("C01"), QStringLiteral("Bar Sport di Rossi"));
    MovimentiRecord h = sale(customer);
    h.Causale = QStringLiteral("Vendita");
    h.Vettore = QStringLiteral("Trasporti Veloci");
    h.Colli = QStringLiteral("4");
    h.Peso = QStringLiteral("20 kg");
    h.Porto = QStringLiteral("FRANCO");
    h.Aspetto = QStringLiteral("VISIBILE");
    h.RagSocDiv = QStringLiteral("Magazzino Nord");
    const int key = a.movement(h);
    QVERIFY(a.rows(key, 31));
    auto doc = make(*db, PrintKind::TransportDocument, key);
    QCOMPARE(doc->pageCount(), 2);
    const QString pdf = write(*doc, QStringLiteral("ddt"));
    QCOMPARE(PdfPageCount(pdf), 2);
    const QString first = PdfText(pdf, 1);
    for (const char* label : {"DOCUMENTO DI TRASPORTO",
                              "( d.d.t. )",
                              "Numero",
                              "Data",
                              "Pagina",
                              "1 di 2",
                              "DESTINATARIO",
                              "Destinazione Diversa",
                              "Magazzino Nord",
                              "Bar Sport di Rossi",
                              "Codice",
                              "Articolo",
                              "Quantità",
                              "Causale",
                              "Vendita",
                              "Trasporto a Mezzo",
                              "Mittente",
                              "Destinatario",
                              "Vettore",
                              "Trasporti Veloci",
                              "Numero Colli",
                              "Data e Ora del Ritiro",
                              "Annotazioni",
                              "Peso",
                              "20 kg",
                              "Porto",
                              "FRANCO",
                              "Aspetto",
                              "VISIBILE",
                              "Firma del Conducente",
                              "Firma del Vettore",
                              "Firma del Destinatario",
                              "M030"})
        QVERIFY2(first.contains(QString::fromUtf8(label)), label);
    QVERIFY(!first.contains(QStringLiteral("M031")));
    // No money on a transport document.
    QVERIFY(!first.contains(QStringLiteral("€")));
    const QString second = PdfText(pdf, 2);
    QVERIFY(second.contains(QStringLiteral("2 di 2")));
    QVERIFY(second.contains(QStringLiteral("M031")));
    QCOMPARE(second.count(QRegularExpression(QStringLiteral("M0\\d\\d"))), 1);
    // The carrier's box is marked.
    const auto words = PdfWords(pdf);
    const auto mark = FindPdfWord(words, QStringLiteral("X"), 1);
    QVERIFY(mark.left > 650 && mark.right < 690);

    // Without another destination its block is left out; a load's document has no logo.
    MovimentiRecord l;
    l.Tipo = MovementType::Carico;
    l.IDCliFor = a.counterpart(false, QStringLiteral("F1"), QStringLiteral("Fornitore Uno"));
    const int load = a.movement(l);
    QVERIFY(a.rows(load, 1));
    const QString loadPdf =
        write(*make(*db, PrintKind::LoadTransportDocument, load, PrintCurrency::Company, m_logo),
              QStringLiteral("ddtLoad"));
    QVERIFY(!PdfText(loadPdf, 1).contains(QStringLiteral("Destinazione Diversa")));
    QVERIFY(FindPdfWord(PdfWords(loadPdf), QStringLiteral("X")).text.isEmpty());
    QVERIFY(qAbs(FindPdfWord(PdfWords(loadPdf), QStringLiteral("Ferramenta")).left - 50) < 10);
}

void tst_MovementDocuments::receipt() {
    EMPTIED_ARCHIVE(db);
    Archive a = archive(db);
    MovimentiRecord h;
    h.Tipo = MovementType::Ricevuta;
    h.Numero = QStringLiteral("3/2026");
    const int key = a.movement(h);
    // 2 x 12.50 at 22 %: 25.00 + 5.50 = 30.50; 1 x 4.00 at 10 %, 25 % off: 3.00 + 0.30.
    QVERIFY(a.row(key, a.item(1), 2, QStringLiteral("12.50"), 0.22f));
    QVERIFY(a.row(key, a.item(2), 1, QStringLiteral("4.00"), 0.10f, 0.25f));
    auto doc = make(*db, PrintKind::Receipt, key, PrintCurrency::Company, m_logo);
    QCOMPARE(dynamic_cast<ReceiptDocument*>(doc.get())->total().toDecimalString(),
             QStringLiteral("33.8000"));
    const QString pdf = write(*doc, QStringLiteral("receipt"));
    const QString text = PdfText(pdf, 1);
    for (const char* label :
         {"RICEVUTA", "D.P.R. 633 del 26-10-1972", "D.M. 30 marzo 1992", "Numero", "3/2026", "Data",
          "Pagina", "1 di 1", "Codice", "Articolo", "Quantità", "Prezzo Un.", "Importo",
          "Totale da Pagare", "€ 12,500", "€ 30,50", "€ 3,30", "€ 33,80"})
        QVERIFY2(text.contains(QString::fromUtf8(label)), label);
    QVERIFY(!text.contains(QStringLiteral("ACQUIRENTE")));

    // 42 rows a page.
    const int big = a.movement(h);
    QVERIFY(a.rows(big, 42));
    QCOMPARE(make(*db, PrintKind::Receipt, big)->pageCount(), 1);
    QVERIFY(a.row(big, a.item(43), 1, QStringLiteral("1.00"), 0.22f));
    doc = make(*db, PrintKind::Receipt, big);
    QCOMPARE(doc->pageCount(), 2);
    const QString two = write(*doc, QStringLiteral("receipt43"));
    // 42 x 12.20 + 1.22 = 513.62, on the last page only.
    QVERIFY(!PdfText(two, 1).contains(QStringLiteral("€ 513,62")));
    QVERIFY(PdfText(two, 2).contains(QStringLiteral("€ 513,62")));
}

void tst_MovementDocuments::documentCurrency() {
    EMPTIED_ARCHIVE(db);
    Archive a = archive(db);
    const int customer = a.counterpart(true, QStringLiteral("C01"), QStringLiteral("Bar Sport"));
    MovimentiRecord h = sale(customer);
    h.SimbVal = QStringLiteral("$");
    h.DecVal = 2;
    h.SepDecVal = QStringLiteral(".");
    h.SepMigVal = QStringLiteral(",");
    h.DecNum = 1;
    h.SepDecNum = QStringLiteral(".");
    h.SepMigNum = QStringLiteral(",");
    h.ValCambio = 1.5f;
    const int key = a.movement(h);
    QVERIFY(a.row(key, a.item(1), 3, QStringLiteral("10.00"), 0.22f));
    QVERIFY(a.row(key, a.item(2), 1000, QStringLiteral("2.00"), 0.22f));
    bool own = false;
    QVERIFY(MovementHasOwnCurrency(*db, key, &own));
    QVERIFY(own);

    // In the movement's currency every price is converted, so each line still reads quantity
    // x price = amount: 3 x $ 15.000 = $ 45.00, 1000 x $ 3.000 = $ 3,000.00.
    QString text = PdfText(write(*make(*db, PrintKind::Invoice, key, PrintCurrency::Document),
                                 QStringLiteral("invoiceDollar")),
                           1);
    for (const char* value : {"3.0 pz", "1,000.0 pz", "$ 15.000", "$ 45.00", "$ 3.000",
                              "$ 3,000.00", "22.0%", "$ 3,045.00", "$ 669.90", "$ 3,714.90"})
        QVERIFY2(text.contains(QString::fromUtf8(value)), value);
    QVERIFY(!text.contains(QStringLiteral("€")));
    // In the company currency nothing is converted.
    text = PdfText(write(*make(*db, PrintKind::Invoice, key, PrintCurrency::Company),
                         QStringLiteral("invoiceEuro")),
                   1);
    for (const char* value : {"3,00 pz", "€ 10,000", "€ 30,00", "€ 2.030,00", "€ 2.476,60"})
        QVERIFY2(text.contains(QString::fromUtf8(value)), value);
    QVERIFY(!text.contains(QStringLiteral("$")));
    // The receipt too: 54.90 + 3,660.00.
    text = PdfText(write(*make(*db, PrintKind::Receipt, key, PrintCurrency::Document),
                         QStringLiteral("receiptDollar")),
                   1);
    QVERIFY(text.contains(QStringLiteral("$ 3,714.90")));

    // A rate of 0 counts as 1; a movement without a currency of its own prints in the
    // company's whatever is asked.
    QVERIFY(db->execute(QStringLiteral("UPDATE Movimenti SET ValCambio = 0 WHERE IDMovimento = ?"),
                        {key}));
    text = PdfText(write(*make(*db, PrintKind::Invoice, key, PrintCurrency::Document),
                         QStringLiteral("invoiceRate0")),
                   1);
    QVERIFY(text.contains(QStringLiteral("$ 30.00")));
    const int plain = a.movement(sale(customer));
    QVERIFY(a.rows(plain, 1));
    QVERIFY(MovementHasOwnCurrency(*db, plain, &own));
    QVERIFY(!own);
    text = PdfText(write(*make(*db, PrintKind::Invoice, plain, PrintCurrency::Document),
                         QStringLiteral("invoicePlain")),
                   1);
    QVERIFY(text.contains(QStringLiteral("€ 12,20")));
}

void tst_MovementDocuments::movementList() {
    EMPTIED_ARCHIVE(db);
    Archive a = archive(db);
    const int customer =
        a.counterpart(true, QStringLiteral("C01"), QStringLiteral("Bar Sport di Rossi"));
    // 12 loads of 10.00, 15 unloads and 5 receipts of 30.00, 6 returns of 5.00.
    QList<int> keys;
    auto add = [&](int type, const char* total, int n) {
        MovimentiRecord h;
        h.Tipo = type;
        h.Numero = QStringLiteral("N%1").arg(n, 2, 10, QLatin1Char('0'));
        h.Data = QDateTime(QDate(2026, 1, 1).addDays(n), QTime(9, 0));
        if (type != MovementType::Ricevuta) {
            h.IDCliFor = customer;
            h.CliFor = QStringLiteral("Bar Sport di Rossi");
        }
        h.Totale = CurrencyAmount::fromDecimalString(QString::fromLatin1(total));
        h.Prezzo = h.Totale;
        h.Imposta = CurrencyAmount::fromUnits(0);
        keys.prepend(a.movement(h));
    };
    int n = 0;
    for (int i = 0; i < 12; ++i)
        add(MovementType::Carico, "10.00", ++n);
    for (int i = 0; i < 15; ++i)
        add(MovementType::Scarico, "30.00", ++n);
    for (int i = 0; i < 5; ++i)
        add(MovementType::Ricevuta, "30.00", ++n);
    for (int i = 0; i < 5; ++i)
        add(MovementType::Reso, "5.00", ++n);
    QString error;
    auto doc = MakeMovementListDocument(source(*db), keys, &error);
    QVERIFY2(doc, qPrintable(error));
    QCOMPARE(doc->pageCount(), 1);

    add(MovementType::Reso, "5.00", ++n);
    doc = MakeMovementListDocument(source(*db), keys, &error);
    QCOMPARE(doc->pageCount(), 2);
    const QString pdf = write(*doc, QStringLiteral("list"));
    QCOMPARE(PdfPageCount(pdf), 2);
    const QString first = PdfText(pdf, 1);
    for (const char* label : {"Ferramenta Bortolotti Snc",
                              "Via Roma 12",
                              "37100 Verona",
                              "Cod.Fisc. BRTGNN60A01L781X",
                              "Part.IVA 01234567890",
                              "Tel. 045 123456",
                              "Data",
                              "Numero",
                              "Tipo",
                              "Cliente/Fornitore",
                              "Prezzo",
                              "Imposta",
                              "Totale",
                              "Carico",
                              "Scarico",
                              "Reso",
                              "Ricevuta",
                              "- Ricevuta -",
                              "Pagina 1 di 2",
                              "€ 30,00"})
        QVERIFY2(first.contains(QString::fromUtf8(label)), label);
    QVERIFY(!first.contains(QStringLiteral("Movimenti:")));
    // In the keys' order: the last movement first.
    const auto words = PdfWords(pdf);
    QVERIFY(FindPdfWord(words, QStringLiteral("N38")).top <
            FindPdfWord(words, QStringLiteral("N01")).top);
    QCOMPARE(FindPdfWord(words, QStringLiteral("N38")).text, QStringLiteral("N38"));
    const QString last = PdfText(pdf, 2);
    for (const char* footer : {"Movimenti: 38", "Carichi: € 120,00", "Scarichi: € 600,00",
                               "Resi: € 30,00", "Guadagno: € 450,00", "Pagina 2 di 2"})
        QVERIFY2(last.contains(QString::fromUtf8(footer)), footer);
    // Keys that are gone are left out; no movement, nothing to print.
    doc = MakeMovementListDocument(source(*db), {999999}, &error);
    QCOMPARE(doc->pageCount(), 0);
}

void tst_MovementDocuments::kindChoice() {
    QCOMPARE(InvoiceCommandKind(MovementType::Scarico, true, QStringLiteral("Bar Sport")),
             PrintKind::Invoice);
    QCOMPARE(InvoiceCommandKind(MovementType::Carico, true, QStringLiteral("Fornitore")),
             PrintKind::PurchaseInvoice);
    QCOMPARE(InvoiceCommandKind(MovementType::Carico, false, QString()), PrintKind::Invoice);
    QCOMPARE(InvoiceCommandKind(MovementType::Ricevuta, false, QStringLiteral("- RICEVUTA -")),
             PrintKind::Receipt);
    QCOMPARE(InvoiceCommandKind(-1, false, QStringLiteral("- ricevuta -")), PrintKind::Receipt);
    QCOMPARE(InvoiceCommandKind(MovementType::Scarico, true, QStringLiteral("Ricevuta")),
             PrintKind::Invoice);
    QCOMPARE(TransportCommandKind(MovementType::Carico, true), PrintKind::LoadTransportDocument);
    QCOMPARE(TransportCommandKind(MovementType::Carico, false), PrintKind::TransportDocument);
    QCOMPARE(TransportCommandKind(MovementType::Scarico, true), PrintKind::TransportDocument);

    EMPTIED_ARCHIVE(db);
    Archive a = archive(db);
    MovimentiRecord r;
    r.Tipo = MovementType::Reso;
    r.IDCliFor = a.counterpart(true, QStringLiteral("C1"), QStringLiteral("Cliente"));
    const int ret = a.movement(r);
    MovimentiRecord rc;
    rc.Tipo = MovementType::Ricevuta;
    rc.SimbVal = QStringLiteral("$");
    const int receipt = a.movement(rc);
    bool yes = true;
    QVERIFY(IsReturnMovement(*db, ret, &yes));
    QVERIFY(yes);
    QVERIFY(IsReturnMovement(*db, receipt, &yes));
    QVERIFY(!yes);
    QVERIFY(IsReturnMovement(*db, 999999, &yes));
    QVERIFY(!yes);
    MovementPrintFacts facts;
    QVERIFY(ReadMovementPrintFacts(*db, receipt, &facts));
    QCOMPARE(facts.type, int(MovementType::Ricevuta));
    QVERIFY(!facts.hasCounterpart);
    QCOMPARE(facts.counterpartColumnText, QStringLiteral("- Ricevuta -"));
    QVERIFY(facts.ownCurrency);
    QVERIFY(ReadMovementPrintFacts(*db, ret, &facts));
    QVERIFY(facts.hasCounterpart && !facts.ownCurrency);
    QVERIFY(!ReadMovementPrintFacts(*db, 999999, &facts));
    QString error;
    QVERIFY(!MakeMovementDocument(source(*db), PrintKind::Invoice, 999999, PrintCurrency::Company,
                                  &error));
    QCOMPARE(error, QStringLiteral("Il movimento 999999 non esiste."));
}

void tst_MovementDocuments::commandLine() {
    EMPTIED_ARCHIVE(db);
    Archive a = archive(db);
    const int customer = a.counterpart(true, QStringLiteral("C01"), QStringLiteral("Bar Sport"));
    const int sold = a.movement(sale(customer));
    QVERIFY(a.rows(sold, 2));
    MovimentiRecord rc;
    rc.Tipo = MovementType::Ricevuta;
    rc.Data = QDateTime(QDate(2026, 4, 1), QTime(12, 0));
    const int receipt = a.movement(rc);
    QVERIFY(a.rows(receipt, 1));
    MovimentiRecord ld;
    ld.Tipo = MovementType::Carico;
    ld.IDCliFor = a.counterpart(false, QStringLiteral("F01"), QStringLiteral("Fornitore Uno"));
    ld.CliFor = QStringLiteral("Fornitore Uno");
    ld.Data = QDateTime(QDate(2026, 2, 1), QTime(12, 0));
    const int load = a.movement(ld);
    QVERIFY(a.rows(load, 1));
    MovimentiRecord rt;
    rt.Tipo = MovementType::Reso;
    rt.IDCliFor = customer;
    const int ret = a.movement(rt);

    QTemporaryDir home;
    const QString connection = m_archives.connectionString(backend);
    const QStringList target =
        ConnectionString::TypeOf(connection) == 0
            ? QStringList{QStringLiteral("--archive"),
                          ConnectionString::Value(connection, QStringLiteral("Data Source"))}
            : QStringList{QStringLiteral("--connection"), connection};
    auto run = [&](const QStringList& args, QString* err = nullptr) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("QUARZIL_MACHINE_CONFIG"), home.filePath(QStringLiteral("m")));
        p.setProcessEnvironment(env);
        p.start(TestSupport::CliPath(), target + QStringList{QStringLiteral("print")} + args);
        if (!p.waitForFinished(60000))
            return -1;
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    };
    const QString pdf = home.filePath(QStringLiteral("out.pdf"));
    auto key = [](int k) { return QString::number(k); };
    const QString pdfArg = QStringLiteral("--pdf");

    QCOMPARE(run({QStringLiteral("invoice"), QStringLiteral("--movement"), key(sold), pdfArg, pdf}),
             0);
    QVERIFY(PdfText(pdf, 1).contains(QStringLiteral("ACQUIRENTE")));
    // "invoice" prints a receipt movement as a receipt, a load as a purchase invoice.
    QCOMPARE(run({QStringLiteral("invoice"), QStringLiteral("--movement"), key(receipt),
                  QStringLiteral("--currency"), QStringLiteral("document"), pdfArg, pdf}),
             0);
    QVERIFY(PdfText(pdf, 1).contains(QStringLiteral("RICEVUTA")));
    QCOMPARE(run({QStringLiteral("invoice"), QStringLiteral("--movement"), key(load), pdfArg, pdf}),
             0);
    QVERIFY(PdfText(pdf, 1).contains(QStringLiteral("Fornitore Uno")));
    QCOMPARE(run({QStringLiteral("ddt"), QStringLiteral("--movement"), key(sold), pdfArg, pdf}), 0);
    QVERIFY(PdfText(pdf, 1).contains(QStringLiteral("Firma del Vettore")));
    QCOMPARE(run({QStringLiteral("receipt"), QStringLiteral("--movement"), key(sold), pdfArg, pdf}),
             0);
    QVERIFY(PdfText(pdf, 1).contains(QStringLiteral("Totale da Pagare")));
    // A return has neither invoice nor transport document.
    QString err;
    QCOMPARE(
        run({QStringLiteral("ddt"), QStringLiteral("--movement"), key(ret), pdfArg, pdf}, &err), 2);
    QVERIFY2(err.contains(QStringLiteral("è un reso")), qPrintable(err));
    QCOMPARE(run({QStringLiteral("invoice"), QStringLiteral("--movement"), key(sold),
                  QStringLiteral("--currency"), QStringLiteral("yen"), pdfArg, pdf}),
             2);
    QCOMPARE(run({QStringLiteral("invoice"), pdfArg, pdf}), 2);
    QCOMPARE(run({QStringLiteral("invoice"), QStringLiteral("--movement"), QStringLiteral("999999"),
                  pdfArg, pdf}),
             1);

    // The list: newest first, with the list's type filter and days.
    QCOMPARE(run({QStringLiteral("movements"), pdfArg, pdf}), 0);
    QString text = PdfText(pdf, 1);
    QVERIFY(text.contains(QStringLiteral("Movimenti: 4")));
    QVERIFY(text.indexOf(QStringLiteral("01/04/2026")) <
            text.indexOf(QStringLiteral("05/03/2026")));
    QVERIFY(text.indexOf(QStringLiteral("05/03/2026")) <
            text.indexOf(QStringLiteral("01/02/2026")));
    QCOMPARE(run({QStringLiteral("movements"), QStringLiteral("--type"), QStringLiteral("2"),
                  pdfArg, pdf}),
             0);
    text = PdfText(pdf, 1);
    QVERIFY(text.contains(QStringLiteral("Movimenti: 2")));
    QVERIFY(!text.contains(QStringLiteral("Fornitore Uno")));
    // The names "movements list" takes mean the same.
    QCOMPARE(run({QStringLiteral("movements"), QStringLiteral("--type"), QStringLiteral("sale"),
                  pdfArg, pdf}),
             0);
    QVERIFY(PdfText(pdf, 1).contains(QStringLiteral("Movimenti: 2")));
    QCOMPARE(
        run({QStringLiteral("movements"), QStringLiteral("--from"), QStringLiteral("2026-02-01"),
             QStringLiteral("--to"), QStringLiteral("1/3/2026"), pdfArg, pdf}),
        0);
    text = PdfText(pdf, 1);
    QVERIFY(text.contains(QStringLiteral("Movimenti: 1")));
    QVERIFY(text.contains(QStringLiteral("Fornitore Uno")));
    QCOMPARE(run({QStringLiteral("movements"), QStringLiteral("--type"), QStringLiteral("4"),
                  pdfArg, pdf}),
             2);
}

QTEST_MAIN(tst_MovementDocuments)
#include "tst_MovementDocuments.moc"
