#pragma once

#include <QDialog>

// "Informazioni su Quarzil": product, version and maker.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
