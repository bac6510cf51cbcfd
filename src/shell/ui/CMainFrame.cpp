#include "shell/ui/CMainFrame.h"

#include "common/Language.h"

#include "agenda/ui/CAgendaView.h"
#include "agenda/ui/CCalAppBar.h"
#include "barcode/ui/CLettoreBarreDialog.h"
#include "common/MakerSite.h"
#include "common/WaitCursor.h"
#include "common/WebPages.h"
#include "common/ui/CMainDoc.h"
#include "common/ui/CPaneBar.h"
#include "company/CompanyLogo.h"
#include "company/ui/CAziendaSheet.h"
#include "counterparts/ui/CAnaMovBar.h"
#include "counterparts/ui/CAnagraficheView.h"
#include "exchange/ui/ItemExchange.h"
#include "items/ui/CArticoliView.h"
#include "items/ui/CArticoloDialog.h"
#include "items/ui/CMovArtBar.h"
#include "items/ui/COfferteDialog.h"
#include "items/ui/CUniMisDialog.h"
#include "items/ui/CVarArtDialog.h"
#include "items/ui/CVarOtherDialog.h"
#include "movements/ui/CMovRowBar.h"
#include "movements/ui/CMovimentiView.h"
#include "print/ui/CounterpartPrints.h"
#include "print/ui/DocumentPrinter.h"
#include "print/ui/ItemPrints.h"
#include "print/ui/MovementPrints.h"
#include "shell/ApplicationLook.h"
#include "shell/FrameRules.h"
#include "shell/FrameTimers.h"
#include "shell/RibbonLayout.h"
#include "shell/StartupChecks.h"
#include "shell/ui/CAboutDlg.h"
#include "shell/ui/CMainApp.h"
#include "shell/ui/CRibbonBar.h"
#include "shell/ui/CRibbonCategory.h"
#include "shell/ui/CRibbonPanel.h"
#include "shell/ui/CSplashWnd.h"
#include "shell/ui/OnlineServices.h"
#include "shell/ui/RibbonIcons.h"
#include "store/ArchiveBackup.h"
#include "store/ConnectionString.h"
#include "store/ui/CConnDataDlg.h"
#include "store/ui/CConnStringDlg.h"
#include "store/ui/MdbImportFlow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDebug>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>

namespace {
constexpr int kRenameClassification = Commands::CategoriaReparto;
constexpr int kQuickChange = Commands::VariazioniVeloci;
constexpr int kPromotions = Commands::OffertePromozioni;

using S = Profile::Section;
namespace RL = RibbonLayout;

struct PaneInfo {
    int commandId;
    const char* title;
    const char* profileKey;
};
// In creation order; the index is the view the pane belongs to.
constexpr PaneInfo kPanes[CMainFrame::kViewCount] = {
    {RL::MovArtBar, QT_TRANSLATE_NOOP("CMainFrame", "Movimenti di magazzino"), "MovArtBar"},
    {RL::MovRowBar, QT_TRANSLATE_NOOP("CMainFrame", "Righe del movimento"), "MovRowBar"},
    {RL::AnaMovBar, QT_TRANSLATE_NOOP("CMainFrame", "Ultimi 250 movimenti di magazzino"),
     "AnaMovBar"},
    {RL::CalAppBar, QT_TRANSLATE_NOOP("CMainFrame", "Calendario"), "CalAppBar"},
};

// The style the desktop gave the program, remembered before the first look replaces it.
const char* const kNativeStyleProperty = "quarzilNativeStyle";

QString PaneKey(int index) {
    return QString::fromLatin1(kPanes[index].profileKey);
}

QString ToolTip(const RL::Command& c) {
    QString tip = c.tip.isEmpty() ? RL::Caption(c.text, false) : c.tip;
    if (!c.key.isEmpty())
        tip += QStringLiteral(" (%1)").arg(QKeySequence(c.key).toString(QKeySequence::NativeText));
    return tip;
}

} // namespace

