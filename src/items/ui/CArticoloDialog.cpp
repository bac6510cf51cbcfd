#include "items/ui/CArticoloDialog.h"

#include "barcode/BarcodeReader.h"
#include "barcode/Barcodes.h"
#include "barcode/ui/CBarCodeWnd.h"
#include "barcode/ui/KeyboardReaderInput.h"
#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/WebPages.h"
#include "common/ui/CTrovaDialog.h"
#include "common/ui/OneLineFields.h"
#include "common/ui/SmallToolButton.h"
#include "company/Formats.h"
#include "company/ui/FieldHelpers.h"
#include "counterparts/CounterpartStore.h"
#include "counterparts/ui/CAnagraficaDialog.h"
#include "items/Classifications.h"
#include "items/MarkupRules.h"
#include "items/PriceChain.h"
#include "items/SupplierListModel.h"
#include "items/UnitsOfMeasure.h"
#include "items/ui/CFotoWnd.h"
#include "items/ui/CRicaricoDialog.h"
#include "items/ui/CUniMisDialog.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ui/DbErrorDisplay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Classifications::Table;

enum ToolId : int {
    kMarkup = 3124,
    kUnits = 3125,
    kUnusedCategories = 3126,
    kUnusedDepartments = 3127,
    kUnusedShelves = 3128,
    kUnusedGroups = 3129,
    kNewSupplier = 3130,
    kChangeSupplier = 3131,
    kFindSupplier = 3132,
};

struct ClassBox {
    const char* column;
    Table table;
    int tool;
};

const ClassBox kClassBoxes[] = {
    {"IDCategoria", Table::Categorie, kUnusedCategories},
    {"IDGruppo", Table::Gruppi, kUnusedGroups},
    {"IDReparto", Table::Reparti, kUnusedDepartments},
    {"IDScaffale", Table::Scaffali, kUnusedShelves},
};

const QStringList kVatEntries{QStringLiteral("0%"), QStringLiteral("4%"), QStringLiteral("10%"),
                              QStringLiteral("22%")};

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// The edit's length limit counts UTF-16 units and can keep half of the last character.
QString FieldText(const QLineEdit* edit) {
    QString text = edit->text();
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    return text;
}

std::optional<float> OptionalNumber(const Profile& profile, const QString& text, bool percent,
                                    bool nonNegative) {
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const double value = ParseNumber(profile, text, percent, nonNegative);
    if (!std::isfinite(value))
        return std::nullopt;
    return static_cast<float>(value);
}

} // namespace

CArticoloDialog::CArticoloDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                                 IFileDialogs& files, const ItemEditRecord& record, QWidget* parent)
    : QDialog(parent), m_db(db), m_profile(profile), m_prompt(prompt), m_browser(browser),
      m_files(files), m_record(record), m_existing(record.IDArticolo > 0),
      m_keyboardReader(IsKeyboardReader(profile)) {
    setObjectName(QStringLiteral("CArticoloDialog"));
    setWindowTitle(title());
    m_openedCategory = record.IDCategoria.value_or(0);

    askFindSupplier = [this](QString* name, QString* taxCode) {
        CTrovaDialog find(CTrovaDialog::Mode::Counterparts, this);
        find.setHelpPage(m_browser, WebPages::FindHelp(m_profile));
        // The supplier box is searched from its top; there is no row to start after.
        find.fromFirstRowBox()->hide();
        if (find.exec() != QDialog::Accepted)
            return false;
        *name = find.text(0);
        *taxCode = find.text(1);
        return true;
    };
    askMarkup = [this](const CurrencyAmount& price, double vat, double discount,
                       double markup) -> std::optional<double> {
        CRicaricoDialog calculator(m_profile, price, vat, discount, markup, this);
        if (calculator.exec() != QDialog::Accepted)
            return std::nullopt;
        return calculator.markup();
    };

    buildLayout();
    KeepFirstLineIn(this);
    loadLists();
    showRecord();
    watchChildren();
    // Attached after the dialog's own filter, so a scan is repaired before its closing Enter
    // reaches the dialog.
    if (m_keyboardReader)
        for (const char* column : {"Matricola", "CodBarre"})
            KeyboardReaderInput::Attach(m_edits.value(QLatin1String(column)));
    setEnterSaves(false);
    m_armed = true;
}

// --- Layout -------------------------------------------------------------------------------------

