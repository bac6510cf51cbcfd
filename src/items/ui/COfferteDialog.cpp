#include "items/ui/COfferteDialog.h"

#include "barcode/BarcodeReader.h"
#include "barcode/ui/KeyboardReaderInput.h"
#include "common/ColumnWidth.h"
#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/Profile.h"
#include "common/WebPages.h"
#include "common/ui/CTrovaDialog.h"
#include "common/ui/OneLineFields.h"
#include "common/ui/RowCommandKeys.h"
#include "common/ui/SmallToolButton.h"
#include "company/Formats.h"
#include "items/ItemStore.h"
#include "items/ui/CArticoloDialog.h"
#include "items/ui/CFotoWnd.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <unordered_set>

using Promotions::Promotion;
using S = Profile::Section;

namespace {

const char* const kHeadings[] = {
    QT_TRANSLATE_NOOP("COfferteDialog", "Prodotto"), QT_TRANSLATE_NOOP("COfferteDialog", "Inizio"),
    QT_TRANSLATE_NOOP("COfferteDialog", "Fine"), QT_TRANSLATE_NOOP("COfferteDialog", "Promozione"),
    QT_TRANSLATE_NOOP("COfferteDialog", "Attiva")};
const char* const kWidthKeys[] = {"ColOff1", "ColOff2", "ColOff3", "ColOff4", "ColOff5"};
const int kDefaultWidths[] = {220, 100, 100, 240, 60};

const char* const kMsgPeriod =
    QT_TRANSLATE_NOOP("COfferteDialog", "La data iniziale deve essere precedente a quella finale!");
const char* const kMsgWrite =
    QT_TRANSLATE_NOOP("COfferteDialog", "Impossibile inserire la promozione!");
const char* const kMsgDelete =
    QT_TRANSLATE_NOOP("COfferteDialog", "Impossibile eliminare il valore od i valori selezionati!");
const char* const kMsgNotFound =
    QT_TRANSLATE_NOOP("COfferteDialog", "Articolo di magazzino non trovato!");

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

// The item list's entries from memory: a large archive fills the box at once.
class COfferteDialog::ItemModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    void setEntries(const QList<Promotions::ItemEntry>& entries) {
        beginResetModel();
        m_entries = entries;
        m_rows.clear();
        m_rows.reserve(entries.size());
        for (int i = 0; i < m_entries.size(); ++i)
            m_rows.insert(m_entries.at(i).key, i);
        endResetModel();
    }
    int rowOfKey(int key) const { return m_rows.value(key, -1); }
    int keyAt(int row) const { return row >= 0 && row < m_entries.size() ? m_entries[row].key : 0; }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(m_entries.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= m_entries.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return m_entries.at(index.row()).description;
        if (role == Qt::UserRole)
            return m_entries.at(index.row()).key;
        return {};
    }

private:
    QList<Promotions::ItemEntry> m_entries;
    QHash<int, int> m_rows;
};

QString COfferteDialog::WidthKey(int column) {
    return column >= 0 && column < ColumnCount ? QLatin1String(kWidthKeys[column]) : QString();
}

int COfferteDialog::DefaultWidth(int column) {
    return column >= 0 && column < ColumnCount ? kDefaultWidths[column] : 100;
}

COfferteDialog::COfferteDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                               IFileDialogs& files, QWidget* parent)
    : QDialog(parent), m_db(db), m_profile(profile), m_prompt(prompt), m_browser(browser),
      m_files(files), m_keyboardReader(IsKeyboardReader(profile)) {
    setWindowTitle(title());
    setObjectName(QStringLiteral("COfferteDialog"));

    itemDialog = [this](int itemId, bool many) {
        return CArticoloDialog::Run(m_db, m_profile, m_prompt, m_browser, m_files, itemId, many,
                                    this);
    };
    askFind = [this](ArtFind::Texts* texts, bool* fromFirstRow) {
        CTrovaDialog dialog(CTrovaDialog::Mode::Items, this);
        dialog.setHelpPage(m_browser, WebPages::FindHelp(m_profile));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *texts = {dialog.text(0), dialog.text(1), dialog.text(2)};
        *fromFirstRow = dialog.fromFirstRow();
        return true;
    };

    buildLayout();
    loadItems(0);
    loadPromotions();
    updateOptions();
    updateItemTools();
    // Text of several lines pasted into a one-line field keeps its first line.
    KeepFirstLineIn(this);
}

COfferteDialog::~COfferteDialog() {
    for (int c = 0; c < ColumnCount; ++c)
        m_profile.setValue(S::List, WidthKey(c), StoredColumnWidth(m_list->columnWidth(c)));
}

