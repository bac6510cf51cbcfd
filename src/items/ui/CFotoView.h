#pragma once

#include <QImage>
#include <QScrollArea>

// "Visualizzazione Immagine": a window as large as the screen with the picture enlarged by a
// whole factor, scrolling when it does not fit. It deletes itself when closed.
class CFotoView : public QScrollArea {
    Q_OBJECT
public:
    CFotoView(const QImage& image, int factor, QWidget* parent = nullptr);

    static QString title() { return tr("Visualizzazione Immagine"); }
    int factor() const { return m_factor; }
    // The enlarged picture's size.
    QSize zoomedSize() const;

private:
    QImage m_image;
    int m_factor = 1;
};
