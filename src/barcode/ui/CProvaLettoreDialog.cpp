#include "barcode/ui/CProvaLettoreDialog.h"

#include "barcode/SerialBarcodePort.h"
#include "common/IPrompt.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CProvaLettoreDialog::CProvaLettoreDialog(const BarcodeReader& reader, QWidget* parent)
    : QDialog(parent), m_reader(reader) {
    setObjectName(QStringLiteral("CProvaLettoreDialog"));
    setWindowTitle(tr("Prova del Lettore"));
    m_port = new SerialBarcodePort(this);
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("CodiceBarre"));
    m_code->setReadOnly(true);
    m_code->setMinimumWidth(280);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_status->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    m_close = buttons->addButton(tr("Chiudi"), QDialogButtonBox::RejectRole);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("Codice a Barre"), m_code);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    connect(m_port, &SerialBarcodePort::codeRead, this, &CProvaLettoreDialog::showCode);
    connect(m_port, &SerialBarcodePort::lost, this, [this](const QString& port) {
        m_status->setText(tr("La porta %1 non risponde: il lettore è scollegato?").arg(port));
    });
    connect(m_port, &SerialBarcodePort::restored, this, [this] {
        m_status->setText(
            tr("Porta di nuovo aperta (%1): leggere un codice.").arg(m_reader.description()));
    });
}

CProvaLettoreDialog::~CProvaLettoreDialog() = default;

bool CProvaLettoreDialog::openPort() {
    if (!m_port->start(m_reader)) {
        m_port->stop();
        return false;
    }
    m_status->setText(tr("In attesa di un codice (%1).").arg(m_reader.description()));
    return true;
}

void CProvaLettoreDialog::showCode(const QString& code) {
    ++m_count;
    m_code->setText(code);
    m_status->setText(
        tr("Codici letti: %1. Ultimo codice: %2 caratteri.").arg(m_count).arg(code.size()));
}

void CProvaLettoreDialog::Run(IPrompt& prompt, const BarcodeReader& reader, QWidget* parent) {
    CProvaLettoreDialog test(reader, parent);
    if (!test.openPort()) {
        prompt.message(tr("Impossibile aprire la porta selezionata!"), IPrompt::Icon::Warning);
        return;
    }
    test.exec();
}
