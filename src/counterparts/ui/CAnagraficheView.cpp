#include "counterparts/ui/CAnagraficheView.h"

#include "counterparts/AnaDelete.h"
#include "counterparts/AnaListModel.h"
#include "counterparts/CounterpartStore.h"
#include "counterparts/ui/CAnaMovBar.h"
#include "shell/ChangeNotifier.h"
#include "shell/FrameRules.h"
#include "shell/IPrompt.h"
#include "shell/MakerSite.h"
#include "shell/Profile.h"
#include "shell/RibbonLayout.h"
#include "shell/WebPages.h"
#include "shell/ui/CMainDoc.h"
#include "shell/ui/CTrovaDialog.h"
#include "store/Database.h"
#include "store/DbError.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using S = Profile::Section;

QColor Blend(const QColor& a, const QColor& b, qreal share) {
    return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                            a.greenF() * (1 - share) + b.greenF() * share,
                            a.blueF() * (1 - share) + b.blueF() * share);
}

// A person's head and shoulders in the kind's colour (customers green, suppliers red, as the
// list print has them); a worker wears a yellow helmet.
QIcon PersonIcon(const QColor& colour, bool helmet) {
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        p.setPen(QPen(colour.darker(150), 0.8));
        p.setBrush(colour);
        QPainterPath body;
        body.moveTo(1.5, 15.5);
        body.cubicTo(1.5, 10.5, 4.5, 9.5, 8, 9.5);
        body.cubicTo(11.5, 9.5, 14.5, 10.5, 14.5, 15.5);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(colour.lighter(140));
        p.drawEllipse(QRectF(4.5, 2.5, 7, 7));
        if (helmet) {
            p.setPen(QPen(QColor(150, 110, 0), 0.8));
            p.setBrush(QColor(250, 200, 30));
            p.drawChord(QRectF(3.8, 1.2, 8.4, 7.2), 0, 180 * 16);
            p.drawLine(QPointF(3, 4.8), QPointF(13, 4.8));
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QString kNotFound = QStringLiteral("Cliente o fornitore non trovato!");

} // namespace

CAnagraficheView::CAnagraficheView(CMainDoc& doc, IPrompt& prompt, IBrowser& browser,
                                   QWidget* parent)
    : CFrameView(doc, parent), m_prompt(prompt), m_browser(browser) {
    m_model = new AnaListModel(doc.database(), doc.profile(), this);
    m_model->setIcons(PersonIcon(QColor(38, 82, 0).lighter(170), false),
                      PersonIcon(QColor(159, 0, 0).lighter(150), false),
                      PersonIcon(QColor(40, 90, 170), true));

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("AnagraficheList"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setIconSize(QSize(16, 16));
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->verticalHeader()->hide();
    // Rows as high as the font: the list never measures a row to lay it out.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(FrameRules::kMinColumnWidth);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < AnaListModel::ColumnCount; ++c)
        header->resizeSection(
            c, FrameRules::StoredColumnWidth(doc.profile().integer(
                   S::List, AnaListModel::WidthKey(c), AnaListModel::DefaultWidth(c))));
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_model->sortBy(column);
        QGuiApplication::restoreOverrideCursor();
        updateSortLook();
        m_table->viewport()->update();
        if (m_table->currentIndex().isValid())
            m_table->scrollTo(m_table->currentIndex());
    });
    connect(m_table, &QTableView::doubleClicked, this, [this] { onOpen(); });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CAnagraficheView::selectionChanged);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("AnagraficheMenu"));
    connect(m_table, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(m_table->viewport()->mapToGlobal(pos)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);

    editRecord = [this](CliForRecord* record, CAnagraficaDialog::Caller caller) {
        CAnagraficaDialog dialog(document().database(), document().profile(), m_prompt, m_browser,
                                 *record, this);
        dialog.configureFor(caller);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *record = dialog.record();
        return true;
    };
    askFind = [this](FindTexts* texts) {
        CTrovaDialog dialog(CTrovaDialog::Mode::Counterparts, this);
        dialog.setHelpPage(m_browser, WebPages::FindHelp(document().profile()));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *texts = {dialog.edit(0)->text(), dialog.edit(1)->text(), dialog.fromFirstRow()};
        return true;
    };

    createCommands();
    updateSortLook();
    updateCommandStates();
}

