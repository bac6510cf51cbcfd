#include "counterparts/ui/CAnagraficaDialog.h"

#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/ui/OneLineFields.h"
#include "common/ui/SmallToolButton.h"
#include "company/Formats.h"
#include "company/ui/FieldHelpers.h"
#include "counterparts/CounterpartStore.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct FieldDesc {
    const char* column;
    const char* label;
    int width;
    const char* cue;
    QString CliForRecord::*member;
};

// In the order the save checks them after the code and the name.
const FieldDesc kFields[] = {
    {"Codice", QT_TRANSLATE_NOOP("CAnagraficaDialog", "&Codice"), 20, "", &CliForRecord::Codice},
    {"RagSoc", QT_TRANSLATE_NOOP("CAnagraficaDialog", "&Rag.Soc."), 100,
     QT_TRANSLATE_NOOP("CAnagraficaDialog", "Valore Richiesto"), &CliForRecord::RagSoc},
    {"Indirizzo", QT_TRANSLATE_NOOP("CAnagraficaDialog", "&Indirizzo"), 100,
     QT_TRANSLATE_NOOP("CAnagraficaDialog", "Es. Via Giuseppe Garibaldi, 25"),
     &CliForRecord::Indirizzo},
    {"Comune", QT_TRANSLATE_NOOP("CAnagraficaDialog", "Co&mune"), 100,
     QT_TRANSLATE_NOOP("CAnagraficaDialog", "Es. 20121 Milano (MI)"), &CliForRecord::Comune},
    {"Telefono", QT_TRANSLATE_NOOP("CAnagraficaDialog", "&Telefono"), 20, "",
     &CliForRecord::Telefono},
    {"Cellulare", QT_TRANSLATE_NOOP("CAnagraficaDialog", "Ce&llulare"), 20, "",
     &CliForRecord::Cellulare},
    {"EMail", QT_TRANSLATE_NOOP("CAnagraficaDialog", "&E-Mail"), 50, "", &CliForRecord::EMail},
    {"Web", QT_TRANSLATE_NOOP("CAnagraficaDialog", "&Sito Web"), 50, "", &CliForRecord::Web},
    {"CodFisc", QT_TRANSLATE_NOOP("CAnagraficaDialog", "C&od.Fisc"), 16, "",
     &CliForRecord::CodFisc},
    {"PartIva", QT_TRANSLATE_NOOP("CAnagraficaDialog", "&Part.IVA"), 30, "",
     &CliForRecord::PartIva},
    {"Banca", QT_TRANSLATE_NOOP("CAnagraficaDialog", "&Banca"), 200, "", &CliForRecord::Banca},
    {"IBAN", QT_TRANSLATE_NOOP("CAnagraficaDialog", "IBAN"), 50, "", &CliForRecord::IBAN},
};

const FieldDesc& Describe(const char* column) {
    for (const FieldDesc& f : kFields)
        if (qstrcmp(f.column, column) == 0)
            return f;
    Q_UNREACHABLE();
}

} // namespace

