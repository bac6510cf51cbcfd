#pragma once

#include "shell/SystemFacts.h"

#include <QList>
#include <QPair>
#include <QString>

class Profile;

// The report sent after a run that did not end regularly (or with a comment): what the
// program and the computer were, where the last run stopped, and the user's own words.
namespace SystemReport {

struct Input {
    SystemFacts facts;
    bool internet = false;
    QString directory;
    QString connection; // the passwords are taken out when the text is made
    QString myConnection;
    int items = 0;
    int movements = 0;
    int speedMs = 0;
    QList<QPair<QString, QString>> log;
    QString errorInfo; // what the user did last
    QString comment;   // what the user would improve

    bool hasUserText() const { return !errorInfo.isEmpty() || !comment.isEmpty(); }
};

// The profile's part of the input: Directory, Connection, MyConnection, NumArt, NumMov, Speed
// and the "Log" entries.
Input FromProfile(const Profile& profile, const SystemFacts& facts, bool internet);

// The report's text, line by line.
QString Text(const Input& input);

// "BreloReport.txt" in the temporary folder.
QString FilePath(const QString& temporaryFolder);
// Writes the text to a new file readable by its owner only, replacing an old one; a link or
// anything else standing at that name is removed, never followed.
bool WriteFile(const QString& path, const QString& text, QString* error = nullptr);
// The name the report is uploaded as: the anonymous id in decimal and ".txt".
QString UploadName(quint32 anonymousId);

} // namespace SystemReport
