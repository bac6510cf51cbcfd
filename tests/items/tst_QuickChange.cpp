// label: gui
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/ChangeNotifier.h"
#include "common/Profile.h"
#include "items/Classifications.h"
#include "items/ui/CVarArtDialog.h"
#include "store/TableRecord.h"
#include "store/records/ArticoliRecord.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
using S = Profile::Section;
using Table = Classifications::Table;

const QString kConfirm = QStringLiteral("Si desidera davvero modificare i dati dei prodotti? "
                                        "Attenzione l'operazione non può essere annullata!");

struct World {
    QTemporaryDir tmp;
    Profile profile{tmp.filePath(QStringLiteral("q.ini")), tmp.filePath(QStringLiteral("m.ini"))};
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    ChangeNotifier notifier;
    World() {
        profile.setValue(S::Azienda, QStringLiteral("DecValNum"), QStringLiteral(","));
        profile.setValue(S::Azienda, QStringLiteral("MigValNum"), QStringLiteral("."));
        profile.setValue(S::Azienda, QStringLiteral("DecVal"), QStringLiteral(","));
        profile.setValue(S::Azienda, QStringLiteral("MigVal"), QStringLiteral("."));
    }
};

// Inserts an item priced 10 (or as asked, in ten-thousandths) with VAT 20 %, discount 10 % and
// mark-up 30 %.
int AddItem(Database& db, int category, qint64 price = 100000) {
    TableRecordSet<ArticoliRecord> items(db);
    ArticoliRecord item;
    item.Matricola = TestSupport::UniqueName(QStringLiteral("Q"));
    item.Prezzo = CurrencyAmount::fromUnits(price);
    item.Iva = 0.2f;
    item.Sconto = 0.1f;
    item.Ricarico = 0.3f;
    item.IDCategoria = category;
    return items.insert(item) ? item.IDArticolo : -1;
}

ArticoliRecord Item(Database& db, int key) {
    TableRecordSet<ArticoliRecord> items(db);
    items.openKey(key);
    return items.current();
}

// The price as the database holds it, not rounded on reading as a record rounds it.
double StoredPrice(Database& db, int key) {
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("SELECT Prezzo FROM Articoli WHERE IDArticolo = ?"), {key}) ||
        !q.next())
        return -1;
    return q.value(0).toDouble();
}

void ClickOk(QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
}

double ColumnValue(const ArticoliRecord& item, int field) {
    switch (field) {
    case 0:
        return item.Prezzo.toDouble();
    case 1:
        return item.Iva.value_or(-1);
    case 2:
        return item.Ricarico.value_or(-1);
    default:
        return item.Sconto.value_or(-1);
    }
}

} // namespace

class tst_QuickChange : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void changesOneCategory_data();
    void changesOneCategory();
    void refusedValuesAndNoKeepTheDialogOpen();
    void pricesBeyondTheArchiveAreRefused_data() { TestSupport::AddBackendRows(); }
    void pricesBeyondTheArchiveAreRefused();

private:
    TestSupport::ArchivePool m_pool;
};

void tst_QuickChange::changesOneCategory_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("expected");
    QTest::addColumn<qint64>("price");
    struct Case {
        const char* name;
        int field, operation;
        const char* typed;
        double expected;
        qint64 price = 100000;
    };
    // A price keeps four decimals, halves rounded away from zero, on both back ends.
    const Case cases[] = {
        {"price +10%", 0, 0, "10%", 11.0},
        {"price +10", 0, 0, "10", 20.0},
        {"price -10%", 0, 1, "10%", 9.0},
        {"price -2,5", 0, 1, "2,5", 7.5},
        {"price = 12,345", 0, 2, "12,345", 12.35},
        {"price 10,5555 +10%", 0, 0, "10%", 11.6111, 105555},
        {"price 10,5555 -10%", 0, 1, "10%", 9.5, 105555},
        {"price 0,0005 +50%", 0, 0, "50%", 0.0008, 5},
        {"price 10,5555 +0,01", 0, 0, "0,01", 10.5655, 105555},
        {"discount = 12,5%", 3, 2, "12,5%", 0.13},
        {"VAT = 22%", 1, 2, "22%", 0.22},
        {"VAT = 22", 1, 2, "22", 22.0},
        {"mark-up +50%", 2, 0, "50%", 0.45},
    };
    for (const char* backend : {"sqlite", "postgres"})
        for (const Case& c : cases)
            QTest::addRow("%s %s", backend, c.name)
                << QString::fromLatin1(backend) << c.field << c.operation
                << QString::fromUtf8(c.typed) << c.expected << c.price;
}

