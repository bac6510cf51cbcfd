#pragma once

#include <QByteArray>
#include <QFrame>
#include <QImage>

class IFileDialogs;
class IPrompt;
class Profile;
class QAction;
class QMenu;

// An item's picture in a small sunken frame. When editable, a click chooses a picture and the
// top-right corner opens the picture menu.
class CFotoWnd : public QFrame {
    Q_OBJECT
public:
    CFotoWnd(Profile& profile, IPrompt& prompt, IFileDialogs& files, QWidget* parent = nullptr);

    void setEditable(bool editable);         // menu and hint only when editable
    void setPicture(const QByteArray& jpeg); // the stored bytes; empty = no picture
    QByteArray picture() const;              // the bytes to store; empty = none
    QMenu* menu() const;                     // the corner menu (for tests)

public Q_SLOTS:
    void choose();
    void remove();
    void showZoomed(int factor);

Q_SIGNALS:
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRect cornerRect() const;
    void updateActions();

    Profile& m_profile;
    IPrompt& m_prompt;
    IFileDialogs& m_files;
    QByteArray m_jpeg;
    QImage m_image;
    bool m_editable = false;
    QMenu* m_menu = nullptr;
    QAction* m_remove = nullptr;
    QMenu* m_view = nullptr;
};
