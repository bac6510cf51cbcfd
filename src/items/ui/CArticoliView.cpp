#include "items/ui/CArticoliView.h"

#include "common/Commands.h"
#include "common/IPrompt.h"
#include "common/Profile.h"
#include "common/ui/CMainDoc.h"
#include "common/ui/CTrovaDialog.h"
#include "company/Formats.h"
#include "items/ArtDelete.h"
#include "items/ArtFilter.h"
#include "items/ArtListModel.h"
#include "items/ArtMovementsLoader.h"
#include "items/ItemStore.h"
#include "items/ui/CFiltroArtDialog.h"
#include "items/ui/CMovArtBar.h"
#include "store/Database.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <cmath>

namespace {

using S = Profile::Section;

enum Id : int {
    New = Commands::ArtNuovo,
    Open = Commands::ArtApri,
    Delete = Commands::ArtElimina,
    Find = Commands::Trova,
    Update = Commands::Aggiorna,
    Filter = Commands::Filtro,
};

// The context menu's entries, 0 for a separator; kept to put them up again in a new language.
struct MenuText {
    int id;
    const char* text;
};
const MenuText kMenuTexts[] = {
    {New, QT_TRANSLATE_NOOP("CArticoliView", "Inserisci Nuovo Prodotto ( F3 )")},
    {Open, QT_TRANSLATE_NOOP("CArticoliView", "Apri Prodotto Selezionato ( Invio )")},
    {Delete, QT_TRANSLATE_NOOP("CArticoliView", "Elimina Prodotto Selezionato ( Ctrl+D )")},
    {0, nullptr},
    {Filter, QT_TRANSLATE_NOOP("CArticoliView", "Filtro Prodotti")},
    {Find, QT_TRANSLATE_NOOP("CArticoliView", "Cerca Prodotto")},
};

// The row icons 0 to 7: a box, marked red when something is to be reordered, blue when some is
// on order, violet for an item with serial codes; 8 to 15 the same with a gold star in the free
// corner for an item with a promotion in force today.
QList<QIcon> RowIcons() {
    QList<QIcon> icons;
    for (int i = 0; i < 16; ++i) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const bool reorder = i & 4;
        const int rest = i & 3;
        const bool promoted = i & 8;
        p.setPen(QColor(120, 90, 40));
        p.setBrush(QColor(222, 184, 120));
        p.drawRect(QRectF(2.5, 4.5, 11, 9));
        p.drawLine(QPointF(2.5, 7.5), QPointF(13.5, 7.5));
        if (rest == 2 || rest == 3) {
            p.setPen(Qt::NoPen);
            p.setBrush(rest == 2 ? QColor(40, 110, 210) : QColor(140, 60, 190));
            p.drawEllipse(QRectF(8, 8, 8, 8));
        }
        if (reorder) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(210, 40, 40));
            p.drawEllipse(QRectF(0, 0, 8, 8));
        }
        if (promoted) {
            QPolygonF star;
            for (int k = 0; k < 10; ++k) {
                const double r = k % 2 ? 1.8 : 4.2;
                const double a = -M_PI / 2 + k * M_PI / 5;
                star << QPointF(11.8 + r * std::cos(a), 4.2 + r * std::sin(a));
            }
            p.setPen(QPen(QColor(150, 100, 0), 0.8));
            p.setBrush(QColor(255, 196, 0));
            p.drawPolygon(star);
        }
        p.end();
        icons << QIcon(pixmap);
    }
    return icons;
}

const char* const kMsgNotFound =
    QT_TRANSLATE_NOOP("CArticoliView", "Articolo di magazzino non trovato!");

} // namespace

