#include "store/ui/CConnStringDlg.h"

#include "common/ui/OneLineFields.h"
#include "store/ui/CConnDataDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CConnStringDlg::CConnStringDlg(Profile& profile, IPrompt& prompt, const QString& current,
                               QWidget* parent)
    : QDialog(parent), m_profile(profile), m_prompt(prompt) {
    setObjectName(QStringLiteral("CConnStringDlg"));
    setWindowTitle(title());

    m_edit = new QLineEdit(current, this);
    m_edit->setObjectName(QStringLiteral("Stringa"));
    m_edit->setMinimumWidth(560);
    auto* label = new QLabel(tr("&Stringa di connessione:"), this);
    label->setBuddy(m_edit);
    auto* hint =
        new QLabel(tr("Provider=QSQLITE;Data Source=<file>\n"
                      "Provider=QPSQL;Data Source=<host>[:porta];Initial Catalog=<database>;"
                      "User ID=<utente>;Password=<password>\n"
                      "Un valore che contiene ';' va tra virgolette doppie, ogni virgoletta "
                      "raddoppiata."),
                   this);
    hint->setObjectName(QStringLiteral("Forme"));
    hint->setEnabled(false);

    auto* saveButton = new QPushButton(tr("Salva"), this);
    saveButton->setObjectName(QStringLiteral("Salva"));
    saveButton->setDefault(true);
    auto* cancel = new QPushButton(tr("Annulla"), this);
    cancel->setObjectName(QStringLiteral("Annulla"));
    cancel->setAutoDefault(false);
    connect(saveButton, &QPushButton::clicked, this, &CConnStringDlg::save);
    connect(cancel, &QPushButton::clicked, this, &CConnStringDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    // Text of several lines pasted into a one-line field keeps its first line.
    KeepFirstLineIn(this);
}

void CConnStringDlg::save() {
    // A typing slip stays in front of the user to be mended, not lost with the dialog.
    // Spaces before "Provider" are a slip; spaces at the end may belong to a password.
    QString connection = m_edit->text();
    while (!connection.isEmpty() && connection.front().isSpace())
        connection.remove(0, 1);
    if (CConnDataDlg::TestAndStore(connection, m_profile, m_prompt))
        done(Saved);
}

void CConnStringDlg::reject() {
    done(Cancelled);
}
