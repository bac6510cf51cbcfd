#pragma once

#include "common/IPrompt.h"

#include <QPainterPath>
#include <QPointer>
#include <QWidget>

class QLabel;

// The balloon a dialog shows on the field it refused: an icon and a bold title over the text, in
// a rounded box whose stem points at the field. It goes when the user types or clicks, when the
// field's window moves or closes, or after a while; a new balloon replaces the one shown.
class CBalloonTip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 10000;

    // Shows the balloon on field (null when there is none) and returns it.
    static CBalloonTip* ShowOn(QWidget* field, const QString& title, const QString& text,
                               IPrompt::Icon icon);
    // The balloon on screen, if any.
    static CBalloonTip* Current();

    QString title() const;
    QString text() const;
    IPrompt::Icon icon() const { return m_icon; }
    QWidget* field() const { return m_field; }
    // The global point the tip of the stem touches.
    QPoint anchor() const { return m_anchor; }
    // True when the balloon sits above the field (no room below it on the screen).
    bool above() const { return m_above; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CBalloonTip(QWidget* field, const QString& title, const QString& text, IPrompt::Icon icon);
    void place();
    QPainterPath outline() const;
    void dismiss();

    QPointer<QWidget> m_field;
    QPointer<QWidget> m_fieldWindow;
    QLabel* m_iconLabel = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_text = nullptr;
    IPrompt::Icon m_icon;
    QPoint m_anchor;
    bool m_above = false;
    // Where the stem meets the box, from the box's left edge.
    int m_stemX = 0;
};
