#pragma once

#include "shell/StartupChecks.h"

#include <QByteArray>
#include <QString>

// The version the maker publishes, as read from the version file ("3.2.1").
struct PublishedVersion {
    QString text;   // as shown in the question
    int number = 0; // the digits without the dots: 3.2.1 is 321
    bool failed = false;
    int own = StartupChecks::kProgramVersion;

    bool updateAvailable() const { return !failed && number > own; }

    // failed: the file could not be read (its text is then "9.0.0", never an update). The
    // text is kept up to one character after its last dot, which drops a line end; a text
    // without a dot counts as 1.0.0; anything but digits left once the dots are gone counts as
    // no version at all.
    static PublishedVersion Parse(const QByteArray& body, bool failed,
                                  int own = StartupChecks::kProgramVersion);
};
