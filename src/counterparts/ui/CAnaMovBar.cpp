#include "counterparts/ui/CAnaMovBar.h"

#include "company/Formats.h"
#include "counterparts/AnaMovements.h"

CAnaMovBar::CAnaMovBar(int commandId, Database& db, Profile& profile, QWidget* parent)
    : CMovementListBar(
          commandId, QStringLiteral("Ultimi 250 movimenti di magazzino"), profile,
          QStringLiteral("AnaMovList"),
          {{QStringLiteral("Numero"), QStringLiteral("Data"), QStringLiteral("Tipo di Movimento")},
           {200, 300, 200},
           QStringLiteral("AnaMov")},
          parent),
      m_db(db) {}

void CAnaMovBar::showCounterpart(int cliForId) {
    clear();
    QList<AnaMovements::Row> rows;
    if (cliForId <= 0 || !AnaMovements::Latest(m_db, cliForId, &rows))
        return;
    for (const AnaMovements::Row& r : rows)
        appendRow(r.movementId,
                  {r.numero, FormatLongDate(r.data.date()), AnaMovements::TypeText(r.tipo)});
}
