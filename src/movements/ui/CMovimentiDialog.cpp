#include "movements/ui/CMovimentiDialog.h"

#include "barcode/BarcodeReader.h"
#include "barcode/ui/KeyboardReaderInput.h"
#include "barcode/ui/SerialReaderTyping.h"
#include "common/ColumnWidth.h"
#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/Profile.h"
#include "common/WebPages.h"
#include "common/ui/CTrovaDialog.h"
#include "common/ui/OneLineFields.h"
#include "common/ui/RowCommandKeys.h"
#include "common/ui/SmallToolButton.h"
#include "company/Formats.h"
#include "company/ui/CValutaDialog.h"
#include "counterparts/CounterpartStore.h"
#include "counterparts/ui/CAnagraficaDialog.h"
#include "items/ActivePromotion.h"
#include "items/ItemStore.h"
#include "items/ui/CArticoloDialog.h"
#include "items/ui/CFotoWnd.h"
#include "items/ui/CImeiDialog.h"
#include "movements/MovementMessages.h"
#include "movements/MovementStore.h"
#include "movements/MovementTotals.h"
#include "movements/MovementTypes.h"
#include "movements/OtherData.h"
#include "movements/ui/CDdtDataDialog.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/Savepoint.h"
#include "store/ui/DbErrorDisplay.h"

#include <QApplication>
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
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

using S = Profile::Section;
using MovementEntry::CodeField;

constexpr int kMaxRows = 250;
constexpr int kColumns = 7;
// The width settings of the row list's columns, in column order, and their defaults.
constexpr const char* kWidthKeys[kColumns] = {"ColMovX1", "ColMovX2", "ColMovX3", "ColMovX4",
                                              "ColMovX7", "ColMovX5", "ColMovX6"};
constexpr int kDefaultWidths[kColumns] = {150, 100, 100, 100, 100, 100, 100};
constexpr const char* kHeaders[kColumns] = {QT_TRANSLATE_NOOP("CMovimentiDialog", "Articolo"),
                                            QT_TRANSLATE_NOOP("CMovimentiDialog", "Quantità"),
                                            QT_TRANSLATE_NOOP("CMovimentiDialog", "Prezzo Un."),
                                            QT_TRANSLATE_NOOP("CMovimentiDialog", "Prezzo"),
                                            QT_TRANSLATE_NOOP("CMovimentiDialog", "Sconto"),
                                            QT_TRANSLATE_NOOP("CMovimentiDialog", "Imposta"),
                                            QT_TRANSLATE_NOOP("CMovimentiDialog", "Totale")};

CurrencyAmount Plus(const CurrencyAmount& a, const CurrencyAmount& b) {
    return CurrencyAmount::fromUnits(a.units() + b.units());
}

void Say(IPrompt& prompt, int id) {
    const MovementMessage m = MovementMessages::Get(id);
    prompt.message(m.text, m.icon);
}

} // namespace

