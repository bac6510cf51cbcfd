#pragma once

// Reading back what a print wrote: the text of a PDF (poppler's pdftotext), the words with their
// positions, and the page count.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVector>

namespace TestSupport {

// Runs a tool and returns its standard output, or "<tool failed: ...>" so that a comparison
// shows what went wrong.
inline QString RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of the PDF laid out as on the page; page 0 means every page, pages split by '\f'.
inline QString PdfText(const QString& pdf, int page = 0) {
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    args << pdf << QStringLiteral("-");
    return RunTool(QStringLiteral("pdftotext"), args);
}

inline int PdfPageCount(const QString& pdf) {
    static const QRegularExpression re(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto m = re.match(RunTool(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// One word of a page with its box in tenths of a millimetre from the page's top-left corner
// (y grows downwards here: a word at y 50 is 5 mm below the top edge).
struct PdfWord {
    QString text;
    int page = 0;
    double left = 0, top = 0, right = 0, bottom = 0;
};

inline QVector<PdfWord> PdfWords(const QString& pdf) {
    const QString html =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression re(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    constexpr double kUnitsPerPoint = 254.0 / 72.0;
    QVector<PdfWord> words;
    int page = 0;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QLatin1String("&amp;"), QLatin1String("&"))
            .replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&apos;"), QLatin1String("'"));
        words.append({text, page, m.captured(1).toDouble() * kUnitsPerPoint,
                      m.captured(2).toDouble() * kUnitsPerPoint,
                      m.captured(3).toDouble() * kUnitsPerPoint,
                      m.captured(4).toDouble() * kUnitsPerPoint});
    }
    return words;
}

// The first word with this text (on the page, when page > 0); text empty when there is none.
inline PdfWord FindPdfWord(const QVector<PdfWord>& words, const QString& text, int page = 0) {
    for (const PdfWord& w : words)
        if (w.text == text && (page == 0 || w.page == page))
            return w;
    return {};
}

} // namespace TestSupport
