#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>

class CFrameView;
class CMainApp;
class CMainDoc;
class DocumentPrinter;
class CMovArtBar;
class CPaneBar;
class CRibbonBar;
class FrameTimers;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QStackedWidget;

// The main window: the ribbon, the four views (one visible at a time, chosen by the ribbon's
// category), their four dockable panes, the status bar and the periodic jobs.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kViewCount = 4;

    explicit CMainFrame(CMainApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Show states as stored in "Style": 1 normal, 2 minimised, 3 maximised.
    void showWithState(int style);

    CMainDoc& document() const { return *m_doc; }
    // The program's printer, behind every preview and print.
    DocumentPrinter* printer() const { return m_printer; }
    CRibbonBar* ribbon() const { return m_ribbon; }
    FrameTimers& timers() const { return *m_timers; }

    int activeViewIndex() const { return m_activeView; }
    // What choosing a ribbon category does: the view comes up and the panes follow it.
    void setActiveView(int index);
    CFrameView* view(int index) const;
    // Puts a view in place of the one at index (the frame owns it).
    void setView(int index, CFrameView* view);

    // The pane of a view (0 to 3), and the items view's own.
    CPaneBar* pane(int index) const;
    CMovArtBar* movArtBar() const;

    // The frame's own commands, and each category's view commands, by id.
    QAction* command(int id) const { return m_commands.value(id); }
    QAction* viewCommand(int viewIndex, int id) const;

    QLabel* statusText() const { return m_statusText; }
    // The status bar names the open archive, so that nobody types into the wrong one unaware.
    void showOpenArchive();
    // The row count a view reports (kind 1 to 4; any other kind empties the text).
    void showRowCount(int kind, int count);

    // The look in use (205 to 219) and choosing another one (stored and applied at once).
    int look() const { return m_look; }
    void chooseLook(int id);
    // The "Lingua" choice: stored in the profile and applied at once.
    void chooseLanguage(const QString& code);

    // The modeless news window: while visible it follows the frame's lower right corner.
    void setInfoWindow(QWidget* window);
    void placeInfoWindow();
    // Where the news window sits now (screen coordinates).
    QRect infoWindowRect() const;

public Q_SLOTS:
    // "Importa archivio Access (.mdb)..." of the connection dialog.
    void importAccessArchive();

protected:
    void setVisible(bool visible) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Every text the frame shows, in the language in use (the ribbon, menus, status bar).
    void retranslateUi();
    void createCommands();
    void createViews();
    void createRibbon();
    void createStatusBar();
    void createPanes();
    void connectNotifier();
    void restorePlacement();
    void savePlacement();
    void resetPaneWorkspace();
    void applyLook(int id);
    void runCommand(int id);
    void togglePane(int index, bool visible);
    void openCompanyData();
    // "Connessione Dati": the connection dialog, then the reconnection.
    void openConnectionDialog();
    // "Backup Dati": a copy of the open archive into a file the user chooses.
    void backupData();
    void openUnits();
    void importMdb();

    CMainApp& m_app;
    CMainDoc* m_doc = nullptr;
    DocumentPrinter* m_printer = nullptr;
    CRibbonBar* m_ribbon = nullptr;
    QStackedWidget* m_stack = nullptr;
    std::array<CFrameView*, kViewCount> m_views{};
    std::array<CPaneBar*, kViewCount> m_panes{};
    std::array<QHash<int, QAction*>, kViewCount> m_viewCommands;
    QHash<int, QAction*> m_commands;
    QHash<QAction*, QKeySequence> m_keys;
    QActionGroup* m_looks = nullptr;
    QLabel* m_statusText = nullptr;
    QLabel* m_archiveText = nullptr;
    QLabel* m_helpText = nullptr;
    QMenu* m_programma = nullptr;
    QMenu* m_stile = nullptr;
    QMenu* m_lingua = nullptr;
    // The last row count shown (kind -1: none yet), put up again in another language.
    int m_countKind = -1;
    int m_count = 0;
    FrameTimers* m_timers = nullptr;
    QPointer<QWidget> m_infoWindow;
    int m_activeView = -1;
    int m_look = 0;
};
