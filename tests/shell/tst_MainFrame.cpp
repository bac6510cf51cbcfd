// label: gui
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "agenda/ui/CAgendaView.h"
#include "agenda/ui/CCalAppBar.h"
#include "barcode/SerialBarcodePort.h"
#include "barcode/ui/CLettoreBarreDialog.h"
#include "common/ChangeNotifier.h"
#include "common/Language.h"
#include "common/ui/CFrameView.h"
#include "common/ui/CMainDoc.h"
#include "counterparts/ui/CAnaMovBar.h"
#include "counterparts/ui/CAnagraficheView.h"
#include "items/ui/CArticoliView.h"
#include "items/ui/CArticoloDialog.h"
#include "items/ui/CMovArtBar.h"
#include "items/ui/COfferteDialog.h"
#include "items/ui/CUniMisDialog.h"
#include "items/ui/CVarArtDialog.h"
#include "items/ui/CVarOtherDialog.h"
#include "movements/ui/CMovRowBar.h"
#include "movements/ui/CMovimentiView.h"
#include "shell/ApplicationLook.h"
#include "shell/FrameRules.h"
#include "shell/FrameTimers.h"
#include "shell/RibbonLayout.h"
#include "shell/ui/CMainApp.h"
#include "shell/ui/CMainFrame.h"
#include "shell/ui/CRibbonBar.h"
#include "shell/ui/CRibbonCategory.h"
#include "shell/ui/CRibbonPanel.h"
#include "shell/ui/CSplashWnd.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <memory>

using InternetState = StartupChecks::InternetState;
namespace RL = RibbonLayout;

namespace {

class RecordingBrowser : public IBrowser {
public:
    bool open(const QUrl& url) override {
        opened << url.toString();
        return true;
    }
    QStringList opened;
};

// A view that writes down what the frame asks of it.
class RecordingView : public CFrameView {
public:
    RecordingView(CMainDoc& doc, int index, std::shared_ptr<QStringList> log)
        : CFrameView(doc), m_index(index), m_log(std::move(log)) {}
    void becameVisible() override { note(QStringLiteral("visible")); }
    void reload() override { note(QStringLiteral("reload")); }
    void refresh() override { note(QStringLiteral("refresh")); }
    void saveState() override { note(QStringLiteral("save")); }
    void recomputeItem(int id) override { note(QStringLiteral("item %1").arg(id)); }
    void recomputeMovement(int id) override { note(QStringLiteral("movement %1").arg(id)); }

private:
    void note(const QString& what) { *m_log << QStringLiteral("%1:%2").arg(m_index).arg(what); }
    int m_index;
    std::shared_ptr<QStringList> m_log;
};

// A user with a company already set up, in temporary folders.
struct Sandbox {
    QTemporaryDir dir;
    QString profileFile = dir.filePath(QStringLiteral("config/Norvisk/Quarzil.ini"));
    QString appData = dir.filePath(QStringLiteral("data"));
    QString instanceName = TestSupport::UniqueName(QStringLiteral("qz_frame_"));
    std::shared_ptr<ScriptedPrompt> prompt = std::make_shared<ScriptedPrompt>();
    std::shared_ptr<RecordingBrowser> browser = std::make_shared<RecordingBrowser>();
    std::shared_ptr<InternetState> internet =
        std::make_shared<InternetState>(InternetState::Connected);
    bool splash = false;
    QString language;

    Sandbox() {
        QDir().mkpath(appData);
        write(QStringLiteral("Azienda/RagSoc"), QStringLiteral("Rossi Srl"));
    }

    void write(const QString& key, const QVariant& value) const {
        QDir().mkpath(QFileInfo(profileFile).absolutePath());
        QSettings s(profileFile, QSettings::IniFormat);
        s.setValue(key, value);
    }
    // What is on disk (a copy: QSettings objects of one process share their cache).
    QVariant stored(const QString& key) const {
        const QString copy = dir.filePath(TestSupport::UniqueName(QStringLiteral("disk_")));
        QFile::copy(profileFile, copy);
        return QSettings(copy, QSettings::IniFormat).value(key);
    }

    std::unique_ptr<CMainApp> start() const {
        MainAppEnvironment env;
        env.userProfileFile = profileFile;
        env.machineProfileFile = dir.filePath(QStringLiteral("machine.ini"));
        env.applicationDataFolder = appData;
        env.executableFolder = TestSupport::BuildDir();
        env.instanceName = instanceName;
        env.prompt = prompt;
        env.browser = browser;
        env.internetState = [state = internet] { return *state; };
        env.display = [] { return std::make_pair(QSize(1280, 1024), 24); };
        env.showSplash = splash;
        env.language = language;
        auto app = std::make_unique<CMainApp>(std::move(env));
        app->runCompanyWizard = [] {};
        if (!app->initInstance())
            return nullptr;
        return app;
    }
};

// Every command a visible button of the category reaches, through drop-downs too, when the
// button lies inside the category's width.
QSet<QAction*> Reachable(CRibbonCategory* category) {
    QSet<QAction*> found;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (a->menu())
                walk(a->menu());
            else if (!a->isSeparator())
                found.insert(a);
        }
    };
    for (QToolButton* b : category->findChildren<QToolButton*>()) {
        if (!b->isVisibleTo(category))
            continue;
        const QRect r(b->mapTo(category, QPoint()), b->size());
        if (r.right() >= category->width())
            continue;
        if (b->defaultAction())
            found.insert(b->defaultAction());
        if (b->menu())
            walk(b->menu());
    }
    return found;
}

} // namespace

