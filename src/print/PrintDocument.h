#pragma once

#include <QString>

class Database;
class PageFrame;
class Profile;
class QPagedPaintDevice;

// What every document is made from: the archive, the profile (company block in section
// "Azienda", number and currency formats) and the logo file ("logo.jpg" in the data folder,
// which may be missing). Documents read what they print when they are made.
struct PrintSource {
    Database& db;
    const Profile& profile;
    QString logoFile;
};

// Something the program prints: a movement document, a list, a report, a label sheet. The same
// object draws the preview, the printed pages, a PDF file and the pages a test reads back.
// Everything a page shows is read from the archive when the document is made (or in prepare()),
// never while drawing, so that the preview can redraw a page at any time.
class PrintDocument {
public:
    virtual ~PrintDocument() = default;

    // Fixed before the first page is drawn; 0 means there is nothing to print.
    virtual int pageCount() const = 0;
    // Draws page `page` (1-based) of pageCount() on a fresh A4 portrait page.
    virtual void drawPage(PageFrame& frame, int page) = 0;
    // The PDF file name a user is offered, without folder or extension: the kind of document and
    // what tells it apart ("Fattura 12 2026-03-05", "Lista Movimenti 2026-03-05").
    virtual QString fileBaseName() const = 0;
};

// Draws every page of the document on the device, switched to A4 portrait without margins.
// False (and nothing drawn) when the document has no page or the device cannot be painted on.
// firstPage and lastPage (1-based, 0 for the ends) limit it to the pages a user chose.
bool RenderDocument(PrintDocument& document, QPagedPaintDevice& device, int firstPage = 0,
                    int lastPage = 0);

// Writes the document as a PDF file. The file appears only whole: it is written beside its
// final name and moved there when complete, so a failure leaves the previous file (or none).
// Returns an empty text on success, otherwise what went wrong, for the user.
QString WritePdf(PrintDocument& document, const QString& path);

// A file name made safe for every file system the user may save on: no slashes, no control or
// reserved characters.
QString SafeFileName(const QString& name);
