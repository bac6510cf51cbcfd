#pragma once

#include "items/SerialCodes.h"

#include <QDialog>
#include <QList>

class CBarCodeWnd;
class Database;
class IBrowser;
class IPrompt;
class Profile;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

// "Codici a Barre Univoci": the serial codes of the units one movement row moves, one code per
// unit. Every code is written to Imei at once, inside the caller's transaction; the caller sets
// a savepoint around the dialog and rolls it back when the dialog is cancelled, or when the row
// cannot be written after it.
//
// For a row still to be inserted (rowKey 0) the list starts empty and the codes are written
// pointing at no row; codeKeys() gives the caller what to point at the new row
// (PointSerialCodes). For an inserted row the list holds its codes and the count still to enter
// is the quantity less those codes; when the row holds more codes than its new quantity, the
// count goes below zero, no code can be added, and "Salva" asks for the extra ones to be
// removed.
//
// Enter never closes the dialog (a reader ends each code with one). With "&Lettore" pressed,
// Enter in the code field inserts the code, so that codes can be scanned one after another;
// otherwise it does nothing.
class CImeiDialog : public QDialog {
    Q_OBJECT
public:
    // movementType: Movimenti.Tipo (0 to 3); editRows: the open edit's row keys.
    CImeiDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser, int itemId,
                int rowKey, int movementType, int count, const QList<int>& editRows,
                QWidget* parent = nullptr);

    static QString title() { return tr("Codici a Barre Univoci"); }

    // Rejected at once, without showing anything, for no item or no units to name.
    int exec() override;

    // The Imei keys the row owns after OK, in list order.
    QList<int> codeKeys() const;
    QStringList codes() const;
    // Codes still to enter; below zero when the row holds more than its quantity.
    int remaining() const { return m_remaining; }
    bool readerMode() const;
    bool keyboardReader() const { return m_keyboardReader; }

    QListWidget* list() const { return m_list; }
    QLineEdit* codeField() const { return m_code; }
    CBarCodeWnd* barcodePicture() const { return m_barcode; }
    QLabel* remainingLabel() const { return m_remainingLabel; }
    QToolButton* readerButton() const { return m_reader; }
    QToolButton* insertButton() const { return m_insert; }
    QToolButton* saveButton() const { return m_save; }
    QToolButton* removeButton() const { return m_remove; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* helpButton() const { return m_help; }

public Q_SLOTS:
    void insertCode();
    void saveCode();
    void removeCode();
    void confirm();
    void showHelp();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void buildLayout();
    void loadCodes();
    void showRemaining();
    void selectionChanged();
    // The field's text as a code; empty (and the user told) when there is none.
    QString typedCode();
    bool inList(const QString& code, int except) const;
    bool refused(const SerialResult& result);

    Database& m_db;
    Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    SerialCodes m_store;
    int m_itemId;
    int m_rowKey;
    int m_count;
    int m_remaining = 0;
    bool m_keyboardReader = false;
    QList<SerialCode> m_codes;

    QListWidget* m_list = nullptr;
    QLineEdit* m_code = nullptr;
    CBarCodeWnd* m_barcode = nullptr;
    QLabel* m_remainingLabel = nullptr;
    QToolButton* m_reader = nullptr;
    QToolButton* m_insert = nullptr;
    QToolButton* m_save = nullptr;
    QToolButton* m_remove = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_help = nullptr;
};
