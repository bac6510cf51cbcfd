#include "store/DbError.h"
#include <QCoreApplication>

#include "store/TableRecord.h"

namespace {
const QString kMissingRow = QStringLiteral("quarzil:missing-row");
const QString kAmountTooLarge = QStringLiteral("quarzil:amount-too-large");
const QString kArchiveBusy = QStringLiteral("quarzil:archive-busy");

// The SQLite driver gives the primary result code as the native code: SQLITE_BUSY (5), or
// SQLITE_LOCKED (6) for a lock inside this process. PostgreSQL's codes are five-character states.
bool IsSqliteLock(const QSqlError& error) {
    if (error.type() == QSqlError::NoError)
        return false;
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6") ||
           error.databaseText().contains(QLatin1String("database is locked")) ||
           error.databaseText().contains(QLatin1String("database table is locked"));
}

// "-274877906943.9999" -> "-274.877.906.943,9999": the program's own Italian way, since the
// store knows no company format.
QString ItalianAmount(const CurrencyAmount& amount) {
    QString text = amount.toDecimalString();
    const bool negative = text.startsWith(u'-');
    if (negative)
        text.remove(0, 1);
    const qsizetype point = text.indexOf(u'.');
    const QString whole = text.left(point);
    QString grouped;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += u'.';
        grouped += whole[i];
    }
    return (negative ? QStringLiteral("-") : QString()) + grouped + u',' + text.mid(point + 1);
}
} // namespace

QString DbErrorText(const QSqlError& error) {
    const QString text = Readable(error).text().trimmed();
    if (error.type() == QSqlError::NoError || text.isEmpty())
        return QCoreApplication::translate("DbError", "Errore OleDB sconosciuto!");
    return text;
}

QSqlError MissingRowError(MissingRow when) {
    const QString text =
        when == MissingRow::Write
            ? QCoreApplication::translate(
                  "DbError", "Impossibile salvare le modifiche: il record non esiste più, è "
                             "stato eliminato da un altro computer.")
            : QCoreApplication::translate(
                  "DbError", "Il record non esiste più: è stato eliminato da un altro computer.");
    return QSqlError(QString(), text, QSqlError::StatementError, kMissingRow);
}

QSqlError AmountTooLargeError(const CurrencyAmount& amount) {
    // An amount beyond even the 64-bit range has no figure to show.
    const QString which = amount.isValid()
                              ? QStringLiteral("L'importo %1").arg(ItalianAmount(amount))
                              : QCoreApplication::translate("DbError", "Un importo");
    const QString text =
        QCoreApplication::translate(
            "DbError", "%1 è troppo grande per l'archivio, che conserva esattamente importi fino "
                       "a %2 in più o in meno: non è stato salvato.")
            .arg(which, ItalianAmount(CurrencyAmount::fromUnits(Record::kLargestStoredUnits)));
    return QSqlError(QString(), text, QSqlError::StatementError, kAmountTooLarge);
}

bool IsMissingRow(const QSqlError& error) {
    return error.nativeErrorCode() == kMissingRow;
}

bool IsStoreRefusal(const QSqlError& error) {
    return IsMissingRow(error) || error.nativeErrorCode() == kAmountTooLarge ||
           IsArchiveBusy(error);
}

bool IsArchiveBusy(const QSqlError& error) {
    return error.nativeErrorCode() == kArchiveBusy || IsSqliteLock(error);
}

QSqlError ArchiveBusyError() {
    return QSqlError(QString(),
                     QCoreApplication::translate(
                         "DbError",
                         "L'archivio è occupato da un altro programma o da un altro computer e "
                         "non ha risposto in tempo: le modifiche non sono state salvate. "
                         "Riprovare tra qualche istante."),
                     QSqlError::StatementError, kArchiveBusy);
}

QSqlError Readable(const QSqlError& error) {
    if (error.nativeErrorCode() != kArchiveBusy && IsSqliteLock(error))
        return ArchiveBusyError();
    return error;
}
