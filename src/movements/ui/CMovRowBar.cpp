#include "movements/ui/CMovRowBar.h"

#include "movements/MovementRows.h"

CMovRowBar::CMovRowBar(int commandId, Database& db, Profile& profile, QWidget* parent)
    : CMovementListBar(
          commandId, QStringLiteral("Righe del movimento"), profile, QStringLiteral("MovRowList"),
          {{QStringLiteral("Articolo"), QStringLiteral("Quantità"), QStringLiteral("Prezzo"),
            QStringLiteral("Sconto"), QStringLiteral("Imposta"), QStringLiteral("Totale")},
           {350, 150, 150, 150, 150, 150},
           QStringLiteral("RowMov"),
           // The discount column came last and kept the sixth width.
           {1, 2, 3, 6, 4, 5}},
          parent),
      m_db(db), m_profile(profile) {
    for (int c = 1; c < 6; ++c)
        alignRight(c);
}

void CMovRowBar::showMovement(int movementId) {
    clear();
    QList<MovementRows::Row> rows;
    if (movementId <= 0 || !MovementRows::Load(m_db, m_profile, movementId, &rows))
        return;
    for (const MovementRows::Row& r : std::as_const(rows))
        appendRow(r.rowId,
                  {r.texts[0], r.texts[1], r.texts[2], r.texts[3], r.texts[4], r.texts[5]});
}