CMainFrame::CMainFrame(CMainApp& app, QWidget* parent) : QMainWindow(parent), m_app(app) {
    setObjectName(QStringLiteral("CMainFrame"));
    if (!qApp->property(kNativeStyleProperty).isValid())
        qApp->setProperty(kNativeStyleProperty, QApplication::style()->name());
    applyLook(m_app.profile().integer(S::Workspace, QStringLiteral("ApplicationLook"),
                                      ApplicationLook::kDefault));

    m_doc = new CMainDoc(m_app.profile(), m_app.database(), m_app.notifier(), this);
    createCommands();
    createViews();
    createRibbon();
    createStatusBar();
    createPanes();
    connectNotifier();
    retranslateUi();
    restorePlacement();

    if (m_app.showsSplash()) {
        auto* splash = new CSplashWnd(this);
        connect(splash, &CSplashWnd::finished, this, [this] { update(); });
        splash->show();
    }

    m_timers = new FrameTimers(
        m_app.profile(), m_app.database(), [this] { return m_app.isBusy(); },
        [this] { return m_app.testInternetConnection(); }, this);
    connect(m_timers, &FrameTimers::updateCheckOffline, this, [this] {
        m_app.prompt().message(tr("Si consiglia di collegare il computer ad internet "
                                  "per verificare la presenza di aggiornamenti!"),
                               IPrompt::Icon::Warning);
    });
    if (m_app.automaticOnlineServices()) {
        OnlineServices& services = m_app.onlineServices();
        m_timers->checkForUpdates = [&services] { services.checkForUpdates(false); };
        m_timers->sendUsagePing = [&services](int items, int movements) {
            services.sendUsagePing(items, movements);
        };
        m_timers->fetchNews = [&services] { services.fetchNews(); };
    }
    m_timers->start();

    // The first category is the current one at start.
    m_ribbon->setCurrentCategory(0);
    setActiveView(0);
}

CMainFrame::~CMainFrame() {
    m_timers->stop();
    savePlacement();
    for (CFrameView* v : m_views)
        if (v)
            v->saveState();
    movArtBar()->saveState();
    m_views.fill(nullptr);
    resetPaneWorkspace();
    m_app.profile().sync();
}

// --- Commands -----------------------------------------------------------------------------------

void CMainFrame::createCommands() {
    auto make = [this](const RL::Command& c) {
        auto* a = new QAction(RibbonIcons::Icon(c.icon), c.text, this);
        a->setToolTip(ToolTip(c));
        a->setCheckable(c.checkable);
        if (!c.key.isEmpty())
            m_keys.insert(a, QKeySequence(c.key));
        return a;
    };
    for (const RL::Command& c : RL::FrameCommands()) {
        QAction* a = make(c);
        a->setObjectName(QStringLiteral("Command-%1").arg(c.id));
        a->setShortcut(m_keys.value(a));
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        m_commands.insert(c.id, a);
        if (!a->isCheckable())
            connect(a, &QAction::triggered, this, [this, id = c.id] { runCommand(id); });
    }
    for (int v = 0; v < kViewCount; ++v)
        for (const RL::Command& c : RL::ViewCommands(v)) {
            QAction* a = make(c);
            a->setObjectName(QStringLiteral("Command-%1-%2").arg(v).arg(c.id));
            addAction(a);
            m_viewCommands[v].insert(c.id, a);
        }

    // The usage ping's switch: on unless the user turned it off.
    QAction* ping = m_commands.value(RL::Statistiche);
    ping->setChecked(MakerSite::UsagePingEnabled(m_app.profile()));
    connect(ping, &QAction::toggled, this,
            [this](bool on) { MakerSite::SetUsagePingEnabled(m_app.profile(), on); });

    m_looks = new QActionGroup(this);
    m_looks->setExclusive(true);
    for (int id : RL::StileGroup()) {
        QAction* a = m_commands.value(id);
        m_looks->addAction(a);
        a->setChecked(id == m_look);
        connect(a, &QAction::triggered, this, [this, id] { chooseLook(id); });
    }

    QAction* status = m_commands.value(RL::StatusBar);
    status->setChecked(true);
    connect(status, &QAction::triggered, this,
            [this](bool checked) { statusBar()->setVisible(checked); });
}

