#pragma once

#include "common/CurrencyAmount.h"

#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>
#include <vector>

class Database;
struct ArtFilter;
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

    // Every item in the items list's default order (by code, alphabetically); with a filter,
    // the items it lets through.
    static bool ListedKeys(Database& db, QList<int>* keys, const ArtFilter* filter = nullptr);

    // The items of keys, in that order, each once; keys whose item is gone are left out. False
    // when a query failed (db.errorText() tells).
    static bool ReadItems(Database& db, const QList<int>& keys, std::vector<ItemReportItem>* items);

    // Runs sql once per chunk of keys: "%1" in sql stands for the chunk's "?, ?, ..." and the
    // chunk's keys are bound after `before` and before `after`. onRow is called for every row.
    static bool ForEachChunk(Database& db, const QList<int>& keys, const QString& sql,
                             const QVariantList& before, const QVariantList& after,
                             const std::function<void(const QSqlQuery&)>& onRow);

    // Runs sql over the movement rows of the items of keys, calling onRow for every result row.
    // In sql, "{rows}" stands for the SottoMovimenti table and "{items}" for the condition on its
    // item; values are bound as before + after. For a few chunks of keys the condition names
    // them and the item index finds their rows. For more, it is left open and onRow must pass
    // over the items it did not ask for: one pass over every row then costs less than many
    // jumps from the index into the table. scanTable: that pass goes over the table in its own
    // order (SQLite would otherwise walk the item index and look up every row).
    static bool ForEachItemRow(Database& db, const QList<int>& keys, const QString& sql,
                               const QVariantList& before, const QVariantList& after,
                               bool scanTable, const std::function<void(const QSqlQuery&)>& onRow);
    // Up to this many keys are named in the query.
    static constexpr int kNamedKeys = 2 * kChunkKeys;
    static bool NamesKeys(qsizetype keys) { return keys <= kNamedKeys; }

    // The quantity as the reports print it: "%s %s" with the unit, "%s" without one.
    static QString QuantityText(const Profile& profile, double quantity, const QString& unit);
};
