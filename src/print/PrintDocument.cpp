#include "print/PrintDocument.h"

#include "print/PageCount.h"
#include "print/PageFrame.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

bool RenderDocument(PrintDocument& document, QPagedPaintDevice& device, int firstPage,
                    int lastPage) {
    const int pages = document.pageCount();
    const int first = qBound(1, firstPage > 0 ? firstPage : 1, qMax(1, pages));
    const int last = qMin(pages, lastPage > 0 ? lastPage : pages);
    if (pages <= 0 || first > last)
        return false;
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        PageFrame frame(painter);
        document.drawPage(frame, page);
        painter.restore();
    }
    return painter.end();
}

QString WritePdf(PrintDocument& document, const QString& path) {
    if (document.pageCount() <= 0)
        return QCoreApplication::translate("PageCount", kNoPrintDataMessage);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("PrintDocument", "Impossibile scrivere il file %1: %2")
            .arg(path, file.errorString());
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Quarzil"));
        writer.setTitle(document.fileBaseName());
        drawn = RenderDocument(document, writer);
    }
    if (!drawn) {
        file.cancelWriting();
        return QCoreApplication::translate("PrintDocument",
                                           "Impossibile creare il documento PDF %1.")
            .arg(path);
    }
    if (!file.commit())
        return QCoreApplication::translate("PrintDocument", "Impossibile scrivere il file %1: %2")
            .arg(path, file.errorString());
    return {};
}

QString SafeFileName(const QString& name) {
    QString safe;
    safe.reserve(name.size());
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            safe += u'_';
        else
            safe += c;
    }
    safe = safe.trimmed();
    while (safe.startsWith(u'.'))
        safe.remove(0, 1);
    return safe.isEmpty() ? QStringLiteral("Stampa") : safe;
}
