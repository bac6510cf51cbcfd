// label: gui
#include "ArchiveTestCase.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "barcode/ui/CBarCodeWnd.h"
#include "common/Profile.h"
#include "items/ui/CImeiDialog.h"
#include "movements/MovementStore.h"
#include "store/Savepoint.h"
#include "store/TableRecord.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {
using S = Profile::Section;

qint64 Count(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

SottoMovimentiRecord Row(float qt) {
    SottoMovimentiRecord row;
    row.IDArticolo = 1;
    row.Qt = qt;
    return row;
}
} // namespace

class tst_CImeiDialog : public ArchiveTestCase {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void fourCodesBeforeSaving_data() { TestSupport::AddBackendRows(); }
    void fourCodesBeforeSaving();
    void cancelWithSavepoint_data() { TestSupport::AddBackendRows(); }
    void cancelWithSavepoint();
    void existingRow_data() { TestSupport::AddBackendRows(); }
    void existingRow();

private:
    std::unique_ptr<CImeiDialog> open(Database& db, MovementEdit& edit, int rowKey, int count);
    void type(CImeiDialog& d, const QString& code, QToolButton* button);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Profile> m_profile;
    ScriptedPrompt m_prompt;
    RecordingBrowser m_browser;
};

#define EMPTIED(db)                                                                                \
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Imei", "SottoMovimenti", "Movimenti")

void tst_CImeiDialog::init() {
    m_profile.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_profile = std::make_unique<Profile>(m_dir->filePath(QStringLiteral("p.ini")),
                                          m_dir->filePath(QStringLiteral("m.ini")));
    m_prompt = ScriptedPrompt();
    m_browser.opened.clear();
}

void tst_CImeiDialog::cleanup() {
    QVERIFY2(m_prompt.unexpected.isEmpty(), qPrintable(m_prompt.unexpected.join(u'\n')));
    QVERIFY2(m_prompt.pending().isEmpty(), qPrintable(m_prompt.pending().join(u'\n')));
}

std::unique_ptr<CImeiDialog> tst_CImeiDialog::open(Database& db, MovementEdit& edit, int rowKey,
                                                   int count) {
    auto d = std::make_unique<CImeiDialog>(db, *m_profile, m_prompt, m_browser, 1, rowKey,
                                           edit.type(), count, edit.rowKeys());
    d->show();
    d->activateWindow();
    if (!QTest::qWaitForWindowActive(d.get()))
        return nullptr;
    return d;
}

void tst_CImeiDialog::type(CImeiDialog& d, const QString& code, QToolButton* button) {
    d.codeField()->clear();
    QTest::keyClicks(d.codeField(), code);
    QTest::mouseClick(button, Qt::LeftButton);
}

