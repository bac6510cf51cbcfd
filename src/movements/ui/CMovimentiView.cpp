#include "movements/ui/CMovimentiView.h"

#include "common/ChangeNotifier.h"
#include "common/IPrompt.h"
#include "common/Profile.h"
#include "common/WebPages.h"
#include "common/ui/CMainDoc.h"
#include "common/ui/CTrovaDialog.h"
#include "movements/MovListModel.h"
#include "movements/MovementListQuery.h"
#include "movements/MovementMessages.h"
#include "movements/MovementStore.h"
#include "movements/MovementTypes.h"
#include "movements/ui/CFiltroMovDialog.h"
#include "movements/ui/CMovRowBar.h"
#include "movements/ui/CMovimentiDialog.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ui/DbErrorDisplay.h"

#include <QSqlQuery>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QTableView>
#include <utility>

namespace {

using S = Profile::Section;

// The row icons by index: 2 a load (an arrow into a box), 3 a sale, 4 a return, 10 an unpaid
// sale (the sale's arrow in red).
QList<QIcon> RowIcons() {
    QList<QIcon> icons(11);
    auto draw = [](const QColor& colour, bool down, bool back) {
        QIcon icon;
        for (int size : {16, 32}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter p(&pixmap);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size / 16.0, size / 16.0);
            p.setPen(QPen(QColor(120, 90, 40), 0.8));
            p.setBrush(QColor(222, 184, 120));
            p.drawRect(QRectF(2.5, 8.5, 11, 6));
            p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            if (back) {
                p.drawArc(QRectF(4, 1.5, 8, 7), 0, 180 * 16);
                p.drawLine(QPointF(4, 5), QPointF(2.5, 3));
                p.drawLine(QPointF(4, 5), QPointF(6, 3.5));
            } else {
                const qreal tip = down ? 7.5 : 1.5;
                const qreal tail = down ? 1.5 : 7.5;
                p.drawLine(QPointF(8, tail), QPointF(8, tip));
                p.drawLine(QPointF(8, tip), QPointF(5.5, down ? tip - 2.5 : tip + 2.5));
                p.drawLine(QPointF(8, tip), QPointF(10.5, down ? tip - 2.5 : tip + 2.5));
            }
            p.end();
            icon.addPixmap(pixmap);
        }
        return icon;
    };
    icons[MovListModel::LoadIcon] = draw(QColor(30, 120, 40), true, false);
    icons[MovListModel::SaleIcon] = draw(QColor(40, 90, 170), false, false);
    icons[MovListModel::ReturnIcon] = draw(QColor(150, 80, 10), false, true);
    icons[MovListModel::UnpaidIcon] = draw(QColor(200, 30, 30), false, false);
    return icons;
}

// The list's menu, by command: new load, unload and return, open, delete, date filter, find.
const char* const kMenuTexts[] = {
    QT_TRANSLATE_NOOP("CMovimentiView", "Nuovo Carico ( F2 )"),
    QT_TRANSLATE_NOOP("CMovimentiView", "Nuovo Scarico ( F3 )"),
    QT_TRANSLATE_NOOP("CMovimentiView", "Nuovo Reso ( F4 )"),
    QT_TRANSLATE_NOOP("CMovimentiView", "Apri Movimento Selezionato ( Invio )"),
    QT_TRANSLATE_NOOP("CMovimentiView", "Elimina Movimenti Selezionati ( Ctrl+D )"),
    QT_TRANSLATE_NOOP("CMovimentiView", "Filtro Date"),
    QT_TRANSLATE_NOOP("CMovimentiView", "Trova Movimento ( F6 )")};

int FilterOf(int command) {
    switch (command) {
    case CMovimentiView::FilterCarichi:
        return 1;
    case CMovimentiView::FilterScarichi:
        return 2;
    case CMovimentiView::FilterResi:
        return 3;
    default:
        return 0;
    }
}

} // namespace

