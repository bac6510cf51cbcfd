#pragma once

#include <QUrl>

class Profile;

// The pages the web commands open. Each one is a page of the maker's site (MakerPage, whose
// host is "Web"/"Sito"); a full address in "Web" under the page's own name ("Manuale",
// "Facebook", "YouTube", "Twitter", "Home", "Donazioni") replaces it.
namespace WebPages {

// The page of a web command (manual, social pages, home, donation, the views' online help);
// an empty URL for any other command.
QUrl ForCommand(const Profile& profile, int commandId);

// The help page of the find window.
QUrl FindHelp(const Profile& profile);

} // namespace WebPages
