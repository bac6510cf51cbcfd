// label: gui
#include "MdbFakeSource.h"
#include "MdbTesting.h"
#include "ModalTesting.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/AppPaths.h"
#include "common/IFileDialogs.h"
#include "common/Profile.h"
#include "store/ConnectionString.h"
#include "store/ui/MdbImportFlow.h"

#include <QApplication>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class ScriptedFiles : public IFileDialogs {
public:
    struct Call {
        QString kind, title, folder, name, filter;
    };
    QString openAnswer;
    QString saveAnswer;
    QList<Call> calls;

    QString openFile(const QString& title, const QString& folder, const QString& filter) override {
        calls.append({QStringLiteral("open"), title, folder, QString(), filter});
        return openAnswer;
    }
    QString saveFile(const QString& title, const QString& folder, const QString& name,
                     const QString& filter) override {
        calls.append({QStringLiteral("save"), title, folder, name, filter});
        return saveAnswer;
    }
    QString chooseFolder(const QString& title, const QString& folder) override {
        calls.append({QStringLiteral("folder"), title, folder, QString(), QString()});
        return QString();
    }
};

// One user's profile, data folder and answers, in a temporary folder.
struct World {
    QTemporaryDir dir;
    QString appData = dir.filePath(QStringLiteral("data"));
    Profile profile{dir.filePath(QStringLiteral("Quarzil.ini")),
                    dir.filePath(QStringLiteral("machine.ini"))};
    ScriptedPrompt prompt;
    ScriptedFiles files;
    QString current = ConnectionString::ForSqlite(dir.filePath(QStringLiteral("in-use.db")));

    MdbImportFlow flow(std::function<MdbFakeSource()> make = {}) {
        MdbImportFlow f(profile, prompt, files, appData, current);
        if (make)
            f.openSource = [make](const QString&, QString*) {
                return std::unique_ptr<MdbImportSource>(new MdbFakeSource(make()));
            };
        return f;
    }
    QString myConnection() const {
        return profile.string(Profile::Section::Settings, QStringLiteral("MyConnection"));
    }
};

MdbFakeSource oneItem() {
    MdbFakeSource s = MdbFakeSource::Quarzil(20);
    s.addRow(QStringLiteral("Articoli"),
             {{"IDArticolo", 1}, {"Matricola", QStringLiteral("A-1")}, {"Prezzo", qlonglong(5)}});
    return s;
}

QString importedText(const QString& target) {
    return QStringLiteral("L'archivio vecchio.mdb è stato importato in %1 (%2 tabelle, 2 righe), "
                          "alla versione 20. Usare ora il nuovo archivio?")
        .arg(target)
        .arg(Schema::Tables().size());
}

} // namespace

class tst_MdbImportFlow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusesAForeignArchiveAfterReadingItsTables();
    void importsAndUsesTheNewArchiveOnYes();
    void theSwitchGoesThroughReconnectWhenSet();
    void noKeepsTheArchiveInUse();
    void neverOverwritesTheArchiveInUse();
    void cancelFromTheProgressDialogLeavesNothing();
    void aFailureIsShownAndLeavesNothing();
};

void tst_MdbImportFlow::refusesAForeignArchiveAfterReadingItsTables() {
    World w;
    const QString mdb = TestSupport::CopyMdbSample(w.dir, QStringLiteral("nwind.mdb"));
    QVERIFY(!mdb.isEmpty());
    w.files.openAnswer = mdb;
    const QString text =
        QStringLiteral("Il file nwind.mdb non è un archivio di Quarzil: mancano le tabelle "
                       "Articoli, Movimenti, SottoMovimenti, CliFor, UnMis, Ordini, SottoOrdini, "
                       "Informazioni. Tabelle del file: Order Details, Orders, Products, "
                       "Shippers, Categories, Customers, Employees, Suppliers, Umsätze.");
    w.prompt.expect(text);
    MdbImportFlow flow = w.flow();
    QVERIFY(!flow.run());
    QCOMPARE(w.prompt.shown.size(), 1);
    QCOMPARE(w.prompt.shown.first().text, text);
    QCOMPARE(w.prompt.shown.first().icon, IPrompt::Icon::Warning);
    QVERIFY(w.prompt.unexpected.isEmpty());
    // Only the file to import was asked for.
    QCOMPARE(w.files.calls.size(), 1);
    QCOMPARE(w.files.calls.first().title, QStringLiteral("Importa archivio Access"));
    QCOMPARE(w.files.calls.first().filter, QStringLiteral("Archivio Access (*.mdb *.mde)"));
    QCOMPARE(w.myConnection(), QString());
}

void tst_MdbImportFlow::importsAndUsesTheNewArchiveOnYes() {
    World w;
    w.files.openAnswer = w.dir.filePath(QStringLiteral("vecchio.mdb"));
    w.files.saveAnswer = w.dir.filePath(QStringLiteral("nuovo")); // typed without a suffix
    const QString target = w.dir.filePath(QStringLiteral("nuovo.db"));
    w.prompt.expect(importedText(target), IPrompt::Answer::Yes);
    w.prompt.expect(
        QStringLiteral("Il nuovo archivio sarà aperto al prossimo avvio del programma."));
    MdbImportFlow flow = w.flow(oneItem);
    QVERIFY(flow.run());
    QVERIFY2(w.prompt.unexpected.isEmpty(), qPrintable(w.prompt.unexpected.join(u'\n')));
    QVERIFY(w.prompt.pending().isEmpty());
    QCOMPARE(flow.importedFile(), target);
    QVERIFY(QFileInfo(target).isFile());
    QCOMPARE(w.myConnection(), QStringLiteral("Provider=QSQLITE;Data Source=") + target);
    // The new file is proposed in the data folder, named as the file imported.
    QCOMPARE(w.files.calls.size(), 2);
    const ScriptedFiles::Call save = w.files.calls.at(1);
    QCOMPARE(save.kind, QStringLiteral("save"));
    QCOMPARE(save.folder, AppPaths::DataFolder(w.appData));
    QCOMPARE(save.name, QStringLiteral("vecchio.db"));
    QCOMPARE(save.filter, QStringLiteral("Database Quarzil (*.db *.sqlite)"));
}

