// label: gui
// Two programs on one SQLite archive: while another process holds the archive's write lock, a
// save waits for the busy timeout and then says, in the program's words, that the archive is
// busy; the driver's "database is locked" never reaches the user, nothing typed is lost, and
// the same save goes through once the other program lets go.
#include "NoFileDialogs.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/ChangeNotifier.h"
#include "common/Profile.h"
#include "common/ui/CMainDoc.h"
#include "counterparts/AnaListModel.h"
#include "counterparts/CounterpartStore.h"
#include "counterparts/ui/CAnaMovBar.h"
#include "counterparts/ui/CAnagraficheView.h"
#include "items/ItemStore.h"
#include "items/ui/CArticoloDialog.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kBusy = QStringLiteral(
    "L'archivio è occupato da un altro programma o da un altro computer e non ha risposto in "
    "tempo: le modifiche non sono state salvate. Riprovare tra qualche istante.");

// Another program that holds the archive's write lock until it is released.
class LockHolder {
public:
    explicit LockHolder(const QString& file) {
        m_process.start(QStringLiteral("python3"),
                        {QStringLiteral("-c"),
                         QStringLiteral("import sqlite3, sys\n"
                                        "c = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                                        "c.execute('BEGIN IMMEDIATE')\n"
                                        "print('held', flush=True)\n"
                                        "sys.stdin.readline()\n"
                                        "c.execute('COMMIT')\n"),
                         file});
        m_held = m_process.waitForReadyRead(10000) &&
                 m_process.readLine().trimmed() == QByteArrayLiteral("held");
    }
    ~LockHolder() { release(); }
    bool held() const { return m_held; }
    void release() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.write("\n");
        m_process.closeWriteChannel();
        m_process.waitForFinished(10000);
    }

private:
    QProcess m_process;
    bool m_held = false;
};

} // namespace

class tst_ArchiveBusy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void transactionWaitsItsTurnAndSaysBusy();
    void itemDialogKeepsWhatWasTyped();
    void counterpartComesBackInItsDialog();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<Profile> m_profile;
    ScriptedPrompt m_prompt;
    RecordingBrowser m_browser;
    NoFileDialogs m_files;
};

void tst_ArchiveBusy::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_file = TestSupport::CopyTemplate(*m_dir);
    m_db = std::make_unique<Database>(QStringLiteral("busy_main"));
    QVERIFY2(m_db->open(ConnectionString::ForSqlite(m_file)), qPrintable(m_db->errorText()));
    m_profile = std::make_unique<Profile>(m_dir->filePath(QStringLiteral("p.ini")),
                                          m_dir->filePath(QStringLiteral("m.ini")));
    m_prompt = ScriptedPrompt();
}

void tst_ArchiveBusy::cleanup() {
    QVERIFY2(m_prompt.unexpected.isEmpty(), qPrintable(m_prompt.unexpected.join(u'\n')));
    QVERIFY2(m_prompt.pending().isEmpty(), qPrintable(m_prompt.pending().join(u'\n')));
    m_db.reset();
}

// A transaction takes the write lock when it begins: once begun, another program's write can
// no longer make its own writes fail, and a begin that cannot get the lock waits, then fails
// with the busy text.
void tst_ArchiveBusy::transactionWaitsItsTurnAndSaysBusy() {
    Database other(QStringLiteral("busy_other"));
    QVERIFY(other.open(ConnectionString::ForSqlite(m_file)));
    QVERIFY(m_db->beginTransaction());
    QSqlQuery q;
    QVERIFY(m_db->query(q, QStringLiteral("SELECT COUNT(*) FROM Articoli")));
    QVERIFY(q.next());
    q = QSqlQuery();
    QElapsedTimer waited;
    waited.start();
    QVERIFY(!other.execute(QStringLiteral("INSERT INTO UnMis (Sigla) VALUES ('kg')")));
    QVERIFY(waited.elapsed() >= 4000);
    QVERIFY(IsArchiveBusy(other.lastError()));
    QCOMPARE(other.errorText(), kBusy);
    QCOMPARE(DbErrorText(other.lastError()), kBusy);
    // The first transaction writes after all: it read first, and the other program tried.
    QVERIFY2(m_db->execute(QStringLiteral("INSERT INTO UnMis (Sigla) VALUES ('lt')")),
             qPrintable(m_db->errorText()));
    QVERIFY(m_db->commit());

    LockHolder holder(m_file);
    QVERIFY(holder.held());
    QVERIFY(!m_db->beginTransaction());
    QCOMPARE(m_db->errorText(), kBusy);
    QVERIFY(!m_db->lastError().text().contains(QLatin1String("locked")));
    holder.release();
    QVERIFY(m_db->beginTransaction());
    QVERIFY(m_db->commit());
}

void tst_ArchiveBusy::itemDialogKeepsWhatWasTyped() {
    LockHolder holder(m_file);
    QVERIFY(holder.held());
    CArticoloDialog dialog(*m_db, *m_profile, m_prompt, m_browser, m_files, ItemStore::NewRecord());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(dialog.field(QStringLiteral("Matricola")), QStringLiteral("ATTESA-1"));
    QTest::keyClicks(dialog.field(QStringLiteral("Descrizione")), QStringLiteral("Vite in attesa"));
    m_prompt.expect(kBusy);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_prompt.shown.last().text, kBusy);
    QCOMPARE(dialog.field(QStringLiteral("Matricola"))->text(), QStringLiteral("ATTESA-1"));
    QCOMPARE(dialog.field(QStringLiteral("Descrizione"))->text(), QStringLiteral("Vite in attesa"));

    holder.release();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QSqlQuery q;
    QVERIFY(m_db->query(q, QStringLiteral("SELECT Descrizione FROM Articoli WHERE Matricola = ?"),
                        {QStringLiteral("ATTESA-1")}));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Vite in attesa"));
}

// The counterparts list saves after its dialog has closed: when the archive is busy the dialog
// opens again on what was typed.
void tst_ArchiveBusy::counterpartComesBackInItsDialog() {
    ChangeNotifier notifier;
    CMainDoc doc(*m_profile, *m_db, notifier);
    CAnagraficheView view(doc, m_prompt, m_browser);
    view.becameVisible();
    auto holder = std::make_unique<LockHolder>(m_file);
    QVERIFY(holder->held());
    QList<CliForRecord> opened;
    view.editRecord = [&](CliForRecord* r, CAnagraficaDialog::Caller) {
        opened << *r;
        if (opened.size() == 1) {
            r->RagSoc = QStringLiteral("Ferramenta Rossi");
            r->Telefono = QStringLiteral("02 1234567");
        } else {
            holder->release();
        }
        return true;
    };
    m_prompt.expect(kBusy);
    view.onNewCustomer();
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[1].RagSoc, QStringLiteral("Ferramenta Rossi"));
    QCOMPARE(opened[1].Telefono, QStringLiteral("02 1234567"));
    QCOMPARE(opened[1].IDCliFor, 0);
    QCOMPARE(view.model()->rowCount(), 1);
    CliForRecord back;
    QVERIFY(CounterpartStore(*m_db).load(view.model()->keyAt(0), back));
    QCOMPARE(back.RagSoc, QStringLiteral("Ferramenta Rossi"));
}

QTEST_MAIN(tst_ArchiveBusy)
#include "tst_ArchiveBusy.moc"
