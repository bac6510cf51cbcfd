#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class IFileDialogs;
class IPrompt;
class PrintDocument;
class Profile;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

// Shows documents in the print preview, prints them and saves them as PDF. One printer object
// lives as long as the program, so the printer and the settings the user chose stay from one
// print to the next; every job is switched to A4 portrait and the printer gets back its own
// paper and orientation afterwards.
class DocumentPrinter : public QObject {
    Q_OBJECT
public:
    // window: the main window, whose caption the preview borrows. The last PDF folder is kept
    // in the profile ("Settings" value "PdfFolder").
    DocumentPrinter(Profile& profile, IPrompt& prompt, IFileDialogs& files, QWidget* window);
    ~DocumentPrinter() override;

    // "Anteprima di Stampa - Quarzil" with the document; returns when it is closed. Its toolbar
    // also prints and saves the document as PDF. The main window's caption is restored.
    void preview(PrintDocument& document);
    // Asks for the printer and prints; false when cancelled or failed (the user was told).
    bool print(PrintDocument& document);
    // Asks for a PDF file (offering the document's own name) and writes it; false when
    // cancelled or failed (the user was told).
    bool savePdf(PrintDocument& document);

    QPrinter& printer() { return *m_printer; }

    // Tests: called with the preview before it runs (it is shown modally), and in place of the
    // print dialog (true to go on printing on the printer as set).
    std::function<void(QPrintPreviewDialog&)> prepareDialog;
    std::function<bool(QPrinter&)> choosePrinter;

private:
    // Runs the job on the printer in A4 portrait and restores the printer's own page layout.
    bool printOn(PrintDocument& document);

    Profile& m_profile;
    IPrompt& m_prompt;
    IFileDialogs& m_files;
    QPointer<QWidget> m_window;
    std::unique_ptr<QPrinter> m_printer;
};
