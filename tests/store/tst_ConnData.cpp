// label: gui
#include "ModalTesting.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/IFileDialogs.h"
#include "common/Profile.h"
#include "store/ArchiveCreator.h"
#include "store/CatalogCreator.h"
#include "store/ConnectionProbe.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/ui/CConnDataDlg.h"
#include "store/ui/CConnStringDlg.h"
#include "store/ui/CatalogComboBox.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using Icon = IPrompt::Icon;
using Fields = ConnectionProbe::Fields;

namespace {
using S = Profile::Section;

const QString kOpenFailed = QStringLiteral("Impossibile aprire l'archivio dei dati!");

class FakeFileDialogs : public IFileDialogs {
public:
    QString answer;
    QStringList asked; // "title|folder|filter"
    QString openFile(const QString& title, const QString& folder, const QString& filter) override {
        asked << QStringLiteral("%1|%2|%3").arg(title, folder, filter);
        return answer;
    }
    QString saveFile(const QString&, const QString&, const QString&, const QString&) override {
        return QString();
    }
    QString chooseFolder(const QString&, const QString&) override { return QString(); }
};

// The test server's fields, with the catalog and password given.
Fields ServerFields(const QString& catalog, const QString& password = QString()) {
    const QString server = TestSupport::PostgresServer();
    Fields f;
    f.postgres = true;
    f.server = ConnectionString::Value(server, QStringLiteral("Data Source"));
    f.user = ConnectionString::Value(server, QStringLiteral("User ID"));
    f.password = password;
    f.catalog = catalog;
    return f;
}

// A profile, prompt, file chooser and browser of the test's own.
struct World {
    QTemporaryDir tmp;
    Profile profile{tmp.filePath(QStringLiteral("q.ini")), tmp.filePath(QStringLiteral("m.ini"))};
    ScriptedPrompt prompt;
    FakeFileDialogs files;
    RecordingBrowser browser;

    World() {
        profile.setValue(S::Settings, QStringLiteral("Directory"),
                         TestSupport::BuildDir() + QStringLiteral("/"));
    }
    std::unique_ptr<CConnDataDlg> dialog(const QString& current = QString()) {
        auto d = std::make_unique<CConnDataDlg>(profile, prompt, files, browser, current);
        d->show();
        return d;
    }
    QString stored() const { return profile.string(S::Settings, QStringLiteral("MyConnection")); }
};

QStringList Texts(const ScriptedPrompt& prompt) {
    QStringList texts;
    for (const auto& s : prompt.shown)
        texts << s.text;
    return texts;
}

void Click(QAbstractButton* button) {
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    // A radio button takes the click on its circle and text, not on the empty width beside them.
    const QPoint at = qobject_cast<QRadioButton*>(button) ? QPoint(6, button->height() / 2)
                                                          : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

// Typed key by key, as a user does; QTest's own table knows no ':' or '"'.
void Type(QWidget* field, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList Units(Database& db) {
    QStringList units;
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("SELECT Sigla, Descrizione FROM UnMis ORDER BY IDUM")))
        return {QStringLiteral("<query failed: %1>").arg(db.errorText())};
    while (q.next())
        units << (q.value(0).isNull() ? QStringLiteral("NULL") : q.value(0).toString()) +
                     QStringLiteral("|") +
                     (q.value(1).isNull() ? QStringLiteral("NULL") : q.value(1).toString());
    return units;
}

bool CatalogExists(const QString& name) {
    QStringList names;
    QString error;
    return ConnectionProbe::ListCatalogs(ServerFields(QString()), &names, &error) &&
           names.contains(name);
}

// Drops the catalogs a test made, whatever way it ends.
struct CatalogsToDrop {
    QStringList names;
    ~CatalogsToDrop() {
        QString ignored;
        for (const QString& n : names)
            ArchiveCreator::DropPostgresCatalog(TestSupport::PostgresServer(), n, &ignored);
    }
};

} // namespace

