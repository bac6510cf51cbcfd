#include "company/ui/CValutaDialog.h"

#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/ui/SmallToolButton.h"
#include "company/Formats.h"
#include "company/ui/CFormatFields.h"
#include "company/ui/FieldHelpers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kRateEditLimit = 15;
constexpr int kRateMaxLength = 20;
} // namespace

CValutaDialog::CValutaDialog(const DocumentCurrency& document, const Profile& profile,
                             IPrompt& prompt, IBrowser& browser, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_prompt(prompt), m_result(document) {
    setObjectName(QStringLiteral("CValutaDialog"));
    setWindowTitle(tr("Valute e Numeri"));

    m_fields = new CFormatFields(profile, prompt, this);
    m_fields->setCurrency(DocumentCurrencyConvention(document, profile));
    m_fields->setNumbers(DocumentNumberConvention(document, profile));

    auto* exchange = new QGroupBox(tr("Cambio"), this);
    m_rateLabel = new QLabel(tr("1 %1 vale").arg(CompanyCurrencySymbol(profile)), exchange);
    m_rate = new QLineEdit(FormatExchangeRate(profile, document.effectiveRate()), exchange);
    m_rate->setObjectName(QStringLiteral("ValCambio"));
    m_rate->setMaxLength(kRateEditLimit);
    m_rate->setAlignment(Qt::AlignRight);
    m_rate->setFixedWidth(m_rate->fontMetrics().horizontalAdvance(QString(13, u'0')) + 12);
    m_rateLabel->setBuddy(m_rate);
    m_documentSymbol = new QLabel(m_fields->currency().symbol, exchange);
    m_documentSymbol->setObjectName(QStringLiteral("SimboloDocumento"));
    m_documentSymbol->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("MMM")));
    connect(m_fields->currencySymbol(), &QLineEdit::textChanged, m_documentSymbol,
            &QLabel::setText);
    QToolButton* converter =
        SmallToolButton(QStringLiteral("internet-web-browser"), QStyle::SP_BrowserReload,
                        tr("Apri Cambio Valute"), exchange);
    converter->setObjectName(QStringLiteral("ApriCambioValute"));
    connect(converter, &QToolButton::clicked, this,
            [&browser] { browser.open(CurrencyConverterPage()); });
    auto* rateLine = new QHBoxLayout(exchange);
    rateLine->addWidget(m_rateLabel);
    rateLine->addWidget(m_rate);
    rateLine->addWidget(m_documentSymbol);
    rateLine->addWidget(converter);
    rateLine->addStretch(1);

    m_updateBox = new QCheckBox(tr("Agg&iorna valori nel documento"), this);
    m_updateBox->setObjectName(QStringLiteral("AggiornaValori"));

    auto* save = new QPushButton(tr("Salva"), this);
    save->setObjectName(QStringLiteral("Salva"));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &CValutaDialog::accept);
    auto* cancel = new QPushButton(tr("Annulla"), this);
    cancel->setObjectName(QStringLiteral("Annulla"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fields);
    layout->addWidget(exchange);
    layout->addWidget(m_updateBox);
    layout->addLayout(buttons);
}

void CValutaDialog::accept() {
    using Group = CFormatFields::Group;
    if (!m_fields->checkSeparators(Group::Currency) || !m_fields->checkSeparators(Group::Numbers) ||
        !m_fields->checkLengths(Group::Currency) || !m_fields->checkLengths(Group::Numbers))
        return;
    QString rateText;
    if (!CheckFieldLength(m_prompt, m_rate, kRateMaxLength, &rateText))
        return;
    const CurrencyConvention currency = m_fields->currency();
    const NumberConvention numbers = m_fields->numbers();
    m_result.symbol = currency.symbol;
    m_result.decimals = currency.decimals;
    m_result.decimal = currency.decimal;
    m_result.grouping = currency.grouping;
    m_result.numberDecimals = numbers.decimals;
    m_result.numberDecimal = numbers.decimal;
    m_result.numberGrouping = numbers.grouping;
    // The rate is written in the company's number format, as it was shown.
    m_result.exchangeRate = float(ParseNumber(m_profile, rateText, false, true));
    m_updateValues = m_updateBox->isChecked();
    QDialog::accept();
}
