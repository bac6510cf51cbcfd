#include "counterparts/ui/CAnaMovBar.h"

#include "company/Formats.h"
#include "counterparts/AnaMovements.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QTreeView>

namespace {

QStringList Headings() {
    return {CAnaMovBar::tr("Numero"), CAnaMovBar::tr("Data"), CAnaMovBar::tr("Tipo di Movimento")};
}

} // namespace

CAnaMovBar::CAnaMovBar(int commandId, Database& db, Profile& profile, QWidget* parent)
    : CMovementListBar(commandId, tr("Ultimi 250 movimenti di magazzino"), profile,
                       QStringLiteral("AnaMovList"),
                       {Headings(), {200, 300, 200}, QStringLiteral("AnaMov")}, parent),
      m_db(db) {}

void CAnaMovBar::changeEvent(QEvent* event) {
    CMovementListBar::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    setWindowTitle(tr("Ultimi 250 movimenti di magazzino"));
    const QStringList headings = Headings();
    for (int c = 0; c < headings.size(); ++c)
        list()->model()->setHeaderData(c, Qt::Horizontal, headings.at(c));
    // The rows' type texts follow the language too (a cleared list stays empty).
    if (m_shown > 0 && list()->model()->rowCount() > 0)
        showCounterpart(m_shown);
}

void CAnaMovBar::showCounterpart(int cliForId) {
    clear();
    m_shown = cliForId;
    QList<AnaMovements::Row> rows;
    if (cliForId <= 0 || !AnaMovements::Latest(m_db, cliForId, &rows))
        return;
    for (const AnaMovements::Row& r : rows)
        appendRow(r.movementId,
                  {r.numero, FormatLongDate(r.data.date()), AnaMovements::TypeText(r.tipo)});
}
