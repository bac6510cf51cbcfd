#include "movements/MovementTypes.h"

namespace MovementType {

QString Name(int type) {
    switch (type) {
    case Carico:
        return QStringLiteral("Carico");
    case Scarico:
        return QStringLiteral("Scarico");
    case Reso:
        return QStringLiteral("Reso");
    case Ricevuta:
        return QStringLiteral("Ricevuta");
    default:
        return QString();
    }
}

} // namespace MovementType