void tst_QuickChange::changesOneCategory() {
    QUARZIL_FETCH_ARCHIVE(m_pool, db);
    QFETCH(int, field);
    QFETCH(int, operation);
    QFETCH(QString, typed);
    QFETCH(double, expected);
    QFETCH(qint64, price);
    World w;
    const int chosen = Classifications::CreateByName(*db, Table::Categorie,
                                                     TestSupport::UniqueName(QStringLiteral("A")));
    const int other = Classifications::CreateByName(*db, Table::Categorie,
                                                    TestSupport::UniqueName(QStringLiteral("B")));
    const int changed = AddItem(*db, chosen, price);
    const int kept = AddItem(*db, other);
    QVERIFY(changed > 0 && kept > 0);
    const ArticoliRecord before = Item(*db, kept);

    QSignalSpy reload(&w.notifier, &ChangeNotifier::viewReloadRequested);
    CVarArtDialog dialog(*db, w.profile, w.prompt, w.browser, &w.notifier);
    dialog.fieldBox()->setCurrentIndex(field);
    dialog.operationBox()->setCurrentIndex(operation);
    dialog.valueEdit()->setText(typed);
    dialog.keyBox()->setCurrentIndex(dialog.keyBox()->findData(chosen));
    w.prompt.expect(kConfirm, IPrompt::Answer::Yes);
    w.prompt.expect(QStringLiteral("Variazioni avvenute con successo!"));
    dialog.show();
    ClickOk(dialog);
    QVERIFY2(w.prompt.unexpected.isEmpty() && w.prompt.pending().isEmpty(),
             qPrintable(w.prompt.unexpected.join(u'|')));
    QCOMPARE(w.prompt.shown.last().icon, IPrompt::Icon::Information);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(reload.size(), 1);
    QCOMPARE(reload.first().first().toInt(), 0);

    // Rates are single-precision reals; a price is exact to the ten-thousandth.
    QVERIFY2(qAbs(ColumnValue(Item(*db, changed), field) - expected) < 1e-6,
             qPrintable(QString::number(ColumnValue(Item(*db, changed), field))));
    if (field == 0)
        QCOMPARE(StoredPrice(*db, changed), expected);
    const ArticoliRecord after = Item(*db, kept);
    QCOMPARE(after.Prezzo, before.Prezzo);
    QCOMPARE(after.Iva, before.Iva);
    QCOMPARE(after.Ricarico, before.Ricarico);
    QCOMPARE(after.Sconto, before.Sconto);
}

