#include "items/ui/CImeiDialog.h"

#include "barcode/BarcodeReader.h"
#include "barcode/ui/CBarCodeWnd.h"
#include "barcode/ui/KeyboardReaderInput.h"
#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/Profile.h"
#include "common/ui/OneLineFields.h"
#include "common/ui/SmallToolButton.h"
#include "store/Database.h"
#include "store/ui/DbErrorDisplay.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
using S = Profile::Section;

const QString kReaderKey = QStringLiteral("LetBarImei");
// CodImei's width.
constexpr int kCodeWidth = 30;

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}
} // namespace

CImeiDialog::CImeiDialog(Database& db, Profile& profile, IPrompt& prompt, IBrowser& browser,
                         int itemId, int rowKey, int movementType, int count,
                         const QList<int>& editRows, QWidget* parent)
    : QDialog(parent), m_db(db), m_profile(profile), m_prompt(prompt), m_browser(browser),
      // The row's own codes count as the edit's even when the caller's list misses it.
      m_store(db, SerialKindFor(movementType),
              rowKey > 0 ? editRows + QList<int>{rowKey} : editRows),
      m_itemId(itemId), m_rowKey(rowKey > 0 ? rowKey : 0), m_count(count),
      m_keyboardReader(IsKeyboardReader(profile)) {
    setObjectName(QStringLiteral("CImeiDialog"));
    setWindowTitle(title());
    buildLayout();
    KeepFirstLineIn(this);
    // Attached after the dialog's own connections, so a scan is repaired before the Enter that
    // ends it inserts the code.
    if (m_keyboardReader)
        KeyboardReaderInput::Attach(m_code);
    loadCodes();
}

