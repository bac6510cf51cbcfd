#pragma once

#include "common/CurrencyAmount.h"

#include <QDialog>

class Profile;
class QLineEdit;
class QPushButton;

// "Calcolo Ricarico": works the mark-up out of the selling price the user wants.
class CRicaricoDialog : public QDialog {
    Q_OBJECT
public:
    CRicaricoDialog(Profile& profile, const CurrencyAmount& price, double vat, double discount,
                    double markup, QWidget* parent = nullptr);

    static QString title() { return tr("Calcolo Ricarico"); }

    double markup() const; // the mark-up (fraction, 0.5 = 50 %) after "Salva"
    QLineEdit* sellingPriceField() const;
    QLineEdit* markupField() const { return m_markupField; }

private:
    void sellingPriceChanged(const QString& text);

    Profile& m_profile;
    CurrencyAmount m_price;
    double m_markup = 0;
    QLineEdit* m_markupField = nullptr;
    QLineEdit* m_selling = nullptr;
    QPushButton* m_save = nullptr;
};
