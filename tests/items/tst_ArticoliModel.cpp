// label: db
#include "TestSupport.h"
#include "common/Profile.h"
#include "company/Formats.h"
#include "items/ArtDelete.h"
#include "items/ArtFilter.h"
#include "items/ArtFind.h"
#include "items/ArtListModel.h"
#include "store/TextOrder.h"

#include <QAbstractItemModelTester>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Item {
    QString matricola;
    QString descrizione;
    int categoria = 0;
    QVariant giacenza = QVariant(QMetaType::fromType<double>());
    QVariant riordino = QVariant(QMetaType::fromType<double>());
    QString codBarre;
};

Item Named(const QString& matricola, const QString& descrizione) {
    Item item;
    item.matricola = matricola;
    item.descrizione = descrizione;
    return item;
}

// Items with their counters already computed (a unit copied), except where a test wants one
// that never was.
int addItem(Database& db, const Item& item, bool recomputed = true) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, IDCategoria, "
                                 "Giacenza, Riordino, CodBarre, IDUM, UnMis) VALUES "
                                 "(?, ?, ?, ?, ?, ?, 1, ?) RETURNING IDArticolo"),
                  {item.matricola, item.descrizione, item.categoria, item.giacenza, item.riordino,
                   item.codBarre.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                           : QVariant(item.codBarre),
                   recomputed ? QVariant(QStringLiteral("Pz"))
                              : QVariant(QMetaType::fromType<QString>())}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

int keyOf(Database& db, const QString& code) {
    QSqlQuery q;
    return db.query(q, QStringLiteral("SELECT IDArticolo FROM Articoli WHERE Matricola = ?"),
                    {code}) &&
                   q.next()
               ? q.value(0).toInt()
               : 0;
}

// The column texts of every row, one line each.
QStringList Column(ArtListModel& model, int column) {
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts << model.data(model.index(r, column)).toString();
    return texts;
}

} // namespace

class tst_ArticoliModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanupTestCase() { m_archives.clear(); }

    void cellsAndModelTester_data() { TestSupport::AddBackendRows(); }
    void cellsAndModelTester();
    void sorting_data() { TestSupport::AddBackendRows(); }
    void sorting();
    void alphabeticalOrder_data() { TestSupport::AddBackendRows(); }
    void alphabeticalOrder();
    void filter_data() { TestSupport::AddBackendRows(); }
    void filter();
    void hostileText_data() { TestSupport::AddBackendRows(); }
    void hostileText();
    void find_data() { TestSupport::AddBackendRows(); }
    void find();
    void deleteChecks_data() { TestSupport::AddBackendRows(); }
    void deleteChecks();
    void failedQueryEmptiesTheList_data() { TestSupport::AddBackendRows(); }
    void failedQueryEmptiesTheList();

private:
    bool clean(Database& db);
    // A catalogue: categories 1 "Zeta" and 2 "Alfa" (names against key order) and five items.
    bool fill(Database& db);

    TestSupport::ArchivePool m_archives;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Profile> m_profile;
};

#define ARCHIVE(db)                                                                                \
    QUARZIL_FETCH_ARCHIVE(m_archives, db);                                                         \
    QVERIFY2(clean(*db), qPrintable(db->errorText()))

void tst_ArticoliModel::init() {
    // The old profile writes its file when destroyed: it must go before its folder does.
    m_profile.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_profile = std::make_unique<Profile>(m_dir->filePath(QStringLiteral("p.ini")),
                                          m_dir->filePath(QStringLiteral("m.ini")));
}

bool tst_ArticoliModel::clean(Database& db) {
    for (const char* table :
         {"SottoMovimenti", "Movimenti", "SottoOrdini", "Ordini", "Articoli", "Categorie"})
        if (!db.execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))))
            return false;
    return true;
}

bool tst_ArticoliModel::fill(Database& db) {
    if (!db.execute(db.isPostgres() ? QStringLiteral("INSERT INTO Categorie (IDCategoria, "
                                                     "Categoria) OVERRIDING SYSTEM VALUE VALUES "
                                                     "(1, 'Zeta'), (2, 'Alfa')")
                                    : QStringLiteral("INSERT INTO Categorie (IDCategoria, "
                                                     "Categoria) VALUES (1, 'Zeta'), (2, 'Alfa')")))
        return false;
    const QList<Item> items = {
        {"B-200", "Vite", 2, 5.0, {}, "8001"},    {"A-100", "Dado", 1, -2.0, 2.0, "8002"},
        {"C-300", "Bullone", 0, 0.0, {}, "9003"}, {"A-150", "Rondella", 2, 3.0, 4.0, "8004"},
        {"D-400", "Anello", 1, 0.0, {}, {}},
    };
    for (const Item& i : items)
        if (addItem(db, i) <= 0)
            return false;
    return true;
}

