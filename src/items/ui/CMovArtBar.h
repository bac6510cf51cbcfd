#pragma once

#include "common/ui/CMovementListBar.h"

// "Movimenti di magazzino": the latest movements of the item selected in the items view, which
// fills the list.
class CMovArtBar : public CMovementListBar {
    Q_OBJECT
public:
    struct Row {
        int movementId = 0;
        QString numero;
        QString data;
        QString tipo;
        QString cliFor;
    };

    // The column widths are "List" ArtMov1 to ArtMov4.
    CMovArtBar(int commandId, Profile& profile, QWidget* parent = nullptr);

    void setRows(const QList<Row>& rows);

protected:
    void changeEvent(QEvent* event) override;

private:
    static QStringList Headings();

Q_SIGNALS:
    // Double click on a row: the items view opens that movement.
    void movementActivated(int row, int movementId);
};
