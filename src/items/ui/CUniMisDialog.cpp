#include "items/ui/CUniMisDialog.h"

#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/Profile.h"
#include "common/ui/OneLineFields.h"
#include "items/UnitsOfMeasure.h"
#include "store/TransactionGuard.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const char* const kWidthKeys[] = {"ColUMis0", "ColUMis1"};
constexpr int kDefaultWidths[] = {100, 150};
// A column is never stored narrower than this, so it cannot vanish.
constexpr int kMinWidth = 20;
constexpr int kIdRole = Qt::UserRole;

// The desktop theme's icon, or the style's own where the theme has none.
QAction* toolAction(QToolBar* bar, const char* icon, QStyle::StandardPixmap fallback,
                    const QString& tip, const QKeySequence& shortcut) {
    QAction* a = bar->addAction(
        QIcon::fromTheme(QLatin1String(icon), bar->style()->standardIcon(fallback)), tip);
    a->setToolTip(tip);
    a->setShortcut(shortcut);
    a->setShortcutContext(Qt::WindowShortcut);
    return a;
}
} // namespace

CUniMisDialog::CUniMisDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                             QWidget* parent)
    : QDialog(parent), m_db(db), m_profile(profile), m_prompt(prompt), m_browser(browser) {
    setObjectName(QStringLiteral("CUniMisDialog"));
    setWindowTitle(title());

    auto* toolbar = new QToolBar(this);
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_insert = toolAction(toolbar, "list-add", QStyle::SP_FileIcon,
                          tr("Inserisci Unità di Misura (Ctrl+Ins)"),
                          QKeySequence(Qt::CTRL | Qt::Key_Insert));
    m_save = toolAction(toolbar, "document-save", QStyle::SP_DialogSaveButton,
                        tr("Salva Unità di Misura (Ctrl+S)"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m_delete = toolAction(toolbar, "edit-delete", QStyle::SP_TrashIcon,
                          tr("Elimina Unità di Misura (Ctrl+Canc)"),
                          QKeySequence(Qt::CTRL | Qt::Key_Delete));
    connect(m_insert, &QAction::triggered, this, &CUniMisDialog::insertUnit);
    connect(m_save, &QAction::triggered, this, &CUniMisDialog::saveUnit);
    connect(m_delete, &QAction::triggered, this, &CUniMisDialog::deleteUnit);

    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHeaderLabels({tr("Sigla"), tr("Descrizione")});
    m_list->header()->setMinimumSectionSize(kMinWidth);
    for (int c = 0; c < 2; ++c)
        m_list->setColumnWidth(c,
                               std::max(kMinWidth, m_profile.integer(Profile::Section::List,
                                                                     QLatin1String(kWidthKeys[c]),
                                                                     kDefaultWidths[c])));
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CUniMisDialog::selectionChanged);

    m_sigla = new QLineEdit(this);
    m_sigla->setMaxLength(UnitsOfMeasure::kSiglaWidth);
    m_descrizione = new QLineEdit(this);
    m_descrizione->setMaxLength(UnitsOfMeasure::kDescrizioneWidth);
    auto* form = new QFormLayout;
    form->addRow(tr("&Sigla"), m_sigla);
    form->addRow(tr("&Descrizione"), m_descrizione);

    // Each insert, save and delete is a deliberate act of its own (a delete is even confirmed),
    // so however the dialog is closed it keeps them: there is no "Annulla" to take them back.
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(tr("Chiudi"), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("Chiudi"));
    QPushButton* help = buttons->addButton(tr("&Aiuto"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("Aiuto"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, &CUniMisDialog::showHelp);
    // The shortcuts act from the edits too, where Ctrl+Ins would be the edit's Copy and
    // Ctrl+Canc its delete-word.
    for (QWidget* w : {static_cast<QWidget*>(m_sigla), static_cast<QWidget*>(m_descrizione),
                       static_cast<QWidget*>(m_list)})
        w->installEventFilter(this);
    KeepFirstLineIn(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolbar);
    layout->addWidget(m_list, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);

    fill();
    selectionChanged();
}

void CUniMisDialog::fill() {
    m_list->clear();
    QList<UnitsOfMeasure::Unit> units;
    UnitsOfMeasure::List(m_db, &units);
    for (const UnitsOfMeasure::Unit& u : units)
        addRow(u.id, u.sigla, u.descrizione);
}

QTreeWidgetItem* CUniMisDialog::addRow(int id, const QString& sigla, const QString& descrizione) {
    auto* item = new QTreeWidgetItem(m_list, {sigla, descrizione});
    item->setData(0, kIdRole, id);
    return item;
}

void CUniMisDialog::selectionChanged() {
    QTreeWidgetItem* item = m_list->currentItem();
    const bool selected = item && item->isSelected();
    m_save->setEnabled(selected);
    m_delete->setEnabled(selected);
    if (selected) {
        m_sigla->setText(item->text(0));
        m_descrizione->setText(item->text(1));
    }
}

void CUniMisDialog::warn(const QString& text) {
    m_prompt.message(text, IPrompt::Icon::Warning);
}

void CUniMisDialog::reportSaveFailure(UnitsOfMeasure::Result result) {
    if (result == UnitsOfMeasure::Result::EmptySigla) {
        warn(tr("Il valore della sigla non può essere nullo!"));
        m_sigla->setFocus();
        return;
    }
    m_prompt.message(tr("Impossibile salvare l'unità di misura!"), IPrompt::Icon::Error);
}

void CUniMisDialog::insertUnit() {
    UnitsOfMeasure::Unit unit{0, m_sigla->text(), m_descrizione->text()};
    const UnitsOfMeasure::Result result = UnitsOfMeasure::Insert(m_db, unit);
    switch (result) {
    case UnitsOfMeasure::Result::Ok: {
        QTreeWidgetItem* item = addRow(unit.id, unit.sigla, unit.descrizione);
        m_list->setCurrentItem(item);
        m_list->scrollToItem(item);
        break;
    }
    default:
        reportSaveFailure(result);
        break;
    }
}

void CUniMisDialog::saveUnit() {
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        warn(tr("Selezionare l'unità di misura da modificare!"));
        return;
    }
    UnitsOfMeasure::Unit unit{item->data(0, kIdRole).toInt(), m_sigla->text(),
                              m_descrizione->text()};
    const UnitsOfMeasure::Result result = UnitsOfMeasure::Save(m_db, unit);
    switch (result) {
    case UnitsOfMeasure::Result::Ok:
        item->setText(0, unit.sigla);
        item->setText(1, unit.descrizione);
        break;
    default:
        reportSaveFailure(result);
        break;
    }
}

void CUniMisDialog::deleteUnit() {
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected())
        return;
    const int id = item->data(0, kIdRole).toInt();
    const QString sigla = item->text(0);
    const QString inUse = tr("%1 utilizzata negli articoli, impossibile continuare!");
    const QString failed = tr("Impossibile eliminare l'unità di misura!");
    UnitsOfMeasure::Result result = UnitsOfMeasure::CheckDeletable(m_db, id);
    if (result == UnitsOfMeasure::Result::Ok) {
        if (!m_prompt.question(tr("Eliminare definitivamente l'unità di misura: %1?").arg(sigla)))
            return;
        result = UnitsOfMeasure::Delete(m_db, id);
    }
    switch (result) {
    case UnitsOfMeasure::Result::Ok: {
        const int row = m_list->indexOfTopLevelItem(item);
        delete item;
        if (m_list->topLevelItemCount() > 0) {
            QTreeWidgetItem* next =
                m_list->topLevelItem(std::min(row, m_list->topLevelItemCount() - 1));
            m_list->setCurrentItem(next);
        }
        selectionChanged();
        break;
    }
    case UnitsOfMeasure::Result::UsedByItems:
    case UnitsOfMeasure::Result::UsedByRows:
        warn(inUse.arg(sigla));
        break;
    default:
        m_prompt.message(failed, IPrompt::Icon::Error);
        break;
    }
}

void CUniMisDialog::showHelp() {
    m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/unita-misura.php")));
}

bool CUniMisDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* a : {m_insert, m_save, m_delete})
            if (a->shortcut() == pressed) {
                // Left unaccepted, the key goes to the dialog's shortcut, not to the field.
                event->ignore();
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

void CUniMisDialog::reject() {
    // Escape and the title bar's close end the dialog like "Chiudi".
    accept();
}

void CUniMisDialog::done(int result) {
    for (int c = 0; c < 2; ++c)
        m_profile.setValue(Profile::Section::List, QLatin1String(kWidthKeys[c]),
                           std::max(kMinWidth, m_list->columnWidth(c)));
    QDialog::done(result);
}

bool CUniMisDialog::RunInTransaction(Database& db, Profile& profile, IPrompt& prompt,
                                     IBrowser& browser, QWidget* parent) {
    TransactionGuard guard(db);
    if (!guard.isActive()) {
        prompt.message(tr("Impossibile aprire l'archivio delle unità di misura!"),
                       IPrompt::Icon::Warning);
        return false;
    }
    CUniMisDialog dialog(db, profile, prompt, browser, parent);
    if (dialog.exec() != QDialog::Accepted) {
        guard.rollback();
        return true;
    }
    if (!guard.commit()) {
        prompt.message(tr("Impossibile salvare l'unità di misura!"), IPrompt::Icon::Error);
        return false;
    }
    return true;
}