void COfferteDialog::buildLayout() {
    auto tool = [this](Tool id, const char* icon, QStyle::StandardPixmap fallback,
                       const QString& tip) {
        QToolButton* b = SmallToolButton(QLatin1String(icon), fallback, tip, this);
        b->setObjectName(QStringLiteral("Tool%1").arg(int(id)));
        m_tools.insert(id, b);
        return b;
    };
    tool(InsertOffer, "list-add", QStyle::SP_FileDialogNewFolder,
         tr("Inserisci Offerta (Ctrl+Ins)"));
    tool(DeleteOffer, "list-remove", QStyle::SP_TrashIcon, tr("Elimina Offerta (Ctrl+Canc)"));
    tool(SaveOffer, "document-save", QStyle::SP_DialogSaveButton, tr("Salva Offerta (Ctrl+S)"));
    tool(NewItem, "document-new", QStyle::SP_FileDialogNewFolder, tr("Inserisci Articolo"));
    tool(ChangeItem, "document-edit", QStyle::SP_FileDialogDetailedView, tr("Modifica Articolo"));
    tool(FindItem, "edit-find", QStyle::SP_FileDialogContentsView, tr("Trova Articolo"));

    // The promotions.
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("Offerte"));
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setAlternatingRowColors(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformRowHeights(true);
    QStringList headings;
    for (const char* h : kHeadings)
        headings << tr(h);
    m_list->setHeaderLabels(headings);
    m_list->header()->setStretchLastSection(false);
    for (int c = 0; c < ColumnCount; ++c)
        m_list->setColumnWidth(
            c, qMax(kMinColumnWidth, m_profile.integer(S::List, WidthKey(c), DefaultWidth(c))));
    m_list->setMinimumHeight(160);

    // The item chooser.
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("Matricola"));
    m_code->setPlaceholderText(tr("Matricola"));
    m_code->setMaxLength(ItemStore::kCodeWidth);
    m_barcode = new QLineEdit(this);
    m_barcode->setObjectName(QStringLiteral("CodBarre"));
    m_barcode->setPlaceholderText(tr("Codice a Barre"));
    m_barcode->setMaxLength(ItemStore::kBarcodeWidth);
    if (m_keyboardReader) {
        KeyboardReaderInput::Attach(m_code);
        KeyboardReaderInput::Attach(m_barcode);
    }
    m_itemModel = new ItemModel(this);
    m_items = new QComboBox(this);
    m_items->setObjectName(QStringLiteral("Articoli"));
    m_items->setModel(m_itemModel);
    // Every entry is one line high: the popup never measures the texts of the whole archive.
    if (auto* view = qobject_cast<QListView*>(m_items->view()))
        view->setUniformItemSizes(true);
    m_items->setMinimumContentsLength(30);
    m_items->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_photo = new CFotoWnd(m_profile, m_prompt, m_files, m_browser, this);
    m_photo->setEditable(false);
    m_photo->setFixedSize(96, 96);

    // The period and the kind.
    const QString dateFormat = QLocale().dateFormat(QLocale::ShortFormat);
    auto datePicker = [this, &dateFormat] {
        auto* d = new QDateEdit(QDate::currentDate(), this);
        d->setCalendarPopup(true);
        d->setDisplayFormat(dateFormat);
        return d;
    };
    m_from = datePicker();
    m_from->setObjectName(QStringLiteral("DataInit"));
    m_to = datePicker();
    m_to->setObjectName(QStringLiteral("DataEnd"));
    m_sempre = new QCheckBox(tr("&Sempre"), this);
    m_sconto = new QCheckBox(tr("S&conto"), this);
    m_percent = new QLineEdit(this);
    m_percent->setObjectName(QStringLiteral("Percentuale"));
    m_percent->setAlignment(Qt::AlignRight);
    m_percent->setMaximumWidth(100);
    m_treXDue = new QCheckBox(tr("&3 x 2"), this);
    m_dueXUno = new QCheckBox(tr("&2 x 1"), this);
    m_attiva = new QCheckBox(tr("A&ttiva"), this);
    m_attiva->setChecked(true);

    auto toolRow = [this](std::initializer_list<QWidget*> widgets) {
        auto* h = new QHBoxLayout;
        h->setSpacing(2);
        for (QWidget* w : widgets)
            h->addWidget(w);
        h->addStretch(1);
        return h;
    };

    auto* itemBox = new QGroupBox(tr("Articolo"), this);
    auto* itemGrid = new QGridLayout(itemBox);
    auto* codeLabel = new QLabel(tr("&Matricola"), this);
    codeLabel->setBuddy(m_code);
    auto* barcodeLabel = new QLabel(tr("Codice a &Barre"), this);
    barcodeLabel->setBuddy(m_barcode);
    auto* itemLabel = new QLabel(tr("&Articolo"), this);
    itemLabel->setBuddy(m_items);
    itemGrid->addWidget(codeLabel, 0, 0);
    itemGrid->addWidget(m_code, 0, 1);
    itemGrid->addWidget(barcodeLabel, 0, 2);
    itemGrid->addWidget(m_barcode, 0, 3);
    itemGrid->addWidget(itemLabel, 1, 0);
    auto* chooser = new QHBoxLayout;
    chooser->setSpacing(2);
    chooser->addWidget(m_items, 1);
    for (Tool t : {NewItem, ChangeItem, FindItem})
        chooser->addWidget(m_tools.value(t));
    itemGrid->addLayout(chooser, 1, 1, 1, 3);
    itemGrid->addWidget(m_photo, 0, 4, 3, 1, Qt::AlignRight | Qt::AlignTop);
    itemGrid->setColumnStretch(1, 1);
    itemGrid->setColumnStretch(3, 1);
    itemGrid->setRowStretch(2, 1);

    auto* periodBox = new QGroupBox(tr("Periodo"), this);
    auto* periodGrid = new QGridLayout(periodBox);
    auto* fromLabel = new QLabel(tr("&Dal"), this);
    fromLabel->setBuddy(m_from);
    auto* toLabel = new QLabel(tr("A&l"), this);
    toLabel->setBuddy(m_to);
    periodGrid->addWidget(fromLabel, 0, 0);
    periodGrid->addWidget(m_from, 0, 1);
    periodGrid->addWidget(toLabel, 1, 0);
    periodGrid->addWidget(m_to, 1, 1);
    periodGrid->addWidget(m_sempre, 2, 1);

    auto* kindBox = new QGroupBox(tr("Promozione"), this);
    auto* kindGrid = new QGridLayout(kindBox);
    kindGrid->addWidget(m_sconto, 0, 0);
    kindGrid->addWidget(m_percent, 0, 1);
    kindGrid->addWidget(m_treXDue, 1, 0);
    kindGrid->addWidget(m_dueXUno, 1, 1);
    kindGrid->addWidget(m_attiva, 2, 0);
    kindGrid->setColumnStretch(2, 1);

    auto* options = new QHBoxLayout;
    options->addWidget(periodBox);
    options->addWidget(kindBox, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(m_keyboardReader ? tr("Salva (F2)") : tr("OK"),
                              QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_help = buttons->addButton(tr("&Aiuto"), QDialogButtonBox::HelpRole);
    // Enter in a search box must not close the window: a reader ends every scan with one.
    m_ok->setAutoDefault(false);
    m_help->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolRow(
        {m_tools.value(InsertOffer), m_tools.value(SaveOffer), m_tools.value(DeleteOffer)}));
    layout->addWidget(m_list, 1);
    layout->addWidget(itemBox);
    layout->addLayout(options);
    layout->addWidget(buttons);
    resize(760, 600);

    // Commands.
    connect(m_tools.value(InsertOffer), &QToolButton::clicked, this,
            &COfferteDialog::insertPromotion);
    connect(m_tools.value(SaveOffer), &QToolButton::clicked, this, &COfferteDialog::savePromotion);
    connect(m_tools.value(DeleteOffer), &QToolButton::clicked, this,
            &COfferteDialog::deletePromotion);
    connect(m_tools.value(NewItem), &QToolButton::clicked, this, &COfferteDialog::newItem);
    connect(m_tools.value(ChangeItem), &QToolButton::clicked, this, &COfferteDialog::changeItem);
    connect(m_tools.value(FindItem), &QToolButton::clicked, this, &COfferteDialog::findItem);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_help, &QPushButton::clicked, this, &COfferteDialog::showHelp);
    const struct {
        QKeySequence key;
        void (COfferteDialog::*slot)();
    } keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Insert), &COfferteDialog::insertPromotion},
                {QKeySequence(Qt::CTRL | Qt::Key_S), &COfferteDialog::savePromotion},
                {QKeySequence(Qt::CTRL | Qt::Key_Delete), &COfferteDialog::deletePromotion}};
    for (const auto& k : keys) {
        auto* s = new QShortcut(k.key, this);
        connect(s, &QShortcut::activated, this, k.slot);
    }
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, [this] {
        if (m_keyboardReader)
            m_ok->click();
    });

    // The item chooser.
    for (QLineEdit* box : {m_code, m_barcode}) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, box] { searchCode(box); });
    }
    connect(m_items, &QComboBox::currentIndexChanged, this, [this] {
        showPhoto();
        updateItemTools();
    });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { showPromotion(selectedPromotion()); });
    KeepRowCommandKeys(this);

    // The options.
    connect(m_sempre, &QCheckBox::toggled, this, [this] { updateOptions(); });
    connect(m_sconto, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            // A quantity offer and a discount together would apply the discount only.
            m_treXDue->setChecked(false);
            m_dueXUno->setChecked(false);
            if (m_percent->text().trimmed().isEmpty())
                m_percent->setText(FormatNumber(m_profile, 0.25, -1, true));
        }
        updateOptions();
    });
    for (QCheckBox* quantity : {m_treXDue, m_dueXUno})
        connect(quantity, &QCheckBox::toggled, this, [this](bool on) {
            if (on)
                m_sconto->setChecked(false);
            updateOptions();
        });
}

