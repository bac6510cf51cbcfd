// Saves 250-row unloads until it is killed, the way the movement dialog saves them: every row
// is written through a movement edit, the edit is saved, and then each item it touched is
// recomputed. The kill test ends it at random moments and looks at what is left.
//
//   quarzil_ledger_writer CONNECTION SEED [MOVEMENTS]
//
// Prints "committed KEY" once a movement is committed and "recomputed KEY" once its items are;
// with MOVEMENTS it stops after that many. Exit codes above 1 say which step failed.
#include "items/StockCounters.h"
#include "movements/MovementStore.h"
#include "movements/MovementTypes.h"
#include "store/Database.h"
#include "store/TableRecord.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kRows = 250;

int failed(int code, const char* step, const Database& db) {
    std::fprintf(stderr, "quarzil_ledger_writer: %s: %s\n", step, qPrintable(db.errorText()));
    return code;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: quarzil_ledger_writer CONNECTION SEED [MOVEMENTS]\n");
        return 2;
    }
    const int limit = args.size() > 3 ? args.at(3).toInt() : -1;
    Database db(QStringLiteral("writer"));
    if (!db.open(args.at(1)))
        return failed(3, "open", db);

    std::vector<int> items;
    int customer = 0;
    {
        QSqlQuery q;
        if (!db.query(q, QStringLiteral("SELECT IDArticolo FROM Articoli WHERE IDArticolo > 0")))
            return failed(3, "items", db);
        while (q.next())
            items.push_back(q.value(0).toInt());
        if (!db.query(q, QStringLiteral("SELECT MIN(IDCliFor) FROM CliFor WHERE CliFor = ?"),
                      {Record::BindBit(true, db.backend())}) ||
            !q.next())
            return failed(3, "customer", db);
        customer = q.value(0).toInt();
    }
    if (items.empty() || customer <= 0) {
        std::fprintf(stderr, "quarzil_ledger_writer: no items or no customer\n");
        return 3;
    }

    std::mt19937 rng(args.at(2).toUInt());
    for (int n = 0; limit < 0 || n < limit; ++n) {
        MovementEdit edit(db, MovementType::Scarico);
        if (!edit.begin())
            return failed(4, "begin", db);
        const QDateTime now = QDateTime::currentDateTime();
        edit.header().Numero = NextMovementNumber(db, MovementType::Scarico, now.date());
        edit.header().Data = QDateTime(
            now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
        edit.header().IDCliFor = customer;
        for (int r = 0; r < kRows; ++r) {
            SottoMovimentiRecord row;
            row.IDArticolo = items[rng() % items.size()];
            row.Qt = float(rng() % 40 + 1) * 0.5f;
            row.IDUM = 1;
            row.Prezzo = CurrencyAmount::fromUnits(qint64(rng() % 100000 + 1) * 100);
            row.Iva = 0.22f;
            row.Sconto = 0.0f;
            if (!edit.insertRow(row))
                return failed(5, "row", db);
        }
        if (edit.save() != MovementEdit::SaveResult::Saved)
            return failed(6, "save", db);
        std::printf("committed %d\n", edit.header().IDMovimento);
        std::fflush(stdout);
        for (int item : edit.touchedItems())
            if (!UpdateArtInfo(db, nullptr, item))
                return failed(7, "recompute", db);
        std::printf("recomputed %d\n", edit.header().IDMovimento);
        std::fflush(stdout);
    }
    return 0;
}
