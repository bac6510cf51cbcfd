// label: db
#include "ArchiveTestCase.h"
#include "common/Profile.h"
#include "exchange/ItemExport.h"
#include "exchange/ItemImport.h"
#include "items/Classifications.h"
#include "items/UpdateAllArtInfo.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/records/ItemEditRecord.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

using Classifications::Table;
using Status = ItemImport::Result::Status;

#define QUARZIL_EMPTY_ITEMS(db)                                                                    \
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "SottoMovimenti", "Movimenti", "Imei",           \
                                  "Offerte", "Articoli", "Categorie", "Gruppi", "Reparti",         \
                                  "Scaffali")

struct Item {
    QString code, description, barcode, supplierCode, category, group, department, shelf, unit;
    CurrencyAmount price;
    std::optional<float> vat, minimum, initial;
    QByteArray picture;
};

int UnitKey(Database& db, const QString& sigla) {
    QSqlQuery q;
    if (db.query(q, QStringLiteral("SELECT IDUM FROM UnMis WHERE Sigla = ?"), {sigla}) && q.next())
        return q.value(0).toInt();
    if (db.query(q, QStringLiteral("INSERT INTO UnMis (Sigla) VALUES (?) RETURNING IDUM"),
                 {sigla}) &&
        q.next())
        return q.value(0).toInt();
    return -1;
}

int AddItem(Database& db, const Item& item) {
    ItemEditRecord r;
    r.Matricola = item.code;
    r.Descrizione = item.description;
    r.CodBarre = item.barcode;
    r.CodForn = item.supplierCode;
    r.Prezzo = item.price;
    r.Iva = item.vat;
    r.ScortaMin = item.minimum;
    r.GiacInit = item.initial;
    r.Foto = item.picture;
    r.IncIva = false;
    r.Imei = false;
    if (!item.unit.isEmpty())
        r.IDUM = UnitKey(db, item.unit);
    const auto key = [&](Table t, const QString& name) -> std::optional<qint32> {
        return name.isEmpty() ? std::nullopt
                              : std::optional<qint32>(Classifications::CreateByName(db, t, name));
    };
    r.IDCategoria = key(Table::Categorie, item.category);
    r.IDGruppo = key(Table::Gruppi, item.group);
    r.IDReparto = key(Table::Reparti, item.department);
    r.IDScaffale = key(Table::Scaffali, item.shelf);
    TableRecordSet<ItemEditRecord> set(db);
    if (!set.insert(r))
        return -1;
    return r.IDArticolo;
}

// The item with this code as the tests compare it, its names looked up.
std::optional<Item> ReadItem(Database& db, const QString& code) {
    QSqlQuery q;
    if (!db.query(
            q,
            QStringLiteral(
                "SELECT Matricola, Articoli.Descrizione, CodBarre, CodForn, Categoria, Gruppo, "
                "Reparto, Scaffale, UnMis.Sigla, Articoli.Prezzo, Iva, ScortaMin, GiacInit "
                "FROM Articoli LEFT JOIN Categorie ON Categorie.IDCategoria = "
                "Articoli.IDCategoria LEFT JOIN Gruppi ON Gruppi.IDGruppo = Articoli.IDGruppo "
                "LEFT JOIN Reparti ON Reparti.IDReparto = Articoli.IDReparto LEFT JOIN "
                "Scaffali ON Scaffali.IDScaffale = Articoli.IDScaffale LEFT JOIN UnMis ON "
                "UnMis.IDUM = Articoli.IDUM WHERE Matricola = ?"),
            {code}) ||
        !q.next())
        return std::nullopt;
    Item i;
    i.code = q.value(0).toString();
    i.description = q.value(1).toString();
    i.barcode = q.value(2).toString();
    i.supplierCode = q.value(3).toString();
    i.category = q.value(4).toString();
    i.group = q.value(5).toString();
    i.department = q.value(6).toString();
    i.shelf = q.value(7).toString();
    i.unit = q.value(8).toString();
    i.price = Record::ReadCurrency(q.value(9));
    i.vat = Record::ReadReal(q.value(10));
    i.minimum = Record::ReadReal(q.value(11));
    i.initial = Record::ReadReal(q.value(12));
    return i;
}

int Count(Database& db, const QString& table) {
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) || !q.next())
        return -1;
    return q.value(0).toInt();
}

