#pragma once

#include "common/CurrencyAmount.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class Database;
class Profile;

// Writes items to a spreadsheet file (CSV) or to a web-shop XML file with a folder of
// pictures beside it. The file appears whole or not at all: it is written aside and put in
// place at the end, and a cancelled or failed export leaves the previous file as it was.
class ItemExport {
public:
    enum class Format { Csv, Xml };
    // "xml" gives XML, any other extension CSV.
    static Format FormatOf(const QString& file);

    struct Result {
        enum class Status { Written, Cancelled, FolderFailed, Failed };
        Status status = Status::Failed;
        int count = 0;
        QString error;
    };

    ItemExport(Database& db, const Profile& profile);

    // Called after each item with the items written and their total; false stops the export.
    std::function<bool(int done, int total)> progress;

    // Writes the items of the keys, in their order; keys of items that no longer exist are
    // passed over.
    Result run(const QList<int>& keys, const QString& file);

    // The CSV heading, without its line end.
    static QString Heading();
    // The name of an item's picture in the images folder (without the folder), made safe for
    // a file name; a null text when the item gets "noimage.jpg".
    static QString PictureName(const QString& code);
    // Numbers as the import reads them back: the company's decimal symbol, no grouping, every
    // decimal kept (amounts with at least two).
    static QString AmountText(const Profile& profile, const CurrencyAmount& amount);
    static QString NumberText(const Profile& profile, const std::optional<float>& value);
    // The stock picture for items without one, as JPEG bytes.
    static QByteArray NoImageJpeg();

    static QString DefaultName() { return QStringLiteral("Articoli Magazzino"); }
    static QString CreatedMessage(const QString& file);
    static QString FolderMessage();

private:
    Database& m_db;
    const Profile& m_profile;
};
