#include "store/ui/CatalogComboBox.h"

CatalogComboBox::CatalogComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // Picking a name from the list must not add the typed text as another entry.
    setInsertPolicy(QComboBox::NoInsert);
}

void CatalogComboBox::showPopup() {
    Q_EMIT aboutToShowPopup();
    QComboBox::showPopup();
}
