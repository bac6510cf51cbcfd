#pragma once

#include <QString>

class Database;

// What an open archive holds, for a look from outside the program.
struct ArchiveInfo {
    int schemaVersion = 0;
    qint64 items = 0;
    qint64 counterparts = 0;
    qint64 movements = 0;
    qint64 rows = 0; // movement rows
    qint64 agendaEntries = 0;
};

// Reads the version row and the counts; false (errorText() on db tells why) when any fails.
bool ReadArchiveInfo(Database& db, ArchiveInfo* info);
