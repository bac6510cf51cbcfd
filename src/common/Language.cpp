#include "common/Language.h"

#include "common/Profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace Language {
namespace {

const char* const kCodes[] = {"it", "en", "es", "fr"};

std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

QString& ActiveCode() {
    static QString code = QStringLiteral("it");
    return code;
}

} // namespace

QStringList Codes() {
    QStringList codes;
    for (const char* code : kCodes)
        codes << QLatin1String(code);
    return codes;
}

QString NativeName(const QString& code) {
    if (code == u"en")
        return QStringLiteral("English");
    if (code == u"es")
        return QStringLiteral("Español");
    if (code == u"fr")
        return QStringLiteral("Français");
    return QStringLiteral("Italiano");
}

QString Stored(const Profile& profile) {
    const QString code =
        FromArgument(profile.string(Profile::Section::Application, QStringLiteral("Lingua")));
    return code.isEmpty() ? QStringLiteral("it") : code;
}

void Store(Profile& profile, const QString& code) {
    profile.setValue(Profile::Section::Application, QStringLiteral("Lingua"), code);
}

QString FromArgument(const QString& text) {
    const QString code = text.trimmed().left(2).toLower();
    return Codes().contains(code) ? code : QString();
}

QString ResourceFolder() {
    return QStringLiteral(":/i18n");
}

bool Apply(const QString& wanted, bool* qtMissing) {
    const QString code = Codes().contains(wanted) ? wanted : QStringLiteral("it");
    std::vector<std::unique_ptr<QTranslator>> loaded;
    bool ok = true;
    // Italian is the source language: only Qt's own texts are needed for it.
    if (code != u"it") {
        const QDir folder(ResourceFolder());
        const QStringList files =
            folder.entryList({QStringLiteral("*_%1.qm").arg(code)}, QDir::Files, QDir::Name);
        if (files.isEmpty())
            ok = false;
        for (const QString& file : files) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(folder.filePath(file))) {
                ok = false;
                break;
            }
            loaded.push_back(std::move(translator));
        }
        if (!ok)
            loaded.clear();
    }
    auto qt = std::make_unique<QTranslator>();
    const QString qtCode = ok ? code : QStringLiteral("it");
    const bool qtFound = qt->load(QStringLiteral("qtbase_") + qtCode,
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtMissing)
        *qtMissing = !qtFound;
    if (qtFound)
        loaded.push_back(std::move(qt));

    // The old ones go before the new ones come, so that the windows retranslate once into the
    // new language only.
    for (auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed() = std::move(loaded);
    for (auto& translator : Installed())
        QCoreApplication::installTranslator(translator.get());
    ActiveCode() = ok ? code : QStringLiteral("it");
    return ok;
}

QString Active() {
    return ActiveCode();
}

} // namespace Language
