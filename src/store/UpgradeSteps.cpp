#include "store/UpgradeSteps.h"

#include <initializer_list>
#include <utility>

namespace UpgradeSteps {

namespace {
using T = Schema::ColumnType;
using K = Operation::Kind;
using Named = std::pair<const char*, int>;

Schema::Column col(const char* name, T type, int width = 0) {
    return {name, type, width};
}
Schema::Column key(const char* name) {
    return col(name, T::Counter);
}
Schema::Column text(const char* name, int width) {
    return col(name, T::Text, width);
}

Operation add(const char* table, Schema::Column column) {
    return {K::AddColumn, QLatin1String(table), {column}, {}, {}};
}
Operation create(const char* table, std::vector<Schema::Column> columns) {
    return {K::CreateTable, QLatin1String(table), std::move(columns), {}, {}};
}
Operation sql(const char* sqlite, const char* postgres = nullptr) {
    return {K::Statement,
            {},
            {},
            QLatin1String(sqlite),
            postgres ? QLatin1String(postgres) : QString()};
}
Operation widen(const char* table, const char* column, int width) {
    return {K::Widen, QLatin1String(table), {text(column, width)}, {}, {}};
}

void addCurrencySet(std::vector<Operation>& ops, const char* table) {
    for (const Schema::Column& c :
         {text("SimbVal", 3), col("DecVal", T::SmallInt), text("SepDecVal", 1),
          text("SepMigVal", 1), col("DecNum", T::SmallInt), text("SepDecNum", 1),
          text("SepMigNum", 1), col("ValCambio", T::Real)})
        ops.push_back(add(table, c));
}

std::vector<Step> build() {
    std::vector<Step> steps;
    steps.push_back(
        {1, {add("Articoli", text("Categoria", 30)), add("Articoli", col("Foto", T::LongBinary))}});
    steps.push_back(
        {2,
         {create("Fatture", {key("IDFattura"), text("Numero", 20), col("Data", T::DateTime),
                             col("IDCliFor", T::Integer), col("Tipo", T::SmallInt)}),
          create("SottoFatture",
                 {key("IDSottoFattura"), col("IDFattura", T::Integer), text("Descrizione", 100),
                  col("Prezzo", T::Currency), col("Iva", T::Real), col("Inps", T::Real),
                  col("RitAcc", T::Real)})}});
    steps.push_back({3, {add("CliFor", text("Codice", 20))}});
    steps.push_back({4,
                     {create("Scadenze", {key("IDScadenza"), col("DataInit", T::DateTime),
                                          col("DataEnd", T::DateTime), text("Oggetto", 100),
                                          text("Descrizione", 255), col("Tipo", T::SmallInt)})}});
    steps.push_back(
        {5, {add("CliFor", col("Operaio", T::Bit)), sql("UPDATE CliFor SET Operaio = FALSE")}});
    steps.push_back(
        {6,
         {add("Movimenti", text("Causale", 20)), add("Movimenti", text("Vettore", 100)),
          add("Movimenti", text("Aspetto", 20)), add("Movimenti", text("Colli", 10)),
          add("Movimenti", text("Peso", 10)), add("SottoMovimenti", col("Sconto", T::Real))}});
    steps.push_back(
        {7,
         {create("ArtProd",
                 {key("IDArtProd"), col("IDProduzione", T::Integer), col("IDArticolo", T::Integer),
                  col("IDUM", T::Integer), col("Qt", T::Real)}),
          create("MacchProd", {key("IDMacchina"), col("IDProduzione", T::Integer),
                               text("Macchina", 100), text("Programma", 250), col("Ore", T::Real)}),
          create("OpeProd",
                 {key("IDOpeProd"), col("IDProduzione", T::Integer), col("IDOperaio", T::Integer),
                  text("Operazione", 50), col("Ore", T::Real)}),
          create("Produzione",
                 {key("IDProduzione"), text("Codice", 20), text("NumLotto", 20),
                  text("Descrizione", 150), col("IDArticolo", T::Integer),
                  col("Stato", T::SmallInt), col("DataAvvio", T::DateTime),
                  col("DataSca", T::DateTime), col("DataLastSca", T::DateTime),
                  col("DataLastPause", T::DateTime), col("DataTotPause", T::DateTime)})}});
    steps.push_back({8, {add("Articoli", col("Iva", T::Real))}});
    steps.push_back(
        {9, {add("Articoli", col("IncIva", T::Bit)), sql("UPDATE Articoli SET IncIva = FALSE")}});
    steps.push_back(
        {10,
         {add("Articoli", text("Reparto", 20)), add("Articoli", text("Scaffale", 20)),
          add("Articoli", col("Sconto", T::Real)), add("Articoli", col("Ricarico", T::Real)),
          add("CliFor", col("Sconto", T::Real)), add("SottoFatture", text("Notes", 100)),
          add("SottoMovimenti", text("Notes", 100))}});
    steps.push_back(
        {11,
         {create("Offerte",
                 {key("IDOfferta"), col("IDArticolo", T::Integer), col("DataInit", T::DateTime),
                  col("DataEnd", T::DateTime), col("Attivo", T::Bit), col("Sempre", T::Bit),
                  col("TreXDue", T::Bit), col("DueXUno", T::Bit), col("Sconto", T::Real)})}});
    steps.push_back({12, {widen("Articoli", "CodBarre", 30)}});
    steps.push_back({13,
                     {add("Articoli", col("Imei", T::Bit)), sql("UPDATE Articoli SET Imei = FALSE"),
                      create("Imei", {key("IDImei"), col("IDSottoMovimento", T::Integer),
                                      text("CodImei", 30), col("Scaricato", T::Bit)})}});
    std::vector<Operation> v14{add("Articoli", col("GiacInit", T::Real))};
    for (const auto& [name, width] : std::initializer_list<Named>{{"Riga1SX", 50},
                                                                  {"Riga1DX", 50},
                                                                  {"Riga2", 200},
                                                                  {"Riga3", 200},
                                                                  {"Riga4", 200},
                                                                  {"Riga1Min", 150},
                                                                  {"Riga2Min", 150},
                                                                  {"Riga3Min", 150}})
        v14.push_back(add("Movimenti", text(name, width)));
    steps.push_back({14, v14});
    steps.push_back(
        {15,
         {create("PrimaNota",
                 {key("IDPrimaNota"), col("Data", T::DateTime), col("IDMovimento", T::Integer),
                  col("Importo", T::Currency), col("Iva", T::Currency), col("DarAve", T::Bit)}),
          add("Movimenti", col("Contabilizzato", T::Bit)),
          sql("UPDATE Movimenti SET Contabilizzato = TRUE")}});
    steps.push_back({16, {widen("CliFor", "PartIva", 30)}});

    std::vector<Operation> v17{add("Articoli", text("UnMis", 5))};
    for (const char* name : {"Carichi", "Scarichi", "Resi", "Giacenza", "Riordino", "Ordinato"})
        v17.push_back(add("Articoli", col(name, T::Real)));
    v17.push_back(add("Articoli", col("LastMov", T::DateTime)));
    v17.push_back(add("Movimenti", text("CliFor", 100)));
    for (const char* name : {"Prezzo", "Imposta", "Totale"})
        v17.push_back(add("Movimenti", col(name, T::Currency)));
    v17.push_back(create("Categorie", {key("IDCategoria"), text("Categoria", 30)}));
    v17.push_back(create("Reparti", {key("IDReparto"), text("Reparto", 20)}));
    v17.push_back(create("Scaffali", {key("IDScaffale"), text("Scaffale", 20)}));
    for (const char* name : {"IDCategoria", "IDReparto", "IDScaffale"})
        v17.push_back(add("Articoli", col(name, T::Integer)));
    steps.push_back({kMigrationStep, v17});

    std::vector<Operation> v18{create("Gruppi", {key("IDGruppo"), text("Gruppo", 30)}),
                               add("Articoli", col("IDGruppo", T::Integer)),
                               add("Articoli", col("Notes", T::Memo)),
                               add("CliFor", col("Notes", T::Memo)),
                               add("SottoOrdini", text("Notes", 100)),
                               add("Articoli", col("IDFornitore", T::Integer)),
                               add("Articoli", text("CodForn", 30)),
                               add("CliFor", text("Banca", 200)),
                               add("CliFor", text("IBAN", 50)),
                               add("Fatture", text("Banca", 200)),
                               add("Fatture", text("IBAN", 50))};
    for (const char* table : {"Fatture", "Movimenti", "Ordini"})
        addCurrencySet(v18, table);
    v18.push_back(add("Movimenti", text("Porto", 20)));
    v18.push_back(add("Fatture", text("CondPag", 30)));
    steps.push_back({18, v18});

    std::vector<Operation> v19{add("Fatture", text("Titolo", 30))};
    for (const auto& [name, width] : std::initializer_list<Named>{{"Banca", 200},
                                                                  {"IBAN", 50},
                                                                  {"CondPag", 30},
                                                                  {"Titolo", 30},
                                                                  {"RagSocDiv", 100},
                                                                  {"IndirizzoDiv", 100},
                                                                  {"ComuneDiv", 100}})
        v19.push_back(add("Movimenti", text(name, width)));
    steps.push_back({19, v19});
    return steps;
}
} // namespace

const std::vector<Step>& Steps() {
    static const std::vector<Step> steps = build();
    return steps;
}

QString StatementText(const Operation& op, Schema::Dialect dialect) {
    const bool pg = dialect == Schema::Dialect::PostgreSQL;
    switch (op.kind) {
    case K::AddColumn: {
        const Schema::Column& c = op.columns.front();
        return QStringLiteral("ALTER TABLE %1 %2 %3 %4")
            .arg(op.table, pg ? QStringLiteral("ADD") : QStringLiteral("ADD COLUMN"),
                 QLatin1String(c.name), Schema::ColumnTypeText(c.type, c.width, dialect));
    }
    case K::CreateTable: {
        QStringList defs;
        for (const Schema::Column& c : op.columns)
            defs << QStringLiteral("%1 %2").arg(QLatin1String(c.name),
                                                Schema::ColumnTypeText(c.type, c.width, dialect));
        return QStringLiteral("CREATE TABLE %1 ( %2 )")
            .arg(op.table, defs.join(QStringLiteral(", ")));
    }
    case K::Statement:
        return pg ? op.postgres : op.sqlite;
    case K::Widen:
        return QString();
    }
    return QString();
}

} // namespace UpgradeSteps
