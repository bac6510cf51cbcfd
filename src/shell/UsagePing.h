#pragma once

#include <QString>
#include <QUrl>
#include <optional>

class Profile;
struct SystemFacts;

// The usage counter: one request a minute with the item and movement counts, so the maker
// knows how many installations are in use and how large they are.
namespace UsagePing {

struct Facts {
    QString processor;      // the first processor's name, trimmed
    QString installationId; // "320-<anonymous id>", or "320-" without one
    int items = 0;
    int movements = 0;
    QString osName;
};

// "320-<id>"; "320-" when the installation folder is not known or the machine has no id.
QString InstallationId(int version, const QString& installationFolder,
                       std::optional<quint32> anonymousId);

Facts FromSystem(const SystemFacts& system, const QString& installationFolder, int items,
                 int movements);

// codappnorvisk, codapphd, codappid=5, codapplang=1, n1, n2 and so, each value percent-encoded.
QString Query(const Facts& facts);
// The endpoint with the query.
QUrl Url(const QUrl& endpoint, const Facts& facts);

} // namespace UsagePing
