#include "company/ui/CFormatDialog.h"

#include "common/IBrowser.h"
#include "common/MakerSite.h"
#include "common/Profile.h"
#include "company/FormatConventions.h"
#include "company/ui/CFormatFields.h"

#include <QLabel>
#include <QVBoxLayout>

CFormatDialog::CFormatDialog(Profile& profile, IPrompt& prompt, IBrowser& browser, QWidget* parent)
    : QWidget(parent), m_profile(profile), m_browser(browser) {
    setObjectName(QStringLiteral("CFormatDialog"));
    setWindowTitle(title());
    m_fields = new CFormatFields(profile, prompt, this);
    m_fields->setCurrency(OpenCompanyCurrencyConvention(profile));
    m_fields->setNumbers(OpenCompanyNumberConvention(profile));

    auto* note = new QLabel(tr("Importi, quantità e percentuali di tutto il programma "
                               "seguono queste impostazioni."),
                            this);
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_fields);
    layout->addStretch(1);
}

bool CFormatDialog::save() {
    using Group = CFormatFields::Group;
    if (!m_fields->checkSeparators(Group::Currency) || !m_fields->checkLengths(Group::Currency))
        return false;
    WriteCurrencyConvention(m_profile, m_fields->currency());
    if (!m_fields->checkSeparators(Group::Numbers) || !m_fields->checkLengths(Group::Numbers))
        return false;
    WriteNumberConvention(m_profile, m_fields->numbers());
    return true;
}

void CFormatDialog::showHelp() {
    m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/valuta.php")));
}
