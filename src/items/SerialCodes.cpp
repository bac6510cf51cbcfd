#include "items/SerialCodes.h"
#include <QCoreApplication>

#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/records/ImeiRecord.h"

#include <QSqlQuery>

namespace {
// The width of CodImei: a longer text is stored cut, so it is compared cut too.
constexpr int kCodeWidth = 30;

QString Cut(const QString& code) {
    return Record::CutText(code, kCodeWidth);
}
} // namespace

int SerialKindFor(int movementType) {
    switch (movementType) {
    case 0:
        return int(SerialKind::Load);
    case 1:
    case 3:
        return int(SerialKind::Unload);
    case 2:
        return int(SerialKind::Return);
    default:
        return -1;
    }
}

bool PointSerialCodes(Database& db, const QList<int>& imeiKeys, int rowKey) {
    if (rowKey <= 0)
        return false;
    TableRecordSet<ImeiRecord> set(db);
    for (int key : imeiKeys) {
        ImeiRecord r;
        if (!LoadRecord(db, key, r))
            return false;
        r.IDSottoMovimento = rowKey;
        if (!set.change(r))
            return false;
    }
    return true;
}

SerialResult SerialResult::Make(Code code, const QString& serial) {
    using Icon = IPrompt::Icon;
    SerialResult r;
    r.code = code;
    switch (code) {
    case Ok:
        break;
    case AlreadyLoaded:
        r.text =
            QCoreApplication::translate("SerialCodes", "Il codice seriale %1 è già stato caricato!")
                .arg(serial);
        r.icon = Icon::Information;
        break;
    case NotLoaded:
        r.text = QCoreApplication::translate(
                     "SerialCodes", "In archivio il codice seriale %1 non è stato caricato!")
                     .arg(serial);
        r.icon = Icon::Information;
        break;
    case AlreadyUnloaded:
        r.text = QCoreApplication::translate("SerialCodes",
                                             "Il codice seriale %1 è già stato scaricato!")
                     .arg(serial);
        r.icon = Icon::Information;
        break;
    case NotUnloaded:
        r.text = QCoreApplication::translate(
                     "SerialCodes", "In archivio il codice seriale %1 non è stato scaricato!")
                     .arg(serial);
        r.icon = Icon::Information;
        break;
    case UnloadedCannotDelete:
        r.text = QCoreApplication::translate("SerialCodes",
                                             "Codice seriale scaricato, impossibile cancellare!");
        r.icon = Icon::Warning;
        break;
    case UnloadedCannotChange:
        r.text = QCoreApplication::translate("SerialCodes",
                                             "Codice seriale scaricato, impossibile modificare!");
        r.icon = Icon::Warning;
        break;
    case InsertFailed:
        r.text =
            QCoreApplication::translate("SerialCodes", "Impossibile inserire il codice a barre!");
        r.icon = Icon::Warning;
        break;
    case SaveFailed:
        r.text =
            QCoreApplication::translate("SerialCodes", "Impossibile salvare il codice a barre!");
        r.icon = Icon::Warning;
        break;
    case DeleteFailed:
        r.text =
            QCoreApplication::translate("SerialCodes", "Impossibile cancellare il codice a barre!");
        r.icon = Icon::Warning;
        break;
    }
    return r;
}

SerialCodes::SerialCodes(Database& db, int kind, const QList<int>& editRows)
    : m_db(db), m_kind(kind) {
    for (int row : editRows)
        if (row > 0 && !m_editRows.contains(row))
            m_editRows << row;
}

std::optional<SerialCodes::Balance> SerialCodes::balance(const QString& code,
                                                         int leftOutImei) const {
    // A row counts when its movement is saved (the header exists) or when it is the open edit's;
    // rows left pending by an edit that never ended join no header and are not the edit's.
    QString sql = QStringLiteral(
        "SELECT Imei.Scaricato, COUNT(Imei.IDImei) FROM Imei INNER JOIN SottoMovimenti ON "
        "Imei.IDSottoMovimento = SottoMovimenti.IDSottoMovimento WHERE Imei.CodImei = ? AND "
        "Imei.IDImei <> ? AND (EXISTS (SELECT Movimenti.IDMovimento FROM Movimenti WHERE "
        "Movimenti.IDMovimento = SottoMovimenti.IDMovimento)");
    QVariantList values{Cut(code), leftOutImei};
    if (!m_editRows.isEmpty()) {
        QStringList marks;
        for (int row : m_editRows) {
            marks << QStringLiteral("?");
            values << row;
        }
        sql += QStringLiteral(" OR SottoMovimenti.IDSottoMovimento IN (%1)")
                   .arg(marks.join(QStringLiteral(", ")));
    }
    sql += QStringLiteral(") GROUP BY Imei.Scaricato");
    QSqlQuery q;
    if (!m_db.query(q, sql, values))
        return std::nullopt;
    Balance b;
    while (q.next()) {
        const int n = q.value(1).toInt();
        if (Record::ReadBit(q.value(0)).value_or(false))
            b.outs += n;
        else
            b.ins += n;
    }
    if (q.lastError().isValid()) {
        m_db.setError(q.lastError());
        return std::nullopt;
    }
    return b;
}

