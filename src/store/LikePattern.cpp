#include "store/LikePattern.h"

#include "store/Database.h"

namespace {
// Not a backslash: its meaning in a string literal depends on a PostgreSQL setting.
constexpr QChar kEscape = u'!';
} // namespace

QString LikeLiteral(const QString& typed) {
    QString p;
    p.reserve(typed.size() + 8);
    for (const QChar c : typed) {
        if (c == kEscape || c == u'%' || c == u'_')
            p += kEscape;
        p += c;
    }
    return p;
}

QString LikeWhole(const QString& typed) {
    QString p = LikeLiteral(typed);
    p.replace(u'*', u'%');
    return p;
}

QString LikePattern(const QString& typed) {
    return LikeWhole(typed) + u'%';
}

QString LikeContains(const QString& typed) {
    return u'%' + LikeLiteral(typed) + u'%';
}

QString LikeOperator(const Database& db) {
    return db.isPostgres() ? QStringLiteral(" ILIKE ? ESCAPE '!'")
                           : QStringLiteral(" LIKE ? ESCAPE '!'");
}
