#pragma once

#include "common/Commands.h"
#include "common/ui/CKeyedListView.h"
#include "counterparts/ui/CAnagraficaDialog.h"

#include <QPointer>
#include <functional>

class AnaListModel;
class CAnaMovBar;
class IBrowser;
class IPrompt;

// "Anagrafiche": the list of customers, suppliers and workers, filtered by kind, from which
// records are created, opened, deleted and found. The selected record's latest movements go to
// the movements pane.
class CAnagraficheView : public CKeyedListView {
    Q_OBJECT
public:
    enum Id : int {
        NewCliente = Commands::AnaNuovoCliente,
        NewFornitore = Commands::AnaNuovoFornitore,
        Open = Commands::AnaApri,
        Delete = Commands::AnaElimina,
        Find = Commands::Trova,
        Update = Commands::Aggiorna,
        FilterOperai = Commands::AnaSoloOperai,
        FilterClienti = Commands::AnaSoloClienti,
        FilterFornitori = Commands::AnaSoloFornitori,
        FilterAll = Commands::AnaTutti,
        PreviewList = Commands::AnaAnteprimaLista,
        PrintList = Commands::AnaStampaLista,
        PreviewSituation = Commands::AnaAnteprimaSituazione,
        PrintSituation = Commands::AnaStampaSituazione,
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

    AnaListModel* model() const { return m_model; }

public Q_SLOTS:
    void onNewCustomer();
    void onNewSupplier();
    void onOpen();
    void onDelete();
    void onFind();
    void onUpdate();
    void onFilter(int filter);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void createCommands();
    void updateCommandStates() override;
    void selectionChanged() override;
    void addRecord(bool customer);
    // The dialog on the record, then its save; a busy archive brings the dialog back with what
    // was typed. False when cancelled or not saved (the user was told). key: the edited record.
    bool editAndSave(CliForRecord* record, CAnagraficaDialog::Caller caller, int key = 0);
    void showStoreError();
    void dropMissingRow(int key);

    IPrompt& m_prompt;
    IBrowser& m_browser;
    AnaListModel* m_model;
    QPointer<CAnaMovBar> m_bar;
    bool m_initialised = false;
};