void CMainFrame::chooseLanguage(const QString& code) {
    Language::Store(m_app.profile(), code);
    m_app.profile().sync();
    // Every open window receives QEvent::LanguageChange and puts up its texts again.
    if (!Language::Apply(code))
        m_app.prompt().message(
            tr("Impossibile caricare la traduzione: l'interfaccia resta in italiano."),
            IPrompt::Icon::Warning);
    for (QAction* a : findChildren<QAction*>(QRegularExpression(QStringLiteral("^Lingua-"))))
        a->setChecked(a->objectName() == QStringLiteral("Lingua-") + Language::Active());
}

QAction* CMainFrame::viewCommand(int viewIndex, int id) const {
    if (viewIndex < 0 || viewIndex >= kViewCount)
        return nullptr;
    return m_viewCommands[viewIndex].value(id);
}

void CMainFrame::runCommand(int id) {
    switch (id) {
    case RL::DatiAziendali:
        openCompanyData();
        return;
    case RL::UnitaMisura:
        openUnits();
        return;
    case RL::ConnData:
        openConnectionDialog();
        return;
    case RL::BackupDati:
        backupData();
        return;
    case RL::ImportaMdb:
        importMdb();
        return;
    case RL::Aggiornamenti:
        m_app.onlineServices().checkForUpdates(true);
        return;
    case RL::Commenti:
        m_app.onlineServices().offerSystemReport(true);
        return;
    case RL::LettoreBarre: {
        CLettoreBarreDialog settings(m_app.profile(), m_app.prompt(), m_app.browser(),
                                     &m_app.serialReader(), this);
        if (settings.exec() == QDialog::Accepted)
            m_app.startSerialReader();
        return;
    }
    case RL::About: {
        CAboutDlg about(this);
        about.exec();
        return;
    }
    case RL::Exit:
        close();
        return;
    case RL::Help:
        // F1: the online help of the view in front.
        m_app.browser().open(
            WebPages::ForCommand(m_app.profile(), RL::AiutoMagazzino + qMax(0, m_activeView)));
        return;
    default:
        break;
    }
    const QUrl page = WebPages::ForCommand(m_app.profile(), id);
    if (page.isValid())
        m_app.browser().open(page);
}

void CMainFrame::openConnectionDialog() {
    Profile& profile = m_app.profile();
    const QString chosen = profile.string(S::Settings, QStringLiteral("MyConnection"));
    // The fields start from the user's own choice, else from the archive in use.
    const QString current =
        ConnectionString::IsValid(chosen) ? chosen : m_app.database().connectionString();
    int result;
    {
        CConnDataDlg dialog(profile, m_app.prompt(), m_app.fileDialogs(), m_app.browser(), current,
                            this);
        result = dialog.exec();
    }
    if (result == CConnDataDlg::ImportAccess) {
        importAccessArchive();
        return;
    }
    if (result == CConnDataDlg::Advanced) {
        CConnStringDlg advanced(profile, m_app.prompt(), current, this);
        if (advanced.exec() != CConnStringDlg::Saved)
            return;
    }
    // Saved or not: the connection is opened again from MyConnection.
    m_app.reconnect();
}

void CMainFrame::importAccessArchive() {
    // The connection dialog's way to the import, which switches MyConnection and reconnects.
    importMdb();
}

void CMainFrame::openUnits() {
    CUniMisDialog::RunInTransaction(m_app.database(), m_app.profile(), m_app.prompt(),
                                    m_app.browser(), this);
}

void CMainFrame::backupData() {
    QString file = m_app.fileDialogs().saveFile(
        tr("Salva Dati"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStringLiteral("Quarzil"), tr("Database Quarzil (*.db *.sqlite)"));
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".db");
    bool saved;
    {
        Items::WaitCursor wait;
        QString error;
        saved = ArchiveBackup::CopyTo(m_app.database(), file, &error);
        if (!saved)
            qWarning().noquote() << "Backup Dati non riuscito:" << error;
    }
    if (saved)
        m_app.prompt().message(tr("Archivio dati salvato con successo!"),
                               IPrompt::Icon::Information);
    else
        m_app.prompt().message(tr("Impossibile salvare l'archivio dati!"), IPrompt::Icon::Warning);
}