QList<int> AllKeys(Database& db) {
    QList<int> keys;
    QSqlQuery q;
    if (db.query(q, QStringLiteral("SELECT IDArticolo FROM Articoli ORDER BY IDArticolo")))
        while (q.next())
            keys << q.value(0).toInt();
    return keys;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Italian conventions, which the desktop's locale (C on a test machine) does not give.
void ItalianConventions(Profile& profile) {
    using S = Profile::Section;
    for (const auto& [key, value] : {std::pair{"DecVal", ","},
                                     {"MigVal", "."},
                                     {"NDecVal", "2"},
                                     {"SimbVal", "€"},
                                     {"DecValNum", ","},
                                     {"MigValNum", "."},
                                     {"NDecValNum", "2"}})
        profile.setValue(S::Azienda, QString::fromUtf8(key), QString::fromUtf8(value));
}

// The mapping of the export's own columns.
ItemImport::Mapping ExportMapping() {
    ItemImport::Mapping m;
    m.separator = u';';
    m.delimiter = u'"';
    m.heading = true;
    const int targets[] = {ItemImport::Matricola,  ItemImport::Descrizione, ItemImport::CodiceBarre,
                           ItemImport::CodiceForn, ItemImport::Categoria,   ItemImport::Gruppo,
                           ItemImport::Reparto,    ItemImport::Scaffale,    ItemImport::Prezzo,
                           ItemImport::Iva,        ItemImport::UnMis,       ItemImport::QtMinima};
    for (int i = 0; i < int(std::size(targets)); ++i)
        m.targets[i] = targets[i];
    return m;
}

ItemImport::Mapping SimpleMapping(std::initializer_list<int> targets, QChar delimiter = QChar()) {
    ItemImport::Mapping m;
    m.delimiter = delimiter;
    int i = 0;
    for (int t : targets)
        m.targets[i++] = t;
    return m;
}

QList<Item> TrickyItems() {
    Item a;
    a.code = QStringLiteral("A;1");
    a.description = QStringLiteral("Vite \"M6\" zincata; 10 pz\r\nseconda riga");
    a.barcode = QStringLiteral("8001234567895");
    a.supplierCode = QStringLiteral("F-\"1\"");
    a.category = QStringLiteral("Ferramenta; viti");
    a.group = QStringLiteral("Gruppo \"A\"");
    a.department = QStringLiteral("Reparto\nnord");
    a.shelf = QStringLiteral("S1");
    a.unit = QStringLiteral("Pz");
    a.price = CurrencyAmount::fromDecimalString(QStringLiteral("1234.5"));
    a.vat = 0.22f;
    a.minimum = 2.5f;
    Item b;
    b.code = QStringLiteral("Caffè€");
    b.description = QStringLiteral("Caffè d'orzo – € 3 <bio> & più");
    b.category = QStringLiteral("Bevande");
    b.unit = QStringLiteral("Cf");
    b.price = CurrencyAmount::fromDecimalString(QStringLiteral("0.0125"));
    b.vat = 0.04f;
    Item c;
    c.code = QStringLiteral("C3");
    c.description = QStringLiteral("Senza prezzo né IVA");
    c.unit = QStringLiteral("Pz");
    return {a, b, c};
}

} // namespace

class tst_ItemExchange : public ArchiveTestCase {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_profile.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("u.ini")));
        m_profile = std::make_unique<Profile>(m_dir.filePath(QStringLiteral("u.ini")),
                                              m_dir.filePath(QStringLiteral("m.ini")));
    }

    void csvRoundTripRestoresEveryField_data() { TestSupport::AddBackendRows(); }
    void csvRoundTripRestoresEveryField();
    void csvReadsInPythonAsTheItemsTable_data() { TestSupport::AddBackendRows(); }
    void csvReadsInPythonAsTheItemsTable();
    void xmlParsesAndCarriesThePictures_data() { TestSupport::AddBackendRows(); }
    void xmlParsesAndCarriesThePictures();
    void exportCancelledOrFailedLeavesThePreviousFile_data() { TestSupport::AddBackendRows(); }
    void exportCancelledOrFailedLeavesThePreviousFile();
    void rejectedLinesAndTheQuestion_data() { TestSupport::AddBackendRows(); }
    void rejectedLinesAndTheQuestion();
    void lookupsFoundOrCreatedAndRatesRead_data() { TestSupport::AddBackendRows(); }
    void lookupsFoundOrCreatedAndRatesRead();
    void largeFileWithBrokenLines_data() { TestSupport::AddBackendRows(); }
    void largeFileWithBrokenLines();
    void malformedInputNeverHalfImports_data();
    void malformedInputNeverHalfImports();
    void cancelKeepsNothing_data() { TestSupport::AddBackendRows(); }
    void cancelKeepsNothing();
    void commandLine_data() { TestSupport::AddBackendRows(); }
    void commandLine();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Profile> m_profile;
};

