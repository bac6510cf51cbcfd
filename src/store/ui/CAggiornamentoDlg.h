#pragma once

#include "store/UpgradeProgress.h"

#include <QDialog>

class QLabel;
class QProgressBar;

// The modeless window "Aggiornamento Archivio" shown while the schema upgrade migrates the
// data. It has no buttons: the migration cannot be stopped half-way (it would be undone).
class CAggiornamentoDlg : public QDialog, public UpgradeProgress {
    Q_OBJECT
public:
    explicit CAggiornamentoDlg(QWidget* parent = nullptr);

    void begin() override;
    void setPosition(int position) override;
    void step() override;
    void end() override;

    QProgressBar* bar() const { return m_bar; }
    QLabel* text() const { return m_text; }

protected:
    // Neither Esc nor the title bar closes it while the work runs.
    void reject() override {}

private:
    // Paints the change while the upgrade keeps the event loop waiting.
    void repaintNow();

    QLabel* m_text = nullptr;
    QProgressBar* m_bar = nullptr;
};
