#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

// "Quarzil : Selezione Scanner": which of several scanners and cameras to acquire from.
class CSceltaScannerDialog : public QDialog {
    Q_OBJECT
public:
    CSceltaScannerDialog(const QStringList& labels, QWidget* parent = nullptr);

    // The chosen row, -1 when none.
    int chosen() const;
    QListWidget* list() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }

private:
    QListWidget* m_list = nullptr;
    QPushButton* m_ok = nullptr;
};