class tst_ConnData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    // Core: strings, probes, catalogs.
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void probeTellsArchivesFromOtherSources();
    void unitText_data();
    void unitText();
    void passwordIsHidden();
    void catalogCreation();
    void catalogCreationFailures();

    // The dialog through its own buttons.
    void opensInTheModeOfItsString();
    void modeSwitchEnablesOneSide();
    void fileChooser();
    void saveRefusesWhatIsNotAnArchive();
    void saveStoresAUsableArchive_data();
    void saveStoresAUsableArchive();
    void otherButtonsEndWithTheirResults();
    void catalogListOnDropDown();
    void newCatalogButton();
    void rawStringDialog();
};

void tst_ConnData::initTestCase() {
    QVERIFY2(!TestSupport::PostgresServer().isEmpty(),
             "QUARZIL_TEST_PG is not set: run the tests through tools/pgtest.sh");
    QVERIFY(QFile::exists(TestSupport::TemplateFile()));
}

void tst_ConnData::valuesRoundTrip_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("semicolon") << QStringLiteral("a;b");
    QTest::newRow("double quotes") << QStringLiteral("\"quoted\"");
    QTest::newRow("quote and semicolon") << QStringLiteral("x\"y;z\"");
    QTest::newRow("single quotes") << QStringLiteral("it's 'so'");
    QTest::newRow("equals") << QStringLiteral("=a=b=");
    QTest::newRow("spaces around") << QStringLiteral("  pass word  ");
    QTest::newRow("only a semicolon") << QStringLiteral(";");
    QTest::newRow("quote at the end") << QStringLiteral("abc\"");
    QTest::newRow("two quotes") << QStringLiteral("\"\"");
    QTest::newRow("accents") << QStringLiteral("però;è");
}

void tst_ConnData::valuesRoundTrip() {
    QFETCH(QString, value);
    // As a password, a user and a catalog name: the parser gives back each one as it was.
    Fields f = ServerFields(QStringLiteral("cat") + value, value);
    f.user = value + QStringLiteral("u");
    const QString built = ConnectionProbe::Build(f);
    QVERIFY(ConnectionString::IsValid(built));
    QCOMPARE(ConnectionString::TypeOf(built), 1);
    const Fields back = ConnectionProbe::FromString(built);
    QVERIFY(back.postgres);
    QCOMPARE(back.password, value);
    QCOMPARE(back.user, (value + QStringLiteral("u")).trimmed());
    QCOMPARE(back.catalog, (QStringLiteral("cat") + value).trimmed());
    QCOMPARE(back.server, f.server);
    QVERIFY2(!ConnectionString::Describe(built).contains(value + QStringLiteral("u")),
             qPrintable(ConnectionString::Describe(built)));

    // The driver gets the very password (the test server trusts loopback, so it opens).
    Fields real = ServerFields(QStringLiteral("postgres"), value);
    Database db(TestSupport::UniqueName(QStringLiteral("roundtrip_")));
    QVERIFY2(db.openRaw(ConnectionProbe::Build(real)), qPrintable(db.errorText()));
    QCOMPARE(db.handle().password(), value);

    const QString file = QStringLiteral("/tmp/a%1b.db").arg(value);
    QCOMPARE(ConnectionProbe::FromString(ConnectionString::ForSqlite(file)).file, file);
}

