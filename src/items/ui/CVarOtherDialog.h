#pragma once

#include "items/Classifications.h"

#include <QDialog>

class ChangeNotifier;
class Database;
class IBrowser;
class IPrompt;
class Profile;
class QComboBox;
class QLineEdit;

// "Variazioni di Altri Dati": gives a category, department or shelf a new name for every item
// that has it.
class CVarOtherDialog : public QDialog {
    Q_OBJECT
public:
    enum class Outcome { Cancelled, Changed, Failed };

    CVarOtherDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                    QWidget* parent = nullptr);

    static QString title() { return tr("Variazioni di Altri Dati"); }

    QComboBox* fieldBox() const { return m_field; }
    QComboBox* valueBox() const { return m_value; }
    QLineEdit* newValueEdit() const { return m_newValue; }

    Classifications::Table table() const;
    int selectedKey() const;
    QString newValue() const;

    // After the dialog was accepted: asks for confirmation, renames, and tells the outcome.
    // A changed category asks the items view to reload (the only classification it shows).
    Outcome apply(ChangeNotifier* notifier);

    // The whole command: the dialog, then apply() when it was accepted.
    static Outcome Run(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                       ChangeNotifier* notifier, QWidget* parent);

public Q_SLOTS:
    void accept() override;
    void showHelp();

private:
    void fillValues();

    Database& m_db;
    Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    QComboBox* m_field = nullptr;
    QComboBox* m_value = nullptr;
    QLineEdit* m_newValue = nullptr;
};
