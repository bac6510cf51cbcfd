#include "shell/RibbonLayout.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace RibbonLayout {

namespace {

// The layout keeps the Italian source texts; Translated() gives them in the language in use.
QString N(const char* source) {
    return QString::fromUtf8(source);
}

Entry Big(int id) {
    return Entry{id, true, {}, {}, {}};
}
Entry Small(int id) {
    return Entry{id, false, {}, {}, {}};
}
Entry Drop(const char* text, const char* icon, QList<int> menu) {
    return Entry{0, true, QString::fromUtf8(text), QString::fromLatin1(icon), std::move(menu)};
}

QList<Category> MakeCategories() {
    const Panel visualizzaItems{N(QT_TRANSLATE_NOOP("RibbonLayout", "Visualizza")),
                                QStringLiteral("preferences-system-windows"),
                                {Small(MovArtBar), Small(StatusBar)}};
    return {
        {N(QT_TRANSLATE_NOOP("RibbonLayout", "Magazzino")),
         0,
         {{N(QT_TRANSLATE_NOOP("RibbonLayout", "Articoli")),
           QStringLiteral("package-x-generic"),
           {Big(32771), Big(32772), Big(32773), Small(Aggiorna), Small(32794), Small(32806)}},
          {N(QT_TRANSLATE_NOOP("RibbonLayout", "Strumenti")),
           QStringLiteral("applications-utilities"),
           {Big(32873), Big(32880), Big(32881),
            Drop(QT_TRANSLATE_NOOP("RibbonLayout", "Stampe"), "document-print",
                 {32878, 32879, 0, 32899, 32816, 0, 32874, 32877, 0, 32940, 32829, 0, 32954, 32955,
                  0, 57607}),
            Small(32830), Small(32951), Small(AiutoMagazzino)}},
          {N(QT_TRANSLATE_NOOP("RibbonLayout", "Social")),
           QStringLiteral("applications-internet"),
           {Small(Facebook), Small(YouTube), Small(Twitter), Small(PaginaWeb), Small(Donazioni)}},
          visualizzaItems}},
        {N(QT_TRANSLATE_NOOP("RibbonLayout", "Movimenti / Fatture")),
         1,
         {{N(QT_TRANSLATE_NOOP("RibbonLayout", "Merce")),
           QStringLiteral("package-x-generic"),
           {Big(32776), Big(32777), Big(32778), Small(32779), Small(32780), Small(Aggiorna),
            Small(32794), Small(32806),
            Drop(QT_TRANSLATE_NOOP("RibbonLayout", "Tipo di Movimento"), "view-list",
                 {32863, 32861, 32862, 32850})}},
          {N(QT_TRANSLATE_NOOP("RibbonLayout", "Strumenti")),
           QStringLiteral("applications-utilities"),
           {Drop(QT_TRANSLATE_NOOP("RibbonLayout", "Documento"), "x-office-document",
                 {32864, 32865, 0, 32866, 32867}),
            Drop(QT_TRANSLATE_NOOP("RibbonLayout", "Stampe"), "document-print",
                 {32960, 32961, 0, 32853, 32855}),
            Big(32964), Small(AiutoMovimenti)}},
          {N(QT_TRANSLATE_NOOP("RibbonLayout", "Visualizza")),
           QStringLiteral("preferences-system-windows"),
           {Small(MovRowBar), Small(StatusBar)}}}},
        {N(QT_TRANSLATE_NOOP("RibbonLayout", "Anagrafiche")),
         2,
         {{N(QT_TRANSLATE_NOOP("RibbonLayout", "Anagrafiche")),
           QStringLiteral("x-office-address-book"),
           {Big(32784), Big(32785), Big(32786), Big(32787), Small(Aggiorna), Small(32794),
            Small(32824), Small(32825), Small(32826)}},
          {N(QT_TRANSLATE_NOOP("RibbonLayout", "Strumenti")),
           QStringLiteral("applications-utilities"),
           // The situation print has no button of its own: it rides in the list's drop-downs.
           {Drop(QT_TRANSLATE_NOOP("RibbonLayout", "Anteprima"), "document-print-preview",
                 {32942, 32875}),
            Drop(QT_TRANSLATE_NOOP("RibbonLayout", "Stampa"), "document-print", {32943, 32876}),
            Small(AiutoAnagrafiche)}},
          {N(QT_TRANSLATE_NOOP("RibbonLayout", "Visualizza")),
           QStringLiteral("preferences-system-windows"),
           {Small(AnaMovBar), Small(StatusBar)}}}},
        {N(QT_TRANSLATE_NOOP("RibbonLayout", "Agenda")),
         3,
         {{N(QT_TRANSLATE_NOOP("RibbonLayout", "Scadenze")),
           QStringLiteral("x-office-calendar"),
           {Big(32812), Big(32814), Big(32815), Small(Aggiorna), Small(AiutoAgenda)}},
          {N(QT_TRANSLATE_NOOP("RibbonLayout", "Visualizza")),
           QStringLiteral("preferences-system-windows"),
           {Small(CalAppBar), Small(StatusBar)}}}},
    };
}

} // namespace

const QList<Category>& Categories() {
    static const QList<Category> categories = MakeCategories();
    return categories;
}

QList<int> ApplicationMenu() {
    return {ConnData,   ImportaMdb, DatiAziendali, UnitaMisura, LettoreBarre,
            BackupDati, 0,          Facebook,      YouTube,     PaginaWeb};
}

QList<int> ProgrammaGroup() {
    return {Aggiornamenti, Manuale, Commenti, Statistiche};
}

QList<int> StileGroup() {
    return {215, 216, 217, 218, 219};
}

QList<int> QuickAccess() {
    return {ConnData, DatiAziendali, UnitaMisura, BackupDati};
}

QList<int> CategoryCommands(int viewIndex) {
    QList<int> ids;
    for (const Category& c : Categories()) {
        if (c.viewIndex != viewIndex)
            continue;
        for (const Panel& p : c.panels)
            for (const Entry& e : p.entries) {
                if (e.id)
                    ids << e.id;
                for (int m : e.menu)
                    if (m)
                        ids << m;
            }
    }
    return ids;
}

QString Translated(const QString& source) {
    return QCoreApplication::translate("RibbonLayout", source.toUtf8().constData());
}

QString Caption(const QString& text, bool large) {
    QString plain = text;
    plain.remove(u'&');
    static const QRegularExpression wideGap(QStringLiteral(" {2,}"));
    if (!large)
        return plain.replace(wideGap, QStringLiteral(" "));
    if (plain.contains(wideGap))
        return plain.replace(wideGap, QStringLiteral("\n"));
    if (plain.size() <= 10)
        return plain;
    int best = -1;
    for (int i = 0; i < plain.size(); ++i)
        if ((plain.at(i) == u' ' || plain.at(i) == u'/') &&
            (best < 0 || qAbs(i - plain.size() / 2) < qAbs(best - plain.size() / 2)))
            best = i;
    if (best < 0)
        return plain;
    if (plain.at(best) == u'/')
        return plain.left(best + 1) + u'\n' + plain.mid(best + 1);
    return plain.left(best) + u'\n' + plain.mid(best + 1);
}

} // namespace RibbonLayout
