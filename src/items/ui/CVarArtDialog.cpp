#include "items/ui/CVarArtDialog.h"

#include "common/ChangeNotifier.h"
#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "items/Classifications.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
// The tables of "Variazione in base a", in index order.
const Classifications::Table kTables[] = {Classifications::Table::Categorie,
                                          Classifications::Table::Reparti,
                                          Classifications::Table::Scaffali};
} // namespace

CVarArtDialog::CVarArtDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                             ChangeNotifier* notifier, QWidget* parent)
    : QDialog(parent), m_db(db), m_profile(profile), m_prompt(prompt), m_browser(browser),
      m_notifier(notifier) {
    setObjectName(QStringLiteral("CVarArtDialog"));
    setWindowTitle(title());
    m_field = new QComboBox(this);
    m_field->addItems({tr("Prezzo"), tr("IVA"), tr("Ricarico"), tr("Sconto")});
    m_operation = new QComboBox(this);
    m_operation->addItems(
        {tr("Aumentare il valore"), tr("Diminuire il valore"), tr("Valore fisso")});
    m_value = new QLineEdit(this);
    m_value->setPlaceholderText(tr("Es. 20% o 20"));
    m_base = new QComboBox(this);
    m_base->addItems({tr("Categoria"), tr("Reparto"), tr("Scaffale")});
    m_key = new QComboBox(this);
    m_key->setMinimumContentsLength(24);

    auto* form = new QFormLayout;
    form->addRow(tr("Cosa si vuole &modificare?"), m_field);
    form->addRow(tr("Che tipo di &operazione?"), m_operation);
    form->addRow(tr("Inserisci il nuovo &valore"), m_value);
    form->addRow(tr("Va&riazione in base a"), m_base);
    form->addRow(tr("Valore del tipo di &prodotto"), m_key);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CVarArtDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &CVarArtDialog::showHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_base, &QComboBox::currentIndexChanged, this, &CVarArtDialog::fillKeys);
    fillKeys();
    m_value->setFocus();
}

void CVarArtDialog::fillKeys() {
    m_key->clear();
    QList<Classifications::Entry> entries;
    Classifications::List(m_db, kTables[std::clamp(m_base->currentIndex(), 0, 2)], &entries);
    for (const Classifications::Entry& e : entries)
        m_key->addItem(e.name, e.key);
    m_key->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

void CVarArtDialog::accept() {
    const auto field = QuickChange::Field(std::clamp(m_field->currentIndex(), 0, 3));
    const auto operation = QuickChange::Operation(std::clamp(m_operation->currentIndex(), 0, 2));
    const auto base = QuickChange::Base(std::clamp(m_base->currentIndex(), 0, 2));
    const QuickChange::Value value = QuickChange::ParseValue(m_profile, m_value->text());
    if (!QuickChange::Fits(operation, value)) {
        m_prompt.balloon(m_value, tr("Valore non valido"),
                         tr("Inserire una percentuale (Es. 20%) o un valore (Es. 20) "
                            "non negativi; una diminuzione non può superare il "
                            "100%."),
                         IPrompt::Icon::Warning);
        m_value->setFocus();
        return;
    }
    // Without a chosen row the statement would reach the items that have none.
    const int key = m_key->currentData().toInt();
    if (key <= 0) {
        m_prompt.balloon(m_key, tr("Valore non valido"),
                         tr("Scegliere il valore del tipo di prodotto da variare."),
                         IPrompt::Icon::Warning);
        m_key->setFocus();
        return;
    }
    if (!m_prompt.question(tr("Si desidera davvero modificare i dati dei prodotti? "
                              "Attenzione l'operazione non può essere annullata!")))
        return;
    if (!QuickChange::Apply(m_db, field, operation, value, base, key)) {
        // A price too large for the archive is told as such; any other failure generically.
        m_prompt.message(IsStoreRefusal(m_db.lastError())
                             ? DbErrorText(m_db.lastError())
                             : tr("Errore nella variazione dei dati, impossibile aggiornare!"),
                         IPrompt::Icon::Warning);
        return;
    }
    m_prompt.message(tr("Variazioni avvenute con successo!"), IPrompt::Icon::Information);
    // The items list shows prices: reload it so the new ones appear.
    if (m_notifier)
        Q_EMIT m_notifier->viewReloadRequested(0);
    QDialog::accept();
}

void CVarArtDialog::showHelp() {
    m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/variazioni-veloci.php")));
}
