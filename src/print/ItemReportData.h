#pragma once

#include "common/CurrencyAmount.h"

#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>
#include <vector>

class Database;
class Profile;
class QSqlQuery;

// What the item reports print of one item, read once when a report is made.
struct ItemReportItem {
    int key = 0;
    QString matricola;
    QString descrizione;
    QString categoria; // "Standard" without a category
    QString unit;      // the unit's abbreviation, empty without a unit
    std::optional<float> carichi, scarichi, resi, giacenza;
    CurrencyAmount prezzo;
    std::optional<float> iva, sconto, ricarico, giacInit;
    bool incIva = false;
};

// Reading the items a report covers: in the order the list gave their keys, a chunk of keys per
// query, so that ten thousand items cost a handful of round trips rather than one each.
class ItemReportData {
public:
    // Keys per query: well under what either back end binds in one statement.
    static constexpr int kChunkKeys = 500;

    // Every item in the items list's default order (by code, alphabetically).
    static bool ListedKeys(Database& db, QList<int>* keys);

    // The items of keys, in that order, each once; keys whose item is gone are left out. False
    // when a query failed (db.errorText() tells).
    static bool ReadItems(Database& db, const QList<int>& keys, std::vector<ItemReportItem>* items);

    // Runs sql once per chunk of keys: "%1" in sql stands for the chunk's "?, ?, ..." and the
    // chunk's keys are bound after `before` and before `after`. onRow is called for every row.
    static bool ForEachChunk(Database& db, const QList<int>& keys, const QString& sql,
                             const QVariantList& before, const QVariantList& after,
                             const std::function<void(const QSqlQuery&)>& onRow);

    // The quantity as the reports print it: "%s %s" with the unit, "%s" without one.
    static QString QuantityText(const Profile& profile, double quantity, const QString& unit);
};
