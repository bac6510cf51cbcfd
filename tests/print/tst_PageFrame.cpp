// label: unit
#include "common/Profile.h"
#include "print/PageCount.h"
#include "print/PageFrame.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double kPointsPerUnit = 72.0 / 254.0;

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// One word of a rendered page with its top-left corner in points from the top-left of the page.
struct Word {
    double x = -1, y = -1;
};

Word findWord(const QString& bboxHtml, const QString& text) {
    static const QRegularExpression re(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" "
                       "yMax=\"[0-9.]+\">([^<]*)</word>"));
    for (auto it = re.globalMatch(bboxHtml); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(3) == text)
            return {m.captured(1).toDouble(), m.captured(2).toDouble()};
    }
    return {};
}

CompanyHeader sampleCompany() {
    CompanyHeader c;
    // 50 characters: the print keeps 42 of them and adds "...".
    c.name = QStringLiteral("Ferramenta Bortolotti Snc di Bortolotti Gianni XYZ");
    c.address = QStringLiteral("Via Roma 12");
    c.town = QStringLiteral("37100 Verona");
    c.phone = QStringLiteral("045 123456");
    c.mobile = QStringLiteral("333 9876543");
    c.taxCode = QStringLiteral("BRTGNN60A01L781X");
    c.vatNumber = QStringLiteral("01234567890");
    c.capital = QStringLiteral("Cap. Soc. 10.000");
    c.other = QStringLiteral("Lunghissima annotazione ") + QString(200, QLatin1Char('w'));
    return c;
}

} // namespace

class tst_PageFrame : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // Renders pageCount pages with the header and page number, returns the PDF's path.
    QString render(const QString& name, const CompanyHeader& company, const QString& logo,
                   int pageCount = 1) {
        const QString file = m_dir.filePath(name);
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        QPainter painter(&writer);
        for (int page = 1; page <= pageCount; ++page) {
            if (page > 1)
                writer.newPage();
            PageFrame frame(painter);
            frame.drawHeader(company, logo);
            frame.drawPageNumber(page, pageCount);
        }
        painter.end();
        return file;
    }

