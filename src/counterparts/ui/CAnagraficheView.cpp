#include "counterparts/ui/CAnagraficheView.h"

#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/Profile.h"
#include "common/WebPages.h"
#include "common/ui/CMainDoc.h"
#include "common/ui/CTrovaDialog.h"
#include "counterparts/AnaDelete.h"
#include "counterparts/AnaListModel.h"
#include "counterparts/CounterpartStore.h"
#include "counterparts/ui/CAnaMovBar.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ui/DbErrorDisplay.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QTableView>

namespace {

using S = Profile::Section;

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

// The list's menu, by command: new customer and supplier, open, delete, find, the kind filters,
// the situation's preview and print.
const char* const kMenuTexts[] = {
    QT_TRANSLATE_NOOP("CAnagraficheView", "Inserisci Nuovo Cliente ( F3 )"),
    QT_TRANSLATE_NOOP("CAnagraficheView", "Inserisci Nuovo Fornitore ( F4 )"),
    QT_TRANSLATE_NOOP("CAnagraficheView", "Apri Anagrafica Selezionata ( Invio )"),
    QT_TRANSLATE_NOOP("CAnagraficheView", "Elimina Anagrafiche Selezionate ( Ctrl+D )"),
    QT_TRANSLATE_NOOP("CAnagraficheView", "Trova Anagrafica ( F6 )"),
    QT_TRANSLATE_NOOP("CAnagraficheView", "Clienti"),
    QT_TRANSLATE_NOOP("CAnagraficheView", "Fornitori"),
    QT_TRANSLATE_NOOP("CAnagraficheView", "Operai"),
    QT_TRANSLATE_NOOP("CAnagraficheView", "Vedi Tutti"),
    QT_TRANSLATE_NOOP("CAnagraficheView", "Anteprima Situazione"),
    QT_TRANSLATE_NOOP("CAnagraficheView", "Stampa Situazione")};

} // namespace

CAnagraficheView::CAnagraficheView(CMainDoc& doc, IPrompt& prompt, IBrowser& browser,
                                   QWidget* parent)
    : CKeyedListView(doc, parent), m_prompt(prompt), m_browser(browser) {
    m_model = new AnaListModel(doc.database(), doc.profile(), this);
    m_model->setIcons(PersonIcon(QColor(38, 82, 0).lighter(170), false),
                      PersonIcon(QColor(159, 0, 0).lighter(150), false),
                      PersonIcon(QColor(40, 90, 170), true));

    setUpList(m_model, {.name = QStringLiteral("Anagrafiche"),
                        .countKind = 3,
                        .ribbonView = 2,
                        .widthKey = &AnaListModel::WidthKey,
                        .defaultWidth = &AnaListModel::DefaultWidth,
                        .alternatingRows = true});
    QTableView* list = table();
    connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this, [this, list](int column) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_model->sortBy(column);
        QGuiApplication::restoreOverrideCursor();
        updateSortLook();
        list->viewport()->update();
        if (list->currentIndex().isValid())
            list->scrollTo(list->currentIndex());
    });
    connect(list, &QTableView::doubleClicked, this, [this] { onOpen(); });

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
    const auto key = [](auto k) { return QList<QKeySequence>{QKeySequence(k)}; };
    addCommand(NewCliente, key(Qt::Key_F3), [this] { onNewCustomer(); });
    addCommand(NewFornitore, key(Qt::Key_F4), [this] { onNewSupplier(); });
    addCommand(Open, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
               [this] { onOpen(); });
    addCommand(Delete, key(QStringLiteral("Ctrl+D")), [this] { onDelete(); });
    addCommand(Update, key(Qt::Key_F5), [this] { onUpdate(); });
    addCommand(Find, key(Qt::Key_F6), [this] { onFind(); });
    for (const auto& [id, filter] :
         {std::pair{FilterClienti, AnaListModel::Customers},
          std::pair{FilterFornitori, AnaListModel::Suppliers},
          std::pair{FilterOperai, AnaListModel::Workers}, std::pair{FilterAll, AnaListModel::All}})
        addCommand(id, {}, [this, filter = filter] { onFilter(filter); })->setCheckable(true);

    addPrintCommands({PreviewList, PrintList, PreviewSituation, PrintSituation});

    addMenuEntries({{NewCliente, kMenuTexts[0]},
                    {NewFornitore, kMenuTexts[1]},
                    {Open, kMenuTexts[2]},
                    {Delete, kMenuTexts[3]},
                    {0, nullptr},
                    {Find, kMenuTexts[4]},
                    {0, nullptr},
                    {FilterClienti, kMenuTexts[5], true},
                    {FilterFornitori, kMenuTexts[6], true},
                    {FilterOperai, kMenuTexts[7], true},
                    {FilterAll, kMenuTexts[8], true},
                    {0, nullptr},
                    {PreviewSituation, kMenuTexts[9]},
                    {PrintSituation, kMenuTexts[10]}});
    retranslateUi();
}