void CMainFrame::importMdb() {
    MdbImportFlow flow(m_app.profile(), m_app.prompt(), m_app.fileDialogs(),
                       m_app.applicationDataFolder(), m_app.database().connectionString(), this);
    // Once MyConnection names the new archive, the program opens it and upgrades it at once.
    flow.reconnect = [this](const QString&) { m_app.reconnect(); };
    flow.run();
}

void CMainFrame::openCompanyData() {
    // The sheet tells the notifier to refresh every view when it ends with OK.
    CAziendaSheet sheet(CAziendaSheet::Mode::Sheet, m_app.profile(), m_app.prompt(),
                        m_app.fileDialogs(), m_app.browser(), m_app.applicationDataFolder(),
                        &m_app.notifier(), this);
    sheet.exec();
}

// --- Views --------------------------------------------------------------------------------------

void CMainFrame::createViews() {
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("Views"));
    setCentralWidget(m_stack);
    auto* items = new CArticoliView(*m_doc, m_app.prompt());
    items->setItemDialog([this](int itemId, bool many) {
        return CArticoloDialog::Run(m_app.database(), m_app.profile(), m_app.prompt(),
                                    m_app.browser(), m_app.fileDialogs(), itemId, many, this);
    });
    setView(0, items);
    auto* movements =
        new CMovimentiView(*m_doc, m_app.prompt(), m_app.browser(), m_app.fileDialogs());
    setView(1, movements);
    auto* counterparts = new CAnagraficheView(*m_doc, m_app.prompt(), m_app.browser());
    setView(2, counterparts);
    setView(3, new CAgendaView(*m_doc, m_app.prompt(), m_app.browser()));

    // One printer for the whole program, so the printer and its settings stay between prints.
    m_printer = new DocumentPrinter(m_app.profile(), m_app.prompt(), m_app.fileDialogs(), this);
    const QString logo = CompanyLogoFile(m_app.applicationDataFolder());
    new ItemPrints(*items, m_app.prompt(), m_app.browser(), *m_printer, logo);
    auto* exchange = new ItemExchange(*items, m_app.prompt(), m_app.fileDialogs(), m_app.browser());
    for (const auto& [id, run] : {std::pair{int(Commands::ArtEsporta), &ItemExchange::exportItems},
                                  std::pair{int(Commands::ArtImporta), &ItemExchange::importItems}})
        if (QAction* a = m_viewCommands[0].value(id)) {
            a->setEnabled(true);
            connect(a, &QAction::triggered, exchange, run);
        }
    new MovementPrints(*movements, m_app.prompt(), m_app.browser(), *m_printer, logo);
    new CounterpartPrints(*counterparts, m_app.prompt(), m_app.browser(), *m_printer, logo);

    // Renaming a category, department or shelf opens a help page, so the frame, which holds the
    // browser, runs it for the items view.
    if (QAction* rename = m_viewCommands[0].value(kRenameClassification)) {
        rename->setEnabled(true);
        connect(rename, &QAction::triggered, this, [this] {
            CVarOtherDialog::Run(m_app.database(), m_app.profile(), m_app.prompt(), m_app.browser(),
                                 &m_app.notifier(), this);
        });
    }
    if (QAction* quick = m_viewCommands[0].value(kQuickChange)) {
        quick->setEnabled(true);
        connect(quick, &QAction::triggered, this, [this] {
            CVarArtDialog dialog(m_app.database(), m_app.profile(), m_app.prompt(), m_app.browser(),
                                 &m_app.notifier(), this);
            dialog.exec();
        });
    }
    if (QAction* promotions = m_viewCommands[0].value(kPromotions)) {
        promotions->setEnabled(true);
        connect(promotions, &QAction::triggered, this, [this, items] {
            {
                COfferteDialog dialog(m_app.database(), m_app.profile(), m_app.prompt(),
                                      m_app.browser(), m_app.fileDialogs(), this);
                dialog.exec();
            }
            // The stars of the items list follow what the window changed.
            items->refresh();
        });
    }
}

