#pragma once

#include "store/records/ScadenzeRecord.h"

#include <QDialog>
#include <functional>

class CComboApp;
class IBrowser;
class IPrompt;
class Profile;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimeEdit;

// "Appuntamenti e Scadenze": edits one agenda entry. "Salva" checks the fields and hands the
// entry to the save function; the window closes only when the archive took it, so a refused
// save keeps what the user typed.
class CAppDialog : public QDialog {
    Q_OBJECT
public:
    CAppDialog(const ScadenzeRecord& entry, IPrompt& prompt, IBrowser& browser,
               const Profile& profile, QWidget* parent = nullptr);

    // Writes the entry; false when the archive refused it ("Impossibile salvare i dati in
    // agenda!" is shown and the window stays open).
    std::function<bool(ScadenzeRecord&)> save;

    // The entry as saved.
    const ScadenzeRecord& entry() const { return m_entry; }

    QLineEdit* subjectEdit() const { return m_subject; }
    QPlainTextEdit* descriptionEdit() const { return m_description; }
    QDateEdit* startDateEdit() const { return m_startDate; }
    QTimeEdit* startTimeEdit() const { return m_startTime; }
    QDateEdit* endDateEdit() const { return m_endDate; }
    QTimeEdit* endTimeEdit() const { return m_endTime; }
    CComboApp* typeCombo() const { return m_type; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* helpButton() const { return m_help; }

private:
    void onSave();
    void showEnd(const QDateTime& end);

    IPrompt& m_prompt;
    ScadenzeRecord m_entry;
    QLineEdit* m_subject = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QDateEdit* m_startDate = nullptr;
    QTimeEdit* m_startTime = nullptr;
    QDateEdit* m_endDate = nullptr;
    QTimeEdit* m_endTime = nullptr;
    CComboApp* m_type = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_help = nullptr;
};
