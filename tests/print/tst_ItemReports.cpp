// label: db
#include "ArchiveTestCase.h"
#include "PdfTesting.h"
#include "TestSupport.h"
#include "common/Profile.h"
#include "items/StockCounters.h"
#include "print/ItemHistoryDocument.h"
#include "print/ItemListDocument.h"
#include "print/ItemPriceDocument.h"
#include "print/ItemReportData.h"
#include "print/StockValueDocument.h"
#include "store/TableRecord.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Item {
    QString code;
    QString description = QStringLiteral("Articolo");
    QVariant idum = QVariant(QMetaType::fromType<int>());
    QVariant category = QVariant(QMetaType::fromType<int>());
    QString price = QStringLiteral("5");
    std::optional<float> vat = 0.22f;
    bool vatIncluded = false;
    std::optional<float> giacInit;
    std::optional<float> markup, discount;
};

// One movement row: quantity, price, VAT and discount (null when not given).
struct Row {
    int item = 0;
    double qt = 1;
    QVariant price;
    QVariant vat;
    QVariant discount;
};

QVariant nullReal() {
    return QVariant(QMetaType::fromType<double>());
}

Row row(int item, double qt, const QString& price, double vat, double discount) {
    return {item, qt, price, vat, discount};
}

Item makeItem(const QString& code, const QString& description = QStringLiteral("Articolo")) {
    Item item;
    item.code = code;
    item.description = description;
    return item;
}

int addItem(Database& db, const Item& item) {
    QSqlQuery q;
    if (!db.query(
            q,
            QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, IDUM, IDCategoria, "
                           "Prezzo, Iva, IncIva, GiacInit, Ricarico, Sconto) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING IDArticolo"),
            {item.code, item.description, item.idum, item.category,
             Record::BindCurrency(CurrencyAmount::fromDecimalString(item.price), db.backend()),
             Record::BindReal(item.vat), Record::BindBit(item.vatIncluded, db.backend()),
             Record::BindReal(item.giacInit), Record::BindReal(item.markup),
             Record::BindReal(item.discount)}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

int addCounterpart(Database& db, const QString& name) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO CliFor (RagSoc, CliFor) VALUES (?, ?) "
                                 "RETURNING IDCliFor"),
                  {name, Record::BindBit(false, db.backend())}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

bool addMovement(Database& db, int tipo, const QDateTime& when, const QString& counterpart,
                 const QList<Row>& rows) {
    QVariant id = QVariant(QMetaType::fromType<int>());
    QVariant name = QVariant(QMetaType::fromType<QString>());
    if (!counterpart.isEmpty()) {
        id = addCounterpart(db, counterpart);
        name = counterpart;
    }
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Movimenti (Numero, Tipo, Data, IDCliFor, CliFor) "
                                 "VALUES (?, ?, ?, ?, ?) RETURNING IDMovimento"),
                  {QStringLiteral("1/2026"), tipo, when, id, name}) ||
        !q.next())
        return false;
    const int movement = q.value(0).toInt();
    q.finish();
    for (const Row& r : rows) {
        const QVariant price =
            r.price.isNull()
                ? r.price
                : Record::BindCurrency(CurrencyAmount::fromDecimalString(r.price.toString()),
                                       db.backend());
        if (!db.execute(QStringLiteral("INSERT INTO SottoMovimenti (IDMovimento, IDArticolo, Qt, "
                                       "Prezzo, Iva, Sconto) VALUES (?, ?, ?, ?, ?, ?)"),
                        {movement, r.item, r.qt, price, r.vat, r.discount}))
            return false;
    }
    return true;
}

QDateTime at(int y, int m, int d, int h = 10, int min = 0) {
    return QDateTime(QDate(y, m, d), QTime(h, min));
}

int addUnit(Database& db, const QString& sigla) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO UnMis (Sigla, Descrizione) VALUES (?, ?) "
                                 "RETURNING IDUM"),
                  {sigla, sigla}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

int addCategory(Database& db, const QString& name) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Categorie (Categoria) VALUES (?) "
                                 "RETURNING IDCategoria"),
                  {name}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

qint64 units(const char* amount) {
    return CurrencyAmount::fromDecimalString(QString::fromLatin1(amount)).units();
}

} // namespace

class tst_ItemReports : public ArchiveTestCase {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Profile> m_profile;

