#pragma once

#include <QSize>
#include <QString>
#include <optional>

class Profile;
struct OpeningReport;

namespace StartupChecks {

// The program's version number, as the installer writes it to the machine settings.
constexpr int kProgramVersion = QUARZIL_VERSION_NUMBER;
// Release notes shown once to users updating from an older version.
constexpr int kReleaseNotesVersion = 320;

// The message that refuses a display below 800x600 or with 15 bits per pixel or fewer.
std::optional<QString> DisplayProblem(const QSize& size, int depth);

enum class InternetState { Connected, Disconnected, Unknown };
// Asks the system's network information; without a backend the state is unknown.
InternetState TestInternetState();

// Copies the installation folder and version into the profile: the machine settings when they
// exist, else the folder found beside the executable and this program's version.
void SyncInstallation(Profile& profile, const QString& executableFolder);

// The release-notes text shipped in the installation folder; empty when there is none.
QString ReleaseNotesHtml(const QString& installationFolder);

// The refusal when no archive could be opened, with the archive and reason of each attempt.
QString OpeningFailedText(const OpeningReport& report);
// The warning when the archive the user chose could not be opened and another one is open.
// Empty when the chosen one did not fail.
QString ChosenArchiveFailedText(const OpeningReport& report, const QString& openConnection);
// The warning when the profile cannot be written.
QString ProfileNotSavedText(const QString& profileFile);
// The status bar's text naming the open archive.
QString OpenArchiveText(const QString& openConnection);

} // namespace StartupChecks
