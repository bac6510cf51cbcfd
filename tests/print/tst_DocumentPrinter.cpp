// label: gui
#include "PdfTesting.h"
#include "ScriptedPrompt.h"
#include "common/IFileDialogs.h"
#include "common/Profile.h"
#include "print/PageFrame.h"
#include "print/PrintDocument.h"
#include "print/ui/DocumentPrinter.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// A document of a few pages, each saying which it is.
class PagesDocument : public PrintDocument {
public:
    explicit PagesDocument(int pages) : m_pages(pages) {}
    int pageCount() const override { return m_pages; }
    void drawPage(PageFrame& frame, int page) override {
        frame.painter().setFont(frame.bodyFont());
        frame.drawText(100, -100, QStringLiteral("Prova pagina %1").arg(page));
        frame.drawPageNumber(page, m_pages);
        ++drawn;
    }
    QString fileBaseName() const override { return QStringLiteral("Fattura 12/B 2026-03-05"); }
    int drawn = 0;

private:
    int m_pages;
};

class AnswerFiles : public IFileDialogs {
public:
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString& title, const QString& folder, const QString& name,
                     const QString& filter) override {
        asked << title << folder << name << filter;
        return answer;
    }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    QString answer;
    QStringList asked;
};

} // namespace

class tst_DocumentPrinter : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    // The preview shows the document under its own caption, its toolbar button saves the PDF
    // with the document's name offered, and the main window gets its caption back.
    void previewSavesPdf() {
        Profile profile(m_dir.filePath(QStringLiteral("p.ini")),
                        m_dir.filePath(QStringLiteral("m.ini")));
        ScriptedPrompt prompt;
        AnswerFiles files;
        files.answer = m_dir.filePath(QStringLiteral("salvato"));
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Movimenti di Magazzino - Quarzil"));
        window.show();
        DocumentPrinter printer(profile, prompt, files, &window);
        PagesDocument document(2);
        QString title;
        printer.prepareDialog = [&](QPrintPreviewDialog& dialog) {
            QTimer::singleShot(0, &dialog, [&] {
                title = dialog.windowTitle();
                auto* button = dialog.findChild<QToolButton*>(QStringLiteral("SavePdfButton"));
                QVERIFY(button);
                QCOMPARE(button->text(), QStringLiteral("Salva PDF"));
                QTest::mouseClick(button, Qt::LeftButton);
                QTest::keyClick(&dialog, Qt::Key_Escape);
            });
        };
        printer.preview(document);
        QCOMPARE(title, QStringLiteral("Anteprima di Stampa - Quarzil"));
        QVERIFY(document.drawn >= 2);
        // The name cannot carry a slash; the extension is added when the user leaves it out.
        QCOMPARE(files.asked.value(2), QStringLiteral("Fattura 12_B 2026-03-05.pdf"));
        const QString pdf = files.answer + QStringLiteral(".pdf");
        QCOMPARE(TestSupport::PdfPageCount(pdf), 2);
        QVERIFY(TestSupport::PdfText(pdf, 2).contains(QStringLiteral("Prova pagina 2")));
        QVERIFY(TestSupport::PdfText(pdf, 2).contains(QStringLiteral("Pagina 2 di 2")));
        QCOMPARE(window.windowTitle(), QStringLiteral("Movimenti di Magazzino - Quarzil"));
        // The next save starts in the folder of this one.
        QCOMPARE(profile.string(Profile::Section::Settings, QStringLiteral("PdfFolder")),
                 m_dir.path());
        QVERIFY(prompt.unexpected.isEmpty());
    }

    // A print goes out A4 portrait whatever the printer was set to, and the printer keeps its
    // own paper and orientation for the next program.
    void printForcesA4AndRestores() {
        Profile profile(m_dir.filePath(QStringLiteral("p2.ini")),
                        m_dir.filePath(QStringLiteral("m2.ini")));
        ScriptedPrompt prompt;
        AnswerFiles files;
        QMainWindow window;
        DocumentPrinter printer(profile, prompt, files, &window);
        const QString out = m_dir.filePath(QStringLiteral("stampa.pdf"));
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        printer.printer().setOutputFileName(out);
        printer.printer().setPageSize(QPageSize(QPageSize::Letter));
        printer.printer().setPageOrientation(QPageLayout::Landscape);
        printer.choosePrinter = [](QPrinter&) { return true; };
        PagesDocument document(3);
        QVERIFY(printer.print(document));
        QCOMPARE(TestSupport::PdfPageCount(out), 3);
        const QString info = TestSupport::RunTool(QStringLiteral("pdfinfo"), {out});
        QVERIFY2(info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(info));
        QCOMPARE(printer.printer().pageLayout().pageSize().id(), QPageSize::Letter);
        QCOMPARE(printer.printer().pageLayout().orientation(), QPageLayout::Landscape);

        // Pages 2 to 3 chosen in the print dialog: only they go out, and the next print starts
        // from the whole document again.
        PagesDocument five(5);
        printer.choosePrinter = [](QPrinter& p) {
            p.setPrintRange(QPrinter::PageRange);
            p.setFromTo(2, 3);
            return true;
        };
        QVERIFY(printer.print(five));
        QCOMPARE(TestSupport::PdfPageCount(out), 2);
        QVERIFY(TestSupport::PdfText(out, 1).contains(QStringLiteral("Prova pagina 2")));
        QVERIFY(TestSupport::PdfText(out, 2).contains(QStringLiteral("Pagina 3 di 5")));
        QCOMPARE(printer.printer().printRange(), QPrinter::AllPages);

        // Cancelled in the print dialog: nothing printed, nothing said.
        printer.choosePrinter = [](QPrinter&) { return false; };
        QVERIFY(!printer.print(document));
        QVERIFY(prompt.shown.isEmpty());
    }

    // Nothing to print: the user is told and no window opens.
    void emptyDocument() {
        Profile profile(m_dir.filePath(QStringLiteral("p3.ini")),
                        m_dir.filePath(QStringLiteral("m3.ini")));
        ScriptedPrompt prompt;
        AnswerFiles files;
        DocumentPrinter printer(profile, prompt, files, nullptr);
        bool opened = false;
        printer.prepareDialog = [&](QPrintPreviewDialog&) { opened = true; };
        PagesDocument document(0);
        prompt.expect(QStringLiteral("Non ci sono dati da stampare!"));
        printer.preview(document);
        QVERIFY(!opened);
        prompt.expect(QStringLiteral("Non ci sono dati da stampare!"));
        QVERIFY(!printer.print(document));
        QVERIFY(prompt.pending().isEmpty());
        QCOMPARE(prompt.shown.size(), 2);
        QCOMPARE(prompt.shown.first().icon, IPrompt::Icon::Information);
    }

    // A PDF that cannot be written is reported and leaves no half-written file.
    void unwritablePdf() {
        Profile profile(m_dir.filePath(QStringLiteral("p4.ini")),
                        m_dir.filePath(QStringLiteral("m4.ini")));
        ScriptedPrompt prompt;
        AnswerFiles files;
        files.answer = m_dir.filePath(QStringLiteral("manca/x.pdf"));
        DocumentPrinter printer(profile, prompt, files, nullptr);
        PagesDocument document(1);
        prompt.expect(QStringLiteral("Impossibile scrivere il file"));
        QVERIFY(!printer.savePdf(document));
        QVERIFY(prompt.pending().isEmpty());
        QVERIFY(!QFileInfo::exists(files.answer));
        QCOMPARE(prompt.shown.value(0).icon, IPrompt::Icon::Error);
    }
};

QTEST_MAIN(tst_DocumentPrinter)
#include "tst_DocumentPrinter.moc"
