#pragma once

#include "common/ui/CKeyedListView.h"
#include "items/ArtFind.h"

#include <QPointer>
#include <functional>

class ArtListModel;
class ArtMovementsLoader;
class CMovArtBar;
class IPrompt;

// "Magazzino": the list of items with their stock counters, sorted on a column of the user's
// choice and optionally filtered, from which items are created, opened, deleted and found.
// The selected item's latest movements go to the movements pane.
class CArticoliView : public CKeyedListView {
    Q_OBJECT
public:
    // What the filter dialog gave.
    struct FilterTexts {
        QString code;
        QString description;
        QString category;
        int stock = 0;
    };
    // What the find dialog gave: the texts and where the search starts.
    struct FindTexts {
        ArtFind::Texts texts;
        bool fromFirstRow = true;
    };

    CArticoliView(CMainDoc& doc, IPrompt& prompt, QWidget* parent = nullptr);
    ~CArticoliView() override;

    void setMovArtBar(CMovArtBar* bar);

    // The item dialog: opens the item with this key (0 for a new one, with `many` set when the
    // archive holds more than 2500 items) and gives the key of the item saved, 0 when cancelled,
    // -1 when the item no longer exists (another computer deleted it): the list then refreshes.
    // Until one is given, New and Open stay disabled.
    void setItemDialog(std::function<int(int itemId, bool many)> dialog);
    // The movement dialog, for a double click in the movements pane.
    void setMovementDialog(std::function<void(int movementId)> dialog);
    // The dialogs that ask for the filter and the find texts; false when cancelled. The
    // defaults show CFiltroArtDialog and CTrovaDialog.
    std::function<bool(FilterTexts*)> askFilter;
    std::function<bool(FindTexts*)> askFind;

    void becameVisible() override;
    void reload() override;
    void refresh() override;
    void saveState() override;
    void recomputeItem(int itemId) override;
    void recomputeItems(const QList<int>& itemIds) override;

    ArtListModel* model() const { return m_model; }
    ArtMovementsLoader* movementsLoader() const { return m_loader; }

public Q_SLOTS:
    void onNew();
    void onOpen();
    void onDelete();
    void onFind();
    void onUpdate();
    void onFilter();

protected:
    void changeEvent(QEvent* event) override;

private:
    void createAccelerators();
    void retranslateUi();
    void updateCommandStates() override;
    void selectionChanged() override;

    IPrompt& m_prompt;
    ArtListModel* m_model;
    ArtMovementsLoader* m_loader;
    QPointer<CMovArtBar> m_bar;
    std::function<int(int, bool)> m_itemDialog;
    std::function<void(int)> m_movementDialog;
    bool m_initialised = false;
};