CFrameView* CMainFrame::view(int index) const {
    return index >= 0 && index < kViewCount ? m_views[index] : nullptr;
}

void CMainFrame::setView(int index, CFrameView* view) {
    if (index < 0 || index >= kViewCount || !view)
        return;
    CFrameView* old = m_views[index];
    m_views[index] = view;
    view->setObjectName(QStringLiteral("View-%1").arg(index));
    m_stack->insertWidget(index, view);
    if (old) {
        m_stack->removeWidget(old);
        old->deleteLater();
    }
    view->attachCommands(m_viewCommands[index]);
    if (index == m_activeView)
        m_stack->setCurrentIndex(index);
}

void CMainFrame::setActiveView(int index) {
    if (index < 0 || index >= kViewCount)
        return;
    m_activeView = index;
    CFrameView* v = m_views[index];
    v->becameVisible();
    m_stack->setCurrentIndex(index);
    // The new view's pane as the user last wanted it; the others hidden.
    for (int i = 0; i < kViewCount; ++i)
        m_panes[i]->setVisible(i == index &&
                               m_app.profile().integer(S::Settings, PaneKey(i), 1) == 1);
    // Keys go to the visible view's commands only: F3 is a new item in one category and a new
    // customer in another.
    for (int c = 0; c < kViewCount; ++c)
        for (QAction* a : m_viewCommands[c])
            a->setShortcut(c == index ? m_keys.value(a) : QKeySequence());
    if (m_ribbon->currentCategory() != index)
        m_ribbon->setCurrentCategory(index);
    v->setFocus();
}

// --- Ribbon -------------------------------------------------------------------------------------

void CMainFrame::createRibbon() {
    m_ribbon = new CRibbonBar(this);
    setMenuWidget(m_ribbon);

    QMenu* menu = m_ribbon->applicationMenu();
    for (int id : RL::ApplicationMenu()) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(m_commands.value(id));
    }
    menu->addSeparator();
    m_programma = menu->addMenu(QStringLiteral("Programma"));
    m_programma->setObjectName(QStringLiteral("Programma"));
    for (int id : RL::ProgrammaGroup())
        m_programma->addAction(m_commands.value(id));
    m_stile = menu->addMenu(QStringLiteral("Stile"));
    m_stile->setObjectName(QStringLiteral("Stile"));
    for (int id : RL::StileGroup())
        m_stile->addAction(m_commands.value(id));
    // Each language under its own name, so that anyone finds theirs whatever is shown now.
    m_lingua = menu->addMenu(QStringLiteral("Lingua"));
    m_lingua->setObjectName(QStringLiteral("Lingua"));
    QMenu* lingua = m_lingua;
    auto* languages = new QActionGroup(lingua);
    languages->setExclusive(true);
    for (const QString& code : Language::Codes()) {
        QAction* a = lingua->addAction(Language::NativeName(code));
        a->setObjectName(QStringLiteral("Lingua-") + code);
        a->setCheckable(true);
        a->setChecked(code == Language::Active());
        languages->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
    }
    menu->addAction(m_commands.value(RL::About));
    menu->addSeparator();
    menu->addAction(m_commands.value(RL::Exit));

    for (int id : RL::QuickAccess())
        m_ribbon->addQuickAccess(m_commands.value(id));

    for (const RL::Category& c : RL::Categories()) {
        auto lookup = [&](int id) {
            return RL::IsFrameCommand(id) ? m_commands.value(id)
                                          : m_viewCommands[c.viewIndex].value(id);
        };
        CRibbonCategory* category = m_ribbon->addCategory(c.title);
        for (const RL::Panel& p : c.panels) {
            CRibbonPanel* panel = category->addPanel(p.title, RibbonIcons::Icon(p.icon));
            for (const RL::Entry& e : p.entries) {
                if (e.id == 0) {
                    QList<QAction*> actions;
                    for (int id : e.menu)
                        actions << (id ? lookup(id) : nullptr);
                    panel->addDropDown(RL::Caption(e.menuText, true), RibbonIcons::Icon(e.menuIcon),
                                       actions);
                    continue;
                }
                QAction* a = lookup(e.id);
                Q_ASSERT(a);
                a->setIconText(RL::Caption(a->text(), e.large));
                if (e.large)
                    panel->addLarge(a);
                else
                    panel->addSmall(a);
            }
        }
    }
    m_ribbon->finishLayout();
    connect(m_ribbon, &CRibbonBar::currentCategoryChanged, this, &CMainFrame::setActiveView);
}