void tst_ArticoliModel::cellsAndModelTester() {
    ARCHIVE(db);
    QVERIFY(fill(*db));
    // Enough rows for several blocks of the cache, one of them never recomputed.
    for (int i = 0; i < 3 * ArtListModel::kBlockRows; ++i)
        QVERIFY(addItem(*db, Named(QStringLiteral("Z%1").arg(i, 4, 10, QLatin1Char('0')),
                                   QStringLiteral("Riempitivo"))) > 0);
    const int fresh = addItem(*db, Named(QStringLiteral("E-500"), QStringLiteral("Nuovo")), false);
    QVERIFY(db->execute(QStringLiteral("UPDATE Articoli SET GiacInit = 7 WHERE IDArticolo = ?"),
                        {fresh}));

    ArtListModel model(*db, *m_profile);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY2(model.refresh(), qPrintable(model.errorText()));
    QCOMPARE(model.rowCount(), 5 + 3 * ArtListModel::kBlockRows + 1);
    QCOMPARE(model.columnCount(), 7);
    QCOMPARE(model.headerData(6, Qt::Horizontal).toString(), QStringLiteral("Giacenza"));

    const QString zero = FormatNumber(*m_profile, 0);
    QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("A-100"));
    QCOMPARE(model.data(model.index(0, 2)).toString(), QStringLiteral("Zeta"));
    QCOMPARE(model.data(model.index(0, 3)).toString(), zero + QStringLiteral(" Pz"));
    QCOMPARE(model.data(model.index(0, 6)).toString(),
             FormatNumber(*m_profile, -2) + QStringLiteral(" Pz"));
    QCOMPARE(model.fieldText(0, ArtListModel::RiordinoField),
             FormatNumber(*m_profile, 2) + QStringLiteral(" Pz"));
    QCOMPARE(model.fieldText(0, ArtListModel::OrdinatoField), QString());
    QCOMPARE(model.data(model.index(0, 0), ArtListModel::IconIndexRole).toInt(), 4);
    const int bullone = model.rowOfKey(model.keyAt(3));
    QCOMPARE(model.data(model.index(bullone, 2)).toString(), QStringLiteral("Standard"));

    // A row never recomputed gets its counters when it is shown.
    const int row = model.rowOfKey(fresh);
    QCOMPARE(model.data(model.index(row, 6)).toString(),
             FormatNumber(*m_profile, 7) + QStringLiteral(" Pz"));
    QSqlQuery q;
    QVERIFY(db->query(q, QStringLiteral("SELECT Giacenza FROM Articoli WHERE IDArticolo = ?"),
                      {fresh}) &&
            q.next());
    QCOMPARE(q.value(0).toDouble(), 7.0);

    // Walking the whole list keeps the cache bounded and the texts right.
    const QStringList codes = Column(model, 0);
    QCOMPARE(codes.size(), model.rowCount());
    QVERIFY(std::is_sorted(codes.begin(), codes.end()));
    QCOMPARE(model.data(model.index(6, 0)).toString(), QStringLiteral("Z0000"));
}

