#pragma once

#include <QString>

// File choosers behind an interface, so tests answer them. An empty result means cancelled.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // filter in Qt's form: "Database Quarzil (*.db *.sqlite)".
    virtual QString openFile(const QString& title, const QString& folder,
                             const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& folder,
                             const QString& defaultName, const QString& filter) = 0;
    virtual QString chooseFolder(const QString& title, const QString& folder) = 0;
};