// --- Status bar ---------------------------------------------------------------------------------

void CMainFrame::createStatusBar() {
    m_statusText = new QLabel;
    m_statusText->setObjectName(QStringLiteral("StatusPane-0"));
    m_statusText->setMinimumWidth(1);
    statusBar()->addWidget(m_statusText, 1);
    m_archiveText = new QLabel;
    m_archiveText->setObjectName(QStringLiteral("StatusPane-Archive"));
    // A long path may be cut short rather than widen the window; the tip holds all of it.
    m_archiveText->setMinimumWidth(1);
    statusBar()->addPermanentWidget(m_archiveText);
    showOpenArchive();
    m_helpText = new QLabel;
    m_helpText->setObjectName(QStringLiteral("StatusPane-120"));
    statusBar()->addPermanentWidget(m_helpText);
    auto* product = new QLabel(QStringLiteral("Quarzil"));
    product->setObjectName(QStringLiteral("StatusPane-121"));
    statusBar()->addPermanentWidget(product);
}

void CMainFrame::showOpenArchive() {
    const QString text = StartupChecks::OpenArchiveText(m_app.database().connectionString());
    m_archiveText->setText(text);
    m_archiveText->setToolTip(text);
}

void CMainFrame::showRowCount(int kind, int count) {
    m_countKind = kind;
    m_count = count;
    m_statusText->setText(FrameRules::RowCountText(m_app.profile(), kind, count));
    m_statusText->repaint();
}

// --- Panes --------------------------------------------------------------------------------------

void CMainFrame::createPanes() {
    setDockNestingEnabled(true);
    for (int i = 0; i < kViewCount; ++i) {
        const PaneInfo& info = kPanes[i];
        CPaneBar* pane = nullptr;
        if (i == 0) {
            auto* bar = new CMovArtBar(info.commandId, m_app.profile(), this);
            if (auto* items = qobject_cast<CArticoliView*>(m_views[0]))
                items->setMovArtBar(bar);
            pane = bar;
        } else if (i == 1) {
            auto* bar = new CMovRowBar(info.commandId, m_app.database(), m_app.profile(), this);
            if (auto* movements = qobject_cast<CMovimentiView*>(m_views[1]))
                movements->setMovRowBar(bar);
            pane = bar;
        } else if (i == 2) {
            auto* bar = new CAnaMovBar(info.commandId, m_app.database(), m_app.profile(), this);
            if (auto* counterparts = qobject_cast<CAnagraficheView*>(m_views[2]))
                counterparts->setAnaMovBar(bar);
            pane = bar;
        } else {
            auto* bar = new CCalAppBar(info.commandId, QString::fromUtf8(info.title),
                                       m_app.database(), this);
            if (auto* agenda = qobject_cast<CAgendaView*>(m_views[3]))
                agenda->setCalAppBar(bar);
            pane = bar;
        }
        m_panes[i] = pane;
        addDockWidget(i == 3 ? Qt::RightDockWidgetArea : Qt::BottomDockWidgetArea, pane);
        QAction* toggle = m_commands.value(info.commandId);
        toggle->setChecked(i == 0);
        connect(toggle, &QAction::triggered, this,
                [this, i](bool checked) { togglePane(i, checked); });
        connect(pane, &QDockWidget::visibilityChanged, toggle,
                [toggle, pane] { toggle->setChecked(!pane->isHidden()); });
        connect(pane, &CPaneBar::closedByUser, this, [this, i] {
            m_app.profile().setValue(S::Settings, PaneKey(i), 0);
            m_commands.value(kPanes[i].commandId)->setChecked(false);
        });
        pane->setVisible(i == 0);
    }
    // The calendar pane starts 250 pixels wide.
    resizeDocks({m_panes[3]}, {250}, Qt::Horizontal);
}

