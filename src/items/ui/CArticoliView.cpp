#include "items/ui/CArticoliView.h"

#include "company/Formats.h"
#include "items/ArtDelete.h"
#include "items/ArtFilter.h"
#include "items/ArtListModel.h"
#include "items/ArtMovementsLoader.h"
#include "items/ui/CFiltroArtDialog.h"
#include "shell/ChangeNotifier.h"
#include "shell/FrameRules.h"
#include "shell/IPrompt.h"
#include "shell/Profile.h"
#include "shell/RibbonLayout.h"
#include "shell/ui/CMainDoc.h"
#include "shell/ui/CMovArtBar.h"
#include "shell/ui/CTrovaDialog.h"
#include "store/Database.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QSqlQuery>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using S = Profile::Section;

enum Id : int {
    New = 32771,
    Open = 32772,
    Delete = 32773,
    Find = 32794,
    Update = RibbonLayout::Aggiorna,
    Filter = 32806,
};

// The five-key accelerator table of the list.
struct Accelerator {
    int id;
    QKeySequence key;
};
const Accelerator kAccelerators[] = {
    {New, QKeySequence(Qt::Key_F3)},
    {Open, QKeySequence(Qt::Key_Return)},
    {Delete, QKeySequence(QStringLiteral("Ctrl+D"))},
    {Update, QKeySequence(Qt::Key_F5)},
    {Find, QKeySequence(Qt::Key_F6)},
};

QColor Blend(const QColor& a, const QColor& b, qreal share) {
    return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                            a.greenF() * (1 - share) + b.greenF() * share,
                            a.blueF() * (1 - share) + b.blueF() * share);
}

// The row icons 0 to 7: a box, marked red when something is to be reordered, blue when some is
// on order, violet for an item with serial codes.
QList<QIcon> RowIcons() {
    QList<QIcon> icons;
    for (int i = 0; i < 8; ++i) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const bool reorder = i & 4;
        const int rest = i & 3;
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
        p.end();
        icons << QIcon(pixmap);
    }
    return icons;
}

const QString kMsgNotFound = QStringLiteral("Articolo di magazzino non trovato!");

} // namespace