CMovimentiDialog::CMovimentiDialog(Database& db, Profile& profile, IPrompt& prompt,
                                   IBrowser& browser, IFileDialogs& files, MovementEdit& edit,
                                   QWidget* parent)
    : QDialog(parent), m_db(db), m_profile(profile), m_prompt(prompt), m_browser(browser),
      m_files(files), m_edit(edit) {
    const MovimentiRecord& h = m_edit.header();
    m_currency.symbol = h.SimbVal;
    m_currency.decimals = h.DecVal.value_or(2);
    m_currency.decimal = h.SepDecVal;
    m_currency.grouping = h.SepMigVal;
    m_currency.numberDecimals = h.DecNum.value_or(2);
    m_currency.numberDecimal = h.SepDecNum;
    m_currency.numberGrouping = h.SepMigNum;
    m_currency.exchangeRate = h.ValCambio.value_or(1.0f);

    askFind = [this](bool items, QString* text, bool* fromTop) {
        CTrovaDialog dialog(items ? CTrovaDialog::Mode::Items : CTrovaDialog::Mode::Counterparts,
                            this);
        dialog.setHelpPage(m_browser, WebPages::FindHelp(m_profile));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *text = dialog.text(0);
        *fromTop = dialog.fromFirstRow();
        return true;
    };
    askCurrency = [this](DocumentCurrency* currency, bool* keepStored) {
        CValutaDialog dialog(*currency, m_profile, m_prompt, m_browser, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *currency = dialog.currency();
        *keepStored = dialog.updateDocumentValues();
        return true;
    };

    askSerialCodes = [this](int itemId, int rowKey, int count, QList<int>* codes) {
        CImeiDialog dialog(m_db, m_profile, m_prompt, m_browser, itemId, rowKey, mode(), count,
                           m_edit.rowKeys(), this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *codes = dialog.codeKeys();
        return true;
    };
    askOtherData = [this](int dialogMode, MovimentiRecord* header) {
        CDdtDataDialog dialog(m_profile, m_prompt, m_browser, dialogMode, OtherDataOf(*header),
                              this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        ApplyOtherData(dialog.data(), *header);
        return true;
    };

    buildLayout();
    m_filling = true;
    m_number->setText(h.Numero);
    m_date->setDate(h.Data.isValid() ? h.Data.date() : QDate::currentDate());
    m_paid->setChecked(h.Contabilizzato.value_or(true));
    loadCounterparts(h.IDCliFor.value_or(0));
    loadUnits();
    loadItems(0);
    loadRows();
    m_filling = false;
    applyMode();
    if (m_quantity->text().isEmpty())
        m_quantity->setText(FormatNumber(m_profile, 1));
    updateCommands();
    updateTotals();
    // Text of several lines pasted into a one-line field keeps its first line.
    KeepFirstLineIn(this);
}

CMovimentiDialog::~CMovimentiDialog() = default;

int CMovimentiDialog::mode() const {
    return m_edit.type();
}

QLineEdit* CMovimentiDialog::codeField(CodeField field) const {
    return m_codes[int(field)];
}

// --- Layout -------------------------------------------------------------------------------------

void CMovimentiDialog::buildLayout() {
    const bool load = mode() == MovementType::Carico;
    auto tool = [this](int id, const char* icon, QStyle::StandardPixmap fallback,
                       const QString& tip) {
        QToolButton* b = SmallToolButton(QLatin1String(icon), fallback, tip, this);
        b->setObjectName(QStringLiteral("Tool%1").arg(id));
        m_tools.insert(id, b);
        return b;
    };
    auto row = [this](std::initializer_list<QWidget*> widgets, int stretchAt = 0) {
        auto* box = new QWidget(this);
        auto* h = new QHBoxLayout(box);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(2);
        int i = 0;
        for (QWidget* w : widgets)
            h->addWidget(w, i++ == stretchAt ? 1 : 0);
        return box;
    };
    auto list = [this](QAbstractItemModel* model) {
        auto* c = new QComboBox(this);
        c->setModel(model);
        // Every entry is one line high: the popup then never measures a hundred thousand texts.
        if (auto* view = qobject_cast<QListView*>(c->view()))
            view->setUniformItemSizes(true);
        c->setMinimumContentsLength(30);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        return c;
    };

    // Header.
    m_number = new QLineEdit(this);
    m_number->setMaxLength(20);
    m_date = new QDateEdit(this);
    m_date->setCalendarPopup(true);
    // The user's short date, with the year in full.
    QString dateFormat = QLocale().dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QLatin1String("yyyy")))
        dateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    m_date->setDisplayFormat(dateFormat);
    m_counterpartLabel = new QLabel(load ? tr("&Fornitore") : tr("&Cliente"), this);
    m_counterpartCode = new QLineEdit(this);
    m_counterpartCode->setMaxLength(CounterpartStore::kCodeWidth);
    m_counterpartCode->setPlaceholderText(tr("Codice"));
    m_counterpartCode->setMaximumWidth(120);
    m_counterpartModel = new KeyTextListModel(this);
    m_counterparts = list(m_counterpartModel);
    m_counterpartLabel->setBuddy(m_counterparts);
    tool(NewCounterpart, "contact-new", QStyle::SP_FileDialogNewFolder,
         load ? tr("Inserisci Fornitore") : tr("Inserisci Cliente"));
    tool(ChangeCounterpart, "document-edit", QStyle::SP_FileDialogDetailedView,
         load ? tr("Modifica Fornitore") : tr("Modifica Cliente"));
    tool(FindCounterpart, "edit-find", QStyle::SP_FileDialogContentsView,
         load ? tr("Trova Fornitore") : tr("Trova Cliente"));

    auto* header = new QGridLayout;
    auto* numberLabel = new QLabel(tr("&Numero"), this);
    numberLabel->setBuddy(m_number);
    auto* dateLabel = new QLabel(tr("&Data"), this);
    dateLabel->setBuddy(m_date);
    header->addWidget(numberLabel, 0, 0);
    header->addWidget(m_number, 0, 1);
    header->addWidget(dateLabel, 0, 2);
    header->addWidget(m_date, 0, 3);
    header->addWidget(m_counterpartLabel, 1, 0);
    header->addWidget(row({m_counterpartCode, m_counterparts, m_tools.value(NewCounterpart),
                           m_tools.value(ChangeCounterpart), m_tools.value(FindCounterpart)},
                          1),
                      1, 1, 1, 3);
    header->setColumnStretch(1, 1);

    // Item and row entry.
    const char* cues[3] = {QT_TR_NOOP("Matricola"), QT_TR_NOOP("Codice Fornitore"),
                           QT_TR_NOOP("Codice a Barre")};
    for (int i = 0; i < 3; ++i) {
        m_codes[i] = new QLineEdit(this);
        m_codes[i]->setPlaceholderText(tr(cues[i]));
        m_codes[i]->setObjectName(QLatin1String(cues[i]));
        if (IsKeyboardReader(m_profile))
            KeyboardReaderInput::Attach(m_codes[i]);
    }
    m_codes[int(CodeField::Matricola)]->setMaxLength(ItemStore::kCodeWidth);
    m_codes[int(CodeField::CodForn)]->setMaxLength(30);
    m_codes[int(CodeField::CodBarre)]->setMaxLength(30);
    m_itemModel = new KeyTextListModel(this);
    m_items = list(m_itemModel);
    tool(NewItem, "list-add", QStyle::SP_FileDialogNewFolder, tr("Inserisci Articolo"));
    tool(ChangeItem, "document-edit", QStyle::SP_FileDialogDetailedView, tr("Modifica Articolo"));
    tool(FindItem, "edit-find", QStyle::SP_FileDialogContentsView, tr("Trova Articolo"));
    tool(ReaderMode, "scanner", QStyle::SP_ComputerIcon,
         tr("Attiva o disattiva la modalità lettore con inserimento automatico della "
            "riga"))
        ->setCheckable(true);
    m_photo = new CFotoWnd(m_profile, m_prompt, m_files, m_browser, this);
    m_photo->setEditable(false);
    m_photo->setFixedSize(96, 96);

    m_units = new QComboBox(this);
    m_quantity = new QLineEdit(this);
    m_quantity->setAlignment(Qt::AlignRight);
    m_stock = new QLabel(this);
    m_net = new QLineEdit(this);
    m_gross = new QLineEdit(this);
    m_vat = new QLineEdit(this);
    m_discount = new QLineEdit(this);
    for (QLineEdit* e : {m_net, m_gross, m_vat, m_discount})
        e->setAlignment(Qt::AlignRight);
    m_note = new QLineEdit(this);
    m_note->setMaxLength(100);
    QToolButton* perPiece = tool(PricePerPiece, "accessories-calculator", QStyle::SP_ArrowDown,
                                 tr("Prezzo per singolo pezzo"));
    m_priceMenu = new QMenu(perPiece);
    const struct {
        int id;
        const char* text;
    } prices[] = {{1937, QT_TR_NOOP("Prezzo di Acquisto")},
                  {1938, QT_TR_NOOP("Prezzo di Vendita")},
                  {1939, QT_TR_NOOP("Prezzo Medio di Acquisto")},
                  {1940, QT_TR_NOOP("Prezzo Medio di Vendita")},
                  {1941, QT_TR_NOOP("Prezzo Medio Ponderato di Acquisto")},
                  {1942, QT_TR_NOOP("Prezzo Medio Ponderato di Vendita")},
                  {1943, QT_TR_NOOP("Ultimo Prezzo di Acquisto Utilizzato")},
                  {1944, QT_TR_NOOP("Ultimo Prezzo di Vendita Utilizzato")}};
    for (const auto& p : prices) {
        QAction* a = m_priceMenu->addAction(tr(p.text));
        a->setData(p.id);
        connect(a, &QAction::triggered, this, [this, id = p.id] { suggestPrice(id); });
    }
    perPiece->setMenu(m_priceMenu);
    perPiece->setPopupMode(QToolButton::MenuButtonPopup);
    tool(Currency, "accessories-dictionary", QStyle::SP_DriveNetIcon, tr("Valuta"));

    auto labelled = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(tr(text), this);
        l->setBuddy(buddy);
        return l;
    };
    auto* itemBox = new QGroupBox(tr("Articolo"), this);
    auto* itemGrid = new QGridLayout(itemBox);
    itemGrid->addWidget(row({m_codes[0], m_codes[1], m_codes[2]}, -1), 0, 0, 1, 6);
    itemGrid->addWidget(labelled(QT_TR_NOOP("&Articolo"), m_items), 1, 0);
    itemGrid->addWidget(row({m_items, m_tools.value(NewItem), m_tools.value(ChangeItem),
                             m_tools.value(FindItem), m_tools.value(ReaderMode)},
                            0),
                        1, 1, 1, 5);
    itemGrid->addWidget(labelled(QT_TR_NOOP("&Unità"), m_units), 2, 0);
    itemGrid->addWidget(m_units, 2, 1);
    itemGrid->addWidget(labelled(QT_TR_NOOP("&Quantità"), m_quantity), 2, 2);
    itemGrid->addWidget(m_quantity, 2, 3);
    itemGrid->addWidget(m_stock, 2, 4, 1, 2);
    itemGrid->addWidget(labelled(QT_TR_NOOP("Prezzo Ne&tto"), m_net), 3, 0);
    itemGrid->addWidget(row({m_net, perPiece, m_tools.value(Currency)}, 0), 3, 1);
    itemGrid->addWidget(labelled(QT_TR_NOOP("Prezzo &Lordo"), m_gross), 3, 2);
    itemGrid->addWidget(m_gross, 3, 3);
    itemGrid->addWidget(labelled(QT_TR_NOOP("&IVA"), m_vat), 4, 0);
    itemGrid->addWidget(m_vat, 4, 1);
    itemGrid->addWidget(labelled(QT_TR_NOOP("Scont&o"), m_discount), 4, 2);
    itemGrid->addWidget(m_discount, 4, 3);
    itemGrid->addWidget(labelled(QT_TR_NOOP("N&ote"), m_note), 5, 0);
    itemGrid->addWidget(m_note, 5, 1, 1, 5);
    itemGrid->addWidget(m_photo, 2, 6, 4, 1, Qt::AlignRight | Qt::AlignTop);
    itemGrid->setColumnStretch(1, 1);
    itemGrid->setColumnStretch(3, 1);

    // Row commands.
    tool(InsertRow, "list-add", QStyle::SP_FileDialogNewFolder, tr("Inserisci Riga (Ctrl+Ins)"));
    tool(SaveRow, "document-save", QStyle::SP_DialogSaveButton, tr("Salva Riga (Ctrl+S)"));
    tool(DeleteRow, "list-remove", QStyle::SP_TrashIcon, tr("Elimina Riga (Ctrl+Canc)"));
    tool(OtherDataTool, "document-properties", QStyle::SP_FileDialogInfoView,
         tr("Consente di inserire gli altri dati come il vettore o la causale "
            "(Ctrl+D)"));
    tool(Receipt, "document-print", QStyle::SP_FileIcon,
         tr("Permette di inserire una ricevuta fiscale invece di una fattura "
            "(Ctrl+R)"))
        ->setCheckable(true);
    auto* commands = new QHBoxLayout;
    commands->setSpacing(2);
    for (int id : {InsertRow, SaveRow, DeleteRow, OtherDataTool, Receipt})
        commands->addWidget(m_tools.value(id));
    commands->addStretch(1);

    m_rowList = new QTreeWidget(this);
    m_rowList->setRootIsDecorated(false);
    m_rowList->setUniformRowHeights(true);
    m_rowList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rowList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rowList->setAllColumnsShowFocus(true);
    QStringList headers;
    for (const char* h : kHeaders)
        headers << tr(h);
    m_rowList->setHeaderLabels(headers);
    for (int c = 0; c < kColumns; ++c) {
        m_rowList->setColumnWidth(
            c, StoredColumnWidth(
                   m_profile.integer(S::List, QLatin1String(kWidthKeys[c]), kDefaultWidths[c])));
        if (c > 0)
            m_rowList->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_rowList->setMinimumHeight(160);

    auto* totals = new QHBoxLayout;
    for (QLabel*& l : m_totals) {
        l = new QLabel(this);
        totals->addWidget(l, 1);
    }

    // Confirmation.
    m_paid = new QCheckBox(tr("Pa&gato"), this);
    m_invoiceBox = new QCheckBox(tr("Stampa &Fattura"), this);
    m_transportBox = new QCheckBox(tr("S&tampa D.D.T."), this);
    // Without a printing part to hand the document to, the choice is shown but cannot be made.
    for (QCheckBox* b : {m_invoiceBox, m_transportBox})
        b->setEnabled(false);
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("OK (F2)"), QDialogButtonBox::AcceptRole);
    m_ok->setAutoDefault(false);
    QPushButton* cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    cancel->setAutoDefault(false);
    QPushButton* help = buttons->addButton(tr("&Aiuto"), QDialogButtonBox::HelpRole);
    help->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_paid);
    bottom->addWidget(m_invoiceBox);
    bottom->addWidget(m_transportBox);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* v = new QVBoxLayout(this);
    v->addLayout(header);
    v->addWidget(itemBox);
    v->addLayout(commands);
    v->addWidget(m_rowList, 1);
    v->addLayout(totals);
    v->addLayout(bottom);
    resize(820, 640);

    // Wiring.
    connect(m_ok, &QPushButton::clicked, this, &CMovimentiDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/movimenti.php")));
    });
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, &CMovimentiDialog::confirm);
    const struct {
        int id;
        QKeySequence key;
        void (CMovimentiDialog::*slot)();
    } commandsTable[] = {
        {InsertRow, QKeySequence(Qt::CTRL | Qt::Key_Insert), &CMovimentiDialog::insertRow},
        {SaveRow, QKeySequence(Qt::CTRL | Qt::Key_S), &CMovimentiDialog::saveRow},
        {DeleteRow, QKeySequence(Qt::CTRL | Qt::Key_Delete), &CMovimentiDialog::deleteRow},
        {OtherDataTool, QKeySequence(Qt::CTRL | Qt::Key_D), &CMovimentiDialog::openOtherData},
        {Receipt, QKeySequence(Qt::CTRL | Qt::Key_R), &CMovimentiDialog::switchReceipt},
        {NewCounterpart, {}, &CMovimentiDialog::newCounterpart},
        {ChangeCounterpart, {}, &CMovimentiDialog::changeCounterpart},
        {FindCounterpart, {}, &CMovimentiDialog::findCounterpart},
        {ChangeItem, {}, &CMovimentiDialog::changeItem},
        {FindItem, {}, &CMovimentiDialog::findItem},
        {ReaderMode, {}, &CMovimentiDialog::switchReaderMode},
        {PricePerPiece, {}, &CMovimentiDialog::pricePerPiece},
        {Currency, {}, &CMovimentiDialog::chooseCurrency},
    };
    for (const auto& c : commandsTable) {
        QToolButton* b = m_tools.value(c.id);
        connect(b, &QToolButton::clicked, this, c.slot);
        if (!c.key.isEmpty()) {
            auto* shortcut = new QShortcut(c.key, this);
            connect(shortcut, &QShortcut::activated, this, [b] {
                if (b->isEnabled())
                    b->click();
            });
        }
    }
    connect(m_tools.value(NewItem), &QToolButton::clicked, this, [this] { newItem(); });

    connect(m_counterparts, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            counterpartChosen();
    });
    connect(m_counterpartCode, &QLineEdit::textEdited, this,
            &CMovimentiDialog::counterpartCodeEdited);
    connect(m_items, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (!m_filling)
            selectItem(m_itemModel->keyAt(row));
    });
    for (int i = 0; i < 3; ++i)
        connect(m_codes[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { codeEdited(CodeField(i), text); });
    connect(m_codes[int(CodeField::CodBarre)], &QLineEdit::returnPressed, this,
            &CMovimentiDialog::barcodeEntered);
    connect(m_net, &QLineEdit::textEdited, this, &CMovimentiDialog::netEdited);
    connect(m_gross, &QLineEdit::textEdited, this, &CMovimentiDialog::grossEdited);
    connect(m_vat, &QLineEdit::textEdited, this, &CMovimentiDialog::vatEdited);
    connect(m_quantity, &QLineEdit::textEdited, this, &CMovimentiDialog::quantityEdited);
    connect(m_rowList, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!m_filling)
            rowSelected();
        updateCommands();
    });
    connect(m_invoiceBox, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_transportBox->setChecked(false);
    });
    connect(m_transportBox, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_invoiceBox->setChecked(false);
    });

    // A reader's Enter, or anybody's, never closes the dialog: only OK and F2 do.
    installEventFilter(this);
    for (QWidget* w : findChildren<QLineEdit*>())
        w->installEventFilter(this);
    KeepRowCommandKeys(this);

    setTabOrder(m_number, m_date);
    setTabOrder(m_date, m_counterpartCode);
    setTabOrder(m_counterpartCode, m_counterparts);
    setTabOrder(m_counterparts, m_codes[0]);
    setTabOrder(m_codes[0], m_codes[1]);
    setTabOrder(m_codes[1], m_codes[2]);
    setTabOrder(m_codes[2], m_items);
    setTabOrder(m_items, m_units);
    setTabOrder(m_units, m_quantity);
    setTabOrder(m_quantity, m_net);
    setTabOrder(m_net, m_gross);
    setTabOrder(m_gross, m_vat);
    setTabOrder(m_vat, m_discount);
    setTabOrder(m_discount, m_note);
    setTabOrder(m_note, m_rowList);
}

