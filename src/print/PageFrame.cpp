#include "print/PageFrame.h"

#include "common/Profile.h"
#include "company/CompanyData.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace {

constexpr double kUnitsPerInch = 254;
constexpr double kUnitsPerPoint = kUnitsPerInch / 72;
constexpr double kLogoLeft = 50, kLogoTop = -50, kLogoRight = 430, kLogoBottom = -270;
constexpr double kBlockLeftBesideLogo = 450, kBlockLeft = 50;
constexpr double kNameTop = -50;
// The name's line is a little taller than its 4 mm font; the 9 pt lines are 4 mm apart.
constexpr double kNameLineHeight = 50, kBodyLineHeight = 40;

QString joined(const QString& format, const QStringList& values) {
    bool any = false;
    for (const QString& v : values)
        any = any || !v.isEmpty();
    if (!any)
        return {};
    // One pass over the placeholders, so a value holding "%1" stays as typed.
    switch (values.size()) {
    case 1:
        return format.arg(values.at(0));
    case 2:
        return format.arg(values.at(0), values.at(1));
    default:
        return format.arg(values.at(0), values.at(1), values.at(2));
    }
}

} // namespace

CompanyHeader CompanyHeader::FromProfile(const Profile& profile) {
    auto v = [&](const char* key) { return CompanyValue(profile, QString::fromLatin1(key)); };
    CompanyHeader c;
    c.name = v("RagSoc");
    c.address = v("Indirizzo");
    c.town = v("Comune");
    c.phone = v("Telefono");
    c.mobile = v("Cellulare");
    c.email = v("EMail");
    c.web = v("Web");
    c.taxCode = v("CodFisc");
    c.vatNumber = v("PartIva");
    c.capital = v("CapSoc");
    c.other = v("Altro");
    return c;
}

QString CutCompanyName(const QString& name) {
    if (name.size() <= kCompanyNameMaxChars)
        return name;
    return name.left(kCompanyNameCutChars) + QStringLiteral("...");
}

QString PageOfText(int page, int pageCount) {
    return QStringLiteral("Pagina %1 di %2").arg(page).arg(pageCount);
}

QString PageShortText(int page, int pageCount) {
    return QStringLiteral("%1 di %2").arg(page).arg(pageCount);
}

QString CheckPrintFont() {
    QFont font(QString::fromLatin1(kPrintFontFamily));
    font.setStyleStrategy(QFont::NoFontMerging);
    const QString found = QFontInfo(font).family();
    if (found == QLatin1String(kPrintFontFamily))
        return {};
    return QCoreApplication::translate("PageFrame",
                                       "Il carattere di stampa \"%1\" non è installato (trovato "
                                       "\"%2\"): installare il pacchetto fonts-liberation2.")
        .arg(QString::fromLatin1(kPrintFontFamily), found);
}

PageFrame::PageFrame(QPainter& painter)
    : m_painter(painter),
      m_scale(painter.device() ? painter.device()->logicalDpiY() / kUnitsPerInch : 1.0) {
    const double scaleX = painter.device() ? painter.device()->logicalDpiX() / kUnitsPerInch : 1.0;
    // y up: a page position (x, -y) lands y units below the top edge.
    m_painter.setTransform(QTransform::fromScale(scaleX, -m_scale));
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    setThinPen();
}