void tst_ConnData::probeTellsArchivesFromOtherSources() {
    QTemporaryDir dir;
    QString error;
    const QString archive = TestSupport::CopyTemplate(dir);
    const QByteArray before = [&] {
        QFile f(archive);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QCOMPARE(ConnectionProbe::Probe(ConnectionString::ForSqlite(archive), &error),
             ConnectionProbe::Result::Usable);
    // Probing changes nothing: no journal switch, no companion files left.
    QFile f(archive);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QVERIFY(!QFile::exists(archive + QStringLiteral("-wal")));

    // An SQLite database of some other program.
    const QString other = dir.filePath(QStringLiteral("other.db"));
    {
        QFile(other).open(QIODevice::WriteOnly);
        Database db(TestSupport::UniqueName(QStringLiteral("other_")));
        QVERIFY(db.openRaw(ConnectionString::ForSqlite(other)));
        QVERIFY(db.execute(QStringLiteral("CREATE TABLE CliFor (IDCliFor INTEGER, Nome TEXT)")));
    }
    QCOMPARE(ConnectionProbe::Probe(ConnectionString::ForSqlite(other), &error),
             ConnectionProbe::Result::NotQuarzil);
    QVERIFY2(error.contains(QStringLiteral("Web")), qPrintable(error));

    // A text file, and a file that is not there.
    const QString text = dir.filePath(QStringLiteral("notes.db"));
    {
        QFile t(text);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write(QByteArray("Questo non è un archivio, solo testo qualunque.\n").repeated(50));
    }
    QVERIFY(ConnectionProbe::Probe(ConnectionString::ForSqlite(text), &error) !=
            ConnectionProbe::Result::Usable);
    QVERIFY(!error.isEmpty());
    const QString missing = dir.filePath(QStringLiteral("missing.db"));
    QCOMPARE(ConnectionProbe::Probe(ConnectionString::ForSqlite(missing), &error),
             ConnectionProbe::Result::OpenFailed);
    QVERIFY(!QFile::exists(missing));

    // On the server: a catalog of this program, an empty one, one that does not exist.
    TestSupport::PostgresCatalog catalog;
    QVERIFY2(catalog.isValid(), qPrintable(catalog.error()));
    QCOMPARE(ConnectionProbe::Probe(catalog.connectionString(), &error),
             ConnectionProbe::Result::Usable);
    QCOMPARE(ConnectionProbe::Probe(ConnectionProbe::Build(ServerFields("postgres")), &error),
             ConnectionProbe::Result::NotQuarzil);
    QCOMPARE(
        ConnectionProbe::Probe(ConnectionProbe::Build(ServerFields("qz_no_such_catalog")), &error),
        ConnectionProbe::Result::OpenFailed);
    QVERIFY2(error.contains(QStringLiteral("qz_no_such_catalog")), qPrintable(error));
}

void tst_ConnData::unitText_data() {
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("copied");
    QTest::newRow("upper") << "KG"
                           << "Kg";
    QTest::newRow("spaces") << "  mQ \t"
                            << "mq";
    QTest::newRow("first kept lower") << "pZ"
                                      << "pz";
    QTest::newRow("quote") << "D'ARCO"
                           << "D'arco";
    QTest::newRow("accented") << "ÈLITE"
                              << "Èlite";
    QTest::newRow("empty") << "   "
                           << "";
    QTest::newRow("one") << "X"
                         << "X";
}

void tst_ConnData::unitText() {
    QFETCH(QString, read);
    QFETCH(QString, copied);
    QCOMPARE(CatalogCreator::UnitText(read), copied);
}

void tst_ConnData::passwordIsHidden() {
    QCOMPARE(ConnectionProbe::HidePassword("password authentication failed for s3cr;t", "s3cr;t"),
             QStringLiteral("password authentication failed for ********"));
    QCOMPARE(ConnectionProbe::HidePassword("a fail", "a"), QStringLiteral("a fail"));
    QCOMPARE(ConnectionProbe::HidePassword("nothing", ""), QStringLiteral("nothing"));
}

void tst_ConnData::catalogCreation() {
    CatalogsToDrop drop;
    // A name no bare identifier could be: quotes, a space, upper case.
    const QString name = TestSupport::UniqueName(QStringLiteral("Qz Nuovo \"x\" d'y "));
    drop.names << name;

    // A template whose units need the case rule, one holds a quote, one is too long for the
    // column and one is empty.
    QTemporaryDir dir;
    const QString templ = TestSupport::CopyTemplate(dir);
    {
        Database t(TestSupport::UniqueName(QStringLiteral("templ_")));
        QVERIFY(t.openRaw(ConnectionString::ForSqlite(templ)));
        QVERIFY(t.execute(QStringLiteral("DELETE FROM UnMis")));
        for (const auto& [sigla, descrizione] :
             std::vector<std::pair<QVariant, QVariant>>{{"  KG ", "CHILI"},
                                                        {"d'X", "dell'ARCO"},
                                                        {"TROPPOLUNGA", "x"},
                                                        {"", QVariant()},
                                                        {"MQ", "metri QUADRI"}})
            QVERIFY(
                t.execute(QStringLiteral("INSERT INTO UnMis (Sigla, Descrizione) VALUES (?, ?)"),
                          {sigla, descrizione}));
    }
    Fields f = ServerFields(name);
    CatalogCreator::Outcome outcome;
    QVERIFY2(CatalogCreator::Create({f.server, f.user, QString(), name, templ}, &outcome),
             qPrintable(outcome.error));
    QCOMPARE(outcome.unitFailures.size(), 1);
    QVERIFY2(outcome.unitFailures.first().startsWith(QStringLiteral(
                 "INSERT INTO UnMis (Sigla, Descrizione) VALUES('Troppolunga', 'x')\n")),
             qPrintable(outcome.unitFailures.first()));

    Database db(TestSupport::UniqueName(QStringLiteral("created_")));
    QVERIFY2(db.open(ConnectionProbe::Build(f)), qPrintable(db.errorText()));
    QCOMPARE(Units(db), QStringList({"Kg|Chili", "d'x|dell'arco", "NULL|NULL", "Mq|metri quadri"}));
    QSqlQuery q;
    QVERIFY(db.query(q, QStringLiteral("SELECT Versione FROM Informazioni")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), Schema::kCurrentVersion);
    QVERIFY(!q.next());
    q.finish();
    // Every table and index of the schema source.
    for (const Schema::Table& t : Schema::Tables())
        QVERIFY2(db.execute(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(t.name)), t.name);
    QVERIFY(db.query(q, QStringLiteral("SELECT COUNT(*) FROM pg_indexes WHERE schemaname = "
                                       "current_schema() AND indexname LIKE 'ix_%'")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(),
             int(Schema::Indexes().size() + Schema::AlphabeticalIndexes().size()));
}

void tst_ConnData::catalogCreationFailures() {
    const Fields f = ServerFields(QString());
    const QString templ = TestSupport::TemplateFile();
    CatalogCreator::Outcome outcome;

    // A catalog that exists already is left alone, rows and all.
    TestSupport::PostgresCatalog existing;
    QVERIFY2(existing.isValid(), qPrintable(existing.error()));
    {
        Database db(TestSupport::UniqueName(QStringLiteral("existing_")));
        QVERIFY(db.open(existing.connectionString()));
        QVERIFY(db.execute(QStringLiteral("INSERT INTO Categorie (Categoria) VALUES ('Tenuta')")));
    }
    QVERIFY(
        !CatalogCreator::Create({f.server, f.user, QString(), existing.name(), templ}, &outcome));
    QVERIFY2(outcome.error.contains(QStringLiteral("already exists")) ||
                 outcome.error.contains(QStringLiteral("esiste")),
             qPrintable(outcome.error));
    {
        Database db(TestSupport::UniqueName(QStringLiteral("existing_")));
        QVERIFY(db.open(existing.connectionString()));
        QSqlQuery q;
        QVERIFY(db.query(q, QStringLiteral("SELECT Categoria FROM Categorie")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("Tenuta"));
    }

    // No name, no template: told, and nothing is made.
    QVERIFY(!CatalogCreator::Create({f.server, f.user, QString(), QStringLiteral("  "), templ},
                                    &outcome));
    QCOMPARE(outcome.error, QStringLiteral("Scrivere il nome del nuovo Database."));
    const QString name = TestSupport::UniqueName(QStringLiteral("qz_notempl_"));
    QVERIFY(!CatalogCreator::Create(
        {f.server, f.user, QString(), name, QStringLiteral("/nonexistent/Database/Quarzil.db")},
        &outcome));
    QCOMPARE(outcome.error,
             QStringLiteral("Database modello non trovato: /nonexistent/Database/Quarzil.db"));
    QVERIFY(!CatalogExists(name));

    // A server that does not answer: its reason, never the password.
    QVERIFY(!CatalogCreator::Create(
        {QStringLiteral("127.0.0.1:1"), f.user, QStringLiteral("pw;\"secret\""), name, templ},
        &outcome));
    QVERIFY(!outcome.error.isEmpty());
    QVERIFY(!outcome.error.contains(QStringLiteral("secret")));
}

void tst_ConnData::opensInTheModeOfItsString() {
    World w;
    auto empty = w.dialog();
    QCOMPARE(empty->windowTitle(), QStringLiteral("Connessione a Base Dati"));
    QVERIFY(empty->sqliteRadio()->isChecked());
    QCOMPARE(empty->sqliteRadio()->text(), QStringLiteral("Connessione a file &SQLite"));
    QCOMPARE(empty->postgresRadio()->text(), QStringLiteral("Connessione a server Postgre&SQL"));
    QCOMPARE(empty->pathLabel()->text(), QString());
    QCOMPARE(empty->serverEdit()->text(), QString());

    auto file = w.dialog(ConnectionString::ForSqlite(QStringLiteral("/srv/a;b/Quarzil.db")));
    QVERIFY(file->sqliteRadio()->isChecked());
    QCOMPARE(file->pathLabel()->text(), QStringLiteral("/srv/a;b/Quarzil.db"));

    Fields f = ServerFields(QStringLiteral("negozio"), QStringLiteral("pw;\"x\""));
    auto server = w.dialog(ConnectionProbe::Build(f));
    QVERIFY(server->postgresRadio()->isChecked());
    QCOMPARE(server->serverEdit()->text(), f.server);
    QCOMPARE(server->userEdit()->text(), f.user);
    QCOMPARE(server->passwordEdit()->text(), f.password);
    QCOMPARE(server->passwordEdit()->echoMode(), QLineEdit::Password);
    QCOMPARE(server->catalogCombo()->currentText(), QStringLiteral("negozio"));
    QCOMPARE(server->connectionString(), ConnectionProbe::Build(f));
    QVERIFY(w.prompt.shown.isEmpty());
}

void tst_ConnData::modeSwitchEnablesOneSide() {
    World w;
    auto d = w.dialog();
    const auto serverSide = [&] {
        QList<QWidget*> widgets{d->serverEdit(), d->userEdit(), d->passwordEdit(),
                                d->catalogCombo(), d->newCatalogButton()};
        for (const char* name : {"ServerLabel", "UtenteLabel", "PasswordLabel", "DatabaseLabel"})
            widgets << d->findChild<QLabel*>(QLatin1String(name));
        return widgets;
    };
    const auto check = [&](bool postgres) {
        QCOMPARE(d->isPostgresMode(), postgres);
        QCOMPARE(d->openButton()->isEnabled(), !postgres);
        QCOMPARE(d->pathLabel()->isEnabled(), !postgres);
        for (QWidget* widget : serverSide()) {
            QVERIFY(widget);
            QVERIFY2(widget->isEnabled() == postgres, qPrintable(widget->objectName()));
        }
    };
    check(false);
    Click(d->postgresRadio());
    check(true);
    Click(d->sqliteRadio());
    check(false);
    QCOMPARE(d->newCatalogButton()->toolTip(),
             QStringLiteral("Installa nuovo Database vuoto di Quarzil sul Server"));
}

void tst_ConnData::fileChooser() {
    World w;
    QTemporaryDir dir;
    const QString archive = TestSupport::CopyTemplate(dir);
    auto d = w.dialog();
    w.files.answer = archive;
    Click(d->openButton());
    QCOMPARE(w.files.asked,
             QStringList(
                 {QStringLiteral("Selezione File Database|%1|Database Quarzil (*.db *.sqlite)")
                      .arg(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))}));
    QCOMPARE(d->pathLabel()->text(), archive);
    QCOMPARE(d->connectionString(), ConnectionString::ForSqlite(archive));
    // Cancelled, or a file that is not there: the choice stays.
    w.files.answer.clear();
    Click(d->openButton());
    w.files.answer = dir.filePath(QStringLiteral("gone.db"));
    Click(d->openButton());
    QCOMPARE(d->pathLabel()->text(), archive);
}

void tst_ConnData::saveRefusesWhatIsNotAnArchive() {
    World w;
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("other.sqlite"));
    {
        QFile(other).open(QIODevice::WriteOnly);
        Database db(TestSupport::UniqueName(QStringLiteral("other_")));
        QVERIFY(db.openRaw(ConnectionString::ForSqlite(other)));
        QVERIFY(db.execute(QStringLiteral("CREATE TABLE Clienti (Nome TEXT)")));
    }
    w.profile.setValue(S::Settings, QStringLiteral("MyConnection"), QStringLiteral("before"));
    auto d = w.dialog();
    w.files.answer = other;
    Click(d->openButton());
    w.prompt.expect(kOpenFailed);
    Click(d->findChild<QPushButton*>(QStringLiteral("Salva")));
    QCOMPARE(w.prompt.shown.size(), 1);
    QCOMPARE(w.prompt.shown.first().icon, Icon::Information);
    const QString shown = w.prompt.shown.first().text;
    QVERIFY2(shown.startsWith(kOpenFailed + QStringLiteral("\n\n")) && shown.contains("CliFor"),
             qPrintable(shown));
    QVERIFY(d->isVisible());
    QCOMPARE(w.stored(), QStringLiteral("before"));

    // No file chosen at all, and a server catalog without the program's tables.
    auto none = w.dialog();
    w.prompt.expect(kOpenFailed);
    Click(none->findChild<QPushButton*>(QStringLiteral("Salva")));
    QVERIFY(none->isVisible());
    auto server = w.dialog(ConnectionProbe::Build(ServerFields(QStringLiteral("postgres"))));
    w.prompt.expect(kOpenFailed);
    Click(server->findChild<QPushButton*>(QStringLiteral("Salva")));
    QVERIFY(server->isVisible());
    QCOMPARE(w.stored(), QStringLiteral("before"));
    QVERIFY2(w.prompt.unexpected.isEmpty(), qPrintable(w.prompt.unexpected.join('\n')));
    QVERIFY(w.prompt.pending().isEmpty());
}

void tst_ConnData::saveStoresAUsableArchive_data() {
    TestSupport::AddBackendRows();
}

void tst_ConnData::saveStoresAUsableArchive() {
    QFETCH(QString, backend);
    World w;
    QTemporaryDir dir;
    std::unique_ptr<TestSupport::PostgresCatalog> catalog;
    QString expected;
    int result = -1;
    if (backend == QLatin1String("sqlite")) {
        const QString archive = TestSupport::CopyTemplate(dir, QStringLiteral("Negozio;1.db"));
        expected = ConnectionString::ForSqlite(archive);
        w.files.answer = archive;
        TestSupport::WhenShown<CConnDataDlg>([&](CConnDataDlg* d) {
            Click(d->openButton());
            Click(d->findChild<QPushButton*>(QStringLiteral("Salva")));
        });
    } else {
        catalog = std::make_unique<TestSupport::PostgresCatalog>();
        QVERIFY2(catalog->isValid(), qPrintable(catalog->error()));
        const Fields f = ServerFields(catalog->name(), QStringLiteral("a;b\"c"));
        expected = ConnectionProbe::Build(f);
        TestSupport::WhenShown<CConnDataDlg>([f](CConnDataDlg* d) {
            Click(d->postgresRadio());
            Type(d->serverEdit(), f.server);
            Type(d->userEdit(), f.user);
            Type(d->passwordEdit(), f.password);
            Type(d->catalogCombo()->lineEdit(), f.catalog);
            // Enter in a field saves, as the default button.
            QTest::keyClick(d->userEdit(), Qt::Key_Return);
        });
    }
    {
        CConnDataDlg d(w.profile, w.prompt, w.files, w.browser, QString());
        result = d.exec();
    }
    QCOMPARE(result, int(CConnDataDlg::Saved));
    QCOMPARE(w.stored(), expected);
    QVERIFY2(w.prompt.shown.isEmpty(), qPrintable(Texts(w.prompt).join('\n')));
}

void tst_ConnData::otherButtonsEndWithTheirResults() {
    const QList<std::pair<const char*, int>> buttons{{"Annulla", CConnDataDlg::Cancelled},
                                                     {"Avanzate", CConnDataDlg::Advanced},
                                                     {"ImportaAccess", CConnDataDlg::ImportAccess}};
    for (const auto& [name, expected] : buttons) {
        World w;
        w.profile.setValue(S::Settings, QStringLiteral("MyConnection"), QStringLiteral("before"));
        auto d = w.dialog();
        auto* button = d->findChild<QPushButton*>(QLatin1String(name));
        Click(button);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), expected);
        QCOMPARE(w.stored(), QStringLiteral("before"));
    }
    World w;
    auto d = w.dialog();
    QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("Avanzate"))->text(),
             QStringLiteral("Avan&zate"));
    QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("ImportaAccess"))->text(),
             QStringLiteral("Importa archivio Access (.mdb)..."));
    QCOMPARE(d->openButton()->text(), QStringLiteral("A&pri..."));
    Click(d->findChild<QPushButton*>(QStringLiteral("Aiuto")));
    QCOMPARE(w.browser.opened.size(), 1);
    QCOMPARE(w.browser.opened.first().path(),
             QStringLiteral("/aiuto/Quarzil/connessione-dati.php"));
    QVERIFY(d->isVisible());
    QTest::keyClick(d.get(), Qt::Key_Escape);
    QCOMPARE(d->result(), int(CConnDataDlg::Cancelled));
}

