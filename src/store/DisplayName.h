#pragma once

#include <QString>

class Database;

// Display text of a referenced row: kind 0 the Sigla of UnMis, 1 the Categoria of Categorie,
// 2 the Reparto of Reparti, 3 the Scaffale of Scaffali, 4 the RagSoc of CliFor, 5 the Gruppo of
// Gruppi. A key of 0 or less, a missing row, a null value or an unknown kind give "".
QString GetDisplayName(Database& db, int key, int kind);
