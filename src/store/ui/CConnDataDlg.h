#pragma once

#include "store/ConnectionProbe.h"

#include <QDialog>

class CatalogComboBox;
class IBrowser;
class IFileDialogs;
class IPrompt;
class Profile;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// "Connessione a Base Dati": the user builds and tests a connection to an SQLite file or a
// PostgreSQL catalog and stores it as MyConnection; a new empty catalog can be made on the
// server from here. The dialog never touches the program's own connection: the caller reopens it
// afterwards.
class CConnDataDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog's results (exec()'s value).
    enum Result { Saved = 1, Cancelled = 2, Advanced = 4, ImportAccess = 5 };

    // current: the string the fields start from (the stored MyConnection, or the connection in
    // use), so a change of one field does not mean typing all the others again.
    CConnDataDlg(Profile& profile, IPrompt& prompt, IFileDialogs& fileDialogs, IBrowser& browser,
                 const QString& current, QWidget* parent = nullptr);

    static QString title() { return QStringLiteral("Connessione a Base Dati"); }
    static QString openFailedText() {
        return QStringLiteral("Impossibile aprire l'archivio dei dati!");
    }

    // Tests a connection string (open, then the three probe queries) and stores it as
    // MyConnection. On failure the user is told (20045 and the driver's reason) and nothing is
    // stored. Shared with the dialog that edits the raw string.
    static bool TestAndStore(const QString& connection, Profile& profile, IPrompt& prompt);

    bool isPostgresMode() const;
    void setPostgresMode(bool postgres);
    ConnectionProbe::Fields fields() const;
    QString connectionString() const;

    QRadioButton* sqliteRadio() const { return m_sqlite; }
    QRadioButton* postgresRadio() const { return m_postgres; }
    QPushButton* openButton() const { return m_open; }
    QLabel* pathLabel() const { return m_path; }
    QLineEdit* serverEdit() const { return m_server; }
    QLineEdit* userEdit() const { return m_user; }
    QLineEdit* passwordEdit() const { return m_password; }
    CatalogComboBox* catalogCombo() const { return m_catalog; }
    QToolButton* newCatalogButton() const { return m_newCatalog; }

public Q_SLOTS:
    void chooseFile();
    void fillCatalogs();
    void createCatalog();
    void save();
    void showHelp();
    void reject() override;

private:
    void modeChanged();

    Profile& m_profile;
    IPrompt& m_prompt;
    IFileDialogs& m_fileDialogs;
    IBrowser& m_browser;
    QString m_file;
    QRadioButton* m_sqlite = nullptr;
    QRadioButton* m_postgres = nullptr;
    QPushButton* m_open = nullptr;
    QLabel* m_path = nullptr;
    QList<QWidget*> m_serverWidgets;
    QLineEdit* m_server = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    CatalogComboBox* m_catalog = nullptr;
    QToolButton* m_newCatalog = nullptr;
};