private Q_SLOTS:
    void pageCounts() {
        // A sale invoice: 27 rows a page with every footer line filled, one more per empty line.
        const QStringList allFilled = {"a", "b", "c", "d"};
        const QStringList noRiga4 = {"a", "b", "c", ""};
        const int full = RowsPerPage(PrintKind::Invoice, false, EmptyFooterLines(allFilled));
        const int roomier = RowsPerPage(PrintKind::Invoice, false, EmptyFooterLines(noRiga4));
        QCOMPARE(DocumentPageCount(27, 0, full), 1);
        QCOMPARE(DocumentPageCount(28, 0, full), 2);
        QCOMPARE(DocumentPageCount(28, 0, roomier), 1);
        QCOMPARE(EmptyFooterLines({"", "  ", "x", QString()}), 3);
        QCOMPARE(RowsPerPage(PrintKind::Invoice, true, 7), 37);
        // Kinds other than the sale invoice ignore the footer lines.
        QCOMPARE(RowsPerPage(PrintKind::PurchaseInvoice, false, 4), 27);
        QCOMPARE(RowsPerPage(PrintKind::Receipt), 42);
        QCOMPARE(RowsPerPage(PrintKind::LoadTransportDocument), 30);
        // A note takes a line of its own: 29 rows with a note each need two transport pages.
        QCOMPARE(DocumentPageCount(31, 0, RowsPerPage(PrintKind::TransportDocument)), 2);
        QCOMPARE(DocumentPageCount(20, 10, 30), 1);
        QCOMPARE(DocumentPageCount(20, 11, 30), 2);
        QCOMPARE(DocumentPageCount(0, 0, 30), 0);
        // The list adds a page after a full one; the report rounds up.
        QCOMPARE(MovementListPageCount(37), 1);
        QCOMPARE(MovementListPageCount(38), 2);
        QCOMPARE(MovementListPageCount(0), 0);
        QCOMPARE(ReportPageCount(38), 1);
        QCOMPARE(ReportPageCount(39), 2);
        QCOMPARE(ReportPageCount(0), 0);
        QCOMPARE(PageShortText(2, 2), QStringLiteral("2 di 2"));
    }

    void companyFromProfile() {
        Profile profile(m_dir.filePath("user.ini"), m_dir.filePath("machine.ini"));
        profile.setValue(Profile::Section::Azienda, "RagSoc", "Alfa Srl");
        profile.setValue(Profile::Section::Azienda, "CapSoc", "10.000");
        profile.setValue(Profile::Section::Azienda, "Cellulare", "333");
        const CompanyHeader c = CompanyHeader::FromProfile(profile);
        QCOMPARE(c.name, QStringLiteral("Alfa Srl"));
        QCOMPARE(c.capital, QStringLiteral("10.000"));
        QCOMPARE(c.mobile, QStringLiteral("333"));
        QVERIFY(c.address.isEmpty());
        QCOMPARE(CutCompanyName(QString(45, 'n')), QString(45, 'n'));
        QCOMPARE(CutCompanyName(QString(46, 'n')), QString(42, 'n') + "...");
    }

    void renderedHeader() {
        QVERIFY(m_dir.isValid());
        QVERIFY2(CheckPrintFont().isEmpty(), qPrintable(CheckPrintFont()));
        const CompanyHeader company = sampleCompany();
        const QString pdf = render("header.pdf", company, m_dir.filePath("none.jpg"), 3);
        const QString text = run("pdftotext", {"-layout", pdf, "-"});
        const QString cut = company.name.left(42) + "...";
        QVERIFY2(text.contains(cut), qPrintable(text));
        QVERIFY(!text.contains(company.name.left(43)));
        QVERIFY(text.contains("Tel. 045 123456 - Cell. 333 9876543"));
        QVERIFY(
            text.contains("Cod. Fisc. BRTGNN60A01L781X - P.IVA 01234567890 - Cap. Soc. 10.000"));
        // Lines with nothing to say are left out; a line too wide for the block is cut.
        QVERIFY(!text.contains(" - \n"));
        QVERIFY(text.contains("Lunghissima annotazione www"));
        QVERIFY(text.contains("w..."));
        QVERIFY(!text.contains(company.other));
        for (int page = 1; page <= 3; ++page)
            QVERIFY2(text.contains(PageOfText(page, 3)), qPrintable(text));
        QVERIFY(!text.contains("Pagina 4"));
        // The face really embedded is Liberation Sans, not a substitute.
        const QString fonts = run("pdffonts", {pdf});
        QVERIFY2(fonts.contains("LiberationSans"), qPrintable(fonts));
        QVERIFY2(!fonts.contains("DejaVu"), qPrintable(fonts));
    }

    void logoMovesTheBlock_data() {
        QTest::addColumn<QString>("logo");
        QTest::addColumn<double>("left");
        QTest::newRow("logo") << "good.jpg" << 450.0;
        QTest::newRow("missing") << "absent.jpg" << 50.0;
        QTest::newRow("corrupt") << "corrupt.jpg" << 50.0;
    }

    void logoMovesTheBlock() {
        QFETCH(QString, logo);
        QFETCH(double, left);
        QImage image(80, 40, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(m_dir.filePath("good.jpg"), "JPG"));
        QFile corrupt(m_dir.filePath("corrupt.jpg"));
        QVERIFY(corrupt.open(QIODevice::WriteOnly));
        corrupt.write("\xFF\xD8\xFF\xE0 this is no picture");
        corrupt.close();

        CompanyHeader company;
        company.name = QStringLiteral("Quarzilia");
        company.address = QStringLiteral("Viale Verdi 3");
        const QString pdf = render(logo + ".pdf", company, m_dir.filePath(logo));
        const QString bbox = run("pdftotext", {"-bbox", pdf, "-"});
        const Word name = findWord(bbox, "Quarzilia");
        QVERIFY2(name.x >= 0, qPrintable(bbox));
        // Within 1 mm of where the block starts, and the name's top within 1.5 mm of 5 mm down.
        QVERIFY2(qAbs(name.x - left * kPointsPerUnit) < 10 * kPointsPerUnit,
                 qPrintable(QString::number(name.x)));
        QVERIFY2(qAbs(name.y - 50 * kPointsPerUnit) < 15 * kPointsPerUnit,
                 qPrintable(QString::number(name.y)));
        // The address sits under the name.
        const Word address = findWord(bbox, "Viale");
        QVERIFY(address.y > name.y + 30 * kPointsPerUnit);
        QVERIFY(qAbs(address.x - name.x) < 2);
        // A real logo is an image on the page; a missing or broken one leaves none.
        const QString images = run("pdfimages", {"-list", pdf});
        QCOMPARE(images.count(QStringLiteral("image ")) > 0, logo == "good.jpg");
    }
};

QTEST_MAIN(tst_PageFrame)
#include "tst_PageFrame.moc"