bool CMovimentiDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            if (watched == m_codes[int(CodeField::CodBarre)])
                barcodeEntered();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CMovimentiDialog::setPrintAvailable(bool available) {
    m_printAvailable = available;
    m_invoiceBox->setEnabled(available);
    m_transportBox->setEnabled(available && mode() != MovementType::Ricevuta);
}

void CMovimentiDialog::applyMode() {
    const int m = mode();
    setWindowTitle(m == MovementType::Carico ? tr("Dati Carico")
                   : m == MovementType::Reso ? tr("Dati Reso")
                                             : tr("Dati Scarico"));
    const bool sale = MovementType::IsSale(m);
    m_invoiceBox->setVisible(sale);
    m_transportBox->setVisible(sale);
    m_tools.value(Receipt)->setVisible(sale);
    const bool receipt = m == MovementType::Ricevuta;
    m_tools.value(Receipt)->setChecked(receipt);
    for (int id : {NewCounterpart, ChangeCounterpart, FindCounterpart})
        m_tools.value(id)->setEnabled(!receipt);
    m_counterpartCode->setEnabled(!receipt);
    m_counterparts->setEnabled(!receipt);
    m_tools.value(OtherDataTool)->setEnabled(!receipt);
    m_invoiceBox->setText(receipt ? tr("Stampa Ricevuta") : tr("Stampa &Fattura"));
    // A receipt has no transport document.
    if (receipt)
        m_transportBox->setChecked(false);
    m_invoiceBox->setEnabled(m_printAvailable);
    m_transportBox->setEnabled(m_printAvailable && !receipt);
    if (receipt) {
        m_filling = true;
        m_savedCounterpart = m_savedCounterpart ? m_savedCounterpart : selectedCounterpart();
        m_counterparts->setCurrentIndex(-1);
        m_counterpartCode->clear();
        m_counterpartDiscount = 0;
        m_filling = false;
        m_paid->setChecked(true);
    }
    m_paid->setEnabled(!receipt);
    updateCommands();
}

