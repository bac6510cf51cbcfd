#include "items/ui/CFotoWnd.h"
#include <QCoreApplication>

#include "common/IBrowser.h"
#include "common/IFileDialogs.h"
#include "common/IPrompt.h"
#include "items/ItemPhoto.h"
#include "items/PictureEditFile.h"
#include "items/ScannerAcquisition.h"
#include "items/ui/CFotoEditWait.h"
#include "items/ui/CFotoView.h"
#include "items/ui/CSceltaScannerDialog.h"

#include <QContextMenuEvent>
#include <QEventLoop>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <functional>

namespace {
// The top-right square that opens the picture menu.
constexpr int kCorner = 15;

struct Zoom {
    const char* text;
    int factor;
};
const Zoom kZooms[] = {{QT_TRANSLATE_NOOP("CFotoWnd", "&Reale"), 1},
                       {QT_TRANSLATE_NOOP("CFotoWnd", "&Zoom x 2"), 2},
                       {QT_TRANSLATE_NOOP("CFotoWnd", "Zoom x &4"), 4},
                       {QT_TRANSLATE_NOOP("CFotoWnd", "Zoom x &8"), 8},
                       {QT_TRANSLATE_NOOP("CFotoWnd", "Zoom x &24"), 24},
                       {QT_TRANSLATE_NOOP("CFotoWnd", "Zoom x &50"), 50}};
// Runs work on a worker thread behind a modal wait window, the events going on meanwhile;
// "Annulla" calls cancel and the wait goes on until the work has stopped.
void RunWithWait(QWidget* parent, const QString& text, const std::function<void()>& work,
                 const std::function<void()>& cancel) {
    QProgressDialog wait(text, QCoreApplication::translate("CFotoWnd", "Annulla"), 0, 0, parent);
    wait.setObjectName(QStringLiteral("AcquisitionWait"));
    wait.setWindowTitle(QCoreApplication::translate("CFotoWnd", "Acquisisci"));
    wait.setWindowModality(Qt::WindowModal);
    // Shown only when the work takes long enough to be noticed (its own timer starts at the
    // first progress value, which a wait without steps never sets).
    wait.setMinimumDuration(0);
    wait.hide();
    QTimer::singleShot(300, &wait, [&wait] { wait.show(); });
    wait.setAutoClose(false);
    wait.setAutoReset(false);
    QEventLoop loop;
    QThread* thread = QThread::create(work);
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    QObject::connect(&wait, &QProgressDialog::canceled, &loop, [&wait, cancel] {
        wait.setLabelText(QCoreApplication::translate("CFotoWnd", "Interruzione in corso..."));
        if (cancel)
            cancel();
    });
    thread->start();
    loop.exec();
    thread->wait();
    delete thread;
}

QString NoScannerMessage() {
    return QCoreApplication::translate(
        "CFotoWnd", "Nessuno scanner o fotocamera trovato: collegare il dispositivo, "
                    "accenderlo e riprovare.");
}

} // namespace