void tst_ArticoliModel::sorting() {
    ARCHIVE(db);
    QVERIFY(fill(*db));
    ArtListModel model(*db, *m_profile);
    QVERIFY(model.refresh());
    const QStringList byCode{"A-100", "A-150", "B-200", "C-300", "D-400"};
    QCOMPARE(Column(model, 0), byCode);

    // The same heading twice reverses; the arrow's state follows.
    model.clickColumn(0);
    QVERIFY(model.refresh());
    QCOMPARE(model.lastArtSort(), -1);
    QCOMPARE(m_profile->integer(Profile::Section::Settings, QStringLiteral("LastArtAsc")), 1);
    QStringList reversed = byCode;
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(Column(model, 0), reversed);
    model.clickColumn(0);
    QVERIFY(model.refresh());
    QCOMPARE(Column(model, 0), byCode);

    // Another heading sorts ascending on it.
    model.clickColumn(1);
    QVERIFY(model.refresh());
    QCOMPARE(model.lastArtSort(), 2);
    QCOMPARE(Column(model, 1), QStringList({"Anello", "Bullone", "Dado", "Rondella", "Vite"}));

    // The category column sorts by key, not by name; equal keys keep the description order of
    // the previous sort.
    model.clickColumn(2);
    QVERIFY(model.refresh());
    QCOMPARE(Column(model, 2), QStringList({"Standard", "Zeta", "Zeta", "Alfa", "Alfa"}));
    QCOMPARE(Column(model, 1), QStringList({"Bullone", "Anello", "Dado", "Rondella", "Vite"}));
    QCOMPARE(m_profile->string(Profile::Section::Settings, QStringLiteral("Sort2DataAct")),
             QStringLiteral("IDCategoria"));
    QCOMPARE(m_profile->string(Profile::Section::Settings, QStringLiteral("Sort2DataArt")),
             QStringLiteral("Descrizione"));

    // Reversing the category keeps the description as the second key.
    model.clickColumn(2);
    QVERIFY(model.refresh());
    QCOMPARE(Column(model, 1), QStringList({"Rondella", "Vite", "Anello", "Dado", "Bullone"}));

    // A second key read back from a hand-edited profile never reaches the SQL.
    m_profile->setValue(Profile::Section::Settings, QStringLiteral("Sort2DataArt"),
                        QStringLiteral("1; DROP TABLE Articoli"));
    QVERIFY(model.refresh());
    QCOMPARE(model.rowCount(), 5);

    // The sort survives: a new model reads it back.
    ArtListModel again(*db, *m_profile);
    QCOMPARE(again.lastArtSort(), -3);
}

void tst_ArticoliModel::alphabeticalOrder() {
    ARCHIVE(db);
    // Keys against the order, so that a tie shows which way it went.
    for (const char* code : {"Zeta", "alfa", "ART-2", "Èlite", "art1", "elite", "ART1", "Ärger"})
        QVERIFY(addItem(*db, Named(QString::fromUtf8(code), QString::fromUtf8(code))) > 0);
    // Letters first, then accents, then case; punctuation before digits.
    const QStringList ascending{"alfa", "Ärger", "ART-2", "art1", "ART1", "elite", "Èlite", "Zeta"};
    ArtListModel model(*db, *m_profile);
    QVERIFY2(model.refresh(), qPrintable(model.errorText()));
    QCOMPARE(Column(model, 0), ascending);
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());
    model.clickColumn(0);
    QVERIFY(model.refresh());
    QCOMPARE(Column(model, 0), descending);
    model.clickColumn(1);
    QVERIFY(model.refresh());
    QCOMPARE(Column(model, 1), ascending);
    // The order in memory is the databases' order.
    QStringList sorted = ascending;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return TextOrder::Compare(a, b) < 0; });
    QCOMPARE(sorted, ascending);

    // An index gives both orders: the key query sorts nothing itself (without a second key).
    for (int column : {0, 1})
        for (int direction : {1, -1}) {
            model.setLastArtSort(direction * (column + 1));
            for (const char* key : {"Sort2DataAct", "Sort2DataArt"})
                m_profile->setValue(Profile::Section::Settings, QLatin1String(key), QString());
            const QString plan = TestSupport::QueryPlan(
                *db, QStringLiteral("SELECT IDArticolo FROM Articoli WHERE IDArticolo > 0") +
                         model.orderClause());
            const QString index = column == 0 ? QStringLiteral("ix_articoli_matricola_alfa")
                                              : QStringLiteral("ix_articoli_descrizione_alfa");
            QVERIFY2(plan.contains(index, Qt::CaseInsensitive) &&
                         !plan.contains(QStringLiteral("TEMP B-TREE")) &&
                         !plan.contains(QStringLiteral("Sort")),
                     qPrintable(plan));
        }
}

