#pragma once

#include <optional>

struct ArticoliRecord;

// Icon index of an item's list row: 4 when something is to be reordered, plus 2 when some is
// on order, otherwise 3 for an item with serial codes. Gives 0, 2, 3, 4, 6 or 7.
int ArtRowIcon(const std::optional<float>& riordino, const std::optional<float>& ordinato,
               const std::optional<bool>& imei);
int ArtRowIcon(const ArticoliRecord& item);