void tst_ConnData::catalogListOnDropDown() {
    World w;
    TestSupport::PostgresCatalog catalog;
    QVERIFY2(catalog.isValid(), qPrintable(catalog.error()));
    // A name typed for a catalog still to be made stays typed.
    auto d = w.dialog(ConnectionProbe::Build(ServerFields(QStringLiteral("qz_still_to_make"))));
    CatalogComboBox* combo = d->catalogCombo();
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(combo->view()->isVisible());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QVERIFY2(items.contains(catalog.name()) && items.contains(QStringLiteral("postgres")),
             qPrintable(items.join(',')));
    QVERIFY(!items.contains(QStringLiteral("template0")) &&
            !items.contains(QStringLiteral("template1")));
    QStringList sorted = items;
    sorted.sort();
    QCOMPARE(items, sorted);
    combo->hidePopup();
    QCOMPARE(combo->currentText(), QStringLiteral("qz_still_to_make"));

    // Nothing typed: the first entry. A name in the list: that one.
    combo->setEditText(QString());
    combo->showPopup();
    combo->hidePopup();
    QCOMPARE(combo->currentText(), items.first());
    combo->setEditText(catalog.name());
    combo->showPopup();
    combo->hidePopup();
    QCOMPARE(combo->currentText(), catalog.name());
    QCOMPARE(combo->count(), items.size());

    // A server that does not answer: the driver's reason, with the stop icon.
    d->serverEdit()->setText(QStringLiteral("127.0.0.1:1"));
    w.prompt.expect(QString());
    combo->showPopup();
    combo->hidePopup();
    QCOMPARE(w.prompt.shown.size(), 1);
    QCOMPARE(w.prompt.shown.first().icon, Icon::Error);
    QVERIFY(!w.prompt.shown.first().text.isEmpty());
}

