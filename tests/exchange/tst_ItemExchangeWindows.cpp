// label: gui
#include "ArchiveTestCase.h"
#include "ModalTesting.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "common/ChangeNotifier.h"
#include "common/IFileDialogs.h"
#include "common/Profile.h"
#include "common/ui/CMainDoc.h"
#include "exchange/ui/CImportaDlg.h"
#include "exchange/ui/ItemExchange.h"
#include "items/ArtListModel.h"
#include "items/ui/CArticoliView.h"
#include "print/ui/CStampaDialog.h"
#include "store/Database.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

class AnswerFiles : public IFileDialogs {
public:
    QString answer;
    QStringList asked;
    QString openFile(const QString& title, const QString&, const QString& filter) override {
        asked << title + u'|' + filter;
        return answer;
    }
    QString saveFile(const QString& title, const QString&, const QString& name,
                     const QString& filter) override {
        asked << title + u'|' + name + u'|' + filter;
        return answer;
    }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

int AddItem(Database& db, const QString& code, const QString& description) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, IDUM, UnMis) "
                                 "VALUES (?, ?, 1, 'Pz') RETURNING IDArticolo"),
                  {code, description}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

int Count(Database& db) {
    QSqlQuery q;
    return db.query(q, QStringLiteral("SELECT COUNT(*) FROM Articoli")) && q.next()
               ? q.value(0).toInt()
               : -1;
}

struct Bench {
    QTemporaryDir dir;
    Profile profile{dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini"))};
    ChangeNotifier notifier;
    ScriptedPrompt prompt;
    AnswerFiles files;
    RecordingBrowser browser;
    std::unique_ptr<CMainDoc> doc;
    std::unique_ptr<CArticoliView> view;
    std::unique_ptr<ItemExchange> exchange;
    explicit Bench(Database& db) {
        doc = std::make_unique<CMainDoc>(profile, db, notifier);
        view = std::make_unique<CArticoliView>(*doc, prompt);
        view->becameVisible();
        view->show();
        exchange = std::make_unique<ItemExchange>(*view, prompt, files, browser);
    }
};

// Clicks the dialog's own Annulla when a check left it open, so a failure never hangs the test.
struct CloseOnExit {
    CImportaDlg* dialog;
    ~CloseOnExit() {
        if (dialog->isVisible())
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    }
};

// Picks a box's entry with the keyboard, as the user would.
void Choose(QComboBox* box, int index) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

// Keeps a picture of a window when QUARZIL_SHOTS names a folder (runs under Xvfb).
void KeepPicture(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("QUARZIL_SHOTS");
    if (!folder.isEmpty())
        window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace

class tst_ItemExchangeWindows : public ArchiveTestCase {
    Q_OBJECT

private Q_SLOTS:
    void exportThroughTheOptionsDialog_data() { TestSupport::AddBackendRows(); }
    void exportThroughTheOptionsDialog();
    void importThroughTheMappingDialog_data() { TestSupport::AddBackendRows(); }
    void importThroughTheMappingDialog();
    void xmlAndCancelledChoices_data() { TestSupport::AddBackendRows(); }
    void xmlAndCancelledChoices();
};

void tst_ItemExchangeWindows::exportThroughTheOptionsDialog() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "SottoMovimenti", "Movimenti", "Imei", "Offerte",
                                  "Articoli");
    Bench b(*db);
    // An empty list: nothing to write, and no dialog.
    b.prompt.expect(QStringLiteral("Non ci sono dati da stampare!"));
    b.exchange->exportItems();
    QCOMPARE(b.prompt.shown.last().icon, IPrompt::Icon::Information);

    QVERIFY(AddItem(*db, QStringLiteral("E1"), QStringLiteral("Primo")) > 0);
    QVERIFY(AddItem(*db, QStringLiteral("E2"), QStringLiteral("Secondo")) > 0);
    b.view->reload();
    b.view->table()->selectRow(1);
    b.files.answer = b.dir.filePath(QStringLiteral("scelti"));
    TestSupport::WhenShown<CStampaDialog>([](CStampaDialog* d) {
        QTest::mouseClick(d->selectedRowsButton(), Qt::LeftButton);
        QTest::mouseClick(d->continueButton(), Qt::LeftButton);
    });
    const QString written = b.dir.filePath(QStringLiteral("scelti.csv"));
    b.prompt.expect(QStringLiteral("Il file %1 è stato creato con successo!").arg(written));
    b.exchange->exportItems();
    QVERIFY2(b.prompt.pending().isEmpty(), qPrintable(b.prompt.pending().join('\n')));
    QVERIFY2(b.prompt.unexpected.isEmpty(), qPrintable(b.prompt.unexpected.join('\n')));
    QCOMPARE(b.files.asked.last(),
             QStringLiteral("Esporta|Articoli Magazzino|File foglio elettronico (*.csv);;File di "
                            "tipo web (*.xml)"));
    QFile f(written);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.contains("\"E2\";\"Secondo\""));
    QVERIFY(!bytes.contains("E1"));

    // Annulla in the options dialog writes nothing.
    QFile::remove(written);
    TestSupport::WhenShown<CStampaDialog>(
        [](CStampaDialog* d) { QTest::mouseClick(d->cancelButton(), Qt::LeftButton); });
    b.exchange->exportItems();
    QVERIFY(!QFileInfo::exists(written));
}