CAnagraficaDialog::CAnagraficaDialog(Database& db, Profile& profile, IPrompt& prompt,
                                     IBrowser& browser, const CliForRecord& record, QWidget* parent)
    : QDialog(parent), m_db(db), m_profile(profile), m_prompt(prompt), m_browser(browser),
      m_record(record) {
    setObjectName(QStringLiteral("CAnagraficaDialog"));
    setWindowTitle(title());

    for (const FieldDesc& f : kFields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(f.column));
        edit->setMaxLength(f.width);
        edit->setPlaceholderText(*f.cue ? tr(f.cue) : QString());
        m_fields.insert(QLatin1String(f.column), edit);
    }
    auto* discount = new QLineEdit(this);
    discount->setObjectName(QStringLiteral("Sconto"));
    m_fields.insert(QStringLiteral("Sconto"), discount);
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("Notes"));
    m_notes->setTabChangesFocus(true);
    m_notes->installEventFilter(this);
    QLineEdit* code = m_fields.value(QStringLiteral("Codice"));
    code->installEventFilter(this);
    connect(code, &QLineEdit::textChanged, this, &CAnagraficaDialog::completeCode);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    int row = 0;
    auto label = [this](const QString& column, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setBuddy(m_fields.value(column));
        return l;
    };
    auto cell = [&](const char* column, QWidget* widget, int col, int span) {
        grid->addWidget(label(QLatin1String(column), column == QByteArray("Sconto")
                                                         ? tr("Sco&nto")
                                                         : tr(Describe(column).label)),
                        row, col);
        grid->addWidget(widget ? widget : m_fields.value(QLatin1String(column)), row, col + 1, 1,
                        span);
    };
    auto withButton = [this](const char* column, QToolButton* button) {
        auto* box = new QWidget(this);
        auto* h = new QHBoxLayout(box);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(2);
        h->addWidget(m_fields.value(QLatin1String(column)), 1);
        h->addWidget(button);
        return box;
    };

    QToolButton* taxCode = TaxCodeToolButton(m_profile, m_browser, this);
    // A whole tax code in view, however narrow the dialog's columns come out.
    QLineEdit* codFisc = m_fields.value(QStringLiteral("CodFisc"));
    codFisc->setMinimumWidth(
        codFisc->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW00W00W000W")) + 12);
    QToolButton* vatNumber = VatNumberToolButton(m_profile, m_browser, this);

    cell("Codice", nullptr, 0, 1);
    cell("Sconto", nullptr, 2, 1);
    ++row;
    for (const char* column : {"RagSoc", "Indirizzo", "Comune"}) {
        cell(column, nullptr, 0, 3);
        ++row;
    }
    cell("Telefono", nullptr, 0, 1);
    cell("Cellulare", nullptr, 2, 1);
    ++row;
    cell("EMail", nullptr, 0, 1);
    cell("Web", nullptr, 2, 1);
    ++row;
    cell("CodFisc", withButton("CodFisc", taxCode), 0, 1);
    cell("PartIva", withButton("PartIva", vatNumber), 2, 1);
    ++row;
    cell("Banca", nullptr, 0, 3);
    ++row;
    cell("IBAN", nullptr, 0, 3);
    ++row;

    auto* notesLabel = new QLabel(
        tr("Inserire qui le note. Premere Ctrl+Invio per inserire una nuova riga"), this);
    notesLabel->setBuddy(m_notes);

    auto* saveButton = new QPushButton(tr("&Salva"), this);
    saveButton->setObjectName(QStringLiteral("Salva"));
    saveButton->setDefault(true);
    connect(saveButton, &QPushButton::clicked, this, &CAnagraficaDialog::save);
    auto* cancelButton = new QPushButton(tr("&Annulla"), this);
    cancelButton->setObjectName(QStringLiteral("Annulla"));
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(notesLabel);
    layout->addWidget(m_notes, 1);
    layout->addLayout(buttons);

    KeepFirstLineIn(this);
    showRecord();
    m_completing = true;
}

void CAnagraficaDialog::configureFor(Caller caller) {
    // Codes are kept unique only when a record is created; the discount is a customer's and is
    // not offered from the documents.
    switch (caller) {
    case Caller::NewCustomer:
        setDuplicateCheck(true);
        setDiscountEnabled(true);
        break;
    case Caller::NewSupplier:
    case Caller::DocumentNew:
        setDuplicateCheck(true);
        setDiscountEnabled(false);
        break;
    case Caller::Edit:
        setDuplicateCheck(false);
        setDiscountEnabled(CounterpartStore::KindOf(m_record) == CounterpartStore::Kind::Customer);
        break;
    case Caller::DocumentChange:
        setDuplicateCheck(false);
        setDiscountEnabled(false);
        break;
    }
}

bool CAnagraficaDialog::discountEnabled() const {
    return m_fields.value(QStringLiteral("Sconto"))->isEnabled();
}

