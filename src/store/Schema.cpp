#include "store/Schema.h"

#include "store/TextOrder.h"

namespace Schema {

namespace {
using T = ColumnType;

Column key(const char* name) {
    return {name, T::Counter};
}
Column text(const char* name, int width) {
    return {name, T::Text, width};
}
Column memo(const char* name) {
    return {name, T::Memo};
}
Column integer(const char* name) {
    return {name, T::Integer};
}
Column smallint(const char* name) {
    return {name, T::SmallInt};
}
Column real(const char* name) {
    return {name, T::Real};
}
Column currency(const char* name) {
    return {name, T::Currency};
}
Column datetime(const char* name) {
    return {name, T::DateTime};
}
Column bit(const char* name) {
    return {name, T::Bit};
}
Column binary(const char* name) {
    return {name, T::LongBinary};
}

// The eight per-document currency columns shared by movements, invoices and orders.
void appendCurrencySet(std::vector<Column>& columns) {
    columns.insert(columns.end(), {text("SimbVal", 3), smallint("DecVal"), text("SepDecVal", 1),
                                   text("SepMigVal", 1), smallint("DecNum"), text("SepDecNum", 1),
                                   text("SepMigNum", 1), real("ValCambio")});
}

std::vector<Table> buildTables() {
    std::vector<Table> tables;
    tables.push_back({"Articoli",
                      {key("IDArticolo"),
                       text("Matricola", 30),
                       text("Descrizione", 100),
                       integer("IDUM"),
                       text("CodBarre", 30),
                       currency("Prezzo"),
                       real("ScortaMin"),
                       binary("Foto"),
                       real("Iva"),
                       bit("IncIva"),
                       real("Sconto"),
                       real("Ricarico"),
                       bit("Imei"),
                       real("GiacInit"),
                       text("UnMis", 5),
                       real("Carichi"),
                       real("Scarichi"),
                       real("Resi"),
                       real("Giacenza"),
                       real("Riordino"),
                       real("Ordinato"),
                       datetime("LastMov"),
                       integer("IDCategoria"),
                       integer("IDReparto"),
                       integer("IDScaffale"),
                       integer("IDGruppo"),
                       memo("Notes"),
                       integer("IDFornitore"),
                       text("CodForn", 30)}});

    Table movimenti{
        "Movimenti",
        {key("IDMovimento"),    text("Numero", 20),    datetime("Data"),      integer("IDCliFor"),
         integer("Tipo"),       text("Causale", 20),   text("Vettore", 100),  text("Aspetto", 20),
         text("Colli", 10),     text("Peso", 10),      text("Riga1SX", 50),   text("Riga1DX", 50),
         text("Riga2", 200),    text("Riga3", 200),    text("Riga4", 200),    text("Riga1Min", 150),
         text("Riga2Min", 150), text("Riga3Min", 150), bit("Contabilizzato"), text("CliFor", 100),
         currency("Prezzo"),    currency("Imposta"),   currency("Totale")}};
    appendCurrencySet(movimenti.columns);
    movimenti.columns.insert(movimenti.columns.end(),
                             {text("Porto", 20), text("Banca", 200), text("IBAN", 50),
                              text("CondPag", 30), text("Titolo", 30), text("RagSocDiv", 100),
                              text("IndirizzoDiv", 100), text("ComuneDiv", 100)});
    tables.push_back(movimenti);

    tables.push_back(
        {"SottoMovimenti",
         {key("IDSottoMovimento"), integer("IDMovimento"), real("Qt"), integer("IDArticolo"),
          integer("IDUM"), currency("Prezzo"), real("Iva"), real("Sconto"), text("Notes", 100)}});

    tables.push_back(
        {"CliFor",
         {key("IDCliFor"), text("RagSoc", 100), text("Indirizzo", 100), text("Comune", 100),
          text("Telefono", 20), text("Cellulare", 20), text("EMail", 50), text("Web", 50),
          text("CodFisc", 16), text("PartIva", 30), bit("CliFor"), text("Codice", 20),
          bit("Operaio"), real("Sconto"), memo("Notes"), text("Banca", 200), text("IBAN", 50)}});

    tables.push_back({"UnMis", {key("IDUM"), text("Sigla", 5), text("Descrizione", 20)}});
    tables.push_back({"Categorie", {key("IDCategoria"), text("Categoria", 30)}});
    tables.push_back({"Reparti", {key("IDReparto"), text("Reparto", 20)}});
    tables.push_back({"Scaffali", {key("IDScaffale"), text("Scaffale", 20)}});
    tables.push_back({"Gruppi", {key("IDGruppo"), text("Gruppo", 30)}});

    tables.push_back({"Scadenze",
                      {key("IDScadenza"), datetime("DataInit"), datetime("DataEnd"),
                       text("Oggetto", 100), text("Descrizione", 255), smallint("Tipo")}});

    tables.push_back(
        {"Offerte",
         {key("IDOfferta"), integer("IDArticolo"), datetime("DataInit"), datetime("DataEnd"),
          bit("Attivo"), bit("Sempre"), bit("TreXDue"), bit("DueXUno"), real("Sconto")}});

    tables.push_back(
        {"Imei",
         {key("IDImei"), integer("IDSottoMovimento"), text("CodImei", 30), bit("Scaricato")}});

    tables.push_back({"Informazioni", {integer("Versione")}});

    Table ordini{
        "Ordini",
        {key("IDOrdine"), text("Numero", 20), datetime("Data"), integer("IDCliFor"), bit("Evaso")}};
    appendCurrencySet(ordini.columns);
    ordini.columns.push_back(memo("Notes"));
    tables.push_back(ordini);

    tables.push_back(
        {"SottoOrdini",
         {key("IDSottoOrdine"), integer("IDOrdine"), integer("IDArticolo"), integer("IDUM"),
          real("Qt"), currency("Prezzo"), real("Iva"), real("Sconto"), text("Notes", 100)}});

    Table fatture{"Fatture",
                  {key("IDFattura"), text("Numero", 20), datetime("Data"), integer("IDCliFor"),
                   smallint("Tipo"), text("Banca", 200), text("IBAN", 50)}};
    appendCurrencySet(fatture.columns);
    fatture.columns.insert(fatture.columns.end(), {text("CondPag", 30), text("Titolo", 30)});
    tables.push_back(fatture);

    tables.push_back(
        {"SottoFatture",
         {key("IDSottoFattura"), integer("IDFattura"), text("Descrizione", 100), currency("Prezzo"),
          real("Iva"), real("Inps"), real("RitAcc"), text("Notes", 100)}});

    tables.push_back({"PrimaNota",
                      {key("IDPrimaNota"), datetime("Data"), integer("IDMovimento"),
                       currency("Importo"), currency("Iva"), bit("DarAve")}});

    tables.push_back(
        {"Produzione",
         {key("IDProduzione"), text("Codice", 20), text("NumLotto", 20), text("Descrizione", 150),
          integer("IDArticolo"), smallint("Stato"), datetime("DataAvvio"), datetime("DataSca"),
          datetime("DataLastSca"), datetime("DataLastPause"), datetime("DataTotPause")}});
    tables.push_back({"ArtProd",
                      {key("IDArtProd"), integer("IDProduzione"), integer("IDArticolo"),
                       integer("IDUM"), real("Qt")}});
    tables.push_back({"MacchProd",
                      {key("IDMacchina"), integer("IDProduzione"), text("Macchina", 100),
                       text("Programma", 250), real("Ore")}});
    tables.push_back({"OpeProd",
                      {key("IDOpeProd"), integer("IDProduzione"), integer("IDOperaio"),
                       text("Operazione", 50), real("Ore")}});
    return tables;
}
} // namespace

const std::vector<Table>& Tables() {
    static const std::vector<Table> tables = buildTables();
    return tables;
}

const std::vector<Index>& Indexes() {
    // Columns that the stock recomputations, list views, look-ups by code and reference counts
    // filter, join or sort on. The stock counters read an item's movement rows from its index
    // alone, and the movements list its keys by date (PostgreSQL's index, unlike SQLite's,
    // does not carry the key by itself).
    static const std::vector<Index> indexes = {
        {"Articoli", "Matricola"},
        {"Articoli", "Descrizione"},
        {"Articoli", "CodBarre"},
        {"Articoli", "IDUM"},
        {"Articoli", "IDCategoria"},
        {"Articoli", "IDReparto"},
        {"Articoli", "IDScaffale"},
        {"Articoli", "IDGruppo"},
        {"Articoli", "IDFornitore"},
        {"Movimenti", "Data", "IDMovimento"},
        {"Movimenti", "Tipo"},
        {"Movimenti", "IDCliFor"},
        {"Movimenti", "Numero"},
        {"SottoMovimenti", "IDMovimento"},
        {"SottoMovimenti", "IDArticolo", "IDMovimento, Qt"},
        {"SottoMovimenti", "IDUM"},
        {"CliFor", "RagSoc"},
        {"CliFor", "Codice"},
        {"UnMis", "Sigla"},
        {"Categorie", "Categoria"},
        {"Reparti", "Reparto"},
        {"Scaffali", "Scaffale"},
        {"Gruppi", "Gruppo"},
        {"Scadenze", "DataInit"},
        {"Scadenze", "DataEnd"},
        {"Offerte", "IDArticolo"},
        {"Imei", "IDSottoMovimento"},
        {"Imei", "CodImei"},
        {"Ordini", "IDCliFor"},
        {"Ordini", "Evaso"},
        {"SottoOrdini", "IDOrdine"},
        {"SottoOrdini", "IDArticolo"},
        {"Fatture", "IDCliFor"},
        {"SottoFatture", "IDFattura"},
        {"PrimaNota", "IDMovimento"},
        // The longest agenda entry, which bounds how far back the day query looks for entries
        // still running.
        {"Scadenze", "Durata", nullptr, false, "julianday(DataEnd) - julianday(DataInit)",
         "(DataEnd - DataInit)"},
    };
    return indexes;
}

const std::vector<Index>& AlphabeticalIndexes() {
    // The two lists' orders, and the names and codes looked up without regard to case. The
    // orders whose equal texts go by key have the key in the index too; codes are rarely
    // equal, and a narrower index reads faster.
    static const std::vector<Index> indexes = {
        {"Articoli", "Matricola", nullptr, true},  {"Articoli", "Descrizione", "IDArticolo", true},
        {"CliFor", "RagSoc", "IDCliFor", true},    {"CliFor", "Codice", nullptr, true},
        {"Categorie", "Categoria", nullptr, true}, {"Reparti", "Reparto", nullptr, true},
        {"Scaffali", "Scaffale", nullptr, true},   {"Gruppi", "Gruppo", nullptr, true},
    };
    return indexes;
}

const std::vector<Unit>& StarterUnits() {
    static const std::vector<Unit> units = {
        {"Pz", "Pezzi"},      {"Nr", "Numero"},       {"Kg", "Chilogrammi"}, {"Gr", "Grammi"},
        {"Qli", "Quintali"},  {"Lt", "Litri"},        {"Ml", "Millilitri"},  {"Mt", "Metri"},
        {"Cm", "Centimetri"}, {"Mq", "Metri quadri"}, {"Mc", "Metri cubi"},  {"Cf", "Confezioni"},
        {"Ct", "Cartoni"},    {"Paia", "Paia"},       {"Ore", "Ore"},
    };
    return units;
}

const Table* FindTable(const QString& name) {
    for (const Table& t : Tables())
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

const Column* FindColumn(const QString& table, const QString& column) {
    const Table* t = FindTable(table);
    if (!t)
        return nullptr;
    for (const Column& c : t->columns)
        if (column.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QString ColumnTypeText(ColumnType type, int width, Dialect dialect) {
    const bool pg = dialect == Dialect::PostgreSQL;
    switch (type) {
    case T::Counter:
        return pg ? QStringLiteral("INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY")
                  : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case T::Integer:
        return QStringLiteral("INTEGER");
    case T::SmallInt:
        return QStringLiteral("SMALLINT");
    case T::Real:
        return QStringLiteral("REAL");
    case T::Currency:
        return pg ? QStringLiteral("NUMERIC(19,4)") : QStringLiteral("CURRENCY");
    case T::DateTime:
        return pg ? QStringLiteral("TIMESTAMP") : QStringLiteral("DATETIME");
    case T::Text:
        return pg ? QStringLiteral("VARCHAR(%1)").arg(width)
                  : QStringLiteral("TEXT(%1)").arg(width);
    case T::Memo:
        return QStringLiteral("TEXT");
    case T::Bit:
        return pg ? QStringLiteral("BOOLEAN") : QStringLiteral("BIT");
    case T::LongBinary:
        return pg ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
    }
    return QString();
}

QString CreateTableStatement(const Table& table, Dialect dialect) {
    QStringList defs;
    for (const Column& c : table.columns)
        defs << QStringLiteral("%1 %2").arg(QLatin1String(c.name),
                                            ColumnTypeText(c.type, c.width, dialect));
    return QStringLiteral("CREATE TABLE %1 ( %2 )")
        .arg(QLatin1String(table.name), defs.join(QStringLiteral(", ")));
}

QString IndexName(const Index& index) {
    return QStringLiteral("IX_%1_%2%3")
        .arg(QLatin1String(index.table), QLatin1String(index.column),
             index.alphabetical ? QStringLiteral("_Alfa") : QString());
}

QString CreateIndexStatement(const Index& index, Dialect dialect) {
    if (index.sqliteTerm)
        return QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
            .arg(IndexName(index), QLatin1String(index.table),
                 QLatin1String(dialect == Dialect::SQLite ? index.sqliteTerm : index.postgresTerm));
    const QString column = QLatin1String(index.column);
    QString columns = column;
    if (index.alphabetical) {
        // NULL first on PostgreSQL as on SQLite, so that one index serves both directions of
        // the order. SQLite's entries end with the row's key already: a key named as a further
        // column is for PostgreSQL only.
        if (dialect == Dialect::SQLite)
            return QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                .arg(IndexName(index), QLatin1String(index.table),
                     TextOrder::Term(Database::Backend::SQLite, column));
        columns =
            TextOrder::Term(Database::Backend::PostgreSQL, column) + QStringLiteral(" NULLS FIRST");
    }
    if (index.also)
        columns += QStringLiteral(", ") + QLatin1String(index.also);
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
        .arg(IndexName(index), QLatin1String(index.table), columns);
}

QStringList CreateStatements(Dialect dialect) {
    QStringList statements;
    for (const Table& t : Tables())
        statements << CreateTableStatement(t, dialect);
    for (const auto* list : {&Indexes(), &AlphabeticalIndexes()})
        for (const Index& i : *list)
            statements << CreateIndexStatement(i, dialect);
    // Fixed texts of our own, so they are written as literals.
    for (const Unit& u : StarterUnits())
        statements << QStringLiteral("INSERT INTO UnMis (Sigla, Descrizione) VALUES ('%1', '%2')")
                          .arg(QLatin1String(u.sigla), QLatin1String(u.descrizione));
    statements
        << QStringLiteral("INSERT INTO Informazioni (Versione) VALUES (%1)").arg(kCurrentVersion);
    return statements;
}

} // namespace Schema
