#pragma once

#include <QDateTime>
#include <QString>
#include <QVariantList>
#include <optional>

class Database;

// What an item's derived columns are computed from: the movement and order sums as the
// database returned them (null when there were no rows), and the item's own columns.
struct ArtCounterInputs {
    std::optional<double> carichi;
    std::optional<double> scarichi;
    std::optional<double> resi;
    std::optional<double> ordinato;
    QDateTime lastMov;
    std::optional<float> giacInit;
    std::optional<float> scortaMin;
    QString unitSigla; // null when the item has no unit or the unit is missing
};

// The derived columns of Articoli, as they are written.
struct ArtCounters {
    QString UnMis;
    std::optional<float> Carichi;
    std::optional<float> Scarichi;
    std::optional<float> Resi;
    float Giacenza = 0;
    std::optional<float> Riordino;
    std::optional<float> Ordinato;
    QDateTime LastMov;
};

// A sum as the database returned it: null when there were no rows or it is not a number.
std::optional<double> ReadSum(const QVariant& v);

// Derives the counters in single precision: every sum is narrowed to float before it is
// combined, and a counter that is not positive is stored as NULL (the stock excepted).
ArtCounters ComputeArtCounters(const ArtCounterInputs& in);

// The statement that writes the derived columns of one item, and its bound values in order
// (the item key last).
QString ArtCountersUpdateStatement();
QVariantList ArtCountersValues(const ArtCounters& counters, int itemId);
