#include "items/ui/CRicaricoDialog.h"

#include "company/Formats.h"
#include "items/MarkupRules.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit* ShownField(const QString& text, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    return field;
}
} // namespace

CRicaricoDialog::CRicaricoDialog(Profile& profile, const CurrencyAmount& price, double vat,
                                 double discount, double markup, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_price(price), m_markup(markup) {
    setObjectName(QStringLiteral("CRicaricoDialog"));
    setWindowTitle(title());
    setMinimumWidth(320);

    auto* priceField = ShownField(FormatCurrency(profile, price), this);
    auto* vatField = ShownField(FormatNumber(profile, vat, -1, true), this);
    auto* discountField = ShownField(FormatNumber(profile, discount, -1, true), this);
    m_markupField = ShownField(MarkupRules::Format(profile, markup), this);
    m_markupField->setObjectName(QStringLiteral("markup"));
    m_selling =
        new QLineEdit(FormatCurrency(profile, MarkupRules::SellingPrice(price, markup)), this);
    m_selling->setObjectName(QStringLiteral("sellingPrice"));
    m_selling->setAlignment(Qt::AlignRight);

    auto* form = new QFormLayout;
    form->addRow(tr("&Prezzo d'acquisto"), priceField);
    form->addRow(tr("&I.V.A."), vatField);
    form->addRow(tr("&Sconto"), discountField);
    form->addRow(tr("&Ricarico"), m_markupField);
    form->addRow(tr("Prezzo di &vendita"), m_selling);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_save = buttons->addButton(tr("Salva"), QDialogButtonBox::AcceptRole);
    m_save->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    // Connected only now: the opening text must not recompute the mark-up.
    connect(m_selling, &QLineEdit::textChanged, this, &CRicaricoDialog::sellingPriceChanged);
    m_selling->setFocus();
    m_selling->selectAll();
}

double CRicaricoDialog::markup() const {
    return m_markup;
}

QLineEdit* CRicaricoDialog::sellingPriceField() const {
    return m_selling;
}

void CRicaricoDialog::sellingPriceChanged(const QString& text) {
    const auto markup = MarkupRules::FromSellingPrice(m_price, ParseCurrency(m_profile, text));
    // Without a purchase price or a readable selling price there is no mark-up to save.
    m_save->setEnabled(markup.has_value());
    if (!markup) {
        m_markupField->clear();
        return;
    }
    m_markup = *markup;
    m_markupField->setText(MarkupRules::Format(m_profile, m_markup));
}