class tst_MainFrame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    // Categories, views, panes and the ribbon.
    void categoriesShowTheirViewAndPane();
    void closedPaneStaysClosedUntilTicked();
    void ribbonAt800PixelsKeepsEveryCommand();
    void applicationMenuAndQuickAccess();
    void readerSettingsFromTheMenu();

    // The items pane's list and the status bar.
    void movArtBarColumns();
    void rowCountTexts_data();
    void rowCountTexts();
    void statusBarPanes();
    void itemsViewKeysReachIt();

    // Routing, persistence, timers, web pages, splash.
    void notifierReachesTheRightViews();
    void placementAndLookSurviveRestart();
    void disabledFieldsLookDisabled();
    void windowsCarryTheProgramIcon();
    void timersCallTheirHooks();
    void offlineUpdateCheckWarns();
    void unitsDialogKeepsItsChangesHoweverClosed();
    void itemDialogsFromItems();
    void newsRule_data();
    void newsRule();
    void infoWindowFollowsTheFrame();
    void webCommandsOpenConfiguredPages();
    void splashFitsItsTexts();
    void qtTextsInItalian();
    void languageChosenStoredAndOverridden();
};

void tst_MainFrame::initTestCase() {
    QVERIFY2(QFile::exists(TestSupport::TemplateFile()), qPrintable(TestSupport::TemplateFile()));
    qunsetenv("QUARZIL_NONINTERACTIVE");
}

void tst_MainFrame::categoriesShowTheirViewAndPane() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    QCOMPARE(frame->activeViewIndex(), 0);

    QStringList titles;
    for (QDockWidget* d : frame->findChildren<QDockWidget*>())
        titles << d->windowTitle();
    QCOMPARE(titles, QStringList({"Movimenti di magazzino", "Righe del movimento",
                                  "Ultimi 250 movimenti di magazzino", "Calendario"}));

    const QStringList categories{"Magazzino", "Movimenti / Fatture", "Anagrafiche", "Agenda"};
    for (int i : {1, 2, 3, 0}) {
        frame->ribbon()->tabBar()->setCurrentIndex(i);
        QCOMPARE(frame->ribbon()->tabBar()->tabText(i), categories.at(i));
        QCOMPARE(frame->activeViewIndex(), i);
        auto* stack = qobject_cast<QStackedWidget*>(frame->centralWidget());
        QCOMPARE(stack->currentWidget(), frame->view(i));
        QCOMPARE(bool(qobject_cast<CArticoliView*>(frame->view(i))), i == 0);
        QCOMPARE(bool(qobject_cast<CMovimentiView*>(frame->view(i))), i == 1);
        QCOMPARE(bool(qobject_cast<CAnagraficheView*>(frame->view(i))), i == 2);
        QCOMPARE(bool(qobject_cast<CAgendaView*>(frame->view(i))), i == 3);
        if (i == 1) {
            QCOMPARE(frame->windowTitle(), QStringLiteral("Movimenti di Magazzino - Quarzil"));
            QCOMPARE(frame->statusText()->text(),
                     QStringLiteral("Numero di movimenti nella lista: 0"));
            QVERIFY(qobject_cast<CMovRowBar*>(frame->pane(1)));
        }
        if (i == 2) {
            QCOMPARE(frame->windowTitle(), QStringLiteral("Anagrafiche - Quarzil"));
            QCOMPARE(frame->statusText()->text(),
                     QStringLiteral("Numero di anagrafiche nella lista: 0"));
            QVERIFY(qobject_cast<CAnaMovBar*>(frame->pane(2)));
        }
        if (i == 3) {
            QCOMPARE(frame->windowTitle(), QStringLiteral("Agenda - Quarzil"));
            QCOMPARE(frame->statusText()->text(), QStringLiteral("Agenda appuntamenti"));
            QVERIFY(qobject_cast<CCalAppBar*>(frame->pane(3)));
        }
        for (int p = 0; p < CMainFrame::kViewCount; ++p)
            QCOMPARE(frame->pane(p)->isVisible(), p == i);

        // Every category's commands are there; keys belong to the visible one only.
        const QString f3 = QStringLiteral("F3");
        const int newIds[] = {32771, 32784, 32812};
        const int views[] = {0, 2, 3};
        for (int k = 0; k < 3; ++k) {
            QAction* a = frame->viewCommand(views[k], newIds[k]);
            QVERIFY(a);
            QVERIFY(a->isEnabled());
            QCOMPARE(a->shortcut().toString(), views[k] == i ? f3 : QString());
        }
        QVERIFY(frame->viewCommand(i, RL::Aggiorna));
        QVERIFY(frame->viewCommand(i, RL::Aggiorna)->isEnabled());
        QAction* newUnload = frame->viewCommand(1, 32777);
        QVERIFY(newUnload && newUnload->isEnabled());
        QCOMPARE(newUnload->shortcut().toString(), i == 1 ? f3 : QString());
    }
    QVERIFY(frame->command(RL::DatiAziendali)->isEnabled());
    QVERIFY(frame->command(RL::UnitaMisura)->isEnabled());
    QVERIFY(frame->command(RL::BackupDati)->isEnabled());
    QVERIFY(frame->command(RL::ConnData)->isEnabled());
    // Movements and counterparts: same id, their own texts.
    QCOMPARE(frame->viewCommand(1, 32794)->text(), QStringLiteral("Trova Movimento"));
    QCOMPARE(frame->viewCommand(2, 32794)->text(), QStringLiteral("Trova Anagrafica"));
    QVERIFY(box.prompt->unexpected.isEmpty());
    app->exitInstance();

    // Only the items pane is visible in the stored docking state.
    QCOMPARE(box.stored("Workspace/BasePane-32797/IsVisible").toInt(), 1);
    for (int id : {32798, 32799, 32800, 32811, 32813})
        QCOMPARE(box.stored(QStringLiteral("Workspace/BasePane-%1/IsVisible").arg(id)).toInt(), 0);
}

