#include "shell/ui/CRibbonBar.h"

#include "shell/ui/CRibbonCategory.h"
#include "shell/ui/RibbonIcons.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

CRibbonBar::CRibbonBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CRibbonBar"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 1);
    column->setSpacing(0);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(4, 3, 4, 0);
    top->setSpacing(2);
    m_appMenu = new QMenu(this);
    m_appMenu->setObjectName(QStringLiteral("ApplicationMenu"));
    m_appButton = new QToolButton(this);
    m_appButton->setObjectName(QStringLiteral("ApplicationButton"));
    m_appButton->setText(QStringLiteral("&Quarzil"));
    m_appButton->setIcon(RibbonIcons::Drawn(QStringLiteral("package-x-generic")));
    m_appButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_appButton->setPopupMode(QToolButton::InstantPopup);
    m_appButton->setMenu(m_appMenu);
    top->addWidget(m_appButton);

    m_quickLayout = new QHBoxLayout;
    m_quickLayout->setSpacing(0);
    top->addLayout(m_quickLayout);
    top->addSpacing(10);

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("RibbonTabs"));
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->setFocusPolicy(Qt::NoFocus);
    top->addWidget(m_tabs, 0, Qt::AlignBottom);
    top->addStretch(1);
    column->addLayout(top);

    retranslateUi();

    m_stack = new QStackedWidget(this);
    column->addWidget(m_stack);

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (index < 0)
            return;
        m_stack->setCurrentIndex(index);
        Q_EMIT currentCategoryChanged(index);
    });
}

void CRibbonBar::addQuickAccess(QAction* action) {
    auto* b = new QToolButton(this);
    b->setDefaultAction(action);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIconSize(QSize(16, 16));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_quickLayout->addWidget(b);
    m_quick << b;
}

CRibbonCategory* CRibbonBar::addCategory(const QString& title) {
    auto* category = new CRibbonCategory(title, m_stack);
    m_stack->addWidget(category);
    m_categories << category;
    // Adding the first tab makes it current: the stack follows through currentChanged.
    m_tabs->addTab(title);
    return category;
}

int CRibbonBar::currentCategory() const {
    return m_tabs->currentIndex();
}

void CRibbonBar::setCurrentCategory(int index) {
    m_tabs->setCurrentIndex(index);
}

void CRibbonBar::setCategoryTitle(int index, const QString& title) {
    if (CRibbonCategory* c = m_categories.value(index)) {
        c->setTitle(title);
        m_tabs->setTabText(index, title);
    }
}

void CRibbonBar::retranslateUi() {
    m_appButton->setToolTip(tr("Menu dell'applicazione"));
}

void CRibbonBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void CRibbonBar::relayout() {
    finishLayout();
    for (CRibbonCategory* c : m_categories) {
        c->updateGeometry();
        c->fitPanels(m_stack->width());
    }
}

void CRibbonBar::finishLayout() {
    int height = 0;
    for (CRibbonCategory* c : m_categories)
        height = qMax(height, c->sizeHint().height());
    m_stack->setFixedHeight(height);
}

void CRibbonBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor window = palette().color(QPalette::Window);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, window.lighter(112));
    g.setColorAt(1, window);
    p.fillRect(rect(), g);
    // The panels sit on a lighter band below the tabs.
    const int top = m_stack->geometry().top();
    QLinearGradient band(0, top, 0, height());
    band.setColorAt(0, palette().color(QPalette::Button).lighter(108));
    band.setColorAt(1, palette().color(QPalette::Button));
    p.fillRect(QRect(0, top, width(), height() - top), band);
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, top, width(), top);
    p.drawLine(0, height() - 1, width(), height() - 1);
}
