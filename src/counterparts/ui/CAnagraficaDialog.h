#pragma once

#include "store/records/CliForRecord.h"

#include <QDialog>
#include <QHash>

class Database;
class IBrowser;
class IPrompt;
class Profile;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Gestione Anagrafica": edits one customer, supplier or worker. The caller gives the record
// (a new one carries its kind, which the dialog never changes), sets the two flags, runs the
// dialog and, after "Salva", writes record() back with CounterpartStore::save.
class CAnagraficaDialog : public QDialog {
    Q_OBJECT
public:
    CAnagraficaDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                      const CliForRecord& record, QWidget* parent = nullptr);

    static QString title() { return tr("Gestione Anagrafica"); }

    // Who opens the dialog, which settles the two flags below.
    enum class Caller {
        NewCustomer,   // the counterparts list, new customer
        NewSupplier,   // the counterparts list, new supplier
        Edit,          // the counterparts list, an existing record
        DocumentNew,   // a movement or item dialog, new customer or supplier
        DocumentChange // a movement or item dialog, changing one
    };
    void configureFor(Caller caller);

    // Saving refuses a code another record has (set when a record is created).
    void setDuplicateCheck(bool on) { m_duplicateCheck = on; }
    bool duplicateCheck() const { return m_duplicateCheck; }
    void setDiscountEnabled(bool on);
    bool discountEnabled() const;

    // The record with the dialog's values, as "Salva" left it.
    const CliForRecord& record() const { return m_record; }

    // The checks of "Salva" in their order; on success the values go into record() and the
    // dialog closes accepted, otherwise it stays open with the focus on the refused field.
    bool save();

    // The line edit of a column (by its name), or the notes field.
    QLineEdit* field(const QString& column) const { return m_fields.value(column); }
    QPlainTextEdit* notes() const { return m_notes; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRecord();
    void completeCode();

    Database& m_db;
    Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    CliForRecord m_record;
    QHash<QString, QLineEdit*> m_fields;
    QPlainTextEdit* m_notes = nullptr;
    bool m_duplicateCheck = false;
    // Cleared while the dialog writes the code field itself.
    bool m_completing = false;
    // Set while Backspace or Delete is held down in the code field.
    bool m_erasing = false;
};