void tst_MainFrame::closedPaneStaysClosedUntilTicked() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    QAction* toggle = frame->command(RL::MovArtBar);
    QVERIFY(frame->pane(0)->isVisible());
    QVERIFY(toggle->isChecked());

    QVERIFY(frame->pane(0)->close());
    app->profile().sync();
    QCOMPARE(box.stored("Settings/MovArtBar").toInt(), 0);
    QVERIFY(!toggle->isChecked());

    // Away and back: the pane stays closed; the other view's pane is unaffected.
    frame->ribbon()->setCurrentCategory(2);
    QVERIFY(frame->pane(2)->isVisible());
    QCOMPARE(app->profile().integer(Profile::Section::Settings, "AnaMovBar", 1), 1);
    frame->ribbon()->setCurrentCategory(0);
    QVERIFY(!frame->pane(0)->isVisible());
    QVERIFY(!toggle->isChecked());

    toggle->trigger();
    QVERIFY(frame->pane(0)->isVisible());
    QVERIFY(toggle->isChecked());
    app->profile().sync();
    QCOMPARE(box.stored("Settings/MovArtBar").toInt(), 1);

    // Ticking it off again is remembered the same way.
    toggle->trigger();
    QVERIFY(!frame->pane(0)->isVisible());
    app->profile().sync();
    QCOMPARE(box.stored("Settings/MovArtBar").toInt(), 0);
    app->exitInstance();
}

void tst_MainFrame::ribbonAt800PixelsKeepsEveryCommand() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    for (int width : {1600, 800}) {
        frame->resize(width, 600);
        QApplication::processEvents();
        int collapsed = 0;
        for (int i = 0; i < CMainFrame::kViewCount; ++i) {
            frame->ribbon()->setCurrentCategory(i);
            QApplication::processEvents();
            CRibbonCategory* category = frame->ribbon()->category(i);
            QCOMPARE(category->width(), frame->width());
            const QSet<QAction*> reachable = Reachable(category);
            for (int id : RL::CategoryCommands(i)) {
                QAction* a =
                    RL::IsFrameCommand(id) ? frame->command(id) : frame->viewCommand(i, id);
                QVERIFY2(reachable.contains(a),
                         qPrintable(QStringLiteral("%1 px, category %2, command %3")
                                        .arg(width)
                                        .arg(i)
                                        .arg(id)));
            }
            // Panels collapse from the right: never an open panel after a collapsed one.
            bool seenCollapsed = false;
            for (CRibbonPanel* p : category->panels()) {
                QVERIFY(!seenCollapsed || p->isCollapsed());
                seenCollapsed = seenCollapsed || p->isCollapsed();
                collapsed += p->isCollapsed();
            }
        }
        if (width == 800)
            QVERIFY(collapsed > 0);
        else
            QCOMPARE(collapsed, 0);
    }
    app->exitInstance();
}

void tst_MainFrame::applicationMenuAndQuickAccess() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    QStringList menu;
    for (QAction* a : frame->ribbon()->applicationMenu()->actions())
        menu << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(menu,
             QStringList({"Connessione Dati", "Importa archivio Access (.mdb)...", "Dati Aziendali",
                          "Unità di Misura", "Lettore a Barre...", "Backup Dati", "-",
                          "Pagina Facebook", "Canale YouTube", "Pagina Web", "-", "Programma",
                          "Stile", "Lingua", "&Informazioni su Quarzil...", "-", "&Esci"}));
    auto* programma = frame->ribbon()->applicationMenu()->findChild<QMenu*>("Programma");
    QStringList group;
    for (QAction* a : programma->actions())
        group << a->text();
    QCOMPARE(group, QStringList({"A&ggiornamenti", "Manuale &utente", "Commenti e &suggerimenti",
                                 "Invia statistiche d'uso &anonime"}));
    QStringList quick;
    for (QToolButton* b : frame->ribbon()->quickAccessButtons())
        quick << b->defaultAction()->text();
    QCOMPARE(quick,
             QStringList({"Connessione Dati", "Dati Aziendali", "Unità di Misura", "Backup Dati"}));
    QCOMPARE(frame->command(RL::Manuale)->toolTip(), QStringLiteral("Apre il manuale online"));
    QCOMPARE(frame->viewCommand(0, 32773)->toolTip(),
             QStringLiteral("Elimina i prodotti selezionati (Ctrl+D)"));
    app->exitInstance();
}

void tst_MainFrame::readerSettingsFromTheMenu() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    QVERIFY(!app->serialReader().isActive());
    const QString port = QDir::temp().filePath(QStringLiteral("quarzil-no-such-tty"));
    // A serial reader that is not plugged in: the program says so once and keeps trying.
    box.prompt->expect(QStringLiteral("Il lettore di codici a barre sulla porta"));
    QTimer::singleShot(0, this, [port] {
        auto* dialog = qobject_cast<CLettoreBarreDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->port()->setCurrentText(port);
        QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
    });
    app->mainFrame()->command(RL::LettoreBarre)->trigger();
    QCOMPARE(app->profile().string(Profile::Section::Hardware, QStringLiteral("LettPort")), port);
    QVERIFY(app->serialReader().isActive());
    QTRY_COMPARE(box.prompt->shown.size(), 1);
    QCOMPARE(box.prompt->shown.first().text,
             QStringLiteral("Il lettore di codici a barre sulla porta %1 non risponde: è "
                            "scollegato o spento? I codici saranno letti di nuovo appena sarà "
                            "ricollegato.")
                 .arg(port));
    QTest::qWait(1200);
    QCOMPARE(box.prompt->shown.size(), 1);
    app->exitInstance();
    QVERIFY(!app->serialReader().isActive());
}