void tst_ItemExchange::csvRoundTripRestoresEveryField() {
    QUARZIL_EMPTY_ITEMS(db);
    ItalianConventions(*m_profile);
    const QList<Item> items = TrickyItems();
    for (const Item& i : items)
        QVERIFY2(AddItem(*db, i) > 0, qPrintable(db->errorText()));
    QVERIFY(UpdateAllArtInfo(*db, nullptr) >= 0);

    const QString file = m_dir.filePath(QStringLiteral("round.csv"));
    ItemExport exporter(*db, *m_profile);
    const auto written = exporter.run(AllKeys(*db), file);
    QCOMPARE(written.status, ItemExport::Result::Status::Written);
    QCOMPARE(written.count, 3);
    const QByteArray bytes = ReadFile(file);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"
                             "Matricola;Descrizione;Codice a Barre;Codice Fornitore;"
                             "Categoria;Gruppo;Reparto;Scaffale;Prezzo;I.V.A.;Un.Mis.;Qt.Min.;"
                             "Carichi;Scarichi;Resi;Giacenza;Riordino\r\n"));
    QVERIFY(!bytes.endsWith("\n"));
    // The Italian forms of the numbers; texts quoted, with their quotes doubled.
    QVERIFY2(bytes.contains("\"A;1\";\"Vite \"\"M6\"\" zincata; 10 pz\r\nseconda riga\";"
                            "\"8001234567895\";\"F-\"\"1\"\"\";\"Ferramenta; viti\";"
                            "\"Gruppo \"\"A\"\"\";\"Reparto\nnord\";S1;1234,50;0,22;\"Pz\";2,5;;"
                            ";;0;2,5;"),
             bytes.constData());
    QVERIFY(bytes.contains("\"C3\";\"Senza prezzo n\xC3\xA9 IVA\";;;;;;;;;\"Pz\";;;;;0;;"));
    QVERIFY(bytes.contains(";0,0125;0,04;\"Cf\";"));

    QVERIFY(db->execute(QStringLiteral("DELETE FROM Articoli")));
    for (const char* table : {"Categorie", "Gruppi", "Reparti", "Scaffali"})
        QVERIFY(db->execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))));
    ItemImport importer(*db, *m_profile);
    const auto result = importer.run(file, ExportMapping());
    QCOMPARE(result.status, Status::Imported);
    QCOMPARE(result.imported, 3);
    QVERIFY(result.rejected.isEmpty());
    QCOMPARE(result.truncatedLines, 0);
    for (const Item& want : items) {
        const auto got = ReadItem(*db, want.code);
        QVERIFY2(got, qPrintable(want.code));
        QCOMPARE(got->description, want.description);
        QCOMPARE(got->barcode, want.barcode);
        QCOMPARE(got->supplierCode, want.supplierCode);
        QCOMPARE(got->category, want.category);
        QCOMPARE(got->group, want.group);
        QCOMPARE(got->department, want.department);
        QCOMPARE(got->shelf, want.shelf);
        QCOMPARE(got->unit, want.unit);
        QCOMPARE(got->price, want.price);
        QCOMPARE(got->vat.has_value(), want.vat.has_value());
        if (want.vat)
            QVERIFY(Record::SameRate(*got->vat, *want.vat));
        QCOMPARE(got->minimum, want.minimum);
    }
    // The unit's abbreviation reaches the item's own column through the recompute.
    QSqlQuery q;
    QVERIFY(db->query(q, QStringLiteral("SELECT UnMis FROM Articoli WHERE Matricola = ?"),
                      {QStringLiteral("Caffè€")}) &&
            q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Cf"));
}

