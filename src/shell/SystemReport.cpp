#include "shell/SystemReport.h"

#include "common/Profile.h"
#include "shell/StartupChecks.h"
#include "store/ConnectionString.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SystemReport {

Input FromProfile(const Profile& profile, const SystemFacts& facts, bool internet) {
    using S = Profile::Section;
    Input in;
    in.facts = facts;
    in.internet = internet;
    in.directory = profile.string(S::Settings, QStringLiteral("Directory"));
    in.connection = profile.string(S::Settings, QStringLiteral("Connection"));
    in.myConnection = profile.string(S::Settings, QStringLiteral("MyConnection"));
    in.items = profile.integer(S::Settings, QStringLiteral("NumArt"));
    in.movements = profile.integer(S::Settings, QStringLiteral("NumMov"));
    in.speedMs = profile.integer(S::Application, QStringLiteral("Speed"));
    const QMap<QString, QString> log = profile.logEntries();
    for (auto it = log.cbegin(); it != log.cend(); ++it)
        in.log << qMakePair(it.key(), it.value());
    return in;
}

QString Text(const Input& in) {
    QString t;
    const auto mb = [](double value) {
        return value < 0 ? QStringLiteral("?") : QString::number(value, 'f', 2);
    };
    t += QStringLiteral("Software: Quarzil Free %1 Italiano\n").arg(StartupChecks::kProgramVersion);
    t += QStringLiteral("\nSistema Operativo: %1\n").arg(in.facts.osName);
    t += in.internet ? QStringLiteral("Connessione ad Internet: Si\n")
                     : QStringLiteral("Connessione ad Internet: No\n");
    t += in.facts.is64Bit ? QStringLiteral("Tipo Sistema Operativo: 64 bit\n")
                          : QStringLiteral("Tipo Sistema Operativo: 32 bit\n");
    t += QStringLiteral("SQLite: %1\n")
             .arg(in.facts.sqliteVersion.isEmpty() ? QStringLiteral("No") : in.facts.sqliteVersion);
    t += QStringLiteral("Numero Processori: %1\n").arg(in.facts.processors.size());
    for (int n = 0; n < in.facts.processors.size(); ++n) {
        const auto& p = in.facts.processors.at(n);
        t += QStringLiteral("Processore") + QStringLiteral(" %1: %2").arg(n).arg(p.name) +
             QStringLiteral(" %1").arg(p.identifier) + u'\n';
    }
    t += QStringLiteral("Memoria Totale: %1 MB\n").arg(mb(in.facts.totalMemoryMb));
    t += QStringLiteral("Memoria Disponibile: %1 MB\n").arg(mb(in.facts.availableMemoryMb));
    t += QStringLiteral("\nDirectory: %1\n").arg(in.directory);
    t +=
        QStringLiteral("\nConnessione: %1\n").arg(ConnectionString::WithoutPassword(in.connection));
    t += QStringLiteral("\nMia Connessione: %1\n")
             .arg(ConnectionString::WithoutPassword(in.myConnection));
    t += QStringLiteral("\nNumero Articoli: %1\n").arg(in.items);
    t += QStringLiteral("Numero Movimenti: %1\n").arg(in.movements);
    t += QStringLiteral("\nTempo in ms: %1\n").arg(in.speedMs);
    t += QStringLiteral("\nDati del Log\n");
    for (const auto& [key, step] : in.log)
        t += QStringLiteral("%1: %2\n").arg(key, step);
    if (in.hasUserText()) {
        t += QStringLiteral("\nInformazioni Errore: %1\n").arg(in.errorInfo);
        t += QStringLiteral("\nCommento Errore: %1\n").arg(in.comment);
    }
    return t;
}

QString FilePath(const QString& temporaryFolder) {
    return QDir(temporaryFolder).filePath(QStringLiteral("BreloReport.txt"));
}

bool WriteFile(const QString& path, const QString& text, QString* error) {
    // remove() takes a link away rather than its target; NewOnly then refuses whatever another
    // user may have put in its place since.
    if (QFileInfo(path).isSymLink() || QFileInfo::exists(path))
        QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray data = text.toUtf8();
    if (file.write(data) != data.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        file.close();
        QFile::remove(path);
        return false;
    }
    file.close();
    return true;
}

QString UploadName(quint32 anonymousId) {
    return QStringLiteral("%1.txt").arg(anonymousId);
}

} // namespace SystemReport
