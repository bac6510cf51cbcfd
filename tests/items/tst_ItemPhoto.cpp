// label: gui
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/IFileDialogs.h"
#include "common/Profile.h"
#include "company/Formats.h"
#include "items/ItemPhoto.h"
#include "items/ui/CFotoView.h"
#include "items/ui/CFotoWnd.h"
#include "items/ui/CRicaricoDialog.h"
#include "store/TableRecord.h"
#include "store/records/ArticoliRecord.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
using S = Profile::Section;

class FakeFileDialogs : public IFileDialogs {
public:
    QString answer;
    QStringList titles, filters;
    QString openFile(const QString& title, const QString&, const QString& filter) override {
        titles << title;
        filters << filter;
        return answer;
    }
    QString saveFile(const QString&, const QString&, const QString&, const QString&) override {
        return QString();
    }
    QString chooseFolder(const QString&, const QString&) override { return QString(); }
};

struct World {
    QTemporaryDir tmp;
    Profile profile{tmp.filePath(QStringLiteral("q.ini")), tmp.filePath(QStringLiteral("m.ini"))};
    ScriptedPrompt prompt;
    FakeFileDialogs files;
    RecordingBrowser browser;
    World() {
        profile.setValue(S::Azienda, QStringLiteral("DecValNum"), QStringLiteral(","));
        profile.setValue(S::Azienda, QStringLiteral("MigValNum"), QStringLiteral("."));
        profile.setValue(S::Azienda, QStringLiteral("NDecValNum"), 2);
        profile.setValue(S::Azienda, QStringLiteral("SimbVal"), QStringLiteral("€"));
        profile.setValue(S::Azienda, QStringLiteral("DecVal"), QStringLiteral(","));
        profile.setValue(S::Azienda, QStringLiteral("MigVal"), QStringLiteral("."));
        profile.setValue(S::Azienda, QStringLiteral("NDecVal"), 2);
    }
};

// A photograph-like picture (a gradient with grain) whose JPEG is at least `bytes` long.
QImage Photograph(qint64 bytes) {
    QRandomGenerator random(7);
    for (int side = 100;; side += 20) {
        QImage image(side, side * 3 / 4, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int grain = int(random.bounded(120));
                image.setPixel(x, y, qRgb((x + grain) % 256, (y + grain) % 256, grain * 2));
            }
        if (ItemPhoto::FromImage(image).size >= bytes)
            return image;
    }
}

QString SavedAsPng(const QTemporaryDir& dir, const QImage& image, const QString& name) {
    const QString file = dir.filePath(name);
    return image.save(file, "PNG") ? file : QString();
}

} // namespace

class tst_ItemPhoto : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menuAndChooser();
    void largePictureRefusedKeepingThePrevious();
    void unreadableFileKeepsThePrevious();
    void acceptedPictureSurvivesTheArchive_data();
    void acceptedPictureSurvivesTheArchive();
    void phonePhotoRefusedForItsPixels();
    void refusedFromTheHeaderOnlyWhenNothingCouldFit();
    void archiveFoundFromAnyFolder();
    void zoomedView();
    void markupFromSellingPrice();

private:
    TestSupport::ArchivePool m_pool;
};

void tst_ItemPhoto::menuAndChooser() {
    World w;
    CFotoWnd wnd(w.profile, w.prompt, w.files, w.browser);
    QStringList texts;
    for (QAction* a : wnd.menu()->actions())
        texts << a->text() + (a->isEnabled() ? QString() : QStringLiteral("(off)"));
    // Without a picture there is nothing to edit, remove or view.
    QCOMPARE(texts, QStringList({"&Scegli", "&Acquisisci", "&Modifica(off)", "&Cancella(off)",
                                 "&Visualizza(off)"}));
    QStringList zooms;
    for (QAction* a : wnd.menu()->actions().last()->menu()->actions())
        zooms << a->text();
    QCOMPARE(zooms, QStringList({"&Reale", "&Zoom x 2", "Zoom x &4", "Zoom x &8", "Zoom x &24",
                                 "Zoom x &50"}));

    wnd.choose(); // cancelled chooser: nothing happens
    QCOMPARE(w.files.titles, QStringList{"Quarzil : Selezione Immagine"});
    QCOMPARE(
        w.files.filters.first(),
        QStringLiteral("Tutti i documenti immagine (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)"));
    QVERIFY(w.prompt.shown.isEmpty());

    // Stored bytes that do not decode are kept, so saving the item does not lose them.
    wnd.setPicture("not a jpeg");
    QCOMPARE(wnd.picture(), QByteArray("not a jpeg"));
}

