// label: db
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/ChangeNotifier.h"
#include "common/IBrowser.h"
#include "common/Profile.h"
#include "items/Classifications.h"
#include "items/ui/CUniMisDialog.h"
#include "items/ui/CVarOtherDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// One SQLite archive, profile, prompt and browser for a dialog under test.
struct Setup {
    QTemporaryDir tmp;
    TestSupport::Archive archive{QStringLiteral("sqlite")};
    Profile profile{tmp.filePath(QStringLiteral("q.ini")), tmp.filePath(QStringLiteral("m.ini"))};
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    Database& db() { return archive.db(); }
    QString prompts() const {
        QStringList texts;
        for (const auto& s : prompt.shown)
            texts << s.text;
        return texts.join(QStringLiteral(" | ")) + QStringLiteral(" / unexpected: ") +
               prompt.unexpected.join(QStringLiteral(" | "));
    }
};

QStringList column(QTreeWidget* list, int c) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(c);
    return texts;
}

QTreeWidgetItem* rowOf(QTreeWidget* list, const QString& sigla) {
    const auto found = list->findItems(sigla, Qt::MatchExactly, 0);
    return found.isEmpty() ? nullptr : found.first();
}

QVariant value(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return QVariant();
    return q.value(0);
}

} // namespace

class tst_ItemTableDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void unitListAndToolbar();
    void unitInsertAndSaveMessages();
    void unitDelete();
    void unitShortcutsAndCommitOnClose_data() { TestSupport::AddBackendRows(); }
    void unitShortcutsAndCommitOnClose();
    void varOtherEmptyValueKeepsDialogOpen();
    void varOtherRenames_data();
    void varOtherRenames();

private:
    TestSupport::ArchivePool m_archives;
};