void tst_ItemExchange::csvReadsInPythonAsTheItemsTable() {
    QUARZIL_EMPTY_ITEMS(db);
    ItalianConventions(*m_profile);
    for (const Item& i : TrickyItems())
        QVERIFY(AddItem(*db, i) > 0);
    const QString file = m_dir.filePath(QStringLiteral("python.csv"));
    QList<int> keys = AllKeys(*db);
    std::reverse(keys.begin(), keys.end()); // the list's order, whatever it is, is kept
    QCOMPARE(ItemExport(*db, *m_profile).run(keys, file).status,
             ItemExport::Result::Status::Written);

    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, json, sys\n"
                                 "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f, delimiter=';'))))\n"),
                  file});
    QVERIFY(python.waitForFinished(30000));
    QCOMPARE(python.exitCode(), 0);
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0].toArray().size(), 17);
    QCOMPARE(rows[0].toArray()[16].toString(), QStringLiteral("Riordino"));
    const QList<Item> items = TrickyItems();
    for (int r = 1; r < rows.size(); ++r) {
        const QJsonArray row = rows[r].toArray();
        const Item& want = items[3 - r];
        QCOMPARE(row.size(), 18); // each value is followed by ";"
        QCOMPARE(row[0].toString(), want.code);
        QCOMPARE(row[1].toString(), want.description);
        QCOMPARE(row[2].toString(), want.barcode);
        QCOMPARE(row[4].toString(), want.category);
        QCOMPARE(row[6].toString(), want.department);
        QCOMPARE(row[17].toString(), QString());
    }
    QCOMPARE(rows[3].toArray()[8].toString(), QStringLiteral("1234,50"));
}

void tst_ItemExchange::xmlParsesAndCarriesThePictures() {
    QUARZIL_EMPTY_ITEMS(db);
    QTemporaryDir dir;
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(red.save(&buffer, "JPEG"));
    }
    QList<Item> items = TrickyItems();
    items[1].picture = jpeg;
    Item slash;
    slash.code = QStringLiteral("../a/b");
    slash.description = QStringLiteral("barra");
    slash.picture = jpeg + "x"; // other bytes: each file holds its own item's
    slash.unit = QStringLiteral("Pz");
    Item twin = slash;
    twin.code = QStringLiteral("../a_b");
    twin.picture = jpeg + "yy";
    items << slash << twin;
    for (const Item& i : items)
        QVERIFY(AddItem(*db, i) > 0);

    const QString file = dir.filePath(QStringLiteral("shop.xml"));
    // An images folder from an earlier export is used again.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("images")));
    QVERIFY(WriteFile(dir.filePath(QStringLiteral("images/old.jpg")), "old"));
    const auto written = ItemExport(*db, *m_profile).run(AllKeys(*db), file);
    QCOMPARE(written.status, ItemExport::Result::Status::Written);
    QCOMPARE(written.count, 5);

    const QByteArray bytes = ReadFile(file);
    QVERIFY(
        bytes.startsWith("<?xml version='1.0' encoding='UTF-8'?>\r\n<MERCE>\r\n<ARTICOLO>\r\n"));
    QXmlStreamReader xml(bytes);
    QStringList codes, descriptions, pictures, prices;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("MATRICOLA"))
            codes << xml.readElementText();
        else if (xml.name() == QLatin1String("DESCRIZIONE"))
            descriptions << xml.readElementText();
        else if (xml.name() == QLatin1String("IMMAGINE"))
            pictures << xml.readElementText();
        else if (xml.name() == QLatin1String("PREZZO"))
            prices << xml.readElementText();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(codes.size(), 5);
    QCOMPARE(descriptions[1], items[1].description);
    QCOMPARE(pictures[0], QStringLiteral("images/noimage.jpg"));
    QCOMPARE(pictures[1], QStringLiteral("images/Caffè€.jpg"));
    // Path separators never leave the folder; two codes made alike keep files of their own.
    QCOMPARE(pictures[3], QStringLiteral("images/.._a_b.jpg"));
    QCOMPARE(pictures[4], QStringLiteral("images/.._a_b_2.jpg"));
    QCOMPARE(prices[2], QStringLiteral("0.00")); // no price; the C locale's symbol

    const QDir images(dir.filePath(QStringLiteral("images")));
    QCOMPARE(ReadFile(images.filePath(QStringLiteral("Caffè€.jpg"))), jpeg);
    QCOMPARE(ReadFile(images.filePath(QStringLiteral(".._a_b.jpg"))), slash.picture);
    QCOMPARE(ReadFile(images.filePath(QStringLiteral(".._a_b_2.jpg"))), twin.picture);
    QCOMPARE(ReadFile(images.filePath(QStringLiteral("old.jpg"))), QByteArray("old"));
    QVERIFY(!QImage::fromData(ReadFile(images.filePath(QStringLiteral("noimage.jpg"))), "JPEG")
                 .isNull());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("a"))));

    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, xml.etree.ElementTree as E\n"
                                 "root = E.parse(sys.argv[1]).getroot()\n"
                                 "print(root.tag, len(root), root[1].find('DESCRIZIONE').text)\n"),
                  file});
    QVERIFY(python.waitForFinished(30000));
    QCOMPARE(python.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()).trimmed(),
             QStringLiteral("MERCE 5 ") + items[1].description);

    // A file where the folder must go stops the export, which leaves no XML behind.
    QTemporaryDir blocked;
    QVERIFY(WriteFile(blocked.filePath(QStringLiteral("images")), "a file"));
    const auto refused =
        ItemExport(*db, *m_profile).run(AllKeys(*db), blocked.filePath(QStringLiteral("x.xml")));
    QCOMPARE(refused.status, ItemExport::Result::Status::FolderFailed);
    QVERIFY(!QFileInfo::exists(blocked.filePath(QStringLiteral("x.xml"))));
}

