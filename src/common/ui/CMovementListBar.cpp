#include "common/ui/CMovementListBar.h"

#include "common/ColumnWidth.h"
#include "common/Profile.h"

#include <QEvent>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

CMovementListBar::CMovementListBar(int commandId, const QString& title, Profile& profile,
                                   const QString& listName, const Columns& columns, QWidget* parent)
    : CPaneBar(commandId, title, parent), m_profile(profile), m_columns(columns) {
    const int count = int(columns.headings.size());
    m_model = new QStandardItemModel(0, count, this);
    m_model->setHorizontalHeaderLabels(columns.headings);
    m_list = new QTreeView(this);
    m_list->setObjectName(listName);
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAlternatingRowColors(true);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setMinimumSectionSize(1);
    for (int c = 0; c < count; ++c)
        m_list->header()->resizeSection(
            c, StoredColumnWidth(m_profile.integer(Profile::Section::List, widthKey(c),
                                                   columns.defaultWidths.value(c, 100))));
    connect(
        m_list->header(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
            m_profile.setValue(Profile::Section::List, widthKey(column), StoredColumnWidth(width));
        });
    applyRowColours();
    setWidget(m_list);
}

QString CMovementListBar::widthKey(int column) const {
    return m_columns.widthKey + QString::number(m_columns.widthNumbers.value(column, column + 1));
}

void CMovementListBar::applyRowColours() {
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

void CMovementListBar::changeEvent(QEvent* event) {
    CPaneBar::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyRowColours();
}

void CMovementListBar::appendRow(int movementId, const QStringList& texts) {
    QList<QStandardItem*> items;
    for (const QString& text : texts)
        items << new QStandardItem(text);
    items.first()->setData(movementId, Qt::UserRole);
    for (int c : std::as_const(m_rightAligned))
        if (c < items.size())
            items.at(c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_model->appendRow(items);
}

void CMovementListBar::alignRight(int column) {
    m_rightAligned << column;
}

void CMovementListBar::clear() {
    m_model->removeRows(0, m_model->rowCount());
}

int CMovementListBar::movementId(int row) const {
    const QStandardItem* item = m_model->item(row, 0);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void CMovementListBar::saveState() {
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_profile.setValue(Profile::Section::List, widthKey(c),
                           StoredColumnWidth(m_list->header()->sectionSize(c)));
}
