#include "store/DbError.h"
#include <QCoreApplication>

#include "store/TableRecord.h"

namespace {
const QString kMissingRow = QStringLiteral("quarzil:missing-row");
const QString kAmountTooLarge = QStringLiteral("quarzil:amount-too-large");

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
    const QString text = error.text().trimmed();
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
    return IsMissingRow(error) || error.nativeErrorCode() == kAmountTooLarge;
}
