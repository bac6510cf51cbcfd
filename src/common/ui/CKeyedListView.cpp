#include "common/ui/CKeyedListView.h"

#include "common/ChangeNotifier.h"
#include "common/ColumnWidth.h"
#include "common/Commands.h"
#include "common/IPrompt.h"
#include "common/Profile.h"
#include "common/ui/CMainDoc.h"
#include "store/KeyedListModel.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QColor Blend(const QColor& a, const QColor& b, qreal share) {
    return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                            a.greenF() * (1 - share) + b.greenF() * share,
                            a.blueF() * (1 - share) + b.blueF() * share);
}

} // namespace

CKeyedListView::CKeyedListView(CMainDoc& doc, QWidget* parent) : CFrameView(doc, parent) {}

CKeyedListView::~CKeyedListView() {
    // The table outlives the subclass while the widget tears down its children; a selection
    // change then must not reach selectionChanged().
    if (m_table)
        m_table->selectionModel()->disconnect(this);
}

void CKeyedListView::setUpList(KeyedListModel* model, const ListSetup& setup) {
    m_model = model;
    m_setup = setup;
    m_table = new QTableView(this);
    m_table->setObjectName(setup.name + QStringLiteral("List"));
    m_table->setModel(model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(setup.alternatingRows);
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
    header->setMinimumSectionSize(kMinColumnWidth);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const Profile& profile = document().profile();
    for (int c = 0; c < model->columnCount(); ++c)
        header->resizeSection(
            c, StoredColumnWidth(profile.integer(Profile::Section::List, setup.widthKey(c),
                                                 setup.defaultWidth(c))));
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionChanged(); });

    m_menu = new QMenu(this);
    m_menu->setObjectName(setup.name + QStringLiteral("Menu"));
    connect(m_table, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(m_table->viewport()->mapToGlobal(pos)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
}

void CKeyedListView::saveState() {
    Profile& profile = document().profile();
    const QHeaderView* header = m_table->horizontalHeader();
    for (int c = 0; c < m_model->columnCount(); ++c)
        profile.setValue(Profile::Section::List, m_setup.widthKey(c),
                         StoredColumnWidth(header->sectionSize(c)));
}

// --- Commands -----------------------------------------------------------------------------------

QAction* CKeyedListView::addCommand(int id, const QList<QKeySequence>& keys,
                                    std::function<void()> handler) {
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, handler);
    m_handlers.insert(id, std::move(handler));
    m_ownActions.insert(id, action);
    m_commands.insert(id, action);
    return action;
}

void CKeyedListView::addMenuEntries(std::initializer_list<MenuEntry> entries, int defaultId) {
    for (const MenuEntry& e : entries) {
        if (!e.id) {
            m_menu->addSeparator();
            continue;
        }
        QAction* item = m_menu->addAction(QString::fromUtf8(e.text));
        item->setObjectName(QStringLiteral("Menu-%1").arg(e.id));
        item->setCheckable(e.checkable);
        connect(item, &QAction::triggered, this, m_handlers.value(e.id));
        if (defaultId ? e.id == defaultId : !m_menu->defaultAction())
            m_menu->setDefaultAction(item);
    }
}

void CKeyedListView::attachCommands(const QHash<int, QAction*>& commands) {
    // Commands of later parts of the program stay disabled.
    CFrameView::attachCommands(commands);
    for (const Commands::Command& c : Commands::ViewCommands(m_setup.ribbonView)) {
        QAction* frameAction = commands.value(c.id);
        QAction* own = m_ownActions.value(c.id);
        if (!frameAction || !own)
            continue;
        // While this view is in front the frame gives the ribbon command its key; the view's
        // own key would make the two ambiguous.
        if (!c.key.isEmpty())
            own->setShortcuts({});
        connect(frameAction, &QAction::triggered, own, &QAction::trigger);
        m_commands.insert(c.id, frameAction);
    }
    updateCommandStates();
}

void CKeyedListView::setPrintHandler(std::function<void(int)> handler) {
    m_printHandler = std::move(handler);
    updateCommandStates();
}

void CKeyedListView::addPrintCommands(std::initializer_list<int> ids) {
    for (int id : ids) {
        m_printIds.append(id);
        addCommand(id, {}, [this, id] {
            if (m_printHandler)
                m_printHandler(id);
        });
    }
}

void CKeyedListView::updatePrintCommands() {
    for (int id : m_printIds)
        setCommandEnabled(id, canPrint());
}

