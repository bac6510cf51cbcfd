#include "counterparts/ui/CAnaMovBar.h"

#include "company/Formats.h"
#include "counterparts/AnaMovements.h"
#include "shell/FrameRules.h"
#include "shell/Profile.h"

#include <QEvent>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

namespace {
constexpr int kColumns = 3;
const int kDefaultWidths[kColumns] = {200, 300, 200};

QString WidthKey(int column) {
    return QStringLiteral("AnaMov%1").arg(column + 1);
}
} // namespace

CAnaMovBar::CAnaMovBar(int commandId, Database& db, Profile& profile, QWidget* parent)
    : CPaneBar(commandId, QStringLiteral("Ultimi 250 movimenti di magazzino"), parent), m_db(db),
      m_profile(profile) {
    m_model = new QStandardItemModel(0, kColumns, this);
    m_model->setHorizontalHeaderLabels(
        {QStringLiteral("Numero"), QStringLiteral("Data"), QStringLiteral("Tipo di Movimento")});
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("AnaMovList"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAlternatingRowColors(true);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setMinimumSectionSize(1);
    for (int c = 0; c < kColumns; ++c)
        m_list->header()->resizeSection(
            c, FrameRules::StoredColumnWidth(
                   m_profile.integer(Profile::Section::List, WidthKey(c), kDefaultWidths[c])));
    connect(m_list->header(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                m_profile.setValue(Profile::Section::List, WidthKey(column),
                                   FrameRules::StoredColumnWidth(width));
            });
    applyRowColours();
    setWidget(m_list);
}

void CAnaMovBar::applyRowColours() {
    // The first row in the window colour, the next in a light tint of the shadow colour.
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

void CAnaMovBar::changeEvent(QEvent* event) {
    CPaneBar::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyRowColours();
}

void CAnaMovBar::showCounterpart(int cliForId) {
    clear();
    QList<AnaMovements::Row> rows;
    if (cliForId <= 0 || !AnaMovements::Latest(m_db, cliForId, &rows))
        return;
    for (const AnaMovements::Row& r : rows) {
        QList<QStandardItem*> items{new QStandardItem(r.numero),
                                    new QStandardItem(FormatLongDate(r.data.date())),
                                    new QStandardItem(AnaMovements::TypeText(r.tipo))};
        items.first()->setData(r.movementId, Qt::UserRole);
        m_model->appendRow(items);
    }
}

void CAnaMovBar::clear() {
    m_model->removeRows(0, m_model->rowCount());
}

int CAnaMovBar::movementId(int row) const {
    const QStandardItem* item = m_model->item(row, 0);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void CAnaMovBar::saveState() {
    for (int c = 0; c < kColumns; ++c)
        m_profile.setValue(Profile::Section::List, WidthKey(c),
                           FrameRules::StoredColumnWidth(m_list->header()->sectionSize(c)));
}
