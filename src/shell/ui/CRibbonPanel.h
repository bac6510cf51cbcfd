#pragma once

#include <QWidget>

class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class QToolButton;
class QVBoxLayout;

// One panel of a ribbon category: large buttons with their caption under the icon, small ones
// three to a column, drop-downs, and the panel's title underneath. A collapsed panel is a single
// button with the panel's title whose drop-down lists every command of the panel.
class CRibbonPanel : public QWidget {
    Q_OBJECT
public:
    CRibbonPanel(const QString& title, const QIcon& icon, QWidget* parent = nullptr);

    QString title() const { return m_title; }
    // The shown title, and a drop-down's caption (in the order added), in another language.
    void setTitle(const QString& title);
    void setDropDownText(int index, const QString& text);
    void addLarge(QAction* action);
    void addSmall(QAction* action);
    // A large button whose menu holds actions (null = separator).
    void addDropDown(const QString& text, const QIcon& icon, const QList<QAction*>& actions);

    // Every command the panel carries, drop-downs included, in order.
    QList<QAction*> actions() const { return m_actions; }

    bool isCollapsed() const { return m_isCollapsed; }
    void setCollapsed(bool collapsed);
    int expandedWidth() const;
    int collapsedWidth() const;
    QToolButton* collapsedButton() const { return m_collapsedButton; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* makeButton(bool large);
    void closeSmallColumn();

    QString m_title;
    QWidget* m_full;
    QLabel* m_caption;
    QList<QToolButton*> m_dropDowns;
    QHBoxLayout* m_buttons;
    QVBoxLayout* m_smallColumn = nullptr;
    int m_smallInColumn = 0;
    QToolButton* m_collapsedButton;
    QMenu* m_collapsedMenu;
    QList<QAction*> m_actions;
    bool m_isCollapsed = false;
};