void COfferteDialog::updateOptions() {
    m_from->setEnabled(!m_sempre->isChecked());
    m_to->setEnabled(!m_sempre->isChecked());
    m_percent->setEnabled(m_sconto->isChecked() && !m_treXDue->isChecked() &&
                          !m_dueXUno->isChecked());
}

void COfferteDialog::updateItemTools() {
    const bool haveItems = m_itemModel->rowCount() > 0;
    m_tools.value(ChangeItem)->setEnabled(chosenItem() > 0);
    m_tools.value(FindItem)->setEnabled(haveItems);
}

// --- Lists --------------------------------------------------------------------------------------

void COfferteDialog::loadPromotions() {
    QList<Promotion> all;
    Promotions::List(m_db, &all);
    m_promotions.clear();
    m_list->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(all.size());
    for (const Promotion& p : all) {
        m_promotions.insert(p.key, p);
        auto* row = new QTreeWidgetItem;
        writeRow(row, p);
        rows.append(row);
    }
    m_list->addTopLevelItems(rows);
}

void COfferteDialog::loadItems(int selectKey) {
    Promotions::Items(m_db, &m_itemEntries);
    m_itemModel->setEntries(m_itemEntries);
    m_items->setCurrentIndex(selectKey > 0 ? m_itemModel->rowOfKey(selectKey) : -1);
    showPhoto();
    updateItemTools();
}