CPaneBar* CMainFrame::pane(int index) const {
    return index >= 0 && index < kViewCount ? m_panes[index] : nullptr;
}

CMovArtBar* CMainFrame::movArtBar() const {
    return static_cast<CMovArtBar*>(m_panes[0]);
}

void CMainFrame::togglePane(int index, bool visible) {
    m_panes[index]->setVisible(visible);
    m_app.profile().setValue(S::Settings, PaneKey(index), visible ? 1 : 0);
}

void CMainFrame::resetPaneWorkspace() {
    // The next start shows only the items pane, whatever docking state this run left.
    Profile& profile = m_app.profile();
    profile.setValue(S::Workspace, QStringLiteral("BasePane-32797/IsVisible"), 1);
    for (int id : {32798, 32799, 32800, 32811, 32813})
        profile.setValue(S::Workspace, QStringLiteral("BasePane-%1/IsVisible").arg(id), 0);
}

// --- Notifier -----------------------------------------------------------------------------------

void CMainFrame::connectNotifier() {
    ChangeNotifier& n = m_app.notifier();
    connect(&n, &ChangeNotifier::itemRecomputeRequested, this,
            [this](int itemId) { m_views[0]->recomputeItem(itemId); });
    connect(&n, &ChangeNotifier::itemsRecomputeRequested, this,
            [this](const QList<int>& itemIds) { m_views[0]->recomputeItems(itemIds); });
    connect(&n, &ChangeNotifier::movementRecomputeRequested, this,
            [this](int movementId) { m_views[1]->recomputeMovement(movementId); });
    connect(&n, &ChangeNotifier::viewReloadRequested, this, [this](int index) {
        if (CFrameView* v = view(index))
            v->reload();
    });
    connect(&n, &ChangeNotifier::refreshAllRequested, this, [this] {
        for (CFrameView* v : m_views)
            v->refresh();
    });
    connect(&n, &ChangeNotifier::rowCountChanged, this, &CMainFrame::showRowCount);
}

// --- Placement and show state -------------------------------------------------------------------

void CMainFrame::restorePlacement() {
    const Profile& p = m_app.profile();
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    QSize size(1024, 700);
    if (!screen.isEmpty())
        size = size.boundedTo(screen.size());
    QRect placement(QPoint(), size);
    if (!screen.isEmpty())
        placement.moveCenter(screen.center());
    if (p.contains(S::Settings, QStringLiteral("Left")) &&
        p.contains(S::Settings, QStringLiteral("Bottom"))) {
        const int left = p.integer(S::Settings, QStringLiteral("Left"));
        const int top = p.integer(S::Settings, QStringLiteral("Top"));
        const QRect stored(left, top, p.integer(S::Settings, QStringLiteral("Right")) - left,
                           p.integer(S::Settings, QStringLiteral("Bottom")) - top);
        // A placement on a screen that is no longer there is ignored.
        if (stored.width() >= 200 && stored.height() >= 150 &&
            (screen.isEmpty() || screen.intersects(stored)))
            placement = stored;
    }
    setGeometry(placement);
}

void CMainFrame::savePlacement() {
    Profile& p = m_app.profile();
    const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
    p.setValue(S::Settings, QStringLiteral("Left"), r.left());
    p.setValue(S::Settings, QStringLiteral("Top"), r.top());
    p.setValue(S::Settings, QStringLiteral("Right"), r.left() + r.width());
    p.setValue(S::Settings, QStringLiteral("Bottom"), r.top() + r.height());
    const Qt::WindowStates state = windowState();
    p.setValue(S::Settings, QStringLiteral("Style"),
               state & Qt::WindowMinimized   ? 2
               : state & Qt::WindowMaximized ? 3
                                             : 1);
}

void CMainFrame::setVisible(bool visible) {
    // The frame stays hidden until the start-up has finished.
    if (visible && m_app.isStartupInProgress())
        return;
    QMainWindow::setVisible(visible);
}