void tst_ItemTableDialogs::unitListAndToolbar() {
    Setup s;
    QVERIFY2(s.archive.isOpen(), qPrintable(s.archive.error()));
    s.profile.setValue(Profile::Section::List, QStringLiteral("ColUMis0"), 5);
    CUniMisDialog dialog(s.db(), s.profile, s.prompt, s.browser);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Gestione Unità di Misura"));
    const QStringList siglas = column(dialog.list(), 0);
    QCOMPARE(siglas.size(), 15);
    QVERIFY2(std::is_sorted(siglas.begin(), siglas.end()), qPrintable(siglas.join(u',')));
    QCOMPARE(dialog.list()->headerItem()->text(1), QStringLiteral("Descrizione"));
    // A stored width below the minimum is not honoured; the default is.
    QCOMPARE(dialog.list()->columnWidth(0), 20);
    QCOMPARE(dialog.list()->columnWidth(1), 150);
    QCOMPARE(dialog.siglaEdit()->maxLength(), 5);
    QCOMPARE(dialog.descrizioneEdit()->maxLength(), 20);

    QCOMPARE(dialog.insertAction()->toolTip(),
             QStringLiteral("Inserisci Unità di Misura (Ctrl+Ins)"));
    QCOMPARE(dialog.saveAction()->toolTip(), QStringLiteral("Salva Unità di Misura (Ctrl+S)"));
    QCOMPARE(dialog.deleteAction()->toolTip(),
             QStringLiteral("Elimina Unità di Misura (Ctrl+Canc)"));
    QCOMPARE(dialog.insertAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    QCOMPARE(dialog.saveAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(dialog.deleteAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    QVERIFY(!dialog.saveAction()->isEnabled() && !dialog.deleteAction()->isEnabled());

    // Selecting a row fills the edits and enables save and delete.
    dialog.list()->setCurrentItem(rowOf(dialog.list(), QStringLiteral("Kg")));
    QCOMPARE(dialog.siglaEdit()->text(), QStringLiteral("Kg"));
    QCOMPARE(dialog.descrizioneEdit()->text(), QStringLiteral("Chilogrammi"));
    QVERIFY(dialog.saveAction()->isEnabled() && dialog.deleteAction()->isEnabled());

    dialog.showHelp();
    QCOMPARE(s.browser.opened.size(), 1);
    QVERIFY(s.browser.opened.first().path().endsWith(QLatin1String("/unita-misura.php")));

    dialog.list()->setColumnWidth(1, 222);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(s.profile.integer(Profile::Section::List, QStringLiteral("ColUMis1")), 222);
    QCOMPARE(s.profile.integer(Profile::Section::List, QStringLiteral("ColUMis0")), 20);
    QVERIFY2(s.prompt.shown.isEmpty(), qPrintable(s.prompts()));
}

void tst_ItemTableDialogs::unitInsertAndSaveMessages() {
    Setup s;
    QVERIFY2(s.archive.isOpen(), qPrintable(s.archive.error()));
    CUniMisDialog dialog(s.db(), s.profile, s.prompt, s.browser);
    dialog.show();

    s.prompt.expect(QStringLiteral("Il valore della sigla non può essere nullo!"));
    dialog.insertUnit();
    s.prompt.expect(QStringLiteral("Selezionare l'unità di misura da modificare!"));
    dialog.saveUnit();

    dialog.siglaEdit()->setText(QStringLiteral("Bt"));
    dialog.descrizioneEdit()->setText(QStringLiteral("Bottiglie"));
    dialog.insertUnit();
    QTreeWidgetItem* row = dialog.list()->currentItem();
    QVERIFY(row && row->isSelected());
    QCOMPARE(row->text(0), QStringLiteral("Bt"));
    QCOMPARE(value(s.db(), QStringLiteral("SELECT Descrizione FROM UnMis WHERE Sigla = 'Bt'")),
             QVariant(QStringLiteral("Bottiglie")));

    dialog.siglaEdit()->setText(QString());
    s.prompt.expect(QStringLiteral("Il valore della sigla non può essere nullo!"));
    dialog.saveUnit();
    dialog.siglaEdit()->setText(QStringLiteral("Btg"));
    dialog.descrizioneEdit()->setText(QStringLiteral("Bottiglie'"));
    dialog.saveUnit();
    QCOMPARE(row->text(0), QStringLiteral("Btg"));
    QCOMPARE(value(s.db(), QStringLiteral("SELECT Descrizione FROM UnMis WHERE Sigla = 'Btg'")),
             QVariant(QStringLiteral("Bottiglie'")));

    // A failing statement is told, not hidden.
    QVERIFY(s.db().execute(QStringLiteral("DROP TABLE UnMis")));
    s.prompt.expect(QStringLiteral("Impossibile salvare l'unità di misura!"));
    dialog.saveUnit();
    s.prompt.expect(QStringLiteral("Impossibile salvare l'unità di misura!"));
    dialog.insertUnit();
    QVERIFY2(s.prompt.unexpected.isEmpty() && s.prompt.pending().isEmpty(),
             qPrintable(s.prompts()));
    QCOMPARE(s.prompt.shown.at(0).icon, IPrompt::Icon::Warning);
}

void tst_ItemTableDialogs::unitDelete() {
    Setup s;
    QVERIFY2(s.archive.isOpen(), qPrintable(s.archive.error()));
    const QVariant pz = value(s.db(), QStringLiteral("SELECT IDUM FROM UnMis WHERE Sigla = 'Pz'"));
    QVERIFY(s.db().execute(QStringLiteral("INSERT INTO Articoli (Matricola, IDUM) VALUES ('A', ?)"),
                           {pz}));
    CUniMisDialog dialog(s.db(), s.profile, s.prompt, s.browser);
    QTreeWidget* list = dialog.list();

    list->setCurrentItem(rowOf(list, QStringLiteral("Pz")));
    s.prompt.expect(QStringLiteral("Pz utilizzata negli articoli, impossibile continuare!"));
    dialog.deleteUnit();
    QVERIFY(rowOf(list, QStringLiteral("Pz")));

    list->setCurrentItem(rowOf(list, QStringLiteral("Kg")));
    s.prompt.expect(QStringLiteral("Eliminare definitivamente l'unità di misura: Kg?"),
                    IPrompt::Answer::No);
    dialog.deleteUnit();
    QVERIFY(rowOf(list, QStringLiteral("Kg")));

    const int index = list->indexOfTopLevelItem(rowOf(list, QStringLiteral("Kg")));
    const QString next = list->topLevelItem(index + 1)->text(0);
    s.prompt.expect(QStringLiteral("Eliminare definitivamente l'unità di misura: Kg?"),
                    IPrompt::Answer::Yes);
    dialog.deleteUnit();
    QVERIFY(!rowOf(list, QStringLiteral("Kg")));
    QVERIFY(value(s.db(), QStringLiteral("SELECT IDUM FROM UnMis WHERE Sigla = 'Kg'")).isNull());
    QCOMPARE(list->currentItem()->text(0), next);
    QCOMPARE(dialog.siglaEdit()->text(), next);
    QVERIFY2(s.prompt.unexpected.isEmpty() && s.prompt.pending().isEmpty(),
             qPrintable(s.prompts()));
}

// The toolbar's keys act from the edits as from the list, and closing the dialog commits what
// they did: until then nobody else sees it.
void tst_ItemTableDialogs::unitShortcutsAndCommitOnClose() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    Database other(TestSupport::UniqueName(QStringLiteral("other_")));
    QVERIFY2(other.open(m_archives.connectionString(backend)), qPrintable(other.errorText()));
    QTemporaryDir tmp;
    Profile profile(tmp.filePath(QStringLiteral("q.ini")), tmp.filePath(QStringLiteral("m.ini")));
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    prompt.expect(QStringLiteral("Eliminare definitivamente l'unità di misura: Kg?"),
                  IPrompt::Answer::Yes);
    auto count = [](Database& on, const QString& where) {
        return value(on, QStringLiteral("SELECT COUNT(*) FROM UnMis WHERE ") + where).toInt();
    };
    bool driven = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<CUniMisDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTreeWidget* list = dialog->list();
        QLineEdit* sigla = dialog->siglaEdit();
        QLineEdit* description = dialog->descrizioneEdit();
        auto click = [list](const QString& unit) {
            QTreeWidgetItem* row = rowOf(list, unit);
            list->scrollToItem(row);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(row).center());
        };

        // Ctrl+Ins from the description inserts what was typed, not the edit's copy.
        QTest::keyClicks(sigla, QStringLiteral("Zx"));
        QTest::keyClicks(description, QStringLiteral("Zeta"));
        QTest::keyClick(description, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(list->currentItem()->text(0), QStringLiteral("Zx"));
        QCOMPARE(count(other, QStringLiteral("Sigla = 'Zx'")), 0);

        // Ctrl+S from the abbreviation saves the selected row.
        click(QStringLiteral("Mt"));
        QCOMPARE(sigla->text(), QStringLiteral("Mt"));
        description->selectAll();
        QTest::keyClicks(description, QStringLiteral("Metri lineari"));
        QTest::keyClick(sigla, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(rowOf(list, QStringLiteral("Mt"))->text(1), QStringLiteral("Metri lineari"));

        // Ctrl+Canc from the abbreviation deletes the selected row, not a word of the edit.
        click(QStringLiteral("Kg"));
        QTest::keyClick(sigla, Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(!rowOf(list, QStringLiteral("Kg")));
        QVERIFY(!sigla->text().isEmpty());

        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Chiudi")),
                          Qt::LeftButton);
        driven = true;
    });
    QVERIFY(CUniMisDialog::RunInTransaction(*db, profile, prompt, browser, nullptr));
    QVERIFY(driven);
    QVERIFY(!db->inTransaction());
    QCOMPARE(count(other, QStringLiteral("Sigla = 'Zx' AND Descrizione = 'Zeta'")), 1);
    QCOMPARE(count(other, QStringLiteral("Sigla = 'Mt' AND Descrizione = 'Metri lineari'")), 1);
    QCOMPARE(count(other, QStringLiteral("Sigla = 'Kg'")), 0);
    QVERIFY2(prompt.unexpected.isEmpty() && prompt.pending().isEmpty(),
             qPrintable(prompt.unexpected.join(u'|') + prompt.pending().join(u'|')));
}

void tst_ItemTableDialogs::varOtherEmptyValueKeepsDialogOpen() {
    Setup s;
    QVERIFY2(s.archive.isOpen(), qPrintable(s.archive.error()));
    QVERIFY(Classifications::CreateByName(s.db(), Classifications::Table::Categorie,
                                          QStringLiteral("Zeta")) > 0);
    QVERIFY(Classifications::CreateByName(s.db(), Classifications::Table::Categorie,
                                          QStringLiteral("Alfa")) > 0);
    CVarOtherDialog dialog(s.db(), s.profile, s.prompt, s.browser);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Variazioni di Altri Dati"));
    QCOMPARE(dialog.valueBox()->currentText(), QStringLiteral("Alfa"));
    dialog.newValueEdit()->setText(QStringLiteral("   "));
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(s.prompt.balloons, QStringList{QStringLiteral(
                                    "Errore Nuovo Valore: Occorre inserire un valore valido!")});
    dialog.showHelp();
    QVERIFY(s.browser.opened.value(0).path().endsWith(QLatin1String("/altre-variazioni.php")));
}

void tst_ItemTableDialogs::varOtherRenames_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("reloads");
    QTest::newRow("Categoria") << 0 << true;
    QTest::newRow("Reparto") << 1 << false;
    QTest::newRow("Scaffale") << 2 << false;
}

