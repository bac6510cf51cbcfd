// label: gui
#include "NoFileDialogs.h"
#include "ScriptedPrompt.h"
#include "common/IBrowser.h"
#include "common/IFileDialogs.h"
#include "common/Profile.h"
#include "common/ui/QtFileDialogs.h"
#include "items/ItemPhoto.h"
#include "items/PictureEditFile.h"
#include "items/ui/CFotoEditWait.h"
#include "items/ui/CFotoWnd.h"
#include "items/ui/CSceltaScannerDialog.h"

#include "ModalTesting.h"
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMimeDatabase>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {
using S = Profile::Section;

// Stands for the desktop and its image editor: what "the user" does to the file once the
// desktop opened it.
class EditingBrowser : public IBrowser {
public:
    bool hasEditor = true;
    std::function<void(const QString& file)> editor;
    QList<QUrl> opened;
    QFileDevice::Permissions filePermissions;
    QFileDevice::Permissions folderPermissions;
    bool open(const QUrl& url) override {
        opened << url;
        const QString file = url.toLocalFile();
        filePermissions = QFileInfo(file).permissions();
        folderPermissions = QFileInfo(QFileInfo(file).absolutePath()).permissions();
        if (!hasEditor)
            return false;
        if (editor)
            editor(file);
        return true;
    }
};

QImage Solid(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Grain that JPEG cannot squeeze: size x size noise.
QImage Noise(QSize size) {
    QRandomGenerator random(11);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = random.generate() | 0xff000000u;
    }
    return image;
}

struct World {
    QTemporaryDir tmp;
    Profile profile{tmp.filePath(QStringLiteral("q.ini")), tmp.filePath(QStringLiteral("m.ini"))};
    ScriptedPrompt prompt;
    NoFileDialogs files;
    EditingBrowser browser;
    QDialog dialog;
    CFotoWnd* wnd = nullptr;
    World() {
        profile.setValue(S::Azienda, QStringLiteral("DecValNum"), QStringLiteral(","));
        profile.setValue(S::Azienda, QStringLiteral("MigValNum"), QStringLiteral("."));
        profile.setValue(S::Azienda, QStringLiteral("NDecValNum"), 2);
        wnd = new CFotoWnd(profile, prompt, files, browser, &dialog);
        wnd->setEditable(true);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    QAction* entry(const QString& text) const {
        for (QAction* a : wnd->menu()->actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }
};

} // namespace

class tst_PictureDevices : public QObject {
    Q_OBJECT
    QTemporaryDir m_sane;

    // The SANE test backend as the only one SANE loads, with these options.
    void saneDevices(int count, const QString& options = {}) {
        QFile dll(m_sane.filePath(QStringLiteral("dll.conf")));
        QVERIFY(dll.open(QIODevice::WriteOnly | QIODevice::Truncate));
        dll.write(count > 0 ? "test\n" : "");
        dll.close();
        QFile conf(m_sane.filePath(QStringLiteral("test.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly | QIODevice::Truncate));
        conf.write(
            QStringLiteral("number_of_devices %1\n%2").arg(qMax(count, 1)).arg(options).toUtf8());
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_sane.isValid());
        // SANE reads its configuration at every start of a session, from here only.
        qputenv("SANE_CONFIG_DIR", m_sane.path().toLocal8Bit());
    }

    void fitLowersTheResolutionOfLargePictures();
    void acquiresFromTheOnlyScanner();
    void choosesAmongSeveralScanners();
    void tellsWhenNoScannerIsThere();
    void tellsWhyAnAcquisitionFailed();
    void editedPictureIsTaken();
    void editedPictureTooLargeKeepsTheWaitOpen();
    void editWithoutEditorOrFile();
    void desktopWithoutImageEditorIsTold();
};

void tst_PictureDevices::fitLowersTheResolutionOfLargePictures() {
    // A small picture is kept as it is.
    const ItemPhoto::Result small = ItemPhoto::FitImage(Solid(QSize(200, 100), Qt::red));
    QCOMPARE(small.status, ItemPhoto::Status::Ok);
    QCOMPARE(ItemPhoto::Decode(small.jpeg).size(), QSize(200, 100));
    // Noise whose JPEG is megabytes, and a page too large for any JPEG within the limit.
    for (const QSize size : {QSize(1200, 900), QSize(5000, 7000)}) {
        const QImage big = size.width() < 2000 ? Noise(size) : Solid(size, Qt::white);
        const ItemPhoto::Result fitted = ItemPhoto::FitImage(big);
        QCOMPARE(fitted.status, ItemPhoto::Status::Ok);
        QVERIFY2(fitted.jpeg.size() <= ItemPhoto::kMaxBytes,
                 qPrintable(QString::number(fitted.jpeg.size())));
        const QSize got = ItemPhoto::Decode(fitted.jpeg).size();
        QVERIFY(got.width() < size.width());
        // The proportions stay.
        QVERIFY(qAbs(double(got.width()) / got.height() - double(size.width()) / size.height()) <
                0.02);
        // Not lowered more than needed: at least a tenth of the pixels a fitting picture could
        // have.
        QVERIFY(qint64(got.width()) * got.height() > 10000);
    }
    QCOMPARE(ItemPhoto::FitImage(QImage()).status, ItemPhoto::Status::Unreadable);
}

void tst_PictureDevices::acquiresFromTheOnlyScanner() {
    saneDevices(1, QStringLiteral("test-picture \"Color pattern\"\n"));
    World w;
    QSignalSpy changed(w.wnd, &CFotoWnd::pictureChanged);
    QAction* acquire = w.entry(QStringLiteral("&Acquisisci"));
    QVERIFY(acquire && acquire->isEnabled());
    acquire->trigger();
    QVERIFY2(w.prompt.shown.isEmpty(), qPrintable(w.prompt.shown.value(0).text));
    QCOMPARE(changed.count(), 1);
    const QByteArray jpeg = w.wnd->picture();
    QVERIFY(!jpeg.isEmpty());
    QVERIFY(jpeg.size() <= ItemPhoto::kMaxBytes);
    const QImage image = ItemPhoto::Decode(jpeg);
    // The test device's page (80 x 100 mm) at the resolution asked for.
    QCOMPARE(image.size(), QSize(314, 393));
    // In colour: the pattern has red, green and blue stripes.
    bool red = false, blue = false;
    for (int y = 0; y < image.height(); y += 3) {
        const QColor c = image.pixelColor(image.width() / 2, y);
        red = red || (c.red() > 150 && c.green() < 90 && c.blue() < 90);
        blue = blue || (c.blue() > 150 && c.red() < 90 && c.green() < 90);
    }
    QVERIFY(red && blue);
    // Modifica and Cancella now apply.
    QVERIFY(w.entry(QStringLiteral("&Modifica"))->isEnabled());
    QVERIFY(w.entry(QStringLiteral("&Cancella"))->isEnabled());

    // A hand scanner (height unknown in advance) with 16-bit samples.
    saneDevices(1, QStringLiteral("hand-scanner true\ndepth 16\ntest-picture \"Solid white\"\n"));
    acquire->trigger();
    QVERIFY(w.prompt.shown.isEmpty());
    const QImage hand = ItemPhoto::Decode(w.wnd->picture());
    QVERIFY(hand.height() > 0 && hand.width() > 0);
    QVERIFY(hand.pixelColor(hand.width() / 2, hand.height() / 2).lightness() > 240);
}

void tst_PictureDevices::choosesAmongSeveralScanners() {
    saneDevices(2, QStringLiteral("test-picture \"Solid white\"\n"));
    World w;
    QStringList offered;
    // Annulla in the choice: nothing is acquired.
    TestSupport::WhenUp<CSceltaScannerDialog>([&](CSceltaScannerDialog* d) {
        for (int i = 0; i < d->list()->count(); ++i)
            offered << d->list()->item(i)->text();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    w.entry(QStringLiteral("&Acquisisci"))->trigger();
    QCOMPARE(offered, (QStringList{QStringLiteral("Noname frontend-tester (test:0)"),
                                   QStringLiteral("Noname frontend-tester (test:1)")}));
    QVERIFY(w.wnd->picture().isEmpty());
    QVERIFY(w.prompt.shown.isEmpty());

    TestSupport::WhenUp<CSceltaScannerDialog>([](CSceltaScannerDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Quarzil : Selezione Scanner"));
        d->list()->setCurrentRow(1);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
    });
    w.entry(QStringLiteral("&Acquisisci"))->trigger();
    QVERIFY(w.prompt.shown.isEmpty());
    const QImage image = ItemPhoto::Decode(w.wnd->picture());
    QVERIFY(!image.isNull());
    QVERIFY(image.pixelColor(10, 10).lightness() > 240);
}

void tst_PictureDevices::tellsWhenNoScannerIsThere() {
    saneDevices(0);
    World w;
    const QByteArray before = ItemPhoto::FromImage(Solid(QSize(40, 30), Qt::green)).jpeg;
    w.wnd->setPicture(before);
    w.prompt.expect(QStringLiteral("Nessuno scanner"));
    w.entry(QStringLiteral("&Acquisisci"))->trigger();
    QCOMPARE(w.prompt.shown.size(), 1);
    QCOMPARE(w.prompt.shown.first().text,
             QStringLiteral("Nessuno scanner o fotocamera trovato: collegare il dispositivo, "
                            "accenderlo e riprovare."));
    QCOMPARE(w.prompt.shown.first().icon, IPrompt::Icon::Warning);
    QCOMPARE(w.wnd->picture(), before);
}

void tst_PictureDevices::tellsWhyAnAcquisitionFailed() {
    saneDevices(1, QStringLiteral("read-status-code \"SANE_STATUS_JAMMED\"\n"));
    World w;
    w.prompt.expect(QStringLiteral("Impossibile acquisire"));
    w.entry(QStringLiteral("&Acquisisci"))->trigger();
    QCOMPARE(w.prompt.shown.size(), 1);
    QCOMPARE(w.prompt.shown.first().text,
             QStringLiteral("Impossibile acquisire l'immagine da Noname frontend-tester (test:0): "
                            "Document feeder jammed"));
    QVERIFY(w.wnd->picture().isEmpty());
    QVERIFY(w.prompt.unexpected.isEmpty());
}

void tst_PictureDevices::editedPictureIsTaken() {
    World w;
    const QByteArray before = ItemPhoto::FromImage(Solid(QSize(40, 30), Qt::red)).jpeg;
    w.wnd->setPicture(before);
    QSignalSpy changed(w.wnd, &CFotoWnd::pictureChanged);
    QString edited;
    w.browser.editor = [&](const QString& file) {
        edited = file;
        // The editor gets the picture as stored, and saves a cropped, blue one over it.
        QCOMPARE(QFile(file).size(), before.size());
        QVERIFY(Solid(QSize(20, 10), Qt::blue).save(file, "JPEG"));
    };
    TestSupport::WhenUp<CFotoEditWait>([](CFotoEditWait* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Modifica Immagine"));
        QTest::mouseClick(d->doneButton(), Qt::LeftButton);
    });
    w.entry(QStringLiteral("&Modifica"))->trigger();
    QVERIFY2(w.prompt.shown.isEmpty(), qPrintable(w.prompt.shown.value(0).text));
    QCOMPARE(QFileInfo(edited).fileName(), QStringLiteral("temp.jpeg"));
    // Private to the user, and gone once the picture is back.
    QCOMPARE(w.browser.filePermissions & 0x0077, QFileDevice::Permissions());
    QCOMPARE(w.browser.folderPermissions & 0x0077, QFileDevice::Permissions());
    QVERIFY(!QFileInfo::exists(edited));
    QVERIFY(!QFileInfo::exists(QFileInfo(edited).absolutePath()));
    QCOMPARE(changed.count(), 1);
    const QImage now = ItemPhoto::Decode(w.wnd->picture());
    QCOMPARE(now.size(), QSize(20, 10));
    QVERIFY(now.pixelColor(10, 5).blue() > 200);

    // Fatto without a change: the bytes stay exactly as they were (no second encoding).
    const QByteArray kept = w.wnd->picture();
    w.browser.editor = {};
    TestSupport::WhenUp<CFotoEditWait>(
        [](CFotoEditWait* d) { QTest::mouseClick(d->doneButton(), Qt::LeftButton); });
    w.entry(QStringLiteral("&Modifica"))->trigger();
    QCOMPARE(w.wnd->picture(), kept);
    QCOMPARE(changed.count(), 1);

    // Annulla after an edit: the picture stays.
    w.browser.editor = [](const QString& file) {
        QVERIFY(Solid(QSize(8, 8), Qt::yellow).save(file, "JPEG"));
    };
    TestSupport::WhenUp<CFotoEditWait>(
        [](CFotoEditWait* d) { QTest::mouseClick(d->cancelButton(), Qt::LeftButton); });
    w.entry(QStringLiteral("&Modifica"))->trigger();
    QCOMPARE(w.wnd->picture(), kept);
    QVERIFY(w.prompt.unexpected.isEmpty());
}

void tst_PictureDevices::editedPictureTooLargeKeepsTheWaitOpen() {
    World w;
    const QByteArray before = ItemPhoto::FromImage(Solid(QSize(40, 30), Qt::red)).jpeg;
    w.wnd->setPicture(before);
    QString file;
    w.browser.editor = [&](const QString& f) {
        file = f;
        QVERIFY(Noise(QSize(700, 500)).save(f, "JPEG", 95));
    };
    w.prompt.expect(QStringLiteral("La dimensione dell'immagine è"));
    bool stayedOpen = false;
    TestSupport::WhenUp<CFotoEditWait>([&](CFotoEditWait* d) {
        QTest::mouseClick(d->doneButton(), Qt::LeftButton);
        // Refused with its size; the user can still make it smaller and press Fatto again.
        stayedOpen = d->isVisible();
        QVERIFY(Solid(QSize(30, 30), Qt::blue).save(file, "JPEG"));
        QTest::mouseClick(d->doneButton(), Qt::LeftButton);
    });
    w.entry(QStringLiteral("&Modifica"))->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(w.prompt.shown.size(), 1);
    QVERIFY(w.prompt.shown.first().text.endsWith(
        QStringLiteral(" Utilizzare un'immagine minore di 150 KB.")));
    QCOMPARE(ItemPhoto::Decode(w.wnd->picture()).size(), QSize(30, 30));
}

void tst_PictureDevices::editWithoutEditorOrFile() {
    World w;
    const QByteArray before = ItemPhoto::FromImage(Solid(QSize(40, 30), Qt::red)).jpeg;
    // Without a picture there is nothing to edit.
    QVERIFY(!w.entry(QStringLiteral("&Modifica"))->isEnabled());
    w.wnd->setPicture(before);

    w.browser.hasEditor = false;
    w.prompt.expect(QStringLiteral("Nessun programma"));
    w.entry(QStringLiteral("&Modifica"))->trigger();
    QCOMPARE(w.prompt.shown.size(), 1);
    QCOMPARE(w.prompt.shown.first().text,
             QStringLiteral("Nessun programma installato per modificare immagini bitmap!"));
    QCOMPARE(w.wnd->picture(), before);
    QVERIFY(!QFileInfo::exists(w.browser.opened.first().toLocalFile()));

    // The temporary folder cannot take the file.
    const QByteArray savedTmp = qgetenv("TMPDIR");
    QFile blocker(w.tmp.filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("TMPDIR", blocker.fileName().toLocal8Bit());
    w.prompt.expect(QStringLiteral("Impossibile modificare"));
    w.entry(QStringLiteral("&Modifica"))->trigger();
    if (savedTmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTmp);
    QCOMPARE(w.prompt.shown.size(), 2);
    QCOMPARE(w.prompt.shown.last().text, QStringLiteral("Impossibile modificare l'immagine!"));
    QCOMPARE(w.browser.opened.size(), 1);
    QCOMPARE(w.wnd->picture(), before);
    QVERIFY(w.prompt.unexpected.isEmpty());

    // Bytes that are no picture are never handed to an editor.
    PictureEditFile file;
    QVERIFY(!file.create(QByteArrayLiteral("not a jpeg")));
}

void tst_PictureDevices::desktopWithoutImageEditorIsTold() {
    // A desktop whose settings name no program for JPEG pictures, then one that does.
    QTemporaryDir xdg;
    const QString config = xdg.filePath(QStringLiteral("config"));
    const QString data = xdg.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(config) && QDir().mkpath(data + QStringLiteral("/applications")));
    // The picture's kind comes from the system's MIME database, read before the desktop is
    // replaced (it is found through XDG_DATA_DIRS too).
    QCOMPARE(QMimeDatabase().mimeTypeForFile(QStringLiteral("x.jpeg")).name(),
             QStringLiteral("image/jpeg"));
    const QList<QByteArray> names = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS",
                                     "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP"};
    QList<QByteArray> saved;
    for (const QByteArray& n : names)
        saved << qgetenv(n.constData());
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", config.toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    qputenv("XDG_DATA_DIRS", data.toLocal8Bit());
    qunsetenv("XDG_CURRENT_DESKTOP");
    const QString picture = xdg.filePath(QStringLiteral("temp.jpeg"));
    QVERIFY(Solid(QSize(4, 4), Qt::red).save(picture, "JPEG"));

    const bool without = DesktopBrowser::HasHandler(picture);
    DesktopBrowser desktop;
    const bool opened = desktop.open(QUrl::fromLocalFile(picture));

    QFile entry(data + QStringLiteral("/applications/quarzil-test-viewer.desktop"));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Viewer\nExec=true %f\n"
                "MimeType=image/jpeg;\n");
    entry.close();
    QFile apps(config + QStringLiteral("/mimeapps.list"));
    QVERIFY(apps.open(QIODevice::WriteOnly));
    apps.write("[Default Applications]\nimage/jpeg=quarzil-test-viewer.desktop\n");
    apps.close();
    const bool with = DesktopBrowser::HasHandler(picture);

    for (int i = 0; i < names.size(); ++i)
        if (saved[i].isNull())
            qunsetenv(names[i].constData());
        else
            qputenv(names[i].constData(), saved[i]);
    QVERIFY(!without);
    QVERIFY(!opened);
    QVERIFY(with);
}

// Without the test library's crash handler SIGPIPE keeps its default, which SANE's reader
// threads replace by "ignore" while they run, as in the program; with the handler in place
// SANE leaves the signal alone, and a late write of the backend's reader into an ended scan's
// pipe was reported as a crash now and then.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tst_PictureDevices test;
    QStringList args = app.arguments();
    args << QStringLiteral("-nocrashhandler");
    return QTest::qExec(&test, args);
}
#include "tst_PictureDevices.moc"
