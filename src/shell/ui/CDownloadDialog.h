#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The modeless window that shows the package download's progress. Closing it, or its
// "Interrompi" button, asks whether to stop: the window itself does not stop anything.
class CDownloadDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDownloadDialog(const QString& fileName, QWidget* parent = nullptr);

    // total < 0: the size is not known yet.
    void setProgress(qint64 received, qint64 total);
    QProgressBar* progressBar() const { return m_bar; }
    QPushButton* stopButton() const { return m_stop; }

Q_SIGNALS:
    void stopRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QLabel* m_label = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_stop = nullptr;
};