void tst_ItemTableDialogs::varOtherRenames() {
    QFETCH(int, field);
    QFETCH(bool, reloads);
    const Classifications::Table table = Classifications::Table(field);
    Setup s;
    QVERIFY2(s.archive.isOpen(), qPrintable(s.archive.error()));
    const int key = Classifications::CreateByName(s.db(), table, QStringLiteral("Vecchio"));
    ChangeNotifier notifier;
    QSignalSpy reload(&notifier, &ChangeNotifier::viewReloadRequested);
    CVarOtherDialog dialog(s.db(), s.profile, s.prompt, s.browser);
    dialog.fieldBox()->setCurrentIndex(field);
    QCOMPARE(dialog.valueBox()->currentData().toInt(), key);
    const QString typed = QStringLiteral("Dell'Orto; DROP TABLE Articoli");
    dialog.newValueEdit()->setText(typed);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    const QString confirm = QStringLiteral("Attenzione, i cambiamenti ai dati degli articoli");
    s.prompt.expect(confirm, IPrompt::Answer::No);
    QCOMPARE(dialog.apply(&notifier), CVarOtherDialog::Outcome::Cancelled);
    s.prompt.expect(confirm, IPrompt::Answer::Yes);
    s.prompt.expect(QStringLiteral("Modifica ai dati effettuata con successo!"));
    QCOMPARE(dialog.apply(&notifier), CVarOtherDialog::Outcome::Changed);
    const QString stored =
        value(s.db(),
              QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                  .arg(Classifications::NameColumn(table), Classifications::TableName(table),
                       Classifications::KeyColumn(table)),
              {key})
            .toString();
    QCOMPARE(stored, typed.left(Classifications::NameWidth(table)));
    QCOMPARE(reload.size(), reloads ? 1 : 0);

    // The row is gone: the change fails and says so.
    QVERIFY(
        s.db().execute(QStringLiteral("DELETE FROM %1").arg(Classifications::TableName(table))));
    s.prompt.expect(confirm, IPrompt::Answer::Yes);
    s.prompt.expect(QStringLiteral("Errore sconosciuto durante la modifica dei dati!"));
    QCOMPARE(dialog.apply(&notifier), CVarOtherDialog::Outcome::Failed);
    QVERIFY2(s.prompt.unexpected.isEmpty() && s.prompt.pending().isEmpty(),
             qPrintable(s.prompts()));
}

QTEST_MAIN(tst_ItemTableDialogs)
#include "tst_ItemTableDialogs.moc"
