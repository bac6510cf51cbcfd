#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class IBrowser;
class IFileDialogs;
class IPrompt;
class Profile;
class QComboBox;
class QLabel;
class QLineEdit;

// The page "Anagrafica Azienda": the company's own data for the headers of documents and
// reports, and its logo.
class CDittaDialog : public QWidget {
    Q_OBJECT
public:
    CDittaDialog(Profile& profile, IPrompt& prompt, IFileDialogs& fileDialogs, IBrowser& browser,
                 const QString& appData, QWidget* parent = nullptr);

    static QString title() { return tr("Anagrafica Azienda"); }

    // Checks and writes the fields in order, each as soon as it passes; false, with the
    // offending field told to the user, at the first refusal.
    bool save();
    // The same checks without writing anything (leaving the page in the wizard).
    bool validate();
    void showHelp();

    // The field editing a value of "Azienda" (its key), the country's being the combo's editor.
    QLineEdit* field(const QString& key) const;
    QComboBox* countryCombo() const { return m_country; }
    QLabel* logoArea() const { return m_logo; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool check(bool write);
    void chooseLogo();
    // Shows the saved logo, or an empty area; reportFailure tells the user about a logo file
    // that cannot be read.
    void showSavedLogo(bool reportFailure);

    Profile& m_profile;
    IPrompt& m_prompt;
    IFileDialogs& m_fileDialogs;
    IBrowser& m_browser;
    QString m_logoFile;
    QHash<QString, QLineEdit*> m_fields;
    QComboBox* m_country = nullptr;
    QLabel* m_logo = nullptr;
};
