#pragma once

#include <QList>
#include <QWidget>

class CRibbonCategory;
class QAction;
class QHBoxLayout;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolButton;

// Our ribbon: the application button with its menu, the quick-access bar and the category tabs
// on one row, the panels of the current category underneath.
class CRibbonBar : public QWidget {
    Q_OBJECT
public:
    explicit CRibbonBar(QWidget* parent = nullptr);

    QToolButton* applicationButton() const { return m_appButton; }
    QMenu* applicationMenu() const { return m_appMenu; }
    void addQuickAccess(QAction* action);
    QList<QToolButton*> quickAccessButtons() const { return m_quick; }

    CRibbonCategory* addCategory(const QString& title);
    CRibbonCategory* category(int index) const { return m_categories.value(index); }
    int categoryCount() const { return int(m_categories.size()); }
    int currentCategory() const;
    void setCurrentCategory(int index);
    // The tab's text and the category's title, in another language.
    void setCategoryTitle(int index, const QString& title);
    QTabBar* tabBar() const { return m_tabs; }

    // Call once every panel is filled: fixes the ribbon's height to the tallest category.
    void finishLayout();
    // After texts changed: the height again, and the panels collapsed to fit the new widths.
    void relayout();

Q_SIGNALS:
    void currentCategoryChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QToolButton* m_appButton;
    QMenu* m_appMenu;
    QHBoxLayout* m_quickLayout;
    QList<QToolButton*> m_quick;
    QTabBar* m_tabs;
    QStackedWidget* m_stack;
    QList<CRibbonCategory*> m_categories;
};