void tst_MainFrame::movArtBarColumns() {
    Sandbox box;
    box.write("List/ArtMov2", 150);
    box.write("List/ArtMov3", 7); // an old value below the minimum
    auto app = box.start();
    QVERIFY(app);
    CMovArtBar* bar = app->mainFrame()->movArtBar();
    QTreeView* list = bar->list();
    QStringList headers;
    for (int c = 0; c < 4; ++c)
        headers << list->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringList({"Numero", "Data", "Tipo di Movimento", "Cliente / Fornitore"}));
    QCOMPARE(list->header()->sectionSize(0), 200);
    QCOMPARE(list->header()->sectionSize(1), 150);
    QCOMPARE(list->header()->sectionSize(2), 20);
    QCOMPARE(list->header()->sectionSize(3), 400);
    QVERIFY(list->alternatingRowColors());
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(list->palette().color(QPalette::AlternateBase) !=
            list->palette().color(QPalette::Base));

    list->header()->resizeSection(0, 5);
    list->header()->resizeSection(3, 333);
    app->profile().sync();
    QCOMPARE(box.stored("List/ArtMov1").toInt(), 20);
    QCOMPARE(box.stored("List/ArtMov4").toInt(), 333);

    bar->setRows(
        {{41, "12", "01/03/2024", "Carico", "Bianchi"}, {42, "13", "02/03/2024", "Vendita", ""}});
    QCOMPARE(list->model()->rowCount(), 2);
    QCOMPARE(list->model()->index(1, 2).data().toString(), QStringLiteral("Vendita"));
    QCOMPARE(bar->movementId(1), 42);
    QSignalSpy activated(bar, &CMovArtBar::movementActivated);
    Q_EMIT list->doubleClicked(list->model()->index(1, 0));
    QCOMPARE(activated.value(0), QVariantList({1, 42}));
    app->exitInstance();
    QCOMPARE(box.stored("List/ArtMov1").toInt(), 20);
    QCOMPARE(box.stored("List/ArtMov3").toInt(), 20);
}

void tst_MainFrame::rowCountTexts_data() {
    QTest::addColumn<QString>("grouping");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("items") << "." << 1 << 7 << "Numero di articoli nella lista: 7";
    QTest::newRow("movements") << "." << 2 << 1234 << "Numero di movimenti nella lista: 1.234";
    QTest::newRow("own grouping") << "'" << 2 << 1234567
                                  << "Numero di movimenti nella lista: 1'234'567";
    QTest::newRow("counterparts") << "." << 3 << 1000 << "Numero di anagrafiche nella lista: 1.000";
    QTest::newRow("agenda") << "." << 4 << 99 << "Agenda appuntamenti";
    QTest::newRow("kind 5") << "." << 5 << 1234 << "";
    QTest::newRow("kind 0") << "." << 0 << 3 << "";
}

void tst_MainFrame::rowCountTexts() {
    QFETCH(QString, grouping);
    QFETCH(int, kind);
    QFETCH(int, count);
    QFETCH(QString, text);
    Sandbox box;
    box.write("Azienda/MigValNum", grouping);
    auto app = box.start();
    QVERIFY(app);
    QLabel* status = app->mainFrame()->statusText();
    Q_EMIT app->notifier().rowCountChanged(1, 5);
    QVERIFY(!status->text().isEmpty());
    Q_EMIT app->notifier().rowCountChanged(kind, count);
    QCOMPARE(status->text(), text);
    app->exitInstance();
}

void tst_MainFrame::statusBarPanes() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    // The items view counts its rows (none in a new archive).
    QCOMPARE(frame->statusText()->text(), QStringLiteral("Numero di articoli nella lista: 0"));
    auto* help = frame->statusBar()->findChild<QLabel*>("StatusPane-120");
    auto* product = frame->statusBar()->findChild<QLabel*>("StatusPane-121");
    QCOMPARE(help->text(), QStringLiteral("Per visualizzare il manuale online premere F1"));
    QCOMPARE(product->text(), QStringLiteral("Quarzil"));
    QCOMPARE(frame->statusText()->accessibleName(), QStringLiteral("Conteggio Dati"));

    QAction* toggle = frame->command(RL::StatusBar);
    QVERIFY(toggle->isChecked());
    toggle->trigger();
    QVERIFY(!frame->statusBar()->isVisible());
    toggle->trigger();
    QVERIFY(frame->statusBar()->isVisible());
    app->exitInstance();
}

void tst_MainFrame::itemsViewKeysReachIt() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    frame->show();
    QApplication::setActiveWindow(frame);
    QVERIFY(QTest::qWaitForWindowActive(frame));
    auto* items = qobject_cast<CArticoliView*>(frame->view(0));
    QVERIFY(items);
    // The ribbon's keyed commands and the view's own keys never make one key ambiguous.
    QSignalSpy counts(&app->notifier(), &ChangeNotifier::rowCountChanged);
    items->table()->setFocus();
    QTest::keyClick(items->table(), Qt::Key_F5);
    QCOMPARE(counts.size(), 1);
    frame->viewCommand(0, RL::Aggiorna)->trigger();
    QCOMPARE(counts.size(), 2);
    // Back from another category, the status bar counts the items again.
    frame->setActiveView(3);
    QCOMPARE(frame->statusText()->text(), QStringLiteral("Agenda appuntamenti"));
    frame->setActiveView(0);
    QCOMPARE(frame->statusText()->text(), QStringLiteral("Numero di articoli nella lista: 0"));
    QVERIFY(box.prompt->unexpected.isEmpty());
    app->exitInstance();
}

