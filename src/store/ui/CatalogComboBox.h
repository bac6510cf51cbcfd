#pragma once

#include <QComboBox>

// An editable combo box that asks for its list each time it drops down.
class CatalogComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CatalogComboBox(QWidget* parent = nullptr);
    void showPopup() override;

Q_SIGNALS:
    // Emitted before the list shows: whoever fills it does so now.
    void aboutToShowPopup();
};