CMovimentiView::CMovimentiView(CMainDoc& doc, IPrompt& prompt, IBrowser& browser,
                               IFileDialogs& files, QWidget* parent)
    : CKeyedListView(doc, parent), m_prompt(prompt), m_browser(browser), m_files(files) {
    m_model = new MovListModel(doc.database(), doc.profile(), this);
    m_model->setIcons(RowIcons());
    setUpList(m_model, {.name = QStringLiteral("Movimenti"),
                        .countKind = 2,
                        .ribbonView = 1,
                        .widthKey = &MovListModel::WidthKey,
                        .defaultWidth = &MovListModel::DefaultWidth,
                        .alternatingRows = true});
    QTableView* list = table();
    connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        const QList<int> keys = selectedKeys();
        m_model->sortBy(column);
        reloadList(QStringLiteral("MovimentiView:OnSort"), keys.isEmpty() ? 0 : keys.first());
        updateSortLook();
    });

    connect(list, &QTableView::doubleClicked, this, [this] {
        const int row = singleSelectedRow();
        if (row >= 0 && !m_model->isBusy())
            editMovement(m_model->keyAt(row));
    });

    askFind = [this](FindTexts* texts) {
        CTrovaDialog dialog(CTrovaDialog::Mode::Movements, this);
        dialog.setHelpPage(m_browser, WebPages::FindHelp(document().profile()));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *texts = {dialog.text(0), dialog.text(1), dialog.fromFirstRow()};
        return true;
    };
    askPeriod = [this](Period* period) {
        CFiltroMovDialog dialog(this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *period = {dialog.start(), dialog.end()};
        return true;
    };

    createCommands();
    updateSortLook();
    updateCommandStates();
}

// --- Commands -----------------------------------------------------------------------------------

void CMovimentiView::createCommands() {
    const auto key = [](auto k) { return QList<QKeySequence>{QKeySequence(k)}; };
    // A key meant for a window above the list (Enter in the find window) never reaches it.
    const auto mine = [this] {
        const QWidget* modal = QApplication::activeModalWidget();
        return !modal || modal == window();
    };
    for (const auto& [id, k, type] : {std::tuple{NewCarico, Qt::Key_F2, MovementType::Carico},
                                      std::tuple{NewScarico, Qt::Key_F3, MovementType::Scarico},
                                      std::tuple{NewReso, Qt::Key_F4, MovementType::Reso}})
        addCommand(id, key(k), [this, mine, type] {
            if (mine())
                createMovement(type);
        });
    addCommand(Open, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, [this, mine] {
        const int row = singleSelectedRow();
        if (row >= 0 && mine())
            editMovement(m_model->keyAt(row));
    });
    addCommand(Delete, key(QStringLiteral("Ctrl+D")), [this] { onDelete(); });
    addCommand(Update, key(Qt::Key_F5), [this] { onUpdate(); });
    addCommand(Find, key(Qt::Key_F6), [this] { onFind(); });
    addCommand(Filter, {}, [this] { onDateFilter(); })->setCheckable(true);
    for (int id : {FilterAll, FilterCarichi, FilterScarichi, FilterResi})
        addCommand(id, {}, [this, id] { onTypeFilter(FilterOf(id)); })->setCheckable(true);
    addCommand(FatturaElettronica, {}, [this] {
        m_prompt.message(tr("Fatturazione Elettronica!"), IPrompt::Icon::Information);
    });

    addPrintCommands({PreviewInvoice, PrintInvoice, PreviewDdt, PrintDdt, PreviewList, PrintList,
                      PreviewReport, PrintReport});

    addMenuEntries({{NewCarico, kMenuTexts[0]},
                    {NewScarico, kMenuTexts[1]},
                    {NewReso, kMenuTexts[2]},
                    {Open, kMenuTexts[3]},
                    {Delete, kMenuTexts[4]},
                    {0, nullptr},
                    {Filter, kMenuTexts[5], true},
                    {Find, kMenuTexts[6]}},
                   Open);
    retranslateUi();
}

void CMovimentiView::retranslateUi() {
    const int ids[] = {NewCarico, NewScarico, NewReso, Open, Delete, Filter, Find};
    for (size_t i = 0; i < std::size(ids); ++i)
        if (QAction* entry = findChild<QAction*>(QStringLiteral("Menu-%1").arg(ids[i])))
            entry->setText(tr(kMenuTexts[i]));
    if (isVisible() && window() != this)
        window()->setWindowTitle(tr("Movimenti di Magazzino - Quarzil"));
}

void CMovimentiView::changeEvent(QEvent* event) {
    CKeyedListView::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        m_model->languageChanged();
        retranslateUi();
    }
}