    PrintSource source(Database& db) { return {db, *m_profile, QString()}; }

    QString pdf(PrintDocument& doc, const QString& name) {
        const QString file = m_dir.filePath(name + QStringLiteral(".pdf"));
        const QString error = WritePdf(doc, file);
        return error.isEmpty() ? file : QString();
    }

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        m_profile = std::make_unique<Profile>(m_dir.filePath(QStringLiteral("user.ini")),
                                              m_dir.filePath(QStringLiteral("machine.ini")));
        using S = Profile::Section;
        const QList<QPair<const char*, QVariant>> values = {
            {"SimbVal", QStringLiteral("€")},
            {"NDecVal", 2},
            {"DecVal", QStringLiteral(",")},
            {"MigVal", QStringLiteral(".")},
            {"NDecValNum", 2},
            {"DecValNum", QStringLiteral(",")},
            {"MigValNum", QStringLiteral(".")},
            {"RagSoc", QStringLiteral("Ferramenta Rossi")},
            {"Indirizzo", QStringLiteral("Via Roma 1")},
            {"Comune", QStringLiteral("Verona")}};
        for (const auto& [key, value] : values)
            m_profile->setValue(S::Azienda, QString::fromLatin1(key), value);
    }

    void valueReport_data() { TestSupport::AddBackendRows(); }
    void valueReport();
    void valueReportGroupsChunksLikeOneItemEach_data() { TestSupport::AddBackendRows(); }
    void valueReportGroupsChunksLikeOneItemEach();
    void itemList_data() { TestSupport::AddBackendRows(); }
    void itemList();
    void history_data() { TestSupport::AddBackendRows(); }
    void history();
    void prices_data() { TestSupport::AddBackendRows(); }
    void prices();
    void rowsThatStopOnAFailureAreAFailure_data() { TestSupport::AddBackendRows(); }
    void rowsThatStopOnAFailureAreAFailure();
};

#define EMPTIED(db)                                                                                \
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "SottoMovimenti", "Movimenti", "Articoli",       \
                                  "Categorie", "CliFor")