void tst_MainFrame::notifierReachesTheRightViews() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    auto log = std::make_shared<QStringList>();
    for (int i = 0; i < CMainFrame::kViewCount; ++i)
        frame->setView(i, new RecordingView(frame->document(), i, log));
    ChangeNotifier& n = app->notifier();

    Q_EMIT n.itemRecomputeRequested(5);
    Q_EMIT n.itemsRecomputeRequested({6, 7});
    Q_EMIT n.movementRecomputeRequested(9);
    Q_EMIT n.viewReloadRequested(2);
    QCOMPARE(*log, QStringList({"0:item 5", "0:item 6", "0:item 7", "1:movement 9", "2:reload"}));

    log->clear();
    Q_EMIT n.viewReloadRequested(7);
    Q_EMIT n.viewReloadRequested(-1);
    Q_EMIT n.viewReloadRequested(4);
    QVERIFY2(log->isEmpty(), qPrintable(log->join(u',')));

    Q_EMIT n.refreshAllRequested();
    QCOMPARE(*log, QStringList({"0:refresh", "1:refresh", "2:refresh", "3:refresh"}));

    log->clear();
    frame->ribbon()->setCurrentCategory(3);
    QCOMPARE(*log, QStringList({"3:visible"}));

    // "Dati Aziendali" from the quick-access bar: the sheet, and after OK every view refreshes.
    log->clear();
    QString sheetTitle;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        if (auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            sheetTitle = sheet->windowTitle();
            sheet->accept();
            if (sheet->isVisible())
                sheet->reject();
        }
    });
    answer.start(20);
    frame->ribbon()->quickAccessButtons().at(1)->click();
    answer.stop();
    QCOMPARE(sheetTitle, QStringLiteral("Gestione Dati Aziendali"));
    QVERIFY2(box.prompt->shown.isEmpty(), qPrintable(box.prompt->shown.value(0).text));
    QCOMPARE(*log, QStringList({"0:refresh", "1:refresh", "2:refresh", "3:refresh"}));

    log->clear();
    app->exitInstance();
    QCOMPARE(*log, QStringList({"0:save", "1:save", "2:save", "3:save"}));
}

void tst_MainFrame::placementAndLookSurviveRestart() {
    Sandbox box;
    {
        auto app = box.start();
        QVERIFY(app);
        CMainFrame* frame = app->mainFrame();
        QCOMPARE(frame->look(), ApplicationLook::kDefault);
        QVERIFY(frame->command(215)->isChecked());
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 ApplicationLook::Palette(215).color(QPalette::Window));
        frame->setGeometry(60, 40, 700, 500);
        frame->command(216)->trigger();
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 ApplicationLook::Palette(216).color(QPalette::Window));
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
        app->exitInstance();
    }
    QCOMPARE(box.stored("Settings/Left").toInt(), 60);
    QCOMPARE(box.stored("Settings/Top").toInt(), 40);
    QCOMPARE(box.stored("Settings/Right").toInt(), 760);
    QCOMPARE(box.stored("Settings/Bottom").toInt(), 540);
    QCOMPARE(box.stored("Settings/Style").toInt(), 1);
    QCOMPARE(box.stored("Workspace/ApplicationLook").toInt(), 216);

    {
        auto app = box.start();
        QVERIFY(app);
        CMainFrame* frame = app->mainFrame();
        QCOMPARE(frame->geometry(), QRect(60, 40, 700, 500));
        QCOMPARE(frame->look(), 216);
        QVERIFY(frame->command(216)->isChecked());
        QVERIFY(!frame->command(215)->isChecked());
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 ApplicationLook::Palette(216).color(QPalette::Window));
        frame->showMaximized();
        app->exitInstance();
    }
    QCOMPARE(box.stored("Settings/Style").toInt(), 3);
    // Maximised, the stored rectangle is still the normal one.
    QCOMPARE(box.stored("Settings/Left").toInt(), 60);
    QCOMPARE(box.stored("Settings/Right").toInt(), 760);

    // A value that is not a look starts with the default one.
    box.write("Workspace/ApplicationLook", 212);
    auto app = box.start();
    QVERIFY(app);
    QCOMPARE(app->mainFrame()->look(), 215);
    app->exitInstance();
}

// On every look of its own, a disabled field is drawn unlike one waiting to be filled.
void tst_MainFrame::disabledFieldsLookDisabled() {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    QVERIFY(fusion);
    for (int look = 215; look <= 218; ++look) {
        QWidget window;
        window.setStyle(fusion.get());
        window.setPalette(ApplicationLook::Palette(look));
        auto* enabled = new QLineEdit(&window);
        auto* disabled = new QLineEdit(&window);
        for (QLineEdit* e : {enabled, disabled})
            e->setStyle(fusion.get());
        enabled->setGeometry(0, 0, 120, 24);
        disabled->setGeometry(0, 30, 120, 24);
        disabled->setEnabled(false);
        const QImage shot = window.grab(QRect(0, 0, 120, 54)).toImage();
        QVERIFY2(shot.pixelColor(60, 12) != shot.pixelColor(60, 42),
                 qPrintable(QString::number(look)));
        QCOMPARE(shot.pixelColor(60, 42), ApplicationLook::Palette(look).color(QPalette::Window));
    }
}

