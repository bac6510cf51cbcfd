#include "print/ui/CArtStoricoDialog.h"

#include "common/IPrompt.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

CArtStoricoDialog::CArtStoricoDialog(IPrompt& prompt, const QDate& today, QWidget* parent)
    : QDialog(parent), m_prompt(prompt) {
    setWindowTitle(title());
    const HistoryPeriod initial = HistoryPeriod::LastDays(today);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto makeEdit = [this](const QDate& day) {
        auto* edit = new QDateEdit(day, this);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        return edit;
    };
    m_from = makeEdit(initial.from);
    m_to = makeEdit(initial.to);
    form->addRow(tr("&Dal giorno"), m_from);
    form->addRow(tr("&Al giorno"), m_to);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(this);
    m_continue = buttons->addButton(tr("Continua"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    m_continue->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CArtStoricoDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

HistoryPeriod CArtStoricoDialog::period() const {
    return {m_from->date(), m_to->date()};
}

void CArtStoricoDialog::accept() {
    if (m_to->date() < m_from->date()) {
        m_prompt.message(EndBeforeStartMessage(), IPrompt::Icon::Information);
        m_to->setFocus();
        return;
    }
    QDialog::accept();
}

bool CArtStoricoDialog::Run(IPrompt& prompt, QWidget* parent, HistoryPeriod* period,
                            const QDate& today) {
    CArtStoricoDialog dialog(prompt, today, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (period)
        *period = dialog.period();
    return true;
}