QFont PageFrame::unitFont(double height, bool bold) const {
    QFont font(QString::fromLatin1(kPrintFontFamily));
    font.setStyleStrategy(QFont::NoFontMerging);
    // The font is sized against the device's resolution and then the transform scales it once
    // more: dividing by that scale leaves an em of `height` page units.
    font.setPointSizeF(height / kUnitsPerPoint / m_scale);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QFont PageFrame::pointFont(double points, bool bold) const {
    return unitFont(points * kUnitsPerPoint, bold);
}

void PageFrame::setThinPen() {
    QPen pen(Qt::black);
    pen.setStyle(Qt::SolidLine);
    pen.setWidthF(1);
    m_painter.setPen(pen);
}

QRectF PageFrame::box(double x1, double y1, double x2, double y2) {
    return QRectF(QPointF(qMin(x1, x2), qMin(y1, y2)), QPointF(qMax(x1, x2), qMax(y1, y2)));
}

void PageFrame::drawText(double x, double y, const QString& text) {
    m_painter.save();
    m_painter.translate(x, y);
    m_painter.scale(1, -1);
    m_painter.drawText(QRectF(0, 0, kPageWidth, kPageHeight), Qt::AlignLeft | Qt::AlignTop, text);
    m_painter.restore();
}

void PageFrame::drawText(double x1, double y1, double x2, double y2, int flags,
                         const QString& text) {
    const QRectF r = box(x1, y1, x2, y2);
    m_painter.save();
    // The box's top edge is its larger y; flipped there, the box reads downwards again.
    m_painter.translate(r.left(), r.bottom());
    m_painter.scale(1, -1);
    m_painter.drawText(QRectF(0, 0, r.width(), r.height()), flags, text);
    m_painter.restore();
}

QString PageFrame::fitText(const QString& text, double width) const {
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString dots = QStringLiteral("...");
    QString cut = text;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut + dots) > width)
        cut.chop(1);
    return cut + dots;
}

bool PageFrame::drawImage(double x1, double y1, double x2, double y2, const QImage& image) {
    if (image.isNull())
        return false;
    const QRectF r = box(x1, y1, x2, y2);
    m_painter.save();
    m_painter.translate(r.left(), r.bottom());
    m_painter.scale(1, -1);
    m_painter.drawImage(QRectF(0, 0, r.width(), r.height()), image);
    m_painter.restore();
    return true;
}

bool PageFrame::drawLogo(const QString& logoFile) {
    if (logoFile.isEmpty())
        return false;
    QImageReader reader(logoFile);
    const QImage logo = reader.read();
    return drawImage(kLogoLeft, kLogoTop, kLogoRight, kLogoBottom, logo);
}

double PageFrame::drawCompanyBlock(const CompanyHeader& company, double x, bool withCapital) {
    const double width = kCompanyBlockRight - x;
    double y = kNameTop;
    m_painter.setFont(headingFont());
    // Beside the logo even 45 characters can run into the title: the name is cut to the block too.
    drawText(x, y, fitText(CutCompanyName(company.name), width));
    y -= kNameLineHeight;

    const QStringList taxValues =
        withCapital ? QStringList{company.taxCode, company.vatNumber, company.capital}
                    : QStringList{company.taxCode, company.vatNumber};
    const QStringList lines = {
        company.address,
        company.town,
        joined(QStringLiteral("Tel. %1 - Cell. %2"), {company.phone, company.mobile}),
        joined(QStringLiteral("%1 - %2"), {company.email, company.web}),
        joined(withCapital ? QStringLiteral("Cod. Fisc. %1 - P.IVA %2 - %3")
                           : QStringLiteral("Cod. Fisc. %1 - P.IVA %2"),
               taxValues),
        company.other,
    };
    m_painter.setFont(bodyFont());
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        drawText(x, y, fitText(line, width));
        y -= kBodyLineHeight;
    }
    return y;
}

double PageFrame::drawHeader(const CompanyHeader& company, const QString& logoFile,
                             bool withCapital) {
    const bool logo = drawLogo(logoFile);
    const double bottom =
        drawCompanyBlock(company, logo ? kBlockLeftBesideLogo : kBlockLeft, withCapital);
    return logo ? qMin(bottom, kLogoBottom) : bottom;
}

void PageFrame::drawPageNumber(int page, int pageCount) {
    m_painter.setFont(pointFont(10));
    drawText(50, -2880, 2050, -2930, Qt::AlignHCenter | Qt::AlignVCenter,
             PageOfText(page, pageCount));
}
