#include "items/ui/CMovArtBar.h"

#include <QTreeView>

CMovArtBar::CMovArtBar(int commandId, Profile& profile, QWidget* parent)
    : CMovementListBar(
          commandId, QStringLiteral("Movimenti di magazzino"), profile,
          QStringLiteral("MovArtList"),
          {{QStringLiteral("Numero"), QStringLiteral("Data"), QStringLiteral("Tipo di Movimento"),
            QStringLiteral("Cliente / Fornitore")},
           {200, 300, 200, 400},
           QStringLiteral("ArtMov")},
          parent) {
    connect(list(), &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        Q_EMIT movementActivated(index.row(), movementId(index.row()));
    });
}

void CMovArtBar::setRows(const QList<Row>& rows) {
    clear();
    for (const Row& r : rows)
        appendRow(r.movementId, {r.numero, r.data, r.tipo, r.cliFor});
}
