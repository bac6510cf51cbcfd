#include "print/ui/CStampaAnaDialog.h"

#include "common/IPrompt.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QDateEdit* dateEdit(const QDate& day, const char* name, QWidget* parent) {
    auto* edit = new QDateEdit(day, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return edit;
}

} // namespace

CStampaAnaDialog::CStampaAnaDialog(IPrompt& prompt, bool hasSelection, const QDate& from,
                                   const QDate& to, QWidget* parent)
    : QDialog(parent), m_prompt(prompt) {
    setObjectName(QStringLiteral("CStampaAnaDialog"));
    setWindowTitle(tr("Impostazione Stampa"));

    m_from = dateEdit(from, "DaData", this);
    m_to = dateEdit(to, "FinoAData", this);
    auto* dates = new QFormLayout;
    dates->addRow(tr("&Da Data:"), m_from);
    dates->addRow(tr("&Fino a Data:"), m_to);

    m_all = new QRadioButton(tr("&Stampa tutte le righe"), this);
    m_all->setObjectName(QStringLiteral("TutteLeRighe"));
    m_selected = new QRadioButton(tr("S&tampa solo le righe selezionate"), this);
    m_selected->setObjectName(QStringLiteral("RigheSelezionate"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_all);
    group->addButton(m_selected);
    m_all->setChecked(true);
    m_selected->setEnabled(hasSelection);

    auto* proceedButton = new QPushButton(tr("Continua"), this);
    proceedButton->setObjectName(QStringLiteral("Continua"));
    proceedButton->setDefault(true);
    connect(proceedButton, &QPushButton::clicked, this, &CStampaAnaDialog::proceed);
    auto* cancel = new QPushButton(tr("Annulla"), this);
    cancel->setObjectName(QStringLiteral("Annulla"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* rows = new QVBoxLayout;
    rows->addWidget(m_all);
    rows->addWidget(m_selected);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(proceedButton);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addSpacing(6);
    layout->addLayout(rows);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

SituationRequest CStampaAnaDialog::request() const {
    SituationRequest r;
    r.from = m_from->date();
    r.to = m_to->date();
    r.selectedOnly = m_selected->isEnabled() && m_selected->isChecked();
    return r;
}

void CStampaAnaDialog::proceed() {
    const SituationRequest r = request();
    const QString problem = SituationRequest::PeriodProblem(r.from, r.to);
    if (!problem.isEmpty()) {
        m_prompt.message(problem, IPrompt::Icon::Information);
        return;
    }
    accept();
}

bool CStampaAnaDialog::Run(IPrompt& prompt, bool hasSelection, QWidget* parent,
                           SituationRequest* out) {
    QDate to = out->to, from = out->from;
    if (!from.isValid() || !to.isValid()) {
        to = QDate::currentDate();
        from = to.addDays(-7);
    }
    CStampaAnaDialog dialog(prompt, hasSelection, from, to, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *out = dialog.request();
    return true;
}
