#include "store/ConnectionString.h"
#include <QCoreApplication>

namespace ConnectionString {

namespace {
// Reads the quoted value that begins at text[start] (a '"'). Returns the index just past the
// ';' that ends it (or the end of the text), -1 when it is not a well-formed quoted value.
qsizetype readQuoted(const QString& text, qsizetype start, QString* value) {
    QString out;
    qsizetype i = start + 1;
    while (i < text.size()) {
        if (text.at(i) != u'"') {
            out += text.at(i++);
            continue;
        }
        if (i + 1 < text.size() && text.at(i + 1) == u'"') {
            out += u'"';
            i += 2;
            continue;
        }
        // The closing quote: only spaces may stand between it and the next ';'.
        qsizetype j = i + 1;
        while (j < text.size() && text.at(j) == u' ')
            ++j;
        if (j < text.size() && text.at(j) != u';')
            return -1;
        *value = out;
        return j < text.size() ? j + 1 : j;
    }
    return -1;
}

// Keys compare as Parse lowers them.
bool isPasswordKey(const QString& key) {
    const QString lower = key.toLower();
    return lower == QLatin1String("password") || lower == QLatin1String("pwd");
}
} // namespace

bool IsValid(const QString& text) {
    return text.left(8) == QLatin1String("Provider");
}

int TypeOf(const QString& text) {
    return text.contains(QLatin1String("QSQLITE")) ? 0 : 1;
}

QString Quote(const QString& value) {
    if (!value.contains(u';') && !value.startsWith(u'"'))
        return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString ForSqlite(const QString& file) {
    return QStringLiteral("Provider=QSQLITE;Data Source=") + Quote(file);
}

QString ForPostgres(const QString& server, const QString& catalog, const QString& user,
                    const QString& password) {
    return QStringLiteral("Provider=QPSQL;Data Source=%1;Initial Catalog=%2;User ID=%3;Password=%4")
        .arg(Quote(server), Quote(catalog), Quote(user), Quote(password));
}

QMap<QString, QString> Parse(const QString& text) {
    QMap<QString, QString> pairs;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype end = text.indexOf(u';', i);
        if (end < 0)
            end = text.size();
        const qsizetype eq = text.indexOf(u'=', i);
        if (eq < 0 || eq > end) { // a part without '='
            i = end + 1;
            continue;
        }
        const QString key = text.mid(i, eq - i).trimmed().toLower();
        QString value;
        qsizetype next = -1;
        if (eq + 1 < text.size() && text.at(eq + 1) == u'"')
            next = readQuoted(text, eq + 1, &value);
        if (next < 0) {
            value = text.mid(eq + 1, end - eq - 1);
            next = end + 1;
        }
        if (!key.isEmpty())
            pairs.insert(key, value);
        i = next;
    }
    return pairs;
}

QString WithoutPassword(const QString& text) {
    // Walks the pairs as Parse does, keeping each one's own text unless its key is a password.
    QStringList kept;
    // The same pairs written again, each value quoted where it must be.
    QStringList rewritten;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype end = text.indexOf(u';', i);
        if (end < 0)
            end = text.size();
        const qsizetype eq = text.indexOf(u'=', i);
        qsizetype next = end + 1;
        QString key;
        if (eq >= 0 && eq <= end) {
            key = text.mid(i, eq - i).trimmed();
            QString value;
            qsizetype quotedEnd = -1;
            if (eq + 1 < text.size() && text.at(eq + 1) == u'"')
                quotedEnd = readQuoted(text, eq + 1, &value);
            if (quotedEnd >= 0)
                next = quotedEnd;
            else
                value = text.mid(eq + 1, end - eq - 1);
            if (!key.isEmpty() && !isPasswordKey(key))
                rewritten << key + u'=' + Quote(value);
        }
        QString part = text.mid(i, qMin(next, text.size()) - i);
        if (part.endsWith(u';'))
            part.chop(1);
        if (!isPasswordKey(key) && !part.trimmed().isEmpty())
            kept << part;
        i = next;
    }
    const QString safe = kept.join(u';');
    // A quote left open before the password can close further on once the password is gone,
    // and the pairs after it would run into one value: such a string is written again.
    QMap<QString, QString> expected = Parse(text);
    expected.remove(QStringLiteral("password"));
    expected.remove(QStringLiteral("pwd"));
    return Parse(safe) == expected ? safe : rewritten.join(u';');
}

QString Value(const QString& text, const QString& key) {
    return Parse(text).value(key.toLower());
}

QString Describe(const QString& text) {
    const QMap<QString, QString> pairs = Parse(text);
    const QString provider = pairs.value(QStringLiteral("provider"));
    const QString source = pairs.value(QStringLiteral("data source"));
    if (provider == QLatin1String("QPSQL")) {
        const QString catalog = pairs.value(QStringLiteral("initial catalog"));
        return source.isEmpty()
                   ? QCoreApplication::translate("ConnectionString", "%1 sul server locale")
                         .arg(catalog)
                   : QCoreApplication::translate("ConnectionString", "%1 sul server %2")
                         .arg(catalog, source);
    }
    return source.isEmpty() ? provider : source;
}

} // namespace ConnectionString
