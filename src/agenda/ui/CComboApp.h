#pragma once

#include <QComboBox>

// The entry dialog's type list: "Appuntamento", "Scadenza", "Pagamento", each drawn beside a
// swatch of the colour its entries get in the day view, so the user learns the colours there.
class CComboApp : public QComboBox {
    Q_OBJECT
public:
    explicit CComboApp(QWidget* parent = nullptr);

    // The chosen type (0 to 2); a type outside the list shows as the first.
    int type() const { return currentIndex(); }
    void setType(int type);

protected:
    void paintEvent(QPaintEvent* event) override;
};
