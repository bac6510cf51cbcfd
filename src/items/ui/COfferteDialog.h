#pragma once

#include "items/ArtFind.h"
#include "items/Promotions.h"

#include <QDialog>
#include <QHash>
#include <functional>

class CFotoWnd;
class Database;
class IBrowser;
class IFileDialogs;
class IPrompt;
class Profile;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Gestione Offerte e Promozioni": the promotions of every item. The user picks an item (by
// code, barcode or description), a period or "always", the kind of promotion and whether it is
// active, then inserts it as a new promotion or saves it over the selected one. Every command
// writes at once; the window only closes.
class COfferteDialog : public QDialog {
    Q_OBJECT
public:
    enum Tool { InsertOffer, DeleteOffer, SaveOffer, NewItem, ChangeItem, FindItem };
    enum Column { Prodotto, Inizio, Fine, Promozione, Attiva, ColumnCount };

    COfferteDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                   IFileDialogs& files, QWidget* parent = nullptr);
    ~COfferteDialog() override;

    static QString title() { return tr("Gestione Offerte e Promozioni"); }
    static QString WidthKey(int column);
    static int DefaultWidth(int column);

    // The item dialog: the item with this key (0 for a new one, many when the archive is large);
    // gives the saved item's key, 0 when cancelled, -1 when the item no longer exists. The
    // default runs CArticoloDialog.
    std::function<int(int itemId, bool many)> itemDialog;
    // The find window's texts and where the search starts; false when cancelled. The default
    // shows CTrovaDialog for items.
    std::function<bool(ArtFind::Texts* texts, bool* fromFirstRow)> askFind;

    QTreeWidget* list() const { return m_list; }
    QLineEdit* codeSearch() const { return m_code; }
    QLineEdit* barcodeSearch() const { return m_barcode; }
    QComboBox* items() const { return m_items; }
    QDateEdit* firstDay() const { return m_from; }
    QDateEdit* lastDay() const { return m_to; }
    QCheckBox* sempre() const { return m_sempre; }
    QCheckBox* sconto() const { return m_sconto; }
    QLineEdit* percent() const { return m_percent; }
    QCheckBox* treXDue() const { return m_treXDue; }
    QCheckBox* dueXUno() const { return m_dueXUno; }
    QCheckBox* attiva() const { return m_attiva; }
    CFotoWnd* photo() const { return m_photo; }
    QToolButton* toolButton(Tool tool) const { return m_tools.value(tool); }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* helpButton() const { return m_help; }
    bool keyboardReader() const { return m_keyboardReader; }

    // The item chosen in the item list, 0 for none.
    int chosenItem() const;
    // The promotion of the selected list row, 0 for none.
    int selectedPromotion() const;

public Q_SLOTS:
    void insertPromotion();
    void savePromotion();
    void deletePromotion();
    void newItem();
    void changeItem();
    void findItem();
    void showHelp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void loadPromotions();
    void loadItems(int selectKey);
    void selectItem(int key);
    void showPhoto();
    void searchCode(QLineEdit* box);
    void showPromotion(int key);
    void updateOptions();
    void updateItemTools();
    // The promotion as the controls give it; false when there is no item or the period is
    // refused (the user has been told).
    bool gather(Promotions::Promotion* p);
    void writeRow(QTreeWidgetItem* row, const Promotions::Promotion& p);
    void write(bool asNew);

    Database& m_db;
    Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    IFileDialogs& m_files;
    QHash<int, Promotions::Promotion> m_promotions;
    QList<Promotions::ItemEntry> m_itemEntries;

    QTreeWidget* m_list = nullptr;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_barcode = nullptr;
    QComboBox* m_items = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QCheckBox* m_sempre = nullptr;
    QCheckBox* m_sconto = nullptr;
    QLineEdit* m_percent = nullptr;
    QCheckBox* m_treXDue = nullptr;
    QCheckBox* m_dueXUno = nullptr;
    QCheckBox* m_attiva = nullptr;
    CFotoWnd* m_photo = nullptr;
    QHash<int, QToolButton*> m_tools;
    QPushButton* m_ok = nullptr;
    QPushButton* m_help = nullptr;
    class ItemModel;
    ItemModel* m_itemModel = nullptr;
    bool m_keyboardReader = false;
    // The search box in which Backspace or Delete is held down (the user is erasing).
    QObject* m_erasing = nullptr;
};
