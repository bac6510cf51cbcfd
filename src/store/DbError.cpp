#include "store/DbError.h"

QString DbErrorText(const QSqlError& error) {
    const QString text = error.text().trimmed();
    if (error.type() == QSqlError::NoError || text.isEmpty())
        return QStringLiteral("Errore OleDB sconosciuto!");
    return text;
}