// A load of four units: codes refused in the dialog and in the archive, Enter harmless, and
// "Salva" only once the fourth is in.
void tst_CImeiDialog::fourCodesBeforeSaving() {
    EMPTIED(db);
    {
        MovementEdit earlier(*db, 0);
        QVERIFY(earlier.begin());
        earlier.header().Numero = QStringLiteral("1/2026");
        earlier.header().Data = QDateTime::currentDateTime();
        SottoMovimentiRecord row = Row(1);
        QVERIFY(earlier.insertRow(row));
        QVERIFY(db->execute(QStringLiteral("INSERT INTO Imei (IDSottoMovimento, CodImei) VALUES "
                                           "(?, 'OLD')"),
                            {row.IDSottoMovimento}));
        QCOMPARE(earlier.save(), MovementEdit::SaveResult::Saved);
    }
    // Not pointed at any row: not this dialog's.
    QVERIFY(db->execute(QStringLiteral("INSERT INTO Imei (IDSottoMovimento, CodImei) VALUES "
                                       "(0, 'ORFANO')")));
    m_profile->setValue(S::Hardware, QStringLiteral("LettPort"), QStringLiteral("/dev/ttyS0"));
    MovementEdit edit(*db, 0);
    QVERIFY(edit.begin());
    auto d = open(*db, edit, 0, 4);
    QVERIFY(d);
    QVERIFY(d->list()->count() == 0);
    QCOMPARE(d->okButton()->text(), QStringLiteral("Salva"));
    QCOMPARE(d->remainingLabel()->text(), QStringLiteral("Codici da inserire: 4"));
    QVERIFY(!d->readerButton()->isChecked());

    m_prompt.expect(QStringLiteral("Occorre inserire il codice a barre!"));
    type(*d, QString(), d->insertButton());
    type(*d, QStringLiteral("A1"), d->insertButton());
    m_prompt.expect(QStringLiteral("Il codice seriale A1 è già stato movimentato!"));
    type(*d, QStringLiteral("A1"), d->insertButton());
    m_prompt.expect(QStringLiteral("Il codice seriale OLD è già stato caricato!"));
    type(*d, QStringLiteral("OLD"), d->insertButton());
    QCOMPARE(m_prompt.shown.last().icon, IPrompt::Icon::Information);
    m_prompt.expect(QStringLiteral("Occorre inserire ancora 3 codici a barre!"));
    QTest::mouseClick(d->okButton(), Qt::LeftButton);
    QCOMPARE(m_prompt.shown.last().icon, IPrompt::Icon::Warning);
    QVERIFY(d->isVisible());

    // Enter closes nothing; with "&Lettore" pressed it inserts the code.
    d->codeField()->clear();
    QTest::keyClicks(d->codeField(), QStringLiteral("A2"));
    QTest::keyClick(d->codeField(), Qt::Key_Return);
    QVERIFY(d->isVisible());
    QCOMPARE(d->list()->count(), 1);
    QTest::mouseClick(d->readerButton(), Qt::LeftButton);
    QTest::keyClick(d->codeField(), Qt::Key_Return);
    QCOMPARE(d->codes(), (QStringList{QStringLiteral("A1"), QStringLiteral("A2")}));
    QVERIFY(d->codeField()->hasSelectedText());
    QCOMPARE(d->barcodePicture()->text(), QStringLiteral("A2"));
    type(*d, QStringLiteral("ORFANO"), d->insertButton());
    type(*d, QStringLiteral("A4"), d->insertButton());
    QCOMPARE(d->remainingLabel()->text(), QStringLiteral("Codici da inserire: 0"));
    m_prompt.expect(QStringLiteral("Numero articoli da movimentare uguali a zero!"));
    type(*d, QStringLiteral("A5"), d->insertButton());

    QTest::mouseClick(d->helpButton(), Qt::LeftButton);
    QCOMPARE(m_browser.opened.value(0).path(), QStringLiteral("/aiuto/Quarzil/imei-code.php"));
    QTest::mouseClick(d->okButton(), Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(m_profile->integer(S::Settings, QStringLiteral("LetBarImei")), 1);
    QCOMPARE(d->codeKeys().size(), 4);

    SottoMovimentiRecord row = Row(4);
    QVERIFY(edit.insertRow(row));
    QVERIFY(PointSerialCodes(*db, d->codeKeys(), row.IDSottoMovimento));
    QCOMPARE(Count(*db, QStringLiteral("SELECT COUNT(*) FROM Imei WHERE IDSottoMovimento = ?"),
                   {row.IDSottoMovimento}),
             4);
    edit.cancel();

    // The reader button opens as it was left; no units or no item: no dialog.
    m_profile->remove(S::Hardware, QStringLiteral("LettPort"));
    MovementEdit sale(*db, 1);
    QVERIFY(sale.begin());
    auto next = open(*db, sale, 0, 1);
    QVERIFY(next);
    QVERIFY(next->readerButton()->isChecked());
    QCOMPARE(next->okButton()->text(), QStringLiteral("Salva (F2)"));
    m_prompt.expect(QStringLiteral("In archivio il codice seriale A1 non è stato caricato!"));
    type(*next, QStringLiteral("A1"), next->insertButton());
    type(*next, QStringLiteral("OLD"), next->insertButton());
    QTest::keyClick(next->codeField(), Qt::Key_F2);
    QCOMPARE(next->result(), int(QDialog::Accepted));
    CImeiDialog none(*db, *m_profile, m_prompt, m_browser, 1, 0, 1, 0, {});
    QCOMPARE(none.exec(), int(QDialog::Rejected));
    CImeiDialog noItem(*db, *m_profile, m_prompt, m_browser, 0, 0, 1, 2, {});
    QCOMPARE(noItem.exec(), int(QDialog::Rejected));
}

// Cancelled, the dialog's codes go with the savepoint; the edit's earlier writes stay.
void tst_CImeiDialog::cancelWithSavepoint() {
    EMPTIED(db);
    MovementEdit edit(*db, 0);
    QVERIFY(edit.begin());
    SottoMovimentiRecord first = Row(1);
    QVERIFY(edit.insertRow(first));
    Savepoint point(*db);
    QVERIFY(point.isActive());
    auto d = open(*db, edit, 0, 3);
    QVERIFY(d);
    type(*d, QStringLiteral("C1"), d->insertButton());
    type(*d, QStringLiteral("C2"), d->insertButton());
    QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Rejected));
    point.rollback();
    QVERIFY(db->inTransaction());
    QCOMPARE(Count(*db, QStringLiteral("SELECT COUNT(*) FROM Imei")), 0);
    QCOMPARE(Count(*db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti")), 1);
    edit.cancel();
}

// Saving a row: its codes are listed, a quantity lowered below them asks for removals, an
// unloaded code stays outside an unload.
void tst_CImeiDialog::existingRow() {
    EMPTIED(db);
    MovementEdit edit(*db, 0);
    QVERIFY(edit.begin());
    SottoMovimentiRecord row = Row(3);
    QVERIFY(edit.insertRow(row));
    for (const char* code : {"R1", "R2", "R3"})
        QVERIFY(db->execute(QStringLiteral("INSERT INTO Imei (IDSottoMovimento, CodImei) VALUES "
                                           "(?, ?)"),
                            {row.IDSottoMovimento, QLatin1String(code)}));
    auto d = open(*db, edit, row.IDSottoMovimento, 2);
    QVERIFY(d);
    QCOMPARE(d->codes(),
             (QStringList{QStringLiteral("R1"), QStringLiteral("R2"), QStringLiteral("R3")}));
    QCOMPARE(d->remainingLabel()->text(), QStringLiteral("Codici da rimuovere: 1"));
    m_prompt.expect(QStringLiteral("Occorre rimuovere ancora 1 codici a barre!"));
    QTest::mouseClick(d->okButton(), Qt::LeftButton);

    d->list()->setCurrentRow(1);
    QCOMPARE(d->codeField()->text(), QStringLiteral("R2"));
    type(*d, QStringLiteral("R9"), d->saveButton());
    QCOMPARE(d->list()->item(1)->text(), QStringLiteral("R9"));
    m_prompt.expect(QStringLiteral("Si desidera cancellare il codice a barre selezionato?"),
                    IPrompt::Answer::Yes);
    QTest::mouseClick(d->removeButton(), Qt::LeftButton);
    QCOMPARE(d->codes(), (QStringList{QStringLiteral("R1"), QStringLiteral("R3")}));
    QTest::mouseClick(d->okButton(), Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(Count(*db, QStringLiteral("SELECT COUNT(*) FROM Imei WHERE CodImei = 'R9'")), 0);

    QVERIFY(db->execute(QStringLiteral("UPDATE Imei SET Scaricato = ? WHERE CodImei = 'R1'"),
                        {Record::BindBit(true, db->backend())}));
    auto again = open(*db, edit, row.IDSottoMovimento, 2);
    QVERIFY(again);
    again->list()->setCurrentRow(0);
    m_prompt.expect(QStringLiteral("Codice seriale scaricato, impossibile cancellare!"));
    QTest::mouseClick(again->removeButton(), Qt::LeftButton);
    QCOMPARE(again->codes().size(), 2);
    edit.cancel();
}

QTEST_MAIN(tst_CImeiDialog)
#include "tst_CImeiDialog.moc"
