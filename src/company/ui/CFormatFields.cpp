#include "company/ui/CFormatFields.h"

#include "common/IPrompt.h"
#include "company/Formats.h"
#include "company/ui/FieldHelpers.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int kSymbolLength = 3;
constexpr int kOneCharacter = 1;
constexpr double kExample = 12345678.5834;

QLineEdit* ShortEdit(const QString& name, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) + 16);
    return edit;
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QString Example(const QString& text) {
    return QCoreApplication::translate("CFormatFields", "Esempio: %1").arg(text);
}
} // namespace

CFormatFields::CFormatFields(const Profile& profile, IPrompt& prompt, QWidget* parent)
    : QWidget(parent), m_profile(profile), m_prompt(prompt) {
    auto* currencyBox = new QGroupBox(tr("Valuta"), this);
    m_symbol = ShortEdit(QStringLiteral("SimbVal"), kSymbolLength, currencyBox);
    m_decimals = ShortEdit(QStringLiteral("NDecVal"), kOneCharacter, currencyBox);
    m_decimal = ShortEdit(QStringLiteral("DecVal"), kOneCharacter, currencyBox);
    m_grouping = ShortEdit(QStringLiteral("MigVal"), kOneCharacter, currencyBox);
    m_currencyExample = new QLabel(currencyBox);
    m_currencyExample->setObjectName(QStringLiteral("EsempioValuta"));
    auto* currencyGrid = new QGridLayout(currencyBox);
    currencyGrid->addWidget(Label(tr("Simbolo &valuta"), m_symbol, currencyBox), 0, 0);
    currencyGrid->addWidget(m_symbol, 0, 1);
    currencyGrid->addWidget(Label(tr("N° &decimali"), m_decimals, currencyBox), 0, 3);
    currencyGrid->addWidget(m_decimals, 0, 4);
    currencyGrid->addWidget(Label(tr("Simbolo d&ecimali"), m_decimal, currencyBox), 1, 0);
    currencyGrid->addWidget(m_decimal, 1, 1);
    currencyGrid->addWidget(Label(tr("Raggruppamento &cifre"), m_grouping, currencyBox), 1, 3);
    currencyGrid->addWidget(m_grouping, 1, 4);
    currencyGrid->addWidget(m_currencyExample, 2, 0, 1, 5);
    currencyGrid->setColumnMinimumWidth(2, 24);
    currencyGrid->setColumnStretch(5, 1);

    auto* numberBox = new QGroupBox(tr("Numeri"), this);
    m_numberDecimals = ShortEdit(QStringLiteral("NDecValNum"), kOneCharacter, numberBox);
    m_numberDecimal = ShortEdit(QStringLiteral("DecValNum"), kOneCharacter, numberBox);
    m_numberGrouping = ShortEdit(QStringLiteral("MigValNum"), kOneCharacter, numberBox);
    m_numberExample = new QLabel(numberBox);
    m_numberExample->setObjectName(QStringLiteral("EsempioNumeri"));
    auto* numberGrid = new QGridLayout(numberBox);
    numberGrid->addWidget(Label(tr("N° decima&li"), m_numberDecimals, numberBox), 0, 0);
    numberGrid->addWidget(m_numberDecimals, 0, 1);
    numberGrid->addWidget(Label(tr("Simbolo deci&mali"), m_numberDecimal, numberBox), 1, 0);
    numberGrid->addWidget(m_numberDecimal, 1, 1);
    numberGrid->addWidget(Label(tr("Raggruppamento ci&fre"), m_numberGrouping, numberBox), 1, 3);
    numberGrid->addWidget(m_numberGrouping, 1, 4);
    numberGrid->addWidget(m_numberExample, 2, 0, 1, 5);
    numberGrid->setColumnMinimumWidth(2, 24);
    numberGrid->setColumnStretch(5, 1);

    // Both groups' label columns share one width so their fields line up.
    const int labelWidth = fontMetrics().horizontalAdvance(tr("Simbolo decimali")) + 8;
    currencyGrid->setColumnMinimumWidth(0, labelWidth);
    numberGrid->setColumnMinimumWidth(0, labelWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(currencyBox);
    layout->addWidget(numberBox);

    for (QLineEdit* edit : {m_symbol, m_decimals, m_decimal, m_grouping})
        connect(edit, &QLineEdit::textChanged, this, &CFormatFields::updateCurrencyExample);
    for (QLineEdit* edit : {m_numberDecimals, m_numberDecimal, m_numberGrouping})
        connect(edit, &QLineEdit::textChanged, this, &CFormatFields::updateNumberExample);
    updateCurrencyExample();
    updateNumberExample();
}

void CFormatFields::setCurrency(const CurrencyConvention& convention) {
    m_symbol->setText(convention.symbol);
    m_decimals->setText(FormatIntegerLocale(convention.decimals));
    m_decimal->setText(convention.decimal);
    m_grouping->setText(convention.grouping);
}

void CFormatFields::setNumbers(const NumberConvention& convention) {
    m_numberDecimals->setText(FormatIntegerLocale(convention.decimals));
    m_numberDecimal->setText(convention.decimal);
    m_numberGrouping->setText(convention.grouping);
}

CurrencyConvention CFormatFields::currency() const {
    return {m_symbol->text(), DecimalsFromText(m_decimals->text()), m_decimal->text(),
            m_grouping->text()};
}

NumberConvention CFormatFields::numbers() const {
    return {DecimalsFromText(m_numberDecimals->text()), m_numberDecimal->text(),
            m_numberGrouping->text()};
}

bool CFormatFields::checkSeparators(Group group) {
    QLineEdit* decimal = group == Group::Currency ? m_decimal : m_numberDecimal;
    QLineEdit* grouping = group == Group::Currency ? m_grouping : m_numberGrouping;
    if (!SeparatorsClash(decimal->text(), grouping->text()))
        return true;
    decimal->setFocus();
    m_prompt.balloon(decimal, tr("Errore nel simbolo dei decimali"),
                     tr("Il simbolo dei decimali e raggruppamento cifre non possono "
                        "essere uguali!"),
                     IPrompt::Icon::Warning);
    return false;
}

bool CFormatFields::checkLengths(Group group) {
    QString text;
    if (group == Group::Currency)
        return CheckFieldLength(m_prompt, m_symbol, kSymbolLength, &text) &&
               CheckFieldLength(m_prompt, m_decimals, kOneCharacter, &text) &&
               CheckFieldLength(m_prompt, m_decimal, kOneCharacter, &text) &&
               CheckFieldLength(m_prompt, m_grouping, kOneCharacter, &text);
    return CheckFieldLength(m_prompt, m_numberDecimals, kOneCharacter, &text) &&
           CheckFieldLength(m_prompt, m_numberDecimal, kOneCharacter, &text) &&
           CheckFieldLength(m_prompt, m_numberGrouping, kOneCharacter, &text);
}

void CFormatFields::updateCurrencyExample() {
    const CurrencyConvention c = currency();
    m_currencyExample->setText(
        Example(FormatCurrency(m_profile, CurrencyAmount::fromDouble(kExample), c.decimals,
                               c.symbol, c.decimal, c.grouping)));
}

void CFormatFields::updateNumberExample() {
    const NumberConvention n = numbers();
    m_numberExample->setText(
        Example(FormatNumber(m_profile, kExample, n.decimals, false, n.decimal, n.grouping)));
}