void CMovimentiView::updateCommandStates() {
    const bool busy = m_model->isBusy();
    for (int id : {NewCarico, NewScarico, NewReso})
        setCommandEnabled(id, !busy);
    setCommandEnabled(Open, !busy && singleSelectedRow() >= 0);
    setCommandEnabled(Delete, table()->selectionModel()->hasSelection());
    setCommandEnabled(Update, true);
    setCommandEnabled(Find, m_model->rowCount() > 0);
    setCommandEnabled(Filter, true);
    setCommandChecked(Filter, m_model->dateFilterActive());
    const int filter = document().profile().integer(S::Settings, QStringLiteral("FilterMov"));
    for (int id : {FilterAll, FilterCarichi, FilterScarichi, FilterResi}) {
        setCommandEnabled(id, true);
        setCommandChecked(id, FilterOf(id) == (filter >= 0 && filter <= 3 ? filter : 0));
    }
    setCommandEnabled(FatturaElettronica, m_model->rowCount() > 0);
    updatePrintCommands();
    // A return has neither invoice nor transport document; with no selection the commands stay
    // enabled and say there is nothing to print.
    const QList<int> selected = selectedKeys();
    const bool isReturn =
        !selected.isEmpty() &&
        m_model->typeAt(m_model->rowOfKey(selected.first())) == MovementType::Reso;
    for (int id : {PreviewInvoice, PrintInvoice, PreviewDdt, PrintDdt})
        setCommandEnabled(id, canPrint() && !busy && !isReturn);
    for (int id : {PreviewList, PrintList, PreviewReport, PrintReport})
        setCommandEnabled(id, canPrint() && !busy);
    updateMenu();
}

void CMovimentiView::setMovRowBar(CMovRowBar* bar) {
    m_bar = bar;
    selectionChanged();
}

// --- Frame requests -----------------------------------------------------------------------------

void CMovimentiView::becameVisible() {
    if (window() != this)
        window()->setWindowTitle(tr("Movimenti di Magazzino - Quarzil"));
    setComingToFront(true);
    if (!m_initialised) {
        m_initialised = true;
        reloadList(QStringLiteral("MovimentiView:FillData"),
                   document().profile().integer(S::Settings, QStringLiteral("LastMov")));
        // Only the movement that was selected: none when it has gone.
        const int last = document().profile().integer(S::Settings, QStringLiteral("LastMov"));
        if (m_model->rowOfKey(last) < 0)
            table()->clearSelection();
        updateCommandStates();
    } else {
        reportRowCount();
    }
    setComingToFront(false);
}

void CMovimentiView::reload() {
    if (m_initialised)
        onUpdate();
}

void CMovimentiView::refresh() {
    if (m_initialised)
        onUpdate();
}

void CMovimentiView::saveState() {
    CKeyedListView::saveState();
    // The type filter is stored as it is chosen.
    const QList<int> keys = selectedKeys();
    document().profile().setValue(S::Settings, QStringLiteral("LastMov"),
                                  keys.isEmpty() ? 0 : keys.first());
    if (m_bar)
        m_bar->saveState();
}

void CMovimentiView::recomputeMovement(int movementId) {
    if (!UpdateMovimento(document().database(), movementId))
        return;
    m_model->recordChanged(movementId);
    const int row = m_model->rowOfKey(movementId);
    if (row >= 0)
        selectRow(row);
}

// --- List ---------------------------------------------------------------------------------------

void CMovimentiView::selectionChanged() {
    if (m_bar) {
        const int row = singleSelectedRow();
        if (row >= 0 && !m_model->isBusy())
            m_bar->showMovement(m_model->keyAt(row));
        else
            m_bar->clear();
    }
    updateCommandStates();
}

void CMovimentiView::onUpdate() {
    const QList<int> keys = selectedKeys();
    reloadList(QStringLiteral("MovimentiView:OnUpdate"), keys.isEmpty() ? 0 : keys.first());
    updateCommandStates();
}

void CMovimentiView::onDateFilter() {
    Profile& profile = document().profile();
    if (m_model->dateFilterActive()) {
        profile.setValue(S::Settings, QStringLiteral("MovInitFilter"), QString());
        profile.setValue(S::Settings, QStringLiteral("MovEndFilter"), QString());
    } else {
        Period period;
        if (!askPeriod || !askPeriod(&period)) {
            updateCommandStates();
            return;
        }
        profile.setValue(S::Settings, QStringLiteral("MovInitFilter"),
                         FilterDateText(period.start));
        profile.setValue(S::Settings, QStringLiteral("MovEndFilter"), FilterDateText(period.end));
    }
    onUpdate();
}

