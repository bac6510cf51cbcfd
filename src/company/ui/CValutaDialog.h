#pragma once

#include "company/DocumentCurrency.h"

#include <QDialog>

class CFormatFields;
class IBrowser;
class IPrompt;
class Profile;
class QCheckBox;
class QLabel;
class QLineEdit;

// A document's own currency set and its exchange rate against the company currency.
class CValutaDialog : public QDialog {
    Q_OBJECT
public:
    CValutaDialog(const DocumentCurrency& document, const Profile& profile, IPrompt& prompt,
                  IBrowser& browser, QWidget* parent = nullptr);

    // After "Salva": the set to copy into the document, and whether the rows keep their stored
    // prices and show them converted (set) or are converted into the new currency (clear).
    DocumentCurrency currency() const { return m_result; }
    bool updateDocumentValues() const { return m_updateValues; }

    CFormatFields* fields() const { return m_fields; }
    QLineEdit* rate() const { return m_rate; }
    QLabel* rateLabel() const { return m_rateLabel; }
    QLabel* documentSymbol() const { return m_documentSymbol; }
    QCheckBox* updateValuesBox() const { return m_updateBox; }

    // "Salva": refuses equal symbols and over-long fields, keeping the dialog open.
    void accept() override;

private:
    const Profile& m_profile;
    IPrompt& m_prompt;
    DocumentCurrency m_result;
    bool m_updateValues = false;
    CFormatFields* m_fields = nullptr;
    QLineEdit* m_rate = nullptr;
    QLabel* m_rateLabel = nullptr;
    QLabel* m_documentSymbol = nullptr;
    QCheckBox* m_updateBox = nullptr;
};