void tst_ItemPhoto::largePictureRefusedKeepingThePrevious() {
    World w;
    const QImage large = Photograph(200000);
    const qint64 size = ItemPhoto::FromImage(large).size;
    QVERIFY(size > ItemPhoto::kMaxBytes);
    w.files.answer = SavedAsPng(w.tmp, large, QStringLiteral("large.png"));

    CFotoWnd wnd(w.profile, w.prompt, w.files, w.browser);
    const QByteArray previous = ItemPhoto::FromImage(Photograph(1000)).jpeg;
    wnd.setPicture(previous);
    QSignalSpy changed(&wnd, &CFotoWnd::pictureChanged);
    w.prompt.expect(QStringLiteral("La dimensione dell'immagine è "));
    wnd.choose();
    QCOMPARE(w.prompt.shown.size(), 1);
    QCOMPARE(w.prompt.shown.first().text,
             QStringLiteral("La dimensione dell'immagine è %1 KB e non è indicata per essere "
                            "gestita in un database in quanto l'archivio aumenterebbe a "
                            "dismisura. Utilizzare un'immagine minore di 150 KB.")
                 .arg(FormatNumber(w.profile, size / 1024.0)));
    QVERIFY(w.prompt.shown.first().text.contains(QRegularExpression(" \\d{3},\\d\\d KB ")));
    QCOMPARE(w.prompt.shown.first().icon, IPrompt::Icon::Warning);
    QCOMPARE(wnd.picture(), previous);
    QCOMPARE(changed.count(), 0);
}

void tst_ItemPhoto::unreadableFileKeepsThePrevious() {
    World w;
    const QString notAPicture = w.tmp.filePath(QStringLiteral("notes.png"));
    QFile file(notAPicture);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("plain text");
    file.close();
    CFotoWnd wnd(w.profile, w.prompt, w.files, w.browser);
    const QByteArray previous = ItemPhoto::FromImage(Photograph(1000)).jpeg;
    wnd.setPicture(previous);
    for (const QString& answer : {notAPicture, w.tmp.filePath(QStringLiteral("missing.jpg"))}) {
        w.files.answer = answer;
        w.prompt.expect(QStringLiteral("Impossibile leggere l'immagine scelta"));
        wnd.choose();
        QCOMPARE(wnd.picture(), previous);
    }
    QVERIFY(w.prompt.unexpected.isEmpty() && w.prompt.pending().isEmpty());
    QCOMPARE(w.prompt.shown.last().icon, IPrompt::Icon::Warning);
}

void tst_ItemPhoto::acceptedPictureSurvivesTheArchive_data() {
    TestSupport::AddBackendRows();
}

void tst_ItemPhoto::acceptedPictureSurvivesTheArchive() {
    QUARZIL_FETCH_ARCHIVE(m_pool, db);
    World w;
    w.files.answer = SavedAsPng(w.tmp, Photograph(100000), QStringLiteral("photo.png"));
    CFotoWnd wnd(w.profile, w.prompt, w.files, w.browser);
    QSignalSpy changed(&wnd, &CFotoWnd::pictureChanged);
    wnd.choose();
    QVERIFY(w.prompt.shown.isEmpty());
    QCOMPARE(changed.count(), 1);
    const QByteArray jpeg = wnd.picture();
    QVERIFY(jpeg.size() >= 100000 && jpeg.size() <= ItemPhoto::kMaxBytes);
    QVERIFY(jpeg.startsWith("\xff\xd8"));

    TableRecordSet<ArticoliRecord> items(*db);
    ArticoliRecord item;
    item.Matricola = TestSupport::UniqueName(QStringLiteral("F"));
    item.Foto = jpeg;
    QVERIFY2(items.insert(item), qPrintable(db->errorText()));
    TableRecordSet<ArticoliRecord> reread(*db);
    QVERIFY(reread.openKey(item.IDArticolo) && !reread.atEnd());
    QCOMPARE(reread.current().Foto, jpeg);

    // Removing the picture and saving the item stores none.
    CFotoWnd shown(w.profile, w.prompt, w.files, w.browser);
    shown.setPicture(reread.current().Foto);
    QSignalSpy removed(&shown, &CFotoWnd::pictureChanged);
    shown.remove();
    QCOMPARE(removed.count(), 1);
    QVERIFY(shown.picture().isEmpty());
    reread.current().Foto = shown.picture();
    QVERIFY(reread.change(reread.current()));
    TableRecordSet<ArticoliRecord> again(*db);
    QVERIFY(again.openKey(item.IDArticolo) && !again.atEnd());
    QVERIFY(again.current().Foto.isEmpty());
}

// A 48 megapixel photo decodes to more than Qt's default reader limit; it is refused as too
// large for the archive, with its size, and not as "not an image".
void tst_ItemPhoto::phonePhotoRefusedForItsPixels() {
    World w;
    const QString file = w.tmp.filePath(QStringLiteral("phone.jpg"));
    {
        // Two colours keep the source small; the JPEG is a colour one, decoded at 4 bytes a pixel.
        QImage photo(8000, 6000, QImage::Format_Indexed8);
        photo.setColorTable({qRgb(200, 60, 40), qRgb(40, 120, 200)});
        photo.fill(0);
        for (int y = 2000; y < 4000; ++y)
            memset(photo.scanLine(y), 1, size_t(photo.bytesPerLine()));
        QVERIFY(photo.save(file, "JPEG", 50));
    }
    QVERIFY(qint64(8000) * 6000 * 4 > qint64(QImageReader::allocationLimit()) * 1024 * 1024);
    w.files.answer = file;
    CFotoWnd wnd(w.profile, w.prompt, w.files, w.browser);
    const QByteArray previous = ItemPhoto::FromImage(Photograph(1000)).jpeg;
    wnd.setPicture(previous);
    w.prompt.expect(QStringLiteral("L'immagine è di 8000 x 6000 pixel"));
    wnd.choose();
    QCOMPARE(w.prompt.shown.size(), 1);
    QCOMPARE(w.prompt.shown.first().text,
             QStringLiteral("L'immagine è di 8000 x 6000 pixel: salvata come JPEG supererebbe "
                            "comunque i 150 KB e non è indicata per essere gestita in un database "
                            "in quanto l'archivio aumenterebbe a dismisura. Utilizzare "
                            "un'immagine minore di 150 KB."));
    QCOMPARE(w.prompt.shown.first().icon, IPrompt::Icon::Warning);
    QCOMPARE(wnd.picture(), previous);
}