void tst_ArticoliModel::filter() {
    ARCHIVE(db);
    QVERIFY(fill(*db));
    ArtListModel model(*db, *m_profile);
    auto codesWith = [&](const QString& code, const QString& description, const QString& category,
                         int stock) {
        model.setFilter(ArtFilter::FromTexts(*db, code, description, category, stock));
        if (!model.refresh())
            return QStringList{model.errorText()};
        return Column(model, 0);
    };

    QCOMPARE(codesWith("A", "", "", 0), QStringList({"A-100", "A-150"}));
    QVERIFY(model.filterActive());
    QCOMPARE(codesWith("a-1", "", "", 0), QStringList({"A-100", "A-150"}));
    QCOMPARE(codesWith("*00", "", "", 0), QStringList({"A-100", "B-200", "C-300", "D-400"}));
    QCOMPARE(codesWith("", "*on*", "", 0), QStringList({"A-150", "C-300"}));
    QCOMPARE(codesWith("", "", "alf", 0), QStringList({"A-150", "B-200"}));
    QCOMPARE(codesWith("", "", "Nessuna", 0).size(), 5);
    QCOMPARE(codesWith("", "", "", ArtFilter::StockAboveZero), QStringList({"A-150", "B-200"}));
    QCOMPARE(codesWith("", "", "", ArtFilter::StockBelowZero), QStringList({"A-100"}));
    QCOMPARE(codesWith("", "", "", ArtFilter::StockZero), QStringList({"C-300", "D-400"}));
    QCOMPARE(codesWith("", "", "", ArtFilter::ToReorder), QStringList({"A-100", "A-150"}));
    QCOMPARE(codesWith("A", "", "zeta", ArtFilter::ToReorder), QStringList({"A-100"}));
    QCOMPARE(m_profile->integer(Profile::Section::Settings, QStringLiteral("ArtGiacFilter")), 32);

    // The stored filter holds the fields, and a new model lists the same rows.
    ArtListModel again(*db, *m_profile);
    QVERIFY(again.filterActive());
    QVERIFY(again.refresh());
    QCOMPARE(Column(again, 0), QStringList({"A-100"}));

    // Clearing lists everything again.
    again.clearFilter();
    QVERIFY(!again.filterActive());
    QVERIFY(again.refresh());
    QCOMPARE(again.rowCount(), 5);
    QCOMPARE(m_profile->integer(Profile::Section::Settings, QStringLiteral("ArtGiacFilter")), 20);
    QCOMPARE(m_profile->string(Profile::Section::Settings, QStringLiteral("ArtFilter")), QString());

    // "%" and "_" are characters like the others, "*" the only wildcard; case is ignored,
    // accented letters' too.
    QVERIFY(addItem(*db, Named(QStringLiteral("A_1"), QStringLiteral("Sconto 50% Èlite"))) > 0);
    QVERIFY(addItem(*db, Named(QStringLiteral("AB1"), QStringLiteral("Sconto 500 elite"))) > 0);
    QCOMPARE(codesWith("a_", "", "", 0), QStringList({"A_1"}));
    QCOMPARE(codesWith("", "sconto 50%", "", 0), QStringList({"A_1"}));
    QCOMPARE(codesWith("", "*%", "", 0), QStringList({"A_1"}));
    QCOMPARE(codesWith("", "*ÈLITE", "", 0), QStringList({"A_1"}));
    QCOMPARE(codesWith("a*1", "", "", 0), QStringList({"A_1", "A-100", "A-150", "AB1"}));
}

void tst_ArticoliModel::hostileText() {
    ARCHIVE(db);
    QVERIFY(fill(*db));
    QVERIFY(addItem(*db, Named(QStringLiteral("O'Brien\\"), QStringLiteral("50% \"sconto\""))) > 0);
    ArtListModel model(*db, *m_profile);
    const QStringList hostile{
        "' OR 1=1 --", "O'Brien\\", "\"; DROP TABLE Articoli; --", "50% \"", "\\", "%'", "_"};
    for (const QString& text : hostile) {
        for (int field = 0; field < 3; ++field) {
            model.setFilter(ArtFilter::FromTexts(*db, field == 0 ? text : QString(),
                                                 field == 1 ? text : QString(),
                                                 field == 2 ? text : QString(), 0));
            QVERIFY2(model.refresh(), qPrintable(text + ": " + model.errorText()));
            QVERIFY2(model.rowCount() <= 6, qPrintable(text));
        }
        std::vector<int> keys;
        QVERIFY(ArtFind::MatchingKeys(*db, {text, text, text}, &keys));
    }
    model.setFilter(ArtFilter::FromTexts(*db, QStringLiteral("O'Brien\\"), {}, {}, 0));
    QVERIFY(model.refresh());
    QCOMPARE(model.rowCount(), 1);
    model.setFilter(ArtFilter::FromTexts(*db, QStringLiteral("' OR 1=1 --"), {}, {}, 0));
    QVERIFY(model.refresh());
    QCOMPARE(model.rowCount(), 0);
    QSqlQuery q;
    QVERIFY(db->query(q, QStringLiteral("SELECT COUNT(*) FROM Articoli")) && q.next());
    QCOMPARE(q.value(0).toInt(), 6);
}

