#pragma once

#include <QDialog>

// "Aggiornamenti ": what changed since the user's previous version.
class CRelNotesDialog : public QDialog {
    Q_OBJECT
public:
    explicit CRelNotesDialog(const QString& html, QWidget* parent = nullptr);
};