int COfferteDialog::chosenItem() const {
    return m_itemModel->keyAt(m_items->currentIndex());
}

int COfferteDialog::selectedPromotion() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(0, Qt::UserRole).toInt();
}

void COfferteDialog::selectItem(int key) {
    const int row = m_itemModel->rowOfKey(key);
    if (row >= 0)
        m_items->setCurrentIndex(row);
}

void COfferteDialog::showPhoto() {
    m_photo->setPicture(Promotions::ItemPhoto(m_db, chosenItem()));
}

void COfferteDialog::searchCode(QLineEdit* box) {
    // While the user erases, the item stays: the list does not jump at every character.
    if (m_erasing == box)
        return;
    const int key = Promotions::ItemByCode(
        m_db, box == m_code ? Promotions::CodeField::Matricola : Promotions::CodeField::CodBarre,
        box->text());
    if (key > 0)
        selectItem(key);
}

void COfferteDialog::writeRow(QTreeWidgetItem* row, const Promotion& p) {
    const QLocale locale;
    const QString always = tr("Sempre");
    auto day = [&](const QDateTime& when) {
        return p.sempre || !when.isValid() ? always
                                           : locale.toString(when.date(), QLocale::ShortFormat);
    };
    row->setData(0, Qt::UserRole, p.key);
    row->setText(Prodotto, p.itemName);
    row->setText(Inizio, day(p.dataInit));
    row->setText(Fine, day(p.dataEnd));
    row->setText(Promozione, Promotions::Text(m_profile, p));
    row->setText(Attiva, p.attivo ? tr("Si") : tr("No"));
}

void COfferteDialog::showPromotion(int key) {
    if (!m_promotions.contains(key))
        return;
    const Promotion& p = m_promotions[key];
    selectItem(p.itemId);
    m_sempre->setChecked(p.sempre);
    if (!p.sempre && p.dataInit.isValid())
        m_from->setDate(p.dataInit.date());
    if (!p.sempre && p.dataEnd.isValid())
        m_to->setDate(p.dataEnd.date());
    m_treXDue->setChecked(p.treXDue);
    m_dueXUno->setChecked(p.dueXUno);
    m_percent->setText(p.sconto ? FormatNumber(m_profile, *p.sconto, -1, true) : QString());
    m_sconto->setChecked(p.sconto.has_value());
    m_attiva->setChecked(p.attivo);
    updateOptions();
}

