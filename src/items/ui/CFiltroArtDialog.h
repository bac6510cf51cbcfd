#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

// "Filtro Dati": code, description and category patterns and a stock choice for the items list.
class CFiltroArtDialog : public QDialog {
    Q_OBJECT
public:
    explicit CFiltroArtDialog(QWidget* parent = nullptr);

    QString code() const;
    QString description() const;
    QString category() const;
    // 0 any, 1 above zero, 2 below zero, 3 zero, 4 to reorder (ArtFilter::Stock).
    int stock() const;

    QLineEdit* codeEdit() const { return m_code; }
    QLineEdit* descriptionEdit() const { return m_description; }
    QLineEdit* categoryEdit() const { return m_category; }
    QComboBox* stockCombo() const { return m_stock; }

private:
    QLineEdit* m_code;
    QLineEdit* m_description;
    QLineEdit* m_category;
    QComboBox* m_stock;
};
