#include "items/ui/CSceltaScannerDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CSceltaScannerDialog::CSceltaScannerDialog(const QStringList& labels, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CSceltaScannerDialog"));
    setWindowTitle(tr("Quarzil : Selezione Scanner"));
    m_list = new QListWidget(this);
    m_list->addItems(labels);
    m_list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Acquisire l'immagine da:"), this));
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(420, 240);
}

int CSceltaScannerDialog::chosen() const {
    return m_list->currentRow();
}
