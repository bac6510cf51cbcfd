#pragma once

#include "print/ItemHistoryDocument.h"

#include <QDate>
#include <QDialog>

class IPrompt;
class QDateEdit;
class QPushButton;

// The period of the items' history: the first and the last day, by default the last 30 days up
// to today. A last day before the first is refused with a message.
class CArtStoricoDialog : public QDialog {
    Q_OBJECT
public:
    CArtStoricoDialog(IPrompt& prompt, const QDate& today, QWidget* parent = nullptr);

    static QString title() { return tr("Impostazione Stampa"); }
    static QString EndBeforeStartMessage() {
        return tr("La data finale non può precedere la data iniziale!");
    }

    // Asks; true on "Continua" with the period in *period, false on "Annulla". today: the day
    // the default period ends on.
    static bool Run(IPrompt& prompt, QWidget* parent, HistoryPeriod* period,
                    const QDate& today = QDate::currentDate());

    HistoryPeriod period() const;

    QDateEdit* fromEdit() const { return m_from; }
    QDateEdit* toEdit() const { return m_to; }
    QPushButton* continueButton() const { return m_continue; }
    QPushButton* cancelButton() const { return m_cancel; }

public Q_SLOTS:
    void accept() override;

private:
    IPrompt& m_prompt;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QPushButton* m_continue = nullptr;
    QPushButton* m_cancel = nullptr;
};
