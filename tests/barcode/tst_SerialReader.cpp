// label: gui
#include "NoFileDialogs.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "barcode/BarcodeReader.h"
#include "barcode/SerialBarcodePort.h"
#include "barcode/SerialCodeFrames.h"
#include "barcode/ui/CLettoreBarreDialog.h"
#include "barcode/ui/CProvaLettoreDialog.h"
#include "barcode/ui/SerialReaderTyping.h"
#include "common/IFileDialogs.h"
#include "common/Profile.h"
#include "items/ItemStore.h"
#include "items/ui/CArticoloDialog.h"

#include "ModalTesting.h"
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {
using S = Profile::Section;

// A reader on a serial line: socat joins two pseudo-terminals, the program opens one end
// ("reader") and the test writes codes into the other ("scanner"), as the reader's cable would.
class ReaderLine {
public:
    explicit ReaderLine(const QString& folder)
        : readerEnd(folder + QStringLiteral("/reader")),
          scannerEnd(folder + QStringLiteral("/scanner")) {}
    ~ReaderLine() { unplug(); }

    bool plug() {
        m_socat = std::make_unique<QProcess>();
        m_socat->start(QStringLiteral("socat"),
                       {QStringLiteral("pty,link=%1,raw,echo=0").arg(readerEnd),
                        QStringLiteral("pty,link=%1,raw,echo=0").arg(scannerEnd)});
        if (!m_socat->waitForStarted(5000))
            return false;
        for (int i = 0; i < 200; ++i) {
            if (QFileInfo::exists(readerEnd) && QFileInfo::exists(scannerEnd))
                return true;
            QTest::qWait(10);
        }
        return false;
    }
    void unplug() {
        if (!m_socat)
            return;
        m_socat->terminate();
        if (!m_socat->waitForFinished(5000))
            m_socat->kill();
        m_socat->waitForFinished();
        m_socat.reset();
    }
    bool send(const QByteArray& bytes) const {
        QFile end(scannerEnd);
        if (!end.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        return end.write(bytes) == bytes.size();
    }

    const QString readerEnd;
    const QString scannerEnd;

private:
    std::unique_ptr<QProcess> m_socat;
};

} // namespace

class tst_SerialReader : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Profile> m_profile;
    std::unique_ptr<ReaderLine> m_line;

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_profile = std::make_unique<Profile>(m_dir->filePath(QStringLiteral("q.ini")),
                                              m_dir->filePath(QStringLiteral("m.ini")));
        m_line = std::make_unique<ReaderLine>(m_dir->path());
        QVERIFY2(m_line->plug(), "socat did not start (make deps installs it)");
    }
    void cleanup() {
        m_line.reset();
        m_profile.reset();
        m_dir.reset();
    }

    void framesEndAtSuffixOrPause();
    void storedValuesAndDefaults();
    void codeArrivesInTheItemDialogsFocusedField();
    void settingsDialogWritesTheSixValues();
    void testWindowShowsTheCode();
    void testWindowCannotOpenThePort();
    void unpluggedReaderIsToldOnceAndReopened();
};

void tst_SerialReader::framesEndAtSuffixOrPause() {
    SerialCodeFrames frames;
    // CR, LF, CR LF and ETX end a code; an STX prefix and other control bytes are dropped;
    // a code may come in pieces.
    QCOMPARE(frames.feed("\x02"
                         "8001234567890\x03"
                         "AB"),
             QStringList{QStringLiteral("8001234567890")});
    QVERIFY(frames.pending());
    QCOMPARE(frames.feed("C\r\n\r\nXY\n"),
             (QStringList{QStringLiteral("ABC"), QStringLiteral("XY")}));
    QVERIFY(!frames.pending());
    // No suffix: the pause ends it.
    QCOMPARE(frames.feed("12\t34"), QStringList());
    QCOMPARE(frames.flush(), QStringLiteral("1234"));
    QCOMPARE(frames.flush(), QString());
    // Noise never grows past the limit; bytes above 127 are kept one character each.
    QCOMPARE(frames.feed(QByteArray(1000, 'x') + "\r").first().size(),
             SerialCodeFrames::kMaxLength);
    QCOMPARE(frames.feed("\xe0\xe8\r"), QStringList{QStringLiteral("\u00e0\u00e8")});
}

