#include "common/ui/CTrovaDialog.h"

#include "common/IBrowser.h"
#include "common/ui/OneLineFields.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CTrovaDialog::CTrovaDialog(Mode mode, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Trova"));
    setObjectName(QStringLiteral("CTrovaDialog"));
    QStringList captions;
    switch (mode) {
    case Mode::Items:
        // Every text given must match.
        captions = {tr("Cerca un prodotto che ha matricola"), tr("e che ha descrizione"),
                    tr("e che ha codice a barre")};
        break;
    case Mode::Counterparts:
        captions = {tr("Cerca un cliente o fornitore che ha ragione sociale"),
                    tr("oppure che ha codice fiscale"), tr("Non utilizzato in questa ricerca")};
        break;
    case Mode::Movements:
        captions = {tr("Cerca un movimento che ha data"), tr("oppure che ha numero"),
                    tr("Non utilizzato in questa ricerca")};
        break;
    }
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        m_labels[i] = new QLabel(captions.value(i), this);
        m_edits[i] = new QLineEdit(this);
        m_edits[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        m_edits[i]->setMaxLength(100);
        m_labels[i]->setBuddy(m_edits[i]);
        layout->addWidget(m_labels[i]);
        layout->addWidget(m_edits[i]);
    }
    if (mode == Mode::Items) {
        auto* hint = new QLabel(tr("Per più valori utilizzare il carattere jolly *"), this);
        hint->setEnabled(false);
        layout->addWidget(hint);
    } else {
        // Two texts only: the third field has nothing to search.
        m_edits[2]->setEnabled(false);
        m_labels[2]->setEnabled(false);
    }
    // Both lists search their rows from the first or from the one after the selection.
    m_fromFirst = new QCheckBox(tr("&Inizia la ricerca dalla prima riga"), this);
    m_fromFirst->setObjectName(QStringLiteral("FromFirstRow"));
    m_fromFirst->setChecked(true);
    layout->addWidget(m_fromFirst);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_help = buttons->addButton(tr("&Aiuto"), QDialogButtonBox::HelpRole);
    m_help->setObjectName(QStringLiteral("Aiuto"));
    m_help->hide();
    connect(m_help, &QPushButton::clicked, this, [this] {
        if (m_browser)
            m_browser->open(m_helpPage);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(360);
    // Text of several lines pasted into a one-line field keeps its first line.
    KeepFirstLineIn(this);
}

QString CTrovaDialog::text(int field) const {
    return field >= 0 && field < 3 ? m_edits[field]->text().trimmed() : QString();
}

QLineEdit* CTrovaDialog::edit(int field) const {
    return field >= 0 && field < 3 ? m_edits[field] : nullptr;
}

QLabel* CTrovaDialog::label(int field) const {
    return field >= 0 && field < 3 ? m_labels[field] : nullptr;
}

bool CTrovaDialog::fromFirstRow() const {
    return m_fromFirst->isChecked();
}

void CTrovaDialog::setHelpPage(IBrowser& browser, const QUrl& page) {
    m_browser = &browser;
    m_helpPage = page;
    m_help->show();
}
