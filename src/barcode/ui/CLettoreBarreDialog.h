#pragma once

#include "barcode/BarcodeReader.h"

#include <QDialog>

class IBrowser;
class IPrompt;
class Profile;
class QComboBox;
class QGroupBox;
class QPushButton;
class SerialBarcodePort;

// "Lettore a Barre": which reader the program takes codes from, a keyboard reader
// ("Tastiera") or one on a serial port with the port's settings. "Chiudi" writes the six
// values to the profile; "Pro&va" opens the test window with the settings on screen. While the
// test window reads the port, the program's own reading of it (running) pauses.
class CLettoreBarreDialog : public QDialog {
    Q_OBJECT
public:
    CLettoreBarreDialog(Profile& profile, IPrompt& prompt, IBrowser& browser,
                        SerialBarcodePort* running, QWidget* parent = nullptr);

    // The settings on screen.
    BarcodeReader reader() const;

    QComboBox* port() const { return m_port; }
    QComboBox* baud() const { return m_baud; }
    QComboBox* dataBits() const { return m_data; }
    QComboBox* parity() const { return m_parity; }
    QComboBox* stopBits() const { return m_stop; }
    QComboBox* flow() const { return m_flow; }
    QGroupBox* serialGroup() const { return m_group; }
    QPushButton* closeButton() const { return m_close; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* helpButton() const { return m_help; }
    QPushButton* testButton() const { return m_test; }

private:
    void fill(const BarcodeReader& reader);
    void portChanged();
    void save();
    void test();

    Profile& m_profile;
    IPrompt& m_prompt;
    IBrowser& m_browser;
    SerialBarcodePort* m_running;
    QComboBox* m_port = nullptr;
    QComboBox* m_baud = nullptr;
    QComboBox* m_data = nullptr;
    QComboBox* m_parity = nullptr;
    QComboBox* m_stop = nullptr;
    QComboBox* m_flow = nullptr;
    QGroupBox* m_group = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_test = nullptr;
};
