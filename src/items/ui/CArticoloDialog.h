#pragma once

#include "items/ItemStore.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <optional>

class CBarCodeWnd;
class CFotoWnd;
class ChangeNotifier;
class Database;
class IBrowser;
class IFileDialogs;
class IPrompt;
class Profile;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class SupplierListModel;

// "Dati Articolo": creates or changes one item. The dialog checks the required fields and the
// uniqueness of code and barcode, completes a new item's code from its first characters,
// suggests a barcode's check character, shows the price chain, and lets the user pick or
// create unit, classifications and usual supplier. "Salva" writes the item itself, in one
// transaction, so a refused write keeps the dialog open with nothing lost.
class CArticoloDialog : public QDialog {
    Q_OBJECT
public:
    CArticoloDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                    IFileDialogs& files, const ItemEditRecord& record, QWidget* parent = nullptr);

    static QString title() { return tr("Dati Articolo"); }

    // Opens the item with this key (0 for a new one, with many set when the archive holds more
    // than 2500 items) and gives the key of the saved item, 0 when cancelled or unreadable, -1
    // when the item no longer exists (another computer deleted it), which the user is told.
    static int Run(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                   IFileDialogs& files, int itemId, bool many, QWidget* parent);

    // Set for an opened item: no duplicate checks, no code completion, serial codes fixed.
    void setExisting(bool existing);
    bool existing() const { return m_existing; }
    // Set when the archive is large: duplicate checks and code completion are skipped.
    void setLargeArchive(bool large) { m_large = large; }
    bool largeArchive() const { return m_large; }
    // Enter saves (instead of F2), for callers that scan one item after the other.
    void setEnterSaves(bool on);
    bool enterSaves() const { return m_enterSaves; }
    // A reader that types like a keyboard: "Salva (F2)", and Enter never closes the dialog.
    bool keyboardReader() const { return m_keyboardReader; }

    // The checks of OK in their order, then the write; on success the dialog closes accepted
    // and record() holds the saved item with its key.
    bool save();
    const ItemEditRecord& record() const { return m_record; }
    // Set when a save found the item deleted by another computer: the dialog has closed.
    bool recordGone() const { return m_recordGone; }

    // The find dialog for "Trova Fornitore": the name and tax-code texts, false when cancelled.
    std::function<bool(QString* name, QString* taxCode)> askFindSupplier;
    // The mark-up calculator: the new mark-up (a fraction), none when cancelled.
    std::function<std::optional<double>(const CurrencyAmount& price, double vat, double discount,
                                        double markup)>
        askMarkup;

    // Controls, by the column they edit (the combo boxes by their key column, "Iva" for VAT).
    QLineEdit* field(const QString& column) const { return m_edits.value(column); }
    QComboBox* combo(const QString& column) const { return m_combos.value(column); }
    QLineEdit* supplierSearch() const { return m_supplierSearch; }
    QCheckBox* vatIncluded() const { return m_vatIncluded; }
    QCheckBox* serialCodes() const { return m_imei; }
    QPlainTextEdit* notes() const { return m_notes; }
    QLabel* purchaseLine() const { return m_purchaseLine; }
    QLabel* sellingLine() const { return m_sellingLine; }
    QPushButton* okButton() const { return m_ok; }
    CBarCodeWnd* barcodePicture() const { return m_barcode; }
    CFotoWnd* photo() const { return m_photo; }
    // The small toolbar buttons by their ids 3124 to 3132.
    QToolButton* toolButton(int id) const { return m_tools.value(id); }

public Q_SLOTS:
    void updatePriceChain();
    void calculateMarkup();
    void editUnits();
    void deleteUnused(int toolId);
    void newSupplier();
    void changeSupplier();
    void findSupplier();
    void showHelp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void loadLists();
    void loadUnits(int selectKey);
    void loadClassification(const QString& column, int selectKey, bool withStandard);
    void loadSuppliers(int selectKey);
    void showRecord();
    void completeCode();
    void suggestCheckChar();
    void completeCombo(QComboBox* combo);
    void searchSupplier();
    void serialCodesToggled(bool on);
    void updateSupplierButtons();
    int chosenKey(QComboBox* combo, QString* newName) const;
    int chosenSupplier() const;
    bool warn(QWidget* field, const QString& title, const QString& text);
    void watchChildren();

    Database& m_db;
    Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    IFileDialogs& m_files;
    ItemEditRecord m_record;
    int m_openedCategory = 0;

    QHash<QString, QLineEdit*> m_edits;
    QHash<QString, QComboBox*> m_combos;
    QHash<int, QToolButton*> m_tools;
    QLineEdit* m_supplierSearch = nullptr;
    QCheckBox* m_vatIncluded = nullptr;
    QCheckBox* m_imei = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QLabel* m_purchaseLine = nullptr;
    QLabel* m_sellingLine = nullptr;
    QPushButton* m_ok = nullptr;
    CBarCodeWnd* m_barcode = nullptr;
    CFotoWnd* m_photo = nullptr;
    SupplierListModel* m_supplierModel = nullptr;

    bool m_existing = false;
    bool m_recordGone = false;
    bool m_large = false;
    bool m_enterSaves = false;
    bool m_keyboardReader = false;
    // Cleared while the dialog writes a text itself, so its own handlers stay quiet.
    bool m_armed = false;
    // The field in which Backspace or Delete is held down (the user is erasing).
    QObject* m_erasing = nullptr;
};
