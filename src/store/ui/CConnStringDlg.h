#pragma once

#include <QDialog>

class IPrompt;
class Profile;
class QLineEdit;

// "Connessione Avanzata": the connection string written by hand, for connections the fields of
// the connection dialog cannot express (a port, options, another user scheme). Saved only once
// it opens and holds this program's tables; then it is MyConnection.
class CConnStringDlg : public QDialog {
    Q_OBJECT
public:
    enum Result { Saved = 1, Cancelled = 2 };

    CConnStringDlg(Profile& profile, IPrompt& prompt, const QString& current,
                   QWidget* parent = nullptr);

    static QString title() { return QStringLiteral("Connessione Avanzata"); }
    QLineEdit* stringEdit() const { return m_edit; }

public Q_SLOTS:
    void save();
    void reject() override;

private:
    Profile& m_profile;
    IPrompt& m_prompt;
    QLineEdit* m_edit = nullptr;
};
