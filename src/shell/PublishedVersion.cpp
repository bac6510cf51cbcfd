#include "shell/PublishedVersion.h"

PublishedVersion PublishedVersion::Parse(const QByteArray& body, bool failed, int own) {
    PublishedVersion v;
    v.own = own;
    v.failed = failed;
    QString text = failed ? QStringLiteral("9.0.0") : QString::fromUtf8(body);
    // A byte-order mark or a blank line before the number is not part of it.
    while (!text.isEmpty() && (text.front().isSpace() || text.front() == QChar(0xFEFF)))
        text.remove(0, 1);
    const qsizetype dot = text.lastIndexOf(u'.');
    // The character after the dot is kept whole: half a surrogate pair is no text to show.
    const bool pair =
        dot + 2 < text.size() && text[dot + 1].isHighSurrogate() && text[dot + 2].isLowSurrogate();
    const qsizetype keep = pair ? dot + 3 : dot + 2;
    text = dot < 0 ? QStringLiteral("1.0.0") : text.left(keep);
    v.text = text;
    QString digits = text;
    digits.remove(u'.');
    bool ok = false;
    const int number = digits.toInt(&ok);
    // "+1" or " 1" read as numbers by toInt; only plain digits make a version.
    const bool plain = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    v.number = ok && plain ? number : 0;
    return v;
}