void tst_ItemExchange::exportCancelledOrFailedLeavesThePreviousFile() {
    QUARZIL_EMPTY_ITEMS(db);
    for (const Item& i : TrickyItems())
        QVERIFY(AddItem(*db, i) > 0);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("prev.csv"));
    QVERIFY(WriteFile(file, "previous"));
    ItemExport exporter(*db, *m_profile);
    exporter.progress = [](int done, int) { return done < 2; };
    QCOMPARE(exporter.run(AllKeys(*db), file).status, ItemExport::Result::Status::Cancelled);
    QCOMPARE(ReadFile(file), QByteArray("previous"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("prev.csv")}));

    // A cancelled XML export takes back the pictures it had added.
    QList<Item> items = TrickyItems();
    QVERIFY(db->execute(QStringLiteral("UPDATE Articoli SET Foto = ?"), {QByteArray("jpegbytes")}));
    QCOMPARE(exporter.run(AllKeys(*db), dir.filePath(QStringLiteral("a.xml"))).status,
             ItemExport::Result::Status::Cancelled);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("a.xml"))));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("images"))).entryList(QDir::Files), QStringList());

    const auto failed = ItemExport(*db, *m_profile)
                            .run(AllKeys(*db), dir.filePath(QStringLiteral("missing/x.csv")));
    QCOMPARE(failed.status, ItemExport::Result::Status::Failed);
    QVERIFY(!failed.error.isEmpty());
}

void tst_ItemExchange::rejectedLinesAndTheQuestion() {
    QUARZIL_EMPTY_ITEMS(db);
    Item old;
    old.code = QStringLiteral("OLD");
    old.description = QStringLiteral("c'era già");
    QVERIFY(AddItem(*db, old) > 0);
    const int units = Count(*db, QStringLiteral("UnMis"));
    const QString file = m_dir.filePath(QStringLiteral("rejects.csv"));
    QVERIFY(WriteFile(file, "X1;Primo;NUOVA\n"
                            ";Senza codice;pz\n"
                            "X3;;pz\n"
                            "X4;Senza unità;\n"
                            "old;Doppio;pz\n"
                            "X1;Doppio nel file;pz\n"
                            ";;\n"
                            "X7;Ultimo;pz"));
    const auto mapping =
        SimpleMapping({ItemImport::Matricola, ItemImport::Descrizione, ItemImport::UnMis});
    int asked = 0;
    ItemImport importer(*db, *m_profile);
    importer.acceptErrors = [&](const ItemImport::Result&) {
        ++asked;
        return false; // No
    };
    auto result = importer.run(file, mapping);
    QCOMPARE(asked, 1);
    QCOMPARE(result.status, Status::Declined);
    QCOMPARE(Count(*db, QStringLiteral("Articoli")), 1);
    QCOMPARE(Count(*db, QStringLiteral("UnMis")), units); // the new unit went with the rest

    importer.acceptErrors = [](const ItemImport::Result&) { return true; };
    result = importer.run(file, mapping);
    QCOMPARE(result.status, Status::Imported);
    QCOMPARE(result.imported, 2);
    QList<int> lines;
    QStringList reasons;
    for (const auto& r : result.rejected)
        lines << r.line, reasons << r.reason;
    QCOMPARE(lines, QList<int>({2, 3, 4, 5, 6}));
    QCOMPARE(reasons, QStringList({QStringLiteral("matricola mancante"),
                                   QStringLiteral("descrizione mancante"),
                                   QStringLiteral("unità di misura mancante"),
                                   QStringLiteral("matricola già presente"),
                                   QStringLiteral("matricola già presente")}));
    QCOMPARE(ItemImport::RejectedSummary(result, 2),
             QStringLiteral("Righe scartate: 5: riga 2 (matricola mancante), riga 3 (descrizione "
                            "mancante), ..."));
    QCOMPARE(Count(*db, QStringLiteral("UnMis")), units + 1);
}