void CArticoloDialog::buildLayout() {
    auto edit = [this](const char* column, int width) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(column));
        if (width > 0)
            e->setMaxLength(width);
        m_edits.insert(QLatin1String(column), e);
        return e;
    };
    auto combo = [this](const char* column, bool editable) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(column));
        c->setEditable(editable);
        if (editable) {
            // The dialog completes the boxes itself; Qt's own completer would fight it.
            c->setCompleter(nullptr);
            c->setInsertPolicy(QComboBox::NoInsert);
        }
        c->setMinimumContentsLength(12);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_combos.insert(QLatin1String(column), c);
        return c;
    };
    auto tool = [this](int id, const char* icon, QStyle::StandardPixmap fallback, const char* tip) {
        QToolButton* b = SmallToolButton(QLatin1String(icon), fallback, tr(tip), this);
        b->setObjectName(QStringLiteral("Tool%1").arg(id));
        m_tools.insert(id, b);
        return b;
    };
    auto withTools = [this](QWidget* main, std::initializer_list<QToolButton*> buttons) {
        auto* box = new QWidget(this);
        auto* h = new QHBoxLayout(box);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(2);
        h->addWidget(main, 1);
        for (QToolButton* b : buttons)
            h->addWidget(b);
        return box;
    };

    QLineEdit* code = edit("Matricola", ItemStore::kCodeWidth);
    QLineEdit* description = edit("Descrizione", 100);
    QLineEdit* barcode = edit("CodBarre", ItemStore::kBarcodeWidth);
    QLineEdit* price = edit("Prezzo", 0);
    QLineEdit* minimum = edit("ScortaMin", 0);
    QLineEdit* initial = edit("GiacInit", 0);
    QLineEdit* discount = edit("Sconto", 0);
    QLineEdit* markup = edit("Ricarico", 0);
    QLineEdit* supplierCode = edit("CodForn", 30);
    for (QLineEdit* e : {price, minimum, initial, discount, markup})
        e->setAlignment(Qt::AlignRight);

    QComboBox* unit = combo("IDUM", true);
    QComboBox* category = combo("IDCategoria", true);
    QComboBox* group = combo("IDGruppo", true);
    QComboBox* department = combo("IDReparto", true);
    QComboBox* shelf = combo("IDScaffale", true);
    QComboBox* vat = combo("Iva", true);
    QComboBox* supplier = combo("IDFornitore", false);
    m_supplierModel = new SupplierListModel(this);
    supplier->setModel(m_supplierModel);
    vat->addItems(kVatEntries);
    vat->setMinimumContentsLength(6);
    for (const ClassBox& c : kClassBoxes)
        m_combos.value(QLatin1String(c.column))
            ->lineEdit()
            ->setMaxLength(Classifications::NameWidth(c.table));

    m_supplierSearch = new QLineEdit(this);
    m_supplierSearch->setObjectName(QStringLiteral("SupplierSearch"));
    m_supplierSearch->setPlaceholderText(tr("Cod. Fornitore"));
    m_supplierSearch->setMaxLength(20);
    m_supplierSearch->setMaximumWidth(110);

    m_vatIncluded = new QCheckBox(tr("I&va inclusa nel prezzo"), this);
    m_vatIncluded->setObjectName(QStringLiteral("IncIva"));
    m_imei = new QCheckBox(
        tr("Og&ni articolo un codice a barre diverso tipo IMEI degli smartphone"), this);
    m_imei->setObjectName(QStringLiteral("Imei"));
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("Notes"));
    m_notes->setTabChangesFocus(true);
    m_purchaseLine = new QLabel(this);
    m_purchaseLine->setObjectName(QStringLiteral("PurchaseLine"));
    m_sellingLine = new QLabel(this);
    m_sellingLine->setObjectName(QStringLiteral("SellingLine"));
    for (QLabel* l : {m_purchaseLine, m_sellingLine}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    m_barcode = new CBarCodeWnd(this);
    m_barcode->setObjectName(QStringLiteral("BarcodePicture"));
    m_barcode->setMinimumHeight(64);
    m_photo = new CFotoWnd(m_profile, m_prompt, m_files, m_browser, this);
    m_photo->setObjectName(QStringLiteral("Foto"));
    m_photo->setEditable(true);
    m_photo->setMinimumSize(190, 170);

    tool(kMarkup, "accessories-calculator", QStyle::SP_FileDialogDetailedView,
         QT_TR_NOOP("Calcola Ricarico"));
    tool(kUnits, "document-properties", QStyle::SP_FileDialogInfoView,
         QT_TR_NOOP("Gestione Unità di Misura"));
    tool(kUnusedCategories, "edit-clear", QStyle::SP_DialogResetButton,
         QT_TR_NOOP("Eliminare le Categorie non Utilizzate"));
    tool(kUnusedDepartments, "edit-clear", QStyle::SP_DialogResetButton,
         QT_TR_NOOP("Elimina Reparti non Utilizzati"));
    tool(kUnusedShelves, "edit-clear", QStyle::SP_DialogResetButton,
         QT_TR_NOOP("Elimina Scaffali non Utilizzati"));
    tool(kUnusedGroups, "edit-clear", QStyle::SP_DialogResetButton,
         QT_TR_NOOP("Elimina Gruppi non Utilizzati"));
    tool(kNewSupplier, "contact-new", QStyle::SP_FileDialogNewFolder,
         QT_TR_NOOP("Inserisci Fornitore"));
    tool(kChangeSupplier, "document-edit", QStyle::SP_FileDialogContentsView,
         QT_TR_NOOP("Modifica Fornitore"));
    tool(kFindSupplier, "edit-find", QStyle::SP_FileDialogStart, QT_TR_NOOP("Trova Fornitore"));

    // One grid for the whole top part, so the labels of every row line up: two pairs of label
    // and field, the picture in a fifth column, and the barcode picture across all of them
    // (the widest code needs about as much room as the dialog has).
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    int row = 0;
    auto put = [&](const char* label, QWidget* buddy, QWidget* cell, int col, int span = 1) {
        auto* l = new QLabel(tr(label), this);
        l->setBuddy(buddy);
        grid->addWidget(l, row, col);
        grid->addWidget(cell, row, col + 1, 1, span);
    };
    put(QT_TR_NOOP("&Matricola"), code, code, 0);
    put(QT_TR_NOOP("&Cod. a Barre"), barcode, barcode, 2, 2);
    ++row;
    put(QT_TR_NOOP("&Descrizione"), description, description, 0, 4);
    ++row;
    grid->addWidget(m_barcode, row, 0, 1, 5);
    ++row;
    const int photoRow = row;
    put(QT_TR_NOOP("&Unità di Mis."), unit, withTools(unit, {m_tools.value(kUnits)}), 0);
    ++row;
    put(QT_TR_NOOP("&Prezzo Acq."), price, price, 0);
    put(QT_TR_NOOP("&IVA Preval."), vat, withTools(vat, {}), 2);
    ++row;
    put(QT_TR_NOOP("&Scorta Min."), minimum, minimum, 0);
    grid->addWidget(m_vatIncluded, row, 3);
    ++row;
    put(QT_TR_NOOP("&Giac.Iniz."), initial, initial, 0);
    put(QT_TR_NOOP("Scon&to"), discount, discount, 2);
    ++row;
    put(QT_TR_NOOP("C&ategoria"), category, withTools(category, {m_tools.value(kUnusedCategories)}),
        0);
    put(QT_TR_NOOP("Ricaric&o"), markup, withTools(markup, {m_tools.value(kMarkup)}), 2);
    ++row;
    put(QT_TR_NOOP("Gruppo"), group, withTools(group, {m_tools.value(kUnusedGroups)}), 0);
    grid->addWidget(m_purchaseLine, row, 2, 1, 2);
    ++row;
    put(QT_TR_NOOP("&Reparto"), department,
        withTools(department, {m_tools.value(kUnusedDepartments)}), 0);
    grid->addWidget(m_sellingLine, row, 2, 1, 2);
    ++row;
    put(QT_TR_NOOP("Sca&ffale"), shelf, withTools(shelf, {m_tools.value(kUnusedShelves)}), 0);
    ++row;
    auto* supplierRow = new QWidget(this);
    auto* h = new QHBoxLayout(supplierRow);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    h->addWidget(m_supplierSearch);
    h->addWidget(supplier, 1);
    for (int id : {kNewSupplier, kChangeSupplier, kFindSupplier})
        h->addWidget(m_tools.value(id));
    put(QT_TR_NOOP("Forn.Preva&l."), m_supplierSearch, supplierRow, 0, 3);
    ++row;
    put(QT_TR_NOOP("Codice Fornitore"), supplierCode, supplierCode, 0);
    ++row;
    grid->addWidget(m_photo, photoRow, 4, row - photoRow - 2, 1, Qt::AlignTop);

    auto* notesLabel = new QLabel(tr("Inserire qui le note del prodotto. Premere "
                                     "Ctrl+Invio per inserire una nuova riga"),
                                  this);
    notesLabel->setBuddy(m_notes);
    m_notes->setMinimumHeight(60);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Annulla"));
    QPushButton* help = buttons->addButton(tr("&Aiuto"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("Aiuto"));
    connect(m_ok, &QPushButton::clicked, this, &CArticoloDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &CArticoloDialog::showHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_imei);
    layout->addWidget(notesLabel);
    layout->addWidget(m_notes, 1);
    layout->addWidget(buttons);

    // Reactions to typing.
    connect(code, &QLineEdit::textEdited, this, &CArticoloDialog::completeCode);
    // The field's own text, not the signal's: a suggestion appended while the typed text is
    // being announced makes that announcement stale.
    connect(barcode, &QLineEdit::textChanged, m_barcode,
            [this, barcode] { m_barcode->setText(barcode->text()); });
    connect(barcode, &QLineEdit::textEdited, this, &CArticoloDialog::suggestCheckChar);
    for (const char* column : {"IDCategoria", "IDReparto", "IDScaffale"}) {
        QComboBox* c = m_combos.value(QLatin1String(column));
        connect(c->lineEdit(), &QLineEdit::textEdited, this, [this, c] { completeCombo(c); });
    }
    connect(m_supplierSearch, &QLineEdit::textEdited, this, &CArticoloDialog::searchSupplier);
    connect(supplier, &QComboBox::currentIndexChanged, this,
            &CArticoloDialog::updateSupplierButtons);
    connect(m_imei, &QCheckBox::clicked, this, &CArticoloDialog::serialCodesToggled);
    for (QLineEdit* e : {price, discount, markup})
        connect(e, &QLineEdit::textChanged, this, &CArticoloDialog::updatePriceChain);
    connect(vat, &QComboBox::editTextChanged, this, &CArticoloDialog::updatePriceChain);
    connect(vat, &QComboBox::currentIndexChanged, this, &CArticoloDialog::updatePriceChain);
    connect(m_vatIncluded, &QCheckBox::toggled, this, &CArticoloDialog::updatePriceChain);

    // Toolbars.
    connect(m_tools.value(kMarkup), &QToolButton::clicked, this, &CArticoloDialog::calculateMarkup);
    connect(m_tools.value(kUnits), &QToolButton::clicked, this, &CArticoloDialog::editUnits);
    for (const ClassBox& c : kClassBoxes)
        connect(m_tools.value(c.tool), &QToolButton::clicked, this,
                [this, id = c.tool] { deleteUnused(id); });
    connect(m_tools.value(kNewSupplier), &QToolButton::clicked, this,
            &CArticoloDialog::newSupplier);
    connect(m_tools.value(kChangeSupplier), &QToolButton::clicked, this,
            &CArticoloDialog::changeSupplier);
    connect(m_tools.value(kFindSupplier), &QToolButton::clicked, this,
            &CArticoloDialog::findSupplier);

    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, [this] {
        if (m_keyboardReader && !m_enterSaves)
            save();
    });

    // Tab walks the fields in the order they are read: row by row, left to right, each small
    // button after the field it serves.
    const QList<QWidget*> order{code,
                                barcode,
                                description,
                                unit,
                                m_tools.value(kUnits),
                                price,
                                vat,
                                minimum,
                                m_vatIncluded,
                                initial,
                                discount,
                                category,
                                m_tools.value(kUnusedCategories),
                                markup,
                                m_tools.value(kMarkup),
                                group,
                                m_tools.value(kUnusedGroups),
                                department,
                                m_tools.value(kUnusedDepartments),
                                shelf,
                                m_tools.value(kUnusedShelves),
                                m_supplierSearch,
                                supplier,
                                m_tools.value(kNewSupplier),
                                m_tools.value(kChangeSupplier),
                                m_tools.value(kFindSupplier),
                                supplierCode,
                                m_imei,
                                m_notes,
                                m_ok,
                                cancel,
                                help};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void CArticoloDialog::watchChildren() {
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

void CArticoloDialog::setExisting(bool existing) {
    m_existing = existing;
    m_imei->setEnabled(!existing);
}

void CArticoloDialog::setEnterSaves(bool on) {
    m_enterSaves = on;
    m_ok->setText(m_keyboardReader ? (on ? tr("Salva (Invio)") : tr("Salva (F2)")) : tr("OK"));
}

// --- Lists --------------------------------------------------------------------------------------

void CArticoloDialog::loadLists() {
    loadUnits(m_record.IDUM.value_or(0));
    // An opened item may have no category: it is in "Standard", which it keeps unless the user
    // picks another.
    loadClassification(QStringLiteral("IDCategoria"), m_record.IDCategoria.value_or(0), m_existing);
    loadClassification(QStringLiteral("IDGruppo"), m_record.IDGruppo.value_or(0), false);
    loadClassification(QStringLiteral("IDReparto"), m_record.IDReparto.value_or(0), false);
    loadClassification(QStringLiteral("IDScaffale"), m_record.IDScaffale.value_or(0), false);
    loadSuppliers(m_record.IDFornitore.value_or(0));
}

void CArticoloDialog::loadUnits(int selectKey) {
    QComboBox* c = m_combos.value(QStringLiteral("IDUM"));
    const bool armed = m_armed;
    m_armed = false;
    c->clear();
    QList<UnitsOfMeasure::Unit> units;
    UnitsOfMeasure::List(m_db, &units);
    for (const UnitsOfMeasure::Unit& u : units)
        c->addItem(u.sigla, u.id);
    const int index = c->findData(selectKey);
    // With entries but none chosen, a new item is offered the first one; an opened item keeps
    // what it has, no unit included.
    c->setCurrentIndex(index >= 0 ? index : (!m_existing && c->count() > 0 ? 0 : -1));
    if (c->currentIndex() < 0)
        c->setEditText(QString());
    m_armed = armed;
}

void CArticoloDialog::loadClassification(const QString& column, int selectKey, bool withStandard) {
    Table table = Table::Categorie;
    for (const ClassBox& b : kClassBoxes)
        if (column == QLatin1String(b.column))
            table = b.table;
    QComboBox* c = m_combos.value(column);
    const bool armed = m_armed;
    m_armed = false;
    c->clear();
    if (withStandard)
        c->addItem(tr("Standard"), 0);
    QList<Classifications::Entry> entries;
    Classifications::List(m_db, table, &entries);
    for (const Classifications::Entry& e : entries)
        c->addItem(e.name, e.key);
    const int index = c->findData(selectKey);
    if (index >= 0)
        c->setCurrentIndex(index);
    else if (table == Table::Categorie && !m_existing && c->count() > 0)
        c->setCurrentIndex(0);
    else {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    m_armed = armed;
}

void CArticoloDialog::loadSuppliers(int selectKey) {
    QComboBox* c = m_combos.value(QStringLiteral("IDFornitore"));
    m_supplierModel->load(m_db);
    c->setCurrentIndex(m_supplierModel->rowOfKey(selectKey));
    updateSupplierButtons();
}

void CArticoloDialog::updateSupplierButtons() {
    m_tools.value(kChangeSupplier)->setEnabled(chosenSupplier() > 0);
    m_tools.value(kFindSupplier)->setEnabled(!m_supplierModel->suppliers().isEmpty());
}

// --- Values -------------------------------------------------------------------------------------

void CArticoloDialog::showRecord() {
    m_armed = false;
    const ItemEditRecord& r = m_record;
    m_edits.value(QStringLiteral("Matricola"))->setText(r.Matricola);
    m_edits.value(QStringLiteral("Descrizione"))->setText(r.Descrizione);
    m_edits.value(QStringLiteral("CodBarre"))->setText(r.CodBarre);
    m_barcode->setText(r.CodBarre);
    m_edits.value(QStringLiteral("Prezzo"))
        ->setText(r.Prezzo.isValid() ? FormatCurrency(m_profile, r.Prezzo) : QString());
    auto number = [this](const std::optional<float>& v, int decimals, bool percent) {
        return v ? FormatNumber(m_profile, *v, decimals, percent) : QString();
    };
    m_edits.value(QStringLiteral("ScortaMin"))->setText(number(r.ScortaMin, -1, false));
    m_edits.value(QStringLiteral("GiacInit"))->setText(number(r.GiacInit, -1, false));
    m_edits.value(QStringLiteral("Sconto"))->setText(number(r.Sconto, -1, true));
    m_edits.value(QStringLiteral("Ricarico"))
        ->setText(number(r.Ricarico, MarkupRules::Decimals(m_profile), true));
    m_edits.value(QStringLiteral("CodForn"))->setText(r.CodForn);

    QComboBox* vat = m_combos.value(QStringLiteral("Iva"));
    int vatIndex = -1;
    if (r.Iva)
        for (int i = 0; i < vat->count(); ++i)
            if (Record::SameRate(ParseNumber(m_profile, vat->itemText(i), true), *r.Iva))
                vatIndex = i;
    vat->setCurrentIndex(vatIndex);
    if (vatIndex < 0)
        vat->setEditText(number(r.Iva, -1, true));

    m_vatIncluded->setChecked(r.IncIva.value_or(false));
    m_imei->setChecked(r.Imei.value_or(false));
    m_imei->setEnabled(!m_existing);
    ExchangeMemoField(m_prompt, m_notes, m_record.Notes, false);
    m_photo->setPicture(r.Foto);
    updatePriceChain();
}

void CArticoloDialog::updatePriceChain() {
    const PriceChain lines = PriceChain::Compute(
        m_profile, m_edits.value(QStringLiteral("Prezzo"))->text(),
        m_combos.value(QStringLiteral("Iva"))->currentText(), m_vatIncluded->isChecked(),
        m_edits.value(QStringLiteral("Ricarico"))->text(),
        m_edits.value(QStringLiteral("Sconto"))->text());
    m_purchaseLine->setText(lines.purchaseLine);
    m_sellingLine->setText(lines.sellingLine);
}

// --- Typing -------------------------------------------------------------------------------------

void CArticoloDialog::completeCode() {
    QLineEdit* code = m_edits.value(QStringLiteral("Matricola"));
    if (!m_armed || m_existing || m_large || m_erasing == code)
        return;
    const QString typed = code->text();
    const QString proposal = ItemStore(m_db).completeCode(typed);
    if (proposal.isEmpty())
        return;
    m_armed = false;
    code->setText(proposal);
    m_armed = true;
    // Further typing replaces the proposed part.
    code->setSelection(typed.size(), proposal.size() - typed.size());
}

void CArticoloDialog::suggestCheckChar() {
    QLineEdit* barcode = m_edits.value(QStringLiteral("CodBarre"));
    if (!m_armed || m_erasing == barcode)
        return;
    const QString text = barcode->text();
    const std::optional<QChar> check = SuggestedCheckChar(text);
    if (!check)
        return;
    m_armed = false;
    barcode->setText(text + *check);
    m_armed = true;
    // The next keystroke replaces the suggestion.
    barcode->setSelection(text.size(), 1);
}

void CArticoloDialog::completeCombo(QComboBox* combo) {
    QLineEdit* edit = combo->lineEdit();
    if (!m_armed || m_erasing == edit)
        return;
    const QString typed = edit->text();
    const QString wanted = typed.trimmed();
    if (wanted.isEmpty())
        return;
    for (int i = 0; i < combo->count(); ++i) {
        const QString entry = combo->itemText(i);
        if (!entry.trimmed().startsWith(wanted, Qt::CaseInsensitive))
            continue;
        m_armed = false;
        combo->setCurrentIndex(i);
        edit->setText(entry);
        m_armed = true;
        edit->setSelection(typed.size(), entry.size() - typed.size());
        return;
    }
}

void CArticoloDialog::searchSupplier() {
    const int key = ItemStore(m_db).supplierByCode(m_supplierSearch->text());
    QComboBox* c = m_combos.value(QStringLiteral("IDFornitore"));
    const int row = m_supplierModel->rowOfKey(key);
    if (row > 0)
        c->setCurrentIndex(row);
}

void CArticoloDialog::serialCodesToggled(bool on) {
    if (!on)
        return;
    const bool go = m_prompt.question(
        tr("Attenzione, utilizzare questa funzione con cautela, infatti una volta "
           "salvato l'articolo di magazzino questo valore non può più essere "
           "cambiato.\n") +
            tr("Con questa opzione attiva in ogni movimento dell'articolo verrà "
               "mostrata una finestra dove inserire un codice a barre per ogni "
               "singola quantità inserita.\n") +
            tr("Se ad esempio mettessi 4 come quantità occorrerebbe inserire 4 codici "
               "a barre diversi per questo articolo. Si desidera continuare comunque?"),
        false);
    if (!go)
        m_imei->setChecked(false);
}

bool CArticoloDialog::eventFilter(QObject* watched, QEvent* event) {
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
    if (type != QEvent::KeyPress || !IsEnter(key))
        return QDialog::eventFilter(watched, event);
    if (watched == m_notes && (key->modifiers() & Qt::ControlModifier)) {
        m_notes->insertPlainText(QStringLiteral("\n"));
        return true;
    }
    if (m_enterSaves) {
        save();
        return true;
    }
    // The Enter a reader sends after each code must not close the dialog.
    if (m_keyboardReader)
        return true;
    if (watched == m_notes) {
        save();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// --- Toolbars -----------------------------------------------------------------------------------

void CArticoloDialog::calculateMarkup() {
    if (!askMarkup)
        return;
    const CurrencyAmount price =
        ParseCurrency(m_profile, m_edits.value(QStringLiteral("Prezzo"))->text());
    auto percent = [this](const QString& text) {
        return text.trimmed().isEmpty() ? 0.0 : ParseNumber(m_profile, text, true);
    };
    const std::optional<double> markup =
        askMarkup(price, percent(m_combos.value(QStringLiteral("Iva"))->currentText()),
                  percent(m_edits.value(QStringLiteral("Sconto"))->text()),
                  percent(m_edits.value(QStringLiteral("Ricarico"))->text()));
    if (!markup || !std::isfinite(*markup))
        return;
    m_edits.value(QStringLiteral("Ricarico"))->setText(MarkupRules::Format(m_profile, *markup));
    updatePriceChain();
}

void CArticoloDialog::editUnits() {
    QComboBox* c = m_combos.value(QStringLiteral("IDUM"));
    const int current = c->currentIndex() >= 0 ? c->currentData().toInt() : 0;
    CUniMisDialog::RunInTransaction(m_db, m_profile, m_prompt, m_browser, this);
    loadUnits(current);
}

void CArticoloDialog::deleteUnused(int toolId) {
    for (const ClassBox& b : kClassBoxes) {
        if (b.tool != toolId)
            continue;
        QComboBox* c = m_combos.value(QLatin1String(b.column));
        QString typed;
        const int current = chosenKey(c, &typed);
        if (Classifications::DeleteUnused(m_db, b.table) < 0)
            ShowDbError(m_prompt, m_db.lastError());
        // Categories fall back to "Standard" (none) when the chosen one has just gone; a name
        // typed for a new row stays in the box.
        const bool standard = b.table == Table::Categorie;
        loadClassification(QLatin1String(b.column), current, standard);
        if (standard && c->currentData().toInt() != current)
            c->setCurrentIndex(0);
        if (!typed.isEmpty())
            c->setEditText(typed);
    }
}

void CArticoloDialog::newSupplier() {
    CAnagraficaDialog dialog(m_db, m_profile, m_prompt, m_browser,
                             CounterpartStore::NewRecord(CounterpartStore::Kind::Supplier), this);
    dialog.configureFor(CAnagraficaDialog::Caller::DocumentNew);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CliForRecord r = dialog.record();
    if (!CounterpartStore(m_db).save(r)) {
        ShowDbError(m_prompt, m_db.lastError());
        return;
    }
    loadSuppliers(r.IDCliFor);
}

void CArticoloDialog::changeSupplier() {
    const int key = chosenSupplier();
    if (key <= 0)
        return;
    // A supplier another computer deleted leaves the box once the user is told.
    auto failed = [this] {
        ShowDbError(m_prompt, m_db.lastError());
        if (IsMissingRow(m_db.lastError()))
            loadSuppliers(0);
    };
    CliForRecord r;
    if (!CounterpartStore(m_db).load(key, r))
        return failed();
    CAnagraficaDialog dialog(m_db, m_profile, m_prompt, m_browser, r, this);
    dialog.configureFor(CAnagraficaDialog::Caller::DocumentChange);
    if (dialog.exec() != QDialog::Accepted)
        return;
    r = dialog.record();
    if (!CounterpartStore(m_db).save(r))
        return failed();
    loadSuppliers(key);
}

void CArticoloDialog::findSupplier() {
    QString name;
    QString taxCode;
    if (!askFindSupplier || !askFindSupplier(&name, &taxCode))
        return;
    name = name.toLower();
    taxCode = taxCode.toLower();
    auto find = [this](auto matches) {
        for (const ItemStore::Supplier& s : m_supplierModel->suppliers())
            if (matches(s))
                return s.key;
        return 0;
    };
    int key = 0;
    if (!name.isEmpty())
        key = find([&](const ItemStore::Supplier& s) { return s.name.toLower().contains(name); });
    if (key == 0 && !taxCode.isEmpty())
        key = find(
            [&](const ItemStore::Supplier& s) { return s.taxCode.toLower().contains(taxCode); });
    QComboBox* c = m_combos.value(QStringLiteral("IDFornitore"));
    if (key > 0) {
        c->setCurrentIndex(m_supplierModel->rowOfKey(key));
        c->setFocus();
    } else {
        m_prompt.message(tr("Cliente o fornitore non trovato!"), IPrompt::Icon::Information);
    }
}

void CArticoloDialog::showHelp() {
    m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/articoli-magazzino.php")));
}

// --- Save ---------------------------------------------------------------------------------------

int CArticoloDialog::chosenKey(QComboBox* combo, QString* newName) const {
    const QString text = combo->currentText().trimmed();
    if (text.isEmpty())
        return 0;
    const int current = combo->currentIndex();
    if (current >= 0 && combo->itemText(current).trimmed() == text)
        return combo->itemData(current).toInt();
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i).trimmed() == text)
            return combo->itemData(i).toInt();
    if (newName)
        *newName = text;
    return 0;
}

int CArticoloDialog::chosenSupplier() const {
    QComboBox* c = m_combos.value(QStringLiteral("IDFornitore"));
    return c->currentIndex() > 0 ? c->currentData().toInt() : 0;
}

bool CArticoloDialog::warn(QWidget* field, const QString& title, const QString& text) {
    field->setFocus();
    m_prompt.balloon(field, title, text, IPrompt::Icon::Warning);
    return false;
}

bool CArticoloDialog::save() {
    ItemStore store(m_db);
    ItemStore::Save s;
    ItemEditRecord& r = s.record;
    r = m_record;
    QLineEdit* code = m_edits.value(QStringLiteral("Matricola"));
    QLineEdit* description = m_edits.value(QStringLiteral("Descrizione"));
    QLineEdit* barcode = m_edits.value(QStringLiteral("CodBarre"));
    QLineEdit* price = m_edits.value(QStringLiteral("Prezzo"));
    const bool checkDuplicates = !m_existing && !m_large;

    r.Matricola = FieldText(code);
    if (r.Matricola.isEmpty())
        return warn(code, tr("Errore matricola"),
                    tr("La matricola dell'articolo non può avere valore nullo!"));
    // A failed count lets the save go on unchecked.
    if (checkDuplicates && store.codeCount(r.Matricola).value_or(0) > 0)
        return warn(code, tr("Errore matricola"),
                    tr("La matricola è duplicata, scegliere un altro valore!"));
    r.Descrizione = FieldText(description);
    if (r.Descrizione.isEmpty())
        return warn(description, tr("Errore descrizione"),
                    tr("La descrizione dell'articolo non può avere valore nullo!"));
    r.CodBarre = FieldText(barcode);
    if (checkDuplicates && store.barcodeCount(r.CodBarre).value_or(0) > 0)
        return warn(barcode, tr("Errore codice a barre"),
                    tr("Il codice a barre è duplicato, scegliere un altro valore!"));
    // A price that is not an amount would otherwise be stored as no price without a word.
    r.Prezzo = ParseCurrency(m_profile, price->text());
    if (!price->text().trimmed().isEmpty() && !r.Prezzo.isValid())
        return warn(price, tr("Errore prezzo"), tr("Il prezzo non è un importo valido!"));

    r.IDUM = chosenKey(m_combos.value(QStringLiteral("IDUM")), nullptr);
    r.IDCategoria = chosenKey(m_combos.value(QStringLiteral("IDCategoria")), &s.newCategory);
    r.IDGruppo = chosenKey(m_combos.value(QStringLiteral("IDGruppo")), &s.newGroup);
    r.IDReparto = chosenKey(m_combos.value(QStringLiteral("IDReparto")), &s.newDepartment);
    r.IDScaffale = chosenKey(m_combos.value(QStringLiteral("IDScaffale")), &s.newShelf);
    r.IDFornitore = chosenSupplier();

    r.ScortaMin =
        OptionalNumber(m_profile, m_edits.value(QStringLiteral("ScortaMin"))->text(), false, false);
    r.GiacInit =
        OptionalNumber(m_profile, m_edits.value(QStringLiteral("GiacInit"))->text(), false, false);
    r.Sconto =
        OptionalNumber(m_profile, m_edits.value(QStringLiteral("Sconto"))->text(), true, true);
    r.Ricarico =
        OptionalNumber(m_profile, m_edits.value(QStringLiteral("Ricarico"))->text(), true, false);
    r.Iva =
        OptionalNumber(m_profile, m_combos.value(QStringLiteral("Iva"))->currentText(), true, true);
    r.IncIva = m_vatIncluded->isChecked();
    r.Imei = m_imei->isChecked();
    r.CodForn = FieldText(m_edits.value(QStringLiteral("CodForn")));
    r.Foto = m_photo->picture();
    if (!ExchangeMemoField(m_prompt, m_notes, r.Notes, true))
        return false;

    s.previousCategory = m_existing ? m_openedCategory : 0;
    if (!store.save(s, &m_profile)) {
        ShowDbError(m_prompt, m_db.lastError());
        // An item another computer deleted has nothing left to save into.
        if (m_existing && IsMissingRow(m_db.lastError())) {
            m_recordGone = true;
            reject();
        }
        return false;
    }
    m_record = r;
    accept();
    return true;
}

int CArticoloDialog::Run(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                         IFileDialogs& files, int itemId, bool many, QWidget* parent) {
    ItemEditRecord record = ItemStore::NewRecord();
    if (itemId > 0 && !ItemStore(db).load(itemId, record)) {
        ShowDbError(prompt, db.lastError());
        return IsMissingRow(db.lastError()) ? -1 : 0;
    }
    CArticoloDialog dialog(db, profile, prompt, browser, files, record, parent);
    dialog.setExisting(itemId > 0);
    dialog.setLargeArchive(many);
    if (dialog.exec() != QDialog::Accepted)
        return dialog.recordGone() ? -1 : 0;
    return dialog.record().IDArticolo;
}
