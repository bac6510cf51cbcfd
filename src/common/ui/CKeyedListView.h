#pragma once

#include "common/ui/CFrameView.h"
#include "store/GuardedDelete.h"

#include <QHash>
#include <QKeySequence>
#include <functional>

class IPrompt;
class KeyedListModel;
class QMenu;
class QTableView;

// A frame view showing one keyed list: the table with its stored column widths and sort look,
// the context menu, the view's own commands with their keys (the ribbon's take over once
// attached), the selection by key and the row count in the status bar.
class CKeyedListView : public CFrameView {
    Q_OBJECT
public:
    ~CKeyedListView() override;

    void attachCommands(const QHash<int, QAction*>& commands) override;
    void saveState() override;

    QTableView* table() const { return m_table; }
    QMenu* contextMenu() const { return m_menu; }
    // The keys of the selected rows, in list order.
    QList<int> selectedKeys() const;
    void selectKey(int key);
    // The view's own command (from the ribbon when attached), by id.
    QAction* command(int id) const { return m_commands.value(id); }
    // Runs the view's print commands: the printing part of the program sets it. The print
    // commands stay disabled until it is set.
    void setPrintHandler(std::function<void(int commandId)> handler);

protected:
    struct ListSetup {
        // The table is <name>List and its menu <name>Menu.
        QString name;
        // The status bar's row-count kind and the ribbon category of the view's commands.
        int countKind;
        int ribbonView;
        // "List" keys and defaults of the column widths.
        QString (*widthKey)(int column);
        int (*defaultWidth)(int column);
        // Alternate rows in the alternate base colour, the sort column's tint following them.
        bool alternatingRows = false;
    };
    struct MenuEntry {
        int id; // 0 for a separator
        const char* text;
        bool checkable = false;
    };

    explicit CKeyedListView(CMainDoc& doc, QWidget* parent = nullptr);

    // Builds the table on the model; called once from the subclass's constructor.
    void setUpList(KeyedListModel* model, const ListSetup& setup);
    // The view's own command, working while the focus is in the view.
    QAction* addCommand(int id, const QList<QKeySequence>& keys, std::function<void()> handler);
    // The context menu's entries run the commands; the default is defaultId's, else the first.
    void addMenuEntries(std::initializer_list<MenuEntry> entries, int defaultId = 0);
    // Commands that print: each runs the print handler with its id.
    void addPrintCommands(std::initializer_list<int> ids);
    bool canPrint() const { return bool(m_printHandler); }
    // Enables every print command when there is a print handler; call from updateCommandStates.
    void updatePrintCommands();
    // Sets the command, its own action and (through updateMenu) its menu entry alike.
    void setCommandEnabled(int id, bool enabled);
    void setCommandChecked(int id, bool checked);
    void updateMenu();

    virtual void updateCommandStates() = 0;
    virtual void selectionChanged() = 0;

    // Selects and shows this row only; none for a row outside the list.
    void selectRow(int row);
    // The only selected row, or -1 when none or several are selected.
    int singleSelectedRow() const;
    void updateSortLook();
    // Reads the list again under the wait cursor and selects keepKey's row, the first when it
    // is 0 or no longer listed; logs the step under logName meanwhile.
    void reloadList(const QString& logName, int keepKey);
    // Tells why the selected records may not go, or asks whether they go: true to delete.
    static bool confirmDelete(IPrompt& prompt, GuardedDelete::Check check);
    // The frame calls becameVisible before it brings the view to the front: the count it
    // reports meanwhile is this view's.
    void setComingToFront(bool coming) { m_comingToFront = coming; }
    void reportRowCount();

private:
    bool reportsCount() const;

    KeyedListModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QMenu* m_menu = nullptr;
    ListSetup m_setup{};
    QHash<int, QAction*> m_commands;
    QHash<int, QAction*> m_ownActions;
    QHash<int, std::function<void()>> m_handlers;
    bool m_comingToFront = false;
    std::function<void(int)> m_printHandler;
    QList<int> m_printIds;
};
