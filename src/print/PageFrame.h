#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class Profile;
class QPaintDevice;
class QImage;
class QPainter;

// The company data a printed page heads with, read from section "Azienda".
struct CompanyHeader {
    QString name, address, town, phone, mobile, email, web, taxCode, vatNumber, capital, other;

    static CompanyHeader FromProfile(const Profile& profile);
};

// The longest company name printed whole; a longer one keeps its first 42 characters and "...".
inline constexpr int kCompanyNameMaxChars = 45;
inline constexpr int kCompanyNameCutChars = 42;
QString CutCompanyName(const QString& name);

// "Pagina %d di %d" under lists and reports, "%d di %d" in a document's page box.
QString PageOfText(int page, int pageCount);
QString PageShortText(int page, int pageCount);

// The printed face: Liberation Sans, the metric twin of Arial. Another face would move every
// text that was placed to fit, so its absence is an error rather than a quiet substitution.
inline constexpr const char* kPrintFontFamily = "Liberation Sans";
// Empty when the face is there; otherwise the message to show the user.
QString CheckPrintFont();

// An A4 portrait page in tenths of a millimetre, origin at the top-left corner and y growing
// upwards, so everything on the page has a negative y (y = -50 is 5 mm below the top edge).
// One painter transform maps these units onto any paint device: printer, preview, PDF, image.
// Lines and rectangles go straight through the painter; text and images go through the frame,
// which turns them the right way up.
class PageFrame {
public:
    static constexpr double kPageWidth = 2100;
    static constexpr double kPageHeight = 2970;
    // The company block's right edge, leaving the top right of the page to the titles.
    static constexpr double kCompanyBlockRight = 1190;

    // Sets the painter's transform for its device (the painter must be active on it).
    explicit PageFrame(QPainter& painter);

    QPainter& painter() { return m_painter; }

    // A font of the printed face, its em height in units; pointFont at a size in points.
    QFont unitFont(double height, bool bold = false) const;
    QFont pointFont(double points, bool bold = false) const;
    // Fonts used across documents: 9 pt body, bold 5 mm title, 4 mm heading, 3 mm label.
    QFont bodyFont() const { return pointFont(9); }
    QFont titleFont() const { return unitFont(50, true); }
    QFont headingFont() const { return unitFont(40, true); }
    QFont labelFont() const { return unitFont(30, true); }

    // A solid pen of width 1.
    void setThinPen();

    // Text with its top-left corner at (x, y).
    void drawText(double x, double y, const QString& text);
    // Text inside the box between two corners, aligned by Qt::AlignmentFlag / Qt::TextFlag.
    void drawText(double x1, double y1, double x2, double y2, int flags, const QString& text);
    // The text cut with "..." so that it fits the width in the current font.
    QString fitText(const QString& text, double width) const;
    // Draws the image stretched into the box between two corners; false for a null image.
    bool drawImage(double x1, double y1, double x2, double y2, const QImage& image);

    // The logo file stretched into (50, -50)–(430, -270); false (and nothing drawn) when the file
    // is missing or does not decode.
    bool drawLogo(const QString& logoFile);
    // The company block from x (450 beside a logo, 50 without), name at y -50 and the 9 pt lines
    // under it; returns the y under the last line. withCapital: the tax line ends with the
    // share capital ("Cod. Fisc. %s - P.IVA %s - %s") or not ("Cod. Fisc. %s - P.IVA %s").
    double drawCompanyBlock(const CompanyHeader& company, double x, bool withCapital = true);
    // The logo when there is one, then the company block beside it or at the left edge.
    double drawHeader(const CompanyHeader& company, const QString& logoFile,
                      bool withCapital = true);
    // "Pagina %d di %d" centred at the bottom of the page, 10 pt.
    void drawPageNumber(int page, int pageCount);

private:
    // The box between two corners in the painter's coordinates, made of page units.
    static QRectF box(double x1, double y1, double x2, double y2);

    QPainter& m_painter;
    double m_scale;
};
