#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The comments window: what the user did last before the program ended unexpectedly, and what
// the user would improve. Both may stay empty.
class CCommentiDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 200;

    explicit CCommentiDialog(QWidget* parent = nullptr);

    QString errorInfo() const;
    QString comment() const;
    QLineEdit* errorField() const { return m_error; }
    QLineEdit* commentField() const { return m_comment; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    QLineEdit* m_error = nullptr;
    QLineEdit* m_comment = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