void tst_MainFrame::windowsCarryTheProgramIcon() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    const QIcon icon = app->mainFrame()->windowIcon();
    QVERIFY(!icon.isNull());
    // The very pictures of the desktop entry's icon, at every size the theme has.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        // Compared premultiplied, as a pixmap holds them.
        const QImage shown =
            icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage entry =
            QImage(QStringLiteral(QUARZIL_RESOURCES_DIR "/icons/quarzil-%1.png").arg(size))
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY2(!entry.isNull() && shown == entry,
                 qPrintable(QStringLiteral("%1: shown %2x%3, entry %4x%5")
                                .arg(size)
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(entry.width())
                                .arg(entry.height())));
    }
    // The dialogs have it too, messages included.
    {
        QDialog dialog(app->mainFrame());
        QCOMPARE(dialog.windowIcon().cacheKey(), icon.cacheKey());
    }
    app->exitInstance();
}

void tst_MainFrame::timersCallTheirHooks() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    QVERIFY(app->database().execute(
        QStringLiteral("INSERT INTO Articoli (Descrizione) VALUES ('Vite'), ('Dado')")));
    FrameTimers& timers = app->mainFrame()->timers();
    int updates = 0, news = 0, pings = 0;
    QPair<int, int> counted{-1, -1};
    timers.checkForUpdates = [&] { ++updates; };
    timers.fetchNews = [&] { ++news; };
    timers.sendUsagePing = [&](int items, int movements) {
        ++pings;
        counted = {items, movements};
    };

    app->setBusy(true);
    timers.start(10, 10, 10);
    QTRY_VERIFY(pings >= 2);
    QCOMPARE(updates, 0);
    QCOMPARE(news, 0);
    QCOMPARE(counted, qMakePair(2, 0));
    app->profile().sync();
    QCOMPARE(box.stored("Settings/NumArt").toInt(), 2);
    QCOMPARE(box.stored("Settings/NumMov").toInt(), 0);

    app->setBusy(false);
    QTRY_VERIFY(updates >= 2);
    // The news once: the next rounds fall within the day.
    QCOMPARE(news, 1);
    const QDateTime written =
        QDateTime::fromString(box.stored("Settings/DtMsgShow").toString(), Qt::ISODate);
    QVERIFY(qAbs(written.secsTo(QDateTime::currentDateTime())) < 60);
    timers.stop();

    // The standard intervals.
    QCOMPARE(FrameTimers::kUpdateInterval, 300000);
    QCOMPARE(FrameTimers::kUsageInterval, 60000);
    QCOMPARE(FrameTimers::kNewsInterval, 120000);
    QVERIFY(box.prompt->shown.isEmpty());
    app->exitInstance();
}

// The units dialog runs inside one transaction, committed however the user closes it: its
// button, Escape or the title bar; with no archive to start one on, the command refuses.
void tst_MainFrame::unitsDialogKeepsItsChangesHoweverClosed() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    QAction* command = app->mainFrame()->findChild<QAction*>(QStringLiteral("Command-32774"));
    QVERIFY(command && command->isEnabled());
    auto unitCount = [&] {
        QSqlQuery q;
        return app->database().query(
                   q, QStringLiteral("SELECT COUNT(*) FROM UnMis WHERE Sigla LIKE 'B_'")) &&
                       q.next()
                   ? q.value(0).toInt()
                   : -1;
    };
    enum class Close { Button, Escape, TitleBar };
    int expected = 0;
    for (const auto& [close, sigla] :
         {std::pair{Close::Button, "Bx"}, std::pair{Close::Escape, "By"},
          std::pair{Close::TitleBar, "Bz"}}) {
        QTimer::singleShot(0, this, [close = close, sigla = sigla] {
            auto* dialog = qobject_cast<CUniMisDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClicks(dialog->siglaEdit(), QLatin1String(sigla));
            QTest::keyClicks(dialog->descrizioneEdit(), QStringLiteral("Box"));
            QTest::keyClick(dialog->descrizioneEdit(), Qt::Key_Insert, Qt::ControlModifier);
            switch (close) {
            case Close::Button:
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Chiudi")),
                                  Qt::LeftButton);
                break;
            case Close::Escape:
                QTest::keyClick(dialog->descrizioneEdit(), Qt::Key_Escape);
                break;
            case Close::TitleBar:
                dialog->close();
                break;
            }
        });
        command->trigger();
        QCOMPARE(unitCount(), ++expected);
        QVERIFY(!app->database().inTransaction());
    }
    QVERIFY(box.prompt->shown.isEmpty());

    app->database().close();
    box.prompt->expect(QStringLiteral("Impossibile aprire l'archivio delle unità di misura!"));
    command->trigger();
    QVERIFY(box.prompt->pending().isEmpty());
    QCOMPARE(box.prompt->shown.last().icon, IPrompt::Icon::Warning);
    app->exitInstance();
}

void tst_MainFrame::itemDialogsFromItems() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    // New item, quick change, the change of other values and the promotions open their dialogs from
    // the items view.
    for (const auto& [id, title] :
         {std::pair{32771, CArticoloDialog::title()}, std::pair{32873, CVarArtDialog::title()},
          std::pair{32880, CVarOtherDialog::title()}, std::pair{32881, COfferteDialog::title()}}) {
        QAction* command = app->mainFrame()->viewCommand(0, id);
        QVERIFY(command && command->isEnabled());
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            shown = dialog->windowTitle();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        command->trigger();
        QCOMPARE(shown, title);
    }
    app->exitInstance();
}

