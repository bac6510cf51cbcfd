#include "DemoArchive.h"

#include "agenda/AgendaStore.h"
#include "common/CurrencyAmount.h"
#include "common/Profile.h"
#include "counterparts/CounterpartStore.h"
#include "items/ItemStore.h"
#include "items/UpdateAllArtInfo.h"
#include "movements/MovementStore.h"
#include "movements/MovementTypes.h"
#include "store/Database.h"

#include <QHash>
#include <QSqlQuery>

namespace DemoArchive {

namespace {

// The EAN-13 check digit, so that the barcodes shown and printed are readable ones.
QString Ean13(const QString& twelve) {
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (twelve.at(i).digitValue()) * (i % 2 ? 3 : 1);
    return twelve + QString::number((10 - sum % 10) % 10);
}

struct Item {
    const char* code;
    const char* name;
    const char* price; // selling price without VAT
    const char* category;
    const char* unit;
    float minimum;
    float initial;
    int supplier; // index into kSuppliers
};

// A hardware shop's shelves.
const Item kItems[] = {
    {"UT001", "Martello da carpentiere 500 g", "12.50", "Utensili", "Pz", 5, 8, 0},
    {"UT002", "Set cacciaviti 6 pezzi", "18.90", "Utensili", "Cf", 4, 6, 0},
    {"UT003", "Chiave inglese regolabile 250 mm", "14.20", "Utensili", "Pz", 3, 5, 0},
    {"UT004", "Metro a nastro 5 m", "7.80", "Utensili", "Pz", 6, 12, 0},
    {"UT005", "Livella a bolla 60 cm", "16.40", "Utensili", "Pz", 2, 4, 0},
    {"UT006", "Trapano avvitatore 18 V", "89.00", "Utensili", "Pz", 2, 3, 0},
    {"EL001", "Lampadina LED E27 10 W", "3.90", "Elettricità", "Pz", 20, 40, 1},
    {"EL002", "Prolunga 5 m con 3 prese", "9.50", "Elettricità", "Pz", 5, 10, 1},
    {"EL003", "Nastro isolante nero", "1.20", "Elettricità", "Pz", 15, 30, 1},
    {"EL004", "Cavo elettrico 3x1,5 mm²", "1.10", "Elettricità", "Mt", 50, 100, 1},
    {"EL005", "Interruttore bipolare", "6.30", "Elettricità", "Pz", 4, 6, 1},
    {"ID001", "Rubinetto miscelatore lavabo", "45.00", "Idraulica", "Pz", 2, 3, 2},
    {"ID002", "Tubo flessibile 1/2\" 40 cm", "4.60", "Idraulica", "Pz", 8, 12, 2},
    {"ID003", "Nastro in teflon", "0.90", "Idraulica", "Pz", 20, 25, 2},
    {"ID004", "Sifone per lavello", "8.70", "Idraulica", "Pz", 3, 4, 2},
    {"GI001", "Forbici da potatura", "15.90", "Giardino", "Pz", 3, 6, 0},
    {"GI002", "Tubo da giardino 25 m", "29.50", "Giardino", "Pz", 2, 4, 0},
    {"GI003", "Terriccio universale 50 l", "7.90", "Giardino", "Pz", 10, 20, 0},
    {"GI004", "Guanti da lavoro", "3.50", "Giardino", "Paia", 10, 24, 0},
    {"VE001", "Pittura murale bianca 14 l", "39.00", "Vernici", "Pz", 3, 6, 2},
    {"VE002", "Pennello piatto 50 mm", "3.20", "Vernici", "Pz", 10, 15, 2},
    {"VE003", "Rullo antigoccia 23 cm", "6.90", "Vernici", "Pz", 4, 8, 2},
    {"VE004", "Smalto all'acqua verde 0,75 l", "12.80", "Vernici", "Pz", 3, 2, 2},
    {"VI001", "Viti per legno 4x40 (200 pz)", "5.40", "Viteria", "Cf", 10, 18, 1},
    {"VI002", "Tasselli 8 mm (100 pz)", "4.80", "Viteria", "Cf", 10, 9, 1},
};

struct Counterpart {
    const char* code;
    const char* name;
    const char* address;
    const char* town;
    const char* phone;
    const char* email;
    const char* vat;
};

const Counterpart kCustomers[] = {
    {"C001", "Edilizia Moretti S.r.l.", "Via dei Mille 12", "40121 Bologna (BO)", "051 234567",
     "amministrazione@edilmoretti.example", "03456780375"},
    {"C002", kInvoiceCustomer, "Piazza Garibaldi 3", "40026 Imola (BO)", "0542 112233",
     "barsport@example.com", "02233440371"},
    {"C003", "Giardini Verdi Soc. Coop.", "Via Emilia 250", "40068 San Lazzaro (BO)", "051 987654",
     "info@giardiniverdi.example", "04455660370"},
    {"C004", "Condominio Le Querce", "Via Saragozza 88", "40135 Bologna (BO)", "051 445566", "",
     ""},
    {"C005", "Impianti Ferri & Figli", "Via Bassa 7", "40054 Budrio (BO)", "051 800900",
     "ferri@impiantiferri.example", "01122330378"},
    {"C006", "Lucia Bianchi", "Via Roma 45", "40033 Casalecchio di Reno (BO)", "333 1234567", "",
     ""},
};

const Counterpart kSuppliers[] = {
    {"F001", "Utensileria Padana S.p.A.", "Via Industria 20", "20090 Segrate (MI)", "02 7654321",
     "ordini@utensileriapadana.example", "07788990156"},
    {"F002", "Elettroforniture Nord S.r.l.", "Corso Francia 101", "10138 Torino (TO)",
     "011 3344556", "vendite@elettronord.example", "08899000014"},
    {"F003", "Idrocolor Distribuzione", "Via Po 5", "37135 Verona (VR)", "045 6677889",
     "info@idrocolor.example", "09900110235"},
};

const Counterpart kWorker = {
    "O001", "Paolo Neri", "Via Lame 30", "40122 Bologna (BO)", "347 7654321", "", ""};

QHash<QString, int> UnitKeys(Database& db) {
    QHash<QString, int> keys;
    QSqlQuery q;
    if (db.query(q, QStringLiteral("SELECT IDUM, Sigla FROM UnMis")))
        while (q.next())
            keys.insert(q.value(1).toString(), q.value(0).toInt());
    return keys;
}

bool Fail(QString* error, const QString& what, Database& db) {
    *error = what + QStringLiteral(": ") + db.errorText();
    return false;
}

} // namespace

void WriteCompany(Profile& profile) {
    using S = Profile::Section;
    const std::pair<const char*, const char*> company[] = {
        {"RagSoc", "Ferramenta Bianchi & C. S.n.c."},
        {"Indirizzo", "Via Indipendenza 21"},
        {"Comune", "40121 Bologna (BO)"},
        {"Paese", "Italia"},
        {"Telefono", "051 555 1234"},
        {"EMail", "negozio@ferramentabianchi.example"},
        {"Web", "www.ferramentabianchi.example"},
        {"PartIva", "01234560379"},
        {"CodFisc", "01234560379"},
    };
    for (const auto& [key, value] : company)
        profile.setValue(S::Azienda, QLatin1String(key), QString::fromUtf8(value));
}

bool Fill(Database& db, const QDate& today, Contents* contents, QString* error) {
    const QHash<QString, int> units = UnitKeys(db);
    CounterpartStore counterparts(db);
    auto addCounterpart = [&](const Counterpart& c, CounterpartStore::Kind kind) -> int {
        CliForRecord r = CounterpartStore::NewRecord(kind);
        r.Codice = QString::fromUtf8(c.code);
        r.RagSoc = QString::fromUtf8(c.name);
        r.Indirizzo = QString::fromUtf8(c.address);
        r.Comune = QString::fromUtf8(c.town);
        r.Telefono = QString::fromUtf8(c.phone);
        r.EMail = QString::fromUtf8(c.email);
        r.PartIva = QString::fromUtf8(c.vat);
        return counterparts.save(r) ? r.IDCliFor : 0;
    };
    QList<int> customers, suppliers;
    for (const Counterpart& c : kCustomers)
        customers << addCounterpart(c, CounterpartStore::Kind::Customer);
    for (const Counterpart& c : kSuppliers)
        suppliers << addCounterpart(c, CounterpartStore::Kind::Supplier);
    const int worker = addCounterpart(kWorker, CounterpartStore::Kind::Worker);
    if (customers.contains(0) || suppliers.contains(0) || worker == 0)
        return Fail(error, QStringLiteral("counterparts"), db);

    ItemStore items(db);
    QHash<QString, int> categories;
    QList<int> itemKeys;
    int serial = 1;
    for (const Item& it : kItems) {
        ItemStore::Save save;
        save.record = ItemStore::NewRecord();
        ItemEditRecord& r = save.record;
        r.Matricola = QString::fromUtf8(it.code);
        r.Descrizione = QString::fromUtf8(it.name);
        r.CodBarre = Ean13(QStringLiteral("80123450%1").arg(serial++, 4, 10, QChar(u'0')));
        r.Prezzo = CurrencyAmount::fromDecimalString(QLatin1String(it.price));
        r.ScortaMin = it.minimum;
        r.GiacInit = it.initial;
        r.IDUM = units.value(QString::fromUtf8(it.unit));
        r.IDFornitore = suppliers.at(it.supplier);
        const QString category = QString::fromUtf8(it.category);
        if (categories.contains(category))
            r.IDCategoria = categories.value(category);
        else
            save.newCategory = category;
        if (!items.save(save, nullptr))
            return Fail(error, QStringLiteral("item %1").arg(r.Matricola), db);
        if (r.IDCategoria)
            categories.insert(category, *r.IDCategoria);
        itemKeys << r.IDArticolo;
    }

    auto price = [&](int index) {
        return CurrencyAmount::fromDecimalString(QLatin1String(kItems[index].price));
    };
    // One movement as the dialog saves it; rows are (item index, quantity).
    auto movement = [&](int type, int daysAgo, int hour, int counterpart,
                        const QList<QPair<int, float>>& rows) -> int {
        // A receipt is an unload whose dialog was switched to a receipt.
        const int opened = type == MovementType::Ricevuta ? MovementType::Scarico : type;
        MovementEdit edit(db, opened);
        edit.setType(type);
        if (!edit.begin())
            return 0;
        const QDate day = today.addDays(-daysAgo);
        edit.header().Numero = NextMovementNumber(db, opened, day);
        edit.header().Data = QDateTime(day, QTime(hour, 15));
        if (counterpart)
            edit.header().IDCliFor = counterpart;
        if (type == MovementType::Scarico)
            ApplyFooter(DefaultUnloadFooter(), edit.header());
        for (const auto& [index, qt] : rows) {
            SottoMovimentiRecord row;
            row.IDArticolo = itemKeys.at(index);
            row.IDUM = units.value(QString::fromUtf8(kItems[index].unit));
            row.Qt = qt;
            // Loads are bought at about 60 % of the selling price.
            row.Prezzo = type == MovementType::Carico
                             ? CurrencyAmount::fromDecimalString(
                                   QString::number(price(index).toDouble() * 0.6, 'f', 2))
                             : price(index);
            row.Iva = 0.22f;
            row.Sconto = 0.0f;
            if (!edit.insertRow(row))
                return 0;
        }
        return edit.save() == MovementEdit::SaveResult::Saved ? edit.header().IDMovimento : 0;
    };

    namespace MT = MovementType;
    QList<int> made = {
        movement(MT::Carico, 40, 9, suppliers[0], {{0, 10}, {1, 6}, {3, 12}, {5, 4}, {15, 6}}),
        movement(MT::Carico, 38, 10, suppliers[1], {{6, 60}, {7, 10}, {9, 200}, {23, 20}}),
        movement(MT::Carico, 35, 11, suppliers[2], {{11, 4}, {12, 10}, {19, 6}, {21, 8}}),
        movement(MT::Scarico, 30, 16, customers[0], {{0, 4}, {3, 6}, {9, 120}, {23, 12}}),
        movement(MT::Scarico, 21, 10, customers[2], {{15, 5}, {16, 3}, {17, 12}, {18, 12}}),
        movement(MT::Ricevuta, 14, 12, 0, {{6, 4}, {8, 2}}),
        movement(MT::Scarico, 9, 17, customers[4], {{9, 80}, {10, 4}, {4, 2}, {13, 10}}),
        movement(MT::Reso, 6, 9, customers[2], {{16, 1}}),
        movement(MT::Ricevuta, 2, 18, 0, {{22, 1}, {20, 3}}),
    };
    const int invoice = movement(MT::Scarico, 1, 11, customers[1],
                                 {{6, 12}, {7, 2}, {2, 1}, {5, 1}, {19, 2}, {21, 2}});
    made << invoice;
    if (made.contains(0))
        return Fail(error, QStringLiteral("movements"), db);
    if (!UpdateArtInfoList(db, nullptr, itemKeys))
        return Fail(error, QStringLiteral("stock counters"), db);

    AgendaStore agenda(db);
    struct Entry {
        int day, hour, minutes, length, type;
        const char* subject;
        const char* text;
    };
    const Entry entries[] = {
        {0, 9, 0, 60, 1, "Consegna Utensileria Padana", "Controllare il DDT e i colli"},
        {0, 11, 30, 30, 0, "Telefonare a Edilizia Moretti", "Preventivo per il cantiere"},
        {0, 15, 0, 90, 2, "Pagamento fattura Elettroforniture Nord", "Bonifico a 30 giorni"},
        {1, 10, 0, 60, 0, "Inventario reparto vernici", ""},
        {3, 16, 0, 45, 2, "Scadenza F24", ""},
    };
    for (const Entry& e : entries) {
        ScadenzeRecord r;
        r.DataInit = QDateTime(today.addDays(e.day), QTime(e.hour, e.minutes));
        r.DataEnd = r.DataInit.addSecs(e.length * 60);
        r.Oggetto = QString::fromUtf8(e.subject);
        r.Descrizione = QString::fromUtf8(e.text);
        r.Tipo = e.type;
        if (!agenda.insert(r))
            return Fail(error, QStringLiteral("agenda"), db);
    }

    if (contents) {
        contents->items = itemKeys.size();
        contents->customers = customers.size();
        contents->suppliers = suppliers.size();
        contents->movements = made.size();
        contents->invoice = invoice;
        contents->invoiceCustomer = QString::fromUtf8(kInvoiceCustomer);
        contents->agendaEntries = int(std::size(entries));
    }
    return true;
}

} // namespace DemoArchive
