#pragma once

#include <QTimer>
#include <QWidget>

// The start-up picture: a borderless window over the centre of the screen, a fifth of it
// smaller than the screen's own size, gone after 750 ms.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLifetimeMs = 750;

    explicit CSplashWnd(QWidget* owner);

    // The texts and where they go, in this window's coordinates.
    struct Text {
        QString text;
        QFont font;
        QRect rect;
    };
    QList<Text> texts() const;

Q_SIGNALS:
    // Emitted just before the window goes away.
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_timer;
};