void tst_QuickChange::refusedValuesAndNoKeepTheDialogOpen() {
    Database* db = m_pool.get(QStringLiteral("sqlite"));
    QVERIFY(db);
    World w;
    const int category = Classifications::CreateByName(*db, Table::Categorie, QStringLiteral("C"));
    const int item = AddItem(*db, category);
    QVERIFY(Classifications::CreateByName(*db, Table::Reparti, QStringLiteral("Ferramenta")) > 0);
    CVarArtDialog dialog(*db, w.profile, w.prompt, w.browser, &w.notifier);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Variazione Veloce"));
    QCOMPARE(dialog.valueEdit()->placeholderText(), QStringLiteral("Es. 20% o 20"));
    dialog.keyBox()->setCurrentIndex(dialog.keyBox()->findData(category));
    dialog.operationBox()->setCurrentIndex(1);
    for (const QString& bad : QStringList{"", "abc", "-10", "-5%", "abc%", "150%"}) {
        dialog.valueEdit()->setText(bad);
        ClickOk(dialog);
        QVERIFY2(dialog.isVisible(), qPrintable(bad));
    }
    QCOMPARE(w.prompt.balloons.size(), 6);
    QVERIFY(w.prompt.shown.isEmpty());

    dialog.valueEdit()->setText(QStringLiteral("50%"));
    w.prompt.expect(kConfirm, IPrompt::Answer::No);
    ClickOk(dialog);
    QVERIFY(dialog.isVisible());
    QCOMPARE(Item(*db, item).Prezzo, CurrencyAmount::fromUnits(100000));

    // The list follows the base.
    dialog.baseBox()->setCurrentIndex(1);
    QCOMPARE(dialog.keyBox()->count(), 1);
    QCOMPARE(dialog.keyBox()->currentText(), QStringLiteral("Ferramenta"));
    dialog.showHelp();
    QVERIFY(w.browser.opened.value(0).path().endsWith(QLatin1String("/variazioni-veloci.php")));
    QVERIFY(w.prompt.unexpected.isEmpty() && w.prompt.pending().isEmpty());
}

// A price the archive could not keep exactly is refused for the whole group, with its reason,
// and no row changes; below that limit the change goes through.
void tst_QuickChange::pricesBeyondTheArchiveAreRefused() {
    QUARZIL_FETCH_ARCHIVE(m_pool, db);
    World w;
    const int category = Classifications::CreateByName(
        *db, Table::Categorie, TestSupport::UniqueName(QStringLiteral("Grandi")));
    const int first = AddItem(*db, category);
    const int second = AddItem(*db, category);
    CVarArtDialog dialog(*db, w.profile, w.prompt, w.browser, &w.notifier);
    dialog.show();
    dialog.keyBox()->setCurrentIndex(dialog.keyBox()->findData(category));
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    const struct {
        int operation;
        const char* typed;
        const char* shown;
    } refused[] = {
        {2, "300.000.000.000", "300.000.000.000,0000"},
        {0, "274.877.906.934", "274.877.906.944,0000"},
        {0, "3000000000000%", "300.000.000.010,0000"},
    };
    for (const auto& r : refused) {
        dialog.operationBox()->setCurrentIndex(r.operation);
        dialog.valueEdit()->setText(QString::fromLatin1(r.typed));
        w.prompt.expect(kConfirm, IPrompt::Answer::Yes);
        w.prompt.expect(QStringLiteral("L'importo"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(w.prompt.shown.last().text,
                 QStringLiteral("L'importo %1 è troppo grande per l'archivio, che conserva "
                                "esattamente importi fino a 274.877.906.943,9999 in più o in "
                                "meno: non è stato salvato.")
                     .arg(QLatin1String(r.shown)));
        QCOMPARE(w.prompt.shown.last().icon, IPrompt::Icon::Warning);
        for (int item : {first, second})
            QCOMPARE(Item(*db, item).Prezzo, CurrencyAmount::fromUnits(100000));
    }
    dialog.operationBox()->setCurrentIndex(0);
    dialog.valueEdit()->setText(QStringLiteral("274.877.906.933"));
    w.prompt.expect(kConfirm, IPrompt::Answer::Yes);
    w.prompt.expect(QStringLiteral("Variazioni avvenute con successo!"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(Item(*db, second).Prezzo,
             CurrencyAmount::fromDecimalString(QStringLiteral("274877906943.0000")));
    QVERIFY2(w.prompt.unexpected.isEmpty() && w.prompt.pending().isEmpty(),
             qPrintable(w.prompt.unexpected.join(u'|')));
}

QTEST_MAIN(tst_QuickChange)
#include "tst_QuickChange.moc"