void tst_ArticoliModel::find() {
    ARCHIVE(db);
    QVERIFY(fill(*db));
    QVERIFY(addItem(*db, Named(QStringLiteral("A_1"), QStringLiteral("50% Èlite"))) > 0);
    QVERIFY(addItem(*db, Named(QStringLiteral("AB1"), QStringLiteral("Sconto 10%"))) > 0);
    ArtListModel model(*db, *m_profile);
    QVERIFY(model.refresh());
    auto codeOf = [&](const ArtFind::Texts& texts, int from = 0) {
        bool failed = false;
        const int row = model.findRow(from, texts, &failed);
        return failed ? QStringLiteral("failed") : row < 0 ? QString() : model.fieldText(row, 0);
    };
    QCOMPARE(codeOf({}), QString());
    QCOMPARE(codeOf({"  ", "", " "}), QString());
    QCOMPARE(codeOf({"c-3", "", ""}), QStringLiteral("C-300"));
    QCOMPARE(codeOf({"", "rond", ""}), QStringLiteral("A-150"));
    QCOMPARE(codeOf({"", "", "900"}), QStringLiteral("C-300"));
    QCOMPARE(codeOf({"*150", "", ""}), QStringLiteral("A-150"));
    QCOMPARE(codeOf({"A", "vite", ""}), QString());
    // The first listed match, from the row asked for: A_1, A-100, A-150, AB1, B-200 ...
    QCOMPARE(codeOf({"a", "", ""}), QStringLiteral("A_1"));
    QCOMPARE(codeOf({"a-1", "", ""}), QStringLiteral("A-100"));
    QCOMPARE(codeOf({"a-1", "", ""}, 2), QStringLiteral("A-150"));
    QCOMPARE(codeOf({"a-1", "", ""}, 3), QString());
    // "%" and "_" are plain characters; a text that ends with "%" is matched whole.
    QCOMPARE(codeOf({"a_", "", ""}), QStringLiteral("A_1"));
    QCOMPARE(codeOf({"", "50% è", ""}), QStringLiteral("A_1"));
    QCOMPARE(codeOf({"", "50% èLITE", ""}), QStringLiteral("A_1"));
    QCOMPARE(codeOf({"", "50%", ""}), QString());
    QCOMPARE(codeOf({"", "%one%", ""}), QString());
    QCOMPARE(codeOf({"", "*50%", ""}), QString());
    QCOMPARE(codeOf({"A-1%", "", ""}), QString());
    QCOMPARE(codeOf({"", "*o 10%", ""}), QStringLiteral("AB1"));
    // A failed query is told apart from no match.
    QVERIFY(db->execute(QStringLiteral("ALTER TABLE Articoli RENAME TO Vecchi")));
    const QString failed = codeOf({"a", "", ""});
    QVERIFY(db->execute(QStringLiteral("ALTER TABLE Vecchi RENAME TO Articoli")));
    QCOMPARE(failed, QStringLiteral("failed"));
}

void tst_ArticoliModel::deleteChecks() {
    ARCHIVE(db);
    QVERIFY(fill(*db));
    const int free1 = keyOf(*db, QStringLiteral("A-100"));
    const int moved = keyOf(*db, QStringLiteral("B-200"));
    const int ordered = keyOf(*db, QStringLiteral("C-300"));
    QVERIFY(db->execute(QStringLiteral("INSERT INTO SottoMovimenti (IDMovimento, IDArticolo, Qt) "
                                       "VALUES (1, ?, 1)"),
                        {moved}));
    QVERIFY(db->execute(QStringLiteral("INSERT INTO SottoOrdini (IDOrdine, IDArticolo, Qt) "
                                       "VALUES (1, ?, 1)"),
                        {ordered}));
    using C = ArtDelete::Check;
    QCOMPARE(ArtDelete::CheckAll(*db, {free1}), C::Ok);
    QCOMPARE(ArtDelete::CheckAll(*db, {free1, moved, ordered}), C::UsedInMovements);
    QCOMPARE(ArtDelete::CheckAll(*db, {free1, ordered, moved}), C::UsedInOrders);
    QCOMPARE(ArtDelete::DeleteAll(*db, {free1}), 1);
    QCOMPARE(keyOf(*db, QStringLiteral("A-100")), 0);
}

void tst_ArticoliModel::failedQueryEmptiesTheList() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    QVERIFY(fill(db));
    ArtListModel model(db, *m_profile);
    QVERIFY(model.refresh());
    QCOMPARE(model.rowCount(), 5);
    QVERIFY(db.execute(QStringLiteral("ALTER TABLE Articoli RENAME TO Vecchi")));
    QVERIFY(!model.refresh());
    QCOMPARE(model.rowCount(), 0);
    QVERIFY2(model.errorText().contains(QStringLiteral("rticoli"), Qt::CaseInsensitive),
             qPrintable(model.errorText()));
}

QTEST_MAIN(tst_ArticoliModel)
#include "tst_ArticoliModel.moc"
