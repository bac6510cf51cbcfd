#pragma once

#include <QString>

// Movimenti.Tipo. Unloads and receipts are the sales side; loads and returns come in.
namespace MovementType {

enum : int { Carico = 0, Scarico = 1, Reso = 2, Ricevuta = 3 };

// "Carico", "Scarico", "Reso", "Ricevuta"; empty for any other code.
QString Name(int type);
inline bool IsSale(int type) {
    return type == Scarico || type == Ricevuta;
}

} // namespace MovementType
