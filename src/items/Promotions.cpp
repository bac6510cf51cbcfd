#include "items/Promotions.h"
#include <QCoreApplication>

#include "items/ItemNames.h"

#include "common/MakerSite.h"
#include "company/Formats.h"
#include "store/Database.h"
#include "store/LikePattern.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"
#include "store/records/OfferteRecord.h"

#include <QSqlQuery>

namespace Promotions {

namespace {

// Alphabetically, a missing description first on both back ends: the form of the name index.
QString ByDescription(const Database& db) {
    return TextOrder::Term(db.backend(), QStringLiteral("Descrizione")) +
           (db.isPostgres() ? QStringLiteral(" NULLS FIRST") : QString());
}

OfferteRecord ToRecord(const Promotion& p) {
    OfferteRecord r;
    r.IDOfferta = p.key;
    r.IDArticolo = p.itemId;
    // Always on keeps no dates, so that the period test of a sale never looks at them.
    if (!p.sempre) {
        r.DataInit = p.dataInit;
        r.DataEnd = p.dataEnd;
    }
    r.Attivo = p.attivo;
    r.Sempre = p.sempre;
    r.TreXDue = p.treXDue;
    r.DueXUno = p.dueXUno;
    r.Sconto = p.sconto;
    return r;
}

} // namespace

QString Text(const Profile& profile, const Promotion& p) {
    if (p.sconto)
        return QCoreApplication::translate("Promotions", "Promozione del %1")
            .arg(FormatNumber(profile, *p.sconto, -1, true));
    if (p.treXDue)
        return QCoreApplication::translate("Promotions", "Promozione del prendi 3 e paghi 2");
    if (p.dueXUno)
        return QCoreApplication::translate("Promotions", "Promozione del prendi 2 e paghi 1");
    return QCoreApplication::translate("Promotions", "Nessuna promozione");
}

bool MakePeriod(const QDate& first, const QDate& last, QDateTime* from, QDateTime* to) {
    *from = QDateTime(first, QTime(0, 0));
    *to = QDateTime(last, QTime(23, 59, 59));
    return first.isValid() && last.isValid() && *to > *from;
}

bool List(Database& db, QList<Promotion>* list) {
    list->clear();
    // A promotion never marked active or never given dates sorts as SQLite has it (missing last
    // in a descending order) on PostgreSQL too. The key last: equal rows keep one order.
    const QString last = db.isPostgres() ? QStringLiteral(" NULLS LAST") : QString();
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!db.query(q,
                  QStringLiteral("SELECT Offerte.IDOfferta, Offerte.IDArticolo, Offerte.DataInit, "
                                 "Offerte.DataEnd, Offerte.Attivo, Offerte.Sempre, "
                                 "Offerte.TreXDue, Offerte.DueXUno, Offerte.Sconto, "
                                 "Articoli.Descrizione FROM Offerte LEFT JOIN Articoli ON "
                                 "Offerte.IDArticolo = Articoli.IDArticolo WHERE "
                                 "Offerte.IDOfferta > ? ORDER BY Offerte.Attivo DESC%1, "
                                 "Offerte.DataInit DESC%1, Offerte.DataEnd DESC%1, "
                                 "Offerte.IDOfferta DESC")
                      .arg(last),
                  {0}))
        return false;
    while (q.next()) {
        Promotion p;
        p.key = q.value(0).toInt();
        p.itemId = Record::ReadInt(q.value(1)).value_or(0);
        p.dataInit = Record::ReadDateTime(q.value(2));
        p.dataEnd = Record::ReadDateTime(q.value(3));
        p.attivo = Record::ReadBit(q.value(4)).value_or(false);
        p.sempre = Record::ReadBit(q.value(5)).value_or(false);
        p.treXDue = Record::ReadBit(q.value(6)).value_or(false);
        p.dueXUno = Record::ReadBit(q.value(7)).value_or(false);
        p.sconto = Record::ReadReal(q.value(8));
        p.itemName = q.value(9).toString();
        list->append(p);
    }
    return !q.lastError().isValid();
}

bool Insert(Database& db, Promotion* promotion) {
    OfferteRecord r = ToRecord(*promotion);
    TableRecordSet<OfferteRecord> set(db);
    if (!set.insert(r) || r.IDOfferta <= 0)
        return false;
    promotion->key = r.IDOfferta;
    return true;
}

bool Save(Database& db, const Promotion& promotion) {
    if (promotion.key <= 0)
        return false;
    OfferteRecord r = ToRecord(promotion);
    TableRecordSet<OfferteRecord> set(db);
    return set.change(r);
}

bool Delete(Database& db, int key) {
    QSqlQuery q;
    return key > 0 &&
           db.query(q, QStringLiteral("DELETE FROM Offerte WHERE IDOfferta = ?"), {key}) &&
           q.numRowsAffected() == 1;
}

bool ActiveItemKeys(Database& db, const QDateTime& day, QSet<int>* keys) {
    keys->clear();
    const QString sql =
        db.isPostgres()
            ? QStringLiteral("SELECT DISTINCT IDArticolo FROM Offerte WHERE Attivo = TRUE AND "
                             "((DataInit <= ? AND DataEnd >= ?) OR Sempre = TRUE)")
            : QStringLiteral("SELECT DISTINCT IDArticolo FROM Offerte WHERE Attivo = 1 AND "
                             "((DataInit <= ? AND DataEnd >= ?) OR Sempre = 1)");
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!db.query(q, sql, {day, day}))
        return false;
    while (q.next())
        keys->insert(q.value(0).toInt());
    return !q.lastError().isValid();
}

bool Items(Database& db, QList<ItemEntry>* list) {
    return ItemNamesByDescription(db, list);
}

int ItemByCode(Database& db, CodeField field, const QString& text) {
    if (text.isEmpty())
        return 0;
    const QString column =
        field == CodeField::Matricola ? QStringLiteral("Matricola") : QStringLiteral("CodBarre");
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT IDArticolo FROM Articoli WHERE IDArticolo > ? AND ") +
                      column + LikeOperator(db) + QStringLiteral(" ORDER BY ") + ByDescription(db) +
                      QStringLiteral(", IDArticolo LIMIT 1"),
                  {0, LikePattern(text)}) ||
        !q.next())
        return 0;
    return q.value(0).toInt();
}

QByteArray ItemPhoto(Database& db, int itemId) {
    QSqlQuery q;
    if (itemId <= 0 ||
        !db.query(q, QStringLiteral("SELECT Foto FROM Articoli WHERE IDArticolo = ?"), {itemId}) ||
        !q.next())
        return {};
    return q.value(0).toByteArray();
}

QUrl HelpPage(const Profile& profile) {
    return MakerPage(profile, QStringLiteral("/aiuto/Quarzil/offerte-promozioni.php"));
}

} // namespace Promotions