// --- Lists --------------------------------------------------------------------------------------

void CMovimentiDialog::loadCounterparts(int selectKey) {
    const bool filling = m_filling;
    m_filling = true;
    if (!MovementEntry::Counterparts(m_db, mode() == MovementType::Carico ? 0 : 1,
                                     &m_counterpartData))
        ShowDbError(m_prompt, m_db.lastError());
    QList<MovementEntry::ListEntry> entries;
    entries.reserve(m_counterpartData.size());
    m_counterpartRows.clear();
    for (const MovementEntry::Counterpart& c : std::as_const(m_counterpartData)) {
        m_counterpartRows.insert(c.key, int(entries.size()));
        entries.append({c.key, c.name});
    }
    m_counterpartModel->setEntries(std::move(entries));
    m_filling = filling;
    selectCounterpart(selectKey);
}

void CMovimentiDialog::selectCounterpart(int key) {
    const bool filling = m_filling;
    m_filling = true;
    const int row = m_counterpartRows.value(key, -1);
    m_counterparts->setCurrentIndex(row);
    if (row >= 0) {
        m_counterpartCode->setText(m_counterpartData[row].code);
        m_counterpartDiscount = m_counterpartData[row].discount;
    } else {
        m_counterpartCode->clear();
        m_counterpartDiscount = 0;
    }
    m_filling = filling;
}

void CMovimentiDialog::counterpartChosen() {
    const int row = m_counterparts->currentIndex();
    const bool filling = m_filling;
    m_filling = true;
    if (row >= 0 && row < m_counterpartData.size()) {
        m_counterpartCode->setText(m_counterpartData[row].code);
        m_counterpartDiscount = m_counterpartData[row].discount;
    }
    m_filling = filling;
    applyDiscount();
    updateCommands();
}

int CMovimentiDialog::selectedCounterpart() const {
    const int row = m_counterparts->currentIndex();
    return row >= 0 && row < m_counterpartData.size() ? m_counterpartData[row].key : 0;
}

void CMovimentiDialog::loadItems(int selectKey) {
    const bool filling = m_filling;
    m_filling = true;
    QList<MovementEntry::ListEntry> entries;
    if (!MovementEntry::Items(m_db, &entries))
        ShowDbError(m_prompt, m_db.lastError());
    m_itemModel->setEntries(std::move(entries));
    m_items->setCurrentIndex(m_itemModel->rowOfKey(selectKey));
    m_filling = filling;
}

void CMovimentiDialog::loadUnits() {
    if (!MovementEntry::Units(m_db, &m_unitData))
        ShowDbError(m_prompt, m_db.lastError());
    m_units->clear();
    for (const MovementEntry::ListEntry& u : std::as_const(m_unitData))
        m_units->addItem(u.text, u.key);
}

int CMovimentiDialog::selectedItem() const {
    return m_itemModel->keyAt(m_items->currentIndex());
}

// --- Values -------------------------------------------------------------------------------------

double CMovimentiDialog::rate() const {
    return m_currency.hasOwnCurrency() ? double(m_currency.effectiveRate()) : 1.0;
}

int CMovimentiDialog::priceDecimals() const {
    const int d = m_currency.hasOwnCurrency()
                      ? m_currency.decimals
                      : m_profile.integer(S::Azienda, QStringLiteral("NDecVal"), 2);
    // Unit prices of one or two decimals are shown with one more, as prices per piece need.
    return d == 1 || d == 2 ? d + 1 : d;
}

QString CMovimentiDialog::formatAmount(const CurrencyAmount& amount, int decimals) const {
    if (m_currency.hasOwnCurrency())
        return FormatCurrency(m_profile, amount, decimals >= 0 ? decimals : m_currency.decimals,
                              m_currency.symbol, m_currency.decimal, m_currency.grouping);
    return FormatCurrency(m_profile, amount, decimals);
}

CurrencyAmount CMovimentiDialog::parseShown(const QString& text) const {
    return ParseCurrency(m_profile, text,
                         m_currency.hasOwnCurrency() ? m_currency.decimal : QString());
}

void CMovimentiDialog::setText(QLineEdit* field, const QString& text) {
    const bool filling = m_filling;
    m_filling = true;
    field->setText(text);
    m_filling = filling;
}

