#include "common/ui/QtFileDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>

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

bool DesktopBrowser::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
