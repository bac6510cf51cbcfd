#include "shell/ui/CMovArtBar.h"

#include "shell/FrameRules.h"
#include "shell/Profile.h"

#include <QEvent>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

namespace {
const int kDefaultWidths[4] = {200, 300, 200, 400};

QString WidthKey(int column) {
    return QStringLiteral("ArtMov%1").arg(column + 1);
}
} // namespace

CMovArtBar::CMovArtBar(int commandId, Profile& profile, QWidget* parent)
    : CPaneBar(commandId, QStringLiteral("Movimenti di magazzino"), parent), m_profile(profile) {
    m_model = new QStandardItemModel(0, 4, this);
    m_model->setHorizontalHeaderLabels({QStringLiteral("Numero"), QStringLiteral("Data"),
                                        QStringLiteral("Tipo di Movimento"),
                                        QStringLiteral("Cliente / Fornitore")});
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("MovArtList"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAlternatingRowColors(true);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setMinimumSectionSize(1);
    for (int c = 0; c < 4; ++c)
        m_list->header()->resizeSection(
            c, FrameRules::StoredColumnWidth(
                   m_profile.integer(Profile::Section::List, WidthKey(c), kDefaultWidths[c])));
    connect(m_list->header(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                m_profile.setValue(Profile::Section::List, WidthKey(column),
                                   FrameRules::StoredColumnWidth(width));
            });
    connect(m_list, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        Q_EMIT movementActivated(index.row(), movementId(index.row()));
    });
    applyRowColours();
    setWidget(m_list);
}

void CMovArtBar::applyRowColours() {
    // Alternate rows blend the window colour with a little of the shadow colour.
    QPalette p = m_list->palette();
    const QColor a = palette().color(QPalette::Base);
    const QColor b = palette().color(QPalette::Shadow);
    const qreal share = 0.07;
    p.setColor(QPalette::AlternateBase,
               QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                                a.greenF() * (1 - share) + b.greenF() * share,
                                a.blueF() * (1 - share) + b.blueF() * share));
    m_list->setPalette(p);
}

void CMovArtBar::changeEvent(QEvent* event) {
    CPaneBar::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyRowColours();
}

void CMovArtBar::setRows(const QList<Row>& rows) {
    m_model->removeRows(0, m_model->rowCount());
    for (const Row& r : rows) {
        QList<QStandardItem*> items{new QStandardItem(r.numero), new QStandardItem(r.data),
                                    new QStandardItem(r.tipo), new QStandardItem(r.cliFor)};
        items.first()->setData(r.movementId, Qt::UserRole);
        m_model->appendRow(items);
    }
}

void CMovArtBar::clear() {
    m_model->removeRows(0, m_model->rowCount());
}

int CMovArtBar::movementId(int row) const {
    const QStandardItem* item = m_model->item(row, 0);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void CMovArtBar::saveState() {
    for (int c = 0; c < 4; ++c)
        m_profile.setValue(Profile::Section::List, WidthKey(c),
                           FrameRules::StoredColumnWidth(m_list->header()->sectionSize(c)));
}
