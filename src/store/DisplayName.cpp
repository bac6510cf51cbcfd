#include "store/DisplayName.h"

#include "store/Database.h"

#include <QSqlQuery>
#include <QVariant>

QString GetDisplayName(Database& db, int key, int kind) {
    static const char* const statements[] = {
        "SELECT Sigla FROM UnMis WHERE IDUM = ?",
        "SELECT Categoria FROM Categorie WHERE IDCategoria = ?",
        "SELECT Reparto FROM Reparti WHERE IDReparto = ?",
        "SELECT Scaffale FROM Scaffali WHERE IDScaffale = ?",
        "SELECT RagSoc FROM CliFor WHERE IDCliFor = ?",
        "SELECT Gruppo FROM Gruppi WHERE IDGruppo = ?",
    };
    if (key <= 0 || kind < 0 || kind > 5)
        return QString();
    QSqlQuery q;
    if (!db.query(q, QLatin1String(statements[kind]), {key}) || !q.next() || q.value(0).isNull())
        return QString();
    return q.value(0).toString();
}