void tst_SerialReader::storedValuesAndDefaults() {
    BarcodeReader none = BarcodeReader::Read(*m_profile);
    QVERIFY(none.isKeyboard());
    QCOMPARE(none.bitRate(), 9600);
    QCOMPARE(none.dataBits(), 8);
    QCOMPARE(none.description(), QStringLiteral(", 9600 bit/s, 8 N 1"));
    BarcodeReader serial;
    serial.port = m_line->readerEnd;
    serial.baud = 19200;
    serial.data = 7;
    serial.parity = 2;
    serial.stop = 2;
    serial.flow = 1;
    serial.write(*m_profile);
    QVERIFY(!IsKeyboardReader(*m_profile));
    const BarcodeReader back = BarcodeReader::Read(*m_profile);
    QCOMPARE(back.description(), m_line->readerEnd + QStringLiteral(", 19200 bit/s, 7 E 2"));
    QCOMPARE(back.flow, 1);
    // A keyboard reader is written as "Tastiera".
    BarcodeReader{}.write(*m_profile);
    QCOMPARE(m_profile->string(S::Hardware, QStringLiteral("LettPort")),
             QStringLiteral("Tastiera"));
    QVERIFY(IsKeyboardReader(*m_profile));
}

void tst_SerialReader::codeArrivesInTheItemDialogsFocusedField() {
    TestSupport::Archive archive(QStringLiteral("sqlite"));
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    m_profile->setValue(S::Hardware, QStringLiteral("LettPort"), m_line->readerEnd);
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    NoFileDialogs files;
    SerialBarcodePort port;
    SerialReaderTyping typing(port);
    QVERIFY2(port.start(BarcodeReader::Read(*m_profile)), qPrintable(port.lastError()));

    CArticoloDialog dialog(archive.db(), *m_profile, prompt, browser, files,
                           ItemStore::NewRecord());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // A serial reader: the dialog keeps its ordinary OK.
    QVERIFY(!dialog.keyboardReader());
    QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
    QLineEdit* barcode = dialog.field(QStringLiteral("CodBarre"));
    QLineEdit* code = dialog.field(QStringLiteral("Matricola"));
    barcode->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), barcode);

    QVERIFY(m_line->send("4006381333931\r"));
    QTRY_COMPARE(barcode->text(), QStringLiteral("4006381333931"));
    // Typed as keys: the dialog reacts as to typing (the barcode picture follows the field).
    QVERIFY(dialog.isVisible());
    QVERIFY(code->text().isEmpty());

    // The next code goes where the focus now is; the one ending with a pause, too.
    code->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), code);
    QVERIFY(m_line->send("ART-7"));
    QTRY_COMPARE(code->text(), QStringLiteral("ART-7"));
    QCOMPARE(barcode->text(), QStringLiteral("4006381333931"));
    QVERIFY(dialog.isVisible());
    QVERIFY(prompt.shown.isEmpty());

    // A field that acts on a scan when its Enter arrives gets one after the code.
    QLineEdit scanField;
    scanField.setProperty(SerialReaderTyping::kEnterProperty, true);
    QSignalSpy entered(&scanField, &QLineEdit::returnPressed);
    SerialReaderTyping::TypeInto(&scanField, QStringLiteral("99"));
    QCOMPARE(scanField.text(), QStringLiteral("99"));
    QCOMPARE(entered.count(), 1);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

