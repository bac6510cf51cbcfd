#include "movements/ui/CMovRowBar.h"

#include "movements/MovementRows.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QTreeView>

namespace {

const char* const kHeadings[] = {
    QT_TRANSLATE_NOOP("CMovRowBar", "Articolo"), QT_TRANSLATE_NOOP("CMovRowBar", "Quantità"),
    QT_TRANSLATE_NOOP("CMovRowBar", "Prezzo"),   QT_TRANSLATE_NOOP("CMovRowBar", "Sconto"),
    QT_TRANSLATE_NOOP("CMovRowBar", "Imposta"),  QT_TRANSLATE_NOOP("CMovRowBar", "Totale")};

QStringList Headings() {
    QStringList headings;
    for (const char* h : kHeadings)
        headings << CMovRowBar::tr(h);
    return headings;
}

} // namespace

CMovRowBar::CMovRowBar(int commandId, Database& db, Profile& profile, QWidget* parent)
    : CMovementListBar(commandId, tr("Righe del movimento"), profile, QStringLiteral("MovRowList"),
                       {Headings(),
                        {350, 150, 150, 150, 150, 150},
                        QStringLiteral("RowMov"),
                        // The discount column came last and kept the sixth width.
                        {1, 2, 3, 6, 4, 5}},
                       parent),
      m_db(db), m_profile(profile) {
    for (int c = 1; c < 6; ++c)
        alignRight(c);
}

void CMovRowBar::changeEvent(QEvent* event) {
    CMovementListBar::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    setWindowTitle(tr("Righe del movimento"));
    const QStringList headings = Headings();
    for (int c = 0; c < headings.size(); ++c)
        list()->model()->setHeaderData(c, Qt::Horizontal, headings.at(c));
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
