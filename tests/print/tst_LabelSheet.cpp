// label: db
#include "ArchiveTestCase.h"
#include "PdfTesting.h"
#include "barcode/BarcodeSymbol.h"
#include "print/LabelSheetDocument.h"
#include "print/PageFrame.h"
#include "store/TableRecord.h"

#include <QImage>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::FindPdfWord;
using TestSupport::PdfWords;
using TestSupport::RunTool;

namespace {

constexpr int kDpi = 300;
constexpr double kPixelsPerUnit = kDpi / 254.0;

int addItem(Database& db, const QString& code, const QString& description, const QString& barcode) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, CodBarre) "
                                 "VALUES (?, ?, ?) RETURNING IDArticolo"),
                  {Record::BindText(code, 30), Record::BindText(description, 100),
                   Record::BindText(barcode, 30)}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

// What a reader makes of one rectangle of a page (in page units from the top-left corner),
// rasterised as a printer would at 300 dpi; empty when it finds no symbol.
QString decodeBand(const QString& pdf, int page, double left, double top, double right,
                   double bottom, const QString& png) {
    const auto px = [](double units) { return QString::number(qRound(units * kPixelsPerUnit)); };
    const QString stem = png.chopped(4);
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(kDpi),
             QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(page),
             QStringLiteral("-l"), QString::number(page), QStringLiteral("-x"), px(left),
             QStringLiteral("-y"), px(top), QStringLiteral("-W"), px(right - left),
             QStringLiteral("-H"), px(bottom - top), pdf, stem});
    const QString out =
        RunTool(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), png});
    return out.startsWith(u'<') ? QString() : out.trimmed();
}

// The darkest pixel of a rectangle (page units) of page 1 rendered at 100 dpi: 255 when blank.
int darkest(const QString& pdf, int page, double left, double top, double right, double bottom,
            const QString& stem) {
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
             QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(page),
             QStringLiteral("-l"), QString::number(page), pdf, stem});
    const QImage image(stem + QStringLiteral(".png"));
    const double s = 100 / 254.0;
    int dark = 255;
    for (int y = int(top * s); y < int(bottom * s); ++y)
        for (int x = int(left * s); x < int(right * s); ++x)
            dark = qMin(dark, qGray(image.pixel(x, y)));
    return dark;
}

} // namespace

class tst_LabelSheet : public ArchiveTestCase {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString render(const QString& name, QList<LabelSheetDocument::Item> items) {
        LabelSheetDocument doc(std::move(items));
        const QString file = m_dir.filePath(name);
        const QString error = WritePdf(doc, file);
        return error.isEmpty() ? file : error;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY2(CheckPrintFont().isEmpty(), qPrintable(CheckPrintFont()));
    }

    void readsItemsInTheGivenOrder_data() { TestSupport::AddBackendRows(); }
    void readsItemsInTheGivenOrder() {
        QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "SottoMovimenti", "Movimenti", "Articoli");
        const int a = addItem(*db, "A1", "Alfa", "4006381333931");
        const int b = addItem(*db, "B2", QString(), QString());
        const int c = addItem(*db, "C3", "Gamma", "abc");
        QList<LabelSheetDocument::Item> items;
        // The list's order, not the keys' nor the codes'; a key of a deleted item is skipped.
        QVERIFY2(LabelSheetDocument::ReadItems(*db, {c, 999999, a, b}, &items),
                 qPrintable(db->errorText()));
        QCOMPARE(items.size(), 3);
        QCOMPARE(items.at(0).code, QStringLiteral("C3"));
        QCOMPARE(items.at(0).barcode, QStringLiteral("abc"));
        QCOMPARE(items.at(1).description, QStringLiteral("Alfa"));
        QVERIFY(items.at(2).description.isEmpty());
        QVERIFY(items.at(2).barcode.isEmpty());