void tst_ConnData::newCatalogButton() {
    World w;
    CatalogsToDrop drop;
    const QString name = TestSupport::UniqueName(QStringLiteral("qz_button_"));
    drop.names << name;
    const Fields f = ServerFields(name, QStringLiteral("x;\"y\""));
    auto d = w.dialog(ConnectionProbe::Build(ServerFields(QString())));
    d->passwordEdit()->setText(f.password);
    Type(d->catalogCombo()->lineEdit(), name);
    w.prompt.expect(QStringLiteral("Database "));
    Click(d->newCatalogButton());
    QCOMPARE(Texts(w.prompt),
             QStringList(
                 {QStringLiteral("Database %1 su %2 creato con successo!").arg(name, f.server)}));
    QCOMPARE(w.prompt.shown.first().icon, Icon::Information);
    // The template's units, as the case rule leaves them.
    Database db(TestSupport::UniqueName(QStringLiteral("button_")));
    QVERIFY2(db.open(ConnectionProbe::Build(f)), qPrintable(db.errorText()));
    QStringList expected;
    for (const Schema::Unit& u : Schema::StarterUnits())
        expected << CatalogCreator::UnitText(QString::fromUtf8(u.sigla)) + QStringLiteral("|") +
                        CatalogCreator::UnitText(QString::fromUtf8(u.descrizione));
    QCOMPARE(Units(db), expected);
    db.close();

    // Then saved as the connection to use.
    Click(d->findChild<QPushButton*>(QStringLiteral("Salva")));
    QCOMPARE(d->result(), int(CConnDataDlg::Saved));
    QCOMPARE(w.stored(), ConnectionProbe::Build(f));

    // Pressed again: the catalog exists, the server says so, and it is kept.
    auto again = w.dialog(ConnectionProbe::Build(f));
    w.prompt.shown.clear();
    w.prompt.expect(QString());
    Click(again->newCatalogButton());
    QCOMPARE(w.prompt.shown.size(), 1);
    QCOMPARE(w.prompt.shown.first().icon, Icon::Error);
    QVERIFY(!w.prompt.shown.first().text.contains(QStringLiteral("\"y\"")));
    QVERIFY(CatalogExists(name));
}