void tst_ItemExchangeWindows::importThroughTheMappingDialog() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "SottoMovimenti", "Movimenti", "Imei", "Offerte",
                                  "Articoli");
    Bench b(*db);
    const QString file = b.dir.filePath(QStringLiteral("fornitore.csv"));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Descr,Cod,Misura\n\"Vite, M6\",V6,pz\n\"Dado\",D6,pz\n,XX,pz\n");
    }
    b.files.answer = file;
    bool sawSamples = false;
    bool stayedOpen = false;
    TestSupport::WhenShown<CImportaDlg>([&](CImportaDlg* d) {
        CloseOnExit guard{d};
        KeepPicture(d, QStringLiteral("importa-dlg"));
        // The first line's more frequent separator and the file's quotes were guessed.
        sawSamples = d->separatorButton(1)->isChecked() && d->delimiterButton(1)->isChecked() &&
                     d->sampleField(0)->text() == QStringLiteral("Descr") &&
                     d->sampleField(1)->text() == QStringLiteral("Cod") &&
                     d->sampleField(3)->text().isEmpty();
        // On the box itself: the check box is wider than its text.
        QTest::mouseClick(d->headingBox(), Qt::LeftButton, {},
                          QPoint(8, d->headingBox()->height() / 2));
        Choose(d->columnBox(0), ItemImport::Descrizione);
        Choose(d->columnBox(1), ItemImport::Descrizione);
        Choose(d->columnBox(2), ItemImport::UnMis);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
        stayedOpen = d->isVisible();
        Choose(d->columnBox(1), ItemImport::Matricola);
        QTest::mouseClick(d->helpButton(), Qt::LeftButton);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
    });
    b.prompt.expect(QStringLiteral("Non ci possono essere due campi uguali!"));
    b.prompt.expect(QStringLiteral("Ci sono stati degli errori ed alcuni prodotti non sono stati "
                                   "importati, salvare comunque l'importazione?\n\nRighe scartate: "
                                   "1: riga 4 (descrizione mancante)"),
                    IPrompt::Answer::Yes);
    b.prompt.expect(QStringLiteral("Sono stati importati con successo 2 prodotti!"));
    b.exchange->importItems();
    QVERIFY(sawSamples);
    QVERIFY(stayedOpen);
    QVERIFY2(b.prompt.unexpected.isEmpty(), qPrintable(b.prompt.unexpected.join('\n')));
    QVERIFY2(b.prompt.pending().isEmpty(), qPrintable(b.prompt.pending().join('\n')));
    QCOMPARE(b.prompt.shown[0].icon, IPrompt::Icon::Error);
    QCOMPARE(b.prompt.shown[2].icon, IPrompt::Icon::Information);
    QCOMPARE(b.browser.opened.size(), 1);
    QVERIFY(
        b.browser.opened[0].toString().endsWith(QStringLiteral("/aiuto/Quarzil/importazione.php")));
    QCOMPARE(Count(*db), 2);
    // The list shows the new items at once.
    QCOMPARE(b.view->model()->rowCount(), 2);

    // A file whose headings the program knows comes mapped and with its heading box ticked.
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("Matricola;Descrizione;Un.Mis.\nN1;Nuovo;pz\n");
    }
    bool mapped = false;
    TestSupport::WhenShown<CImportaDlg>([&](CImportaDlg* d) {
        CloseOnExit guard{d};
        KeepPicture(d, QStringLiteral("importa-dlg-mapped"));
        mapped = d->headingBox()->isChecked() &&
                 d->columnBox(2)->currentText() == QStringLiteral("Un.di Misura");
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
    });
    b.prompt.expect(QStringLiteral("Sono stati importati con successo 1 prodotti!"));
    b.exchange->importItems();
    QVERIFY(mapped);
    QVERIFY2(b.prompt.pending().isEmpty(), qPrintable(b.prompt.pending().join('\n')));
    QCOMPARE(Count(*db), 3);
}

void tst_ItemExchangeWindows::xmlAndCancelledChoices() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "SottoMovimenti", "Movimenti", "Imei", "Offerte",
                                  "Articoli");
    Bench b(*db);
    b.files.answer = b.dir.filePath(QStringLiteral("negozio.xml"));
    b.prompt.expect(QStringLiteral("Non ancora implementato!"));
    b.exchange->importItems();
    QCOMPARE(b.prompt.shown.last().icon, IPrompt::Icon::Warning);

    // Annulla in the mapping dialog imports nothing and says nothing.
    const QString file = b.dir.filePath(QStringLiteral("x.csv"));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("A;B;pz\n");
    }
    b.files.answer = file;
    TestSupport::WhenShown<CImportaDlg>(
        [](CImportaDlg* d) { QTest::mouseClick(d->cancelButton(), Qt::LeftButton); });
    const auto shown = b.prompt.shown.size();
    b.exchange->importItems();
    QCOMPARE(b.prompt.shown.size(), shown);
    QCOMPARE(Count(*db), 0);

    // An empty file cannot be imported.
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }
    TestSupport::WhenShown<CImportaDlg>([](CImportaDlg* d) {
        CloseOnExit guard{d};
        Choose(d->columnBox(0), ItemImport::Matricola);
        Choose(d->columnBox(1), ItemImport::Descrizione);
        Choose(d->columnBox(2), ItemImport::UnMis);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
    });
    b.prompt.expect(QStringLiteral("Impossibile importare i dati!"));
    b.exchange->importItems();
    QVERIFY2(b.prompt.pending().isEmpty(), qPrintable(b.prompt.pending().join('\n')));
    QVERIFY2(b.prompt.unexpected.isEmpty(), qPrintable(b.prompt.unexpected.join('\n')));
}

QTEST_MAIN(tst_ItemExchangeWindows)
#include "tst_ItemExchangeWindows.moc"
