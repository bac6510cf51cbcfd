#pragma once

#include "exchange/ItemImport.h"

#include <QDialog>
#include <array>

class IBrowser;
class IPrompt;
class Profile;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Importazione Dati": how the file's fields are separated and delimited, whether its first
// line holds headings, and which item field each of its first fourteen columns goes to, each
// box beside that column's value in the first line.
class CImportaDlg : public QDialog {
    Q_OBJECT
public:
    CImportaDlg(const QString& file, const Profile& profile, IPrompt& prompt, IBrowser& browser,
                QWidget* parent = nullptr);

    static QString title() { return tr("Importazione Dati"); }

    ItemImport::Mapping mapping() const;

    QRadioButton* separatorButton(int index) const { return m_separators[index]; }
    QRadioButton* delimiterButton(int index) const { return m_delimiters[index]; }
    QCheckBox* headingBox() const { return m_heading; }
    QComboBox* columnBox(int column) const { return m_boxes[column]; }
    QLineEdit* sampleField(int column) const { return m_samples[column]; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* helpButton() const { return m_help; }

private:
    void updateSamples();
    void tryAccept();

    QString m_file;
    const Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    std::array<QRadioButton*, 3> m_separators{};
    std::array<QRadioButton*, 3> m_delimiters{};
    QCheckBox* m_heading = nullptr;
    std::array<QComboBox*, ItemImport::kColumns> m_boxes{};
    std::array<QLineEdit*, ItemImport::kColumns> m_samples{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_help = nullptr;
};
