#include "items/ArtRowIcon.h"

#include "store/records/ArticoliRecord.h"

int ArtRowIcon(const std::optional<float>& riordino, const std::optional<float>& ordinato,
               const std::optional<bool>& imei) {
    int icon = 0;
    if (riordino.value_or(0.0f) > 0.0f)
        icon += 4;
    if (ordinato.value_or(0.0f) > 0.0f)
        icon += 2;
    else if (imei.value_or(false))
        icon += 3;
    return icon;
}

int ArtRowIcon(const ArticoliRecord& item) {
    return ArtRowIcon(item.Riordino, item.Ordinato, item.Imei);
}