void tst_SerialReader::settingsDialogWritesTheSixValues() {
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    {
        CLettoreBarreDialog dialog(*m_profile, prompt, browser, nullptr);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Lettore a Barre"));
        QCOMPARE(dialog.serialGroup()->title(), QStringLiteral(" Caratteristiche porta seriale "));
        // A keyboard reader at first: nothing serial to set or test.
        QCOMPARE(dialog.port()->currentText(), QStringLiteral("Tastiera"));
        QVERIFY(!dialog.serialGroup()->isEnabled());
        QVERIFY(!dialog.testButton()->isEnabled());
        QCOMPARE(dialog.testButton()->text(), QStringLiteral("Pro&va"));

        dialog.port()->setFocus();
        dialog.port()->lineEdit()->selectAll();
        QTest::keyClicks(dialog.port()->lineEdit(), m_line->readerEnd);
        QVERIFY(dialog.serialGroup()->isEnabled());
        QVERIFY(dialog.testButton()->isEnabled());
        dialog.baud()->setCurrentText(QStringLiteral("19200"));
        dialog.dataBits()->setCurrentText(QStringLiteral("7"));
        dialog.parity()->setCurrentText(QStringLiteral("Pari"));
        dialog.stopBits()->setCurrentText(QStringLiteral("2"));
        dialog.flow()->setCurrentText(QStringLiteral("Hardware"));
        QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    const QMap<QString, QVariant> expected{{QStringLiteral("LettPort"), m_line->readerEnd},
                                           {QStringLiteral("LettBaud"), 19200},
                                           {QStringLiteral("LettData"), 7},
                                           {QStringLiteral("LettParity"), 2},
                                           {QStringLiteral("LettStop"), 2},
                                           {QStringLiteral("LettFlow"), 1}};
    // Written to disk, as a new start reads them.
    Profile again(m_profile->fileName(), m_dir->filePath(QStringLiteral("m.ini")));
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(again.string(S::Hardware, it.key()), it.value().toString());

    // Shown again as stored; Annulla changes nothing, Tastiera gives the keyboard reader back.
    {
        CLettoreBarreDialog dialog(*m_profile, prompt, browser, nullptr);
        dialog.show();
        QCOMPARE(dialog.port()->currentText(), m_line->readerEnd);
        QCOMPARE(dialog.parity()->currentText(), QStringLiteral("Pari"));
        QCOMPARE(dialog.flow()->currentText(), QStringLiteral("Hardware"));
        dialog.port()->setCurrentText(QStringLiteral("Tastiera"));
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        QCOMPARE(m_profile->string(S::Hardware, QStringLiteral("LettPort")), m_line->readerEnd);
    }
    {
        CLettoreBarreDialog dialog(*m_profile, prompt, browser, nullptr);
        dialog.show();
        dialog.port()->setCurrentIndex(dialog.port()->findText(QStringLiteral("Tastiera")));
        QTest::mouseClick(dialog.helpButton(), Qt::LeftButton);
        QCOMPARE(browser.opened.size(), 1);
        QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
        QVERIFY(IsKeyboardReader(*m_profile));
    }
    QVERIFY(prompt.shown.isEmpty());
}

void tst_SerialReader::testWindowShowsTheCode() {
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    // The program is reading the same port: the test pauses it and gives it back.
    BarcodeReader running;
    running.port = m_line->readerEnd;
    SerialBarcodePort program;
    QSignalSpy programCodes(&program, &SerialBarcodePort::codeRead);
    QVERIFY(program.start(running));

    CLettoreBarreDialog dialog(*m_profile, prompt, browser, &program);
    dialog.show();
    dialog.port()->setCurrentText(m_line->readerEnd);
    QString shown, status, title;
    bool programPaused = false;
    TestSupport::WhenUp<CProvaLettoreDialog>([&](CProvaLettoreDialog* test) {
        title = test->windowTitle();
        programPaused = !program.isOpen();
        QVERIFY(m_line->send("\x02"
                             "ABC123\x03"));
        QTRY_COMPARE(test->codeField()->text(), QStringLiteral("ABC123"));
        shown = test->codeField()->text();
        status = test->status()->text();
        QCOMPARE(test->closeButton()->text(), QStringLiteral("Chiudi"));
        QTest::mouseClick(test->closeButton(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.testButton(), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Prova del Lettore"));
    QCOMPARE(shown, QStringLiteral("ABC123"));
    QCOMPARE(status, QStringLiteral("Codici letti: 1. Ultimo codice: 6 caratteri."));
    QVERIFY(programPaused);
    QVERIFY(prompt.shown.isEmpty());
    // The program reads again, and the test did not take its code.
    QVERIFY(program.isOpen());
    QCOMPARE(programCodes.count(), 0);
    QVERIFY(m_line->send("NEXT\r"));
    QTRY_COMPARE(programCodes.count(), 1);
    QCOMPARE(programCodes.first().first().toString(), QStringLiteral("NEXT"));
    // The test writes nothing.
    QVERIFY(!m_profile->contains(S::Hardware, QStringLiteral("LettPort")));
}

void tst_SerialReader::testWindowCannotOpenThePort() {
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    CLettoreBarreDialog dialog(*m_profile, prompt, browser, nullptr);
    dialog.show();
    dialog.port()->setCurrentText(m_dir->filePath(QStringLiteral("ttyGone")));
    prompt.expect(QStringLiteral("Impossibile aprire"));
    QTest::mouseClick(dialog.testButton(), Qt::LeftButton);
    QCOMPARE(prompt.shown.size(), 1);
    QCOMPARE(prompt.shown.first().text, QStringLiteral("Impossibile aprire la porta selezionata!"));
    QCOMPARE(prompt.shown.first().icon, IPrompt::Icon::Warning);
    QVERIFY(dialog.isVisible());
}

void tst_SerialReader::unpluggedReaderIsToldOnceAndReopened() {
    BarcodeReader reader;
    reader.port = m_line->readerEnd;
    SerialBarcodePort port;
    port.reopenIntervalMs = 50;
    QSignalSpy codes(&port, &SerialBarcodePort::codeRead);
    QSignalSpy lost(&port, &SerialBarcodePort::lost);
    QSignalSpy restored(&port, &SerialBarcodePort::restored);
    QVERIFY(port.start(reader));
    QVERIFY(m_line->send("ONE\r"));
    QTRY_COMPARE(codes.count(), 1);

    m_line->unplug();
    QTRY_COMPARE(lost.count(), 1);
    QCOMPARE(lost.first().first().toString(), m_line->readerEnd);
    // Retried many times meanwhile, told once.
    QTest::qWait(400);
    QCOMPARE(lost.count(), 1);
    QVERIFY(!port.isOpen());

    QVERIFY(m_line->plug());
    QTRY_COMPARE(restored.count(), 1);
    QVERIFY(m_line->send("TWO\r"));
    QTRY_COMPARE(codes.count(), 2);
    QCOMPARE(codes.last().first().toString(), QStringLiteral("TWO"));

    // Lost again: told again.
    m_line->unplug();
    QTRY_COMPARE(lost.count(), 2);
    port.stop();

    // A reader missing at the start is told once, and read when it comes.
    SerialBarcodePort late;
    late.reopenIntervalMs = 50;
    QSignalSpy lateLost(&late, &SerialBarcodePort::lost);
    QSignalSpy lateCodes(&late, &SerialBarcodePort::codeRead);
    QVERIFY(!late.start(reader));
    QCOMPARE(lateLost.count(), 1);
    QVERIFY(m_line->plug());
    QTRY_VERIFY(late.isOpen());
    QVERIFY(m_line->send("THREE\n"));
    QTRY_COMPARE(lateCodes.count(), 1);
    QCOMPARE(lateLost.count(), 1);
}

QTEST_MAIN(tst_SerialReader)
#include "tst_SerialReader.moc"
