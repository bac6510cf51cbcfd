#pragma once

#include <QString>
#include <QStringList>

class Profile;

// The interface language: Italian at the source, English, Spanish and French from the
// translations built into the program. Printed documents, SQL, settings names and file names
// never go through it.
namespace Language {

// "it", "en", "es", "fr", in the order the "Lingua" choice lists them.
QStringList Codes();
// The language's own name: "Italiano", "English", "Español", "Français".
QString NativeName(const QString& code);
// The language stored in the profile ([Application] Lingua); Italian when none or unknown.
QString Stored(const Profile& profile);
void Store(Profile& profile, const QString& code);
// A code as typed on the command line ("en", "EN", "en_GB"); empty when it names no language of
// the program.
QString FromArgument(const QString& text);

// Switches every text of the interface, Qt's own included, to the language. Open windows get
// QEvent::LanguageChange. False when a translation the program carries could not be loaded (then
// the interface stays Italian); *qtMissing tells that Qt's own texts for it are not installed.
bool Apply(const QString& code, bool* qtMissing = nullptr);
// The language Apply last switched to; "it" before any.
QString Active();

// The resource folder holding the compiled translations.
QString ResourceFolder();

} // namespace Language
