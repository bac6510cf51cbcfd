#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

// "Impostazione Stampa": whether a print covers every listed row or only the selected ones.
// Shown before the item list, value, labels and price reports, the counterparts list and the
// export.
class CStampaDialog : public QDialog {
    Q_OBJECT
public:
    // hasSelection: whether any row is selected; without one only the first choice is there.
    explicit CStampaDialog(bool hasSelection, QWidget* parent = nullptr);

    static QString title() { return tr("Impostazione Stampa"); }

    // Asks; true on "Continua" with *selectedOnly telling the choice, false on "Annulla".
    static bool Run(bool hasSelection, QWidget* parent, bool* selectedOnly);

    bool selectedOnly() const;

    QRadioButton* allRowsButton() const { return m_all; }
    QRadioButton* selectedRowsButton() const { return m_selected; }
    QPushButton* continueButton() const { return m_continue; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    QRadioButton* m_all = nullptr;
    QRadioButton* m_selected = nullptr;
    QPushButton* m_continue = nullptr;
    QPushButton* m_cancel = nullptr;
};
