#pragma once

#include "items/UnitsOfMeasure.h"

#include <QDialog>

class Database;
class IBrowser;
class IPrompt;
class Profile;
class QAction;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// "Gestione Unità di Misura": the list of units with their abbreviation and description, and
// a toolbar to insert, save and delete them.
class CUniMisDialog : public QDialog {
    Q_OBJECT
public:
    CUniMisDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                  QWidget* parent = nullptr);

    static QString title() { return tr("Gestione Unità di Misura"); }

    // Runs the dialog with its changes as one transaction, committed when it closes (every way
    // of closing keeps them). Inside a transaction someone else started, the ending is theirs.
    // False when no transaction could start or the commit failed (the user has been told).
    static bool RunInTransaction(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                                 QWidget* parent);

    QTreeWidget* list() const { return m_list; }
    QLineEdit* siglaEdit() const { return m_sigla; }
    QLineEdit* descrizioneEdit() const { return m_descrizione; }
    QAction* insertAction() const { return m_insert; }
    QAction* saveAction() const { return m_save; }
    QAction* deleteAction() const { return m_delete; }

public Q_SLOTS:
    void insertUnit();
    void saveUnit();
    void deleteUnit();
    void showHelp();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void fill();
    void selectionChanged();
    QTreeWidgetItem* addRow(int id, const QString& sigla, const QString& descrizione);
    void warn(const QString& text);
    void reportSaveFailure(UnitsOfMeasure::Result result);

    Database& m_db;
    Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    QTreeWidget* m_list = nullptr;
    QLineEdit* m_sigla = nullptr;
    QLineEdit* m_descrizione = nullptr;
    QAction* m_insert = nullptr;
    QAction* m_save = nullptr;
    QAction* m_delete = nullptr;
};
