#include "agenda/ui/CAppDialog.h"

#include "agenda/AgendaLayout.h"
#include "agenda/ui/CComboApp.h"
#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/ui/OneLineFields.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

QDateEdit* MakeDateEdit(const QString& name, QWidget* parent) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return edit;
}

QTimeEdit* MakeTimeEdit(const QString& name, QWidget* parent) {
    auto* edit = new QTimeEdit(parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(QStringLiteral("HH:mm"));
    return edit;
}

// The pickers show minutes: a time is what they show, without the seconds they hide.
QDateTime Combined(const QDateEdit* date, const QTimeEdit* time) {
    const QTime t = time->time();
    return QDateTime(date->date(), QTime(t.hour(), t.minute()));
}

} // namespace

CAppDialog::CAppDialog(const ScadenzeRecord& entry, IPrompt& prompt, IBrowser& browser,
                       const Profile& profile, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_entry(entry) {
    setObjectName(QStringLiteral("CAppDialog"));
    setWindowTitle(tr("Appuntamenti e Scadenze"));

    m_subject = new QLineEdit(entry.Oggetto, this);
    m_subject->setObjectName(QStringLiteral("Oggetto"));
    m_subject->setMaxLength(AgendaLayout::kSubjectWidth);
    m_description = new QPlainTextEdit(entry.Descrizione, this);
    m_description->setObjectName(QStringLiteral("Descrizione"));
    m_description->setTabChangesFocus(true);
    m_description->setFixedHeight(m_description->fontMetrics().lineSpacing() * 4 + 12);
    m_startDate = MakeDateEdit(QStringLiteral("InizioData"), this);
    m_startTime = MakeTimeEdit(QStringLiteral("InizioOra"), this);
    m_endDate = MakeDateEdit(QStringLiteral("FineData"), this);
    m_endTime = MakeTimeEdit(QStringLiteral("FineOra"), this);
    m_startDate->setDate(entry.DataInit.date());
    m_startTime->setTime(entry.DataInit.time());
    showEnd(entry.DataEnd);
    m_type = new CComboApp(this);
    m_type->setType(entry.Tipo.value_or(0));

    auto* grid = new QGridLayout;
    auto addRow = [&](int row, const QString& caption, QWidget* first, QWidget* second) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(first);
        // A caption sits level with its field; the description's beside its first line.
        grid->addWidget(label, row, 0,
                        Qt::AlignLeft | (row == 1 ? Qt::AlignTop : Qt::AlignVCenter));
        if (second) {
            auto* pair = new QHBoxLayout;
            pair->addWidget(first, 1);
            pair->addWidget(second);
            grid->addLayout(pair, row, 1);
        } else {
            grid->addWidget(first, row, 1);
        }
    };
    addRow(0, tr("&Oggetto"), m_subject, nullptr);
    addRow(1, tr("&Descrizione"), m_description, nullptr);
    addRow(2, tr("&Inizio"), m_startDate, m_startTime);
    addRow(3, tr("&Fine"), m_endDate, m_endTime);
    addRow(4, tr("&Tipo"), m_type, nullptr);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton(tr("Salva"), QDialogButtonBox::AcceptRole);
    m_save->setObjectName(QStringLiteral("Salva"));
    m_save->setDefault(true);
    m_cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("Annulla"));
    m_help = buttons->addButton(tr("&Aiuto"), QDialogButtonBox::HelpRole);
    m_help->setObjectName(QStringLiteral("Aiuto"));
    connect(m_save, &QPushButton::clicked, this, &CAppDialog::onSave);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    const QUrl helpPage = MakerPage(profile, QStringLiteral("/aiuto/Quarzil/agenda.php"));
    connect(m_help, &QPushButton::clicked, this, [&browser, helpPage] { browser.open(helpPage); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    setMinimumWidth(440);
    m_subject->setFocus();
    // Text of several lines pasted into a one-line field keeps its first line.
    KeepFirstLineIn(this);
}

void CAppDialog::showEnd(const QDateTime& end) {
    m_endDate->setDate(end.date());
    m_endTime->setTime(end.time());
}

void CAppDialog::onSave() {
    ScadenzeRecord edited = m_entry;
    edited.Oggetto = m_subject->text();
    edited.Descrizione = m_description->toPlainText();
    edited.DataInit = Combined(m_startDate, m_startTime);
    edited.DataEnd = Combined(m_endDate, m_endTime);
    edited.Tipo = m_type->type();
    const AgendaLayout::EntryCheckResult check = AgendaLayout::CheckEntry(edited);
    if (check.check != AgendaLayout::EntryCheck::Ok) {
        m_prompt.message(AgendaLayout::CheckText(check.check), IPrompt::Icon::Warning);
        switch (check.check) {
        case AgendaLayout::EntryCheck::EmptySubject:
            m_subject->setFocus();
            break;
        case AgendaLayout::EntryCheck::EmptyDescription:
            m_description->setFocus();
            break;
        default:
            m_endTime->setFocus();
            break;
        }
        return;
    }
    if (check.extended) {
        m_prompt.message(AgendaLayout::ShortDurationText(), IPrompt::Icon::Information);
        showEnd(edited.DataEnd);
    }
    if (save && !save(edited)) {
        m_prompt.message(AgendaLayout::SaveFailedText(), IPrompt::Icon::Warning);
        return;
    }
    m_entry = edited;
    accept();
}
