#pragma once

#include "print/MovementReport.h"

#include <QDialog>
#include <QUrl>

class IBrowser;
class IPrompt;
class Profile;
class QButtonGroup;
class QDateTimeEdit;
class QPushButton;
class QRadioButton;

// "Rapporto Movimenti": the two dates of the movement report and how its lines are grouped.
// "Continua" accepts only an end at least a whole day after the start.
class CRappMovDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the last seven days (start = now minus 7 days, end = now), grouped by category.
    CRappMovDialog(const Profile& profile, IPrompt& prompt, IBrowser& browser,
                   QWidget* parent = nullptr);

    // Shows the dialog; true and *out filled on "Continua", false on "Annulla".
    static bool Run(const Profile& profile, IPrompt& prompt, IBrowser& browser, QWidget* parent,
                    MovementReportRequest* out);

    static QString title() { return tr("Rapporto Movimenti"); }
    // The online help page of the report.
    static QUrl helpPage(const Profile& profile);

    MovementReportRequest request() const;

    QDateTimeEdit* startEdit() const { return m_start; }
    QDateTimeEdit* endEdit() const { return m_end; }
    QRadioButton* groupingButton(MovementGrouping grouping) const;
    QPushButton* continueButton() const { return m_continue; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* helpButton() const { return m_help; }

private Q_SLOTS:
    void tryContinue();
    void showHelp();

private:
    const Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    QDateTimeEdit* m_start;
    QDateTimeEdit* m_end;
    QButtonGroup* m_groupings;
    QPushButton* m_continue;
    QPushButton* m_cancel;
    QPushButton* m_help;
};