CArticoliView::CArticoliView(CMainDoc& doc, IPrompt& prompt, QWidget* parent)
    : CFrameView(doc, parent), m_prompt(prompt) {
    m_model = new ArtListModel(doc.database(), doc.profile(), this);
    m_model->setIcons(RowIcons());
    m_loader = new ArtMovementsLoader(doc.database(), this);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("ArticoliList"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setIconSize(QSize(16, 16));
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->verticalHeader()->hide();
    // Every row is as high as the font: the list never measures a row to lay it out.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(20);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < ArtListModel::ColumnCount; ++c)
        header->resizeSection(
            c, FrameRules::StoredColumnWidth(doc.profile().integer(
                   S::List, ArtListModel::WidthKey(c), ArtListModel::DefaultWidth(c))));
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        m_model->clickColumn(column);
        onUpdate();
    });
    connect(m_table, &QTableView::doubleClicked, this, [this] { onOpen(); });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CArticoliView::selectionChanged);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("ArticoliMenu"));
    connect(m_table, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(m_table->viewport()->mapToGlobal(pos)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);

    connect(m_loader, &ArtMovementsLoader::loaded, this,
            [this](int itemId, const QList<ArtMovementsLoader::Row>& rows) {
                if (!m_bar || itemId != m_loader->currentItem())
                    return;
                const Profile& profile = document().profile();
                QList<CMovArtBar::Row> shown;
                for (const ArtMovementsLoader::Row& r : rows) {
                    const QString kind = ArtMovementsLoader::KindText(r.tipo);
                    shown.append({r.movementId, r.numero, FormatLongDate(r.data.date()),
                                  kind.isEmpty()
                                      ? QString()
                                      : kind + QStringLiteral(" di %1 %2")
                                                   .arg(FormatNumber(profile, r.quantity), r.unit),
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
    askFind = [this](ArtFind::Texts* texts) {
        CTrovaDialog dialog(CTrovaDialog::Mode::Items, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *texts = {dialog.text(0), dialog.text(1), dialog.text(2)};
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
    const QHash<int, std::function<void()>> handlers = {
        {New, [this] { onNew(); }},       {Open, [this] { onOpen(); }},
        {Delete, [this] { onDelete(); }}, {Update, [this] { onUpdate(); }},
        {Find, [this] { onFind(); }},     {Filter, [this] { onFilter(); }},
    };
    for (const Accelerator& a : kAccelerators) {
        auto* action = new QAction(this);
        action->setShortcut(a.key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        if (a.id == Open)
            action->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
        addAction(action);
        connect(action, &QAction::triggered, this, handlers.value(a.id));
        m_ownActions.insert(a.id, action);
        m_commands.insert(a.id, action);
    }
    auto* filter = new QAction(this);
    filter->setCheckable(true);
    connect(filter, &QAction::triggered, this, [this] { onFilter(); });
    m_ownActions.insert(Filter, filter);
    m_commands.insert(Filter, filter);

    const struct {
        int id;
        const char* text;
    } entries[] = {{New, "Inserisci Nuovo Prodotto ( F3 )"},
                   {Open, "Apri Prodotto Selezionato ( Invio )"},
                   {Delete, "Elimina Prodotto Selezionato ( Ctrl+D )"},
                   {0, nullptr},
                   {Filter, "Filtro Prodotti"},
                   {Find, "Cerca Prodotto"}};
    for (const auto& e : entries) {
        if (!e.id) {
            m_menu->addSeparator();
            continue;
        }
        QAction* item = m_menu->addAction(QString::fromUtf8(e.text));
        item->setObjectName(QStringLiteral("Menu-%1").arg(e.id));
        connect(item, &QAction::triggered, this, handlers.value(e.id));
        if (e.id == New)
            m_menu->setDefaultAction(item);
    }
}

void CArticoliView::attachCommands(const QHash<int, QAction*>& commands) {
    // Commands of later parts of the program stay disabled.
    CFrameView::attachCommands(commands);
    const QList<RibbonLayout::Command> layout = RibbonLayout::ViewCommands(0);
    for (const RibbonLayout::Command& c : layout) {
        QAction* frameAction = commands.value(c.id);
        QAction* own = m_ownActions.value(c.id);
        if (!frameAction || !own)
            continue;
        // The frame gives the ribbon command its key while this view is the visible one; the
        // view's own key would make the two ambiguous.
        if (!c.key.isEmpty())
            own->setShortcuts({});
        connect(frameAction, &QAction::triggered, own, &QAction::trigger);
        m_commands.insert(c.id, frameAction);
    }
    updateCommandStates();
}

void CArticoliView::updateCommandStates() {
    const bool rows = m_model->rowCount() > 0;
    const bool selected = !selectedKeys().isEmpty();
    auto set = [this](int id, bool enabled) {
        for (QAction* a : {m_commands.value(id), m_ownActions.value(id)})
            if (a)
                a->setEnabled(enabled);
    };
    set(New, bool(m_itemDialog));
    set(Open, bool(m_itemDialog) && selected);
    set(Delete, selected);
    set(Update, true);
    set(Find, rows);
    set(Filter, true);
    for (QAction* a : {m_commands.value(Filter), m_ownActions.value(Filter)})
        if (a) {
            a->setCheckable(true);
            a->setChecked(m_model->filterActive());
        }
    for (QAction* item : m_menu->actions()) {
        const int id = item->objectName().mid(5).toInt();
        if (id)
            item->setEnabled(m_commands.value(id) && m_commands.value(id)->isEnabled());
    }
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

// --- Frame requests -----------------------------------------------------------------------------

void CArticoliView::becameVisible() {
    if (window() != this)
        window()->setWindowTitle(QStringLiteral("Magazzino - Quarzil"));
    // The frame calls this before it brings the view to the front; the count is this view's.
    m_comingToFront = true;
    if (m_initialised) {
        onUpdate();
        m_comingToFront = false;
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
    m_comingToFront = false;
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

void CArticoliView::saveState() {
    Profile& profile = document().profile();
    const QHeaderView* header = m_table->horizontalHeader();
    for (int c = 0; c < ArtListModel::ColumnCount; ++c)
        profile.setValue(S::List, ArtListModel::WidthKey(c),
                         FrameRules::StoredColumnWidth(header->sectionSize(c)));
    const QList<int> keys = selectedKeys();
    profile.setValue(S::Settings, QStringLiteral("LastProduct"), keys.isEmpty() ? 0 : keys.first());
    m_model->setLastArtSort(m_model->lastArtSort());
}

// --- List ---------------------------------------------------------------------------------------

QList<int> CArticoliView::selectedKeys() const {
    QList<int> rows;
    for (const QModelIndex& i : m_table->selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    QList<int> keys;
    for (int r : rows)
        keys << m_model->keyAt(r);
    return keys;
}

void CArticoliView::selectRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) {
        m_table->clearSelection();
        selectionChanged();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    m_table->scrollTo(index);
}

void CArticoliView::selectKey(int key) {
    selectRow(m_model->rowOfKey(key));
}

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

bool CArticoliView::reportsCount() const {
    // Only the view in front reports to the status bar.
    return m_comingToFront || !parentWidget() || isVisibleTo(parentWidget());
}

void CArticoliView::reportRowCount() {
    if (reportsCount())
        Q_EMIT document().notifier().rowCountChanged(1, m_model->rowCount());
}

void CArticoliView::updateSortLook() {
    QHeaderView* header = m_table->horizontalHeader();
    const int column = m_model->sortColumn();
    // Qt draws its ascending order as a down arrow; the list shows an up arrow when it sorts
    // ascending and a down arrow when descending.
    if (column < ArtListModel::ColumnCount)
        header->setSortIndicator(column,
                                 m_model->ascending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    else
        header->setSortIndicator(-1, Qt::AscendingOrder);
    // The sort column's cells: the button shadow blended with the highlight, lighter when
    // ascending and a little stronger when descending, over the window colour.
    const QPalette& p = m_table->palette();
    const QColor mix = Blend(p.color(QPalette::Dark), p.color(QPalette::Highlight), 0.5);
    const QColor tint = Blend(p.color(QPalette::Base), mix, m_model->ascending() ? 0.22 : 0.32);
    m_model->setSortTints(tint, tint);
}

void CArticoliView::onUpdate() {
    Profile& profile = document().profile();
    profile.logStep(QStringLiteral("ArticoliView:OnUpdate"), QStringLiteral("Refresh"));
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const QList<int> keys = selectedKeys();
        const int remembered = keys.isEmpty() ? 0 : keys.first();
        m_model->refresh();
        updateSortLook();
        const int row = remembered > 0 ? m_model->rowOfKey(remembered) : -1;
        selectRow(row >= 0 ? row : 0);
        QGuiApplication::restoreOverrideCursor();
    }
    reportRowCount();
    updateCommandStates();
    profile.deleteLog(QStringLiteral("ArticoliView:OnUpdate"));
}

// --- Commands -----------------------------------------------------------------------------------

void CArticoliView::onNew() {
    if (!m_itemDialog)
        return;
    Profile& profile = document().profile();
    profile.logStep(QStringLiteral("ArticoliView:OnNew"), QStringLiteral("Dialog"));
    qint64 count = 0;
    QSqlQuery q;
    if (document().database().query(
            q, QStringLiteral("SELECT COUNT(IDArticolo) AS Totale FROM Articoli")) &&
        q.next())
        count = q.value(0).toLongLong();
    const int saved = m_itemDialog(0, count > 2500);
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
    }
    profile.deleteLog(QStringLiteral("ArticoliView:OnOpen"));
}

void CArticoliView::onDelete() {
    const QList<int> keys = selectedKeys();
    if (keys.isEmpty())
        return;
    Database& db = document().database();
    switch (ArtDelete::CheckAll(db, keys)) {
    case ArtDelete::Check::Failed:
        m_prompt.message(QStringLiteral("Impossibile eliminare il valore od i valori selezionati!"),
                         IPrompt::Icon::Error);
        return;
    case ArtDelete::Check::UsedInMovements:
        m_prompt.message(QStringLiteral("Impossibile eliminare il valore od i valori selezionati "
                                        "perché utilizzati nei movimenti!"),
                         IPrompt::Icon::Error);
        return;
    case ArtDelete::Check::UsedInOrders:
        m_prompt.message(QStringLiteral("Impossibile eliminare il valore od i valori selezionati "
                                        "perché utilizzati negli ordini!"),
                         IPrompt::Icon::Error);
        return;
    case ArtDelete::Check::Ok:
        break;
    }
    if (!m_prompt.question(QStringLiteral("Si desidera eliminare definitivamente il valore o i "
                                          "valori selezionati?")))
        return;
    ArtDelete::DeleteAll(db, keys);
    onUpdate();
}

void CArticoliView::onFind() {
    ArtFind::Texts texts;
    if (!askFind || !askFind(&texts))
        return;
    const int key = ArtFind::Find(document().database(), texts);
    const int row = key > 0 ? m_model->rowOfKey(key) : -1;
    if (row < 0) {
        m_prompt.message(kMsgNotFound, IPrompt::Icon::Information);
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
