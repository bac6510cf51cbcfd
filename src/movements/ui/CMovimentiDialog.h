#pragma once

#include "company/DocumentCurrency.h"
#include "movements/MovementEntry.h"
#include "store/records/MovimentiRecord.h"
#include "store/records/SottoMovimentiRecord.h"

#include <QDialog>
#include <QHash>
#include <functional>

struct ActivePromotion;
class CFotoWnd;
class Database;
class IBrowser;
class IFileDialogs;
class IPrompt;
class MovementEdit;
class Profile;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Gestione Movimento": the header and rows of one load, unload, receipt or return. Every row
// command writes the row at once inside the edit's transaction; the header is written by the
// edit's save after OK. The dialog proposes each row from the item (mark-up, promotion, VAT,
// the cascaded discount of a sale), warns when a sale takes more than the stock, and keeps the
// running totals.
class CMovimentiDialog : public QDialog {
    Q_OBJECT
public:
    CMovimentiDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                     IFileDialogs& files, MovementEdit& edit, QWidget* parent = nullptr);
    ~CMovimentiDialog() override;

    // Command ids of the dialog's small buttons.
    enum Tool : int {
        InsertRow = 1924,
        DeleteRow = 1925,
        SaveRow = 1926,
        OtherDataTool = 1927,
        NewCounterpart = 1928,
        NewItem = 1929,
        ChangeCounterpart = 1930,
        ChangeItem = 1931,
        FindCounterpart = 1932,
        FindItem = 1933,
        ReaderMode = 1934,
        Receipt = 1935,
        PricePerPiece = 1936,
        Currency = 1945,
    };

    int mode() const;
    // 0 none, 1 the transport document, 2 the invoice or receipt: set by OK in modes 1 and 3.
    int printChoice() const { return m_printChoice; }
    // Whether the documents can be printed after the save: the print boxes are enabled then.
    void setPrintAvailable(bool available);
    bool readerMode() const { return m_readerMode; }

    // The find window's text for "Trova Articolo" / "Trova Cliente" and whether to search from
    // the top; false when cancelled. The default shows CTrovaDialog.
    std::function<bool(bool items, QString* text, bool* fromTop)> askFind;
    // The serial codes of a row: the Imei keys the row is to own, false when cancelled. rowKey
    // is 0 for a row still to be inserted. The default shows CImeiDialog.
    std::function<bool(int itemId, int rowKey, int count, QList<int>* codes)> askSerialCodes;
    // "Altri Dati" on the header; false when cancelled. The default shows CDdtDataDialog.
    std::function<bool(int mode, MovimentiRecord* header)> askOtherData;
    // The document currency; false when cancelled. keepStored: the rows keep their stored
    // prices (shown converted) instead of being converted. The default shows CValutaDialog.
    std::function<bool(DocumentCurrency* currency, bool* keepStored)> askCurrency;

    // Controls, for the program's own flows and for tests.
    QLineEdit* numberField() const { return m_number; }
    QDateEdit* dateField() const { return m_date; }
    QLabel* counterpartLabel() const { return m_counterpartLabel; }
    QLineEdit* counterpartCode() const { return m_counterpartCode; }
    QComboBox* counterpartList() const { return m_counterparts; }
    QLineEdit* codeField(MovementEntry::CodeField field) const;
    QComboBox* itemList() const { return m_items; }
    QComboBox* unitList() const { return m_units; }
    QLineEdit* quantityField() const { return m_quantity; }
    QLabel* stockLabel() const { return m_stock; }
    QLineEdit* netField() const { return m_net; }
    QLineEdit* grossField() const { return m_gross; }
    QLineEdit* vatField() const { return m_vat; }
    QLineEdit* discountField() const { return m_discount; }
    QLineEdit* noteField() const { return m_note; }
    QTreeWidget* rowList() const { return m_rowList; }
    QLabel* totalLabel(int which) const { return m_totals[which]; }
    QCheckBox* paidBox() const { return m_paid; }
    QCheckBox* invoiceBox() const { return m_invoiceBox; }
    QCheckBox* transportBox() const { return m_transportBox; }
    QToolButton* toolButton(int id) const { return m_tools.value(id); }
    QMenu* priceMenu() const { return m_priceMenu; }
    QPushButton* okButton() const { return m_ok; }
    CFotoWnd* photo() const { return m_photo; }

