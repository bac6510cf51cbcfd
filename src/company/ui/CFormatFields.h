#pragma once

#include "company/FormatConventions.h"

#include <QWidget>

class IPrompt;
class Profile;
class QLabel;
class QLineEdit;

// The currency and number groups shared by the company's format page and the document's
// currency dialog, each with its live example.
class CFormatFields : public QWidget {
    Q_OBJECT
public:
    CFormatFields(const Profile& profile, IPrompt& prompt, QWidget* parent = nullptr);

    void setCurrency(const CurrencyConvention& convention);
    void setNumbers(const NumberConvention& convention);
    // As typed; a decimals text that is not a number reads as 0.
    CurrencyConvention currency() const;
    NumberConvention numbers() const;

    enum class Group { Currency, Numbers };
    // Equal decimal and grouping symbols (two empty ones included) are refused with a balloon
    // on the group's decimal field.
    bool checkSeparators(Group group);
    // Over-long fields are refused with the field-length message.
    bool checkLengths(Group group);

    QLineEdit* currencySymbol() const { return m_symbol; }
    QLineEdit* currencyDecimals() const { return m_decimals; }
    QLineEdit* currencyDecimal() const { return m_decimal; }
    QLineEdit* currencyGrouping() const { return m_grouping; }
    QLineEdit* numberDecimals() const { return m_numberDecimals; }
    QLineEdit* numberDecimal() const { return m_numberDecimal; }
    QLineEdit* numberGrouping() const { return m_numberGrouping; }
    QLabel* currencyExample() const { return m_currencyExample; }
    QLabel* numberExample() const { return m_numberExample; }

private:
    void updateCurrencyExample();
    void updateNumberExample();

    const Profile& m_profile;
    IPrompt& m_prompt;
    QLineEdit* m_symbol = nullptr;
    QLineEdit* m_decimals = nullptr;
    QLineEdit* m_decimal = nullptr;
    QLineEdit* m_grouping = nullptr;
    QLineEdit* m_numberDecimals = nullptr;
    QLineEdit* m_numberDecimal = nullptr;
    QLineEdit* m_numberGrouping = nullptr;
    QLabel* m_currencyExample = nullptr;
    QLabel* m_numberExample = nullptr;
};