void tst_MdbImportFlow::theSwitchGoesThroughReconnectWhenSet() {
    World w;
    w.files.openAnswer = w.dir.filePath(QStringLiteral("vecchio.mdb"));
    const QString target = w.dir.filePath(QStringLiteral("nuovo.db"));
    w.files.saveAnswer = target;
    w.prompt.expect(importedText(target), IPrompt::Answer::Yes);
    MdbImportFlow flow = w.flow(oneItem);
    QStringList reconnected;
    flow.reconnect = [&](const QString& connection) {
        // MyConnection already holds it when the switch starts.
        QCOMPARE(w.myConnection(), connection);
        reconnected << connection;
    };
    QVERIFY(flow.run());
    QCOMPARE(reconnected, QStringList({ConnectionString::ForSqlite(target)}));
    QVERIFY(w.prompt.unexpected.isEmpty());
}

void tst_MdbImportFlow::noKeepsTheArchiveInUse() {
    World w;
    w.profile.setValue(Profile::Section::Settings, QStringLiteral("MyConnection"), w.current);
    w.files.openAnswer = w.dir.filePath(QStringLiteral("vecchio.mdb"));
    const QString target = w.dir.filePath(QStringLiteral("nuovo.db"));
    w.files.saveAnswer = target;
    w.prompt.expect(importedText(target), IPrompt::Answer::No);
    MdbImportFlow flow = w.flow(oneItem);
    QVERIFY(flow.run());
    QVERIFY(w.prompt.unexpected.isEmpty());
    QCOMPARE(w.myConnection(), w.current);
    QVERIFY(QFileInfo(target).isFile());
}

void tst_MdbImportFlow::neverOverwritesTheArchiveInUse() {
    World w;
    const QString inUse = w.dir.filePath(QStringLiteral("in-use.db"));
    {
        QFile f(inUse);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("in use");
    }
    w.files.openAnswer = w.dir.filePath(QStringLiteral("vecchio.mdb"));
    w.files.saveAnswer = inUse;
    const QString text = QStringLiteral(
        "Il file in-use.db è in uso: scegliere un altro nome per il nuovo archivio.");
    w.prompt.expect(text);
    MdbImportFlow flow = w.flow(oneItem);
    QVERIFY(!flow.run());
    QVERIFY(w.prompt.unexpected.isEmpty());
    QCOMPARE(w.prompt.shown.first().icon, IPrompt::Icon::Error);
    QFile f(inUse);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("in use"));
}

void tst_MdbImportFlow::cancelFromTheProgressDialogLeavesNothing() {
    World w;
    w.files.openAnswer = w.dir.filePath(QStringLiteral("vecchio.mdb"));
    const QString target = w.dir.filePath(QStringLiteral("nuovo.db"));
    w.files.saveAnswer = target;
    w.prompt.expect(QStringLiteral("Importazione annullata: nessun archivio è stato creato."));
    MdbImportFlow flow = w.flow([] {
        MdbFakeSource s = oneItem();
        QList<QVariantList> rows;
        for (int i = 1; i <= 200000; ++i)
            rows << QVariantList{i, i * 2};
        s.addTable(QStringLiteral("Grande"),
                   {{QStringLiteral("A"), MdbImportSource::Type::Int32},
                    {QStringLiteral("B"), MdbImportSource::Type::Int32}},
                   rows);
        return s;
    });
    bool clicked = false;
    QString caption;
    TestSupport::WhenShown<QProgressDialog>([&](QProgressDialog* d) {
        caption = d->windowTitle();
        auto* cancel = d->findChild<QPushButton*>();
        QVERIFY(cancel);
        QCOMPARE(cancel->text(), QStringLiteral("Annulla"));
        QTest::mouseClick(cancel, Qt::LeftButton);
        clicked = true;
    });
    QVERIFY(!flow.run());
    QVERIFY(clicked);
    QCOMPARE(caption, QStringLiteral("Importa archivio Access"));
    QVERIFY2(w.prompt.unexpected.isEmpty(), qPrintable(w.prompt.unexpected.join(u'\n')));
    QVERIFY(w.prompt.pending().isEmpty());
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(!QFileInfo::exists(target + QStringLiteral(".partial")));
    QCOMPARE(w.myConnection(), QString());
}

void tst_MdbImportFlow::aFailureIsShownAndLeavesNothing() {
    World w;
    w.files.openAnswer = w.dir.filePath(QStringLiteral("vecchio.mdb"));
    const QString target = w.dir.filePath(QStringLiteral("nuovo.db"));
    w.files.saveAnswer = target;
    w.prompt.expect(QStringLiteral(
        "Importazione non riuscita: pagina illeggibile. Nessun archivio è stato creato."));
    MdbImportFlow flow = w.flow([] {
        MdbFakeSource s = oneItem();
        s.failTable = QStringLiteral("Articoli");
        s.failAfter = 0;
        return s;
    });
    QVERIFY(!flow.run());
    QVERIFY2(w.prompt.unexpected.isEmpty(), qPrintable(w.prompt.unexpected.join(u'\n')));
    QCOMPARE(w.prompt.shown.first().icon, IPrompt::Icon::Error);
    QVERIFY(!QFileInfo::exists(target));
}

QTEST_MAIN(tst_MdbImportFlow)
#include "tst_MdbImportFlow.moc"
