#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

// "Trova": the find window the lists share. Each mode says what its texts mean; the caller
// reads them back (trimmed) after OK.
class CTrovaDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Items };

    explicit CTrovaDialog(Mode mode, QWidget* parent = nullptr);

    QString text(int field) const;
    QLineEdit* edit(int field) const;
    QLabel* label(int field) const;

private:
    QLineEdit* m_edits[3] = {};
    QLabel* m_labels[3] = {};
};
