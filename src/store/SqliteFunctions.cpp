#include "store/SqliteFunctions.h"

#include "store/TextOrder.h"

#include <QCollator>
#include <QSqlDriver>
#include <QVariant>
#include <algorithm>
#include <cstring>
#include <sqlite3.h>

namespace SqliteFunctions {

namespace {

using Byte = unsigned char;

// The next code point of a UTF-8 text. A byte that starts no valid sequence stands for itself
// above the Unicode range, so that every text still has one place in the order.
char32_t Next(const Byte*& p, const Byte* end) {
    const Byte lead = *p++;
    if (lead < 0x80)
        return lead;
    int more = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        more = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3;
        c = lead & 0x07;
    } else {
        return 0x110000 + lead;
    }
    if (end - p < more)
        return 0x110000 + lead;
    for (int i = 0; i < more; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0x110000 + lead;
        c = (c << 6) | (p[i] & 0x3F);
    }
    p += more;
    return c;
}

// The stored UTF-8 as UTF-16 for the collator: on the stack for a short text of ASCII letters
// only, as most codes and names are.
QStringView Widen(const void* data, int bytes, char16_t* buffer, int capacity, QString* heap) {
    const Byte* p = static_cast<const Byte*>(data);
    if (bytes <= capacity) {
        int i = 0;
        while (i < bytes && p[i] < 0x80) {
            buffer[i] = p[i];
            ++i;
        }
        if (i == bytes)
            return QStringView(buffer, bytes);
    }
    *heap = QString::fromUtf8(reinterpret_cast<const char*>(p), bytes);
    return *heap;
}

// TextOrder's order: the collator's rules, then the bytes (code points), as PostgreSQL breaks
// the ties of its collations.
int CompareByRules(void* collator, int leftBytes, const void* left, int rightBytes,
                   const void* right) {
    constexpr int kCapacity = 128;
    char16_t leftBuffer[kCapacity];
    char16_t rightBuffer[kCapacity];
    QString leftHeap;
    QString rightHeap;
    const int byRules = static_cast<const QCollator*>(collator)->compare(
        Widen(left, leftBytes, leftBuffer, kCapacity, &leftHeap),
        Widen(right, rightBytes, rightBuffer, kCapacity, &rightHeap));
    if (byRules != 0)
        return byRules < 0 ? -1 : 1;
    const int bytes = std::memcmp(left, right, size_t(std::min(leftBytes, rightBytes)));
    if (bytes != 0)
        return bytes < 0 ? -1 : 1;
    return leftBytes < rightBytes ? -1 : leftBytes > rightBytes ? 1 : 0;
}

void DeleteCollator(void* collator) {
    delete static_cast<QCollator*>(collator);
}

// Each letter's small letter, as PostgreSQL's lower() gives it in a UTF-8 catalog. Qt keeps
// İ as it is (its small letter takes two characters in full); PostgreSQL takes i, as does
// Unicode's one-character mapping.
char32_t LikeFold(char32_t c) {
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
    if (c == 0x130)
        return 'i';
    return c < 0x110000 ? QChar::toLower(c) : c;
}

// "%" any run, "_" one character, the escape character makes the next one literal; letters
// compared without regard to case. The last "%" is the only point to come back to: a later
// "%" can always take over what an earlier one would have matched.
bool Matches(const Byte* p, const Byte* pEnd, const Byte* s, const Byte* sEnd, char32_t escape,
             bool hasEscape) {
    const Byte* starP = nullptr;
    const Byte* starS = nullptr;
    for (;;) {
        if (p < pEnd) {
            const Byte* q = p;
            char32_t pc = Next(q, pEnd);
            bool literal = false;
            if (hasEscape && pc == escape) {
                if (q >= pEnd)
                    return false;
                pc = Next(q, pEnd);
                literal = true;
            }
            if (!literal && pc == '%') {
                starP = q;
                starS = s;
                p = q;
                continue;
            }
            if (s < sEnd) {
                const Byte* t = s;
                const char32_t sc = Next(t, sEnd);
                if ((!literal && pc == '_') || LikeFold(pc) == LikeFold(sc)) {
                    p = q;
                    s = t;
                    continue;
                }
            }
        } else if (s >= sEnd) {
            return true;
        }
        if (!starP || starS >= sEnd)
            return false;
        Next(starS, sEnd);
        s = starS;
        p = starP;
    }
}

void Like(sqlite3_context* context, int argc, sqlite3_value** argv) {
    // "text LIKE pattern" calls like(pattern, text).
    const Byte* pattern = sqlite3_value_text(argv[0]);
    const int patternBytes = sqlite3_value_bytes(argv[0]);
    const Byte* text = sqlite3_value_text(argv[1]);
    const int textBytes = sqlite3_value_bytes(argv[1]);
    if (!pattern || !text)
        return; // NULL
    char32_t escape = 0;
    bool hasEscape = false;
    if (argc == 3) {
        const Byte* e = sqlite3_value_text(argv[2]);
        if (!e)
            return;
        const Byte* eEnd = e + sqlite3_value_bytes(argv[2]);
        if (e < eEnd)
            escape = Next(e, eEnd);
        if (e != eEnd || escape == 0) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        hasEscape = true;
    }
    sqlite3_result_int(context, Matches(pattern, pattern + patternBytes, text, text + textBytes,
                                        escape, hasEscape));
}

} // namespace

sqlite3* Handle(const QSqlDatabase& db) {
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

bool Register(const QSqlDatabase& db) {
    sqlite3* connection = Handle(db);
    if (!connection)
        return false;
    // One collator per connection: a connection is used by one thread at a time, a collator
    // must not be shared between threads.
    auto* collator = new QCollator(TextOrder::Collator());
    if (sqlite3_create_collation_v2(connection, TextOrder::kSqliteCollation, SQLITE_UTF8, collator,
                                    &CompareByRules, &DeleteCollator) != SQLITE_OK) {
        delete collator;
        return false;
    }
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    return sqlite3_create_function_v2(connection, "like", 2, flags, nullptr, &Like, nullptr,
                                      nullptr, nullptr) == SQLITE_OK &&
           sqlite3_create_function_v2(connection, "like", 3, flags, nullptr, &Like, nullptr,
                                      nullptr, nullptr) == SQLITE_OK;
}

} // namespace SqliteFunctions
