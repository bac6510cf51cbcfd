#pragma once

#include <QDialog>
#include <QUrl>

class IBrowser;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Trova": the find window the lists share. Each mode says what its texts mean; the caller
// reads them back (trimmed) after OK.
class CTrovaDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Items, Counterparts, Movements };

    explicit CTrovaDialog(Mode mode, QWidget* parent = nullptr);

    QString text(int field) const;
    QLineEdit* edit(int field) const;
    QLabel* label(int field) const;

    // Whether the search starts at the first row (set on opening) rather than after the
    // selection.
    bool fromFirstRow() const;
    QCheckBox* fromFirstRowBox() const { return m_fromFirst; }
    // Shows the "&Aiuto" button, which opens this page.
    void setHelpPage(IBrowser& browser, const QUrl& page);
    QPushButton* helpButton() const { return m_help; }

private:
    QLineEdit* m_edits[3] = {};
    QLabel* m_labels[3] = {};
    QCheckBox* m_fromFirst = nullptr;
    QPushButton* m_help = nullptr;
    IBrowser* m_browser = nullptr;
    QUrl m_helpPage;
};
