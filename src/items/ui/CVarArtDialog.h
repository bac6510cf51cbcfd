#pragma once

#include "items/QuickChange.h"

#include <QDialog>

class ChangeNotifier;
class Database;
class IBrowser;
class IPrompt;
class Profile;
class QComboBox;
class QLineEdit;

// "Variazione Veloce": raises, lowers or sets the price, VAT, mark-up or discount of every item
// of one category, department or shelf at once.
class CVarArtDialog : public QDialog {
    Q_OBJECT
public:
    CVarArtDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                  ChangeNotifier* notifier, QWidget* parent = nullptr);

    static QString title() { return tr("Variazione Veloce"); }

    QComboBox* fieldBox() const { return m_field; }
    QComboBox* operationBox() const { return m_operation; }
    QLineEdit* valueEdit() const { return m_value; }
    QComboBox* baseBox() const { return m_base; }
    QComboBox* keyBox() const { return m_key; }

public Q_SLOTS:
    // Checks the value, asks for confirmation and runs the change; the dialog closes only
    // after a change that succeeded.
    void accept() override;
    void showHelp();

private:
    void fillKeys();

    Database& m_db;
    Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    ChangeNotifier* m_notifier;
    QComboBox* m_field = nullptr;
    QComboBox* m_operation = nullptr;
    QLineEdit* m_value = nullptr;
    QComboBox* m_base = nullptr;
    QComboBox* m_key = nullptr;
};