void CKeyedListView::setCommandEnabled(int id, bool enabled) {
    for (QAction* a : {m_commands.value(id), m_ownActions.value(id)})
        if (a)
            a->setEnabled(enabled);
}

void CKeyedListView::setCommandChecked(int id, bool checked) {
    for (QAction* a : {m_commands.value(id), m_ownActions.value(id)})
        if (a) {
            a->setCheckable(true);
            a->setChecked(checked);
        }
}

void CKeyedListView::updateMenu() {
    for (QAction* item : m_menu->actions()) {
        const int id = item->objectName().mid(5).toInt();
        if (!id)
            continue;
        const QAction* source = m_commands.value(id);
        item->setEnabled(source && source->isEnabled());
        if (item->isCheckable())
            item->setChecked(source && source->isChecked());
    }
}

// --- List ---------------------------------------------------------------------------------------

QList<int> CKeyedListView::selectedKeys() const {
    QList<int> rows;
    for (const QItemSelectionRange& range : m_table->selectionModel()->selection())
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows << r;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<int> keys;
    for (int r : rows)
        keys << m_model->keyAt(r);
    return keys;
}

int CKeyedListView::singleSelectedRow() const {
    const QItemSelection selection = m_table->selectionModel()->selection();
    if (selection.isEmpty())
        return -1;
    const int row = selection.first().top();
    for (const QItemSelectionRange& range : selection)
        if (range.top() != row || range.bottom() != row)
            return -1;
    return row;
}

void CKeyedListView::selectRow(int row) {
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

void CKeyedListView::selectKey(int key) {
    selectRow(m_model->rowOfKey(key));
}

bool CKeyedListView::reportsCount() const {
    // Only the view in front reports to the status bar.
    return m_comingToFront || !parentWidget() || isVisibleTo(parentWidget());
}

void CKeyedListView::reportRowCount() {
    if (reportsCount())
        Q_EMIT document().notifier().rowCountChanged(m_setup.countKind, m_model->rowCount());
}

void CKeyedListView::updateSortLook() {
    QHeaderView* header = m_table->horizontalHeader();
    const int column = m_model->sortColumn();
    // Qt draws its ascending order as a down arrow; the list shows an up arrow when it sorts
    // ascending and a down arrow when descending. A sort on a field without a column shows none.
    if (column < m_model->columnCount())
        header->setSortIndicator(column,
                                 m_model->ascending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    else
        header->setSortIndicator(-1, Qt::AscendingOrder);
    // The sort column's cells: the button shadow blended with the highlight over the row's own
    // colour, a little stronger when descending.
    const QPalette& p = m_table->palette();
    const QColor mix = Blend(p.color(QPalette::Dark), p.color(QPalette::Highlight), 0.5);
    const qreal share = m_model->ascending() ? 0.22 : 0.32;
    const QColor even = Blend(p.color(QPalette::Base), mix, share);
    m_model->setSortTints(even, m_table->alternatingRowColors()
                                    ? Blend(p.color(QPalette::AlternateBase), mix, share)
                                    : even);
}

void CKeyedListView::reloadList(const QString& logName, int keepKey) {
    Profile& profile = document().profile();
    profile.logStep(logName, QStringLiteral("Refresh"));
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_model->refresh();
    updateSortLook();
    const int row = keepKey > 0 ? m_model->rowOfKey(keepKey) : -1;
    selectRow(row >= 0 ? row : 0);
    QGuiApplication::restoreOverrideCursor();
    reportRowCount();
    updateCommandStates();
    profile.deleteLog(logName);
}

bool CKeyedListView::confirmDelete(IPrompt& prompt, GuardedDelete::Check check) {
    using Check = GuardedDelete::Check;
    switch (check) {
    case Check::Failed:
        prompt.message(tr("Impossibile eliminare il valore od i valori selezionati!"),
                       IPrompt::Icon::Error);
        return false;
    case Check::UsedInMovements:
        prompt.message(tr("Impossibile eliminare il valore od i valori selezionati "
                          "perché utilizzati nei movimenti!"),
                       IPrompt::Icon::Error);
        return false;
    case Check::UsedInOrders:
        prompt.message(tr("Impossibile eliminare il valore od i valori selezionati "
                          "perché utilizzati negli ordini!"),
                       IPrompt::Icon::Error);
        return false;
    case Check::Ok:
        break;
    }
    return prompt.question(
        tr("Si desidera eliminare definitivamente il valore o i valori selezionati?"));
}
