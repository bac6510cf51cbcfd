#include "barcode/ui/CLettoreBarreDialog.h"

#include "barcode/SerialBarcodePort.h"
#include "barcode/ui/CProvaLettoreDialog.h"
#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/Profile.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QComboBox* Choices(QWidget* parent, const QList<QPair<int, QString>>& choices) {
    auto* combo = new QComboBox(parent);
    for (const auto& [value, text] : choices)
        combo->addItem(text, value);
    return combo;
}

void Select(QComboBox* combo, int value) {
    const int index = combo->findData(value);
    combo->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace

CLettoreBarreDialog::CLettoreBarreDialog(Profile& profile, IPrompt& prompt, IBrowser& browser,
                                         SerialBarcodePort* running, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_prompt(prompt), m_browser(browser),
      m_running(running) {
    setObjectName(QStringLiteral("CLettoreBarreDialog"));
    setWindowTitle(tr("Lettore a Barre"));

    m_port = new QComboBox(this);
    m_port->setObjectName(QStringLiteral("Porta"));
    // Editable: a port the system does not list (a /dev/serial/by-id name) can be typed.
    m_port->setEditable(true);
    m_port->setInsertPolicy(QComboBox::NoInsert);
    m_port->setMinimumContentsLength(24);
    m_port->addItem(BarcodeReader::KeyboardPort());
    QStringList ports;
    const bool listed = SerialBarcodePort::AvailablePorts(&ports);
    m_port->addItems(ports);

    QList<QPair<int, QString>> rates;
    for (int r : BarcodeReader::BitRates())
        rates.append({r, QString::number(r)});
    m_baud = Choices(this, rates);
    QList<QPair<int, QString>> bits;
    for (int b : BarcodeReader::DataBitChoices())
        bits.append({b, QString::number(b)});
    m_data = Choices(this, bits);
    m_parity = Choices(this, BarcodeReader::ParityChoices());
    m_stop = Choices(this, BarcodeReader::StopBitChoices());
    m_flow = Choices(this, BarcodeReader::FlowChoices());
    m_baud->setObjectName(QStringLiteral("BitPerSecondo"));
    m_data->setObjectName(QStringLiteral("BitDati"));
    m_parity->setObjectName(QStringLiteral("Parita"));
    m_stop->setObjectName(QStringLiteral("BitStop"));
    m_flow->setObjectName(QStringLiteral("ControlloFlusso"));

    auto* portForm = new QFormLayout;
    auto* portLabel = new QLabel(tr("&Porta"), this);
    portLabel->setBuddy(m_port);
    portForm->addRow(portLabel, m_port);

    m_group = new QGroupBox(tr(" Caratteristiche porta seriale "), this);
    auto* form = new QFormLayout(m_group);
    auto row = [this, form](const char* text, QWidget* field) {
        auto* label = new QLabel(tr(text), this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    row(QT_TR_NOOP("Bit per &secondo"), m_baud);
    row(QT_TR_NOOP("Bit di &dati"), m_data);
    row(QT_TR_NOOP("Pa&rità"), m_parity);
    row(QT_TR_NOOP("Bit di st&op"), m_stop);
    row(QT_TR_NOOP("&Controllo di flusso"), m_flow);

    // In the order the reader's window has always had them.
    auto* buttons = new QVBoxLayout;
    auto button = [this, buttons](const char* text) {
        auto* b = new QPushButton(tr(text), this);
        buttons->addWidget(b);
        return b;
    };
    m_close = button(QT_TR_NOOP("Chiudi"));
    m_cancel = button(QT_TR_NOOP("Annulla"));
    m_help = button(QT_TR_NOOP("Aiuto"));
    m_test = button(QT_TR_NOOP("Pro&va"));
    buttons->addStretch();
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &CLettoreBarreDialog::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_test, &QPushButton::clicked, this, &CLettoreBarreDialog::test);
    connect(m_help, &QPushButton::clicked, this, [this] {
        m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/lettore.php")));
    });

    auto* left = new QVBoxLayout;
    left->addLayout(portForm);
    left->addWidget(m_group);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    fill(BarcodeReader::Read(profile));
    connect(m_port, &QComboBox::currentTextChanged, this, &CLettoreBarreDialog::portChanged);
    portChanged();

    if (!listed) {
        // Said once the window is up; the port can still be typed.
        QTimer::singleShot(0, this, [this] {
            m_prompt.message(tr("Errore nell'enumerazione delle porte!"), IPrompt::Icon::Warning);
        });
    }
}

void CLettoreBarreDialog::fill(const BarcodeReader& reader) {
    const QString port = reader.isKeyboard() ? BarcodeReader::KeyboardPort() : reader.port;
    if (m_port->findText(port) < 0)
        m_port->addItem(port);
    m_port->setCurrentText(port);
    Select(m_baud, reader.bitRate());
    Select(m_data, reader.dataBits());
    Select(m_parity, reader.parity);
    Select(m_stop, reader.stop);
    Select(m_flow, reader.flow);
}

BarcodeReader CLettoreBarreDialog::reader() const {
    BarcodeReader r;
    r.port = m_port->currentText().trimmed();
    if (r.isKeyboard())
        r.port = BarcodeReader::KeyboardPort();
    r.baud = m_baud->currentData().toInt();
    r.data = m_data->currentData().toInt();
    r.parity = m_parity->currentData().toInt();
    r.stop = m_stop->currentData().toInt();
    r.flow = m_flow->currentData().toInt();
    return r;
}

void CLettoreBarreDialog::portChanged() {
    const bool serial = !reader().isKeyboard();
    m_group->setEnabled(serial);
    m_test->setEnabled(serial);
}

void CLettoreBarreDialog::save() {
    reader().write(m_profile);
    if (m_profile.writeFailed()) {
        m_prompt.message(tr("Impossibile salvare le impostazioni del lettore: il "
                            "file delle impostazioni non è scrivibile."),
                         IPrompt::Icon::Warning);
        return;
    }
    accept();
}

void CLettoreBarreDialog::test() {
    // The port is opened by one reader at a time: the program's own reading pauses meanwhile.
    const bool wasReading = m_running && m_running->isActive();
    const BarcodeReader before = m_running ? m_running->reader() : BarcodeReader{};
    if (wasReading)
        m_running->stop();
    CProvaLettoreDialog::Run(m_prompt, reader(), this);
    if (wasReading)
        m_running->start(before);
}
