// Connection strings: reading the pairs, dropping the password, describing the archive.
#include "FuzzInput.h"

#include "store/ConnectionString.h"

#include <QStringList>

namespace {

bool isPasswordKey(const QString& key) {
    return key == QLatin1String("password") || key == QLatin1String("pwd");
}

void checkText(const QString& text) {
    const QMap<QString, QString> pairs = ConnectionString::Parse(text);
    FUZZ_CHECK(ConnectionString::IsValid(text) == text.startsWith(QLatin1String("Provider")));
    const int type = ConnectionString::TypeOf(text);
    FUZZ_CHECK(type == 0 || type == 1);

    // The pairs written again, each value quoted where it must be, read back the same.
    QStringList parts;
    for (auto it = pairs.cbegin(); it != pairs.cend(); ++it) {
        FUZZ_CHECK(!it.key().isEmpty() && it.key() == it.key().trimmed().toLower());
        FUZZ_CHECK(ConnectionString::Value(text, it.key()) == it.value());
        parts << it.key() + u'=' + ConnectionString::Quote(it.value());
    }
    FUZZ_CHECK(ConnectionString::Parse(parts.join(u';')) == pairs);

    // Without its password the string keeps every other pair and names the same archive.
    const QString safe = ConnectionString::WithoutPassword(text);
    QMap<QString, QString> expected = pairs;
    expected.remove(QStringLiteral("password"));
    expected.remove(QStringLiteral("pwd"));
    const QMap<QString, QString> kept = ConnectionString::Parse(safe);
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        FUZZ_CHECK(!isPasswordKey(it.key()));
    FUZZ_CHECK(kept == expected);
    FUZZ_CHECK(ConnectionString::Describe(safe) == ConnectionString::Describe(text));
    FUZZ_CHECK(ConnectionString::WithoutPassword(safe) == safe);
}

// Values of any text make strings that give them back.
void checkBuilt(const QString& text) {
    const QStringList v = text.split(QChar(0));
    const QString server = v.value(0);
    const QString catalog = v.value(1);
    const QString user = v.value(2);
    const QString password = v.value(3);
    const QMap<QString, QString> sqlite =
        ConnectionString::Parse(ConnectionString::ForSqlite(server));
    FUZZ_CHECK(sqlite.value(QStringLiteral("provider")) == QLatin1String("QSQLITE"));
    FUZZ_CHECK(sqlite.value(QStringLiteral("data source")) == server);
    FUZZ_CHECK(ConnectionString::TypeOf(ConnectionString::ForSqlite(server)) == 0);

    const QString postgres = ConnectionString::ForPostgres(server, catalog, user, password);
    const QMap<QString, QString> pg = ConnectionString::Parse(postgres);
    FUZZ_CHECK(pg.value(QStringLiteral("provider")) == QLatin1String("QPSQL"));
    FUZZ_CHECK(pg.value(QStringLiteral("data source")) == server);
    FUZZ_CHECK(pg.value(QStringLiteral("initial catalog")) == catalog);
    FUZZ_CHECK(pg.value(QStringLiteral("user id")) == user);
    FUZZ_CHECK(pg.value(QStringLiteral("password")) == password);
    const QString safe = ConnectionString::WithoutPassword(postgres);
    FUZZ_CHECK(!ConnectionString::Parse(safe).contains(QStringLiteral("password")));
    FUZZ_CHECK(ConnectionString::Parse(safe).value(QStringLiteral("user id")) == user);
    const QString described = ConnectionString::Describe(postgres);
    FUZZ_CHECK(described.contains(catalog) && described.contains(server));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint8_t options = in.byte();
    const QString text = in.text(options & 0x80);
    if (options & 0x01)
        checkBuilt(text);
    else
        checkText(text);
    return 0;
}