void tst_MainFrame::offlineUpdateCheckWarns() {
    Sandbox box;
    *box.internet = InternetState::Disconnected;
    box.prompt->expect(QStringLiteral("Consiglio di connettere il computer"));
    auto app = box.start();
    QVERIFY(app);
    FrameTimers& timers = app->mainFrame()->timers();
    int calls = 0;
    timers.checkForUpdates = [&] { ++calls; };
    timers.fetchNews = [&] { ++calls; };
    timers.sendUsagePing = [&](int, int) { ++calls; };
    const QString warning = QStringLiteral("Si consiglia di collegare il computer ad internet per "
                                           "verificare la presenza di aggiornamenti!");
    box.prompt->expect(warning);
    box.prompt->expect(warning);
    timers.runUpdateCheck();
    timers.runUsageCount();
    timers.runNewsCheck();
    timers.runUpdateCheck();
    QCOMPARE(calls, 0);
    QVERIFY(box.prompt->pending().isEmpty());
    QVERIFY2(box.prompt->unexpected.isEmpty(), qPrintable(box.prompt->unexpected.join(u'\n')));
    QCOMPARE(box.prompt->shown.last().icon, IPrompt::Icon::Warning);
    QVERIFY(!box.stored("Settings/NumArt").isValid());

    // Back online: the check runs and the flag stays set.
    *box.internet = InternetState::Connected;
    timers.runUpdateCheck();
    QCOMPARE(calls, 1);
    QVERIFY(app->isInternetConnected());
    app->exitInstance();
}

void tst_MainFrame::newsRule_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("fetch");
    const QDateTime now(QDate(2024, 5, 10), QTime(12, 0));
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("garbage") << "ieri" << true;
    QTest::newRow("an hour ago") << now.addSecs(-3600).toString(Qt::ISODate) << false;
    QTest::newRow("23 hours ago") << now.addSecs(-23 * 3600).toString(Qt::ISODate) << false;
    QTest::newRow("25 hours ago") << now.addSecs(-25 * 3600).toString(Qt::ISODate) << true;
    QTest::newRow("tomorrow") << now.addDays(1).toString(Qt::ISODate) << true;
}

void tst_MainFrame::newsRule() {
    QFETCH(QString, stored);
    QFETCH(bool, fetch);
    const QDateTime now(QDate(2024, 5, 10), QTime(12, 0));
    const auto d = FrameRules::NewsRule(stored, now);
    QCOMPARE(d.fetch, fetch);
    QCOMPARE(d.writeNow, fetch);
    QCOMPARE(QDateTime::fromString(FrameRules::NewsStamp(now), Qt::ISODate), now);
}

void tst_MainFrame::infoWindowFollowsTheFrame() {
    // Half the width and a quarter of the height, with their minimums.
    QCOMPARE(FrameRules::InfoWindowRect(QRect(100, 50, 1000, 800), 820), QRect(600, 620, 500, 200));
    QCOMPARE(FrameRules::InfoWindowRect(QRect(0, 0, 600, 400), 380), QRect(250, 230, 350, 150));

    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    frame->setGeometry(20, 30, 760, 560);
    QWidget info(nullptr, Qt::Tool);
    info.show();
    frame->setInfoWindow(&info);
    const QRect inner(frame->mapToGlobal(QPoint()), frame->size());
    const int statusTop = frame->statusBar()->mapToGlobal(QPoint()).y();
    QCOMPARE(info.geometry(), FrameRules::InfoWindowRect(inner, statusTop));
    frame->resize(700, 520);
    QTRY_COMPARE(info.geometry().right(), frame->mapToGlobal(QPoint(frame->width() - 1, 0)).x());
    QCOMPARE(info.geometry().bottom() + 1, frame->statusBar()->mapToGlobal(QPoint()).y());
    app->exitInstance();
}

void tst_MainFrame::webCommandsOpenConfiguredPages() {
    Sandbox box;
    box.write("Web/Sito", "http://127.0.0.1:9/");
    box.write("Web/Facebook", "https://social.example/quarzil");
    auto app = box.start();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    for (int id : {RL::Manuale, RL::Facebook, RL::YouTube, RL::PaginaWeb, RL::Donazioni,
                   RL::AiutoAnagrafiche})
        frame->command(id)->trigger();
    frame->ribbon()->setCurrentCategory(1);
    QCOMPARE(frame->command(RL::Help)->shortcut(), QKeySequence(Qt::Key_F1));
    frame->command(RL::Help)->trigger();
    QCOMPARE(box.browser->opened,
             QStringList({"http://127.0.0.1:9/manuale/Quarzil/", "https://social.example/quarzil",
                          "http://127.0.0.1:9/youtube", "http://127.0.0.1:9/",
                          "http://127.0.0.1:9/donazioni.php",
                          "http://127.0.0.1:9/aiuto/Quarzil/clienti-fornitori.php",
                          "http://127.0.0.1:9/aiuto/Quarzil/movimenti.php"}));
    app->exitInstance();
}