void tst_ItemExchange::lookupsFoundOrCreatedAndRatesRead() {
    QUARZIL_EMPTY_ITEMS(db);
    ItalianConventions(*m_profile);
    const int pz = UnitKey(*db, QStringLiteral("Pz"));
    QVERIFY(Classifications::CreateByName(*db, Table::Categorie, QStringLiteral("Vini")) > 0);
    const int units = Count(*db, QStringLiteral("UnMis"));
    const QString file = m_dir.filePath(QStringLiteral("lookups.csv"));
    QVERIFY(WriteFile(file, "'V1','Rosso','pz','22','vini','30 %','1,5'\r\n"
                            "'V2','Bianco','CART','0,22','Bianchi','0','3'\r\n"
                            "'V3','Rosato','cart','4 %','BIANCHI','','-1'\r\n"
                            "'V4','Lungo','PZ','1','vini','abc','0'\r\n"));
    ItemImport::Mapping m = SimpleMapping(
        {ItemImport::Matricola, ItemImport::Descrizione, ItemImport::UnMis, ItemImport::Iva,
         ItemImport::Categoria, ItemImport::Ricarico, ItemImport::GiacenzaIniz},
        u'\'');
    m.separator = u',';
    ItemImport importer(*db, *m_profile);
    const auto result = importer.run(file, m);
    QCOMPARE(result.status, Status::Imported);
    QCOMPARE(result.imported, 4);
    // "pz" is the "Pz" there; "CART" is created once, "cart" finds it.
    QCOMPARE(Count(*db, QStringLiteral("UnMis")), units + 1);
    QCOMPARE(Count(*db, QStringLiteral("Categorie")), 2);
    QSqlQuery q;
    QVERIFY(
        db->query(q, QStringLiteral("SELECT Matricola, IDUM, Iva, Ricarico, GiacInit, Giacenza, "
                                    "Categoria FROM Articoli JOIN Categorie ON "
                                    "Categorie.IDCategoria = Articoli.IDCategoria ORDER BY "
                                    "Matricola")));
    QStringList rows;
    while (q.next())
        rows << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                    .arg(q.value(0).toString())
                    .arg(q.value(1).toInt() == pz ? QStringLiteral("pz") : QStringLiteral("cart"))
                    .arg(q.value(2).isNull() ? QStringLiteral("-")
                                             : QString::number(q.value(2).toDouble(), 'g', 4))
                    .arg(q.value(3).isNull() ? QStringLiteral("-")
                                             : QString::number(q.value(3).toDouble(), 'g', 4))
                    .arg(q.value(4).isNull() ? QStringLiteral("-")
                                             : QString::number(q.value(4).toDouble()))
                    .arg(q.value(5).toDouble())
                    .arg(q.value(6).toString());
    // 22 and "4 %" are percentages, 0,22 a fraction; 1 is 1 %; 0 and text give none.
    QCOMPARE(rows, QStringList({QStringLiteral("V1 pz 0.22 0.3 1.5 1.5 Vini"),
                                QStringLiteral("V2 cart 0.22 - 3 3 Bianchi"),
                                QStringLiteral("V3 cart 0.04 - - 0 Bianchi"),
                                QStringLiteral("V4 pz 0.01 - - 0 Vini")}));
}