void CMainFrame::showWithState(int style) {
    switch (style) {
    case 3:
        showMaximized();
        break;
    case 2:
    case 6:
    case 7:
        showMinimized();
        break;
    default:
        showNormal();
        break;
    }
}

// --- News window --------------------------------------------------------------------------------

void CMainFrame::setInfoWindow(QWidget* window) {
    m_infoWindow = window;
    placeInfoWindow();
}

QRect CMainFrame::infoWindowRect() const {
    const QRect inner(mapToGlobal(QPoint(0, 0)), size());
    const int statusTop =
        statusBar()->isVisible() ? statusBar()->mapToGlobal(QPoint(0, 0)).y() : inner.bottom() + 1;
    return FrameRules::InfoWindowRect(inner, statusTop);
}

void CMainFrame::placeInfoWindow() {
    if (!m_infoWindow || !m_infoWindow->isVisible())
        return;
    m_infoWindow->setGeometry(infoWindowRect());
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    placeInfoWindow();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeInfoWindow();
}

// --- Language -----------------------------------------------------------------------------------

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && m_ribbon)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void CMainFrame::retranslateUi() {
    for (const RL::Command& c : RL::FrameCommands())
        if (QAction* a = m_commands.value(c.id)) {
            a->setText(c.text);
            a->setToolTip(ToolTip(c));
        }
    for (int v = 0; v < kViewCount; ++v)
        for (const RL::Command& c : RL::ViewCommands(v))
            if (QAction* a = m_viewCommands[v].value(c.id)) {
                a->setText(c.text);
                a->setToolTip(ToolTip(c));
            }

    int categoryIndex = 0;
    for (const RL::Category& c : RL::Categories()) {
        CRibbonCategory* category = m_ribbon->category(categoryIndex);
        m_ribbon->setCategoryTitle(categoryIndex++, RL::Translated(c.title));
        for (int p = 0; p < c.panels.size(); ++p) {
            const RL::Panel& layout = c.panels.at(p);
            CRibbonPanel* panel = category->panels().value(p);
            panel->setTitle(RL::Translated(layout.title));
            int dropDown = 0;
            for (const RL::Entry& e : layout.entries) {
                if (e.id == 0) {
                    panel->setDropDownText(dropDown++,
                                           RL::Caption(RL::Translated(e.menuText), true));
                    continue;
                }
                QAction* a = RL::IsFrameCommand(e.id) ? m_commands.value(e.id)
                                                      : m_viewCommands[c.viewIndex].value(e.id);
                a->setIconText(RL::Caption(a->text(), e.large));
            }
        }
    }
    setWindowTitle(tr("Magazzino - Quarzil"));
    m_programma->setTitle(tr("Programma"));
    m_stile->setTitle(tr("Stile"));
    m_lingua->setTitle(tr("Lingua"));
    m_ribbon->relayout();

    m_panes[3]->setWindowTitle(tr(kPanes[3].title));

    if (m_countKind >= 0)
        showRowCount(m_countKind, m_count);
    else
        m_statusText->setText(tr("Stiamo effettuando il conteggio dei dati..."));
    m_statusText->setAccessibleName(tr("Conteggio Dati"));
    m_helpText->setText(tr("Per visualizzare il manuale online premere F1"));
    showOpenArchive();
}

// --- Looks --------------------------------------------------------------------------------------

void CMainFrame::chooseLook(int id) {
    if (!ApplicationLook::IsLook(id))
        return;
    m_app.profile().setValue(S::Workspace, QStringLiteral("ApplicationLook"), id);
    applyLook(id);
    update();
}

void CMainFrame::applyLook(int id) {
    m_look = ApplicationLook::Normalized(id);
    if (ApplicationLook::UsesNativeStyle(m_look)) {
        QApplication::setStyle(qApp->property(kNativeStyleProperty).toString());
        // An empty palette gives the desktop's own colours back.
        QApplication::setPalette(QPalette());
    } else {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(ApplicationLook::Palette(m_look));
    }
    if (m_looks)
        for (QAction* a : m_looks->actions())
            a->setChecked(a == m_commands.value(m_look));
}
