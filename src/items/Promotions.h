#pragma once

#include "items/ItemNames.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>
#include <optional>

class Database;
class Profile;

// The promotions kept per item (table Offerte): a discount, three for two or two for one, for
// a period or always, active or kept aside. Every value travels bound; every write that finds
// no row to change is a failure.
namespace Promotions {

struct Promotion {
    int key = 0;
    int itemId = 0;
    QString itemName; // the item's description, when read with the list
    bool sempre = false;
    QDateTime dataInit; // null when sempre
    QDateTime dataEnd;  // null when sempre
    bool attivo = false;
    bool treXDue = false;
    bool dueXUno = false;
    std::optional<float> sconto; // a fraction; none when not a discount
};

// "Promozione del 25 %", "Promozione del prendi 3 e paghi 2", "Promozione del prendi 2 e paghi
// 1" or "Nessuna promozione"; a discount wins over the quantity offers.
QString Text(const Profile& profile, const Promotion& promotion);

// The period from the first day at 00:00:00 to the last at 23:59:59; false when it does not end
// after it starts (the last day before the first).
bool MakePeriod(const QDate& first, const QDate& last, QDateTime* from, QDateTime* to);

// Every promotion, active ones first, then by start and end, latest first, with the item's
// description. False when the query fails.
bool List(Database& db, QList<Promotion>* list);
// Writes a new row; the promotion receives its key.
bool Insert(Database& db, Promotion* promotion);
// Rewrites the promotion's row; false when it is no longer there.
bool Save(Database& db, const Promotion& promotion);
// Deletes one promotion; false when it is no longer there.
bool Delete(Database& db, int key);

// The items that have a promotion in force on the day (active, and always on or with the day
// in its period). One query over the promotions, for the items list to mark its rows.
bool ActiveItemKeys(Database& db, const QDateTime& day, QSet<int>* keys);

using ItemEntry = ItemName;
// Every item by description, for the item chooser.
bool Items(Database& db, QList<ItemEntry>* list);
enum class CodeField { Matricola, CodBarre };
// The first item by description whose code or barcode begins with the text ("*" the only
// wildcard); 0 when none, when the text is empty or the query fails.
int ItemByCode(Database& db, CodeField field, const QString& text);
// The item's picture (JPEG bytes), empty when it has none.
QByteArray ItemPhoto(Database& db, int itemId);

// The online help page of the promotions window.
QUrl HelpPage(const Profile& profile);

} // namespace Promotions
