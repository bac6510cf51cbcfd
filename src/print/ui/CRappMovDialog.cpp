#include "print/ui/CRappMovDialog.h"

#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"

#include <QButtonGroup>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CRappMovDialog::CRappMovDialog(const Profile& profile, IPrompt& prompt, IBrowser& browser,
                               QWidget* parent)
    : QDialog(parent), m_profile(profile), m_prompt(prompt), m_browser(browser) {
    setWindowTitle(title());
    setObjectName(QStringLiteral("CRappMovDialog"));
    const QDateTime now = QDateTime::currentDateTime();
    auto picker = [this](const QDateTime& value, const char* name) {
        auto* edit = new QDateTimeEdit(value, this);
        edit->setObjectName(QLatin1String(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        return edit;
    };
    m_start = picker(now.addDays(-7), "Da");
    m_end = picker(now, "A");

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* startLabel = new QLabel(tr("&Da"), this);
    startLabel->setBuddy(m_start);
    auto* endLabel = new QLabel(tr("&A"), this);
    endLabel->setBuddy(m_end);
    form->addRow(startLabel, m_start);
    form->addRow(endLabel, m_end);
    layout->addLayout(form);

    auto* box = new QGroupBox(this);
    auto* radios = new QVBoxLayout(box);
    m_groupings = new QButtonGroup(this);
    const char* const texts[] = {QT_TR_NOOP("Per &Categoria"), QT_TR_NOOP("Per A&rticolo"),
                                 QT_TR_NOOP("Per Cliente e &Fornitore"), QT_TR_NOOP("Per R&eparto"),
                                 QT_TR_NOOP("Per &Scaffale")};
    for (int i = 0; i < 5; ++i) {
        auto* radio = new QRadioButton(tr(texts[i]), box);
        radios->addWidget(radio);
        m_groupings->addButton(radio, i);
    }
    m_groupings->button(int(MovementGrouping::Category))->setChecked(true);
    layout->addWidget(box);

    auto* buttons = new QDialogButtonBox(this);
    m_continue = buttons->addButton(tr("Continua"), QDialogButtonBox::AcceptRole);
    m_continue->setObjectName(QStringLiteral("Continua"));
    m_continue->setDefault(true);
    m_cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("Annulla"));
    m_help = buttons->addButton(tr("A&iuto"), QDialogButtonBox::HelpRole);
    m_help->setObjectName(QStringLiteral("Aiuto"));
    m_help->setAutoDefault(false);
    // Continua checks the dates before closing; the box's own accepted() would close at once.
    connect(m_continue, &QPushButton::clicked, this, &CRappMovDialog::tryContinue);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, &CRappMovDialog::showHelp);
    layout->addWidget(buttons);
}

bool CRappMovDialog::Run(const Profile& profile, IPrompt& prompt, IBrowser& browser,
                         QWidget* parent, MovementReportRequest* out) {
    CRappMovDialog dialog(profile, prompt, browser, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (out)
        *out = dialog.request();
    return true;
}

QUrl CRappMovDialog::helpPage(const Profile& profile) {
    return MakerPage(profile, QStringLiteral("/aiuto/Quarzil/rapporto-movimenti.php"));
}

MovementReportRequest CRappMovDialog::request() const {
    MovementReportRequest r;
    r.from = m_start->dateTime();
    r.to = m_end->dateTime();
    r.grouping = MovementGrouping(qMax(0, m_groupings->checkedId()));
    return r;
}

QRadioButton* CRappMovDialog::groupingButton(MovementGrouping grouping) const {
    return qobject_cast<QRadioButton*>(m_groupings->button(int(grouping)));
}

void CRappMovDialog::tryContinue() {
    const QString refused = MovementReportPeriodError(m_start->dateTime(), m_end->dateTime());
    if (!refused.isEmpty()) {
        m_prompt.message(refused, IPrompt::Icon::Warning);
        m_end->setFocus();
        return;
    }
    accept();
}

void CRappMovDialog::showHelp() {
    m_browser.open(helpPage(m_profile));
}