CFotoWnd::CFotoWnd(Profile& profile, IPrompt& prompt, IFileDialogs& files, IBrowser& browser,
                   QWidget* parent)
    : QFrame(parent), m_profile(profile), m_prompt(prompt), m_files(files), m_browser(browser) {
    setObjectName(QStringLiteral("CFotoWnd"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    setMinimumSize(120, 90);

    m_menu = new QMenu(this);
    connect(m_menu->addAction(tr("&Scegli")), &QAction::triggered, this, &CFotoWnd::choose);
    connect(m_menu->addAction(tr("&Acquisisci")), &QAction::triggered, this, &CFotoWnd::acquire);
    m_edit = m_menu->addAction(tr("&Modifica"));
    connect(m_edit, &QAction::triggered, this, &CFotoWnd::edit);
    m_remove = m_menu->addAction(tr("&Cancella"));
    connect(m_remove, &QAction::triggered, this, &CFotoWnd::remove);
    m_view = m_menu->addMenu(tr("&Visualizza"));
    for (const Zoom& zoom : kZooms) {
        const int factor = zoom.factor;
        connect(m_view->addAction(tr(zoom.text)), &QAction::triggered, this,
                [this, factor] { showZoomed(factor); });
    }
    updateActions();
}

void CFotoWnd::setEditable(bool editable) {
    m_editable = editable;
    if (!editable)
        unsetCursor();
    update();
}

void CFotoWnd::setPicture(const QByteArray& jpeg) {
    // Bytes that do not decode are still kept as they are, so saving the item loses nothing.
    m_jpeg = jpeg;
    m_image = ItemPhoto::Decode(jpeg);
    updateActions();
    update();
}

QByteArray CFotoWnd::picture() const {
    return m_jpeg;
}

QMenu* CFotoWnd::menu() const {
    return m_menu;
}

void CFotoWnd::choose() {
    const QString file =
        m_files.openFile(ItemPhoto::ChooserTitle(), QString(), ItemPhoto::ChooserFilter());
    if (file.isEmpty())
        return;
    const ItemPhoto::Result result = ItemPhoto::FromFile(file);
    if (!refused(int(result.status), result.size, result.pixels))
        take(result.jpeg);
}

bool CFotoWnd::refused(int status, qint64 size, const QSize& pixels) {
    switch (ItemPhoto::Status(status)) {
    case ItemPhoto::Status::Unreadable:
        m_prompt.message(ItemPhoto::UnreadableMessage(), IPrompt::Icon::Warning);
        return true;
    case ItemPhoto::Status::TooLarge:
        m_prompt.message(ItemPhoto::TooLargeMessage(m_profile, size), IPrompt::Icon::Warning);
        return true;
    case ItemPhoto::Status::TooManyPixels:
        m_prompt.message(ItemPhoto::TooManyPixelsMessage(pixels), IPrompt::Icon::Warning);
        return true;
    case ItemPhoto::Status::Ok:
        break;
    }
    return false;
}

void CFotoWnd::take(const QByteArray& jpeg) {
    m_jpeg = jpeg;
    // Shown as stored, so the screen never shows more than what is kept.
    m_image = ItemPhoto::Decode(m_jpeg);
    updateActions();
    update();
    Q_EMIT pictureChanged();
}

void CFotoWnd::acquire() {
    ScannerAcquisition scanner;
    QList<ScannerAcquisition::Device> devices;
    QString error;
    RunWithWait(this, tr("Ricerca di scanner e fotocamere in corso..."),
                [&] { devices = ScannerAcquisition::Devices(&error); }, {});
    if (!error.isEmpty()) {
        m_prompt.message(tr("Impossibile usare scanner e fotocamere: %1").arg(error),
                         IPrompt::Icon::Warning);
        return;
    }
    if (devices.isEmpty()) {
        m_prompt.message(NoScannerMessage(), IPrompt::Icon::Warning);
        return;
    }
    int index = 0;
    if (devices.size() > 1) {
        QStringList labels;
        for (const ScannerAcquisition::Device& d : devices)
            labels << d.label();
        CSceltaScannerDialog choice(labels, window());
        if (choice.exec() != QDialog::Accepted || choice.chosen() < 0)
            return;
        index = choice.chosen();
    }
    const ScannerAcquisition::Device device = devices.at(index);
    ScannerAcquisition::Result scan;
    RunWithWait(
        this, tr("Acquisizione dell'immagine da %1 in corso...").arg(device.label()),
        [&] { scan = scanner.acquire(device.name); }, [&scanner] { scanner.cancel(); });
    if (scan.status == ScannerAcquisition::Status::Cancelled)
        return;
    if (scan.status != ScannerAcquisition::Status::Ok) {
        m_prompt.message(
            tr("Impossibile acquisire l'immagine da %1: %2").arg(device.label(), scan.error),
            IPrompt::Icon::Warning);
        return;
    }
    // A scanner's page is far larger than an item's picture, and its size is not the user's
    // choice: it is brought within the limit rather than refused.
    const ItemPhoto::Result result = ItemPhoto::FitImage(scan.image);
    if (!refused(int(result.status), result.size, result.pixels))
        take(result.jpeg);
}

void CFotoWnd::edit() {
    PictureEditFile file;
    if (!file.create(m_jpeg)) {
        m_prompt.message(tr("Impossibile modificare l'immagine!"), IPrompt::Icon::Warning);
        return;
    }
    if (!m_browser.open(QUrl::fromLocalFile(file.path()))) {
        m_prompt.message(tr("Nessun programma installato per modificare immagini "
                            "bitmap!"),
                         IPrompt::Icon::Warning);
        return;
    }
    // The desktop hands the file to its editor and gives no process to wait for: the user
    // says when the editing is done.
    CFotoEditWait wait(file.path(), window());
    ItemPhoto::Result result;
    wait.done = [&] {
        result = file.reload();
        return !refused(int(result.status), result.size, result.pixels);
    };
    if (wait.exec() != QDialog::Accepted || !file.changed())
        return;
    take(result.jpeg);
}

void CFotoWnd::remove() {
    if (m_jpeg.isEmpty())
        return;
    m_jpeg.clear();
    m_image = QImage();
    updateActions();
    update();
    Q_EMIT pictureChanged();
}

void CFotoWnd::showZoomed(int factor) {
    if (m_image.isNull())
        return;
    // A child window of the dialog, so a modal item dialog does not block it.
    auto* view = new CFotoView(m_image, factor, window());
    view->show();
}

void CFotoWnd::updateActions() {
    const bool shown = !m_image.isNull();
    m_remove->setEnabled(!m_jpeg.isEmpty());
    m_edit->setEnabled(shown);
    m_view->setEnabled(shown);
}

QRect CFotoWnd::cornerRect() const {
    const QRect inside = contentsRect();
    return QRect(inside.right() - kCorner + 1, inside.top(), kCorner, kCorner);
}

void CFotoWnd::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, palette().button());
    if (!m_image.isNull()) {
        // Whole picture, its proportions kept.
        const QSize size = m_image.size().scaled(inside.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), size);
        target.moveCenter(inside.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_image);
    } else {
        painter.setPen(palette().color(QPalette::ButtonText));
        QFont bold = font();
        bold.setBold(true);
        const QFontMetrics boldMetrics(bold);
        const int gap = fontMetrics().height() / 2;
        QRect titleRect = inside;
        if (m_editable) {
            const QRect hintRect = inside.adjusted(6, boldMetrics.height() + gap, -6, 0);
            painter.drawText(hintRect, Qt::AlignCenter | Qt::TextWordWrap,
                             tr("Click qui per selezionare un'immagine"));
            titleRect = inside.adjusted(0, 0, 0, -(fontMetrics().height() * 2 + gap));
        }
        painter.setFont(bold);
        painter.drawText(titleRect, Qt::AlignCenter, tr("Immagine"));
    }
    if (m_editable) {
        // A small arrow marks the corner that opens the menu.
        const QRect corner = cornerRect();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(corner, palette().window());
        QPainterPath arrow;
        const QPointF c = QRectF(corner).center();
        arrow.moveTo(c.x() - 4, c.y() - 2);
        arrow.lineTo(c.x() + 4, c.y() - 2);
        arrow.lineTo(c.x(), c.y() + 3);
        arrow.closeSubpath();
        painter.fillPath(arrow, palette().windowText());
    }
}

void CFotoWnd::mouseMoveEvent(QMouseEvent* event) {
    if (m_editable) {
        if (cornerRect().contains(event->position().toPoint()))
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
    }
    QFrame::mouseMoveEvent(event);
}

void CFotoWnd::leaveEvent(QEvent* event) {
    unsetCursor();
    QFrame::leaveEvent(event);
}

void CFotoWnd::mousePressEvent(QMouseEvent* event) {
    if (!m_editable || event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (cornerRect().contains(at))
        m_menu->popup(mapToGlobal(cornerRect().bottomLeft()));
    else if (contentsRect().contains(at))
        choose();
}

void CFotoWnd::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_editable) {
        QFrame::contextMenuEvent(event);
        return;
    }
    m_menu->popup(event->globalPos());
}
