#pragma once

#include <QMainWindow>

class CMainApp;

// The main window.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CMainApp& app, QWidget* parent = nullptr);

    // Show states as stored in "Style": 1 normal, 2 minimised, 3 maximised.
    void showWithState(int style);

protected:
    void setVisible(bool visible) override;

private:
    CMainApp& m_app;
};