CArticoliView::CArticoliView(CMainDoc& doc, IPrompt& prompt, QWidget* parent)
    : CKeyedListView(doc, parent), m_prompt(prompt) {
    m_model = new ArtListModel(doc.database(), doc.profile(), this);
    m_model->setIcons(RowIcons());
    m_loader = new ArtMovementsLoader(doc.database(), this);

    setUpList(m_model, {.name = QStringLiteral("Articoli"),
                        .countKind = 1,
                        .ribbonView = 0,
                        .widthKey = &ArtListModel::WidthKey,
                        .defaultWidth = &ArtListModel::DefaultWidth});
    connect(table()->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_model->clickColumn(column);
        onUpdate();
    });
    connect(table(), &QTableView::doubleClicked, this, [this] { onOpen(); });

    connect(
        m_loader, &ArtMovementsLoader::loaded, this,
        [this](int itemId, const QList<ArtMovementsLoader::Row>& rows) {
            if (!m_bar || itemId != m_loader->currentItem())
                return;
            const Profile& profile = document().profile();
            QList<CMovArtBar::Row> shown;
            for (const ArtMovementsLoader::Row& r : rows) {
                const QString kind = ArtMovementsLoader::KindText(r.tipo);
                shown.append(
                    {r.movementId, r.numero, FormatLongDate(r.data.date()),
                     kind.isEmpty()
                         ? QString()
                         : tr("%1 di %2 %3").arg(kind, FormatNumber(profile, r.quantity), r.unit),
                     r.cliFor});
            }
            m_bar->setRows(shown);
        });

    askFilter = [this](FilterTexts* texts) {
        CFiltroArtDialog dialog(this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *texts = {dialog.code(), dialog.description(), dialog.category(), dialog.stock()};
        return true;
    };
    askFind = [this](FindTexts* find) {
        CTrovaDialog dialog(CTrovaDialog::Mode::Items, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *find = {{dialog.text(0), dialog.text(1), dialog.text(2)}, dialog.fromFirstRow()};
        return true;
    };

    createAccelerators();
    updateSortLook();
    updateCommandStates();
}

CArticoliView::~CArticoliView() {
    m_loader->abandon();
}

// --- Commands -----------------------------------------------------------------------------------

void CArticoliView::createAccelerators() {
    const auto key = [](auto k) { return QList<QKeySequence>{QKeySequence(k)}; };
    addCommand(New, key(Qt::Key_F3), [this] { onNew(); });
    addCommand(Open, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
               [this] { onOpen(); });
    addCommand(Delete, key(QStringLiteral("Ctrl+D")), [this] { onDelete(); });
    addCommand(Update, key(Qt::Key_F5), [this] { onUpdate(); });
    addCommand(Find, key(Qt::Key_F6), [this] { onFind(); });
    addCommand(Filter, {}, [this] { onFilter(); })->setCheckable(true);

    addPrintCommands({Commands::ArtAnteprimaLista, Commands::ArtStampaLista,
                      Commands::ArtAnteprimaValore, Commands::ArtStampaValore,
                      Commands::ArtAnteprimaStorico, Commands::ArtStampaStorico,
                      Commands::ArtAnteprimaEtichette, Commands::ArtStampaEtichette,
                      Commands::ArtAnteprimaPrezzi, Commands::ArtStampaPrezzi, Commands::Ristampa});

    for (const MenuText& e : kMenuTexts)
        addMenuEntries({{e.id, e.text}});
    // The entries come up in the language in use, not only after a change of it.
    retranslateUi();
}

void CArticoliView::updateCommandStates() {
    const bool selected = !selectedKeys().isEmpty();
    setCommandEnabled(New, bool(m_itemDialog));
    setCommandEnabled(Open, bool(m_itemDialog) && selected);
    setCommandEnabled(Delete, selected);
    setCommandEnabled(Update, true);
    setCommandEnabled(Find, m_model->rowCount() > 0);
    setCommandEnabled(Filter, true);
    setCommandChecked(Filter, m_model->filterActive());
    updatePrintCommands();
    updateMenu();
}

void CArticoliView::setItemDialog(std::function<int(int, bool)> dialog) {
    m_itemDialog = std::move(dialog);
    updateCommandStates();
}

void CArticoliView::setMovementDialog(std::function<void(int)> dialog) {
    m_movementDialog = std::move(dialog);
}

void CArticoliView::setMovArtBar(CMovArtBar* bar) {
    m_bar = bar;
    if (bar)
        connect(bar, &CMovArtBar::movementActivated, this, [this](int, int movementId) {
            if (m_movementDialog && movementId > 0)
                m_movementDialog(movementId);
        });
}

void CArticoliView::changeEvent(QEvent* event) {
    CKeyedListView::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

void CArticoliView::retranslateUi() {
    m_model->retranslate();
    for (const MenuText& e : kMenuTexts)
        if (e.id)
            if (auto* item = findChild<QAction*>(QStringLiteral("Menu-%1").arg(e.id)))
                item->setText(tr(e.text));
    if (isVisible() && window() != this)
        window()->setWindowTitle(tr("Magazzino - Quarzil"));
}

// --- Frame requests -----------------------------------------------------------------------------

void CArticoliView::becameVisible() {
    if (window() != this)
        window()->setWindowTitle(tr("Magazzino - Quarzil"));
    setComingToFront(true);
    if (m_initialised) {
        onUpdate();
        setComingToFront(false);
        return;
    }
    // Initial update: the list, then the item the user last worked on.
    m_initialised = true;
    Profile& profile = document().profile();
    profile.logStep(QStringLiteral("ArticoliView:InitialUpdate"), QStringLiteral("Fill"));
    m_model->refresh();
    updateSortLook();
    const int last = profile.integer(S::Settings, QStringLiteral("LastProduct"), 0);
    const int row = last > 0 ? m_model->rowOfKey(last) : -1;
    selectRow(row >= 0 ? row : 0);
    reportRowCount();
    updateCommandStates();
    profile.deleteLog(QStringLiteral("ArticoliView:InitialUpdate"));
    setComingToFront(false);
}

void CArticoliView::reload() {
    onUpdate();
}

void CArticoliView::refresh() {
    onUpdate();
}

void CArticoliView::recomputeItem(int itemId) {
    m_model->recomputeItem(itemId);
}

void CArticoliView::recomputeItems(const QList<int>& itemIds) {
    m_model->recomputeItems(itemIds);
}

void CArticoliView::saveState() {
    CKeyedListView::saveState();
    Profile& profile = document().profile();
    const QList<int> keys = selectedKeys();
    profile.setValue(S::Settings, QStringLiteral("LastProduct"), keys.isEmpty() ? 0 : keys.first());
    m_model->setLastArtSort(m_model->lastArtSort());
}

// --- List ---------------------------------------------------------------------------------------

void CArticoliView::selectionChanged() {
    const QList<int> keys = selectedKeys();
    // The pane never shows another item's movements: it empties at once and fills when the
    // worker started for this very item delivers.
    if (m_bar)
        m_bar->clear();
    if (keys.size() == 1)
        m_loader->load(keys.first());
    else
        m_loader->abandon();
    updateCommandStates();
}

void CArticoliView::onUpdate() {
    // The first selected item stays selected when it is still listed.
    const QList<int> keys = selectedKeys();
    reloadList(QStringLiteral("ArticoliView:OnUpdate"), keys.isEmpty() ? 0 : keys.first());
}

// --- Commands -----------------------------------------------------------------------------------

void CArticoliView::onNew() {
    if (!m_itemDialog)
        return;
    Profile& profile = document().profile();
    profile.logStep(QStringLiteral("ArticoliView:OnNew"), QStringLiteral("Dialog"));
    // Counted and done before the dialog opens: a query still open would hold the SQLite
    // connection on a snapshot of the archive for as long as the dialog runs, so its checks
    // would miss what others wrote meanwhile and its save would fail as "database is locked".
    const bool large = ItemStore(document().database()).isLarge();
    const int saved = m_itemDialog(0, large);
    if (saved > 0) {
        onUpdate();
        selectKey(saved);
    }
    profile.deleteLog(QStringLiteral("ArticoliView:OnNew"));
}

void CArticoliView::onOpen() {
    const QList<int> keys = selectedKeys();
    if (!m_itemDialog || keys.isEmpty())
        return;
    Profile& profile = document().profile();
    profile.logStep(QStringLiteral("ArticoliView:OnOpen"), QStringLiteral("Dialog"));
    const int saved = m_itemDialog(keys.first(), false);
    if (saved > 0) {
        m_model->recomputeItem(saved);
        onUpdate();
        selectKey(saved);
    } else if (saved < 0) {
        onUpdate();
    }
    profile.deleteLog(QStringLiteral("ArticoliView:OnOpen"));
}

void CArticoliView::onDelete() {
    const QList<int> keys = selectedKeys();
    if (keys.isEmpty())
        return;
    Database& db = document().database();
    if (!confirmDelete(m_prompt, ArtDelete::CheckAll(db, keys)))
        return;
    ArtDelete::DeleteAll(db, keys);
    onUpdate();
}

void CArticoliView::onFind() {
    FindTexts find;
    if (!askFind || !askFind(&find))
        return;
    // The rows on screen, in their order: a filter or a sort changes what is found first.
    int from = 0;
    if (!find.fromFirstRow) {
        const QList<int> keys = selectedKeys();
        from = keys.isEmpty() ? 0 : m_model->rowOfKey(keys.last()) + 1;
    }
    const int row = m_model->findRow(from, find.texts);
    if (row < 0) {
        m_prompt.message(tr(kMsgNotFound), IPrompt::Icon::Information);
        return;
    }
    selectRow(row);
}

void CArticoliView::onFilter() {
    if (m_model->filterActive()) {
        m_model->clearFilter();
        onUpdate();
        return;
    }
    FilterTexts texts;
    if (!askFilter || !askFilter(&texts)) {
        updateCommandStates();
        return;
    }
    if (texts.code.isEmpty() && texts.description.isEmpty() && texts.category.isEmpty() &&
        texts.stock == 0) {
        updateCommandStates();
        return;
    }
    m_model->setFilter(ArtFilter::FromTexts(document().database(), texts.code, texts.description,
                                            texts.category, texts.stock));
    onUpdate();
}
