#include "store/ConnectionString.h"

#include <QStringList>

namespace ConnectionString {

bool IsValid(const QString& text) { return text.left(8) == QLatin1String("Provider"); }

int TypeOf(const QString& text) { return text.contains(QLatin1String("QSQLITE")) ? 0 : 1; }

QString ForSqlite(const QString& file) {
    return QStringLiteral("Provider=QSQLITE;Data Source=%1").arg(file);
}

QString ForPostgres(const QString& server, const QString& catalog, const QString& user,
                    const QString& password) {
    return QStringLiteral("Provider=QPSQL;Data Source=%1;Initial Catalog=%2;User ID=%3;Password=%4")
        .arg(server, catalog, user, password);
}

QMap<QString, QString> Parse(const QString& text) {
    QMap<QString, QString> pairs;
    const QStringList parts = text.split(u';', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq <= 0)
            continue;
        pairs.insert(part.left(eq).trimmed().toLower(), part.mid(eq + 1));
    }
    return pairs;
}

QString Value(const QString& text, const QString& key) { return Parse(text).value(key.toLower()); }

} // namespace ConnectionString
