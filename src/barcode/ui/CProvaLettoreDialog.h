#pragma once

#include "barcode/BarcodeReader.h"

#include <QDialog>

class IPrompt;
class QLabel;
class QLineEdit;
class QPushButton;
class SerialBarcodePort;

// "Prova del Lettore": reads the reader with the given settings and shows each code it sends
// in the "Codice a Barre" field, with what happens on the status line.
class CProvaLettoreDialog : public QDialog {
    Q_OBJECT
public:
    CProvaLettoreDialog(const BarcodeReader& reader, QWidget* parent = nullptr);
    ~CProvaLettoreDialog() override;

    // Opens the port and shows the window; "Impossibile aprire la porta selezionata!" when the
    // port cannot be opened, and no window.
    static void Run(IPrompt& prompt, const BarcodeReader& reader, QWidget* parent);

    bool openPort();
    QLineEdit* codeField() const { return m_code; }
    QLabel* status() const { return m_status; }
    QPushButton* closeButton() const { return m_close; }

private:
    void showCode(const QString& code);

    BarcodeReader m_reader;
    SerialBarcodePort* m_port = nullptr;
    QLineEdit* m_code = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_close = nullptr;
    int m_count = 0;
};
