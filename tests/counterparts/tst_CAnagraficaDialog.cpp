// label: gui
#include "common/IBrowser.h"
#include "common/Profile.h"
#include "counterparts/CounterpartStore.h"
#include "counterparts/ui/CAnagraficaDialog.h"
#include "store/Database.h"

#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {
using S = Profile::Section;
using Kind = CounterpartStore::Kind;

} // namespace

class tst_CAnagraficaDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void layoutAndTools_data() { TestSupport::AddBackendRows(); }
    void layoutAndTools();
    void codeCompletion_data() { TestSupport::AddBackendRows(); }
    void codeCompletion();
    void duplicateCode_data() { TestSupport::AddBackendRows(); }
    void duplicateCode();
    void discountAndNulls_data() { TestSupport::AddBackendRows(); }
    void discountAndNulls();
    void hostileText_data() { TestSupport::AddBackendRows(); }
    void hostileText();
    void pastedLinesAndDisabledDiscount_data() { TestSupport::AddBackendRows(); }
    void pastedLinesAndDisabledDiscount();

private:
    // A dialog on a record, shown so that it takes keys.
    std::unique_ptr<CAnagraficaDialog> open(Database& db, const CliForRecord& record);
    bool addCodes(Database& db, const QStringList& codes);
    QLineEdit* f(CAnagraficaDialog& d, const char* column) {
        return d.field(QLatin1String(column));
    }

    TestSupport::ArchivePool m_archives;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Profile> m_profile;
    ScriptedPrompt m_prompt;
    RecordingBrowser m_browser;
};

#define ARCHIVE(db)                                                                                \
    QUARZIL_FETCH_ARCHIVE(m_archives, db);                                                         \
    QVERIFY2(db->execute(QStringLiteral("DELETE FROM CliFor")), qPrintable(db->errorText()))

void tst_CAnagraficaDialog::init() {
    m_profile.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_profile = std::make_unique<Profile>(m_dir->filePath(QStringLiteral("p.ini")),
                                          m_dir->filePath(QStringLiteral("m.ini")));
    m_profile->setValue(S::Azienda, QStringLiteral("DecValNum"), QStringLiteral(","));
    m_profile->setValue(S::Azienda, QStringLiteral("MigValNum"), QStringLiteral("."));
    m_profile->setValue(S::Azienda, QStringLiteral("NDecValNum"), 2);
    m_prompt = ScriptedPrompt();
    m_browser.opened.clear();
}

void tst_CAnagraficaDialog::cleanup() {
    QVERIFY2(m_prompt.unexpected.isEmpty(), qPrintable(m_prompt.unexpected.join(u'\n')));
}

std::unique_ptr<CAnagraficaDialog> tst_CAnagraficaDialog::open(Database& db,
                                                               const CliForRecord& record) {
    auto d = std::make_unique<CAnagraficaDialog>(db, *m_profile, m_prompt, m_browser, record);
    d->show();
    d->activateWindow();
    return d;
}

bool tst_CAnagraficaDialog::addCodes(Database& db, const QStringList& codes) {
    CounterpartStore store(db);
    for (const QString& code : codes) {
        CliForRecord r = CounterpartStore::NewRecord(Kind::Customer);
        r.Codice = code;
        r.RagSoc = code;
        if (!store.save(r))
            return false;
    }
    return true;
}

