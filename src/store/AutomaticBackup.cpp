#include "store/AutomaticBackup.h"

#include "common/Profile.h"
#include "store/ArchiveBackup.h"
#include "store/ConnectionString.h"
#include "store/Database.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUuid>

namespace {
using S = Profile::Section;
const QString kBackJet = QStringLiteral("BackJet");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
} // namespace

AutomaticBackup::AutomaticBackup(Profile& profile, QString dataFolder,
                                 std::function<QDateTime()> clock)
    : m_profile(profile), m_dataFolder(std::move(dataFolder)), m_clock(std::move(clock)) {
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTime(); };
}

QString AutomaticBackup::FileFor(const QString& dataFolder, const QDateTime& when) {
    // Qt counts Monday as 1 and Sunday as 7; the files count Sunday as 1.
    const int day = when.date().dayOfWeek() % 7 + 1;
    return QDir(dataFolder).filePath(QStringLiteral("backup%1.db").arg(day));
}

// One fixed form, readable whatever the locale: a date written under one locale and read
// under another would otherwise never parse, and the backup would never run again.
QString AutomaticBackup::DateText(const QDateTime& when) {
    return when.toString(kDateFormat);
}

QDateTime AutomaticBackup::ParseDate(const QString& text) {
    return QDateTime::fromString(text.trimmed(), kDateFormat);
}

AutomaticBackup::Outcome AutomaticBackup::run(const QString& connectionString) {
    const QDateTime now = m_clock();
    const QDateTime last = ParseDate(m_profile.string(S::Settings, kBackJet));
    if (!last.isValid()) {
        m_profile.setValue(S::Settings, kBackJet, DateText(now));
        return Outcome::FirstDateStored;
    }
    if (now < last.addMSecs(qint64(kPeriodDays * 24 * 3600 * 1000)))
        return Outcome::NotDue;
    if (!ConnectionString::IsValid(connectionString) ||
        ConnectionString::TypeOf(connectionString) != 0)
        return Outcome::NotSqlite;
    const QString file = ConnectionString::Value(connectionString, QStringLiteral("Data Source"));
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return Outcome::FileMissing;

    Database db(QLatin1String("quarzil_autobackup_") + QUuid::createUuid().toString(QUuid::Id128));
    if (!db.openToInspect(ConnectionString::ForSqlite(file)))
        return Outcome::FileMissing;
    // Nobody waits at exit: a lock held elsewhere means skip, at once.
    db.execute(QStringLiteral("PRAGMA busy_timeout = 0"));
    // In WAL mode every open connection holds the file, but an exclusive transaction does not
    // see them: leaving WAL does, since only the one connection may leave it.
    QString mode;
    {
        QSqlQuery q;
        if (db.query(q, QStringLiteral("PRAGMA journal_mode")) && q.next())
            mode = q.value(0).toString().toLower();
    }
    const bool wal = mode == QLatin1String("wal");
    if (wal) {
        QSqlQuery q;
        if (!db.query(q, QStringLiteral("PRAGMA journal_mode=DELETE")) || !q.next() ||
            q.value(0).toString().toLower() != QLatin1String("delete"))
            return Outcome::InUse;
    }
    const auto restore = [&] {
        if (wal)
            db.execute(QStringLiteral("PRAGMA journal_mode=WAL"));
    };
    if (!db.execute(QStringLiteral("BEGIN EXCLUSIVE"))) {
        restore();
        return Outcome::InUse;
    }
    db.execute(QStringLiteral("ROLLBACK"));

    QDir().mkpath(m_dataFolder);
    QString error;
    if (!ArchiveBackup::CopyTo(db, FileFor(m_dataFolder, now), &error)) {
        restore();
        return Outcome::CopyFailed;
    }
    // Compaction: a refusal leaves the archive as it is, which is no reason to copy it again.
    db.execute(QStringLiteral("VACUUM"));
    restore();
    m_profile.setValue(S::Settings, kBackJet, DateText(now));
    return Outcome::Done;
}