void tst_ItemReports::valueReport() {
    EMPTIED(db);
    const int a = addItem(*db, makeItem(QStringLiteral("A01"), QStringLiteral("Viti")));
    // Price with VAT included and an initial stock: the stock's VAT counts into the tax total.
    Item bItem = makeItem(QStringLiteral("B01"), QStringLiteral("Bulloni"));
    bItem.price = QStringLiteral("12.20");
    bItem.vatIncluded = true;
    bItem.giacInit = 2;
    const int b = addItem(*db, bItem);
    QVERIFY2(a > 0 && b > 0, qPrintable(db->errorText()));
    QVERIFY(addMovement(*db, 0, at(2026, 1, 10), QStringLiteral("Fornitore"),
                        {row(a, 10, QStringLiteral("5.00"), 0.22, 0.10)}));
    QVERIFY(addMovement(*db, 1, at(2026, 1, 12), QStringLiteral("Cliente"),
                        {row(a, 4, QStringLiteral("8.00"), 0.22, 0)}));
    // Left out: no discount, no VAT, no price.
    QVERIFY(addMovement(*db, 0, at(2026, 1, 13), QStringLiteral("Fornitore"),
                        {{a, 3, QStringLiteral("5.00"), 0.22, nullReal()},
                         {a, 3, QStringLiteral("5.00"), nullReal(), 0.0},
                         {a, 3, QVariant(), 0.22, 0.0}}));
    // A return of b, and a receipt of b with 10 % discount.
    QVERIFY(addMovement(*db, 2, at(2026, 1, 14), QStringLiteral("Cliente"),
                        {row(b, 1, QStringLiteral("10.00"), 0.22, 0)}));
    QVERIFY(addMovement(*db, 3, at(2026, 1, 15), QString(),
                        {row(b, 2, QStringLiteral("10.00"), 0.22, 0.10)}));
    QVERIFY(UpdateArtInfo(*db, nullptr, a) && UpdateArtInfo(*db, nullptr, b));

    const PrintSource s = source(*db);
    const auto doc = StockValueDocument::Make(s, {a, b});
    QVERIFY2(doc->errorText().isEmpty(), qPrintable(doc->errorText()));
    const auto& lines = doc->report().lines();
    QCOMPARE(lines.size(), size_t(2));
    QCOMPARE(lines[0].load, units("54.90"));
    QCOMPARE(lines[0].unload, units("39.04"));
    QCOMPARE(lines[0].returned, 0);
    QCOMPARE(lines[0].discount, units("5.00"));
    QCOMPARE(lines[0].tax, units("2.86")); // 9.90 in, 7.04 out
    QCOMPARE(lines[0].value, units("15.86"));
    // b: return 12.20 in; receipt 20.00 - 2.00 + 3.96 = 21.96 out; initial stock 24.40 with
    // 4.40 of VAT in it.
    QCOMPARE(lines[1].returned, units("12.20"));
    QCOMPARE(lines[1].unload, units("21.96"));
    QCOMPARE(lines[1].discount, units("-2.00"));
    QCOMPARE(lines[1].tax, units("2.20") - units("3.96") + units("4.40"));
    QCOMPARE(lines[1].value, units("-9.76"));

    const auto& t = doc->report().totals();
    QCOMPARE(t.value, units("6.10"));
    // Stock on hand at list price: a 6 x 5.00 (the rows left out still count in the counters: 9
    // more), b 1 x 12.20 / 1.22.
    QCOMPARE(t.stockAtListPrice, units("75.00") + units("10.00"));

    const QString file = pdf(*doc, QStringLiteral("value"));
    QVERIFY(!file.isEmpty());
    const QString text = TestSupport::PdfText(file);
    for (const char* expected :
         {"Valore Magazzino", "Matricola", "Descrizione", "Carico", "Scarico", "Reso", "Sconti",
          "IVA", "Valore", "€ 54,90", "€ 39,04", "€ 15,86", "€ -9,76", "Ferramenta Rossi",
          "Pagina 1 di 1", "Carichi: € 54,90 - Scarichi: € 61,00 - Resi: € 12,20",
          "Sconti: € 3,00 - IVA: € 5,50 - Giacenza: € 85,00 - Valore Magazzino: € 6,10"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QCOMPARE(doc->fileBaseName(),
             QStringLiteral("Valore Magazzino %1").arg(QDate::currentDate().toString(Qt::ISODate)));
}

void tst_ItemReports::valueReportGroupsChunksLikeOneItemEach() {
    EMPTIED(db);
    // More items than one query takes, each with its own price conditions.
    constexpr int kItems = 1234;
    QList<int> keys;
    QVERIFY(db->beginTransaction());
    for (int i = 0; i < kItems; ++i) {
        Item item = makeItem(QStringLiteral("M%1").arg(i, 5, 10, QLatin1Char('0')));
        item.giacInit = float(i % 3);
        keys.prepend(addItem(*db, item)); // listed backwards: the order is the caller's
        QVERIFY(keys.first() > 0);
    }
    for (int i = 0; i < kItems; i += 50) {
        QList<Row> rows;
        for (int j = i; j < qMin(kItems, i + 50); ++j) {
            rows << row(keys.at(j), 1 + j % 7, QStringLiteral("%1.25").arg(j % 13), 0.22,
                        0.05 * (j % 3));
            rows << row(keys.at(j), 2, QStringLiteral("%1.25").arg(j % 13), 0.22, 0.05 * (j % 3));
        }
        QVERIFY(addMovement(*db, (i / 50) % 4, at(2026, 2, 1 + i % 27), QStringLiteral("X"), rows));
    }
    QVERIFY(db->commit());

    std::vector<ItemReportItem> items;
    QVERIFY(ItemReportData::ReadItems(*db, keys, &items));
    QCOMPARE(int(items.size()), kItems);
    StockValueReport all;
    QVERIFY(StockValueReport::Compute(*db, items, &all));
    StockValueReport::Totals sum;
    for (int i = 0; i < kItems; i += 97) {
        StockValueReport one;
        QVERIFY(StockValueReport::Compute(*db, {items[size_t(i)]}, &one));
        const auto& l = all.lines()[size_t(i)];
        const auto& o = one.lines()[0];
        QCOMPARE(l.key, keys.at(i));
        QCOMPARE(l.key, o.key);
        QCOMPARE(l.load, o.load);
        QCOMPARE(l.unload, o.unload);
        QCOMPARE(l.returned, o.returned);
        QCOMPARE(l.discount, o.discount);
        QCOMPARE(l.tax, o.tax);
        QCOMPARE(l.value, o.value);
        QVERIFY(l.load + l.unload + l.returned > 0);
    }
    for (const auto& l : all.lines())
        sum.value += l.value;
    QCOMPARE(all.totals().value, sum.value);
}

void tst_ItemReports::itemList() {
    EMPTIED(db);
    const int kg = addUnit(*db, QStringLiteral("Kg"));
    const int category = addCategory(*db, QStringLiteral("Ferramenta"));
    Item aItem = makeItem(QStringLiteral("A01"), QStringLiteral("Chiodi"));
    aItem.idum = kg;
    aItem.category = category;
    aItem.giacInit = 2;
    const int a = addItem(*db, aItem);
    const int b = addItem(*db, makeItem(QStringLiteral("B01"),
                                        QStringLiteral("Una descrizione molto lunga che non ci sta "
                                                       "nella sua colonna della lista della merce "
                                                       "stampata")));
    QVERIFY(a > 0 && b > 0);
    QVERIFY(
        addMovement(*db, 0, at(2026, 1, 1), QStringLiteral("F"),
                    {row(a, 10, QStringLiteral("1"), 0, 0), row(b, 3, QStringLiteral("1"), 0, 0)}));
    QVERIFY(addMovement(*db, 1, at(2026, 1, 2), QStringLiteral("C"),
                        {row(a, 4, QStringLiteral("1"), 0, 0)}));
    QVERIFY(
        addMovement(*db, 3, at(2026, 1, 2), QString(), {row(a, 0.5, QStringLiteral("1"), 0, 0)}));
    QVERIFY(addMovement(*db, 2, at(2026, 1, 3), QStringLiteral("C"),
                        {row(a, 1, QStringLiteral("1"), 0, 0)}));
    QVERIFY(UpdateArtInfo(*db, nullptr, a) && UpdateArtInfo(*db, nullptr, b));

    // The caller's order; a key whose item is gone is left out.
    const auto doc = ItemListDocument::Make(source(*db), {b, 999999, a});
    QVERIFY(doc->errorText().isEmpty());
    QCOMPARE(doc->rows().size(), size_t(2));
    QCOMPARE(doc->rows()[0].join(u'|'),
             QStringLiteral("B01|Una descrizione molto lunga che non ci sta nella sua colonna "
                            "della lista della merce stampata|Standard|3,00|0,00|0,00|3,00"));
    QCOMPARE(doc->rows()[1].join(u'|'),
             QStringLiteral("A01|Chiodi|Ferramenta|10,00 Kg|4,50 Kg|1,00 Kg|8,50 Kg"));
    QCOMPARE(doc->pageCount(), 1);

    const QString file = pdf(*doc, QStringLiteral("list"));
    QVERIFY(!file.isEmpty());
    const QString text = TestSupport::PdfText(file);
    for (const char* expected :
         {"Lista della Merce", "Matricola", "Descrizione", "Categoria", "Carico", "Scarico", "Reso",
          "Giacenza", "10,00 Kg", "8,50 Kg", "Ferramenta Rossi", "Pagina 1 di 1"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    // The long description is cut to its column, the next column still in its place.
    QVERIFY(text.contains(QStringLiteral("Una descrizione molto lunga")));
    QVERIFY(text.contains(QStringLiteral("...")));
    QVERIFY(!text.contains(QStringLiteral("stampata")));
    const auto words = TestSupport::PdfWords(file);
    const auto standard = TestSupport::FindPdfWord(words, QStringLiteral("Standard"));
    const auto heading = TestSupport::FindPdfWord(words, QStringLiteral("Categoria"));
    QVERIFY(!standard.text.isEmpty() && !heading.text.isEmpty());
    QVERIFY(qAbs(standard.left - heading.left) < 5);

    // One page holds 54 items; more start a second.
    QList<int> many;
    for (int i = 0; i < 57; ++i)
        many << (i % 2 ? a : b);
    QCOMPARE(ItemListDocument::Make(source(*db), many)->pageCount(), 1); // each key once
    QVERIFY(db->beginTransaction());
    for (int i = 0; i < 55; ++i)
        many << addItem(*db, makeItem(QStringLiteral("Z%1").arg(i, 3, 10, QLatin1Char('0'))));
    QVERIFY(db->commit());
    const auto two = ItemListDocument::Make(source(*db), many);
    QCOMPARE(two->rows().size(), size_t(57));
    QCOMPARE(two->pageCount(), 2);
    const QString twoFile = pdf(*two, QStringLiteral("list2"));
    QCOMPARE(TestSupport::PdfPageCount(twoFile), 2);
    QVERIFY(TestSupport::PdfText(twoFile, 2).contains(QStringLiteral("Pagina 2 di 2")));

    // Nothing listed: nothing to print.
    QCOMPARE(ItemListDocument::Make(source(*db), {})->pageCount(), 0);
    // Every item, by code.
    QList<int> listed;
    QVERIFY(ItemReportData::ListedKeys(*db, &listed));
    QCOMPARE(listed.size(), 57);
    QCOMPARE(listed.at(0), a);
    QCOMPARE(listed.at(1), b);
}

void tst_ItemReports::history() {
    EMPTIED(db);
    const int kg = addUnit(*db, QStringLiteral("Kg"));
    Item item = makeItem(QStringLiteral("A01"), QStringLiteral("Chiodi"));
    item.idum = kg;
    const int a = addItem(*db, item);
    const int other = addItem(*db, makeItem(QStringLiteral("B01"), QStringLiteral("Viti")));
    QVERIFY(a > 0 && other > 0);
    // Only the rows of 1 to 10 March count, both ends whole days.
    QVERIFY(addMovement(*db, 0, at(2026, 2, 28, 23, 59), QStringLiteral("Prima"),
                        {row(a, 100, QStringLiteral("1"), 0, 0)}));
    QVERIFY(addMovement(*db, 0, at(2026, 3, 1, 0, 0), QStringLiteral("Fornitore Uno"),
                        {row(a, 10, QStringLiteral("5.00"), 0.22, 0.10),
                         row(other, 1, QStringLiteral("1"), 0, 0)}));
    QVERIFY(addMovement(*db, 3, at(2026, 3, 5), QString(),
                        {row(a, 2, QStringLiteral("8.00"), 0.22, 0)}));
    QVERIFY(addMovement(*db, 1, at(2026, 3, 4), QStringLiteral("Cliente Due"),
                        {row(a, 2, QStringLiteral("8.00"), 0.22, 0)}));
    QVERIFY(addMovement(*db, 2, at(2026, 3, 10, 23, 30), QStringLiteral("Cliente Due"),
                        {row(a, 1, QStringLiteral("8.00"), 0, 0)}));
    QVERIFY(addMovement(*db, 1, at(2026, 3, 11, 0, 0), QStringLiteral("Dopo"),
                        {row(a, 100, QStringLiteral("1"), 0, 0)}));

    const HistoryPeriod period{QDate(2026, 3, 1), QDate(2026, 3, 10)};
    const auto doc = ItemHistoryDocument::Make(source(*db), {a, 424242, other}, period);
    QVERIFY2(doc->errorText().isEmpty(), qPrintable(doc->errorText()));
    QCOMPARE(doc->cards().size(), size_t(3));
    const auto& card = doc->cards()[0];
    QCOMPARE(card.title, QStringLiteral("Storico di Chiodi"));
    QStringList rows;
    for (const QStringList& r : card.rows)
        rows << r.join(u'|');
    QCOMPARE(rows, QStringList({
                       QStringLiteral("01/03/2026|Fornitore Uno|Carico|10,00 Kg|€ 5,00|€ 54,90"),
                       QStringLiteral("04/03/2026|Cliente Due|Scarico|2,00 Kg|€ 8,00|€ 19,52"),
                       QStringLiteral("05/03/2026|- Ricevuta -|Scarico|2,00 Kg|€ 8,00|€ 19,52"),
                       QStringLiteral("10/03/2026|Cliente Due|Reso|1,00 Kg|€ 8,00|€ 8,00"),
                   }));
    // In less out: 10 - 2 - 2 + 1 Kg, 54.90 - 19.52 - 19.52 + 8.00.
    QCOMPARE(card.total.join(u'|'), QStringLiteral("Totale|||7,00 Kg||€ 23,86"));
    QVERIFY(!doc->cards()[1].found);
    QCOMPARE(doc->cards()[1].title, QStringLiteral("Storico di Prodotto non Trovato"));
    QCOMPARE(doc->cards()[2].rows.size(), size_t(1));
    QCOMPARE(doc->pageCount(), 3);

    const QString file = pdf(*doc, QStringLiteral("history"));
    QVERIFY(!file.isEmpty());
    QCOMPARE(TestSupport::PdfPageCount(file), 3);
    const QString first = TestSupport::PdfText(file, 1).simplified();
    for (const char* expected :
         {"Storico di Chiodi", "Ferramenta Rossi", "Dal giorno Domenica 1 Marzo 2026",
          "Al giorno Martedì 10 Marzo 2026", "Scheda numero 1 su 3", "Data", "Anagrafica", "Tipo",
          "Quantità", "Prezzo", "Valore", "Totale", "€ 23,86", "Pagina 1 di 3"})
        QVERIFY2(first.contains(QString::fromUtf8(expected)), expected);
    const QString second = TestSupport::PdfText(file, 2);
    QVERIFY(second.contains(QStringLiteral("Storico di Prodotto non Trovato")));
    QVERIFY(second.contains(QStringLiteral("Scheda numero 2 su 3")));
    QVERIFY(TestSupport::PdfText(file, 3).contains(QStringLiteral("Pagina 3 di 3")));

    // A card longer than a page goes on, its total on its last page.
    QVERIFY(db->beginTransaction());
    for (int i = 0; i < 60; ++i)
        QVERIFY(addMovement(*db, 0, at(2026, 3, 2, 8, i % 60), QStringLiteral("F"),
                            {row(other, 1, QStringLiteral("1"), 0, 0)}));
    QVERIFY(db->commit());
    const auto longCard = ItemHistoryDocument::Make(source(*db), {other}, period);
    QCOMPARE(longCard->cards()[0].rows.size(), size_t(61));
    QCOMPARE(longCard->pageCount(), 2);
    const QString longFile = pdf(*longCard, QStringLiteral("history-long"));
    QVERIFY(!TestSupport::PdfText(longFile, 1).contains(QStringLiteral("Totale")));
    QVERIFY(TestSupport::PdfText(longFile, 2).contains(QStringLiteral("Totale")));
    QVERIFY(TestSupport::PdfText(longFile, 2).contains(QStringLiteral("Scheda numero 1 su 1")));
    QCOMPARE(longCard->fileBaseName(), QStringLiteral("Storico B01 2026-03-01 2026-03-10"));
}

void tst_ItemReports::prices() {
    EMPTIED(db);
    // 100 with VAT included, mark-up 50 %, discount 10 %: 100 / 1.22 x 1.5 x 0.9 x 1.22.
    Item aItem = makeItem(QStringLiteral("A01"), QStringLiteral("Trapano"));
    aItem.price = QStringLiteral("100");
    aItem.vatIncluded = true;
    aItem.markup = 0.5f;
    aItem.discount = 0.1f;
    const int a = addItem(*db, aItem);
    const int b = addItem(*db, makeItem(QStringLiteral("B01"), QStringLiteral("Punte")));
    const int c = addItem(*db, makeItem(QStringLiteral("C01"), QStringLiteral("Mai mosso")));
    QVERIFY(a > 0 && b > 0 && c > 0);
    // Loads of a: Alfa twice (10 and 12), Beta once at the lowest price (8); average price 10,
    // discount 10 %, VAT 22 %.
    QVERIFY(addMovement(*db, 0, at(2026, 1, 1), QStringLiteral("Alfa"),
                        {row(a, 1, QStringLiteral("10"), 0.22, 0.1)}));
    QVERIFY(addMovement(*db, 0, at(2026, 1, 2), QStringLiteral("Beta"),
                        {row(a, 5, QStringLiteral("8"), 0.22, 0.1)}));
    QVERIFY(addMovement(
        *db, 0, at(2026, 1, 3), QStringLiteral("Alfa"),
        {row(a, 1, QStringLiteral("12"), 0.22, 0.1), row(b, 1, QStringLiteral("3"), 0.22, 0)}));
    // Sales: an unload at 20 and a receipt at 30, no discount: 25 x 1.22. Returns do not count.
    QVERIFY(addMovement(*db, 1, at(2026, 1, 4), QStringLiteral("Cliente"),
                        {row(a, 1, QStringLiteral("20"), 0.22, 0)}));
    QVERIFY(
        addMovement(*db, 3, at(2026, 1, 5), QString(), {row(a, 1, QStringLiteral("30"), 0.22, 0)}));
    QVERIFY(addMovement(*db, 2, at(2026, 1, 6), QStringLiteral("Cliente"),
                        {row(a, 1, QStringLiteral("99"), 0.22, 0)}));
    // b: one load each from Zeta and Beta, at the same price: the tie goes to the name first in
    // order, and the cheapest to the earlier row.
    QVERIFY(addMovement(*db, 0, at(2026, 1, 7), QStringLiteral("Zeta"),
                        {row(b, 1, QStringLiteral("2"), 0.22, 0)}));
    QVERIFY(addMovement(*db, 0, at(2026, 1, 8), QStringLiteral("beta"),
                        {row(b, 1, QStringLiteral("2"), 0.22, 0)}));

    const auto doc = ItemPriceDocument::Make(source(*db), {a, b, c});
    QVERIFY2(doc->errorText().isEmpty(), qPrintable(doc->errorText()));
    const auto& lines = doc->report().lines();
    QCOMPARE(lines.size(), size_t(3));
    QCOMPARE(lines[0].purchase.units(), units("100"));
    QCOMPARE(lines[0].selling.units(), units("135.00"));
    QCOMPARE(lines[0].avgPurchase.units(), units("10.98"));
    QCOMPARE(lines[0].avgSale.units(), units("30.50"));
    QCOMPARE(lines[0].usualSupplier, QStringLiteral("Alfa"));
    QCOMPARE(lines[0].bestSupplier, QStringLiteral("Beta"));
    QCOMPARE(lines[1].usualSupplier, QStringLiteral("Alfa")); // Alfa, beta, Zeta: one load each
    QCOMPARE(lines[1].bestSupplier, QStringLiteral("Zeta"));
    QVERIFY(lines[1].avgSale.isNull());
    // b: 5 net of VAT, no mark-up: the selling price is the price plus VAT.
    QCOMPARE(lines[1].selling.units(), units("6.10"));
    QVERIFY(lines[2].avgPurchase.isNull() && lines[2].usualSupplier.isEmpty() &&
            lines[2].bestSupplier.isEmpty());

    QCOMPARE(doc->rows()[0].join(u'|'),
             QStringLiteral("A01|Trapano|€ 100,00|€ 135,00|€ 10,98|€ 30,50|Alfa|Beta"));
    QCOMPARE(doc->rows()[2].join(u'|'), QStringLiteral("C01|Mai mosso|€ 5,00|€ 6,10||||"));
    const QString file = pdf(*doc, QStringLiteral("prices"));
    QVERIFY(!file.isEmpty());
    const QString text = TestSupport::PdfText(file).simplified();
    for (const char* expected :
         {"Lista Prezzi", "Matricola", "Descrizione", "Prezzo", "Acquisto", "Vendita", "Medio",
          "Fornitore", "Abituale", "Miglior", "€ 135,00", "€ 10,98", "€ 30,50", "Pagina 1 di 1"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
}

void tst_ItemReports::rowsThatStopOnAFailureAreAFailure() {
    EMPTIED(db);
    // The second row overflows: SQLite hands out the first and fails on the next fetch,
    // PostgreSQL fails the whole statement. Neither may pass for a short, complete answer.
    const QString overflow = QStringLiteral(
        "SELECT abs(v) FROM (SELECT 1 AS v UNION ALL SELECT -9223372036854775807 - 1) AS t ");
    int rows = 0;
    const auto count = [&](const QSqlQuery&) { ++rows; };
    QVERIFY(!ItemReportData::ForEachChunk(*db, {1}, overflow + QStringLiteral("WHERE 1 IN (%1)"),
                                          {}, {}, count));
    QVERIFY(!db->errorText().isEmpty());
    const QList<int> many(ItemReportData::kNamedKeys + 1, 1);
    QVERIFY(!ItemReportData::ForEachItemRow(*db, many, overflow + QStringLiteral("WHERE {items}"),
                                            {}, {}, false, count));
    QVERIFY(rows <= 2);
}

QTEST_MAIN(tst_ItemReports)
#include "tst_ItemReports.moc"