// Stored prices are in the company currency; the fields show them in the document's.
void CMovimentiDialog::setUnitPrice(QLineEdit* field, const CurrencyAmount& stored) {
    setText(field, formatAmount(MultiplyCurrency(stored, rate()), priceDecimals()));
}

// --- Selecting an item ----------------------------------------------------------------------

void CMovimentiDialog::selectItem(int key) {
    MovementEntry::Item item;
    if (key <= 0 || !MovementEntry::LoadItem(m_db, key, &item)) {
        if (key > 0)
            ShowDbError(m_prompt, m_db.lastError());
        m_item = {};
        m_stock->clear();
        m_photo->setPicture({});
        updateCommands();
        return;
    }
    m_item = item;
    const bool filling = m_filling;
    m_filling = true;
    if (m_itemModel->rowOfKey(key) != m_items->currentIndex())
        m_items->setCurrentIndex(m_itemModel->rowOfKey(key));
    m_codes[int(CodeField::Matricola)]->setText(item.matricola);
    m_codes[int(CodeField::CodBarre)]->setText(item.codBarre);
    m_codes[int(CodeField::CodForn)]->setText(item.codForn);
    const int unit = m_units->findData(item.unit);
    if (unit >= 0)
        m_units->setCurrentIndex(unit);
    m_filling = filling;
    showStock();
    showItemPrices();
    applyDiscount();
    m_photo->setPicture(item.photo);
    updateCommands();
}

void CMovimentiDialog::showStock() {
    const int key = m_item.key;
    if (key <= 0) {
        m_stock->clear();
        return;
    }
    m_stock->setText(
        tr("Giacenza %1").arg(FormatNumber(m_profile, AvailableStock(m_db, key, 0, &m_edit))));
}

void CMovimentiDialog::showItemPrices() {
    if (m_item.key <= 0)
        return;
    ActivePromotion promotion;
    const bool promoted = MovementType::IsSale(mode()) && findPromotion(&promotion);
    const int n = int(std::trunc(ParseNumber(m_profile, m_quantity->text())));
    const RowPrice p =
        PriceRow(m_item.pricing, mode(), promoted ? &promotion : nullptr, n, m_counterpartDiscount);
    setUnitPrice(m_net, p.net);
    setUnitPrice(m_gross, p.gross);
    setText(m_vat, FormatNumber(m_profile, double(p.vat), -1, true));
}

// The item's promotion on the movement's day (at its time, or now for a new movement).
bool CMovimentiDialog::findPromotion(ActivePromotion* promotion) {
    const QTime time =
        m_edit.header().Data.isValid() ? m_edit.header().Data.time() : QTime::currentTime();
    return FindActivePromotion(m_db, m_item.key, QDateTime(m_date->date(), time), promotion) &&
           promotion->found;
}

void CMovimentiDialog::applyDiscount() {
    if (m_item.key <= 0 || !MovementType::IsSale(mode()))
        return;
    bool set = true;
    const float d = CascadeDiscount(m_item.pricing.sconto, m_counterpartDiscount, &set);
    if (set)
        setText(m_discount, FormatNumber(m_profile, double(d), -1, true));
}

void CMovimentiDialog::codeEdited(CodeField field, const QString& text) {
    if (m_filling)
        return;
    // A reader's scan is looked up whole, when its Enter arrives: a prefix of it could be
    // another item's barcode.
    if (field == CodeField::CodBarre && m_readerMode)
        return;
    if (text.isEmpty())
        return;
    const int key = MovementEntry::ItemByCode(m_db, field, text, false);
    if (key <= 0) {
        QApplication::beep();
        return;
    }
    QLineEdit* edit = m_codes[int(field)];
    const int typed = edit->cursorPosition();
    selectItem(key);
    // The rest of the code is selected, so that typing goes on over it.
    if (edit->text().startsWith(text, Qt::CaseInsensitive))
        edit->setSelection(edit->text().size(), typed - int(edit->text().size()));
    else
        edit->setCursorPosition(qMin(typed, int(edit->text().size())));
}

void CMovimentiDialog::barcodeEntered() {
    if (!m_readerMode)
        return;
    QLineEdit* edit = m_codes[int(CodeField::CodBarre)];
    const QString code = edit->text();
    if (code.isEmpty())
        return;
    const int key = MovementEntry::ItemByCode(m_db, CodeField::CodBarre, code, true);
    if (key <= 0) {
        if (m_prompt.question(tr("L'articolo con codice a barre %1 non è presente "
                                 "in archivio, volete inserirlo ora?")
                                  .arg(code))) {
            newItem(code);
            setText(edit, QString());
        } else {
            // The next scan replaces the code that was not found.
            edit->selectAll();
        }
        return;
    }
    selectItem(key);
    insertRow();
    setText(m_quantity, FormatNumber(m_profile, 1));
    setText(edit, QString());
    edit->setFocus();
}

void CMovimentiDialog::counterpartCodeEdited(const QString& text) {
    if (m_filling || text.isEmpty())
        return;
    const int key =
        MovementEntry::CounterpartByCode(m_db, mode() == MovementType::Carico ? 0 : 1, text);
    if (key <= 0)
        return;
    const int typed = m_counterpartCode->cursorPosition();
    const bool filling = m_filling;
    m_filling = true;
    m_counterparts->setCurrentIndex(m_counterpartRows.value(key, -1));
    m_filling = filling;
    counterpartChosen();
    if (m_counterpartCode->text().startsWith(text, Qt::CaseInsensitive))
        m_counterpartCode->setSelection(int(m_counterpartCode->text().size()),
                                        typed - int(m_counterpartCode->text().size()));
}

// --- Price fields ---------------------------------------------------------------------------

void CMovimentiDialog::netEdited() {
    if (m_filling)
        return;
    const CurrencyAmount net = parseShown(m_net->text());
    const double vat = ParseNumber(m_profile, m_vat->text(), true);
    setText(m_gross, net.isValid()
                         ? formatAmount(Plus(MultiplyCurrency(net, vat), net), priceDecimals())
                         : QStringLiteral("-"));
}

void CMovimentiDialog::grossEdited() {
    if (m_filling)
        return;
    const CurrencyAmount gross = parseShown(m_gross->text());
    const double vat = ParseNumber(m_profile, m_vat->text(), true);
    setText(m_net, gross.isValid() ? formatAmount(DivideCurrency(gross, 1.0 + vat), priceDecimals())
                                   : QStringLiteral("-"));
}

void CMovimentiDialog::vatEdited() {
    netEdited();
}

void CMovimentiDialog::quantityEdited() {
    if (m_filling || !MovementType::IsSale(mode()) || m_item.key <= 0)
        return;
    // A quantity promotion follows the quantity.
    showItemPrices();
}

void CMovimentiDialog::pricePerPiece() {
    const double quantity = ParseNumber(m_profile, m_quantity->text());
    const CurrencyAmount price = parseShown(m_net->text());
    if (quantity <= 0 || !price.isValid() || price.units() == 0)
        return;
    setText(m_net, formatAmount(DivideCurrency(price, quantity), priceDecimals()));
    netEdited();
}

