// label: unit
#include <QFile>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString kId = QStringLiteral(QUARZIL_APP_ID);
const QString kResources = QStringLiteral(QUARZIL_RESOURCES_DIR);

// The [Desktop Entry] group as key -> value, localised keys as written ("Name[it]").
QMap<QString, QString> ReadDesktopEntry(const QString& file) {
    QMap<QString, QString> entry;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    bool inGroup = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (inGroup && eq > 0)
            entry.insert(line.left(eq), line.mid(eq + 1));
    }
    return entry;
}

struct Metainfo {
    QString id, launchable, releaseVersion;
    QStringList binaries, screenshots;
};

Metainfo ReadMetainfo(const QString& file) {
    Metainfo m;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return m;
    QXmlStreamReader xml(&f);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("release") && m.releaseVersion.isEmpty())
            m.releaseVersion = xml.attributes().value(QLatin1String("version")).toString();
        else if (name == QLatin1String("id"))
            m.id = xml.readElementText();
        else if (name == QLatin1String("launchable"))
            m.launchable = xml.readElementText();
        else if (name == QLatin1String("binary"))
            m.binaries << xml.readElementText();
        else if (name == QLatin1String("image"))
            m.screenshots << xml.readElementText();
    }
    return m;
}

} // namespace

class tst_DesktopEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entryStartsTheProgramWithItsIcon();
    void entryIsTranslated();
    void metainfoMatchesEntryAndVersion();
    void iconPicturesHaveTheirSizes();
};

void tst_DesktopEntry::entryStartsTheProgramWithItsIcon() {
    const auto entry =
        ReadDesktopEntry(kResources + QStringLiteral("/desktop/%1.desktop").arg(kId));
    QVERIFY2(!entry.isEmpty(), "no [Desktop Entry] group");
    QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("quarzil"));
    QCOMPARE(entry.value(QStringLiteral("Icon")), kId);
    QCOMPARE(entry.value(QStringLiteral("Categories")), QStringLiteral("Office;Finance;"));
    // The icon theme's file names follow the entry's Icon key.
    QVERIFY(QFile::exists(kResources + QStringLiteral("/icons/%1.svg").arg(kId)));
}

void tst_DesktopEntry::entryIsTranslated() {
    const auto entry =
        ReadDesktopEntry(kResources + QStringLiteral("/desktop/%1.desktop").arg(kId));
    for (const char* key : {"Name", "GenericName", "Comment"}) {
        const QString base = entry.value(QLatin1String(key));
        QVERIFY2(!base.isEmpty(), key);
        for (const char* lang : {"it", "es", "fr"}) {
            const QString localised =
                entry.value(QStringLiteral("%1[%2]").arg(QLatin1String(key), QLatin1String(lang)));
            const QByteArray what = QByteArray(key) + '[' + lang + ']';
            QVERIFY2(!localised.isEmpty(), what.constData());
            // A copied English text is an untranslated one; the name is the same everywhere.
            if (qstrcmp(key, "Name") != 0)
                QVERIFY2(localised != base, what.constData());
        }
    }
}

void tst_DesktopEntry::metainfoMatchesEntryAndVersion() {
    const Metainfo m =
        ReadMetainfo(kResources + QStringLiteral("/desktop/%1.metainfo.xml").arg(kId));
    QCOMPARE(m.id, kId);
    QCOMPARE(m.launchable, kId + QStringLiteral(".desktop"));
    // The newest release comes first and is the one being built.
    QCOMPARE(m.releaseVersion, QStringLiteral(QUARZIL_VERSION));
    QCOMPARE(m.binaries, QStringList({QStringLiteral("quarzil"), QStringLiteral("quarzil-cli")}));
    QVERIFY(!m.screenshots.isEmpty());
    for (const QString& url : m.screenshots)
        QVERIFY2(url.startsWith(QLatin1String("https://")), qPrintable(url));
}

void tst_DesktopEntry::iconPicturesHaveTheirSizes() {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage image(kResources + QStringLiteral("/icons/quarzil-%1.png").arg(size));
        QCOMPARE(image.size(), QSize(size, size));
        // Rounded corners: the theme's background shows through them.
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(image.pixelColor(size / 2, size / 2).alpha(), 255);
    }
}

QTEST_APPLESS_MAIN(tst_DesktopEntry)
#include "tst_DesktopEntry.moc"
