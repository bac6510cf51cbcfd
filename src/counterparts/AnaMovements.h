#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

class Database;

// The latest movements of one counterpart, for the pane under the counterparts list.
namespace AnaMovements {

constexpr int kMaxMovements = 250;

struct Row {
    int movementId = 0;
    QString numero;
    QDateTime data;
    int tipo = -1;
};

// Newest first, at most kMaxMovements; false when the query fails.
bool Latest(Database& db, int cliForId, QList<Row>* rows);

// "Carico", "Scarico", "Reso"; empty for receipts and unknown types.
QString TypeText(int tipo);

} // namespace AnaMovements
