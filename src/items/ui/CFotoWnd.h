#pragma once

#include <QByteArray>
#include <QFrame>
#include <QImage>

class IBrowser;
class IFileDialogs;
class IPrompt;
class Profile;
class QAction;
class QMenu;

// An item's picture in a small sunken frame. When editable, a click chooses a picture and the
// top-right corner opens the picture menu: choose a file, acquire from a scanner or camera
// (SANE, on a worker thread), edit in the desktop's image editor, remove, enlarge.
class CFotoWnd : public QFrame {
    Q_OBJECT
public:
    CFotoWnd(Profile& profile, IPrompt& prompt, IFileDialogs& files, IBrowser& browser,
             QWidget* parent = nullptr);

    void setEditable(bool editable);         // menu and hint only when editable
    void setPicture(const QByteArray& jpeg); // the stored bytes; empty = no picture
    QByteArray picture() const;              // the bytes to store; empty = none
    QMenu* menu() const;                     // the corner menu (for tests)

public Q_SLOTS:
    void choose();
    void acquire();
    void edit();
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
    // Takes a new picture: shown and announced.
    void take(const QByteArray& jpeg);
    // Tells the user why a picture was refused; false when it was not.
    bool refused(int status, qint64 size, const QSize& pixels);
    void updateActions();

    Profile& m_profile;
    IPrompt& m_prompt;
    IFileDialogs& m_files;
    IBrowser& m_browser;
    QByteArray m_jpeg;
    QImage m_image;
    bool m_editable = false;
    QMenu* m_menu = nullptr;
    QAction* m_remove = nullptr;
    QAction* m_edit = nullptr;
    QMenu* m_view = nullptr;
};