void tst_MainFrame::splashFitsItsTexts() {
    QWidget owner;
    auto* splash = new CSplashWnd(&owner);
    const QSize screen = owner.screen()->geometry().size();
    QCOMPARE(splash->size(), QSize(qRound(screen.width() / 2.5), qRound(screen.height() / 2.5)));
    QVERIFY((splash->geometry().center() - owner.screen()->geometry().center()).manhattanLength() <=
            2);
    QStringList texts;
    for (const CSplashWnd::Text& t : splash->texts()) {
        texts << t.text;
        const QRect needed = QFontMetrics(t.font).boundingRect(t.rect, Qt::AlignCenter, t.text);
        QVERIFY2(needed.width() <= t.rect.width() && needed.height() <= t.rect.height(),
                 qPrintable(t.text));
    }
    QCOMPARE(texts, QStringList({"Quarzil", "Software per il Magazzino", "Versione 3.2"}));

    // Shrinking goes by 2 pixels from the starting size.
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(41);
    const int fitted = FrameRules::FittedPixelSize(big, QStringLiteral("Software per il Magazzino"),
                                                   QRect(0, 0, 120, 60));
    QVERIFY(fitted < 41 && fitted > 2);
    QCOMPARE((41 - fitted) % 2, 0);
    big.setPixelSize(fitted + 2);
    QVERIFY(QFontMetrics(big).horizontalAdvance(QStringLiteral("Software per il Magazzino")) > 120);

    // It goes away by itself, and a frame asked not to show it has none.
    QPointer<CSplashWnd> alive(splash);
    splash->show();
    QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 3000);

    Sandbox box;
    box.splash = true;
    auto app = box.start();
    QVERIFY(app);
    QVERIFY(app->mainFrame()->findChild<CSplashWnd*>());
    QTRY_VERIFY_WITH_TIMEOUT(!app->mainFrame()->findChild<CSplashWnd*>(), 3000);
    app->exitInstance();
}

void tst_MainFrame::qtTextsInItalian() {
    // Standard buttons read as the rest of the program does.
    bool qtMissing = true;
    QVERIFY(Language::Apply(QStringLiteral("it"), &qtMissing));
    QVERIFY(!qtMissing);
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help |
                         QDialogButtonBox::Yes | QDialogButtonBox::No);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annulla"));
    QCOMPARE(box.button(QDialogButtonBox::Help)->text(), QStringLiteral("Aiuto"));
    QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Sì"));
}

void tst_MainFrame::languageChosenStoredAndOverridden() {
    Sandbox box;
    {
        auto app = box.start();
        QVERIFY(app);
        QCOMPARE(Language::Active(), QStringLiteral("it"));
        auto* lingua = app->mainFrame()->ribbon()->applicationMenu()->findChild<QMenu*>("Lingua");
        QVERIFY(lingua);
        QStringList names;
        for (QAction* a : lingua->actions())
            names << a->text() + (a->isChecked() ? QStringLiteral("*") : QString());
        QCOMPARE(names, QStringList({"Italiano*", "English", "Español", "Français"}));
        // A window open while the language changes hears of it.
        QDialogButtonBox open(QDialogButtonBox::Cancel);
        QCOMPARE(open.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annulla"));
        lingua->actions()[3]->trigger();
        QCOMPARE(Language::Active(), QStringLiteral("fr"));
        QTRY_COMPARE(open.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));
        QCOMPARE(QCoreApplication::translate("FieldHelpers",
                                             "Il campo non può essere più lungo di %1 caratteri!"),
                 QStringLiteral("Le champ ne peut pas dépasser %1 caractères !"));
        QVERIFY(lingua->actions()[3]->isChecked() && !lingua->actions()[0]->isChecked());
        // The frame itself: ribbon tabs, panels, commands, menus and status bar.
        CMainFrame* frame = app->mainFrame();
        auto frameTexts = [frame] {
            QStringList t{frame->windowTitle(),
                          frame->ribbon()->tabBar()->tabText(0),
                          frame->ribbon()->category(0)->panels().at(0)->title(),
                          frame->viewCommand(0, 32771)->text(),
                          frame->viewCommand(0, 32771)->iconText(),
                          frame->command(Commands::Exit)->toolTip(),
                          frame->findChild<QMenu*>("Programma")->title(),
                          frame->findChild<QLabel*>("StatusPane-120")->text()};
            return t;
        };
        QTRY_COMPARE(
            frameTexts(),
            QStringList({"Stock - Quarzil", "Stock", "Articles", "Insérer un nouvel article",
                         "Insérer un\nnouvel article", "Ferme le programme", "Programme",
                         "Appuyez sur F1 pour le manuel en ligne"}));
        QCOMPARE(lingua->title(), QStringLiteral("Langue"));
        lingua->actions()[0]->trigger();
        QTRY_COMPARE(
            frameTexts(),
            QStringList({"Magazzino - Quarzil", "Magazzino", "Articoli", "Inserisci Nuovo Prodotto",
                         "Inserisci\nNuovo Prodotto", "Chiude il programma", "Programma",
                         "Per visualizzare il manuale online premere F1"}));
        lingua->actions()[3]->trigger();
        QCOMPARE(box.stored(QStringLiteral("Application/Lingua")).toString(), QStringLiteral("fr"));
        app->exitInstance();
    }
    // The next start comes up in the stored language, unless the command line names another.
    Language::Apply(QStringLiteral("it"));
    {
        auto app = box.start();
        QVERIFY(app);
        QCOMPARE(Language::Active(), QStringLiteral("fr"));
        app->exitInstance();
    }
    Language::Apply(QStringLiteral("it"));
    box.language = QStringLiteral("en");
    {
        auto app = box.start();
        QVERIFY(app);
        QCOMPARE(Language::Active(), QStringLiteral("en"));
        app->exitInstance();
    }
    box.language.clear();
    Language::Apply(QStringLiteral("it"));
    QCOMPARE(Language::FromArgument(QStringLiteral("EN_gb")), QStringLiteral("en"));
    QCOMPARE(Language::FromArgument(QStringLiteral("de")), QString());
    box.write(QStringLiteral("Application/Lingua"), QStringLiteral("xx"));
    {
        auto app = box.start();
        QVERIFY(app);
        QCOMPARE(Language::Active(), QStringLiteral("it"));
        app->exitInstance();
    }
}

QTEST_MAIN(tst_MainFrame)
#include "tst_MainFrame.moc"