void tst_ItemExchange::largeFileWithBrokenLines() {
    QUARZIL_EMPTY_ITEMS(db);
    const QString file = m_dir.filePath(QStringLiteral("large.csv"));
    QByteArray text = "Codice;Descrizione;Prezzo;UM;Scorta\r\n";
    for (int i = 1; i <= 10000; ++i) {
        if (i % 20 == 0) // 5 % without a code
            text += QStringLiteral(";Rotto %1;1;pz;2\r\n").arg(i).toUtf8();
        else
            text += QStringLiteral("L%1;Articolo %1;%1,5;pz;%2\r\n").arg(i).arg(i % 7).toUtf8();
    }
    QVERIFY(WriteFile(file, text));
    ItalianConventions(*m_profile);
    ItemImport::Mapping m =
        SimpleMapping({ItemImport::Matricola, ItemImport::Descrizione, ItemImport::Prezzo,
                       ItemImport::UnMis, ItemImport::GiacenzaIniz});
    m.heading = true;
    int calls = 0;
    ItemImport importer(*db, *m_profile);
    importer.progress = [&](qint64 done, qint64 total) {
        ++calls;
        return done <= total;
    };
    importer.acceptErrors = [](const ItemImport::Result& r) { return r.rejected.size() == 500; };
    const auto result = importer.run(file, m);
    QCOMPARE(result.status, Status::Imported);
    QCOMPARE(result.imported, 9500);
    QCOMPARE(result.rejected.size(), 500);
    QCOMPARE(result.rejected.first().line, 21); // the heading is line 1
    QCOMPARE(result.rejected.last().line, 10001);
    QVERIFY(calls > 2);
    QCOMPARE(Count(*db, QStringLiteral("Articoli")), 9500);
    QSqlQuery q;
    QVERIFY(db->query(q,
                      QStringLiteral("SELECT Prezzo, Giacenza, UnMis FROM Articoli WHERE "
                                     "Matricola = ?"),
                      {QStringLiteral("L9999")}) &&
            q.next());
    QCOMPARE(Record::ReadCurrency(q.value(0)), CurrencyAmount::fromDecimalString("9999.5"));
    QCOMPARE(q.value(1).toDouble(), 9999 % 7);
    QCOMPARE(q.value(2).toString().toLower(), QStringLiteral("pz"));
}

void tst_ItemExchange::malformedInputNeverHalfImports_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("kept");
    QByteArray random;
    quint32 x = 7;
    for (int i = 0; i < 8192; ++i) {
        x = x * 1664525 + 1013904223;
        random += char(x >> 24);
    }
    const QByteArray longLine = "LONG;" + QByteArray(1024 * 1024, 'x') + ";pz\n";
    const struct {
        const char* name;
        QByteArray bytes;
        Status status;
        int kept;
    } cases[] = {
        {"ragged", "R1;Uno\nR2;Due;pz;extra;;;;;;;;;;;;;;;;;\nR3\n", Status::Declined, 0},
        {"bare quote", "Q1;\"Aperto;pz\nQ2;Due;pz\n", Status::Imported, 2},
        {"nul bytes", QByteArray("N1;Con\0nul;pz\nN2;\0;pz\n", 22), Status::Declined, 0},
        {"one megabyte line", longLine + "OK;Breve;pz\n", Status::Imported, 2},
        {"empty", QByteArray(), Status::Unreadable, 0},
        {"only line breaks", "\r\n\r\n", Status::Imported, 0},
        {"not text", random, Status::Unreadable, 0},
    };
    for (const QString& backend : {QStringLiteral("sqlite"), QStringLiteral("postgres")})
        for (const auto& c : cases)
            QTest::addRow("%s %s", qPrintable(backend), c.name)
                << backend << c.bytes << int(c.status) << c.kept;
}

void tst_ItemExchange::malformedInputNeverHalfImports() {
    QUARZIL_EMPTY_ITEMS(db);
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(int, kept);
    const QString file = m_dir.filePath(QStringLiteral("bad.csv"));
    QVERIFY(WriteFile(file, bytes));
    ItemImport importer(*db, *m_profile);
    importer.acceptErrors = [](const ItemImport::Result&) { return false; };
    const auto result = importer.run(
        file,
        SimpleMapping({ItemImport::Matricola, ItemImport::Descrizione, ItemImport::UnMis}, u'"'));
    QCOMPARE(int(result.status), status);
    QCOMPARE(Count(*db, QStringLiteral("Articoli")), kept);
    if (kept == 2 && bytes.size() > 1000000) {
        QCOMPARE(result.truncatedLines, 1);
        const auto item = ReadItem(*db, QStringLiteral("LONG"));
        QVERIFY(item);
        QCOMPARE(item->description, QString(100, u'x'));
    }
    QVERIFY(!db->inTransaction());
}

