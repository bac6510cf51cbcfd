#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class Profile;

// The backup taken at exit every 20 days: a copy of the SQLite archive into the file of the
// day of the week (backup1.db on Sunday to backup7.db on Saturday), then a VACUUM of the
// archive, then the date in "Settings"/BackJet. Silent: a condition not met skips it, and the
// next exit tries again.
class AutomaticBackup {
public:
    enum class Outcome {
        FirstDateStored, // no date yet: only the date is stored
        NotDue,          // fewer than 20 days since the last one
        NotSqlite,       // no archive file (a PostgreSQL catalog, or nothing open)
        FileMissing,
        InUse,      // another connection holds the archive
        CopyFailed, // the archive is left as it was, the date too
        Done,
    };

    static constexpr double kPeriodDays = 20.0;

    // dataFolder: where the weekday files go (<appdata>/Norvisk/Quarzil). clock: the time now
    // (tests set it; the system clock when empty).
    AutomaticBackup(Profile& profile, QString dataFolder, std::function<QDateTime()> clock = {});

    // connectionString: the archive that was open, whichever setting named it.
    Outcome run(const QString& connectionString);

    // backup<n>.db for the day of `when`, 1 = Sunday.
    static QString FileFor(const QString& dataFolder, const QDateTime& when);
    // How BackJet is written and read.
    static QString DateText(const QDateTime& when);
    static QDateTime ParseDate(const QString& text);

private:
    Profile& m_profile;
    QString m_dataFolder;
    std::function<QDateTime()> m_clock;
};