void tst_ConnData::rawStringDialog() {
    World w;
    QTemporaryDir dir;
    const QString archive = TestSupport::CopyTemplate(dir);
    w.profile.setValue(S::Settings, QStringLiteral("MyConnection"), QStringLiteral("before"));
    CConnStringDlg d(w.profile, w.prompt,
                     QStringLiteral("Provider=QSQLITE;Data Source=/nowhere.db"));
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Connessione Avanzata"));
    QCOMPARE(d.stringEdit()->text(), QStringLiteral("Provider=QSQLITE;Data Source=/nowhere.db"));
    auto* save = d.findChild<QPushButton*>(QStringLiteral("Salva"));
    w.prompt.expect(kOpenFailed);
    Click(save);
    QVERIFY(d.isVisible());
    QCOMPARE(w.prompt.shown.first().text,
             kOpenFailed + QStringLiteral("\n\nFile non trovato: /nowhere.db"));
    QCOMPARE(w.stored(), QStringLiteral("before"));

    d.stringEdit()->clear();
    Type(d.stringEdit(), QStringLiteral("  ") + ConnectionString::ForSqlite(archive));
    Click(save);
    QCOMPARE(d.result(), int(CConnStringDlg::Saved));
    QCOMPARE(w.stored(), ConnectionString::ForSqlite(archive));

    CConnStringDlg cancelled(w.profile, w.prompt, QString());
    cancelled.show();
    Click(cancelled.findChild<QPushButton*>(QStringLiteral("Annulla")));
    QCOMPARE(cancelled.result(), int(CConnStringDlg::Cancelled));
    QCOMPARE(w.prompt.shown.size(), 1);
}

QTEST_MAIN(tst_ConnData)
#include "tst_ConnData.moc"