// The header check refuses only what no picture of that size could do: even a blank one just
// past the limit makes a JPEG over 150 KB, and one just within it is still decoded and judged
// by its real size.
void tst_ItemPhoto::refusedFromTheHeaderOnlyWhenNothingCouldFit() {
    const QSize within(200 * 16, 250 * 16);
    const QSize past(201 * 16, 250 * 16);
    QVERIFY(ItemPhoto::CouldFit(within));
    QVERIFY(!ItemPhoto::CouldFit(past));
    for (const QColor& colour : {QColor(Qt::white), QColor(Qt::gray)}) {
        QImage blank(past, QImage::Format_RGB32);
        blank.fill(colour);
        const ItemPhoto::Result result = ItemPhoto::FromImage(blank);
        QCOMPARE(result.status, ItemPhoto::Status::TooLarge);
        QVERIFY(result.size > ItemPhoto::kMaxBytes);
    }
    World w;
    QImage blank(within, QImage::Format_RGB32);
    blank.fill(Qt::white);
    const QString file = w.tmp.filePath(QStringLiteral("blank.png"));
    QVERIFY(blank.save(file, "PNG"));
    const ItemPhoto::Result read = ItemPhoto::FromFile(file);
    QVERIFY(read.status == ItemPhoto::Status::Ok || read.status == ItemPhoto::Status::TooLarge);
    QVERIFY(read.size > 0);
}

// Run by hand from any folder, without CTest's variables, a test still finds the template.
void tst_ItemPhoto::archiveFoundFromAnyFolder() {
    const QByteArray saved = qgetenv("QUARZIL_BUILD_DIR");
    const QString here = QDir::currentPath();
    QTemporaryDir elsewhere;
    qunsetenv("QUARZIL_BUILD_DIR");
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const bool found = QFile::exists(TestSupport::TemplateFile());
    TestSupport::Archive archive(QStringLiteral("sqlite"));
    QDir::setCurrent(here);
    if (!saved.isNull())
        qputenv("QUARZIL_BUILD_DIR", saved);
    QVERIFY2(found, qPrintable(TestSupport::TemplateFile()));
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
}

void tst_ItemPhoto::zoomedView() {
    World w;
    QWidget dialog;
    auto* wnd = new CFotoWnd(w.profile, w.prompt, w.files, w.browser, &dialog);
    wnd->showZoomed(4); // no picture: no window
    QVERIFY(dialog.findChildren<CFotoView*>().isEmpty());
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    wnd->setPicture(ItemPhoto::FromImage(image).jpeg);
    wnd->showZoomed(50);
    const auto views = dialog.findChildren<CFotoView*>();
    QCOMPARE(views.size(), 1);
    QPointer<CFotoView> view = views.first();
    QCOMPARE(view->windowTitle(), QStringLiteral("Visualizzazione Immagine"));
    QVERIFY(view->isWindow());
    QCOMPARE(view->zoomedSize(), QSize(1500, 1000));
    view->close();
    QTRY_VERIFY(view.isNull()); // freed when closed
}

void tst_ItemPhoto::markupFromSellingPrice() {
    World w;
    CRicaricoDialog dialog(w.profile, CurrencyAmount::fromUnits(100000), 0.22, 0.1, 0.2);
    QCOMPARE(dialog.sellingPriceField()->text(), QStringLiteral("€ 12,00"));
    QCOMPARE(dialog.markupField()->text(), QStringLiteral("20,000%"));
    dialog.sellingPriceField()->setText(QStringLiteral("15"));
    QCOMPARE(dialog.markup(), 0.5);
    QCOMPARE(dialog.markupField()->text(), QStringLiteral("50,000%"));

    // No purchase price: no mark-up can be worked out, and no inf or nan is shown.
    CRicaricoDialog free(w.profile, CurrencyAmount::fromUnits(0), 0.22, 0, 0.3);
    free.sellingPriceField()->setText(QStringLiteral("15"));
    QVERIFY(free.markupField()->text().isEmpty());
    QCOMPARE(free.markup(), 0.3);
}

QTEST_MAIN(tst_ItemPhoto)
#include "tst_ItemPhoto.moc"
