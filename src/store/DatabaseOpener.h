#pragma once

#include <QString>

class Database;
class Profile;

// Opens the archive at start-up: the user's chosen connection (MyConnection), then the last
// good one (Connection), then the default file in the data folder, copied from the template on
// a first run. Each step is written to the crash log under "ConnectDatabase". On success the
// string that worked is stored and TypeConnection describes the open connection.
bool OpenDatabase(Database& db, Profile& profile, const QString& appDataFolder);