void CMovimentiDialog::suggestPrice(int command) {
    if (m_item.key <= 0)
        return;
    std::optional<CurrencyAmount> price;
    if (command == MovementEntry::PurchasePrice) {
        price =
            m_item.pricing.prezzo.isValid() ? m_item.pricing.prezzo : CurrencyAmount::fromUnits(0);
    } else if (command == MovementEntry::SalePrice) {
        // The sale price as a sale proposes it, promotion included, whatever the movement.
        const int n = int(std::trunc(ParseNumber(m_profile, m_quantity->text())));
        ActivePromotion promotion;
        const bool promoted = findPromotion(&promotion);
        price =
            PriceRow(m_item.pricing, MovementType::Scarico, promoted ? &promotion : nullptr, n, 0)
                .net;
    } else {
        price = MovementEntry::HistoricPrice(m_db, command, m_item.key);
    }
    if (!price)
        return;
    setUnitPrice(m_net, *price);
    netEdited();
}

// --- Rows ---------------------------------------------------------------------------------------

CMovimentiDialog::RowView CMovimentiDialog::viewOf(const SottoMovimentiRecord& row) const {
    RowView v{row, QString(), QString()};
    const int itemRow = m_itemModel->rowOfKey(row.IDArticolo.value_or(0));
    if (itemRow >= 0)
        v.description = m_itemModel->entries().at(itemRow).text;
    for (const MovementEntry::ListEntry& u : m_unitData)
        if (u.key == row.IDUM.value_or(0))
            v.unit = u.text;
    return v;
}

void CMovimentiDialog::writeLine(QTreeWidgetItem* line, const RowView& view) {
    SottoMovimentiRecord shown = view.row;
    shown.Prezzo = MultiplyCurrency(
        view.row.Prezzo.isValid() ? view.row.Prezzo : CurrencyAmount::fromUnits(0), rate());
    const RowAmounts a = ComputeRowAmounts(shown);
    line->setText(0, view.description);
    line->setText(1, QStringLiteral("%1 %2").arg(
                         FormatNumber(m_profile, double(view.row.Qt.value_or(0))), view.unit));
    line->setText(2, formatAmount(shown.Prezzo, priceDecimals()));
    line->setText(3, formatAmount(a.amount, -1));
    line->setText(4, formatAmount(a.discount, -1));
    line->setText(5, formatAmount(a.tax, -1));
    line->setText(6, formatAmount(Plus(a.net, a.tax), -1));
    for (int c = 1; c < kColumns; ++c)
        line->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    line->setData(0, Qt::UserRole, view.row.IDSottoMovimento);
    line->setToolTip(0, view.description);
}

void CMovimentiDialog::loadRows() {
    m_rowList->clear();
    for (int key : m_edit.rowKeys()) {
        SottoMovimentiRecord row;
        if (!m_edit.loadRow(key, &row))
            continue;
        writeLine(new QTreeWidgetItem(m_rowList), viewOf(row));
    }
}

void CMovimentiDialog::updateTotals() {
    qint64 amount = 0, discount = 0, tax = 0, total = 0;
    for (int key : m_edit.rowKeys()) {
        SottoMovimentiRecord row;
        if (!m_edit.loadRow(key, &row))
            continue;
        row.Prezzo = MultiplyCurrency(
            row.Prezzo.isValid() ? row.Prezzo : CurrencyAmount::fromUnits(0), rate());
        const RowAmounts a = ComputeRowAmounts(row);
        amount += a.amount.units();
        discount += a.discount.units();
        tax += a.tax.units();
        total += a.net.units() + a.tax.units();
    }
    auto money = [this](qint64 units) {
        return formatAmount(CurrencyAmount::fromUnits(units), -1);
    };
    m_totals[0]->setText(tr("Imponibile: ") + money(amount - discount));
    m_totals[1]->setText(tr("Sconto: ") + money(discount));
    m_totals[2]->setText(tr("Imposta: ") + money(tax));
    m_totals[3]->setText(tr("Totale: ") + money(total));
}

void CMovimentiDialog::updateCommands() {
    const bool receipt = mode() == MovementType::Ricevuta;
    const bool haveCounterparts = m_counterpartModel->rowCount() > 0;
    m_tools.value(ChangeCounterpart)
        ->setEnabled(!receipt && haveCounterparts && selectedCounterpart() > 0);
    m_tools.value(FindCounterpart)->setEnabled(!receipt && haveCounterparts);
    const bool haveItems = m_itemModel->rowCount() > 0;
    m_tools.value(ChangeItem)->setEnabled(haveItems && selectedItem() > 0);
    m_tools.value(FindItem)->setEnabled(haveItems);
    const bool lineSelected = !m_rowList->selectedItems().isEmpty();
    m_tools.value(SaveRow)->setEnabled(lineSelected);
    m_tools.value(DeleteRow)->setEnabled(lineSelected);
}

// Reads the entry fields into a row; false (with the message) when the quantity or the item is
// missing, or when the user declines to sell more than the stock.
bool CMovimentiDialog::readRow(SottoMovimentiRecord* row, double* quantity, int leftOutRow) {
    const QString text = m_quantity->text().trimmed();
    double q = text.isEmpty() ? 0 : ParseNumber(m_profile, text);
    if (text.isEmpty() || q <= 0) {
        if (!m_readerMode) {
            Say(m_prompt, text.isEmpty() ? MovementMessages::QuantityMissing
                                         : MovementMessages::QuantityNotPositive);
            m_quantity->setFocus();
            return false;
        }
        q = 1;
    }
    const int item = selectedItem();
    if (item <= 0 || m_item.key != item) {
        m_prompt.message(tr("Occorre selezionare un prodotto, se in archivio non ci "
                            "sono ancora, potete inserirli con il pulsante a fianco "
                            "della loro lista!"),
                         IPrompt::Icon::Information);
        return false;
    }
    // Each unit of a serial-tracked item is named by its code: whole pieces only.
    if (m_item.serialCodes && (q < 1 || q != std::trunc(q))) {
        m_prompt.message(tr("Il prodotto è gestito con i codici seriali: la quantità "
                            "deve essere un numero intero di pezzi!"),
                         IPrompt::Icon::Information);
        m_quantity->setFocus();
        return false;
    }
    if (!warnStock(item, q, leftOutRow))
        return false;
    row->IDArticolo = item;
    row->Qt = float(q);
    const int unit = m_units->currentData().toInt();
    row->IDUM = unit > 0 ? std::optional<qint32>(unit) : std::nullopt;
    const CurrencyAmount shown = parseShown(m_net->text());
    row->Prezzo = shown.isValid() ? DivideCurrency(shown, rate()) : CurrencyAmount::fromUnits(0);
    row->Iva = m_vat->text().trimmed().isEmpty()
                   ? 0.0f
                   : float(ParseNumber(m_profile, m_vat->text(), true));
    row->Sconto = m_discount->text().trimmed().isEmpty()
                      ? 0.0f
                      : float(ParseNumber(m_profile, m_discount->text(), true));
    row->Notes = m_note->text().trimmed().isEmpty() ? QString() : m_note->text();
    *quantity = q;
    return true;
}