        // More keys than one query takes: every item still comes back, in order.
        QList<int> many;
        for (int i = 0; i < 1200; ++i)
            many.append(i % 2 ? a : c);
        QVERIFY(LabelSheetDocument::ReadItems(*db, many, &items));
        QCOMPARE(items.size(), 1200);
        QCOMPARE(items.at(1199).code, QStringLiteral("A1"));
        QCOMPARE(items.at(1198).code, QStringLiteral("C3"));
        QCOMPARE(LabelSheetDocument(items).pageCount(), 1200);
    }

    void barcodesReadBack() {
        const QString pdf = render("codes.pdf", {{"E13", "Tredici", "4006381333931"},
                                                 {"E8", "Otto", "12345670"},
                                                 {"C39", "Trentanove", "QZ-42 $"},
                                                 {"LOW", "Minuscole", "abc"},
                                                 {"SEVEN", "Sette cifre", "1234567"}});
        QCOMPARE(TestSupport::PdfPageCount(pdf), 5);
        // The barcode band of the first label of each column, and of the last row.
        struct Band {
            double left, right, top;
        };
        const Band bands[] = {{50, 950, 50}, {1050, 1900, 50}, {1050, 1900, 2300}};
        const QString expected[] = {"4006381333931", "12345670", "QZ-42 $", "+A+B+C", "1234567"};
        for (int page = 1; page <= 5; ++page)
            for (const Band& b : bands) {
                const QString read = decodeBand(
                    pdf, page, b.left, b.top + 205, b.right, b.top + 380,
                    m_dir.filePath(
                        QStringLiteral("band%1-%2.png").arg(page).arg(int(b.left + b.top))));
                QVERIFY2(read == expected[page - 1],
                         qPrintable(QStringLiteral("page %1 at (%2, %3): %4")
                                        .arg(page)
                                        .arg(b.left)
                                        .arg(b.top)
                                        .arg(read)));
            }
        // The human-readable line of Code 39 shows the text as typed, not its full-ASCII form.
        const QString text = TestSupport::PdfText(pdf, 4);
        QVERIFY2(text.contains("* abc *"), qPrintable(text));
        QVERIFY(!text.contains("+A"));
        QVERIFY(TestSupport::PdfText(pdf, 3).contains("* QZ-42 $ *"));
    }

    void labelTextsSitInTheirBands() {
        const QString pdf = render("layout.pdf", {{"ART-77", "Vite zincata", "12345670"}});
        const auto words = PdfWords(pdf);
        int codes = 0;
        QVector<TestSupport::PdfWord> found;
        for (const auto& w : words)
            if (w.text == QLatin1String("ART-77")) {
                ++codes;
                found.append(w);
            }
        QCOMPARE(codes, 12);
        const double rowTops[] = {50, 500, 950, 1400, 1850, 2300};
        const double centres[] = {500, 1475};
        for (int i = 0; i < 12; ++i) {
            const auto& w = found.at(i);
            // Code centred on the bottom of its band y - 5 to y - 95.
            const double top = rowTops[i / 2];
            const double centre = centres[i % 2];
            QVERIFY2(qAbs((w.left + w.right) / 2 - centre) < 3,
                     qPrintable(QStringLiteral("label %1 centre %2").arg(i).arg(w.left)));
            QVERIFY2(w.bottom <= top + 95 + 1 && w.bottom > top + 95 - 15,
                     qPrintable(QStringLiteral("label %1 bottom %2").arg(i).arg(w.bottom)));
            QVERIFY(w.top > top + 5);
        }
        // The description is centred both ways in y - 105 to y - 195.
        const auto vite = FindPdfWord(words, "Vite");
        const auto zincata = FindPdfWord(words, "zincata");
        QVERIFY(!vite.text.isEmpty() && !zincata.text.isEmpty());
        QVERIFY(qAbs((vite.left + zincata.right) / 2 - 500) < 3);
        QVERIFY(qAbs((vite.top + vite.bottom) / 2 - 200) < 8);
        // EAN digits in the 40 units under the bars, bars ending 40 above the band's bottom.
        const auto digits = FindPdfWord(words, "1234");
        QVERIFY2(!digits.text.isEmpty(), qPrintable(TestSupport::PdfText(pdf)));
        QVERIFY(digits.top >= 50 + 340 - 1);
        QVERIFY(digits.bottom <= 50 + 380 + 1);
    }

    void emptyTextsLeaveTheirBandsEmpty() {
        // A 19-character text is no barcode at all; an empty description prints nothing.
        const QString pdf = render("empty.pdf", {{"NOBAR", QString(), QString(19, 'X')},
                                                 {QString(), "Solo descrizione", QString()}});
        QCOMPARE(TestSupport::PdfPageCount(pdf), 2);
        const QString stem = m_dir.filePath("empty");
        // Page 1: nothing in the description and barcode bands of the first label.
        QCOMPARE(darkest(pdf, 1, 110, 155, 890, 245, stem), 255);
        QCOMPARE(darkest(pdf, 1, 110, 255, 890, 425, stem), 255);
        QVERIFY(darkest(pdf, 1, 110, 55, 890, 145, stem) < 100);
        // Page 2: no code, a description, no barcode.
        QCOMPARE(darkest(pdf, 2, 110, 55, 890, 145, stem), 255);
        QVERIFY(darkest(pdf, 2, 110, 155, 890, 245, stem) < 100);
        QCOMPARE(darkest(pdf, 2, 1110, 255, 1840, 425, stem), 255);
        QVERIFY(!TestSupport::PdfText(pdf, 1).contains("Codici a barre"));
    }

    void longTextsStayInsideTheLabel() {
        // The widest Code 39 is narrowed to fit and still reads; a long description is cut.
        const QString code39 = QStringLiteral("ABCDEFGHIJKLMNOPQR");
        const QString longText = QString("Descrizione molto lunga ").repeated(5).trimmed();
        const QString pdf = render("long.pdf", {{"L", longText, code39}});
        QCOMPARE(decodeBand(pdf, 1, 1050, 2300 + 205, 1900, 2300 + 380, m_dir.filePath("long.png")),
                 code39);
        const QString text = TestSupport::PdfText(pdf);
        QVERIFY2(text.contains("..."), qPrintable(text));
        for (const auto& w : PdfWords(pdf)) {
            const bool left = w.left < 1000;
            QVERIFY2(w.left >= (left ? 50 : 1050) && w.right <= (left ? 950 : 1900),
                     qPrintable(w.text));
        }
    }
};

QTEST_MAIN(tst_LabelSheet)
#include "tst_LabelSheet.moc"