// --- Commands -----------------------------------------------------------------------------------

void CAnagraficheView::createCommands() {
    const QHash<int, std::function<void()>> handlers = {
        {NewCliente, [this] { onNewCustomer(); }},
        {NewFornitore, [this] { onNewSupplier(); }},
        {Open, [this] { onOpen(); }},
        {Delete, [this] { onDelete(); }},
        {Update, [this] { onUpdate(); }},
        {Find, [this] { onFind(); }},
        {FilterClienti, [this] { onFilter(AnaListModel::Customers); }},
        {FilterFornitori, [this] { onFilter(AnaListModel::Suppliers); }},
        {FilterOperai, [this] { onFilter(AnaListModel::Workers); }},
        {FilterAll, [this] { onFilter(AnaListModel::All); }},
    };
    const struct {
        int id;
        QList<QKeySequence> keys;
    } own[] = {
        {NewCliente, {QKeySequence(Qt::Key_F3)}},
        {NewFornitore, {QKeySequence(Qt::Key_F4)}},
        {Open, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}},
        {Delete, {QKeySequence(QStringLiteral("Ctrl+D"))}},
        {Update, {QKeySequence(Qt::Key_F5)}},
        {Find, {QKeySequence(Qt::Key_F6)}},
        {FilterClienti, {}},
        {FilterFornitori, {}},
        {FilterOperai, {}},
        {FilterAll, {}},
    };
    for (const auto& o : own) {
        auto* action = new QAction(this);
        action->setShortcuts(o.keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        if (o.id >= FilterOperai && o.id <= FilterAll)
            action->setCheckable(true);
        addAction(action);
        connect(action, &QAction::triggered, this, handlers.value(o.id));
        m_ownActions.insert(o.id, action);
        m_commands.insert(o.id, action);
    }

    const struct {
        int id;
        const char* text;
    } entries[] = {{NewCliente, "Inserisci Nuovo Cliente ( F3 )"},
                   {NewFornitore, "Inserisci Nuovo Fornitore ( F4 )"},
                   {Open, "Apri Anagrafica Selezionata ( Invio )"},
                   {Delete, "Elimina Anagrafiche Selezionate ( Ctrl+D )"},
                   {0, nullptr},
                   {Find, "Trova Anagrafica ( F6 )"},
                   {0, nullptr},
                   {FilterClienti, "Clienti"},
                   {FilterFornitori, "Fornitori"},
                   {FilterOperai, "Operai"},
                   {FilterAll, "Vedi Tutti"}};
    for (const auto& e : entries) {
        if (!e.id) {
            m_menu->addSeparator();
            continue;
        }
        QAction* item = m_menu->addAction(QString::fromUtf8(e.text));
        item->setObjectName(QStringLiteral("Menu-%1").arg(e.id));
        item->setCheckable(e.id >= FilterOperai && e.id <= FilterAll);
        connect(item, &QAction::triggered, this, handlers.value(e.id));
        if (e.id == NewCliente)
            m_menu->setDefaultAction(item);
    }
}

