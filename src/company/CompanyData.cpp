#include "company/CompanyData.h"

#include "common/Language.h"
#include "common/Profile.h"

InterfaceLanguage ActiveInterfaceLanguage() {
    const QString code = Language::Active();
    if (code == QLatin1String("en"))
        return InterfaceLanguage::English;
    if (code == QLatin1String("es"))
        return InterfaceLanguage::Spanish;
    if (code == QLatin1String("fr"))
        return InterfaceLanguage::French;
    return InterfaceLanguage::Italian;
}

QStringList CountryChoices(InterfaceLanguage language) {
    switch (language) {
    case InterfaceLanguage::Italian:
        return {QStringLiteral("Italia"), QStringLiteral("Svizzera"), QStringLiteral("San Marino"),
                QStringLiteral("Altra")};
    case InterfaceLanguage::English:
        return {QStringLiteral("Australia"),      QStringLiteral("Canada"),
                QStringLiteral("New Zealand"),    QStringLiteral("United States"),
                QStringLiteral("United Kingdom"), QStringLiteral("South Africa"),
                QStringLiteral("Other")};
    case InterfaceLanguage::Spanish:
        return {QStringLiteral("España"),    QStringLiteral("México"), QStringLiteral("Colombia"),
                QStringLiteral("Argentina"), QStringLiteral("Chile"),  QStringLiteral("Costa Rica"),
                QStringLiteral("Más")};
    case InterfaceLanguage::French:
        return {QStringLiteral("France"),   QStringLiteral("Canada"),     QStringLiteral("Suisse"),
                QStringLiteral("Belgique"), QStringLiteral("Luxembourg"), QStringLiteral("Maroc"),
                QStringLiteral("Tunisie"),  QStringLiteral("Autre")};
    }
    return {};
}

const QList<CompanyField>& CompanyFields() {
    static const QList<CompanyField> fields = {
        {QStringLiteral("RagSoc"), 250},   {QStringLiteral("Indirizzo"), 250},
        {QStringLiteral("Comune"), 150},   {QStringLiteral("Paese"), 100},
        {QStringLiteral("Telefono"), 50},  {QStringLiteral("Fax"), 50},
        {QStringLiteral("Cellulare"), 50}, {QStringLiteral("EMail"), 100},
        {QStringLiteral("Web"), 150},      {QStringLiteral("CodFisc"), 16},
        {QStringLiteral("PartIva"), 30},   {QStringLiteral("CapSoc"), 50},
        {QStringLiteral("Altro"), 250},
    };
    return fields;
}

QString DefaultCountry() {
    return QStringLiteral("Italia");
}

QString CompanyValue(const Profile& profile, const QString& key) {
    const QString fallback = key == QLatin1String("Paese") ? DefaultCountry() : QString();
    return profile.string(Profile::Section::Azienda, key, fallback);
}
