#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Profile;

// The languages the program's resources exist in.
enum class InterfaceLanguage { Italian, English, Spanish, French };
// The language the interface is showing now; Italian unless another was switched to.
InterfaceLanguage ActiveInterfaceLanguage();

// The choices of the company's country list; any typed text is accepted as well.
QStringList CountryChoices(InterfaceLanguage language);

// A value of the company data in "Azienda" with the longest text it accepts.
struct CompanyField {
    QString key;
    int maxLength;
};

// In the order the company page saves them: the name first.
const QList<CompanyField>& CompanyFields();

// The company's country when none has been saved.
QString DefaultCountry();

// A company value as prints and pages read it: empty when missing, the country "Italia".
QString CompanyValue(const Profile& profile, const QString& key);
