#pragma once

#include "store/MdbImport.h"

#include <QString>
#include <functional>
#include <memory>

class IFileDialogs;
class IPrompt;
class Profile;
class QWidget;

// "Importa archivio Access (.mdb)...": the user picks an archive of the Windows program, the
// new archive's file, watches the import (and may cancel it), then says whether to use the
// new archive now. Started from the application menu and from the connection dialog.
class MdbImportFlow {
public:
    // appDataFolder: the user's application-data folder (the new archive goes by default into
    // the program's data folder under it). currentConnection: the archive in use, which the
    // import must never overwrite.
    MdbImportFlow(Profile& profile, IPrompt& prompt, IFileDialogs& files,
                  const QString& appDataFolder, const QString& currentConnection,
                  QWidget* parent = nullptr);

    // The switch to the new archive, called with its connection string once the user chose to
    // use it and MyConnection holds it. Unset, the new archive opens at the next start and the
    // user is told so.
    std::function<void(const QString& connectionString)> reconnect;
    // How a chosen file is read (tests give their own source).
    std::function<std::unique_ptr<MdbImportSource>(const QString& file, QString* error)> openSource;

    // True when a new archive was made.
    bool run();
    // The new archive's file, after a run that made one.
    QString importedFile() const { return m_imported; }

    static QString OpenFilter();

private:
    Profile& m_profile;
    IPrompt& m_prompt;
    IFileDialogs& m_files;
    QString m_appData;
    QString m_current;
    QWidget* m_parent;
    QString m_imported;
};