void CMovimentiView::onTypeFilter(int filter) {
    document().profile().setValue(S::Settings, QStringLiteral("FilterMov"), filter);
    onUpdate();
}

void CMovimentiView::onDelete() {
    const QList<int> keys = selectedKeys();
    if (keys.isEmpty())
        return;
    const MovementMessage question = MovementMessages::Get(MovementMessages::DeleteQuestion);
    if (!m_prompt.question(question.text))
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const DeleteOutcome outcome = DeleteMovements(document().database(), keys);
    m_model->removeKeys(outcome.deleted);
    QGuiApplication::restoreOverrideCursor();
    if (!outcome.items.isEmpty())
        Q_EMIT document().notifier().itemsRecomputeRequested(outcome.items);
    if (!outcome.items.isEmpty())
        Q_EMIT document().notifier().viewReloadRequested(0);
    if (!outcome.failed.isEmpty())
        m_prompt.message(tr("Impossibile eliminare %1 dei movimenti selezionati: %2")
                             .arg(outcome.failed.size())
                             .arg(document().database().errorText()),
                         IPrompt::Icon::Warning);
    if (m_model->rowCount() > 0 && !table()->selectionModel()->hasSelection())
        selectRow(0);
    else
        selectionChanged();
    reportRowCount();
    updateCommandStates();
}

void CMovimentiView::onFind() {
    FindTexts texts;
    if (!askFind || !askFind(&texts))
        return;
    int from = 0;
    if (!texts.fromFirstRow) {
        const QList<int> keys = selectedKeys();
        from = keys.isEmpty() ? 0 : m_model->rowOfKey(keys.last()) + 1;
    }
    const int row = m_model->findRow(from, texts.date, texts.number);
    if (row < 0) {
        const MovementMessage m = MovementMessages::Get(MovementMessages::MovementNotFound);
        m_prompt.message(m.text, m.icon);
        return;
    }
    selectRow(row);
    table()->setFocus();
}

// --- Creating and changing ----------------------------------------------------------------------

namespace {

// A count for the checks before a new movement's dialog; none when the query fails.
std::optional<qint64> Count(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return std::nullopt;
    return q.value(0).toLongLong();
}

void Say(IPrompt& prompt, int id) {
    const MovementMessage m = MovementMessages::Get(id);
    prompt.message(m.text, m.icon);
}

} // namespace

int CMovimentiView::createMovement(int type) {
    if (m_model->isBusy())
        return 0;
    Database& db = document().database();
    const auto items =
        Count(db, QStringLiteral("SELECT COUNT(IDArticolo) AS Totale FROM Articoli"));
    if (!items)
        return Say(m_prompt, MovementMessages::InsertFailedFor(type)), 0;
    if (*items == 0)
        m_prompt.message(tr("In archivio non ci sono ancora prodotti, potete "
                            "inserirli con il pulsante a fianco della loro lista!"),
                         IPrompt::Icon::Information);
    const auto units = Count(db, QStringLiteral("SELECT COUNT(IDUM) AS Totale FROM UnMis"));
    if (!units)
        return Say(m_prompt, MovementMessages::InsertFailedFor(type)), 0;
    if (*units < 1)
        return Say(m_prompt, MovementMessages::NoUnits), 0;
    const auto counterparts =
        Count(db,
              QStringLiteral("SELECT COUNT(IDCliFor) AS Totale FROM CliFor WHERE "
                             "COALESCE(CliFor, ?) = ? AND COALESCE(Operaio, ?) = ?"),
              {Record::BindBit(false, db.backend()),
               Record::BindBit(type != MovementType::Carico, db.backend()),
               Record::BindBit(false, db.backend()), Record::BindBit(false, db.backend())});
    if (!counterparts)
        return Say(m_prompt, MovementMessages::InsertFailedFor(type)), 0;
    if (*counterparts < 1)
        m_prompt.message(type == MovementType::Carico
                             ? tr("In archivio non ci sono ancora fornitori, potete "
                                  "inserirli con il pulsante a fianco della loro "
                                  "lista!")
                             : tr("In archivio non ci sono ancora clienti, potete "
                                  "inserirli con il pulsante a fianco della loro "
                                  "lista!"),
                         IPrompt::Icon::Information);

    MovementEdit edit(db, type);
    if (!edit.begin())
        return sayStartFailed(), 0;
    MovimentiRecord& header = edit.header();
    header.Numero = NextMovementNumber(db, type);
    header.Data = QDateTime::currentDateTime();
    header.Contabilizzato = true;
    if (type == MovementType::Scarico)
        ApplyFooter(NewUnloadFooter(document().profile()), header);

    if (!runEdit(edit))
        return 0;
    // The new movement joins the end of the list, whatever its sort and filters, and is shown.
    const int key = edit.header().IDMovimento;
    if (m_model->rowOfKey(key) < 0)
        m_model->appendKey(key);
    selectRow(m_model->rowOfKey(key));
    editFinished(edit.touchedItems());
    printSaved(key);
    return key;
}

