#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

// "Modifica Immagine": waits while the user edits the picture in the desktop's editor, which
// gives no process to wait for. "Fatto" asks done(), which reloads the picture; the window
// stays up when the edited file cannot be taken yet (so the user can correct it and press
// "Fatto" again), and "Annulla" leaves the picture as it was.
class CFotoEditWait : public QDialog {
    Q_OBJECT
public:
    CFotoEditWait(const QString& file, QWidget* parent = nullptr);

    std::function<bool()> done;

    QPushButton* doneButton() const { return m_done; }
    QPushButton* cancelButton() const { return m_cancel; }
    QLabel* text() const { return m_text; }

private:
    QLabel* m_text = nullptr;
    QPushButton* m_done = nullptr;
    QPushButton* m_cancel = nullptr;
};
