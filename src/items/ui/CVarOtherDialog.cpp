#include "items/ui/CVarOtherDialog.h"

#include "common/ChangeNotifier.h"
#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
// The entries of "Campo da variare", in index order.
const Classifications::Table kTables[] = {Classifications::Table::Categorie,
                                          Classifications::Table::Reparti,
                                          Classifications::Table::Scaffali};
} // namespace

CVarOtherDialog::CVarOtherDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                                 QWidget* parent)
    : QDialog(parent), m_db(db), m_profile(profile), m_prompt(prompt), m_browser(browser) {
    setObjectName(QStringLiteral("CVarOtherDialog"));
    setWindowTitle(title());
    m_field = new QComboBox(this);
    m_field->addItems({tr("Categoria"), tr("Reparto"), tr("Scaffale")});
    m_value = new QComboBox(this);
    m_newValue = new QLineEdit(this);
    auto* form = new QFormLayout;
    form->addRow(tr("&Campo da variare"), m_field);
    form->addRow(tr("&Valore da variare"), m_value);
    form->addRow(tr("&Nuovo valore"), m_newValue);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CVarOtherDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &CVarOtherDialog::showHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_field, &QComboBox::currentIndexChanged, this, &CVarOtherDialog::fillValues);
    fillValues();
}

Classifications::Table CVarOtherDialog::table() const {
    return kTables[std::clamp(m_field->currentIndex(), 0, 2)];
}

int CVarOtherDialog::selectedKey() const {
    return m_value->currentData().toInt();
}

QString CVarOtherDialog::newValue() const {
    return m_newValue->text();
}

void CVarOtherDialog::fillValues() {
    m_value->clear();
    m_newValue->setMaxLength(Classifications::NameWidth(table()));
    QList<Classifications::Entry> entries;
    Classifications::List(m_db, table(), &entries);
    for (const Classifications::Entry& e : entries)
        m_value->addItem(e.name, e.key);
    m_value->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

void CVarOtherDialog::accept() {
    if (m_newValue->text().trimmed().isEmpty()) {
        m_prompt.balloon(m_newValue, tr("Errore Nuovo Valore"),
                         tr("Occorre inserire un valore valido!"), IPrompt::Icon::Warning);
        m_newValue->setFocus();
        return;
    }
    QDialog::accept();
}

CVarOtherDialog::Outcome CVarOtherDialog::apply(ChangeNotifier* notifier) {
    if (!m_prompt.question(tr("Attenzione, i cambiamenti ai dati degli articoli "
                              "saranno permanenti e non potranno essere annullati! "
                              "Continuare?")))
        return Outcome::Cancelled;
    // The name is bound as typed, apostrophes included.
    if (!Classifications::Rename(m_db, table(), selectedKey(), newValue())) {
        m_prompt.message(tr("Errore sconosciuto durante la modifica dei dati!"),
                         IPrompt::Icon::Warning);
        return Outcome::Failed;
    }
    m_prompt.message(tr("Modifica ai dati effettuata con successo!"), IPrompt::Icon::Information);
    if (notifier && table() == Classifications::Table::Categorie)
        Q_EMIT notifier->viewReloadRequested(0);
    return Outcome::Changed;
}

CVarOtherDialog::Outcome CVarOtherDialog::Run(Database& db, Profile& profile, IPrompt& prompt,
                                              IBrowser& browser, ChangeNotifier* notifier,
                                              QWidget* parent) {
    CVarOtherDialog dialog(db, profile, prompt, browser, parent);
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    return dialog.apply(notifier);
}

void CVarOtherDialog::showHelp() {
    m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/altre-variazioni.php")));
}
