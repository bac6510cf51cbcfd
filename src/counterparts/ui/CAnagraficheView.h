#pragma once

#include "counterparts/ui/CAnagraficaDialog.h"
#include "shell/ui/CFrameView.h"

#include <QHash>
#include <QPointer>
#include <functional>

class AnaListModel;
class CAnaMovBar;
class IBrowser;
class IPrompt;
class QMenu;
class QTableView;

// "Anagrafiche": the list of customers, suppliers and workers, filtered by kind, from which
// records are created, opened, deleted and found. The selected record's latest movements go to
// the movements pane.
class CAnagraficheView : public CFrameView {
    Q_OBJECT
public:
    enum Id : int {
        NewCliente = 32784,
        NewFornitore = 32785,
        Open = 32786,
        Delete = 32787,
        Find = 32794,
        Update = 32805,
        FilterOperai = 32823,
        FilterClienti = 32824,
        FilterFornitori = 32825,
        FilterAll = 32826,
    };

    // What the find dialog gave.
    struct FindTexts {
        QString name;
        QString taxCode;
        bool fromFirstRow = true;
    };

    CAnagraficheView(CMainDoc& doc, IPrompt& prompt, IBrowser& browser, QWidget* parent = nullptr);

    void setAnaMovBar(CAnaMovBar* bar);
    CAnaMovBar* anaMovBar() const { return m_bar; }

    // The record dialog, set up for its caller; true after "Salva" with the values in the
    // record. The default shows CAnagraficaDialog.
    std::function<bool(CliForRecord*, CAnagraficaDialog::Caller)> editRecord;
    // The find dialog; false when cancelled. The default shows CTrovaDialog.
    std::function<bool(FindTexts*)> askFind;

    void becameVisible() override;
    void reload() override;
    void refresh() override;
    void saveState() override;
    void attachCommands(const QHash<int, QAction*>& commands) override;

    AnaListModel* model() const { return m_model; }
    QTableView* table() const { return m_table; }
    QMenu* contextMenu() const { return m_menu; }
    // The keys of the selected rows, in list order.
    QList<int> selectedKeys() const;
    void selectKey(int key);
    QAction* command(int id) const { return m_commands.value(id); }

public Q_SLOTS:
    void onNewCustomer();
    void onNewSupplier();
    void onOpen();
    void onDelete();
    void onFind();
    void onUpdate();
    void onFilter(int filter);

private:
    void createCommands();
    void updateCommandStates();
    void updateSortLook();
    void selectionChanged();
    void reportRowCount();
    bool reportsCount() const;
    void selectRow(int row);
    // The only selected row, or -1 when none or several are selected.
    int singleSelectedRow() const;
    void addRecord(bool customer);
    void showStoreError();

    IPrompt& m_prompt;
    IBrowser& m_browser;
    AnaListModel* m_model;
    QTableView* m_table;
    QPointer<CAnaMovBar> m_bar;
    QMenu* m_menu;
    QHash<int, QAction*> m_commands;
    QHash<int, QAction*> m_ownActions;
    bool m_initialised = false;
    bool m_comingToFront = false;
};
