#pragma once

#include "common/IBrowser.h"
#include "common/IFileDialogs.h"

// The desktop's file choosers.
class QtFileDialogs : public IFileDialogs {
public:
    QString openFile(const QString& title, const QString& folder, const QString& filter) override;
    QString saveFile(const QString& title, const QString& folder, const QString& defaultName,
                     const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& folder) override;
};

// Pages, files and mail links open in the user's own applications. A file for whose kind the
// desktop has no program is not opened (false).
class DesktopBrowser : public IBrowser {
public:
    bool open(const QUrl& url) override;
    // Whether the desktop names a program for the file's kind.
    static bool HasHandler(const QString& file);
};
