#include "common/ui/QtFileDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

QString QtFileDialogs::openFile(const QString& title, const QString& folder,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}

QString QtFileDialogs::saveFile(const QString& title, const QString& folder,
                                const QString& defaultName, const QString& filter) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title,
                                        QDir(folder).filePath(defaultName), filter);
}

QString QtFileDialogs::chooseFolder(const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, folder);
}

bool DesktopBrowser::HasHandler(const QString& file) {
    // xdg-open starts in the background and reports no missing handler; xdg-mime, beside it,
    // tells whether the desktop has a program for the file's kind. Without xdg-utils the
    // desktop is asked anyway.
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true;
    const QString type = QMimeDatabase().mimeTypeForFile(file).name();
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished();
        return true;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

bool DesktopBrowser::open(const QUrl& url) {
    if (url.isLocalFile() && !HasHandler(url.toLocalFile()))
        return false;
    return QDesktopServices::openUrl(url);
}
