#include "counterparts/CounterpartStore.h"

#include "store/CodeCompletion.h"
#include "store/Database.h"
#include "store/TextOrder.h"

CliForRecord CounterpartStore::NewRecord(Kind kind) {
    CliForRecord r;
    r.CliFor = kind == Kind::Customer;
    r.Operaio = kind == Kind::Worker;
    return r;
}

CounterpartStore::Kind CounterpartStore::KindOf(const CliForRecord& record) {
    if (record.CliFor.value_or(false))
        return Kind::Customer;
    return record.Operaio.value_or(false) ? Kind::Worker : Kind::Supplier;
}

bool CounterpartStore::load(qint32 id, CliForRecord& record) {
    return LoadRecord(m_db, id, record);
}

bool CounterpartStore::save(CliForRecord& record) {
    if (record.Sconto && !(*record.Sconto > 0.0f))
        record.Sconto.reset();
    TableRecordSet<CliForRecord> set(m_db);
    return record.IDCliFor > 0 ? set.change(record) : set.insert(record);
}

std::optional<int> CounterpartStore::codeCount(const QString& code) {
    const auto keys =
        TextOrder::KeysIgnoringCase(m_db, QStringLiteral("CliFor"), QStringLiteral("IDCliFor"),
                                    QStringLiteral("Codice"), code, kCodeWidth);
    if (!keys)
        return std::nullopt;
    return int(keys->size());
}

QString CounterpartStore::completeCode(const QString& typed) {
    return CodeCompletion::Complete(m_db, QStringLiteral("CliFor"), QStringLiteral("IDCliFor"),
                                    QStringLiteral("Codice"), kCodeWidth, typed);
}

QString CounterpartStore::ProposeCode(const QString& typed, int count, const QString& greatest) {
    return CodeCompletion::Propose(typed, count, greatest);
}

bool CounterpartStore::Completes(const QString& typed) {
    return CodeCompletion::Completes(typed);
}
