#include "company/ui/CAziendaSheet.h"

#include "common/ChangeNotifier.h"
#include "company/ui/CDittaDialog.h"
#include "company/ui/CFormatDialog.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QString WizardText(int page) {
    return page == 0
               ? QCoreApplication::translate(
                     "CAziendaSheet", "I dati dell'azienda che compaiono nell'intestazione di "
                                      "documenti e stampe.")
               : QCoreApplication::translate(
                     "CAziendaSheet", "La valuta e il formato dei numeri, proposti dal sistema.");
}
} // namespace

CAziendaSheet::CAziendaSheet(Mode mode, Profile& profile, IPrompt& prompt,
                             IFileDialogs& fileDialogs, IBrowser& browser, const QString& appData,
                             ChangeNotifier* notifier, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_notifier(notifier) {
    setObjectName(QStringLiteral("CAziendaSheet"));
    setWindowTitle(tr("Gestione Dati Aziendali"));
    setMinimumWidth(560);
    m_ditta = new CDittaDialog(profile, prompt, fileDialogs, browser, appData);
    m_format = new CFormatDialog(profile, prompt, browser);

    auto* layout = new QVBoxLayout(this);
    auto* help = Button(tr("Aiuto"), QStringLiteral("Aiuto"), this);
    connect(help, &QPushButton::clicked, this, &CAziendaSheet::help);
    auto* cancel = Button(tr("Annulla"), QStringLiteral("Annulla"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);

    if (mode == Mode::Sheet) {
        m_tabs = new QTabWidget(this);
        m_tabs->addTab(m_ditta, CDittaDialog::title());
        m_tabs->addTab(m_format, CFormatDialog::title());
        layout->addWidget(m_tabs, 1);
        auto* ok = Button(tr("OK"), QStringLiteral("OK"), this);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &CAziendaSheet::accept);
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
    } else {
        // A wizard's header: the step's name and what it is for.
        auto* header = new QFrame(this);
        header->setAutoFillBackground(true);
        header->setBackgroundRole(QPalette::Base);
        header->setFrameShape(QFrame::StyledPanel);
        auto* headerLayout = new QVBoxLayout(header);
        m_headerTitle = new QLabel(header);
        QFont bold = m_headerTitle->font();
        bold.setBold(true);
        m_headerTitle->setFont(bold);
        m_headerText = new QLabel(header);
        m_headerText->setWordWrap(true);
        headerLayout->addWidget(m_headerTitle);
        headerLayout->addWidget(m_headerText);
        layout->addWidget(header);

        m_stack = new QStackedWidget(this);
        m_stack->addWidget(m_ditta);
        m_stack->addWidget(m_format);
        layout->addWidget(m_stack, 1);
        m_back = Button(tr("< Indietro"), QStringLiteral("Indietro"), this);
        connect(m_back, &QPushButton::clicked, this, [this] { showPage(0); });
        m_next = Button(tr("Avanti >"), QStringLiteral("Avanti"), this);
        connect(m_next, &QPushButton::clicked, this, &CAziendaSheet::next);
        m_finish = Button(tr("Fine"), QStringLiteral("Fine"), this);
        connect(m_finish, &QPushButton::clicked, this, &CAziendaSheet::accept);
        buttons->addWidget(m_back);
        buttons->addWidget(m_next);
        buttons->addWidget(m_finish);
        buttons->addSpacing(12);
        buttons->addWidget(cancel);
    }
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    layout->addLayout(buttons);
    showPage(0);
}

int CAziendaSheet::currentPage() const {
    return m_tabs ? m_tabs->currentIndex() : m_stack->currentIndex();
}

void CAziendaSheet::showPage(int index) {
    if (m_tabs) {
        m_tabs->setCurrentIndex(index);
        return;
    }
    m_stack->setCurrentIndex(index);
    updateWizardButtons();
}

void CAziendaSheet::updateWizardButtons() {
    const int page = m_stack->currentIndex();
    m_headerTitle->setText(page == 0 ? CDittaDialog::title() : CFormatDialog::title());
    m_headerText->setText(WizardText(page));
    // The first step offers only "Avanti >", the last one "< Indietro" and "Fine".
    m_back->setVisible(page > 0);
    m_next->setVisible(page == 0);
    m_finish->setVisible(page > 0);
    m_next->setDefault(page == 0);
    m_finish->setDefault(page > 0);
}

void CAziendaSheet::next() {
    // Leaving the first step checks it, so a missing name is told at once; nothing is written
    // before "Fine".
    if (m_ditta->validate())
        showPage(1);
}

void CAziendaSheet::help() {
    if (currentPage() == 0)
        m_ditta->showHelp();
    else
        m_format->showHelp();
}

void CAziendaSheet::accept() {
    // Each page is shown before it saves, so that a refusal points at a visible field.
    showPage(0);
    if (!m_ditta->save())
        return;
    showPage(1);
    if (!m_format->save())
        return;
    if (m_notifier)
        Q_EMIT m_notifier->refreshAllRequested();
    QDialog::accept();
}
