#pragma once

#include <QDialog>

class QRadioButton;

// Asks in which currency a document with its own currency is to be printed.
class CSceltaValuta : public QDialog {
    Q_OBJECT
public:
    enum Choice { BaseCurrency = 0, DocumentCurrency = 1 };

    explicit CSceltaValuta(QWidget* parent = nullptr);

    // After "Continua": 0 the company's currency, 1 the document's.
    int choice() const;

    QRadioButton* baseButton() const { return m_base; }
    QRadioButton* documentButton() const { return m_document; }

private:
    QRadioButton* m_base = nullptr;
    QRadioButton* m_document = nullptr;
};
