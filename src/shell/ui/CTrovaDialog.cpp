#include "shell/ui/CTrovaDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CTrovaDialog::CTrovaDialog(Mode mode, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Trova"));
    setObjectName(QStringLiteral("CTrovaDialog"));
    QStringList captions;
    switch (mode) {
    case Mode::Items:
        captions = {QStringLiteral("Cerca un prodotto che ha matricola"),
                    QStringLiteral("oppure che ha descrizione"),
                    QStringLiteral("oppure che ha codice a barre")};
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
    auto* hint = new QLabel(QStringLiteral("Per più valori utilizzare il carattere jolly *"), this);
    hint->setEnabled(false);
    layout->addWidget(hint);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(360);
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
