#include "movements/ui/CFiltroMovDialog.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

CFiltroMovDialog::CFiltroMovDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Filtro Dati"));
    setObjectName(QStringLiteral("CFiltroMovDialog"));
    const int year = QDate::currentDate().year();
    auto picker = [this](const QDateTime& value, const char* name) {
        auto* edit = new QDateTimeEdit(value, this);
        edit->setObjectName(QLatin1String(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        return edit;
    };
    m_start = picker(QDateTime(QDate(year, 1, 1), QTime(0, 0)), "Inizio");
    m_end = picker(QDateTime(QDate(year, 12, 31), QTime(23, 59, 59)), "Fine");
    auto* form = new QFormLayout(this);
    auto* startLabel = new QLabel(tr("&Inizio"), this);
    startLabel->setBuddy(m_start);
    auto* endLabel = new QLabel(tr("&Fine"), this);
    endLabel->setBuddy(m_end);
    form->addRow(startLabel, m_start);
    form->addRow(endLabel, m_end);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* filter = buttons->addButton(tr("Filtra"), QDialogButtonBox::AcceptRole);
    filter->setObjectName(QStringLiteral("Filtra"));
    filter->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QDateTime CFiltroMovDialog::start() const {
    return m_start->dateTime();
}

QDateTime CFiltroMovDialog::end() const {
    return m_end->dateTime();
}