void CImeiDialog::buildLayout() {
    auto tool = [this](const char* text, const char* icon, QStyle::StandardPixmap fallback,
                       const QString& tip, const char* name) {
        QToolButton* b = SmallToolButton(QLatin1String(icon), fallback, tip, this);
        b->setText(tr(text));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    m_reader = tool(QT_TR_NOOP("&Lettore"), "scanner", QStyle::SP_DriveHDIcon,
                    tr("Con il lettore attivo ogni codice letto viene inserito"), "Lettore");
    m_reader->setCheckable(true);
    m_reader->setChecked(m_profile.integer(S::Settings, kReaderKey) != 0);
    m_insert = tool(QT_TR_NOOP("&Inserisci"), "list-add", QStyle::SP_FileIcon,
                    tr("Inserisci Codice"), "Inserisci");
    m_save = tool(QT_TR_NOOP("&Salva"), "document-save", QStyle::SP_DialogSaveButton,
                  tr("Salva Codice"), "SalvaCodice");
    m_remove = tool(QT_TR_NOOP("&Rimuovi"), "edit-delete", QStyle::SP_TrashIcon,
                    tr("Elimina Codice"), "Rimuovi");

    auto* toolbar = new QHBoxLayout;
    toolbar->setSpacing(2);
    toolbar->addWidget(m_reader);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    toolbar->addWidget(separator);
    for (QToolButton* b : {m_insert, m_save, m_remove})
        toolbar->addWidget(b);
    toolbar->addStretch(1);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("Codici"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumWidth(180);

    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("Codice"));
    m_code->setMaxLength(kCodeWidth);
    auto* codeLabel = new QLabel(tr("&Codice"), this);
    codeLabel->setBuddy(m_code);
    m_barcode = new CBarCodeWnd(this);
    m_barcode->setObjectName(QStringLiteral("BarcodePicture"));
    m_barcode->setMinimumHeight(64);
    m_remainingLabel = new QLabel(this);
    m_remainingLabel->setObjectName(QStringLiteral("DaInserire"));
    QFont bold = m_remainingLabel->font();
    bold.setBold(true);
    m_remainingLabel->setFont(bold);

    auto* right = new QGridLayout;
    right->addWidget(codeLabel, 0, 0);
    right->addWidget(m_code, 0, 1);
    right->addWidget(m_barcode, 1, 0, 1, 2);
    right->addWidget(m_remainingLabel, 2, 0, 1, 2);
    right->setRowStretch(3, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list);
    middle->addLayout(right, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(m_keyboardReader ? tr("Salva (F2)") : tr("Salva"),
                              QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("Annulla"));
    m_help = buttons->addButton(tr("&Aiuto"), QDialogButtonBox::HelpRole);
    m_help->setObjectName(QStringLiteral("Aiuto"));
    // No button takes Enter: the one a reader sends after each code must not press anything.
    for (QPushButton* b : {m_ok, m_cancel, m_help}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolbar);
    layout->addLayout(middle, 1);
    layout->addWidget(buttons);

    connect(m_insert, &QToolButton::clicked, this, &CImeiDialog::insertCode);
    connect(m_save, &QToolButton::clicked, this, &CImeiDialog::saveCode);
    connect(m_remove, &QToolButton::clicked, this, &CImeiDialog::removeCode);
    connect(m_ok, &QPushButton::clicked, this, &CImeiDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, &CImeiDialog::showHelp);
    connect(m_list, &QListWidget::currentRowChanged, this, &CImeiDialog::selectionChanged);
    connect(m_code, &QLineEdit::textChanged, m_barcode,
            [this] { m_barcode->setText(m_code->text()); });
    connect(m_code, &QLineEdit::returnPressed, this, [this] {
        if (readerMode())
            insertCode();
    });
    if (m_keyboardReader) {
        auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
        connect(f2, &QShortcut::activated, this, &CImeiDialog::confirm);
    }

    setTabOrder(m_code, m_list);
    setTabOrder(m_list, m_insert);
    setTabOrder(m_insert, m_save);
    setTabOrder(m_save, m_remove);
    setTabOrder(m_remove, m_reader);
    setTabOrder(m_reader, m_ok);
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_help);
    m_code->setFocus();
}

void CImeiDialog::loadCodes() {
    if (!m_store.list(m_rowKey, &m_codes)) {
        ShowDbError(m_prompt, m_db.lastError());
        m_codes.clear();
    }
    m_list->clear();
    for (const SerialCode& c : std::as_const(m_codes))
        m_list->addItem(c.code);
    m_remaining = m_count - int(m_codes.size());
    showRemaining();
    selectionChanged();
}

int CImeiDialog::exec() {
    if (m_itemId <= 0 || m_count <= 0 || m_store.kind() < 0) {
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

QList<int> CImeiDialog::codeKeys() const {
    QList<int> keys;
    for (const SerialCode& c : m_codes)
        keys << c.key;
    return keys;
}

QStringList CImeiDialog::codes() const {
    QStringList texts;
    for (const SerialCode& c : m_codes)
        texts << c.code;
    return texts;
}

bool CImeiDialog::readerMode() const {
    return m_reader->isChecked();
}

void CImeiDialog::showRemaining() {
    m_remainingLabel->setText(m_remaining >= 0 ? tr("Codici da inserire: %1").arg(m_remaining)
                                               : tr("Codici da rimuovere: %1").arg(-m_remaining));
}

void CImeiDialog::selectionChanged() {
    const int row = m_list->currentRow();
    const bool selected = row >= 0 && row < m_codes.size();
    m_save->setEnabled(selected);
    m_remove->setEnabled(selected);
    if (selected)
        m_code->setText(m_codes.at(row).code);
}

QString CImeiDialog::typedCode() {
    QString code = m_code->text().trimmed();
    // The field's limit counts UTF-16 units and can keep half of the last character.
    if (!code.isEmpty() && code.back().isHighSurrogate())
        code.chop(1);
    if (code.isEmpty()) {
        m_prompt.message(tr("Occorre inserire il codice a barre!"), IPrompt::Icon::Information);
        m_code->setFocus();
    }
    return code;
}

bool CImeiDialog::inList(const QString& code, int except) const {
    for (qsizetype i = 0; i < m_codes.size(); ++i)
        if (i != except && m_codes.at(i).code == code)
            return true;
    return false;
}

bool CImeiDialog::refused(const SerialResult& result) {
    if (result.ok())
        return false;
    m_prompt.message(result.text, result.icon);
    m_code->setFocus();
    return true;
}

void CImeiDialog::insertCode() {
    if (m_remaining <= 0) {
        m_prompt.message(tr("Numero articoli da movimentare uguali a zero!"),
                         IPrompt::Icon::Information);
        return;
    }
    const QString code = typedCode();
    if (code.isEmpty())
        return;
    if (inList(code, -1)) {
        m_prompt.message(tr("Il codice seriale %1 è già stato movimentato!").arg(code),
                         IPrompt::Icon::Information);
        m_code->setFocus();
        return;
    }
    int key = 0;
    if (refused(m_store.insert(m_rowKey, code, &key)))
        return;
    m_codes.append({key, code, m_store.isUnload()});
    m_list->addItem(code);
    m_list->setCurrentRow(int(m_codes.size()) - 1);
    --m_remaining;
    showRemaining();
    // The next code typed or scanned replaces the one just entered.
    m_code->setFocus();
    m_code->selectAll();
}

void CImeiDialog::saveCode() {
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_codes.size())
        return;
    const QString code = typedCode();
    if (code.isEmpty())
        return;
    if (inList(code, row)) {
        m_prompt.message(tr("Il codice seriale %1 è già stato movimentato!").arg(code),
                         IPrompt::Icon::Information);
        m_code->setFocus();
        return;
    }
    if (refused(m_store.change(m_codes.at(row).key, code)))
        return;
    m_codes[row].code = code;
    m_list->item(row)->setText(code);
}

void CImeiDialog::removeCode() {
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_codes.size())
        return;
    const int key = m_codes.at(row).key;
    if (refused(m_store.checkRemove(key)))
        return;
    if (!m_prompt.question(tr("Si desidera cancellare il codice a barre selezionato?")))
        return;
    if (refused(m_store.remove(key)))
        return;
    m_codes.removeAt(row);
    delete m_list->takeItem(row);
    ++m_remaining;
    showRemaining();
    selectionChanged();
}

void CImeiDialog::confirm() {
    if (m_remaining > 0) {
        m_prompt.message(tr("Occorre inserire ancora %1 codici a barre!").arg(m_remaining),
                         IPrompt::Icon::Warning);
        m_code->setFocus();
        return;
    }
    if (m_remaining < 0) {
        m_prompt.message(tr("Occorre rimuovere ancora %1 codici a barre!").arg(-m_remaining),
                         IPrompt::Icon::Warning);
        m_list->setFocus();
        return;
    }
    accept();
}

void CImeiDialog::showHelp() {
    m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/imei-code.php")));
}

void CImeiDialog::keyPressEvent(QKeyEvent* event) {
    // Whatever has the focus, Enter closes nothing (the code field's own use of it is above).
    if (IsEnter(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CImeiDialog::done(int result) {
    m_profile.setValue(S::Settings, kReaderKey, m_reader->isChecked() ? 1 : 0);
    QDialog::done(result);
}