SerialResult SerialCodes::check(const QString& code, int leftOutImei) const {
    const std::optional<Balance> b = balance(code, leftOutImei);
    if (!b || m_kind < 0)
        return SerialResult::Make(SerialResult::InsertFailed);
    const QString shown = Cut(code);
    switch (SerialKind(m_kind)) {
    case SerialKind::Load:
        if (b->value() > 0)
            return SerialResult::Make(SerialResult::AlreadyLoaded, shown);
        break;
    case SerialKind::Unload:
        if (b->value() <= 0)
            return SerialResult::Make(
                b->ins == 0 ? SerialResult::NotLoaded : SerialResult::AlreadyUnloaded, shown);
        break;
    case SerialKind::Return:
        if (b->value() > 0 || b->outs == 0)
            return SerialResult::Make(SerialResult::NotUnloaded, shown);
        break;
    }
    return SerialResult::Make(SerialResult::Ok);
}

SerialResult SerialCodes::insert(int rowKey, const QString& code, int* key) {
    const SerialResult checked = check(code);
    if (!checked.ok())
        return checked;
    ImeiRecord r;
    r.IDSottoMovimento = qMax(rowKey, 0);
    r.CodImei = Cut(code);
    r.Scaricato = isUnload();
    TableRecordSet<ImeiRecord> set(m_db);
    if (!set.insert(r) || r.IDImei <= 0)
        return SerialResult::Make(SerialResult::InsertFailed);
    if (key)
        *key = r.IDImei;
    return checked;
}

SerialResult SerialCodes::change(int imeiKey, const QString& code) {
    ImeiRecord r;
    if (!LoadRecord(m_db, imeiKey, r))
        return SerialResult::Make(SerialResult::SaveFailed);
    const QString wanted = Cut(code);
    if (wanted == r.CodImei)
        return SerialResult::Make(SerialResult::Ok);
    const SerialCode held{r.IDImei, r.CodImei, r.Scaricato.value_or(false)};
    if (held.unloaded && !isUnload())
        return SerialResult::Make(SerialResult::UnloadedCannotChange);
    if (!held.unloaded) {
        const std::optional<bool> sold = leavesSoldUnit(held);
        if (!sold)
            return SerialResult::Make(SerialResult::SaveFailed);
        if (*sold)
            return SerialResult::Make(SerialResult::UnloadedCannotChange);
    }
    SerialResult checked = check(wanted, imeiKey);
    if (!checked.ok())
        return checked.code == SerialResult::InsertFailed
                   ? SerialResult::Make(SerialResult::SaveFailed)
                   : checked;
    r.CodImei = wanted;
    TableRecordSet<ImeiRecord> set(m_db);
    if (!set.change(r))
        return SerialResult::Make(SerialResult::SaveFailed);
    return checked;
}

SerialResult SerialCodes::checkRemove(int imeiKey) const {
    SerialCode row;
    if (!read(imeiKey, &row))
        return SerialResult::Make(SerialResult::DeleteFailed);
    if (row.unloaded && !isUnload())
        return SerialResult::Make(SerialResult::UnloadedCannotDelete);
    if (!row.unloaded) {
        const std::optional<bool> sold = leavesSoldUnit(row);
        if (!sold)
            return SerialResult::Make(SerialResult::DeleteFailed);
        if (*sold)
            return SerialResult::Make(SerialResult::UnloadedCannotDelete);
    }
    return SerialResult::Make(SerialResult::Ok);
}

SerialResult SerialCodes::remove(int imeiKey) {
    QSqlQuery q;
    if (!m_db.query(q, QStringLiteral("DELETE FROM Imei WHERE IDImei = ?"), {imeiKey}) ||
        q.numRowsAffected() < 1)
        return SerialResult::Make(SerialResult::DeleteFailed);
    return SerialResult::Make(SerialResult::Ok);
}

bool SerialCodes::list(int rowKey, QList<SerialCode>* codes) const {
    codes->clear();
    if (rowKey <= 0)
        return true;
    TableRecordSet<ImeiRecord> set(m_db);
    if (!set.open(QStringLiteral("SELECT * FROM Imei WHERE IDSottoMovimento = ? ORDER BY IDImei"),
                  {rowKey}))
        return false;
    for (; !set.atEnd(); set.moveNext()) {
        const ImeiRecord& r = set.current();
        codes->append({r.IDImei, r.CodImei, r.Scaricato.value_or(false)});
    }
    return !set.failed();
}

std::optional<bool> SerialCodes::leavesSoldUnit(const SerialCode& row) const {
    const std::optional<Balance> with = balance(row.code);
    const std::optional<Balance> without = balance(row.code, row.key);
    if (!with || !without)
        return std::nullopt;
    // A row that does not count (not yet pointed at a row) changes nothing.
    return without->value() < 0 && without->value() < with->value();
}

bool SerialCodes::read(int imeiKey, SerialCode* row) const {
    ImeiRecord r;
    if (!LoadRecord(m_db, imeiKey, r))
        return false;
    *row = {r.IDImei, r.CodImei, r.Scaricato.value_or(false)};
    return true;
}