void CAnagraficheView::attachCommands(const QHash<int, QAction*>& commands) {
    // The list prints belong to a later part of the program and stay disabled.
    CFrameView::attachCommands(commands);
    for (const RibbonLayout::Command& c : RibbonLayout::ViewCommands(2)) {
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

void CAnagraficheView::updateCommandStates() {
    const bool rows = m_model->rowCount() > 0;
    const bool selected = m_table->selectionModel()->hasSelection();
    auto set = [this](int id, bool enabled) {
        for (QAction* a : {m_commands.value(id), m_ownActions.value(id)})
            if (a)
                a->setEnabled(enabled);
    };
    set(NewCliente, true);
    set(NewFornitore, true);
    set(Open, singleSelectedRow() >= 0);
    set(Delete, selected);
    set(Update, true);
    set(Find, rows);
    const int filter = m_model->filter();
    const int filterIds[] = {FilterClienti, FilterFornitori, FilterOperai, FilterAll};
    for (int i = 0; i < 4; ++i) {
        set(filterIds[i], true);
        for (QAction* a : {m_commands.value(filterIds[i]), m_ownActions.value(filterIds[i])})
            if (a) {
                a->setCheckable(true);
                a->setChecked(filter == i + 1);
            }
    }
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

void CAnagraficheView::setAnaMovBar(CAnaMovBar* bar) {
    m_bar = bar;
    selectionChanged();
}

// --- Frame requests -----------------------------------------------------------------------------

void CAnagraficheView::becameVisible() {
    if (window() != this)
        window()->setWindowTitle(QStringLiteral("Anagrafiche - Quarzil"));
    // The frame calls this before it brings the view to the front; the count is this view's.
    m_comingToFront = true;
    if (!m_initialised) {
        m_initialised = true;
        onUpdate();
    } else {
        reportRowCount();
    }
    m_comingToFront = false;
}

void CAnagraficheView::reload() {
    if (m_initialised)
        onUpdate();
}

void CAnagraficheView::refresh() {
    if (m_initialised)
        onUpdate();
}

void CAnagraficheView::saveState() {
    Profile& profile = document().profile();
    const QHeaderView* header = m_table->horizontalHeader();
    for (int c = 0; c < AnaListModel::ColumnCount; ++c)
        profile.setValue(S::List, AnaListModel::WidthKey(c),
                         FrameRules::StoredColumnWidth(header->sectionSize(c)));
    profile.setValue(S::Settings, QStringLiteral("FilterAna"), m_model->filter());
    if (m_bar)
        m_bar->saveState();
}

// --- List ---------------------------------------------------------------------------------------

QList<int> CAnagraficheView::selectedKeys() const {
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

int CAnagraficheView::singleSelectedRow() const {
    const QItemSelection selection = m_table->selectionModel()->selection();
    if (selection.isEmpty())
        return -1;
    const int row = selection.first().top();
    for (const QItemSelectionRange& range : selection)
        if (range.top() != row || range.bottom() != row)
            return -1;
    return row;
}

void CAnagraficheView::selectRow(int row) {
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

void CAnagraficheView::selectKey(int key) {
    selectRow(m_model->rowOfKey(key));
}

void CAnagraficheView::selectionChanged() {
    if (m_bar) {
        const int row = singleSelectedRow();
        if (row >= 0)
            m_bar->showCounterpart(m_model->keyAt(row));
        else
            m_bar->clear();
    }
    updateCommandStates();
}

bool CAnagraficheView::reportsCount() const {
    // Only the view in front reports to the status bar.
    return m_comingToFront || !parentWidget() || isVisibleTo(parentWidget());
}

void CAnagraficheView::reportRowCount() {
    if (reportsCount())
        Q_EMIT document().notifier().rowCountChanged(3, m_model->rowCount());
}

void CAnagraficheView::updateSortLook() {
    QHeaderView* header = m_table->horizontalHeader();
    // Qt draws its ascending order as a down arrow; the list shows an up arrow when it sorts
    // ascending and a down arrow when descending.
    header->setSortIndicator(m_model->sortColumn(),
                             m_model->ascending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    // The sort column's cells: the button shadow blended with the highlight over the row's own
    // colour, a little stronger when descending.
    const QPalette& p = m_table->palette();
    const QColor mix = Blend(p.color(QPalette::Dark), p.color(QPalette::Highlight), 0.5);
    const qreal share = m_model->ascending() ? 0.22 : 0.32;
    m_model->setSortTints(Blend(p.color(QPalette::Base), mix, share),
                          Blend(p.color(QPalette::AlternateBase), mix, share));
}

void CAnagraficheView::onUpdate() {
    Profile& profile = document().profile();
    profile.logStep(QStringLiteral("AnagraficheView:OnUpdate"), QStringLiteral("Refresh"));
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_model->refresh();
    updateSortLook();
    selectRow(0);
    QGuiApplication::restoreOverrideCursor();
    reportRowCount();
    updateCommandStates();
    profile.deleteLog(QStringLiteral("AnagraficheView:OnUpdate"));
}

// --- Records ------------------------------------------------------------------------------------

void CAnagraficheView::showStoreError() {
    m_prompt.message(DbErrorText(document().database().lastError()), IPrompt::Icon::Error);
}

void CAnagraficheView::addRecord(bool customer) {
    CliForRecord record = CounterpartStore::NewRecord(customer ? CounterpartStore::Kind::Customer
                                                               : CounterpartStore::Kind::Supplier);
    if (!editRecord || !editRecord(&record, customer ? CAnagraficaDialog::Caller::NewCustomer
                                                     : CAnagraficaDialog::Caller::NewSupplier))
        return;
    CounterpartStore store(document().database());
    if (!store.save(record)) {
        showStoreError();
        return;
    }
    // At the end, whatever the filter and the order, and the only row selected.
    m_model->appendKey(record.IDCliFor);
    selectRow(m_model->rowCount() - 1);
    reportRowCount();
    updateCommandStates();
}

void CAnagraficheView::onNewCustomer() {
    addRecord(true);
}

void CAnagraficheView::onNewSupplier() {
    addRecord(false);
}

void CAnagraficheView::onOpen() {
    const int row = singleSelectedRow();
    if (row < 0 || !editRecord)
        return;
    const int key = m_model->keyAt(row);
    CounterpartStore store(document().database());
    CliForRecord record;
    // A record someone else deleted meanwhile fails without a driver error: no stale text.
    document().database().setError(QSqlError());
    if (!store.load(key, record)) {
        showStoreError();
        return;
    }
    if (!editRecord(&record, CAnagraficaDialog::Caller::Edit))
        return;
    record.IDCliFor = key;
    if (!store.save(record)) {
        showStoreError();
        return;
    }
    m_model->recordChanged(key);
}

void CAnagraficheView::onDelete() {
    const QList<int> keys = selectedKeys();
    if (keys.isEmpty())
        return;
    Database& db = document().database();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const AnaDelete::Check check = AnaDelete::CheckAll(db, keys);
    QGuiApplication::restoreOverrideCursor();
    switch (check) {
    case AnaDelete::Check::Failed:
        m_prompt.message(QStringLiteral("Impossibile eliminare il valore od i valori selezionati!"),
                         IPrompt::Icon::Error);
        return;
    case AnaDelete::Check::UsedInMovements:
        m_prompt.message(QStringLiteral("Impossibile eliminare il valore od i valori selezionati "
                                        "perché utilizzati nei movimenti!"),
                         IPrompt::Icon::Error);
        return;
    case AnaDelete::Check::UsedInOrders:
        m_prompt.message(QStringLiteral("Impossibile eliminare il valore od i valori selezionati "
                                        "perché utilizzati negli ordini!"),
                         IPrompt::Icon::Error);
        return;
    case AnaDelete::Check::Ok:
        break;
    }
    if (!m_prompt.question(QStringLiteral("Si desidera eliminare definitivamente il valore o i "
                                          "valori selezionati?")))
        return;
    QList<int> deleted;
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        deleted = AnaDelete::DeleteAll(db, keys);
        m_model->removeKeys(deleted);
        QGuiApplication::restoreOverrideCursor();
    }
    // A row whose delete failed stays, selected (a reset of the list may have dropped it).
    const QSet<int> gone(deleted.begin(), deleted.end());
    if (deleted.size() != keys.size() && !m_table->selectionModel()->hasSelection())
        for (int key : keys)
            if (!gone.contains(key))
                m_table->selectionModel()->select(m_model->index(m_model->rowOfKey(key), 0),
                                                  QItemSelectionModel::Select |
                                                      QItemSelectionModel::Rows);
    if (m_model->rowCount() > 0 && !m_table->selectionModel()->hasSelection())
        selectRow(0);
    else
        selectionChanged();
    reportRowCount();
    updateCommandStates();
}

void CAnagraficheView::onFind() {
    FindTexts texts;
    if (!askFind || !askFind(&texts))
        return;
    int from = 0;
    if (!texts.fromFirstRow) {
        const QList<int> keys = selectedKeys();
        from = keys.isEmpty() ? 0 : m_model->rowOfKey(keys.last()) + 1;
    }
    const int row = m_model->findRow(from, texts.name, texts.taxCode);
    if (row < 0) {
        m_prompt.message(kNotFound, IPrompt::Icon::Information);
        return;
    }
    selectRow(row);
    m_table->setFocus();
}

void CAnagraficheView::onFilter(int filter) {
    m_model->setFilter(filter);
    onUpdate();
}
