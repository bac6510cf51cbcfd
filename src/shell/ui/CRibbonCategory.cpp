#include "shell/ui/CRibbonCategory.h"

#include "shell/ui/CRibbonPanel.h"

#include <QHBoxLayout>
#include <QResizeEvent>

CRibbonCategory::CRibbonCategory(const QString& title, QWidget* parent)
    : QWidget(parent), m_title(title) {
    setObjectName(QStringLiteral("RibbonCategory:") + title);
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(2, 2, 2, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch(1);
}

CRibbonPanel* CRibbonCategory::addPanel(const QString& title, const QIcon& icon) {
    auto* panel = new CRibbonPanel(title, icon, this);
    m_layout->insertWidget(m_layout->count() - 1, panel);
    m_panels << panel;
    return panel;
}

// The collapse rule, as a ribbon does it: every panel starts expanded; while the panels do not
// fit the width, the rightmost panel still expanded becomes a single button whose drop-down
// holds all its commands. The first panels, with the everyday commands, stay open longest; no
// command is ever dropped, it is at most one click further away.
void CRibbonCategory::fitPanels(int width) {
    const QMargins m = m_layout->contentsMargins();
    const int available = width - m.left() - m.right();
    QList<int> widths;
    int total = 0;
    for (CRibbonPanel* p : m_panels) {
        widths << p->expandedWidth();
        total += widths.last();
    }
    QList<bool> collapse(m_panels.size(), false);
    for (int i = m_panels.size() - 1; i >= 0 && total > available; --i) {
        collapse[i] = true;
        total += m_panels.at(i)->collapsedWidth() - widths.at(i);
    }
    for (int i = 0; i < m_panels.size(); ++i)
        m_panels.at(i)->setCollapsed(collapse.at(i));
}

QSize CRibbonCategory::sizeHint() const {
    int width = 0;
    int height = 0;
    for (CRibbonPanel* p : m_panels) {
        width += p->expandedWidth();
        height = qMax(height, p->sizeHint().height());
    }
    const QMargins m = m_layout->contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

QSize CRibbonCategory::minimumSizeHint() const {
    // Any width will do: panels collapse to fit.
    return QSize(0, sizeHint().height());
}

void CRibbonCategory::resizeEvent(QResizeEvent* event) {
    fitPanels(event->size().width());
    QWidget::resizeEvent(event);
}