bool CMovimentiDialog::warnStock(int itemId, double quantity, int leftOutRow) {
    if (!MovementType::IsSale(mode()))
        return true;
    const double stock = AvailableStock(m_db, itemId, leftOutRow, &m_edit);
    if (stock >= quantity)
        return true;
    const QString unit = m_units->currentText();
    return m_prompt.question(tr("In magazzino %1 solo %2 %3 di merce, si desidera "
                                "comunque scaricare %4 %5 di prodotto?")
                                 .arg(stock == 1 ? tr("c'è") : tr("ci sono"),
                                      FormatNumber(m_profile, stock), unit,
                                      FormatNumber(m_profile, quantity), unit));
}

void CMovimentiDialog::insertRow() {
    if (m_edit.rowKeys().size() >= kMaxRows) {
        Say(m_prompt, MovementMessages::TooManyRows);
        return;
    }
    SottoMovimentiRecord row;
    double quantity = 0;
    if (!readRow(&row, &quantity, 0))
        return;
    // What the serial-code window writes is undone when it is cancelled or the row fails.
    Savepoint codesPoint(m_db);
    QList<int> codes;
    if (m_item.serialCodes) {
        if (!askSerialCodes || !askSerialCodes(m_item.key, 0, int(std::trunc(quantity)), &codes))
            return;
    }
    if (!m_edit.insertRow(row, codes)) {
        Say(m_prompt, MovementMessages::RowInsertFailed);
        return;
    }
    codesPoint.release();
    auto* line = new QTreeWidgetItem(m_rowList);
    writeLine(line, viewOf(row));
    const bool filling = m_filling;
    m_filling = true;
    m_rowList->setCurrentItem(line);
    m_filling = filling;
    m_rowList->scrollToItem(line);
    showStock();
    updateTotals();
    updateCommands();
}

void CMovimentiDialog::saveRow() {
    QTreeWidgetItem* line = m_rowList->currentItem();
    if (!line || !line->isSelected())
        return;
    const int key = line->data(0, Qt::UserRole).toInt();
    SottoMovimentiRecord row;
    if (!m_edit.loadRow(key, &row)) {
        Say(m_prompt, MovementMessages::RowSaveFailed);
        return;
    }
    const int previousItem = row.IDArticolo.value_or(0);
    double quantity = 0;
    if (!readRow(&row, &quantity, key))
        return;
    Savepoint codesPoint(m_db);
    // The codes of the item the row moved before do not move with another item.
    if (previousItem != row.IDArticolo.value_or(0) &&
        !m_db.execute(QStringLiteral("DELETE FROM Imei WHERE IDSottoMovimento = ?"), {key})) {
        Say(m_prompt, MovementMessages::RowSaveFailed);
        return;
    }
    QList<int> codes;
    const bool serial = m_item.serialCodes;
    if (serial &&
        (!askSerialCodes || !askSerialCodes(m_item.key, key, int(std::trunc(quantity)), &codes)))
        return;
    if (!m_edit.changeRow(row, serial ? &codes : nullptr)) {
        Say(m_prompt, MovementMessages::RowSaveFailed);
        return;
    }
    codesPoint.release();
    writeLine(line, viewOf(row));
    showStock();
    updateTotals();
}

void CMovimentiDialog::deleteRow() {
    QTreeWidgetItem* line = m_rowList->currentItem();
    if (!line || !line->isSelected())
        return;
    // A failure half-way (the codes gone, the row not) is undone, and the edit goes on.
    Savepoint removal(m_db);
    if (!m_edit.deleteMovementRow(line->data(0, Qt::UserRole).toInt())) {
        removal.rollback();
        Say(m_prompt, MovementMessages::RowDeleteFailed);
        return;
    }
    removal.release();
    m_filling = true;
    delete line;
    m_rowList->clearSelection();
    m_filling = false;
    showStock();
    updateTotals();
    updateCommands();
}

void CMovimentiDialog::rowSelected() {
    QTreeWidgetItem* line = m_rowList->currentItem();
    if (!line || !line->isSelected())
        return;
    SottoMovimentiRecord row;
    if (!m_edit.loadRow(line->data(0, Qt::UserRole).toInt(), &row))
        return;
    const bool filling = m_filling;
    m_filling = true;
    m_items->setCurrentIndex(m_itemModel->rowOfKey(row.IDArticolo.value_or(0)));
    m_filling = filling;
    selectItem(row.IDArticolo.value_or(0));
    m_filling = true;
    const int unit = m_units->findData(row.IDUM.value_or(0));
    m_units->setCurrentIndex(unit);
    m_quantity->setText(FormatNumber(m_profile, double(row.Qt.value_or(0))));
    setUnitPrice(m_net, row.Prezzo.isValid() ? row.Prezzo : CurrencyAmount::fromUnits(0));
    m_vat->setText(FormatNumber(m_profile, double(row.Iva.value_or(0)), -1, true));
    m_filling = false;
    netEdited();
    m_filling = true;
    m_discount->setText(FormatNumber(m_profile, double(row.Sconto.value_or(0)), -1, true));
    m_note->setText(row.Notes);
    m_filling = filling;
}

// --- Commands -------------------------------------------------------------------------------

void CMovimentiDialog::openOtherData() {
    if (mode() == MovementType::Ricevuta || !askOtherData)
        return;
    askOtherData(mode(), &m_edit.header());
}

void CMovimentiDialog::switchReceipt() {
    const int m = mode();
    if (m == MovementType::Scarico) {
        m_savedCounterpart = selectedCounterpart();
        m_edit.setType(MovementType::Ricevuta);
        applyMode();
    } else if (m == MovementType::Ricevuta) {
        m_edit.setType(MovementType::Scarico);
        applyMode();
        selectCounterpart(m_savedCounterpart);
        m_savedCounterpart = 0;
        m_counterparts->setEnabled(true);
        m_paid->setChecked(true);
        applyDiscount();
        updateCommands();
    }
}

void CMovimentiDialog::switchReaderMode() {
    m_readerMode = !m_readerMode;
    m_tools.value(ReaderMode)->setChecked(m_readerMode);
    // In this mode a scan is taken when its Enter arrives: a serial reader's code gets one.
    m_codes[int(CodeField::CodBarre)]->setProperty(SerialReaderTyping::kEnterProperty,
                                                   m_readerMode);
    if (m_readerMode) {
        m_prompt.message(tr("In questa modalità ogni volta che si spara un codice a "
                            "barre viene inserita una riga con l'articolo trovato e "
                            "la quantità indicata, per questo motivo è necessario "
                            "cambiare la quantità del prodotto da inserire prima di "
                            "sparare l'articolo."),
                         IPrompt::Icon::Information);
        m_codes[int(CodeField::CodBarre)]->setFocus();
    }
}

