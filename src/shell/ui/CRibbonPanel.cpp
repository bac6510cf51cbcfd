#include "shell/ui/CRibbonPanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;
constexpr int kSmallPerColumn = 3;
} // namespace

CRibbonPanel::CRibbonPanel(const QString& title, const QIcon& icon, QWidget* parent)
    : QWidget(parent), m_title(title) {
    setObjectName(QStringLiteral("RibbonPanel:") + title);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(3, 2, 5, 2);
    outer->setSpacing(0);

    m_full = new QWidget(this);
    auto* column = new QVBoxLayout(m_full);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    m_buttons = new QHBoxLayout;
    m_buttons->setSpacing(1);
    m_buttons->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addLayout(m_buttons, 1);
    m_caption = new QLabel(title, m_full);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setForegroundRole(QPalette::WindowText);
    column->addWidget(m_caption);
    outer->addWidget(m_full);

    m_collapsedMenu = new QMenu(this);
    m_collapsedButton = new QToolButton(this);
    m_collapsedButton->setObjectName(QStringLiteral("CollapsedPanel"));
    m_collapsedButton->setText(title);
    m_collapsedButton->setIcon(icon);
    m_collapsedButton->setIconSize(QSize(kLargeIcon, kLargeIcon));
    m_collapsedButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_collapsedButton->setPopupMode(QToolButton::InstantPopup);
    m_collapsedButton->setAutoRaise(true);
    m_collapsedButton->setMenu(m_collapsedMenu);
    m_collapsedButton->setToolTip(title);
    m_collapsedButton->setMinimumWidth(56);
    m_collapsedButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_collapsedButton->hide();
    outer->addWidget(m_collapsedButton);
}

QToolButton* CRibbonPanel::makeButton(bool large) {
    auto* b = new QToolButton(m_full);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    if (large) {
        b->setIconSize(QSize(kLargeIcon, kLargeIcon));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        b->setMinimumWidth(48);
    } else {
        b->setIconSize(QSize(kSmallIcon, kSmallIcon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    return b;
}

void CRibbonPanel::closeSmallColumn() {
    m_smallColumn = nullptr;
    m_smallInColumn = 0;
}

void CRibbonPanel::addLarge(QAction* action) {
    closeSmallColumn();
    QToolButton* b = makeButton(true);
    b->setDefaultAction(action);
    m_buttons->addWidget(b);
    m_actions << action;
    m_collapsedMenu->addAction(action);
}

void CRibbonPanel::addSmall(QAction* action) {
    if (!m_smallColumn || m_smallInColumn == kSmallPerColumn) {
        closeSmallColumn();
        m_smallColumn = new QVBoxLayout;
        m_smallColumn->setSpacing(0);
        // Small buttons line up from the top, however many the column holds.
        m_smallColumn->addStretch(1);
        m_buttons->addLayout(m_smallColumn);
    }
    QToolButton* b = makeButton(false);
    b->setDefaultAction(action);
    m_smallColumn->insertWidget(m_smallColumn->count() - 1, b);
    ++m_smallInColumn;
    m_actions << action;
    m_collapsedMenu->addAction(action);
}

void CRibbonPanel::addDropDown(const QString& text, const QIcon& icon,
                               const QList<QAction*>& actions) {
    closeSmallColumn();
    // text may carry the line break of a two-line caption; the menu title is one line.
    const QString title = QString(text).replace(u'\n', u' ');
    auto* menu = new QMenu(title, this);
    menu->setIcon(icon);
    for (QAction* a : actions) {
        if (a) {
            menu->addAction(a);
            m_actions << a;
        } else {
            menu->addSeparator();
        }
    }
    QToolButton* b = makeButton(true);
    b->setText(text);
    b->setIcon(icon);
    b->setMenu(menu);
    b->setPopupMode(QToolButton::InstantPopup);
    b->setToolTip(title);
    m_buttons->addWidget(b);
    m_collapsedMenu->addMenu(menu);
    m_dropDowns << b;
}

void CRibbonPanel::setTitle(const QString& title) {
    m_title = title;
    m_caption->setText(title);
    m_collapsedButton->setText(title);
    m_collapsedButton->setToolTip(title);
    updateGeometry();
}

void CRibbonPanel::setDropDownText(int index, const QString& text) {
    QToolButton* b = m_dropDowns.value(index);
    if (!b)
        return;
    const QString title = QString(text).replace(u'\n', u' ');
    b->setText(text);
    b->setToolTip(title);
    b->menu()->setTitle(title);
}

void CRibbonPanel::setCollapsed(bool collapsed) {
    if (collapsed == m_isCollapsed)
        return;
    m_isCollapsed = collapsed;
    m_full->setVisible(!collapsed);
    m_collapsedButton->setVisible(collapsed);
    updateGeometry();
}

int CRibbonPanel::expandedWidth() const {
    const QMargins m = layout()->contentsMargins();
    return m_full->sizeHint().width() + m.left() + m.right();
}

int CRibbonPanel::collapsedWidth() const {
    const QMargins m = layout()->contentsMargins();
    return qMax(m_collapsedButton->sizeHint().width(), 56) + m.left() + m.right();
}

void CRibbonPanel::paintEvent(QPaintEvent*) {
    // A soft separator on the right, as between the groups of a ribbon.
    QPainter p(this);
    const QColor line = palette().color(QPalette::Dark);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, Qt::transparent);
    g.setColorAt(0.2, line);
    g.setColorAt(0.8, line);
    g.setColorAt(1, Qt::transparent);
    p.setPen(QPen(QBrush(g), 1));
    p.drawLine(width() - 2, 4, width() - 2, height() - 4);
}
