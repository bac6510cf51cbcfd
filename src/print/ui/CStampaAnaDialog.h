#pragma once

#include "print/SituationRequest.h"

#include <QDialog>

class IPrompt;
class QDateEdit;
class QRadioButton;

// "Impostazione Stampa" for the counterparts' situation: the period and whether all rows or
// only the selected ones are printed. "Continua" refuses a period that is not at least a day
// long, with the reason, and the dialog stays open.
class CStampaAnaDialog : public QDialog {
    Q_OBJECT
public:
    // from and to preset the dates (the start one week before the end); hasSelection enables
    // "S&tampa solo le righe selezionate".
    CStampaAnaDialog(IPrompt& prompt, bool hasSelection, const QDate& from, const QDate& to,
                     QWidget* parent = nullptr);

    // Shows the dialog; true after "Continua" with *out filled in. The dates are preset from
    // *out when both are valid (the view keeps the last period), otherwise to a week ago and
    // today.
    static bool Run(IPrompt& prompt, bool hasSelection, QWidget* parent, SituationRequest* out);

    SituationRequest request() const;

    QDateEdit* fromEdit() const { return m_from; }
    QDateEdit* toEdit() const { return m_to; }
    QRadioButton* allButton() const { return m_all; }
    QRadioButton* selectedButton() const { return m_selected; }

private:
    void proceed();

    IPrompt& m_prompt;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_selected = nullptr;
};