void CMovimentiDialog::chooseCurrency() {
    DocumentCurrency currency = m_currency;
    bool keepStored = false;
    if (!askCurrency || !askCurrency(&currency, &keepStored))
        return;
    const double newRate = currency.hasOwnCurrency() ? double(currency.effectiveRate()) : 1.0;
    if (!keepStored && newRate != 1.0) {
        // The rows are read in the new currency: each stored price becomes price / rate, so
        // that the figures on screen stay as they were. All rows or none, with the currency.
        Savepoint conversion(m_db);
        for (int key : m_edit.rowKeys()) {
            SottoMovimentiRecord row;
            if (!m_edit.loadRow(key, &row) || !row.Prezzo.isValid())
                continue;
            row.Prezzo = DivideCurrency(row.Prezzo, newRate);
            if (!m_edit.changeRow(row, nullptr)) {
                conversion.rollback();
                Say(m_prompt, MovementMessages::RowSaveFailed);
                return;
            }
        }
        conversion.release();
    }
    m_currency = currency;
    MovimentiRecord& h = m_edit.header();
    h.SimbVal = currency.symbol;
    h.DecVal = currency.hasOwnCurrency() ? std::optional<qint32>(currency.decimals) : std::nullopt;
    h.SepDecVal = currency.decimal;
    h.SepMigVal = currency.grouping;
    h.DecNum =
        currency.hasOwnCurrency() ? std::optional<qint32>(currency.numberDecimals) : std::nullopt;
    h.SepDecNum = currency.numberDecimal;
    h.SepMigNum = currency.numberGrouping;
    h.ValCambio =
        currency.hasOwnCurrency() ? std::optional<float>(currency.exchangeRate) : std::nullopt;
    m_filling = true;
    loadRows();
    m_filling = false;
    if (m_item.key > 0)
        showItemPrices();
    updateTotals();
    updateCommands();
}

void CMovimentiDialog::newCounterpart() {
    const bool supplier = mode() == MovementType::Carico;
    CAnagraficaDialog dialog(m_db, m_profile, m_prompt, m_browser,
                             CounterpartStore::NewRecord(supplier
                                                             ? CounterpartStore::Kind::Supplier
                                                             : CounterpartStore::Kind::Customer),
                             this);
    dialog.configureFor(CAnagraficaDialog::Caller::DocumentNew);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CliForRecord r = dialog.record();
    if (!CounterpartStore(m_db).save(r)) {
        ShowDbError(m_prompt, m_db.lastError());
        return;
    }
    ++m_recordsWritten;
    loadCounterparts(r.IDCliFor);
    counterpartChosen();
}

void CMovimentiDialog::changeCounterpart() {
    const int key = selectedCounterpart();
    if (key <= 0)
        return;
    CliForRecord r;
    if (!CounterpartStore(m_db).load(key, r)) {
        ShowDbError(m_prompt, m_db.lastError());
        if (IsMissingRow(m_db.lastError()))
            loadCounterparts(0);
        return;
    }
    CAnagraficaDialog dialog(m_db, m_profile, m_prompt, m_browser, r, this);
    dialog.configureFor(CAnagraficaDialog::Caller::DocumentChange);
    if (dialog.exec() != QDialog::Accepted)
        return;
    r = dialog.record();
    if (!CounterpartStore(m_db).save(r)) {
        ShowDbError(m_prompt, m_db.lastError());
        return;
    }
    ++m_recordsWritten;
    loadCounterparts(key);
    counterpartChosen();
}

void CMovimentiDialog::findCounterpart() {
    QString text;
    bool fromTop = true;
    if (!askFind || !askFind(false, &text, &fromTop) || text.isEmpty())
        return;
    const int from = fromTop ? 0 : m_counterparts->currentIndex() + 1;
    const int row = m_counterpartModel->findPrefix(text, from);
    if (row < 0) {
        m_prompt.message(mode() == MovementType::Carico ? tr("Fornitore non trovato!")
                                                        : tr("Cliente non trovato!"),
                         IPrompt::Icon::Information);
        return;
    }
    m_counterparts->setCurrentIndex(row);
    m_counterparts->setFocus();
}

void CMovimentiDialog::newItem(const QString& barcode) {
    ItemEditRecord record = ItemStore::NewRecord();
    record.CodBarre = barcode;
    CArticoloDialog dialog(m_db, m_profile, m_prompt, m_browser, m_files, record, this);
    dialog.setExisting(false);
    dialog.setLargeArchive(m_itemModel->rowCount() > 2500);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int key = dialog.record().IDArticolo;
    ++m_recordsWritten;
    loadItems(key);
    selectItem(key);
}

void CMovimentiDialog::changeItem() {
    const int key = selectedItem();
    if (key <= 0)
        return;
    const int saved = CArticoloDialog::Run(m_db, m_profile, m_prompt, m_browser, m_files, key,
                                           m_itemModel->rowCount() > 2500, this);
    if (saved == 0)
        return;
    if (saved > 0)
        ++m_recordsWritten;
    loadItems(saved > 0 ? key : 0);
    selectItem(saved > 0 ? key : 0);
    m_filling = true;
    loadRows();
    m_filling = false;
}

void CMovimentiDialog::findItem() {
    QString text;
    bool fromTop = true;
    if (!askFind || !askFind(true, &text, &fromTop) || text.isEmpty())
        return;
    const int from = fromTop ? 0 : m_items->currentIndex() + 1;
    const int row = m_itemModel->findPrefix(text, from);
    if (row < 0) {
        m_prompt.message(tr("Articolo non trovato!"), IPrompt::Icon::Information);
        return;
    }
    m_items->setCurrentIndex(row);
    m_items->setFocus();
}

// --- Closing ----------------------------------------------------------------------------------

bool CMovimentiDialog::confirm() {
    if (m_number->text().trimmed().isEmpty()) {
        m_prompt.message(tr("Il numero del movimento è obbligatorio!"), IPrompt::Icon::Warning);
        m_number->setFocus();
        return false;
    }
    const bool receipt = mode() == MovementType::Ricevuta;
    const int counterpart = receipt ? 0 : selectedCounterpart();
    if (!receipt && counterpart <= 0) {
        m_prompt.message(tr("Occorre inserire il cliente o fornitore della fattura!"),
                         IPrompt::Icon::Warning);
        m_counterparts->setFocus();
        return false;
    }
    if (m_edit.rowKeys().isEmpty()) {
        m_prompt.message(tr("Occorre inserire almeno una riga nel movimento!"),
                         IPrompt::Icon::Warning);
        m_quantity->setFocus();
        return false;
    }
    m_printChoice = 0;
    if (MovementType::IsSale(mode()))
        m_printChoice = m_transportBox->isChecked() ? 1 : m_invoiceBox->isChecked() ? 2 : 0;
    MovimentiRecord& h = m_edit.header();
    h.Numero = m_number->text().trimmed();
    const QTime time = h.Data.isValid() ? h.Data.time() : QTime::currentTime();
    h.Data = QDateTime(m_date->date(), time);
    h.IDCliFor = counterpart > 0 ? std::optional<qint32>(counterpart) : std::nullopt;
    h.Contabilizzato = m_paid->isChecked();
    accept();
    return true;
}

void CMovimentiDialog::reject() {
    if (m_recordsWritten > 0 &&
        !m_prompt.question(tr("Gli articoli e le anagrafiche inseriti o modificati da "
                              "questa finestra vengono annullati insieme al "
                              "movimento. Annullare comunque il movimento?"),
                           false))
        return;
    QDialog::reject();
}

void CMovimentiDialog::done(int result) {
    for (int c = 0; c < kColumns; ++c)
        m_profile.setValue(S::List, QLatin1String(kWidthKeys[c]),
                           StoredColumnWidth(m_rowList->columnWidth(c)));
    QDialog::done(result);
}