void CAnagraficaDialog::setDiscountEnabled(bool on) {
    QLineEdit* discount = m_fields.value(QStringLiteral("Sconto"));
    discount->setEnabled(on);
    // Its label greys with it, so the field is plainly not one to fill.
    for (QLabel* label : findChildren<QLabel*>())
        if (label->buddy() == discount)
            label->setEnabled(on);
}

void CAnagraficaDialog::showRecord() {
    m_completing = false;
    for (const FieldDesc& f : kFields)
        m_fields.value(QLatin1String(f.column))->setText(m_record.*f.member);
    const float discount = m_record.Sconto.value_or(0.0f);
    m_fields.value(QStringLiteral("Sconto"))
        ->setText(discount > 0.0f ? FormatNumber(m_profile, discount, -1, true) : QString());
    ExchangeMemoField(m_prompt, m_notes, m_record.Notes, false);
}

bool CAnagraficaDialog::save() {
    CliForRecord r = m_record;
    auto check = [&](const char* column) {
        const FieldDesc& f = Describe(column);
        QString text;
        if (!CheckFieldLength(m_prompt, m_fields.value(QLatin1String(column)), f.width, &text))
            return false;
        // The edit's length limit counts UTF-16 units and can keep half of the last character.
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
        r.*f.member = text.isEmpty() ? QString() : text;
        return true;
    };
    if (!check("Codice") || !check("RagSoc"))
        return false;
    if (m_duplicateCheck) {
        // A failed count lets the save go on unchecked.
        if (CounterpartStore(m_db).codeCount(r.Codice).value_or(0) > 0) {
            QLineEdit* code = m_fields.value(QStringLiteral("Codice"));
            code->setFocus();
            m_prompt.balloon(code, tr("Errore codice"),
                             tr("Il codice è duplicato, scegliere un altro valore!"),
                             IPrompt::Icon::Warning);
            return false;
        }
    }
    if (r.RagSoc.isEmpty()) {
        QLineEdit* name = m_fields.value(QStringLiteral("RagSoc"));
        name->setFocus();
        m_prompt.balloon(name, tr("Errore ragione sociale"),
                         tr("La ragione sociale non può avere un valore nullo!"),
                         IPrompt::Icon::Warning);
        return false;
    }
    const double discount =
        ParseNumber(m_profile, m_fields.value(QStringLiteral("Sconto"))->text(), true, true);
    if (discount > 0.0)
        r.Sconto = static_cast<float>(discount);
    else
        r.Sconto.reset();
    for (const char* column :
         {"Indirizzo", "Comune", "Telefono", "Cellulare", "EMail", "Web", "CodFisc", "PartIva"})
        if (!check(column))
            return false;
    if (!ExchangeMemoField(m_prompt, m_notes, r.Notes, true))
        return false;
    if (!check("Banca") || !check("IBAN"))
        return false;
    m_record = r;
    accept();
    return true;
}

void CAnagraficaDialog::completeCode() {
    if (!m_completing || m_erasing)
        return;
    QLineEdit* code = m_fields.value(QStringLiteral("Codice"));
    const QString typed = code->text();
    const QString proposal = CounterpartStore(m_db).completeCode(typed);
    if (proposal.isEmpty())
        return;
    m_completing = false;
    code->setText(proposal);
    m_completing = true;
    // Further typing replaces the proposed part.
    code->setSelection(typed.size(), proposal.size() - typed.size());
}

bool CAnagraficaDialog::eventFilter(QObject* watched, QEvent* event) {
    // A release the field never sees (the focus went elsewhere) must not stop completion.
    if (event->type() == QEvent::FocusOut && watched == m_fields.value(QStringLiteral("Codice")))
        m_erasing = false;
    const bool press = event->type() == QEvent::KeyPress;
    if (press || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_fields.value(QStringLiteral("Codice")) &&
            (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) &&
            !key->isAutoRepeat())
            m_erasing = press;
        if (watched == m_notes && press &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            // As in the other dialogs, Enter saves; a new line in the notes takes Ctrl+Enter.
            if (key->modifiers() & Qt::ControlModifier)
                m_notes->insertPlainText(QStringLiteral("\n"));
            else
                save();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