// --- Commands -----------------------------------------------------------------------------------

bool COfferteDialog::gather(Promotion* p) {
    p->itemId = chosenItem();
    if (p->itemId <= 0)
        return false;
    p->itemName = m_items->currentText();
    p->sempre = m_sempre->isChecked();
    p->dataInit = QDateTime();
    p->dataEnd = QDateTime();
    if (!p->sempre &&
        !Promotions::MakePeriod(m_from->date(), m_to->date(), &p->dataInit, &p->dataEnd)) {
        m_prompt.message(tr(kMsgPeriod), IPrompt::Icon::Information);
        return false;
    }
    p->attivo = m_attiva->isChecked();
    p->treXDue = m_treXDue->isChecked();
    p->dueXUno = m_dueXUno->isChecked();
    p->sconto.reset();
    if (m_sconto->isChecked() && !m_percent->text().trimmed().isEmpty())
        p->sconto = float(ParseNumber(m_profile, m_percent->text(), true));
    return true;
}

void COfferteDialog::write(bool asNew) {
    const int selected = selectedPromotion();
    if (!asNew && selected <= 0)
        return;
    Promotion p;
    if (!gather(&p))
        return;
    p.key = asNew ? 0 : selected;
    const bool ok = asNew ? Promotions::Insert(m_db, &p) : Promotions::Save(m_db, p);
    if (!ok) {
        m_prompt.message(tr(kMsgWrite), IPrompt::Icon::Warning);
        return;
    }
    m_promotions.insert(p.key, p);
    QTreeWidgetItem* row = asNew ? nullptr : m_list->selectedItems().value(0);
    if (!row) {
        row = new QTreeWidgetItem;
        m_list->addTopLevelItem(row);
    }
    writeRow(row, p);
    m_list->clearSelection();
    row->setSelected(true);
    m_list->setCurrentItem(row);
    m_list->scrollToItem(row);
}

void COfferteDialog::insertPromotion() {
    write(true);
}

void COfferteDialog::savePromotion() {
    write(false);
}

void COfferteDialog::deletePromotion() {
    const int key = selectedPromotion();
    if (key <= 0)
        return;
    if (!Promotions::Delete(m_db, key)) {
        m_prompt.message(tr(kMsgDelete), IPrompt::Icon::Warning);
        return;
    }
    m_promotions.remove(key);
    delete m_list->selectedItems().value(0);
}

void COfferteDialog::newItem() {
    if (!itemDialog)
        return;
    const int saved = itemDialog(0, m_itemModel->rowCount() > ItemStore::kLargeArchive);
    if (saved > 0)
        loadItems(saved);
}

void COfferteDialog::changeItem() {
    const int key = chosenItem();
    if (!itemDialog || key <= 0)
        return;
    const int saved = itemDialog(key, m_itemModel->rowCount() > ItemStore::kLargeArchive);
    if (saved == 0)
        return;
    // A new description moves the item in the list and renames it in the promotions.
    loadItems(saved > 0 ? key : 0);
    const int promotion = selectedPromotion();
    loadPromotions();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->data(0, Qt::UserRole).toInt() == promotion)
            m_list->topLevelItem(i)->setSelected(true);
}

void COfferteDialog::findItem() {
    ArtFind::Texts texts;
    bool fromFirst = true;
    if (!askFind || !askFind(&texts, &fromFirst))
        return;
    std::vector<int> keys;
    if (!ArtFind::MatchingKeys(m_db, texts, &keys) || keys.empty()) {
        m_prompt.message(tr(kMsgNotFound), IPrompt::Icon::Information);
        return;
    }
    const std::unordered_set<int> matching(keys.begin(), keys.end());
    const int from = fromFirst ? 0 : m_items->currentIndex() + 1;
    for (int row = qMax(0, from); row < m_itemModel->rowCount(); ++row)
        if (matching.count(m_itemModel->keyAt(row))) {
            m_items->setCurrentIndex(row);
            m_items->setFocus();
            return;
        }
    m_prompt.message(tr(kMsgNotFound), IPrompt::Icon::Information);
}

void COfferteDialog::showHelp() {
    m_browser.open(Promotions::HelpPage(m_profile));
}

bool COfferteDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusOut && watched == m_erasing)
        m_erasing = nullptr;
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) && !key->isAutoRepeat()) {
        if (type == QEvent::KeyPress)
            m_erasing = watched;
        else if (m_erasing == watched)
            m_erasing = nullptr;
    }
    // The Enter a reader sends after each code stays in the box.
    if (type == QEvent::KeyPress && IsEnter(key))
        return true;
    return QDialog::eventFilter(watched, event);
}
