#include "company/ui/CSceltaValuta.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CSceltaValuta::CSceltaValuta(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CSceltaValuta"));
    setWindowTitle(tr("Stampa Valuta Documento"));

    auto* prompt = new QLabel(tr("Scegliere la stampa della valuta del documento"), this);
    m_base = new QRadioButton(tr("Valuta &Base"), this);
    m_base->setObjectName(QStringLiteral("ValutaBase"));
    m_document = new QRadioButton(tr("Valuta &Documento"), this);
    m_document->setObjectName(QStringLiteral("ValutaDocumento"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_base, BaseCurrency);
    group->addButton(m_document, DocumentCurrency);
    m_base->setChecked(true);

    auto* proceed = new QPushButton(tr("Continua"), this);
    proceed->setObjectName(QStringLiteral("Continua"));
    proceed->setDefault(true);
    connect(proceed, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(tr("Annulla"), this);
    cancel->setObjectName(QStringLiteral("Annulla"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* choices = new QVBoxLayout;
    choices->setContentsMargins(16, 0, 0, 0);
    choices->addWidget(m_base);
    choices->addWidget(m_document);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(proceed);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(choices);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CSceltaValuta::choice() const {
    return m_document->isChecked() ? DocumentCurrency : BaseCurrency;
}
