#pragma once

#include <QString>
#include <QVariantList>

class Database;
class Profile;

// The items list's filter, kept as the fields the user gave (never as SQL text with their
// values in it): code and description patterns as typed, the category found for the typed
// category text, and the stock choice. The profile keeps it as "ArtFilter" and "ArtGiacFilter".
struct ArtFilter {
    enum Stock {
        AnyStock = 0,
        StockAboveZero = 1,
        StockBelowZero = 2,
        StockZero = 3,
        ToReorder = 4
    };

    QString code;        // as typed; "*" is a wildcard, the text a prefix
    QString description; // likewise
    int categoryId = 0;  // 0: no category condition
    int stock = AnyStock;

    bool isActive() const;

    // The filter the dialog's texts make. A category text is looked up once, here: the first
    // category whose name matches the pattern gives the condition; none found gives none.
    static ArtFilter FromTexts(Database& db, const QString& code, const QString& description,
                               const QString& category, int stock);

    // "Matricola LIKE ?"-style conditions, each starting with " AND ", and their bound values
    // in order. Case-insensitive on both back ends, as the list's searches have always been.
    void appendConditions(const Database& db, QString* sql, QVariantList* values) const;

    // ArtGiacFilter: 3 x stock + 20 (20 when there is no filter).
    int giacFilterValue() const { return 3 * stock + 20; }

    static ArtFilter Load(const Profile& profile);
    void save(Profile& profile) const;
    static void Clear(Profile& profile);
};
