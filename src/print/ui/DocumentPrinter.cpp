#include "print/ui/DocumentPrinter.h"

#include "common/IFileDialogs.h"
#include "common/IPrompt.h"
#include "common/Profile.h"
#include "print/PageCount.h"
#include "print/PageFrame.h"
#include "print/PrintDocument.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>

namespace {

const char* const kPreviewTitle =
    QT_TRANSLATE_NOOP("DocumentPrinter", "Anteprima di Stampa - Quarzil");

// Puts the window's caption back whatever way the preview or print ends.
class CaptionKeeper {
public:
    explicit CaptionKeeper(QWidget* window)
        : m_window(window), m_caption(window ? window->windowTitle() : QString()) {}
    ~CaptionKeeper() {
        if (m_window)
            m_window->setWindowTitle(m_caption);
    }

private:
    QPointer<QWidget> m_window;
    QString m_caption;
};

// The pages the print dialog chose: all, or "from" to "to".
bool renderRange(PrintDocument& document, QPrinter& printer) {
    if (printer.printRange() == QPrinter::PageRange)
        return RenderDocument(document, printer, printer.fromPage(), printer.toPage());
    return RenderDocument(document, printer);
}

} // namespace

DocumentPrinter::DocumentPrinter(Profile& profile, IPrompt& prompt, IFileDialogs& files,
                                 QWidget* window)
    : QObject(window), m_profile(profile), m_prompt(prompt), m_files(files), m_window(window),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

DocumentPrinter::~DocumentPrinter() = default;

void DocumentPrinter::preview(PrintDocument& document) {
    const QString font = CheckPrintFont();
    if (!font.isEmpty()) {
        m_prompt.message(font, IPrompt::Icon::Error);
        return;
    }
    if (document.pageCount() <= 0) {
        m_prompt.message(QCoreApplication::translate("PageCount", kNoPrintDataMessage),
                         IPrompt::Icon::Information);
        return;
    }
    CaptionKeeper caption(m_window);
    // The preview draws on the program's printer, so what it shows is what that printer gets;
    // its own layout comes back when the preview closes.
    const QPageLayout ownLayout = m_printer->pageLayout();
    const bool fullPage = m_printer->fullPage();
    m_printer->setFullPage(true);
    QPrintPreviewDialog dialog(m_printer.get(), m_window);
    dialog.setWindowTitle(tr(kPreviewTitle));
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    // The preview shows every page; its own print button may ask for some of them.
    m_printer->setPrintRange(QPrinter::AllPages);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [&document](QPrinter* printer) { renderRange(document, *printer); });
    if (QToolBar* bar = dialog.findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* pdf =
            bar->addAction(QIcon::fromTheme(QStringLiteral("document-save-as")), tr("Salva PDF"));
        pdf->setObjectName(QStringLiteral("SavePdf"));
        pdf->setToolTip(tr("Salva il documento come file PDF"));
        pdf->setIconText(tr("Salva PDF"));
        if (QWidget* button = bar->widgetForAction(pdf))
            button->setObjectName(QStringLiteral("SavePdfButton"));
        connect(pdf, &QAction::triggered, &dialog, [this, &document] { savePdf(document); });
    }
    dialog.resize(900, 1000);
    if (prepareDialog)
        prepareDialog(dialog);
    dialog.exec();
    m_printer->setFullPage(fullPage);
    m_printer->setPageLayout(ownLayout);
    m_printer->setPrintRange(QPrinter::AllPages);
}

bool DocumentPrinter::print(PrintDocument& document) {
    const QString font = CheckPrintFont();
    if (!font.isEmpty()) {
        m_prompt.message(font, IPrompt::Icon::Error);
        return false;
    }
    if (document.pageCount() <= 0) {
        m_prompt.message(QCoreApplication::translate("PageCount", kNoPrintDataMessage),
                         IPrompt::Icon::Information);
        return false;
    }
    CaptionKeeper caption(m_window);
    m_printer->setDocName(document.fileBaseName());
    bool go = false;
    if (choosePrinter) {
        go = choosePrinter(*m_printer);
    } else {
        QPrintDialog dialog(m_printer.get(), m_window);
        dialog.setWindowTitle(tr("Stampa"));
        dialog.setMinMax(1, document.pageCount());
        go = dialog.exec() == QDialog::Accepted;
    }
    if (!go)
        return false;
    return printOn(document);
}

bool DocumentPrinter::printOn(PrintDocument& document) {
    const QPageLayout ownLayout = m_printer->pageLayout();
    const bool fullPage = m_printer->fullPage();
    m_printer->setFullPage(true);
    const bool printed = renderRange(document, *m_printer);
    // The next preview or print starts from the whole document again.
    m_printer->setPrintRange(QPrinter::AllPages);
    m_printer->setFullPage(fullPage);
    m_printer->setPageLayout(ownLayout);
    if (!printed)
        m_prompt.message(tr("Impossibile stampare il documento: la stampante non è "
                            "disponibile."),
                         IPrompt::Icon::Error);
    return printed;
}

bool DocumentPrinter::savePdf(PrintDocument& document) {
    QString folder = m_profile.string(Profile::Section::Settings, QStringLiteral("PdfFolder"));
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString file = m_files.saveFile(tr("Salva come PDF"), folder,
                                    SafeFileName(document.fileBaseName()) + QStringLiteral(".pdf"),
                                    tr("Documento PDF (*.pdf)"));
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    const QString error = WritePdf(document, file);
    if (!error.isEmpty()) {
        m_prompt.message(error, IPrompt::Icon::Error);
        return false;
    }
    m_profile.setValue(Profile::Section::Settings, QStringLiteral("PdfFolder"),
                       QFileInfo(file).absolutePath());
    return true;
}
