#pragma once

#include <QList>
#include <QWidget>

class CRibbonPanel;
class QHBoxLayout;

// The panels of one ribbon category, side by side. When the width is short, panels collapse
// from the right, one at a time, until the rest fits (see fitPanels()).
class CRibbonCategory : public QWidget {
    Q_OBJECT
public:
    CRibbonCategory(const QString& title, QWidget* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    CRibbonPanel* addPanel(const QString& title, const QIcon& icon);
    const QList<CRibbonPanel*>& panels() const { return m_panels; }

    // Collapses panels so that the category fits the given width.
    void fitPanels(int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_title;
    QHBoxLayout* m_layout;
    QList<CRibbonPanel*> m_panels;
};