public Q_SLOTS:
    void insertRow();
    void saveRow();
    void deleteRow();
    void openOtherData();
    void switchReceipt();
    void switchReaderMode();
    void pricePerPiece();
    void suggestPrice(int command);
    void chooseCurrency();
    void newCounterpart();
    void changeCounterpart();
    void findCounterpart();
    void newItem(const QString& barcode = QString());
    void changeItem();
    void findItem();
    // The checks of OK in their order; on success the header takes the dialog's values and the
    // dialog closes accepted.
    bool confirm();

    // Cancel: when items or counterparts were created or changed from this window, which the
    // edit's rollback takes back with the movement, the user is asked first.
    void reject() override;

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct RowView {
        SottoMovimentiRecord row;
        QString description;
        QString unit;
    };

    void buildLayout();
    void applyMode();
    void loadCounterparts(int selectKey);
    void loadItems(int selectKey);
    void loadUnits();
    void loadRows();
    void selectCounterpart(int key);
    void counterpartChosen();
    void selectItem(int key);
    void showItemPrices();
    bool findPromotion(ActivePromotion* promotion);
    void applyDiscount();
    void codeEdited(MovementEntry::CodeField field, const QString& text);
    void barcodeEntered();
    void counterpartCodeEdited(const QString& text);
    void netEdited();
    void grossEdited();
    void vatEdited();
    void quantityEdited();
    void rowSelected();
    void showStock();
    void updateTotals();
    void updateCommands();
    void writeLine(QTreeWidgetItem* line, const RowView& view);
    bool readRow(SottoMovimentiRecord* row, double* quantity, int leftOutRow);
    bool warnStock(int itemId, double quantity, int leftOutRow);
    void setText(QLineEdit* field, const QString& text);
    void setUnitPrice(QLineEdit* field, const CurrencyAmount& stored);
    QString formatAmount(const CurrencyAmount& amount, int decimals) const;
    CurrencyAmount parseShown(const QString& text) const;
    double rate() const;
    int priceDecimals() const;
    int selectedItem() const;
    int selectedCounterpart() const;
    RowView viewOf(const SottoMovimentiRecord& row) const;

    Database& m_db;
    Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    IFileDialogs& m_files;
    MovementEdit& m_edit;

    QList<MovementEntry::Counterpart> m_counterpartData;
    QHash<int, int> m_counterpartRows;
    KeyTextListModel* m_counterpartModel = nullptr;
    KeyTextListModel* m_itemModel = nullptr;
    QList<MovementEntry::ListEntry> m_unitData;
    MovementEntry::Item m_item;
    float m_counterpartDiscount = 0;
    int m_savedCounterpart = 0;
    DocumentCurrency m_currency;
    int m_printChoice = 0;
    bool m_printAvailable = false;
    bool m_readerMode = false;
    bool m_filling = false;
    // Items and counterparts written from this window, inside the edit's transaction.
    int m_recordsWritten = 0;

    QLineEdit* m_number = nullptr;
    QDateEdit* m_date = nullptr;
    QLabel* m_counterpartLabel = nullptr;
    QLineEdit* m_counterpartCode = nullptr;
    QComboBox* m_counterparts = nullptr;
    QLineEdit* m_codes[3] = {};
    QComboBox* m_items = nullptr;
    QComboBox* m_units = nullptr;
    QLineEdit* m_quantity = nullptr;
    QLabel* m_stock = nullptr;
    QLineEdit* m_net = nullptr;
    QLineEdit* m_gross = nullptr;
    QLineEdit* m_vat = nullptr;
    QLineEdit* m_discount = nullptr;
    QLineEdit* m_note = nullptr;
    QTreeWidget* m_rowList = nullptr;
    QLabel* m_totals[4] = {};
    QCheckBox* m_paid = nullptr;
    QCheckBox* m_invoiceBox = nullptr;
    QCheckBox* m_transportBox = nullptr;
    QHash<int, QToolButton*> m_tools;
    QMenu* m_priceMenu = nullptr;
    QPushButton* m_ok = nullptr;
    CFotoWnd* m_photo = nullptr;
};