void tst_ItemExchange::cancelKeepsNothing() {
    QUARZIL_EMPTY_ITEMS(db);
    const QString file = m_dir.filePath(QStringLiteral("cancel.csv"));
    QByteArray text;
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("K%1;Articolo abbastanza lungo da riempire i blocchi %1;pz\n")
                    .arg(i)
                    .toUtf8();
    QVERIFY(WriteFile(file, text));
    ItemImport importer(*db, *m_profile);
    importer.progress = [](qint64 done, qint64 total) { return done < total / 2; };
    const auto result = importer.run(
        file, SimpleMapping({ItemImport::Matricola, ItemImport::Descrizione, ItemImport::UnMis}));
    QCOMPARE(result.status, Status::Cancelled);
    QCOMPARE(Count(*db, QStringLiteral("Articoli")), 0);
    QVERIFY(!db->inTransaction());
}

void tst_ItemExchange::commandLine() {
    QUARZIL_EMPTY_ITEMS(db);
    for (const Item& i : TrickyItems())
        QVERIFY(AddItem(*db, i) > 0);
    const QString connection = m_archives.connectionString(backend);
    const QStringList on{QStringLiteral("--connection"), connection};
    QTemporaryDir home;
    const auto cli = [&](const QStringList& args, QByteArray* out) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("QUARZIL_MACHINE_CONFIG"),
                   home.filePath(QStringLiteral("m.ini")));
        p.setProcessEnvironment(env);
        p.start(TestSupport::CliPath(), on + args);
        if (!p.waitForFinished(60000))
            return -1;
        *out = p.readAllStandardOutput();
        if (p.exitCode() != 0)
            qWarning().noquote() << p.readAllStandardError();
        return p.exitCode();
    };
    const QString file = home.filePath(QStringLiteral("cli.csv"));
    QByteArray out;
    QCOMPARE(cli({QStringLiteral("--json"), QStringLiteral("export"), QStringLiteral("items"), file,
                  QStringLiteral("--filter"), QStringLiteral("code=C*")},
                 &out),
             0);
    QCOMPARE(QJsonDocument::fromJson(out).object().value(QStringLiteral("items")).toInt(), 2);
    QVERIFY(ReadFile(file).contains("\"Caffè€\""));

    QVERIFY(db->execute(QStringLiteral("DELETE FROM Articoli")));
    QVERIFY(WriteFile(home.filePath(QStringLiteral("in.csv")),
                      "Codice,Nome,UM\n\"Z1\",\"Uno, due\",pz\n,senza codice,pz\n"));
    const QStringList import = {
        QStringLiteral("--json"),      QStringLiteral("import"),
        QStringLiteral("items"),       home.filePath(QStringLiteral("in.csv")),
        QStringLiteral("--map"),       QStringLiteral("1=Matricola,2=descrizione,3=Un.di Misura"),
        QStringLiteral("--separator"), QStringLiteral(","),
        QStringLiteral("--delimiter"), QStringLiteral("\""),
        QStringLiteral("--heading")};
    QCOMPARE(cli(import, &out), 1);
    QJsonObject summary = QJsonDocument::fromJson(out).object();
    QCOMPARE(summary.value(QStringLiteral("status")).toString(), QStringLiteral("declined"));
    QCOMPARE(summary.value(QStringLiteral("rejected")).toInt(), 1);
    QCOMPARE(Count(*db, QStringLiteral("Articoli")), 0);
    QCOMPARE(cli(import + QStringList{QStringLiteral("--accept-errors")}, &out), 0);
    summary = QJsonDocument::fromJson(out).object();
    QCOMPARE(summary.value(QStringLiteral("imported")).toInt(), 1);
    QCOMPARE(summary.value(QStringLiteral("rejectedLines"))
                 .toArray()[0]
                 .toObject()
                 .value(QStringLiteral("line"))
                 .toInt(),
             3);
    const auto z1 = ReadItem(*db, QStringLiteral("Z1"));
    QVERIFY(z1);
    QCOMPARE(z1->description, QStringLiteral("Uno, due"));
    // A mapping without the unit is refused before anything is read.
    QCOMPARE(cli({QStringLiteral("import"), QStringLiteral("items"), file, QStringLiteral("--map"),
                  QStringLiteral("1=Matricola,2=Descrizione")},
                 &out),
             2);
}

QTEST_MAIN(tst_ItemExchange)
#include "tst_ItemExchange.moc"