bool CMovimentiView::editMovement(int movementKey) {
    if (m_model->isBusy() || movementKey <= 0)
        return false;
    Database& db = document().database();
    MovementEdit edit(db, MovementType::Carico);
    if (!edit.open(movementKey)) {
        if (!edit.begin())
            sayStartFailed();
        else
            edit.cancel();
        // Gone from the archive (another computer deleted it): the list follows.
        onUpdate();
        return false;
    }
    if (!runEdit(edit)) {
        m_model->recordChanged(movementKey);
        selectionChanged();
        return false;
    }
    m_model->recordChanged(movementKey);
    editFinished(edit.touchedItems());
    printSaved(movementKey);
    return true;
}

void CMovimentiView::printSaved(int movementKey) {
    const int choice = std::exchange(m_printChoice, 0);
    if (choice && printAfterSave)
        printAfterSave(movementKey, choice);
}

bool CMovimentiView::runEdit(MovementEdit& edit) {
    // An old movement that already shared its number is not warned about at every change.
    const bool numbered = edit.isNew();
    const QString numberBefore = edit.header().Numero;
    m_model->setBusy(true);
    // The rows pane reads nothing inside the edit either.
    selectionChanged();
    bool confirmed = false;
    {
        CMovimentiDialog dialog(document().database(), document().profile(), m_prompt, m_browser,
                                m_files, edit, this);
        dialog.setPrintAvailable(bool(printAfterSave));
        if (prepareDialog)
            prepareDialog(dialog);
        confirmed = dialog.exec() == QDialog::Accepted;
        m_printChoice = confirmed ? dialog.printChoice() : 0;
    }
    m_model->setBusy(false);
    if (!confirmed) {
        edit.cancel();
        updateCommandStates();
        return false;
    }
    const MovementEdit::SaveResult result = edit.save();
    if (result == MovementEdit::SaveResult::Saved) {
        if (numbered || edit.header().Numero != numberBefore)
            warnTakenNumber(edit.header());
        return true;
    }
    m_printChoice = 0;
    // A header that cannot be written has no message of its own: the archive's error says why,
    // so nobody takes the movement for saved.
    if (const int id = edit.failureMessage(result))
        Say(m_prompt, id);
    else
        ShowDbError(m_prompt, document().database().lastError());
    updateCommandStates();
    return false;
}

void CMovimentiView::sayStartFailed() {
    // Another program holding the archive is worth saying in words: trying again later works.
    if (IsArchiveBusy(document().database().lastError()))
        ShowDbError(m_prompt, document().database().lastError());
    else
        Say(m_prompt, MovementMessages::TransactionStartFailed);
}

void CMovimentiView::warnTakenNumber(const MovimentiRecord& header) {
    if (header.Numero.isEmpty() || !header.Data.isValid() || !header.Tipo)
        return;
    if (!MovementNumberTaken(document().database(), *header.Tipo, header.Numero,
                             header.Data.date().year(), header.IDMovimento))
        return;
    m_prompt.message(tr("Il movimento è stato salvato, ma il numero %1 è già stato dato a un "
                        "altro movimento dello stesso tipo del %2 (forse salvato nello stesso "
                        "momento da un altro computer). Correggere il numero di uno dei due se "
                        "serve.")
                         .arg(header.Numero)
                         .arg(header.Data.date().year()),
                     IPrompt::Icon::Warning);
}

void CMovimentiView::editFinished(const QList<int>& items) {
    if (!items.isEmpty())
        Q_EMIT document().notifier().itemsRecomputeRequested(items);
    if (!items.isEmpty())
        Q_EMIT document().notifier().viewReloadRequested(0);
    selectionChanged();
    reportRowCount();
    table()->setFocus();
}
