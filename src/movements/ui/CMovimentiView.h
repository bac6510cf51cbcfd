#pragma once

#include "common/Commands.h"
#include "common/ui/CKeyedListView.h"

#include <QDateTime>
#include <QPointer>
#include <functional>

class CMovRowBar;
struct MovimentiRecord;
class CMovimentiDialog;
class IBrowser;
class IFileDialogs;
class IPrompt;
class MovementEdit;
class MovListModel;

// "Movimenti / Fatture": the movement headers of a period, with the type filter, the sort by
// any column, the rows of the selected movement in the rows pane, and the commands that create,
// open, delete, find and filter them, and the print commands, which the printing part of the
// program runs.
class CMovimentiView : public CKeyedListView {
    Q_OBJECT
public:
    enum Id : int {
        NewCarico = Commands::MovNuovoCarico,
        NewScarico = Commands::MovNuovoScarico,
        NewReso = Commands::MovNuovoReso,
        Open = Commands::MovApri,
        Delete = Commands::MovElimina,
        Update = Commands::Aggiorna,
        Filter = Commands::Filtro,
        Find = Commands::Trova,
        FilterAll = Commands::MovTutti,
        FilterCarichi = Commands::MovSoloCarichi,
        FilterScarichi = Commands::MovSoloScarichi,
        FilterResi = Commands::MovSoloResi,
        FatturaElettronica = Commands::MovFatturaElettronica,
        PreviewInvoice = Commands::MovAnteprimaFattura,
        PrintInvoice = Commands::MovStampaFattura,
        PreviewDdt = Commands::MovAnteprimaDdt,
        PrintDdt = Commands::MovStampaDdt,
        PreviewList = Commands::MovAnteprimaLista,
        PrintList = Commands::MovStampaLista,
        PreviewReport = Commands::MovAnteprimaRapporto,
        PrintReport = Commands::MovStampaRapporto,
    };
    // What the find dialog gave.
    struct FindTexts {
        QString date;
        QString number;
        bool fromFirstRow = true;
    };
    struct Period {
        QDateTime start;
        QDateTime end;
    };

    CMovimentiView(CMainDoc& doc, IPrompt& prompt, IBrowser& browser, IFileDialogs& files,
                   QWidget* parent = nullptr);

    void setMovRowBar(CMovRowBar* bar);
    CMovRowBar* movRowBar() const { return m_bar; }
    MovListModel* model() const { return m_model; }

    // The find dialog; false when cancelled. The default shows CTrovaDialog.
    std::function<bool(FindTexts*)> askFind;
    // The period dialog; false when cancelled. The default shows CFiltroMovDialog.
    std::function<bool(Period*)> askPeriod;
    // Runs the movement dialog on an edit; true when confirmed. The default shows it modally;
    // tests drive it through prepareDialog, called with the dialog before it runs.
    std::function<void(CMovimentiDialog&)> prepareDialog;
    // Prints a saved sale's document as the dialog's print choice asks (1 the transport
    // document, 2 the invoice or receipt). Set by the printing part of the program; until then
    // the dialog's print boxes stay disabled.
    std::function<void(int movementKey, int printChoice)> printAfterSave;

    void becameVisible() override;
    void reload() override;
    void refresh() override;
    void saveState() override;
    void recomputeMovement(int movementId) override;

public Q_SLOTS:
    // A new load (0), unload (1) or return (2), saved when the dialog is confirmed; the key of
    // the saved movement, 0 when nothing was saved.
    int createMovement(int type);
    // The selected movement, opened for changing; true when saved.
    bool editMovement(int movementKey);
    void onDelete();
    void onFind();
    void onUpdate();
    void onDateFilter();
    void onTypeFilter(int filter);

protected:
    void changeEvent(QEvent* event) override;

private:
    void createCommands();
    void retranslateUi();
    void updateCommandStates() override;
    void selectionChanged() override;
    // Runs the dialog on the edit and saves it when confirmed; false when cancelled or failed
    // (the user was told).
    bool runEdit(MovementEdit& edit);
    // A movement could not start: a busy archive is said as such.
    void sayStartFailed();
    // After a save: the number another movement of the type and year already has.
    void warnTakenNumber(const MovimentiRecord& header);
    // The print the dialog asked for after a save, once the list shows the movement.
    void printSaved(int movementKey);
    void editFinished(const QList<int>& items);

    IPrompt& m_prompt;
    IBrowser& m_browser;
    IFileDialogs& m_files;
    MovListModel* m_model;
    QPointer<CMovRowBar> m_bar;
    bool m_initialised = false;
    int m_printChoice = 0;
};