void CAnagraficheView::retranslateUi() {
    const int ids[] = {NewCliente,    NewFornitore,    Open,         Delete,    Find,
                       FilterClienti, FilterFornitori, FilterOperai, FilterAll, PreviewSituation,
                       PrintSituation};
    for (size_t i = 0; i < std::size(ids); ++i)
        if (QAction* entry = findChild<QAction*>(QStringLiteral("Menu-%1").arg(ids[i])))
            entry->setText(tr(kMenuTexts[i]));
    if (isVisible() && window() != this)
        window()->setWindowTitle(tr("Anagrafiche - Quarzil"));
}

void CAnagraficheView::changeEvent(QEvent* event) {
    CKeyedListView::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        m_model->languageChanged();
        retranslateUi();
    }
}

void CAnagraficheView::updateCommandStates() {
    setCommandEnabled(NewCliente, true);
    setCommandEnabled(NewFornitore, true);
    setCommandEnabled(Open, singleSelectedRow() >= 0);
    setCommandEnabled(Delete, table()->selectionModel()->hasSelection());
    setCommandEnabled(Update, true);
    setCommandEnabled(Find, m_model->rowCount() > 0);
    const int filterIds[] = {FilterClienti, FilterFornitori, FilterOperai, FilterAll};
    for (int i = 0; i < 4; ++i) {
        setCommandEnabled(filterIds[i], true);
        setCommandChecked(filterIds[i], m_model->filter() == i + 1);
    }
    updatePrintCommands();
    updateMenu();
}

void CAnagraficheView::setAnaMovBar(CAnaMovBar* bar) {
    m_bar = bar;
    selectionChanged();
}

// --- Frame requests -----------------------------------------------------------------------------

void CAnagraficheView::becameVisible() {
    if (window() != this)
        window()->setWindowTitle(tr("Anagrafiche - Quarzil"));
    setComingToFront(true);
    if (!m_initialised) {
        m_initialised = true;
        onUpdate();
    } else {
        reportRowCount();
    }
    setComingToFront(false);
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
    CKeyedListView::saveState();
    document().profile().setValue(S::Settings, QStringLiteral("FilterAna"), m_model->filter());
    if (m_bar)
        m_bar->saveState();
}

// --- List ---------------------------------------------------------------------------------------

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

void CAnagraficheView::onUpdate() {
    reloadList(QStringLiteral("AnagraficheView:OnUpdate"), 0);
}

// --- Records ------------------------------------------------------------------------------------

void CAnagraficheView::showStoreError() {
    ShowDbError(m_prompt, document().database().lastError());
}

void CAnagraficheView::dropMissingRow(int key) {
    // Another computer deleted the record: its row goes, as if the list had been refreshed.
    m_model->removeKeys({key});
    if (m_model->rowCount() > 0 && !table()->selectionModel()->hasSelection())
        selectRow(0);
    else
        selectionChanged();
    reportRowCount();
    updateCommandStates();
}

void CAnagraficheView::addRecord(bool customer) {
    CliForRecord record = CounterpartStore::NewRecord(customer ? CounterpartStore::Kind::Customer
                                                               : CounterpartStore::Kind::Supplier);
    if (!editAndSave(&record, customer ? CAnagraficaDialog::Caller::NewCustomer
                                       : CAnagraficaDialog::Caller::NewSupplier))
        return;
    // At the end, whatever the filter and the order, and the only row selected.
    m_model->appendKey(record.IDCliFor);
    selectRow(m_model->rowCount() - 1);
    reportRowCount();
    updateCommandStates();
}

bool CAnagraficheView::editAndSave(CliForRecord* record, CAnagraficaDialog::Caller caller,
                                   int key) {
    if (!editRecord)
        return false;
    CounterpartStore store(document().database());
    for (;;) {
        document().database().setError(QSqlError());
        if (!editRecord(record, caller))
            return false;
        if (key > 0)
            record->IDCliFor = key;
        const CliForRecord typed = *record;
        if (store.save(*record))
            return true;
        showStoreError();
        // Another program held the archive: what was typed comes back in the dialog, to be
        // saved again.
        if (!IsArchiveBusy(document().database().lastError()))
            return false;
        *record = typed;
    }
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
    if (!store.load(key, record)) {
        showStoreError();
        if (IsMissingRow(document().database().lastError()))
            dropMissingRow(key);
        return;
    }
    if (!editAndSave(&record, CAnagraficaDialog::Caller::Edit, key)) {
        if (IsMissingRow(document().database().lastError()))
            dropMissingRow(key);
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
    if (!confirmDelete(m_prompt, check))
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
    if (deleted.size() != keys.size() && !table()->selectionModel()->hasSelection())
        for (int key : keys)
            if (!gone.contains(key))
                table()->selectionModel()->select(m_model->index(m_model->rowOfKey(key), 0),
                                                  QItemSelectionModel::Select |
                                                      QItemSelectionModel::Rows);
    if (m_model->rowCount() > 0 && !table()->selectionModel()->hasSelection())
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
        m_prompt.message(tr("Cliente o fornitore non trovato!"), IPrompt::Icon::Information);
        return;
    }
    selectRow(row);
    table()->setFocus();
}

void CAnagraficheView::onFilter(int filter) {
    m_model->setFilter(filter);
    onUpdate();
}
