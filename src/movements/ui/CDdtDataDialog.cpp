#include "movements/ui/CDdtDataDialog.h"

#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/Profile.h"
#include "common/ui/OneLineFields.h"
#include "company/ui/FieldHelpers.h"
#include "movements/MovementTypes.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using G = OtherDataField::Group;

// The width of a field that shows about this many characters of ordinary text.
int WidthFor(const QWidget* w, int characters) {
    return w->fontMetrics().averageCharWidth() * characters + 12;
}

} // namespace

CDdtDataDialog::CDdtDataDialog(Profile& profile, IPrompt& prompt, IBrowser& browser, int mode,
                               const OtherData& data, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_prompt(prompt), m_browser(browser), m_mode(mode),
      m_data(data) {
    setObjectName(QStringLiteral("CDdtDataDialog"));
    setWindowTitle(title());

    for (const OtherDataField& f : OtherDataFields()) {
        const QString column = QLatin1String(f.column);
        QLineEdit* edit = nullptr;
        if (column == QLatin1String("CondPag")) {
            m_condPag = new QComboBox(this);
            m_condPag->setObjectName(column);
            m_condPag->setEditable(true);
            m_condPag->setInsertPolicy(QComboBox::NoInsert);
            m_condPag->addItems(paymentTerms());
            edit = m_condPag->lineEdit();
        } else {
            edit = new QLineEdit(this);
        }
        // No maximum length on the field: a longer text is refused, with the limit said, when
        // the dialog closes, rather than cut without a word while typing or pasting.
        edit->setObjectName(column);
        edit->setToolTip(tr("Al massimo %1 caratteri").arg(f.limit));
        m_fields.insert(column, edit);
    }
    KeepFirstLineIn(this);
    buildLayout();

    // Only an unload is an invoice: the other documents carry transport data alone.
    const bool invoice = m_mode == MovementType::Scarico;
    for (G g : {G::Invoice, G::Destination, G::Footer})
        m_groups.value(int(g))->setEnabled(invoice);
    m_saveFooter->setEnabled(invoice);

    OtherData shown = data;
    // An invoice without a title is a new one: it starts as an immediate invoice with the
    // usual transport terms. Elsewhere the title is not edited (and a load never keeps one),
    // so nothing is proposed in its name.
    if (invoice && shown.titolo.isEmpty()) {
        shown.aspetto = OtherDataDefaults::kAspetto;
        shown.porto = OtherDataDefaults::kPorto;
        shown.titolo = OtherDataDefaults::kTitolo;
    }
    showTexts(shown);
    field(QStringLiteral("Causale"))->setFocus();
}

QStringList CDdtDataDialog::paymentTerms() {
    return {
        QStringLiteral("RIMESSA DIRETTA"),
        QStringLiteral("CONTANTI"),
        QStringLiteral("CONTRASSEGNO"),
        QStringLiteral("ASSEGNO"),
        QStringLiteral("CARTA DI CREDITO"),
        QStringLiteral("BONIFICO BANCARIO"),
        QStringLiteral("BONIFICO BANCARIO ANTICIPATO"),
        QStringLiteral("BONIFICO BANCARIO 30 GG D.F."),
        QStringLiteral("BONIFICO BANCARIO 60 GG D.F."),
        QStringLiteral("BONIFICO 30 GG D.F.F.M."),
        QStringLiteral("RI.BA. 30 GG D.F."),
        QStringLiteral("RI.BA. 60 GG D.F."),
        QStringLiteral("RI.BA. 90 GG D.F."),
        QStringLiteral("RI.BA. 30 GG D.F.F.M."),
        QStringLiteral("RI.BA. 30/60 GG D.F.F.M."),
        QStringLiteral("RI.BA. 30/60/90 GG D.F.F.M."),
    };
}

void CDdtDataDialog::buildLayout() {
    auto widget = [this](const char* column) -> QWidget* {
        if (QLatin1String(column) == QLatin1String("CondPag"))
            return m_condPag;
        return field(QLatin1String(column));
    };
    auto label = [this, widget](const QString& text, const char* column) {
        auto* l = new QLabel(text, this);
        l->setBuddy(widget(column));
        return l;
    };
    auto box = [this](G g, const QString& caption, const char* name) {
        auto* b = new QGroupBox(caption, this);
        b->setObjectName(QLatin1String(name));
        m_groups.insert(int(g), b);
        return b;
    };

    // Transport: the short texts side by side, the carrier's name wide.
    QGroupBox* transport = box(G::Transport, tr("Trasporto"), "Trasporto");
    auto* t = new QGridLayout(transport);
    const struct {
        const char* text;
        const char* column;
        int row, col;
    } transportFields[] = {
        {QT_TR_NOOP("&Causale"), "Causale", 0, 0}, {QT_TR_NOOP("&Vettore"), "Vettore", 1, 0},
        {QT_TR_NOOP("A&spetto"), "Aspetto", 2, 0}, {QT_TR_NOOP("&Porto"), "Porto", 3, 0},
        {QT_TR_NOOP("C&olli"), "Colli", 4, 0},     {QT_TR_NOOP("P&eso"), "Peso", 4, 2},
    };
    for (const auto& f : transportFields) {
        t->addWidget(label(tr(f.text), f.column), f.row, f.col);
        const bool narrow = f.row == 4;
        t->addWidget(widget(f.column), f.row, f.col + 1, 1, narrow ? 1 : 3);
    }
    for (const char* c : {"Colli", "Peso"})
        field(QLatin1String(c))->setMaximumWidth(WidthFor(this, 12));
    field(QStringLiteral("Vettore"))->setMinimumWidth(WidthFor(this, 40));
    t->setColumnStretch(1, 1);
    t->setColumnStretch(3, 1);
    t->setRowStretch(5, 1);

    // Invoice.
    QGroupBox* invoice = box(G::Invoice, tr("Fattura"), "Fattura");
    auto* inv = new QGridLayout(invoice);
    const std::pair<const char*, const char*> invoiceFields[] = {
        {QT_TR_NOOP("&Titolo"), "Titolo"},
        {QT_TR_NOOP("Con&dizioni di pagamento"), "CondPag"},
        {QT_TR_NOOP("&Banca"), "Banca"},
        {QT_TR_NOOP("&IBAN"), "IBAN"},
    };
    int row = 0;
    for (const auto& [text, column] : invoiceFields) {
        inv->addWidget(label(tr(text), column), row, 0);
        inv->addWidget(widget(column), row, 1);
        ++row;
    }
    inv->setColumnStretch(1, 1);
    inv->setRowStretch(row, 1);
    field(QStringLiteral("IBAN"))->setMinimumWidth(WidthFor(this, 34));

    // Alternative destination.
    QGroupBox* destination = box(G::Destination, tr("Destinazione diversa"), "DestinazioneDiversa");
    auto* d = new QGridLayout(destination);
    const std::pair<const char*, const char*> destinationFields[] = {
        {QT_TR_NOOP("&Ragione sociale"), "RagSocDiv"},
        {QT_TR_NOOP("I&ndirizzo"), "IndirizzoDiv"},
        {QT_TR_NOOP("Co&mune"), "ComuneDiv"},
    };
    row = 0;
    for (const auto& [text, column] : destinationFields) {
        d->addWidget(label(tr(text), column), row, 0);
        d->addWidget(widget(column), row, 1);
        ++row;
    }
    d->setColumnStretch(1, 1);

    // Footer lines, as they stand on the invoice: the first line in two halves.
    QGroupBox* footer = box(G::Footer, tr("Righe a piè di fattura"), "PieDiFattura");
    auto* ft = new QGridLayout(footer);
    QLineEdit* left = field(QStringLiteral("Riga1SX"));
    QLineEdit* right = field(QStringLiteral("Riga1DX"));
    left->setPlaceholderText(tr("a sinistra"));
    right->setPlaceholderText(tr("a destra"));
    ft->addWidget(label(tr("Riga &1"), "Riga1SX"), 0, 0);
    auto* halves = new QHBoxLayout;
    halves->addWidget(left, 1);
    halves->addWidget(right, 1);
    ft->addLayout(halves, 0, 1);
    row = 1;
    for (const auto& [text, column] :
         {std::pair{QT_TR_NOOP("Riga &2"), "Riga2"}, std::pair{QT_TR_NOOP("Riga &3"), "Riga3"},
          std::pair{QT_TR_NOOP("Riga &4"), "Riga4"}}) {
        ft->addWidget(label(tr(text), column), row, 0);
        ft->addWidget(widget(column), row, 1);
        ++row;
    }
    auto* reduced = new QLabel(tr("Fattura in regime di vantaggio (minimi)"), footer);
    QFont bold = reduced->font();
    bold.setBold(true);
    reduced->setFont(bold);
    ft->addWidget(reduced, row++, 0, 1, 2);
    for (const auto& [text, column] :
         {std::pair{QT_TR_NOOP("Riga 1"), "Riga1Min"}, std::pair{QT_TR_NOOP("Riga 2"), "Riga2Min"},
          std::pair{QT_TR_NOOP("Riga 3"), "Riga3Min"}}) {
        ft->addWidget(label(tr(text), column), row, 0);
        ft->addWidget(widget(column), row, 1);
        ++row;
    }
    m_defaultText = new QPushButton(tr("Testo Defa&ult"), footer);
    m_defaultText->setObjectName(QStringLiteral("TestoDefault"));
    m_defaultText->setAutoDefault(false);
    m_defaultText->setToolTip(tr("Riempie le righe a piè di fattura con i testi "
                                 "predefiniti"));
    auto* defaultLine = new QHBoxLayout;
    defaultLine->addStretch(1);
    defaultLine->addWidget(m_defaultText);
    ft->addLayout(defaultLine, row, 0, 1, 2);
    ft->setColumnStretch(1, 1);
    // The long lines are shown whole where the screen allows it.
    field(QStringLiteral("Riga2"))->setMinimumWidth(WidthFor(this, 130));

    // Buttons: help on the left, the two ways to close on the right.
    m_help = new QPushButton(tr("&Aiuto"), this);
    m_help->setObjectName(QStringLiteral("Aiuto"));
    m_help->setAutoDefault(false);
    m_saveFooter = new QPushButton(tr("C&hiudi e Salva Testo Fattura"), this);
    m_saveFooter->setObjectName(QStringLiteral("ChiudiESalvaTestoFattura"));
    m_saveFooter->setAutoDefault(false);
    m_saveFooter->setToolTip(tr("Chiude e usa queste righe a piè di fattura anche "
                                "per i nuovi scarichi"));
    m_close = new QPushButton(tr("Chiudi"), this);
    m_close->setObjectName(QStringLiteral("Chiudi"));
    m_close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_help);
    buttons->addStretch(1);
    buttons->addWidget(m_saveFooter);
    buttons->addWidget(m_close);

    connect(m_defaultText, &QPushButton::clicked, this, &CDdtDataDialog::fillDefaultFooter);
    connect(m_saveFooter, &QPushButton::clicked, this, &CDdtDataDialog::saveFooterAndClose);
    connect(m_close, &QPushButton::clicked, this, &CDdtDataDialog::accept);
    connect(m_help, &QPushButton::clicked, this, &CDdtDataDialog::showHelp);

    auto* top = new QHBoxLayout;
    top->addWidget(transport, 1);
    top->addWidget(invoice, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(destination);
    layout->addWidget(footer);
    layout->addStretch(1);
    layout->addLayout(buttons);

    // Tab walks the groups as they are read: transport, invoice, destination, footer, buttons.
    QList<QWidget*> order;
    for (const OtherDataField& f : OtherDataFields()) {
        QWidget* w = widget(f.column);
        order << w;
        if (QLatin1String(f.column) == QLatin1String("Riga3Min"))
            order << m_defaultText;
    }
    order << m_saveFooter << m_close << m_help;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void CDdtDataDialog::showTexts(const OtherData& data) {
    for (const OtherDataField& f : OtherDataFields()) {
        const QString& text = data.*f.text;
        if (QLatin1String(f.column) == QLatin1String("CondPag")) {
            // A text of the list selects it; any other stays as typed.
            m_condPag->setCurrentIndex(m_condPag->findText(text));
            m_condPag->setEditText(text);
        } else {
            field(QLatin1String(f.column))->setText(text);
        }
        field(QLatin1String(f.column))->setCursorPosition(0);
    }
}

bool CDdtDataDialog::collect(OtherData* data) {
    OtherData read;
    for (const OtherDataField& f : OtherDataFields())
        if (!CheckFieldLength(m_prompt, field(QLatin1String(f.column)), f.limit, &(read.*f.text)))
            return false;
    *data = read;
    return true;
}

void CDdtDataDialog::accept() {
    OtherData read;
    if (!collect(&read))
        return;
    m_data = read;
    QDialog::accept();
}

void CDdtDataDialog::fillDefaultFooter() {
    OtherData texts;
    ApplyFooter(DefaultInvoiceFooter(), texts);
    for (const OtherDataField& f : OtherDataFields()) {
        if (f.group != G::Footer)
            continue;
        QLineEdit* edit = field(QLatin1String(f.column));
        edit->setText(texts.*f.text);
        edit->setCursorPosition(0);
    }
}

void CDdtDataDialog::saveFooterAndClose() {
    OtherData read;
    if (!collect(&read))
        return;
    SaveInvoiceFooter(m_profile, FooterOf(read));
    m_data = read;
    QDialog::accept();
}

void CDdtDataDialog::showHelp() {
    m_browser.open(MakerPage(m_profile, QStringLiteral("/aiuto/Quarzil/altri-dati.php")));
}