void tst_CAnagraficaDialog::layoutAndTools() {
    ARCHIVE(db);
    auto d = open(*db, CounterpartStore::NewRecord(Kind::Supplier));
    QCOMPARE(d->windowTitle(), QStringLiteral("Gestione Anagrafica"));
    const QList<std::pair<const char*, int>> widths = {
        {"Codice", 20},   {"RagSoc", 100},   {"Indirizzo", 100}, {"Comune", 100},
        {"Telefono", 20}, {"Cellulare", 20}, {"EMail", 50},      {"Web", 50},
        {"CodFisc", 16},  {"PartIva", 30},   {"Banca", 200},     {"IBAN", 50}};
    for (const auto& [column, width] : widths)
        QCOMPARE(f(*d, column)->maxLength(), width);
    QCOMPARE(f(*d, "RagSoc")->placeholderText(), QStringLiteral("Valore Richiesto"));
    QVERIFY(f(*d, "Indirizzo")->placeholderText().startsWith(QStringLiteral("Es. ")));
    QVERIFY(f(*d, "Comune")->placeholderText().startsWith(QStringLiteral("Es. ")));

    m_profile->setValue(S::Web, QStringLiteral("Sito"), QStringLiteral("http://tools.test/"));
    d->findChild<QToolButton*>(QStringLiteral("CalcolaCodiceFiscale"))->click();
    d->findChild<QToolButton*>(QStringLiteral("ControllaPartitaIva"))->click();
    QCOMPARE(m_browser.opened,
             (QList<QUrl>{QUrl(QStringLiteral("http://tools.test/calcolo-codice-fiscale.php")),
                          QUrl(QStringLiteral("http://tools.test/controllo-partita-iva.php"))}));

    // The flags each caller sets.
    using C = CAnagraficaDialog::Caller;
    const QList<std::tuple<C, Kind, bool, bool>> callers = {
        {C::NewCustomer, Kind::Customer, true, true},
        {C::NewSupplier, Kind::Supplier, true, false},
        {C::Edit, Kind::Customer, false, true},
        {C::Edit, Kind::Supplier, false, false},
        {C::Edit, Kind::Worker, false, false},
        {C::DocumentNew, Kind::Customer, true, false},
        {C::DocumentChange, Kind::Customer, false, false}};
    for (const auto& [caller, kind, duplicates, discount] : callers) {
        CAnagraficaDialog c(*db, *m_profile, m_prompt, m_browser,
                            CounterpartStore::NewRecord(kind));
        c.configureFor(caller);
        QCOMPARE(c.duplicateCheck(), duplicates);
        QCOMPARE(c.discountEnabled(), discount);
        QCOMPARE(f(c, "Sconto")->isEnabled(), discount);
    }

    // "Annulla" leaves the record as it came.
    f(*d, "RagSoc")->setText(QStringLiteral("Scartato"));
    d->findChild<QPushButton*>(QStringLiteral("Annulla"))->click();
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QVERIFY(d->record().RagSoc.isNull());
    d->show();

    // Ctrl+Enter makes a new line in the notes; Enter alone saves.
    d->notes()->setFocus();
    QTest::keyClicks(d->notes(), QStringLiteral("uno"));
    QTest::keyClick(d->notes(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(d->notes(), QStringLiteral("due"));
    QCOMPARE(d->notes()->toPlainText(), QStringLiteral("uno\ndue"));
    f(*d, "RagSoc")->setText(QStringLiteral("Rossi"));
    QTest::keyClick(d->notes(), Qt::Key_Return);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(d->record().Notes, QStringLiteral("uno\ndue"));
    QCOMPARE(CounterpartStore::KindOf(d->record()), Kind::Supplier);
}

void tst_CAnagraficaDialog::codeCompletion() {
    ARCHIVE(db);
    QVERIFY(addCodes(*db, {"C001", "C002", "C003"}));
    auto d = open(*db, CounterpartStore::NewRecord(Kind::Customer));
    QLineEdit* code = f(*d, "Codice");
    code->setFocus();
    QTest::keyClick(code, Qt::Key_C);
    QCOMPARE(code->text(), QStringLiteral("C004"));
    QCOMPARE(code->selectedText(), QStringLiteral("004"));
    // Erasing proposes nothing anew.
    QTest::keyClick(code, Qt::Key_Backspace);
    QCOMPARE(code->text(), QStringLiteral("C"));
    QTest::keyClick(code, Qt::Key_Backspace);
    QCOMPARE(code->text(), QString());
    QTest::keyClicks(code, QStringLiteral("1"));
    QCOMPARE(code->text(), QStringLiteral("1"));

    // The caller's own value is never completed.
    CliForRecord existing = CounterpartStore::NewRecord(Kind::Customer);
    existing.Codice = QStringLiteral("C");
    auto e = open(*db, existing);
    QCOMPARE(f(*e, "Codice")->text(), QStringLiteral("C"));

    QVERIFY(db->execute(QStringLiteral("DELETE FROM CliFor")));
    QVERIFY(addCodes(*db, {"C001", "C005"}));
    code->clear();
    QTest::keyClick(code, Qt::Key_C);
    QCOMPARE(code->text(), QStringLiteral("C003"));
    QCOMPARE(code->selectedText(), QStringLiteral("003"));

    // With C001 to C009 the rule's code for the typed C00 is C010, which would change a typed
    // character: nothing is proposed, and the code stays as typed.
    QVERIFY(db->execute(QStringLiteral("DELETE FROM CliFor")));
    QVERIFY(
        addCodes(*db, {"C001", "C002", "C003", "C004", "C005", "C006", "C007", "C008", "C009"}));
    code->clear();
    QTest::keyClicks(code, QStringLiteral("C005"));
    QCOMPARE(code->text(), QStringLiteral("C005"));
}

void tst_CAnagraficaDialog::duplicateCode() {
    ARCHIVE(db);
    QVERIFY(addCodes(*db, {"C001", "C002"}));
    CliForRecord fresh = CounterpartStore::NewRecord(Kind::Customer);
    // Another letter case is the same code.
    fresh.Codice = QStringLiteral("c001");
    fresh.RagSoc = QStringLiteral("Nuovo");
    auto d = open(*db, fresh);
    d->setDuplicateCheck(true);
    QVERIFY(!d->save());
    QCOMPARE(m_prompt.balloons,
             QStringList{QStringLiteral(
                 "Errore codice: Il codice è duplicato, scegliere un altro valore!")});
    QCOMPARE(d->focusWidget(), f(*d, "Codice"));

    // The code comes before the name; an empty name is then refused.
    m_prompt.balloons.clear();
    f(*d, "Codice")->setText(QStringLiteral("N001"));
    f(*d, "RagSoc")->clear();
    QVERIFY(!d->save());
    QCOMPARE(m_prompt.balloons,
             QStringList{QStringLiteral(
                 "Errore ragione sociale: La ragione sociale non può avere un valore nullo!")});
    QCOMPARE(d->focusWidget(), f(*d, "RagSoc"));

    // Editing keeps no uniqueness check: C002 may take C001.
    m_prompt.balloons.clear();
    CounterpartStore store(*db);
    CliForRecord second;
    QSqlQuery q;
    QVERIFY(db->query(q, QStringLiteral("SELECT IDCliFor FROM CliFor WHERE Codice = 'C002'")) &&
            q.next());
    QVERIFY(store.load(q.value(0).toInt(), second));
    auto e = open(*db, second);
    f(*e, "Codice")->setText(QStringLiteral("C001"));
    QVERIFY(e->save());
    CliForRecord changed = e->record();
    QVERIFY(store.save(changed));
    QCOMPARE(store.codeCount(QStringLiteral("C001")), std::optional<int>(2));
    QVERIFY(m_prompt.balloons.isEmpty());
}

void tst_CAnagraficaDialog::discountAndNulls() {
    ARCHIVE(db);
    CounterpartStore store(*db);
    CliForRecord r = CounterpartStore::NewRecord(Kind::Customer);
    r.RagSoc = QStringLiteral("Bianchi");
    auto d = open(*db, r);
    f(*d, "Sconto")->setText(QStringLiteral("10"));
    QVERIFY(d->save());
    CliForRecord saved = d->record();
    QVERIFY(store.save(saved));
    QSqlQuery q;
    QVERIFY(db->query(q, QStringLiteral("SELECT Sconto, EMail, Web FROM CliFor WHERE IDCliFor = ?"),
                      {saved.IDCliFor}) &&
            q.next());
    QVERIFY(qAbs(q.value(0).toDouble() - 0.1) < 1e-6);
    QVERIFY(q.value(1).isNull());
    QVERIFY(q.value(2).isNull());

    CliForRecord loaded;
    QVERIFY(store.load(saved.IDCliFor, loaded));
    auto e = open(*db, loaded);
    QCOMPARE(f(*e, "Sconto")->text(), QStringLiteral("10,00%"));
    f(*e, "Sconto")->setText(QStringLiteral("0"));
    QVERIFY(e->save());
    QVERIFY(!e->record().Sconto.has_value());

    auto g = open(*db, loaded);
    f(*g, "Sconto")->setText(QStringLiteral("-5"));
    QVERIFY(g->save());
    QVERIFY(qFuzzyCompare(g->record().Sconto.value_or(0), 0.05f));
}

void tst_CAnagraficaDialog::hostileText() {
    ARCHIVE(db);
    const QString hostile =
        QStringLiteral("'; DROP TABLE CliFor; -- O'Hara \"x\" %_*\\ è€😀 ").repeated(12);
    auto d = open(*db, CounterpartStore::NewRecord(Kind::Worker));
    d->setDuplicateCheck(true);
    for (QLineEdit* edit : d->findChildren<QLineEdit*>())
        if (edit->objectName() != QLatin1String("Sconto"))
            edit->setText(hostile);
    d->notes()->setPlainText(hostile);
    QVERIFY(d->save());
    CliForRecord written = d->record();
    CounterpartStore store(*db);
    QVERIFY2(store.save(written), qPrintable(db->errorText()));
    CliForRecord back;
    QVERIFY(store.load(written.IDCliFor, back));
    QCOMPARE(back.Notes, hostile);
    QCOMPARE(back.Codice, hostile.left(20));
    QCOMPARE(back.RagSoc, hostile.left(100));
    QCOMPARE(back.CodFisc, hostile.left(16));
    QCOMPARE(back.Banca, hostile.left(200));
    QCOMPARE(back.IBAN, hostile.left(50));
    QCOMPARE(CounterpartStore::KindOf(back), Kind::Worker);

    // A character that does not fit whole is left out, never cut in half.
    auto e = open(*db, CounterpartStore::NewRecord(Kind::Customer));
    f(*e, "RagSoc")->setText(QStringLiteral("Verdi"));
    f(*e, "Codice")->setText(QString(19, u'x') + QStringLiteral("😀"));
    QVERIFY(e->save());
    QCOMPARE(e->record().Codice, QString(19, u'x'));
}

// A new supplier: the discount is not to be filled and looks so, label included; text of several
// lines pasted into any field keeps its first line, and that is what "Salva" stores.
void tst_CAnagraficaDialog::pastedLinesAndDisabledDiscount() {
    ARCHIVE(db);
    auto d = open(*db, CounterpartStore::NewRecord(Kind::Supplier));
    d->configureFor(CAnagraficaDialog::Caller::NewSupplier);
    QLineEdit* discount = f(*d, "Sconto");
    QVERIFY(!discount->isEnabled());
    QLabel* label = nullptr;
    for (QLabel* l : d->findChildren<QLabel*>())
        if (l->buddy() == discount)
            label = l;
    QVERIFY(label && !label->isEnabled());

    QGuiApplication::clipboard()->setText(QStringLiteral("Riga uno\nRiga due\r\nRiga tre"));
    for (QLineEdit* edit : d->findChildren<QLineEdit*>()) {
        if (!edit->isEnabled())
            continue;
        edit->setFocus();
        edit->setText(QStringLiteral("AB"));
        edit->setCursorPosition(1);
        QTest::keySequence(edit, QKeySequence::Paste);
        QCOMPARE(edit->text(), QStringLiteral("ARiga unoB"));
    }
    QLineEdit* name = f(*d, "RagSoc");
    name->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("Rossi Mario\nVia Roma 1\n"));
    QTest::keySequence(name, QKeySequence::Paste);
    QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("Salva")), Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    CliForRecord r = d->record();
    QVERIFY(CounterpartStore(*db).save(r));
    CliForRecord stored;
    QVERIFY(CounterpartStore(*db).load(r.IDCliFor, stored));
    QCOMPARE(stored.RagSoc, QStringLiteral("Rossi Mario"));
    QCOMPARE(stored.Comune, QStringLiteral("ARiga unoB"));
    QCOMPARE(stored.IBAN, QStringLiteral("ARiga unoB"));
}

QTEST_MAIN(tst_CAnagraficaDialog)
#include "tst_CAnagraficaDialog.moc"
