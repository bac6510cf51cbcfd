#include "items/ui/CFiltroArtDialog.h"

#include "common/ui/OneLineFields.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CFiltroArtDialog::CFiltroArtDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Filtro Dati"));
    setObjectName(QStringLiteral("CFiltroArtDialog"));
    m_code = new QLineEdit(this);
    m_code->setMaxLength(30);
    m_description = new QLineEdit(this);
    m_description->setMaxLength(100);
    m_category = new QLineEdit(this);
    m_category->setMaxLength(50);
    m_stock = new QComboBox(this);
    m_stock->addItems({tr("Qualsiasi valore"), tr("Giacenza maggiore di zero"),
                       tr("Giacenza minore di zero"), tr("Giacenza uguale a zero"),
                       tr("Riordino maggiore di zero")});
    auto* form = new QFormLayout;
    form->addRow(tr("&Matricola"), m_code);
    form->addRow(tr("&Descrizione"), m_description);
    form->addRow(tr("&Categoria"), m_category);
    form->addRow(tr("&Giacenza"), m_stock);
    auto* hint = new QLabel(tr("Per più valori utilizzare il carattere jolly *"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    setMinimumWidth(380);
    // Text of several lines pasted into a one-line field keeps its first line.
    KeepFirstLineIn(this);
}

QString CFiltroArtDialog::code() const {
    return m_code->text().trimmed();
}

QString CFiltroArtDialog::description() const {
    return m_description->text().trimmed();
}

QString CFiltroArtDialog::category() const {
    return m_category->text().trimmed();
}

int CFiltroArtDialog::stock() const {
    return m_stock->currentIndex();
}
