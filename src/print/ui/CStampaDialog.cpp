#include "print/ui/CStampaDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CStampaDialog::CStampaDialog(bool hasSelection, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title());
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(this);
    auto* boxLayout = new QVBoxLayout(box);
    m_all = new QRadioButton(tr("&Stampa tutte le righe"), box);
    m_selected = new QRadioButton(tr("S&tampa solo le righe selezionate"), box);
    auto* group = new QButtonGroup(this);
    group->addButton(m_all);
    group->addButton(m_selected);
    m_all->setChecked(true);
    m_selected->setEnabled(hasSelection);
    boxLayout->addWidget(m_all);
    boxLayout->addWidget(m_selected);
    layout->addWidget(box);

    auto* buttons = new QDialogButtonBox(this);
    m_continue = buttons->addButton(tr("Continua"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    m_continue->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

bool CStampaDialog::selectedOnly() const {
    return m_selected->isEnabled() && m_selected->isChecked();
}

bool CStampaDialog::Run(bool hasSelection, QWidget* parent, bool* selectedOnly) {
    CStampaDialog dialog(hasSelection, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (selectedOnly)
        *selectedOnly = dialog.selectedOnly();
    return true;
}
