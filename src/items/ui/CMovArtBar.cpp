#include "items/ui/CMovArtBar.h"

#include <QEvent>
#include <QStandardItemModel>
#include <QTreeView>

CMovArtBar::CMovArtBar(int commandId, Profile& profile, QWidget* parent)
    : CMovementListBar(commandId, tr("Movimenti di magazzino"), profile,
                       QStringLiteral("MovArtList"),
                       {Headings(), {200, 300, 200, 400}, QStringLiteral("ArtMov")}, parent) {
    connect(list(), &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        Q_EMIT movementActivated(index.row(), movementId(index.row()));
    });
}

void CMovArtBar::setRows(const QList<Row>& rows) {
    clear();
    for (const Row& r : rows)
        appendRow(r.movementId, {r.numero, r.data, r.tipo, r.cliFor});
}

QStringList CMovArtBar::Headings() {
    return {tr("Numero"), tr("Data"), tr("Tipo di Movimento"), tr("Cliente / Fornitore")};
}

void CMovArtBar::changeEvent(QEvent* event) {
    CMovementListBar::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    setWindowTitle(tr("Movimenti di magazzino"));
    if (auto* model = qobject_cast<QStandardItemModel*>(list()->model()))
        model->setHorizontalHeaderLabels(Headings());
}
